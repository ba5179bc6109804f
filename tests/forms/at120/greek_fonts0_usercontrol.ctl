VERSION 5.00
Begin VB.UserControl ucPelatis
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Πελάτης"
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
   Begin VB.Label lblPelatis
      Caption         =   "Όνομα πελάτη"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   432
      TabIndex        =   0
      Top             =   576
      Width           =   2034
   End
   Begin VB.Label lblDieuthinsi
      Caption         =   "Διεύθυνση"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   432
      TabIndex        =   1
      Top             =   1152
      Width           =   2034
   End
   Begin VB.CommandButton cmdApothikeusi
      Caption         =   "Αποθήκευση"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1152
      TabIndex        =   2
      Top             =   2880
      Width           =   1314
   End
End
Attribute VB_Name = "ucPelatis"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
