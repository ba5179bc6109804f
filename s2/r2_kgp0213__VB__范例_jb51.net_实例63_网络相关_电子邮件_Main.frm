VERSION 5.00
Object = "{248DD890-BB45-11CF-9ABC-0080C7E7B78D}#1.0#0"; "MSWINSCK.OCX"
Begin VB.Form frmMain 
   Caption         =   "SMTP E-Mail Tester"
   ClientHeight    =   5814
   ClientLeft      =   72
   ClientTop       =   414
   ClientWidth     =   8622
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "Main.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   5814
   ScaleWidth      =   8622
   StartUpPosition =   2  'CenterScreen
   Begin VB.Frame Frame1 
      Caption         =   "Status:"
      Height          =   738
      Left            =   1152
      TabIndex        =   15
      Top             =   4176
      Width           =   6210
      Begin VB.Label StatusTxt 
         Height          =   306
         Left            =   144
         TabIndex        =   16
         Top             =   288
         Width           =   5922
      End
   End
   Begin VB.TextBox txtEmailServer 
      Height          =   342
      Left            =   4320
      TabIndex        =   13
      Top             =   1728
      Width           =   4050
   End
   Begin VB.TextBox ToNametxt 
      Height          =   342
      Left            =   4320
      TabIndex        =   11
      Top             =   1008
      Width           =   4050
   End
   Begin VB.TextBox txtFromName 
      Height          =   342
      Left            =   4320
      TabIndex        =   9
      Top             =   288
      Width           =   4050
   End
   Begin VB.CommandButton Command2 
      Caption         =   "&Exit"
      Height          =   594
      Left            =   5328
      TabIndex        =   8
      Top             =   5040
      Width           =   2034
   End
   Begin VB.TextBox txtEmailBodyOfMessage 
      Height          =   1746
      Left            =   144
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   7
      Top             =   2304
      Width           =   8226
   End
   Begin VB.TextBox txtEmailSubject 
      Height          =   342
      Left            =   144
      TabIndex        =   5
      Top             =   1728
      Width           =   3906
   End
   Begin VB.TextBox txtToEmailAddress 
      Height          =   342
      Left            =   144
      TabIndex        =   3
      Top             =   1008
      Width           =   3906
   End
   Begin VB.TextBox txtFromEmailAddress 
      Height          =   342
      Left            =   144
      TabIndex        =   1
      Top             =   288
      Width           =   3906
   End
   Begin VB.CommandButton Command1 
      Caption         =   "&Send E-Mail"
      Height          =   594
      Left            =   1152
      TabIndex        =   0
      Top             =   5040
      Width           =   2610
   End
   Begin MSWinsockLib.Winsock Winsock1 
      Left            =   4176
      Top             =   5040
      _ExtentX        =   889
      _ExtentY        =   889
      _Version        =   327681
   End
   Begin VB.Label Label6 
      Caption         =   "E-Mail Server"
      Height          =   306
      Left            =   4320
      TabIndex        =   14
      Top             =   1440
      Width           =   4050
   End
   Begin VB.Label Label5 
      Caption         =   "There Name"
      Height          =   306
      Left            =   4320
      TabIndex        =   12
      Top             =   720
      Width           =   4050
   End
   Begin VB.Label Label4 
      Caption         =   "Your Name"
      Height          =   306
      Left            =   4320
      TabIndex        =   10
      Top             =   0
      Width           =   3762
   End
   Begin VB.Label Label3 
      Caption         =   "Subject"
      Height          =   306
      Left            =   144
      TabIndex        =   6
      Top             =   1440
      Width           =   1458
   End
   Begin VB.Label Label2 
      Caption         =   "To"
      Height          =   306
      Left            =   144
      TabIndex        =   4
      Top             =   720
      Width           =   1890
   End
   Begin VB.Label Label1 
      Caption         =   "From (e-mail address)"
      Height          =   306
      Left            =   144
      TabIndex        =   2
      Top             =   0
      Width           =   1890
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim Response As String, Reply As Integer, DateNow As String
Dim first As String, Second As String, Third As String
Dim Fourth As String, Fifth As String, Sixth As String
Dim Seventh As String, Eighth As String
Dim Start As Single, Tmr As Single



Sub SendEmail(MailServerName As String, FromName As String, FromEmailAddress As String, ToName As String, ToEmailAddress As String, EmailSubject As String, EmailBodyOfMessage As String)
          
    Winsock1.LocalPort = 0 ' Must set local port to 0 (Zero) or you can only send 1 e-mail pre program start
    
If Winsock1.State = sckClosed Then ' Check to see if socet is closed
    DateNow = Format(Date, "Ddd") & ", " & Format(Date, "dd Mmm YYYY") & " " & Format(Time, "hh:mm:ss") & "" & " -0600"
    first = "mail from:" + Chr(32) + FromEmailAddress + vbCrLf ' Get who's sending E-Mail address
    Second = "rcpt to:" + Chr(32) + ToEmailAddress + vbCrLf ' Get who mail is going to
    Third = "Date:" + Chr(32) + DateNow + vbCrLf ' Date when being sent
    Fourth = "From:" + Chr(32) + FromName + vbCrLf ' Who's Sending
    Fifth = "To:" + Chr(32) + ToNametxt + vbCrLf ' Who it going to
    Sixth = "Subject:" + Chr(32) + EmailSubject + vbCrLf ' Subject of E-Mail
    Seventh = EmailBodyOfMessage + vbCrLf ' E-mail message body
    Ninth = "X-Mailer: EBT Reporter v 2.x" + vbCrLf ' What program sent the e-mail, customize this
    Eighth = Fourth + Third + Ninth + Fifth + Sixth  ' Combine for proper SMTP sending

    Winsock1.Protocol = sckTCPProtocol ' Set protocol for sending
    Winsock1.RemoteHost = MailServerName ' Set the server address
    Winsock1.RemotePort = 25 ' Set the SMTP Port
    Winsock1.Connect ' Start connection
    
    WaitFor ("220")
    
    StatusTxt.Caption = "Connecting...."
    StatusTxt.Refresh
    
    Winsock1.SendData ("HELO worldcomputers.com" + vbCrLf)

    WaitFor ("250")

    StatusTxt.Caption = "Connected"
    StatusTxt.Refresh

    Winsock1.SendData (first)

    StatusTxt.Caption = "Sending Message"
    StatusTxt.Refresh

    WaitFor ("250")

    Winsock1.SendData (Second)

    WaitFor ("250")

    Winsock1.SendData ("data" + vbCrLf)
    
    WaitFor ("354")


    Winsock1.SendData (Eighth + vbCrLf)
    Winsock1.SendData (Seventh + vbCrLf)
    Winsock1.SendData ("." + vbCrLf)

    WaitFor ("250")

    Winsock1.SendData ("quit" + vbCrLf)
    
    StatusTxt.Caption = "Disconnecting"
    StatusTxt.Refresh

    WaitFor ("221")

    Winsock1.Close
Else
    MsgBox (Str(Winsock1.State))
End If
   
End Sub
Sub WaitFor(ResponseCode As String)
    Start = Timer ' Time event so won't get stuck in loop
    While Len(Response) = 0
        Tmr = Start - Timer
        DoEvents ' Let System keep checking for incoming response **IMPORTANT**
        If Tmr > 50 Then ' Time in seconds to wait
            MsgBox "SMTP service error, timed out while waiting for response", 64, MsgTitle
            Exit Sub
        End If
    Wend
    While Left(Response, 3) <> ResponseCode
        DoEvents
        If Tmr > 50 Then
            MsgBox "SMTP service error, impromper response code. Code should have been: " + ResponseCode + " Code recieved: " + Response, 64, MsgTitle
            Exit Sub
        End If
    Wend
Response = "" ' Sent response code to blank **IMPORTANT**
End Sub


Private Sub Command1_Click()
    SendEmail txtEmailServer.Text, txtFromName.Text, txtFromEmailAddress.Text, txtToEmailAddress.Text, txtToEmailAddress.Text, txtEmailSubject.Text, txtEmailBodyOfMessage.Text
    'MsgBox ("Mail Sent")
    StatusTxt.Caption = "Mail Sent"
    StatusTxt.Refresh
    Beep
    
    Close
End Sub

Private Sub Command2_Click()
    
    End
    
End Sub

Private Sub Winsock1_DataArrival(ByVal bytesTotal As Long)

    Winsock1.GetData Response ' Check for incoming response *IMPORTANT*

End Sub
