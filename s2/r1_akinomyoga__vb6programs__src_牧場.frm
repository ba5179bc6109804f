VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   8226
   ClientLeft      =   486
   ClientTop       =   2484
   ClientWidth     =   10152
   BeginProperty Font 
      Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
      Size            =   9.9
      Charset         =   128
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   8226
   ScaleWidth      =   10152
   Begin VB.CommandButton Command13 
      Caption         =   "ïañÚ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1728
      TabIndex        =   21
      Top             =   864
      Width           =   594
   End
   Begin VB.CommandButton Command12 
      Caption         =   "âa"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   576
      TabIndex        =   20
      Top             =   864
      Width           =   450
   End
   Begin VB.Frame Frame1 
      Caption         =   "éùÇøï®"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   6210
      Left            =   6624
      TabIndex        =   11
      Top             =   1440
      Width           =   2898
      Begin VB.Label Label8 
         Caption         =   "ãõ"
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
         Left            =   144
         TabIndex        =   19
         Top             =   2592
         Width           =   450
      End
      Begin VB.Label Label7 
         Caption         =   "îÏóø"
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
         Left            =   144
         TabIndex        =   18
         Top             =   2160
         Width           =   450
      End
      Begin VB.Label Label6 
         Caption         =   "î_ñÚ"
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
         Left            =   144
         TabIndex        =   17
         Top             =   1872
         Width           =   450
      End
      Begin VB.Label Label5 
         Caption         =   "éÌ"
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
         Left            =   144
         TabIndex        =   16
         Top             =   1584
         Width           =   450
      End
      Begin VB.Label Label4 
         Caption         =   "âhó{"
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
         Left            =   144
         TabIndex        =   15
         Top             =   1152
         Width           =   450
      End
      Begin VB.Label Label3 
         Caption         =   "ãçì˚"
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
         Left            =   144
         TabIndex        =   14
         Top             =   864
         Width           =   450
      End
      Begin VB.Label Label2 
         Caption         =   "ëÂãç"
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
         Left            =   144
         TabIndex        =   13
         Top             =   576
         Width           =   450
      End
      Begin VB.Label Label1 
         Caption         =   "éqãç"
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
         Left            =   144
         TabIndex        =   12
         Top             =   288
         Width           =   450
      End
   End
   Begin VB.CommandButton Command11 
      Caption         =   "éqãü"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   3024
      TabIndex        =   10
      Top             =   0
      Width           =   594
   End
   Begin VB.CommandButton Command10 
      Caption         =   "é˚än"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   3744
      TabIndex        =   9
      Top             =   432
      Width           =   594
   End
   Begin VB.CommandButton Command9 
      Caption         =   "é˚än"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   3744
      TabIndex        =   8
      Top             =   0
      Width           =   594
   End
   Begin VB.CommandButton Command8 
      Caption         =   "éGëê"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   2304
      TabIndex        =   7
      Top             =   432
      Width           =   594
   End
   Begin VB.CommandButton Command7 
      Caption         =   "ë|èú"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   2304
      TabIndex        =   6
      Top             =   0
      Width           =   594
   End
   Begin VB.CommandButton Command6 
      Caption         =   "îÏóø"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1008
      TabIndex        =   5
      Top             =   432
      Width           =   594
   End
   Begin VB.CommandButton Command5 
      Caption         =   "âhó{"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1008
      TabIndex        =   4
      Top             =   0
      Width           =   594
   End
   Begin VB.CommandButton Command4 
      Caption         =   "î_ñÚ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1728
      TabIndex        =   3
      Top             =   432
      Width           =   594
   End
   Begin VB.CommandButton Command3 
      Caption         =   "ïañÚ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   1728
      TabIndex        =   2
      Top             =   0
      Width           =   594
   End
   Begin VB.CommandButton Command2 
      Caption         =   "êÖ"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   576
      TabIndex        =   1
      Top             =   432
      Width           =   450
   End
   Begin VB.CommandButton Command1 
      Caption         =   "âa"
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   576
      TabIndex        =   0
      Top             =   0
      Width           =   450
   End
   Begin VB.Label Label9 
      Caption         =   "Label9"
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
      Left            =   144
      TabIndex        =   22
      Top             =   0
      Width           =   18
   End
   Begin VB.Shape Shape1 
      FillColor       =   &H00FF8080&
      FillStyle       =   0  'Solid
      Height          =   1458
      Left            =   144
      Shape           =   2  'Oval
      Top             =   6480
      Width           =   2898
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   49
      Left            =   5904
      Picture         =   "ñqèÍ.frx":0000
      Top             =   6912
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   48
      Left            =   5904
      Picture         =   "ñqèÍ.frx":0C42
      Top             =   6336
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   47
      Left            =   5904
      Picture         =   "ñqèÍ.frx":1884
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   46
      Left            =   5904
      Picture         =   "ñqèÍ.frx":24C6
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   45
      Left            =   5904
      Picture         =   "ñqèÍ.frx":3108
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   44
      Left            =   5328
      Picture         =   "ñqèÍ.frx":3D4A
      Top             =   6912
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   43
      Left            =   5328
      Picture         =   "ñqèÍ.frx":498C
      Top             =   6336
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   42
      Left            =   5328
      Picture         =   "ñqèÍ.frx":55CE
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   41
      Left            =   5328
      Picture         =   "ñqèÍ.frx":6210
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   40
      Left            =   5328
      Picture         =   "ñqèÍ.frx":6E52
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   39
      Left            =   4752
      Picture         =   "ñqèÍ.frx":7A94
      Top             =   6912
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   38
      Left            =   4752
      Picture         =   "ñqèÍ.frx":86D6
      Top             =   6336
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   37
      Left            =   4752
      Picture         =   "ñqèÍ.frx":9318
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   36
      Left            =   4752
      Picture         =   "ñqèÍ.frx":9F5A
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   35
      Left            =   4752
      Picture         =   "ñqèÍ.frx":AB9C
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   34
      Left            =   4176
      Picture         =   "ñqèÍ.frx":B7DE
      Top             =   6912
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   33
      Left            =   4176
      Picture         =   "ñqèÍ.frx":C420
      Top             =   6336
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   32
      Left            =   4176
      Picture         =   "ñqèÍ.frx":D062
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   31
      Left            =   4176
      Picture         =   "ñqèÍ.frx":DCA4
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   30
      Left            =   4176
      Picture         =   "ñqèÍ.frx":E8E6
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   29
      Left            =   3600
      Picture         =   "ñqèÍ.frx":F528
      Top             =   6912
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   28
      Left            =   3600
      Picture         =   "ñqèÍ.frx":1016A
      Top             =   6336
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   27
      Left            =   3600
      Picture         =   "ñqèÍ.frx":10DAC
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   26
      Left            =   3600
      Picture         =   "ñqèÍ.frx":119EE
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   25
      Left            =   3600
      Picture         =   "ñqèÍ.frx":12630
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   24
      Left            =   5904
      Picture         =   "ñqèÍ.frx":13272
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   23
      Left            =   5904
      Picture         =   "ñqèÍ.frx":13EB4
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   22
      Left            =   5904
      Picture         =   "ñqèÍ.frx":14AF6
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   21
      Left            =   5904
      Picture         =   "ñqèÍ.frx":15738
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   20
      Left            =   5904
      Picture         =   "ñqèÍ.frx":1637A
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   19
      Left            =   5328
      Picture         =   "ñqèÍ.frx":16FBC
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   18
      Left            =   5328
      Picture         =   "ñqèÍ.frx":17BFE
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   17
      Left            =   5328
      Picture         =   "ñqèÍ.frx":18840
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   16
      Left            =   5328
      Picture         =   "ñqèÍ.frx":19482
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   15
      Left            =   5328
      Picture         =   "ñqèÍ.frx":1A0C4
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   14
      Left            =   4752
      Picture         =   "ñqèÍ.frx":1AD06
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   13
      Left            =   4752
      Picture         =   "ñqèÍ.frx":1B948
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   12
      Left            =   4752
      Picture         =   "ñqèÍ.frx":1C58A
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   11
      Left            =   4752
      Picture         =   "ñqèÍ.frx":1D1CC
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   10
      Left            =   4752
      Picture         =   "ñqèÍ.frx":1DE0E
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   9
      Left            =   4176
      Picture         =   "ñqèÍ.frx":1EA50
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   8
      Left            =   4176
      Picture         =   "ñqèÍ.frx":1F692
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   7
      Left            =   4176
      Picture         =   "ñqèÍ.frx":202D4
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   6
      Left            =   4176
      Picture         =   "ñqèÍ.frx":20F16
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   5
      Left            =   4176
      Picture         =   "ñqèÍ.frx":21B58
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   4
      Left            =   3600
      Picture         =   "ñqèÍ.frx":2279A
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   3
      Left            =   3600
      Picture         =   "ñqèÍ.frx":233DC
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   2
      Left            =   3600
      Picture         =   "ñqèÍ.frx":2401E
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   1
      Left            =   3600
      Picture         =   "ñqèÍ.frx":24C60
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image2 
      Height          =   576
      Index           =   0
      Left            =   3600
      Picture         =   "ñqèÍ.frx":258A2
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   39
      Left            =   2448
      Picture         =   "ñqèÍ.frx":260E4
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   38
      Left            =   2448
      Picture         =   "ñqèÍ.frx":26D26
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   37
      Left            =   2448
      Picture         =   "ñqèÍ.frx":27968
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   36
      Left            =   2448
      Picture         =   "ñqèÍ.frx":285AA
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   35
      Left            =   2448
      Picture         =   "ñqèÍ.frx":291EC
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   34
      Left            =   2448
      Picture         =   "ñqèÍ.frx":29E2E
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   33
      Left            =   2448
      Picture         =   "ñqèÍ.frx":2AA70
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   32
      Left            =   2448
      Picture         =   "ñqèÍ.frx":2B6B2
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   31
      Left            =   1872
      Picture         =   "ñqèÍ.frx":2C2F4
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   30
      Left            =   1872
      Picture         =   "ñqèÍ.frx":2CF36
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   29
      Left            =   1872
      Picture         =   "ñqèÍ.frx":2DB78
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   28
      Left            =   1872
      Picture         =   "ñqèÍ.frx":2E7BA
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   27
      Left            =   1872
      Picture         =   "ñqèÍ.frx":2F3FC
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   26
      Left            =   1872
      Picture         =   "ñqèÍ.frx":3003E
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   25
      Left            =   1872
      Picture         =   "ñqèÍ.frx":30C80
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   24
      Left            =   1872
      Picture         =   "ñqèÍ.frx":318C2
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   23
      Left            =   1296
      Picture         =   "ñqèÍ.frx":32504
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   22
      Left            =   1296
      Picture         =   "ñqèÍ.frx":33146
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   21
      Left            =   1296
      Picture         =   "ñqèÍ.frx":33D88
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   20
      Left            =   1296
      Picture         =   "ñqèÍ.frx":349CA
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   19
      Left            =   1296
      Picture         =   "ñqèÍ.frx":3560C
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   18
      Left            =   1296
      Picture         =   "ñqèÍ.frx":3624E
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   17
      Left            =   1296
      Picture         =   "ñqèÍ.frx":36E90
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   16
      Left            =   1296
      Picture         =   "ñqèÍ.frx":37AD2
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   15
      Left            =   720
      Picture         =   "ñqèÍ.frx":38714
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   14
      Left            =   720
      Picture         =   "ñqèÍ.frx":39356
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   13
      Left            =   720
      Picture         =   "ñqèÍ.frx":39F98
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   12
      Left            =   720
      Picture         =   "ñqèÍ.frx":3ABDA
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   11
      Left            =   720
      Picture         =   "ñqèÍ.frx":3B81C
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   10
      Left            =   720
      Picture         =   "ñqèÍ.frx":3C45E
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   9
      Left            =   720
      Picture         =   "ñqèÍ.frx":3D0A0
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   8
      Left            =   720
      Picture         =   "ñqèÍ.frx":3DCE2
      Top             =   1440
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   7
      Left            =   144
      Picture         =   "ñqèÍ.frx":3E924
      Top             =   5760
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   6
      Left            =   144
      Picture         =   "ñqèÍ.frx":3F566
      Top             =   5184
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   5
      Left            =   144
      Picture         =   "ñqèÍ.frx":401A8
      Top             =   4608
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   4
      Left            =   144
      Picture         =   "ñqèÍ.frx":40DEA
      Top             =   3744
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   3
      Left            =   144
      Picture         =   "ñqèÍ.frx":41A2C
      Top             =   3168
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   2
      Left            =   144
      Picture         =   "ñqèÍ.frx":4266E
      Top             =   2592
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   1
      Left            =   144
      Picture         =   "ñqèÍ.frx":432B0
      Top             =   2016
      Width           =   576
   End
   Begin VB.Image Image1 
      Height          =   576
      Index           =   0
      Left            =   144
      Picture         =   "ñqèÍ.frx":43EF2
      Top             =   1440
      Width           =   576
   End
   Begin VB.Menu MNfile 
      Caption         =   "ÉtÉ@ÉCÉã"
      Begin VB.Menu MNclear 
         Caption         =   "ç≈èâÇ©ÇÁ"
         Shortcut        =   ^N
      End
      Begin VB.Menu MNopen 
         Caption         =   "äJÇ≠"
         Shortcut        =   ^O
      End
      Begin VB.Menu MNsena 
         Caption         =   "-"
      End
      Begin VB.Menu MNhozon 
         Caption         =   "ï€ë∂"
         Shortcut        =   ^S
      End
      Begin VB.Menu MNsinfile 
         Caption         =   "ñºëOÇïtÇØÇƒï€ë∂"
         Shortcut        =   ^A
      End
      Begin VB.Menu MNsenb 
         Caption         =   "-"
      End
      Begin VB.Menu MNend 
         Caption         =   "èIóπ"
         Shortcut        =   ^E
      End
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub MNend_click()
End
End Sub

Private Sub Toolbar1_ButtonClick(ByVal Button As MSComctlLib.Button)

End Sub

Private Sub MNhozon_Click()
Form2.Show
End Sub

