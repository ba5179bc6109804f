VERSION 5.00
Begin VB.Form frmMain
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "설정"
   ClientHeight    =   3834
   ClientLeft      =   54
   ClientTop       =   522
   ClientWidth     =   5616
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   3834
   ScaleWidth      =   5616
   StartUpPosition =   3  'Windows Default
   Begin VB.CommandButton cmdClose
      Caption         =   "닫기"
      Height          =   450
      Left            =   1152
      TabIndex        =   0
      Top             =   2880
      Width           =   1314
   End
   Begin VB.CommandButton cmdOK
      Caption         =   "확인"
      Height          =   450
      Left            =   3024
      TabIndex        =   1
      Top             =   2880
      Width           =   1314
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
