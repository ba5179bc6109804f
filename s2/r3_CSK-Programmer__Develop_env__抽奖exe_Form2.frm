VERSION 5.00
Begin VB.Form Form2 
   Caption         =   "Form2"
   ClientHeight    =   8352
   ClientLeft      =   144
   ClientTop       =   558
   ClientWidth     =   14436
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   1
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form2"
   ScaleHeight     =   8352
   ScaleWidth      =   14436
   StartUpPosition =   3  '����ȱʡ
   Begin VB.CommandButton Command2 
      Caption         =   "Back"
      Height          =   882
      Left            =   720
      TabIndex        =   5
      Top             =   3888
      Width           =   1890
   End
   Begin VB.TextBox Text2 
      Height          =   5202
      Left            =   3168
      TabIndex        =   4
      Top             =   576
      Width           =   3186
   End
   Begin VB.Frame Frame1 
      Caption         =   "写入"
      Height          =   2466
      Left            =   576
      TabIndex        =   0
      Top             =   720
      Width           =   2034
      Begin VB.CommandButton Command1 
         Caption         =   "写入"
         Height          =   594
         Left            =   288
         TabIndex        =   3
         Top             =   1440
         Width           =   1458
      End
      Begin VB.TextBox Text1 
         Height          =   450
         Left            =   144
         TabIndex        =   2
         Top             =   864
         Width           =   1458
      End
      Begin VB.Label Label1 
         Caption         =   "Data"
         Height          =   306
         Left            =   288
         TabIndex        =   1
         Top             =   288
         Width           =   1170
      End
   End
End
Attribute VB_Name = "Form2"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim b, c

Private Sub Command1_Click()
    c = l + 1
    Open "C:\StudentsList.dat" For Random As #2 Len = Len(stu)
    stu.Name = Text1
    Put #2, 1, stu
     For b = 1 To l
        Get #2, b, stu
        Text2.Text = Text2.Text & Chr(13) & stu.Name
    Next
    Close #2
End Sub

Private Sub Command2_Click()
    Me.Hide
    Form1.Show
End Sub

Private Sub Form_Load()
    Open "C:\StudentsList.dat" For Random As #2 Len = Len(stu)
    For b = 1 To l
        Get #2, b, stu
        Text2.Text = Text2.Text & Chr(13) & stu.Name
    Next
    Close #2
End Sub
