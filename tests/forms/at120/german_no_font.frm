VERSION 5.00
Begin VB.Form frmOptionen
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Einstellungen für den Bericht"
   ClientHeight    =   3834
   ClientLeft      =   54
   ClientTop       =   522
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
   MaxButton       =   0   'False
   ScaleHeight     =   3834
   ScaleWidth      =   5616
   StartUpPosition =   3  'Windows Default
   Begin VB.Label lblGroesse
      Caption         =   "Größe der Schriftart:"
      Height          =   306
      Left            =   288
      TabIndex        =   0
      Top             =   432
      Width           =   2322
   End
   Begin VB.CheckBox chkUebernehmen
      Caption         =   "Änderungen übernehmen"
      Height          =   306
      Left            =   288
      TabIndex        =   1
      Top             =   1008
      Width           =   2898
   End
   Begin VB.CommandButton cmdSchliessen
      Caption         =   "Schließen"
      Height          =   450
      Left            =   3744
      TabIndex        =   2
      Top             =   3024
      Width           =   1602
   End
End
Attribute VB_Name = "frmOptionen"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
