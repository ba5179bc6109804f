VERSION 5.00
Begin VB.Form Form1 
   BackColor       =   &H00C0C0C0&
   Caption         =   "Form1"
   ClientHeight    =   3802
   ClientLeft      =   5170
   ClientTop       =   3686
   ClientWidth     =   4464
   LinkTopic       =   "Form1"
   ScaleHeight     =   3802
   ScaleWidth      =   4464
   Begin VB.CommandButton Command2 
      Caption         =   "結束"
      Height          =   594
      Left            =   2513
      TabIndex        =   3
      Top             =   2880
      Width           =   1454
   End
   Begin VB.CommandButton Command1 
      Caption         =   "請輸入x值"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   12.24
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   497
      TabIndex        =   1
      Top             =   2880
      Width           =   1454
   End
   Begin VB.Label Label2 
      Alignment       =   2  '置中對齊
      Caption         =   "求e的x次方"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   16.56
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   446
      Left            =   353
      TabIndex        =   2
      Top             =   720
      Width           =   3758
   End
   Begin VB.Label Label1 
      BeginProperty Font 
         Name            =   "標楷體"
         Size            =   21.6
         Charset         =   136
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   878
      Left            =   497
      TabIndex        =   0
      Top             =   1728
      Width           =   3470
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False

Private Sub Command1_Click()
Label1.Caption = ""
b = 1
y = 1
d = Val(InputBox("請輸入X值", "輸入", "1"))
  
  For i = 1 To 18
  x = d ^ i
  y = y * i
  e = x / y
  b = b + e
  a = a + 1
  Next i
  
 Label1.Caption = Format(b, "##.0000000")
End Sub

Private Sub Command2_Click()
  End
End Sub
