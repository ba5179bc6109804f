VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   4698
   ClientLeft      =   6426
   ClientTop       =   4680
   ClientWidth     =   5130
   LinkTopic       =   "Form1"
   ScaleHeight     =   4698
   ScaleWidth      =   5130
   Begin VB.TextBox Text1 
      Height          =   594
      Left            =   2880
      MaxLength       =   1
      TabIndex        =   3
      Top             =   432
      Width           =   882
   End
   Begin VB.CommandButton Command2 
      Caption         =   "結束"
      Height          =   450
      Left            =   2880
      TabIndex        =   1
      Top             =   3888
      Width           =   1890
   End
   Begin VB.CommandButton Command1 
      Caption         =   "檢查"
      Default         =   -1  'True
      Height          =   450
      Left            =   576
      TabIndex        =   0
      Top             =   3888
      Width           =   1746
   End
   Begin VB.Label Label2 
      Height          =   1890
      Left            =   720
      TabIndex        =   4
      Top             =   1440
      Width           =   3618
   End
   Begin VB.Label Label1 
      Alignment       =   2  '置中對齊
      Caption         =   "請輸入一個字元："
      Height          =   594
      Left            =   720
      TabIndex        =   2
      Top             =   432
      Width           =   1890
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False

Private Sub Command1_Click()
aa = Text1.Text
Select Case aa
  Case "a" To "z"
  Label2.Caption = "「" + aa + "」" + "是一個小寫英文字母"
  Case "A" To "Z"
  Label2.Caption = "「" + aa + "」" + "是一個大寫英文字母"
  Case 1 To 9
  Label2.Caption = "「" + aa + "」" + "是一個阿拉伯數字"
  Case Is >= "一"
  Label2.Caption = "「" + aa + "」" + "是一個中文字"
  Case Else
  Label2.Caption = "「" + aa + "」" + "是一個符號"
  End Select
End Sub

Private Sub Command2_Click()
End
End Sub

