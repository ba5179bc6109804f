VERSION 5.00
Begin VB.Form Form1 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "函数作图工具  晨旭制作 (qq:961726194)"
   ClientHeight    =   8712
   ClientLeft      =   54
   ClientTop       =   450
   ClientWidth     =   8226
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   8712
   ScaleWidth      =   8226
   StartUpPosition =   3  '窗口缺省
   Begin VB.TextBox Text7 
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   6048
      TabIndex        =   25
      Text            =   "0"
      Top             =   6768
      Width           =   594
   End
   Begin VB.TextBox Text6 
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   4608
      TabIndex        =   22
      Text            =   "0"
      Top             =   6768
      Width           =   594
   End
   Begin VB.TextBox Text5 
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   3312
      TabIndex        =   19
      Text            =   "1"
      Top             =   6768
      Width           =   594
   End
   Begin VB.TextBox Text4 
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1584
      TabIndex        =   17
      Text            =   "1"
      Top             =   6768
      Width           =   594
   End
   Begin VB.CommandButton Command3 
      Caption         =   "点此画图"
      BeginProperty Font 
         Name            =   "微软雅黑"
         Size            =   21.6
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   882
      Left            =   4176
      TabIndex        =   16
      Top             =   7344
      Width           =   2034
   End
   Begin VB.CommandButton Command2 
      Caption         =   "退出"
      BeginProperty Font 
         Name            =   "微软雅黑"
         Size            =   21.6
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   882
      Left            =   6336
      TabIndex        =   9
      Top             =   7344
      Width           =   1746
   End
   Begin VB.TextBox Text3 
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   3312
      TabIndex        =   8
      Text            =   "0"
      Top             =   6048
      Width           =   738
   End
   Begin VB.TextBox Text2 
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   2448
      TabIndex        =   6
      Text            =   "1"
      Top             =   5616
      Width           =   594
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1584
      TabIndex        =   3
      Text            =   "1"
      Top             =   6048
      Width           =   594
   End
   Begin VB.PictureBox Picture1 
      Height          =   5346
      Left            =   144
      ScaleHeight     =   5274
      ScaleWidth      =   7866
      TabIndex        =   1
      Top             =   144
      Width           =   7938
   End
   Begin VB.CommandButton Command1 
      BackColor       =   &H000000C0&
      Caption         =   "点此画图"
      BeginProperty Font 
         Name            =   "微软雅黑"
         Size            =   21.6
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   882
      Left            =   4176
      MaskColor       =   &H0000FFFF&
      TabIndex        =   0
      Top             =   5616
      Width           =   2034
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      Caption         =   "+"
      BeginProperty Font 
         Name            =   "Segoe Script"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   612
      Index           =   2
      Left            =   5616
      TabIndex        =   24
      Top             =   6624
      Width           =   270
   End
   Begin VB.Label Label10 
      Caption         =   "）"
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   5328
      TabIndex        =   23
      Top             =   6768
      Width           =   306
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      Caption         =   "+"
      BeginProperty Font 
         Name            =   "Segoe Script"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   612
      Index           =   1
      Left            =   4320
      TabIndex        =   21
      Top             =   6624
      Width           =   216
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      Caption         =   "x"
      BeginProperty Font 
         Name            =   "Segoe Print"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   666
      Index           =   1
      Left            =   4032
      TabIndex        =   20
      Top             =   6624
      Width           =   198
   End
   Begin VB.Label Label9 
      AutoSize        =   -1  'True
      Caption         =   "sin（"
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   378
      Left            =   2304
      TabIndex        =   18
      Top             =   6768
      Width           =   1062
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      Caption         =   "函数:"
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   378
      Index           =   1
      Left            =   0
      TabIndex        =   15
      Top             =   6768
      Width           =   1044
   End
   Begin VB.Label Label1 
      AutoSize        =   -1  'True
      Caption         =   "y="
      BeginProperty Font 
         Name            =   "Segoe Script"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   612
      Index           =   1
      Left            =   1008
      TabIndex        =   14
      Top             =   6624
      Width           =   468
   End
   Begin VB.Label Label8 
      Caption         =   "(2)"
      Height          =   306
      Left            =   144
      TabIndex        =   13
      Top             =   6480
      Width           =   594
   End
   Begin VB.Label Label7 
      Caption         =   "(1)"
      Height          =   306
      Left            =   144
      TabIndex        =   12
      Top             =   5616
      Width           =   594
   End
   Begin VB.Label Label6 
      AutoSize        =   -1  'True
      Caption         =   " 6"
      Height          =   216
      Left            =   1440
      TabIndex        =   11
      Top             =   8208
      Width           =   216
   End
   Begin VB.Label Label5 
      Caption         =   "示范：y=3x +2(（1）或（2）格子不能为空，必须填满，不然程序将无法运行)"
      Height          =   306
      Left            =   432
      TabIndex        =   10
      Top             =   8352
      Width           =   7506
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      Caption         =   "+"
      BeginProperty Font 
         Name            =   "Segoe Script"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   612
      Index           =   0
      Left            =   3024
      TabIndex        =   7
      Top             =   5904
      Width           =   216
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      Caption         =   "x"
      BeginProperty Font 
         Name            =   "Segoe Print"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   666
      Index           =   0
      Left            =   2304
      TabIndex        =   5
      Top             =   5904
      Width           =   198
   End
   Begin VB.Label Label1 
      AutoSize        =   -1  'True
      Caption         =   "y="
      BeginProperty Font 
         Name            =   "Segoe Script"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   612
      Index           =   0
      Left            =   1008
      TabIndex        =   4
      Top             =   5904
      Width           =   468
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      Caption         =   "函数:"
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   18.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   378
      Index           =   0
      Left            =   0
      TabIndex        =   2
      Top             =   6048
      Width           =   1044
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
Dim X, Y As Single
s1 = Val(Text1.Text)
s2 = Val(Text2.Text)
s3 = Val(Text3.Text)
If Text1.Text = "" Then
  MsgBox ("请将空格填满")
Else
  If Text2.Text = "" Then
    MsgBox ("请将空格填满")
  Else
    If Text3.Text = "" Then
      MsgBox ("请将空格填满")
    Else
Picture1.Scale (-10, 25)-(10, -25)
Picture1.Line (-10, 0)-(10, 0), RGB(0, 0, 255)
Picture1.Line (0, 25)-(0, -25), RGB(0, 0, 255)
For X = -10 To 10 Step 0.0001
Y = s1 * X ^ s2 + s3
Picture1.PSet (X, Y), RGB(255, 0, 0)
Next X
     End If
End If
End If
End Sub
Private Sub Command2_Click()
End
End Sub
Private Sub Command3_Click()
Dim X, Y As Single
s4 = Val(Text4.Text)
s5 = Val(Text5.Text)
s6 = Val(Text6.Text)
s7 = Val(Text7.Text)

If Text4.Text = "" Then
  MsgBox ("请将空格填满")
Else
  If Text5.Text = "" Then
    MsgBox ("请将空格填满")
  Else
    If Text6.Text = "" Then
      MsgBox ("请将空格填满")
    Else
     If Text7.Text = "" Then
     MsgBox ("请将空格填满")
     Else
     Picture1.Scale (-10, 25)-(10, -25)
Picture1.Line (-10, 0)-(10, 0), RGB(0, 0, 255)
Picture1.Line (0, 25)-(0, -25), RGB(0, 0, 255)
For X = -10 To 10 Step 0.0001
Y = Sin(s5 * X + s6) * s4 + s7
Picture1.PSet (X, Y), RGB(0, 255, 0)
Next X
End If

     End If
End If
End If



End Sub

