VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "約分"
   ClientHeight    =   3834
   ClientLeft      =   6138
   ClientTop       =   4626
   ClientWidth     =   5616
   LinkTopic       =   "Form1"
   ScaleHeight     =   3834
   ScaleWidth      =   5616
   Begin VB.TextBox Text2 
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   24.3
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   702
      Left            =   3006
      Locked          =   -1  'True
      TabIndex        =   3
      Top             =   1296
      Width           =   1890
   End
   Begin VB.TextBox Text1 
      Alignment       =   1  '靠右對齊
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   24.3
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   702
      Left            =   720
      Locked          =   -1  'True
      TabIndex        =   2
      Top             =   1296
      Width           =   1890
   End
   Begin VB.CommandButton Command2 
      Caption         =   "結束"
      Height          =   594
      Left            =   2875
      TabIndex        =   1
      Top             =   2880
      Width           =   2178
   End
   Begin VB.CommandButton Command1 
      Caption         =   "請按這輸入"
      Height          =   594
      Left            =   576
      TabIndex        =   0
      Top             =   2880
      Width           =   2178
   End
   Begin VB.Label Label3 
      Alignment       =   2  '置中對齊
      Caption         =   "="
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   14.4
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   2628
      TabIndex        =   4
      Top             =   1440
      Width           =   306
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim A As Long
Dim B As Long
Dim i As Long
Private Sub Command1_Click()
  A = Val(InputBox("請輸入分子", "請輸入分子"))
  B = Val(InputBox("請輸入分母", "請輸入分母"))
  
  If B = 0 Then
    MsgBox "分母不可為零"
    Text1.Text = ""
    Text2.Text = ""
  Else
    Text1.Text = A & "/" & B
    
    For i = 2 To A
      If (A Mod i = 0) And (B Mod i = 0) Then
        A = A / i
        B = B / i
        i = i - 1
      End If
    Next i
    
    If B = 1 Then
      Text2.Text = A
    Else
      If A = 0 Then
        Text2.Text = 0
      Else
        Text2.Text = A & "/" & B
      End If
    End If
  End If
End Sub

Private Sub Command2_Click()
  End
End Sub

