VERSION 5.00
Begin VB.Form frmDanni 
   BackColor       =   &H8000000F&
   Caption         =   "Данни за служител"
   ClientHeight    =   4200
   ClientWidth     =   6600
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   204
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   ScaleHeight     =   4200
   ScaleWidth      =   6600
   Begin VB.CommandButton cmdOK 
      Caption         =   "&Добре"
      Default         =   -1  'True
      Height          =   375
      Left            =   5160
      TabIndex        =   0
      Top             =   3720
      Width           =   1335
   End
   Begin VB.CommandButton cmdCancel 
      Caption         =   "Отказ"
      Height          =   375
      Left            =   3720
      TabIndex        =   1
      Top             =   3720
      Width           =   1335
   End
   Begin VB.Frame fraData 
      Caption         =   "Данни"
      Height          =   2175
      Left            =   120
      TabIndex        =   2
      Top             =   120
      Width           =   3255
      Begin VB.TextBox txtName 
         Height          =   285
         Left            =   1080
         TabIndex        =   3
         Text            =   "Иван Петров"
         Top             =   360
         Width           =   2055
      End
      Begin VB.ComboBox cboTown 
         Height          =   315
         Left            =   1080
         TabIndex        =   4
         Text            =   "София"
         Top             =   720
         Width           =   2055
      End
      Begin VB.CheckBox chkActive 
         Caption         =   "Активен"
         Height          =   255
         Left            =   120
         TabIndex        =   5
         Top             =   1200
         Value           =   1  'Checked
         Width           =   1335
      End
      Begin VB.OptionButton optKind 
         Caption         =   "Служител"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   6
         Top             =   1560
         Value           =   -1  'True
         Width           =   1335
      End
      Begin VB.OptionButton optKind 
         Caption         =   "Гост"
         Height          =   255
         Index           =   1
         Left            =   1560
         TabIndex        =   7
         Top             =   1560
         Width           =   1335
      End
      Begin VB.Label lblName 
         Caption         =   "Име:"
         Height          =   255
         Left            =   120
         TabIndex        =   8
         Top             =   390
         Width           =   855
      End
      Begin VB.Label lblTown 
         Caption         =   "Град:"
         Height          =   255
         Left            =   120
         TabIndex        =   9
         Top             =   750
         Width           =   855
      End
   End
   Begin VB.ListBox lstItems 
      Height          =   1425
      Left            =   3480
      TabIndex        =   10
      Top             =   240
      Width           =   1575
   End
   Begin VB.PictureBox picLogo 
      Height          =   975
      Left            =   5160
      ScaleHeight     =   915
      ScaleWidth      =   1275
      TabIndex        =   11
      Top             =   240
      Width           =   1335
   End
   Begin VB.Timer tmrTick 
      Interval        =   1000
      Left            =   5160
      Top             =   1320
   End
   Begin MSComctlLib.ProgressBar prgWork 
      Height          =   255
      Left            =   120
      TabIndex        =   12
      Top             =   2520
      Width           =   6375
      _ExtentX        =   11245
      _ExtentY        =   450
      _Version        =   393216
   End
   Begin VB.Shape shpBox 
      BorderColor     =   &H00C00000&
      Height          =   735
      Left            =   3480
      Shape           =   4  'Rounded Rectangle
      Top             =   1800
      Width           =   1575
   End
   Begin VB.Shape shpDot 
      BackColor       =   &H000000FF&
      BackStyle       =   1  'Opaque
      Height          =   495
      Left            =   5400
      Shape           =   3  'Circle
      Top             =   1800
      Width           =   735
   End
   Begin VB.Line linSep 
      BorderColor     =   &H00808080&
      BorderWidth     =   2
      X1              =   120
      X2              =   6480
      Y1              =   3000
      Y2              =   3000
   End
   Begin VB.Image imgIcon 
      Height          =   480
      Left            =   120
      Top             =   3120
      Width           =   480
   End
   Begin VB.Label lblNote 
      BackStyle       =   0  'Transparent
      Caption         =   "Бележка: всички полета са задължителни."
      BeginProperty Font 
         Name            =   "Times New Roman"
         Size            =   9.75
         Charset         =   204
         Weight          =   400
         Underline       =   0   'False
         Italic          =   -1  'True
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00000080&
      Height          =   255
      Left            =   720
      TabIndex        =   13
      Top             =   3240
      Width           =   3975
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&Файл"
      Begin VB.Menu mnuExit 
         Caption         =   "&Изход"
      End
   End
End
Attribute VB_Name = "frmDanni"
