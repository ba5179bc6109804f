VERSION 5.00
Object = "{5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0"; "MSFLXGRD.OCX"
Begin VB.Form frmMain 
   BorderStyle     =   3  'Fester Dialog
   Caption         =   "Dynamometers Problem report !"
   ClientHeight    =   8730
   ClientLeft      =   2232
   ClientTop       =   1854
   ClientWidth     =   12960
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "Form4.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   8730
   ScaleWidth      =   12960
   StartUpPosition =   2  'Bildschirmmitte
   Begin VB.CommandButton CmdClose 
      Caption         =   "Close"
      Height          =   450
      Left            =   11088
      TabIndex        =   13
      Top             =   7344
      Width           =   1746
   End
   Begin VB.PictureBox Picture1 
      Height          =   882
      Left            =   10944
      Picture         =   "Form4.frx":0442
      ScaleHeight     =   810
      ScaleWidth      =   1818
      TabIndex        =   12
      Top             =   144
      Width           =   1890
   End
   Begin VB.CommandButton cmdDropTable 
      Caption         =   "Delete Table"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   396
      Left            =   10962
      TabIndex        =   8
      Top             =   3186
      Width           =   1908
   End
   Begin VB.CommandButton cmdQueryTable 
      Caption         =   "Query"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   396
      Left            =   10962
      TabIndex        =   7
      Top             =   3690
      Width           =   1908
   End
   Begin VB.CommandButton cmdDelete 
      Caption         =   "Delete"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   396
      Left            =   4032
      TabIndex        =   6
      Top             =   8262
      Width           =   1782
   End
   Begin VB.CommandButton cmdEdit 
      Caption         =   "Edit"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   396
      Left            =   2142
      TabIndex        =   5
      Top             =   8262
      Width           =   1782
   End
   Begin VB.CommandButton cmdAdd 
      Caption         =   "Add New"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   396
      Left            =   252
      TabIndex        =   4
      Top             =   8262
      Width           =   1782
   End
   Begin VB.CommandButton cmdCreateTable 
      Caption         =   "Create Table"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   396
      Left            =   10962
      TabIndex        =   3
      Top             =   2682
      Width           =   1908
   End
   Begin VB.CommandButton cmdDisconnect 
      Caption         =   "Disconnect"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   396
      Left            =   10962
      TabIndex        =   2
      Top             =   1800
      Width           =   1908
   End
   Begin VB.CommandButton cmdConnect 
      Caption         =   "Connect"
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   396
      Left            =   10962
      TabIndex        =   1
      Top             =   1296
      Width           =   1908
   End
   Begin MSFlexGridLib.MSFlexGrid MSFlexGrid1 
      Height          =   7002
      Left            =   252
      TabIndex        =   0
      Top             =   1008
      Width           =   10602
      _ExtentX        =   18701
      _ExtentY        =   12350
      _Version        =   393216
      SelectionMode   =   1
   End
   Begin VB.Label lblURL 
      Caption         =   "www.little-tools-farm.de"
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   -1  'True
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800000&
      Height          =   270
      Left            =   9504
      MouseIcon       =   "Form4.frx":0A49
      MousePointer    =   99  'Benutzerdefiniert
      TabIndex        =   11
      Top             =   8424
      Width           =   2862
   End
   Begin VB.Label lblCopyright 
      Caption         =   "Copyright ©2007 by little-tools-farm.de"
      Height          =   270
      Index           =   0
      Left            =   9504
      TabIndex        =   10
      Top             =   8118
      UseMnemonic     =   0   'False
      Width           =   3312
   End
   Begin VB.Label lblWelcome 
      Caption         =   "Welcome Dynamometers Problem Report"
      BeginProperty Font 
         Name            =   "Verdana"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   0
      Left            =   1008
      TabIndex        =   9
      Top             =   288
      Width           =   5814
   End
   Begin VB.Image Image2 
      Height          =   666
      Left            =   126
      Picture         =   "Form4.frx":0D53
      Stretch         =   -1  'True
      Top             =   126
      Width           =   666
   End
   Begin VB.Line Line1 
      Index           =   2
      X1              =   252
      X2              =   10800
      Y1              =   864
      Y2              =   864
   End
   Begin VB.Line Line1 
      BorderColor     =   &H00FFFFFF&
      Index           =   3
      X1              =   252
      X2              =   6930
      Y1              =   864
      Y2              =   864
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
'======================================================

