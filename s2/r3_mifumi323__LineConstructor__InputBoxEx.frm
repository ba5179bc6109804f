VERSION 5.00
Begin VB.Form FormInputBoxEx 
   Caption         =   "“ü—Í‚µ‚Ä‚­‚¾‚³‚¢"
   ClientHeight    =   1458
   ClientLeft      =   72
   ClientTop       =   540
   ClientWidth     =   6066
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   1458
   ScaleWidth      =   6066
   StartUpPosition =   1  'µ°Å° Ì«°Ñ‚Ì’†‰›
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "·¬¾Ù"
      Height          =   306
      Left            =   4752
      TabIndex        =   3
      Top             =   576
      Width           =   1170
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   306
      Left            =   4752
      TabIndex        =   2
      Top             =   144
      Width           =   1170
   End
   Begin VB.TextBox txtInput 
      Height          =   324
      Left            =   144
      TabIndex        =   1
      Top             =   1008
      Width           =   5778
   End
   Begin VB.Label lblMessage 
      Height          =   738
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   5778
   End
End
Attribute VB_Name = "FormInputBoxEx"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Public m As Integer

Private Sub cmdCancel_Click()
    m = 3
End Sub

Private Sub cmdOK_Click()
    m = 2
End Sub

Private Sub Form_Activate()
    If m = 0 Then
        Unload Me
    Else
        Do
            DoEvents
        Loop While m = 1
        Hide
    End If
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    If UnloadMode = vbFormControlMenu Then
        Cancel = True
        m = 3
    End If
End Sub

Private Sub Form_Resize()
    On Error Resume Next
    txtInput.Move 120, ScaleHeight - txtInput.Height - 120, ScaleWidth - 240
    lblMessage.Move 120, 120, ScaleWidth - 240, txtInput.Top - 240
    cmdOK.Left = ScaleWidth - cmdOK.Width - 120
    cmdCancel.Left = ScaleWidth - cmdCancel.Width - 120
End Sub

