VERSION 5.00
Begin VB.Form Form2 
   BackColor       =   &H00FFFFFF&
   BorderStyle     =   0  'None
   Caption         =   "Form2"
   ClientHeight    =   9396
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   5580
   BeginProperty Font 
      Name            =   "微软雅黑"
      Size            =   10.8
      Charset         =   134
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form2"
   LockControls    =   -1  'True
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   9396
   ScaleWidth      =   5580
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  '屏幕中心
   Begin VB.Frame Frame1 
      BorderStyle     =   0  'None
      Caption         =   "Frame1"
      Height          =   8226
      Left            =   0
      TabIndex        =   7
      Top             =   1152
      Width           =   5634
      Begin VB.TextBox Text3 
         BackColor       =   &H8000000F&
         BorderStyle     =   0  'None
         Height          =   306
         Left            =   -288
         TabIndex        =   13
         Text            =   "       此处为修复vb焦点缺陷控件，默认不可见不影响使用"
         Top             =   7920
         Width           =   5058
      End
      Begin VB.Frame Frame3 
         BackColor       =   &H00FFFFFF&
         BorderStyle     =   0  'None
         Caption         =   "Frame3"
         Height          =   594
         Left            =   0
         TabIndex        =   12
         Top             =   1872
         Width           =   5634
         Begin VB.Label Label7 
            BackColor       =   &H00FFFFFF&
            Caption         =   "登录"
            BeginProperty Font 
               Name            =   "微软雅黑"
               Size            =   9
               Charset         =   134
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H80000000&
            Height          =   288
            Left            =   288
            TabIndex        =   4
            Top             =   144
            Width           =   360
         End
      End
      Begin VB.Frame Frame2 
         BackColor       =   &H00FFFFFF&
         BorderStyle     =   0  'None
         Caption         =   "Frame2"
         Height          =   1170
         Left            =   0
         TabIndex        =   8
         Top             =   432
         Width           =   5634
         Begin VB.TextBox Text2 
            BorderStyle     =   0  'None
            BeginProperty Font 
               Name            =   "微软雅黑"
               Size            =   9
               Charset         =   134
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H80000016&
            Height          =   306
            Left            =   1008
            TabIndex        =   3
            Text            =   "必填"
            Top             =   720
            Width           =   4338
         End
         Begin VB.TextBox Text1 
            Appearance      =   0  'Flat
            BorderStyle     =   0  'None
            BeginProperty Font 
               Name            =   "微软雅黑"
               Size            =   9
               Charset         =   134
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H80000016&
            Height          =   306
            Left            =   1296
            TabIndex        =   2
            Text            =   "Apple ID"
            Top             =   144
            Width           =   4050
         End
         Begin VB.Label Label5 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "密码"
            BeginProperty Font 
               Name            =   "微软雅黑"
               Size            =   9
               Charset         =   134
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   288
            Left            =   288
            TabIndex        =   10
            Top             =   720
            Width           =   360
         End
         Begin VB.Label Label1 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Apple ID"
            BeginProperty Font 
               Name            =   "微软雅黑"
               Size            =   9
               Charset         =   134
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   288
            Left            =   288
            TabIndex        =   9
            Top             =   144
            Width           =   756
         End
         Begin VB.Line Line3 
            BorderColor     =   &H80000016&
            X1              =   0
            X2              =   5616
            Y1              =   1152
            Y2              =   1152
         End
         Begin VB.Line Line2 
            BorderColor     =   &H80000016&
            X1              =   288
            X2              =   5760
            Y1              =   576
            Y2              =   576
         End
         Begin VB.Line Line1 
            BorderColor     =   &H80000016&
            X1              =   0
            X2              =   5616
            Y1              =   0
            Y2              =   0
         End
      End
      Begin VB.Label Label8 
         Alignment       =   2  'Center
         AutoSize        =   -1  'True
         Caption         =   "忘记 Apple ID 或密码？"
         BeginProperty Font 
            Name            =   "微软雅黑"
            Size            =   8.1
            Charset         =   134
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   252
         Left            =   1872
         TabIndex        =   5
         Top             =   2592
         Width           =   1782
      End
   End
   Begin VB.Label Label6 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "00:00"
      BeginProperty Font 
         Name            =   "微软雅黑"
         Size            =   10.8
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   432
      TabIndex        =   11
      Top             =   144
      Width           =   558
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "完成"
      ForeColor       =   &H8000000D&
      Height          =   306
      Left            =   4752
      TabIndex        =   1
      Top             =   720
      Width           =   432
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "账户"
      Height          =   306
      Left            =   2592
      TabIndex        =   6
      Top             =   720
      Width           =   432
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "返回"
      ForeColor       =   &H8000000D&
      Height          =   306
      Left            =   288
      TabIndex        =   0
      Top             =   720
      Width           =   432
   End
End
Attribute VB_Name = "Form2"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
'已经尽其所能去仿效ios界面交互和UI构建，但开发中遇到最大的问题在Apple ID输入框vb无法做到启动窗口不去自动获取焦点于文本框里，
'而ios上是不会自动获取焦点于编辑框的，为此只好设置个隐藏不可见的第三方文本框用于暂时获取焦点，在判断用户输入值后自动隐藏
'第三方文本框；ios在细节方面上启动该页面时，用户是在获取到输入框焦点且输入字符时才隐藏"Apple ID"和“密码”的提示文本
'对此如果做到百分百1比1ios功能工程量大难以实现，IDE受限制过多
Private Sub Form_Load()
Dim H, M As Integer
H = Hour(Now)
M = Minute(Now)
Label6.Caption = H & ":" & M
'布局位置自动校正
Dim p1, p2, p_h As Integer
p1 = Line1.Y1
p2 = Line3.Y2
p_h = (p1 + p2) / 2
Line2.Y1 = p_h
Line2.Y2 = p_h
End Sub

Private Sub Form_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
'控件配色还原
Label2.ForeColor = &H8000000D
End Sub

Private Sub Label2_Click()
Unload Form2
MainForm.Show
End Sub

Private Sub Label2_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
Label2.ForeColor = &H80000002
End Sub

Private Sub Label2_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
Label2.ForeColor = &H8000000D
End Sub

Private Sub Label2_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
Label2.ForeColor = &H80000002
End Sub

Private Sub Label4_Click()
'完成
Debug.Print "完成"
End Sub

Private Sub Label4_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
Label4.ForeColor = &H80000002
End Sub

Private Sub Label4_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
Label4.ForeColor = &H8000000D
End Sub

Private Sub Label8_Click()
'忘记AppleID？
End Sub

Private Sub Label8_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
Label8.ForeColor = &H80000002
End Sub

Private Sub Label8_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
Label8.ForeColor = &H8000000D
End Sub

Private Sub Text1_Click()
If Text1.Text = "Apple ID" Then
Text1.Text = ""
Text1.ForeColor = &H80000012
End If
Text1.SetFocus
Text3.Visible = False
End Sub

Private Sub Text1_GotFocus()
If Text1.Text = "Apple ID" Then
Text3.Visible = True
Text3.SetFocus
End If
Text3.ForeColor = &H8000000F
Text3.Text = ""
Text3.Locked = True
End Sub

Private Sub Text1_KeyPress(KeyAscii As Integer)
If KeyAscii = 13 Then
Text2.SetFocus
    If Text2.Text = "必填" Then
    Text2.Text = ""
    End If
End If
End Sub

Private Sub Text2_Change()
If Text1.Text <> "Apple ID" And Text2.Text <> "必填" And Text1.Text <> "" And Text2.Text <> "" Then
Label7.ForeColor = &H8000000D
End If
End Sub

Private Sub Text2_Click()
If Text2.Text = "必填" Then
Text2.Text = ""
Text2.ForeColor = &H80000012
End If
End Sub

Private Sub Text2_KeyPress(KeyAscii As Integer)
If Text1.Text <> "Apple ID" And Text2.Text <> "必填" And Text1.Text <> "" And Text2.Text <> "" Then
Label7.ForeColor = &H80000000
End If
End Sub
