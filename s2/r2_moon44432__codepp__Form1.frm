VERSION 5.00
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "comdlg32.ocx"
Object = "{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.3#0"; "comctl32.ocx"
Begin VB.Form frmMain 
   Caption         =   "Untitled - Code++"
   ClientHeight    =   8550
   ClientLeft      =   144
   ClientTop       =   918
   ClientWidth     =   14112
   Icon            =   "Form1.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   8550
   ScaleWidth      =   14112
   Begin ComctlLib.StatusBar StatusBar1 
      Align           =   2  '아래 맞춤
      Height          =   306
      Left            =   0
      TabIndex        =   4
      Top             =   8244
      Width           =   14112
      _ExtentX        =   24892
      _ExtentY        =   540
      SimpleText      =   ""
      _Version        =   327682
      BeginProperty Panels {0713E89E-850A-101B-AFC0-4210102A8DA7} 
         NumPanels       =   3
         BeginProperty Panel1 {0713E89F-850A-101B-AFC0-4210102A8DA7} 
            Style           =   2
            Bevel           =   0
            Object.Width           =   1016
            MinWidth        =   1016
            TextSave        =   "NUM"
            Key             =   ""
            Object.Tag             =   ""
         EndProperty
         BeginProperty Panel2 {0713E89F-850A-101B-AFC0-4210102A8DA7} 
            Style           =   1
            Bevel           =   0
            Enabled         =   0   'False
            Object.Width           =   1355
            MinWidth        =   1355
            TextSave        =   "CAPS"
            Key             =   ""
            Object.Tag             =   ""
         EndProperty
         BeginProperty Panel3 {0713E89F-850A-101B-AFC0-4210102A8DA7} 
            Style           =   3
            Bevel           =   0
            Enabled         =   0   'False
            Object.Width           =   1016
            MinWidth        =   1016
            TextSave        =   "INS"
            Key             =   ""
            Object.Tag             =   ""
         EndProperty
      EndProperty
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "맑은 고딕"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin MSComDlg.CommonDialog CommonDialog1 
      Left            =   13392
      Top             =   7344
      _ExtentX        =   1016
      _ExtentY        =   1016
      _Version        =   393216
   End
   Begin VB.TextBox Text1 
      Appearance      =   0  '평면
      BackColor       =   &H80000006&
      BeginProperty Font 
         Name            =   "Consolas"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00FFFFFF&
      Height          =   2178
      Left            =   0
      MultiLine       =   -1  'True
      ScrollBars      =   3  '양방향
      TabIndex        =   0
      Top             =   0
      Width           =   3330
   End
   Begin VB.Label Label3 
      Height          =   306
      Left            =   11232
      TabIndex        =   3
      Top             =   6624
      Width           =   2610
   End
   Begin VB.Label Label2 
      Height          =   306
      Left            =   11232
      TabIndex        =   2
      Top             =   6048
      Width           =   2610
   End
   Begin VB.Label Label1 
      Height          =   306
      Left            =   11232
      TabIndex        =   1
      Top             =   5472
      Width           =   2610
   End
   Begin VB.Menu mnuFile 
      Caption         =   "파일(&F)"
      Begin VB.Menu mnuNew 
         Caption         =   "새 파일(&N)"
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuBar 
         Caption         =   "-"
      End
      Begin VB.Menu mnuOpen 
         Caption         =   "열기(&O)"
         Shortcut        =   ^O
      End
      Begin VB.Menu mnuSave 
         Caption         =   "저장(&S)"
         Shortcut        =   ^S
      End
      Begin VB.Menu mnuSaveOtherName 
         Caption         =   "다른 이름으로 저장(&A)..."
      End
      Begin VB.Menu mnubar2 
         Caption         =   "-"
      End
      Begin VB.Menu mnuSettings 
         Caption         =   "통합 설정(&C)"
      End
      Begin VB.Menu mnuQuit 
         Caption         =   "종료(&Q)"
      End
   End
   Begin VB.Menu mnuEdit 
      Caption         =   "편집(&E)"
      Begin VB.Menu mnuUndo 
         Caption         =   "실행 취소(&U)"
         Shortcut        =   ^Z
      End
      Begin VB.Menu mnuRedo 
         Caption         =   "다시 실행"
         Shortcut        =   ^Y
      End
      Begin VB.Menu mnubar7 
         Caption         =   "-"
      End
      Begin VB.Menu mnuCut 
         Caption         =   "잘라내기(&X)"
         Shortcut        =   ^X
      End
      Begin VB.Menu mnuCopy 
         Caption         =   "복사(&C)"
         Shortcut        =   ^C
      End
      Begin VB.Menu mnuPaste 
         Caption         =   "붙여넣기(&P)"
         Shortcut        =   ^V
      End
      Begin VB.Menu mnuSelectAll 
         Caption         =   "모두 선택(&A)"
         Shortcut        =   ^A
      End
      Begin VB.Menu mnubar5 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFind 
         Caption         =   "찾기(&F)"
         Shortcut        =   ^F
      End
      Begin VB.Menu mnuReplace 
         Caption         =   "바꾸기(&H)"
         Shortcut        =   ^H
      End
   End
   Begin VB.Menu mnuView 
      Caption         =   "보기(&V)"
      Begin VB.Menu mnuSetFont 
         Caption         =   "글꼴 설정"
      End
   End
   Begin VB.Menu mnuRun 
      Caption         =   "실행(&R)"
      Begin VB.Menu mnuRunApp 
         Caption         =   "실행(&R)..."
         Enabled         =   0   'False
         Shortcut        =   {F5}
      End
      Begin VB.Menu mnuCompile 
         Caption         =   "컴파일(&C)..."
         Enabled         =   0   'False
         Shortcut        =   ^{F5}
      End
      Begin VB.Menu mnubar6 
         Caption         =   "-"
      End
      Begin VB.Menu mnuConfig 
         Caption         =   "컴파일 및 실행 설정"
         Shortcut        =   {F4}
      End
   End
   Begin VB.Menu mnuHlp 
      Caption         =   "도움말(&H)"
      Begin VB.Menu mnuHelp 
         Caption         =   "Code++ 도움말"
         Shortcut        =   {F1}
      End
      Begin VB.Menu mnubar3 
         Caption         =   "-"
      End
      Begin VB.Menu mnuAbout 
         Caption         =   "Code++ 정보"
      End
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Type INITCOMMONCONTROLSEX_TYPE
dwSize As Long
dwICC As Long
End Type
Private Declare Function InitCommonControlsEx Lib "comctl32.dll" (lpInitCtrls As INITCOMMONCONTROLSEX_TYPE) As Long
Private Const ICC_INTERNET_CLASSES = &H800

'Flags

Dim OpenedFile As String
Dim ifFileChanged As Boolean
Dim indent As Integer
Dim ifFileOpened As Boolean


Function SaveFile()
On Error GoTo Err
    CommonDialog1.CancelError = True
    CommonDialog1.Filter = "모든 파일|*.*|C 소스 (*.c)|*.c|C++ 소스 (*.cpp;*.c++;*.hpp;*.h++;*.h)|*.cpp;*.c++;*.hpp;*.h++;*.h|C# 소스 (*.cs;*.csx;*.cake)|*.cs;*.csx;*.cake|Go 소스 (*.go)|*.go|Java 소스 (*.java;*.jav)|*.java;*.jav|JavaScript 소스 (*.js)|*.js|NVSPL2 소스 (*.nvs;*.nvspl)|*.nvs;*.nvspl|PHP 소스 (*.php;*.php4;*.php5;*.phtml;*.ctp)|*.php;*.php4;*.php5;*.phtml;*.ctp|Python 소스 (*.py;*.rpy;*.pyw;*.cpy;*.pyi;*.ipy)|*.py;*.rpy;*.pyw;*.cpy;*.pyi;*.ipy|R 소스 (*.r;*.rhistory;*.rprofile;*.rt)|*.r;*.rhistory;*.rprofile;*.rt|Rust 소스 (*.rs)|*.rs|TypeScript 소스 (*.ts)|*.ts|Visual Basic 소스 (*.vb;*.vbs;*.bas)|*.vb;*.vbs;*.bas|HTML 파일 (*.html;*.htm;*.xhtml;*.jsp;*.asp;*.aspx)|*.html;*.htm;*.xhtml;*.jsp;*.asp;*.aspx|CSS 파일 (*.css)|*.css|SCSS 파일 (*.scss)|*.scss|XML 파일 (*.xml)|*.xml|텍스트 파일 (*.txt)|*.txt|설정 파일 (*.ini)|*.ini|배치 파일 (*.bat;*.cmd)|*.bat;*.cmd|JSON 파일 (*.json)|*.json|YAML 파일 (*.yml;*.eyaml;*.eyml;*.yaml)|*.yml;*.eyaml;*.eyml;*.yaml|Markdown 파일 (*.md)|*.md"
    CommonDialog1.FilterIndex = 1
    CommonDialog1.DialogTitle = "파일 저장"
    CommonDialog1.InitDir = "C:\"
    CommonDialog1.FileName = "Untitled.txt"
    CommonDialog1.ShowSave
    
    OpenedFile = CommonDialog1.FileName
    
    Open CommonDialog1.FileName For Output As #1
    Print #1, Text1.Text
    Close #1
    ifFileChanged = False
    frmMain.Caption = OpenedFile & " - Code++"
    ifFileOpened = True
Err:
End Function

Function JustSave()
    Open OpenedFile For Output As #1
    Print #1, Text1.Text
    Close #1
    frmMain.Caption = OpenedFile & " - Code++"
    ifFileChanged = False
End Function

Function LoadFile()
On Error GoTo Err
    CommonDialog1.CancelError = True
    CommonDialog1.Filter = "모든 파일|*.*|C 소스 (*.c)|*.c|C++ 소스 (*.cpp;*.c++;*.hpp;*.h++;*.h)|*.cpp;*.c++;*.hpp;*.h++;*.h|C# 소스 (*.cs;*.csx;*.cake)|*.cs;*.csx;*.cake|Go 소스 (*.go)|*.go|Java 소스 (*.java;*.jav)|*.java;*.jav|JavaScript 소스 (*.js)|*.js|NVSPL2 소스 (*.nvs;*.nvspl)|*.nvs;*.nvspl|PHP 소스 (*.php;*.php4;*.php5;*.phtml;*.ctp)|*.php;*.php4;*.php5;*.phtml;*.ctp|Python 소스 (*.py;*.rpy;*.pyw;*.cpy;*.pyi;*.ipy)|*.py;*.rpy;*.pyw;*.cpy;*.pyi;*.ipy|R 소스 (*.r;*.rhistory;*.rprofile;*.rt)|*.r;*.rhistory;*.rprofile;*.rt|Rust 소스 (*.rs)|*.rs|TypeScript 소스 (*.ts)|*.ts|Visual Basic 소스 (*.vb;*.vbs;*.bas)|*.vb;*.vbs;*.bas|HTML 파일 (*.html;*.htm;*.xhtml;*.jsp;*.asp;*.aspx)|*.html;*.htm;*.xhtml;*.jsp;*.asp;*.aspx|CSS 파일 (*.css)|*.css|SCSS 파일 (*.scss)|*.scss|XML 파일 (*.xml)|*.xml|텍스트 파일 (*.txt)|*.txt|설정 파일 (*.ini)|*.ini|배치 파일 (*.bat;*.cmd)|*.bat;*.cmd|JSON 파일 (*.json)|*.json|YAML 파일 (*.yml;*.eyaml;*.eyml;*.yaml)|*.yml;*.eyaml;*.eyml;*.yaml|Markdown 파일 (*.md)|*.md"
    CommonDialog1.FilterIndex = 1
    CommonDialog1.DialogTitle = "파일 열기"
    CommonDialog1.InitDir = "C:\"
    CommonDialog1.ShowOpen
    
    OpenedFile = CommonDialog1.FileName
    
    Text1.Text = ""
    
    Dim str As String
    Open OpenedFile For Input As #1
        Do Until EOF(1)
        Line Input #1, str
        frmMain.Text1 = frmMain.Text1 + str + vbCrLf
        Loop
    Close #1
    
    frmMain.Caption = OpenedFile & " - Code++"
    ifFileChanged = False
    ifFileOpened = True
    
    mnuRunApp.Enabled = True
    mnuCompile.Enabled = True
Err:
End Function


Private Sub Form_Load()
    Dim comctls As INITCOMMONCONTROLSEX_TYPE
    Dim retval As Long
    With comctls
    .dwSize = Len(comctls)
    .dwICC = ICC_INTERNET_CLASSES
    End With
    
    retval = InitCommonControlsEx(comctls)
    
    Dim str As String
    
    Open App.Path & "\config.ini" For Input As #1
    Line Input #1, str
    Label1.Caption = str
    Line Input #1, str
    Label2.Caption = str
    Line Input #1, str
    Label3.Caption = str
    Close #1
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
Dim Response As Integer
    If ifFileChanged = True Then
        Response = MsgBox("파일을 저장하시겠습니까?" & vbCrLf & "취소하면 저장하지 않은 내용은 없어집니다.", vbYesNo + vbQuestion, "종료")
        If Response = vbYes Then
            SaveFile
        End If
    End If
End Sub

Private Sub Form_Resize()
On Error GoTo Err
    If frmMain.Height > 900 Then
        Text1.Height = Me.Height - 900 - 255
    End If
    If frmMain.Width > 250 Then
        Text1.Width = Me.Width - 250
    End If
Err:
End Sub

Private Sub mnuAbout_Click()
    frmInfo.Show vbModal
End Sub

Private Sub mnuCompile_Click()
    Shell """" & Label1.Caption & """ " & Label2.Caption & " """ & OpenedFile & """", vbNormalFocus
    MsgBox """" & Label1.Caption & """ " & Label2.Caption & " """ & OpenedFile & """", , "컴파일 중..."
End Sub

Private Sub mnuConfig_Click()
    frmConfig.Show
End Sub

Private Sub mnuCopy_Click()
   Clipboard.Clear
   Clipboard.SetText Text1.SelText
End Sub

Private Sub mnuCut_Click()
   Clipboard.Clear
   Clipboard.SetText Text1.SelText
   Text1.SelText = ""
End Sub

Private Sub mnuFind_Click()
    frmFindReplace.Show
End Sub

Private Sub mnuHelp_Click()
    MsgBox "아직 준비 중인 기능입니다.", vbInformation, "Code++"
    frmHelp.Show
End Sub

Private Sub mnuPaste_Click()
   Text1.SelText = Clipboard.GetText()
End Sub

Private Sub mnuNew_Click()
    SaveFile
    Text1.Text = ""
    frmMain.Caption = "Untitled - Code++"
    mnuRunApp.Enabled = False
    mnuCompile.Enabled = False
    ifFileOpened = False
    ifFileChanged = False
End Sub

Private Sub mnuOpen_Click()
    LoadFile
End Sub

Private Sub mnuQuit_Click()
    End
End Sub


Private Sub mnuReplace_Click()
    frmFindReplace.Show
End Sub

Private Sub mnuRunApp_Click()
    Shell """" & Label3.Caption & """", vbNormalFocus
End Sub

Private Sub mnuSave_Click()
If ifFileOpened = True Then
    JustSave
Else
    SaveFile
End If
mnuRunApp.Enabled = True
mnuCompile.Enabled = True
End Sub

Private Sub mnuSaveOtherName_Click()
    SaveFile
End Sub

Private Sub mnuSettings_Click()
    frmSettings.Show
End Sub

Private Sub mnuUndo_Click()
    Text1.SetFocus
End Sub

Private Sub mnuSelectAll_Click()
    Text1.SelStart = 0
    Text1.SelLength = Len(Text1.Text)
End Sub

Private Sub Text1_Change()
    ifFileChanged = True
End Sub

Private Sub Text1_KeyPress(KeyAscii As Integer)
    If KeyAscii = 9 Then
        KeyAscii = 32
        Set WshShell = CreateObject("WScript.Shell")
        WshShell.SendKeys "   "
    End If
    
    'If KeyAscii = 123 Then
    '    indent = indent + 1
    'End If
    
    'If KeyAscii = 125 Then
    '    If indent > 0 Then
    '        indent = indent - 1
    '    End If
    'End If
    
    'If KeyAscii = 13 Then
    'Dim i As Integer
    'For i = 1 To indent
    '    Set WshShell = CreateObject("WScript.Shell")
    '    WshShell.SendKeys "    "
    'Next
    'End If
    
    If 0 Then
        '^(\s+)  //search for
        '$1$1$1$1
    End If
End Sub


