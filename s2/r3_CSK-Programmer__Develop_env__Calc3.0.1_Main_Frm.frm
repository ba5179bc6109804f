VERSION 5.00
Begin VB.Form Main_Frm 
   Caption         =   "Calc"
   ClientHeight    =   10422
   ClientLeft      =   10440
   ClientTop       =   3222
   ClientWidth     =   5706
   ControlBox      =   0   'False
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   Moveable        =   0   'False
   ScaleHeight     =   8685
   ScaleMode       =   0  'User
   ScaleWidth      =   4755
   ShowInTaskbar   =   0   'False
   Begin VB.CommandButton Command2 
      Caption         =   "exit"
      Height          =   738
      Left            =   3090
      TabIndex        =   5
      Top             =   8928
      Width           =   1800
   End
   Begin VB.CommandButton Command1 
      Caption         =   "settings"
      Height          =   738
      Left            =   690
      TabIndex        =   4
      Top             =   8928
      Width           =   1800
   End
   Begin VB.CommandButton Command 
      Caption         =   "其他运算"
      Height          =   1800
      Index           =   3
      Left            =   690
      TabIndex        =   3
      Top             =   6840
      Width           =   4200
   End
   Begin VB.CommandButton Command 
      Caption         =   "对数运算"
      Height          =   1800
      Index           =   2
      Left            =   690
      TabIndex        =   2
      Top             =   4680
      Width           =   4200
   End
   Begin VB.CommandButton Command 
      Caption         =   "三角函数"
      Height          =   1800
      Index           =   1
      Left            =   690
      TabIndex        =   1
      Top             =   2520
      Width           =   4200
   End
   Begin VB.CommandButton Command 
      Caption         =   "基础运算"
      Height          =   1800
      Index           =   0
      Left            =   690
      TabIndex        =   0
      Top             =   360
      Width           =   4200
   End
End
Attribute VB_Name = "Main_Frm"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command_Click(Index As Integer)
    Select Case Index
        Case 0
            mode = 0
            Calcer_0.Show 1
        Case 1
            mode = 1
            frmLogin.Show 1
        Case 2
            mode = 2
            frmLogin.Show 1
        Case 3
            mode = 3
            frmLogin.Show 1
    End Select
End Sub

Private Sub Command1_Click()
    mode = 4
    frmLogin.Show 1
End Sub

Private Sub Command2_Click()
    Me.Hide
    frmAbout.Show 1
End Sub

Private Sub Form_Load()
    'Dim comm
    'comm = Command
    'pi = 3.14159265358979
    'setting = 0
    If Command = "" Then
        Debug_mode = True
    Else
        Debug_mode = False
    End If
End Sub
