VERSION 5.00
Begin VB.Form Form1
   BorderStyle     =   3  'å≈íË¿ﬁ≤±€∏ﬁ
   Caption         =   "ê›íË"
   ClientHeight    =   3834
   ClientLeft      =   54
   ClientTop       =   522
   ClientWidth     =   5616
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   3834
   ScaleWidth      =   5616
   StartUpPosition =   3  'Windows ÇÃä˘íËíl
   Begin VB.Label Label1
      Caption         =   "’∞ªﬁ∞ñº"
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
      Width           =   1314
   End
   Begin VB.CommandButton Command1
      Caption         =   "ï€ë∂"
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
      TabIndex        =   1
      Top             =   2880
      Width           =   1314
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
