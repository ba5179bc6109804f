VERSION 5.00
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Begin VB.Form frmSetup 
   Caption         =   "AIP New Game Setup"
   ClientHeight    =   8100
   ClientLeft      =   1422
   ClientTop       =   1278
   ClientWidth     =   5796
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "frmSetup.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   8100
   ScaleWidth      =   5796
   Begin VB.CommandButton cmdSetup 
      Caption         =   "Setup Game Pieces"
      Height          =   522
      Left            =   3096
      TabIndex        =   38
      Top             =   6336
      Width           =   2466
   End
   Begin VB.CheckBox chkGridRefOn 
      Caption         =   "Grid Reference Numbers ON"
      Height          =   450
      Left            =   72
      TabIndex        =   37
      Top             =   6336
      Width           =   2826
   End
   Begin VB.HScrollBar hsbGameType 
      Height          =   378
      Left            =   2376
      Max             =   2
      Min             =   1
      TabIndex        =   36
      Top             =   144
      Value           =   1
      Width           =   738
   End
   Begin VB.Frame fraRandom 
      Caption         =   "Randomized Pattern"
      Height          =   1746
      Left            =   72
      TabIndex        =   30
      Top             =   4464
      Width           =   5490
      Begin VB.HScrollBar hsbRandomNum 
         Height          =   378
         Left            =   3888
         TabIndex        =   35
         Top             =   1224
         Width           =   738
      End
      Begin VB.TextBox txtRandomNum 
         Height          =   378
         Left            =   3024
         Locked          =   -1  'True
         TabIndex        =   34
         Top             =   1224
         Width           =   666
      End
      Begin VB.OptionButton optRandomOff 
         Caption         =   "Randomization OFF"
         Height          =   450
         Left            =   216
         TabIndex        =   32
         Top             =   720
         Width           =   2106
      End
      Begin VB.OptionButton optRandomOn 
         Caption         =   "Randomization ON"
         Height          =   378
         Left            =   216
         TabIndex        =   31
         Top             =   360
         Width           =   2106
      End
      Begin VB.Label Label9 
         Caption         =   "Number of Cells to Randomize:"
         Height          =   306
         Left            =   288
         TabIndex        =   33
         Top             =   1224
         Width           =   2682
      End
   End
   Begin VB.HScrollBar hsbCols 
      Height          =   378
      Left            =   2736
      TabIndex        =   29
      Top             =   1008
      Width           =   954
   End
   Begin VB.HScrollBar hsbRows 
      Height          =   378
      Left            =   2736
      TabIndex        =   28
      Top             =   576
      Width           =   954
   End
   Begin VB.Frame fraCheckerBoard 
      Caption         =   "CheckerBoard"
      Height          =   1602
      Left            =   72
      TabIndex        =   17
      Top             =   2808
      Width           =   5490
      Begin VB.HScrollBar hsbCheckerType 
         Height          =   378
         Left            =   3240
         Max             =   2
         Min             =   1
         TabIndex        =   26
         Top             =   1080
         Value           =   1
         Width           =   666
      End
      Begin VB.TextBox txtCheckerboardType 
         Height          =   378
         Left            =   2664
         Locked          =   -1  'True
         TabIndex        =   25
         Top             =   1080
         Width           =   522
      End
      Begin VB.PictureBox Picture4 
         Height          =   378
         Left            =   2952
         ScaleHeight     =   306
         ScaleWidth      =   306
         TabIndex        =   24
         Top             =   648
         Width           =   378
      End
      Begin VB.PictureBox Picture3 
         Height          =   378
         Left            =   3312
         ScaleHeight     =   306
         ScaleWidth      =   306
         TabIndex        =   23
         Top             =   288
         Width           =   378
      End
      Begin VB.PictureBox Picture2 
         Height          =   378
         Left            =   3312
         ScaleHeight     =   306
         ScaleWidth      =   306
         TabIndex        =   22
         Top             =   648
         Width           =   378
      End
      Begin VB.PictureBox Picture1 
         Height          =   378
         Left            =   2952
         ScaleHeight     =   306
         ScaleWidth      =   306
         TabIndex        =   21
         Top             =   288
         Width           =   378
      End
      Begin VB.OptionButton optCheckerBoardOff 
         Caption         =   "Checkerboard OFF"
         Height          =   594
         Left            =   216
         TabIndex        =   19
         Top             =   576
         Width           =   2034
      End
      Begin VB.OptionButton optCheckerBoardOn 
         Caption         =   "Checkerboard ON"
         Height          =   378
         Left            =   216
         TabIndex        =   18
         Top             =   288
         Width           =   2178
      End
      Begin VB.Label Label8 
         Caption         =   "Top Left Corner Grid Color Pattern"
         Height          =   738
         Left            =   3816
         TabIndex        =   27
         Top             =   288
         Width           =   1386
      End
      Begin VB.Label Label7 
         Caption         =   "Checkerboard Type (1 or 2):"
         Height          =   378
         Left            =   216
         TabIndex        =   20
         Top             =   1152
         Width           =   2466
      End
   End
   Begin VB.PictureBox picSelectedColor 
      Height          =   378
      Left            =   4032
      ScaleHeight     =   306
      ScaleWidth      =   306
      TabIndex        =   16
      Top             =   2304
      Width           =   378
   End
   Begin VB.TextBox txtSelectedColor 
      Height          =   378
      Left            =   2520
      TabIndex        =   15
      Top             =   2304
      Width           =   1458
   End
   Begin VB.PictureBox picCellInverseColor 
      Height          =   378
      Left            =   4032
      ScaleHeight     =   306
      ScaleWidth      =   306
      TabIndex        =   13
      Top             =   1872
      Width           =   378
   End
   Begin VB.PictureBox picCellColor 
      Height          =   378
      Left            =   4032
      ScaleHeight     =   306
      ScaleWidth      =   306
      TabIndex        =   12
      Top             =   1440
      Width           =   378
   End
   Begin VB.TextBox txtCellInverseColor 
      Height          =   378
      Left            =   2520
      TabIndex        =   11
      Top             =   1872
      Width           =   1458
   End
   Begin MSComDlg.CommonDialog dlgColor 
      Left            =   72
      Top             =   6840
      _ExtentX        =   1016
      _ExtentY        =   1016
      _Version        =   393216
   End
   Begin VB.TextBox txtCellColor 
      Height          =   378
      Left            =   2520
      TabIndex        =   9
      Top             =   1440
      Width           =   1458
   End
   Begin VB.TextBox txtCols 
      Height          =   378
      Left            =   2160
      Locked          =   -1  'True
      TabIndex        =   7
      Top             =   1008
      Width           =   450
   End
   Begin VB.TextBox txtRows 
      Height          =   378
      Left            =   2160
      Locked          =   -1  'True
      TabIndex        =   5
      Top             =   576
      Width           =   450
   End
   Begin VB.TextBox txtGameType 
      Height          =   378
      Left            =   1800
      TabIndex        =   3
      Top             =   144
      Width           =   450
   End
   Begin VB.CommandButton frmCancel 
      Caption         =   "Cancel"
      Height          =   522
      Left            =   4320
      TabIndex        =   1
      Top             =   6912
      Width           =   1242
   End
   Begin VB.CommandButton frmOK 
      Caption         =   "OK"
      Height          =   522
      Left            =   4320
      TabIndex        =   0
      Top             =   7488
      Width           =   1242
   End
   Begin VB.Label Label6 
      Caption         =   "Pattern Selected Cell Color:"
      Height          =   306
      Left            =   72
      TabIndex        =   14
      Top             =   2376
      Width           =   2394
   End
   Begin VB.Label Label5 
      Caption         =   "Pattern Inverse Cell Color:"
      Height          =   306
      Left            =   72
      TabIndex        =   10
      Top             =   1944
      Width           =   2250
   End
   Begin VB.Label Label4 
      Caption         =   "Pattern Cell Color:"
      Height          =   306
      Left            =   72
      TabIndex        =   8
      Top             =   1512
      Width           =   1746
   End
   Begin VB.Label Label3 
      Caption         =   "Columns (1 through 15):"
      Height          =   306
      Left            =   72
      TabIndex        =   6
      Top             =   1080
      Width           =   2034
   End
   Begin VB.Label Label2 
      Caption         =   "Rows (1 through 15):"
      Height          =   306
      Left            =   72
      TabIndex        =   4
      Top             =   648
      Width           =   1962
   End
   Begin VB.Label Label1 
      Caption         =   "Game Type (1 or 2):"
      Height          =   306
      Left            =   72
      TabIndex        =   2
      Top             =   216
      Width           =   1746
   End
End
Attribute VB_Name = "frmSetup"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit


Private Sub cmdSetup_Click()
  
  'don't allow for game type 2
  If hsbGameType = 2 Then
    MsgBox AI.FullName & " " & AI.Version & " does not support Type 2 games."
    Exit Sub
  End If

  'must be game type 1
  frmSymbols.Show
End Sub

'load existing game variables into controls
Private Sub Form_Load()
  
  'control defaults
  hsbRows.Min = MIN_ROWS
  hsbRows.Max = MAX_ROWS
  hsbCols.Min = MIN_COLS
  hsbCols.Max = MAX_COLS
  hsbRandomNum.Min = 1
  hsbRandomNum.Max = MAX_ROWS * MAX_COLS
  
  'game type
  txtGameType.Text = CStr(Game.Type)
  hsbGameType.Value = Game.Type
  
  'rows and column
  hsbRows.Value = Game.Rows
  hsbCols.Value = Game.Cols
  txtRows.Text = CStr(Game.Rows)
  txtCols.Text = CStr(Game.Cols)
  
  'cell colors
  txtCellColor.Text = CStr(Game.PatternColor)
  picCellColor.BackColor = Game.PatternColor
  txtCellInverseColor.Text = CStr(Game.PatternColorInverse)
  picCellInverseColor.BackColor = Game.PatternColorInverse
  txtSelectedColor.Text = CStr(Game.PatternColorSelected)
  picSelectedColor.BackColor = Game.PatternColorSelected
  
  'checkerboard type
  hsbCheckerType.Value = Game.PatternCheckerboardType
  txtCheckerboardType.Text = CStr(Game.PatternCheckerboardType)
  
  If Game.PatternCheckerboardOn = True Then
    optCheckerBoardOn.Value = True
    If Game.Type = 1 Then
      Picture1.BackColor = Game.PatternColorInverse
      Picture2.BackColor = Game.PatternColorInverse
      Picture3.BackColor = Game.PatternColor
      Picture4.BackColor = Game.PatternColor
    Else
      Picture1.BackColor = Game.PatternColor
      Picture2.BackColor = Game.PatternColor
      Picture3.BackColor = Game.PatternColorInverse
      Picture4.BackColor = Game.PatternColorInverse
    End If
  Else
    optCheckerBoardOff.Value = True
    Picture1.Enabled = False
    Picture2.Enabled = False
    Picture3.Enabled = False
    Picture4.Enabled = False
  End If
  
  'randomization
  If Game.PatternRandomOn = True Then
    optRandomOn.Value = True
    hsbRandomNum.Value = Game.PatternRandomValue
    txtRandomNum.Text = CStr(hsbRandomNum.Value)
  Else
    optRandomOff.Value = True
  End If
  
  'grid reference
  If Game.GridReferenceOn = True Then
    chkGridRefOn.Value = vbChecked
  Else
    chkGridRefOn.Value = vbUnchecked
  End If
  
  
End Sub

Private Sub frmCancel_Click()
  Unload Me 'no changes
End Sub

Private Sub frmOK_Click()
  Game.Type = hsbGameType.Value
  Game.Rows = hsbRows.Value
  Game.Cols = hsbCols.Value
  
  'update variables of convenience
  gnRows = Game.Rows
  gnCols = Game.Cols
  gnTotalCells = gnRows * gnCols

  'pattern colors
  Game.PatternColor = picCellColor.BackColor
  Game.PatternColorInverse = picCellInverseColor.BackColor
  Game.PatternColorSelected = picSelectedColor.BackColor
  Game.PatternCheckerboardType = hsbCheckerType
  
  'checkerboard
  If optCheckerBoardOn.Value = True Then
    Game.PatternCheckerboardOn = True
  Else
    Game.PatternCheckerboardOn = False
  End If
  Game.PatternCheckerboardType = hsbCheckerType.Value
  
  'random pattern
  If optRandomOn.Value = True Then
    Game.PatternRandomOn = True
    Game.PatternRandomValue = hsbRandomNum.Value
  Else
    Game.PatternRandomOn = False
  End If
      
  'grid ref
  If chkGridRefOn.Value = vbChecked Then
    Game.GridReferenceOn = True
  Else
    Game.GridReferenceOn = False
  End If
  
  'alerts AIP to save file
  AI.GameChanged = True
  AI.FileExists = False
  
  Unload Me
  frmMain.DrawGrid
End Sub

Private Sub hsbCheckerType_Change()
txtCheckerboardType.Text = CStr(hsbCheckerType.Value)
  
If CInt(txtCheckerboardType.Text) = 1 Then
  Picture1.BackColor = CLng(txtCellInverseColor.Text)
  Picture2.BackColor = CLng(txtCellInverseColor.Text)
  Picture3.BackColor = CLng(txtCellColor.Text)
  Picture4.BackColor = CLng(txtCellColor.Text)

Else
  Picture1.BackColor = CLng(txtCellColor.Text)
  Picture2.BackColor = CLng(txtCellColor.Text)
  Picture3.BackColor = CLng(txtCellInverseColor.Text)
  Picture4.BackColor = CLng(txtCellInverseColor.Text)
  
End If

End Sub

Private Sub hsbCols_Change()
  txtCols.Text = CStr(hsbCols.Value)
End Sub

Private Sub hsbGameType_Change()
  txtGameType.Text = CStr(hsbGameType.Value)
End Sub

Private Sub hsbRandomNum_Change()
 ' hsbRandomNum.Max = CInt(txtRows) * CInt(txtCols)
  txtRandomNum.Text = CStr(hsbRandomNum.Value)
End Sub

Private Sub hsbRows_Change()
  txtRows.Text = CStr(hsbRows.Value)
End Sub

Private Sub optCheckerBoardOff_Click()
    Picture1.Enabled = False
    Picture2.Enabled = False
    Picture3.Enabled = False
    Picture4.Enabled = False

End Sub

Private Sub optCheckerBoardOn_Click()
    Picture1.Enabled = True
    Picture2.Enabled = True
    Picture3.Enabled = True
    Picture4.Enabled = True

End Sub

Private Sub picCellColor_Click()
  On Error GoTo MyError
  dlgColor.CancelError = True
  dlgColor.ShowColor
  
  txtCellColor.Text = CStr(dlgColor.Color)
  picCellColor.BackColor = dlgColor.Color
  If CInt(txtCheckerboardType.Text) = 1 Then
    Picture1.BackColor = CLng(txtCellInverseColor.Text)
    Picture2.BackColor = CLng(txtCellInverseColor.Text)
    Picture3.BackColor = CLng(txtCellColor.Text)
    Picture4.BackColor = CLng(txtCellColor.Text)
  Else
    Picture1.BackColor = CLng(txtCellColor.Text)
    Picture2.BackColor = CLng(txtCellColor.Text)
    Picture3.BackColor = CLng(txtCellInverseColor.Text)
    Picture4.BackColor = CLng(txtCellInverseColor.Text)
  End If
MyError:
End Sub

Private Sub picCellInverseColor_Click()
  On Error GoTo MyError
  dlgColor.CancelError = True
  dlgColor.ShowColor
  txtCellInverseColor.Text = CStr(dlgColor.Color)
  picCellInverseColor.BackColor = dlgColor.Color
  If CInt(txtCheckerboardType.Text) = 1 Then
    Picture1.BackColor = CLng(txtCellInverseColor.Text)
    Picture2.BackColor = CLng(txtCellInverseColor.Text)
    Picture3.BackColor = CLng(txtCellColor.Text)
    Picture4.BackColor = CLng(txtCellColor.Text)
  Else
    Picture1.BackColor = CLng(txtCellColor.Text)
    Picture2.BackColor = CLng(txtCellColor.Text)
    Picture3.BackColor = CLng(txtCellInverseColor.Text)
    Picture4.BackColor = CLng(txtCellInverseColor.Text)
  End If
MyError:
End Sub

Private Sub picSelectedColor_Click()
  On Error GoTo MyError
  dlgColor.CancelError = True
  dlgColor.ShowColor
  txtSelectedColor.Text = CStr(dlgColor.Color)
  picSelectedColor.BackColor = dlgColor.Color
  If CInt(txtCheckerboardType.Text) = 1 Then
    Picture1.BackColor = CLng(txtCellInverseColor.Text)
    Picture2.BackColor = CLng(txtCellInverseColor.Text)
    Picture3.BackColor = CLng(txtCellColor.Text)
    Picture4.BackColor = CLng(txtCellColor.Text)
  Else
    Picture1.BackColor = CLng(txtCellColor.Text)
    Picture2.BackColor = CLng(txtCellColor.Text)
    Picture3.BackColor = CLng(txtCellInverseColor.Text)
    Picture4.BackColor = CLng(txtCellInverseColor.Text)
  End If
MyError:
End Sub
