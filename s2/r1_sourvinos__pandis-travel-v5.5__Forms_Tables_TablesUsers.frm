VERSION 5.00
Object = "{396F7AC0-A0DD-11D3-93EC-00C0DFE7442A}#1.0#0"; "ImageList.ocx"
Object = "{158C2A77-1CCD-44C8-AF42-AA199C5DCC6C}#1.0#0"; "dcButton.ocx"
Object = "{839D0F5D-B7D7-41B7-A3B4-85D69300B8C1}#98.0#0"; "iGrid300_10Tec.ocx"
Object = "{FFE4AEB4-0D55-4004-ADF2-3C1C84D17A72}#1.0#0"; "userControls.ocx"
Begin VB.Form TablesUsers 
   Appearance      =   0  'Flat
   BackColor       =   &H00E0E0E0&
   BorderStyle     =   0  'None
   ClientHeight    =   10764
   ClientLeft      =   18
   ClientTop       =   18
   ClientWidth     =   16164
   ControlBox      =   0   'False
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
   MinButton       =   0   'False
   ScaleHeight     =   10764
   ScaleWidth      =   16164
   ShowInTaskbar   =   0   'False
   Begin VB.Frame frmButtonFrame 
      BackColor       =   &H00FF8080&
      BorderStyle     =   0  'None
      Height          =   828
      Left            =   90
      TabIndex        =   11
      Top             =   9450
      Width           =   9018
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   0
         Left            =   270
         TabIndex        =   12
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Δημιουργία"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   4
         Left            =   7110
         TabIndex        =   13
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   8421631
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Κλείσιμο"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   1
         Left            =   1980
         TabIndex        =   14
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Αποθήκευση"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   2
         Left            =   3690
         TabIndex        =   15
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Διαγραφή"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   3
         Left            =   5400
         TabIndex        =   16
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Ακυρο"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
   End
   Begin VB.Frame frmInfo 
      Appearance      =   0  'Flat
      BackColor       =   &H8000000D&
      BorderStyle     =   0  'None
      ForeColor       =   &H80000008&
      Height          =   1278
      Left            =   9540
      TabIndex        =   8
      Top             =   7470
      Width           =   5418
      Begin VB.TextBox Text2 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   90
         TabIndex        =   10
         TabStop         =   0   'False
         Text            =   "Users.UserID"
         Top             =   90
         Width           =   4248
      End
      Begin VB.TextBox txtUserID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   4410
         TabIndex        =   9
         TabStop         =   0   'False
         Top             =   90
         Width           =   936
      End
      Begin vbalIml6.vbalImageList lstIconList 
         Left            =   90
         Top             =   540
         _ExtentX        =   1144
         _ExtentY        =   1144
         Size            =   2296
         Images          =   "TablesUsers.frx":0000
         Version         =   131072
         KeyCount        =   2
         Keys            =   "ÿ"
      End
   End
   Begin iGrid300_10Tec.iGrid grdUsers 
      Height          =   7488
      Left            =   9450
      TabIndex        =   6
      TabStop         =   0   'False
      Top             =   1350
      Width           =   5598
      _ExtentX        =   9875
      _ExtentY        =   13208
      Appearance      =   0
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   -2147483631
   End
   Begin UserControls.newText txtUserName 
      Height          =   558
      Left            =   2970
      TabIndex        =   1
      Top             =   1350
      Width           =   5958
      _ExtentX        =   10510
      _ExtentY        =   984
      ForeColor       =   4194304
      MaxLength       =   40
      Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
      BackColor       =   0
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Ubuntu Condensed"
         Size            =   13.5
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin UserControls.newText txtPassword 
      Height          =   558
      Left            =   2970
      TabIndex        =   2
      Top             =   1980
      Width           =   1998
      _ExtentX        =   3524
      _ExtentY        =   984
      Alignment       =   2
      ForeColor       =   4194304
      MaxLength       =   10
      PasswordChar    =   "*"
      Text            =   "ΑΑΑΑΑΑΑΑΑΑ"
      BackColor       =   0
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Ubuntu Condensed"
         Size            =   13.5
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin UserControls.newText txtRepeatPassword 
      Height          =   558
      Left            =   2970
      TabIndex        =   3
      Top             =   2610
      Width           =   1998
      _ExtentX        =   3524
      _ExtentY        =   984
      Alignment       =   2
      ForeColor       =   4194304
      MaxLength       =   10
      PasswordChar    =   "*"
      Text            =   "ΑΑΑΑΑΑΑΑΑΑ"
      BackColor       =   0
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Ubuntu Condensed"
         Size            =   13.5
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1368
      Index           =   4
      Left            =   9450
      Top             =   0
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1368
      Index           =   3
      Left            =   2970
      Top             =   0
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape Shape1 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   648
      Left            =   9360
      Top             =   8820
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1008
      Index           =   2
      Left            =   8910
      Top             =   1440
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1008
      Index           =   1
      Left            =   2430
      Top             =   1440
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1008
      Index           =   0
      Left            =   0
      Top             =   1440
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpBottomEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   468
      Left            =   7290
      Top             =   10260
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Shape shpRightEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1008
      Left            =   15030
      Top             =   4860
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Label lblTitle 
      AutoSize        =   -1  'True
      BackColor       =   &H00800000&
      BackStyle       =   0  'Transparent
      Caption         =   "Χρήστες"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   36
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000080FF&
      Height          =   864
      Left            =   270
      TabIndex        =   7
      Top             =   90
      Width           =   2268
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Επιβεβαίωση κωδικού"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00FFFFFF&
      Height          =   378
      Index           =   3
      Left            =   540
      TabIndex        =   5
      Top             =   2700
      Width           =   1908
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Κωδικός"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00FFFFFF&
      Height          =   378
      Index           =   0
      Left            =   540
      TabIndex        =   4
      Top             =   2070
      Width           =   1908
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Όνομα"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00FFFFFF&
      Height          =   378
      Index           =   2
      Left            =   540
      TabIndex        =   0
      Top             =   1440
      Width           =   1908
   End
   Begin VB.Shape shpBackground 
      BackColor       =   &H00C0FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1008
      Left            =   0
      Top             =   0
      Width           =   1008
   End
   Begin VB.Menu mnuHdrPopUp 
      Caption         =   "mnuHdrPopUp"
      Visible         =   0   'False
      Begin VB.Menu mnuΑποθήκευσηΠλάτουςΣτηλών 
         Caption         =   "Αποθήκευση πλάτους στηλών"
      End
   End
End
Attribute VB_Name = "TablesUsers"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
 
Dim blnStatus As Boolean
Dim lngSelectedRow As Long

Private Function AbortProcedure(blnStatus)
    
    If Not blnStatus Then
        If MyMsgBox(3, strApplicationName, strStandardMessages(3), 2) Then
            blnStatus = False
            ClearFields txtUserID, txtUserName, txtPassword, txtRepeatPassword
            DisableFields txtUserName, txtPassword, txtRepeatPassword
            grdUsers.SetFocus
            UpdateButtons Me, 4, 1, 0, 0, 0, 1
        End If
        Exit Function
    End If
    
    If blnStatus Then
        Unload Me
    End If
    
End Function

Private Function DeleteRecord()
    
    If MainDeleteRecord("UsersDB", "Users", strApplicationName, "UserID", txtUserID.text, "True") Then
        PopulateGrid
        HighlightRow grdUsers, lngSelectedRow, 1, "", True
        ClearFields txtUserID, txtUserName, txtPassword, txtRepeatPassword
        DisableFields txtUserName, txtPassword, txtRepeatPassword
        UpdateButtons Me, 4, 1, 0, 0, 0, 1
    End If

End Function

Private Function PopulateGrid()

    If FillGridFromDB("UsersDB", grdUsers, "Users", "", "", "", 2, 0, 1) Then
        grdUsers.SetFocus
        grdUsers.SetCurCell 1, 1
    End If

End Function

Private Function NewRecord()
    
    blnStatus = True
    ClearFields txtUserID, txtUserName, txtPassword, txtRepeatPassword
    EnableFields txtUserName, txtPassword, txtRepeatPassword
    UpdateButtons Me, 4, 0, 1, 0, 1, 0
    txtUserName.SetFocus

End Function

Private Function SaveRecord()
    
    If Not ValidateFields Then Exit Function

    If MainSaveRecord("UsersDB", "Users", blnStatus, strApplicationName, "UserID", txtUserID.text, txtUserName.text, HashPassword(txtUserName.text, txtPassword.text)) <> 0 Then
        PopulateGrid
        HighlightRow grdUsers, lngSelectedRow, 2, txtUserName.text, True
        lngSelectedRow = 0
        ClearFields txtUserID, txtUserName, txtPassword, txtRepeatPassword
        DisableFields txtUserName, txtPassword, txtRepeatPassword
        UpdateButtons Me, 4, 1, 0, 0, 0, 1
    Else
        DisplayErrorMessage True, strStandardMessages(5)
    End If

End Function

Private Function SeekRecord()

    Dim blnEnableDelete As Boolean
    
    If grdUsers.RowCount = 0 Then Exit Function
    
    ClearFields txtUserID, txtUserName, txtPassword, txtRepeatPassword
    DisableFields txtUserName, txtPassword, txtRepeatPassword
    
    blnEnableDelete = IIf(grdUsers.RowCount > 1, 1, 0)
    
    If MainSeekRecord("UsersDB", "Users", "UserID", grdUsers.CellValue(grdUsers.CurRow, 1), True, txtUserID, txtUserName) Then
        blnStatus = False
        lngSelectedRow = grdUsers.CurRow
        EnableFields txtUserName, txtPassword, txtRepeatPassword
        UpdateButtons Me, 4, 0, 1, blnEnableDelete, 1, 0
        txtUserName.SetFocus
    End If
    
End Function

Private Sub cmdButton_Click(index As Integer)
                                                                
    Select Case index
        Case 0
            NewRecord
        Case 1
            SaveRecord
        Case 2
            DeleteRecord
        Case 3
            AbortProcedure False
        Case 4
            AbortProcedure True
    End Select

End Sub

Private Sub Form_Activate()

    If Me.Tag = "True" Then
        Me.Tag = "False"
        AddColumnsToGrid grdUsers, False, 25, GetSetting(strApplicationName, "Layout Strings", "grdUsers"), "04NCIID,40NLNName", "ID,Ονομα"
        Me.Refresh
        PopulateGrid
    End If

    'AddDummyLines grdUsers, "99999", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAΑΑΑΑΑΑΑΑΑΑ"

End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)

    CheckFunctionKeys KeyCode, Shift
    
    KeyCode = ResetKeyCode(KeyCode, Shift)
    
End Sub

Private Function CheckFunctionKeys(KeyCode, Shift)
    
    Dim ShiftDown, AltDown, CtrlDown
    
    ShiftDown = (Shift And vbShiftMask) > 0
    AltDown = (Shift And vbAltMask) > 0
    CtrlDown = (Shift And vbCtrlMask) > 0
    
    Select Case KeyCode
        Case vbKeyInsert And cmdButton(0).Enabled, vbKeyN And CtrlDown And cmdButton(0).Enabled
            cmdButton_Click 0
        Case vbKeyF10 And cmdButton(1).Enabled, vbKeyS And CtrlDown And cmdButton(1).Enabled
            cmdButton_Click 1
        Case vbKeyF3 And cmdButton(2).Enabled, vbKeyD And CtrlDown And cmdButton(2).Enabled
            cmdButton_Click 2
        Case vbKeyEscape
            If cmdButton(3).Enabled Then cmdButton_Click 3: Exit Function
            If cmdButton(4).Enabled Then cmdButton_Click 4
        Case vbKeyF12 And CtrlDown
            ToggleInfoPanel Me
    End Select

End Function

Private Sub Form_Load()

    UpdateColors Me, False
    SetUpGrid lstIconList, grdUsers
    ClearFields txtUserID, txtUserName, txtPassword, txtRepeatPassword
    DisableFields txtUserName, txtPassword, txtRepeatPassword
    UpdateButtons Me, 4, 1, 0, 0, 0, 1

End Sub

Private Sub grdUsers_DblClick(ByVal lRow As Long, ByVal lCol As Long, bRequestEdit As Boolean)

    SeekRecord

End Sub

Private Sub grdUsers_HeaderRightClick(ByVal lCol As Long, ByVal Shift As Integer, ByVal X As Long, ByVal Y As Long)

    PopupMenu mnuHdrPopUp

End Sub

Private Sub grdUsers_KeyPress(KeyAscii As Integer)

    If KeyAscii = vbKeyReturn Then SeekRecord
    
End Sub

Private Sub mnuΑποθήκευσηΠλάτουςΣτηλών_Click()
    
    SaveSetting strApplicationName, "Layout Strings", "grdUsers", grdUsers.LayoutCol

End Sub

Private Function ValidateFields()

    ValidateFields = False
    
    'Χρήστης
    If Len(Trim(txtUserName.text)) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtUserName.SetFocus
        Exit Function
    End If
    
    'Νέος κωδικός
    If Len(Trim(txtPassword.text)) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtPassword.SetFocus
        Exit Function
    End If
    
    'Επιβεβαίωση νέου κωδικού
    If Len(Trim(txtRepeatPassword.text)) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtRepeatPassword.SetFocus
        Exit Function
    End If
    
    'Νέος κωδικός = επιβεβαίωση νέου κωδικού
    If txtPassword.text <> txtRepeatPassword.text Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(14), 1) Then
        End If
        txtPassword.SetFocus
        Exit Function
    End If
    
    ValidateFields = True
    
End Function

