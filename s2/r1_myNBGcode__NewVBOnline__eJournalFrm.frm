VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "mscomctl.ocx"
Object = "{86CF1D34-0C5F-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCT2.OCX"
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "comdlg32.ocx"
Object = "{3B7C8863-D78F-101B-B9B5-04021C009402}#1.2#0"; "richtx32.ocx"
Begin VB.Form eJournalFrm 
   Caption         =   "Form2"
   ClientHeight    =   8280
   ClientLeft      =   198
   ClientTop       =   540
   ClientWidth     =   14364
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   161
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form2"
   ScaleHeight     =   8280
   ScaleWidth      =   14364
   StartUpPosition =   3  'Windows Default
   Begin MSComDlg.CommonDialog CommonDialog1 
      Left            =   7632
      Top             =   6840
      _ExtentX        =   1016
      _ExtentY        =   1016
      _Version        =   393216
   End
   Begin MSComctlLib.Toolbar CmdToolbar 
      Align           =   2  'Align Bottom
      Height          =   396
      Left            =   0
      TabIndex        =   9
      Top             =   7884
      Width           =   14364
      _ExtentX        =   25337
      _ExtentY        =   698
      ButtonWidth     =   3239
      ButtonHeight    =   667
      Style           =   1
      TextAlignment   =   1
      ImageList       =   "CommandList"
      _Version        =   393216
      BeginProperty Buttons {66833FE8-8583-11D1-B16A-00C0F0283628} 
         NumButtons      =   4
         BeginProperty Button1 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Caption         =   "Εκτύπωση"
            Key             =   "PRINT"
            ImageIndex      =   1
         EndProperty
         BeginProperty Button2 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Caption         =   "Επιστροφή"
            Key             =   "RETURN"
            ImageIndex      =   2
         EndProperty
         BeginProperty Button3 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Caption         =   "Αποθήκευση"
            Key             =   "SAVE"
            ImageIndex      =   3
         EndProperty
         BeginProperty Button4 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Caption         =   "Αποστολή eMail"
            Key             =   "EMAIL"
            ImageIndex      =   4
         EndProperty
      EndProperty
   End
   Begin MSComctlLib.ImageList CommandList 
      Left            =   9720
      Top             =   5148
      _ExtentX        =   1206
      _ExtentY        =   1206
      BackColor       =   -2147483643
      ImageWidth      =   16
      ImageHeight     =   15
      MaskColor       =   12632256
      _Version        =   393216
      BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
         NumListImages   =   4
         BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "eJournalFrm.frx":0000
            Key             =   "Print"
         EndProperty
         BeginProperty ListImage2 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "eJournalFrm.frx":0542
            Key             =   ""
         EndProperty
         BeginProperty ListImage3 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "eJournalFrm.frx":0A84
            Key             =   ""
         EndProperty
         BeginProperty ListImage4 {2C247F27-8591-11D1-B16A-00C0F0283628} 
            Picture         =   "eJournalFrm.frx":0FC6
            Key             =   ""
         EndProperty
      EndProperty
   End
   Begin VB.Frame SrchFrame 
      Height          =   1134
      Left            =   0
      TabIndex        =   10
      Top             =   0
      Width           =   14274
      Begin VB.TextBox SrchString 
         Height          =   378
         Left            =   6912
         TabIndex        =   5
         Top             =   612
         Width           =   3186
      End
      Begin VB.TextBox SrchTRNNo 
         Height          =   378
         Left            =   4212
         TabIndex        =   4
         Top             =   612
         Width           =   1170
      End
      Begin VB.CommandButton PrintAll_Cmd 
         Appearance      =   0  'Flat
         Caption         =   "Κατάστημα"
         Height          =   918
         Left            =   12816
         Picture         =   "eJournalFrm.frx":12E0
         Style           =   1  'Graphical
         TabIndex        =   8
         Top             =   180
         Width           =   1320
      End
      Begin VB.CommandButton PrintLcl_Cmd 
         Appearance      =   0  'Flat
         Caption         =   "Τερματικό"
         Height          =   918
         Left            =   11520
         Picture         =   "eJournalFrm.frx":13E2
         Style           =   1  'Graphical
         TabIndex        =   7
         Top             =   180
         Width           =   1320
      End
      Begin VB.TextBox SrchTerminal 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   396
         Left            =   4212
         TabIndex        =   2
         Top             =   180
         Width           =   1170
      End
      Begin VB.TextBox SrchTRN 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   378
         Left            =   1440
         TabIndex        =   3
         Top             =   612
         Width           =   1638
      End
      Begin VB.CommandButton SrchBtn 
         Appearance      =   0  'Flat
         Caption         =   "Ανάκτηση"
         Height          =   918
         Left            =   10224
         Picture         =   "eJournalFrm.frx":14E4
         Style           =   1  'Graphical
         TabIndex        =   6
         Top             =   180
         Width           =   1320
      End
      Begin MSComCtl2.DTPicker SrchDate 
         Height          =   414
         Left            =   1440
         TabIndex        =   1
         Top             =   180
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   731
         _Version        =   393216
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Format          =   66846721
         CurrentDate     =   36284
      End
      Begin VB.Label Label6 
         Caption         =   "Αναζήτηση"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   161
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800000&
         Height          =   342
         Left            =   5616
         TabIndex        =   15
         Top             =   648
         Width           =   1386
      End
      Begin VB.Label Label5 
         Caption         =   "Σταθμός"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   161
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800000&
         Height          =   342
         Left            =   3240
         TabIndex        =   14
         Top             =   216
         Width           =   954
      End
      Begin VB.Label Label3 
         Caption         =   "A/A"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   161
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800000&
         Height          =   306
         Left            =   3744
         TabIndex        =   13
         Top             =   648
         Width           =   450
      End
      Begin VB.Label Label4 
         Caption         =   "Συναλλαγή"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   161
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800000&
         Height          =   342
         Left            =   180
         TabIndex        =   12
         Top             =   612
         Width           =   1242
      End
      Begin VB.Label Label2 
         Caption         =   "Ημερομηνία"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   161
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800000&
         Height          =   378
         Left            =   108
         TabIndex        =   11
         Top             =   288
         Width           =   1242
      End
   End
   Begin RichTextLib.RichTextBox vJournal 
      Height          =   4770
      Left            =   108
      TabIndex        =   0
      Top             =   2052
      Width           =   9450
      _ExtentX        =   16669
      _ExtentY        =   8413
      _Version        =   393217
      ReadOnly        =   -1  'True
      ScrollBars      =   3
      TextRTF         =   $"eJournalFrm.frx":1926
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Courier New"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
End
Attribute VB_Name = "eJournalFrm"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub CancelBtn_Click()
    Unload Me
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)
    If KeyCode = 83 And ((Shift And vbCtrlMask) > 0) Then 'ctrl-s
        MailSlotFrm.Show vbModal, Me
    End If
End Sub

Private Sub Form_KeyPress(KeyAscii As Integer)
Dim I As Integer
    I = KeyAscii
    If I = vbKeyEscape Then
        Unload Me
    End If
End Sub

Private Sub Form_Load()
    Top = GenWorkForm.Top + 1000
    Left = GenWorkForm.Left
    width = GenWorkForm.width
    height = GenWorkForm.height - 1000
    
    Caption = "Ημερολόγιο της: " & cPOSTDATE
    
    SrchDate.value = format(cPOSTDATE, "dd/mm/yyyy")   'pa
    SrchTerminal.Text = cTERMINALID
    
'    If vJournal <> vbNull Then
'        vJournal.SetFocus
        vJournal.TextRTF = GenWorkForm.vJournal.TextRTF
        vJournal.SelStart = Len(vJournal.Text)
        vJournal.SelLength = 0
'    End If
End Sub

Private Sub Form_Resize() 'pa
    If WindowState <> vbMinimized Then
        With SrchFrame
            .Top = 0
            .Left = 0
            .width = Me.ScaleWidth
        End With
        With CmdToolbar
            .Top = Me.ScaleHeight - .height
        End With
        With vJournal
            .Left = 0
            .Top = SrchFrame.height
            .width = Me.ScaleWidth
            .height = CmdToolbar.Top - SrchFrame.height
        End With
    End If
'    With BtnFrame
'        .Top = Me.ScaleHeight - .Height
'        .Left = 0
'        .Width = Me.ScaleWidth
'    End With
'    With vJournal
'        .Left = 0
'        .Top = 0
'        .Width = Me.ScaleWidth
'        .Height = BtnFrame.Top
'    End With
End Sub

Private Sub PrintBtn_Click()
    vJournal.SelPrint (Printer.hdc)
End Sub

Private Sub PrintAll_Cmd_Click()
    On Error GoTo Error_Pos
    MousePointer = vbHourglass
    vJournal.Text = ""
    
    MousePointer = vbDefault
    vJournal.SetFocus
    vJournal.SelStart = Len(vJournal.Text)
    vJournal.SelLength = 0
Error_Pos:
End Sub

Private Sub PrintLcl_Cmd_Click()
    vJournal.SelPrint (Printer.hdc)
End Sub

Private Sub ResetBtn_Click()
    Dim aTerminal As String
    
    aTerminal = cTERMINALID
    
    vJournal.SetFocus
    vJournal.SelStart = Len(vJournal.Text)
    vJournal.SelLength = 0

End Sub

Private Sub SrchBtn_Click()
    Dim aTerminal As String
    Dim res As Boolean
    MousePointer = vbHourglass
    vJournal.Text = ""
    aTerminal = SrchTerminal.Text
    On Error GoTo Error_Pos
    Dim aValue As Integer, bvalue As Integer
    DecodeRange_ SrchTRNNo.Text, aValue, bvalue
    
    If aTerminal <> "" Then
        On Error GoTo HostNotFound
         Dim path As String, filename As String
         path = WorkDir & "\" & WorkstationParams.ComputerName
         
         filename = WorkstationParams.ComputerName & "_" & Replace(SrchDate.value, "/", "_") & ".rtf"
         If ChkXmlFileExistRemote(filename, WorkstationParams.ComputerName) Then
             vJournal.Text = ""
             vJournal.LoadFile (path & "\" & filename)
             vJournal.SelStart = Len(vJournal.Text): vJournal.SelLength = 0
         End If
    End If
    
    vJournal.SetFocus
    vJournal.SelStart = Len(vJournal.Text)
    vJournal.SelLength = 0

    MousePointer = vbDefault
Error_Pos:
    Exit Sub
HostNotFound:
    NBG_MsgBox "Δεν εντοπίστηκε το αρχείο " & path & "... (Α6)  " & error(), True, "ΛΑΘΟΣ"
    Exit Sub

End Sub
Private Sub CmdToolbar_ButtonClick(ByVal Button As MSComctlLib.Button) 'pa
If Button.Key = "PRINT" Then
    vJournal.SelPrint (Printer.hdc)
ElseIf Button.Key = "RETURN" Then
    Unload Me
ElseIf Button.Key = "SAVE" Then
    CommonDialog1.Filter = "All Files (*.*)|*.*|Text " & _
        "Files (*.txt)|*.txt|RTF Files (*.rtf)|*.rtf"
    CommonDialog1.FilterIndex = 0
    CommonDialog1.ShowSave
    vJournal.SaveFile CommonDialog1.filename, rtfText
ElseIf Button.Key = "EMAIL" Then
End If
End Sub

