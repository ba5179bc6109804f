VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form Czasy 
   Caption         =   "Ustawienia czasów"
   ClientHeight    =   5400
   ClientLeft      =   72
   ClientTop       =   414
   ClientWidth     =   9054
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   238
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   5400
   ScaleWidth      =   9054
   StartUpPosition =   2  'CenterScreen
   Begin MSComctlLib.Slider pasek2 
      Height          =   594
      Left            =   576
      TabIndex        =   7
      Top             =   3168
      Width           =   7362
      _ExtentX        =   12985
      _ExtentY        =   1048
      _Version        =   393216
      LargeChange     =   60
      Max             =   1200
      TickFrequency   =   30
   End
   Begin MSComctlLib.Slider pasek1 
      Height          =   738
      Left            =   576
      TabIndex        =   6
      Top             =   1152
      Width           =   7362
      _ExtentX        =   12985
      _ExtentY        =   1302
      _Version        =   393216
      LargeChange     =   120
      Max             =   7200
      TickFrequency   =   120
   End
   Begin VB.CommandButton RDef 
      Caption         =   "Domyœlny"
      Height          =   594
      Left            =   6768
      TabIndex        =   5
      Top             =   2016
      Width           =   2034
   End
   Begin VB.CommandButton FDef 
      Caption         =   "Domyœlny"
      Height          =   594
      Left            =   6768
      TabIndex        =   4
      Top             =   144
      Width           =   1890
   End
   Begin VB.CommandButton CzasAnuluj 
      Caption         =   "Anuluj"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   14.4
         Charset         =   238
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   5184
      TabIndex        =   3
      Top             =   4320
      Width           =   2466
   End
   Begin VB.CommandButton CzasOK 
      Caption         =   "O.K."
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   14.4
         Charset         =   238
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   1440
      TabIndex        =   2
      Top             =   4320
      Width           =   2466
   End
   Begin VB.Label CzasRuchu 
      Caption         =   "Czas "
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   14.4
         Charset         =   238
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   720
      TabIndex        =   1
      Top             =   2160
      Width           =   4626
   End
   Begin VB.Label CzasCa³y 
      Caption         =   "Ca³kowity czas "
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   14.4
         Charset         =   238
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   720
      TabIndex        =   0
      Top             =   288
      Width           =   4482
   End
End
Attribute VB_Name = "Czasy"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub CzasAnuluj_Click()
Me.Hide
End Sub

Private Sub CzasOK_Click()
FMax = pasek1.Value
RMax = pasek2.Value
Call graslow.UstawCzasy
Me.Hide
End Sub

Private Sub FDef_Click()
pasek1.Value = DFMax
CzasCa³y.Caption = "Ca³kowity czas : " & graslow.FormaCzasu(DFMax)
End Sub

Private Sub Form_Load()
pasek1.Value = FMax
pasek2.Value = RMax
CzasCa³y.Caption = "Ca³kowity czas :" & graslow.FormaCzasu(FMax)
CzasRuchu.Caption = "Czas ruchu :" & graslow.FormaCzasu(RMax)


End Sub

Private Sub pasek1_Change()

CzasCa³y.Caption = "Ca³kowity czas : " & graslow.FormaCzasu(pasek1.Value)

End Sub

Private Sub pasek1_Scroll()
CzasCa³y.Caption = "Ca³kowity czas : " & graslow.FormaCzasu(pasek1.Value)
End Sub

Private Sub pasek2_Change()
CzasRuchu.Caption = "Czas ruchu : " & graslow.FormaCzasu(pasek2.Value)
End Sub

Private Sub pasek2_Scroll()
CzasRuchu.Caption = "Czas ruchu : " & graslow.FormaCzasu(pasek2.Value)
End Sub

Private Sub RDef_Click()
pasek2.Value = DRMax
CzasRuchu.Caption = "Czas ruchu : " & graslow.FormaCzasu(DRMax)

End Sub
