VERSION 5.00
Begin VB.Form Form1
   Caption         =   "ミニ画面"
   ClientHeight    =   3600
   ClientWidth     =   5760
   Height          =   4086
   Left            =   144
   Top             =   144
   Width           =   5904
   Begin VB.CommandButton Command1
      Caption         =   "確定"
      Height          =   594
      Left            =   2016
      TabIndex        =   0
      Top             =   1440
      Width           =   1458
   End
   Begin VB.Label Label1
      Caption         =   "こんにちは"
      Height          =   306
      Left            =   288
      TabIndex        =   1
      Top             =   288
      Width           =   2400
   End
   Begin VB.Frame FrameDead
      Caption         =   "隠れた枠"
      Height          =   1170
      Left            =   288
      TabIndex        =   2
      Top             =   2160
      Visible         =   0   'False
      Width           =   2400
      Begin VB.Label LabelHidden
         Caption         =   "親非表示"
         Height          =   306
         Left            =   144
         TabIndex        =   3
         Top             =   432
         Width           =   1800
      End
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    Me.Left = 0
    Me.Top = 0
    Label1.Caption = "読込済"
End Sub

Private Sub Command1_Click()
    Form12.Show vbModal
End Sub
