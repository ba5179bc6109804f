VERSION 5.00
Begin VB.Form msgXPOC 
   BorderStyle     =   3  '크기 고정 대화 상자
   Caption         =   "메시지 상자"
   ClientHeight    =   1602
   ClientLeft      =   54
   ClientTop       =   702
   ClientWidth     =   34128
   Icon            =   "msgXPOC.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   1602
   ScaleWidth      =   34128
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  '화면 가운데
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "취소"
      Default         =   -1  'True
      Height          =   384
      Left            =   5184
      TabIndex        =   2
      Top             =   1008
      Width           =   1746
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "확인"
      Height          =   384
      Left            =   3312
      TabIndex        =   0
      Top             =   1008
      Width           =   1746
   End
   Begin VB.Image imgMBIconQuestion 
      Height          =   576
      Left            =   288
      Picture         =   "msgXPOC.frx":000C
      Top             =   288
      Visible         =   0   'False
      Width           =   576
   End
   Begin VB.Image imgMBIconError 
      Height          =   576
      Left            =   288
      Picture         =   "msgXPOC.frx":044E
      Top             =   288
      Visible         =   0   'False
      Width           =   576
   End
   Begin VB.Image imgMBIconWarning 
      Height          =   576
      Left            =   288
      Picture         =   "msgXPOC.frx":0890
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
      Picture         =   "msgXPOC.frx":0CD2
      Top             =   288
      Visible         =   0   'False
      Width           =   576
   End
End
Attribute VB_Name = "msgXPOC"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Public BeepSnd As Long
Dim isOK As Integer

Private Sub cmdCancel_Click()
    default.MSGRS = False
    Unload Me
End Sub

Private Sub cmdOK_Click()
    default.MSGRS = True
    isOK = 1
    Unload Me
End Sub

Private Sub Image1_Click()

End Sub

Private Sub Form_Unload(Cancel As Integer)
    If isOK <> 1 Then
        default.MSGRS = False
        Unload Me
    End If
End Sub
