VERSION 5.00
Begin VB.Form frmOptionen
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Einstellungen für den Bericht"
   ClientHeight    =   3195
   ClientLeft      =   45
   ClientTop       =   435
   ClientWidth     =   4680
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   3195
   ScaleWidth      =   4680
   StartUpPosition =   3  'Windows Default
   Begin VB.Label lblGroesse
      Caption         =   "Größe der Schriftart:"
      Height          =   255
      Left            =   240
      TabIndex        =   0
      Top             =   360
      Width           =   1935
   End
   Begin VB.CheckBox chkUebernehmen
      Caption         =   "Änderungen übernehmen"
      Height          =   255
      Left            =   240
      TabIndex        =   1
      Top             =   840
      Width           =   2415
   End
   Begin VB.CommandButton cmdSchliessen
      Caption         =   "Schließen"
      Height          =   375
      Left            =   3120
      TabIndex        =   2
      Top             =   2520
      Width           =   1335
   End
End
Attribute VB_Name = "frmOptionen"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
