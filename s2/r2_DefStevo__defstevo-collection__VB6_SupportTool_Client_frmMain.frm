VERSION 5.00
Begin VB.Form frmMain 
   Caption         =   "Supporttool"
   ClientHeight    =   990
   ClientLeft      =   72
   ClientTop       =   414
   ClientWidth     =   5616
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
   ScaleHeight     =   990
   ScaleWidth      =   5616
   StartUpPosition =   2  'Bildschirmmitte
   Begin VB.CommandButton cmdHilfe 
      Caption         =   "Hilfe Anfordern"
      Height          =   738
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   5346
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub cmdHile_Click()
If cmdHilfe.Caption = "Beenden" Then
  Unload frmMain
  Unload frmWSock
Else
  If Hilfe = True Then
    cmdHilfe.Caption = "Beenden"
  End If
End If
End Sub
