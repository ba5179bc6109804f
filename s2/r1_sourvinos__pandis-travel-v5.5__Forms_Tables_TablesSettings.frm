VERSION 5.00
Object = "{158C2A77-1CCD-44C8-AF42-AA199C5DCC6C}#1.0#0"; "dcButton.ocx"
Object = "{FFE4AEB4-0D55-4004-ADF2-3C1C84D17A72}#1.0#0"; "userControls.ocx"
Begin VB.Form TablesSettings 
   Appearance      =   0  'Flat
   BackColor       =   &H00808080&
   BorderStyle     =   0  'None
   ClientHeight    =   16002
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   21456
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
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   16002
   ScaleWidth      =   21456
   ShowInTaskbar   =   0   'False
   Begin VB.Frame frmFrame 
      BackColor       =   &H000000C0&
      BorderStyle     =   0  'None
      Height          =   7218
      Index           =   3
      Left            =   2250
      TabIndex        =   28
      Top             =   1350
      Width           =   11088
      Begin UserControls.newInteger mskVAT 
         Height          =   558
         Left            =   4050
         TabIndex        =   15
         Top             =   630
         Width           =   648
         _ExtentX        =   1144
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   2
         Text            =   "99"
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
      Begin UserControls.newInteger mskInvoiceCopies 
         Height          =   558
         Left            =   4050
         TabIndex        =   16
         Top             =   1260
         Width           =   648
         _ExtentX        =   1144
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   2
         Text            =   "99"
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
      Begin UserControls.newText txtPreviewInvoicesDescription 
         Height          =   558
         Left            =   4050
         TabIndex        =   17
         Top             =   1890
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
      Begin UserControls.newText txtUsualPaymentTermDescription 
         Height          =   558
         Left            =   4050
         TabIndex        =   18
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
      Begin UserControls.newText txtUsualRemarks 
         Height          =   558
         Left            =   4050
         TabIndex        =   19
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
      Begin Dacara_dcButton.dcButton cmdIndex 
         Height          =   558
         Index           =   0
         Left            =   4860
         TabIndex        =   60
         TabStop         =   0   'False
         Top             =   1890
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
         ForeColor       =   0
         PicNormal       =   "TablesSettings.frx":0000
         PicSizeH        =   16
         PicSizeW        =   16
      End
      Begin Dacara_dcButton.dcButton cmdIndex 
         Height          =   558
         Index           =   1
         Left            =   10080
         TabIndex        =   59
         TabStop         =   0   'False
         Top             =   2520
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
         ForeColor       =   0
         PicNormal       =   "TablesSettings.frx":059A
         PicSizeH        =   16
         PicSizeW        =   16
      End
      Begin UserControls.newText txtPrintQRCodeDescription 
         Height          =   558
         Left            =   4050
         TabIndex        =   20
         Top             =   3780
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
         Index           =   3
         Left            =   4860
         TabIndex        =   72
         TabStop         =   0   'False
         Top             =   3780
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
         ForeColor       =   0
         PicNormal       =   "TablesSettings.frx":0B34
         PicSizeH        =   16
         PicSizeW        =   16
      End
      Begin UserControls.newText txtQRCodeDescription 
         Height          =   558
         Left            =   4050
         TabIndex        =   21
         Top             =   4410
         Width           =   5958
         _ExtentX        =   10510
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   255
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
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Λεκτικό κωδικού QR"
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
         Index           =   21
         Left            =   540
         TabIndex        =   76
         Top             =   4500
         Width           =   2988
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Εκτυπώνεται ο κωδικός QR"
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
         TabIndex        =   73
         Top             =   3870
         Width           =   2988
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1008
         Index           =   6
         Left            =   10530
         Top             =   2340
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Συνήθης αιτιολογία"
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
         Left            =   540
         TabIndex        =   58
         Top             =   3240
         Width           =   2988
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Συνήθης όρος πληρωμής"
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
         TabIndex        =   55
         Top             =   2610
         Width           =   2988
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1008
         Index           =   1
         Left            =   3510
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
         Height          =   648
         Index           =   5
         Left            =   0
         Top             =   540
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Προεπισκόπηση παραστατικών"
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
         Index           =   12
         Left            =   540
         TabIndex        =   41
         Top             =   1980
         Width           =   2988
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Πλήθος αντιγράφων παραστατικών"
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
         Index           =   11
         Left            =   540
         TabIndex        =   40
         Top             =   1350
         Width           =   2988
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Ποσοστό Φ.Π.Α."
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
         Index           =   10
         Left            =   540
         TabIndex        =   39
         Top             =   720
         Width           =   2988
      End
   End
   Begin VB.Frame frmFrame 
      BackColor       =   &H00C0FFC0&
      BorderStyle     =   0  'None
      Height          =   5778
      Index           =   1
      Left            =   9450
      TabIndex        =   25
      Top             =   2520
      Width           =   10998
      Begin VB.Frame Frame 
         Appearance      =   0  'Flat
         BackColor       =   &H00E0E0E0&
         Caption         =   " Επικεφαλίδες αναφορών "
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
         Height          =   3528
         Index           =   1
         Left            =   540
         TabIndex        =   26
         Top             =   630
         Width           =   9918
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   7
            Left            =   1980
            TabIndex        =   6
            Top             =   630
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   8
            Left            =   1980
            TabIndex        =   7
            Top             =   1260
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   9
            Left            =   1980
            TabIndex        =   8
            Top             =   1890
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   10
            Left            =   1980
            TabIndex        =   9
            Top             =   2520
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   31
            Left            =   1440
            Top             =   1260
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   648
            Index           =   18
            Left            =   9360
            Top             =   1440
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   17
            Left            =   0
            Top             =   1350
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   468
            Index           =   16
            Left            =   3870
            Top             =   3060
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   648
            Index           =   15
            Left            =   3060
            Top             =   0
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "4η Γραμμή"
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
            TabIndex        =   32
            Top             =   2610
            Width           =   900
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "3η Γραμμή"
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
            TabIndex        =   31
            Top             =   1980
            Width           =   900
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "2η Γραμμή"
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
            TabIndex        =   30
            Top             =   1350
            Width           =   900
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "1η Γραμμή"
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
            TabIndex        =   29
            Top             =   720
            Width           =   900
         End
      End
      Begin UserControls.newText txtPreviewReportsDescription 
         Height          =   558
         Left            =   3420
         TabIndex        =   22
         Top             =   4320
         Width           =   738
         _ExtentX        =   1302
         _ExtentY        =   984
         Alignment       =   2
         ForeColor       =   4194304
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
         Index           =   2
         Left            =   4230
         TabIndex        =   61
         TabStop         =   0   'False
         Top             =   4320
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
         ForeColor       =   0
         PicNormal       =   "TablesSettings.frx":10CE
         PicSizeH        =   16
         PicSizeW        =   16
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   19
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
         Height          =   1008
         Index           =   34
         Left            =   2880
         Top             =   4320
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Προεπισκόπηση αναφορών"
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
         Index           =   27
         Left            =   540
         TabIndex        =   52
         Top             =   4410
         Width           =   2358
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1008
         Index           =   14
         Left            =   0
         Top             =   0
         Visible         =   0   'False
         Width           =   558
      End
   End
   Begin VB.Frame frmFrame 
      BackColor       =   &H00808000&
      BorderStyle     =   0  'None
      Height          =   5868
      Index           =   2
      Left            =   11520
      TabIndex        =   27
      Top             =   5130
      Width           =   11088
      Begin UserControls.newText txtSalesAccountsCode 
         Height          =   558
         Left            =   3330
         TabIndex        =   11
         Top             =   1260
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
      Begin UserControls.newText txtVATAccountsCode 
         Height          =   558
         Left            =   3330
         TabIndex        =   12
         Top             =   1890
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
      Begin UserControls.newInteger mskCustomerCodeLength 
         Height          =   558
         Left            =   3330
         TabIndex        =   13
         Top             =   2520
         Width           =   648
         _ExtentX        =   1144
         _ExtentY        =   984
         ForeColor       =   0
         MaxLength       =   2
         Text            =   "99"
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
      Begin UserControls.newText txtFileName 
         Height          =   558
         Left            =   3330
         TabIndex        =   14
         Top             =   3150
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
      Begin UserControls.newText txtCashAccountsCode 
         Height          =   558
         Left            =   3330
         TabIndex        =   10
         Top             =   630
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
         Caption         =   "Κωδ. ταμείου"
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
         Left            =   540
         TabIndex        =   62
         Top             =   720
         Width           =   2268
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1008
         Index           =   4
         Left            =   2790
         Top             =   540
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   3
         Left            =   3600
         Top             =   0
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   2
         Left            =   0
         Top             =   540
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Μήκος κωδικών"
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
         Index           =   16
         Left            =   540
         TabIndex        =   45
         Top             =   2610
         Width           =   2268
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Κωδ. Φ.Π.Α. πωλήσεων"
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
         Index           =   15
         Left            =   540
         TabIndex        =   44
         Top             =   1980
         Width           =   2268
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Ονομα αρχείου πωλήσεων"
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
         Index           =   14
         Left            =   540
         TabIndex        =   43
         Top             =   3240
         Width           =   2268
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
         TabIndex        =   42
         Top             =   1350
         Width           =   2268
      End
   End
   Begin VB.Frame frmFrame 
      BackColor       =   &H00C0C000&
      BorderStyle     =   0  'None
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800080&
      Height          =   7308
      Index           =   0
      Left            =   5310
      TabIndex        =   23
      Top             =   4950
      Width           =   10998
      Begin VB.Frame Frame 
         Appearance      =   0  'Flat
         BackColor       =   &H00E0E0E0&
         Caption         =   " Επικεφαλίδες παραστατικών "
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
         Height          =   4788
         Index           =   0
         Left            =   540
         TabIndex        =   24
         Top             =   630
         Width           =   9918
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   1
            Left            =   1980
            TabIndex        =   0
            Top             =   630
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
            Text            =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
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
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   2
            Left            =   1980
            TabIndex        =   1
            Top             =   1260
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   3
            Left            =   1980
            TabIndex        =   2
            Top             =   1890
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   4
            Left            =   1980
            TabIndex        =   3
            Top             =   2520
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   5
            Left            =   1980
            TabIndex        =   4
            Top             =   3150
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin UserControls.newText txtCompanyData 
            Height          =   558
            Index           =   6
            Left            =   1980
            TabIndex        =   5
            Top             =   3780
            Width           =   7398
            _ExtentX        =   13049
            _ExtentY        =   984
            ForeColor       =   0
            MaxLength       =   50
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
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   648
            Index           =   13
            Left            =   9360
            Top             =   1980
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   12
            Left            =   1440
            Top             =   900
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H00C0C0FF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   468
            Index           =   11
            Left            =   2970
            Top             =   4320
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
            Left            =   3060
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
            Index           =   9
            Left            =   0
            Top             =   2340
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "6η Γραμμή"
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
            Index           =   9
            Left            =   540
            TabIndex        =   38
            Top             =   3870
            Width           =   900
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "5η Γραμμή"
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
            Index           =   8
            Left            =   540
            TabIndex        =   37
            Top             =   3240
            Width           =   900
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "4η Γραμμή"
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
            Index           =   7
            Left            =   540
            TabIndex        =   36
            Top             =   2610
            Width           =   900
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "3η Γραμμή"
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
            TabIndex        =   35
            Top             =   1980
            Width           =   900
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "2η Γραμμή"
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
            TabIndex        =   34
            Top             =   1350
            Width           =   900
         End
         Begin VB.Label lblLabel 
            BackColor       =   &H000080FF&
            Caption         =   "1η Γραμμή"
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
            TabIndex        =   33
            Top             =   720
            Width           =   900
         End
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   20
         Left            =   5130
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
         Index           =   0
         Left            =   10440
         Top             =   1530
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H0000FFFF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   1008
         Index           =   8
         Left            =   0
         Top             =   1530
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
      Height          =   2718
      Left            =   810
      TabIndex        =   47
      Top             =   12330
      Width           =   5418
      Begin VB.TextBox Text5 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   75
         TabStop         =   0   'False
         Text            =   "Settings.PrintQRCodeID"
         Top             =   2070
         Width           =   4248
      End
      Begin VB.TextBox txtPrintQRCodeID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   74
         TabStop         =   0   'False
         Top             =   2070
         Width           =   936
      End
      Begin VB.TextBox txtUsualPaymentTermID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   57
         TabStop         =   0   'False
         Top             =   1620
         Width           =   936
      End
      Begin VB.TextBox Text22 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   56
         TabStop         =   0   'False
         Text            =   "Settings.UsualPaymentTermID"
         Top             =   1620
         Width           =   4248
      End
      Begin VB.TextBox txtPreviewReportsID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   54
         TabStop         =   0   'False
         Top             =   1170
         Width           =   936
      End
      Begin VB.TextBox Text3 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   53
         TabStop         =   0   'False
         Text            =   "Settings.PreviewReportsID"
         Top             =   1170
         Width           =   4248
      End
      Begin VB.TextBox txtID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   51
         TabStop         =   0   'False
         Top             =   270
         Width           =   936
      End
      Begin VB.TextBox Text2 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   50
         TabStop         =   0   'False
         Text            =   "Settings.ID"
         Top             =   270
         Width           =   4248
      End
      Begin VB.TextBox Text1 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         Text            =   "Settings.PreviewInvoicesID"
         Top             =   720
         Width           =   4248
      End
      Begin VB.TextBox txtPreviewInvoicesID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
         BorderStyle     =   0  'None
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
         TabIndex        =   48
         TabStop         =   0   'False
         Top             =   720
         Width           =   936
      End
   End
   Begin VB.Frame frmButtonFrame 
      BackColor       =   &H00E0E0E0&
      BorderStyle     =   0  'None
      Height          =   828
      Left            =   90
      TabIndex        =   63
      Top             =   9180
      Width           =   7308
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   0
         Left            =   270
         TabIndex        =   64
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Επεξεργασία"
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
         TabIndex        =   65
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
         TabIndex        =   66
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
      Caption         =   "Φορολογικά στοιχεία"
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
      Caption         =   "Αναφορές"
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
      Caption         =   "Αρχείο Γεν. Λογιστικής"
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
      Caption         =   "Πωλήσεις"
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
   Begin VB.Shape Shape1 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   648
      Left            =   3870
      Top             =   8550
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1008
      Index           =   30
      Left            =   0
      Top             =   1710
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpRightEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1008
      Left            =   13320
      Top             =   2430
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpBottomEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   558
      Left            =   3150
      Top             =   9990
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Label lblTitle 
      AutoSize        =   -1  'True
      BackColor       =   &H00800000&
      BackStyle       =   0  'Transparent
      Caption         =   "Γενικές παράμετροι"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   36
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000080FF&
      Height          =   864
      Left            =   270
      TabIndex        =   46
      Top             =   90
      Width           =   5436
   End
   Begin VB.Shape shpBridge 
      BackColor       =   &H00E0E0E0&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1206
      Index           =   3
      Left            =   540
      Top             =   5130
      Width           =   3708
   End
   Begin VB.Shape shpBridge 
      BackColor       =   &H00E0E0E0&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1206
      Index           =   2
      Left            =   540
      Top             =   3870
      Width           =   3708
   End
   Begin VB.Shape shpBridge 
      BackColor       =   &H00E0E0E0&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1206
      Index           =   1
      Left            =   540
      Top             =   2610
      Width           =   3708
   End
   Begin VB.Shape shpBridge 
      BackColor       =   &H00E0E0E0&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1206
      Index           =   0
      Left            =   540
      Top             =   1350
      Width           =   3708
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
End
Attribute VB_Name = "TablesSettings"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Dim blnStatus As Boolean

Private Function PositionPanels()

    Dim intLoop As Integer
    
    For intLoop = 0 To 3
        frmFrame(intLoop).Visible = False
    Next intLoop
        
    For intLoop = 0 To 3
        btnPanel(intLoop).Enabled = True
        shpBridge(intLoop).Visible = False
        With frmFrame(intLoop)
            .Height = 6015
            .Width = 9165
            .Left = 1875
            .Top = 1125
            .BackColor = &HE0E0E0
        End With
    Next intLoop
    
    btnPanel(0).Enabled = False
    frmFrame(0).Visible = True
    shpBridge(0).Visible = True

End Function

Private Function ValidateFields()

    ValidateFields = False
    
    'Πλαίσιο Νο1
    
    'Προεπισκόπηση αναφορών
    If txtPreviewReportsID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 1
        txtPreviewReportsDescription.SetFocus
        Exit Function
    End If
    
    'Πλαίσιο Νο2
    
    'Ονομα αρχείου πωλήσεων
    If Len(txtFileName.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 2
        txtFileName.SetFocus
        Exit Function
    End If
    
    'Πλαίσιο Νο3
    
    '% Φ.Π.Α.
    If mskVAT.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 3
        mskVAT.SetFocus
        Exit Function
    End If
    
    If mskVAT.text = "0" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        btnPanel_Click 3
        mskVAT.SetFocus
        Exit Function
    End If
    
    'Πλήθος αντιγράφων παραστατικών
    If mskInvoiceCopies.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 3
        mskInvoiceCopies.SetFocus
        Exit Function
    End If
    
    'Προεπισκόπηση παραστατικών
    If txtPreviewInvoicesID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 3
        txtPreviewInvoicesDescription.SetFocus
        Exit Function
    End If
   
    'Συνήθης όρος πληρωμής
    If txtUsualPaymentTermID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 3
        txtUsualPaymentTermDescription.SetFocus
        Exit Function
    End If
   
    'Εκτυπώνεται ο κωδιός QR
    If txtPrintQRCodeID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        btnPanel_Click 3
        txtPrintQRCodeDescription.SetFocus
        Exit Function
    End If
    
    ValidateFields = True

End Function

Private Function AbortProcedure(blnStatus)

    If Not blnStatus Then
        If MyMsgBox(3, strApplicationName, strStandardMessages(3), 2) Then
            btnPanel_Click 0
            blnStatus = True
            
            DisableFields txtCompanyData(1), txtCompanyData(2), txtCompanyData(3), txtCompanyData(4), txtCompanyData(5), txtCompanyData(6), txtCompanyData(7), txtCompanyData(8), txtCompanyData(9), txtCompanyData(10), _
                txtPreviewReportsDescription, _
                txtUsualPaymentTermDescription, _
                txtUsualRemarks, _
                txtCashAccountsCode, _
                txtSalesAccountsCode, _
                txtVATAccountsCode, _
                mskCustomerCodeLength, _
                txtFileName, _
                mskVAT, _
                mskInvoiceCopies, _
                txtPreviewInvoicesDescription, _
                txtPrintQRCodeDescription, _
                txtQRCodeDescription
            DisableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)

            UpdateButtons Me, 3, 1, 0, 0, 1
        End If
        Exit Function
    End If
    
    If blnStatus Then
        Unload Me
    End If

End Function

Private Function EditRecord()

    Dim intLoop As Integer
    
    blnStatus = False
    
    EnableFields txtCompanyData(1), txtCompanyData(2), txtCompanyData(3), txtCompanyData(4), txtCompanyData(5), txtCompanyData(6), txtCompanyData(7), txtCompanyData(8), txtCompanyData(9), txtCompanyData(10), _
        txtPreviewReportsDescription, _
        txtUsualPaymentTermDescription, _
        txtUsualRemarks, _
        txtCashAccountsCode, _
        txtSalesAccountsCode, _
        txtVATAccountsCode, _
        mskCustomerCodeLength, _
        txtFileName, _
        mskVAT, _
        mskInvoiceCopies, _
        txtPreviewInvoicesDescription, _
        txtPrintQRCodeDescription, _
        txtQRCodeDescription
    EnableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
    
    UpdateButtons Me, 3, 0, 1, 1, 0
    
    For intLoop = 0 To btnPanel.Count - 1
        If Not btnPanel(intLoop).Enabled Then btnPanel_Click intLoop
    Next intLoop
    
End Function

Private Function SaveRecord()

    If Not ValidateFields Then Exit Function
    
    If MainSaveRecord("CommonDB", "Settings", False, "Settings", "ID", txtID.text, txtCompanyData(1).text, txtCompanyData(2).text, txtCompanyData(3).text, txtCompanyData(4).text, txtCompanyData(5).text, txtCompanyData(6).text, txtCompanyData(7).text, txtCompanyData(8).text, txtCompanyData(9).text, txtCompanyData(10).text, txtPreviewReportsID.text, IIf(txtUsualPaymentTermID.text <> "", txtUsualPaymentTermID.text, "0"), txtUsualRemarks.text, txtCashAccountsCode.text, txtSalesAccountsCode.text, txtVATAccountsCode.text, mskCustomerCodeLength.text, txtFileName.text, mskVAT.text, mskInvoiceCopies.text, txtPreviewInvoicesID.text, txtPrintQRCodeID.text, txtQRCodeDescription.text) <> 0 Then
        btnPanel_Click 0
        blnStatus = True
        
        DisableFields txtCompanyData(1), txtCompanyData(2), txtCompanyData(3), txtCompanyData(4), txtCompanyData(5), txtCompanyData(6), txtCompanyData(7), txtCompanyData(8), txtCompanyData(9), txtCompanyData(10), _
            txtPreviewReportsDescription, _
            txtUsualPaymentTermDescription, _
            txtUsualRemarks, _
            txtCashAccountsCode, _
            txtSalesAccountsCode, _
            txtVATAccountsCode, _
            mskCustomerCodeLength, _
            txtFileName, _
            mskVAT, _
            mskInvoiceCopies, _
            txtPreviewInvoicesDescription, _
            txtPrintQRCodeDescription, _
            txtQRCodeDescription
        DisableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
        
        UpdateButtons Me, 3, 1, 0, 0, 1
        If MyMsgBox(1, strApplicationName, strStandardMessages(21), 1) Then
        End If
    Else
        DisplayErrorMessage True, strStandardMessages(5)
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
        'Φορολογικά στοιχεία
        Case 0
            If cmdButton(1).Enabled Then
                If txtCompanyData(1).Enabled Then txtCompanyData(1).SetFocus
            End If
        'Αναφορές
        Case 1
            If cmdButton(1).Enabled Then
                If txtCompanyData(7).Enabled Then txtCompanyData(7).SetFocus
            End If
        'Αρχείο γεν. λογιστικής
        Case 2
            If cmdButton(1).Enabled Then
                If txtCashAccountsCode.Enabled Then txtCashAccountsCode.SetFocus
            End If
        'Πωλήσεις
        Case 3
            If cmdButton(1).Enabled Then
                If mskVAT.Enabled Then mskVAT.SetFocus
            End If
    End Select

End Sub

Private Sub cmdButton_Click(index As Integer)

    Select Case index
        Case 0
            EditRecord
        Case 1
            SaveRecord
        Case 2
            AbortProcedure False
        Case 3
            AbortProcedure True
    End Select

End Sub

Private Sub cmdIndex_Click(index As Integer)
    
    'Local variables
    Dim tmpTableData As typTableData
    Dim tmpRecordset As Recordset
    
    Select Case index
        Case 0
            'Προεπισκόπηση παραστατικών
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtPreviewInvoicesDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtPreviewInvoicesID.text = tmpTableData.strCode
                txtPreviewInvoicesDescription.text = tmpTableData.strFirstField
            End If
        Case 1
            'Όρος πληρωμής
            Set tmpRecordset = CheckForMatch("CommonDB", "PaymentTerms", "PaymentTermDescription", "String", txtUsualPaymentTermDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 3, 0, 1, 2, "ID", "Περιγραφή", "Πίστωση", 0, 40, 0, 1, 0, 0)
                txtUsualPaymentTermID.text = tmpTableData.strCode
                txtUsualPaymentTermDescription.text = tmpTableData.strFirstField
            End If
        Case 2
            'Προεπισκόπηση αναφορών
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtPreviewReportsDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtPreviewReportsID.text = tmpTableData.strCode
                txtPreviewReportsDescription.text = tmpTableData.strFirstField
            End If
        Case 3
            'Εκτυπώνεται ο κωδικός QR
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtPrintQRCodeDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtPrintQRCodeID.text = tmpTableData.strCode
                txtPrintQRCodeDescription.text = tmpTableData.strFirstField
            End If
    
    End Select

End Sub

Private Sub Form_Activate()

    Dim tmpRecordset As Recordset

    If Me.Tag = "True" Then
        Me.Tag = "False"
        Me.Refresh
        If MainSeekRecord("CommonDB", "Settings", "ID", 1, True, txtID, txtCompanyData(1), txtCompanyData(2), txtCompanyData(3), txtCompanyData(4), txtCompanyData(5), txtCompanyData(6), txtCompanyData(7), txtCompanyData(8), txtCompanyData(9), txtCompanyData(10), txtPreviewReportsID, txtUsualPaymentTermID, txtUsualRemarks, txtCashAccountsCode, txtSalesAccountsCode, txtVATAccountsCode, mskCustomerCodeLength, txtFileName, mskVAT, mskInvoiceCopies, txtPreviewInvoicesID, txtPrintQRCodeID, txtQRCodeDescription) Then
            'Προεπισκόπηση παραστατικών
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoID", "Numeric", txtPreviewInvoicesID.text)
            txtPreviewInvoicesID.text = tmpRecordset.Fields(0)
            txtPreviewInvoicesDescription.text = tmpRecordset.Fields(1)
            'Προεπισκόπηση αναφορών
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoID", "Numeric", txtPreviewReportsID.text)
            txtPreviewReportsID.text = tmpRecordset.Fields(0)
            txtPreviewReportsDescription.text = tmpRecordset.Fields(1)
            'Συνήθης όρος πληρωμής
            Set tmpRecordset = CheckForMatch("CommonDB", "PaymentTerms", "PaymentTermID", "Numeric", txtUsualPaymentTermID.text)
            If tmpRecordset.RecordCount > 0 Then
                txtUsualPaymentTermID.text = tmpRecordset.Fields(0)
                txtUsualPaymentTermDescription.text = tmpRecordset.Fields(1)
            Else
                ClearFields txtUsualPaymentTermID, txtUsualPaymentTermDescription
            End If
            'Τυπώνεται ο κωδικός QR
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoID", "Numeric", txtPrintQRCodeID.text)
            txtPrintQRCodeID.text = tmpRecordset.Fields(0)
            txtPrintQRCodeDescription.text = tmpRecordset.Fields(1)
            '
            UpdateButtons Me, 3, 1, 0, 0, 1
        End If
    End If

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
        Case vbKeyE And CtrlDown And cmdButton(0).Enabled
            cmdButton_Click 0
        Case vbKeyF10 And cmdButton(1).Enabled, vbKeyS And CtrlDown And cmdButton(1).Enabled
            cmdButton_Click 1
        Case vbKeyEscape
            If cmdButton(2).Enabled Then cmdButton_Click 2: Exit Function
            If cmdButton(3).Enabled Then cmdButton_Click 3
        Case vbKeyPageUp
            GotoPreviousPanel Me, btnPanel.Count
        Case vbKeyPageDown
            GotoNextPanel Me, btnPanel.Count
        Case vbKeyF12 And CtrlDown
            ToggleInfoPanel Me
    End Select

End Function

Private Function GotoNextPanel(formName, panelCount)

    Dim intLoop As Integer
    
    For intLoop = 0 To panelCount - 1
    
        If Not formName.btnPanel(intLoop).Enabled Then
            If intLoop + 1 <= formName.btnPanel.Count - 1 Then
                If formName.btnPanel(intLoop + 1).Enabled Then
                    btnPanel_Click intLoop + 1
                    Exit Function
                End If
            End If
        End If
    
    Next intLoop

End Function

Private Function GotoPreviousPanel(formName, intPanelCount)

    Dim intLoop As Integer
    
    For intLoop = 0 To formName.btnPanel.Count - 1
    
        If Not formName.btnPanel(intLoop).Enabled Then
            If intLoop - 1 >= 0 Then
                If formName.btnPanel(intLoop - 1).Enabled Then
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
    ClearFields txtCompanyData(1), txtCompanyData(2), txtCompanyData(3), txtCompanyData(4), txtCompanyData(5), txtCompanyData(6), txtCompanyData(7), txtCompanyData(8), txtCompanyData(9), txtCompanyData(10), txtPreviewReportsID, txtPreviewReportsDescription, txtUsualPaymentTermID, txtUsualPaymentTermDescription, txtUsualRemarks, txtCashAccountsCode, txtSalesAccountsCode, txtVATAccountsCode, mskCustomerCodeLength, txtFileName, mskVAT, mskInvoiceCopies, txtPreviewInvoicesDescription
    
    DisableFields txtCompanyData(1), txtCompanyData(2), txtCompanyData(3), txtCompanyData(4), txtCompanyData(5), txtCompanyData(6), txtCompanyData(7), txtCompanyData(8), txtCompanyData(9), txtCompanyData(10), _
        txtPreviewReportsDescription, _
        txtUsualPaymentTermDescription, _
        txtUsualRemarks, _
        txtCashAccountsCode, _
        txtSalesAccountsCode, _
        txtVATAccountsCode, _
        mskCustomerCodeLength, _
        txtFileName, _
        mskVAT, _
        mskInvoiceCopies, _
        txtPreviewInvoicesDescription, _
        txtPrintQRCodeDescription, _
        txtQRCodeDescription
    DisableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
    
    UpdateButtons Me, 3, 1, 0, 0, 1
    
End Sub

Private Sub mskInvoiceCopies_LostFocus()

    If mskInvoiceCopies.text = "" Then mskInvoiceCopies.text = "0"
    
End Sub

Private Sub mskVAT_LostFocus()

    If mskVAT.text = "" Then mskVAT.text = "0"

End Sub

Private Sub txtPreviewInvoicesDescription_Change()

    If txtPreviewInvoicesDescription.text = "" Then
        ClearFields txtPreviewInvoicesID
    End If

End Sub

Private Sub txtPreviewInvoicesDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 0

End Sub

Private Sub txtPreviewInvoicesDescription_Validate(Cancel As Boolean)

    If txtPreviewInvoicesID.text = "" And txtPreviewInvoicesDescription.text <> "" Then cmdIndex_Click 0: If txtPreviewInvoicesID.text = "" Then Cancel = True

End Sub

Private Sub txtPreviewReportsDescription_Change()

    If txtPreviewReportsDescription.text = "" Then
        ClearFields txtPreviewReportsID
    End If

End Sub

Private Sub txtPreviewReportsDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 2

End Sub

Private Sub txtPreviewReportsDescription_Validate(Cancel As Boolean)

    If txtPreviewReportsID.text = "" And txtPreviewReportsDescription.text <> "" Then cmdIndex_Click 2: If txtPreviewReportsID.text = "" Then Cancel = True

End Sub

Private Sub txtPrintQRCodeDescription_Change()

    If txtPrintQRCodeDescription.text = "" Then
        ClearFields txtPrintQRCodeID
    End If


End Sub

Private Sub txtPrintQRCodeDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 3

End Sub


Private Sub txtPrintQRCodeDescription_Validate(Cancel As Boolean)

    If txtPrintQRCodeID.text = "" And txtPrintQRCodeDescription.text <> "" Then cmdIndex_Click 3: If txtPrintQRCodeID.text = "" Then Cancel = True

End Sub

Private Sub txtUsualPaymentTermDescription_Change()

    If txtUsualPaymentTermDescription.text = "" Then
        ClearFields txtUsualPaymentTermID
    End If

End Sub

Private Sub txtUsualPaymentTermDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 1

End Sub

Private Sub txtUsualPaymentTermDescription_Validate(Cancel As Boolean)

    If txtUsualPaymentTermID.text = "" And txtUsualPaymentTermDescription.text <> "" Then cmdIndex_Click 1: If txtUsualPaymentTermID.text = "" Then Cancel = True

End Sub

