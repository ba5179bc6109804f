VERSION 5.00
Begin VB.Form frmMain 
   Caption         =   "Hook"
   ClientHeight    =   8460
   ClientLeft      =   72
   ClientTop       =   540
   ClientWidth     =   7812
   LinkTopic       =   "Form1"
   ScaleHeight     =   8460
   ScaleWidth      =   7812
   StartUpPosition =   3  '窗口缺省
   Begin VB.CommandButton Command1 
      Caption         =   "Command1"
      Height          =   594
      Left            =   6048
      TabIndex        =   9
      Top             =   9072
      Width           =   1458
   End
   Begin VB.CommandButton btnHook 
      Caption         =   "加载Hook"
      Height          =   594
      Left            =   5760
      TabIndex        =   4
      Top             =   432
      Width           =   1458
   End
   Begin VB.TextBox txtHwnd 
      Height          =   450
      Index           =   1
      Left            =   720
      TabIndex        =   3
      Text            =   "Text1"
      Top             =   12096
      Width           =   4338
   End
   Begin VB.TextBox txtHwnd 
      Height          =   450
      Index           =   0
      Left            =   720
      TabIndex        =   2
      Text            =   "Text1"
      Top             =   10800
      Width           =   4338
   End
   Begin VB.TextBox txtMsg 
      Height          =   450
      Index           =   1
      Left            =   720
      TabIndex        =   1
      Text            =   "Text1"
      Top             =   9648
      Width           =   4338
   End
   Begin VB.TextBox txtMsg 
      Height          =   450
      Index           =   0
      Left            =   432
      TabIndex        =   0
      Text            =   "Text1"
      Top             =   720
      Width           =   4338
   End
   Begin VB.Label Label4 
      Caption         =   "Label4"
      Height          =   450
      Left            =   720
      TabIndex        =   8
      Top             =   11520
      Width           =   1170
   End
   Begin VB.Label Label3 
      Caption         =   "Label3"
      Height          =   306
      Left            =   720
      TabIndex        =   7
      Top             =   10368
      Width           =   1170
   End
   Begin VB.Label Label2 
      Caption         =   "Label2"
      Height          =   306
      Left            =   720
      TabIndex        =   6
      Top             =   9072
      Width           =   1170
   End
   Begin VB.Label Label1 
      Caption         =   "按键信息"
      Height          =   450
      Left            =   432
      TabIndex        =   5
      Top             =   144
      Width           =   1602
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Private Sub btnHook_Click()
    If btnHook.Caption = "加载Hook" Then
        Call AddHook
        btnHook.Caption = "卸载Hook"
    Else
        Call DelHook
        btnHook.Caption = "加载Hook"
    End If
End Sub

Private Sub Command1_GotFocus()
    bolClickButton = True
End Sub

Private Sub Form_Load()


'play = sndPlaySound("C:\\Windows\\Media\\1.wav", &H0)




    Label1.Caption = txtMsg(0).hwnd
    Label2.Caption = txtMsg(1).hwnd
    Label3.Caption = txtHwnd(0).hwnd
    Label4.Caption = txtHwnd(1).hwnd
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    If btnHook.Caption = "卸载Hook" Then Call DelHook
End Sub


