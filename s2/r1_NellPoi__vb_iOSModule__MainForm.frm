VERSION 5.00
Begin VB.Form MainForm 
   BackColor       =   &H80000004&
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "主窗体"
   ClientHeight    =   9432
   ClientLeft      =   54
   ClientTop       =   468
   ClientWidth     =   5616
   BeginProperty Font 
      Name            =   "微软雅黑"
      Size            =   10.8
      Charset         =   134
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LockControls    =   -1  'True
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   9432
   ScaleWidth      =   5616
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  '屏幕中心
   Begin VB.Image Image1 
      Height          =   576
      Left            =   432
      Top             =   1152
      Width           =   576
   End
   Begin VB.Label Label14 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "控制中心"
      Height          =   306
      Left            =   864
      TabIndex        =   13
      Top             =   9216
      Width           =   864
   End
   Begin VB.Shape Shape20 
      BackColor       =   &H80000000&
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   9216
      Width           =   306
   End
   Begin VB.Shape Shape19 
      BackColor       =   &H00FFFFFF&
      BackStyle       =   1  'Opaque
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   8640
      Width           =   306
   End
   Begin VB.Label Label13 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "通用"
      Height          =   306
      Left            =   864
      TabIndex        =   12
      Top             =   8640
      Width           =   432
   End
   Begin VB.Label Label12 
      Appearance      =   0  'Flat
      BackColor       =   &H80000005&
      BackStyle       =   0  'Transparent
      Caption         =   "屏幕使用时间"
      ForeColor       =   &H80000008&
      Height          =   306
      Left            =   864
      TabIndex        =   11
      Top             =   7632
      Width           =   1314
   End
   Begin VB.Label Label11 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "勿扰模式"
      Height          =   306
      Left            =   864
      TabIndex        =   10
      Top             =   7056
      Width           =   864
   End
   Begin VB.Label Label10 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "声音与触感"
      Height          =   306
      Left            =   864
      TabIndex        =   9
      Top             =   6480
      Width           =   1080
   End
   Begin VB.Label Label9 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "通知"
      Height          =   306
      Left            =   864
      TabIndex        =   8
      Top             =   5904
      Width           =   432
   End
   Begin VB.Shape Shape14 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   7632
      Width           =   306
   End
   Begin VB.Shape Shape13 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   7056
      Width           =   306
   End
   Begin VB.Shape Shape12 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   6480
      Width           =   306
   End
   Begin VB.Shape Shape11 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   5904
      Width           =   306
   End
   Begin VB.Line Line15 
      BorderColor     =   &H80000000&
      X1              =   864
      X2              =   5616
      Y1              =   9072
      Y2              =   9072
   End
   Begin VB.Line Line14 
      BorderColor     =   &H80000000&
      X1              =   0
      X2              =   5616
      Y1              =   8496
      Y2              =   8496
   End
   Begin VB.Line Line13 
      BorderColor     =   &H80000000&
      X1              =   0
      X2              =   5616
      Y1              =   8064
      Y2              =   8064
   End
   Begin VB.Line Line12 
      BorderColor     =   &H80000000&
      X1              =   864
      X2              =   5616
      Y1              =   7488
      Y2              =   7488
   End
   Begin VB.Line Line11 
      BorderColor     =   &H80000000&
      X1              =   864
      X2              =   5616
      Y1              =   6912
      Y2              =   6912
   End
   Begin VB.Line Line10 
      BorderColor     =   &H80000000&
      X1              =   864
      X2              =   5616
      Y1              =   6336
      Y2              =   6336
   End
   Begin VB.Line Line9 
      BorderColor     =   &H80000000&
      X1              =   0
      X2              =   5616
      Y1              =   5760
      Y2              =   5760
   End
   Begin VB.Label Label8 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "VPN"
      Height          =   306
      Left            =   864
      TabIndex        =   7
      Top             =   4896
      Width           =   450
   End
   Begin VB.Shape Shape8 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   4896
      Width           =   306
   End
   Begin VB.Label Label7 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "个人热点"
      Height          =   306
      Left            =   864
      TabIndex        =   6
      Top             =   4320
      Width           =   864
   End
   Begin VB.Label Label6 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "计算流量"
      Height          =   306
      Left            =   864
      TabIndex        =   5
      Top             =   3744
      Width           =   864
   End
   Begin VB.Label Label5 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "Shell函数"
      Height          =   306
      Left            =   864
      TabIndex        =   4
      Top             =   3168
      Width           =   918
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "简易图形"
      ForeColor       =   &H00000000&
      Height          =   306
      Left            =   864
      TabIndex        =   3
      Top             =   2592
      Width           =   864
   End
   Begin VB.Shape Shape7 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   4320
      Width           =   306
   End
   Begin VB.Shape Shape6 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   3744
      Width           =   306
   End
   Begin VB.Shape Shape5 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   3168
      Width           =   306
   End
   Begin VB.Shape Shape4 
      BorderColor     =   &H80000000&
      Height          =   306
      Left            =   288
      Top             =   2592
      Width           =   306
   End
   Begin VB.Line Line8 
      BorderColor     =   &H80000000&
      X1              =   864
      X2              =   5616
      Y1              =   4752
      Y2              =   4752
   End
   Begin VB.Line Line7 
      BorderColor     =   &H80000000&
      X1              =   864
      X2              =   5616
      Y1              =   4176
      Y2              =   4176
   End
   Begin VB.Line Line6 
      BorderColor     =   &H80000000&
      X1              =   864
      X2              =   5616
      Y1              =   3600
      Y2              =   3600
   End
   Begin VB.Line Line5 
      BorderColor     =   &H80000000&
      X1              =   864
      X2              =   5616
      Y1              =   3024
      Y2              =   3024
   End
   Begin VB.Line Line4 
      BorderColor     =   &H80000000&
      X1              =   0
      X2              =   5616
      Y1              =   5328
      Y2              =   5328
   End
   Begin VB.Line Line3 
      BorderColor     =   &H80000000&
      X1              =   0
      X2              =   5616
      Y1              =   2448
      Y2              =   2448
   End
   Begin VB.Shape Shape1 
      BorderColor     =   &H80000000&
      Height          =   882
      Left            =   288
      Shape           =   3  'Circle
      Top             =   1008
      Width           =   882
   End
   Begin VB.Line Line2 
      BorderColor     =   &H80000000&
      X1              =   0
      X2              =   5616
      Y1              =   2016
      Y2              =   2016
   End
   Begin VB.Line Line1 
      BorderColor     =   &H80000000&
      X1              =   0
      X2              =   5616
      Y1              =   864
      Y2              =   864
   End
   Begin VB.Label Label1 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "设置"
      BeginProperty Font 
         Name            =   "微软雅黑"
         Size            =   17.1
         Charset         =   134
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   468
      Left            =   288
      TabIndex        =   0
      Top             =   288
      Width           =   684
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "EXEName"
      BeginProperty Font 
         Name            =   "微软雅黑"
         Size            =   14.4
         Charset         =   134
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   378
      Left            =   1296
      TabIndex        =   1
      Top             =   1116
      Width           =   1332
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "EXEVer"
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
      Left            =   1314
      TabIndex        =   2
      Top             =   1494
      Width           =   630
   End
   Begin VB.Shape Shape2 
      BackColor       =   &H00FFFFFF&
      BackStyle       =   1  'Opaque
      BorderColor     =   &H00FFFFFF&
      BorderStyle     =   0  'Transparent
      Height          =   1170
      Left            =   0
      Top             =   864
      Width           =   5634
   End
   Begin VB.Shape Shape3 
      BackColor       =   &H00FFFFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   594
      Left            =   0
      Top             =   2448
      Width           =   5634
   End
   Begin VB.Shape Shape9 
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   2322
      Left            =   0
      Top             =   5760
      Width           =   5634
   End
   Begin VB.Shape Shape10 
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1890
      Left            =   0
      Top             =   8496
      Width           =   5634
   End
   Begin VB.Shape Shape16 
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   594
      Left            =   0
      Top             =   3600
      Width           =   5634
   End
   Begin VB.Shape Shape17 
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   594
      Left            =   0
      Top             =   4176
      Width           =   5634
   End
   Begin VB.Shape Shape18 
      BackColor       =   &H00FFFFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   594
      Left            =   0
      Top             =   4752
      Width           =   5634
   End
   Begin VB.Shape Shape15 
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   594
      Left            =   0
      Top             =   3024
      Width           =   5634
   End
End
Attribute VB_Name = "MainForm"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False

Private Sub Form_Load()
Label2.Caption = App.EXEName
Label3.Caption = App.Major & "." & App.Minor & "." & App.Revision
End Sub

Private Sub Label2_Click()
Form2.Show
Unload MainForm
End Sub

Private Sub Label2_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
Shape2.BackColor = &H80000016
Line1.Visible = False
Line2.Visible = False
End Sub

Private Sub Label2_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
Shape2.BackColor = &H80000005
Line1.Visible = True
Line2.Visible = True
End Sub

Private Sub Label3_Click()
Form2.Show
Unload MainForm
End Sub

Private Sub Label3_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
Shape2.BackColor = &H80000016
Line1.Visible = False
Line2.Visible = False
End Sub

Private Sub Label3_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
Shape2.BackColor = &H80000005
Line1.Visible = True
Line2.Visible = True
End Sub

Private Sub Label4_Click()
Unload MainForm
Form1.Show
End Sub

Private Sub Label4_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
Shape3.BackColor = &H80000016
Line3.Visible = False
Line5.Visible = False
End Sub

Private Sub Label4_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
Shape3.BackColor = &H80000005
Line3.Visible = True
Line5.Visible = True
End Sub

Private Sub Label5_Click()
Form3.Show
Unload MainForm
End Sub

Private Sub Label5_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
Shape15.BackColor = &H80000016
Line5.Visible = False
Line6.Visible = False
End Sub

Private Sub Label5_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
Shape15.BackColor = &H80000005
Line5.Visible = True
Line6.Visible = True
End Sub

Private Sub Label6_Click()
Unload MainForm
Form4.Show
End Sub

Private Sub Label6_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
Line6.Visible = False
Line7.Visible = False
Shape16.BackColor = &H80000016
End Sub

Private Sub Label6_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
Line6.Visible = True
Line7.Visible = True
Shape16.BackColor = &H80000005
End Sub

