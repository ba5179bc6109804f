VERSION 5.00
Begin VB.Form msgXPMB 
   BorderStyle     =   3  '크기 고정 대화 상자
   Caption         =   "메시지 상자"
   ClientHeight    =   1602
   ClientLeft      =   54
   ClientTop       =   666
   ClientWidth     =   8532
   Icon            =   "msgXPMB.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   1602
   ScaleWidth      =   8532
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  '화면 가운데
   Begin VB.CommandButton cmdOK 
      Cancel          =   -1  'True
      Caption         =   "확인"
      Default         =   -1  'True
      Height          =   384
      Left            =   3312
      TabIndex        =   0
      Top             =   1008
      Width           =   1746
   End
   Begin VB.Image imgMBIconError 
      Height          =   576
      Left            =   288
      Picture         =   "msgXPMB.frx":000C
      Top             =   288
      Visible         =   0   'False
      Width           =   576
   End
   Begin VB.Image imgMBIconWarning 
      Height          =   576
      Left            =   288
      Picture         =   "msgXPMB.frx":044E
      Top             =   288
      Visible         =   0   'False
      Width           =   576
   End
   Begin VB.Label lblContent 
      Caption         =   "내용"
      BeginProperty Font 
         Name            =   "굴림체"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   1152
      TabIndex        =   1
      Top             =   384
      Width           =   32706
   End
   Begin VB.Image imgMBIconInfo 
      Height          =   576
      Left            =   288
      Picture         =   "msgXPMB.frx":0890
      Top             =   288
      Visible         =   0   'False
      Width           =   576
   End
End
Attribute VB_Name = "msgXPMB"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Public BeepSnd As Long

Private Sub cmdOK_Click()
    Unload Me
End Sub

Private Sub Image1_Click()

End Sub
