VERSION 5.00
Object = "{7D622DE6-0ABC-471E-9234-97DEC5E0A708}#3.2#0"; "sevCmd3.ocx"
Object = "{12E1BFF7-4980-11D3-98DA-00E0292B2A47}#4.10#0"; "sevList32.ocx"
Object = "{89CA3B53-D36C-483D-950E-C068E02FB78E}#2.41#0"; "sevEin20.ocx"
Begin VB.Form frmAuft 
   BorderStyle     =   4  'Festes Werkzeugfenster
   Caption         =   "Security Manager - Auftrag"
   ClientHeight    =   9918
   ClientLeft      =   54
   ClientTop       =   378
   ClientWidth     =   11826
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   9918
   ScaleWidth      =   11826
   ShowInTaskbar   =   0   'False
   StartUpPosition =   1  'Fenstermitte
   Begin VB.Frame grpZahl 
      Caption         =   "Zahlungsbedingung"
      BeginProperty Font 
         Name            =   "Century Gothic"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   738
      Left            =   144
      TabIndex        =   39
      Top             =   4608
      Width           =   11538
      Begin sevTextBox.sevText Zahl 
         Height          =   342
         Left            =   144
         TabIndex        =   40
         Top             =   288
         Width           =   10818
         _ExtentX        =   19081
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         MaxLength       =   255
         PopUpFloskel    =   0   'False
         Text            =   "Zahl"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText cmdZahl 
         Height          =   342
         Left            =   10944
         TabIndex        =   41
         Top             =   288
         Width           =   378
         _ExtentX        =   667
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         MaxLength       =   255
         PopUpFloskel    =   0   'False
         ShowButton      =   -1  'True
         Text            =   "Ver"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText ZahlId 
         Height          =   342
         Left            =   144
         TabIndex        =   42
         TabStop         =   0   'False
         Top             =   288
         Visible         =   0   'False
         Width           =   738
         _ExtentX        =   1302
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         Format          =   4
         MaxLength       =   10
         PopUpFloskel    =   0   'False
         Text            =   ""
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
   End
   Begin VB.Frame grpKopf 
      Caption         =   "Kopf"
      BeginProperty Font 
         Name            =   "Century Gothic"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   4482
      Left            =   144
      TabIndex        =   6
      Top             =   144
      Width           =   11538
      Begin sevListBox.roListBox lstZeit 
         Height          =   1170
         Left            =   144
         TabIndex        =   7
         TabStop         =   0   'False
         Top             =   1728
         Width           =   7362
         _ExtentX        =   12985
         _ExtentY        =   2064
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BackColor       =   -2147483643
         ForeColor       =   -2147483640
         Enabled         =   0   'False
         HideColumnHeaders=   -1  'True
         ColumnCount     =   1
         ColText1        =   "Zeit"
         ColWidth1       =   7296
         MustUpdate      =   -1  'True
      End
      Begin sevTextBox.sevText Ver 
         Height          =   342
         Left            =   1728
         TabIndex        =   8
         Top             =   864
         Width           =   4194
         _ExtentX        =   7398
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         MaxLength       =   255
         PopUpFloskel    =   0   'False
         Text            =   "Ver"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText Kd 
         Height          =   342
         Left            =   2304
         TabIndex        =   9
         TabStop         =   0   'False
         Top             =   3168
         Width           =   3906
         _ExtentX        =   6889
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         MaxLength       =   255
         PopUpFloskel    =   0   'False
         Text            =   "Kd"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText VerAnm 
         Height          =   2070
         Left            =   7632
         TabIndex        =   10
         TabStop         =   0   'False
         Top             =   864
         Width           =   3762
         _ExtentX        =   6636
         _ExtentY        =   3652
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   -1  'True
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         MultiLine       =   -1  'True
         PopUpFloskel    =   0   'False
         Text            =   "VerAnm"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   3
         Left            =   144
         TabIndex        =   11
         Top             =   864
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Veranstaltung:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   5
         Left            =   144
         TabIndex        =   12
         Top             =   3168
         Width           =   2178
         _ExtentX        =   3841
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Veranstalter/Kunde:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   6
         Left            =   6336
         TabIndex        =   13
         Top             =   864
         Width           =   1314
         _ExtentX        =   2317
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   -1  'True
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Anmerkung:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText kdAnsch 
         Height          =   342
         Left            =   2304
         TabIndex        =   14
         TabStop         =   0   'False
         Top             =   3600
         Width           =   5202
         _ExtentX        =   9175
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         MaxLength       =   255
         PopUpFloskel    =   0   'False
         Text            =   "KdAnsch"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   4
         Left            =   144
         TabIndex        =   15
         Top             =   3600
         Width           =   2178
         _ExtentX        =   3841
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Anschrift:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText SP 
         Height          =   342
         Left            =   1728
         TabIndex        =   16
         TabStop         =   0   'False
         Top             =   1296
         Width           =   5778
         _ExtentX        =   10192
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         MaxLength       =   255
         PopUpFloskel    =   0   'False
         Text            =   "SP"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   7
         Left            =   144
         TabIndex        =   17
         Top             =   1296
         Width           =   2178
         _ExtentX        =   3841
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Schauplatz:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText KdAnm 
         Height          =   1206
         Left            =   7632
         TabIndex        =   18
         TabStop         =   0   'False
         Top             =   3168
         Width           =   3762
         _ExtentX        =   6636
         _ExtentY        =   2128
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   -1  'True
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         MultiLine       =   -1  'True
         PopUpFloskel    =   0   'False
         Text            =   "KdAnm"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   8
         Left            =   6336
         TabIndex        =   19
         Top             =   3168
         Width           =   1314
         _ExtentX        =   2317
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   -1  'True
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Anmerkung:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText PLZOrt 
         Height          =   342
         Left            =   2304
         TabIndex        =   20
         TabStop         =   0   'False
         Top             =   4032
         Width           =   5202
         _ExtentX        =   9175
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         MaxLength       =   255
         PopUpFloskel    =   0   'False
         Text            =   "PLZOrt"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   9
         Left            =   144
         TabIndex        =   21
         Top             =   4032
         Width           =   2178
         _ExtentX        =   3841
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "PLZ/Ort:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText VerId 
         Height          =   342
         Left            =   1728
         TabIndex        =   22
         TabStop         =   0   'False
         Top             =   864
         Visible         =   0   'False
         Width           =   738
         _ExtentX        =   1302
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         Format          =   4
         MaxLength       =   10
         PopUpFloskel    =   0   'False
         Text            =   ""
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText cmdVer 
         Height          =   342
         Left            =   5904
         TabIndex        =   0
         Top             =   864
         Width           =   384
         _ExtentX        =   667
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         MaxLength       =   255
         PopUpFloskel    =   0   'False
         ShowButton      =   -1  'True
         Text            =   "Ver"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText ANNr 
         Height          =   342
         Left            =   1440
         TabIndex        =   23
         TabStop         =   0   'False
         Top             =   288
         Visible         =   0   'False
         Width           =   450
         _ExtentX        =   793
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   2
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         PopUpFloskel    =   0   'False
         Text            =   "AUNR"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText Stat 
         Height          =   342
         Left            =   5904
         TabIndex        =   43
         TabStop         =   0   'False
         Top             =   288
         Width           =   1602
         _ExtentX        =   2826
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   2
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         PopUpFloskel    =   0   'False
         Text            =   "Stat"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   16
         Left            =   5184
         TabIndex        =   44
         Top             =   288
         Width           =   882
         _ExtentX        =   1555
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Status:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText sum 
         Height          =   342
         Left            =   8496
         TabIndex        =   45
         TabStop         =   0   'False
         Top             =   288
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         Format          =   1
         MaxLength       =   15
         PopUpFloskel    =   0   'False
         Text            =   "0,00 €"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   17
         Left            =   7632
         TabIndex        =   46
         Top             =   288
         Width           =   882
         _ExtentX        =   1555
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Netto:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText Ust 
         Height          =   342
         Left            =   10224
         TabIndex        =   47
         TabStop         =   0   'False
         Top             =   288
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         Format          =   1
         MaxLength       =   15
         PopUpFloskel    =   0   'False
         Text            =   "0,00 €"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   19
         Left            =   9792
         TabIndex        =   48
         Top             =   288
         Width           =   450
         _ExtentX        =   793
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Ust:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   49
         Top             =   288
         Width           =   1314
         _ExtentX        =   2317
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Angebotsnr:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText AUNR 
         Height          =   342
         Left            =   1440
         TabIndex        =   50
         TabStop         =   0   'False
         Top             =   288
         Width           =   1458
         _ExtentX        =   2572
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   2
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         PopUpFloskel    =   0   'False
         Text            =   "ANNR"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText AuDat 
         Height          =   342
         Left            =   3888
         TabIndex        =   51
         TabStop         =   0   'False
         Top             =   288
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   2
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         Format          =   2
         MaxLength       =   10
         PopUpFloskel    =   0   'False
         Text            =   ""
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   1
         Left            =   3024
         TabIndex        =   52
         Top             =   288
         Width           =   882
         _ExtentX        =   1555
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Datum:"
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin VB.Line Line1 
         Index           =   0
         X1              =   144
         X2              =   11376
         Y1              =   720
         Y2              =   720
      End
      Begin VB.Line Line1 
         Index           =   1
         X1              =   144
         X2              =   11376
         Y1              =   3024
         Y2              =   3024
      End
   End
   Begin VB.Frame grpZeile 
      Caption         =   "Zeilen"
      BeginProperty Font 
         Name            =   "Century Gothic"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   3762
      Left            =   144
      TabIndex        =   5
      Top             =   5472
      Width           =   11538
      Begin sevCommand3.Command cmdHinz 
         Height          =   306
         Left            =   10944
         TabIndex        =   1
         Top             =   576
         Width           =   306
         _ExtentX        =   540
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty MenuFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BackColorDisabled=   16053492
         BackColorFrom   =   15461355
         BackColorTo     =   14145495
         BackColorCheckedFrom=   14145495
         BackColorCheckedTo=   15461355
         BackColorDownFrom=   14145495
         BackColorDownTo =   15461355
         BackColorHoverFrom=   16577247
         BackColorHoverTo=   16309675
         BorderColor     =   9408398
         BorderColorDisabled=   11907757
         BorderColorFocus=   16698372
         BorderColorHover=   11632444
         MenuBackColor   =   16119285
         MenuBackColorChecked=   16380124
         MenuBackColorHover=   16380124
         MenuBorderColor =   14472646
         MenuCheckMarkColorFrom=   15856113
         MenuCheckMarkColorTo=   15856113
         MenuForeColor   =   -2147483640
         MenuForeColorHover=   -2147483640
         MenuStyle       =   5
         BorderStyle     =   2
         ButtonStyle     =   5
         Caption         =   ""
         Image           =   6606
         UseDefaultMaskColor=   -1  'True
         Version3        =   -1  'True
      End
      Begin sevListBox.roListBox lstArt 
         Height          =   2610
         Left            =   144
         TabIndex        =   24
         Top             =   1008
         Width           =   10818
         _ExtentX        =   19081
         _ExtentY        =   4603
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BackColor       =   -2147483643
         ForeColor       =   -2147483640
         GridLines       =   -1  'True
         Sorted          =   -1  'True
         ColumnCount     =   7
         ColText1        =   "ArtNr"
         ColWidth1       =   720
         ColText2        =   "Bezeichnung"
         ColWidth2       =   4200
         ColText3        =   "Einheit"
         ColWidth3       =   1320
         ColText4        =   "Einzelpreis"
         ColWidth4       =   1200
         ColAlignment4   =   1
         ColText5        =   "Anzahl"
         ColWidth5       =   960
         ColText6        =   "Gesamt"
         ColWidth6       =   1200
         ColAlignment6   =   1
         ColText7        =   "Ust"
         ColWidth7       =   1080
         MustUpdate      =   -1  'True
      End
      Begin sevTextBox.sevText ArtId 
         Height          =   342
         Left            =   162
         TabIndex        =   25
         Top             =   576
         Width           =   738
         _ExtentX        =   1302
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         PopUpFloskel    =   0   'False
         Text            =   "ArtId"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText Bez 
         Height          =   342
         Left            =   882
         TabIndex        =   26
         Top             =   576
         Width           =   4320
         _ExtentX        =   7620
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         PopUpFloskel    =   0   'False
         Text            =   "Bez"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText Einh 
         Height          =   342
         Left            =   5184
         TabIndex        =   27
         TabStop         =   0   'False
         Top             =   576
         Width           =   1314
         _ExtentX        =   2317
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         PopUpFloskel    =   0   'False
         Text            =   "Einh"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText EPreis 
         Height          =   342
         Left            =   6480
         TabIndex        =   28
         Top             =   576
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Format          =   1
         MaxLength       =   15
         PopUpFloskel    =   0   'False
         Text            =   "0,00 €"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText Anzahl 
         Height          =   342
         Left            =   7632
         TabIndex        =   29
         Top             =   576
         Width           =   1026
         _ExtentX        =   1810
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Format          =   1
         MaxLength       =   15
         PopUpFloskel    =   0   'False
         Text            =   "1,00"
         Währung         =   ""
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevTextBox.sevText GPreis 
         Height          =   342
         Left            =   8640
         TabIndex        =   30
         Top             =   576
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         Format          =   1
         MaxLength       =   15
         PopUpFloskel    =   0   'False
         Text            =   "0,00 €"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   10
         Left            =   144
         TabIndex        =   31
         Top             =   288
         Width           =   738
         _ExtentX        =   1302
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "ArtNr"
         Alignment       =   2
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   11
         Left            =   864
         TabIndex        =   32
         Top             =   288
         Width           =   4338
         _ExtentX        =   7651
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Bezeichnung"
         Alignment       =   2
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   13
         Left            =   5184
         TabIndex        =   33
         Top             =   288
         Width           =   1314
         _ExtentX        =   2317
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Einheit"
         Alignment       =   2
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   12
         Left            =   6480
         TabIndex        =   34
         Top             =   288
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Einzelpreis"
         Alignment       =   2
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   14
         Left            =   7632
         TabIndex        =   35
         Top             =   288
         Width           =   1026
         _ExtentX        =   1810
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Anzahl"
         Alignment       =   2
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   15
         Left            =   8640
         TabIndex        =   36
         Top             =   288
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Gesamt"
         Alignment       =   2
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText UstBetrag 
         Height          =   342
         Left            =   9792
         TabIndex        =   37
         Top             =   576
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         Format          =   1
         MaxLength       =   15
         PopUpFloskel    =   0   'False
         Text            =   "0,00 €"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
      Begin sevCommand3.roLabel roLabel1 
         Height          =   306
         Index           =   18
         Left            =   9792
         TabIndex        =   38
         Top             =   288
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   540
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   0
         Caption         =   "Ust"
         Alignment       =   2
         GradiantStyle   =   0
         ForeColorOnMouseMove=   0
         Version3        =   -1  'True
      End
      Begin sevTextBox.sevText UstSatz 
         Height          =   342
         Left            =   9792
         TabIndex        =   53
         Top             =   576
         Visible         =   0   'False
         Width           =   1170
         _ExtentX        =   2064
         _ExtentY        =   604
         VBA             =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty CaptionFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         BeginProperty UnitDescrFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Century Gothic"
            Size            =   9.9
            Charset         =   0
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Alignment       =   1
         BorderColor     =   12164479
         BorderStyle     =   3
         BtnBackColor    =   16633531
         BtnBackColorDown=   15968390
         CheckMarkColor  =   2203937
         Enabled         =   0   'False
         Format          =   1
         MaxLength       =   15
         PopUpFloskel    =   0   'False
         Text            =   "0,00 €"
         WheelMouse      =   0   'False
         Show            =   -1  'True
      End
   End
   Begin sevCommand3.Command cmdSpeichern 
      Height          =   450
      Left            =   144
      TabIndex        =   2
      Top             =   9360
      Width           =   2394
      _ExtentX        =   4223
      _ExtentY        =   793
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Century Gothic"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty MenuFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BackColorDisabled=   16053492
      BackColorFrom   =   15461355
      BackColorTo     =   14145495
      BackColorCheckedFrom=   14145495
      BackColorCheckedTo=   15461355
      BackColorDownFrom=   14145495
      BackColorDownTo =   15461355
      BackColorHoverFrom=   16577247
      BackColorHoverTo=   16309675
      BorderColor     =   9408398
      BorderColorDisabled=   11907757
      BorderColorFocus=   16698372
      BorderColorHover=   11632444
      MenuBackColor   =   16119285
      MenuBackColorChecked=   16380124
      MenuBackColorHover=   16380124
      MenuBorderColor =   14472646
      MenuCheckMarkColorFrom=   15856113
      MenuCheckMarkColorTo=   15856113
      MenuForeColor   =   -2147483640
      MenuForeColorHover=   -2147483640
      MenuStyle       =   5
      BorderStyle     =   2
      ButtonStyle     =   5
      Caption         =   "&Speichern"
      Filename        =   "Z:\DEV\SecMan\Icons\UserAdd.ico"
      Image           =   6122
      UseDefaultMaskColor=   -1  'True
      Version3        =   -1  'True
   End
   Begin sevCommand3.Command cmdEnde 
      Height          =   450
      Left            =   9216
      TabIndex        =   4
      Top             =   9360
      Width           =   2394
      _ExtentX        =   4223
      _ExtentY        =   793
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Century Gothic"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty MenuFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BackColorDisabled=   16053492
      BackColorFrom   =   15461355
      BackColorTo     =   14145495
      BackColorCheckedFrom=   14145495
      BackColorCheckedTo=   15461355
      BackColorDownFrom=   14145495
      BackColorDownTo =   15461355
      BackColorHoverFrom=   16577247
      BackColorHoverTo=   16309675
      BorderColor     =   9408398
      BorderColorDisabled=   11907757
      BorderColorFocus=   16698372
      BorderColorHover=   11632444
      MenuBackColor   =   16119285
      MenuBackColorChecked=   16380124
      MenuBackColorHover=   16380124
      MenuBorderColor =   14472646
      MenuCheckMarkColorFrom=   15856113
      MenuCheckMarkColorTo=   15856113
      MenuForeColor   =   -2147483640
      MenuForeColorHover=   -2147483640
      MenuStyle       =   5
      BorderStyle     =   2
      ButtonStyle     =   5
      Caption         =   "B&eenden"
      Image           =   6953
      UseDefaultMaskColor=   -1  'True
      Version3        =   -1  'True
   End
   Begin sevCommand3.Command cmdDruck 
      Height          =   450
      Left            =   2736
      TabIndex        =   3
      Top             =   9360
      Width           =   2394
      _ExtentX        =   4223
      _ExtentY        =   793
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Century Gothic"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty MenuFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BackColorDisabled=   16053492
      BackColorFrom   =   15461355
      BackColorTo     =   14145495
      BackColorCheckedFrom=   14145495
      BackColorCheckedTo=   15461355
      BackColorDownFrom=   14145495
      BackColorDownTo =   15461355
      BackColorHoverFrom=   16577247
      BackColorHoverTo=   16309675
      BorderColor     =   9408398
      BorderColorDisabled=   11907757
      BorderColorFocus=   16698372
      BorderColorHover=   11632444
      MenuBackColor   =   16119285
      MenuBackColorChecked=   16380124
      MenuBackColorHover=   16380124
      MenuBorderColor =   14472646
      MenuCheckMarkColorFrom=   15856113
      MenuCheckMarkColorTo=   15856113
      MenuForeColor   =   -2147483640
      MenuForeColorHover=   -2147483640
      MenuStyle       =   5
      BorderStyle     =   2
      ButtonStyle     =   5
      Caption         =   "&Drucken"
      Filename        =   "Z:\DEV\SecMan\Icons\UserAdd.ico"
      Image           =   6506
      UseDefaultMaskColor=   -1  'True
      Version3        =   -1  'True
   End
End
Attribute VB_Name = "frmAuft"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False


Private Sub cmdZahl_ButtonClick(bCancel As Boolean)
frmDokZahl.Show
End Sub

Private Sub Form_Load()
Dim strEinh As String
'Alle Felder leeren
AnDat = ""
AnStat = ""
AnWert = ""
Ver.Text = ""
SP.Text = ""
VerAnm.Text = ""
Kd.Text = ""
kdAnsch.Text = ""
PLZOrt.Text = ""
KdAnm.Text = ""
Zahl.Text = ""
ArtId.Text = ""
Bez.Text = ""
Einh.Text = ""
EPreis.Text = ""
Anzahl.Text = ""
GPreis.Text = ""

'Aufruf für neuen Auftrag
If Aufruf = 21 Then
  'Auftragsnummer initialisieren, Nummer wird jedoch erst beim Speichern erhöht und in Tabelle AU eingetragen
  Set RS = DBSecMan.OpenRecordset("select * from NR where NrId='AU'")

    'Nummer aus NrId und Nummer zusamensetzen (Bsp. AU0001)
    AUNr.Text = RS("NrId").Value & RS("Nummer").Value

    RS.Close

    'aktuelles Datum verwenden
    AuDat.Text = Date
    Stat.Text = "Neu"

'Aufruf für bestehenden Auftrag
ElseIf Aufruf = 22 Then
    cmdVer.Visible = False
    cmdZahl.Visible = False
    'Eintragen der Kopfinformationen
    AUNr.Text = RS("AUNr").Value
    AuDat.Text = RS("Dat").Value
  'Eintragen des Status
  If RS("Stat").Value = 0 Then
      Stat.Text = "Gespeichert"
  ElseIf RS("Stat").Value = 1 Then
      Stat.Text = "Gedruck"
  Else
      Stat.Text = "Abgeschlossen"
  End If
  
    Sum.Text = RS("Wert").Value
    Ust.Text = RS("UstWert").Value
    ZahlId.Text = RS("ZahlId").Value
    VerId.Text = RS("VerId").Value
    
    'Abfrage nach VerAUstalter und Kunde
    strSQL = "SELECT VER.VName, VER.SP, VER.Anm, KD.Anr, KD.VName, KD.NName, KD.Adr, KD.PLZ, KD.Ort, KD.Anm FROM VER INNER JOIN KD ON VER.KdId = KD.KdId WHERE (((VER.VerId)=" & VerId.Text & "))"
  'Recordset öffnen
  Set RS = DBSecMan.OpenRecordset(strSQL)
    
    'VerAUstalterdaten einfügen
    Ver.Text = VerId.Text & " - " & RS("VER.VName").Value
    SP.Text = RS("SP").Value
    VerAnm.Text = RS("VER.Anm").Value
    
    'Kundendaten einfügen
    Kd.Text = RS("Anr").Value & " " & RS("KD.VName").Value & " " & RS("NName").Value
    kdAnsch.Text = RS("Adr").Value
    PLZOrt.Text = RS("PLZ").Value & " " & RS("Ort").Value
    KdAnm.Text = RS("KD.Anm").Value
    
    'Zahlungsbedingung einfügen
    strSQL = "Select * from Zahl where ZahlId=" & ZahlId.Text
    Set RS = DBSecMan.OpenRecordset(strSQL)
    Zahl.Text = RS("ZahlId").Value & " - " & RS("Bez").Value
    
    'Abfrage nach VerAUstaltungszeiten
    strSQL = "Select * from VERZeit where VerId=" & VerId.Text
  'Recordset öffnen
  Set RS = DBSecMan.OpenRecordset(strSQL)
  
  'Abfrage ob Datensätze vorhAnden sind
  If Not RS.BOF And Not RS.EOF Then
      'lstZeit leeren
      lstZeit.Clear
      'Wird verwendet um die Datensätze zählen zu lassen und die Funktion RecordCount verwenden zu können
      RS.MoveLast
      RS.MoveFirst
  'Schleife zum Befüllen der Liste
    For i = 1 To RS.RecordCount
      'Befehl zum hinzufügen von Datensätzen
      lstZeit.AddItem i, RS("Begdat").Value & " " & RS("Begzeit").Value & " - " & RS("Enddat").Value & " " & RS("EndZeit").Value
      'Nächster Datensatz
      RS.MoveNext
      'Liste aktualisieren
      lstZeit.Refresh
    Next i
    
  lstZeit.DeSelectAll
  End If
  
    strSQL = "SELECT Z.ArtId, Z.Bez, ART.Einh, Z.EPreis, Z.anzahl, Z.GPreis, Z.UstBetrag FROM ART INNER JOIN Z ON ART.ArtId = Z.ArtId WHERE (((Z.DokId)='" & AUNr.Text & "'))"
  Set RS = DBSecMan.OpenRecordset(strSQL)
  
  'Abfrage ob Datensätze vorhAnden sind
  If Not RS.BOF And Not RS.EOF Then
      'lstArt leeren
      lstArt.Clear
      'Wird verwendet um die Datensätze zählen zu lassen und die Funktion RecordCount verwenden zu können
      RS.MoveLast
      RS.MoveFirst
    'Schleife zum Befüllen der Liste
    For i = 1 To RS.RecordCount
    
      'Ermitteln der Einheit
      Select Case RS("Einh").Value
       Case "0"
        strEinh = "Stunde"
       Case "1"
        strEinh = "Pauschal"
       Case "2"
        strEinh = "Stück"
      End Select
      'Befehl zum hinzufügen von Datensätzen
      lstArt.AddItem i, RS("ArtId").Value & vbTab & _
                        RS("Bez").Value & vbTab & _
                        strEinh & vbTab & _
                        FormatCurrency(RS("EPreis").Value, 2, vbTrue, vbFalse, vbTrue) & vbTab & _
                        RS("Anzahl").Value & vbTab & _
                        FormatCurrency(RS("GPreis").Value, 2, vbTrue, vbFalse, vbTrue) & vbTab & _
                        FormatCurrency(RS("UstBetrag").Value, 2, vbTrue, vbFalse, vbTrue)
      'Nächster Datensatz
      RS.MoveNext
      'Liste aktualisieren
      lstArt.Refresh
    Next i
    
  lstArt.DeSelectAll
  End If

'Aufruf für Überleitung
ElseIf Aufruf = 23 Then
    cmdVer.Visible = False
    'Angebotsnummer einfügen (Feld ANNr.visible = FALSE)
    ANNr.Text = RS("ANNr").Value
    
    'aktuelles Datum verwenden
    AuDat.Text = Date
    Stat.Text = "Neu"
    Sum.Text = RS("Wert").Value
    VerId.Text = RS("VerId").Value
    ZahlId.Text = RS("ZahlId").Value
    Ust.Text = RS("UstWert").Value

    'Abfrage nach VerAUstalter und Kunde
    strSQL = "SELECT VER.VName, VER.SP, VER.Anm, KD.Anr, KD.VName, KD.NName, KD.Adr, KD.PLZ, KD.Ort, KD.Anm FROM VER INNER JOIN KD ON VER.KdId = KD.KdId WHERE (((VER.VerId)=" & VerId.Text & "))"
  'Recordset öffnen
  Set RS = DBSecMan.OpenRecordset(strSQL)
    
    'VerAUstalterdaten einfügen
    Ver.Text = VerId.Text & " - " & RS("VER.VName").Value
    SP.Text = RS("SP").Value
    VerAnm.Text = RS("VER.Anm").Value
    
    'Kundendaten einfügen
    Kd.Text = RS("Anr").Value & " " & RS("KD.VName").Value & " " & RS("NName").Value
    kdAnsch.Text = RS("Adr").Value
    PLZOrt.Text = RS("PLZ").Value & " " & RS("Ort").Value
    KdAnm.Text = RS("KD.Anm").Value
    
    'Zahlungsbedingung einfügen
    strSQL = "Select * from Zahl where ZahlId=" & ZahlId.Text
    Set RS = DBSecMan.OpenRecordset(strSQL)
    Zahl.Text = RS("ZahlId").Value & " - " & RS("Bez").Value
        
    'Abfrage nach VerAUstaltungszeiten
    strSQL = "Select * from VERZeit where VerId=" & VerId.Text
  'Recordset öffnen
  Set RS = DBSecMan.OpenRecordset(strSQL)
  
  'Abfrage ob Datensätze vorhAnden sind
  If Not RS.BOF And Not RS.EOF Then
      'lstZeit leeren
      lstZeit.Clear
      'Wird verwendet um die Datensätze zählen zu lassen und die Funktion RecordCount verwenden zu können
      RS.MoveLast
      RS.MoveFirst
  'Schleife zum Befüllen der Liste
    For i = 1 To RS.RecordCount
      'Befehl zum hinzufügen von Datensätzen
      lstZeit.AddItem i, RS("Begdat").Value & " " & RS("Begzeit").Value & " - " & RS("Enddat").Value & " " & RS("EndZeit").Value
      'Nächster Datensatz
      RS.MoveNext
      'Liste aktualisieren
      lstZeit.Refresh
    Next i
    
  lstZeit.DeSelectAll
  End If
  
    strSQL = "SELECT Z.ArtId, Z.Bez, ART.Einh, Z.EPreis, Z.anzahl, Z.GPreis, Z.UstBetrag FROM ART INNER JOIN Z ON ART.ArtId = Z.ArtId WHERE (((Z.DokId)='" & ANNr.Text & "'))"
  Set RS = DBSecMan.OpenRecordset(strSQL)
  
  'Abfrage ob Datensätze vorhAnden sind
  If Not RS.BOF And Not RS.EOF Then
      'lstArt leeren
      lstArt.Clear
      'Wird verwendet um die Datensätze zählen zu lassen und die Funktion RecordCount verwenden zu können
      RS.MoveLast
      RS.MoveFirst
    'Schleife zum Befüllen der Liste
    For i = 1 To RS.RecordCount
    
      'Ermitteln der Einheit
      Select Case RS("Einh").Value
       Case "0"
        strEinh = "Stunde"
       Case "1"
        strEinh = "Pauschal"
       Case "2"
        strEinh = "Stück"
      End Select
      'Befehl zum hinzufügen von Datensätzen
      lstArt.AddItem i, RS("ArtId").Value & vbTab & _
                        RS("Bez").Value & vbTab & _
                        strEinh & vbTab & _
                        FormatCurrency(RS("EPreis").Value, 2, vbTrue, vbFalse, vbTrue) & vbTab & _
                        RS("anzahl").Value & vbTab & _
                        FormatCurrency(RS("GPreis").Value, 2, vbTrue, vbFalse, vbTrue) & vbTab & _
                        FormatCurrency(RS("UstBetrag").Value, 2, vbTrue, vbFalse, vbTrue)
      'Nächster Datensatz
      RS.MoveNext
      'Liste aktualisieren
      lstArt.Refresh
    Next i
    
  lstArt.DeSelectAll
  End If

'Auftragsnummer initialisieren, Nummer wird jedoch erst beim Speichern erhöht und in Tabelle AU eingetragen
  Set RS = DBSecMan.OpenRecordset("select * from NR where NrId='AU'")

'Nummer aus NrId und Nummer zusamensetzen (Bsp. AU0001)
AUNr.Text = RS("NrId").Value & RS("Nummer").Value

RS.Close

End If

'Prüfen ob Auftrag bereits in Rechnungübergeleitet wurde
If Stat.Text = "Abgeschlossen" Then
    MsgBox "Aus diesem Auftrug wurde bereits eine Rechnung generiert," & vbCrLf & _
           "Nur noch Drucken möglich", vbInformation + vbOKOnly, "Auftrag bereits abgeschlossen"
    cmdZahl.Visible = False
    ArtId.Enabled = False
    Bez.Enabled = False
    EPreis.Enabled = False
    Anzahl.Enabled = False
    cmdHinz.Enabled = False
    lstArt.Enabled = False
    cmdSpeichern.Enabled = False
End If

End Sub

Private Sub cmdVer_ButtonClick(bCancel As Boolean)
frmDokVer.Show

End Sub

Private Sub ArtId_LostFocus()
Dim strEinh As String
If Not ArtId.Text = "" Then
  'Tabelle ART öffnen und eingegebenen Artikel zurückgeben
  Set RS = DBSecMan.OpenRecordset("select * from ART where ArtId=" & ArtId.Text)
    
    'Prüfung ob Artikel vorhAnden
  If Not RS.BOF And Not RS.EOF Then
    'Select zum Einheit ermitteln
    Select Case RS("Einh").Value
      Case "0"
        strEinh = "Stunde"
      Case "1"
        strEinh = "Pauschal"
      Case "2"
        strEinh = "Stück"
    End Select

        Bez.Text = RS("Bez").Value
        Einh.Text = strEinh
        EPreis.Text = RS("Preis").Value
        UstSatz.Text = RS("Ust").Value
        Bez.SetFocus
    Else
        'Wenn nicht vorhAnden Eingabe entfernen und Text ändern
        ArtId = ""
        Bez.Text = "Artikel nicht vorhAnden"
        Bez.Text = ""
        Einh.Text = ""
        EPreis.Text = ""
        Anzahl.Text = ""
        GPreis.Text = ""
        Ust.Text = ""
        UstBetrag.Text = ""
        ArtId.SetFocus
    End If
Else
    Bez.Text = ""
    Einh.Text = ""
    EPreis.Text = ""
    Anzahl.Text = ""
    GPreis.Text = ""
End If

End Sub

Private Sub EPreis_LostFocus()
If Not Anzahl = "" Then
    'Gesamtpreis berechnen
    GPreis.Text = CCur(EPreis.Text) * CCur(Anzahl.Text)
    UstBetrag.Text = CCur(GPreis.Text) / 100 * UstSatz.Text
Else
    'Focus auf Feld anzahl setzen
    Anzahl.SetFocus
End If

End Sub

Private Sub anzahl_LostFocus()
If Not Anzahl = "" Then
    'Gesamtpreis berechnen
    GPreis.Text = CCur(EPreis.Text) * CCur(Anzahl.Text)
    UstBetrag.Text = CCur(GPreis.Text) / 100 * UstSatz.Text
End If

End Sub

Private Sub cmdHinz_Click()
'Error Handling
On Error GoTo ErrHinz

'Abfrage ob Werte zum Hinzufügen vorhanden sind
If Not ArtId.Text = "" And Not Einh.Text = "" And Not EPreis.Text = "" And Not Anzahl.Text = "" And Not GPreis.Text = "" Then
    'Falls Feld Bez leer ist wird die Standardbezeichnung des Artikels verwendet
    If Bez.Text = "" Then
        'Befehl zum Hinzufügen von Daten
        lstArt.AddItem , ArtId.Text & vbTab & _
                       RS("Bez").Value & vbTab & _
                       Einh.Text & vbTab & _
                       FormatCurrency(EPreis.Text, 2, vbTrue, vbFalse, vbTrue) & vbTab & _
                       Anzahl.Text & vbTab & _
                       FormatCurrency(GPreis.Text, 2, vbTrue, vbFalse, vbTrue) & vbTab & _
                       FormatCurrency(UstBetrag.Text, 2, vbTrue, vbFalse, vbTrue)
        'lstArt aktualisieren
        lstArt.Refresh
        
        'Gesamtsumme berechnen
        Sum.Text = CCur(Sum.Text) + CCur(GPreis.Text)
        Ust.Text = CCur(Ust.Text) + CCur(UstBetrag.Text)
    Else
        'Befehl zum Hinzufügen von Daten
        lstArt.AddItem , ArtId.Text & vbTab & _
                       Bez.Text & vbTab & _
                       Einh.Text & vbTab & _
                       FormatCurrency(EPreis.Text, 2, vbTrue, vbFalse, vbTrue) & vbTab & _
                       Anzahl.Text & vbTab & _
                       FormatCurrency(GPreis.Text, 2, vbTrue, vbFalse, vbTrue) & vbTab & _
                       FormatCurrency(UstBetrag.Text, 2, vbTrue, vbFalse, vbTrue)
        'lstArt aktualisieren
        lstArt.Refresh
        
        'Gesamtsumme berechnen
        Sum.Text = CCur(Sum.Text) + CCur(GPreis.Text)
        Ust.Text = CCur(Ust.Text) + CCur(UstBetrag.Text)
    End If
End If

ArtId = ""
Bez.Text = ""
Bez.Text = ""
Einh.Text = ""
EPreis.Text = ""
Anzahl.Text = ""
GPreis.Text = ""
UstBetrag.Text = ""
UstSatz.Text = ""
ArtId.SetFocus

Exit Sub

'Error Handling
ErrHinz:
'Artikel bereits vorhanden
If Err.Number = 35602 Then
    MsgBox "Artikel bereits vorhanden", vbOKOnly + vbInformation, "Hinweis"
    ArtId.Text = ""
    Bez.Text = ""
    Einh.Text = ""
    EPreis.Text = ""
    Anzahl.Text = ""
    GPreis.Text = ""
    UstBetrag.Text = ""
    UstSatz.Text = ""
    ArtId.SetFocus
Else
    MsgBox Err.Source & vbcrld & Err.Description, vbOKOnly + vbInformation, "Fehler: " & Err.Number
End If

End Sub

Private Sub lstArt_DblClick()
'Gesatmsumme berechnen
Sum.Text = CCur(Sum.Text) - CCur(lstArt.SubItems(lstArt.ListIndex, 6))
Ust.Text = CCur(Ust.Text) - CCur(lstArt.SubItems(lstArt.ListIndex, 7))
'Zeile aus Liste entfernen
lstArt.RemoveItem (lstArt.ListIndex)

End Sub

Private Sub cmdSpeichern_Click()
AUSpeichern (0)

End Sub

Private Sub cmdDruck_Click()
If Not Stat.Text = "Abgeschlossen" Then AUSpeichern (1)
frmDruck.Show
frmDruck.Refresh
Druck.DokDruck "AU", AUNr.Text
Unload Me

End Sub

Private Sub AUSpeichern(Status As Integer)

'Status im Angebot ändern
If Aufruf = 23 Then
DBSecMan.Execute ("Update AN set Stat = 2 where ANNr ='" & ANNr.Text & "'")
End If

'Neues Auftrag
If Aufruf = 21 Or Aufruf = 23 Then
  Set RS = DBSecMan.OpenRecordset("AU")
    'Neuen Datensatz hinzufügen
    RS.AddNew
    RS("VerID").Value = VerId.Text
    RS("AUNr").Value = AUNr.Text
    RS("Dat").Value = AuDat.Text
    RS("Wert").Value = Sum.Text
    RS("Stat").Value = Status
    RS("ZahlId").Value = ZahlId.Text
    RS("UstWert").Value = Ust.Text
    'Recordset aktualisieren
    RS.Update
    
    'Auftragsnummer erhöhen
    'String(3 - Len(Left(Right(AUNr.Text, 8), 3) + 1), "0") & Left(Right(AUNr.Text, 8), 3) + 1 & "/2007"
    DBSecMan.Execute ("Update NR set Nummer='" & String(3 - Len(Left(Right(AUNr.Text, 8), 3) + 1), "0") & Left(Right(AUNr.Text, 8), 3) + 1 & "/2007" & "' where NrId='AU'")
    
  'Status aktualisieren
  If Status = 0 Then
      Stat.Text = "Gespeichert"
  ElseIf Status = 1 Then
      Stat.Text = "Gedruckt"
  End If
    
    Aufruf = 22
    
ElseIf Aufruf = 22 Then
  'Prüfung ob Status geändert wurde
  If Stat.Text = "Gespeichert" And Status = 1 Then
      'Status in Tabelle AU aktualisieren
      DBSecMan.Execute ("Update AU set Stat=" & Status & " where AUNr='" & AUNr.Text & "'")
      Stat.Text = "Gedruckt"
  End If
  
    'Auftragswert aktualisieren
    DBSecMan.Execute ("Update AU set Wert='" & CCur(Sum.Text) & "'where AuNr='" & AUNr.Text & "'")
    DBSecMan.Execute ("Update AU set UstWert='" & CCur(Ust.Text) & "'where AuNr='" & AUNr.Text & "'")
    
    'bestehnde Datensätze aus Tabelle Z löschen
    DBSecMan.Execute ("delete from Z where DokId='" & AUNr.Text & "'")
End If
  
'Tabelle Z öffnen
Set RS = DBSecMan.OpenRecordset("Z")

For i = 1 To lstArt.ListCount
  'Neuen Datensatz hinzufügen
  RS.AddNew
 
  RS("DokId").Value = AUNr.Text
  RS("ArtID").Value = lstArt.SubItems(i, 1)
  RS("bez").Value = lstArt.SubItems(i, 2)
  RS("Epreis").Value = lstArt.SubItems(i, 4)
  RS("Anzahl").Value = lstArt.SubItems(i, 5)
  RS("GPreis").Value = lstArt.SubItems(i, 6)
  RS("UstBetrag").Value = lstArt.SubItems(i, 7)
  
  'Recordset aktualisieren
  RS.Update
Next i
 
'Status in VER auf 2 stellen
DBSecMan.Execute ("Update VER set Stat=2 where VerId=" & VerId.Text)

End Sub

Private Sub cmdEnde_Click()
Unload Me

End Sub

Private Sub Form_Unload(Cancel As Integer)
'Prüfen ob über Menu oder über frmDok gestartet wurde
If frmDok.grpAuft.Visible = True Then
    frmDok.ZeigeDok "QrAU", frmDok.lstAuft
ElseIf frmDok.grpAnbot.Visible = True Then
    frmDok.ZeigeDok "QrAN", frmDok.lstAnbot
Else
    'frmMenu wird wieder Angezeigt
    frmMenu.WindowState = 0
End If
Aufruf = 0

End Sub
