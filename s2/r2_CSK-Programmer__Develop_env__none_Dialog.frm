VERSION 5.00
Begin VB.Form Dialog 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Dialog"
   ClientHeight    =   1998
   ClientLeft      =   8694
   ClientTop       =   6840
   ClientWidth     =   7236
   ControlBox      =   0   'False
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   1998
   ScaleWidth      =   7236
   ShowInTaskbar   =   0   'False
   Begin VB.CommandButton CancelButton 
      Caption         =   "取消"
      Height          =   450
      Left            =   5616
      TabIndex        =   1
      Top             =   720
      Width           =   1458
   End
   Begin VB.CommandButton OKButton 
      Caption         =   "确定"
      Height          =   450
      Left            =   5616
      TabIndex        =   0
      Top             =   144
      Width           =   1458
   End
   Begin VB.Label Label1 
      Caption         =   "确定测试？不能后悔的哟"
      BeginProperty Font 
         Name            =   "宋体"
         Size            =   31.5
         Charset         =   134
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1314
      Left            =   432
      TabIndex        =   2
      Top             =   288
      Width           =   4770
   End
End
Attribute VB_Name = "Dialog"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False

Private Sub CancelButton_Click()
    MainForm.Show
    Me.Hide
End Sub

Private Sub OKButton_Click()
    test.Show
    Me.Hide
End Sub
