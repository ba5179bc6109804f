VERSION 5.00
Begin VB.Form frmTask 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "GetSSLib"
   ClientHeight    =   7974
   ClientLeft      =   54
   ClientTop       =   522
   ClientWidth     =   11340
   BeginProperty Font 
      Name            =   "Tahoma"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   7974
   ScaleWidth      =   11340
   StartUpPosition =   3  'Windows Default
   Begin VB.Timer Timer 
      Interval        =   500
      Left            =   5616
      Top             =   6696
   End
   Begin VB.CheckBox chkDetectClipboard 
      Caption         =   "自动检测剪贴板"
      Height          =   414
      Left            =   2034
      TabIndex        =   26
      Tag             =   "NoReseting"
      Top             =   6318
      Width           =   2142
   End
   Begin VB.ComboBox ComSavedIn 
      Height          =   378
      ItemData        =   "Task.frx":0000
      Left            =   126
      List            =   "Task.frx":0002
      TabIndex        =   25
      Top             =   5760
      Width           =   9468
   End
   Begin VB.CommandButton cmdResetAll 
      Caption         =   "重置"
      Height          =   432
      Left            =   6282
      TabIndex        =   24
      Top             =   7326
      Width           =   1350
   End
   Begin VB.CommandButton cmdUpdate 
      Caption         =   "检测剪贴板"
      Height          =   432
      Left            =   1458
      TabIndex        =   23
      Top             =   6984
      Width           =   3474
   End
   Begin VB.TextBox txtAddInfo 
      Height          =   1800
      Left            =   4320
      MultiLine       =   -1  'True
      ScrollBars      =   3  'Both
      TabIndex        =   7
      Top             =   2862
      Width           =   6822
   End
   Begin VB.TextBox txtPagesCount 
      Height          =   378
      Left            =   144
      TabIndex        =   4
      Top             =   3456
      Width           =   3984
   End
   Begin VB.TextBox txtPublishedDate 
      Height          =   378
      Left            =   144
      TabIndex        =   5
      Top             =   4284
      Width           =   3984
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "退出"
      Height          =   432
      Left            =   9846
      TabIndex        =   11
      Top             =   7326
      Width           =   1350
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "添加任务"
      Height          =   432
      Left            =   8082
      TabIndex        =   12
      Top             =   7326
      Width           =   1350
   End
   Begin VB.CheckBox chkStartDownload 
      Caption         =   "立即开始下载"
      Height          =   414
      Left            =   90
      TabIndex        =   10
      Tag             =   "NoReseting"
      Top             =   6318
      Width           =   1836
   End
   Begin VB.CommandButton cmdSelect 
      Caption         =   "选择..."
      Height          =   432
      Left            =   9774
      TabIndex        =   9
      Top             =   5724
      Width           =   1350
   End
   Begin VB.TextBox txtPublisher 
      Height          =   378
      Left            =   144
      TabIndex        =   3
      Top             =   2646
      Width           =   3984
   End
   Begin VB.TextBox txtSsid 
      Height          =   378
      Left            =   144
      TabIndex        =   2
      Top             =   1872
      Width           =   3984
   End
   Begin VB.TextBox txtAuthor 
      Height          =   378
      Left            =   144
      TabIndex        =   1
      Top             =   1152
      Width           =   3984
   End
   Begin VB.TextBox txtTitle 
      Height          =   378
      Left            =   126
      TabIndex        =   0
      Top             =   432
      Width           =   3984
   End
   Begin VB.TextBox txtHeader 
      Height          =   1836
      Left            =   4302
      MultiLine       =   -1  'True
      ScrollBars      =   3  'Both
      TabIndex        =   6
      Top             =   414
      Width           =   6822
   End
   Begin VB.TextBox txtUrl 
      Height          =   378
      Left            =   126
      TabIndex        =   8
      Top             =   5040
      Width           =   11016
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "备注:"
      Height          =   234
      Left            =   4338
      TabIndex        =   22
      Top             =   2394
      Width           =   504
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "页数:"
      Height          =   234
      Left            =   144
      TabIndex        =   21
      Top             =   3114
      Width           =   504
   End
   Begin VB.Label Label1 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "出版日期:"
      Height          =   234
      Left            =   144
      TabIndex        =   20
      Top             =   3978
      Width           =   936
   End
   Begin VB.Label lblSaveIN 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "保存位置:"
      Height          =   234
      Left            =   126
      TabIndex        =   19
      Top             =   5472
      Width           =   936
   End
   Begin VB.Label lblHeader 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "HTTP报头:"
      Height          =   234
      Left            =   4320
      TabIndex        =   18
      Top             =   126
      Width           =   954
   End
   Begin VB.Label lblPublisher 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "出版社:"
      Height          =   234
      Left            =   144
      TabIndex        =   17
      Top             =   2322
      Width           =   720
   End
   Begin VB.Label lblSsid 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "SS号:"
      Height          =   234
      Left            =   144
      TabIndex        =   16
      Top             =   1584
      Width           =   504
   End
   Begin VB.Label lblAuthor 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "作者:"
      Height          =   234
      Left            =   144
      TabIndex        =   15
      Top             =   864
      Width           =   504
   End
   Begin VB.Label lblTitle 
      BackStyle       =   0  'Transparent
      Caption         =   "书名:"
      Height          =   234
      Left            =   144
      TabIndex        =   14
      Top             =   162
      Width           =   1710
   End
   Begin VB.Label lblURL 
      AutoSize        =   -1  'True
      BackStyle       =   0  'Transparent
      Caption         =   "URL地址:"
      Height          =   234
      Left            =   126
      TabIndex        =   13
      Top             =   4752
      Width           =   846
   End
End
Attribute VB_Name = "frmTask"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Private mTask As CTask

Const configFile As String = "taskdef.ini"
Private m_bSolidMode As Boolean
Private m_bEditTaskMode As Boolean

Public Property Get EditTaskMode() As Boolean
    EditTaskMode = m_bEditTaskMode
End Property

Public Property Let EditTaskMode(ByVal bValue As Boolean)
    m_bEditTaskMode = bValue
End Property



Public Property Get SolidMode() As Boolean
    SolidMode = m_bSolidMode
End Property

Public Property Let SolidMode(ByVal bValue As Boolean)
    m_bSolidMode = bValue
End Property

Private Sub chkDetectClipboard_Click()
    Form_Activate
End Sub

Private Sub cmdCancel_Click()
    Timer.Enabled = False
    Me.Hide
End Sub

Private Sub cmdOK_Click()
Dim timerState As Boolean
timerState = Timer.Enabled
Timer.Enabled = False
If mTask Is Nothing Then
    frmMain.CallBack_AddTask txtTitle.text, txtAuthor.text, txtSsid.text, _
    txtPublisher.text, txtHeader.text, txtUrl.text, ComSavedIn.text, chkStartDownload.value, _
    txtPagesCount.text, txtPublishedDate.text, txtAddInfo.text
Else
    With mTask
    .Title = txtTitle.text
    .Author = txtAuthor.text
    .Publisher = txtPublisher.text
    .SSID = txtSsid.text
    .RootURL = txtUrl.text
    .HttpHeader = txtHeader.text
    .SavedIN = ComSavedIn.text
    .AdditionalText = txtAddInfo.text
    .PublishedDate = txtPublishedDate.text
    .PagesCount = txtPagesCount.text
    End With
    frmMain.CallBack_EditTask mTask
    Set mTask = Nothing
End If
Timer.Enabled = timerState
If m_bEditTaskMode Then
    m_bEditTaskMode = False
    Me.Hide
End If

'If Not m_bSolidMode Then Me.Hide
End Sub


Public Sub Init(ByRef vtask As CTask, Optional ByRef Disable As Boolean = False)
Me.Reset
cmdOK.Enabled = Not Disable
cmdResetAll.Enabled = Not Disable
Set mTask = Nothing

If vtask Is Nothing Then Exit Sub
With vtask
    If .Author <> "" Then txtAuthor.text = .Author
    If .Title <> "" Then txtTitle.text = .Title
    If .Publisher <> "" Then txtPublisher.text = .Publisher
    If .SSID <> "" Then txtSsid.text = .SSID
    If .HttpHeader <> "" Then txtHeader.text = .HttpHeader
    If .RootURL <> "" Then txtUrl.text = .RootURL
    If .SavedIN <> "" Then
        Dim i As Long
        Dim c As Long
        c = ComSavedIn.ListCount - 1
        For i = 0 To c
            If ComSavedIn.List(i) = .SavedIN Or ComSavedIn.List(i) = .SavedIN & "\" Then GoTo NoSaved
        Next

        ComSavedIn.AddItem .SavedIN
NoSaved:
        ComSavedIn.text = .SavedIN
    End If
    If .AdditionalText <> "" Then txtAddInfo.text = .AdditionalText
    If .PagesCount <> "" Then txtPagesCount.text = .PagesCount
    If .PublishedDate <> "" Then txtPublishedDate.text = .PublishedDate
End With
Set mTask = vtask



End Sub

Public Sub UpdateFromClipboard(Optional vText As String)
Dim vData As SSLIB_BOOKINFO
vData = SSLIB_ParseInfoText(vText)
With vData
    If .Author <> "" Then txtAuthor.text = .Author
    If .Title <> "" Then txtTitle.text = .Title
    If .Publisher <> "" Then txtPublisher.text = .Publisher
    If .SSID <> "" Then txtSsid.text = .SSID
    If .Header <> "" Then txtHeader.text = .Header
    If .URL <> "" Then txtUrl.text = .URL
    If .AddInfo <> "" Then txtAddInfo.text = .AddInfo
    If .PagesCount <> "" Then txtPagesCount.text = .PagesCount
    If .PublishedDate <> "" Then txtPublishedDate.text = .PublishedDate
End With
End Sub

Private Sub cmdResetAll_Click()
Me.Reset
End Sub

Private Sub cmdSelect_Click()
    Dim dlg As CFolderBrowser
    Set dlg = New CFolderBrowser
    If ComSavedIn.text <> "" Then dlg.InitDirectory = ComSavedIn.text
    dlg.Owner = Me.hwnd
    Dim r As String
    r = dlg.Browse
    If r <> "" Then

        Dim i As Long
        Dim c As Long
        c = ComSavedIn.ListCount - 1
        For i = 0 To c
            If ComSavedIn.List(i) = r Or ComSavedIn.List(i) = r & "\" Then Exit Sub
        Next
        ComSavedIn.AddItem r
        ComSavedIn.text = r
    End If
    
    
End Sub

Public Sub Reset()
    MFORM.ResetForm Me
End Sub

Private Sub cmdUpdate_Click()
    UpdateFromClipboard
End Sub



Private Sub Form_Activate()
    Timer.Enabled = False
    If chkDetectClipboard.value Then
        Timer.Enabled = True
    Else
        Timer.Enabled = False
    End If
    
    If m_bEditTaskMode Then
        cmdOK.Caption = "确认"
    Else
        cmdOK.Caption = "添加任务"
    End If
    
'    If m_bSolidMode Then
'        Me.BorderStyle = 0
'        cmdCancel.Enabled = False
'    Else
'        Me.BorderStyle = 1
'        cmdCancel.Enabled = True
'    End If
End Sub

Private Sub Form_Load()
    ComSavedIn.Tag = CST_FORM_FLAGS_NORESETING
    chkStartDownload.Tag = CST_FORM_FLAGS_NORESETING
    chkDetectClipboard.Tag = CST_FORM_FLAGS_NORESETING
    Timer.Enabled = False
    Dim configHnd As CLiNInI
    Set configHnd = New CLiNInI
    With configHnd
        .Source = App.Path & "\" & configFile
        ComboxItemsFromString ComSavedIn, .GetSetting("SavedIn", "Path")
    End With
    Set configHnd = Nothing
    
    
End Sub

Private Sub Form_Unload(Cancel As Integer)
Dim configHnd As CLiNInI
    Set configHnd = New CLiNInI
    With configHnd
        .Source = App.Path & "\" & configFile
        .SaveSetting "SavedIn", "Path", ComboxItemsToString(ComSavedIn)
        .Save
    End With
    Set configHnd = Nothing
End Sub

Private Sub Timer_Timer()
    DetectClipboard
End Sub

Private Sub DetectClipboard()
    Dim vText As String
    vText = Clipboard.GetText
    If vText <> "" Then
        'Clipboard.Clear
        UpdateFromClipboard vText
    End If
End Sub
