VERSION 5.00
Object = "{396F7AC0-A0DD-11D3-93EC-00C0DFE7442A}#1.0#0"; "ImageList.ocx"
Object = "{158C2A77-1CCD-44C8-AF42-AA199C5DCC6C}#1.0#0"; "dcButton.ocx"
Object = "{55473EAC-7715-4257-B5EF-6E14EBD6A5DD}#1.0#0"; "ProgressBar.ocx"
Object = "{839D0F5D-B7D7-41B7-A3B4-85D69300B8C1}#98.0#0"; "iGrid300_10Tec.ocx"
Object = "{FFE4AEB4-0D55-4004-ADF2-3C1C84D17A72}#1.0#0"; "userControls.ocx"
Begin VB.Form PersonsBalanceSheet 
   Appearance      =   0  'Flat
   BackColor       =   &H00C0E0FF&
   BorderStyle     =   0  'None
   ClientHeight    =   13050
   ClientLeft      =   18
   ClientTop       =   18
   ClientWidth     =   23004
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
   ScaleHeight     =   13050
   ScaleWidth      =   23004
   ShowInTaskbar   =   0   'False
   Begin VB.Frame frmProgress 
      BackColor       =   &H000080FF&
      BorderStyle     =   0  'None
      Caption         =   "Frame1"
      Height          =   1368
      Left            =   15390
      TabIndex        =   28
      Top             =   9180
      Width           =   4878
      Begin vbalProgBarLib6.vbalProgressBar prgProgressBar 
         Height          =   738
         Left            =   180
         TabIndex        =   29
         TabStop         =   0   'False
         Top             =   450
         Width           =   4518
         _ExtentX        =   7969
         _ExtentY        =   1302
         Picture         =   "PersonsBalanceSheet.frx":0000
         ForeColor       =   0
         Appearance      =   0
         BarPicture      =   "PersonsBalanceSheet.frx":001C
         BarPictureMode  =   0
         BackPictureMode =   0
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
      Begin VB.Label lblMaster 
         Alignment       =   2  'Center
         BackStyle       =   0  'Transparent
         Caption         =   "Τίτλος"
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
         Height          =   288
         Left            =   180
         TabIndex        =   30
         Top             =   90
         Width           =   4518
      End
   End
   Begin VB.Frame frmContainer 
      BackColor       =   &H00808000&
      BorderStyle     =   0  'None
      Height          =   11538
      Left            =   90
      TabIndex        =   0
      Top             =   90
      Width           =   22788
      Begin VB.Frame frmButtonFrame 
         BackColor       =   &H00FF8080&
         BorderStyle     =   0  'None
         Height          =   828
         Left            =   90
         TabIndex        =   17
         Top             =   10620
         Width           =   12348
         Begin Dacara_dcButton.dcButton cmdButton 
            Height          =   828
            Index           =   0
            Left            =   270
            TabIndex        =   18
            TabStop         =   0   'False
            Top             =   0
            Width           =   1638
            _ExtentX        =   2890
            _ExtentY        =   1460
            ButtonShape     =   3
            ButtonStyle     =   4
            Caption         =   "Συνέχεια"
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   8388736
            PicOpacity      =   0
         End
         Begin Dacara_dcButton.dcButton cmdButton 
            Height          =   828
            Index           =   6
            Left            =   10530
            TabIndex        =   19
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
            ForeColor       =   8388736
            PicOpacity      =   0
         End
         Begin Dacara_dcButton.dcButton cmdButton 
            Height          =   828
            Index           =   1
            Left            =   1980
            TabIndex        =   20
            TabStop         =   0   'False
            Top             =   0
            Width           =   1638
            _ExtentX        =   2890
            _ExtentY        =   1460
            ButtonShape     =   3
            ButtonStyle     =   4
            Caption         =   "Καρτέλα"
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   8388736
            PicOpacity      =   0
         End
         Begin Dacara_dcButton.dcButton cmdButton 
            Height          =   828
            Index           =   5
            Left            =   8820
            TabIndex        =   21
            TabStop         =   0   'False
            Top             =   0
            Width           =   1638
            _ExtentX        =   2890
            _ExtentY        =   1460
            ButtonShape     =   3
            ButtonStyle     =   4
            Caption         =   "Νέα αναζήτηση"
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   8388736
            PicOpacity      =   0
         End
         Begin Dacara_dcButton.dcButton cmdButton 
            Height          =   828
            Index           =   2
            Left            =   3696
            TabIndex        =   22
            TabStop         =   0   'False
            Top             =   0
            Width           =   1638
            _ExtentX        =   2890
            _ExtentY        =   1460
            ButtonShape     =   3
            ButtonStyle     =   4
            Caption         =   "Εκτύπωση"
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   8388736
            PicOpacity      =   0
         End
         Begin Dacara_dcButton.dcButton cmdButton 
            Height          =   828
            Index           =   3
            Left            =   5400
            TabIndex        =   23
            TabStop         =   0   'False
            Top             =   0
            Width           =   1638
            _ExtentX        =   2890
            _ExtentY        =   1460
            ButtonShape     =   3
            ButtonStyle     =   4
            Caption         =   "Δημιουργία αρχείου PDF"
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   8388736
            PicOpacity      =   0
         End
         Begin Dacara_dcButton.dcButton cmdButton 
            Height          =   828
            Index           =   4
            Left            =   7110
            TabIndex        =   37
            TabStop         =   0   'False
            Top             =   0
            Width           =   1638
            _ExtentX        =   2890
            _ExtentY        =   1460
            ButtonShape     =   3
            ButtonStyle     =   4
            Caption         =   "Δημιουργία αρχείου XLS"
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "Ubuntu Condensed"
               Size            =   11.7
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   8388736
            PicOpacity      =   0
         End
      End
      Begin VB.Frame frmInfo 
         Appearance      =   0  'Flat
         BackColor       =   &H8000000D&
         BorderStyle     =   0  'None
         Enabled         =   0   'False
         ForeColor       =   &H80000008&
         Height          =   2628
         Left            =   9180
         TabIndex        =   10
         Top             =   7830
         Width           =   6048
         Begin VB.TextBox Text20 
            Appearance      =   0  'Flat
            BackColor       =   &H00C0E0FF&
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
            TabIndex        =   36
            TabStop         =   0   'False
            Text            =   "Invoices.InvoiceMasterRefersTo"
            Top             =   90
            Width           =   4248
         End
         Begin VB.TextBox txtInvoiceMasterRefersTo 
            Appearance      =   0  'Flat
            BackColor       =   &H00C0E0FF&
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
            Text            =   "1"
            Top             =   90
            Width           =   1566
         End
         Begin VB.TextBox txtCustomersOrSuppliers 
            Appearance      =   0  'Flat
            BackColor       =   &H00C0E0FF&
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
            TabIndex        =   34
            TabStop         =   0   'False
            Text            =   "3"
            Top             =   990
            Width           =   1566
         End
         Begin VB.TextBox Text13 
            Appearance      =   0  'Flat
            BackColor       =   &H00C0E0FF&
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
            TabIndex        =   33
            TabStop         =   0   'False
            Text            =   "CustomersOrSuppliers"
            Top             =   990
            Width           =   4248
         End
         Begin VB.TextBox txtPaymentInOrPaymentOut 
            Appearance      =   0  'Flat
            BackColor       =   &H00C0E0FF&
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
            TabIndex        =   32
            TabStop         =   0   'False
            Text            =   "2"
            Top             =   540
            Width           =   1566
         End
         Begin VB.TextBox Text4 
            Appearance      =   0  'Flat
            BackColor       =   &H00C0E0FF&
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
            TabIndex        =   31
            TabStop         =   0   'False
            Text            =   "PaymentInOrPaymentOut"
            Top             =   540
            Width           =   4248
         End
         Begin VB.TextBox txtFilterID 
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
            TabIndex        =   16
            TabStop         =   0   'False
            Top             =   1440
            Width           =   1566
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
            TabIndex        =   15
            TabStop         =   0   'False
            Text            =   "RecordFilter.RecordFilterID"
            Top             =   1440
            Width           =   4248
         End
         Begin vbalIml6.vbalImageList lstIconList 
            Left            =   90
            Top             =   1890
            _ExtentX        =   1144
            _ExtentY        =   1144
            Size            =   2296
            Images          =   "PersonsBalanceSheet.frx":0038
            Version         =   131072
            KeyCount        =   2
            Keys            =   "ÿ"
         End
      End
      Begin VB.Frame frmCriteria 
         BackColor       =   &H00FFC0FF&
         BorderStyle     =   0  'None
         Height          =   3168
         Index           =   0
         Left            =   180
         TabIndex        =   6
         Top             =   7290
         Width           =   8928
         Begin UserControls.newDate mskDateFrom 
            Height          =   558
            Left            =   1890
            TabIndex        =   1
            Top             =   990
            Width           =   1746
            _ExtentX        =   3206
            _ExtentY        =   984
            ForeColor       =   0
            Text            =   "01/01/2017"
            BackColor       =   0
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
         Begin UserControls.newDate mskDateTo 
            Height          =   558
            Left            =   3690
            TabIndex        =   2
            Top             =   990
            Width           =   1746
            _ExtentX        =   3206
            _ExtentY        =   984
            ForeColor       =   0
            Text            =   "01/01/2017"
            BackColor       =   0
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
         Begin UserControls.newText txtFilterDescription 
            Height          =   558
            Left            =   1890
            TabIndex        =   3
            Top             =   1620
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
         Begin Dacara_dcButton.dcButton cmdIndex 
            Height          =   558
            Index           =   0
            Left            =   7920
            TabIndex        =   14
            TabStop         =   0   'False
            Top             =   1620
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
            PicNormal       =   "PersonsBalanceSheet.frx":0950
            PicSizeH        =   16
            PicSizeW        =   16
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   378
            Index           =   3
            Left            =   2610
            Top             =   2160
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   378
            Index           =   4
            Left            =   2880
            Top             =   630
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Label lblLabel 
            AutoSize        =   -1  'True
            BackColor       =   &H000080FF&
            Caption         =   "Εγγραφές"
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
            TabIndex        =   13
            Top             =   1710
            Width           =   828
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   2
            Left            =   8370
            Top             =   1350
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Shape shpWedge 
            BackColor       =   &H0000FFFF&
            BackStyle       =   1  'Opaque
            BorderStyle     =   0  'Transparent
            FillColor       =   &H00008000&
            Height          =   1008
            Index           =   1
            Left            =   1350
            Top             =   810
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
            Left            =   0
            Top             =   810
            Visible         =   0   'False
            Width           =   558
         End
         Begin VB.Label lblToday 
            Alignment       =   1  'Right Justify
            BackColor       =   &H00808000&
            Caption         =   "01/05/2017"
            BeginProperty Font 
               Name            =   "Aka-Acid-Steelfish"
               Size            =   17.1
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H0000FFFF&
            Height          =   468
            Left            =   5220
            TabIndex        =   12
            Top             =   90
            Width           =   3528
         End
         Begin VB.Label Label1 
            BackColor       =   &H00808000&
            Caption         =   "Κριτήρια αναζήτησης"
            BeginProperty Font 
               Name            =   "Aka-Acid-Steelfish"
               Size            =   17.1
               Charset         =   161
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   468
            Index           =   3
            Left            =   180
            TabIndex        =   9
            Top             =   90
            Width           =   1998
         End
         Begin VB.Label Label1 
            BackColor       =   &H00808000&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   17.1
               Charset         =   0
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   648
            Index           =   0
            Left            =   0
            TabIndex        =   11
            Top             =   0
            Width           =   8928
         End
         Begin VB.Label Label1 
            BackColor       =   &H00808000&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   17.1
               Charset         =   0
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00FFFFFF&
            Height          =   648
            Index           =   4
            Left            =   0
            TabIndex        =   8
            Top             =   2520
            Width           =   8928
         End
         Begin VB.Label lblLabel 
            AutoSize        =   -1  'True
            BackColor       =   &H000080FF&
            Caption         =   "Αφορά"
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
            TabIndex        =   7
            Top             =   1080
            Width           =   828
         End
      End
      Begin iGrid300_10Tec.iGrid grdPersonsBalanceSheet 
         Height          =   8748
         Left            =   90
         TabIndex        =   4
         TabStop         =   0   'False
         Top             =   1800
         Width           =   22608
         _ExtentX        =   39878
         _ExtentY        =   15431
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
      Begin VB.Label lblCriteria 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00C0FFFF&
         BackStyle       =   0  'Transparent
         Caption         =   "Κριτήρια αναζήτησης"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   13.5
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H000080FF&
         Height          =   378
         Left            =   4770
         TabIndex        =   27
         Top             =   1350
         Width           =   17928
      End
      Begin VB.Label lblSelectedGridLines 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00C0C0FF&
         BackStyle       =   0  'Transparent
         Caption         =   "Επιλεγμένες 0 εγγραφές"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   13.5
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00C0FFFF&
         Height          =   378
         Left            =   4770
         TabIndex        =   26
         Top             =   630
         Width           =   17928
      End
      Begin VB.Label lblSelectedGridTotals 
         Alignment       =   1  'Right Justify
         BackColor       =   &H000080FF&
         BackStyle       =   0  'Transparent
         Caption         =   "Σύνολα πάνε εδώ"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   13.5
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H0080C0FF&
         Height          =   378
         Left            =   4770
         TabIndex        =   25
         Top             =   990
         Width           =   17928
      End
      Begin VB.Label lblRecordCount 
         BackColor       =   &H000080FF&
         BackStyle       =   0  'Transparent
         Caption         =   "Βρέθηκαν 99.999 εγγραφές"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   14.4
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FFFF00&
         Height          =   378
         Left            =   90
         TabIndex        =   24
         Top             =   1350
         Width           =   3078
      End
      Begin VB.Label lblTitle 
         AutoSize        =   -1  'True
         BackColor       =   &H00800000&
         BackStyle       =   0  'Transparent
         Caption         =   "Ισοζύγιο συναλλασόμενων"
         BeginProperty Font 
            Name            =   "Ubuntu Condensed"
            Size            =   36
            Charset         =   161
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H000080FF&
         Height          =   864
         Left            =   90
         TabIndex        =   5
         Top             =   90
         Width           =   7020
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
   Begin VB.Menu mnuHdrPopUp 
      Caption         =   "mnuHdrPopUp"
      Visible         =   0   'False
      Begin VB.Menu mnuΑποθήκευσηΠλάτουςΣτηλών 
         Caption         =   "Αποθήκευση πλάτους στηλών"
      End
   End
End
Attribute VB_Name = "PersonsBalanceSheet"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Dim lngRowCount As Long
Dim blnError As Boolean
Dim blnProcessing As Boolean

'Προηγούμενη περίοδος
    'Γραμμή κάθε πελάτη
    Dim curDebitSoFar As Currency
    Dim curCreditSoFar As Currency
    Dim curBalanceSoFar As Currency
    'Σύνολα (Τελευταία γραμμή)
    Dim curDebitTotalSoFar As Currency
    Dim curCreditTotalSoFar As Currency
    Dim curBalanceTotalSoFar As Currency
'Ζητούμενη περίοδος
    'Ποσά κάθε πελάτη
    Dim curDebitPeriod As Currency
    Dim curCreditPeriod As Currency
    'Σύνολα (Τελευταία γραμμή)
    Dim curDebitTotalPeriod As Currency
    Dim curCreditTotalPeriod As Currency
'Υπόλοιπα
    'Γραμμή κάθε πελάτη
    Dim curBalance As Currency
    'Γενικά σύνολα (Τελευταία γραμμή)
    Dim curBalanceTotal As Currency

Private Function AddCurrentLineToGrid(rstPersons As Recordset, lngLastRow As Long)

    'Τι έχω δώσει στα κριτήρια
    If txtFilterID.text = "1" Or (txtFilterID.text = "2" And curBalanceSoFar + curBalance <> 0) Then
        'Προσθέτω μία γραμμή
        grdPersonsBalanceSheet.AddRow
        lngRowCount = lngRowCount + 1
        'Ενημερώνω τη γραμμή
        grdPersonsBalanceSheet.CellValue(lngLastRow, "ID") = rstPersons!ID
        grdPersonsBalanceSheet.CellValue(lngLastRow, "Description") = rstPersons!Description
        'Προηγούμενη περιόδος
        grdPersonsBalanceSheet.CellValue(lngLastRow, "DebitSoFar") = curDebitSoFar
        grdPersonsBalanceSheet.CellValue(lngLastRow, "CreditSoFar") = curCreditSoFar
        grdPersonsBalanceSheet.CellValue(lngLastRow, "BalanceSoFar") = curBalanceSoFar
        'Ζητούμενη περίοδος
        grdPersonsBalanceSheet.CellValue(lngLastRow, "DebitPeriod") = curDebitPeriod
        grdPersonsBalanceSheet.CellValue(lngLastRow, "CreditPeriod") = curCreditPeriod
        'Υπόλοιπο
        grdPersonsBalanceSheet.CellValue(lngLastRow, "Balance") = curBalanceSoFar + curBalance
        'Υπολογίζω τα γενικά σύνολα (τελευταία γραμμή)
        curDebitTotalSoFar = curDebitTotalSoFar + curDebitSoFar
        curCreditTotalSoFar = curCreditTotalSoFar + curCreditSoFar
        curBalanceTotalSoFar = curBalanceTotalSoFar + curBalanceSoFar
        curDebitTotalPeriod = curDebitTotalPeriod + curDebitPeriod
        curCreditTotalPeriod = curCreditTotalPeriod + curCreditPeriod
        curBalanceTotal = curBalanceTotal + curBalanceSoFar + curBalance
        'Χρωματίζω
        InvertColorForNegativeNumbers grdPersonsBalanceSheet, grdPersonsBalanceSheet.RowCount
    End If

End Function

Private Function AddGrandTotalsToGrid(lngLastRow As Long)

    With grdPersonsBalanceSheet
        If .RowCount > 0 Then
            'Προσθέτω τα γενικά σύνολα (τελευταία γραμμή)
            .AddRow
            .AddRow
            .CellValue(lngLastRow, "Description") = "ΓΕΝΙΚΑ ΣΥΝΟΛΑ"
            'Προηγούμενη περιόδος
            .CellValue(lngLastRow, "DebitSoFar") = curDebitTotalSoFar
            .CellValue(lngLastRow, "CreditSoFar") = curCreditTotalSoFar
            .CellValue(lngLastRow, "BalanceSoFar") = curBalanceTotalSoFar
            'Ζητούμενη περίοδος
            .CellValue(lngLastRow, "DebitPeriod") = curDebitTotalPeriod
            .CellValue(lngLastRow, "CreditPeriod") = curCreditTotalPeriod
            'Υπόλοιπο
            .CellValue(lngLastRow, "Balance") = curBalanceTotal
            'Χρωματίζω
            InvertColorForNegativeNumbers grdPersonsBalanceSheet, grdPersonsBalanceSheet.RowCount
        End If
    End With

End Function

Private Function CalculateAskedPeriodForCustomers(rstTransactions As Recordset)

    'Helper
    Dim curTotals As Currency
    
    With rstTransactions
        'Πώληση (Χρεωστική ή πιστωτική) - Στήλη χρέωσης
        If !InvoiceMasterRefersTo = "2" Then
            'Helper
            curTotals = CalculateFields(rstTransactions, !CodeCustomers, "InvoiceOutAdultsAmountWithTransfer", "InvoiceOutAdultsAmountWithoutTransfer", "InvoiceOutKidsAmountWithTransfer", "InvoiceOutKidsAmountWithoutTransfer", "InvoiceOutDirectAmount")
            'Adults, Kids και Direct
            curDebitPeriod = curDebitPeriod + curTotals
            'Αν η κίνηση είναι μετρητοίς βάζω το ποσό και στην πίστωση
            curCreditPeriod = IIf(!PaymentTermCreditID = 0, curCreditPeriod + curTotals, curCreditPeriod)
        End If
        'Είσπραξη ή πληρωμή - Στήλη πίστωσης
        If !InvoiceMasterRefersTo = "4" Then
            If !CodeCustomers = "+" Then
                curDebitPeriod = curDebitPeriod + CalculateFields(rstTransactions, !CodeCustomers, "Amount")
            End If
            If !CodeCustomers = "-" Then
                curCreditPeriod = curCreditPeriod + Abs(CalculateFields(rstTransactions, !CodeCustomers, "Amount"))
            End If
        End If
    End With
    
    'Υπόλοιπο
    curBalance = curDebitPeriod - curCreditPeriod

End Function

Private Function CalculateAskedPeriodForSuppliers(rstTransactions As Recordset)

    'Helper
    Dim curTotals As Currency
    
    With rstTransactions
        'Εξοδο (Χρεωστική ή πιστωτική) - Στήλη πίστωσης
        If !InvoiceMasterRefersTo = "1" Then
            'Helper
            curTotals = CalculateFields(rstTransactions, !CodeSuppliers, "InvoiceInAmount")
            'Πίστωση
            curCreditPeriod = curCreditPeriod + curTotals
            'Χρέωση
            curDebitPeriod = IIf(!PaymentTermCreditID = 0, curDebitPeriod + curTotals, curDebitPeriod)
        End If
        'Είσπραξη ή πληρωμή - Στήλη χρέωσης
        If !InvoiceMasterRefersTo = "3" Then
            'Helper
            curTotals = CalculateFields(rstTransactions, !CodeSuppliers, "Amount")
            'Χρέωση
            If !CodeSuppliers = "-" Then
                curDebitPeriod = curDebitPeriod + Abs(curTotals)
            End If
            'Πίστωση
            If !CodeSuppliers = "+" Then
                curCreditPeriod = curCreditPeriod + Abs(curTotals)
            End If
        End If
    End With
    
    'Υπόλοιπο
    curBalance = curDebitPeriod - curCreditPeriod

End Function


Private Function CalculateSoFarTotalsForSuppliers(rstTransactions As Recordset)

    'Helper
    Dim curTotals As Currency
    
    With rstTransactions
        While !InvoiceDateValue < CDate(mskDateFrom.text)
            'Εξοδο (Χρεωστικό ή πιστωτικό) - Στήλη πίστωσης
            If !InvoiceMasterRefersTo = "1" Then
                'Helper
                curTotals = CalculateFields(rstTransactions, !CodeSuppliers, "InvoiceInAmount")
                'Πίστωση
                curCreditSoFar = curCreditSoFar + curTotals
                'Χρέωση
                curDebitSoFar = IIf(!PaymentTermCreditID = 0, curDebitSoFar + curTotals, curDebitSoFar)
            End If
            'Είσπραξη ή πληρωμή - Στήλη χρέωσης
            If !InvoiceMasterRefersTo = "3" Then
                'Helper
                curTotals = CalculateFields(rstTransactions, !CodeSuppliers, "Amount")
                'Χρέωση
                If !CodeSuppliers = "-" Then
                    curDebitSoFar = curDebitSoFar + Abs(curTotals)
                End If
                'Πίστωση
                If !CodeSuppliers = "+" Then
                    curCreditSoFar = curCreditSoFar + Abs(curTotals)
                End If
            End If
            'Υπόλοιπο
            curBalanceSoFar = curDebitSoFar - curCreditSoFar
            rstTransactions.MoveNext
            'Async!
            DoEvents
            If rstTransactions.EOF Then Exit Function
        Wend
    End With

End Function

Private Function CalculateSoFarTotals(rstTransactions As Recordset, fieldIndex As Long)

    If txtInvoiceMasterRefersTo.text = "1" Then CalculateSoFarTotalsForSuppliers rstTransactions
    If txtInvoiceMasterRefersTo.text = "2" Then CalculateSoFarTotalsForCustomers rstTransactions

End Function
Private Function CalculateSoFarTotalsForCustomers(rstTransactions As Recordset)

    'Helper
    Dim curTotals As Currency
    
    With rstTransactions
        While !InvoiceDateValue < CDate(mskDateFrom.text)
            'Πώληση (Χρεωστική ή πιστωτική) - Στήλη χρέωσης
            If !InvoiceMasterRefersTo = "2" Then
                'Helper
                curTotals = CalculateFields(rstTransactions, !CodeCustomers, "InvoiceOutAdultsAmountWithTransfer", "InvoiceOutAdultsAmountWithoutTransfer", "InvoiceOutKidsAmountWithTransfer", "InvoiceOutKidsAmountWithoutTransfer", "InvoiceOutDirectAmount")
                'Adults, Kids και Direct
                curDebitSoFar = curDebitSoFar + curTotals
                'Αν η κίνηση είναι μετρητοίς βάζω το ποσό και στην πίστωση
                curCreditSoFar = IIf(!PaymentTermCreditID = 0, curCreditSoFar + curTotals, curCreditSoFar)
            End If
            'Είσπραξη ή πληρωμή - Στήλη πίστωσης
            If !InvoiceMasterRefersTo = "4" Then
                If !CodeCustomers = "+" Then
                    curDebitSoFar = curDebitSoFar + CalculateFields(rstTransactions, !CodeCustomers, "Amount")
                End If
                If !CodeCustomers = "-" Then
                    curCreditSoFar = curCreditSoFar + Abs(CalculateFields(rstTransactions, !CodeCustomers, "Amount"))
                End If
            End If
            'Υπόλοιπο
            curBalanceSoFar = curDebitSoFar - curCreditSoFar
            rstTransactions.MoveNext
            'Async!
            DoEvents
            If rstTransactions.EOF Then Exit Function
        Wend
    End With

End Function
Private Function EditRecord()

    With PersonsLedger 'OK
        .lblTitle.Caption = IIf(txtCustomersOrSuppliers.text = "Customers", "Καρτέλα πελάτη", "Καρτέλα πιστωτή")
        .txtInvoiceMasterRefersTo.text = IIf(txtCustomersOrSuppliers.text = "Customers", "2", "1")
        .txtCustomersOrSuppliers.text = txtCustomersOrSuppliers.text
        .txtPaymentInOrPaymentOut.text = IIf(txtCustomersOrSuppliers.text = "Customers", "PaymentIn", "PaymentOut")
        .txtBatchReport.text = "No"
        .frmCriteria(0).Visible = True
        .frmCriteria(1).Visible = False
        .txtInvoicePersonID.text = grdPersonsBalanceSheet.CellValue(grdPersonsBalanceSheet.CurRow, "ID")
        .txtPersonDescription.text = grdPersonsBalanceSheet.CellValue(grdPersonsBalanceSheet.CurRow, "Description")
        .mskDateFrom(0).text = mskDateFrom.text
        .mskDateFrom(1).text = mskDateFrom.text
        .mskDateTo(0).text = mskDateTo.text
        .mskDateTo(1).text = mskDateTo.text
        .Tag = "True"
        .Show 1, Me
    End With
    
End Function

Private Function FindRecordsAndPopulateGrid()

    If ValidateFields Then
        If RefreshList > 0 Then
            UpdateRecordCount lblRecordCount, lngRowCount
            UpdateCriteriaLabels mskDateFrom.text, mskDateTo.text, txtFilterDescription.text
            EnableGrid grdPersonsBalanceSheet, False
            HighlightRow grdPersonsBalanceSheet, 1, 1, "", True
            UpdateButtons Me, 6, 0, 1, 1, 1, 1, 1, 0
            Exit Function
        Else
            UpdateButtons Me, 6, 1, 0, 0, 0, 0, 0, 1
            If Not blnError Then
                If blnProcessing Then
                    If MyMsgBox(4, strApplicationName, strStandardMessages(27), 1) Then
                    End If
                Else
                    If MyMsgBox(1, strApplicationName, strStandardMessages(7), 1) Then
                    End If
                End If
            End If
            blnError = False
            blnProcessing = False
            frmCriteria(0).Visible = True
            mskDateFrom.SetFocus
        End If
    End If

End Function

Private Function UpdateCriteriaLabels(dateFrom, dateTo, FilterDescription)

    Dim strCriteriaA As String

    strCriteriaA = IIf(dateFrom = "", "Από [ ΟΛΑ ] ", "Από [ " & dateFrom & " ] ")
    strCriteriaA = strCriteriaA & IIf(dateTo = "", "Εως [ ΟΛΑ ] ", "Εως [ " & dateTo & " ] ")
    strCriteriaA = strCriteriaA & "Εγγραφές [ " & FilterDescription & " ]"
    
    lblCriteria.Caption = strCriteriaA
    
End Function

Private Sub cmdButton_Click(index As Integer)

    Select Case index
        Case 0
            FindRecordsAndPopulateGrid
        Case 1
            EditRecord
        Case 2
            DoReport "Print"
        Case 3
            DoReport "CreatePDF"
        Case 4
            ExportToExcel
        Case 5
            AbortProcedure False
        Case 6
            AbortProcedure True
    End Select
   
End Sub
Private Function ExportToExcel()

    On Error GoTo ErrTrap
    
    Dim lngRow As Long
    Dim lngCol As Long
    Dim xlsRowOffsetFromTop As Long
    Dim xlsColCount As Long
    
    Dim oExcel As Object
    Dim oBook As Object
    Dim oSheet As Object

    Set oExcel = CreateObject("Excel.Application")
    Set oBook = oExcel.Workbooks.Add
    Set oSheet = oBook.Worksheets(1)
    
    xlsRowOffsetFromTop = 10
    xlsColCount = 7
    
    With oSheet
    
        SetFontNameAndSize oSheet, "Ubuntu Condensed", 11
        AddCompanyData oSheet, xlsColCount
        AddTitle oSheet, lblTitle.Caption, xlsColCount
        AddCriteria oSheet, lblCriteria.Caption, xlsColCount
        AddHeaders oSheet, grdPersonsBalanceSheet, xlsColCount, "A", "Description", "B", "DebitSoFar", "C", "CreditSoFar", "D", "BalanceSoFar", "E", "DebitPeriod", "F", "CreditPeriod", "G", "Balance"
        AdjustColumnWidths oSheet, "A", 60, "B", 15, "C", 15, "D", 15, "E", 15, "F", 15, "G", 15
                
        For lngRow = 1 To grdPersonsBalanceSheet.RowCount
            .Range("A" & lngRow + xlsRowOffsetFromTop) = grdPersonsBalanceSheet.CellValue(lngRow, "Description")
            .Range("B" & lngRow + xlsRowOffsetFromTop) = grdPersonsBalanceSheet.CellValue(lngRow, "DebitSoFar")
            .Range("C" & lngRow + xlsRowOffsetFromTop) = grdPersonsBalanceSheet.CellValue(lngRow, "CreditSoFar")
            .Range("D" & lngRow + xlsRowOffsetFromTop) = grdPersonsBalanceSheet.CellValue(lngRow, "BalanceSoFar")
            .Range("E" & lngRow + xlsRowOffsetFromTop) = grdPersonsBalanceSheet.CellValue(lngRow, "DebitPeriod")
            .Range("F" & lngRow + xlsRowOffsetFromTop) = grdPersonsBalanceSheet.CellValue(lngRow, "CreditPeriod")
            .Range("G" & lngRow + xlsRowOffsetFromTop) = grdPersonsBalanceSheet.CellValue(lngRow, "Balance")
        Next lngRow
        
        AddNumberFormats oSheet, grdPersonsBalanceSheet, "Floats", 10, "B", "C", "D", "E", "F", "G"
    
    End With
    
    oBook.SaveAs strReportsPathName & " " & UCase(CommonMain.lblCompany.Caption) & " " & lblTitle.Caption & ".xls"
    
    oExcel.Quit
    
    grdPersonsBalanceSheet.SetFocus
    
    MyMsgBox 1, strApplicationName, strStandardMessages(8), 1
    
    Exit Function
    
ErrTrap:
    oBook.Close False
    oExcel.Quit

    grdPersonsBalanceSheet.SetFocus
    
    If Err.Number = 1004 Then
        MyMsgBox 4, strApplicationName, strStandardMessages(27), 1
    Else
        DisplayErrorMessage True, Err.Description
    End If
    
    Exit Function
    
End Function

Private Function DoReport(action As String)
    
    On Error GoTo ErrTrap
    
    If action = "Print" Then
    
        If Not SelectPrinter("PrinterPrintsReports") Then Exit Function
        If Not PrinterExists(strPrinterName) Then Exit Function
        
        CreateUnicodeFile ConvertToSpecialUpperCase(lblTitle.Caption), " από " & mskDateFrom.text & " έως " & mskDateTo.text, intPrinterReportDetailLines - 15
        
        With rptOneLiner
            If intPreviewReports = 1 Then
                .Restart
                .Zoom = -2
                .WindowState = vbMaximized
                .Show 1
            Else
                .Restart
                .Printer.DeviceName = strPrinterName
                .PrintReport False
                .Run True
            End If
        End With
    
    End If
    
    If action = "CreatePDF" Then
        CreateUnicodeFile lblTitle.Caption, " από " & mskDateFrom.text & " έως " & mskDateTo.text, GetSetting(strApplicationName, "Settings", "Export Report Height") - 4
        CreateUnisexPDF lblTitle.Caption & " από " & mskDateFrom.text & " έως " & mskDateTo.text, rptOneLiner, 7
        If MyMsgBox(1, strApplicationName, strStandardMessages(8), 1) Then
        End If
    End If
    
    Exit Function
    
ErrTrap:
    Close #1
    DisplayErrorMessage True, Err.Description
    
End Function

Private Function CreateUnicodeFile(strReportTitle, strReportSubTitle1, intReportDetailLines)

    'Εκτυπωτής
    Dim lngRow As Long
    Dim intProcessedDetailLines As Integer
    Dim intPageNo As Integer
    
    'Μετρητές
    Dim curDebitSoFar As Currency
    Dim curCreditSoFar As Currency
    Dim curBalanceSoFar As Currency
    Dim curDebitPeriod As Currency
    Dim curCreditPeriod As Currency
    Dim curBalance As Currency

    'Αρχικές τιμές
    curDebitSoFar = 0
    curCreditSoFar = 0
    curBalanceSoFar = 0
    curDebitPeriod = 0
    curCreditPeriod = 0
    curBalance = 0
    intPageNo = 1
    
    intPageNo = 0
    intProcessedDetailLines = 0
    
    Open strUnicodeFile For Output As #1
    
    GoSub Headers
    
    'Εγγραφές
    With grdPersonsBalanceSheet
        For lngRow = 1 To grdPersonsBalanceSheet.RowCount
            
            'Εκτυπώνω τη γραμμή
            Print #1, .CellText(lngRow, "Description"); _
                Tab(55 - Len((format(.CellText(lngRow, "DebitSoFar"), "#,##0.00")))); format(.CellText(lngRow, "DebitSoFar"), "#,##0.00"); _
                Tab(69 - Len((format(.CellText(lngRow, "CreditSoFar"), "#,##0.00")))); format(.CellText(lngRow, "CreditSoFar"), "#,##0.00"); _
                Tab(83 - Len((format(.CellText(lngRow, "BalanceSoFar"), "#,##0.00")))); format(.CellText(lngRow, "BalanceSoFar"), "#,##0.00"); _
                Tab(97 - Len((format(.CellText(lngRow, "DebitPeriod"), "#,##0.00")))); format(.CellText(lngRow, "DebitPeriod"), "#,##0.00"); _
                Tab(111 - Len((format(.CellText(lngRow, "CreditPeriod"), "#,##0.00")))); format(.CellText(lngRow, "CreditPeriod"), "#,##0.00"); _
                Tab(125 - Len((format(.CellText(lngRow, "Balance"), "#,##0.00")))); format(.CellText(lngRow, "Balance"), "#,##0.00")
            
            intProcessedDetailLines = intProcessedDetailLines + 1
            
            'Eject
            If intProcessedDetailLines > Val(intReportDetailLines) Then
                Print #1, ""
                Print #1, "ΣΕ ΜΕΤΑΦΟΡΑ"; _
                    Tab(55 - Len(format(curDebitSoFar, "#,##0.00"))); format(curDebitSoFar, "#,##0.00"); _
                    Tab(69 - Len(format(curCreditSoFar, "#,##0.00"))); format(curCreditSoFar, "#,##0.00"); _
                    Tab(83 - Len(format(curBalanceSoFar, "#,##0.00"))); format(curBalanceSoFar, "#,##0.00"); _
                    Tab(97 - Len(format(curDebitPeriod, "#,##0.00"))); format(curDebitPeriod, "#,##0.00"); _
                    Tab(111 - Len(format(curCreditPeriod, "#,##0.00"))); format(curCreditPeriod, "#,##0.00"); _
                    Tab(125 - Len(format(curBalance, "#,##0.00"))); format(curBalance, "#,##0.00")
                    
                GoSub Headers

                Print #1, "ΑΠΟ ΜΕΤΑΦΟΡΑ"; _
                    Tab(55 - Len(format(curDebitSoFar, "#,##0.00"))); format(curDebitSoFar, "#,##0.00"); _
                    Tab(69 - Len(format(curCreditSoFar, "#,##0.00"))); format(curCreditSoFar, "#,##0.00"); _
                    Tab(83 - Len(format(curBalanceSoFar, "#,##0.00"))); format(curBalanceSoFar, "#,##0.00"); _
                    Tab(97 - Len(format(curDebitPeriod, "#,##0.00"))); format(curDebitPeriod, "#,##0.00"); _
                    Tab(111 - Len(format(curCreditPeriod, "#,##0.00"))); format(curCreditPeriod, "#,##0.00"); _
                    Tab(125 - Len(format(curBalance, "#,##0.00"))); format(curBalance, "#,##0.00")
                Print #1, ""
                intProcessedDetailLines = intProcessedDetailLines + 2
            End If
            
            'Σύνολα
            If .CellText(lngRow, "ID") <> "" Then
                curDebitSoFar = curDebitSoFar + .CellValue(lngRow, "DebitSoFar")
                curCreditSoFar = curCreditSoFar + .CellValue(lngRow, "CreditSoFar")
                curBalanceSoFar = curBalanceSoFar + .CellValue(lngRow, "BalanceSoFar")
                curDebitPeriod = curDebitPeriod + .CellValue(lngRow, "DebitPeriod")
                curCreditPeriod = curCreditPeriod + .CellValue(lngRow, "CreditPeriod")
                curBalance = curBalance + .CellValue(lngRow, "Balance")
            End If
            
        Next lngRow
    End With
    
    Close #1
    
    Exit Function
    
Headers:
    intPageNo = intPageNo + 1
    PrintHeadings 124, intPageNo, strReportTitle, strReportSubTitle1
    PrintColumnHeadings 42, "--------- ΠΡΟΗΓΟΥΜΕΝΗ ΠΕΡΙΟΔΟΣ ---------- ---------- ΖΗΤΟΥΜΕΝΗ ΠΕΡΙΟΔΟΣ -----------"
    PrintColumnHeadings 1, "ΕΠΩΝΥΜΙΑ", 49, "ΧΡΕΩΣΗ       ΠΙΣΤΩΣΗ      ΥΠΟΛΟΙΠΟ        ΧΡΕΩΣΗ       ΠΙΣΤΩΣΗ      ΥΠΟΛΟΙΠΟ"
    Print #1, ""
    intProcessedDetailLines = 7
    
    Return
    
End Function

Private Function ValidateFields()

    'Αρχικές τιμές
    ValidateFields = False
    
    'Από
    If mskDateFrom.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskDateFrom.SetFocus
        Exit Function
    End If
    
    'Εως
    If mskDateTo.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskDateTo.SetFocus
        Exit Function
    End If
    
    'Σωστό διάστημα
    If IsDate(mskDateFrom.text) And IsDate(mskDateTo.text) Then
        If CDate(mskDateFrom.text) > CDate(mskDateTo.text) Then
            If MyMsgBox(4, strApplicationName, strStandardMessages(10), 1) Then
            End If
            mskDateFrom.SetFocus
            Exit Function
        End If
    End If

    'Εγγραφές
    If txtFilterID.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtFilterDescription.SetFocus
        Exit Function
    End If

    ValidateFields = True
    
End Function

Private Function AbortProcedure(blnStatus)

    If blnProcessing Then blnProcessing = False: Exit Function

    If Not blnStatus Then
        ClearFields lblSelectedGridTotals, lblSelectedGridLines, lblCriteria, lblRecordCount
        ClearFields grdPersonsBalanceSheet
        frmCriteria(0).Visible = True
        mskDateFrom.SetFocus
        UpdateButtons Me, 6, 1, 0, 0, 0, 0, 0, 1
    End If
    
    If blnStatus Then
        Unload Me
    End If

End Function

Private Function RefreshList()

    On Error GoTo ErrTrap

    'SQL
    Dim intIndex As Byte
    Dim strThisQuery As String
    Dim strParameters As String
    Dim strParFields As String
    Dim strThisParameter As String
    Dim strOrder As String
    Dim strLogic As String
    Dim arrQuery() As Variant
    Dim strSQL As String
    
    'Local variables
    Dim lngRow As Long
    
    'Recordsets
    Dim rstPersons As Recordset
    Dim rstTransactions As Recordset

    'Αρχικές τιμές
    intIndex = 0
    lngRow = 0
    lngRowCount = 0
    frmCriteria(0).Visible = False
    
    curDebitTotalSoFar = 0
    curCreditTotalSoFar = 0
    curBalanceTotalSoFar = 0
    curDebitTotalPeriod = 0
    curCreditTotalPeriod = 0
    curBalanceTotal = 0
    
    'Πλέγμα
    With grdPersonsBalanceSheet
        .Clear
        .TabStop = False
        .ColHeaderText("BalanceSoFar") = "Υπόλοιπο " & Chr(13) & " έως " & format(CDate(mskDateFrom.text) - 1, "dd/mm/yyyy")
        .ColHeaderText("Balance") = "Υπόλοιπο " & Chr(13) & " έως " & format(CDate(mskDateTo.text), "dd/mm/yyyy")
        .ColHeaderTextFlags(8) = 32789
        .Redraw = False
    End With
    
    'Ολοι οι πελάτες
    strSQL = "SELECT ID, Description FROM " & txtCustomersOrSuppliers.text & " ORDER BY Description "
    Set rstPersons = CommonDB.OpenRecordset(strSQL)
    
    Set TempQuery = CommonDB.CreateQueryDef("")

    'Αν δεν έχω εγγραφές, βγαίνω
    If rstPersons.RecordCount = 0 Then blnError = False: RefreshList = False: Exit Function
    
    'Προετοιμάζω τη μπάρα προόδου
    InitializeProgressBar Me, strApplicationName, rstPersons
    
    'Προσωρινά
    UpdateButtons Me, 6, 0, 0, 0, 0, 0, 1, 0
    cmdButton(5).Caption = "Διακοπή επεξεργασίας"
    blnProcessing = True
    
    'Επεξεργασία για κάθε πελάτη
    Do While Not rstPersons.EOF
        If Not blnProcessing Then Exit Do
        UpdateProgressBar Me
        'Κινήσεις
        strSQL = CreateSELECTStatement(txtInvoiceMasterRefersTo.text)
        'Καθαρίζω τις μεταβλητές για το loop
        intIndex = 0
        strParameters = ""
        strParFields = ""
        'Προηγούμενη περίοδος
        curDebitSoFar = 0
        curCreditSoFar = 0
        curBalanceSoFar = 0
        'Ζητούμενη περίοδος
        curDebitPeriod = 0
        curCreditPeriod = 0
        'Υπόλοιπα
        curBalance = 0
        'Πελάτης
        strThisParameter = "intPerson Integer"
        strThisQuery = "Invoices.InvoicePersonID = intPerson"
        strLogic = " AND "
        GoSub UpdateSQLString
        arrQuery(intIndex) = rstPersons!ID
        'Εως
        If IsDate(mskDateTo.text) Then
            strThisParameter = "datTo Date"
            strThisQuery = "Invoices.InvoiceDateValue <= datTo "
            strLogic = " AND "
            GoSub UpdateSQLString
            arrQuery(intIndex) = CDate(mskDateTo.text)
        End If
        'Μόνο ενεργές εγγραφές
        strThisParameter = "intInvoiceIsActiveID Integer"
        strThisQuery = "Invoices.InvoiceIsActiveID = intInvoiceIsActiveID"
        strLogic = " AND "
        GoSub UpdateSQLString
        arrQuery(intIndex) = 1
        'Ταξινόμηση
        strOrder = " ORDER BY Invoices.InvoiceDateValue "
        'Ελέγχω αν έχω κριτήρια
        strParameters = "PARAMETERS " & strParameters & "; "
        strParFields = " WHERE " & strParFields
        strSQL = strParameters & strSQL & strParFields
        TempQuery.SQL = strSQL & strOrder
        For intIndex = 1 To UBound(arrQuery)
            TempQuery.Parameters(intIndex - 1) = arrQuery(intIndex)
        Next intIndex
        'Ανοίγω το recordset
        Set rstTransactions = TempQuery.OpenRecordset()
        'Διαβάζω τις εγγραφές των κινήσεων - Ολες οι κινήσεις του πελάτη εως την ημερομηνία ΕΩΣ
        With rstTransactions
            'Αν έχω βρει εγγραφές
            If .EOF = False Then
                CalculateSoFarTotals rstTransactions, 22 'Υπολογίζω έως το "Από" της ζητούμενης περιόδου
                Do While Not .EOF
                    If Not blnProcessing Then Exit Do 'Async!
                    CalculateAskedPeriod rstTransactions 'Υπολογίζω τη ζητούμενη περίοδο
                    rstTransactions.MoveNext 'Επόμενη εγγραφή
                Loop
            End If
            AddCurrentLineToGrid rstPersons, grdPersonsBalanceSheet.RowCount + 1 'Εμφανίζω την τρέχουσα γραμμή
        End With
        rstPersons.MoveNext
    Loop
    
    'Ακύρωση επεξεργασίας
    If Not blnProcessing Then
        blnProcessing = True
        ClearFields grdPersonsBalanceSheet
        RefreshList = 0
    Else
        RefreshList = lngRowCount
        blnProcessing = False
    End If
    
    'Σύνολα
    If Not blnProcessing Then
        AddGrandTotalsToGrid grdPersonsBalanceSheet.RowCount + 2
    End If
    
    'Τελικές ενέργειες
    cmdButton(5).Caption = "Νέα αναζήτηση"
    frmProgress.Visible = False
    
    Exit Function
    
UpdateSQLString:
    intIndex = intIndex + 1
    strParameters = IIf(intIndex > 1, strParameters & ", ", strParameters)
    strParFields = IIf(intIndex > 1, strParFields & strLogic, strParFields)
    strParameters = strParameters & strThisParameter
    strParFields = strParFields & strThisQuery
    ReDim Preserve arrQuery(intIndex)
    
    Return
    
ErrTrap:
    blnError = True
    ClearFields grdPersonsBalanceSheet, frmProgress
    DisplayErrorMessage True, Err.Description
    
    Exit Function
    
End Function

Private Sub cmdIndex_Click(index As Integer)

    Dim tmpTableData As typTableData
    Dim tmpRecordset As Recordset
    
    Select Case index
        Case 0
            'Εγγραφές - F2
            Set tmpRecordset = CheckForMatch("CommonDB", "Options", "OptionDescription", "String", txtFilterDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 1, "ID", "Περιγραφή", 0, 40, 0, 0)
                txtFilterID.text = tmpTableData.strCode
                txtFilterDescription.text = tmpTableData.strFirstField
            End If
    End Select

End Sub

Private Sub Form_Activate()
                
    If Me.Tag = "True" Then
        Me.Tag = "False"
        AddColumnsToGrid grdPersonsBalanceSheet, False, 62, GetSetting(strApplicationName, "Layout Strings", "grdPersonsBalanceSheet"), _
            "05NCNID,40NLNDescription,10NRFXDebitSoFar,10NRFXCreditSoFar,10NRFXBalanceSoFar,10NRFXDebitPeriod,10NRFXCreditPeriod,10NRFBalance,04NCNSelected", _
            "ID, Επωνυμία,Χρέωση προηγούμενης περιόδου,Πίστωση προηγούμενης περιόδου,Υπόλοιπο προηγούμενης περιόδου,Χρέωση ζητούμενης περιόδου,Πίστωση ζητούμενης περιόδου,Υπόλοιπο,E"
        Me.Refresh
        frmCriteria(0).Visible = True
        mskDateFrom.SetFocus
    End If
            
    'AddDummyLines grdPersonsBalanceSheet, "99999", "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA", "-9999999", "-99999999", "-99999999", "-99999999", "-99999999", "-99999999"
    
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
        Case vbKeyF10 And cmdButton(0).Enabled, vbKeyC And CtrlDown And cmdButton(0).Enabled
            cmdButton_Click 0
        Case vbKeyE And CtrlDown And cmdButton(1).Enabled
            cmdButton_Click 1
        Case vbKeyP And CtrlDown And cmdButton(2).Enabled
            cmdButton_Click 2
        Case vbKeyP And CtrlDown = 5 And cmdButton(3).Enabled
            cmdButton_Click 3
        Case vbKeyX And CtrlDown = 5 And cmdButton(4).Enabled
            cmdButton_Click 4
        Case vbKeyEscape
            If cmdButton(5).Enabled Then cmdButton_Click 5: Exit Function
            If cmdButton(6).Enabled Then cmdButton_Click 6
        Case vbKeyF12 And CtrlDown
            ToggleInfoPanel Me
    End Select

End Function

Private Sub Form_Load()

    SetUpGrid lstIconList, grdPersonsBalanceSheet
    PositionControls Me, True, grdPersonsBalanceSheet
    ColorizeControls Me, True
    ClearFields lblSelectedGridTotals, lblSelectedGridLines, lblCriteria, lblRecordCount
    ClearFields txtFilterID
    ClearFields mskDateFrom, mskDateTo, txtFilterDescription
    ClearFields grdPersonsBalanceSheet
    EnableFields mskDateFrom, mskDateTo, txtFilterDescription
    UpdateButtons Me, 6, 1, 0, 0, 0, 0, 0, 1
    
End Sub

Private Sub grdPersonsBalanceSheet_ColHeaderClick(ByVal lCol As Long, bDoDefault As Boolean, ByVal Shift As Integer, ByVal X As Long, ByVal Y As Long)

    bDoDefault = False

End Sub

Private Sub grdPersonsBalanceSheet_HeaderRightClick(ByVal lCol As Long, ByVal Shift As Integer, ByVal X As Long, ByVal Y As Long)

    PopupMenu mnuHdrPopUp

End Sub

Private Sub grdPersonsBalanceSheet_KeyDown(KeyCode As Integer, Shift As Integer, bDoDefault As Boolean)

    If KeyCode = vbKeySpace And grdPersonsBalanceSheet.RowCount > 0 Then
        grdPersonsBalanceSheet.CellIcon(grdPersonsBalanceSheet.CurRow, "Selected") = lstIconList.ItemIndex(SelectRow(grdPersonsBalanceSheet, 2, KeyCode, grdPersonsBalanceSheet.CurRow, "ID"))
        lblSelectedGridLines.Caption = CountSelected(grdPersonsBalanceSheet)
        lblSelectedGridTotals.Caption = SumSelectedGridRows(grdPersonsBalanceSheet, False, "BalanceSoFar", grdPersonsBalanceSheet.ColHeaderText(5), "decimal", "DebitPeriod", grdPersonsBalanceSheet.ColHeaderText(6), "decimal", "CreditPeriod", grdPersonsBalanceSheet.ColHeaderText(7), "decimal", "Balance", grdPersonsBalanceSheet.ColHeaderText(8), "decimal")
    End If

End Sub

Private Sub mnuΑποθήκευσηΠλάτουςΣτηλών_Click()

    SaveSetting strApplicationName, "Layout Strings", "grdPersonsBalanceSheet", grdPersonsBalanceSheet.LayoutCol

End Sub

Private Sub txtFilterDescription_Change()

    If txtFilterDescription.text = "" Then
        ClearFields txtFilterID
    End If

End Sub

Private Sub txtFilterDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 0

End Sub

Private Sub txtFilterDescription_Validate(Cancel As Boolean)

    If txtFilterID = "" And txtFilterDescription.text <> "" Then cmdIndex_Click 0: If txtFilterID = "" Then Cancel = True

End Sub

Private Function CalculateAskedPeriod(rstTransactions As Recordset)

    If txtInvoiceMasterRefersTo.text = "1" Then CalculateAskedPeriodForSuppliers rstTransactions
    If txtInvoiceMasterRefersTo.text = "2" Then CalculateAskedPeriodForCustomers rstTransactions

End Function


