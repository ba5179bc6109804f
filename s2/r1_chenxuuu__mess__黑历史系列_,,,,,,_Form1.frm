VERSION 5.00
Begin VB.Form Form1 
   BackColor       =   &H00FFC0C0&
   BorderStyle     =   0  'None
   Caption         =   "Form1"
   ClientHeight    =   5904
   ClientLeft      =   6642
   ClientTop       =   4932
   ClientWidth     =   13176
   LinkTopic       =   "Form1"
   ScaleHeight     =   5904
   ScaleWidth      =   13176
   ShowInTaskbar   =   0   'False
   Begin VB.CommandButton Command1 
      Caption         =   "确定"
      Height          =   594
      Left            =   5184
      TabIndex        =   3
      Top             =   4608
      Width           =   2178
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   36
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1044
      Left            =   3456
      TabIndex        =   2
      Top             =   2736
      Width           =   5346
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      BackColor       =   &H00FFC0C0&
      Caption         =   "请输入""我是猪""，不然会关机！！"
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   42.3
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H0000FFFF&
      Height          =   846
      Left            =   144
      TabIndex        =   1
      Top             =   1584
      Width           =   13248
   End
   Begin VB.Label Label1 
      AutoSize        =   -1  'True
      BackColor       =   &H00FFC0C0&
      Caption         =   "哈哈王辰毅你死定了！"
      BeginProperty Font 
         Name            =   "黑体"
         Size            =   47.7
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000FF&
      Height          =   954
      Left            =   1296
      TabIndex        =   0
      Top             =   288
      Width           =   9900
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
 If Text1.Text = "我是猪" Then
      
            MsgBox ("王辰毅，我不会给别人说这个秘密的!! ^_^")
           
            End
        Else
            Shell ("c:\windows\system32\shutdown.exe -s")
        End If
End Sub
