VERSION 5.00
Begin VB.Form Form12
   Caption         =   "•Ê–¼‰æ–Ê"
   ClientHeight    =   2400
   ClientWidth     =   3600
   Height          =   2880
   Left            =   144
   MDIChild        =   -1  'True
   Top             =   144
   Width           =   3744
   Begin VB.CommandButton Command1
      Caption         =   "•Â‚¶‚é"
      Height          =   450
      Left            =   1008
      TabIndex        =   0
      Top             =   864
      Width           =   1458
   End
End
Attribute VB_Name = "Form12"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    Me.Left = 100
End Sub

Private Sub Command1_Click()
    Unload Me
End Sub
