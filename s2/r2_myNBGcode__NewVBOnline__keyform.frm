VERSION 5.00
Begin VB.Form getkeyfrm 
   Caption         =   "Αίτηση Έγκρισης"
   ClientHeight    =   2358
   ClientLeft      =   72
   ClientTop       =   414
   ClientWidth     =   5094
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   161
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   2358
   ScaleWidth      =   5094
   StartUpPosition =   3  'Windows Default
   Begin VB.CommandButton CancelBtn 
      Cancel          =   -1  'True
      Caption         =   "Ακύρωση"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   3456
      TabIndex        =   4
      Top             =   1584
      Width           =   1458
   End
   Begin VB.CommandButton okBtn 
      Caption         =   "Συνέχεια"
      Default         =   -1  'True
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   1872
      TabIndex        =   3
      Top             =   1584
      Width           =   1314
   End
   Begin VB.TextBox PassFld 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      IMEMode         =   3  'DISABLE
      Left            =   1872
      PasswordChar    =   "*"
      TabIndex        =   2
      Top             =   1008
      Width           =   3042
   End
   Begin VB.TextBox CodeFld 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1872
      TabIndex        =   1
      Top             =   432
      Width           =   3042
   End
   Begin VB.Label Label2 
      Caption         =   "Password"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   5
      Top             =   1008
      Width           =   1602
   End
   Begin VB.Label Label1 
      Caption         =   "Χρήστης"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   288
      TabIndex        =   0
      Top             =   432
      Width           =   1458
   End
End
Attribute VB_Name = "getkeyfrm"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Public SelectedUser As String
Dim aLayout, bLayout As Long
Dim GetL As Variant
Dim GetLStr As String
Dim AMOUSEPOINTER As Integer


Private Sub CancelBtn_Click()
    KeyAccepted = False
    Unload Me
End Sub

Private Sub Form_Load()
    AMOUSEPOINTER = Screen.MousePointer
    Screen.MousePointer = vbDefault
    
    GetL = GetKeyboardLayout(0)
    GetLStr = CStr(Hex(GetL))
    If Right(GetLStr, 2) = "08" Then aLayout = ActivateKeyboardLayout(0, 0)
    
    CodeFld.Text = SelectedUser
    KeyAccepted = False
'    : KeyAnswer = "REJECTED"
End Sub

Private Sub okBtn_Click()
    
    Dim RAuthLogin As New cRAuthLogin

    Dim aWeblink As New cXMLWebLink
    aWeblink.VirtualDirectory = TRNFrm.WebLink("OBJECTDISPATCHER_WEBLINK")
    Dim Method As New cXMLWebMethod
    Set Method = aWeblink.DefineDocumentMethod("DispatchObject", "http://www.nbg.gr/online/obj")

    RAuthLogin.Initialize (ReadDir + "\XmlBlocks.xml")
    RAuthLogin.WebLink = aWeblink
    RAuthLogin.WebMethod = Method
    RAuthLogin.UserName = CodeFld.Text
    RAuthLogin.find
    If RAuthLogin.ConnectionTimestamp > RAuthLogin.DisConnectionTimestamp And _
        ((AnyRequest And (RAuthLogin.ΙsManager = "1" Or RAuthLogin.IsChief = "1")) Or _
        (ChiefRequest And RAuthLogin.IsChief = "1") Or (ManagerRequest And RAuthLogin.ΙsManager = "1")) Then
        If (RAuthLogin.Password <> PassFld.Text) Or Trim(PassFld.Text) = "" Then
            KeyAccepted = False
            MsgBox "Δεν βρέθηκε ο χρήστης ή το password είναι λάθος...", vbOKOnly, "Λάθος"
        Else
            KeyAccepted = True
            If AnyRequest Then
                If RAuthLogin.ΙsManager = "1" Then
                   cANYKEY = "MANAGER"
                   ManagerRequest = True
                ElseIf RAuthLogin.IsChief = "1" Then
                    cANYKEY = "CHIEF"
                    ChiefRequest = True
                End If
            End If
            If ChiefRequest Then cCHIEFUserName = CodeFld.Text
            If ManagerRequest Then cMANAGERUserName = CodeFld.Text
            Unload Me
        End If
    Else
        KeyAccepted = False
        MsgBox "Δεν βρέθηκε ο χρήστης ή το password είναι λάθος...", vbOKOnly, "Λάθος"
    End If
    Set RAuthLogin = Nothing

End Sub

Private Sub Form_Unload(Cancel As Integer)
    ActivateKeyboardLayout GetL, 1
    Screen.MousePointer = AMOUSEPOINTER
End Sub

