VERSION 5.00
Begin VB.Form Form1 
   ClientHeight    =   7614
   ClientLeft      =   144
   ClientTop       =   558
   ClientWidth     =   5076
   LinkTopic       =   "Form1"
   ScaleHeight     =   7614
   ScaleWidth      =   5076
   StartUpPosition =   3  '����ȱʡ
   Begin VB.CommandButton Command2 
      Caption         =   "高级选项"
      Height          =   450
      Left            =   432
      TabIndex        =   9
      Top             =   6192
      Width           =   1602
   End
   Begin VB.CommandButton Command1 
      Caption         =   "开始"
      Height          =   738
      Left            =   432
      TabIndex        =   8
      Top             =   5040
      Width           =   1602
   End
   Begin VB.TextBox Text2 
      Height          =   5490
      Left            =   2736
      TabIndex        =   7
      Top             =   864
      Width           =   1746
   End
   Begin VB.Frame Frame1 
      Caption         =   "人数"
      Height          =   4050
      Left            =   432
      TabIndex        =   0
      Top             =   720
      Width           =   1602
      Begin VB.TextBox Text1 
         BeginProperty Font 
            Name            =   "����"
            Size            =   12.6
            Charset         =   134
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   420
         Left            =   540
         TabIndex        =   6
         Top             =   3120
         Width           =   600
      End
      Begin VB.OptionButton Option5 
         Caption         =   "其他"
         Height          =   420
         Left            =   540
         TabIndex        =   5
         Top             =   2640
         Width           =   784
      End
      Begin VB.OptionButton Option4 
         Caption         =   "4"
         Height          =   420
         Left            =   540
         TabIndex        =   4
         Top             =   2160
         Width           =   600
      End
      Begin VB.OptionButton Option3 
         Caption         =   "3"
         Height          =   420
         Left            =   540
         TabIndex        =   3
         Top             =   1680
         Width           =   600
      End
      Begin VB.OptionButton Option2 
         Caption         =   "2"
         Height          =   420
         Left            =   540
         TabIndex        =   2
         Top             =   1200
         Width           =   600
      End
      Begin VB.OptionButton Option1 
         Caption         =   "1"
         Height          =   420
         Left            =   540
         TabIndex        =   1
         Top             =   720
         Width           =   600
      End
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim Op As Byte, num As Byte, j As Boolean, m As Byte, n As Byte, i As Byte, k As Byte
Dim a() As Byte

Private Sub Command1_Click()
    Open "C:\StudentsList.dat" For Random As #1 Len = Len(stu)
    j = True
    l = LOF(1) / Len(stu)
    Do
        If Op >= l Then
            MsgBox "数据不合法!", 16, "重要信息"
            Text1.SetFocus
        Else
            Exit Do
        End If
    Loop
    ReDim a(Op) As Byte
    For m = 1 To Op
        num = Int(l * Rnd + Op)
        For n = 1 To m
            If num = a(n) Then
                Do
                    j = True
                    num = Int(l * Rnd + Op)
                    For i = 1 To m
                        If num = a(i) Then
                            j = False
                        End If
                    Next
                    If j Then
                        Exit Do
                    End If
                Loop
            End If
        Next
        a(m) = num
    Next
    For k = 1 To Op
        Text2.Text = Text2.Text & Chr(13) & a(k)
    Next
    Close #1
End Sub

Private Sub Command2_Click()
    frmLogin.Show
    Me.Hide
End Sub

Private Sub Option1_Click()
    If Option1.Value Then
        Op = 1
    End If
End Sub

Private Sub Option2_Click()
    If Option2.Value Then
        Op = 2
    End If
End Sub

Private Sub Option3_Click()
    If Option3.Value Then
        Op = 3
    End If
End Sub

Private Sub Option4_Click()
    If Option4.Value Then
        Op = 4
    End If
End Sub

Private Sub Option5_Click()
    If Option5.Value Then
        Op = Val(Text1.Text)
    End If
End Sub
