VERSION 5.00
Object = "{158C2A77-1CCD-44C8-AF42-AA199C5DCC6C}#1.0#0"; "dcButton.ocx"
Object = "{FFE4AEB4-0D55-4004-ADF2-3C1C84D17A72}#1.0#0"; "userControls.ocx"
Object = "{89D94A1E-DB65-4469-AFB5-D54C6F6B7639}#1.1#0"; "QRCodeAX.ocx"
Begin VB.Form InvoicesOut 
   Appearance      =   0  'Flat
   BackColor       =   &H00E0E0E0&
   BorderStyle     =   0  'None
   ClientHeight    =   13860
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   21726
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
   ScaleHeight     =   13860
   ScaleWidth      =   21726
   ShowInTaskbar   =   0   'False
   Begin VB.Frame frmButtonFrame 
      BackColor       =   &H00FF8080&
      BorderStyle     =   0  'None
      Height          =   828
      Left            =   0
      TabIndex        =   98
      Top             =   12150
      Width           =   12438
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   0
         Left            =   270
         TabIndex        =   99
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
         Index           =   6
         Left            =   10530
         TabIndex        =   100
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
         TabIndex        =   101
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
         Index           =   3
         Left            =   5400
         TabIndex        =   102
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
         Index           =   4
         Left            =   7110
         TabIndex        =   103
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
         ButtonShape     =   3
         ButtonStyle     =   4
         Caption         =   "Εύρεση"
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
         Index           =   5
         Left            =   8820
         TabIndex        =   104
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
      Begin Dacara_dcButton.dcButton cmdButton 
         Height          =   828
         Index           =   2
         Left            =   3690
         TabIndex        =   105
         TabStop         =   0   'False
         Top             =   0
         Width           =   1638
         _ExtentX        =   2890
         _ExtentY        =   1460
         BackColor       =   12640511
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
         PicOpacity      =   0
      End
   End
   Begin VB.Frame frmInfo 
      Appearance      =   0  'Flat
      BackColor       =   &H8000000D&
      BorderStyle     =   0  'None
      Enabled         =   0   'False
      ForeColor       =   &H80000008&
      Height          =   8208
      Left            =   15030
      TabIndex        =   53
      Top             =   810
      Width           =   5418
      Begin VB.TextBox txtInvoiceIsActiveID 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   110
         TabStop         =   0   'False
         Top             =   3690
         Width           =   936
      End
      Begin VB.TextBox Text10 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   109
         TabStop         =   0   'False
         Text            =   "Invoices.InvoiceIsActiveID"
         Top             =   3690
         Width           =   4248
      End
      Begin VB.TextBox Text11 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   97
         TabStop         =   0   'False
         Text            =   "Invoices.InvoiceTrnID"
         Top             =   1890
         Width           =   4248
      End
      Begin VB.TextBox txtInvoiceTrnID 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   96
         TabStop         =   0   'False
         Top             =   1890
         Width           =   936
      End
      Begin VB.TextBox Text9 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   95
         TabStop         =   0   'False
         Text            =   "Invoices.InvoiceDateIn"
         Top             =   3240
         Width           =   4248
      End
      Begin VB.TextBox txtInvoiceDateIn 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   94
         TabStop         =   0   'False
         Top             =   3240
         Width           =   936
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
         TabIndex        =   93
         TabStop         =   0   'False
         Top             =   90
         Width           =   936
      End
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
         TabIndex        =   92
         TabStop         =   0   'False
         Text            =   "Invoices.InvoiceMasterRefersTo"
         Top             =   90
         Width           =   4248
      End
      Begin VB.TextBox Text8 
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
         TabIndex        =   91
         TabStop         =   0   'False
         Text            =   "Invoices.InvoiceSecondaryRefersTo"
         Top             =   540
         Width           =   4248
      End
      Begin VB.TextBox txtInvoiceSecondaryRefersTo 
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
         TabIndex        =   90
         TabStop         =   0   'False
         Top             =   540
         Width           =   936
      End
      Begin VB.TextBox txtShipRegistryNo 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFC0FF&
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
         TabIndex        =   79
         TabStop         =   0   'False
         Top             =   7290
         Width           =   936
      End
      Begin VB.CheckBox chkCodeHandID 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0C0FF&
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
         TabIndex        =   78
         TabStop         =   0   'False
         Top             =   6840
         Width           =   936
      End
      Begin VB.TextBox txtCodeLastDate 
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
         TabIndex        =   77
         TabStop         =   0   'False
         Top             =   5940
         Width           =   936
      End
      Begin VB.TextBox txtCodeLastNo 
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
         TabIndex        =   76
         TabStop         =   0   'False
         Top             =   5490
         Width           =   936
      End
      Begin VB.CheckBox chkPaymentTermCreditID 
         Appearance      =   0  'Flat
         BackColor       =   &H00E0E0E0&
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
         TabIndex        =   75
         TabStop         =   0   'False
         Top             =   7740
         Width           =   936
      End
      Begin VB.TextBox txtInvoiceCodeID 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         Top             =   2340
         Width           =   936
      End
      Begin VB.TextBox txtVATPercent 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0FFC0&
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
         TabIndex        =   73
         TabStop         =   0   'False
         Top             =   990
         Width           =   936
      End
      Begin VB.TextBox txtInvoiceID 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   72
         TabStop         =   0   'False
         Top             =   1440
         Width           =   936
      End
      Begin VB.TextBox txtCodePersonsPlusOrMinus 
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
         TabIndex        =   71
         TabStop         =   0   'False
         Top             =   6390
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
         TabIndex        =   70
         TabStop         =   0   'False
         Text            =   "Codes.CodeCustomers"
         Top             =   6390
         Width           =   4248
      End
      Begin VB.TextBox Text2 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   69
         TabStop         =   0   'False
         Text            =   "Invoices.InvoiceID"
         Top             =   1440
         Width           =   4248
      End
      Begin VB.TextBox Text3 
         Appearance      =   0  'Flat
         BackColor       =   &H00C0FFC0&
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
         TabIndex        =   68
         TabStop         =   0   'False
         Text            =   "Settings.VAT"
         Top             =   990
         Width           =   4248
      End
      Begin VB.TextBox Text4 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   67
         TabStop         =   0   'False
         Text            =   "Invoices.InvoiceCodeID"
         Top             =   2340
         Width           =   4248
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
         TabIndex        =   66
         TabStop         =   0   'False
         Text            =   "Codes.CodeLastNo"
         Top             =   5490
         Width           =   4248
      End
      Begin VB.TextBox Text6 
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
         TabIndex        =   65
         TabStop         =   0   'False
         Text            =   "Codes.CodeLastDate"
         Top             =   5940
         Width           =   4248
      End
      Begin VB.TextBox Text7 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFC0FF&
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
         TabIndex        =   64
         TabStop         =   0   'False
         Text            =   "Ships.ShipRegistryNo"
         Top             =   7290
         Width           =   4248
      End
      Begin VB.TextBox Text14 
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
         TabIndex        =   63
         TabStop         =   0   'False
         Text            =   "Codes.CodeHandID"
         Top             =   6840
         Width           =   4248
      End
      Begin VB.TextBox Text15 
         Appearance      =   0  'Flat
         BackColor       =   &H00E0E0E0&
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
         TabIndex        =   62
         TabStop         =   0   'False
         Text            =   "PaymentTerms.PaymentTermCredit"
         Top             =   7740
         Width           =   4248
      End
      Begin VB.TextBox Text16 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   61
         TabStop         =   0   'False
         Text            =   "Invoices.InvoicePersonID"
         Top             =   2790
         Width           =   4248
      End
      Begin VB.TextBox txtInvoicePersonID 
         Appearance      =   0  'Flat
         BackColor       =   &H00FFFFC0&
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
         TabIndex        =   60
         TabStop         =   0   'False
         Top             =   2790
         Width           =   936
      End
      Begin VB.TextBox Text17 
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
         TabIndex        =   59
         TabStop         =   0   'False
         Text            =   "InvoicesOut.InvoiceOutDestinationID"
         Top             =   4140
         Width           =   4248
      End
      Begin VB.TextBox txtInvoiceOutDestinationID 
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
         TabIndex        =   58
         TabStop         =   0   'False
         Top             =   4140
         Width           =   936
      End
      Begin VB.TextBox Text21 
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
         TabIndex        =   57
         TabStop         =   0   'False
         Text            =   "InvoicesOut.InvoiceOutShipID"
         Top             =   4590
         Width           =   4248
      End
      Begin VB.TextBox txtInvoiceOutShipID 
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
         TabIndex        =   56
         TabStop         =   0   'False
         Top             =   4590
         Width           =   936
      End
      Begin VB.TextBox Text22 
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
         TabIndex        =   55
         TabStop         =   0   'False
         Text            =   "InvoicesOut.InvoiceOutPaymentTermID"
         Top             =   5040
         Width           =   4248
      End
      Begin VB.TextBox txtInvoiceOutPaymentTermID 
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
         TabIndex        =   54
         TabStop         =   0   'False
         Top             =   5040
         Width           =   936
      End
   End
   Begin VB.Frame Frame4 
      BackColor       =   &H00C0FFFF&
      Caption         =   " Απευθείας ποσό "
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
      Height          =   3168
      Left            =   13410
      TabIndex        =   52
      Tag             =   "SameColorAsBackground"
      Top             =   6300
      Width           =   2538
      Begin UserControls.newFloat mskDirectAmount 
         Height          =   558
         Left            =   540
         TabIndex        =   18
         Top             =   2340
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         Text            =   "99.999,99"
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
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0FFC0&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   8
         Left            =   1980
         Top             =   2250
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0FFC0&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   7
         Left            =   0
         Top             =   2340
         Visible         =   0   'False
         Width           =   558
      End
   End
   Begin VB.Frame Frame1 
      BackColor       =   &H00C0FFFF&
      Caption         =   " Με μεταφορά "
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
      Height          =   3168
      Index           =   0
      Left            =   2610
      TabIndex        =   42
      Tag             =   "SameColorAsBackground"
      Top             =   6300
      Width           =   3528
      Begin UserControls.newInteger mskAdultsWithTransfer 
         Height          =   558
         Left            =   540
         TabIndex        =   8
         Top             =   450
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskKidsWithTransfer 
         Height          =   558
         Left            =   540
         TabIndex        =   10
         Top             =   1080
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskFreeWithTransfer 
         Height          =   558
         Left            =   540
         TabIndex        =   12
         Top             =   1710
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskTotalPersonsWithTransfer 
         Height          =   558
         Left            =   540
         TabIndex        =   43
         TabStop         =   0   'False
         Top             =   2340
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   8421376
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newFloat mskAdultsAmountWithTransfer 
         Height          =   558
         Left            =   1530
         TabIndex        =   9
         Top             =   450
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         Text            =   "99.999,99"
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
      Begin UserControls.newFloat mskKidsAmountWithTransfer 
         Height          =   558
         Left            =   1530
         TabIndex        =   11
         Top             =   1080
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         Text            =   "99.999,99"
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
      Begin UserControls.newFloat mskTotalAmountWithTransfer 
         Height          =   558
         Left            =   1530
         TabIndex        =   44
         TabStop         =   0   'False
         Top             =   2340
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   8421376
         Text            =   "99.999,99"
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
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0FFC0&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   1
         Left            =   0
         Top             =   1350
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0FFC0&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   5
         Left            =   2970
         Top             =   1080
         Visible         =   0   'False
         Width           =   558
      End
   End
   Begin VB.Frame Frame2 
      BackColor       =   &H00C0FFFF&
      Caption         =   " Χωρίς μεταφορά "
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
      Height          =   3168
      Left            =   6210
      TabIndex        =   39
      Tag             =   "SameColorAsBackground"
      Top             =   6300
      Width           =   3528
      Begin UserControls.newInteger mskAdultsWithoutTransfer 
         Height          =   558
         Left            =   540
         TabIndex        =   13
         Top             =   450
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskKidsWithoutTransfer 
         Height          =   558
         Left            =   540
         TabIndex        =   15
         Top             =   1080
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskFreeWithoutTransfer 
         Height          =   558
         Left            =   540
         TabIndex        =   17
         Top             =   1710
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskTotalPersonsWithoutTransfer 
         Height          =   558
         Left            =   540
         TabIndex        =   40
         TabStop         =   0   'False
         Top             =   2340
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   8421376
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newFloat mskAdultsAmountWithoutTransfer 
         Height          =   558
         Left            =   1530
         TabIndex        =   14
         Top             =   450
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         Text            =   "99.999,99"
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
      Begin UserControls.newFloat mskKidsAmountWithoutTransfer 
         Height          =   558
         Left            =   1530
         TabIndex        =   16
         Top             =   1080
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Alignment       =   1
         ForeColor       =   0
         Text            =   "99.999,99"
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
      Begin UserControls.newFloat mskTotalAmountWithoutTransfer 
         Height          =   558
         Left            =   1530
         TabIndex        =   41
         TabStop         =   0   'False
         Top             =   2340
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   8421376
         Text            =   "99.999,99"
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
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0FFC0&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   3
         Left            =   2970
         Top             =   720
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0FFC0&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   2
         Left            =   0
         Top             =   1170
         Visible         =   0   'False
         Width           =   558
      End
   End
   Begin VB.CheckBox chkAgreement 
      Appearance      =   0  'Flat
      BackColor       =   &H00C0FFFF&
      Caption         =   "Χρέωση με συμφωνία"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800080&
      Height          =   378
      Left            =   2610
      TabIndex        =   7
      Top             =   5850
      Width           =   3168
   End
   Begin VB.Frame Frame3 
      BackColor       =   &H00C0FFFF&
      Caption         =   " Σύνολα "
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
      Height          =   3168
      Left            =   9810
      TabIndex        =   31
      Tag             =   "SameColorAsBackground"
      Top             =   6300
      Width           =   3528
      Begin UserControls.newInteger mskTotalAdults 
         Height          =   558
         Left            =   540
         TabIndex        =   32
         Top             =   450
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskTotalKids 
         Height          =   558
         Left            =   540
         TabIndex        =   33
         Top             =   1080
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskTotalFree 
         Height          =   558
         Left            =   540
         TabIndex        =   34
         Top             =   1710
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   0
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newInteger mskTotalPersons 
         Height          =   558
         Left            =   540
         TabIndex        =   35
         TabStop         =   0   'False
         Top             =   2340
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   8421376
         MaxLength       =   6
         Text            =   "99.999"
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
      Begin UserControls.newFloat mskAdultsAmountTotal 
         Height          =   558
         Left            =   1530
         TabIndex        =   36
         Top             =   450
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   0
         Text            =   "99.999,99"
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
      Begin UserControls.newFloat mskKidsAmountTotal 
         Height          =   558
         Left            =   1530
         TabIndex        =   37
         Top             =   1080
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   0
         Text            =   "99.999,99"
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
      Begin UserControls.newFloat mskTotalAmount 
         Height          =   558
         Left            =   1530
         TabIndex        =   38
         TabStop         =   0   'False
         Top             =   2340
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   984
         Enabled         =   0   'False
         Alignment       =   1
         ForeColor       =   8421376
         Text            =   "99.999,99"
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
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0FFC0&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   6
         Left            =   2970
         Top             =   900
         Visible         =   0   'False
         Width           =   558
      End
      Begin VB.Shape shpWedge 
         BackColor       =   &H00C0FFC0&
         BackStyle       =   1  'Opaque
         BorderStyle     =   0  'Transparent
         FillColor       =   &H00008000&
         Height          =   648
         Index           =   4
         Left            =   0
         Top             =   450
         Visible         =   0   'False
         Width           =   558
      End
   End
   Begin UserControls.newDate mskDateIssue 
      Height          =   558
      Left            =   2610
      TabIndex        =   0
      Top             =   1350
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
   Begin UserControls.newText txtCodeShortDescriptionA 
      Height          =   558
      Left            =   2610
      TabIndex        =   2
      Top             =   2610
      Width           =   828
      _ExtentX        =   1460
      _ExtentY        =   984
      Alignment       =   2
      ForeColor       =   0
      MaxLength       =   3
      Text            =   "ΑΑΑ"
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
   Begin UserControls.newText txtCustomerDescription 
      Height          =   558
      Left            =   2610
      TabIndex        =   4
      Top             =   3870
      Width           =   5958
      _ExtentX        =   10510
      _ExtentY        =   984
      ForeColor       =   0
      MaxLength       =   100
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
   Begin UserControls.newText txtDestinationDescription 
      Height          =   558
      Left            =   2610
      TabIndex        =   5
      Top             =   4500
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
   Begin UserControls.newText txtShipDescription 
      Height          =   558
      Left            =   2610
      TabIndex        =   6
      Top             =   5130
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
   Begin UserControls.newText txtRemarks 
      Height          =   558
      Left            =   2610
      TabIndex        =   19
      Top             =   9720
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
   Begin UserControls.newText txtPaymentTermDescription 
      Height          =   558
      Left            =   2610
      TabIndex        =   20
      Top             =   10350
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
      Left            =   3510
      TabIndex        =   80
      TabStop         =   0   'False
      Top             =   2610
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
      PicNormal       =   "InvoicesOut.frx":0000
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   1
      Left            =   4050
      TabIndex        =   81
      TabStop         =   0   'False
      Top             =   2610
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
      PicNormal       =   "InvoicesOut.frx":059A
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   2
      Left            =   8640
      TabIndex        =   82
      TabStop         =   0   'False
      Top             =   3870
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
      PicNormal       =   "InvoicesOut.frx":0B34
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   4
      Left            =   8640
      TabIndex        =   83
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
      PicNormal       =   "InvoicesOut.frx":10CE
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   6
      Left            =   8640
      TabIndex        =   84
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
      PicNormal       =   "InvoicesOut.frx":1668
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   8
      Left            =   8640
      TabIndex        =   85
      TabStop         =   0   'False
      Top             =   10350
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
      PicNormal       =   "InvoicesOut.frx":1C02
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   3
      Left            =   9180
      TabIndex        =   86
      TabStop         =   0   'False
      Top             =   3870
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
      PicNormal       =   "InvoicesOut.frx":219C
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   5
      Left            =   9180
      TabIndex        =   87
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
      PicNormal       =   "InvoicesOut.frx":2736
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   7
      Left            =   9180
      TabIndex        =   88
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
      PicNormal       =   "InvoicesOut.frx":2CD0
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin Dacara_dcButton.dcButton cmdIndex 
      Height          =   558
      Index           =   9
      Left            =   9180
      TabIndex        =   89
      TabStop         =   0   'False
      Top             =   10350
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
      PicNormal       =   "InvoicesOut.frx":326A
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin UserControls.newText txtInvoiceNo 
      Height          =   558
      Left            =   2610
      TabIndex        =   3
      Top             =   3240
      Width           =   1728
      _ExtentX        =   3048
      _ExtentY        =   984
      Alignment       =   2
      ForeColor       =   0
      MaxLength       =   10
      Text            =   "9999999999"
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
   Begin UserControls.newDate mskDateRefersTo 
      Height          =   558
      Left            =   2610
      TabIndex        =   1
      Top             =   1980
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
   Begin UserControls.newText txtInvoiceIsActiveDescription 
      Height          =   558
      Left            =   2610
      TabIndex        =   21
      Top             =   10980
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
      Index           =   10
      Left            =   3420
      TabIndex        =   107
      TabStop         =   0   'False
      Top             =   10980
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
      PicNormal       =   "InvoicesOut.frx":3804
      PicSizeH        =   16
      PicSizeW        =   16
   End
   Begin QRCodeAX.QR imgQRCode 
      Height          =   2178
      Left            =   12870
      TabIndex        =   111
      Top             =   9810
      Width           =   2178
      _ExtentX        =   3841
      _ExtentY        =   3841
      DataString      =   "iosadfi3i2fhsdahlkhsaklfsdiosadfi3i2fhsdahlkhsaklfsd"
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Ενεργή εγγραφή"
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
      TabIndex        =   108
      Top             =   11070
      Width           =   1548
   End
   Begin VB.Label lblLabel 
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
      Index           =   8
      Left            =   540
      TabIndex        =   106
      Top             =   2070
      Width           =   1548
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1008
      Index           =   9
      Left            =   0
      Top             =   11430
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape Shape1 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   648
      Left            =   2520
      Top             =   11520
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Shape shpWedge 
      BackColor       =   &H0000FFFF&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      FillColor       =   &H00008000&
      Height          =   1368
      Index           =   13
      Left            =   3420
      Top             =   0
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Shape shpBottomEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   468
      Left            =   5760
      Top             =   12960
      Visible         =   0   'False
      Width           =   1008
   End
   Begin VB.Shape shpRightEdge 
      BackColor       =   &H00800080&
      BackStyle       =   1  'Opaque
      BorderStyle     =   0  'Transparent
      Height          =   1008
      Left            =   15930
      Top             =   7380
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
      Left            =   2070
      Top             =   1800
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
      Top             =   2790
      Visible         =   0   'False
      Width           =   558
   End
   Begin VB.Label lblHand 
      AutoSize        =   -1  'True
      BackColor       =   &H00E0E0E0&
      BackStyle       =   0  'Transparent
      Caption         =   "ΜΗΧΑΝΟΓΡΑΦΙΚΟ"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800080&
      Height          =   306
      Left            =   4590
      TabIndex        =   51
      Top             =   2880
      Width           =   1620
   End
   Begin VB.Label lblCodeBatch 
      AutoSize        =   -1  'True
      BackColor       =   &H00E0E0E0&
      BackStyle       =   0  'Transparent
      Caption         =   "ΣΕΙΡΑ Ω"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800080&
      Height          =   306
      Left            =   6300
      TabIndex        =   50
      Top             =   2880
      Width           =   702
   End
   Begin VB.Label lblCodeDescription 
      AutoSize        =   -1  'True
      BackColor       =   &H00E0E0E0&
      BackStyle       =   0  'Transparent
      Caption         =   "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
      BeginProperty Font 
         Name            =   "Ubuntu Condensed"
         Size            =   11.7
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800080&
      Height          =   306
      Left            =   4590
      TabIndex        =   49
      Top             =   2610
      Width           =   5040
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Σύνολο"
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
      TabIndex        =   48
      Top             =   8730
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Δωρεάν"
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
      TabIndex        =   47
      Top             =   8100
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Παιδιά"
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
      TabIndex        =   46
      Top             =   7470
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Ενήλικες"
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
      TabIndex        =   45
      Top             =   6840
      Width           =   1548
   End
   Begin VB.Label lblTitle 
      AutoSize        =   -1  'True
      BackColor       =   &H00800000&
      BackStyle       =   0  'Transparent
      Caption         =   "Πωλήσεις"
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
      TabIndex        =   30
      Top             =   90
      Width           =   2700
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Παραστατικό"
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
      TabIndex        =   29
      Top             =   2700
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Νο παραστατικού"
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
      TabIndex        =   28
      Top             =   3330
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Προορισμός"
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
      TabIndex        =   27
      Top             =   4590
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Πλοίο"
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
      TabIndex        =   26
      Top             =   5220
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Αιτιολογία"
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
      TabIndex        =   25
      Top             =   9810
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      AutoSize        =   -1  'True
      BackColor       =   &H000080FF&
      Caption         =   "Όρος πληρωμής"
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
      TabIndex        =   24
      Top             =   10440
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Συναλλασόμενος"
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
      TabIndex        =   23
      Top             =   3960
      Width           =   1548
   End
   Begin VB.Label lblLabel 
      BackColor       =   &H000080FF&
      Caption         =   "Εκδοση"
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
      TabIndex        =   22
      Top             =   1440
      Width           =   1548
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
Attribute VB_Name = "InvoicesOut"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
 
Dim blnStatus As Boolean
Dim blnCancel As Boolean
Dim blnPrinterHasBeenSelected As Boolean
Dim lngTrnID As Long
Dim IsError As Boolean

Private Function AddAmounts()

    On Error GoTo ErrTrap

    'Variables
    Dim cutTotalAmountWithTransfer As Currency
    Dim curTotalAmountWithoutTransfer As Currency
    Dim curAdultsAmountTotal As Currency
    Dim curKidsAmountTotal As Currency
    Dim curTotalAmount As Currency
    
    'Κάθετα
    cutTotalAmountWithTransfer = CCur(mskAdultsAmountWithTransfer.text) + CCur(mskKidsAmountWithTransfer.text)
    curTotalAmountWithoutTransfer = CCur(mskAdultsAmountWithoutTransfer.text) + CCur(mskKidsAmountWithoutTransfer.text)
    
    'Οριζόντια
    curAdultsAmountTotal = CCur(mskAdultsAmountWithTransfer.text) + CCur(mskAdultsAmountWithoutTransfer.text)
    curKidsAmountTotal = CCur(mskKidsAmountWithTransfer.text) + CCur(mskKidsAmountWithoutTransfer.text)
    curTotalAmount = curAdultsAmountTotal + curKidsAmountTotal
    
    'Εμφανίζω - κάθετα
    mskTotalAmountWithTransfer.text = format(cutTotalAmountWithTransfer, "#,##0.00")
    mskTotalAmountWithoutTransfer.text = format(curTotalAmountWithoutTransfer, "#,##0.00")
    
    'Εμφανίζω - οριζόντια
    mskAdultsAmountTotal.text = format(curAdultsAmountTotal, "#,##0.00")
    mskKidsAmountTotal.text = format(curKidsAmountTotal, "#,##0.00")
    mskTotalAmount.text = format(curTotalAmount, "#,##0.00")
    
    Exit Function
    
ErrTrap:
    If Err.Number = 13 Then
        Resume Next
    Else
        DisplayErrorMessage True, Err.Description
    End If
    
End Function

Private Function AddPersons()

    'Κάθετα
    Dim lngTotalPersonsWithTransfer As Long
    Dim lngTotalPersonsWithoutTransfer As Long
    
    'Οριζόντια
    Dim lngTotalAdults As Long
    Dim lngTotalKids As Long
    Dim lngTotalFree As Long
    Dim lngTotalPersons As Long
    
    'Κάθετα
    lngTotalPersonsWithTransfer = CCur(mskAdultsWithTransfer.text) + CCur(mskKidsWithTransfer.text) + CCur(mskFreeWithTransfer.text)
    lngTotalPersonsWithoutTransfer = CCur(mskAdultsWithoutTransfer.text) + CCur(mskKidsWithoutTransfer.text) + CCur(mskFreeWithoutTransfer.text)
    
    'Οριζόντια
    lngTotalAdults = CCur(mskAdultsWithTransfer.text) + CCur(mskAdultsWithoutTransfer.text)
    lngTotalKids = CCur(mskKidsWithTransfer.text) + CCur(mskKidsWithoutTransfer.text)
    lngTotalFree = CCur(mskFreeWithTransfer.text) + CCur(mskFreeWithoutTransfer.text)
    lngTotalPersons = lngTotalAdults + lngTotalKids + lngTotalFree
    
    'Εμφανίζω
    mskTotalPersonsWithTransfer.text = format(lngTotalPersonsWithTransfer, "#,##0")
    mskTotalPersonsWithoutTransfer.text = format(lngTotalPersonsWithoutTransfer, "#,##0")
    mskTotalAdults.text = format(lngTotalAdults, "#,##0")
    mskTotalKids.text = format(lngTotalKids, "#,##0")
    mskTotalFree.text = format(lngTotalFree, "#,##0")
    mskTotalPersons.text = format(lngTotalPersons, "#,##0")

End Function

Private Sub AbortProcedure(blnStatus)
    
    If Not blnStatus Then
        If MyMsgBox(3, strApplicationName, strStandardMessages(3), 2) Then
            blnStatus = False
            blnCancel = True
            
            ClearFields txtInvoiceID, txtInvoiceTrnID, txtInvoiceCodeID, txtInvoicePersonID, txtInvoiceDateIn, txtInvoiceOutDestinationID, txtInvoiceOutShipID, txtInvoiceOutPaymentTermID, txtCodeLastNo, txtCodeLastDate, txtCodePersonsPlusOrMinus, chkCodeHandID, txtShipRegistryNo, chkPaymentTermCreditID, txtInvoiceIsActiveID
            ClearFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, lblCodeDescription, lblCodeBatch, lblHand, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
            
            DisableFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
            DisableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3), cmdIndex(4), cmdIndex(5), cmdIndex(6), cmdIndex(7), cmdIndex(8), cmdIndex(9), cmdIndex(10)
            
            UpdateButtons Me, 6, 1, 0, 0, 0, IIf(CheckForLoadedForm("InvoicesOutIndex"), 0, 1), 0, 1
        End If
        Exit Sub
    End If
    
    If blnStatus Then
        Unload Me
    End If
    
End Sub

Private Function CheckForTheLastInvoice()

    'Αν έχω φέρει το τελευταίο παραστατικό ή αν είναι χειρόγραφο
    If txtCodeLastNo.text = Int(txtInvoiceNo.text) Or chkCodeHandID.Value = 1 Then
        CheckForTheLastInvoice = True 'Μπορώ να διαγράψω
    Else
        CheckForTheLastInvoice = False 'Δεν μπορώ να διαγράψω
    End If

End Function

Private Function ClearInvoiceFields()

    With rptInvoice
        .lblAdultsWithTransfer.Caption = ""
        .lblAdultAmountWithTransfer.Caption = ""
        .lblAdultsTotalWithTransfer.Caption = ""
        .lblKidsWithTransfer.Caption = ""
        .lblKidAmountWithTransfer.Caption = ""
        .lblKidsTotalWithTransfer.Caption = ""
        .lblAdultsWithoutTransfer.Caption = ""
        .lblAdultAmountWithoutTransfer.Caption = ""
        .lblAdultsTotalWithoutTransfer.Caption = ""
        .lblKidsWithoutTransfer.Caption = ""
        .lblKidAmountWithoutTransfer.Caption = ""
        .lblKidsTotalWithoutTransfer.Caption = ""
        .lblFree.Caption = ""
        .lblTotalPersons.Caption = ""
        .lblTotalAmount.Caption = ""
    End With

End Function

Private Function CreateQRCode()

    imgQRCode.DataString = strQRCodeDescription

End Function

Private Sub DeleteRecord()
    
    BeginTrans
    
    If MainDeleteRecord("CommonDB", "Invoices", strApplicationName, "InvoiceID", txtInvoiceID.text, True) Then
        If MainDeleteRecord("CommonDB", "InvoicesOut", strApplicationName, "InvoiceOutTrnID", txtInvoiceTrnID.text, False) Then
            CommitTrans
            blnCancel = True
            ClearFields txtInvoiceID, txtInvoiceTrnID, txtInvoiceCodeID, txtInvoicePersonID, txtInvoiceDateIn, txtInvoiceOutDestinationID, txtInvoiceOutShipID, txtInvoiceOutPaymentTermID, txtCodeLastNo, txtCodeLastDate, txtCodePersonsPlusOrMinus, chkCodeHandID, txtShipRegistryNo, chkPaymentTermCreditID, txtInvoiceIsActiveID
            ClearFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, lblCodeDescription, lblCodeBatch, lblHand, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, , mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
            DisableFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
            DisableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3), cmdIndex(4), cmdIndex(5), cmdIndex(6), cmdIndex(7), cmdIndex(8), cmdIndex(9), cmdIndex(10)
            UpdateButtons Me, 6, 1, 0, 0, 0, IIf(CheckForLoadedForm("InvoicesOutIndex"), 0, 1), 0, 1
        Else
            Rollback
        End If
    Else
        Rollback
    End If
    
End Sub

Public Function DoPostFoundJobs(rstRecordset As Recordset)

    On Error GoTo ErrTrap

    blnStatus = False

    DisableFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, _
        chkAgreement, _
        mskAdultsWithTransfer, mskAdultsAmountWithTransfer, mskKidsWithTransfer, mskKidsAmountWithTransfer, mskFreeWithTransfer, _
        mskAdultsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsWithoutTransfer, mskKidsAmountWithoutTransfer, mskFreeWithoutTransfer, _
        mskDirectAmount, _
        txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
    blnCancel = False
    DisableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3), cmdIndex(4), cmdIndex(5), cmdIndex(6), cmdIndex(7), cmdIndex(8), cmdIndex(9), cmdIndex(10)
    PopulateFields rstRecordset
    AddAmounts
    AddPersons
    EnableOrDisableFields
    'Temp use only!
    UpdateButtons Me, 6, 0, 1, 0, IIf(CheckForTheLastInvoice = 0, 0, 1), IIf(CheckForLoadedForm("InvoicesOutIndex"), 0, 1), 1, 0
    'UpdateButtons Me, 6, IIf(chkCodeHandID.Value = 1, 0, 1), IIf(chkCodeHandID.Value = 1, 1, 0), IIf(chkCodeHandID.Value = 1, 0, 1), IIf(CheckForTheLastInvoice = 0, 0, 1), IIf(CheckForLoadedForm("InvoicesOutIndex"), 0, 1), IIf(chkCodeHandID.Value = 1, 1, 0), IIf(chkCodeHandID.Value = 1, 0, 1)
        
    Exit Function
    
ErrTrap:
    DisplayErrorMessage True, Err.Description

End Function

Private Function HideQRCode()

    rptInvoice.shpQRCode.Visible = False
    rptInvoice.imgQRCode.Visible = False

End Function

Private Function InsertQRCode()

    Set rptInvoice.imgQRCode = LoadPicture(strReportsPathName & "QRCode.bmp")

End Function

Private Sub NewRecord()
    
    Dim tmpRecordset As Recordset
    
    blnStatus = True
    blnCancel = False
    
    ClearFields txtInvoiceID, txtInvoiceTrnID, txtInvoiceCodeID, txtInvoicePersonID, txtInvoiceDateIn, txtInvoiceOutDestinationID, txtInvoiceOutShipID, txtInvoiceOutPaymentTermID, txtCodeLastNo, txtCodeLastDate, txtCodePersonsPlusOrMinus, chkCodeHandID, txtShipRegistryNo, chkPaymentTermCreditID
    ClearFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, lblCodeDescription, lblCodeBatch, lblHand, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
    
    EnableFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, txtCodeLastNo, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, _
        mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, _
        mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, _
        mskDirectAmount, _
        txtRemarks, _
        txtPaymentTermDescription, _
        txtInvoiceIsActiveDescription, _
        cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3), cmdIndex(4), cmdIndex(5), cmdIndex(6), cmdIndex(7), cmdIndex(8), cmdIndex(9), cmdIndex(10)
    
    InitializeFields mskDateIssue, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount
    
    mskDateIssue.text = format(Date, "dd/mm/yyyy")
    txtInvoiceDateIn.text = Date
    txtInvoiceOutShipID.text = IIf(txtInvoiceSecondaryRefersTo.text = "1", "0", "")
    txtRemarks.text = strUsualRemarks
    txtVATPercent.text = intVAT
    
    'Συνήθης όρος πληρωμής
    Set tmpRecordset = CheckForMatch("CommonDB", "PaymentTerms", "PaymentTermID", "Numeric", intUsualPaymentTermID)
    If tmpRecordset.RecordCount > 0 Then
        txtInvoiceOutPaymentTermID.text = tmpRecordset.Fields(0)
        txtPaymentTermDescription.text = tmpRecordset.Fields(1)
    End If
    
    txtInvoiceIsActiveID.text = "1"
    txtInvoiceIsActiveDescription.text = "ΝΑΙ"
    
    UpdateButtons Me, 6, 0, 1, 0, 0, 0, 1, 0
    
    mskDateIssue.SetFocus
    
End Sub

Private Function AskToPrintInvoice()

    Dim arrDummy()
    
    'Ερώτηση για εκτύπωση αν τυπώνεται και αν είμαι σε νέα εγγραφή
    'Temp use only!
    'If chkCodeHandID.Value = 0 And blnStatus Then
    If chkCodeHandID.Value = 0 Then
        If MyMsgBox(2, strApplicationName, strAppMessages(7), 2) Then
            ProcessSelectedInvoicesForPrinting txtInvoiceTrnID.text, "Print", arrDummy, arrDummy
        End If
    End If

End Function

Private Function PopulateFields(rstRecordset As Recordset)

    With rstRecordset
    
        txtInvoiceMasterRefersTo.text = !InvoiceMasterRefersTo
        txtInvoiceSecondaryRefersTo.text = !InvoiceSecondaryRefersTo
        txtVATPercent.text = !InvoiceOutVATPercent
        txtInvoiceID.text = !InvoiceID
        txtInvoiceTrnID.text = !InvoiceTrnID
        txtInvoiceCodeID.text = !InvoiceCodeID
        txtInvoicePersonID.text = !InvoicePersonID
        txtInvoiceDateIn.text = !InvoiceDateIn
        txtInvoiceIsActiveID.text = !InvoiceIsActiveID
        txtInvoiceOutDestinationID.text = !InvoiceOutDestinationID
        txtInvoiceOutShipID.text = !InvoiceOutShipID
        txtInvoiceOutPaymentTermID.text = !InvoiceOutPaymentTermID
        txtCodeLastNo.text = !CodeLastNo
        txtCodeLastDate.text = !codeLastDate
        txtCodePersonsPlusOrMinus.text = !CodeCustomers
        chkCodeHandID.Value = !CodeHandID
        txtShipRegistryNo.text = !ShipRegistryNo
        chkPaymentTermCreditID.Value = !PaymentTermCreditID
        
        mskDateIssue.text = format(!InvoiceDateIssue, "dd/mm/yyyy")
        mskDateRefersTo.text = format(!InvoiceDateRefersTo, "dd/mm/yyyy")
        txtCodeShortDescriptionA.text = !CodeShortDescriptionA
        lblCodeDescription.Caption = !CodeDescription
        lblCodeBatch.Caption = !CodeBatch
        lblHand.Caption = IIf(!CodeHandID, "ΧΕΙΡΟΓΡΑΦΟ", "ΜΗΧΑΝΟΓΡΑΦΙΚΟ")
        txtInvoiceNo.text = !InvoiceNo
        txtCustomerDescription.text = !Description
        txtDestinationDescription.text = !DestinationDescription
        txtShipDescription.text = !ShipDescription
        
        chkAgreement.Value = IIf(!InvoiceOutAgreement, 1, 0)
        
        mskAdultsWithTransfer.text = format(!InvoiceOutAdultsWithTransfer, "#,##0")
        mskKidsWithTransfer.text = format(!InvoiceOutKidsWithTransfer, "#,##0")
        mskFreeWithTransfer.text = format(!InvoiceOutFreeWithTransfer, "#,##0")
        mskAdultsAmountWithTransfer.text = format(!InvoiceOutAdultsAmountWithTransfer, "#,##0.00")
        mskKidsAmountWithTransfer.text = format(!InvoiceOutKidsAmountWithTransfer, "#,##0.00")
        
        mskAdultsWithoutTransfer.text = format(!InvoiceOutAdultsWithoutTransfer, "#,##0")
        mskKidsWithoutTransfer.text = format(!InvoiceOutKidsWithoutTransfer, "#,##0")
        mskFreeWithoutTransfer.text = format(!InvoiceOutFreeWithoutTransfer, "#,##0")
        mskAdultsAmountWithoutTransfer.text = format(!InvoiceOutAdultsAmountWithoutTransfer, "#,##0.00")
        mskKidsAmountWithoutTransfer.text = format(!InvoiceOutKidsAmountWithoutTransfer, "#,##0.00")
        
        mskDirectAmount.text = format(!InvoiceOutDirectAmount, "#,##0.00")
        
        txtRemarks.text = !InvoiceOutReason
        txtPaymentTermDescription.text = !PaymentTermDescription
        
        txtInvoiceIsActiveID.text = !InvoiceIsActiveID
        txtInvoiceIsActiveDescription.text = !YesOrNoDescription
        
    End With

End Function

Private Function PrintThisInvoice(blnPreview As Boolean, printOrPDF As String, strInvoiceNo As String, strCustomerName)

    Dim intLoop As Integer
    Dim pdf As New ARExportPDF
    
    If printOrPDF = "PDF" Then
        rptInvoice.Run False
        pdf.AcrobatVersion = 2
        pdf.SemiDelimitedNeverEmbedFonts = ""
        pdf.fileName = strReportsPathName & UCase(CommonMain.lblCompany.Caption) & " " & "InvoiceNo" & Right("00000" & strInvoiceNo, 5) & " " & SanitizeString(strCustomerName) & ".pdf"
        pdf.Export rptInvoice.Pages
    Else
        For intLoop = 1 To intInvoiceCopies + 1
            rptInvoice.Restart
            If blnPreview Then
                rptInvoice.Zoom = -2
                rptInvoice.Printer.ColorMode = vbPRCMMonochrome
                rptInvoice.WindowState = vbMaximized
                rptInvoice.Show 1
                Exit For
            Else
                rptInvoice.Printer.DeviceName = strPrinterName
                rptInvoice.PrintReport False
                rptInvoice.Run True
            End If
        Next intLoop
    End If

End Function

Private Function SaveInvoice()

    If blnStatus Then txtInvoiceTrnID.text = AddOneToTheLastRecord("Invoices")
    
    If MainSaveRecord("CommonDB", "Invoices", blnStatus, strApplicationName, "InvoiceID", _
            txtInvoiceID.text, _
            txtInvoiceTrnID.text, _
            txtInvoiceMasterRefersTo.text, _
            txtInvoiceSecondaryRefersTo.text, _
            mskDateIssue.text, _
            txtInvoiceDateIn.text, _
            mskDateRefersTo.text, _
            mskDateIssue.text, _
            txtInvoiceCodeID.text, _
            txtInvoiceNo.text, _
            txtInvoicePersonID.text, _
            txtInvoiceIsActiveID.text, _
            strCurrentUser) <> 0 Then
        IsError = False
    Else
        IsError = True
    End If

End Function

Private Function SaveInvoiceOut()

    If IsError Then Exit Function
    
    If MainSaveRecord("CommonDB", "InvoicesOut", blnStatus, strApplicationName, "InvoiceOutTrnID", txtInvoiceTrnID.text, txtInvoiceTrnID.text, _
        txtInvoiceOutDestinationID.text, _
        txtInvoiceOutShipID.text, _
        chkAgreement.Value, _
        mskAdultsWithTransfer.text, _
        mskKidsWithTransfer.text, _
        mskFreeWithTransfer.text, _
        mskAdultsWithoutTransfer.text, _
        mskKidsWithoutTransfer.text, _
        mskFreeWithoutTransfer.text, _
        mskAdultsAmountWithTransfer.text, _
        mskKidsAmountWithTransfer.text, _
        mskAdultsAmountWithoutTransfer.text, _
        mskKidsAmountWithoutTransfer.text, _
        mskDirectAmount.text, _
        txtVATPercent.text, _
        txtInvoiceOutPaymentTermID.text, _
        txtRemarks.text) <> 0 Then
        IsError = False
    Else
        IsError = True
    End If

End Function

Private Function SaveQRCode()

    SavePicture imgQRCode.Picture, strReportsPathName & "QRCode.bmp"

End Function

Private Function SaveRecord()
    
    If Not ValidateFields Then Exit Function
    If Not ValidatePersonsAndAmounts Then Exit Function
    
    txtInvoiceOutShipID.text = IIf(txtInvoiceSecondaryRefersTo.text = "2", 0, txtInvoiceOutShipID.text)
    
    BeginTrans
    
    SaveInvoice
    SaveInvoiceOut
    UpdateCodes
    
    If IsError Then
        DisplayErrorMessage True, strStandardMessages(5)
        Rollback
        Exit Function
    Else
        CommitTrans
        blnCancel = True
        AskToPrintInvoice
        ClearFields txtInvoiceID, txtInvoiceTrnID, txtInvoiceCodeID, txtInvoicePersonID, txtInvoiceDateIn, txtInvoiceOutDestinationID, txtInvoiceOutShipID, txtInvoiceOutPaymentTermID, txtCodeLastNo, txtCodeLastDate, txtCodePersonsPlusOrMinus, chkCodeHandID, txtShipRegistryNo, chkPaymentTermCreditID, txtInvoiceIsActiveID
        ClearFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, lblCodeDescription, lblCodeBatch, lblHand, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
        DisableFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
        DisableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3), cmdIndex(4), cmdIndex(5), cmdIndex(6), cmdIndex(7), cmdIndex(8), cmdIndex(9), cmdIndex(10)
        UpdateButtons Me, 6, 1, 0, 0, 0, IIf(CheckForLoadedForm("InvoicesOutIndex"), 0, 1), 0, 1
    End If
    
End Function

Private Function UpdateCodes()

    If IsError Then Exit Function
    
    Dim rsCodes As Recordset
    
    If blnStatus And chkCodeHandID.Value = 0 Then
        Set rsCodes = CommonDB.OpenRecordset("Codes")
        With rsCodes
            .index = "CodeID"
            .Seek "=", txtInvoiceCodeID.text
            If Not .NoMatch Then
                .Edit
                !CodeLastNo = Int(txtInvoiceNo.text)
                !codeLastDate = mskDateIssue.text
                .Update
            End If
        End With
    End If

End Function

Private Function UpdateInvoiceFieldsWithData(rstRecordset As Recordset)

    On Error GoTo ErrTrap
            
    'Local variables
    Dim strVAT As String
    
    'Ατομα
    Dim intFree As Integer
    Dim intPersons As Integer
    
    'Ποσά
    Dim curNet As Currency
    Dim curVAT As Currency
    Dim curGross As Currency
    
    'Ατομα
    intFree = rstRecordset!InvoiceOutFreeWithTransfer + rstRecordset!InvoiceOutFreeWithoutTransfer
    intPersons = rstRecordset!InvoiceOutAdultsWithTransfer + rstRecordset!InvoiceOutAdultsWithoutTransfer + rstRecordset!InvoiceOutKidsWithTransfer + rstRecordset!InvoiceOutKidsWithoutTransfer + rstRecordset!InvoiceOutFreeWithTransfer + rstRecordset!InvoiceOutFreeWithoutTransfer
    
    'Ποσά
    strVAT = "1." & rstRecordset!InvoiceOutVATPercent
    curNet = (rstRecordset!InvoiceOutAdultsAmountWithTransfer + rstRecordset!InvoiceOutAdultsAmountWithoutTransfer + rstRecordset!InvoiceOutKidsAmountWithTransfer + rstRecordset!InvoiceOutKidsAmountWithoutTransfer + rstRecordset!InvoiceOutDirectAmount) / Val(strVAT)
    curGross = rstRecordset!InvoiceOutAdultsAmountWithTransfer + rstRecordset!InvoiceOutAdultsAmountWithoutTransfer + rstRecordset!InvoiceOutKidsAmountWithTransfer + rstRecordset!InvoiceOutKidsAmountWithoutTransfer + rstRecordset!InvoiceOutDirectAmount
    curVAT = curGross - curNet
    
    With rptInvoice
    
        .Restart
        
        .lblCompanyData.Caption = arrCompanyData(1) & Chr(13) & arrCompanyData(2) & Chr(13) & arrCompanyData(3) & Chr(13) & arrCompanyData(4) & Chr(13) & arrCompanyData(5) & Chr(13) & arrCompanyData(6)
        
        .lblDate.Caption = rstRecordset!InvoiceDateIssue
        .lblInvoiceDescription.Caption = rstRecordset!CodeDescription
        .lblInvoiceNo.Caption = "Νο " & Right("00000" & rstRecordset!InvoiceNo, 5)
        .lblCodeBatch.Caption = rstRecordset!CodeBatch
        
        .lblCustomerDescription.Caption = rstRecordset!Description
        .lblCompanyProfession.Caption = rstRecordset!Profession
        .lblCompanyAddress.Caption = rstRecordset!Address
        .lblCompanyTaxNo.Caption = rstRecordset!TaxNo
        .lblTaxOfficeDescription.Caption = rstRecordset!TaxOfficeDescription
        
        .lblRemarks.Caption = rstRecordset!InvoiceOutReason
        .lblDestination.Caption = rstRecordset!DestinationDescription
        .lblShip.Caption = rstRecordset!ShipDescription
        .lblTripDate.Caption = rstRecordset!InvoiceDateRefersTo
        
        .lblAdultsWithTransfer.Caption = IIf(rstRecordset!InvoiceOutAdultsWithTransfer <> 0, format(rstRecordset!InvoiceOutAdultsWithTransfer, "#,##0"), "")
        .lblAdultAmountWithTransfer.Caption = IIf(rstRecordset!InvoiceOutAdultsAmountWithTransfer <> 0, format(rstRecordset!InvoiceOutAdultsAmountWithTransfer / rstRecordset!InvoiceOutAdultsWithTransfer, "#,##0.00"), "")
        .lblAdultsTotalWithTransfer.Caption = IIf(rstRecordset!InvoiceOutAdultsAmountWithTransfer <> 0, format(rstRecordset!InvoiceOutAdultsAmountWithTransfer, "#,##0.00"), "")
        
        .lblKidsWithTransfer.Caption = IIf(rstRecordset!InvoiceOutKidsWithTransfer <> 0, format(rstRecordset!InvoiceOutKidsWithTransfer, "#,##0"), "")
        .lblKidAmountWithTransfer.Caption = IIf(rstRecordset!InvoiceOutKidsAmountWithTransfer <> 0, format(rstRecordset!InvoiceOutKidsAmountWithTransfer / rstRecordset!InvoiceOutKidsWithTransfer, "#,##0.00"), "")
        .lblKidsTotalWithTransfer.Caption = IIf(rstRecordset!InvoiceOutKidsAmountWithTransfer <> 0, format(rstRecordset!InvoiceOutKidsAmountWithTransfer, "#,##0.00"), "")

        .lblAdultsWithoutTransfer.Caption = IIf(rstRecordset!InvoiceOutAdultsWithoutTransfer <> 0, format(rstRecordset!InvoiceOutAdultsWithoutTransfer, "#,##0"), "")
        .lblAdultAmountWithoutTransfer.Caption = IIf(rstRecordset!InvoiceOutAdultsAmountWithoutTransfer <> 0, format(rstRecordset!InvoiceOutAdultsAmountWithoutTransfer / rstRecordset!InvoiceOutAdultsWithoutTransfer, "#,##0.00"), "")
        .lblAdultsTotalWithoutTransfer.Caption = IIf(rstRecordset!InvoiceOutAdultsAmountWithoutTransfer <> 0, format(rstRecordset!InvoiceOutAdultsAmountWithoutTransfer, "#,##0.00"), "")

        .lblKidsWithoutTransfer.Caption = IIf(rstRecordset!InvoiceOutKidsWithoutTransfer <> 0, format(rstRecordset!InvoiceOutKidsWithoutTransfer, "#,##0"), "")
        .lblKidAmountWithoutTransfer.Caption = IIf(rstRecordset!InvoiceOutKidsAmountWithoutTransfer <> 0, format(rstRecordset!InvoiceOutKidsAmountWithoutTransfer / rstRecordset!InvoiceOutKidsWithoutTransfer, "#,##0.00"), "")
        .lblKidsTotalWithoutTransfer.Caption = IIf(rstRecordset!InvoiceOutKidsAmountWithoutTransfer <> 0, format(rstRecordset!InvoiceOutKidsAmountWithoutTransfer, "#,##0.00"), "")
        
        .lblFree.Caption = IIf(intFree <> 0, format(rstRecordset!InvoiceOutFreeWithTransfer + rstRecordset!InvoiceOutFreeWithoutTransfer, "#,##0"), "")
        
        .lblTotalPersons.Caption = IIf(intPersons <> 0, format(intPersons, "#,##0"), "")
        .lblTotalAmount.Caption = format(curGross, "#,##.00")
        
        .lblVATPercent.Caption = "ΣΥΝΟΛΟ " & rstRecordset!InvoiceOutVATPercent & "%"
        .lblTotalNet1.Caption = format(curNet, "#,##0.00")
        .lblTotalVAT1.Caption = format(curVAT, "#,##0.00")
        .lblTotal1.Caption = format(curGross, "#,##0.00")
        
        .lblGrandTotalNet.Caption = .lblTotalNet1.Caption
        .lblGrandTotalVAT.Caption = .lblTotalVAT1.Caption
        .lblGrandTotal.Caption = format(CCur(.lblGrandTotalNet.Caption) + CCur(.lblGrandTotalVAT.Caption), "#,##0.00")
        
        .lblTotalGross.Caption = .lblTotalNet1.Caption
        .lblTotalVAT.Caption = .lblGrandTotalVAT.Caption
        .lblTotal.Caption = format(CCur(.lblGrandTotalNet.Caption) + CCur(.lblGrandTotalVAT.Caption), "#,##0.00")
        
        .lblPaymentTerm.Caption = rstRecordset!PaymentTermDescription
        
        'QR Code
        If intPrintQRCodeID = 1 Then
            CreateQRCode
            SaveQRCode
            InsertQRCode
        Else
            HideQRCode
        End If

    End With
    
    Exit Function

ErrTrap:
    If Err.Number = 6 Then
        Resume Next
    Else
        DisplayErrorMessage True, Err.Description
    End If

End Function
Private Function ValidateFields()

    ValidateFields = False
    
    'Ημερομηνία
    If Not CheckDate(mskDateIssue.text, strApplicationName) Then
        mskDateIssue.SetFocus
        Exit Function
    End If
    
    'Ημερομηνία αναφοράς
    If Not CheckDate(mskDateRefersTo.text, strApplicationName) Then
        mskDateRefersTo.SetFocus
        Exit Function
    End If
    
    'Καταχώρηση σε προηγούμενη ημερομηνία και όχι χειρόγραφο
    If (IsDate(txtCodeLastDate.text) And chkCodeHandID.Value = 0) And blnStatus Then
        If CDate(txtCodeLastDate.text) > CDate(mskDateIssue.text) Then
            If MyMsgBox(4, strApplicationName, strAppMessages(4) & txtCodeLastDate.text & ".", 1) Then
            End If
            mskDateIssue.SetFocus
            Exit Function
        End If
    End If
    
    'Καταχώρηση σε ημερομηνία μεγαλύτερη από σήμερα
    If CDate(mskDateIssue.text) > Date Then
        If MyMsgBox(4, strApplicationName, strAppMessages(5), 1) Then
        End If
        mskDateIssue.SetFocus
        Exit Function
    End If
    
    'Ημερομηνία αναφοράς μεγαλύτερη από σήμερα
    If CDate(mskDateRefersTo.text) > Date Then
        If MyMsgBox(4, strApplicationName, strAppMessages(5), 1) Then
        End If
        mskDateRefersTo.SetFocus
        Exit Function
    End If
    
    'Μήκος ημερομηνίας
    If Len(mskDateIssue.text) <> 10 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskDateIssue.SetFocus
        Exit Function
    End If
    
    'Στοιχείο
    If Len(txtInvoiceCodeID.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtCodeShortDescriptionA.SetFocus
        Exit Function
    End If
    
    'Νο παραστατικού
    If txtInvoiceNo.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtInvoiceNo.SetFocus
        Exit Function
    End If
    
    'Νο παραστατικού = αριθμός
    If Not IsNumeric(txtInvoiceNo.text) Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        txtInvoiceNo.SetFocus
        Exit Function
    End If
    
    'Μηχανογραφικό στοιχείο. Το έτος έκδοσης πρέπει να είναι ίσο με το έτος του τελευταίου παραστατικού
    If blnStatus Then
        If chkCodeHandID.Value = 0 Then
            If Not CheckForValidYear(txtCodeLastDate.text, mskDateIssue.text) Then
                If MyMsgBox(4, strApplicationName, strStandardMessages(22), 1) Then
                End If
                txtCodeShortDescriptionA.SetFocus
                Exit Function
            End If
        End If
    End If
    
    'Μηχανογραφικό στοιχείο ήδη καταχωρημένο: Ελέγχω αν το νούμερο του στοιχείου υπάρχει ήδη στην χρήση
    'Temp use only!
    If blnStatus Then
        If chkCodeHandID.Value = 0 Then
            If Not CheckForDuplicateInvoice(mskDateIssue.text, txtInvoiceCodeID.text, txtInvoiceNo.text) Then
                If MyMsgBox(4, strApplicationName, strStandardMessages(22), 1) Then
                End If
                txtCodeShortDescriptionA.SetFocus
                Exit Function
            End If
        End If
    End If
    
    'Μηχανογραφικό στοιχείο: Εχω καταχωρήσει σε μεταγενέστερη ημερομηνία
    'Temp use only!
    'If chkCodeHandID.Value = 0 Then
    If chkCodeHandID.Value = 0 And blnStatus Then
        If CDate(mskDateIssue.text) < CDate(txtCodeLastDate) Then
            If MyMsgBox(4, strApplicationName, strAppMessages(4) & txtCodeLastDate.text, 1) Then
            End If
            mskDateIssue.SetFocus
            Exit Function
        End If
    End If
    
    'Πελάτης
    If Len(txtInvoicePersonID.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtCustomerDescription.SetFocus
        Exit Function
    End If
    
    'Προορισμός
    If Len(txtInvoiceOutDestinationID.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtDestinationDescription.SetFocus
        Exit Function
    End If
    
    'Πλοίο
    If txtInvoiceOutShipID.text = "0" And txtInvoiceSecondaryRefersTo.text = "1" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtShipDescription.SetFocus
        Exit Function
    End If
    
    'Όρος πληρωμής
    If Len(txtInvoiceOutPaymentTermID.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtPaymentTermDescription.SetFocus
        Exit Function
    End If
    
    'Αν έχω ποσό στα άτομα ΚΑΙ έχω βάλει ΚΑΙ απευθείας χρέωση
    If (Val(mskTotalAmountWithTransfer.text) <> 0 Or Val(mskTotalAmountWithoutTransfer.text)) And Val(mskDirectAmount.text) <> 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskDirectAmount.SetFocus
        Exit Function
    End If
    
    'Ενεργή εγγραφή
    If Len(txtInvoiceIsActiveID.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        txtInvoiceIsActiveDescription.SetFocus
        Exit Function
    End If
    
    ValidateFields = True

End Function

Private Function ValidatePersonsAndAmounts()

    ValidatePersonsAndAmounts = False
    
    'Πλήθος ενηλίκων με μεταφορά
    If mskAdultsWithTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskAdultsWithTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskAdultsWithTransfer.text) > 9999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskAdultsWithTransfer.SetFocus
        Exit Function
    End If
    
    'Ποσό ενηλίκων με μεταφορά
    If mskAdultsAmountWithTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskAdultsAmountWithTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskAdultsAmountWithTransfer.text) > 99999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskAdultsAmountWithTransfer.SetFocus
        Exit Function
    End If
    
    'Ποσό ενηλίκων με μεταφορά > 0 και πλήθος ενηλίκων με μεταφορά = 0
    If CCur(mskAdultsAmountWithTransfer.text) > 0 And Val(mskAdultsWithTransfer.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskAdultsWithTransfer.SetFocus
        Exit Function
    End If
    
    'Πλήθος ενηλίκων χωρίς μεταφορά
    If mskAdultsWithoutTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskAdultsWithoutTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskAdultsWithoutTransfer.text) > 9999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskAdultsWithoutTransfer.SetFocus
        Exit Function
    End If
    
    'Ποσό ενηλίκων χωρίς μεταφορά
    If mskAdultsAmountWithoutTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskAdultsAmountWithoutTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskAdultsAmountWithoutTransfer.text) > 99999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskAdultsAmountWithoutTransfer.SetFocus
        Exit Function
    End If
    
    'Ποσό ενηλίκων χωρίς μεταφορά > 0 και πλήθος ενηλίκων χωρίς μεταφορά = 0
    If CCur(mskAdultsAmountWithoutTransfer.text) > 0 And Val(mskAdultsWithoutTransfer.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskAdultsWithoutTransfer.SetFocus
        Exit Function
    End If
    
    'Πλήθος παιδιών με μεταφορά
    If mskKidsWithTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskKidsWithTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskKidsWithTransfer.text) > 9999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskKidsWithTransfer.SetFocus
        Exit Function
    End If
    
    'Ποσό παιδιών με μεταφορά
    If mskKidsAmountWithTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskKidsAmountWithTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskKidsAmountWithTransfer.text) > 99999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskKidsAmountWithTransfer.SetFocus
        Exit Function
    End If
    
    'Ποσό παιδιών με μεταφορά > 0 και πλήθος παιδιών με μεταφορά = 0
    If CCur(mskKidsAmountWithTransfer.text) > 0 And Val(mskKidsWithTransfer.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskKidsWithTransfer.SetFocus
        Exit Function
    End If
    
    'Πλήθος παιδιών χωρίς μεταφορά
    If mskKidsWithoutTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskKidsWithoutTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskKidsWithoutTransfer.text) > 9999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskKidsWithoutTransfer.SetFocus
        Exit Function
    End If
    
    'Ποσό παιδιών χωρίς μεταφορά
    If mskKidsAmountWithoutTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskKidsAmountWithoutTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskKidsAmountWithoutTransfer.text) > 99999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskKidsAmountWithoutTransfer.SetFocus
        Exit Function
    End If
    
    'Ποσό παιδιών χωρίς μεταφορά > 0 και πλήθος παιδιών χωρίς μεταφορά = 0
    If CCur(mskKidsAmountWithoutTransfer.text) > 0 And Val(mskKidsWithoutTransfer.text) = 0 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskKidsWithoutTransfer.SetFocus
        Exit Function
    End If
    
    'Δωρεάν με μεταφορά
    If mskFreeWithTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskFreeWithTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskFreeWithTransfer.text) > 9999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskFreeWithTransfer.SetFocus
        Exit Function
    End If
    
    'Δωρεάν χωρίς μεταφορά
    If mskFreeWithoutTransfer.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskFreeWithoutTransfer.SetFocus
        Exit Function
    End If
    If CCur(mskFreeWithoutTransfer.text) > 9999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(2), 1) Then
        End If
        mskFreeWithoutTransfer.SetFocus
        Exit Function
    End If
    
    'Απευθείας χρέωση
    If mskDirectAmount.text = "" Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskDirectAmount.SetFocus
        Exit Function
    End If
    If CCur(mskDirectAmount.text) > 99999 Then
        If MyMsgBox(4, strApplicationName, strStandardMessages(1), 1) Then
        End If
        mskDirectAmount.SetFocus
        Exit Function
    End If
    
    ValidatePersonsAndAmounts = True

End Function

Private Sub chkAgreement_Click()

    If chkAgreement.Value = 0 Then
        'Τιμοκατάλογος. Δεν μπορώ να αλλάξω τις χρεώσεις
        mskAdultsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithTransfer.text, 2), "#,##0.00")
        mskKidsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithTransfer.text, 3), "#,##0.00")
        mskAdultsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithoutTransfer.text, 4), "#,##0.00")
        mskKidsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithoutTransfer.text, 5), "#,##0.00")
        'Υπολογίζω τα σύνολα
        AddAmounts
        'Απενεργοποιώ τα πεδία
        DisableFields mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer
    Else
        'If blnStatus Or (chkAgreement.Value = 1 And chkCodeHandID.Value = 1) Then
        '    'Ενεργοποιώ τα πεδία
        '    EnableFields mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer
        '    'Υπολογίζω τα σύνολα
        '    AddAmounts
        'End If
        'Temp use only!
        'Ενεργοποιώ τα πεδία
        EnableFields mskAdultsWithTransfer, mskAdultsAmountWithTransfer, mskKidsWithTransfer, mskKidsAmountWithTransfer, mskFreeWithTransfer
        EnableFields mskAdultsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsWithoutTransfer, mskKidsAmountWithoutTransfer, mskFreeWithoutTransfer
        'Υπολογίζω τα σύνολα
        AddAmounts
    End If

End Sub

Private Sub chkAgreement_KeyDown(KeyCode As Integer, Shift As Integer)

    CheckForArrows (KeyCode)

End Sub

Private Sub chkAgreement_KeyPress(KeyAscii As Integer)

    ValidateInput (KeyAscii)

End Sub

Private Sub cmdButton_Click(index As Integer)

    Dim arrDummy()
    
    Select Case index
        Case 0
            NewRecord
        Case 1
            SaveRecord
        Case 2
            ProcessSelectedInvoicesForPrinting txtInvoiceTrnID.text, "Print", arrDummy, arrDummy 'Called when the print button is clicked
        Case 3
            DeleteRecord
        Case 4
            FindRecords
        Case 5
            AbortProcedure False
        Case 6
            AbortProcedure True
    End Select

End Sub

Private Function FindRecords()

    With InvoicesOutIndex
        .Tag = "True"
        .txtInvoiceMasterRefersTo.text = txtInvoiceMasterRefersTo.text
        .txtInvoiceSecondaryRefersTo.text = txtInvoiceSecondaryRefersTo.text
        .Show 1, Me
    End With

End Function

Private Sub cmdIndex_Click(index As Integer)

    Dim tmpTableData As typTableData
    Dim tmpRecordset As Recordset
    
    Select Case index
        Case 0
            'Παραστατικό - F2
            Set tmpRecordset = CheckForMatch("CommonDB", "Codes", "CodeShortDescriptionA, CodeMasterRefersTo", "String, String", txtCodeShortDescriptionA.text, txtInvoiceMasterRefersTo.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 3, True, 8, 0, 3, 5, 6, 7, 8, 10, 11, "ID", "Συντ. Α'", "Περιγραφή", "Σειρά", "Χειρόγραφο", "Πελάτες", "Τελευταίο Νο", "Ημερομηνία", 0, 6, 40, 6, 10, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1)
                txtInvoiceCodeID.text = tmpTableData.strCode
                txtCodeShortDescriptionA.text = tmpTableData.strFirstField
                lblCodeDescription.Caption = tmpTableData.strSecondField
                lblCodeBatch.Caption = IIf(txtInvoiceCodeID.text <> "" And tmpTableData.strThirdField <> "", " ΣΕΙΡΑ " & tmpTableData.strThirdField, "")
                chkCodeHandID.Value = IIf(tmpTableData.strFourthField = "1", 1, 0)
                lblHand.Caption = IIf(tmpTableData.strFourthField = "1", "ΧΕΙΡΟΓΡΑΦΟ", "ΜΗΧΑΝΟΓΡΑΦΙΚΟ")
                txtCodePersonsPlusOrMinus.text = tmpTableData.strFifthField
                txtInvoiceNo.Locked = IIf(chkCodeHandID.Value = 1, False, True)
                txtCodeLastNo.text = tmpTableData.strSixthField
                txtCodeLastDate.text = format(tmpTableData.strSeventhField, "dd/mm/yyyy")
                If txtInvoiceCodeID.text <> "" And chkCodeHandID.Value = 0 Then txtInvoiceNo.text = Val(txtCodeLastNo.text) + 1
            End If
        Case 1
            'Παραστατικό - F5
            With TablesCodes
                .Tag = "True"
                .txtCodeMasterRefersTo.text = txtInvoiceMasterRefersTo.text
                .txtCodeSecondaryRefersTo.text = "0"
                .Show 1, Me
            End With
        Case 2
            'Πελάτης - F2
            Set tmpRecordset = CheckForMatch("CommonDB", "Customers", "Description", "String", txtCustomerDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 3, 0, 1, 10, "ID", "Επωνυμία", "Α.Φ.Μ.", 0, 40, 15, 1, 0, 1)
                txtInvoicePersonID.text = tmpTableData.strCode
                txtCustomerDescription.text = tmpTableData.strFirstField
            End If
        Case 3
            'Πελάτης - F5
            With Persons
                .Tag = "True"
                .Show 1, Me
            End With
        Case 4
            'Προορισμός - F2
            Set tmpRecordset = CheckForMatch("CommonDB", "Destinations", "DestinationDescription, ShowInList", "String, Numeric", txtDestinationDescription.text, txtInvoiceSecondaryRefersTo.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 2, 0, 2, "ID", "Περιγραφή", 0, 40, 1, 0)
                txtInvoiceOutDestinationID.text = tmpTableData.strCode
                txtDestinationDescription.text = tmpTableData.strFirstField
            End If
        Case 5
            'Προορισμός - F5
            With TablesDestinations
                .Tag = "True"
                .txtShowInList.text = txtInvoiceSecondaryRefersTo.text
                .Show 1, Me
            End With
        Case 6
            'Πλοίο - F2
            Set tmpRecordset = CheckForMatch("CommonDB", "Ships", "ShipDescription", "String", txtShipDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 3, 0, 1, 4, "ID", "Περιγραφή", "Νηολόγιο", 0, 40, 0, 1, 0, 0)
                txtInvoiceOutShipID.text = tmpTableData.strCode
                txtShipDescription.text = tmpTableData.strFirstField
                txtShipRegistryNo.text = tmpTableData.strSecondField
            End If
        Case 7
            'Πλοίο - F5
            With TablesShips
                .Tag = "True"
                .Show 1, Me
            End With
        Case 8
            'Όρος πληρωμής - F2
            Set tmpRecordset = CheckForMatch("CommonDB", "PaymentTerms", "PaymentTermDescription", "String", txtPaymentTermDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 3, 0, 1, 2, "ID", "Περιγραφή", "Πίστωση", 0, 40, 0, 1, 0, 0)
                txtInvoiceOutPaymentTermID.text = tmpTableData.strCode
                txtPaymentTermDescription.text = tmpTableData.strFirstField
                chkPaymentTermCreditID.Value = IIf(tmpTableData.strSecondField <> "", 1, 0)
            End If
        Case 9
            'Όρος πληρωμής - F5
            With TablesPaymentTerms
                .Tag = "True"
                .Show 1, Me
            End With
        Case 10
            'Ενεργή εγγραφή - F2
            Set tmpRecordset = CheckForMatch("CommonDB", "YesOrNo", "YesOrNoDescription", "String", txtInvoiceIsActiveDescription.text)
            If tmpRecordset.RecordCount > 0 Then
                tmpTableData = DisplayIndex(tmpRecordset, 2, True, 3, 0, 1, 2, "ID", "Περιγραφή", "Πίστωση", 0, 40, 0, 1, 0, 0)
                txtInvoiceIsActiveID.text = tmpTableData.strCode
                txtInvoiceIsActiveDescription.text = tmpTableData.strFirstField
            End If
    End Select

End Sub

Private Sub Form_Activate()

    If Me.Tag = "True" Then
        Me.Tag = "False"
    End If

End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)

    CheckFunctionKeys KeyCode, Shift
    
    KeyCode = ResetKeyCode(KeyCode, Shift)

End Sub

Public Function SeekRecord(lngTrnID)

    Dim intIndex As Byte
    Dim strThisQuery As String
    Dim strParameters As String
    Dim strParFields As String
    Dim strThisParameter As String
    Dim strOrder As String
    Dim strLogic As String
    Dim arrQuery() As Variant
    Dim strSQL As String
    
    Dim rstRecordset As Recordset
    
    strSQL = "SELECT " _
        & "Invoices.InvoiceID, Invoices.InvoiceTrnID, Invoices.InvoiceMasterRefersTo, Invoices.InvoiceSecondaryRefersTo, Invoices.InvoiceDateIssue, Invoices.InvoiceDateIn, Invoices.InvoiceDateRefersTo, Invoices.InvoiceCodeID, Invoices.InvoiceNo, Invoices.InvoicePersonID, Invoices.InvoiceIsActiveID, " _
        & "InvoicesOut.InvoiceOutAgreement, InvoicesOut.InvoiceOutAdultsWithTransfer, InvoicesOut.InvoiceOutKidsWithTransfer, InvoicesOut.InvoiceOutFreeWithTransfer, InvoicesOut.InvoiceOutAdultsWithoutTransfer, InvoicesOut.InvoiceOutKidsWithoutTransfer, InvoicesOut.InvoiceOutFreeWithoutTransfer, InvoicesOut.InvoiceOutAdultsAmountWithTransfer, InvoicesOut.InvoiceOutKidsAmountWithTransfer, InvoicesOut.InvoiceOutAdultsAmountWithoutTransfer, InvoicesOut.InvoiceOutKidsAmountWithoutTransfer, InvoicesOut.InvoiceOutDirectAmount, InvoicesOut.InvoiceOutVATPercent, InvoicesOut.InvoiceOutReason, InvoicesOut.InvoiceOutDestinationID, InvoicesOut.InvoiceOutShipID, InvoicesOut.InvoiceOutPaymentTermID, " _
        & "Codes.CodeShortDescriptionA, Codes.CodeDescription, Codes.CodeBatch, Codes.CodeHandID, Codes.CodeCustomers, Codes.CodeLastNo, Codes.CodeLastDate, " _
        & "Customers.Description, Customers.Profession, Customers.Address, Customers.TaxNo, " _
        & "Ships.ShipDescription, Ships.ShipRegistryNo, " _
        & "PaymentTerms.PaymentTermCreditID, PaymentTerms.PaymentTermDescription, " _
        & "Destinations.DestinationDescription, " _
        & "TaxOffices.TaxOfficeDescription, " _
        & "YesOrNo.YesOrNoDescription " _
        & "FROM ((((((((Invoices " _
        & "INNER JOIN InvoicesOut ON Invoices.InvoiceTrnID = InvoicesOut.InvoiceOutTrnID) " _
        & "INNER JOIN Codes ON Invoices.InvoiceCodeID = Codes.CodeID) " _
        & "INNER JOIN Customers ON Invoices.InvoicePersonID = Customers.ID) " _
        & "INNER JOIN Ships ON InvoicesOut.InvoiceOutShipID = Ships.ShipID) " _
        & "INNER JOIN PaymentTerms ON InvoicesOut.InvoiceOutPaymentTermID = PaymentTerms.PaymentTermID) " _
        & "INNER JOIN Destinations ON InvoicesOut.InvoiceOutDestinationID = Destinations.DestinationID) " _
        & "INNER JOIN TaxOffices ON Customers.TaxOfficeID = TaxOffices.TaxOfficeID) " _
        & "INNER JOIN YesOrNo ON Invoices.InvoiceIsActiveID = YesOrNo.YesOrNoID)"
        
    'InvoiceTrnID
    strThisParameter = "lngInvoiceTrnID long"
    strThisQuery = "Invoices.InvoiceTrnID = lngInvoiceTrnID"
    strLogic = " AND "
    GoSub UpdateSQLString
    arrQuery(intIndex) = lngTrnID

    Set TempQuery = CommonDB.CreateQueryDef("")
    
    strParameters = "PARAMETERS " & strParameters & "; "
    strParFields = "WHERE " & strParFields
    strSQL = strParameters & strSQL & strParFields
    TempQuery.SQL = strSQL & strOrder
    
    For intIndex = 1 To UBound(arrQuery)
        TempQuery.Parameters(intIndex - 1) = arrQuery(intIndex)
    Next intIndex
    
    Set rstRecordset = TempQuery.OpenRecordset()
    
    Set SeekRecord = rstRecordset
    
    Exit Function

UpdateSQLString:
    intIndex = intIndex + 1
    strParameters = IIf(intIndex > 1, strParameters & ", ", strParameters)
    strParFields = IIf(intIndex > 1, strParFields & strLogic, strParFields)
    strParameters = strParameters & strThisParameter
    strParFields = strParFields & strThisQuery
    ReDim Preserve arrQuery(intIndex)
    
    Return

End Function

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
        Case vbKeyP And CtrlDown And cmdButton(2).Enabled
            cmdButton_Click 2
        Case vbKeyF3 And cmdButton(3).Enabled, vbKeyD And CtrlDown And cmdButton(3).Enabled
            cmdButton_Click 3
        Case vbKeyF7 And cmdButton(4).Enabled, vbKeyF And CtrlDown And cmdButton(4).Enabled
            cmdButton_Click 4
        Case vbKeyEscape
            If cmdButton(5).Enabled Then cmdButton_Click 5: Exit Function
            If cmdButton(6).Enabled Then cmdButton_Click 6
        Case vbKeyF12 And CtrlDown
            ToggleInfoPanel Me
    End Select

End Function

Private Sub Form_Load()

    PositionControls Me, False
    ColorizeControls Me, False, False
    blnCancel = True
    ClearFields txtInvoiceID, txtInvoiceTrnID, txtInvoiceCodeID, txtInvoicePersonID, txtInvoiceDateIn, txtInvoiceOutDestinationID, txtInvoiceOutShipID, txtInvoiceOutPaymentTermID, txtCodeLastNo, txtCodeLastDate, txtCodePersonsPlusOrMinus, chkCodeHandID, txtShipRegistryNo, chkPaymentTermCreditID, txtInvoiceIsActiveID
    ClearFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, lblCodeDescription, lblCodeBatch, lblHand, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
    DisableFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskTotalPersonsWithTransfer, mskAdultsAmountWithTransfer, mskKidsAmountWithTransfer, mskTotalAmountWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer, mskTotalPersonsWithoutTransfer, mskAdultsAmountWithoutTransfer, mskKidsAmountWithoutTransfer, mskTotalAmountWithoutTransfer, mskTotalAdults, mskTotalKids, mskTotalFree, mskTotalPersons, mskAdultsAmountTotal, mskKidsAmountTotal, mskTotalPersons, mskTotalAmount, mskDirectAmount, txtRemarks, txtPaymentTermDescription, txtInvoiceIsActiveDescription
    DisableFields cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3), cmdIndex(4), cmdIndex(5), cmdIndex(6), cmdIndex(7), cmdIndex(8), cmdIndex(9), cmdIndex(10)
    UpdateButtons Me, 6, 1, 0, 0, 0, IIf(CheckForLoadedForm("InvoicesOutIndex"), 0, 1), 0, 1

End Sub

Private Sub mskAdultsAmountWithoutTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then AddAmounts

End Sub

Private Sub mskAdultsAmountWithTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then AddAmounts

End Sub

Private Sub mskAdultsWithoutTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskAdultsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithoutTransfer.text, 4), "#,##0.00")
        End If
        AddPersons
        AddAmounts
    End If

End Sub

Private Sub mskAdultsWithTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskAdultsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithTransfer.text, 2), "#,##0.00")
        End If
        AddPersons
        AddAmounts
    End If

End Sub

Private Sub mskDateIssue_Validate(Cancel As Boolean)

    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskAdultsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithTransfer.text, 2), "#,##0.00")
            mskKidsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithTransfer.text, 3), "#,##0.00")
            mskAdultsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithoutTransfer.text, 4), "#,##0.00")
            mskKidsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithoutTransfer.text, 5), "#,##0.00")
            AddAmounts
        End If
    End If

End Sub

Private Sub mskDateRefersTo_GotFocus()

    If mskDateIssue.text = "" Then
        ClearFields mskDateRefersTo
    End If

    If mskDateRefersTo.text = "" Then
        mskDateRefersTo.text = mskDateIssue.text
    End If

End Sub


Private Sub mskFreeWithoutTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then
        AddPersons
        AddAmounts
    End If

End Sub

Private Sub mskFreeWithTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then AddPersons

End Sub

Private Sub mskKidsAmountWithoutTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then AddAmounts

End Sub

Private Sub mskKidsAmountWithTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then AddAmounts
    
End Sub

Private Sub mskKidsWithoutTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskKidsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithoutTransfer.text, 5), "#,##0.00")
        End If
        AddPersons
        AddAmounts
    End If

End Sub

Private Sub mskKidsWithTransfer_Validate(Cancel As Boolean)

    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskKidsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithTransfer.text, 3), "#,##0.00")
        End If
        AddPersons
        AddAmounts
    End If

End Sub

Private Sub txtCodeShortDescriptionA_Change()

    If txtCodeShortDescriptionA.text = "" Then
        ClearFields txtInvoiceCodeID, lblCodeDescription, lblCodeBatch, lblHand, txtCodeLastDate, txtCodeLastNo, txtInvoiceNo, chkCodeHandID, txtCodePersonsPlusOrMinus
    End If
    
End Sub

Private Sub txtCodeShortDescriptionA_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 0
    If KeyCode = vbKeyF5 Then cmdIndex_Click 1

End Sub

Private Sub txtCodeShortDescriptionA_Validate(Cancel As Boolean)

    If txtInvoiceCodeID.text = "" And txtCodeShortDescriptionA.text <> "" Then cmdIndex_Click 0: If txtInvoiceCodeID.text = "" Then Cancel = True

End Sub

Private Sub txtInvoiceIsActiveDescription_Change()

    If txtInvoiceIsActiveDescription.text = "" Then
        ClearFields txtInvoiceIsActiveID
    End If

End Sub

Private Sub txtInvoiceIsActiveDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 10

End Sub


Private Sub txtInvoiceIsActiveDescription_Validate(Cancel As Boolean)

    If txtInvoiceIsActiveID.text = "" And txtInvoiceIsActiveDescription.text <> "" Then cmdIndex_Click 10: If txtInvoiceIsActiveID.text = "" Then Cancel = True
    
End Sub

Private Sub txtPaymentTermDescription_Change()

    If txtPaymentTermDescription.text = "" Then
        ClearFields txtInvoiceOutPaymentTermID, chkPaymentTermCreditID
    End If

End Sub

Private Sub txtPaymentTermDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 8
    If KeyCode = vbKeyF5 Then cmdIndex_Click 9

End Sub

Private Sub txtPaymentTermDescription_Validate(Cancel As Boolean)

    If txtInvoiceOutPaymentTermID.text = "" And txtPaymentTermDescription.text <> "" Then cmdIndex_Click 8: If txtInvoiceOutPaymentTermID.text = "" Then Cancel = True

End Sub

Private Sub txtShipDescription_Change()

    If txtShipDescription.text = "" Then
        txtInvoiceOutShipID.text = "0"
        ClearFields txtShipRegistryNo
    End If
    
End Sub

Private Sub txtShipDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 6
    If KeyCode = vbKeyF5 Then cmdIndex_Click 7

End Sub

Private Sub txtShipDescription_Validate(Cancel As Boolean)

    If txtInvoiceOutShipID.text = "0" And txtShipDescription.text <> "" Then cmdIndex_Click 6: If txtInvoiceOutShipID.text = "0" Then Cancel = True
    
End Sub

Private Sub txtCustomerDescription_Change()

    If txtCustomerDescription.text = "" Then
        ClearFields txtInvoicePersonID
    End If

End Sub

Private Sub txtCustomerDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 2
    If KeyCode = vbKeyF5 Then cmdIndex_Click 3
    
    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskAdultsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithTransfer.text, 2), "#,##0.00")
            mskKidsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithTransfer.text, 3), "#,##0.00")
            mskAdultsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithoutTransfer.text, 4), "#,##0.00")
            mskKidsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithoutTransfer.text, 5), "#,##0.00")
            AddAmounts
        End If
    End If

End Sub

Private Sub txtCustomerDescription_Validate(Cancel As Boolean)

    If txtInvoicePersonID.text = "" And txtCustomerDescription.text <> "" Then cmdIndex_Click 2: If txtInvoicePersonID.text = "" Then Cancel = True
    
    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskAdultsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithTransfer.text, 2), "#,##0.00")
            mskKidsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithTransfer.text, 3), "#,##0.00")
            mskAdultsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithoutTransfer.text, 4), "#,##0.00")
            mskKidsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithoutTransfer.text, 5), "#,##0.00")
            AddAmounts
        End If
    End If

End Sub

Private Sub txtDestinationDescription_Change()
                                                                
    If txtDestinationDescription.text = "" Then
        ClearFields txtInvoiceOutDestinationID
    End If

End Sub

Private Sub txtDestinationDescription_KeyDown(KeyCode As Integer, Shift As Integer)

    If KeyCode = vbKeyF2 Then cmdIndex_Click 4
    If KeyCode = vbKeyF5 Then cmdIndex_Click 5
    
    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskAdultsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithTransfer.text, 2), "#,##0.00")
            mskKidsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithTransfer.text, 3), "#,##0.00")
            mskAdultsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithoutTransfer.text, 4), "#,##0.00")
            mskKidsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithoutTransfer.text, 5), "#,##0.00")
            AddAmounts
        End If
    End If
    
End Sub

Private Sub txtDestinationDescription_Validate(Cancel As Boolean)

    If txtInvoiceOutDestinationID.text = "" And txtDestinationDescription.text <> "" Then cmdIndex_Click 4: If txtInvoiceOutDestinationID.text = "" Then Cancel = True
    
    If Not blnCancel Then
        If chkAgreement.Value = 0 Then
            mskAdultsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithTransfer.text, 2), "#,##0.00")
            mskKidsAmountWithTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithTransfer.text, 3), "#,##0.00")
            mskAdultsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskAdultsWithoutTransfer.text, 4), "#,##0.00")
            mskKidsAmountWithoutTransfer.text = format(CalculateExcursionCharges(txtInvoicePersonID.text, txtInvoiceOutDestinationID.text, mskDateIssue.text, mskKidsWithoutTransfer.text, 5), "#,##0.00")
            AddAmounts
        End If
    End If

End Sub

Private Function EnableOrDisableFields()

    'Temp use only!
    'If chkCodeHandID.Value = 1 Then
        EnableFields mskDateIssue, mskDateRefersTo, txtCodeShortDescriptionA, txtCodeLastNo, txtInvoiceNo, txtCustomerDescription, txtDestinationDescription, txtShipDescription, chkAgreement, _
            mskDirectAmount, _
            txtRemarks, _
            txtPaymentTermDescription, _
            txtInvoiceIsActiveDescription, _
            cmdIndex(0), cmdIndex(1), cmdIndex(2), cmdIndex(3), cmdIndex(4), cmdIndex(5), cmdIndex(6), cmdIndex(7), cmdIndex(8), cmdIndex(9), cmdIndex(10)
        If chkAgreement.Value = 1 Then EnableFields mskAdultsWithTransfer, mskKidsWithTransfer, mskFreeWithTransfer, mskAdultsWithoutTransfer, mskKidsWithoutTransfer, mskFreeWithoutTransfer
    'End If

End Function

Public Function ProcessSelectedInvoicesForPrinting(strInvoiceTrnID, whatToDo, arrInvoicesTrnID(), arrCustomerNames())

    Dim intLoop As Integer
    Dim rstRecordset As Recordset
    Dim printOrPDF As String
    
    printOrPDF = whatToDo
    
    If printOrPDF = "Print" Then
        If Not SelectPrinter("PrinterPrintsReports") Then Exit Function
        If Not PrinterExists(strPrinterName) Then Exit Function
    End If
    
    If strInvoiceTrnID <> "" Then
        ReDim arrInvoicesTrnID(0)
        arrInvoicesTrnID(0) = strInvoiceTrnID
    End If
    
    For intLoop = 0 To UBound(arrInvoicesTrnID)
        Set rstRecordset = SeekRecord(arrInvoicesTrnID(intLoop))
        If rstRecordset.RecordCount = 0 Then MyMsgBox 4, strApplicationName, strStandardMessages(9), 1: Exit Function
        ClearInvoiceFields
        UpdateInvoiceFieldsWithData rstRecordset
        PrintThisInvoice blnPreviewInvoices, printOrPDF, rstRecordset!InvoiceNo, arrCustomerNames(intLoop) 'False = Do not preview, True = Create PDF instead of print
    Next intLoop
    
    If printOrPDF = "PDF" Then MyMsgBox 1, strApplicationName, strStandardMessages(8), 1

End Function

