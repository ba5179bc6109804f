VERSION 5.00
Begin VB.Form Form2 
   AutoRedraw      =   -1  'True
   BackColor       =   &H003B3B3B&
   BorderStyle     =   0  'None
   ClientHeight    =   6354
   ClientLeft      =   3600
   ClientTop       =   3600
   ClientWidth     =   9432
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   161
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "TEST.frx":0000
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form2"
   LockControls    =   -1  'True
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   5295
   ScaleMode       =   0  'User
   ScaleWidth      =   7860
   ShowInTaskbar   =   0   'False
   Begin M2000.gList gList4 
      Height          =   2304
      Left            =   4860
      TabIndex        =   5
      Top             =   972
      Width           =   4446
      _extentx        =   7842
      _extenty        =   4064
      max             =   1
      vertical        =   -1
      font            =   "TEST.frx":000C
      borderstyle     =   1
      showbar         =   0
      backcolor       =   3881787
      forecolor       =   16777215
   End
   Begin M2000.gList gList3 
      Height          =   720
      Index           =   0
      Left            =   108
      TabIndex        =   2
      TabStop         =   0   'False
      Top             =   972
      Width           =   4716
      _extentx        =   8318
      _extenty        =   1270
      max             =   1
      vertical        =   -1
      font            =   "TEST.frx":0030
      backcolor       =   3881787
      forecolor       =   16777215
   End
   Begin M2000.gList gList0 
      Height          =   666
      Left            =   108
      TabIndex        =   1
      Top             =   5544
      Width           =   9198
      _extentx        =   16224
      _extenty        =   1175
      max             =   1
      vertical        =   -1
      font            =   "TEST.frx":0054
      showbar         =   0
      backcolor       =   657930
      forecolor       =   16777215
   End
   Begin M2000.gList gList1 
      Height          =   2160
      Left            =   108
      TabIndex        =   0
      Top             =   3330
      Width           =   9198
      _extentx        =   16224
      _extenty        =   3810
      max             =   1
      vertical        =   -1
      font            =   "TEST.frx":0078
      showbar         =   0
      backcolor       =   3881787
      forecolor       =   16777215
   End
   Begin M2000.gList gList3 
      Height          =   738
      Index           =   1
      Left            =   108
      TabIndex        =   3
      TabStop         =   0   'False
      Top             =   1746
      Width           =   4716
      _extentx        =   8318
      _extenty        =   1302
      max             =   1
      vertical        =   -1
      font            =   "TEST.frx":009C
      showbar         =   0
      backcolor       =   3881787
      forecolor       =   16777215
   End
   Begin M2000.gList gList3 
      Height          =   738
      Index           =   2
      Left            =   108
      TabIndex        =   4
      TabStop         =   0   'False
      Top             =   2538
      Width           =   4716
      _extentx        =   8318
      _extenty        =   1302
      max             =   1
      vertical        =   -1
      font            =   "TEST.frx":00C0
      showbar         =   0
      backcolor       =   3881787
      forecolor       =   16777215
   End
   Begin M2000.gList gList2 
      Height          =   594
      Left            =   126
      TabIndex        =   6
      TabStop         =   0   'False
      Top             =   162
      Width           =   9162
      _extentx        =   16160
      _extenty        =   1048
      max             =   1
      vertical        =   -1
      font            =   "TEST.frx":00E4
      enabled         =   -1
      backcolor       =   3881787
      forecolor       =   16777215
      capcolor        =   16777215
   End
End
Attribute VB_Name = "Form2"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Public WithEvents testpad As TextViewer
Attribute testpad.VB_VarHelpID = -1
Public WithEvents Compute As myTextBox
Attribute Compute.VB_VarHelpID = -1
Public previewKey As Boolean, switchview As Integer, Busy As Boolean
Private Label(0 To 2) As New myTextBox
Dim run_in_basestack1 As Boolean
Dim MyBaseTask As New basetask
Dim setupxy As Single
Dim Lx As Long, lY As Long, dr As Boolean, drmove As Boolean
Dim prevx As Long, prevy As Long
Dim bordertop As Long, borderleft As Long
Dim allheight As Long, allwidth As Long, itemWidth As Long, itemwidth3 As Long, itemwidth2 As Long
Dim height1 As Long, width1 As Long
Dim doubleclick As Long
Dim para(2) As Long, pospara(2) As Long, selpresrv(2) As Long
Private Declare Function CopyFromLParamToRect Lib "user32" Alias "CopyRect" (lpDestRect As RECT, ByVal lpSourceRect As Long) As Long
Dim EXECUTED As Boolean
Dim stolemodalid As Variant
Public Sub generalFkey(a As Integer)
Dim monitor As Long, titl0$, titl$, once As Boolean
If once Then Exit Sub

once = True
If a = 13 Then
If pagio$ = "GREEK" Then
titl$ = "F1 - ανάλογα με την επιλεγμένη θέαση" + vbCrLf
titl$ = titl$ + "F1 Shift ή Control επιλέγει αυτή τη φόρμα" + vbCrLf
titl$ = titl$ + "F2 - Μετάβαση στο στοιχείο Εισαγωγή" + vbCrLf
titl$ = titl$ + "F3 - Αλλαγή θέασης (τρεις επιλογές)" + vbCrLf
titl$ = titl$ + "F4 - Θέαση στη Φόρμα Βοήθειας" + vbCrLf
titl$ = titl$ + "F5 - Επόμενο Βήμα" + vbCrLf
titl$ = titl$ + "* Με το Enter στο F5 δίνουμε πολλαπλά F5" + vbCrLf
titl$ = titl$ + "F6 - Στο Λάθος, ίσως το ξεπεράσουμε με το F5" + vbCrLf
titl$ = titl$ + "F7 - Αργή Ροή, τερματισμός στο λάθος (shift F1 για έλεγχο λάθους)" + vbCrLf
titl$ = titl$ + "F8 - Τερματισμός Εκτέλεσης" + vbCrLf
titl$ = titl$ + "f9 - Βήμα στο ίδιο επίπεδο" + vbCrLf
titl$ = titl$ + "F10 - Βήμα χωρίς έλεγχο επιπέδου" + vbCrLf
titl$ = titl$ + "F11 - Επαναφορά του ελέχου επιπέδου" + vbCrLf
titl$ = titl$ + "F12 - Λίστα Τμημάτων στη Φόρμα Βοήθειας" + vbCrLf
titl$ = titl$ + vbCrLf
titl$ = titl$ + "Κλίκ στο όνομα τμήματος δίνει το κώδικα στη Φόρμα Βοήθειας" + vbCrLf
titl$ = titl$ + "Κλίκ στην εντολή δίνει τη βοήθεια στη Φόρμα Βοήθειας" + vbCrLf
titl$ = titl$ + "Κλίκ στις παραμέτρους αλλάζει την Θέαση (ίδιο με το F4" + vbCrLf
titl$ = titl$ + vbCrLf
titl$ = titl$ + "Στην Εισαγωγή με αρχικό σύμβολο ? βάζουμε τύπους που θελουμε να εμφανίζονται σε κάθε εκτέλεση γραμμής" + vbCrLf
titl$ = titl$ + "Στην Εισαγωγή με αρχικό σύμβολο > δίνουμε άμεσα εντολές σαν να εκτελούνται στο κώδικα" + vbCrLf
titl$ = titl$ + "Στην Εισαγωγή όταν σβήνουμε όλα τα στοιχεία με Backspace αλλάζουμε το σύμβολο εισαγωγής" + vbCrLf

Else
titl$ = "F1 - depend on view" + vbCrLf
titl$ = titl$ + "F1 Shift or Control open this form" + vbCrLf
titl$ = titl$ + "F2 - select textbox" + vbCrLf
titl$ = titl$ + "F3 - change view (3 modes)" + vbCrLf
titl$ = titl$ + "F4 - view on help form" + vbCrLf
titl$ = titl$ + "F5 - Next Step" + vbCrLf
titl$ = titl$ + "* Press Enter on F5 for auto repeat" + vbCrLf
titl$ = titl$ + "F6 - Τo Error, may bypass error with F5" + vbCrLf
titl$ = titl$ + "F7 - Slow Flow, Stop Execution on error (Shift + F1 to check error)" + vbCrLf
titl$ = titl$ + "F8 - Stop Execution" + vbCrLf
titl$ = titl$ + "f9 - Step Over" + vbCrLf
titl$ = titl$ + "F10 - Step In" + vbCrLf
titl$ = titl$ + "F11 - Step Out" + vbCrLf
titl$ = titl$ + "F12 - List of Modules on help form" + vbCrLf
titl$ = titl$ + vbCrLf
titl$ = titl$ + "Click on module name to view code on Help Form" + vbCrLf
titl$ = titl$ + "Click on command name to view help on Help Form" + vbCrLf
titl$ = titl$ + "Click on parameters to change view (same as F4" + vbCrLf
titl$ = titl$ + vbCrLf
titl$ = titl$ + "On TextBox and prompt symbol ? place a list of expressios for view for each execution" + vbCrLf
titl$ = titl$ + "On TextBox and prompt symbol > execute statments inline" + vbCrLf
titl$ = titl$ + "On TextBox clear the line and press BackSpace to change prompt" + vbCrLf

End If

   If pagio$ = "GREEK" Then titl0$ = "Φόρμα Ελέγχου Πλήκτρα Λειτουργιών" Else titl0$ = "Control Form Function Keys"
        GoSub FindWindow
sHelp titl0$, titl$, (ScrInfo(monitor).Width - 1) * 3 / 5, (ScrInfo(monitor).Height - 1) * 4 / 7
        If Not Form4.Visible Then vHelp True
        Form4.label1.SelStartSilent = testpad.SelStart
        vHelp
ElseIf a = 12 Then
    interpret Basestack1, "help f12"
ElseIf a = 2 Then
gList0.SetFocus
ElseIf a = 3 Then
glist3_CheckGotFocus 2
ElseIf a = 5 Then
again5:
If stoponerror Then
    MyEr "", ""
End If
gList4.ListIndex = 0
gList4_Selected2 0
ElseIf a = 11 Then
' step out
If StepIn And Len(steptothat) > 0 Then
stoponerror = False
StepOver = True
StepIn = False
GoTo again9
End If
Beep
ElseIf a = 9 Then
StepIn = False
If here$ <> vbNullString Then
If StepOver And steptothat = GetName(here$) Then
GoTo again5
End If
End If
If here$ <> vbNullString Then
stoponerror = False
StepOver = True
StepIn = False
stephere$ = here$
steptothat = GetName(here$)
again9:
If pagio$ = "GREEK" Then
gList4.list(1) = "Επόμενο Μέσα F10"
Else
gList4.list(1) = "Step In F10"
End If

gList4.ListIndex = 0
gList4_Selected2 0
Else
Beep
End If
ElseIf a = 10 Then
If StepOver Then
StepOver = False
StepIn = True
STbyST = True
If pagio$ = "GREEK" Then
gList4.list(1) = "Επόμενο F9"
Else
gList4.list(1) = "Step Over F9"
End If

Else
StepIn = True
aaa:
If pagio$ = "GREEK" Then
gList4.list(1) = "Επόμενο F9"
Else
gList4.list(1) = "Step Over F9"
End If
GoTo again5
End If

GoTo again5
ElseIf a = 6 Then
stoponerror = True
StepOver = False
StepIn = False

If pagio$ = "GREEK" Then
gList4.list(1) = "Στο Λάθος F6"
Else
gList4.list(1) = "To Error F6"
End If
' "Slow Flow" "Αργή Ροή"

gList4.ListIndex = 1
gList4_Selected2 1
ElseIf a = 7 Then
StepOver = False
StepIn = False
If pagio$ = "GREEK" Then
gList4.list(1) = "Αργή Ροή F7"
Else
gList4.list(1) = "Slow Flow F7"
End If
stoponerror = False
gList4.ListIndex = 1
gList4_Selected2 1
ElseIf a = 8 Then
gList4.ListIndex = 2
gList4_Selected2 2
ElseIf switchview = 1 And a = 1 Then
StepOver = False
StepIn = False
stoponerror = False

Form_Load
trace = True
STq = False
STbyST = True
ElseIf switchview = 2 Then
    If a = 1 Then
        Errorlog.EmptyDoc
        stackshow MyBaseTask
    ElseIf a = 4 Then
        If pagio$ = "GREEK" Then titl$ = "Καταγραφικό Λαθών" Else titl$ = "Error Log"
        GoSub FindWindow
        sHelp titl$, Errorlog.textDoc, (ScrInfo(monitor).Width - 1) * 3 / 5, (ScrInfo(monitor).Height - 1) * 4 / 7
        If Not Form4.Visible Then vHelp True
        Form4.label1.SelStartSilent = testpad.SelStart
        vHelp
    End If
ElseIf a = 4 Then
    GoSub FindWindow
    sHelp gList2.HeadLine, testpad.Text, (ScrInfo(monitor).Width - 1) * 3 / 5, (ScrInfo(monitor).Height - 1) * 4 / 7
    If TestShowCode Then
        If Not Form4.Visible Then vHelp True
        Form4.label1.Text = testpad.Text
        
        Form4.label1.SelStartSilent = testpad.SelStart
        Form4.label1.SelLengthSilent = testpad.SelLength
        Form4.label1.SelectionColor = rgb(255, 64, 128)
         Form4.gList1.ShowMe '  label1.glistN.Show
       ' If testpad.SelStart > 0 And testpad.SelLength > 0 Then Form4.label1.SelLength = testpad.SelLength: Form4.label1.glistN.ShowMe
    Else
       vHelp
    End If
    
End If
once = False
Exit Sub
FindWindow:
    If Not Form4.Visible Then
        monitor = FindFormSScreen(Form1)
    Else
        monitor = FindFormSScreen(Form4)
    End If
    abt = False
Return
End Sub
Public Property Get Process()
    Set Process = MyBaseTask
End Property
Public Property Set Process(mBtask As basetask)
If mBtask Is Nothing Then
'Set MyBaseTask = Nothing
Else
Set MyBaseTask = New basetask
mBtask.CopyStrip2 MyBaseTask
run_in_basestack1 = mBtask Is Basestack1
End If
End Property

Private Sub Command1_Click()
trace = True
STq = False
STbyST = True
End Sub
Private Sub Command2_Click()
trace = True
STq = True
STbyST = False
End Sub

Private Sub Command3_Click()
NOEXECUTION = True
trace = True
STEXIT = True
End Sub
Public Sub ComputeNow()
stackshow MyBaseTask
End Sub

Private Sub compute_KeyDown(KeyCode As Integer, shift As Integer)
Dim excode As Long
If KeyCode = 13 Then
KeyCode = 0
    If Compute.Prompt = "? " Then
        gList3(2).BackColor = &H3B3B3B
        TestShowCode = False
        stackshow MyBaseTask
    Else
            'bypasstrace = True
         If Compute <> "" Then STbyST = True
        If run_in_basestack1 Then
        If QRY And Form1.Visible Then
        INK$ = Compute + Chr$(13)
        
        End If

        Else
        tracecode = Compute
        End If
        
    End If
ElseIf KeyCode = 8 Then
If Compute = vbNullString Then
    If Compute.Prompt <> ">" Then
        Compute.Prompt = ">"
         If pagio$ = "GREEK" Then
            Compute.ThisKind = "     Ένθεση Εντολής | ΔΙΑΚΟΠΗ | Backspace Επιλογή Τύπου"
        Else
            Compute.ThisKind = "     Inline command | STOP | Backspace Select Mode"
        End If
    Else
        Compute.Prompt = "? "
        If pagio$ = "GREEK" Then
            Compute.ThisKind = "     [Εκφρ,] Εκφρ | Backspace Επιλογή Τύπου"
        Else
            Compute.ThisKind = "     [Expr,] Expr | Backspace Select Mode"
        End If
    End If
    Compute.vartext = vbNullString
KeyCode = 0
Exit Sub
End If
End If
End Sub
'M2000 [ΕΛΕΓΧΟΣ - CONTROL]

Private Sub Form_Activate()
'
If HOOKTEST <> 0 Then UnHook HOOKTEST
trace = True
If stolemodalid = 0 Then
If Modalid <> 0 Then
stolemodalid = Modalid
Modalid = Rnd * 645677887
End If
Else
End If
On Error Resume Next
gList2.CapColor = rgb(255, 160, 0)
gList2.ShowMe
'If Not Busy Then generalFkey 2 Else Debug.Print "test is busy"
End Sub

Private Sub Form_Deactivate()

If stolemodalid <> 0 Then
Modalid = stolemodalid
stolemodalid = 0
End If
On Error Resume Next
gList2.CapColor = rgb(32, 32, 32)
gList2.ShowMe
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, shift As Integer)
If KeyCode = vbKeyTab And ((shift And &H2) = 2) Then
choosenext
Sleep 100
KeyCode = 0
ElseIf KeyCode = 27 Then
KeyCode = 0
Unload Me
ElseIf KeyCode = 13 Then
If Not EXECUTED Then
If Not STq Then
STbyST = True
End If
End If
End If
End Sub

Private Sub Form_Load()
Dim i As Long
Busy = True
height1 = 5280 * DYP / 15
width1 = 7860 * DXP / 15
MoveFormToOtherMonitorOnly Me
lastfactor = 1
LastWidth = -1
HelpLastWidth = -1
PopUpLastWidth = -1
setupxy = 20

lastfactor = ScaleDialogFix(SizeDialog)
ScaleDialog lastfactor, LastWidth
gList4.NoCaretShow = True
gList4.restrictLines = 3
gList4.CenterText = True
gList2.CapColor = rgb(255, 160, 0)
gList2.HeadLine = vbNullString

gList2.FloatList = True
gList2.FloatLimitTop = VirtualScreenHeight() - players(0).Yt * 2
gList2.FloatLimitLeft = VirtualScreenWidth() - players(0).Xt * 2
gList2.MoveParent = True
'gList2.enabled = True
gList1.DragEnabled = False
gList1.AutoPanPos = True
Set testpad = New TextViewer
gList1.bypassfirstClick = True
gList1.NoWheel = True
Set testpad.Container = gList1
testpad.FileName = vbNullString
testpad.glistN.CapColor = rgb(128, 128, 0)
testpad.glistN.DropEnabled = False
testpad.glistN.DragEnabled = False
testpad.glistN.LeftMarginPixels = 8
testpad.NoMark = True
testpad.NoColor = False
testpad.EditDoc = False
testpad.nowrap = False
paneltitle 0&
testpad.enabled = True
Set Compute = New myTextBox
Set Compute.Container = gList0
Compute.MaxCharLength = 500 ' as a limit
Compute.locked = False
Compute.enabled = True
Compute.Retired
Set Label(0).Container = gList3(0)
Set Label(1).Container = gList3(1)
Set Label(2).Container = gList3(2)
If pagio$ = "GREEK" Then
gList2.HeadLine = "Έλεγχος"
Compute.Prompt = "? "
Compute.ThisKind = "     [Εκφρ,] Εκφρ + Enter | Backspace Επιλογή Τύπου"
Compute.FadePartColor = &H777777
Label(0).Prompt = "Τμήμα: "
Label(1).Prompt = "Εντολή: "
Label(2).Prompt = "Επόμενο: "
gList4.additemFast "Επόμενο Βήμα F5"
If stoponerror Then
gList4.additemFast "Στο Λάθος F6"
ElseIf StepIn Then
gList4.additemFast "Επόμενο F9"
ElseIf StepOver Then
gList4.additemFast "Επόμενο Μέσα F10"

Else
gList4.additemFast "Αργή Ροή F7"
End If
gList4.additemFast "Διακοπή F8"
Else
gList2.HeadLine = "Control"
Compute.Prompt = "? "
Compute.ThisKind = "     [Expr,] Expr + Enter | Backspace Select Mode"
Compute.FadePartColor = &H777777
Label(0).Prompt = "Module: "
Label(1).Prompt = "Id: "
Label(2).Prompt = "Next: "
gList4.additemFast "Next Step F5"
If stoponerror Then
gList4.additemFast "To Error F6"
ElseIf StepIn Then
gList4.additemFast "Step Over F9"
ElseIf StepOver Then
gList4.additemFast "Step In F10"
Else
gList4.additemFast "Slow Flow F7"
End If
gList4.additemFast "Stop F8"
End If
gList2.HeadlineHeight = gList2.HeightPixels
gList2.PrepareToShow
gList4.NoPanRight = False
gList4.SingleLineSlide = True
gList4.VerticalCenterText = True
gList4.enabled = True
gList4.ListindexPrivateUse = 0
gList4.ShowMe
Busy = False
End Sub
Sub FillAgainLabels()
Dim oldindex As Long
If pagio$ = "GREEK" Then
If gList2.HeadLine = "Control" Then gList2.HeadLine = "Έλεγχος"
If Compute.Prompt = ">" Then
        Compute.ThisKind = "     Ένθεση Εντολής + Enter | Backspace Επιλογή Τύπου"
Else
        Compute.ThisKind = "     [Εκφρ,] Εκφρ + Enter | Backspace Επιλογή Τύπου"
End If
Label(1).Prompt = "Εντολή: "
Label(2).Prompt = "Επόμενο: "
oldindex = gList4.ListIndex
gList4.Clear
gList4.additemFast "Επόμενο Βήμα F5"
If stoponerror Then
gList4.additemFast "Στο Λάθος F6"
Else
gList4.additemFast "Αργή Ροή F7"
End If
gList4.additemFast "Διακοπή F8"


gList4.ListindexPrivateUse = oldindex
gList4.PrepareToShow
gList2.PrepareToShow
 Compute.glistN.ShowMe
         

        
Else
If gList2.HeadLine = "Έλεγχος" Then gList2.HeadLine = "Control"
If Compute.Prompt = ">" Then
            Compute.ThisKind = "     Inline command + Enter | Backspace Select Mode"
    Else
            Compute.ThisKind = "     [Expr,] Expr + Enter | Backspace Select Mode"
    End If
Label(1).Prompt = "Id: "
Label(2).Prompt = "Next: "
oldindex = gList4.ListIndex
gList4.Clear
gList4.additemFast "Next Step F5"
If stoponerror Then
gList4.additemFast "To Error F6"
Else
gList4.additemFast "Slow Flow F7"
End If
gList4.additemFast "Stop F8"
gList4.ListindexPrivateUse = oldindex
gList4.PrepareToShow
gList2.PrepareToShow
Compute.glistN.ShowMe
End If

End Sub
Private Sub Form_Unload(Cancel As Integer)
DestroyToolTip
If Busy Then Cancel = True: Exit Sub
testpad.Dereference
Compute.Dereference
Set MyBaseTask = Nothing
trace = False
StepOver = False
STq = True
End Sub




Private Sub gList0_CtrlPlusF1()
generalFkey 13
End Sub

Private Sub gList0_Fkey(a As Integer)
generalFkey a
End Sub


Private Sub gList1_CheckGotFocus()
gList1.BackColor = &H505050
'testpad.SelLengthSilent = 0
'gList1.ShowMe2
SetPanelPos switchview
End Sub

Private Sub gList1_CheckLostFocus()
gList1.BackColor = &H3B3B3B
gList1.ShowMe2
GetPanelPos
End Sub


Private Sub gList1_CtrlPlusF1()
generalFkey 13
End Sub

Private Sub gList1_Fkey(a As Integer)

generalFkey a
End Sub

Private Sub gList2_CtrlPlusF1()
generalFkey 13
End Sub

Private Sub gList2_ExposeRect(ByVal item As Long, ByVal thisrect As Long, ByVal thisHDC As Long, skip As Boolean)

If item = -1 Then
FillThere thisHDC, thisrect, gList2.CapColor
FillThereMyVersion thisHDC, thisrect, &H999999
skip = True
End If

End Sub
Private Sub gList2_ExposeItemMouseMove(Button As Integer, ByVal item As Long, ByVal X As Long, ByVal Y As Long)
If gList2.DoubleClickCheck(Button, item, X, Y, 10 * lastfactor, 10 * lastfactor, 8 * lastfactor, -1) Then
            Me.Visible = False
            Unload Me
End If

End Sub

Public Property Let Label1prompt(ByVal index As Long, ByVal RHS As String)
Label(index).Prompt = RHS
End Property

Public Property Get label1(ByVal index As Long) As String
label1 = Label(index)
End Property

Public Property Let label1(ByVal index As Long, ByVal RHS As String)
Label(index) = RHS
End Property
Public Sub FillThereMyVersion(thathDC As Long, thatRect As Long, thatbgcolor As Long)
Dim a As RECT, b As Long
b = 2
CopyFromLParamToRect a, thatRect
a.Left = b
a.Right = setupxy - b
a.top = b
a.Bottom = setupxy - b
FillThere thathDC, VarPtr(a), 0
b = 5
a.Left = b
a.Right = setupxy - b
a.top = b
a.Bottom = setupxy - b
FillThere thathDC, VarPtr(a), rgb(255, 160, 0)


End Sub

Private Sub FillThere(thathDC As Long, thatRect As Long, thatbgcolor As Long)
Dim a As RECT
CopyFromLParamToRect a, thatRect
FillBack thathDC, a, thatbgcolor
End Sub
Private Sub FillBack(thathDC As Long, there As RECT, bgcolor As Long)
' create brush
Dim my_brush As Long
my_brush = CreateSolidBrush(bgcolor)
FillRect thathDC, there, my_brush
DeleteObject my_brush
End Sub

Private Sub gList2_Fkey(a As Integer)
generalFkey a
End Sub

Private Sub gList2_GotFocus()
tracecounter = 100
End Sub

Private Sub gList2_LostFocus()
doubleclick = 0

End Sub

Private Sub gList2_MouseMove(Button As Integer, shift As Integer, X As Single, Y As Single)
If Button <> 0 Then tracecounter = 100
End Sub

Private Sub gList2_MouseUp(X As Single, Y As Single)
tracecounter = 0
End Sub




Private Sub glist3_CheckGotFocus(index As Integer)
Dim s$, z$

On Error GoTo there1
gList4.SetFocus
If index < 2 Then
abt = False

vH_title$ = vbNullString
s$ = Label(index)
If index = 1 Then
   
        Dim i As Long
        If MyBaseTask.ExistVar2(s$) Then
            IsStr1 MyBaseTask, "Type$(" + s$ + ")", z$
            
            If AscW(s$ + Mid$(" Σ", Abs(pagio$ = "GREEK") + 1)) < 128 Then
                sHelp "Static Variable", s$ & vbCrLf & "Type " + z$, vH_x, vH_y
            Else
                sHelp "Στατική Μεταβλητή", s$ & vbCrLf & "Τύπος " + z$, vH_x, vH_y
            End If
        
        ElseIf GetlocalVar(s$, i) Then
            IsStr1 MyBaseTask, "Type$(" + s$ + ")", z$
            If AscW(s$ + Mid$(" Σ", Abs(pagio$ = "GREEK") + 1)) < 128 Then
                sHelp "Local Identifier", s$ & vbCrLf & "Type " + z$, vH_x, vH_y
            Else
                sHelp "Τοπικό Αναγνωριστικό", s$ & vbCrLf & "Τύπος " + z$, vH_x, vH_y
            End If
        ElseIf GetGlobalVar(s$, i) Then
        If AscW(s$ + Mid$(" Σ", Abs(pagio$ = "GREEK") + 1)) < 128 Then
            sHelp "Global Identifier", s$, vH_x, vH_y
            
            Else
            sHelp "Γενικό Αναγνωριστικό", s$, vH_x, vH_y
            
            End If
        ElseIf GetSub(s$, i) Then
            '
            z$ = Label(2)
            If MaybeIsSymbol(z$, "=") Then
            If AscW(s$ + Mid$(" Σ", Abs(pagio$ = "GREEK") + 1)) < 128 Then
                sHelp "New Identifier", s$, vH_x, vH_y
            Else
                sHelp "Νέο Αναγνωριστικό", s$, vH_x, vH_y
            End If
            Else
                GoTo JUMPHERE
            End If
            
        ElseIf ismine(s$) Then
            fHelp MyBaseTask, s$, AscW(s$ + Mid$(" Σ", Abs(pagio$ = "GREEK") + 1)) < 128
        Else
        z$ = Label(2)
        If MaybeIsSymbol(z$, "=") Then
            If AscW(s$ + Mid$(" Σ", Abs(pagio$ = "GREEK") + 1)) < 128 Then
                sHelp "New Identifier", s$, vH_x, vH_y
            Else
                sHelp "Νέο Αναγνωριστικό", s$, vH_x, vH_y
            End If
        End If
        End If
    
    vHelp
ElseIf MyBaseTask.IamLambda Then
sHelp s$, LambdaList(MyBaseTask), vH_x, vH_y
vHelp
ElseIf MyBaseTask.IamThread Then
If MyBaseTask.Process Is Nothing Then
Else
sHelp s$, MyBaseTask.Process.CodeData, vH_x, vH_y
vHelp
End If
Else
If index = 0 Then
i = MyBaseTask.OriginalCode
JUMPHERE:
Dim aa As Long, aaa As String
aa = i
aaa = SBcode(aa)
If Left$(aaa, 10) = "'11001EDIT" Then
SetNextLine aaa
End If
Dim monitor As Long
If Not Form4.Visible Then
monitor = FindFormSScreen(Form1)
Else
monitor = FindFormSScreen(Form4)
End If
If aa > 0 Then
sHelp s$, aaa, (ScrInfo(monitor).Width - 1) * 3 / 5, (ScrInfo(monitor).Height - 1) * 4 / 7
vHelp Not Form4.Visible
ElseIf subHash.Find(s$, aa) Then
sHelp s$, SBcode(aa), (ScrInfo(monitor).Width - 1) * 3 / 5, (ScrInfo(monitor).Height - 1) * 4 / 7
vHelp Not Form4.Visible

ElseIf subHash.Find(subHash.LastKnown, aa) Then
sHelp s$, SBcode(aa), (ScrInfo(monitor).Width - 1) * 3 / 5, (ScrInfo(monitor).Height - 1) * 4 / 7
vHelp Not Form4.Visible
Else
    fHelp MyBaseTask, s$, AscW(s$ + Mid$(" Σ", Abs(pagio$ = "GREEK") + 1)) < 128
    End If
Else
Select Case Left$(LTrim(Label(2)) + " ", 1)
Case "?", "!", " ", ".", ":", Is >= "A", Chr$(10), """"
    fHelp MyBaseTask, s$, AscW(s$ + Mid$(" Σ", Abs(pagio$ = "GREEK") + 1)) < 128
End Select
End If
End If
ElseIf index = 2 Then
    GetPanelPos
    switchview = switchview + 1: If switchview > 2 Then switchview = 0
    TestShowCode = switchview = 1
    If TestShowCode Then
        gList3(2).BackColor = &H606060
        Label(2) = Label(2)
    Else
        If switchview = 2 Then
            gList3(2).BackColor = &H3B3B6B
            Label(2) = Label(2)
        Else
            gList3(2).BackColor = &H3B3B3B
            Label(2) = Label(2)
            testpad.SetRowColumn 1, 1
            
        End If
    End If
  paneltitle switchview
  stackshow MyBaseTask
  testpad.enabled = True
End If
there1:
End Sub

Private Sub gList3_CtrlPlusF1(index As Integer)
generalFkey 13
End Sub

Private Sub gList3_Fkey(index As Integer, a As Integer)
generalFkey a
End Sub

Private Sub gList4_CtrlPlusF1()
generalFkey 13
End Sub

Private Sub gList4_ExposeRect(ByVal item As Long, ByVal thisrect As Long, ByVal thisHDC As Long, skip As Boolean)
Dim a As RECT, b As RECT
CopyFromLParamToRect a, thisrect
CopyFromLParamToRect b, thisrect
a.Left = a.Left + 1 * lastfactor
a.Right = gList4.WidthPixels
b.Right = gList4.WidthPixels
 If item = gList4.ListIndex Then
   If EXECUTED Then
   FillBack thisHDC, b, &H77FF77
   Else
   
             FillBack thisHDC, b, &H77FFFF
             End If
             'EXECUTED = False
              SetTextColor thisHDC, 0
              b.top = b.Bottom - 1 * lastfactor
       
            FillBack thisHDC, b, &H777777
           
    Else
          
          
    SetTextColor thisHDC, gList4.ForeColor
    b.top = b.Bottom - 1
    FillBack thisHDC, b, 0
    End If
    If item = gList4.ListIndex Then
  a.Left = a.Left + 1 * lastfactor + gList4.PanPosPixels
  gList4.ForeColor = rgb(128, 0, 128)
  End If
   
   
   PrintItem thisHDC, gList4.list(item), a
    skip = True
End Sub
 
Private Sub gList4_Fkey(a As Integer)
generalFkey a
End Sub

Private Sub gList4_PanLeftRight(direction As Boolean)
EXECUTED = True
Action
End Sub

Private Sub gList4_selected(item As Long)
EXECUTED = False
gList4.ShowMe

End Sub

Private Sub gList4_Selected2(item As Long)
EXECUTED = True
Action
End Sub
Private Sub Action()
EXECUTED = True ' SO CHANGE THE BACKGROUND COLOR COLOR
Select Case gList4.ListIndex
Case 0
trace = True
STq = False
STbyST = True
Case 1
If StepOver Then
Me.generalFkey 10
Exit Sub
ElseIf StepIn Then
Me.generalFkey 9
Exit Sub
End If
trace = True
STq = True
STbyST = False
Case 2
If Not TaskMaster Is Nothing Then
TaskMaster.Dispose
MyBaseTask.ThrowThreads
End If
Modalid = 0
NOEXECUTION = True
trace = True
STq = False
STbyST = True

End Select
gList4.PanPos = 0
gList4.ShowMe2
End Sub

Private Sub gList4_softSelected(item As Long)
EXECUTED = Not EXECUTED
gList4.ShowMe


End Sub
 Private Sub PrintItem(mHdc As Long, c As String, r As RECT, Optional way As Long = DT_SINGLELINE Or DT_NOPREFIX Or DT_NOCLIP Or DT_CENTER Or DT_VCENTER)
    DrawText mHdc, StrPtr(c), -1, r, way
    End Sub
Private Sub Form_MouseDown(Button As Integer, shift As Integer, X As Single, Y As Single)

If Button = 1 Then
    
    If lastfactor = 0 Then lastfactor = 1

    If bordertop < 150 Then
    If (Y > Height - 150 And Y < Height) And (X > Width - 150 And X < Width) Then
    dr = True
    tracecounter = 100
    MousePointer = vbSizeNWSE
    Lx = X
    lY = Y
    End If
    
    Else
    If (Y > Height - bordertop And Y < Height) And (X > Width - borderleft And X < Width) Then
    dr = True
    tracecounter = 100
    MousePointer = vbSizeNWSE
    Lx = X
    lY = Y
    End If
    End If

End If
End Sub
Private Sub Form_MouseMove(Button As Integer, shift As Integer, X As Single, Y As Single)
Dim addX As Long, addy As Long, factor As Single, once As Boolean
If once Then Exit Sub
If Button = 0 Then dr = False: drmove = False
If bordertop < 150 Then
If (Y > Height - 150 And Y < Height) And (X > Width - 150 And X < Width) Then MousePointer = vbSizeNWSE Else If Not (dr Or drmove) Then MousePointer = 0
 Else
 If (Y > Height - bordertop And Y < Height) And (X > Width - borderleft And X < Width) Then MousePointer = vbSizeNWSE Else If Not (dr Or drmove) Then MousePointer = 0
End If
If dr Then



If bordertop < 150 Then

        If Y < (Height - 150) Or Y > Height Then addy = (Y - lY)
     If X < (Width - 150) Or X > Width Then addX = (X - Lx)
     
Else
    If Y < (Height - bordertop) Or Y > Height Then addy = (Y - lY)
        If X < (Width - borderleft) Or X > Width Then addX = (X - Lx)
    End If
    

    
  If Not ExpandWidth Then addX = 0
        If lastfactor = 0 Then lastfactor = 1
        factor = lastfactor

        
  
        once = True
        If Height > VirtualScreenHeight() Then addy = -(Height - VirtualScreenHeight()) + addy
        If Width > VirtualScreenWidth() Then addX = -(Width - VirtualScreenWidth()) + addX
        If (addy + Height) / height1 > 0.4 And ((Width + addX) / width1) > 0.4 Then
   
        If addy <> 0 Then SizeDialog = ((addy + Height) / height1)
        lastfactor = ScaleDialogFix(SizeDialog)


        If ((Width * lastfactor / factor + addX) / Height * lastfactor / factor) < (width1 / height1) Then
        addX = -Width * lastfactor / factor - 1
      
           End If

        If addX = 0 Then
        If lastfactor <> factor Then ScaleDialog lastfactor, Width
        Lx = X
        
        Else
        Lx = X * lastfactor / factor
         ScaleDialog lastfactor, (Width + addX) * lastfactor / factor
         End If

        
         
        
        LastWidth = Width
      gList2.HeadlineHeight = gList2.HeightPixels
        gList2.PrepareToShow
        gList1.PrepareToShow
        'testpad.Render
        lY = lY * lastfactor / factor
        End If
        Else
        Lx = X
        lY = Y
   
End If
once = False
End Sub

Private Sub Form_MouseUp(Button As Integer, shift As Integer, X As Single, Y As Single)

If dr Then Me.MousePointer = 0
tracecounter = 0
dr = False
End Sub
Sub ScaleDialog(ByVal factor As Single, Optional NewWidth As Long = -1)

lastfactor = factor
setupxy = 20 * factor
bordertop = 10 * dv15 * factor

borderleft = bordertop
allwidth = width1 * factor
allheight = height1 * factor
itemWidth = allwidth - 2 * borderleft
itemwidth3 = itemWidth * 2 / 5
itemwidth2 = itemWidth * 3 / 5 - borderleft
move Left, top, allwidth, allheight
FontTransparent = False  ' clear background  or false to write over
gList2.move borderleft, bordertop, itemWidth, bordertop * 3
gList2.FloatLimitTop = VirtualScreenHeight() - bordertop - bordertop * 3
gList2.FloatLimitLeft = VirtualScreenWidth() - borderleft * 3
gList3(0).move borderleft, bordertop * 5, itemwidth2, bordertop * 4
gList3(1).move borderleft, bordertop * 9, itemwidth2, bordertop * 4
gList3(2).move borderleft, bordertop * 13, itemwidth2, bordertop * 4
gList4.move borderleft * 2 + itemwidth2, bordertop * 5, itemwidth3, bordertop * 12
gList1.move borderleft, bordertop * 18, itemWidth, bordertop * 12
gList0.move borderleft, bordertop * 31, itemWidth, bordertop * 3
On Error Resume Next
If Not testpad Is Nothing Then
If Not testpad.glistN Is Nothing Then
testpad.NewTitle testpad.Title, 4 * factor
'testpad.ReColor
End If
End If
End Sub
Function ScaleDialogFix(ByVal factor As Single) As Single
gList2.FontSize = 14.25 * factor * dv15 / 15
factor = gList2.FontSize / 14.25 / dv15 * 15
gList1.FontSize = 11.25 * factor * dv15 / 15
gList4.FontSize = 12 * factor * dv15 / 15
factor = gList1.FontSize / 11.25 / dv15 * 15
gList3(0).FontSize = gList1.FontSize
gList3(1).FontSize = gList1.FontSize
gList3(2).FontSize = gList1.FontSize
gList0.FontSize = gList1.FontSize
ScaleDialogFix = factor
End Function

Public Sub hookme(this As gList)
If Not this Is Nothing Then this.NoWheel = True
End Sub
Sub ByeBye()
Unload Me
End Sub
Public Sub ResetPanelPos()
Dim i As Long
For i = 0 To 2: para(i) = 0: Next i
lastpanel = 0
End Sub
Public Sub paneltitle(ByVal that As Long)
Dim oldlength As Long
If pagio$ = "GREEK" Then
    Select Case that
    Case 0
        testpad.Title = "Σωρός & Μεταβλητές | F3: Θέαση | F4: Αντιγραφή στη βοήθεια"
        testpad.ReplaceTitle = " "
    Case 1
        
        testpad.Title = "Θέαση Κώδικα | F1: Καθαρό | F4: Αντιγραφή στη βοήθεια"
        testpad.ReplaceTitle = " "
    Case 2
        testpad.Title = "Καταγραφή Λαθών | F1: Καθαρή Λίστα | F4: Αντιγραφή στη βοήθεια"
        testpad.ReplaceTitle = " "
    End Select
Else
    Select Case that
    Case 0
        testpad.Title = "Stack & Variables | F3: Change View | F4: Copy to help form"
        testpad.ReplaceTitle = " "
    Case 1
        
        testpad.Title = "Code View |F1: Reset Form | F4: Copy to help form"
        testpad.ReplaceTitle = " "
    Case 2
        testpad.Title = "Error Log | F1: Clear Error | F4: Copy to help form"
        testpad.ReplaceTitle = " "
    End Select
End If
End Sub

Public Sub GetPanelPos(Optional ByVal that As Long = -1)
On Error Resume Next
Select Case that
Case 0 To 2
    
    para(that) = testpad.mDoc.MarkParagraphID
    pospara(that) = testpad.ParaSelStart
    selpresrv(that) = testpad.SelLength
    testpad.nowrap = that > 0
    testpad.enabled = Not STbyST
Case -1
    para(lastpanel) = testpad.mDoc.MarkParagraphID
    pospara(lastpanel) = testpad.ParaSelStart
End Select
End Sub
Public Sub SetPanelPos(ByVal that As Long)
On Error GoTo 100
Select Case that
Case 0 To 2
    lastpanel = that
    If para(that) = 0 Then Exit Sub
    With testpad
        .SelLengthSilent = selpresrv(that)
        .mDoc.MarkParagraphID = para(that)
        .glistN.enabled = False
        .ParaSelStart = pospara(that)
        .glistN.enabled = True
        .glistN.ShowMe
    End With
End Select
100
End Sub

