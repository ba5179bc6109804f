VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   4950
   ClientLeft      =   6138
   ClientTop       =   4392
   ClientWidth     =   6300
   LinkTopic       =   "Form1"
   ScaleHeight     =   4950
   ScaleWidth      =   6300
   Begin VB.CommandButton Command2 
      Caption         =   "結束"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   24.3
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1170
      Left            =   3312
      TabIndex        =   4
      Top             =   3456
      Width           =   2610
   End
   Begin VB.CommandButton Command1 
      Caption         =   "執行"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   24.3
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1170
      Left            =   432
      TabIndex        =   3
      Top             =   3456
      Width           =   2610
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   24.3
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1026
      Left            =   2592
      TabIndex        =   1
      Top             =   288
      Width           =   3186
   End
   Begin VB.Label Label2 
      Alignment       =   2  '置中對齊
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   24.3
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1494
      Left            =   432
      TabIndex        =   2
      Top             =   1584
      Width           =   5490
   End
   Begin VB.Label Label1 
      Caption         =   "姓名"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   24.3
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   864
      TabIndex        =   0
      Top             =   576
      Width           =   1026
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
  Label2.Caption = Text1.Text + "歡迎光臨"
End Sub

Private Sub Command2_Click()
  End
End Sub

