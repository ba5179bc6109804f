VERSION 5.00
Begin VB.Form frmLogin
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Σύνδεση χρήστη"
   ClientHeight    =   3834
   ClientLeft      =   54
   ClientTop       =   522
   ClientWidth     =   5616
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
   MaxButton       =   0   'False
   ScaleHeight     =   3834
   ScaleWidth      =   5616
   StartUpPosition =   3  'Windows Default
   Begin VB.CommandButton cmdCreate
      Caption         =   "Δημιουργία"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   2
      Top             =   3024
      Width           =   1746
   End
   Begin VB.CommandButton cmdCancel
      Caption         =   "Ακύρωση"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   3456
      TabIndex        =   3
      Top             =   3024
      Width           =   1746
   End
   Begin VB.TextBox txtKey
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   378
      Left            =   1872
      TabIndex        =   1
      Top             =   1440
      Width           =   3330
      PasswordChar    =   "*"
      Text            =   "ÿ"
   End
   Begin VB.Label lblKey
      Caption         =   "Κωδικός πρόσβασης:"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   288
      TabIndex        =   0
      Top             =   1476
      Width           =   1458
   End
End
Attribute VB_Name = "frmLogin"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
