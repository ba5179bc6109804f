VERSION 5.00
Begin VB.Form frmVCR 
   BackColor       =   &H00000000&
   Caption         =   "VBTV"
   ClientHeight    =   8550
   ClientLeft      =   1404
   ClientTop       =   1764
   ClientWidth     =   8532
   FillStyle       =   0  'Solid
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "vcr.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   8550
   ScaleWidth      =   8532
   Begin VB.CommandButton cmdSet 
      Caption         =   "Set"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   432
      Left            =   5472
      MaskColor       =   &H00000000&
      TabIndex        =   13
      ToolTipText     =   "Set the Timer for Recording"
      Top             =   7200
      Width           =   1026
   End
   Begin VB.Timer tmr2 
      Enabled         =   0   'False
      Left            =   7488
      Top             =   3888
   End
   Begin VB.Timer tmr1 
      Interval        =   65535
      Left            =   7488
      Top             =   3168
   End
   Begin VB.CommandButton cmdDown 
      Caption         =   "Down"
      Height          =   390
      Left            =   7344
      MaskColor       =   &H00000000&
      TabIndex        =   11
      ToolTipText     =   "Channel selector"
      Top             =   1728
      Width           =   882
   End
   Begin VB.CommandButton cmdUp 
      Caption         =   "Up"
      Height          =   390
      Left            =   7344
      MaskColor       =   &H00000000&
      TabIndex        =   10
      ToolTipText     =   "Channel selector"
      Top             =   1296
      Width           =   882
   End
   Begin VB.CommandButton cmdExit 
      Cancel          =   -1  'True
      Caption         =   "Eject"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   432
      Left            =   6912
      MaskColor       =   &H00000000&
      TabIndex        =   7
      ToolTipText     =   "Exit VBTV"
      Top             =   7200
      Width           =   1314
   End
   Begin VB.CommandButton cmdPause 
      Caption         =   "ll"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   16.2
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   432
      Left            =   1206
      MaskColor       =   &H00000000&
      TabIndex        =   6
      ToolTipText     =   "Pause"
      Top             =   7200
      Width           =   738
   End
   Begin VB.CommandButton cmdRec 
      Caption         =   "Rec"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   432
      Left            =   1980
      MaskColor       =   &H00000000&
      TabIndex        =   5
      ToolTipText     =   "Record"
      Top             =   7200
      Width           =   738
   End
   Begin VB.CommandButton cmdForward 
      Caption         =   ">>"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   16.2
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   432
      Left            =   3546
      MaskColor       =   &H00000000&
      TabIndex        =   4
      ToolTipText     =   "Fast Forward"
      Top             =   7200
      Width           =   738
   End
   Begin VB.CommandButton cmdRewind 
      Caption         =   "<<"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   16.2
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   432
      Left            =   2772
      MaskColor       =   &H00000000&
      TabIndex        =   3
      ToolTipText     =   "Rewind"
      Top             =   7200
      Width           =   738
   End
   Begin VB.CommandButton cmdStop 
      Caption         =   "Stop"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   432
      Left            =   4320
      MaskColor       =   &H00000000&
      TabIndex        =   2
      ToolTipText     =   "Stop"
      Top             =   7200
      Width           =   738
   End
   Begin VB.PictureBox picTV 
      AutoRedraw      =   -1  'True
      BackColor       =   &H00C0C0C0&
      BorderStyle     =   0  'None
      FillStyle       =   2  'Horizontal Line
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   21.6
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00FFFFFF&
      Height          =   5058
      Left            =   432
      ScaleHeight     =   5058
      ScaleWidth      =   6642
      TabIndex        =   1
      Top             =   288
      Width           =   6642
   End
   Begin VB.CommandButton cmdPlay 
      Caption         =   ">"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   16.2
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   432
      Left            =   432
      MaskColor       =   &H00000000&
      TabIndex        =   0
      ToolTipText     =   "Play"
      Top             =   7200
      Width           =   738
   End
   Begin VB.Line Line2 
      BorderColor     =   &H00808080&
      X1              =   0
      X2              =   8496
      Y1              =   5592
      Y2              =   5592
   End
   Begin VB.Line Line1 
      BorderColor     =   &H00FFFFFF&
      X1              =   0
      X2              =   8496
      Y1              =   5640
      Y2              =   5640
   End
   Begin VB.Shape shpPlay 
      FillColor       =   &H0000FF00&
      FillStyle       =   0  'Solid
      Height          =   126
      Left            =   738
      Shape           =   3  'Circle
      Top             =   7002
      Visible         =   0   'False
      Width           =   126
   End
   Begin VB.Shape shpForward 
      FillColor       =   &H0000FF00&
      FillStyle       =   0  'Solid
      Height          =   126
      Left            =   3852
      Shape           =   3  'Circle
      Top             =   7002
      Visible         =   0   'False
      Width           =   126
   End
   Begin VB.Shape shpRewind 
      FillColor       =   &H0000FF00&
      FillStyle       =   0  'Solid
      Height          =   126
      Left            =   3078
      Shape           =   3  'Circle
      Top             =   7002
      Visible         =   0   'False
      Width           =   126
   End
   Begin VB.Shape shpRec 
      FillColor       =   &H000000FF&
      FillStyle       =   0  'Solid
      Height          =   126
      Left            =   2286
      Shape           =   3  'Circle
      Top             =   7002
      Visible         =   0   'False
      Width           =   126
   End
   Begin VB.Shape shpPause 
      FillColor       =   &H0000FF00&
      FillStyle       =   0  'Solid
      Height          =   126
      Left            =   1512
      Shape           =   3  'Circle
      Top             =   7002
      Visible         =   0   'False
      Width           =   126
   End
   Begin VB.Image img2 
      Height          =   1386
      Left            =   2016
      Picture         =   "vcr.frx":0442
      Top             =   8064
      Visible         =   0   'False
      Width           =   1386
   End
   Begin VB.Image img1 
      Height          =   1386
      Left            =   288
      Picture         =   "vcr.frx":10CC
      Top             =   8064
      Visible         =   0   'False
      Width           =   1386
   End
   Begin VB.Label lblTime 
      Alignment       =   2  'Center
      BackColor       =   &H00000000&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   21.6
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000FF&
      Height          =   738
      Left            =   576
      TabIndex        =   12
      Top             =   5904
      Width           =   2322
   End
   Begin VB.Label lblBrand 
      BackStyle       =   0  'Transparent
      Caption         =   "Microsoft Visual Basic VCR - Version 1.0"
      ForeColor       =   &H00FFFFFF&
      Height          =   450
      Left            =   4032
      TabIndex        =   9
      Top             =   6192
      Width           =   3474
   End
   Begin VB.Image imgTapeSlot 
      BorderStyle     =   1  'Fixed Single
      Height          =   882
      Left            =   3168
      Top             =   5904
      Width           =   5058
   End
   Begin VB.Label lblChannel 
      Alignment       =   2  'Center
      BackStyle       =   0  'Transparent
      BorderStyle     =   1  'Fixed Single
      Caption         =   "3"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   28.8
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H0000FF00&
      Height          =   738
      Left            =   7344
      TabIndex        =   8
      ToolTipText     =   "Channel display"
      Top             =   288
      Width           =   882
   End
End
Attribute VB_Name = "frmVCR"
Attribute VB_Base = "0{FF90640B-E9E1-11CF-84BA-00AA00C007F0}"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_TemplateDerived = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
' Copyright (c) Microsoft Corporation.  All rights reserved.
'**********************************************
' Purpose:  Main form for the VCR sample
' application. Emulates a video cassette
' recorder using Visual Basic objects.
'**********************************************
Option Explicit

' Create an instance of the Tape class
Dim Tape As New clsTape

Dim vntChannel As Variant   'Channel number

' Constants for QBColor function
Const vcrBlack = 0
Const vcrGreen = 2
Const vcrCyan = 3
Const vcrRed = 4
Const vcrMagenta = 5
Const vcrYellow = 6
Const vcrWhite = 7
Const vcrGray = 8
Const vcrLightBlue = 9
Const vcrLightGreen = 10
Const vcrLightCyan = 11
Const vcrLightRed = 12
Const vcrLightMagenta = 13




Private Sub cmdDown_Click()
    ' if in range, set the channel number
    If vntChannel > 2 Then
        vntChannel = vntChannel - 1
    Else
        vntChannel = 13
    End If
    
    ' assign the channel variable to the display
    lblChannel.Caption = vntChannel
End Sub

Private Sub cmdExit_Click()
    ' unload the form, release the reference
    Unload Me
    Set frmVCR = Nothing
End Sub

Private Sub cmdForward_Click()
    ' call the function to save the old channel
    SaveChannel vntChannel
    ' must be on channel 3 to play a tape
    vntChannel = 3
    lblChannel.Caption = vntChannel
    ' Set the properties of the Tape class
    Tape.Forward = True
    Tape.Speed = 50
    ' Start the timer
    tmr2.Enabled = True
    tmr2.Interval = Tape.Speed
    ' Call the function to update the controls
    ButtonManager frmVCR.cmdForward
End Sub

Private Sub cmdPause_Click()
    ' Stop the timer
    tmr2.Enabled = False
    ' Call the function to update the controls
    ButtonManager frmVCR.cmdPause
End Sub

Private Sub cmdPlay_Click()
    ' call the function to save the old channel
    SaveChannel vntChannel
    ' must be on channel 3 to play a tape
    vntChannel = 3
    lblChannel.Caption = vntChannel
    ' Set the properties of the Tape class
    Tape.Forward = True
    Tape.Speed = 300
    ' Start the timer
    tmr2.Enabled = True
    tmr2.Interval = Tape.Speed
    ' Call the function to update the controls
    ButtonManager frmVCR.cmdPlay
End Sub

Private Sub cmdRec_Click()
    Dim strStatus As String     'Display text
    
    ' call the function to save the old channel
    SaveChannel vntChannel
    ' Clear the display
    picTV.Cls
    ' Diplay the status
    strStatus = "Recording: Channel " & vntChannel
    picTV.Print strStatus
    strStatus = lblTime.Caption
    picTV.Print strStatus
    ' Call the function to update the controls
    ButtonManager frmVCR.cmdRec
End Sub

Private Sub cmdRewind_Click()
    ' call the function to save the old channel
    SaveChannel vntChannel
    ' must be on channel 3 to play a tape
    vntChannel = 3
    lblChannel.Caption = vntChannel
    ' Set the properties of the Tape class
    Tape.Forward = False
    Tape.Speed = 50
    ' Start the timer
    tmr2.Enabled = True
    tmr2.Interval = Tape.Speed
    ' Call the function to update the controls
    ButtonManager frmVCR.cmdRewind
End Sub

Private Sub cmdSet_Click()
    ' show the user entry form modally
    frmSetTime.Show vbModal
End Sub

Private Sub cmdStop_Click()
    Dim intChannel As Integer   'Channel number
    
    ' Stop the timer
    tmr2.Enabled = False
    ' Call the function to update the controls
    ButtonManager frmVCR.cmdStop
    ' Clear the display
    picTV.Cls
    ' restore the old channel
    intChannel = SaveChannel(0)
    vntChannel = intChannel
    lblChannel.Caption = vntChannel
End Sub

Private Sub cmdUp_Click()
    ' if in range, set the channel number
    If vntChannel < 13 Then
        vntChannel = vntChannel + 1
    Else
        vntChannel = 2
    End If
    
     ' assign the channel variable to the display
     lblChannel.Caption = vntChannel
End Sub

Private Sub Form_Load()
    ' Show the current time
    lblTime.Caption = Format((Now), "h:mm AM/PM")
    ' Set the height of the form
    frmVCR.Height = 6990
    img1.Visible = True
    ' Display the form
    Me.Show
    ' set the initial channel
    vntChannel = 3
    lblChannel.Caption = vntChannel
End Sub

Private Sub Form_Unload(Cancel As Integer)
    ' Release the references
    Set Tape = Nothing
    Set Recorder = Nothing
    Set frmVCR = Nothing
End Sub

Private Sub lblChannel_Change()
    ' Change the display color based on channel
    Select Case vntChannel
        Case 2
            picTV.BackColor = QBColor(vcrGreen)
        Case 3
            picTV.BackColor = QBColor(vcrWhite)
        Case 4
            picTV.BackColor = QBColor(vcrRed)
        Case 5
            picTV.BackColor = QBColor(vcrMagenta)
        Case 6
            picTV.BackColor = QBColor(vcrYellow)
        Case 7
            picTV.BackColor = QBColor(vcrCyan)
        Case 8
            picTV.BackColor = QBColor(vcrGray)
        Case 9
            picTV.BackColor = QBColor(vcrLightBlue)
        Case 10
            picTV.BackColor = QBColor(vcrLightGreen)
        Case 11
            picTV.BackColor = QBColor(vcrLightCyan)
        Case 12
            picTV.BackColor = QBColor(vcrLightRed)
        Case 13
            picTV.BackColor = QBColor(vcrLightMagenta)
    End Select
    
    ' Clear the display
    picTV.Cls
    ' Display the channel & time
    picTV.Print "Channel: " & vntChannel
    picTV.Print lblTime.Caption
End Sub

Private Sub tmr1_Timer()
    ' Update the time display
    lblTime.Caption = Format((Now), "h:mm AM/PM")
    ' If the Recorder property is turned on
    If Recorder.Enabled = True Then
        ' If it's time to record
        If Recorder.StartRecording = lblTime.Caption Then
            ' Start "recording"
            vntChannel = Recorder.Channel
            lblChannel.Caption = vntChannel
            ' Activate the Record button
            cmdRec.Value = True
            ' clear the property in the Recorder class
            Recorder.StartRecording = Empty
        End If
    Else
        ' If it's time to stop recording
        If Recorder.StopRecording = lblTime.Caption Then
            ' Activate the Stop button
            cmdStop.Value = True
            ' clear the property in the Recorder class
            Recorder.StopRecording = Empty
        End If
    End If
End Sub


Private Sub tmr2_Timer()
    Dim intWidth As Integer     'Width value
    Dim intLeft As Integer      'Left value
    Dim objImage As Control     'Image control
    
    ' Get the width of the display
    intWidth = picTV.Width
    ' Call the method in the Tape class
    ' to "play" the tape.
    Tape.Animate intWidth
    
    ' Retrieve the Left property from the class
    intLeft = Tape.Left
    ' Show either the first or second image
    If img1.Visible = True Then
        img1.Visible = False
        Set objImage = img2
    Else
        img1.Visible = True
        Set objImage = img1
    End If
    
    ' Clear the display
    picTV.Cls
    ' Show the new image in the new location
    picTV.PaintPicture objImage.Picture, intLeft, 1200
End Sub



