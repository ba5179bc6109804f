VERSION 5.00
Object = "{EAB22AC0-30C1-11CF-A7EB-0000C05BAE0B}#1.1#0"; "shdocvw.dll"
Begin VB.Form frmMain 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "开心OL注册辅助 － 元宵快乐，陌大小姐"
   ClientHeight    =   7920
   ClientLeft      =   54
   ClientTop       =   522
   ClientWidth     =   12384
   ClipControls    =   0   'False
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   7920
   ScaleWidth      =   12384
   StartUpPosition =   3  'Windows Default
   Begin VB.Frame Frame 
      Height          =   6786
      Left            =   5328
      TabIndex        =   19
      Top             =   864
      Width           =   6786
      Begin SHDocVwCtl.WebBrowser WebBrowser 
         Height          =   6354
         Left            =   144
         TabIndex        =   20
         Top             =   288
         Width           =   6498
         ExtentX         =   11461
         ExtentY         =   11208
         ViewMode        =   0
         Offline         =   0
         Silent          =   0
         RegisterAsBrowser=   0
         RegisterAsDropTarget=   1
         AutoArrange     =   0   'False
         NoClientEdge    =   0   'False
         AlignLeft       =   0   'False
         NoWebView       =   0   'False
         HideFileNames   =   0   'False
         SingleClick     =   0   'False
         SingleSelection =   0   'False
         NoFolders       =   0   'False
         Transparent     =   0   'False
         ViewID          =   "{0057D0E0-3573-11CF-AE69-08002B2E1262}"
         Location        =   ""
      End
   End
   Begin VB.CommandButton Command 
      Caption         =   "注册"
      Default         =   -1  'True
      Height          =   594
      Left            =   2880
      TabIndex        =   18
      Top             =   7056
      Width           =   2178
   End
   Begin VB.TextBox Text 
      Height          =   450
      Index           =   7
      Left            =   288
      TabIndex        =   17
      Text            =   "Text"
      Top             =   7200
      Width           =   2178
   End
   Begin VB.TextBox Text 
      Height          =   450
      Index           =   6
      Left            =   288
      TabIndex        =   14
      Text            =   "Text"
      Top             =   6336
      Width           =   4770
   End
   Begin VB.TextBox Text 
      Height          =   450
      Index           =   5
      Left            =   288
      TabIndex        =   12
      Text            =   "Text"
      Top             =   5472
      Width           =   4770
   End
   Begin VB.TextBox Text 
      Height          =   450
      Index           =   4
      Left            =   288
      TabIndex        =   11
      Text            =   "Text"
      Top             =   4608
      Width           =   4770
   End
   Begin VB.TextBox Text 
      Enabled         =   0   'False
      Height          =   450
      Index           =   3
      Left            =   288
      Locked          =   -1  'True
      TabIndex        =   9
      Text            =   "Text"
      Top             =   3744
      Width           =   4770
   End
   Begin VB.TextBox Text 
      Height          =   450
      Index           =   2
      Left            =   288
      TabIndex        =   7
      Text            =   "Text"
      Top             =   2880
      Width           =   4770
   End
   Begin VB.TextBox Text 
      Height          =   450
      Index           =   1
      Left            =   288
      TabIndex        =   5
      Text            =   "Text"
      Top             =   2016
      Width           =   4770
   End
   Begin VB.TextBox txtUrl 
      Height          =   450
      Left            =   1008
      TabIndex        =   2
      Text            =   "txtUrl"
      Top             =   144
      Width           =   11106
   End
   Begin VB.TextBox Text 
      Height          =   450
      Index           =   0
      Left            =   288
      TabIndex        =   1
      Text            =   "Text"
      Top             =   1152
      Width           =   4770
   End
   Begin VB.Label Label 
      Caption         =   "验证码："
      Height          =   450
      Index           =   8
      Left            =   288
      TabIndex        =   16
      Top             =   6912
      Width           =   4626
   End
   Begin VB.Label Label 
      Caption         =   "真实名："
      Height          =   450
      Index           =   6
      Left            =   288
      TabIndex        =   15
      Top             =   5184
      Width           =   4626
   End
   Begin VB.Label Label 
      Caption         =   "身份证："
      Height          =   450
      Index           =   7
      Left            =   288
      TabIndex        =   13
      Top             =   6048
      Width           =   4626
   End
   Begin VB.Label Label 
      Caption         =   "密码："
      Height          =   450
      Index           =   5
      Left            =   288
      TabIndex        =   10
      Top             =   4320
      Width           =   4626
   End
   Begin VB.Label Label 
      Caption         =   "用戶名："
      Height          =   450
      Index           =   4
      Left            =   288
      TabIndex        =   8
      Top             =   3456
      Width           =   4626
   End
   Begin VB.Label Label 
      Caption         =   "当前数值："
      Height          =   450
      Index           =   3
      Left            =   288
      TabIndex        =   6
      Top             =   2592
      Width           =   4626
   End
   Begin VB.Label Label 
      Caption         =   "数字长度："
      Height          =   450
      Index           =   2
      Left            =   288
      TabIndex        =   4
      Top             =   1728
      Width           =   4626
   End
   Begin VB.Label Label 
      Caption         =   "地址："
      Height          =   450
      Index           =   1
      Left            =   288
      TabIndex        =   3
      Top             =   288
      Width           =   1026
   End
   Begin VB.Label Label 
      Caption         =   "基础ID:"
      Height          =   450
      Index           =   0
      Left            =   288
      TabIndex        =   0
      Top             =   864
      Width           =   4626
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Enum xrzRegData
    xrzRDBasicName = 0
    xrzRDNumLength = 1
    xrzRDNumCurrent = 2
    xrzRDID = 3
    xrzRDPassword = 4
    xrzRDRealName = 5
    xrzRDIDCard = 6
    xrzRDWords = 7
End Enum

Private Function SaveData(ByVal iKey As xrzRegData) As String
    SaveSetting App.EXEName, "Save", "Data" & iKey, Text(iKey).Text
End Function

Private Function LoadData(ByVal iKey As xrzRegData) As String
    Text(iKey).Text = GetSetting(App.EXEName, "Save", "Data" & iKey, "")
End Function


Private Sub Form_Load()
    Dim i As Integer
    For i = 0 To 7
        LoadData i
    Next
    txtUrl.Text = GetSetting(App.EXEName, "Save", "URL", "")
End Sub

Private Sub Form_Unload(Cancel As Integer)
    Dim i As Integer
    For i = 0 To 7
        SaveData i
    Next
    SaveSetting App.EXEName, "Save", "URL", txtUrl.Text
End Sub

Private Sub Text_Change(Index As Integer)

End Sub
