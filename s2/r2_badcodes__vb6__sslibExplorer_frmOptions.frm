VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form frmOptions 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Options"
   ClientHeight    =   4464
   ClientLeft      =   3078
   ClientTop       =   1800
   ClientWidth     =   8784
   Icon            =   "frmOptions.frx":0000
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   4464
   ScaleWidth      =   8784
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  'CenterScreen
   Begin VB.Frame fraOptions 
      Height          =   2844
      Index           =   0
      Left            =   252
      TabIndex        =   9
      Top             =   630
      Width           =   8244
      Begin VB.CommandButton cmdSelect 
         Caption         =   "选择..."
         Height          =   450
         Left            =   6660
         TabIndex        =   18
         Top             =   2178
         Width           =   1314
      End
      Begin VB.TextBox txtListFile 
         Height          =   414
         Left            =   162
         TabIndex        =   16
         Top             =   2214
         Width           =   6066
      End
      Begin VB.TextBox txtHomePage 
         Height          =   414
         Left            =   180
         TabIndex        =   12
         Text            =   "http://pds.sslibrary.com"
         Top             =   648
         Width           =   7794
      End
      Begin VB.TextBox txtUserName 
         Height          =   414
         Left            =   1080
         TabIndex        =   11
         Top             =   1260
         Width           =   2682
      End
      Begin VB.TextBox txtPassword 
         Height          =   414
         Left            =   5274
         TabIndex        =   10
         Top             =   1260
         Width           =   2682
      End
      Begin VB.Label Label1 
         AutoSize        =   -1  'True
         Caption         =   "任务输出文件名："
         Height          =   234
         Left            =   144
         TabIndex        =   17
         Top             =   1854
         Width           =   1728
      End
      Begin VB.Label Label5 
         AutoSize        =   -1  'True
         Caption         =   "主页："
         Height          =   234
         Left            =   162
         TabIndex        =   15
         Top             =   288
         Width           =   648
      End
      Begin VB.Label Label6 
         AutoSize        =   -1  'True
         Caption         =   "用戶名："
         Height          =   234
         Left            =   162
         TabIndex        =   14
         Top             =   1350
         Width           =   864
      End
      Begin VB.Label Label7 
         AutoSize        =   -1  'True
         Caption         =   "密码："
         Height          =   234
         Left            =   4356
         TabIndex        =   13
         Top             =   1350
         Width           =   648
      End
   End
   Begin VB.PictureBox picOptions 
      BorderStyle     =   0  'None
      Height          =   4536
      Index           =   3
      Left            =   -24000
      ScaleHeight     =   4536
      ScaleWidth      =   6822
      TabIndex        =   5
      TabStop         =   0   'False
      Top             =   576
      Width           =   6822
      Begin VB.Frame fraSample4 
         Caption         =   "Sample 4"
         Height          =   2142
         Left            =   2520
         TabIndex        =   8
         Top             =   1008
         Width           =   2466
      End
   End
   Begin VB.PictureBox picOptions 
      BorderStyle     =   0  'None
      Height          =   4536
      Index           =   2
      Left            =   -24000
      ScaleHeight     =   4536
      ScaleWidth      =   6822
      TabIndex        =   4
      TabStop         =   0   'False
      Top             =   576
      Width           =   6822
      Begin VB.Frame fraSample3 
         Caption         =   "Sample 3"
         Height          =   2142
         Left            =   1854
         TabIndex        =   7
         Top             =   810
         Width           =   2466
      End
   End
   Begin VB.PictureBox picOptions 
      BorderStyle     =   0  'None
      Height          =   4536
      Index           =   1
      Left            =   -24000
      ScaleHeight     =   4536
      ScaleWidth      =   6822
      TabIndex        =   3
      TabStop         =   0   'False
      Top             =   576
      Width           =   6822
      Begin VB.Frame fraSample2 
         Caption         =   "Sample 2"
         Height          =   2142
         Left            =   774
         TabIndex        =   6
         Top             =   360
         Width           =   2466
      End
   End
   Begin VB.CommandButton cmdApply 
      Caption         =   "应用"
      Height          =   450
      Left            =   7344
      TabIndex        =   2
      Top             =   3780
      Width           =   1314
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "取消"
      Height          =   450
      Left            =   5922
      TabIndex        =   1
      Top             =   3780
      Width           =   1314
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "确定"
      Height          =   450
      Left            =   4428
      TabIndex        =   0
      Top             =   3780
      Width           =   1314
   End
   Begin MSComctlLib.TabStrip tbsOptions 
      Height          =   3492
      Left            =   126
      TabIndex        =   19
      Top             =   180
      Width           =   8532
      _ExtentX        =   15049
      _ExtentY        =   6160
      _Version        =   393216
      BeginProperty Tabs {1EFB6598-857C-11D1-B16A-00C0F0283628} 
         NumTabs         =   1
         BeginProperty Tab1 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "浏览器"
            Key             =   "explorer"
            ImageVarType    =   2
         EndProperty
      EndProperty
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
End
Attribute VB_Name = "frmOptions"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private mHomePage As String
Private mUsername As String
Private mPassword As String
Private mTaskListFile As String

Public Property Get TaskListFile() As String
    TaskListFile = mTaskListFile
End Property

Public Property Let TaskListFile(ByVal StrValue As String)
    mTaskListFile = StrValue
    txtListFile.text = StrValue
End Property

Public Property Get Password() As String
    Password = mPassword
End Property

Public Property Let Password(ByVal StrValue As String)
    mPassword = StrValue
    txtPassword.text = StrValue
End Property

Public Property Get UserName() As String
    UserName = mUsername
End Property

Public Property Let UserName(ByVal StrValue As String)
    mUsername = StrValue
    txtUserName.text = StrValue
End Property

Public Property Get HomePage() As String
    HomePage = mHomePage
End Property

Public Property Let HomePage(ByVal StrValue As String)
    mHomePage = StrValue
    txtHomePage.text = StrValue
End Property



Private Sub cmdApply_Click()
    mHomePage = txtHomePage.text
    mUsername = txtUserName.text
    mPassword = txtPassword.text
    mTaskListFile = txtListFile.text
End Sub

Private Sub cmdCancel_Click()
    Me.Hide
    'Unload Me
End Sub

Private Sub cmdOK_Click()
    cmdApply_Click
    Me.Hide
    'MsgBox "Place code here to set options and close dialog!"
    'Unload Me
End Sub


Private Sub cmdSelect_Click()
    Dim FileName As String
    Dim dlg As CCommonDialogLite
    Set dlg = New CCommonDialogLite
    If dlg.VBGetSaveFileName(FileName) Then

        txtListFile.text = FileName

        'LoadConfigFrom FileName
    End If
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)
    Dim i As Integer
    'handle ctrl+tab to move to the next tab
    If Shift = vbCtrlMask And KeyCode = vbKeyTab Then
        i = tbsOptions.SelectedItem.Index
        If i = tbsOptions.Tabs.Count Then
            'last tab so we need to wrap to tab 1
            Set tbsOptions.SelectedItem = tbsOptions.Tabs(1)
        Else
            'increment the tab
            Set tbsOptions.SelectedItem = tbsOptions.Tabs(i + 1)
        End If
    End If
End Sub

Private Sub Form_Load()
    Me.Icon = frmMain.Icon     'center the form
    Me.Move (Screen.Width - Me.Width) / 2, (Screen.Height - Me.Height) / 2
End Sub


Private Sub tbsOptions_Click()
    Dim idx As Long
    idx = tbsOptions.SelectedItem.Index - 1
    Dim i As Long
    For i = 0 To fraOptions.UBound
        If i = idx Then fraOptions(i).Visible = True Else fraOptions(i).Visible = False
    Next
    
    'fraOptions(tbsOptions.SelectedItem.Index + 1).Visible = True
End Sub
