VERSION 5.00
Begin VB.Form Main_Frm 
   Caption         =   "Equations solver"
   ClientHeight    =   10422
   ClientLeft      =   1350
   ClientTop       =   3564
   ClientWidth     =   5706
   ControlBox      =   0   'False
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   10422
   ScaleWidth      =   5706
   Begin VB.CommandButton Command2 
      Caption         =   "exit"
      Height          =   738
      Left            =   3150
      TabIndex        =   5
      Top             =   8928
      Width           =   1800
   End
   Begin VB.CommandButton Command1 
      Caption         =   "settings"
      Enabled         =   0   'False
      Height          =   738
      Left            =   750
      TabIndex        =   4
      Top             =   8928
      Visible         =   0   'False
      Width           =   1800
   End
   Begin VB.CommandButton Command 
      Caption         =   "一元二次方程组"
      Enabled         =   0   'False
      Height          =   1800
      Index           =   3
      Left            =   750
      TabIndex        =   3
      Top             =   6840
      Visible         =   0   'False
      Width           =   4200
   End
   Begin VB.CommandButton Command 
      Caption         =   "一元二次方程组"
      Height          =   1800
      Index           =   2
      Left            =   750
      TabIndex        =   2
      Top             =   4680
      Width           =   4200
   End
   Begin VB.CommandButton Command 
      Caption         =   "三元一次方程组"
      Height          =   1800
      Index           =   1
      Left            =   750
      TabIndex        =   1
      Top             =   2520
      Width           =   4200
   End
   Begin VB.CommandButton Command 
      Caption         =   "二元一次方程组"
      Height          =   1800
      Index           =   0
      Left            =   750
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
            Solver_0.Show 1
        Case 1
            mode = 1
            Solver_1.Show 1
        Case 2
            mode = 2
            Solver_2.Show 1
        Case 3
            mode = 3
            Solver_3.Show 1
    End Select
End Sub

Private Sub Command1_Click()
    mode = 4
    Settings.Show 1
End Sub

Private Sub Command2_Click()
    Me.Hide
    frmAbout.Show 1
End Sub

