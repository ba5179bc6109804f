VERSION 5.00
Begin VB.Form frmInput 
   BorderStyle     =   4  'Festes Werkzeugfenster
   Caption         =   "Add/Change"
   ClientHeight    =   10782
   ClientLeft      =   2952
   ClientTop       =   7560
   ClientWidth     =   8100
   BeginProperty Font 
      Name            =   "Verdana"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "frmInput.frx":0000
   LinkTopic       =   "Form2"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   10782
   ScaleWidth      =   8100
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  'Bildschirmmitte
   Begin VB.TextBox txtDescription 
      Height          =   5634
      Left            =   720
      MultiLine       =   -1  'True
      TabIndex        =   8
      Top             =   4464
      Width           =   6930
   End
   Begin VB.ComboBox CmbErgebnis 
      Height          =   378
      Left            =   2736
      TabIndex        =   7
      Top             =   3600
      Width           =   3042
   End
   Begin VB.ComboBox CmbProblem 
      Height          =   378
      Left            =   2736
      TabIndex        =   6
      Top             =   3024
      Width           =   3042
   End
   Begin VB.TextBox txtAutor 
      Height          =   342
      Left            =   2736
      TabIndex        =   5
      Top             =   2448
      Width           =   2754
   End
   Begin VB.ComboBox CmbTestTyp 
      Height          =   378
      Left            =   2736
      TabIndex        =   3
      Top             =   1296
      Width           =   3042
   End
   Begin VB.ComboBox CmbMaschine 
      Height          =   378
      Left            =   2736
      TabIndex        =   1
      Top             =   144
      Width           =   3042
   End
   Begin VB.CommandButton cmdAbort 
      Cancel          =   -1  'True
      Caption         =   "&Chancel"
      Height          =   396
      Left            =   5994
      TabIndex        =   10
      Top             =   10224
      Width           =   1530
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "&OK"
      Enabled         =   0   'False
      Height          =   396
      Left            =   4356
      TabIndex        =   9
      Top             =   10224
      Width           =   1530
   End
   Begin VB.TextBox txtTestNo 
      Height          =   342
      Left            =   2772
      TabIndex        =   4
      Top             =   1944
      Width           =   2718
   End
   Begin VB.TextBox txtDate 
      Height          =   342
      Left            =   2772
      TabIndex        =   2
      Top             =   720
      Width           =   2718
   End
   Begin VB.Label Label7 
      Caption         =   "Problem Beschreibung:"
      Height          =   306
      Left            =   720
      TabIndex        =   17
      Top             =   4176
      Width           =   2898
   End
   Begin VB.Label Label6 
      Caption         =   "Ergebnis:"
      Height          =   306
      Left            =   1152
      TabIndex        =   16
      Top             =   3600
      Width           =   1458
   End
   Begin VB.Label Label5 
      Caption         =   "Problem:"
      Height          =   306
      Left            =   1152
      TabIndex        =   15
      Top             =   3024
      Width           =   1458
   End
   Begin VB.Label Label4 
      Caption         =   "Autor:"
      Height          =   306
      Left            =   1152
      TabIndex        =   14
      Top             =   2448
      Width           =   1458
   End
   Begin VB.Label Label3 
      Caption         =   "Test Typ:"
      Height          =   306
      Left            =   1152
      TabIndex        =   13
      Top             =   1296
      Width           =   1458
   End
   Begin VB.Label Label2 
      Caption         =   "Maschine :"
      Height          =   306
      Left            =   1152
      TabIndex        =   12
      Top             =   144
      Width           =   1458
   End
   Begin VB.Label Label1 
      Caption         =   "Test No.:"
      Height          =   270
      Index           =   1
      Left            =   1134
      TabIndex        =   11
      Top             =   1980
      Width           =   1548
   End
   Begin VB.Label Label1 
      Caption         =   "Date:"
      Height          =   270
      Index           =   0
      Left            =   1260
      TabIndex        =   0
      Top             =   738
      Width           =   1422
   End
End
Attribute VB_Name = "frmInput"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdAbort_Click()
  ' Abbrechen
  Me.Tag = False
  Me.Hide
End Sub

Private Sub cmdOK_Click()
  ' OK
  Me.Tag = True
  Me.Hide
End Sub

Public Sub Form_Load()
 
IniRead
cmdOK.Enabled = True

End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
  ' Schlieﬂen
  If UnloadMode <> 1 Then
    Cancel = True
    cmdAbort.Value = True
  End If
End Sub

Private Sub Form_Unload(Cancel As Integer)
  ' Beenden
 ' For i = 0 To Me.CmbTestTyp.ListCount - 1
 ' Next i
  
  Set frmInput = Nothing

End Sub


