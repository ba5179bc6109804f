VERSION 5.00
Begin VB.Form Form1 
   BackColor       =   &H8000000B&
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "秒数快速计算器"
   ClientHeight    =   2340
   ClientLeft      =   7920
   ClientTop       =   5886
   ClientWidth     =   4122
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   2340
   ScaleWidth      =   4122
   ShowInTaskbar   =   0   'False
   Begin VB.CommandButton Command2 
      Caption         =   "退出"
      Height          =   450
      Left            =   144
      TabIndex        =   11
      Top             =   1728
      Width           =   738
   End
   Begin VB.TextBox Text1 
      Height          =   324
      Left            =   1584
      TabIndex        =   8
      Top             =   1872
      Width           =   2034
   End
   Begin VB.CommandButton Command1 
      Caption         =   "计算"
      Height          =   594
      Left            =   2592
      TabIndex        =   6
      Top             =   1008
      Width           =   1170
   End
   Begin VB.TextBox mz 
      Height          =   324
      Left            =   1008
      TabIndex        =   5
      Top             =   1296
      Width           =   1458
   End
   Begin VB.TextBox fz 
      Height          =   324
      Left            =   1008
      TabIndex        =   4
      Top             =   720
      Width           =   1458
   End
   Begin VB.TextBox xs 
      Height          =   324
      Left            =   1008
      TabIndex        =   3
      Top             =   144
      Width           =   1458
   End
   Begin VB.Label Label6 
      AutoSize        =   -1  'True
      Caption         =   "晨旭制作"
      Height          =   216
      Left            =   2736
      TabIndex        =   10
      Top             =   576
      Width           =   864
   End
   Begin VB.Label Label5 
      AutoSize        =   -1  'True
      Caption         =   "秒。"
      Height          =   216
      Left            =   3744
      TabIndex        =   9
      Top             =   1872
      Width           =   432
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      Caption         =   "是"
      Height          =   216
      Left            =   1152
      TabIndex        =   7
      Top             =   1872
      Width           =   216
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      Caption         =   "秒钟："
      Height          =   216
      Left            =   144
      TabIndex        =   2
      Top             =   1296
      Width           =   648
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      Caption         =   "分钟："
      Height          =   216
      Left            =   144
      TabIndex        =   1
      Top             =   720
      Width           =   648
   End
   Begin VB.Label Label1 
      AutoSize        =   -1  'True
      Caption         =   "小时："
      Height          =   216
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   648
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
Text1.Text = Val(xs.Text) * 60 * 60 + Val(fz.Text) * 60 + Val(mz.Text)
End Sub

Private Sub Command2_Click()
MsgBox ("谢谢使用！！")
End
End Sub
