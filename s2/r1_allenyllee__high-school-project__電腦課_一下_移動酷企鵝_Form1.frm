VERSION 5.00
Begin VB.Form Form1 
   BackColor       =   &H00FFFFFF&
   BorderStyle     =   1  '單線固定
   Caption         =   "Form1"
   ClientHeight    =   3053
   ClientLeft      =   43
   ClientTop       =   403
   ClientWidth     =   7243
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3053
   ScaleWidth      =   7243
   StartUpPosition =   3  '系統預設值
   Begin VB.Timer Timer1 
      Left            =   0
      Top             =   2592
   End
   Begin VB.CommandButton Command1 
      Caption         =   "結束"
      Height          =   446
      Left            =   2592
      TabIndex        =   3
      Top             =   2448
      Width           =   1742
   End
   Begin VB.HScrollBar HScroll1 
      Height          =   302
      LargeChange     =   50
      Left            =   720
      Max             =   500
      Min             =   10
      SmallChange     =   10
      TabIndex        =   0
      Top             =   2016
      Value           =   10
      Width           =   4190
   End
   Begin VB.Label Label3 
      BackColor       =   &H00FFFFFF&
      Height          =   446
      Left            =   720
      TabIndex        =   4
      Top             =   2448
      Width           =   1310
   End
   Begin VB.Label Label2 
      BackColor       =   &H00FFFFFF&
      Caption         =   "慢"
      Height          =   446
      Left            =   5040
      TabIndex        =   2
      Top             =   1872
      Width           =   446
   End
   Begin VB.Label Label1 
      BackColor       =   &H00FFFFFF&
      Caption         =   "快"
      Height          =   446
      Left            =   432
      TabIndex        =   1
      Top             =   2016
      Width           =   446
   End
   Begin VB.Image Image1 
      Height          =   1498
      Left            =   0
      Picture         =   "Form1.frx":0000
      Top             =   144
      Width           =   1181
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim x As Integer
Private Sub Command1_Click()
  End
End Sub

Private Sub Form_Activate()
  HScroll1.Value = 10
  Label3.Caption = "速度:0.01秒"
End Sub

Private Sub HScroll1_Change()
  Timer1.Interval = HScroll1.Value
  Label3.Caption = "速度:" & HScroll1.Value / 1000 & "秒"
End Sub

Private Sub Timer1_Timer()
  If x = 0 Then
    Image1.Left = Image1.Left + 100
  Else
    Image1.Left = Image1.Left - 100
  End If
  If Image1.Left >= Form1.Width - Image1.Width Then x = 1
  If Image1.Left = 0 Then x = 0
End Sub
