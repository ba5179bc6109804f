VERSION 5.00
Object = "{396F7AC0-A0DD-11D3-93EC-00C0DFE7442A}#1.0#0"; "ImageList.ocx"
Object = "{158C2A77-1CCD-44C8-AF42-AA199C5DCC6C}#1.0#0"; "dcButton.ocx"
Object = "{839D0F5D-B7D7-41B7-A3B4-85D69300B8C1}#98.0#0"; "iGrid300_10Tec.ocx"
Object = "{FFE4AEB4-0D55-4004-ADF2-3C1C84D17A72}#1.0#0"; "userControls.ocx"
Begin VB.Form TablesShips 
   Appearance      =   0  'Flat
   BackColor       =   &H00808080&
   BorderStyle     =   0  'None
   ClientHeight    =   13716
   ClientLeft      =   18
   ClientTop       =   0
   ClientWidth     =   21312
   ControlBox      =   0   'False
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   161
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   ForeColor       =   &H00000000&
   Icon            =   "TablesShips.frx":0000
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   13716
   ScaleWidth      =   21312
   ShowInTaskbar   =   0   'False
   Begin VB.Frame frmFrame 
      BackColor       =   &H00C0C0C0&
      BorderStyle     =   0  'None
      Height          =   7758
      Index           =   3
      Left            =   19980
      TabIndex        =   53
      Top             =   810
      Width           =   14958
      Begin VB.Frame Frame 
         Appearance      =   0  'Flat
         BackColor       =   &H00E0E0E0&
         Caption         =   " Καταχώρηση επιβατών "
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H80000008&
         Height          =   2268
         Index           =   0
         Left            =   540
         TabIndex        =   54
         Top             =   540
         Width           =   13878
         Begin UserControls.newText txtShipRepeatedEntriesDescription 
            Height          =   558
            Left            =   4770
            TabIndex        =   55
            Top             =   630
            Width           =   738
            _ExtentX        =   1302
            _ExtentY        =   984
            Alignment       =   2
            ForeColor       =   0
            Text            =   "ΝΑΙ"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin Dacara_dcButton.dcButton cmdIndex 
            Height          =   558
            Index           =   0
            Left            =   5580
            TabIndex        =   56
            TabStop         =   0   'False
            Top             =   630
            Width           =   468
            _ExtentX        =   826
            _ExtentY        =   984
            BackColor       =   14742518
            ButtonShape     =   3
            ButtonStyle     =   8
            Caption         =   ""
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            PicNormal       =   "TablesShips.frx":000C
            PicSizeH        =   16
            PicSizeW        =   16
         End
         Begin UserControls.newText txtShipSaveAndNewDescription 
            Height          =   558
            Left            =   4770
            TabIndex        =   57
            Top             =   1260
            Width           =   738
            _ExtentX        =   1302
            _ExtentY        =   984
            Alignment       =   2
            ForeColor       =   0
            Text            =   "ΝΑΙ"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin Dacara_dcButton.dcButton cmdIndex 
            Height          =   558
            Index           =   1
            Left            =   5580
            TabIndex        =   58
            TabStop         =   0   'False
            Top             =   1260
            Width           =   468
            _ExtentX        =   826
            _ExtentY        =   984
            BackColor       =   14742518
            ButtonShape     =   3
            ButtonStyle     =   8
            Caption         =   ""
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            PicNormal       =   "TablesShips.frx":05A6
            PicSizeH        =   16
            PicSizeW        =   16
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   6
            Left            =   0
            Top             =   720
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   648
            Index           =   7
            Left            =   5040
            Top             =   0
            Visible         =   0   'False
            Width           =   468
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "Επαναλαμβανόμενη καταχώρηση"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   1
            Left            =   540
            TabIndex        =   60
            Top             =   720
            Width           =   3708
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   8
            Left            =   4230
            Top             =   810
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "Αποθήκευση και δημιουργία με μία εντολή"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   6
            Left            =   540
            TabIndex        =   59
            Top             =   1350
            Width           =   3708
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   468
            Index           =   9
            Left            =   4950
            Top             =   1800
            Visible         =   0   'False
            Width           =   558
         End
      End
   End
   Begin VB.Frame frmFrame 
      BackColor       =   &H000000C0&
      BorderStyle     =   0  'None
      Height          =   7758
      Index           =   0
      Left            =   19710
      TabIndex        =   20
      Top             =   5220
      Width           =   15048
      Begin UserControls.newText txtShipDescription 
         Height          =   558
         Left            =   2430
         TabIndex        =   0
         Top             =   630
         Width           =   5958
         _ExtentX        =   10510
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   40
         Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
         BackColor       =   4210688
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   13.5
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
      Begin UserControls.newText txtShipFlag 
         Height          =   558
         Left            =   2430
         TabIndex        =   2
         Top             =   1890
         Width           =   5958
         _ExtentX        =   10510
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   40
         Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
         BackColor       =   4210688
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   13.5
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
      Begin UserControls.newText txtShipRegistryNo 
         Height          =   558
         Left            =   2430
         TabIndex        =   3
         Top             =   2520
         Width           =   5958
         _ExtentX        =   10510
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   40
         Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
         BackColor       =   4210688
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   13.5
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
      Begin UserControls.newText txtShipIMO 
         Height          =   558
         Left            =   2430
         TabIndex        =   4
         Top             =   3150
         Width           =   5958
         _ExtentX        =   10510
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   40
         Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
         BackColor       =   4210688
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   13.5
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
      Begin UserControls.newInteger mskShipPersons 
         Height          =   558
         Left            =   2430
         TabIndex        =   1
         Top             =   1260
         Width           =   648
         _ExtentX        =   1144
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   3
         Text            =   "999"
         BackColor       =   4210688
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   14.4
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
      Begin iGrid300_10Tec.iGrid grdShips 
         Height          =   6498
         Left            =   8910
         TabIndex        =   27
         TabStop         =   0   'False
         Top             =   630
         Width           =   5598
         _ExtentX        =   9875
         _ExtentY        =   11461
         Appearance      =   0
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   -2147483631
      End
      Begin UserControls.newText txtShipSalesCode 
         Height          =   558
         Left            =   2430
         TabIndex        =   5
         Top             =   3780
         Width           =   2358
         _ExtentX        =   4159
         _ExtentY        =   984
         Alignment       =   2
         ForeColor       =   0
         MaxLength       =   15
         Text            =   "AAAAAAAAAAAAAAA"
         BackColor       =   4210688
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   13.5
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Κωδ. πωλήσεων"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FFFFFF&
         Height          =   378
         Index           =   13
         Left            =   540
         TabIndex        =   61
         Top             =   3870
         Width           =   1368
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   15
         Left            =   9810
         Top             =   7110
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   10
         Left            =   4140
         Top             =   0
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1368
         Index           =   5
         Left            =   14490
         Top             =   2070
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1368
         Index           =   3
         Left            =   8370
         Top             =   540
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1368
         Index           =   2
         Left            =   1890
         Top             =   0
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1368
         Index           =   1
         Left            =   0
         Top             =   0
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Label lblLabel 
         AutoSize        =   -1  'True
         BackColor       =   &H000080FF&
         Caption         =   "Ονομασία"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FFFFFF&
         Height          =   378
         Index           =   2
         Left            =   540
         TabIndex        =   26
         Top             =   720
         Width           =   1368
      End
      Begin VB.Label lblLabel 
         AutoSize        =   -1  'True
         BackColor       =   &H000080FF&
         Caption         =   "Χωρητικότητα"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FFFFFF&
         Height          =   378
         Index           =   0
         Left            =   540
         TabIndex        =   25
         Top             =   1350
         Width           =   1368
      End
      Begin VB.Label lblLabel 
         AutoSize        =   -1  'True
         BackColor       =   &H000080FF&
         Caption         =   "Σημαία"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FFFFFF&
         Height          =   378
         Index           =   3
         Left            =   540
         TabIndex        =   24
         Top             =   1980
         Width           =   1368
      End
      Begin VB.Label lblLabel 
         AutoSize        =   -1  'True
         BackColor       =   &H000080FF&
         Caption         =   "Αρ. Νηολογίου"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FFFFFF&
         Height          =   378
         Index           =   4
         Left            =   540
         TabIndex        =   23
         Top             =   2610
         Width           =   1368
      End
      Begin VB.Label lblLabel 
         AutoSize        =   -1  'True
         BackColor       =   &H000080FF&
         Caption         =   "I.M.O."
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FFFFFF&
         Height          =   378
         Index           =   5
         Left            =   540
         TabIndex        =   22
         Top             =   3240
         Width           =   1368
      End
   End
   Begin VB.Frame frmButtonFrame 
      BackColor       =   &H00FF8080&
      BorderStyle     =   0  'None
      Height          =   828
      Left            =   90
      TabIndex        =   62
      Top             =   9630
      Width           =   9018
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   0
         Left            =   270
         TabIndex        =   63
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Δημιουργία"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   4
         Left            =   7110
         TabIndex        =   64
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   8421631
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Κλείσιμο"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   1
         Left            =   1980
         TabIndex        =   65
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Αποθήκευση"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   2
         Left            =   3690
         TabIndex        =   66
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Διαγραφή"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   3
         Left            =   5400
         TabIndex        =   67
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Ακυρο"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
   End
   Begin VB.Frame frmFrame 
      BackColor       =   &H00E0E0E0&
      BorderStyle     =   0  'None
      Height          =   7758
      Index           =   2
      Left            =   3600
      TabIndex        =   34
      Top             =   3240
      Width           =   14958
      Begin VB.Frame Frame 
         Appearance      =   0  'Flat
         BackColor       =   &H00E0E0E0&
         Caption         =   " Υπεύθυνοι καταγραφής επιβατών "
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H80000008&
         Height          =   4518
         Index           =   3
         Left            =   540
         TabIndex        =   35
         Top             =   2610
         Width           =   13878
         Begin UserControls.newText txtShipManagerAPersonName 
            Height          =   558
            Left            =   2520
            TabIndex        =   9
            Top             =   990
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerBPersonName 
            Height          =   558
            Left            =   7110
            TabIndex        =   14
            Top             =   990
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerBPersonPhones 
            Height          =   558
            Left            =   7110
            TabIndex        =   15
            Top             =   1620
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerAPersonPhones 
            Height          =   558
            Left            =   2520
            TabIndex        =   10
            Top             =   1620
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerAPersonEmail 
            Height          =   558
            Left            =   2520
            TabIndex        =   11
            Top             =   2250
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerBPersonEmail 
            Height          =   558
            Left            =   7110
            TabIndex        =   16
            Top             =   2250
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerAPersonFax 
            Height          =   558
            Left            =   2520
            TabIndex        =   12
            Top             =   2880
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerBPersonFax 
            Height          =   558
            Left            =   7110
            TabIndex        =   17
            Top             =   2880
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerAPersonAddress 
            Height          =   558
            Left            =   2520
            TabIndex        =   13
            Top             =   3510
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerBPersonAddress 
            Height          =   558
            Left            =   7110
            TabIndex        =   18
            Top             =   3510
            Width           =   4518
            _ExtentX        =   7969
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "Ονοματεπώνυμο"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   20
            Left            =   540
            TabIndex        =   42
            Top             =   1080
            Width           =   1458
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "Τηλέφωνα"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   306
            Index           =   21
            Left            =   540
            TabIndex        =   41
            Top             =   1710
            Width           =   1458
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "Email"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   22
            Left            =   540
            TabIndex        =   40
            Top             =   2340
            Width           =   1458
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "Fax"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   23
            Left            =   540
            TabIndex        =   39
            Top             =   2970
            Width           =   1458
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "Διεύθυνση"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   24
            Left            =   540
            TabIndex        =   38
            Top             =   3600
            Width           =   1458
         End
         Begin VB.Label lblLabel 
            Alignment       =   2  'Center
            AutoSize        =   -1  'True
            BackColor       =   &H000080FF&
            Caption         =   "Κύριος υπεύθυνος"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   25
            Left            =   2520
            TabIndex        =   37
            Top             =   630
            Width           =   4518
         End
         Begin VB.Label lblLabel 
            Alignment       =   2  'Center
            AutoSize        =   -1  'True
            BackColor       =   &H000080FF&
            Caption         =   "Αντικαταστάτης κύριου υπεύθυνου"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   26
            Left            =   7110
            TabIndex        =   36
            Top             =   630
            Width           =   4518
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   24
            Left            =   0
            Top             =   1530
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   648
            Index           =   25
            Left            =   4050
            Top             =   0
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   468
            Index           =   26
            Left            =   3780
            Top             =   4050
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   27
            Left            =   1980
            Top             =   1260
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   28
            Left            =   11610
            Top             =   1530
            Visible         =   0   'False
            Width           =   558
         End
      End
      Begin VB.Frame Frame 
         Appearance      =   0  'Flat
         BackColor       =   &H00E0E0E0&
         Caption         =   " Στοιχεία εταιρίας για καταγραφή επιβατών "
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H80000008&
         Height          =   1998
         Index           =   2
         Left            =   540
         TabIndex        =   43
         Top             =   540
         Width           =   13878
         Begin UserControls.newText txtShipManagerName 
            Height          =   558
            Left            =   540
            TabIndex        =   6
            Top             =   990
            Width           =   3618
            _ExtentX        =   6382
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerAgent 
            Height          =   558
            Left            =   8010
            TabIndex        =   8
            Top             =   990
            Width           =   3618
            _ExtentX        =   6382
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin UserControls.newText txtShipManagerNameInGreece 
            Height          =   558
            Left            =   4230
            TabIndex        =   7
            Top             =   990
            Width           =   3708
            _ExtentX        =   6540
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   30
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
            BackColor       =   4210688
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   13.5
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
         End
         Begin VB.Label lblLabel 
            AutoSize        =   -1  'True
            BackColor       =   &H000080FF&
            Caption         =   "Υπεύθυνος διαχειριστής"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   17
            Left            =   540
            TabIndex        =   46
            Top             =   630
            Width           =   2088
         End
         Begin VB.Label lblLabel 
            AutoSize        =   -1  'True
            BackColor       =   &H000080FF&
            Caption         =   "Διαχειριστής στην Ελλάδα"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   18
            Left            =   4230
            TabIndex        =   45
            Top             =   630
            Width           =   2178
         End
         Begin VB.Label lblLabel 
            AutoSize        =   -1  'True
            BackColor       =   &H000080FF&
            Caption         =   "Υπεύθυνοι ναυτικοί πράκτορες"
            BeginProperty Font 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   378
            Index           =   19
            Left            =   8010
            TabIndex        =   44
            Top             =   630
            Width           =   2628
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   20
            Left            =   0
            Top             =   630
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   648
            Index           =   21
            Left            =   4500
            Top             =   0
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   468
            Index           =   22
            Left            =   2160
            Top             =   1530
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   648
            Index           =   23
            Left            =   11610
            Top             =   990
            Visible         =   0   'False
            Width           =   558
         End
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1008
         Index           =   16
         Left            =   14400
         Top             =   1080
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1008
         Index           =   19
         Left            =   0
         Top             =   0
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1008
         Index           =   29
         Left            =   14400
         Top             =   4770
         Visible         =   0   'False
         Width           =   558
      End
   End
   Begin VB.Frame frmInfo 
      Appearance      =   0  'Flat
      BackColor       =   &H8000000D&
      BorderStyle     =   0  'None
      Enabled         =   0   'False
      ForeColor       =   &H80000008&
      Height          =   2628
      Left            =   11430
      TabIndex        =   31
      Top             =   10170
      Width           =   5418
      Begin VB.TextBox txtShipSaveAndNewID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   4410
         TabIndex        =   52
         TabStop         =   0   'False
         Top             =   1440
         Width           =   936
      End
      Begin VB.TextBox Text4 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   90
         TabIndex        =   51
         TabStop         =   0   'False
         Text            =   "Ships.ShipSaveAndNewID"
         Top             =   1440
         Width           =   4248
      End
      Begin VB.TextBox txtShipRepeatedEntriesID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   4410
         TabIndex        =   50
         TabStop         =   0   'False
         Top             =   990
         Width           =   936
      End
      Begin VB.TextBox Text1 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   90
         TabIndex        =   49
         TabStop         =   0   'False
         Text            =   "Ships.ShipRepeatedEntriesID"
         Top             =   990
         Width           =   4248
      End
      Begin VB.TextBox Text3 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   90
         TabIndex        =   48
         TabStop         =   0   'False
         Text            =   "ShipsManagers.ManagerID"
         Top             =   540
         Width           =   4248
      End
      Begin VB.TextBox txtShipManagerID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   4410
         TabIndex        =   47
         TabStop         =   0   'False
         Top             =   540
         Width           =   936
      End
      Begin VB.TextBox txtShipID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   4410
         TabIndex        =   33
         TabStop         =   0   'False
         Top             =   90
         Width           =   936
      End
      Begin VB.TextBox Text2 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00000000&
         Height          =   378
         Left            =   90
         TabIndex        =   32
         TabStop         =   0   'False
         Text            =   "Ships.ShipID"
         Top             =   90
         Width           =   4248
      End
      Begin vbalIml6.vbalImageList lstIconList 
         Left            =   90
         Top             =   1890
         _ExtentX        =   1144
         _ExtentY        =   1144
         Size            =   4592
         Images          =   "TablesShips.frx":0B40
         Version         =   131072
         KeyCount        =   4
         Keys            =   "ÿÿÿ"
      End
   End
   Begin VB.Frame frmFrame 
      BackColor       =   &H00000080&
      BorderStyle     =   0  'None
      Height          =   7758
      Index           =   1
      Left            =   2250
      TabIndex        =   21
      Top             =   1350
      Width           =   14958
      Begin iGrid300_10Tec.iGrid grdCrew 
         Height          =   6228
         Left            =   540
         TabIndex        =   28
         TabStop         =   0   'False
         Top             =   630
         Width           =   13878
         _ExtentX        =   24479
         _ExtentY        =   10986
         Appearance      =   0
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   -2147483631
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   558
         Index           =   5
         Left            =   4230
         TabIndex        =   29
         TabStop         =   0   'False
         Top             =   7020
         Width           =   3168
         _ExtentX        =   5588
         _ExtentY        =   984
         BackColor       =   8421376
         ButtonShape     =   3
         ButtonStyle     =   2
         Caption         =   "Δημιουργία μέλους πληρώματος"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   558
         Index           =   6
         Left            =   7560
         TabIndex        =   30
         TabStop         =   0   'False
         Top             =   7020
         Width           =   3168
         _ExtentX        =   5588
         _ExtentY        =   984
         BackColor       =   8421376
         ButtonShape     =   3
         ButtonStyle     =   2
         Caption         =   "Διαγραφή μέλους πληρώματος"
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Ubuntu Condensed"
            Size            =   11.7
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         PicOpacity      =   0
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1368
         Index           =   13
         Left            =   14400
         Top             =   2340
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1368
         Index           =   12
         Left            =   0
         Top             =   2610
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   11
         Left            =   4500
         Top             =   0
         Visible         =   0   'False
         Width           =   558
      End
   End
   Begin Dacara_dcButton.dcButton btnPanel 
      Height          =   1188
      Index           =   0
      Left            =   540
      TabIndex        =   68
      TabStop         =   0   'False
      Top             =   1350
      Width           =   1548
      _ExtentX        =   2730
      _ExtentY        =   2095
      BackColor       =   12640511
      ButtonShape     =   3
      ButtonStyle     =   4
      Caption         =   "Γενικά στοιχεία πλοίου"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      PicOpacity      =   0
   End
   Begin Dacara_dcButton.dcButton btnPanel 
      Height          =   1188
      Index           =   1
      Left            =   540
      TabIndex        =   69
      TabStop         =   0   'False
      Top             =   2610
      Width           =   1548
      _ExtentX        =   2730
      _ExtentY        =   2095
      BackColor       =   12640511
      ButtonShape     =   3
      ButtonStyle     =   4
      Caption         =   "Στοιχεία πληρώματος"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      PicOpacity      =   0
   End
   Begin Dacara_dcButton.dcButton btnPanel 
      Height          =   1188
      Index           =   2
      Left            =   540
      TabIndex        =   70
      TabStop         =   0   'False
      Top             =   3870
      Width           =   1548
      _ExtentX        =   2730
      _ExtentY        =   2095
      BackColor       =   12640511
      ButtonShape     =   3
      ButtonStyle     =   4
      Caption         =   "Υπεύθυνοι καταγραφής επιβατών"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      PicOpacity      =   0
   End
   Begin Dacara_dcButton.dcButton btnPanel 
      Height          =   1188
      Index           =   3
      Left            =   540
      TabIndex        =   71
      TabStop         =   0   'False
      Top             =   5130
      Width           =   1548
      _ExtentX        =   2730
      _ExtentY        =   2095
      BackColor       =   12640511
      ButtonShape     =   3
      ButtonStyle     =   4
      Caption         =   "Αρχείο καταχώρησης επιβατών"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      PicOpacity      =   0
   End
   Begin VB.Shape shpBridge 
      BackColor       =   &H00E0E0E0&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1206
      Index           =   3
      Left            =   2070
      Top             =   5130
      Width           =   2268
   End
   Begin VB.Shape shpBridge 
      BackColor       =   &H00E0E0E0&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1206
      Index           =   2
      Left            =   2070
      Top             =   3870
      Width           =   2268
   End
   Begin VB.Shape shpRightEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1008
      Left            =   17190
      Top             =   2430
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpBottomEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   468
      Left            =   5490
      Top             =   10440
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Shape Shape1 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   648
      Left            =   8820
      Top             =   9000
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1368
      Index           =   0
      Left            =   0
      Top             =   2700
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1368
      Index           =   4
      Left            =   6840
      Top             =   0
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpBridge 
      BackColor       =   &H00E0E0E0&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1206
      Index           =   0
      Left            =   2070
      Top             =   1350
      Width           =   2268
   End
   Begin VB.Shape shpBridge 
      BackColor       =   &H00E0E0E0&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1206
      Index           =   1
      Left            =   2070
      Top             =   2610
      Width           =   2268
   End
   Begin VB.Label lblTitle 
      AutoSize        =   -1  'True
      BackColor       =   &H00800000&
      BackStyle       =   0  'Transparent
      Caption         =   "Πλοία"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   36
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H0000FF00&
      Height          =   864
      Left            =   270
      TabIndex        =   19
      Top             =   90
      Width           =   1656
   End
   Begin VB.Shape shpBackground 
      BackColor       =   &H00C0FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1008
      Left            =   0
      Top             =   0
      Width           =   1008
   End
   Begin VB.Menu mnuHdrPopUp 
      Caption         =   "mnuHdrPopUp"
      Visible         =   0   'False
      Begin VB.Menu mnuΑποθήκευσηΠλάτουςΣτηλών 
         Caption         =   "Αποθήκευση πλάτους στηλών"
      End
   End
End
Attribute VB_Name = "TablesShips"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
 
Dim blnStatus As Boolean
Dim lngSelectedRow As Long

Private Function AddGridLine()

    With grdCrew
        .Enabled = True
        .AddRow
        .CellIcon(.RowCount, "Status") = lstIconList.ItemIndex(2)
        .SetCurCell .RowCount, 2
        .SetFocus
    End With
    
End Function

Private Function DeleteCrew(shipID As Integer)

    On Error GoTo ErrTrap
    
    Dim lngID As Long
    Dim lngRow As Long
    
    DeleteCrew = True
    
    With grdCrew
        For lngRow = 1 To .RowCount
            If Not MainDeleteRecord("CommonDB", "ShipsCrew", strApplicationName, "ID", .CellValue(lngRow, "ID"), False) Then
                DeleteCrew = False
                Exit For
            End If
        Next lngRow
    End With
    
    Exit Function

ErrTrap:
    DeleteCrew = False
    DisplayErrorMessage True, Err.Description
    
    Exit Function

End Function

Private Function PopulateCrewGrid()

    If FillGridFromDB("CommonDB", grdCrew, "ShipsCrew", "", "", "CrewShipID = " & txtShipID.text, 2, 0, 1, 2, 3, 4, 5, 6) Then
        PopulateCrewGrid = True
    Else
        PopulateCrewGrid = False
    End If
    
    'AddDummyLines grdCrew, "99999", "ΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑ", "ΑΑΑΑΑΑΑΑΑΑ", "ΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑ", "ΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑ", "ΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑ"

End Function

Private Function ValidateFields()

    Dim lngRow As Long
    Dim lngCol As Long
    
    ValidateFields = False
    
    'Ονομα
    If Len(txtShipDescription.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 0
        txtShipDescription.SetFocus
        Exit Function
    End If
    
    'Χωρητικότητα
    If Len(mskShipPersons.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 0
        mskShipPersons.SetFocus
        Exit Function
    End If
    
    'Επαναλαμβανόμενη καταχώρηση
    If txtShipRepeatedEntriesID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 3
        txtShipRepeatedEntriesDescription.SetFocus
        Exit Function
    End If
                
    'Αποθήκευση και δημιουργία με ένα κλικ
    If txtShipSaveAndNewID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 3
        txtShipSaveAndNewDescription.SetFocus
        Exit Function
    End If
    
    'Πλήρωμα
    For lngRow = 1 To grdCrew.RowCount
        
        'Αν δεν έχω επιλέξει τη γραμμή για διαγραφή
        
        If grdCrew.CellIcon(lngRow, "Deleted") <> 2 Then
            'Επίθετο
            If Len(grdCrew.CellValue(lngRow, "LastName")) = 0 Then
                If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
                End If
                btnPanel_Click 1
                grdCrew.SetCurCell lngRow, "LastName"
                grdCrew.SetFocus
                Exit Function
            End If
            'Φύλο
            If IsNull(grdCrew.CellValue(lngRow, "GenderDescription")) Or IsEmpty(grdCrew.CellValue(lngRow, "GenderDescription")) Then
                If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
                End If
                btnPanel_Click 1
                grdCrew.SetCurCell lngRow, "GenderDescription"
                grdCrew.SetFocus
                Exit Function
            End If
            'Ιθαγένεια
            If IsNull(grdCrew.CellValue(lngRow, "NationalityDescription")) Or IsEmpty(grdCrew.CellValue(lngRow, "NationalityDescription")) Then
                If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
                End If
                btnPanel_Click 1
                grdCrew.SetCurCell lngRow, "NationalityDescription"
                grdCrew.SetFocus
                Exit Function
            End If
            'Ιδιότητα
            If IsNull(grdCrew.CellValue(lngRow, "OccupantDescription")) Or IsEmpty(grdCrew.CellValue(lngRow, "OccupantDescription")) Then
                If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
                End If
                btnPanel_Click 1
                grdCrew.SetCurCell lngRow, "OccupantDescription"
                grdCrew.SetFocus
                Exit Function
            End If
            If Not CheckDate(grdCrew.CellText(lngRow, "DOB"), strApplicationName) Then
                btnPanel_Click 1
                grdCrew.SetCurCell lngRow, "DOB"
                grdCrew.SetFocus
                Exit Function
            End If
        End If
            
    Next lngRow
    
    ValidateFields = True

End Function

Private Function AbortProcedure(blnStatus)
    
    If grdCrew.TextEditText <> "" Then
        grdCrew.CancelEdit
        Exit Function
    End If

    If Not blnStatus Then
        If MyMsgBox(3, strApplicationName, strStandardMessages(3), 2) Then
            blnStatus = False
            ClearFields txtShipID, txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerID, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipRepeatedEntriesID, txtShipSaveAndNewDescription, txtShipSaveAndNewID
            DisableFields txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipSaveAndNewDescription, btnPanel(1), btnPanel(2), btnPanel(3)
            btnPanel_Click 0
            grdShips.SetFocus
            UpdateButtons Me, 4, 1, 0, 0, 0, 1
        End If
        Exit Function
    End If
    
    If blnStatus Then
        Unload Me
    End If
    
End Function

Private Function DeleteRecord()
    
    With wrkCurrent
        
        .BeginTrans
    
        If MainDeleteRecord("CommonDB", "Ships", strApplicationName, "ID", txtShipID.text, "True") Then
            If MainDeleteRecord("CommonDB", "ShipsManagers", strApplicationName, "ManagerID", txtShipManagerID.text, False) Then
                If DeleteCrew(txtShipID.text) Then
                    btnPanel_Click 0
                    PopulateGrid
                    HighlightRow grdShips, lngSelectedRow, 1, "", True
                    ClearFields txtShipID, txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerID, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipRepeatedEntriesID, txtShipSaveAndNewDescription, txtShipSaveAndNewID
                    DisableFields txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipSaveAndNewDescription, btnPanel(1), btnPanel(2), btnPanel(3)
                    UpdateButtons Me, 4, 1, 0, 0, 0, 1
                    .CommitTrans
                    Exit Function
                End If
            End If
        End If
    
        .Rollback
        
    End With

End Function

Private Function PopulateGrid()

    If FillGridFromDB("CommonDB", grdShips, "Ships", "", "", "", 2, 0, 1) Then
        grdShips.SetFocus
        grdShips.SetCurCell 1, 1
    End If

End Function

Private Function NewRecord()
    
    blnStatus = True
    ClearFields txtShipID, txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerID, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipRepeatedEntriesID, txtShipSaveAndNewDescription, txtShipSaveAndNewID
    EnableFields txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipSaveAndNewDescription, btnPanel(1), btnPanel(2), btnPanel(3)
    UpdateButtons Me, 4, 0, 1, 0, 1, 0
    txtShipDescription.SetFocus

End Function

Private Function SaveRecord()
    
    If Not ValidateFields Then Exit Function
    
    With wrkCurrent
        
        .BeginTrans
        
        txtShipID.text = MainSaveRecord("CommonDB", "Ships", blnStatus, strApplicationName, "ShipID", txtShipID.text, txtShipDescription.text, mskShipPersons.text, txtShipFlag.text, txtShipRegistryNo.text, txtShipIMO.text, txtShipSalesCode.text, txtShipRepeatedEntriesID.text, txtShipSaveAndNewID.text, 1, strCurrentUser)
        
        If txtShipID.text <> "0" Then
            txtShipManagerID.text = MainSaveRecord("CommonDB", "ShipsManagers", blnStatus, strApplicationName, "ShipManagerID", txtShipManagerID.text, txtShipID.text, txtShipManagerName.text, txtShipManagerNameInGreece.text, txtShipManagerAgent.text, txtShipManagerAPersonName.text, txtShipManagerAPersonPhones.text, txtShipManagerAPersonEmail.text, txtShipManagerAPersonFax.text, txtShipManagerAPersonAddress.text, txtShipManagerBPersonName.text, txtShipManagerBPersonPhones.text, txtShipManagerBPersonEmail.text, txtShipManagerBPersonFax.text, txtShipManagerBPersonAddress.text)
            If txtShipManagerID.text <> "0" Then
                If SaveCrew(txtShipID.text) Then
                    btnPanel_Click 0
                    PopulateGrid
                    HighlightRow grdShips, lngSelectedRow, 2, txtShipDescription.text, True
                    lngSelectedRow = 0
                    ClearFields txtShipID, txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerID, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipRepeatedEntriesID, txtShipSaveAndNewDescription, txtShipSaveAndNewID
                    DisableFields txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipSaveAndNewDescription, btnPanel(1), btnPanel(2), btnPanel(3)
                    UpdateButtons Me, 4, 1, 0, 0, 0, 1
                    .CommitTrans
                    Exit Function
                Else
                    DisplayErrorMessage True, strStandardMessages(5)
                End If
            Else
                DisplayErrorMessage True, strStandardMessages(5)
            End If
        Else
            DisplayErrorMessage True, strStandardMessages(5)
        End If
    
        .Rollback
        
    End With
    
End Function

Private Function SeekRecord()

    Dim blnEnableDelete As Boolean
    Dim tmpRecordset As Recordset
    
    If grdShips.RowCount = 0 Then Exit Function
    
    ClearFields txtShipID, txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerID, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipRepeatedEntriesID, txtShipSaveAndNewDescription, txtShipSaveAndNewID
    DisableFields txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipSaveAndNewDescription, btnPanel(1), btnPanel(2), btnPanel(3)
    blnEnableDelete = SimpleSeek("InvoicesOut", "InvoiceShipID", grdShips.CellValue(grdShips.CurRow, 1))
    If blnEnableDelete Then blnEnableDelete = SimpleSeek("Manifest", "TripShipID", grdShips.CellValue(grdShips.CurRow, 1))
    If MainSeekRecord("CommonDB", "Ships", "ShipID", grdShips.CellValue(grdShips.CurRow, 1), True, txtShipID, txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, txtShipRepeatedEntriesID, txtShipSaveAndNewID) Then
        If MainSeekRecord("CommonDB", "ShipsManagers", "ShipManagerShipID", txtShipID.text, True, txtShipManagerID, txtShipID, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress) Then
            If Not PopulateCrewGrid Then
                ClearFields grdCrew
                grdShips.SetFocus
            End If
            blnStatus = False
            lngSelectedRow = grdShips.CurRow
            EnableFields txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipSaveAndNewDescription, btnPanel(1), btnPanel(2), btnPanel(3)
            'Επαναλαμβανόμενη καταχώρηση (Εύρεση τελευταίας εγγραφής)
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoID", "Numeric", txtShipRepeatedEntriesID.text)
            txtShipRepeatedEntriesID.text = tmpRecordset.Fields(0)
            txtShipRepeatedEntriesDescription.text = tmpRecordset.Fields(1)
            'Αποθήκευση και δημιουργία με ένα κλικ
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoID", "Numeric", txtShipSaveAndNewID.text)
            txtShipSaveAndNewID.text = tmpRecordset.Fields(0)
            txtShipSaveAndNewDescription.text = tmpRecordset.Fields(1)
            '
            UpdateButtons Me, 4, 0, 1, IIf(blnEnableDelete, 1, 0), 1, 0, 0
            txtShipDescription.SetFocus
        End If
    End If
    
End Function

Private Sub btnPanel_Click(index As Integer)

    Dim intLoop As Integer
    
    For intLoop = 0 To 3
        btnPanel(intLoop).Enabled = True
        frmFrame(intLoop).Visible = False
        shpBridge(intLoop).Visible = False
    Next intLoop
    
    btnPanel(index).Enabled = False
    frmFrame(index).Visible = True
    shpBridge(index).Visible = True
    
    Select Case index
        'Στοιχεία πλοίου
        Case 0
            If txtShipDescription.Enabled Then txtShipDescription.SetFocus
        'Στοιχεία πληρώματος
        Case 1
            With grdCrew
                If .Enabled And .RowCount >= 1 Then
                    .SetFocus
                    .SetCurCell 1, 2
                End If
            End With
        'Καταγραφή επιβατών
        Case 2
            If txtShipManagerName.Enabled Then txtShipManagerName.SetFocus
        'Καταχώρηση επιβατών
        Case 3
            If txtShipRepeatedEntriesDescription.Enabled Then txtShipRepeatedEntriesDescription.SetFocus
    End Select

End Sub

Private Sub cmdButton_Click(index As Integer)
                                                                
    Select Case index
        Case 0
            NewRecord
        Case 1
            SaveRecord
        Case 2
            DeleteRecord
        Case 3
            AbortProcedure False
        Case 4
            AbortProcedure True
        Case 5
            AddGridLine
        Case 6
            ToggleGridLineToDelete
    End Select

End Sub
   
Private Sub cmdIndex_Click(index As Integer)

    'Local variables
    Dim tmpTableData As typTableData
    Dim tmpRecordset As Recordset
    
    Select Case index
        Case 0
            'Επαναλαμβανόμενη καταχώρηση (Εύρεση τελευταίας εγγραφής)
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtShipRepeatedEntriesDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtShipRepeatedEntriesID.text = tmpTableData.strCode
                txtShipRepeatedEntriesDescription.text = tmpTableData.strFirstField
            End If
        Case 1
            'Αποθήκευση και δημιουργία με ένα κλικ
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtShipSaveAndNewDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtShipSaveAndNewID.text = tmpTableData.strCode
                txtShipSaveAndNewDescription.text = tmpTableData.strFirstField
            End If
    End Select

End Sub

Private Sub Form_Activate()

    If Me.Tag = "True" Then
        Me.Tag = "False"
        AddColumnsToGrid grdShips, False, 25, GetSetting(strApplicationName, "Layout Strings", "grdShips"), "04LNID,40LNDescription", "ID,Ονομασία"
        AddColumnsAndCombosToCrewGrid
        Me.Refresh
        PopulateGrid
    End If

    'AddDummyLines grdShips, "99999", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAΑΑΑΑΑΑΑΑΑΑ"

End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)

    CheckFunctionKeys KeyCode, Shift
    
    KeyCode = ResetKeyCode(KeyCode, Shift)
    
End Sub

Private Function CheckFunctionKeys(KeyCode, Shift)
    
    Dim ShiftDown, AltDown, CtrlDown
    
    ShiftDown = (Shift And vbShiftMask) > 0
    AltDown = (Shift And vbAltMask) > 0
    CtrlDown = (Shift And vbCtrlMask) > 0
    
    Select Case KeyCode
        Case vbKeyInsert And cmdButton(0).Enabled, vbKeyN And CtrlDown And cmdButton(0).Enabled
            cmdButton_Click 0
        Case vbKeyF10 And cmdButton(1).Enabled, vbKeyS And CtrlDown And cmdButton(1).Enabled
            cmdButton_Click 1
        Case vbKeyF3 And cmdButton(2).Enabled, vbKeyD And CtrlDown And cmdButton(2).Enabled And Not btnPanel(0).Enabled 'Διαγραφή πλοίου, πληρώματος, διαχειριστών
            cmdButton_Click 2
        Case vbKeyInsert And cmdButton(5).Enabled, vbKeyN And CtrlDown And cmdButton(5).Enabled
            cmdButton_Click 5
        Case vbKeyF3 And cmdButton(6).Enabled, vbKeyD And CtrlDown And cmdButton(6).Enabled And Not btnPanel(1).Enabled 'Διαγραφή μέλους πληρώματος
            cmdButton_Click 6
        Case vbKeyEscape
            If cmdButton(3).Enabled Then cmdButton_Click 3: Exit Function
            If cmdButton(4).Enabled Then cmdButton_Click 4
        Case vbKeyPageUp
            GotoPreviousPanel Me, btnPanel.Count
        Case vbKeyPageDown
            GotoNextPanel Me, btnPanel.Count
        Case vbKeyF12 And CtrlDown
            ToggleInfoPanel Me
    End Select

End Function

Private Function GotoNextPanel(formName, ParamArray panels())

    Dim intLoop As Integer
    
    For intLoop = 0 To btnPanel.Count - 1
    
        If Not btnPanel(intLoop).Enabled Then
            If intLoop + 1 <= btnPanel.Count - 1 Then
                If btnPanel(intLoop + 1).Enabled Then
                    btnPanel_Click intLoop + 1
                    Exit Function
                End If
            End If
        End If
    
    Next intLoop

End Function

Private Function GotoPreviousPanel(formName, intPanelCount)

    Dim intLoop As Integer
    
    For intLoop = 0 To btnPanel.Count - 1
    
        If Not btnPanel(intLoop).Enabled Then
            If intLoop - 1 >= 0 Then
                If btnPanel(intLoop - 1).Enabled Then
                    btnPanel_Click intLoop - 1
                    Exit Function
                End If
            End If
        End If
    
    Next intLoop

End Function

Private Sub Form_Load()
    
    UpdateColors Me, False, , False
    PositionPanels
    SetUpGrid lstIconList, grdShips
    SetUpGrid lstIconList, grdCrew
    ClearFields txtShipID, txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerID, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipRepeatedEntriesID, txtShipSaveAndNewDescription, txtShipSaveAndNewID
    DisableFields txtShipDescription, mskShipPersons, txtShipFlag, txtShipRegistryNo, txtShipIMO, txtShipSalesCode, grdCrew, txtShipManagerName, txtShipManagerNameInGreece, txtShipManagerAgent, txtShipManagerAPersonName, txtShipManagerAPersonPhones, txtShipManagerAPersonEmail, txtShipManagerAPersonFax, txtShipManagerAPersonAddress, txtShipManagerBPersonName, txtShipManagerBPersonPhones, txtShipManagerBPersonEmail, txtShipManagerBPersonFax, txtShipManagerBPersonAddress, txtShipRepeatedEntriesDescription, txtShipSaveAndNewDescription, btnPanel(1), btnPanel(2), btnPanel(3)
    UpdateButtons Me, 4, 1, 0, 0, 0, 1
    
End Sub

Private Function PositionPanels()

    Dim intLoop As Integer
    
    For intLoop = 0 To 3
        frmFrame(intLoop).Visible = False
    Next intLoop
        
    For intLoop = 0 To 3
        btnPanel(intLoop).Enabled = True
        shpBridge(intLoop).Visible = False
        With frmFrame(intLoop)
            .Height = 6465
            .Width = 12465
            .Left = 1875
            .Top = 1125
            .BackColor = &HE0E0E0
        End With
    Next intLoop
    
    btnPanel(0).Enabled = False
    frmFrame(0).Visible = True
    shpBridge(0).Visible = True

End Function

Private Sub grdCrew_AfterCommitEdit(ByVal lRow As Long, ByVal lCol As Long)

    MoveToNextColumn grdCrew, lRow, lCol + 1
    
End Sub

Private Sub grdCrew_ColHeaderMouseEnter(ByVal lCol As Long)

    grdCrew.Header.Buttons = True

End Sub

Private Sub grdCrew_ColHeaderMouseLeave(ByVal lCol As Long)

    grdCrew.Header.Buttons = False

End Sub

Private Sub grdCrew_HeaderRightClick(ByVal lCol As Long, ByVal Shift As Integer, ByVal X As Long, ByVal Y As Long)

    PopupMenu mnuHdrPopUp
    
End Sub

Private Sub grdCrew_RequestEdit(ByVal lRow As Long, ByVal lCol As Long, ByVal iKeyAscii As Integer, bCancel As Boolean, sText As String, lMaxLength As Long, eTextEditOpt As iGrid300_10Tec.ETextEditFlags)

    If lCol = 1 Or lCol > grdCrew.colCount - 2 Then bCancel = True

End Sub

Private Sub grdShips_DblClick(ByVal lRow As Long, ByVal lCol As Long, bRequestEdit As Boolean)

    SeekRecord

End Sub

Private Sub grdShips_HeaderRightClick(ByVal lCol As Long, ByVal Shift As Integer, ByVal X As Long, ByVal Y As Long)

    PopupMenu mnuHdrPopUp

End Sub

Private Sub grdShips_KeyPress(KeyAscii As Integer)

    If KeyAscii = vbKeyReturn Then SeekRecord
    
End Sub

Private Sub mnuΑποθήκευσηΠλάτουςΣτηλών_Click()

    SaveSetting strApplicationName, "Layout Strings", "grdShips", grdShips.LayoutCol
    SaveSetting strApplicationName, "Layout Strings", "grdCrew", grdCrew.LayoutCol

End Sub

Private Function AddColumnsAndCombosToCrewGrid()

    Dim strSavedLayout As String
    
    'Tables
    Dim TableGenders As TableDef
    Dim TableNationalities As TableDef
    Dim TableShipsOccupants As TableDef
    
    'Local recordsets
    Dim rsGenders As Recordset
    Dim rsNationalities As Recordset
    Dim rsShipsOccupants As Recordset
    
    'Αρχικές τιμές
    Set TableGenders = dBaseTables("Genders")
    Set TableNationalities = dBaseTables("Nationalities")
    Set TableShipsOccupants = dBaseTables("ShipsOccupants")
    
    Set rsGenders = TableGenders.OpenRecordset()
    Set rsNationalities = TableNationalities.OpenRecordset()
    Set rsShipsOccupants = TableShipsOccupants.OpenRecordset()
    
    With grdCrew
        'Φύλο
        With .Combos.Add("GenderDescription")
            While Not rsGenders.EOF
                .AddItem sItemText:=rsGenders!GenderDescription, vItemValue:=CLng(rsGenders!GenderID)
                rsGenders.MoveNext
            Wend
            rsGenders.Close
        End With
        'Ιθαγένεια
        With .Combos.Add("Nationality")
            While Not rsNationalities.EOF
                .AddItem sItemText:=rsNationalities!NationalityDescription, vItemValue:=CLng(rsNationalities!NationalityID)
                rsNationalities.MoveNext
            Wend
            rsNationalities.Close
        End With
        'Ιδιότητα
        With .Combos.Add("OccupantDescription")
            While Not rsShipsOccupants.EOF
                .AddItem sItemText:=rsShipsOccupants!ShipOccupantDescription, vItemValue:=CLng(rsShipsOccupants!ShipOccupantID)
                rsShipsOccupants.MoveNext
            Wend
            rsShipsOccupants.Close
        End With
        
        With .AddCol(sKey:="ID", sHeader:="ID", lWidth:=175, eHdrTextFlags:=igTextCenter)
            .eTextFlags = igTextCenter
        End With
        With .AddCol(sKey:="LastName", sHeader:="Επίθετο", lWidth:=75, eHdrTextFlags:=igTextCenter)
            .eTextFlags = igTextLeft
        End With
        With .AddCol(sKey:="FirstName", sHeader:="Ονομα", lWidth:=75, eHdrTextFlags:=igTextCenter)
            .eTextFlags = igTextLeft
        End With
        With .AddCol(sKey:="GenderDescription", sHeader:="Φύλο", lWidth:=32, lMinWidth:=24, eHdrTextFlags:=igTextCenter)
           .eType = igCellCombo
           .sCtrlKey = "GenderDescription"
        End With
        With .AddCol(sKey:="NationalityDescription", sHeader:="Ιθαγένεια", lWidth:=32, lMinWidth:=24, eHdrTextFlags:=igTextCenter)
           .eType = igCellCombo
           .sCtrlKey = "Nationality"
        End With
        With .AddCol(sKey:="OccupantDescription", sHeader:="Ιδιότητα", lWidth:=32, lMinWidth:=24, eHdrTextFlags:=igTextCenter)
           .eType = igCellCombo
           .sCtrlKey = "OccupantDescription"
        End With
        With .AddCol(sKey:="DOB", sHeader:="Ημερομηνία γέννησης", lWidth:=75, eHdrTextFlags:=igTextCenter)
            .eTextFlags = igTextCenter
            .sFmtString = "dd/mm/yyyy"
        End With
        With .AddCol(sKey:="Status", sHeader:="", lWidth:=202, eHdrTextFlags:=igTextCenter) 'Blank = Edit, Blue = New
            .eTextFlags = igTextCenter
        End With
        With .AddCol(sKey:="Deleted", sHeader:="", lWidth:=202, eHdrTextFlags:=igTextCenter) 'Red = Mark To Delete
            .eTextFlags = igTextCenter
        End With
        
        .RowMode = False
        .Editable = True
        .ImageList = lstIconList
        
    End With
    
    strSavedLayout = GetSetting(strApplicationName, "Layout Strings", "grdCrew"): If strSavedLayout <> "" Then grdCrew.LayoutCol = strSavedLayout

End Function

Private Function ToggleGridLineToDelete()

    With grdCrew
        If .RowCount > 0 Then
            .CellIcon(.CurRow, "Deleted") = IIf(.CellIcon(.CurRow, "Deleted") <= 0, lstIconList.ItemIndex(3), lstIconList.ItemIndex(1))
        End If
    End With

End Function

Private Function SaveCrew(shipID As Integer)

    Dim lngID As Long
    Dim lngRow As Long
    
    With grdCrew
        For lngRow = 1 To .RowCount
        '    'Add Record when Status = Blue and Deleted = Blank
            If (.CellIcon(lngRow, "Status") = 1) And (.CellIcon(lngRow, "Deleted") = -1) Then
                lngID = MainSaveRecord("CommonDB", "ShipsCrew", True, strApplicationName, "ID", 0, Trim(Left(.CellValue(lngRow, "LastName"), 40)), Trim(Left(.CellValue(lngRow, "FirstName"), 40)), .CellValue(lngRow, "GenderDescription"), .CellValue(lngRow, "NationalityDescription"), .CellValue(lngRow, "OccupantDescription"), .CellText(lngRow, "DOB"), txtShipID.text, txtShipID.text, strCurrentUser)
            End If
        '    'Delete Existing Record when Status = Blank and Deleted = Red
            If (.CellIcon(lngRow, "Status") = -1) And (.CellIcon(lngRow, "Deleted") = 2) Then
                lngID = MainDeleteRecord("CommonDB", "ShipsCrew", strApplicationName, "ID", .CellValue(lngRow, "ID"), False)
            End If
        '    'Update Existing Record when Status = Blank and Deleted = Blank
            If (.CellIcon(lngRow, "Status") = -1) And (.CellIcon(lngRow, "Deleted") = -1) Then
                lngID = MainSaveRecord("CommonDB", "ShipsCrew", False, strApplicationName, "ID", .CellValue(lngRow, "ID"), Trim(Left(.CellValue(lngRow, "LastName"), 40)), Trim(Left(.CellValue(lngRow, "FirstName"), 40)), .CellValue(lngRow, "GenderDescription"), .CellValue(lngRow, "NationalityDescription"), .CellValue(lngRow, "OccupantDescription"), .CellText(lngRow, "DOB"), txtShipID.text, txtShipID.text, strCurrentUser)
            End If
        Next lngRow
    End With
    
    SaveCrew = shipID

End Function

Private Sub txtShipRepeatedEntriesDescription_Change()
    
    If txtShipRepeatedEntriesDescription.text = "" Then
        ClearFields txtShipRepeatedEntriesID
    End If

End Sub

Private Sub txtShipRepeatedEntriesDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 0

End Sub

Private Sub txtShipRepeatedEntriesDescription_Validate(Cancel As Boolean)

    If txtShipRepeatedEntriesID.text = "" And txtShipRepeatedEntriesDescription.text <> "" Then cmdIndex_Click 0: If txtShipRepeatedEntriesID.text = "" Then Cancel = True

End Sub

Private Sub txtShipSaveAndNewDescription_Change()

    If txtShipSaveAndNewDescription.text = "" Then
        ClearFields txtShipSaveAndNewID
    End If

End Sub

Private Sub txtShipSaveAndNewDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 1

End Sub

Private Sub txtShipSaveAndNewDescription_Validate(Cancel As Boolean)

    If txtShipSaveAndNewID.text = "" And txtShipSaveAndNewDescription.text <> "" Then cmdIndex_Click 1: If txtShipSaveAndNewID.text = "" Then Cancel = True

End Sub

