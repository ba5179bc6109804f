VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.1#0"; "MSCOMCTL.ocx"
Begin VB.Form frmSessionsManagement 
   Caption         =   "Manejo de Sesiones"
   ClientHeight    =   6336
   ClientLeft      =   72
   ClientTop       =   432
   ClientWidth     =   14058
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   6336
   ScaleWidth      =   14058
   StartUpPosition =   3  'Windows Default
   Begin VB.CommandButton cmdRemoveSessions 
      Caption         =   "X"
      Height          =   450
      Left            =   5184
      TabIndex        =   13
      Top             =   5040
      Width           =   1170
   End
   Begin VB.Frame Frame2 
      Caption         =   "Session Data"
      Height          =   6066
      Left            =   6768
      TabIndex        =   4
      Top             =   144
      Width           =   7074
      Begin VB.ListBox lstCharacters 
         Height          =   1710
         Left            =   432
         TabIndex        =   11
         Top             =   3456
         Width           =   6066
      End
      Begin VB.Label Label4 
         AutoSize        =   -1  'True
         Caption         =   "Characters in session"
         Height          =   234
         Left            =   432
         TabIndex        =   12
         Top             =   3024
         Width           =   1800
      End
      Begin VB.Label lblAccount 
         Caption         =   "asdasd"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF8080&
         Height          =   306
         Left            =   1440
         TabIndex        =   10
         Top             =   1152
         Width           =   2466
      End
      Begin VB.Label lblSessionToken 
         Caption         =   "TOKEN"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF8080&
         Height          =   306
         Left            =   1440
         TabIndex        =   9
         Top             =   1584
         Width           =   3906
      End
      Begin VB.Label Label3 
         AutoSize        =   -1  'True
         Caption         =   "Token:"
         Height          =   234
         Left            =   576
         TabIndex        =   8
         Top             =   1584
         Width           =   612
      End
      Begin VB.Label lblSessionId 
         AutoSize        =   -1  'True
         Caption         =   "0"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF8080&
         Height          =   234
         Left            =   1440
         TabIndex        =   7
         Top             =   720
         Width           =   144
      End
      Begin VB.Label Label2 
         AutoSize        =   -1  'True
         Caption         =   "Session ID:"
         Height          =   234
         Left            =   288
         TabIndex        =   6
         Top             =   720
         Width           =   972
      End
      Begin VB.Label Label1 
         AutoSize        =   -1  'True
         Caption         =   "Account:"
         Height          =   234
         Left            =   432
         TabIndex        =   5
         Top             =   1152
         Width           =   774
      End
   End
   Begin VB.Frame Frame1 
      Caption         =   "Session List"
      Height          =   6066
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   6498
      Begin MSComctlLib.ListView lstSessions 
         Height          =   3906
         Left            =   288
         TabIndex        =   3
         Top             =   720
         Width           =   5922
         _ExtentX        =   10446
         _ExtentY        =   6889
         LabelEdit       =   1
         LabelWrap       =   -1  'True
         HideSelection   =   -1  'True
         _Version        =   393217
         ForeColor       =   -2147483640
         BackColor       =   -2147483643
         BorderStyle     =   1
         Appearance      =   0
         NumItems        =   0
      End
      Begin VB.CommandButton cmdReload 
         Caption         =   "Recargar Sesiones"
         Height          =   450
         Left            =   1728
         TabIndex        =   1
         Top             =   4896
         Width           =   2322
      End
      Begin VB.Label lblSesiones 
         AutoSize        =   -1  'True
         Caption         =   "Session amount: 0"
         Height          =   234
         Left            =   144
         TabIndex        =   2
         Top             =   288
         Width           =   1566
      End
   End
End
Attribute VB_Name = "frmSessionsManagement"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
'La idea de este formulario es manejar las sesiones activas y agregar mas
'para simular grandes cantidades de trafico ficticio.

Option Explicit

Private NumSessions As Integer

Private Sub cmdReload_Click()

    Call ReloadSessions
    
End Sub

Private Sub cmdRemoveSessions_Click()
    Dim I As Integer
    For I = 0 To modSession.GetMaxAllowedSessions()
        modSession.CleanSessionSlot (I)
    Next I
End Sub

Private Sub Form_Load()

On Error GoTo ErrHandler
  
    Call ReloadSessions
  
    Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub Form_Load de frmSessionsManagement.frm")
End Sub

Private Sub ReloadSessions()
On Error GoTo ErrHandler
  
    Dim I As Integer
    
    Dim Item As ListItem
    lstSessions.View = lvwReport
    
    NumSessions = 0
    lstSessions.ListItems.Clear
    lstSessions.Appearance = ccFlat
    lstSessions.ColumnHeaders.Clear
    lstSessions.ColumnHeaders.Add , , "ID"
    lstSessions.ColumnHeaders.Add , , "C.Code"
    lstSessions.ColumnHeaders.Add , , "S.TOKEN"

    For I = 0 To modSession.GetMaxAllowedSessions()
        With aActiveSessions(I)
            'If .ServerTempCode <> vbNullString Then
                Set Item = lstSessions.ListItems.Add(NumSessions + 1, "ID" & I, I)
                Item.SubItems(1) = .ClientTempCode
                Item.SubItems(2) = .ServerTempCode
                
                NumSessions = NumSessions + 1
            'End If
        End With
        
    Next I
    
    Call lstSessions.Refresh
    
    lblSesiones.Caption = "Session amount: " & NumSessions
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub ReloadSessions de frmSessionsManagement.frm")
End Sub

Private Sub lstSessions_Click()
    Dim SessionId As Integer
    Dim I As Integer
    
    If lstSessions.SelectedItem Is Nothing Then Exit Sub
    
    SessionId = CInt(lstSessions.SelectedItem.Text)
        
    With aActiveSessions(SessionId)
        lblSessionId.Caption = SessionId
        lblSessionToken.Caption = .Token
        lblAccount.Caption = .sAccountName
        
        lstCharacters.Clear
        
        For I = 1 To 8
            If .asAccountCharNames(I).CharName <> vbNullString Then
                Call lstCharacters.AddItem(.asAccountCharNames(I).CharId & " - " & .asAccountCharNames(I).CharName)
            End If
        Next I
    End With
    
End Sub

