VERSION 5.00
Begin VB.Form frmLogin 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "登录"
   ClientHeight    =   1854
   ClientLeft      =   3402
   ClientTop       =   4176
   ClientWidth     =   4500
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   912.837
   ScaleMode       =   0  'User
   ScaleWidth      =   3521.047
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  '屏幕中心
   Begin VB.TextBox txtUserName 
      Height          =   414
      Left            =   1548
      TabIndex        =   1
      Top             =   162
      Width           =   2790
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "确定"
      Default         =   -1  'True
      Height          =   468
      Left            =   594
      TabIndex        =   4
      Top             =   1224
      Width           =   1368
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "取消"
      Height          =   468
      Left            =   2520
      TabIndex        =   5
      Top             =   1224
      Width           =   1368
   End
   Begin VB.TextBox txtPassword 
      Height          =   414
      IMEMode         =   3  'DISABLE
      Left            =   1548
      PasswordChar    =   "*"
      TabIndex        =   3
      Top             =   630
      Width           =   2790
   End
   Begin VB.Label lblLabels 
      Caption         =   "用户名称(&U):"
      Height          =   324
      Index           =   0
      Left            =   126
      TabIndex        =   0
      Top             =   180
      Width           =   1296
   End
   Begin VB.Label lblLabels 
      Caption         =   "密码(&P):"
      Height          =   324
      Index           =   1
      Left            =   126
      TabIndex        =   2
      Top             =   648
      Width           =   1296
   End
End
Attribute VB_Name = "frmLogin"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub cmdCancel_Click()
    Me.Hide
End Sub

Private Sub cmdOK_Click()
    If txtUserName = "CSK" Then
        If txtPassword = "555" Then
            Form2.Show
            Me.Hide
        Else
            MsgBox "无效的密码，请重试!", , "登录"
            txtPassword.SetFocus
        End If
    End If
End Sub
