VERSION 5.00
Object = "{CDE57A40-8B86-11D0-B3C6-00A0C90AEA82}#1.0#0"; "MSDATGRD.OCX"
Begin VB.Form frmFonts 
   Caption         =   "Courier"
   ClientHeight    =   3000
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   4500
   BeginProperty Font 
      Name            =   "Microsoft Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   3000
   ScaleWidth      =   4500
   Begin VB.TextBox txtCode 
      BeginProperty Font 
         name            =   "Courier New"  
         Size            =   9.75
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   375
      Left            =   120
      Tag             =   "MS Sans Serif"
      Text            =   "Courier"
      Top             =   120
      Width           =   4215
   End
   Begin VB.Label lblTitle 
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   8.25
         Charset         =   204
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Caption         =   "MS Sans Serif"
      Height          =   255
      Left            =   120
      Top             =   600
      Width           =   4215
   End
   Begin VB.Label lblCode 
      BeginProperty Font 
         Name            =   "Courier New"
         Size            =   8.25
      EndProperty
      Caption         =   "Courier"
      Height          =   255
      Left            =   120
      Top             =   960
      Width           =   4215
   End
   Begin MSDataGridLib.DataGrid grdItems 
      Height          =   1455
      Left            =   120
      TabIndex        =   0
      Top             =   1320
      Width           =   4215
      _ExtentX        =   7435
      _ExtentY        =   2566
      _Version        =   393216
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Microsoft Sans Serif"
         Size            =   7.5
         Charset         =   0
         Weight          =   400
      EndProperty
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Courier New"
         Size            =   8.25
         Charset         =   0
      EndProperty
      BeginProperty Column00 
         DataField       =   "Name"
         Caption         =   "MS Sans Serif"
      EndProperty
   End
End
Attribute VB_Name = "frmFonts"
Attribute VB_Creatable = False