VERSION 5.00
Begin VB.Form PodaName 
   Caption         =   "Kto gra ?"
   ClientHeight    =   4932
   ClientLeft      =   72
   ClientTop       =   414
   ClientWidth     =   6660
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
   ScaleHeight     =   4932
   ScaleWidth      =   6660
   StartUpPosition =   1  'CenterOwner
   Begin VB.Frame Frame2 
      Caption         =   "Level"
      Height          =   1458
      Left            =   2592
      TabIndex        =   5
      Top             =   2880
      Width           =   3762
      Begin VB.OptionButton LevelGracza 
         Caption         =   "Maniac"
         Height          =   306
         Index           =   3
         Left            =   2016
         TabIndex        =   10
         Top             =   864
         Width           =   1026
      End
      Begin VB.OptionButton LevelGracza 
         Caption         =   "Hard"
         Height          =   306
         Index           =   2
         Left            =   2016
         TabIndex        =   9
         Top             =   432
         Width           =   1458
      End
      Begin VB.OptionButton LevelGracza 
         Caption         =   "Medium"
         Height          =   306
         Index           =   1
         Left            =   288
         TabIndex        =   8
         Top             =   864
         Width           =   1458
      End
      Begin VB.OptionButton LevelGracza 
         Caption         =   "Easy"
         Height          =   306
         Index           =   0
         Left            =   288
         TabIndex        =   6
         Top             =   432
         Width           =   1458
      End
   End
   Begin VB.Frame Frame1 
      Caption         =   "Typ gracza"
      Height          =   1458
      Left            =   288
      TabIndex        =   3
      Top             =   2880
      Width           =   1746
      Begin VB.OptionButton TypGracza 
         Caption         =   "Komputer"
         Height          =   306
         Index           =   1
         Left            =   288
         TabIndex        =   7
         Top             =   864
         Width           =   1314
      End
      Begin VB.OptionButton TypGracza 
         Caption         =   "Cz³owiek"
         Height          =   306
         Index           =   0
         Left            =   288
         TabIndex        =   4
         Top             =   432
         Width           =   1314
      End
   End
   Begin VB.CommandButton dawaj 
      Caption         =   "OK"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   11.7
         Charset         =   238
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   5328
      Style           =   1  'Graphical
      TabIndex        =   2
      Top             =   288
      Width           =   1170
   End
   Begin VB.TextBox imie 
      Alignment       =   2  'Center
      Appearance      =   0  'Flat
      BorderStyle     =   0  'None
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   11.7
         Charset         =   238
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   0
      Top             =   2016
      Width           =   4914
   End
   Begin VB.Label Komunikat 
      Alignment       =   2  'Center
      Caption         =   "Proszê podaæ Imiê / Nazwisko / Pseudonim zawodnika nr 1."
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   11.7
         Charset         =   238
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1314
      Left            =   432
      TabIndex        =   1
      Top             =   288
      Width           =   4626
   End
End
Attribute VB_Name = "PodaName"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Public im As String, kom As Boolean, nrGR As Long
Dim tg As Long, lg As Long
Private Sub Dawaj_Click()
im = imie.Text
If TypGracza(1).Value Then
    kom = True
    If LevelGracza(0).Value Then MaxPsz = 0
    If LevelGracza(1).Value Then MaxPsz = 1
    If LevelGracza(2).Value Then MaxPsz = 2
    If LevelGracza(3).Value Then MaxPsz = 8
Else
    kom = False
End If
SaveSetting "£ów S³ów", "Ustawienia", "TypGracza" & CStr(nrGR), tg
SaveSetting "£ów S³ów", "Ustawienia", "LevelGracza" & CStr(nrGR), lg
PodaName.Hide
End Sub

Private Sub Form_Activate()
Dim i As Long
imie.Font.Size = 14
tg = CLng(GetSetting("£ów S³ów", "Ustawienia", "TypGracza" & CStr(nrGR), "0"))
lg = CLng(GetSetting("£ów S³ów", "Ustawienia", "LevelGracza" & CStr(nrGR), "0"))
LevelGracza(lg).Value = True
TypGracza(tg).Value = True
If tg = 0 Then
   Frame2.Enabled = False
   For i = 0 To 3
      LevelGracza(i).Enabled = False
   Next i
Else
   Frame2.Enabled = True
   For i = 0 To 3
      LevelGracza(i).Enabled = True
   Next i
End If
imie.SetFocus

End Sub

Private Sub imie_KeyDown(KeyCode As Integer, Shift As Integer)
If KeyCode = 13 Then
    Call Dawaj_Click
End If
End Sub

Private Sub LevelGracza_Click(Index As Integer)
lg = Index
End Sub

Private Sub TypGracza_Click(Index As Integer)
Dim i As Long
If Index = 0 Then
   Frame2.Enabled = False
   For i = 0 To 3
      LevelGracza(i).Enabled = False
   Next i
Else
   Frame2.Enabled = True
   For i = 0 To 3
      LevelGracza(i).Enabled = True
   Next i

End If
tg = Index

End Sub

