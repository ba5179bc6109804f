VERSION 5.00
Begin VB.Form Szukaj 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Jest czy nie ma ?"
   ClientHeight    =   3834
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   5616
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   238
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3834
   ScaleWidth      =   5616
   ShowInTaskbar   =   0   'False
   StartUpPosition =   1  'CenterOwner
   Begin VB.TextBox Pytanie 
      BeginProperty Font 
         Name            =   "Courier New"
         Size            =   14.4
         Charset         =   238
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   576
      TabIndex        =   1
      Top             =   1440
      Width           =   4482
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Zamknij"
      Height          =   450
      Left            =   2016
      TabIndex        =   0
      Top             =   2880
      Width           =   1602
   End
   Begin VB.Label Label1 
      Alignment       =   2  'Center
      Caption         =   "Wpisz szukane s這wo"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   13.5
         Charset         =   238
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   738
      Left            =   576
      TabIndex        =   2
      Top             =   288
      Width           =   4482
   End
End
Attribute VB_Name = "Szukaj"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Command1_Click()
Me.Hide
End Sub

Private Sub Form_Activate()
Pytanie.SetFocus
End Sub

Private Sub Pytanie_GotFocus()
Pytanie.SelStart = 0
Pytanie.SelLength = Len(Pytanie.Text)
End Sub

Private Sub Pytanie_KeyDown(KeyCode As Integer, Shift As Integer)
If KeyCode = 27 Then
    Me.Hide
    Exit Sub
End If
If KeyCode = 13 Then
    Szuk
    Command1.SetFocus
    Pytanie.SetFocus
End If
End Sub

Public Sub Szuk()
If Len(Pytanie.Text) < 2 Or Len(Pytanie.Text) > 15 Then
    MsgBox "Nie ma takiego s這wa !", vbCritical
    Exit Sub
End If
On Error GoTo nm
If graslow.SlownikCheck(UCase(Pytanie.Text)) = False Then
    MsgBox "Takie s這wo jest w s這wniku", vbInformation
Else
nm:    MsgBox "Nie ma takiego s這wa !", vbCritical
End If
Pytanie.SetFocus

End Sub
