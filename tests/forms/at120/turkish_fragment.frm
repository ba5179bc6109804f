VERSION 5.00
Begin VB.Form frmSoru
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Þirket bilgileri"
   ClientHeight    =   3834
   ClientLeft      =   54
   ClientTop       =   522
   ClientWidth     =   5616
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   162
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
   Begin VB.CommandButton cmdKaydet
      Caption         =   "Kaydet ve çýk"
      Height          =   450
      Left            =   1152
      TabIndex        =   0
      Top             =   2880
      Width           =   1674
   End
   Begin VB.Label lblBilgi
      Caption         =   "Deðiþiklikleri kaydetmek istiyor musunuz?"
      Height          =   306
      Left            =   432
      TabIndex        =   1
      Top             =   576
      Width           =   4194
   End
End
Attribute VB_Name = "frmSoru"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
