VERSION 5.00
Begin VB.Form frmZapoved 
   BackColor       =   &H00FFFFFF&
   BorderStyle     =   0  'None
   Caption         =   "Заповед за командировка"
   ClientHeight    =   11010
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   8850
   BeginProperty Font 
      Name            =   "Times New Roman"
      Size            =   9.75
      Charset         =   204
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   11010
   ScaleWidth      =   8850
   ShowInTaskbar   =   0   'False
   StartUpPosition =   3  'Windows Default
   Begin VB.Frame fraPodatel 
      BackColor       =   &H00FFFFFF&
      Caption         =   "Командирован"
      Height          =   1935
      Left            =   240
      TabIndex        =   2
      Top             =   1320
      Width           =   8415
      Begin VB.Label lblIme 
         AutoSize        =   -1  'True
         BackStyle       =   0  'Transparent
         Caption         =   "Име, презиме, фамилия:"
         BeginProperty Font 
            Name            =   "Times New Roman"
            Size            =   8.25
            Charset         =   204
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   195
         Left            =   120
         TabIndex        =   4
         Top             =   360
         Width           =   1935
      End
      Begin VB.Label lblImeStoinost 
         BorderStyle     =   1  'Fixed Single
         Height          =   315
         Left            =   2160
         TabIndex        =   3
         Top             =   300
         Width           =   6015
      End
   End
   Begin TabDlg.SSTab tabDni 
      Height          =   2535
      Left            =   240
      TabIndex        =   5
      Top             =   3480
      Width           =   8415
      _ExtentX        =   14843
      _ExtentY        =   4471
      _Version        =   393216
      Tab             =   1
      TabHeight       =   520
      TabCaption(0)   =   "Пътуване"
      TabCaption(1)   =   "Разходи"
      Begin VB.TextBox txtDni 
         Height          =   315
         Left            =   -74760
         TabIndex        =   6
         Top             =   600
         Width           =   1215
      End
   End
   Begin VB.Label lblZaglavie 
      Alignment       =   2  'Center
      BackStyle       =   0  'Transparent
      Caption         =   "З А П О В Е Д"
      BeginProperty Font 
         Name            =   "Times New Roman"
         Size            =   18
         Charset         =   204
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   495
      Left            =   2400
      TabIndex        =   0
      Top             =   360
      Width           =   4095
   End
End
Attribute VB_Name = "frmZapoved"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    Me.Top = 0: Me.Left = 0
End Sub
