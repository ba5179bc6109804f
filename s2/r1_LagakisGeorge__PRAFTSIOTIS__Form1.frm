VERSION 5.00
Begin VB.Form form1 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "prom"
   ClientHeight    =   5364
   ClientLeft      =   1314
   ClientTop       =   522
   ClientWidth     =   8892
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
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MDIChild        =   -1  'True
   MinButton       =   0   'False
   ScaleHeight     =   5364
   ScaleWidth      =   8892
   Begin VB.TextBox txtFields 
      DataField       =   "c3"
      Height          =   342
      Index           =   3
      Left            =   2412
      TabIndex        =   28
      Top             =   2844
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "c4"
      Height          =   342
      Index           =   2
      Left            =   2412
      TabIndex        =   27
      Top             =   3240
      Width           =   4050
   End
   Begin VB.PictureBox picButtons 
      Align           =   2  'Align Bottom
      Appearance      =   0  'Flat
      BorderStyle     =   0  'None
      ForeColor       =   &H80000008&
      Height          =   360
      Left            =   0
      ScaleHeight     =   360
      ScaleWidth      =   8892
      TabIndex        =   20
      Top             =   4644
      Width           =   8892
      Begin VB.CommandButton cmdCancel 
         Caption         =   "ÁÊÕÑÏ"
         Height          =   360
         Left            =   2178
         TabIndex        =   26
         Top             =   0
         Visible         =   0   'False
         Width           =   1314
      End
      Begin VB.CommandButton cmdUpdate 
         Caption         =   "ÅÍÇÌÅÑÙÓÇ"
         Height          =   360
         Left            =   6894
         TabIndex        =   25
         Top             =   0
         Visible         =   0   'False
         Width           =   1314
      End
      Begin VB.CommandButton cmdClose 
         Caption         =   "ÊËÅÉÓÉÌÏ"
         Height          =   360
         Left            =   5238
         TabIndex        =   24
         Top             =   0
         Width           =   1314
      End
      Begin VB.CommandButton cmdRefresh 
         Caption         =   "ÁÍÁÍÅÙÓÇ"
         Height          =   360
         Left            =   3510
         TabIndex        =   23
         Top             =   0
         Width           =   1314
      End
      Begin VB.CommandButton cmdDelete 
         Caption         =   "ÄÉÁÃÑÁÖÇ"
         Height          =   360
         Left            =   2010
         TabIndex        =   22
         Top             =   0
         Width           =   1314
      End
      Begin VB.CommandButton cmdAdd 
         Caption         =   "ÍÅÁ ÅÃÃÑÁÖÇ"
         Height          =   360
         Left            =   120
         TabIndex        =   21
         Top             =   0
         Width           =   1800
      End
   End
   Begin VB.PictureBox picStatBox 
      Align           =   2  'Align Bottom
      Appearance      =   0  'Flat
      BorderStyle     =   0  'None
      ForeColor       =   &H80000008&
      Height          =   360
      Left            =   0
      ScaleHeight     =   360
      ScaleWidth      =   8892
      TabIndex        =   14
      Top             =   5004
      Width           =   8892
      Begin VB.CommandButton cmdLast 
         Height          =   360
         Left            =   5454
         Picture         =   "form1.frx":0000
         Style           =   1  'Graphical
         TabIndex        =   18
         Top             =   0
         UseMaskColor    =   -1  'True
         Width           =   414
      End
      Begin VB.CommandButton cmdNext 
         Height          =   360
         Left            =   5040
         Picture         =   "form1.frx":0342
         Style           =   1  'Graphical
         TabIndex        =   17
         Top             =   0
         UseMaskColor    =   -1  'True
         Width           =   414
      End
      Begin VB.CommandButton cmdPrevious 
         Height          =   360
         Left            =   414
         Picture         =   "form1.frx":0684
         Style           =   1  'Graphical
         TabIndex        =   16
         Top             =   0
         UseMaskColor    =   -1  'True
         Width           =   414
      End
      Begin VB.CommandButton cmdFirst 
         Height          =   360
         Left            =   0
         Picture         =   "form1.frx":09C6
         Style           =   1  'Graphical
         TabIndex        =   15
         Top             =   0
         UseMaskColor    =   -1  'True
         Width           =   414
      End
      Begin VB.Label lblStatus 
         BackColor       =   &H00FFFFFF&
         BorderStyle     =   1  'Fixed Single
         Height          =   342
         Left            =   828
         TabIndex        =   19
         Top             =   0
         Width           =   4032
      End
   End
   Begin VB.TextBox txtFields 
      DataField       =   "tk"
      Height          =   342
      Index           =   11
      Left            =   2448
      TabIndex        =   13
      Top             =   2430
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "thl"
      Height          =   342
      Index           =   10
      Left            =   2448
      TabIndex        =   11
      Top             =   2034
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "polh"
      Height          =   342
      Index           =   9
      Left            =   2448
      TabIndex        =   9
      Top             =   1656
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "epo"
      Height          =   342
      Index           =   6
      Left            =   2448
      TabIndex        =   7
      Top             =   1224
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "die"
      Height          =   342
      Index           =   5
      Left            =   2448
      TabIndex        =   5
      Top             =   846
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "c1"
      Height          =   342
      Index           =   1
      Left            =   2448
      TabIndex        =   3
      Top             =   456
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "afm"
      Height          =   342
      Index           =   0
      Left            =   2448
      TabIndex        =   1
      Top             =   72
      Width           =   4050
   End
   Begin VB.Label lblLabels 
      Caption         =   "Êùä.ÐåëÜôç"
      Height          =   306
      Index           =   3
      Left            =   108
      TabIndex        =   30
      Top             =   2844
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Õðïê.ÐåëÜôç"
      Height          =   306
      Index           =   2
      Left            =   108
      TabIndex        =   29
      Top             =   3240
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Ôá÷.Êùäéêüò"
      Height          =   306
      Index           =   11
      Left            =   144
      TabIndex        =   12
      Top             =   2430
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "ÔçëÝöùíï"
      Height          =   306
      Index           =   10
      Left            =   144
      TabIndex        =   10
      Top             =   2034
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Ðüëç"
      Height          =   306
      Index           =   9
      Left            =   144
      TabIndex        =   8
      Top             =   1656
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Åðùíõìßá"
      Height          =   306
      Index           =   6
      Left            =   144
      TabIndex        =   6
      Top             =   1224
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Äéåýèõíóç"
      Height          =   306
      Index           =   5
      Left            =   144
      TabIndex        =   4
      Top             =   846
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Áñéèìüò Ëïãáñéáóìïý"
      Height          =   306
      Index           =   1
      Left            =   144
      TabIndex        =   2
      Top             =   456
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Á.Ö.Ì."
      Height          =   306
      Index           =   0
      Left            =   144
      TabIndex        =   0
      Top             =   72
      Width           =   2178
   End
End
Attribute VB_Name = "form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim WithEvents adoPrimaryRS As Recordset
Attribute adoPrimaryRS.VB_VarHelpID = -1
Dim mbChangedByCode As Boolean
Dim mvBookMark As Variant
Dim mbEditFlag As Boolean
Dim mbAddNewFlag As Boolean
Dim mbDataChanged As Boolean

Private Sub Form_Load()
  Dim db As Connection
  Set db = New Connection
  db.CursorLocation = adUseClient
  db.Open gConnect ' "PROVIDER=Microsoft.Jet.OLEDB.3.51;Data Source=C:\salonika\taxypliromes.mdb;"

  Set adoPrimaryRS = New Recordset
  adoPrimaryRS.Open "select * from prom order by epo", db, adOpenStatic, adLockOptimistic

  Dim oText As TextBox
  'Bind the text boxes to the data provider
  For Each oText In Me.txtFields
    Set oText.DataSource = adoPrimaryRS
  Next

  mbDataChanged = False
End Sub

Private Sub Form_Resize()
  On Error Resume Next
  lblStatus.Width = Me.Width - 1500
  cmdNext.Left = lblStatus.Width + 700
  cmdLast.Left = cmdNext.Left + 340
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)
  If mbEditFlag Or mbAddNewFlag Then Exit Sub

  Select Case KeyCode
    Case vbKeyEscape
      cmdClose_Click
    Case vbKeyEnd
      cmdLast_Click
    Case vbKeyHome
      cmdFirst_Click
    Case vbKeyUp, vbKeyPageUp
      If Shift = vbCtrlMask Then
        cmdFirst_Click
      Else
        cmdPrevious_Click
      End If
    Case vbKeyDown, vbKeyPageDown
      If Shift = vbCtrlMask Then
        cmdLast_Click
      Else
        cmdNext_Click
      End If
  End Select
End Sub

Private Sub Form_Unload(Cancel As Integer)
  Screen.MousePointer = vbDefault
End Sub

Private Sub adoPrimaryRS_MoveComplete(ByVal adReason As ADODB.EventReasonEnum, ByVal pError As ADODB.Error, adStatus As ADODB.EventStatusEnum, ByVal pRecordset As ADODB.Recordset)
  'This will display the current record position for this recordset
  lblStatus.Caption = "Record: " & CStr(adoPrimaryRS.AbsolutePosition)
End Sub

Private Sub adoPrimaryRS_WillChangeRecord(ByVal adReason As ADODB.EventReasonEnum, ByVal cRecords As Long, adStatus As ADODB.EventStatusEnum, ByVal pRecordset As ADODB.Recordset)
  'This is where you put validation code
  'This event gets called when the following actions occur
  Dim bCancel As Boolean

  Select Case adReason
  Case adRsnAddNew
  Case adRsnClose
  Case adRsnDelete
  Case adRsnFirstChange
  Case adRsnMove
  Case adRsnRequery
  Case adRsnResynch
  Case adRsnUndoAddNew
  Case adRsnUndoDelete
  Case adRsnUndoUpdate
  Case adRsnUpdate
  End Select

  If bCancel Then adStatus = adStatusCancel
End Sub

Private Sub cmdAdd_Click()
  On Error GoTo AddErr
  With adoPrimaryRS
    If Not (.BOF And .EOF) Then
      mvBookMark = .Bookmark
    End If
    .AddNew
    lblStatus.Caption = "Add record"
    mbAddNewFlag = True
    SetButtons False
  End With

  Exit Sub
AddErr:
  MsgBox Err.Description
End Sub

Private Sub cmdDelete_Click()
  On Error GoTo DeleteErr
  Dim ans
  ans = MsgBox("Åßóáé óßãïõñïò; ", vbYesNo)
  If ans = vbNo Then Exit Sub
  
  
  
  With adoPrimaryRS
    .Delete
    .MoveNext
    If .EOF Then .MoveLast
  End With
  Exit Sub
DeleteErr:
  MsgBox Err.Description
End Sub

Private Sub cmdRefresh_Click()
  'This is only needed for multi user apps
  On Error GoTo RefreshErr
  adoPrimaryRS.Requery
  Exit Sub
RefreshErr:
  MsgBox Err.Description
End Sub

Private Sub cmdEdit_Click()
  On Error GoTo EditErr

  lblStatus.Caption = "Edit record"
  mbEditFlag = True
  SetButtons False
  Exit Sub

EditErr:
  MsgBox Err.Description
End Sub
Private Sub cmdCancel_Click()
  On Error Resume Next

  SetButtons True
  mbEditFlag = False
  mbAddNewFlag = False
  adoPrimaryRS.CancelUpdate
  If mvBookMark > 0 Then
    adoPrimaryRS.Bookmark = mvBookMark
  Else
    adoPrimaryRS.MoveFirst
  End If
  mbDataChanged = False

End Sub

Private Sub cmdUpdate_Click()
  On Error GoTo UpdateErr

  adoPrimaryRS.UpdateBatch adAffectAll

  If mbAddNewFlag Then
    adoPrimaryRS.MoveLast              'move to the new record
  End If

  mbEditFlag = False
  mbAddNewFlag = False
  SetButtons True
  mbDataChanged = False

  Exit Sub
UpdateErr:
  MsgBox Err.Description
End Sub

Private Sub cmdClose_Click()
  Unload Me
End Sub

Private Sub cmdFirst_Click()
  On Error GoTo GoFirstError

  adoPrimaryRS.MoveFirst
  mbDataChanged = False

  Exit Sub

GoFirstError:
  MsgBox Err.Description
End Sub

Private Sub cmdLast_Click()
  On Error GoTo GoLastError

  adoPrimaryRS.MoveLast
  mbDataChanged = False

  Exit Sub

GoLastError:
  MsgBox Err.Description
End Sub

Private Sub cmdNext_Click()
  On Error GoTo GoNextError

  If Not adoPrimaryRS.EOF Then adoPrimaryRS.MoveNext
  If adoPrimaryRS.EOF And adoPrimaryRS.RecordCount > 0 Then
    Beep
     'moved off the end so go back
    adoPrimaryRS.MoveLast
  End If
  'show the current record
  mbDataChanged = False

  Exit Sub
GoNextError:
  MsgBox Err.Description
End Sub

Private Sub cmdPrevious_Click()
  On Error GoTo GoPrevError

  If Not adoPrimaryRS.BOF Then adoPrimaryRS.MovePrevious
  If adoPrimaryRS.BOF And adoPrimaryRS.RecordCount > 0 Then
    Beep
    'moved off the end so go back
    adoPrimaryRS.MoveFirst
  End If
  'show the current record
  mbDataChanged = False

  Exit Sub

GoPrevError:
  MsgBox Err.Description
End Sub

Private Sub SetButtons(bVal As Boolean)
  cmdAdd.Visible = bVal
  cmdUpdate.Visible = Not bVal
  cmdCancel.Visible = Not bVal
  cmdDelete.Visible = bVal
  cmdClose.Visible = bVal
  cmdRefresh.Visible = bVal
  cmdNext.Enabled = bVal
  cmdFirst.Enabled = bVal
  cmdLast.Enabled = bVal
  cmdPrevious.Enabled = bVal
End Sub

