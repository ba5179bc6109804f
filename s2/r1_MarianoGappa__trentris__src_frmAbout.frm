VERSION 5.00
Begin VB.Form frmAbout 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Acerca de Trentris"
   ClientHeight    =   3960
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   7560
   ClipControls    =   0   'False
   BeginProperty Font 
      Name            =   "Verdana"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3960
   ScaleWidth      =   7560
   ShowInTaskbar   =   0   'False
   StartUpPosition =   1  'CenterOwner
   Tag             =   "Acerca de Trentris"
   Begin VB.PictureBox picIcon 
      Appearance      =   0  'Flat
      AutoSize        =   -1  'True
      BackColor       =   &H80000005&
      ClipControls    =   0   'False
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H80000008&
      Height          =   4356
      Left            =   0
      Picture         =   "frmAbout.frx":0000
      ScaleHeight     =   3600
      ScaleMode       =   0  'User
      ScaleWidth      =   4800
      TabIndex        =   1
      TabStop         =   0   'False
      Top             =   0
      Width           =   5796
   End
   Begin VB.CommandButton cmdOK 
      Cancel          =   -1  'True
      Caption         =   "Aceptar"
      Default         =   -1  'True
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   414
      Left            =   5904
      TabIndex        =   0
      Tag             =   "Aceptar"
      Top             =   3456
      Width           =   1602
   End
   Begin VB.Label Label1 
      Caption         =   $"frmAbout.frx":21D5
      Height          =   2610
      Left            =   5904
      TabIndex        =   4
      Top             =   720
      Width           =   1602
   End
   Begin VB.Label lblTitle 
      Caption         =   "Trentris"
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   13.5
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00000000&
      Height          =   288
      Left            =   6336
      TabIndex        =   3
      Tag             =   "Título de la aplicación"
      Top             =   0
      Width           =   1314
   End
   Begin VB.Label lblVersion 
      Caption         =   "1.0.19"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   270
      Left            =   6912
      TabIndex        =   2
      Tag             =   "Versión"
      Top             =   288
      Width           =   594
   End
End
Attribute VB_Name = "frmAbout"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub cmdOK_Click()
    Unload Me
    
End Sub

