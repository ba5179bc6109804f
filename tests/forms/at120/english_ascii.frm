VERSION 5.00
Begin VB.Form frmCustomer
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Customer"
   ClientHeight    =   3834
   ClientLeft      =   54
   ClientTop       =   522
   ClientWidth     =   5616
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   1
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
   Begin VB.CommandButton cmdOK
      Caption         =   "OK"
      Height          =   450
      Left            =   1152
      TabIndex        =   0
      Top             =   2880
      Width           =   1314
   End
   Begin VB.Label lblName
      Caption         =   "Customer name:"
      Height          =   306
      Left            =   432
      TabIndex        =   1
      Top             =   576
      Width           =   2034
   End
End
Attribute VB_Name = "frmCustomer"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
