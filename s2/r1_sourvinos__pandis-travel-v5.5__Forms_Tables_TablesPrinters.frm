VERSION 5.00
Object = "{396F7AC0-A0DD-11D3-93EC-00C0DFE7442A}#1.0#0"; "ImageList.ocx"
Object = "{158C2A77-1CCD-44C8-AF42-AA199C5DCC6C}#1.0#0"; "dcButton.ocx"
Object = "{839D0F5D-B7D7-41B7-A3B4-85D69300B8C1}#98.0#0"; "iGrid300_10Tec.ocx"
Object = "{FFE4AEB4-0D55-4004-ADF2-3C1C84D17A72}#1.0#0"; "userControls.ocx"
Begin VB.Form TablesPrinters 
   Appearance      =   0  'Flat
   BackColor       =   &H00E0E0E0&
   BorderStyle     =   0  'None
   ClientHeight    =   10818
   ClientLeft      =   18
   ClientTop       =   126
   ClientWidth     =   19764
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
   ForeColor       =   &H00800000&
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   10818
   ScaleWidth      =   19764
   ShowInTaskbar   =   0   'False
   Begin VB.Frame frmButtonFrame 
      BackColor       =   &H00FF8080&
      BorderStyle     =   0  'None
      Height          =   828
      Left            =   90
      TabIndex        =   48
      Top             =   9450
      Width           =   9018
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   0
         Left            =   270
         TabIndex        =   49
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
         TabIndex        =   50
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
         TabIndex        =   51
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
         TabIndex        =   52
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
         TabIndex        =   53
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
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   3
      Left            =   10260
      TabIndex        =   47
      TabStop         =   0   'False
      Top             =   4590
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
      PicNormal       =   "TablesPrinters.frx":0000
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   2
      Left            =   4500
      TabIndex        =   46
      TabStop         =   0   'False
      Top             =   5130
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
      PicNormal       =   "TablesPrinters.frx":059A
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   1
      Left            =   4500
      TabIndex        =   45
      TabStop         =   0   'False
      Top             =   4500
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
      PicNormal       =   "TablesPrinters.frx":0B34
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin VB.Frame frmInfo 
      Appearance      =   0  'Flat
      BackColor       =   &H8000000D&
      BorderStyle     =   0  'None
      DragIcon        =   "TablesPrinters.frx":10CE
      DragMode        =   1  'Automatic
      Enabled         =   0   'False
      ForeColor       =   &H80000008&
      Height          =   3078
      Left            =   13950
      TabIndex        =   33
      Top             =   6750
      Width           =   5418
      Begin VB.TextBox txtPrinterEAFDSSID 
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
         TabIndex        =   43
         TabStop         =   0   'False
         Top             =   1440
         Width           =   936
      End
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
         TabIndex        =   42
         TabStop         =   0   'False
         Text            =   "Printers.PrinterEafdssID"
         Top             =   1440
         Width           =   4248
      End
      Begin VB.TextBox txtPrinterPrintsReportsID 
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
         TabIndex        =   41
         TabStop         =   0   'False
         Top             =   1890
         Width           =   936
      End
      Begin VB.TextBox txtPrinterPrintsInvoicesID 
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
         TabIndex        =   40
         TabStop         =   0   'False
         Top             =   990
         Width           =   936
      End
      Begin VB.TextBox Text4 
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
         TabIndex        =   39
         TabStop         =   0   'False
         Text            =   "Printers.PrinterPrintsReportsID"
         Top             =   1890
         Width           =   4248
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
         TabIndex        =   38
         TabStop         =   0   'False
         Text            =   "Printers.PrinterPrintsInvoicesID"
         Top             =   990
         Width           =   4248
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
         TabIndex        =   37
         TabStop         =   0   'False
         Text            =   "Printers.PrinterID"
         Top             =   90
         Width           =   4248
      End
      Begin VB.TextBox txtPrinterID 
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
         TabIndex        =   36
         TabStop         =   0   'False
         Top             =   90
         Width           =   936
      End
      Begin VB.TextBox txtPrinterTypeID 
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
         TabIndex        =   35
         TabStop         =   0   'False
         Top             =   540
         Width           =   936
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
         TabIndex        =   34
         TabStop         =   0   'False
         Text            =   "Printers.PrinterTypeID"
         Top             =   540
         Width           =   4248
      End
      Begin vbalIml6.vbalImageList lstIconList 
         Left            =   90
         Top             =   2340
         _ExtentX        =   1144
         _ExtentY        =   1144
         Size            =   2296
         Images          =   "TablesPrinters.frx":1998
         Version         =   131072
         KeyCount        =   2
         Keys            =   "ÿ"
      End
   End
   Begin UserControls.newInteger mskPrinterInvoiceHeight 
      Height          =   558
      Left            =   3690
      TabIndex        =   7
      Top             =   6390
      Width           =   738
      _ExtentX        =   1302
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
   Begin iGrid300_10Tec.iGrid grdAppPrinters 
      Height          =   3708
      Left            =   11790
      TabIndex        =   17
      TabStop         =   0   'False
      Top             =   1350
      Width           =   5598
      _ExtentX        =   9875
      _ExtentY        =   6540
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
   Begin UserControls.newText txtPrinterName 
      Height          =   558
      Left            =   2340
      TabIndex        =   0
      Top             =   1350
      Width           =   5958
      _ExtentX        =   10510
      _ExtentY        =   984
      ForeColor       =   0
      Locked          =   -1  'True
      MaxLength       =   40
      Text            =   "ΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑ"
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
   Begin UserControls.newText txtPrinterEAFDSSString 
      Height          =   558
      Left            =   3690
      TabIndex        =   6
      Top             =   5760
      Width           =   1998
      _ExtentX        =   3524
      _ExtentY        =   984
      Alignment       =   2
      ForeColor       =   0
      MaxLength       =   10
      Text            =   "ΑΑΑΑΑΑΑΑΑΑ"
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
   Begin UserControls.newInteger mskPrinterInvoiceDetailLines 
      Height          =   558
      Left            =   3690
      TabIndex        =   8
      Top             =   7020
      Width           =   738
      _ExtentX        =   1302
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
   Begin UserControls.newInteger mskPrinterInvoiceTopMargin 
      Height          =   558
      Left            =   3690
      TabIndex        =   9
      Top             =   7650
      Width           =   738
      _ExtentX        =   1302
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
   Begin UserControls.newInteger mskPrinterReportDetailLines 
      Height          =   558
      Left            =   9450
      TabIndex        =   11
      Top             =   5220
      Width           =   738
      _ExtentX        =   1302
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
   Begin UserControls.newInteger mskPrinterReportTopMargin 
      Height          =   558
      Left            =   9450
      TabIndex        =   12
      Top             =   5850
      Width           =   738
      _ExtentX        =   1302
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
   Begin UserControls.newInteger mskPrinterReportLeftMargin 
      Height          =   558
      Left            =   9450
      TabIndex        =   14
      Top             =   6480
      Width           =   738
      _ExtentX        =   1302
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
   Begin UserControls.newInteger mskPrinterFontSize 
      Height          =   558
      Left            =   2340
      TabIndex        =   3
      Top             =   3240
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
   Begin UserControls.newText txtPrinterFontName 
      Height          =   558
      Left            =   2340
      TabIndex        =   2
      Top             =   2610
      Width           =   5958
      _ExtentX        =   10510
      _ExtentY        =   984
      ForeColor       =   0
      MaxLength       =   40
      Text            =   "ΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑ"
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
   Begin iGrid300_10Tec.iGrid grdAvailablePrinters 
      Height          =   3528
      Left            =   11790
      TabIndex        =   19
      TabStop         =   0   'False
      Top             =   5130
      Width           =   5598
      _ExtentX        =   9875
      _ExtentY        =   6223
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
   Begin UserControls.newText txtPrinterTypeDescription 
      Height          =   558
      Left            =   2340
      TabIndex        =   1
      Top             =   1980
      Width           =   5958
      _ExtentX        =   10510
      _ExtentY        =   984
      ForeColor       =   0
      MaxLength       =   40
      Text            =   "ΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑΑ"
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
   Begin UserControls.newText txtPrintsReportsDescription 
      Height          =   558
      Left            =   9450
      TabIndex        =   10
      Top             =   4590
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
   Begin UserControls.newText txtPrintsInvoicesDescription 
      Height          =   558
      Left            =   3690
      TabIndex        =   4
      Top             =   4500
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
   Begin UserControls.newText txtEafdssDescription 
      Height          =   558
      Left            =   3690
      TabIndex        =   5
      Top             =   5130
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
   Begin VB.Frame Frame1 
      BackColor       =   &H00C0FFC0&
      Caption         =   " Παραστατικά "
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00808000&
      Height          =   4788
      Index           =   0
      Left            =   540
      TabIndex        =   21
      Tag             =   "SameColorAsBackground"
      Top             =   3870
      Width           =   5688
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   2
         Left            =   5130
         Top             =   1890
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   1
         Left            =   2610
         Top             =   1800
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   0
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
         Height          =   468
         Index           =   6
         Left            =   3330
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
         Index           =   5
         Left            =   0
         Top             =   540
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Label lblLabel 
         AutoSize        =   -1  'True
         BackColor       =   &H000080FF&
         Caption         =   "Με σήμανση"
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
         Index           =   15
         Left            =   540
         TabIndex        =   28
         Top             =   1350
         Width           =   2088
         WordWrap        =   -1  'True
      End
      Begin VB.Label lblLabel 
         AutoSize        =   -1  'True
         BackColor       =   &H000080FF&
         Caption         =   "Εκτυπώνει παραστατικά"
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
         Index           =   14
         Left            =   540
         TabIndex        =   27
         Top             =   720
         Width           =   2088
         WordWrap        =   -1  'True
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Υψος σε γραμμές"
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
         TabIndex        =   26
         Top             =   2610
         Width           =   2088
         WordWrap        =   -1  'True
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Αναλυτικές γραμμές"
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
         TabIndex        =   25
         Top             =   3240
         Width           =   2088
         WordWrap        =   -1  'True
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Συμβολοσειρά σήμανσης"
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
         TabIndex        =   24
         Top             =   1980
         Width           =   2088
         WordWrap        =   -1  'True
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Επάνω περιθώριο"
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
         TabIndex        =   23
         Top             =   3870
         Width           =   2088
         WordWrap        =   -1  'True
      End
   End
   Begin VB.Frame Frame1 
      BackColor       =   &H00C0C0C0&
      Caption         =   " Αναφορές "
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00808000&
      Height          =   4788
      Index           =   1
      Left            =   6300
      TabIndex        =   22
      Tag             =   "SameColorAsBackground"
      Top             =   3870
      Width           =   4968
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   4
         Left            =   4410
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
         Index           =   9
         Left            =   5400
         Top             =   1890
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0C0FF&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   8
         Left            =   2340
         Top             =   1080
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
         Left            =   2970
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
         Index           =   3
         Left            =   0
         Top             =   540
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Label lblLabel 
         AutoSize        =   -1  'True
         BackColor       =   &H000080FF&
         Caption         =   "Εκτυπώνει αναφορές"
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
         TabIndex        =   32
         Top             =   720
         Width           =   1818
         WordWrap        =   -1  'True
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Αναλυτικές γραμμές"
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
         Top             =   1350
         Width           =   1818
         WordWrap        =   -1  'True
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Επάνω περιθώριο"
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
         TabIndex        =   30
         Top             =   1980
         Width           =   1818
         WordWrap        =   -1  'True
      End
      Begin VB.Label lblLabel 
         BackColor       =   &H000080FF&
         Caption         =   "Αριστερό περιθώριο"
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
         TabIndex        =   29
         Top             =   2610
         Width           =   1818
         WordWrap        =   -1  'True
      End
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   0
      Left            =   8370
      TabIndex        =   44
      TabStop         =   0   'False
      Top             =   1980
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
      PicNormal       =   "TablesPrinters.frx":22B0
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1008
      Index           =   14
      Left            =   1800
      Top             =   1530
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1368
      Index           =   13
      Left            =   4680
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
      Index           =   12
      Left            =   0
      Top             =   4140
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpBottomEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   468
      Left            =   8460
      Top             =   10260
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Shape shpRightEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1008
      Left            =   17370
      Top             =   2430
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape Shape1 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   648
      Left            =   11250
      Top             =   8640
      Visible         =   0   'False
      Width           =   1098
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1368
      Index           =   11
      Left            =   11970
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
      Index           =   10
      Left            =   11250
      Top             =   3870
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Label lblLabel 
      AutoSize        =   -1  'True
      BackColor       =   &H000080FF&
      Caption         =   "Τύπος"
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
      TabIndex        =   20
      Top             =   1980
      Width           =   1278
   End
   Begin VB.Label lblTitle 
      AutoSize        =   -1  'True
      BackColor       =   &H00800000&
      BackStyle       =   0  'Transparent
      Caption         =   "Εκτυπωτές"
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
      TabIndex        =   18
      Top             =   90
      Width           =   2970
   End
   Begin VB.Label lblLabel 
      AutoSize        =   -1  'True
      BackColor       =   &H000080FF&
      Caption         =   "Γραμματοσειρά"
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
      TabIndex        =   16
      Top             =   2610
      Width           =   1278
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Μέγεθος"
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
      TabIndex        =   15
      Top             =   3240
      Width           =   1278
      WordWrap        =   -1  'True
   End
   Begin VB.Label lblLabel 
      AutoSize        =   -1  'True
      BackColor       =   &H000080FF&
      Caption         =   "Όνομα"
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
      TabIndex        =   13
      Top             =   1440
      Width           =   1278
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
Attribute VB_Name = "TablesPrinters"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
 
Dim blnStatus As Boolean
Dim lngSelectedRow  As Long

Private Function AbortProcedure(blnStatus)
    
    If Not blnStatus Then
        If MyMsgBox(3, strApplicationName, strStandardMessages(3), 2) Then
            blnStatus = False
            ClearFields txtPrinterID, txtPrinterName, txtPrinterTypeID, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrinterPrintsInvoicesID, txtPrintsInvoicesDescription, txtPrinterEAFDSSID, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrinterPrintsReportsID, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin
            DisableFields txtPrinterName, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrintsInvoicesDescription, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin, cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
            grdAppPrinters.SetFocus
            UpdateButtons Me, 4, 1, 0, 0, 0, 1
        End If
    End If
    
    If blnStatus Then
        Unload Me
    End If
    
End Function

Private Function DeleteRecord()
    
    If MainDeleteRecord("PrintersDB", "Printers", strApplicationName, "ID", txtPrinterID.text, "True") Then
        PopulateGrid
        HighlightRow grdAppPrinters, lngSelectedRow, 1, "", True
        ClearFields txtPrinterID, txtPrinterName, txtPrinterTypeID, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrinterPrintsInvoicesID, txtPrintsInvoicesDescription, txtPrinterEAFDSSID, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrinterPrintsReportsID, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin
        DisableFields txtPrinterName, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrintsInvoicesDescription, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin, cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
        UpdateButtons Me, 4, 1, 0, 0, 0, 1
    End If

End Function

Private Function FindPrinters()

    Dim prt As Printer
    Dim strSavedLayout As String
    
    With grdAvailablePrinters
        With .AddCol(sKey:="ID", sHeader:="ID", lWidth:=254, eHdrTextFlags:=igTextCenter)
            .eTextFlags = igTextCenter
        End With
        With .AddCol(sKey:="PrinterName", sHeader:="Όνομα", lWidth:=254, eHdrTextFlags:=igTextCenter)
            .eTextFlags = igTextLeft
        End With
    End With
    
    For Each prt In Printers
        grdAvailablePrinters.AddRow
        grdAvailablePrinters.CellValue(grdAvailablePrinters.RowCount, "PrinterName") = prt.DeviceName
    Next
    
    strSavedLayout = GetSetting(strApplicationName, "Layout Strings", "grdPrinters"): grdAvailablePrinters.LayoutCol = strSavedLayout

End Function

Private Function NewRecord()
    
    blnStatus = True
    ClearFields txtPrinterID, txtPrinterName, txtPrinterTypeID, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrinterPrintsInvoicesID, txtPrintsInvoicesDescription, txtPrinterEAFDSSID, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrinterPrintsReportsID, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin
    EnableFields txtPrinterName, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrintsInvoicesDescription, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin, cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
    InitializeFields mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, mskPrinterFontSize, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin
    UpdateButtons Me, 4, 0, 1, 0, 1, 0
    txtPrinterName.SetFocus

End Function

Private Function PopulateGrid()

    If FillGridFromDB("PrintersDB", grdAppPrinters, "Printers", "", "", "", 2, 0, 1) Then
        grdAppPrinters.SetFocus
        grdAppPrinters.SetCurCell 1, 1
    End If

End Function

Private Function SaveRecord()
    
    If Not ValidateFields Then Exit Function
    
    If MainSaveRecord("PrintersDB", "Printers", blnStatus, strApplicationName, "ID", txtPrinterID.text, txtPrinterName.text, txtPrinterTypeID.text, txtPrinterPrintsInvoicesID.text, txtPrinterEAFDSSID.text, txtPrinterEAFDSSString.text, mskPrinterInvoiceHeight.text, mskPrinterInvoiceDetailLines.text, mskPrinterInvoiceTopMargin.text, txtPrinterPrintsReportsID.text, mskPrinterReportDetailLines.text, mskPrinterReportTopMargin.text, mskPrinterReportLeftMargin.text, txtPrinterFontName.text, mskPrinterFontSize.text, 1, strCurrentUser) <> 0 Then
        PopulateGrid
        HighlightRow grdAppPrinters, lngSelectedRow, 2, txtPrinterName.text, True
        lngSelectedRow = 0
        ClearFields txtPrinterID, txtPrinterName, txtPrinterTypeID, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrinterPrintsInvoicesID, txtPrintsInvoicesDescription, txtPrinterEAFDSSID, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrinterPrintsReportsID, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin
        DisableFields txtPrinterName, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrintsInvoicesDescription, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin, cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
        UpdateButtons Me, 4, 1, 0, 0, 0, 1
    Else
        DisplayErrorMessage True, strStandardMessages(5)
    End If

End Function

Private Function SeekRecord()
    
    Dim tmpTableData As typTableData
    Dim tmpRecordset As Recordset
    
    If grdAppPrinters.RowCount = 0 Then Exit Function
    
    ClearFields txtPrinterID, txtPrinterName, txtPrinterTypeID, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrinterPrintsInvoicesID, txtPrintsInvoicesDescription, txtPrinterEAFDSSID, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrinterPrintsReportsID, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin
    DisableFields txtPrinterName, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrintsInvoicesDescription, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin, cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
    
    If MainSeekRecord("PrintersDB", "Printers", "ID", grdAppPrinters.CellValue(grdAppPrinters.CurRow, 1), True, txtPrinterID, txtPrinterName, txtPrinterTypeID, txtPrinterPrintsInvoicesID, txtPrinterEAFDSSID, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrinterPrintsReportsID, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin, txtPrinterFontName, mskPrinterFontSize) Then
        'Τύπος εκτυπωτή
        Set tmpRecordset = CheckForMatch("PrintersDB", "PrinterTypes", "PrinterTypeID", "Numeric", txtPrinterTypeID.text)
        txtPrinterTypeID.text = tmpRecordset.Fields(0)
        txtPrinterTypeDescription.text = tmpRecordset.Fields(1)
        'Εκτυπώνει παραστατικά;
        Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoID", "Numeric", txtPrinterPrintsInvoicesID.text)
        txtPrinterPrintsInvoicesID.text = tmpRecordset.Fields(0)
        txtPrintsInvoicesDescription.text = tmpRecordset.Fields(1)
        'Με σήμανση;
        Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoID", "Numeric", txtPrinterEAFDSSID.text)
        txtPrinterEAFDSSID.text = tmpRecordset.Fields(0)
        txtEafdssDescription.text = tmpRecordset.Fields(1)
        'Εκτυπώνει αναφορές;
        Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoID", "Numeric", txtPrinterPrintsReportsID.text)
        txtPrinterPrintsReportsID.text = tmpRecordset.Fields(0)
        txtPrintsReportsDescription.text = tmpRecordset.Fields(1)
        '
        blnStatus = False
        lngSelectedRow = grdAppPrinters.CurRow
        EnableFields txtPrinterName, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrintsInvoicesDescription, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin, cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
        UpdateButtons Me, 4, 0, 1, 1, 1, 0
        txtPrinterName.SetFocus
    End If
    
End Function

Private Function ValidateFields()

    ValidateFields = False
    
    'Περιγραφή
    If txtPrinterName.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtPrinterName.SetFocus
        Exit Function
    End If
    
    'Τύπος
    If txtPrinterTypeID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtPrinterTypeDescription.SetFocus
        Exit Function
    End If
    
    'Εκτυπώνει παραστατικά
    If txtPrinterPrintsInvoicesID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtPrintsInvoicesDescription.SetFocus
        Exit Function
    End If
    
    'Εκτυπώνει παραστατικά με σήμανση
    If txtPrinterEAFDSSID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtEafdssDescription.SetFocus
        Exit Function
    End If
    
    'Υψος παραστατικού
    If mskPrinterInvoiceHeight.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskPrinterInvoiceHeight.SetFocus
        Exit Function
    End If
    
    'Αναλυτικές γραμμές παραστατικού
    If mskPrinterInvoiceDetailLines.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskPrinterInvoiceDetailLines.SetFocus
        Exit Function
    End If
    
    'Επάνω περιθώριο παραστατικού
    If mskPrinterInvoiceTopMargin.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskPrinterInvoiceTopMargin.SetFocus
        Exit Function
    End If
    
    'Εκτυπώνει αναφορές
    If txtPrinterPrintsReportsID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtPrintsReportsDescription.SetFocus
        Exit Function
    End If
    
    'Αναλυτικές γραμμές αναφορών
    If mskPrinterReportDetailLines.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskPrinterReportDetailLines.SetFocus
        Exit Function
    End If
    
    'Επάνω περιθώριο αναφορών
    If mskPrinterReportTopMargin.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskPrinterReportTopMargin.SetFocus
        Exit Function
    End If
    
    'Αριστερό περιθώριο αναφορών
    If mskPrinterReportLeftMargin.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskPrinterReportLeftMargin.SetFocus
        Exit Function
    End If
    
    ValidateFields = True

End Function

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
    End Select

End Sub

Private Sub cmdIndex_Click(index As Integer)
    
    Dim tmpTableData As typTableData
    Dim tmpRecordset As Recordset
    
    Select Case index
        Case 0
            'Τύπος εκτυπωτή
            Set tmpRecordset = CheckForMatch("PrintersDB", "PrinterTypes", "PrinterTypeDescription", "String", txtPrinterTypeDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtPrinterTypeID.text = tmpTableData.strCode
                txtPrinterTypeDescription.text = tmpTableData.strFirstField
            End If
        Case 1
            'Εκτυπώνει παραστατικά;
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtPrintsInvoicesDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtPrinterPrintsInvoicesID.text = tmpTableData.strCode
                txtPrintsInvoicesDescription.text = tmpTableData.strFirstField
            End If
        Case 2
            'Με σήμανση;
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtEafdssDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtPrinterEAFDSSID.text = tmpTableData.strCode
                txtEafdssDescription.text = tmpTableData.strFirstField
            End If
        Case 3
            'Εκτυπώνει αναφορές;
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtPrintsReportsDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtPrinterPrintsReportsID.text = tmpTableData.strCode
                txtPrintsReportsDescription.text = tmpTableData.strFirstField
            End If
    End Select

End Sub


Private Sub Form_Activate()

    If Me.Tag = "True" Then
        FindPrinters
        Me.Tag = "False"
        AddColumnsToGrid grdAppPrinters, False, 25, GetSetting(strApplicationName, "Layout Strings", "grdPrinters"), "04NCIID,40NLNDescription", "ID,Όνομα"
        Me.Refresh
        PopulateGrid
    End If
    
    'AddDummyLines grdAppPrinters, "99999", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"

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
        Case vbKeyF3 And cmdButton(2).Enabled, vbKeyD And CtrlDown And cmdButton(2).Enabled
            cmdButton_Click 2
        Case vbKeyEscape
            If cmdButton(3).Enabled Then cmdButton_Click 3: Exit Function
            If cmdButton(4).Enabled Then cmdButton_Click 4
        Case vbKeyF12 And CtrlDown
            ToggleInfoPanel Me
    End Select

End Function

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)

    CheckFunctionKeys KeyCode, Shift
    
    KeyCode = ResetKeyCode(KeyCode, Shift)

End Sub

Private Sub Form_Load()
    
    UpdateColors Me, False
    SetUpGrid lstIconList, grdAppPrinters, grdAvailablePrinters
    ClearFields txtPrinterID, txtPrinterName, txtPrinterTypeID, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrinterPrintsInvoicesID, txtPrintsInvoicesDescription, txtPrinterEAFDSSID, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrinterPrintsReportsID, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin
    DisableFields txtPrinterName, txtPrinterTypeDescription, txtPrinterFontName, mskPrinterFontSize, txtPrintsInvoicesDescription, txtEafdssDescription, txtPrinterEAFDSSString, mskPrinterInvoiceHeight, mskPrinterInvoiceDetailLines, mskPrinterInvoiceTopMargin, txtPrintsReportsDescription, mskPrinterReportDetailLines, mskPrinterReportTopMargin, mskPrinterReportLeftMargin, cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3)
    UpdateButtons Me, 4, 1, 0, 0, 0, 1
    
End Sub

Private Sub grdAvailablePrinters_DblClick(ByVal lRow As Long, ByVal lCol As Long, bRequestEdit As Boolean)

    If txtPrinterName.Enabled Then
        txtPrinterName.text = grdAvailablePrinters.CellValue(lRow, "PrinterName")
        txtPrinterName.SetFocus
    End If

End Sub

Private Sub grdAppPrinters_DblClick(ByVal lRow As Long, ByVal lCol As Long, bRequestEdit As Boolean)

    SeekRecord

End Sub

Private Sub grdAppPrinters_HeaderRightClick(ByVal lCol As Long, ByVal Shift As Integer, ByVal X As Long, ByVal Y As Long)

    PopupMenu mnuHdrPopUp

End Sub

Private Sub grdAppPrinters_KeyPress(KeyAscii As Integer)

    If KeyAscii = vbKeyReturn Then SeekRecord

End Sub

Private Sub mnuΑποθήκευσηΠλάτουςΣτηλών_Click()
    
    SaveSetting strApplicationName, "Layout Strings", "grdPrinters", grdAppPrinters.LayoutCol

End Sub

Private Sub txtEafdssDescription_Change()

    If txtEafdssDescription.text = "" Then
        ClearFields txtPrinterEAFDSSID
    End If

End Sub

Private Sub txtEafdssDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 2

End Sub

Private Sub txtEafdssDescription_Validate(Cancel As Boolean)

    If txtPrinterEAFDSSID.text = "" And txtEafdssDescription.text <> "" Then cmdIndex_Click 2: If txtPrinterEAFDSSID.text = "" Then Cancel = True

End Sub

Private Sub txtPrintsInvoicesDescription_Change()

    If txtPrintsInvoicesDescription.text = "" Then
        ClearFields txtPrinterPrintsInvoicesID
    End If

End Sub

Private Sub txtPrintsInvoicesDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 1

End Sub

Private Sub txtPrintsInvoicesDescription_Validate(Cancel As Boolean)

    If txtPrinterPrintsInvoicesID.text = "" And txtPrintsInvoicesDescription.text <> "" Then cmdIndex_Click 1: If txtPrinterPrintsInvoicesID.text = "" Then Cancel = True

End Sub

Private Sub txtPrintsReportsDescription_Change()

    If txtPrintsReportsDescription.text = "" Then
        ClearFields txtPrinterPrintsReportsID
    End If
    
End Sub

Private Sub txtPrintsReportsDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 3
    
End Sub

Private Sub txtPrintsReportsDescription_Validate(Cancel As Boolean)

    If txtPrinterPrintsReportsID.text = "" And txtPrintsReportsDescription.text <> "" Then cmdIndex_Click 3: If txtPrinterPrintsReportsID.text = "" Then Cancel = True
    
End Sub

Private Sub txtPrinterTypeDescription_Change()

    If txtPrinterTypeDescription.text = "" Then
        ClearFields txtPrinterTypeID
    End If

End Sub

Private Sub txtPrinterTypeDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 0

End Sub

Private Sub txtPrinterTypeDescription_Validate(Cancel As Boolean)

    If txtPrinterTypeID.text = "" And txtPrinterTypeDescription.text <> "" Then cmdIndex_Click 0: If txtPrinterTypeID.text = "" Then Cancel = True

End Sub

