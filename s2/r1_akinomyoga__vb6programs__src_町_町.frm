VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "í¨"
   ClientHeight    =   8316
   ClientLeft      =   4950
   ClientTop       =   3186
   ClientWidth     =   9774
   BeginProperty Font 
      Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
      Size            =   9.9
      Charset         =   128
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "í¨.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   8316
   ScaleWidth      =   9774
   Begin VB.CommandButton Command7 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   738
      Left            =   5328
      Picture         =   "í¨.frx":27A2
      Style           =   1  'Graphical
      TabIndex        =   36
      Top             =   5616
      Width           =   738
   End
   Begin VB.Timer Timer1 
      Interval        =   5000
      Left            =   144
      Top             =   5760
   End
   Begin VB.HScrollBar HScroll1 
      Height          =   450
      Left            =   1296
      Max             =   5
      TabIndex        =   27
      Top             =   432
      Width           =   4050
   End
   Begin VB.VScrollBar VScroll1 
      Height          =   4050
      Left            =   864
      Max             =   5
      TabIndex        =   6
      Top             =   864
      Width           =   450
   End
   Begin VB.CommandButton Command6 
      Caption         =   "èIóπ"
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
      Left            =   144
      TabIndex        =   5
      Top             =   6336
      Width           =   1458
   End
   Begin VB.CommandButton Command5 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   738
      Left            =   5328
      Picture         =   "í¨.frx":2FE4
      Style           =   1  'Graphical
      TabIndex        =   4
      ToolTipText     =   "<\10000ñú œ›ºÆ›>  4ñúêl  êlãC2"
      Top             =   3888
      Width           =   738
   End
   Begin VB.CommandButton Command4 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   738
      Left            =   5328
      Picture         =   "í¨.frx":3826
      Style           =   1  'Graphical
      TabIndex        =   3
      ToolTipText     =   "<\1000ñúÅ@çHèÍ>  100ñúâ~"
      Top             =   3168
      Width           =   738
   End
   Begin VB.CommandButton Command3 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   738
      Left            =   5328
      Picture         =   "í¨.frx":4068
      Style           =   1  'Graphical
      TabIndex        =   2
      ToolTipText     =   "<\3000ñú é{ê›>  êlãC3  10ñúâ~"
      Top             =   2448
      Width           =   738
   End
   Begin VB.CommandButton Command2 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   738
      Left            =   5328
      Picture         =   "í¨.frx":48AA
      Style           =   1  'Graphical
      TabIndex        =   1
      ToolTipText     =   "<\500ñú ìπòH>  êlãC5"
      Top             =   1728
      Width           =   738
   End
   Begin VB.CommandButton Command1 
      BeginProperty Font 
         Name            =   "ÇlÇr ÇoÉSÉVÉbÉN"
         Size            =   9.9
         Charset         =   128
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   738
      Left            =   5328
      Picture         =   "í¨.frx":50EC
      Style           =   1  'Graphical
      TabIndex        =   0
      ToolTipText     =   "<\5000ñúÅ@œ›ºÆ›>  2ñúêl  êlãC1"
      Top             =   1008
      Width           =   738
   End
   Begin VB.Label Label6 
      Caption         =   "0"
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
      Left            =   8640
      TabIndex        =   42
      Top             =   3168
      Width           =   450
   End
   Begin VB.Label Label9 
      Caption         =   "ì˙êî"
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
      Left            =   2160
      TabIndex        =   41
      Top             =   5760
      Width           =   450
   End
   Begin VB.Label Label8 
      Caption         =   "0"
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
      TabIndex        =   40
      Top             =   5760
      Width           =   1170
   End
   Begin VB.Label Label7 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   39
      ToolTipText     =   "êlå˚ÇÃç≈çÇÇÃçáåv"
      Top             =   5040
      Width           =   738
   End
   Begin VB.Label Label7 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   38
      ToolTipText     =   "êlå˚ÇÃç≈çÇ"
      Top             =   4176
      Width           =   738
   End
   Begin VB.Label Label7 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   37
      ToolTipText     =   "êlå˚ÇÃç≈çÇ"
      Top             =   1296
      Width           =   738
   End
   Begin VB.Label Label5 
      Caption         =   "100000000"
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
      TabIndex        =   35
      Top             =   6336
      Width           =   1170
   End
   Begin VB.Label Label1 
      Caption         =   "ó\éZ"
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
      Left            =   2160
      TabIndex        =   34
      Top             =   6336
      Width           =   450
   End
   Begin VB.Shape Shape3 
      BorderColor     =   &H0000FFFF&
      Height          =   4482
      Left            =   8496
      Top             =   576
      Width           =   738
   End
   Begin VB.Label Label1 
      Caption         =   "êlãC"
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
      Left            =   8640
      TabIndex        =   33
      Top             =   576
      Width           =   450
   End
   Begin VB.Label Label6 
      Caption         =   "0"
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
      Left            =   8640
      TabIndex        =   32
      ToolTipText     =   "í¨ÇÃêlãC"
      Top             =   4752
      Width           =   450
   End
   Begin VB.Label Label6 
      Caption         =   "0"
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
      Left            =   8640
      TabIndex        =   31
      Top             =   3888
      Width           =   450
   End
   Begin VB.Label Label6 
      Caption         =   "0"
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
      Left            =   8640
      TabIndex        =   30
      Top             =   2448
      Width           =   450
   End
   Begin VB.Label Label6 
      Caption         =   "0"
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
      Left            =   8640
      TabIndex        =   29
      Top             =   1728
      Width           =   450
   End
   Begin VB.Label Label6 
      Caption         =   "0"
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
      Left            =   8640
      TabIndex        =   28
      Top             =   1008
      Width           =   450
   End
   Begin VB.Shape Shape2 
      BorderColor     =   &H00FF0000&
      Height          =   4914
      Left            =   6192
      Top             =   576
      Width           =   1026
   End
   Begin VB.Label Label4 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   26
      ToolTipText     =   "åöï®ÇÃêî"
      Top             =   4752
      Width           =   450
   End
   Begin VB.Label Label4 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   25
      ToolTipText     =   "Ç±ÇÃåöï®ÇÃêî"
      Top             =   3888
      Width           =   450
   End
   Begin VB.Label Label4 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   24
      ToolTipText     =   "Ç±ÇÃåöï®ÇÃêî"
      Top             =   3168
      Width           =   450
   End
   Begin VB.Label Label4 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   23
      ToolTipText     =   "Ç±ÇÃåöï®ÇÃêî"
      Top             =   2448
      Width           =   450
   End
   Begin VB.Label Label4 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   22
      ToolTipText     =   "Ç±ÇÃåöï®ÇÃêî"
      Top             =   1728
      Width           =   450
   End
   Begin VB.Label Label4 
      Caption         =   "0"
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
      Left            =   6336
      TabIndex        =   21
      ToolTipText     =   "Ç±ÇÃåöï®ÇÃêî"
      Top             =   1008
      Width           =   450
   End
   Begin VB.Label Label1 
      Caption         =   "êî"
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
      Left            =   6336
      TabIndex        =   20
      Top             =   576
      Width           =   450
   End
   Begin VB.Shape Shape1 
      BorderColor     =   &H00FF00FF&
      Height          =   4482
      Left            =   7344
      Top             =   576
      Width           =   1026
   End
   Begin VB.Label Label3 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   19
      ToolTipText     =   "çáåv"
      Top             =   4176
      Width           =   882
   End
   Begin VB.Label Label3 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   18
      ToolTipText     =   "çáåv"
      Top             =   3456
      Width           =   882
   End
   Begin VB.Label Label3 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   17
      ToolTipText     =   "çáåv"
      Top             =   2736
      Width           =   882
   End
   Begin VB.Label Label3 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   16
      ToolTipText     =   "çáåv"
      Top             =   2016
      Width           =   882
   End
   Begin VB.Label Label3 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   15
      ToolTipText     =   "çáåv"
      Top             =   1296
      Width           =   882
   End
   Begin VB.Label Label1 
      Caption         =   "çáåv"
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
      Left            =   5328
      TabIndex        =   14
      Top             =   4752
      Width           =   738
   End
   Begin VB.Label Label2 
      Caption         =   "1"
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
      Left            =   7488
      TabIndex        =   13
      ToolTipText     =   "ëçêlå˚"
      Top             =   4752
      Width           =   738
   End
   Begin VB.Label Label2 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   12
      ToolTipText     =   "àÍÇ¬Ç†ÇΩÇË"
      Top             =   3888
      Width           =   738
   End
   Begin VB.Label Label2 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   11
      ToolTipText     =   "àÍÇ¬Ç†ÇΩÇË"
      Top             =   3168
      Width           =   738
   End
   Begin VB.Label Label2 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   10
      ToolTipText     =   "àÍÇ¬Ç†ÇΩÇË"
      Top             =   2448
      Width           =   738
   End
   Begin VB.Label Label2 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   9
      ToolTipText     =   "àÍÇ¬Ç†ÇΩÇË"
      Top             =   1728
      Width           =   738
   End
   Begin VB.Label Label2 
      Caption         =   "0"
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
      Left            =   7488
      TabIndex        =   8
      ToolTipText     =   "àÍÇ¬Ç†ÇΩÇË"
      Top             =   1008
      Width           =   738
   End
   Begin VB.Label Label1 
      Caption         =   "êlå˚"
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
      Left            =   7488
      TabIndex        =   7
      Top             =   576
      Width           =   450
   End
   Begin VB.Line Line2 
      BorderColor     =   &H0000FF00&
      X1              =   1296
      X2              =   5328
      Y1              =   1440
      Y2              =   1440
   End
   Begin VB.Line Line1 
      BorderColor     =   &H0000FF00&
      X1              =   1872
      X2              =   1872
      Y1              =   864
      Y2              =   4896
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   35
      Left            =   4464
      Top             =   4032
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   34
      Left            =   4464
      Top             =   3456
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   33
      Left            =   4464
      Top             =   2880
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   32
      Left            =   4464
      Top             =   2304
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   31
      Left            =   4464
      Top             =   1728
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   30
      Left            =   4464
      Top             =   1152
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   29
      Left            =   3888
      Top             =   4032
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   28
      Left            =   3888
      Top             =   3456
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   27
      Left            =   3888
      Top             =   2880
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   26
      Left            =   3888
      Top             =   2304
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   25
      Left            =   3888
      Top             =   1728
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   24
      Left            =   3888
      Top             =   1152
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   23
      Left            =   3312
      Top             =   4032
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   22
      Left            =   3312
      Top             =   3456
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   21
      Left            =   3312
      Top             =   2880
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   20
      Left            =   3312
      Top             =   2304
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   19
      Left            =   3312
      Top             =   1728
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   18
      Left            =   3312
      Top             =   1152
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   17
      Left            =   2736
      Top             =   4032
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   16
      Left            =   2736
      Top             =   3456
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   15
      Left            =   2736
      Top             =   2880
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   14
      Left            =   2736
      Top             =   2304
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   13
      Left            =   2736
      Top             =   1728
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   12
      Left            =   2736
      Top             =   1152
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   11
      Left            =   2160
      Top             =   4032
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   10
      Left            =   2160
      Top             =   3456
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   9
      Left            =   2160
      Top             =   2880
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   8
      Left            =   2160
      Top             =   2304
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   7
      Left            =   2160
      Top             =   1728
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   6
      Left            =   2160
      Top             =   1152
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   5
      Left            =   1584
      Top             =   4032
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   4
      Left            =   1584
      Top             =   3456
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   3
      Left            =   1584
      Top             =   2880
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   2
      Left            =   1584
      Top             =   2304
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   1
      Left            =   1584
      Top             =   1728
      Width           =   594
   End
   Begin VB.Image Image1 
      Height          =   594
      Index           =   0
      Left            =   1584
      Top             =   1152
      Width           =   594
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim imgd(0 To 5, 0 To 5)
Dim a
Dim b
Dim ka As Integer
Dim kb As Integer
Dim kd As Integer
Dim kdd As Integer
Dim ke As Integer
Private Sub Command1_Click()
If Label5.Caption >= 50000000 Then
Call Herutatemono
Image1(a + 6 * b).Picture = Command1.Picture
imgd(a, b) = 1
Label4(0).Caption = Label4(0).Caption + 1
Label4(5).Caption = Label4(5).Caption + 1
Label6(0).Caption = Label6(0).Caption + 1
Label5.Caption = Label5.Caption - 50000000
Call NinkiGoukei
Call MachiNoTeiin
End If
End Sub
Private Sub Command2_Click()
If Label5.Caption >= 5000000 Then
Call Herutatemono
Image1(a + 6 * b).Picture = Command2.Picture
imgd(a, b) = 2
Label4(1).Caption = Label4(1).Caption + 1
Label4(5).Caption = Label4(5).Caption + 1
Label6(1).Caption = Label6(1).Caption + 5
Label5.Caption = Label5.Caption - 5000000
Call NinkiGoukei
Call MachiNoTeiin
End If
End Sub
Private Sub Command3_Click()
If Label5.Caption >= 30000000 Then
Call Herutatemono
Image1(a + 6 * b).Picture = Command3.Picture
imgd(a, b) = 3
Label4(2).Caption = Label4(2).Caption + 1
Label4(5).Caption = Label4(5).Caption + 1
Label6(2).Caption = Label6(2).Caption + 3
Label5.Caption = Label5.Caption - 30000000
Call NinkiGoukei
Call MachiNoTeiin
End If
End Sub
Private Sub Command4_Click()
If Label5.Caption >= 10000000 Then
Call Herutatemono
Image1(a + 6 * b).Picture = Command4.Picture
imgd(a, b) = 4
Label4(3).Caption = Label4(3).Caption + 1
Label4(5).Caption = Label4(5).Caption + 1
Label5.Caption = Label5.Caption - 10000000
Call NinkiGoukei
Call MachiNoTeiin
End If
End Sub
Private Sub Command5_Click()
If Label5.Caption >= 100000000 Then
Call Herutatemono
Image1(a + 6 * b).Picture = Command5.Picture
imgd(a, b) = 5
Label4(4).Caption = Label4(4).Caption + 1
Label4(5).Caption = Label4(5).Caption + 1
Label6(4).Caption = Label6(4).Caption + 2
Label5.Caption = Label5.Caption - 100000000
Call NinkiGoukei
Call MachiNoTeiin
End If
End Sub
Private Sub Command6_Click()
End
End Sub

Private Sub Command7_Click()
ke = 0
End Sub

Private Sub Form_Load()
imgd(0, 0) = 0: imgd(0, 1) = 0: imgd(0, 2) = 0: imgd(0, 3) = 0: imgd(0, 4) = 0: imgd(0, 5) = 0
imgd(1, 0) = 0: imgd(1, 1) = 0: imgd(1, 2) = 0: imgd(1, 3) = 0: imgd(1, 4) = 0: imgd(1, 5) = 0
imgd(2, 0) = 0: imgd(2, 1) = 0: imgd(2, 2) = 0: imgd(2, 3) = 0: imgd(2, 4) = 0: imgd(2, 5) = 0
imgd(3, 0) = 0: imgd(3, 1) = 0: imgd(3, 2) = 0: imgd(3, 3) = 0: imgd(3, 4) = 0: imgd(3, 5) = 0
imgd(4, 0) = 0: imgd(4, 1) = 0: imgd(4, 2) = 0: imgd(4, 3) = 0: imgd(4, 4) = 0: imgd(4, 5) = 0
imgd(5, 0) = 0: imgd(5, 1) = 0: imgd(5, 2) = 0: imgd(5, 3) = 0: imgd(5, 4) = 0: imgd(5, 5) = 0
a = 0: b = 0
End Sub
Private Sub HScroll1_Change()
b = HScroll1.Value
Line1.X1 = 1560 + 480 * HScroll1.Value
Line1.X2 = 1560 + 480 * HScroll1.Value
End Sub
Private Sub Label2_Change(Index As Integer)
If Index = 5 Then
lc = 3 * Label4(0).Caption + Label4(1).Caption + 2 * Label4(2).Caption + Label4(3).Caption + 5 * Label4(4).Caption
If lc > 0 Then
Label2(0).Caption = Fix(3 * Label2(5).Caption / lc)
Label2(1).Caption = Fix(Label2(5).Caption / lc)
Label2(2).Caption = Fix(2 * Label2(5).Caption / lc)
Label2(3).Caption = Fix(Label2(5).Caption / lc)
Label2(4).Caption = Fix(5 * Label2(5).Caption / lc)
End If
Label3(0).Caption = Label4(0).Caption * Label2(0).Caption
Label3(1).Caption = Label4(1).Caption * Label2(1).Caption
Label3(2).Caption = Label4(2).Caption * Label2(2).Caption
Label3(3).Caption = Label4(3).Caption * Label2(3).Caption
Label3(4).Caption = Label4(4).Caption * Label2(4).Caption
End If
End Sub
Private Sub MachiNoTeiin() 'í¨Ç…èZÇﬂÇÈêlÇÃç≈çÇÇÃêlêîÇèoÇµíºÇ∑ÅB
Dim ma As Long: ma = 20000 * Label4(0).Caption: Label7(0).Caption = ma
Dim mb As Long: mb = 40000 * Label4(4).Caption: Label7(4).Caption = mb
Label7(5).Caption = ma + mb
End Sub
Private Sub NinkiGoukei() 'êlãCÇÃçáåvÇåvéZÇµíºÇ∑ÅB
Dim na As Integer: Dim nb As Integer: Dim nc As Integer: Dim nd As Integer: Dim ne As Integer
na = Label6(0).Caption: nb = Label6(1).Caption: nc = Label6(2).Caption: nd = Label6(3).Caption: ne = Label6(4).Caption
Label6(5).Caption = na + nb + nc + nd + ne
End Sub

Private Sub Herutatemono() 'åöï®Ç™å∏Ç¡ÇΩéûÇÃåvéZÇ≈Ç∑ÅB
If imgd(a, b) <= 5 And imgd(a, b) >= 1 Then
Label4(5).Caption = Label4(5).Caption - 1
If imgd(a, b) = 1 Then
Label4(0).Caption = Label4(0).Caption - 1
Label6(0).Caption = Label6(0).Caption - 1
ElseIf imgd(a, b) = 2 Then
Label4(1).Caption = Label4(1).Caption - 1
Label6(1).Caption = Label6(1).Caption - 5
ElseIf imgd(a, b) = 3 Then
Label4(2).Caption = Label4(2).Caption - 1
Label6(2).Caption = Label6(2).Caption - 3
ElseIf imgd(a, b) = 4 Then
Label4(3).Caption = Label4(3).Caption - 1
ElseIf imgd(a, b) = 5 Then
Label4(4).Caption = Label4(4).Caption - 1
Label6(4).Caption = Label6(4).Caption - 2
End If
End If
End Sub

Private Sub Kaji()
If kd >= 0 And kd <= 35 Then
    Image1(kd).Picture = Command7.Picture
    kc = imgd(Fix(kd / 6), kd Mod 6)
    If kc > 0 Then
        Label4(kc - 1).Caption = Label4(kc - 1).Caption - 1
        Label4(5).Caption = Label4(5).Caption - 1
        Label2(5).Caption = Label2(5).Caption - Label2(kc - 1).Caption
        Label6(0).Caption = Label4(0).Caption: Label6(1).Caption = Label4(1).Caption * 5
        Label6(2).Caption = Label4(2).Caption * 3: Label6(4).Caption = Label4(4).Caption * 2
        Dim w As Integer: w = Label6(0).Caption: Dim x As Integer: x = Label6(1).Caption
        Dim y As Integer: y = Label6(2).Caption: Dim z As Integer: z = Label6(4).Caption
        Label6(5).Caption = w + x + y + z
        imgd(Fix(kd / 6), kd Mod 6) = 0
        Call MachiNoTeiin
    End If
End If
End Sub

Private Sub Timer1_Timer()
Dim ta As Long: ta = Label8.Caption
Dim tb As Long: tb = 1
Label8.Caption = ta + tb
'êlå˚ÇÃëùâ¡
Dim h As Long: Dim i As Currency
h = Label2(5).Caption: i = Label6(5).Caption
h = h + i: h = h * (1000 + i) / 1000
If Int(h) <= Label7(5).Caption Then
Label2(5).Caption = Int(h)
Else
Label2(5).Caption = Label7(5).Caption
End If
'ñ◊ÇØ
Dim j As Integer: j = Label4(2).Caption
Dim k As Integer: k = Label4(3).Caption
i = Label5.Caption
Dim l As Currency: Dim m As Single: Dim n As Single
l = 1000 * Int(h): m = 100000 * j: n = 1000000 * k
i = i + l + m + n
If i <= 5000000000# Then
Label5.Caption = i
Else
Label5.Caption = 5000000000#
End If
'âŒéñÇÃåvéZ
Randomize
If Rnd * 12 < 1 Then
ka = Fix(Rnd * 6): kb = Fix(Rnd * 6)
kdd = ka * 6 + kb: kd = kdd: Call Kaji: ke = 1
ElseIf ke > 0 And ke < 11 Then
For r = 0 To ke
kd = kdd + ke + 5 * r: Call Kaji
kd = kdd - ke - 5 * r: Call Kaji
Next r
ke = ke + 1
End If
End Sub

Private Sub VScroll1_Change()
a = VScroll1.Value
Line2.Y1 = 1200 + 480 * VScroll1.Value
Line2.Y2 = 1200 + 480 * VScroll1.Value
End Sub
