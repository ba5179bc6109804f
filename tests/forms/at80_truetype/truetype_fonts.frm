VERSION 5.00
Object = "{CDE57A40-8B86-11D0-B3C6-00A0C90AEA82}#1.0#0"; "MSDATGRD.OCX"
Begin VB.Form frmFonts 
   Caption         =   "Courier"
   ClientHeight    =   2400
   ClientLeft      =   48
   ClientTop       =   276
   ClientWidth     =   3600
   BeginProperty Font 
      Name            =   "Microsoft Sans Serif"
      Size            =   6.6
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   2400
   ScaleWidth      =   3600
   Begin VB.TextBox txtCode 
      BeginProperty Font 
         name            =   "Courier New"  
         Size            =   7.8
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   300
      Left            =   96
      Tag             =   "MS Sans Serif"
      Text            =   "Courier"
      Top             =   96
      Width           =   3372
   End
   Begin VB.Label lblTitle 
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   6.6
         Charset         =   204
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Caption         =   "MS Sans Serif"
      Height          =   204
      Left            =   96
      Top             =   480
      Width           =   3372
   End
   Begin VB.Label lblCode 
      BeginProperty Font 
         Name            =   "Courier New"
         Size            =   6.6
      EndProperty
      Caption         =   "Courier"
      Height          =   204
      Left            =   96
      Top             =   768
      Width           =   3372
   End
   Begin MSDataGridLib.DataGrid grdItems 
      Height          =   1164
      Left            =   96
      TabIndex        =   0
      Top             =   1056
      Width           =   3372
      _ExtentX        =   5948
      _ExtentY        =   2053
      _Version        =   393216
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Microsoft Sans Serif"
         Size            =   6
         Charset         =   0
         Weight          =   400
      EndProperty
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Courier New"
         Size            =   6.6
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