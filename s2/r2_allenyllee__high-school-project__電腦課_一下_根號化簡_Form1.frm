VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   3582
   ClientLeft      =   6426
   ClientTop       =   4680
   ClientWidth     =   4950
   LinkTopic       =   "Form1"
   ScaleHeight     =   3582
   ScaleWidth      =   4950
   Begin VB.CommandButton Command1 
      Caption         =   "求平方根"
      Default         =   -1  'True
      Height          =   590
      Left            =   1742
      TabIndex        =   2
      Top             =   2736
      Width           =   1454
   End
   Begin VB.TextBox Text1 
      Height          =   734
      Left            =   2880
      TabIndex        =   1
      Top             =   288
      Width           =   1598
   End
   Begin VB.Label Label2 
      Alignment       =   1  '靠右對齊
      Height          =   1022
      Left            =   230
      TabIndex        =   3
      Top             =   1440
      Width           =   4478
   End
   Begin VB.Label Label1 
      Caption         =   "請輸入一個數字:"
      Height          =   734
      Left            =   288
      TabIndex        =   0
      Top             =   288
      Width           =   2318
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
  a = Text1.Text
  If a = 0 Then
  Label2.Caption = 0
  Else
  If a > 0 Then
  For i = a To 1 Step -1
  If a Mod i ^ 2 = 0 Then
  Exit For
  End If
  Next
  If i = 1 Then
  Label2.Caption = "√" & a / i ^ 2
  Else
  If a / i ^ 2 = 1 Then
  Label2.Caption = i
  Else
  Label2.Caption = i & "√" & a / i ^ 2
  End If
  End If
  Else
  For i = a To 1 Step 1
  If a Mod i ^ 2 = 0 Then
  Exit For
  End If
  Next
  If i = -1 Then
  Label2.Caption = "i"
  Else
  If a / i ^ 2 = -1 Then
  Label2.Caption = -i & "i"
  Else
  Label2.Caption = -i & "√" & -(a / i ^ 2) & "i"
  End If
  End If
  End If
  End If
End Sub
