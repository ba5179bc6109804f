VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.1#0"; "mscomctl.OCX"
Begin VB.Form Form3 
   BackColor       =   &H00FFC0C0&
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "éOäpå`í≤Ç◊"
   ClientHeight    =   6408
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   7362
   BeginProperty Font 
      Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
      Size            =   9.9
      Charset         =   128
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form3"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   6408
   ScaleWidth      =   7362
   ShowInTaskbar   =   0   'False
   StartUpPosition =   3  'Windows Default
   Begin VB.TextBox Text2 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   2
      Left            =   2736
      TabIndex        =   30
      Top             =   1440
      Width           =   1458
   End
   Begin VB.TextBox Text2 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   1
      Left            =   2736
      TabIndex        =   29
      Top             =   1008
      Width           =   1458
   End
   Begin VB.TextBox Text2 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   0
      Left            =   2736
      TabIndex        =   28
      Top             =   576
      Width           =   1458
   End
   Begin MSComctlLib.StatusBar StatusBar1 
      Align           =   2  'Align Bottom
      Height          =   360
      Left            =   0
      TabIndex        =   43
      Top             =   6048
      Width           =   7362
      _ExtentX        =   12985
      _ExtentY        =   635
      _Version        =   393216
      BeginProperty Panels {8E3867A5-8586-11D1-B16A-00C0F0283628} 
         NumPanels       =   2
         BeginProperty Panel1 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            Alignment       =   1
            AutoSize        =   2
            Object.Width           =   8413
            MinWidth        =   4234
            Text            =   "éOäpå`-3Ç¬ÇÃèÓïÒÇ©ÇÁéOäpå`ÇÃèÓïÒÇåvéZÇµÇ‹Ç∑."
            TextSave        =   "éOäpå`-3Ç¬ÇÃèÓïÒÇ©ÇÁéOäpå`ÇÃèÓïÒÇåvéZÇµÇ‹Ç∑."
         EndProperty
         BeginProperty Panel2 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            AutoSize        =   2
            Bevel           =   2
            Object.Width           =   1397
            MinWidth        =   211
            Text            =   "èâä˙âª"
            TextSave        =   "èâä˙âª"
         EndProperty
      EndProperty
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   5
      Left            =   576
      TabIndex        =   27
      Top             =   2880
      Width           =   1458
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   4
      Left            =   576
      TabIndex        =   26
      Top             =   2448
      Width           =   1458
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   3
      Left            =   576
      TabIndex        =   25
      Top             =   2016
      Width           =   1458
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   2
      Left            =   576
      TabIndex        =   24
      Top             =   1440
      Width           =   1458
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   1
      Left            =   576
      TabIndex        =   23
      Top             =   1008
      Width           =   1458
   End
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   324
      Index           =   0
      Left            =   576
      TabIndex        =   22
      Top             =   576
      Width           =   1458
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   12
      Left            =   4608
      TabIndex        =   42
      Top             =   5616
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ñ êœ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   11
      Left            =   4032
      TabIndex        =   21
      Top             =   5616
      Width           =   450
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   11
      Left            =   2304
      TabIndex        =   41
      Top             =   5616
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ëŒC ñTê⁄â~     îºåa"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   5
      Left            =   288
      TabIndex        =   15
      Top             =   5616
      Width           =   1890
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   10
      Left            =   4608
      TabIndex        =   40
      Top             =   5184
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ñ êœ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   10
      Left            =   4032
      TabIndex        =   20
      Top             =   5184
      Width           =   450
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   8
      Left            =   4608
      TabIndex        =   38
      Top             =   4752
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ñ êœ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   9
      Left            =   4032
      TabIndex        =   19
      Top             =   4752
      Width           =   450
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   9
      Left            =   2304
      TabIndex        =   39
      Top             =   5184
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ëŒB ñTê⁄â~     îºåa"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   4
      Left            =   288
      TabIndex        =   14
      Top             =   5184
      Width           =   1890
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   7
      Left            =   2304
      TabIndex        =   37
      Top             =   4752
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ëŒA ñTê⁄â~     îºåa"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   3
      Left            =   288
      TabIndex        =   13
      Top             =   4752
      Width           =   1890
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   2
      Left            =   4608
      TabIndex        =   32
      Top             =   3456
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "é¸"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   6
      Left            =   4032
      TabIndex        =   16
      Top             =   3456
      Width           =   450
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   6
      Left            =   4608
      TabIndex        =   36
      Top             =   4320
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ñ êœ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   8
      Left            =   4032
      TabIndex        =   18
      Top             =   4320
      Width           =   450
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   4
      Left            =   4608
      TabIndex        =   34
      Top             =   3888
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ñ êœ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   7
      Left            =   4032
      TabIndex        =   17
      Top             =   3888
      Width           =   450
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   5
      Left            =   2304
      TabIndex        =   35
      Top             =   4320
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ì‡ê⁄â~           îºåa"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   2
      Left            =   288
      TabIndex        =   12
      Top             =   4320
      Width           =   1890
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   3
      Left            =   2304
      TabIndex        =   33
      Top             =   3888
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "äOê⁄â~           îºåa"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   1
      Left            =   288
      TabIndex        =   11
      Top             =   3888
      Width           =   1890
   End
   Begin VB.Label Label5 
      BackColor       =   &H00FFC0C0&
      BorderStyle     =   1  'Fixed Single
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   1
      Left            =   2304
      TabIndex        =   31
      Top             =   3456
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ñ êœ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   0
      Left            =   1728
      TabIndex        =   10
      Top             =   3456
      Width           =   450
   End
   Begin VB.Label Label3 
      BackColor       =   &H00FFC0C0&
      Caption         =   "ÉâÉWÉAÉì"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   2736
      TabIndex        =   9
      Top             =   144
      Width           =   882
   End
   Begin VB.Image Image1 
      Height          =   2628
      Left            =   4320
      Picture         =   "éOäpå`.frx":0000
      Top             =   576
      Width           =   2844
   End
   Begin VB.Label Label2 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Åã="
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   14.4
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   2
      Left            =   2160
      TabIndex        =   8
      Top             =   1440
      Width           =   450
   End
   Begin VB.Label Label2 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Åã="
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   14.4
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   1
      Left            =   2160
      TabIndex        =   7
      Top             =   1008
      Width           =   450
   End
   Begin VB.Label Label2 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Åã="
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   14.4
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   0
      Left            =   2160
      TabIndex        =   6
      Top             =   576
      Width           =   450
   End
   Begin VB.Label Label1 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00FFC0C0&
      Caption         =   "c"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   5
      Left            =   144
      TabIndex        =   5
      Top             =   2880
      Width           =   306
   End
   Begin VB.Label Label1 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00FFC0C0&
      Caption         =   "b"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   4
      Left            =   144
      TabIndex        =   4
      Top             =   2448
      Width           =   306
   End
   Begin VB.Label Label1 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00FFC0C0&
      Caption         =   "a"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   3
      Left            =   144
      TabIndex        =   3
      Top             =   2016
      Width           =   306
   End
   Begin VB.Label Label1 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00FFC0C0&
      Caption         =   "C"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   2
      Left            =   144
      TabIndex        =   2
      Top             =   1440
      Width           =   306
   End
   Begin VB.Label Label1 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00FFC0C0&
      Caption         =   "B"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
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
      Width           =   306
   End
   Begin VB.Label Label1 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00FFC0C0&
      Caption         =   "A"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   0
      Left            =   144
      TabIndex        =   0
      Top             =   576
      Width           =   306
   End
End
Attribute VB_Name = "Form3"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim a1(5) As Boolean  'ílÇ™ì¸Ç¡ÇƒÇ¢ÇÈÇ©Ç«Ç§Ç©
Dim near0 As Double, near180 As Double, pi As Double

Private Sub Form_Load()
near0 = 0.000000000000001
near180 = 179.999999999999
pi = 3.14159265358979
End Sub


Private Sub StatusBar1_PanelClick(ByVal Panel As MSComctlLib.Panel)
If Panel.text = "èâä˙âª" Then
For a = 0 To 2
Text2(a).text = ""
Next a
For a = 0 To 5
Text1(a).text = ""
a1(a) = False
Next a
For a = 1 To 11
Label5(a).Caption = ""
Next a
End If
End Sub

Private Sub Text1_lostfocus(Index As Integer)
On Error GoTo ERHA
Dim b As Integer
If Text1(Index).text = "" Then a1(Index) = False: Exit Sub
a1(Index) = True
Select Case Index
Case 0 To 2
 If Text1(Index).text <= 0 Then Text1(Index).text = near0
 If Text1(Index).text >= 180 Then Text1(Index).text = near180
 For a = 0 To 2 '>>>ì¸óÕÇ≥ÇÍÇƒÇ¢ÇÈäpìxÇÃêîÇ™ë´ÇËÇÈÇ©
  If a1(a) = True Then b = b + 1
 Next a
 If b >= 2 Then  '>>>ìÒäpÇ©ÇÁécÇËÇÃäpÇãÅÇﬂÇÈ
  For a = 2 To 1 Step -1
   aa = (Index + a) Mod 3
   If a1(aa) = True Then b = aa 'b ä˘ímÇÃäpî‘çÜ
  Next a
  c = 3 - Index - b             'c ñ¢ímÇÃäpî‘çÜ
  Dim d1 As Double, d2 As Double
  d1 = Text1(Index).text        'd1=ì¸óÕÇµÇΩäpìx
  d2 = Text1(b).text            'd2=ëºÇÃä˘ímÇÃäpìx
  If d1 + d2 >= 180 Then                                              'éOäpå`ÇÃìÒäpÇÃòa<180Åã
   d2 = near180 - d1                                                  '                     '
   If d2 = 0 Then d2 = near0: d1 = d1 - near0: Text1(Index).text = d1 'Ç≈ç›ÇÈÇ±Ç∆Ç…àˆÇÈí≤êÆ '
  End If                                                              '                     '
  Text1(b).text = d2                                                  '                     '
  Text1(c).text = 180 - d1 - d2: a1(c) = True
  Call Text1_lostfocus(3)
 End If
 For a = 0 To 2
  If Not Text1(a).text = "" Then Text2(a).text = Text1(a).text / 180 * pi
 Next a
Case 3 To 5
 Dim c1 As Integer, c2 As Integer 'c1=ì¸óÕÇ≥ÇÍÇƒÇ¢ÇÈäpÇÃêî c2=ì¸óÕÇ≥ÇÍÇƒÇ¢ÇÈï”ÇÃêî(c2a=ÇªÇÃî‘çÜ)
 For a = 0 To 2
  If a1(a) = True Then c1 = c1 + 1
 Next a
 For a = 3 To 5
  If a1(a) = True Then c2 = c2 + 1: c2a = a
 Next a
 Select Case c2
 Case 1 'àÍï”Ç∆ÇªÇÃóºí[ÇÃäp>écÇËÇÃï”
  If c1 = 3 Then
   d = Text1(c2a).text / Sin(Text1(c2a - 3).text / 180 * pi)
   a = (c2a + 1) Mod 3
   Text1(a + 3).text = d * Sin(Text1(a).text / 180 * pi): a1(a + 3) = True
   a = (c2a + 2) Mod 3
   Text1(a + 3).text = d * Sin(Text1(a).text / 180 * pi): a1(a + 3) = True
   Call date_showing
  End If
 Case 2 'ìÒï”Ç∆ÇªÇÃöÒäp>écÇËÇÃï”
  Dim c4(1) As Double, c5 As Integer
  For a = 3 To 5
   If a1(a) = False And a1(a - 3) = True Then
   c3 = a: d1 = Text1(c3 - 3).text 'd1=öÒäp c3=ñ¢ímï”î‘çÜ
   ElseIf a1(a) = True Then c4(c5) = Text1(a).text: c5 = c5 + 1
   Else: GoTo skip1
   End If
  Next a
  Text1(c3).text = Sqr(c4(0) ^ 2 + c4(1) ^ 2 - 2 * c4(0) * c4(1) * Cos(d1 / 180 * pi)): a1(c3) = True
  GoSub éOï”
skip1:
 Case 3 'éOï”>äp
  If Text1(3).text > Text1(4).text + Text1(5).text Then Text1(3).text = "": a1(3) = False: Call status1("ï”")
  If Text1(4).text > Text1(5).text + Text1(3).text Then Text1(4).text = "": a1(4) = False: Call status1("ï”")
  If Text1(5).text > Text1(3).text + Text1(4).text Then Text1(5).text = "": a1(5) = False: Call status1("ï”")
  GoSub éOï”
 End Select 'if b
End Select
Exit Sub

ERHA:
Text1(Index).text = ""
a1(Index) = False
Exit Sub

éOï”: 'éOï”Ç©ÇÁécÇËÇÃäpÇãÅÇﬂÇÈ
For a = 0 To 2
 If a1(a) = False Then
  aa0 = (a + 1) Mod 3: aa1 = (a + 2) Mod 3
  If a1(aa0) = True And a1(aa1) = True Then
   Text1(a).text = 180 - Text1(aa0).text - Text1(aa1).text: a1(a) = True
  Else
   Dim d22 As Double, d20 As Double, d21 As Double, d4 As Double 'd2=éOï”ÇÃí∑Ç≥ d4=cos(äp),äp(radian)
   d22 = Text1(a + 3).text
   d20 = Text1((a + 1) Mod 3 + 3).text
   d21 = Text1((a + 2) Mod 3 + 3).text
   d4 = (d20 * d20 + (d21 + d22) * (d21 - d22)) / (2 * d20 * d21)
   d4 = Atn(-d4 / Sqr(1 - d4 * d4)) + 1.5707963267949  'pi/2
   Text1(a).text = d4 / pi * 180: a1(a) = True
  End If
 End If
Next a
Call date_showing
Return

End Sub

Private Sub Text2_LostFocus(Index As Integer)
If Text2(Index).text = "" Then Exit Sub
Text1(Index).text = Text2(Index).text * 180 / pi
Call Text1_lostfocus(Index)
End Sub

Public Sub date_showing()
Dim a As Double, b As Double, c As Double, aa As Double, ab As Double, ac As Double
a = Text1(3).text: aa = Text1(0).text / 180 * pi
b = Text1(4).text: ab = Text1(1).text / 180 * pi
c = Text1(5).text: ac = Text1(2).text / 180 * pi
Label5(2).Caption = a + b + c
s = Label5(2).Caption / 2
Label5(1).Caption = Sqr(s * (s - a) * (s - b) * (s - c))
Label5(3) = (a / Sin(aa) + b / Sin(ab) + c / Sin(ac)) / 6
Label5(5) = Label5(1).Caption / s
For n = 2 To 3
nn = n * 2
Label5(nn).Caption = pi * Label5(nn - 1).Caption * Label5(nn - 1).Caption
Next n
End Sub

Public Sub status1(text)
Select Case text
Case "ï”"
text = "ìÒï”ÇÃí∑Ç≥Ç™àÍï”ÇÃí∑Ç≥ÇÊÇËè¨Ç≥Ç≠ÇƒÇÕéOäpå`ÇçÏÇÈÇ±Ç∆Ç™Ç≈Ç´Ç‹ÇπÇÒ!"
End Select
StatusBar1.Panels(1).text = text
End Sub
