VERSION 5.00
Begin VB.Form frmConfig 
   BackColor       =   &H00FFFFFF&
   BorderStyle     =   4  '°íÁ¤ µµ±¸ Ã¢
   Caption         =   "ÄÄÆÄÀÏ ¹× ½ÇÇà ¼³Á¤"
   ClientHeight    =   3312
   ClientLeft      =   54
   ClientTop       =   468
   ClientWidth     =   7596
   Icon            =   "Form4.frx":0000
   LinkTopic       =   "Form4"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3312
   ScaleWidth      =   7596
   ShowInTaskbar   =   0   'False
   StartUpPosition =   3  'Windows ±âº»°ª
   Begin VB.CommandButton Command1 
      Caption         =   "È®ÀÎ(&O)"
      BeginProperty Font 
         Name            =   "¸¼Àº °íµñ"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   5904
      TabIndex        =   6
      Top             =   2736
      Width           =   1458
   End
   Begin VB.TextBox Text3 
      BeginProperty Font 
         Name            =   "¸¼Àº °íµñ"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   378
      Left            =   144
      TabIndex        =   5
      Top             =   2160
      Width           =   7218
   End
   Begin VB.TextBox Text2 
      BeginProperty Font 
         Name            =   "¸¼Àº °íµñ"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   378
      Left            =   144
      TabIndex        =   4
      Top             =   1296
      Width           =   7218
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "¸¼Àº °íµñ"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   378
      Left            =   144
      TabIndex        =   3
      Top             =   432
      Width           =   7218
   End
   Begin VB.Label Label1 
      BackColor       =   &H00FFFFFF&
      Caption         =   "½ÇÇàÇÒ ÆÄÀÏ¸í"
      BeginProperty Font 
         Name            =   "¸¼Àº °íµñ"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   2
      Left            =   144
      TabIndex        =   2
      Top             =   1872
      Width           =   5490
   End
   Begin VB.Label Label1 
      BackColor       =   &H00FFFFFF&
      Caption         =   "ÄÄÆÄÀÏ ¿É¼Ç"
      BeginProperty Font 
         Name            =   "¸¼Àº °íµñ"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   1
      Left            =   144
      TabIndex        =   1
      Top             =   1008
      Width           =   1458
   End
   Begin VB.Label Label1 
      BackColor       =   &H00FFFFFF&
      Caption         =   "ÄÄÆÄÀÏ·¯ ÆÄÀÏ¸í / ÄÄÆÄÀÏ ¸í·É¾î"
      BeginProperty Font 
         Name            =   "¸¼Àº °íµñ"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   0
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   4338
   End
End
Attribute VB_Name = "frmConfig"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
    Open App.Path & "\config.ini" For Output As #1
    
    Print #1, Text1.Text
    Print #1, Text2.Text
    Print #1, Text3.Text
    
    Close #1
    
    frmMain.Label1.Caption = Text1.Text
    frmMain.Label2.Caption = Text2.Text
    frmMain.Label3.Caption = Text3.Text
    Unload frmConfig
End Sub

Private Sub Form_Load()
    Text1.Text = frmMain.Label1.Caption
    Text2.Text = frmMain.Label2.Caption
    Text3.Text = frmMain.Label3.Caption
End Sub

