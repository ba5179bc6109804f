VERSION 5.00
Object = "{2635FD45-668B-432A-8A79-3D3CF73A0077}#1.0#0"; "СhameleonButton.ocx"

Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form SetMaterial 
   BackColor       =   &H00808000&
   Caption         =   "Set material"
   ClientHeight    =   5454
   ClientLeft      =   72
   ClientTop       =   414
   ClientWidth     =   8640
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   204
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   5454
   ScaleWidth      =   8640
   StartUpPosition =   3  'Windows Default
   Begin VB.CommandButton Command2 
      Caption         =   "&Ok"
      Height          =   594
      Left            =   5328
      TabIndex        =   30
      Top             =   4752
      Width           =   1458
   End
   Begin VB.CommandButton Command1 
      Caption         =   "&Chanel"
      Height          =   594
      Left            =   6912
      TabIndex        =   29
      Top             =   4752
      Width           =   1458
   End
   Begin VB.ComboBox Combo1 
      Appearance      =   0  'Flat
      BackColor       =   &H00DCFBFC&
      Height          =   378
      Index           =   0
      Left            =   432
      Sorted          =   -1  'True
      TabIndex        =   13
      Top             =   1368
      Width           =   3042
   End
   Begin VB.ComboBox Combo1 
      Appearance      =   0  'Flat
      BackColor       =   &H00DCFBFC&
      Height          =   378
      Index           =   1
      Left            =   3600
      Sorted          =   -1  'True
      TabIndex        =   12
      Top             =   1368
      Width           =   1458
   End
   Begin VB.ComboBox Combo1 
      Appearance      =   0  'Flat
      BackColor       =   &H00DCFBFC&
      Height          =   378
      Index           =   2
      Left            =   5184
      Sorted          =   -1  'True
      TabIndex        =   11
      Top             =   1368
      Width           =   1458
   End
   Begin VB.ComboBox Combo1 
      Appearance      =   0  'Flat
      BackColor       =   &H00DCFBFC&
      Height          =   378
      Index           =   3
      Left            =   6768
      Sorted          =   -1  'True
      TabIndex        =   10
      Top             =   1368
      Width           =   1458
   End
   Begin VB.TextBox txtW 
      Appearance      =   0  'Flat
      Enabled         =   0   'False
      Height          =   342
      Left            =   2448
      TabIndex        =   9
      Text            =   "0"
      Top             =   1890
      Width           =   882
   End
   Begin VB.TextBox txtS 
      Appearance      =   0  'Flat
      Enabled         =   0   'False
      Height          =   342
      Left            =   2448
      TabIndex        =   8
      Text            =   "0"
      Top             =   2754
      Width           =   882
   End
   Begin VB.TextBox txtWG 
      Appearance      =   0  'Flat
      Enabled         =   0   'False
      Height          =   342
      Left            =   2448
      TabIndex        =   7
      Text            =   "0"
      Top             =   2322
      Width           =   882
   End
   Begin VB.TextBox txtO 
      Appearance      =   0  'Flat
      Enabled         =   0   'False
      Height          =   342
      Left            =   2448
      TabIndex        =   6
      Text            =   "0"
      Top             =   3186
      Width           =   882
   End
   Begin VB.TextBox txtMinl 
      Appearance      =   0  'Flat
      Enabled         =   0   'False
      Height          =   342
      Left            =   5040
      TabIndex        =   5
      Text            =   "0"
      Top             =   1890
      Width           =   882
   End
   Begin VB.TextBox txtMaxl 
      Appearance      =   0  'Flat
      Enabled         =   0   'False
      Height          =   342
      Left            =   5040
      TabIndex        =   4
      Text            =   "0"
      Top             =   2322
      Width           =   882
   End
   Begin VB.ComboBox lstprof 
      BackColor       =   &H00DCFBFC&
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   204
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800000&
      Height          =   378
      Left            =   288
      Style           =   2  'Dropdown List
      TabIndex        =   3
      Top             =   396
      Width           =   8082
   End
   Begin VB.TextBox txtH 
      Appearance      =   0  'Flat
      Enabled         =   0   'False
      Height          =   342
      Left            =   2448
      TabIndex        =   2
      Text            =   "0"
      Top             =   3618
      Width           =   882
   End
   Begin VB.TextBox Text5 
      Alignment       =   1  'Right Justify
      Appearance      =   0  'Flat
      BackColor       =   &H00DCFBFC&
      Enabled         =   0   'False
      Height          =   342
      Left            =   4608
      TabIndex        =   1
      Text            =   "0"
      Top             =   4050
      Width           =   738
   End
   Begin MSComctlLib.ListView ListView1 
      Height          =   1746
      Left            =   6048
      TabIndex        =   0
      Top             =   2610
      Width           =   2178
      _ExtentX        =   3841
      _ExtentY        =   3079
      View            =   3
      LabelEdit       =   1
      LabelWrap       =   -1  'True
      HideSelection   =   0   'False
      FullRowSelect   =   -1  'True
      GridLines       =   -1  'True
      _Version        =   393217
      ForeColor       =   192
      BackColor       =   14482428
      BorderStyle     =   1
      Appearance      =   0
      NumItems        =   2
      BeginProperty ColumnHeader(1) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
         Text            =   "Length"
         Object.Width           =   1376
      EndProperty
      BeginProperty ColumnHeader(2) {BDD1F052-858B-11D1-B16A-00C0F0283628} 
         SubItemIndex    =   1
         Text            =   "quantity"
         Object.Width           =   1376
      EndProperty
   End
   Begin VB.Label Label3 
      Caption         =   "Метка1"
      ForeColor       =   &H00800000&
      Height          =   306
      Left            =   432
      TabIndex        =   28
      Top             =   1026
      Width           =   3042
   End
   Begin VB.Label Label4 
      Caption         =   "Метка1"
      ForeColor       =   &H00800000&
      Height          =   306
      Left            =   3600
      TabIndex        =   27
      Top             =   1026
      Width           =   1458
   End
   Begin VB.Label Label5 
      Caption         =   "Метка1"
      ForeColor       =   &H00800000&
      Height          =   306
      Left            =   5184
      TabIndex        =   26
      Top             =   1026
      Width           =   1458
   End
   Begin VB.Label Label6 
      Caption         =   "Метка2"
      ForeColor       =   &H00800000&
      Height          =   306
      Left            =   6768
      TabIndex        =   25
      Top             =   1026
      Width           =   1458
   End
   Begin VB.Label Метка1 
      Caption         =   "Working width:"
      Height          =   306
      Left            =   432
      TabIndex        =   24
      Top             =   1890
      Width           =   2034
   End
   Begin VB.Label Метка2 
      Caption         =   "Step:"
      Height          =   306
      Left            =   432
      TabIndex        =   23
      Top             =   2754
      Width           =   2034
   End
   Begin VB.Label Label15 
      Caption         =   "General width:"
      Height          =   306
      Left            =   432
      TabIndex        =   22
      Top             =   2322
      Width           =   2034
   End
   Begin VB.Label Label13 
      Caption         =   "Overlapping"
      Height          =   306
      Left            =   432
      TabIndex        =   21
      Top             =   3186
      Width           =   1890
   End
   Begin VB.Label Label22 
      Caption         =   "Min lenght"
      Height          =   306
      Left            =   3456
      TabIndex        =   20
      Top             =   1890
      Width           =   1602
   End
   Begin VB.Label Label23 
      Caption         =   "Max lenght"
      Height          =   306
      Left            =   3456
      TabIndex        =   19
      Top             =   2322
      Width           =   1602
   End
   Begin VB.Label Label8 
      Alignment       =   2  'Center
      Caption         =   "Select profil"
      ForeColor       =   &H00000080&
      Height          =   306
      Left            =   288
      TabIndex        =   18
      Top             =   144
      Width           =   8082
   End
   Begin VB.Label Label9 
      Caption         =   "Generl Height"
      Height          =   306
      Left            =   432
      TabIndex        =   17
      Top             =   3618
      Width           =   1890
   End
   Begin VB.Label Label21 
      Caption         =   "Cost"
      Height          =   306
      Left            =   432
      TabIndex        =   16
      Top             =   4050
      Width           =   4050
   End
   Begin VB.Shape Shape1 
      BorderColor     =   &H00800000&
      BorderWidth     =   2
      FillColor       =   &H8000000F&
      FillStyle       =   0  'Solid
      Height          =   3744
      Left            =   288
      Top             =   882
      Width           =   8082
   End
   Begin VB.Label Label24 
      Alignment       =   2  'Center
      Appearance      =   0  'Flat
      BackColor       =   &H00DCFBFC&
      BorderStyle     =   1  'Fixed Single
      ForeColor       =   &H80000008&
      Height          =   342
      Left            =   5472
      TabIndex        =   15
      Top             =   4050
      Width           =   450
   End
   Begin VB.Label Label20 
      Alignment       =   2  'Center
      Caption         =   "Label20"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   204
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   738
      Left            =   6048
      TabIndex        =   14
      Top             =   1890
      Width           =   2178
   End
End
Attribute VB_Name = "SetMaterial"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
