VERSION 5.00
Object = "{0AFE7BE0-11B7-4A3E-978D-D4501E9A57FE}#1.0#0"; "c1sizer.ocx"
Object = "{F0D2F211-CCB0-11D0-A316-00AA00688B10}#1.0#0"; "MSDATLST.OCX"
Object = "{FE5DCFAD-BC1D-11D2-94CF-004005455FAA}#1.4#0"; "ImpulseButton.ocx"
Object = "{86CF1D34-0C5F-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCT2.OCX"
Object = "{49003D3A-66CD-11D7-A449-E937BE2D9041}#1.0#0"; "ALLBUTTONS.ocx"
Begin VB.Form RSOwner 
   BackColor       =   &H00E2E9E9&
   BorderStyle     =   1  'Fixed Single
   Caption         =   "  »Ì«‰«  «·„·«ﬂ "
   ClientHeight    =   10584
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   12636
   HelpContextID   =   60
   Icon            =   "RSOwner.frx":0000
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MDIChild        =   -1  'True
   RightToLeft     =   -1  'True
   ScaleHeight     =   10584
   ScaleWidth      =   12636
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.6
      Charset         =   178
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Begin VB.TextBox TxtVATNO 
      Alignment       =   1  'Right Justify
      Height          =   342
      Left            =   7524
      MultiLine       =   -1  'True
      RightToLeft     =   -1  'True
      TabIndex        =   126
      Top             =   7416
      Width           =   3582
   End
   Begin VB.TextBox txtBankName 
      Alignment       =   1  'Right Justify
      Height          =   378
      Left            =   4068
      MaxLength       =   50
      RightToLeft     =   -1  'True
      TabIndex        =   121
      Top             =   5976
      Width           =   1998
   End
   Begin VB.TextBox txtBankAccount 
      Alignment       =   1  'Right Justify
      Height          =   378
      Left            =   180
      MaxLength       =   50
      RightToLeft     =   -1  'True
      TabIndex        =   120
      Top             =   5976
      Width           =   2286
   End
   Begin VB.TextBox TxtBankIBAN 
      Alignment       =   1  'Right Justify
      Height          =   378
      Left            =   180
      MaxLength       =   50
      RightToLeft     =   -1  'True
      TabIndex        =   119
      Top             =   6408
      Width           =   2286
   End
   Begin VB.TextBox TxtBankCode 
      Alignment       =   1  'Right Justify
      Height          =   378
      Left            =   4068
      MaxLength       =   50
      RightToLeft     =   -1  'True
      TabIndex        =   118
      Top             =   6408
      Width           =   1998
   End
   Begin VB.CheckBox chkSendMessage 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "«„ﬂ«‰Ì… «—”«· «·—”«∆·"
      Height          =   450
      Left            =   4608
      RightToLeft     =   -1  'True
      TabIndex        =   117
      Top             =   9612
      Width           =   2322
   End
   Begin VB.TextBox PasswordTxt 
      Alignment       =   1  'Right Justify
      Height          =   378
      IMEMode         =   3  'DISABLE
      Left            =   7488
      PasswordChar    =   "*"
      RightToLeft     =   -1  'True
      TabIndex        =   116
      Top             =   5328
      Width           =   3654
   End
   Begin VB.Frame Fra 
      BackColor       =   &H00E2E9E9&
      Caption         =   "—’Ìœ «·«ÌÃ«—«  «·„” Õﬁ…"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   1566
      Index           =   8
      Left            =   144
      RightToLeft     =   -1  'True
      TabIndex        =   107
      Top             =   4320
      Width           =   3438
      Begin VB.TextBox TxtOpenBalance1 
         Alignment       =   2  'Center
         Height          =   414
         Left            =   144
         RightToLeft     =   -1  'True
         TabIndex        =   111
         Top             =   612
         Width           =   1638
      End
      Begin VB.OptionButton OptType1 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "€Ì— „Õœœ"
         Height          =   306
         Index           =   2
         Left            =   108
         RightToLeft     =   -1  'True
         TabIndex        =   110
         Top             =   252
         Value           =   -1  'True
         Width           =   1206
      End
      Begin VB.OptionButton OptType1 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "œ«∆‰"
         Height          =   306
         Index           =   1
         Left            =   1296
         RightToLeft     =   -1  'True
         TabIndex        =   109
         Top             =   252
         Width           =   918
      End
      Begin VB.OptionButton OptType1 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "„œÌ‰"
         Height          =   306
         Index           =   0
         Left            =   2340
         RightToLeft     =   -1  'True
         TabIndex        =   108
         Top             =   252
         Width           =   918
      End
      Begin MSComCtl2.DTPicker Dtp1 
         Height          =   396
         Left            =   144
         TabIndex        =   112
         Top             =   1044
         Width           =   1656
         _ExtentX        =   2921
         _ExtentY        =   698
         _Version        =   393216
         Enabled         =   0   'False
         CalendarBackColor=   12648447
         CustomFormat    =   "yyyy/M/d"
         Format          =   118882307
         CurrentDate     =   38718
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "ﬁÌ„… «·—’Ìœ "
         Height          =   306
         Index           =   47
         Left            =   1512
         RightToLeft     =   -1  'True
         TabIndex        =   114
         Top             =   648
         Width           =   1530
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   " «—ÌŒ «· ”ÃÌ·"
         Height          =   342
         Index           =   48
         Left            =   1584
         RightToLeft     =   -1  'True
         TabIndex        =   113
         Top             =   1116
         Width           =   1458
      End
   End
   Begin VB.CheckBox locked 
      Alignment       =   1  'Right Justify
      Caption         =   "«Ìﬁ«› «· ⁄«„·"
      Height          =   306
      Left            =   14688
      RightToLeft     =   -1  'True
      TabIndex        =   96
      Top             =   1440
      Width           =   1746
   End
   Begin VB.Frame Fra 
      BackColor       =   &H00E2E9E9&
      Caption         =   "«·—’Ìœ «·√›  «ÕÏ ··„«·ﬂ"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00000080&
      Height          =   1602
      Index           =   0
      Left            =   3600
      RightToLeft     =   -1  'True
      TabIndex        =   88
      Top             =   4320
      Width           =   3690
      Begin VB.TextBox TxtOpenBalance 
         Alignment       =   2  'Center
         Height          =   414
         Left            =   180
         RightToLeft     =   -1  'True
         TabIndex        =   92
         Top             =   576
         Width           =   1890
      End
      Begin VB.OptionButton OptType 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "„œÌ‰"
         Height          =   306
         Index           =   0
         Left            =   2340
         RightToLeft     =   -1  'True
         TabIndex        =   91
         Top             =   252
         Value           =   -1  'True
         Width           =   1134
      End
      Begin VB.OptionButton OptType 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "œ«∆‰"
         Height          =   306
         Index           =   1
         Left            =   1332
         RightToLeft     =   -1  'True
         TabIndex        =   90
         Top             =   252
         Width           =   1098
      End
      Begin VB.OptionButton OptType 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "€Ì— „Õœœ"
         Height          =   306
         Index           =   2
         Left            =   108
         RightToLeft     =   -1  'True
         TabIndex        =   89
         Top             =   252
         Width           =   1098
      End
      Begin MSComCtl2.DTPicker Dtp 
         Height          =   396
         Left            =   180
         TabIndex        =   93
         Top             =   1080
         Width           =   1908
         _ExtentX        =   3366
         _ExtentY        =   698
         _Version        =   393216
         Enabled         =   0   'False
         CalendarBackColor=   12648447
         CustomFormat    =   "yyyy/M/d"
         Format          =   118882307
         CurrentDate     =   38718
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "ﬁÌ„… «·—’Ìœ "
         Height          =   414
         Index           =   5
         Left            =   2124
         RightToLeft     =   -1  'True
         TabIndex        =   95
         Top             =   612
         Width           =   1350
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   " «—ÌŒ «· ”ÃÌ·"
         Height          =   378
         Index           =   6
         Left            =   2124
         RightToLeft     =   -1  'True
         TabIndex        =   94
         Top             =   1080
         Width           =   1350
      End
   End
   Begin VB.CheckBox chkCustomerandVendor 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "⁄„Ì· Ê„Ê—œ"
      ForeColor       =   &H00FF0000&
      Height          =   306
      Left            =   14688
      RightToLeft     =   -1  'True
      TabIndex        =   84
      Top             =   720
      Visible         =   0   'False
      Width           =   1314
   End
   Begin VB.TextBox txtid 
      Alignment       =   1  'Right Justify
      Height          =   378
      Left            =   9684
      MaxLength       =   50
      RightToLeft     =   -1  'True
      TabIndex        =   82
      Top             =   720
      Width           =   1350
   End
   Begin VB.TextBox txtopening_balance_voucher_id 
      Alignment       =   1  'Right Justify
      Height          =   450
      Left            =   -1872
      RightToLeft     =   -1  'True
      TabIndex        =   81
      Top             =   1440
      Visible         =   0   'False
      Width           =   1170
   End
   Begin VB.TextBox XPTxtCusNamee 
      Alignment       =   1  'Right Justify
      Height          =   414
      Left            =   144
      MaxLength       =   50
      TabIndex        =   77
      Top             =   1152
      Width           =   4374
   End
   Begin VB.Frame Frame2 
      Height          =   1314
      Left            =   14256
      RightToLeft     =   -1  'True
      TabIndex        =   73
      Top             =   4608
      Visible         =   0   'False
      Width           =   6498
      Begin VB.TextBox XPMTxtRemarks2 
         Alignment       =   1  'Right Justify
         Height          =   954
         Left            =   144
         MultiLine       =   -1  'True
         RightToLeft     =   -1  'True
         ScrollBars      =   2  'Vertical
         TabIndex        =   74
         Top             =   576
         Width           =   6174
      End
      Begin VB.Label Label2 
         Alignment       =   1  'Right Justify
         Caption         =   "X"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   14.4
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H000000FF&
         Height          =   306
         Left            =   5616
         RightToLeft     =   -1  'True
         TabIndex        =   76
         Top             =   144
         Width           =   594
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "”»» «·«Ìﬁ«›"
         Height          =   342
         Index           =   32
         Left            =   2340
         RightToLeft     =   -1  'True
         TabIndex        =   75
         Top             =   288
         Width           =   990
      End
   End
   Begin VB.TextBox txtcode 
      Alignment       =   1  'Right Justify
      Height          =   378
      Left            =   4086
      MaxLength       =   50
      RightToLeft     =   -1  'True
      TabIndex        =   72
      TabStop         =   0   'False
      Top             =   0
      Visible         =   0   'False
      Width           =   2430
   End
   Begin VB.Frame Fra 
      BackColor       =   &H00E2E9E9&
      Caption         =   "Œ’Ê„«  Œ«’… ··„Ê—œ ›Ï ›Ê« Ì— «·‘—«¡"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   1206
      Index           =   6
      Left            =   12600
      RightToLeft     =   -1  'True
      TabIndex        =   59
      Top             =   2988
      Width           =   10242
      Begin VB.TextBox TxtDiscountValuePur 
         Alignment       =   1  'Right Justify
         Height          =   414
         Left            =   4104
         RightToLeft     =   -1  'True
         TabIndex        =   61
         Top             =   720
         Width           =   1710
      End
      Begin VB.ComboBox CboDiscountTypePur 
         Height          =   378
         Left            =   4068
         RightToLeft     =   -1  'True
         Style           =   2  'Dropdown List
         TabIndex        =   60
         Top             =   288
         Width           =   1746
      End
      Begin VB.Label lbl 
         Alignment       =   2  'Center
         BackColor       =   &H00E2E9E9&
         Caption         =   "%"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   306
         Index           =   27
         Left            =   3672
         RightToLeft     =   -1  'True
         TabIndex        =   64
         Top             =   828
         Width           =   234
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "ﬁÌ„… «·Œ’„"
         Height          =   342
         Index           =   28
         Left            =   5904
         RightToLeft     =   -1  'True
         TabIndex        =   63
         Top             =   792
         Width           =   990
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "‰Ê⁄ «·Œ’„"
         Height          =   342
         Index           =   29
         Left            =   5724
         RightToLeft     =   -1  'True
         TabIndex        =   62
         Top             =   324
         Width           =   1134
      End
   End
   Begin VB.Frame Fra 
      BackColor       =   &H00E2E9E9&
      Caption         =   "„ﬁ— «·„«·ﬂ"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   2430
      Index           =   5
      Left            =   2484
      RightToLeft     =   -1  'True
      TabIndex        =   50
      Top             =   1800
      Width           =   5058
      Begin VB.TextBox TxtAddress 
         Alignment       =   1  'Right Justify
         Height          =   702
         Left            =   36
         MultiLine       =   -1  'True
         RightToLeft     =   -1  'True
         ScrollBars      =   2  'Vertical
         TabIndex        =   51
         Top             =   1368
         Width           =   3582
      End
      Begin MSDataListLib.DataCombo DcboCountryID 
         Height          =   378
         Left            =   540
         TabIndex        =   7
         Top             =   180
         Width           =   3042
         _ExtentX        =   5365
         _ExtentY        =   667
         _Version        =   393216
         Text            =   ""
         RightToLeft     =   -1  'True
      End
      Begin MSDataListLib.DataCombo DcboGovernmentID 
         Height          =   378
         Left            =   540
         TabIndex        =   52
         Top             =   576
         Width           =   3042
         _ExtentX        =   5365
         _ExtentY        =   667
         _Version        =   393216
         Text            =   ""
         RightToLeft     =   -1  'True
      End
      Begin MSDataListLib.DataCombo DcboCityID 
         Height          =   378
         Left            =   540
         TabIndex        =   53
         Top             =   972
         Width           =   3042
         _ExtentX        =   5365
         _ExtentY        =   667
         _Version        =   393216
         Text            =   ""
         RightToLeft     =   -1  'True
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "«·œÊ·…"
         Height          =   270
         Index           =   22
         Left            =   3600
         RightToLeft     =   -1  'True
         TabIndex        =   57
         Top             =   252
         Width           =   918
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "«·„Õ«›Ÿ…"
         Height          =   270
         Index           =   24
         Left            =   3600
         RightToLeft     =   -1  'True
         TabIndex        =   56
         Top             =   612
         Width           =   918
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "«·„œÌ‰…"
         Height          =   270
         Index           =   25
         Left            =   3600
         RightToLeft     =   -1  'True
         TabIndex        =   55
         Top             =   1008
         Width           =   918
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "«·⁄‰Ê«‰ »«· ›’Ì·"
         Height          =   702
         Index           =   26
         Left            =   3636
         RightToLeft     =   -1  'True
         TabIndex        =   54
         Top             =   1368
         Width           =   918
      End
   End
   Begin VB.Frame Fra 
      BackColor       =   &H00E2E9E9&
      Caption         =   "Œ’Ê„«  Œ«’… ··⁄„Ì· ›Ï ›Ê« Ì— «·»Ì⁄"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   1242
      Index           =   4
      Left            =   17208
      RightToLeft     =   -1  'True
      TabIndex        =   44
      Top             =   1404
      Width           =   7110
      Begin VB.ComboBox CboDiscountType 
         Height          =   378
         Left            =   4068
         RightToLeft     =   -1  'True
         Style           =   2  'Dropdown List
         TabIndex        =   46
         Top             =   324
         Width           =   1746
      End
      Begin VB.TextBox TxtDiscountValue 
         Alignment       =   1  'Right Justify
         Height          =   414
         Left            =   4104
         RightToLeft     =   -1  'True
         TabIndex        =   45
         Top             =   756
         Width           =   1710
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "‰Ê⁄ «·Œ’„"
         Height          =   342
         Index           =   19
         Left            =   5724
         RightToLeft     =   -1  'True
         TabIndex        =   49
         Top             =   360
         Width           =   1134
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "ﬁÌ„… «·Œ’„"
         Height          =   342
         Index           =   20
         Left            =   5904
         RightToLeft     =   -1  'True
         TabIndex        =   48
         Top             =   828
         Width           =   990
      End
      Begin VB.Label lbl 
         Alignment       =   2  'Center
         BackColor       =   &H00E2E9E9&
         Caption         =   "%"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   306
         Index           =   21
         Left            =   3816
         RightToLeft     =   -1  'True
         TabIndex        =   47
         Top             =   864
         Width           =   234
      End
   End
   Begin VB.Frame Fra 
      BackColor       =   &H00E2E9E9&
      Caption         =   "»Ì«‰«  „Õ«”»Ì…"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   178
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   2646
      Index           =   1
      Left            =   15660
      RightToLeft     =   -1  'True
      TabIndex        =   35
      Top             =   4248
      Width           =   7074
      Begin VB.TextBox TxtDepitInterval 
         Alignment       =   1  'Right Justify
         Height          =   342
         Left            =   1440
         RightToLeft     =   -1  'True
         TabIndex        =   68
         Top             =   288
         Width           =   594
      End
      Begin VB.TextBox TxtCreditInterval 
         Alignment       =   1  'Right Justify
         Height          =   342
         Left            =   1440
         RightToLeft     =   -1  'True
         TabIndex        =   67
         Top             =   720
         Width           =   594
      End
      Begin VB.ComboBox dcDepitIntervalID 
         Height          =   378
         ItemData        =   "RSOwner.frx":038A
         Left            =   144
         List            =   "RSOwner.frx":038C
         RightToLeft     =   -1  'True
         TabIndex        =   66
         Top             =   288
         Width           =   1170
      End
      Begin VB.ComboBox dcCreditIntervalID 
         Height          =   378
         ItemData        =   "RSOwner.frx":038E
         Left            =   144
         List            =   "RSOwner.frx":0390
         RightToLeft     =   -1  'True
         TabIndex        =   65
         Top             =   720
         Width           =   1170
      End
      Begin VB.TextBox TxtCreditlimitCredit 
         Alignment       =   1  'Right Justify
         Height          =   378
         Left            =   3492
         MaxLength       =   8
         RightToLeft     =   -1  'True
         TabIndex        =   41
         Top             =   648
         Width           =   1422
      End
      Begin VB.TextBox TxtCreditLimit 
         Alignment       =   1  'Right Justify
         Height          =   414
         Left            =   3492
         MaxLength       =   8
         RightToLeft     =   -1  'True
         TabIndex        =   40
         Top             =   216
         Width           =   1422
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "„œÂ «·«∆ „«‰"
         Height          =   342
         Index           =   30
         Left            =   2016
         RightToLeft     =   -1  'True
         TabIndex        =   70
         Top             =   288
         Width           =   1350
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "„œÂ «·«∆ „«‰"
         Height          =   342
         Index           =   31
         Left            =   2016
         RightToLeft     =   -1  'True
         TabIndex        =   69
         Top             =   720
         Width           =   1350
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "Õœ «·√∆ „«‰(œ«∆‰)"
         Height          =   342
         Index           =   11
         Left            =   4968
         RightToLeft     =   -1  'True
         TabIndex        =   43
         Top             =   684
         Width           =   1818
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "Õœ «·√∆ „«‰(„œÌ‰)"
         Height          =   342
         Index           =   10
         Left            =   4968
         RightToLeft     =   -1  'True
         TabIndex        =   42
         Top             =   252
         Width           =   1818
      End
   End
   Begin VB.Frame Fra 
      BackColor       =   &H00E2E9E9&
      Caption         =   "»Ì«‰«  «·√ ’«·"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   3222
      Index           =   3
      Left            =   7488
      RightToLeft     =   -1  'True
      TabIndex        =   34
      Top             =   1836
      Width           =   5094
      Begin VB.TextBox txtauthorizationNo 
         Alignment       =   1  'Right Justify
         Height          =   378
         Left            =   144
         RightToLeft     =   -1  'True
         TabIndex        =   102
         Top             =   2736
         Width           =   3510
      End
      Begin VB.TextBox TXTauthorizationname 
         Alignment       =   1  'Right Justify
         Height          =   378
         Left            =   144
         RightToLeft     =   -1  'True
         TabIndex        =   101
         Top             =   2304
         Width           =   3510
      End
      Begin VB.TextBox TxtResponsibleContact 
         Alignment       =   1  'Right Justify
         Height          =   378
         Left            =   252
         MaxLength       =   50
         RightToLeft     =   -1  'True
         TabIndex        =   2
         Top             =   252
         Width           =   3366
      End
      Begin VB.TextBox TxtFaxNumber 
         Alignment       =   1  'Right Justify
         Height          =   378
         Left            =   1188
         MaxLength       =   50
         RightToLeft     =   -1  'True
         TabIndex        =   5
         Top             =   1512
         Width           =   2430
      End
      Begin VB.TextBox TxtE_mail 
         Alignment       =   1  'Right Justify
         Height          =   378
         Left            =   108
         RightToLeft     =   -1  'True
         TabIndex        =   6
         Top             =   1908
         Width           =   3510
      End
      Begin VB.TextBox XPTxtMobile 
         Alignment       =   1  'Right Justify
         Height          =   378
         Left            =   1188
         MaxLength       =   50
         RightToLeft     =   -1  'True
         TabIndex        =   4
         Top             =   1098
         Width           =   2430
      End
      Begin VB.TextBox XPTxtPhone 
         Alignment       =   1  'Right Justify
         Height          =   378
         Left            =   1188
         MaxLength       =   50
         RightToLeft     =   -1  'True
         TabIndex        =   3
         Top             =   684
         Width           =   2430
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "—ﬁ„ «·Êﬂ«·Â"
         Height          =   342
         Index           =   14
         Left            =   3600
         RightToLeft     =   -1  'True
         TabIndex        =   104
         Top             =   2736
         Width           =   1386
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "«·ÊﬂÌ·"
         Height          =   342
         Index           =   13
         Left            =   3600
         RightToLeft     =   -1  'True
         TabIndex        =   103
         Top             =   2304
         Width           =   1386
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "„”∆Ê· «·≈ ’«·"
         Height          =   378
         Index           =   23
         Left            =   3528
         RightToLeft     =   -1  'True
         TabIndex        =   58
         Top             =   288
         Width           =   1458
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "—ﬁ„ «·›«ﬂ”"
         Height          =   342
         Index           =   7
         Left            =   3636
         RightToLeft     =   -1  'True
         TabIndex        =   39
         Top             =   1548
         Width           =   1386
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "«·»—Ìœ «·≈·ﬂ —Ê‰Ï"
         Height          =   342
         Index           =   12
         Left            =   3636
         RightToLeft     =   -1  'True
         TabIndex        =   38
         Top             =   1908
         Width           =   1386
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "—ﬁ„ «·Â« ›"
         Height          =   342
         Index           =   3
         Left            =   3636
         RightToLeft     =   -1  'True
         TabIndex        =   37
         Top             =   720
         Width           =   1386
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         Caption         =   "—ﬁ„ «·ÃÊ«·"
         Height          =   342
         Index           =   2
         Left            =   3636
         RightToLeft     =   -1  'True
         TabIndex        =   36
         Top             =   1134
         Width           =   1386
      End
   End
   Begin VB.Frame Fra 
      BackColor       =   &H00E2E9E9&
      Caption         =   "—’Ìœ «·„«·ﬂ «·Õ«·Ï"
      ForeColor       =   &H00000080&
      Height          =   1602
      Index           =   2
      Left            =   180
      RightToLeft     =   -1  'True
      TabIndex        =   31
      Top             =   7848
      Width           =   3474
      Begin ImpulseButton.ISButton Cmd 
         Height          =   522
         Index           =   8
         Left            =   576
         TabIndex        =   32
         Top             =   612
         Width           =   2250
         _ExtentX        =   3968
         _ExtentY        =   920
         ButtonStyle     =   1
         ButtonPositionImage=   1
         Caption         =   "⁄—÷  ﬁ—Ì— ﬂ‘› Õ”«»"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         DrawFocusRectangle=   0   'False
      End
      Begin ImpulseButton.ISButton CmdPriceList 
         Height          =   306
         Left            =   720
         TabIndex        =   100
         Top             =   1152
         Width           =   2250
         _ExtentX        =   3968
         _ExtentY        =   540
         ButtonPositionImage=   1
         Caption         =   "ﬁ«∆„… ⁄ﬁ—«  «·„«·ﬂ"
         BackColor       =   14737632
         ForeColor       =   255
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "RSOwner.frx":0392
         ColorButton     =   14737632
         ColorHighlight  =   16777215
         ColorHoverText  =   255
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledText=   255
         ColorToggledHoverText=   255
         ColorTextShadow =   -2147483637
      End
      Begin VB.Label lbl 
         Alignment       =   2  'Center
         BackColor       =   &H00E2E9E9&
         Caption         =   "0"
         Height          =   306
         Index           =   8
         Left            =   288
         RightToLeft     =   -1  'True
         TabIndex        =   87
         Top             =   288
         Width           =   2142
      End
      Begin VB.Label lbl 
         Alignment       =   2  'Center
         BackColor       =   &H00E2E9E9&
         Height          =   378
         Index           =   9
         Left            =   1980
         RightToLeft     =   -1  'True
         TabIndex        =   33
         Top             =   324
         Width           =   882
      End
   End
   Begin VB.TextBox TxtModFlg 
      Alignment       =   1  'Right Justify
      Height          =   414
      Left            =   792
      RightToLeft     =   -1  'True
      TabIndex        =   14
      Top             =   648
      Visible         =   0   'False
      Width           =   810
   End
   Begin VB.TextBox XPTxtComID 
      Alignment       =   1  'Right Justify
      Height          =   378
      Left            =   6840
      Locked          =   -1  'True
      MaxLength       =   50
      RightToLeft     =   -1  'True
      TabIndex        =   0
      TabStop         =   0   'False
      Top             =   72
      Visible         =   0   'False
      Width           =   1854
   End
   Begin VB.TextBox XPMTxtRemark 
      Alignment       =   1  'Right Justify
      Height          =   666
      Left            =   7524
      MultiLine       =   -1  'True
      RightToLeft     =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   8
      Top             =   6012
      Width           =   3618
   End
   Begin VB.TextBox XPTxtComName 
      Alignment       =   1  'Right Justify
      Height          =   414
      Left            =   6300
      MaxLength       =   50
      RightToLeft     =   -1  'True
      TabIndex        =   1
      Top             =   1188
      Width           =   4698
   End
   Begin C1SizerLibCtl.C1Elastic EleHeader 
      Height          =   702
      Left            =   0
      TabIndex        =   9
      TabStop         =   0   'False
      Top             =   0
      Width           =   12618
      _cx             =   22256
      _cy             =   1238
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial (Arabic)"
         Size            =   28.8
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Enabled         =   -1  'True
      Appearance      =   0
      MousePointer    =   0
      Version         =   801
      BackColor       =   16777215
      ForeColor       =   4210688
      FloodColor      =   6553600
      ForeColorDisabled=   -2147483631
      Caption         =   "  »Ì«‰«  «·„·«ﬂ "
      Align           =   0
      AutoSizeChildren=   0
      BorderWidth     =   0
      ChildSpacing    =   0
      Splitter        =   0   'False
      FloodDirection  =   0
      FloodPercent    =   0
      CaptionPos      =   7
      WordWrap        =   -1  'True
      MaxChildSize    =   0
      MinChildSize    =   0
      TagWidth        =   0
      TagPosition     =   0
      Style           =   0
      TagSplit        =   2
      PicturePos      =   4
      CaptionStyle    =   0
      ResizeFonts     =   0   'False
      GridRows        =   0
      GridCols        =   0
      Frame           =   3
      FrameStyle      =   0
      FrameWidth      =   1
      FrameColor      =   -2147483628
      FrameShadow     =   -2147483632
      FloodStyle      =   1
      _GridInfo       =   ""
      AccessibleName  =   ""
      AccessibleDescription=   ""
      AccessibleValue =   ""
      AccessibleRole  =   9
      Begin ImpulseButton.ISButton XPBtnMove 
         Height          =   414
         Index           =   0
         Left            =   1422
         TabIndex        =   11
         Top             =   144
         Width           =   594
         _ExtentX        =   1048
         _ExtentY        =   731
         ButtonStyle     =   1
         ButtonPositionImage=   4
         Caption         =   ""
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "RSOwner.frx":072C
         ColorHighlight  =   4194304
         ColorHoverText  =   16777215
         ColorShadow     =   -2147483631
         ColorOutline    =   -2147483631
         DrawFocusRectangle=   0   'False
         DisabledImageStyle=   1
         ColorToggledHoverText=   16777215
         ColorTextShadow =   16777215
      End
      Begin ImpulseButton.ISButton XPBtnMove 
         Height          =   414
         Index           =   2
         Left            =   144
         TabIndex        =   13
         Top             =   144
         Width           =   594
         _ExtentX        =   1048
         _ExtentY        =   731
         ButtonStyle     =   1
         ButtonPositionImage=   4
         Caption         =   ""
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "RSOwner.frx":0AC6
         ColorHighlight  =   4194304
         ColorHoverText  =   16777215
         ColorShadow     =   -2147483631
         ColorOutline    =   -2147483631
         DrawFocusRectangle=   0   'False
         DisabledImageStyle=   1
         ColorToggledHoverText=   16777215
         ColorTextShadow =   16777215
      End
      Begin ImpulseButton.ISButton XPBtnMove 
         Height          =   414
         Index           =   1
         Left            =   2052
         TabIndex        =   10
         Top             =   144
         Width           =   594
         _ExtentX        =   1048
         _ExtentY        =   731
         ButtonStyle     =   1
         ButtonPositionImage=   4
         Caption         =   ""
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "RSOwner.frx":0E60
         ColorHighlight  =   4194304
         ColorHoverText  =   16777215
         ColorShadow     =   -2147483631
         ColorOutline    =   -2147483631
         DrawFocusRectangle=   0   'False
         DisabledImageStyle=   1
         ColorToggledHoverText=   16777215
         ColorTextShadow =   16777215
      End
      Begin ImpulseButton.ISButton XPBtnMove 
         Height          =   414
         Index           =   3
         Left            =   774
         TabIndex        =   12
         Top             =   144
         Width           =   594
         _ExtentX        =   1048
         _ExtentY        =   731
         ButtonStyle     =   1
         ButtonPositionImage=   4
         Caption         =   ""
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "RSOwner.frx":11FA
         ColorHighlight  =   4194304
         ColorHoverText  =   16777215
         ColorShadow     =   -2147483631
         ColorOutline    =   -2147483631
         DrawFocusRectangle=   0   'False
         DisabledImageStyle=   1
         ColorToggledHoverText=   16777215
         ColorTextShadow =   16777215
      End
      Begin VB.Image ImgFavorites 
         Height          =   468
         Left            =   5040
         Picture         =   "RSOwner.frx":1594
         Stretch         =   -1  'True
         Top             =   144
         Width           =   630
      End
      Begin VB.Image Img 
         Height          =   576
         Left            =   2736
         Picture         =   "RSOwner.frx":51FC
         Top             =   0
         Width           =   576
      End
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   0
      Left            =   10998
      TabIndex        =   22
      Top             =   10080
      Width           =   846
      _ExtentX        =   1493
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "ÃœÌœ"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      DisabledImageExtraction=   0
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   1
      Left            =   10134
      TabIndex        =   23
      Top             =   10080
      Width           =   846
      _ExtentX        =   1493
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   " ⁄œÌ·"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   2
      Left            =   9270
      TabIndex        =   24
      Top             =   10080
      Width           =   846
      _ExtentX        =   1493
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "Õ›Ÿ"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   3
      Left            =   8334
      TabIndex        =   25
      Top             =   10080
      Width           =   918
      _ExtentX        =   1619
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   " —«Ã⁄"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   4
      Left            =   7326
      TabIndex        =   26
      Top             =   10080
      Width           =   954
      _ExtentX        =   1682
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "Õ–›"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   5
      Left            =   6228
      TabIndex        =   27
      Top             =   10080
      Width           =   1062
      _ExtentX        =   1873
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "»ÕÀ"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   6
      Left            =   144
      TabIndex        =   28
      Top             =   10080
      Width           =   846
      _ExtentX        =   1493
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "Œ—ÊÃ"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   7
      Left            =   5256
      TabIndex        =   29
      Top             =   10080
      Width           =   918
      _ExtentX        =   1619
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "ÿ»«⁄…"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton CmdHelp 
      Height          =   450
      Left            =   2196
      TabIndex        =   30
      Top             =   10080
      Width           =   990
      _ExtentX        =   1746
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "„”«⁄œ…"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin MSDataListLib.DataCombo DboParentAccount 
      Height          =   378
      Left            =   4752
      TabIndex        =   79
      Top             =   6912
      Width           =   6354
      _ExtentX        =   11208
      _ExtentY        =   667
      _Version        =   393216
      Enabled         =   0   'False
      Style           =   2
      Text            =   ""
      RightToLeft     =   -1  'True
   End
   Begin MSDataListLib.DataCombo DCPreFix 
      Height          =   378
      Left            =   8064
      TabIndex        =   83
      Top             =   720
      Width           =   1386
      _ExtentX        =   2444
      _ExtentY        =   667
      _Version        =   393216
      BackColor       =   16777215
      Text            =   ""
      RightToLeft     =   -1  'True
   End
   Begin MSDataListLib.DataCombo dcBranch 
      Height          =   378
      Left            =   144
      TabIndex        =   85
      Top             =   720
      Width           =   4374
      _ExtentX        =   7715
      _ExtentY        =   667
      _Version        =   393216
      BackColor       =   16777215
      Text            =   ""
      RightToLeft     =   -1  'True
   End
   Begin ALLButtonS.ALLButton ALLButton1 
      Height          =   450
      Left            =   15120
      TabIndex        =   97
      Top             =   1440
      Width           =   1170
      _ExtentX        =   2064
      _ExtentY        =   793
      BTYPE           =   3
      TX              =   "«·”»»"
      ENAB            =   -1  'True
      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      COLTYPE         =   1
      FOCUSR          =   -1  'True
      BCOL            =   15790320
      BCOLO           =   15790320
      FCOL            =   0
      FCOLO           =   0
      MCOL            =   12632256
      MPTR            =   1
      MICON           =   "RSOwner.frx":5EC6
      UMCOL           =   -1  'True
      SOFT            =   0   'False
      PICPOS          =   0
      NGREY           =   0   'False
      FX              =   0
      HAND            =   0   'False
      CHECK           =   0   'False
      VALUE           =   0   'False
   End
   Begin MSDataListLib.DataCombo DcCustomerType 
      Height          =   378
      Left            =   15120
      TabIndex        =   98
      Tag             =   "⁄›Ê« Ì—ÃÏ «œŒ«· √”„ «·ÕÌ"
      Top             =   2016
      Width           =   3546
      _ExtentX        =   6254
      _ExtentY        =   667
      _Version        =   393216
      Text            =   ""
      RightToLeft     =   -1  'True
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   9
      Left            =   3312
      TabIndex        =   105
      Top             =   10080
      Width           =   1926
      _ExtentX        =   3397
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "ÿ»«⁄Â  ’œÌﬁ «·€—›…"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   11
      Left            =   1152
      TabIndex        =   106
      Top             =   10080
      Width           =   918
      _ExtentX        =   1619
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "«·„—›ﬁ« "
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "—ﬁ„ «· ”ÃÌ· VAT"
      Height          =   414
      Index           =   40
      Left            =   11160
      RightToLeft     =   -1  'True
      TabIndex        =   127
      Top             =   7416
      Width           =   1494
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "«”„ «·»‰ﬂ"
      Height          =   378
      Index           =   17
      Left            =   5688
      RightToLeft     =   -1  'True
      TabIndex        =   125
      Top             =   6012
      Width           =   1638
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "Õ”«» «·»‰ﬂ"
      Height          =   342
      Index           =   16
      Left            =   2484
      RightToLeft     =   -1  'True
      TabIndex        =   124
      Top             =   6012
      Width           =   1530
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "—ﬁ„ «·«Ì»«‰"
      Height          =   342
      Index           =   36
      Left            =   2484
      RightToLeft     =   -1  'True
      TabIndex        =   123
      Top             =   6444
      Width           =   1530
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "—„“ «·»‰ﬂ"
      Height          =   378
      Index           =   37
      Left            =   5688
      RightToLeft     =   -1  'True
      TabIndex        =   122
      Top             =   6444
      Width           =   1638
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "«·»«”Ê—œ"
      Height          =   342
      Index           =   15
      Left            =   11232
      RightToLeft     =   -1  'True
      TabIndex        =   115
      Top             =   5328
      Width           =   1170
   End
   Begin VB.Label Label1 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "‰Ê⁄ «·„Ê—œ"
      Height          =   342
      Index           =   2
      Left            =   13068
      RightToLeft     =   -1  'True
      TabIndex        =   99
      Top             =   1728
      Width           =   2268
   End
   Begin VB.Label Label3 
      Alignment       =   1  'Right Justify
      BackStyle       =   0  'Transparent
      Caption         =   "«·›—⁄"
      ForeColor       =   &H00000000&
      Height          =   450
      Left            =   5022
      TabIndex        =   86
      Top             =   720
      Width           =   828
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "«·Õ”«» «·—∆Ì”Ì"
      Height          =   378
      Index           =   33
      Left            =   11196
      RightToLeft     =   -1  'True
      TabIndex        =   80
      Top             =   6912
      Width           =   1386
   End
   Begin VB.Label XPLbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "«·«”„ «·«‰Ã·Ì“Ì"
      Height          =   306
      Index           =   4
      Left            =   4608
      RightToLeft     =   -1  'True
      TabIndex        =   78
      Top             =   1296
      Width           =   1386
   End
   Begin VB.Label XPLbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "ﬂÊœ «·„«·ﬂ"
      Height          =   378
      Index           =   2
      Left            =   11088
      RightToLeft     =   -1  'True
      TabIndex        =   71
      Top             =   864
      Width           =   1422
   End
   Begin VB.Label XPTxtCount 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Height          =   378
      Left            =   72
      RightToLeft     =   -1  'True
      TabIndex        =   21
      Top             =   9612
      Width           =   738
   End
   Begin VB.Label XPTxtCurrent 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Height          =   378
      Left            =   1224
      RightToLeft     =   -1  'True
      TabIndex        =   20
      Top             =   9612
      Width           =   810
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   " «·”Ã· «·Õ«·Ì:"
      Height          =   378
      Index           =   0
      Left            =   2412
      RightToLeft     =   -1  'True
      TabIndex        =   19
      Top             =   9612
      Width           =   1962
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "/"
      Height          =   378
      Index           =   4
      Left            =   864
      RightToLeft     =   -1  'True
      TabIndex        =   18
      Top             =   9612
      Width           =   306
   End
   Begin VB.Label XPLbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "—ﬁ„ «·„Ê—œ"
      Height          =   378
      Index           =   1
      Left            =   14940
      RightToLeft     =   -1  'True
      TabIndex        =   17
      Top             =   792
      Width           =   1422
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "„·«ÕŸ« "
      Height          =   198
      Index           =   1
      Left            =   11196
      RightToLeft     =   -1  'True
      TabIndex        =   16
      Top             =   6156
      Width           =   1170
   End
   Begin VB.Label XPLbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "«”„ «·„«·ﬂ"
      Height          =   378
      Index           =   0
      Left            =   11052
      RightToLeft     =   -1  'True
      TabIndex        =   15
      Top             =   1206
      Width           =   1422
   End
End
Attribute VB_Name = "RSOwner"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Dim rs As ADODB.Recordset
Dim TTP As clstooltip
Dim ComReport As ClsCompanyReport
Dim Dcombo As ClsDataCombos
Dim cSearch(2) As clsDCboSearch
Dim FirstPeriodDateInthisYear  As Date

Private Sub ALLButton1_Click()
    Frame2.Visible = True
End Sub

Private Sub CboDiscountType_Change()
    Me.lbl(21).Visible = (Me.CboDiscountType.ListIndex = 2)

    If CboDiscountType.ListIndex = 0 Then
        lbl(20).Visible = False
        TxtDiscountValue.Visible = False
        lbl(21).Visible = False
    Else
        lbl(20).Visible = True
        TxtDiscountValue.Visible = True
        lbl(21).Visible = True
    End If

End Sub

Private Sub CboDiscountType_Click()
    CboDiscountType_Change
End Sub

Private Sub CboDiscountTypePur_Change()
    Me.lbl(27).Visible = (Me.CboDiscountTypePur.ListIndex = 2)

    If CboDiscountTypePur.ListIndex = 0 Then
        lbl(28).Visible = False
        TxtDiscountValuePur.Visible = False
        lbl(27).Visible = False
    Else
        lbl(28).Visible = True
        TxtDiscountValuePur.Visible = True
        lbl(27).Visible = True
    End If

End Sub

Private Sub CboDiscountTypePur_Click()
    CboDiscountTypePur_Change
End Sub

Function DeleteOpeningBalance()
    Cmd_Click (1)
    OptType(2).value = True
    TxtOpenBalance.Text = 0
    Cmd_Click (2)

End Function

Private Sub Cmd_Click(Index As Integer)
    Dim Msg As String
'    On Error GoTo ErrTrap

    getFirstPeriodDateInthisYear2 FirstPeriodDateInthisYear

    Me.Dtp.value = FirstPeriodDateInthisYear
 
    Select Case Index

        Case 0

            If DoPremis(Do_New, Me.Name, True) = False Then
                Exit Sub
            End If

            TxtModFlg.Text = "N"
            clear_all Me
 
            getFirstPeriodDateInthisYear2 FirstPeriodDateInthisYear
            Me.Dtp = FirstPeriodDateInthisYear
            Me.dcBranch.BoundText = Current_branch
            '        XPTxtComID.text = CStr(new_id("TblCustemers", "CusID", "", True))
            '        txtopening_balance_voucher_id.text = get_opening_balance_voucher_id
            '   XPTxtComName.SetFocus
            Dim Account_Code_dynamic As String
            Account_Code_dynamic = get_account_code_branch(47, my_branch)
        
            If Account_Code_dynamic = "NO branch" Then
                MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                GoTo ErrTrap
            Else

                If Account_Code_dynamic = "NO account" Then
                    MsgBox "·„ Ì „  ÕœÌœ Õ”«» ··„·«ﬂ   ›Ì «·›—⁄ ·Â–… «·⁄„·Ì…", vbCritical
       
                End If
            End If
        
            DboParentAccount.BoundText = Account_Code_dynamic
            OptType(2).value = True
OptType1(2).value = True
        Case 1

            If DoPremis(Do_Edit, Me.Name, True) = False Then
                Exit Sub
            End If

            '        If XPTxtComID.text = 1 Then
            '            Msg = "·« Ì„ﬂ‰  ⁄œÌ· »Ì«‰«  Â–« «·”Ã·"
            '            MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.Title
            '            Exit Sub
            '        End If
            TxtModFlg.Text = "E"

        Case 2
 
            Dim currentcode As String

            If txtid.Text = "" Then
                currentcode = get_coding(branch_id, "TblCustemers", 16, Me.DCPreFix.Text)

                If currentcode = "miniError" Then
                    MsgBox "⁄œœ «·Œ«‰«  «· Ì ﬁ„  » ÕœÌœ…  ·Â–« ««ﬂÊœ ’€Ì—… Ãœ« Ì—ÃÌ  €ÌÌ—Â« ›Ì ‘«‘…  ﬂÊÌœ «·ÕﬁÊ· «Ê «·« ’«· »„”∆Ê· «·‰Ÿ«„"
                    Exit Sub
            
                ElseIf currentcode = "Manual" Then
                    MsgBox "«œŒ· «·ﬂÊœ ÌœÊÌ« ﬂ„« Õœœ  ›Ì  ﬂÊÌœ «·ÕﬁÊ·"
                    Exit Sub
                Else
                    txtid = currentcode
                End If
            End If

            SaveData

        Case 3
            Call Undo

        Case 4

            If DoPremis(Do_Delete, Me.Name, True) = False Then
                Exit Sub
            End If

            If XPTxtComID.Text = 1 Then
                Msg = "·« Ì„ﬂ‰ Õ–› »Ì«‰«  Â–« «·”Ã·"
                MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                Exit Sub
            End If
            Dim s As String
            s = " SELECT ownerid from TblContract WHERE "
            s = s & " ownerid In (SELECT CusID From TblCustemers WHERE Fullcode = " & txtid & " and Type=57)"
            Dim rsCheck As ADODB.Recordset
            Set rsCheck = New ADODB.Recordset
            rsCheck.Open s, Cn, adOpenStatic, adLockOptimistic, adCmdText
            If Not rsCheck.EOF Then
                Msg = "·« Ì„ﬂ‰ Õ–› »Ì«‰«  Â–« «·”Ã· ·ÊÃÊœ ⁄ﬁÊœ „”Ã·… »«”„ «·„«·ﬂ"
                MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                Exit Sub
            
            End If
            Del_Company

        Case 5

            If DoPremis(Do_Search, Me.Name, True) = False Then
                Exit Sub
            End If
            
  FrmCompanySearch.lblSearchtype.Caption = 2122014
           FrmCompanySearch.show vbModal

        Case 7

            If DoPremis(Do_Print, Me.Name, True) = False Then
                Exit Sub
            End If

            printingReport

        Case 6
            Unload Me

        Case 8
            '     If DoPremis(Do_Print, "ReportSuppliers", True) = False Then
            '         Exit Sub
            '     End If
            '     ShowCusBalance
            Dim FirstPeriod As Date
            getFirstPeriodDateInthisYear FirstPeriod
            ShowReport IIf(IsNull(rs("Account_Code")), "", rs("Account_Code")), XPTxtComName.Text, FirstPeriod, Date

               Case 11
            On Error Resume Next
ShowAttachments DCPreFix.Text & txtid.Text, "270120151"
 
 
    End Select

    Exit Sub
ErrTrap:
End Sub

Private Sub CmdHelp_Click()
    SystemOptions.SysHelp.HHTopicID = Me.HelpContextID
    SystemOptions.SysHelp.HHDisplayTopicID Me.hwnd
End Sub

Private Sub CmdPriceList_Click()
If val(XPTxtComID.Text) <> 0 Then
FrmAqarListOfOwner.loadgrid val(XPTxtComID.Text)
Load FrmAqarListOfOwner
FrmAqarListOfOwner.show
End If
End Sub

Private Sub DboParentAccount_KeyUp(KeyCode As Integer, _
                                   Shift As Integer)

    If KeyCode = vbKeyF3 Then
        Account_search.show
        Account_search.case_id = 2122014
    End If

End Sub

Private Sub DcboCityID_Change()
    LoadDataCombos False, False, True
End Sub

Private Sub DcboCityID_Click(Area As Integer)
    DcboCityID_Change
End Sub

Private Sub DcboCityID_KeyUp(KeyCode As Integer, _
                             Shift As Integer)

    If KeyCode = vbKeyF5 Then
        LoadDataCombos
    End If

End Sub

Private Sub DcboCountryID_Change()
    LoadDataCombos True, False, False
End Sub

Private Sub DcboCountryID_Click(Area As Integer)

    If val(Me.DcboCountryID.BoundText) <> 0 Then
        DcboCountryID_Change
    End If

End Sub

Private Sub DcboCountryID_KeyUp(KeyCode As Integer, _
                                Shift As Integer)

    If KeyCode = vbKeyF5 Then
        LoadDataCombos
    End If

End Sub

Private Sub DcboGovernmentID_Change()
    LoadDataCombos False, True, False
End Sub

Private Sub DcboGovernmentID_Click(Area As Integer)
    DcboGovernmentID_Change
End Sub
 
Private Sub DcboGovernmentID_KeyUp(KeyCode As Integer, _
                                   Shift As Integer)

    If KeyCode = vbKeyF5 Then
        LoadDataCombos
    End If

End Sub

Private Sub Form_Activate()
    'XPTxtComID.SetFocus
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, _
                         Shift As Integer)
    On Error GoTo ErrTrap

    If KeyCode = vbKeyReturn Then
        If Me.TxtModFlg.Text = "R" Then
            Cmd_Click (0)
        Else
            SendKeys "{TAB}"
        End If
    End If

    If Me.TxtModFlg.Text = "R" Then
        If KeyCode = vbKeyDown Or KeyCode = vbKeyEnd Then
            XPBtnMove_Click (2)
        ElseIf KeyCode = vbKeyUp Or KeyCode = vbKeyHome Then
            XPBtnMove_Click (1)
        ElseIf KeyCode = vbKeyRight Or KeyCode = vbKeyPageDown Then
            XPBtnMove_Click (3)
        ElseIf KeyCode = vbKeyLeft Or KeyCode = vbKeyPageUp Then
            XPBtnMove_Click (0)
        End If
    End If

    If KeyCode = vbKeyF12 Then
        If Cmd(0).Enabled = False Then Exit Sub
        Cmd_Click (0)
    End If

    If KeyCode = vbKeyF11 Then
        If Cmd(1).Enabled = False Then Exit Sub
        Cmd_Click (1)
    End If

    If KeyCode = vbKeyF10 Then
        If Cmd(2).Enabled = False Then Exit Sub
        Cmd_Click (2)
    End If

    If KeyCode = vbKeyF9 Then
        If Cmd(3).Enabled = False Then Exit Sub
        Cmd_Click (3)
    End If

    If KeyCode = vbKeyF8 Then
        If Cmd(4).Enabled = False Then Exit Sub
        Cmd_Click (4)
    End If

    If KeyCode = vbKeyF3 Then
        If Cmd(5).Enabled = False Then Exit Sub
        Cmd_Click (5)
    End If

    If KeyCode = vbKeyF6 Then
        If Cmd(7).Enabled = False Then Exit Sub
        Cmd_Click (7)
    End If

    If Shift = 2 Then
        If KeyCode = vbKeyX Then
            If Cmd(6).Enabled = False Then Exit Sub
            Cmd_Click (6)
        End If
    End If

    Exit Sub
ErrTrap:
End Sub

Private Sub Form_Load()
    Dim StrSQL As String

    Me.left = (mdifrmmain.Width - Me.Width) / 2
    Me.top = (mdifrmmain.Height - Me.Height) / 2 - 500
    
    On Error GoTo ErrTrap
    LogTextA = "   «·œŒÊ· «·Ì ‘«‘… " & "»Ì«‰«  «·„·«ﬂ "
    LogTexte = " Open Window " & " Owners Data"
    AddToLogFile CInt(user_id), 0, Date, Time, LogTextA, LogTexte, Me.Name, "O", "", ""

    Set Cmd(0).ButtonImage = mdifrmmain.ImgLstTree.ListImages("New").Picture
    Set Cmd(1).ButtonImage = mdifrmmain.ImgLstTree.ListImages("Edit").Picture
    Set Cmd(2).ButtonImage = mdifrmmain.ImgLstTree.ListImages("save").Picture
    Set Cmd(3).ButtonImage = mdifrmmain.ImgLstTree.ListImages("Undo").Picture
    Set Cmd(4).ButtonImage = mdifrmmain.ImgLstTree.ListImages("Del").Picture
    Set Cmd(5).ButtonImage = mdifrmmain.ImgLstTree.ListImages("Search").Picture
    Set Cmd(6).ButtonImage = mdifrmmain.ImgLstTree.ListImages("Exit").Picture
    Set Cmd(7).ButtonImage = mdifrmmain.ImgLstTree.ListImages("Print").Picture
    Set CmdHelp.ButtonImage = mdifrmmain.ImgLstTree.ListImages("Help").Picture
    LoadDataCombos

    With CboDiscountType
        .Clear
        .AddItem "·«ÌÊÃœ Œ’„"
        .AddItem "Œ’„ »ﬁÌ„…"
        .AddItem "Œ’„ »‰”»…"
    End With

    With CboDiscountTypePur
        .Clear
        .AddItem "·«ÌÊÃœ Œ’„"
        .AddItem "Œ’„ »ﬁÌ„…"
        .AddItem "Œ’„ »‰”»…"
    End With

    With Me.dcDepitIntervalID
        .Clear

        If SystemOptions.UserInterface = ArabicInterface Then
            .AddItem "ÌÊ„"
            .AddItem "‘Â—"
            .AddItem "”‰…"
        Else
            .AddItem "day"
            .AddItem "month"
            .AddItem "year"
        End If

    End With

    With Me.dcCreditIntervalID
        .Clear

        If SystemOptions.UserInterface = ArabicInterface Then
            .AddItem "ÌÊ„"
            .AddItem "‘Â—"
            .AddItem "”‰…"
        Else
            .AddItem "day"
            .AddItem "month"
            .AddItem "year"
        End If

    End With

    Me.Dtp.value = Date
    'Resize_Form Me
    AddTip
    Dim Dcombos As New ClsDataCombos
    Dcombos.GetAccountingCodes Me.DboParentAccount, False, True

    Dcombos.GetCodeing Me.DCPreFix, 5

    StrSQL = "select * From TblCustemers where Type=57"
            If SystemOptions.usertype <> UserAdminAll Then
            StrSQL = StrSQL & " and (  BranchId=0 or   BranchId=" & Current_branch & ")"
        End If
        
    Set rs = New ADODB.Recordset
    rs.Open StrSQL, Cn, adOpenStatic, adLockOptimistic, adCmdText
    XPBtnMove_Click 2
    Me.TxtModFlg.Text = "R"

    If SystemOptions.UserInterface = EnglishInterface Then
        SetInterface Me
        ChangeLang
    End If
 
    If OPEN_NEW_SCREEN = True Then
        Cmd_Click (0)
    End If

    Exit Sub
ErrTrap:
End Sub

Private Sub Form_Unload(Cancel As Integer)
    On Error GoTo ErrTrap
    LogTextA = "   «·Œ—ÊÃ „‰ " & "»Ì«‰«  «·„·«ﬂ "
    LogTexte = " Exit Window " & " Owners Data"
    AddToLogFile CInt(user_id), 0, Date, Time, LogTextA, LogTexte, Me.Name, "O", "", ""

    If rs.State = adStateOpen Then
        If Not (rs.EOF Or rs.BOF) Then
            If rs.EditMode <> adEditNone Then
                rs.CancelUpdate
            End If
        End If

        rs.Close
    End If

    Set rs = Nothing
    Set TTP = Nothing
    Set ComReport = Nothing
    Exit Sub
ErrTrap:
End Sub

Function CuurentLogdata(Optional Currentmode As String)
    LogTextA = "  Õ›Ÿ ‘«‘… " & " »Ì«‰«   «·„·«ﬂ " _
       & CHR(13) & " ﬂÊœ «·„Ê—œ  " & DCPreFix & txtid.Text _
       & CHR(13) & "«·«”„ ⁄—»Ì  " & XPTxtComName _
       & CHR(13) & "   „”∆Ê· «·« ’«·   " & TxtResponsibleContact _
       & CHR(13) & " —ﬁ„ «·Â« ›     " & XPTxtPhone _
       & CHR(13) & " —ﬁ„ «·ÃÊ«·     " & XPTxtMobile _
       & CHR(13) & " —ﬁ„ «·›«ﬂ”     " & TxtFaxNumber _
       & CHR(13) & "  «·»—Ìœ «·«·ﬂ —Ê‰Ì       " & TxtE_mail _
       & CHR(13) & " «·œÊ·Â   " & DcboCountryID.Text _
       & CHR(13) & " «·„Õ«›Ÿ…   " & DcboGovernmentID.Text _
       & CHR(13) & "  «·„œÌ‰…  " & DcboCityID.Text _
       & CHR(13) & "  «·⁄‰Ê«‰ »«· ›’Ì· " & TxtAddress _
       & CHR(13) & " „·«ÕŸ«   " & XPMTxtRemark.Text _
       & CHR(13) & " ‰Ê⁄ «·Œ’„ ··„»Ì⁄«    " & CboDiscountType.Text _
       & CHR(13) & "   ﬁÌ„Â «·Œ’„  " & TxtDiscountValue _
       & CHR(13) & " ‰Ê⁄ «·Œ’„ ··„‘ —Ì«    " & CboDiscountTypePur.Text _
       & CHR(13) & "   ﬁÌ„Â «·Œ’„  " & TxtDiscountValuePur _
       & CHR(13) & "  ‰Ê⁄ «·„Ê—œ  " & DcCustomerType.Text _
       & CHR(13) & " Õœ «·«∆ „«‰ „œÌ‰  " & TxtCreditLimit _
       & CHR(13) & " „œ… «·«∆ „«‰     " & TxtDepitInterval.Text & "   " & dcDepitIntervalID.Text _
       & CHR(13) & " Õœ «·«∆ „«‰ œ«∆‰   " & TxtCreditlimitCredit _
       & CHR(13) & " „œ… «·«∆ „«‰      " & TxtCreditInterval.Text & "   " & dcCreditIntervalID.Text _

       LogTextA = LogTextA & CHR(13) & " «·„·«ﬂ ø       "

    If chkCustomerandVendor.value = vbChecked Then
        LogTextA = LogTextA & "‰⁄„"
    Else
        LogTextA = LogTextA & "·«"
    End If

    LogTextA = LogTextA & CHR(13) & "«Ìﬁ«› «· ⁄«„·   ø     "

    If locked.value = vbChecked Then
        LogTextA = LogTextA & "‰⁄„"
        LogTextA = LogTextA & CHR(13) & "  ”»» «·«Ìﬁ«›   "
        LogTextA = LogTextA & CHR(13) & XPMTxtRemarks2
    Else
        LogTextA = LogTextA & "·«"
    End If

    LogTextA = LogTextA & CHR(13) & " ÿ»Ì⁄Â «·—’Ìœ «·«›  «ÕÌ   "

    If OptType(0).value = True Then
        LogTextA = LogTextA & "„œÌ‰"
    ElseIf OptType(1).value = True Then
        LogTextA = LogTextA & "   œ«∆‰"
    ElseIf OptType(2).value = True Then
        LogTextA = LogTextA & "€Ì— „Õœœ"
    End If

    LogTextA = LogTextA & CHR(13) & " ﬁÌ„… «·—’Ìœ «·«›  «ÕÌ     " & TxtOpenBalance
    LogTextA = LogTextA & CHR(13) & "«·Õ”«» «·—∆Ì”Ì    " & DboParentAccount

    LogTexte = "  Õ›Ÿ ‘«‘… " & " Customers Data  " _
       & CHR(13) & "  Code  " & DCPreFix & txtid.Text _
       & CHR(13) & "Name " & XPTxtCusNamee _
       & CHR(13) & " Contact Person" & TxtResponsibleContact _
       & CHR(13) & " Tel " & XPTxtPhone _
       & CHR(13) & "Mob " & XPTxtMobile _
       & CHR(13) & " Fax  " & TxtFaxNumber _
       & CHR(13) & "  Email   " & TxtE_mail _
       & CHR(13) & " Contry   " & DcboCountryID.Text _
       & CHR(13) & " City   " & DcboGovernmentID.Text _
       & CHR(13) & "  Town  " & DcboCityID.Text _
       & CHR(13) & " Address " & TxtAddress _
       & CHR(13) & " Remarks  " & XPMTxtRemark _
       & CHR(13) & " Sales Discount  type  " & CboDiscountType.Text _
       & CHR(13) & " Discount Value " & TxtDiscountValue _
       & CHR(13) & " Purchase Discount type " & CboDiscountTypePur.Text _
       & CHR(13) & "  Discount Value" & TxtDiscountValuePur _
       & CHR(13) & "  Supplier . Type " & DcCustomerType.Text _
       & CHR(13) & "The limit for debit  " & TxtCreditLimit _
       & CHR(13) & " Period     " & TxtDepitInterval.Text & "   " & dcDepitIntervalID.Text _
       & CHR(13) & "The limit for Credit   " & TxtCreditlimitCredit _
       & CHR(13) & " Period " & TxtCreditInterval.Text & "   " & dcCreditIntervalID.Text _

       LogTexte = LogTexte & CHR(13) & "Customer & Supplier ?  "

    If chkCustomerandVendor.value = vbChecked Then
        LogTexte = LogTexte & " Yes "
    Else
        LogTexte = LogTexte & " No "
    End If

    LogTexte = LogTexte & CHR(13) & "Locked"

    If locked.value = vbChecked Then
        LogTexte = LogTexte & "Yes "
        LogTexte = LogTexte & CHR(13) & "  Reasons  "
        LogTexte = LogTexte & CHR(13) & XPMTxtRemarks2
    Else
        LogTexte = LogTexte & "No "
    End If

    LogTexte = LogTexte & CHR(13) & " ÿ»Ì⁄Â «·—’Ìœ «·«›  «ÕÌ   "

    If OptType(0).value = True Then
        LogTexte = LogTexte & "„œÌ‰"
    ElseIf OptType(1).value = True Then
        LogTexte = LogTexte & "œ«∆‰"
    ElseIf OptType(2).value = True Then
        LogTexte = LogTexte & "€Ì— „Õœœ"
    End If

    LogTexte = LogTexte & CHR(13) & " ﬁÌ„… «·—’Ìœ «·«›  «ÕÌ  " & TxtOpenBalance
    LogTexte = LogTexte & CHR(13) & "  Parent Acc. " & DboParentAccount
                     
    If Currentmode <> "D" Then
        AddToLogFile CInt(user_id), 0, Date, Time, LogTextA, LogTexte, Me.Name, Me.TxtModFlg, "", ""
    Else
        AddToLogFile CInt(user_id), 0, Date, Time, LogTextA, LogTexte, Me.Name, "D", "", ""
    End If

End Function

Private Sub ImgFavorites_Click()
AddTofaforites Me.Name, Me.Caption, Me.Caption
End Sub

Private Sub Label2_Click()
    Frame2.Visible = False
End Sub

Private Sub OptType_Click(Index As Integer)
    Me.TxtOpenBalance.Enabled = Not OptType(2).value
    Me.TxtOpenBalance.Text = IIf(OptType(2).value = True, 0, Me.TxtOpenBalance.Text)
End Sub

Private Sub TxtCreditLimit_KeyPress(KeyAscii As Integer)
    KeyAscii = KeyAscii_Num(KeyAscii, Me.TxtCreditLimit.Text, 1)
End Sub

Private Sub TxtCreditlimitCredit_KeyPress(KeyAscii As Integer)
    KeyAscii = KeyAscii_Num(KeyAscii, Me.TxtCreditlimitCredit.Text, 1)
End Sub

Private Sub TxtModFlg_Change()

    On Error GoTo ErrTrap

    Select Case Me.TxtModFlg.Text

        Case "R"
            DboParentAccount.Enabled = False

            If SystemOptions.UserInterface = ArabicInterface Then
                Me.Caption = "»Ì«‰«  «·„·«ﬂ"
            Else
                Me.Caption = "Suppliers Data"
            End If

            Me.Cmd(2).Enabled = False
            Me.Cmd(3).Enabled = False
            Me.Cmd(0).Enabled = True
            Me.Cmd(1).Enabled = True
            Me.Cmd(4).Enabled = True
            Me.Cmd(5).Enabled = True
            Me.Cmd(7).Enabled = True
        
            Me.XPBtnMove(0).Enabled = True
            Me.XPBtnMove(1).Enabled = True
            Me.XPBtnMove(2).Enabled = True
            Me.XPBtnMove(3).Enabled = True
        
            Me.XPTxtComID.locked = True
            Me.XPTxtComName.locked = True
            Me.XPTxtPhone.locked = True
            Me.XPTxtMobile.locked = True
            Me.XPMTxtRemark.locked = True

            If XPTxtComID.Text <> "" Then
                If XPTxtComID.Text = 1 Then
                    CmdPriceList.Enabled = False
                Else
                    CmdPriceList.Enabled = True
                End If
            End If

            If rs.RecordCount < 1 Then
                Me.XPBtnMove(0).Enabled = False
                Me.XPBtnMove(1).Enabled = False
                Me.XPBtnMove(2).Enabled = False
                Me.XPBtnMove(3).Enabled = False
                Me.Cmd(1).Enabled = False
                Me.Cmd(4).Enabled = False
                Me.Cmd(5).Enabled = False
                Me.Cmd(7).Enabled = False
                CmdPriceList.Enabled = False
            End If

            Fra(0).Enabled = False

            '        Me.Dtp.Enabled = True
        Case "N"
            DboParentAccount.Enabled = True

            If SystemOptions.UserInterface = ArabicInterface Then
                Me.Caption = "»Ì«‰«  «·„·«ﬂ( ÃœÌœ )"
            Else
                Me.Caption = "Suppliers Data(Enter New Record)."
            End If
        
            Me.Cmd(2).Enabled = True
            Me.Cmd(3).Enabled = True
        
            Me.Cmd(0).Enabled = False
            Me.Cmd(1).Enabled = False
            Me.Cmd(4).Enabled = False
            Me.Cmd(5).Enabled = False
            Me.Cmd(7).Enabled = False
        
            '        Me.XPBtnMove(0).Enabled = False
            '        Me.XPBtnMove(1).Enabled = False
            '        Me.XPBtnMove(2).Enabled = False
            '        Me.XPBtnMove(3).Enabled = False
        
            Me.XPTxtComID.locked = True
            Me.XPTxtComName.locked = False
            Me.XPTxtPhone.locked = False
            Me.XPMTxtRemark.locked = False
            Me.XPTxtMobile.locked = False
            CmdPriceList.Enabled = False
            Fra(0).Enabled = True

            '        Me.Dtp.Enabled = True
        Case "E"
            DboParentAccount.Enabled = False

            If SystemOptions.UserInterface = ArabicInterface Then
                Me.Caption = "»Ì«‰«  «·„·«ﬂ(  ⁄œÌ· )"
            Else
                Me.Caption = "Suppliers Data(Edit Record)."
            End If

            Me.Cmd(2).Enabled = True
            Me.Cmd(3).Enabled = True
        
            Me.Cmd(0).Enabled = False
            Me.Cmd(1).Enabled = False
            Me.Cmd(4).Enabled = False
            Me.Cmd(5).Enabled = False
            Me.Cmd(7).Enabled = False
        
            Me.XPBtnMove(0).Enabled = False
            Me.XPBtnMove(1).Enabled = False
            Me.XPBtnMove(2).Enabled = False
            Me.XPBtnMove(3).Enabled = False
        
            Me.XPTxtComID.locked = True
            Me.XPTxtComName.locked = False
            Me.XPTxtMobile.locked = False
            Me.XPTxtPhone.locked = False
            Me.XPMTxtRemark.locked = False
            CmdPriceList.Enabled = False
            Fra(0).Enabled = True
            '        Me.Dtp.Enabled = True
    End Select

    Exit Sub
ErrTrap:
End Sub
Public Sub Retrive(Optional Lngid As Long = 0)

    Dim SngCusBegainAccount As Single

    On Error GoTo ErrTrap

    If rs.RecordCount < 1 Then
        XPTxtCurrent.Caption = 0
        XPTxtCount.Caption = 0
        Exit Sub
    End If

    If rs.EOF Or rs.BOF Then
        Exit Sub
    End If

    If Lngid <> 0 Then
        rs.Find "CusID=" & Lngid, , adSearchForward, adBookmarkFirst

        If rs.BOF Or rs.EOF Then
            Exit Sub
        End If
    End If

    DCPreFix.Text = IIf(IsNull(rs("prifix").value), "", rs("prifix").value)
    Me.txtid.Text = IIf(IsNull(rs("code").value), "", rs("code").value)
    dcBranch.BoundText = IIf(IsNull(rs("BranchId").value), "", rs("BranchId").value)

    txtopening_balance_voucher_id.Text = IIf(IsNull(rs("opening_balance_voucher_id").value), "", rs("opening_balance_voucher_id").value)
    XPTxtComID.Text = IIf(IsNull(rs("CusID").value), "", val(rs("CusID").value))
    Me.txtcode = IIf(IsNull(rs("c1").value), "", rs("c1").value)
    XPTxtComName.Text = IIf(IsNull(rs("CusName").value), "", Trim(rs("CusName").value))
    Me.TxtResponsibleContact.Text = IIf(IsNull(rs("ResponsibleContact").value), "", rs("ResponsibleContact").value)
    XPTxtPhone.Text = IIf(IsNull(rs("Cus_Phone").value), "", Trim(rs("Cus_Phone").value))
    
    TXTauthorizationname.Text = IIf(IsNull(rs("authorizationname").value), "", Trim(rs("authorizationname").value))
    txtauthorizationNo.Text = IIf(IsNull(rs("authorizationNo").value), "", Trim(rs("authorizationNo").value))
   
    XPTxtMobile.Text = IIf(IsNull(rs("Cus_mobile").value), "", Trim(rs("Cus_mobile").value))
    XPMTxtRemark.Text = IIf(IsNull(rs("Remark").value), "", Trim(rs("Remark").value))
    
    XPTxtCusNamee.Text = IIf(IsNull(rs("CusNamee")), "", Trim(rs("CusNamee")))
    XPMTxtRemarks2.Text = IIf(IsNull(rs("Remark2")), "", Trim(rs("Remark2")))
    locked.value = IIf(rs("locked") = True, 1, 0)
    If IsNull(rs("PassWord").value) Then
    chkSendMessage.value = vbUnchecked
    Else
    
    chkSendMessage.value = IIf(rs("SendMessage") = 1, 1, 0)
    
    End If
    
      
    Me.DboParentAccount.BoundText = IIf(IsNull(rs("parent_account")), "", rs("parent_account"))
    Me.DcCustomerType.BoundText = IIf(IsNull(rs("CustomerTypeID")), "", rs("CustomerTypeID"))
    PasswordTxt.Text = IIf(IsNull(rs("PassWord").value), "", Trim(rs("PassWord").value))
    
    If rs("CustomerandVendor").value = True Then
        chkCustomerandVendor.value = vbChecked
    Else
        chkCustomerandVendor.value = vbUnchecked
    End If

    If XPTxtComID.Text = 1 Then
        CmdPriceList.Enabled = False
    Else
        CmdPriceList.Enabled = True
    End If

    If Not (IsNull(rs("OpenBalanceDate").value)) Then
        Me.Dtp.value = rs("OpenBalanceDate").value
    Else
        Me.Dtp.value = Date
        Me.Dtp.Enabled = False
    End If

    If Not IsNull(rs("OpenBalanceType").value) Then
        Me.TxtOpenBalance.Text = IIf(IsNull(rs("OpenBalance")), "", Trim(rs("OpenBalance")))
        If rs("OpenBalanceType").value = 0 Then
            OptType(0).value = True
            OptType_Click 0
        ElseIf rs("OpenBalanceType").value = 1 Then
            OptType(1).value = True
            OptType_Click 1
        End If
    Else
        Me.TxtOpenBalance.Text = 0
        Me.OptType(2).value = True
        OptType_Click 2
    End If

    If Not IsNull(rs("OpenBalanceType1").value) Then
        Me.TxtOpenBalance1.Text = IIf(IsNull(rs("OpenBalance1")), "", Trim(rs("OpenBalance1")))
        If rs("OpenBalanceType1").value = 0 Then
            OptType1(0).value = True
            OptType1_Click 0
        ElseIf rs("OpenBalanceType1").value = 1 Then
            OptType1(1).value = True
            OptType1_Click 1
        End If
    Else
        Me.TxtOpenBalance1.Text = 0
        Me.OptType1(2).value = True
        OptType1_Click 2
    End If
    
    TxtCreditLimit.Text = IIf(IsNull(rs("CreditLimit").value), "0", rs("CreditLimit").value)
    Me.TxtCreditlimitCredit.Text = IIf(IsNull(rs("CreditlimitCredit").value), "0", rs("CreditlimitCredit").value)
    Me.TxtFaxNumber.Text = IIf(IsNull(rs("FaxNumber").value), "", rs("FaxNumber").value)
    Me.TxtE_mail.Text = IIf(IsNull(rs("E_mail").value), "", rs("E_mail").value)
    'SngCusBegainAccount = GetCustomerAccount(val(XPTxtComID.text), True)

    Dim balanceString As String
    WriteCustomerBalPublic IIf(IsNull(rs("Account_Code")), "", rs("Account_Code")), , balanceString
    lbl(8).Caption = balanceString

    'If SngCusBegainAccount < 0 Then
    '    Me.lbl(8).Caption = Abs(SngCusBegainAccount)
    '    Me.lbl(9).Caption = "„œÌ‰"
    'ElseIf SngCusBegainAccount > 0 Then
    '    Me.lbl(8).Caption = Abs(SngCusBegainAccount)
    '    Me.lbl(9).Caption = "œ«∆‰"
    'Else
    '    Me.lbl(8).Caption = 0
    '    Me.lbl(9).Caption = ""
    'End If

    If IsNull(rs("Trans_DiscountType").value) Then
        Me.CboDiscountType.ListIndex = 0
        Me.TxtDiscountValue.Text = 0
    ElseIf rs("Trans_DiscountType").value = 0 Then
        Me.CboDiscountType.ListIndex = 0
        Me.TxtDiscountValue.Text = 0
    ElseIf rs("Trans_DiscountType").value = 1 Then
        Me.CboDiscountType.ListIndex = 1
        Me.TxtDiscountValue.Text = IIf(IsNull(rs("Trans_Discount").value), "", rs("Trans_Discount").value)
    ElseIf rs("Trans_DiscountType").value = 2 Then
        Me.CboDiscountType.ListIndex = 2
        Me.TxtDiscountValue.Text = IIf(IsNull(rs("Trans_Discount").value), "", rs("Trans_Discount").value)
    End If

    If IsNull(rs("Trans_DiscountTypePur").value) Then
        Me.CboDiscountTypePur.ListIndex = 0
        Me.TxtDiscountValuePur.Text = 0
    ElseIf rs("Trans_DiscountTypePur").value = 0 Then
        Me.CboDiscountTypePur.ListIndex = 0
        Me.TxtDiscountValuePur.Text = 0
    ElseIf rs("Trans_DiscountTypePur").value = 1 Then
        Me.CboDiscountTypePur.ListIndex = 1
        Me.TxtDiscountValuePur.Text = IIf(IsNull(rs("Trans_DiscountPur").value), "", rs("Trans_DiscountPur").value)
    ElseIf rs("Trans_DiscountTypePur").value = 2 Then
        Me.CboDiscountTypePur.ListIndex = 2
        Me.TxtDiscountValuePur.Text = IIf(IsNull(rs("Trans_DiscountPur").value), "", rs("Trans_DiscountPur").value)
    End If

    Me.DcboCountryID.BoundText = IIf(IsNull(rs("CountryID")), "", rs("CountryID"))
    Me.DcboGovernmentID.BoundText = IIf(IsNull(rs("GovernmentID")), "", rs("GovernmentID"))
    Me.DcboCityID.BoundText = IIf(IsNull(rs("CityID")), "", rs("CityID"))
    Me.TxtAddress.Text = IIf(IsNull(rs("Address")), "", Trim(rs("Address")))
    TxtDepitInterval.Text = IIf(IsNull(rs("DepitInterval")), 0, rs("DepitInterval"))
    TxtCreditInterval.Text = IIf(IsNull(rs("CreditInterval")), 0, rs("CreditInterval"))
    
    dcDepitIntervalID.ListIndex = IIf(IsNull(rs("DepitIntervalID")), -1, rs("DepitIntervalID"))
    dcCreditIntervalID.ListIndex = IIf(IsNull(rs("CreditIntervalID")), -1, rs("CreditIntervalID"))

    txtBankAccount.Text = IIf(IsNull(rs("BankAccount").value), "", rs("BankAccount").value)
    txtBankName.Text = IIf(IsNull(rs("BankName").value), "", rs("BankName").value)
    TxtVATNO.Text = IIf(IsNull(rs("VATNO").value), "", rs("VATNO").value)
    TxtBankCode.Text = IIf(IsNull(rs("BankCode").value), "", rs("BankCode").value)
    TxtBankIBAN.Text = IIf(IsNull(rs("BankIBAN").value), "", rs("BankIBAN").value)
     
   



    XPTxtCurrent.Caption = rs.AbsolutePosition
    XPTxtCount.Caption = rs.RecordCount
    Exit Sub
ErrTrap:
End Sub

Private Sub ShowCusBalance()
    Dim cReport As ClsCustemerReport
    Dim LngCusID As Long
    LngCusID = val(XPTxtComID.Text)
    ShowCusBalDailog LngCusID, 0
End Sub

Private Sub TxtOpenBalance_KeyPress(KeyAscii As Integer)
    KeyAscii = KeyAscii_Num(KeyAscii, Me.TxtOpenBalance.Text, 0)
End Sub

Private Sub XPBtnMove_Click(Index As Integer)
    On Error GoTo ErrTrap

    If Me.TxtModFlg.Text = "N" Then
        clear_all Me
        Me.TxtModFlg.Text = "R"
        XPBtnMove_Click (1)
    End If

    Select Case Index

        Case 0

            If Not (rs.EOF Or rs.BOF) Then
                rs.MovePrevious

                If rs.BOF Then rs.MoveFirst
            End If

        Case 1

            If Not (rs.EOF Or rs.BOF) Then
                rs.MoveFirst
            End If

        Case 2

            If Not (rs.EOF Or rs.BOF) Then
                rs.MoveLast
            End If

        Case 3

            If Not (rs.EOF Or rs.BOF) Then
                rs.MoveNext

                If rs.EOF Then rs.MoveLast
            End If

    End Select

    Retrive
    Exit Sub
ErrTrap:
End Sub

Private Sub OptType1_Click(Index As Integer)
    Me.TxtOpenBalance1.Enabled = Not OptType1(2).value
    Me.TxtOpenBalance1.Text = IIf(OptType1(2).value = True, 0, Me.TxtOpenBalance1.Text)

End Sub

Private Sub SaveData()

    On Error GoTo ErrTrap

    Dim Msg As String
    Dim StrSQL As String
    Dim RsTemp As New ADODB.Recordset
    Dim RsTempM As New ADODB.Recordset
    Dim BeginTrans As Boolean
    Dim ParentAccount As String
    
    If Me.TxtModFlg.Text <> "R" Then
        If XPTxtComName.Text = "" Then
            MsgBox "„‰ ›÷·ﬂ √œŒ· «”„ «·„«·ﬂ ", vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
            XPTxtComName.SetFocus
            Exit Sub
        End If
    
        If Me.OptType(2).value = False Then
            If val(Me.TxtOpenBalance.Text) = 0 Then
                Msg = "ÌÃ» ﬂ «»… ﬁÌ„… «·—’Ìœ...!!!"
                MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                    If TxtOpenBalance.Enabled = True Then
                        TxtOpenBalance.SetFocus
                    End If
                    Exit Sub
            End If
        End If

        If Me.OptType1(2).value = False Then
            If val(Me.TxtOpenBalance1.Text) = 0 Then
                If SystemOptions.UserInterface = ArabicInterface Then
                    Msg = "  «œŒ· —’Ìœ «·«ÌÃ«—«  «·„” Õﬁ… ...!!!"
                Else
                    Msg = "Enter  Due  Balance for Checks"
                End If
                    MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                    If TxtOpenBalance1.Enabled = True Then
                        TxtOpenBalance1.SetFocus
                    End If
                    Exit Sub
                End If
            End If
        
            If Me.CboDiscountType.ListIndex = -1 Or Me.CboDiscountType.ListIndex = 0 Then
                Me.TxtDiscountValue.Text = 0
            ElseIf Me.CboDiscountType.ListIndex = 1 Then
                If val(Me.TxtDiscountValue.Text) = 0 Then
                    Msg = "ÌÃ» ﬂ «»… ﬁÌ„… «·Œ’„ «·Œ«’… »«·„«·ﬂ...!!!"
                    MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                    TxtDiscountValue.SetFocus
                    Exit Sub
                End If
            ElseIf Me.CboDiscountType.ListIndex = 2 Then
                If val(Me.TxtDiscountValue.Text) = 0 Then
                    Msg = "ÌÃ» ﬂ «»… ‰”»… «·Œ’„ «·Œ«’… »«·„«·ﬂ...!!!"
                    MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                    TxtDiscountValue.SetFocus
                    Exit Sub
                ElseIf val(Me.TxtDiscountValue.Text) > 100 Then
                    Msg = "·«Ì„ﬂ‰ «‰  ﬂÊ‰ ‰”»… «·Œ’„ «ﬂ»— „‰ 100 ...!!!"
                    MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                    TxtDiscountValue.SetFocus
                    Exit Sub
                End If
            End If
            
            If Me.CboDiscountTypePur.ListIndex = -1 Or Me.CboDiscountTypePur.ListIndex = 0 Then
                Me.TxtDiscountValuePur.Text = 0
            ElseIf Me.CboDiscountTypePur.ListIndex = 1 Then
                If val(Me.TxtDiscountValuePur.Text) = 0 Then
                    Msg = "ÌÃ» ﬂ «»… ﬁÌ„… «·Œ’„ «·Œ«’… »«·„«·ﬂ ›Ï ›Ê« Ì— «·‘—«¡...!!!"
                    MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                    TxtDiscountValuePur.SetFocus
                    Exit Sub
                End If
            ElseIf Me.CboDiscountTypePur.ListIndex = 2 Then
                If val(Me.TxtDiscountValuePur.Text) = 0 Then
                    Msg = "ÌÃ» ﬂ «»… ‰”»… «·Œ’„ «·Œ«’… »«·„«·ﬂ ›Ï ›Ê« Ì— «·‘—«¡..!!!"
                    MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                    TxtDiscountValuePur.SetFocus
                    Exit Sub
                ElseIf val(Me.TxtDiscountValuePur.Text) > 100 Then
                    Msg = "·«Ì„ﬂ‰ «‰  ﬂÊ‰ ‰”»… «·Œ’„ «ﬂ»— „‰ 100 ...!!!"
                    MsgBox Msg, vbOKOnly + vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                    TxtDiscountValuePur.SetFocus
                    Exit Sub
                End If
            End If

            Select Case Me.TxtModFlg.Text
                Case "N"
                    XPTxtComID.Text = CStr(new_id("TblCustemers", "CusID", "", True))
                    StrSQL = "select * From  TblCustemers where Type=57 And CusName='" & Trim(XPTxtComName.Text) & "'"
                    RsTemp.Open StrSQL, Cn, adOpenStatic, adLockOptimistic, adCmdText
                    If RsTemp.RecordCount > 0 Then
                        Msg = "ÌÊÃœ „«·ﬂ „”Ã· „”»ﬁ« »Â–« «·«”„" & CHR(13)
                        Msg = Msg + "»—Ã«¡ «· √ﬂœ „‰ «·«”„ «·’ÕÌÕ " & CHR(13)
                        Msg = Msg + "√Ê  €ÌÌ— √Ê  „ÌÌ“ «”„ «·„Ê—œ"
                        MsgBox Msg, vbOKOnly + vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                        XPTxtComName.SetFocus
                        Exit Sub
                    End If
                    
                    If (txtcode.Text) = "" Then
                        GoTo xx
                    End If
                    
                    RsTemp.Close
                    StrSQL = "select * From  TblCustemers where Type=57 And c1=" & val(Me.txtcode.Text)
                    RsTemp.Open StrSQL, Cn, adOpenStatic, adLockOptimistic, adCmdText

                    If RsTemp.RecordCount > 0 Then
                        Msg = "ÌÊÃœ „«·ﬂ „”Ã· „”»ﬁ« »Â–« «·ﬂÊœ" & CHR(13)
                        Msg = Msg + "»—Ã«¡ «· √ﬂœ „‰ «·ﬂÊœ «·’ÕÌÕ " & CHR(13)
                        Msg = Msg + "√Ê  €ÌÌ—ﬂÊœ «·„Ê—œ"
                        MsgBox Msg, vbOKOnly + vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                        XPTxtComName.SetFocus
                        Exit Sub
                    End If
xx:
                Case "E"
                    StrSQL = "select * From  TblCustemers where  Type=57 And CusName='" & Trim(XPTxtComName.Text) & "'"
                    RsTemp.Open StrSQL, Cn, adOpenStatic, adLockOptimistic, adCmdText
                    If RsTemp.RecordCount > 0 Then
                        If RsTemp("CusID").value <> val(XPTxtComID.Text) Then
                            Msg = "ÌÊÃœ „«·ﬂ „”Ã· „”»ﬁ« »Â–« «·«”„" & CHR(13)
                            Msg = Msg + "»—Ã«¡ «· √ﬂœ „‰ «·«”„ «·’ÕÌÕ " & CHR(13)
                            Msg = Msg + "√Ê  €ÌÌ— √Ê  „ÌÌ“ «”„ «·„Ê—œ"
                            MsgBox Msg, vbOKOnly + vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                            XPTxtComName.SetFocus
                            Exit Sub
                        End If
                    End If
                    
                    RsTemp.Close
                    
                    If (txtcode.Text) = "" Then
                        GoTo ll
                    End If
                    
                    StrSQL = "select * From  TblCustemers where  Type=57 And c1= " & val(txtcode.Text)
                    RsTemp.Open StrSQL, Cn, adOpenStatic, adLockOptimistic, adCmdText
                    
                    If RsTemp.RecordCount > 0 Then
                        If RsTemp("CusID").value <> val(XPTxtComID.Text) Then
                            Msg = "ÌÊÃœ „«·ﬂ „”Ã· „”»ﬁ« »Â–« «·ﬂÊœ" & CHR(13)
                            Msg = Msg + "»—Ã«¡ «· √ﬂœ „‰ «·ﬂÊœ «·’ÕÌÕ " & CHR(13)
                            Msg = Msg + "√Ê  €ÌÌ— √Ê  „ÌÌ“«·ﬂÊœ "
                            MsgBox Msg, vbOKOnly + vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                            XPTxtComName.SetFocus
                            Exit Sub
                        End If
                    End If
ll:
            End Select

            Cn.BeginTrans
            BeginTrans = True
            
            If Me.TxtModFlg.Text = "N" Then
                Dim Account_Code_dynamic As String
                Account_Code_dynamic = Me.DboParentAccount.BoundText
                rs.AddNew
                rs("CusID").value = val(XPTxtComID.Text)
            ElseIf Me.TxtModFlg.Text = "E" Then
                StrSQL = "delete From DOUBLE_ENTREY_VOUCHERS1 where opening_balance_voucher_id=" & val(txtopening_balance_voucher_id.Text)
                Cn.Execute StrSQL, , adExecuteNoRecords
            End If
            
            rs("BranchId").value = IIf(Me.dcBranch.BoundText = "", 0, val(dcBranch.BoundText))
        
            If val(TxtOpenBalance.Text) = 0 Then
                txtopening_balance_voucher_id = 0
            End If
       
            If Me.OptType(0).value = True Or Me.OptType(1).value = True Then
                If val(Me.txtopening_balance_voucher_id.Text) = 0 Then
                    txtopening_balance_voucher_id.Text = get_opening_balance_voucher_id
                End If
            End If
         
            rs("code").value = txtid.Text
            rs("Fullcode").value = IIf(DCPreFix.BoundText = "", Null, DCPreFix.Text) & IIf(Trim(txtid.Text) = "", Null, txtid.Text)
            rs("prifix").value = IIf(DCPreFix.Text = "", Null, DCPreFix.Text)
            rs("opening_balance_voucher_id").value = val(txtopening_balance_voucher_id.Text)
            rs("c1").value = Me.txtcode.Text
            rs("CusName").value = Trim(XPTxtComName.Text)
            rs("authorizationname").value = IIf(TXTauthorizationname.Text = "", "", Trim(TXTauthorizationname.Text))
            rs("authorizationno").value = IIf(txtauthorizationNo.Text = "", "", Trim(txtauthorizationNo.Text))
            rs("Cus_Phone").value = IIf(XPTxtPhone.Text = "", "", Trim(XPTxtPhone.Text))
            rs("Cus_mobile").value = IIf(XPTxtMobile.Text = "", "", Trim(XPTxtMobile.Text))
            rs("Remark").value = IIf(XPMTxtRemark.Text = "", "", Trim(XPMTxtRemark.Text))
            rs("Remark2").value = IIf(XPMTxtRemarks2.Text = "", "", Trim(XPMTxtRemarks2.Text))
            rs("parent_account").value = IIf(Me.DboParentAccount.BoundText = "", Null, Me.DboParentAccount.BoundText)
        
        
            rs("BankCode").value = Trim(TxtBankCode.Text)
            rs("BankIBAN").value = Trim(TxtBankIBAN.Text)
            rs("BankAccount").value = IIf(txtBankAccount.Text = "", "", Trim(txtBankAccount.Text))
            rs("BankName").value = IIf(txtBankName.Text = "", "", Trim(txtBankName.Text))
            rs("VATNO").value = TxtVATNO.Text


            If locked.value = vbChecked Then
                rs("locked").value = 1
            Else
                rs("locked").value = 0
            End If
    
    If chkSendMessage.value = vbChecked Then
              rs("SendMessage").value = 1
            Else
                rs("SendMessage").value = 0
            End If
            
            If Trim(XPTxtCusNamee.Text) = "" Then XPTxtCusNamee.Text = Trim(XPTxtComName)
                rs("CusNamee").value = Trim(XPTxtCusNamee.Text)
                If chkCustomerandVendor.value = vbChecked Then
                    rs("CustomerandVendor").value = 1
                Else
                    rs("CustomerandVendor").value = 0
                End If
                rs("Type").value = 57
                
                If Me.OptType(2).value = True Then
                    rs("OpenBalance").value = 0
                    rs("OpenBalanceType").value = Null
                ElseIf Me.OptType(0).value = True Then
                    rs("OpenBalance").value = val(Me.TxtOpenBalance.Text)
                    rs("OpenBalanceType").value = 0
                ElseIf Me.OptType(1).value = True Then
                    rs("OpenBalance").value = val(Me.TxtOpenBalance.Text)
                    rs("OpenBalanceType").value = 1
                End If

                If Me.OptType1(2).value = True Then
                    rs("OpenBalance1").value = 0
                    rs("OpenBalanceType1").value = Null
                ElseIf Me.OptType1(0).value = True Then
                    rs("OpenBalance1").value = val(Me.TxtOpenBalance1.Text)
                    rs("OpenBalanceType1").value = 0
                ElseIf Me.OptType1(1).value = True Then
                    rs("OpenBalance1").value = val(Me.TxtOpenBalance1.Text)
                    rs("OpenBalanceType1").value = 1
                End If
                
                rs("OpenBalanceDate").value = Me.Dtp.value
                rs("CreditLimit").value = val(Me.TxtCreditLimit.Text)
                rs("CreditlimitCredit").value = val(Me.TxtCreditlimitCredit.Text)
                rs("FaxNumber").value = IIf(Trim$(Me.TxtFaxNumber.Text) = "", Null, Trim$(Me.TxtFaxNumber.Text))
                rs("E_mail").value = IIf(Trim$(Me.TxtE_mail.Text) = "", Null, Trim$(Me.TxtE_mail.Text))

                If Me.CboDiscountType.ListIndex = -1 Or Me.CboDiscountType.ListIndex = 0 Then
                    rs("Trans_DiscountType").value = 0
                    rs("Trans_Discount").value = 0
                ElseIf Me.CboDiscountType.ListIndex = 1 Then
                    rs("Trans_DiscountType").value = 1
                    rs("Trans_Discount").value = val(Me.TxtDiscountValue.Text)
                ElseIf Me.CboDiscountType.ListIndex = 2 Then
                    rs("Trans_DiscountType").value = 2
                    rs("Trans_Discount").value = val(Me.TxtDiscountValue.Text)
                End If
                
                If Me.CboDiscountTypePur.ListIndex = -1 Or Me.CboDiscountTypePur.ListIndex = 0 Then
                    rs("Trans_DiscountTypePur").value = 0
                    rs("Trans_DiscountPur").value = 0
                ElseIf Me.CboDiscountTypePur.ListIndex = 1 Then
                    rs("Trans_DiscountTypePur").value = 1
                    rs("Trans_DiscountPur").value = val(Me.TxtDiscountValuePur.Text)
                ElseIf Me.CboDiscountTypePur.ListIndex = 2 Then
                    rs("Trans_DiscountTypePur").value = 2
                    rs("Trans_DiscountPur").value = val(Me.TxtDiscountValuePur.Text)
                End If
            
                If Me.TxtModFlg.Text = "N" Then
                    If SystemOptions.Create2account4Supp = False Then
                        rs("Account_Code").value = ModAccounts.AddNewAccount(Account_Code_dynamic, Trim$(Me.XPTxtComName.Text), True, False, XPTxtCusNamee.Text, , , , , , , , , , 1, 1, 1, 0, 0)
                    Else
                        ParentAccount = ModAccounts.AddNewAccount(Account_Code_dynamic, XPTxtComName.Text, False, False, XPTxtCusNamee.Text)
                        rs("ParentAccount").value = ParentAccount
                        rs("Account_Code").value = ModAccounts.AddNewAccount(ParentAccount, Trim$(Me.XPTxtComName.Text), True, False, XPTxtCusNamee.Text)
                        rs("Account_Code1").value = ModAccounts.AddNewAccount(ParentAccount, Trim$(Me.XPTxtComName.Text) & "   «ÌÃ«—«   „” Õﬁ…   ", True, False, XPTxtCusNamee.Text & "  Dur Rent ")
                    End If
                Else
                    If SystemOptions.Create2account4Supp = False Then
                        If Not IsNull(rs("Account_Code").value) And Not (rs("Account_Code").value) = "" Then
                            ModAccounts.EditAccount rs("Account_Code").value, Me.XPTxtComName.Text, Me.XPTxtCusNamee.Text, , , , , , , , , 1, 1, 1, 0, 0, , , , True
                        Else
                            rs("Account_Code").value = ModAccounts.AddNewAccount(Account_Code_dynamic, Trim$(Me.XPTxtComName.Text), True, False, XPTxtCusNamee.Text, , , , , , , , , , 1, 1, 1, 0, 0)
                        End If
                    Else
                        If Not IsNull(rs("ParentAccount").value) And Not (rs("ParentAccount").value) = "" Then
                            ModAccounts.EditAccount rs("ParentAccount").value, Me.XPTxtComName.Text, Trim(XPTxtCusNamee.Text), , , , , , , , , , , , , , , , , False
                        Else
                            ParentAccount = ModAccounts.AddNewAccount(Account_Code_dynamic, XPTxtComName.Text, False, False, XPTxtCusNamee.Text)
                            rs("ParentAccount").value = ParentAccount
                        End If
                        
                        If Not IsNull(rs("Account_Code").value) And Not (rs("Account_Code").value) = "" Then
                            ModAccounts.EditAccount rs("Account_Code").value, Me.XPTxtComName.Text, Me.XPTxtCusNamee.Text, , , , , , , , , 1, 1, 1, 0, 0, , , , True
                        Else
                            rs("Account_Code").value = ModAccounts.AddNewAccount(Account_Code_dynamic, Trim$(Me.XPTxtComName.Text), True, False, XPTxtCusNamee.Text, , , , , , , , , , 1, 1, 1, 0, 0)
                        End If
                            
                        If Not IsNull(rs("Account_Code1").value) And Not (rs("Account_Code1").value) = "" Then
                            ModAccounts.EditAccount rs("Account_Code1").value, Me.XPTxtComName.Text & " «ÌÃ«—«  „” Õﬁ…", Me.XPTxtCusNamee.Text & "Due rent", , , , , , , , , 1, 1, 1, 0, 0, , , , True
                        Else
                            rs("Account_Code1").value = ModAccounts.AddNewAccount(Account_Code_dynamic, Trim$(Me.XPTxtComName.Text) & " «ÌÃ«—«  „” Õﬁ…", True, False, XPTxtCusNamee.Text & "Due rent", , , , , , , , , , 1, 1, 1, 0, 0)
                        End If
                    End If
                End If
            End If
            
            rs("CountryID").value = IIf(val(Me.DcboCountryID.BoundText) = 0, Null, val(Me.DcboCountryID.BoundText))
            rs("GovernmentID").value = IIf(val(Me.DcboGovernmentID.BoundText) = 0, Null, val(Me.DcboGovernmentID.BoundText))
            rs("CityID").value = IIf(val(Me.DcboCityID.BoundText) = 0, Null, val(Me.DcboCityID.BoundText))
            rs("ResponsibleContact").value = Trim$(Me.TxtResponsibleContact.Text)
            rs("Address").value = Trim$(Me.TxtAddress.Text)
            rs("CustomerTypeID").value = IIf(val(Me.DcCustomerType.BoundText) = 0, Null, val(Me.DcCustomerType.BoundText))
            rs("DepitInterval").value = val(TxtDepitInterval.Text)
            rs("CreditInterval").value = val(TxtCreditInterval.Text)
            rs("DepitIntervalID").value = val(dcDepitIntervalID.ListIndex)
            rs("CreditIntervalID").value = val(dcCreditIntervalID.ListIndex)
            rs("PassWord").value = Trim$(Me.PasswordTxt.Text)
        rs.update
    
        Dim StrDes As String

        If SystemOptions.UserInterface = ArabicInterface Then
            StrDes = "«·—’Ìœ «·≈›  «ÕÏ ·‹ " & Trim(Me.XPTxtComName.Text) & " "
        Else
            StrDes = " Opening Balance For: " & Trim(Me.XPTxtCusNamee.Text) & " "
        End If
        
        If Me.OptType(0).value = True Or Me.OptType(1).value = True Then
            If SystemOptions.SysAppAccoutingType = CompeleteAccounting Then
        
                Dim LngDevID As Long
                Dim LngOpenID As Long
                Dim Account_Code_dynamic1 As String
        
                LngOpenID = 1
                LngDevID = new_id("DOUBLE_ENTREY_VOUCHERS1", "Double_Entry_Vouchers_ID", "", True)
           
                If Me.OptType(0).value = True Then
                    Account_Code_dynamic1 = get_account_code_branch(60, my_branch)
                    If Account_Code_dynamic1 = "NO branch" Then
                        MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                        GoTo ErrTrap
                    Else
                        If Account_Code_dynamic1 = "NO account" Then
                            MsgBox "·„ Ì „  ÕœÌœ Õ”«»  «›  «ÕÌ ›Ì «·›—⁄ ·Â–… «·⁄„·Ì…", vbCritical
                            GoTo ErrTrap
                        End If
                    End If
        
                    If ModAccounts.AddNewDev(LngDevID, 1, rs("Account_Code").value, val(Me.TxtOpenBalance.Text), 0, StrDes, LngOpenID, , , , Me.Dtp.value, , , , , , , , , , , , , , True, val(txtopening_balance_voucher_id.Text), , , , val(dcBranch.BoundText)) = False Then
                        GoTo ErrTrap
                    End If
                
                    If ModAccounts.AddNewDev(LngDevID, 2, Account_Code_dynamic1, val(Me.TxtOpenBalance.Text), 1, StrDes, LngOpenID, , , , Me.Dtp.value, , , , , , , , , , , , , , True, val(txtopening_balance_voucher_id.Text), , , , val(dcBranch.BoundText)) = False Then
                        GoTo ErrTrap
                    End If
                
                ElseIf Me.OptType(1).value = True Then
                    Account_Code_dynamic1 = get_account_code_branch(60, my_branch)
                
                    If Account_Code_dynamic1 = "NO branch" Then
                        MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                        GoTo ErrTrap
                    Else
                        If Account_Code_dynamic1 = "NO account" Then
                            MsgBox "·„ Ì „  ÕœÌœ Õ”«»  «›  «ÕÌ ›Ì «·›—⁄ ·Â–… «·⁄„·Ì…", vbCritical
                            GoTo ErrTrap
                        End If
                    End If
                 
                    If ModAccounts.AddNewDev(LngDevID, 1, Account_Code_dynamic1, val(Me.TxtOpenBalance.Text), 0, StrDes, LngOpenID, , , , Me.Dtp.value, , , , , , , , , , , , , , True, val(txtopening_balance_voucher_id.Text), , , , val(dcBranch.BoundText)) = False Then
                        GoTo ErrTrap
                    End If
                
                    If ModAccounts.AddNewDev(LngDevID, 2, rs("Account_Code").value, val(Me.TxtOpenBalance.Text), 1, StrDes, LngOpenID, , , , Me.Dtp.value, , , , , , , , , , , , , , True, val(txtopening_balance_voucher_id.Text), , , , val(dcBranch.BoundText)) = False Then
                        GoTo ErrTrap
                    End If
                End If
            End If
        End If

'2222222222222222222222222222222222222222222222222222222
GoTo endNew
        If SystemOptions.Create2account4Supp = True Then
            If Me.OptType1(0).value = True Or Me.OptType1(1).value = True Then
                If SystemOptions.SysAppAccoutingType = CompeleteAccounting Then
                    LngOpenID = 1
                    LngDevID = new_id("DOUBLE_ENTREY_VOUCHERS1", "Double_Entry_Vouchers_ID", "", True)
                    If Me.OptType1(0).value = True Then
                        Account_Code_dynamic1 = get_account_code_branch(124, my_branch)
                        If Account_Code_dynamic1 = "NO branch" Then
                            MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                            GoTo ErrTrap
                        Else
                            If Account_Code_dynamic1 = "NO account" Then
                                MsgBox "·„ Ì „  ÕœÌœ Õ”«»  «›  «ÕÌ   ··«ÌÃ«—«  «·„” Õﬁ… ›Ì «·›—⁄ ·Â–… «·⁄„·Ì…", vbCritical
                                GoTo ErrTrap
                            End If
                        End If
                        
                        If ModAccounts.AddNewDev(LngDevID, 1, rs("Account_Code1").value, Round(Me.TxtOpenBalance1.Text, SystemOptions.SysDefCurrencyForamt), 0, StrDes & Trim(Me.XPTxtComName.Text) & "  " & Trim$(Me.XPTxtCusNamee.Text), LngOpenID, , , , Me.Dtp.value, , , , , , , , , , , , , , True, val(txtopening_balance_voucher_id.Text), , , , val(dcBranch.BoundText)) = False Then
                            GoTo ErrTrap
                        End If
                        
                        If ModAccounts.AddNewDev(LngDevID, 2, Account_Code_dynamic1, Round(Me.TxtOpenBalance1.Text, SystemOptions.SysDefCurrencyForamt), 1, StrDes & Trim(Me.XPTxtComName.Text) & "  " & Trim$(Me.XPTxtCusNamee.Text), LngOpenID, , , , Me.Dtp.value, , , , , , , , , , , , , , True, val(txtopening_balance_voucher_id.Text), , , , val(dcBranch.BoundText)) = False Then
                            GoTo ErrTrap
                        End If
                
                    ElseIf Me.OptType1(1).value = True Then
                        Account_Code_dynamic1 = get_account_code_branch(124, my_branch)
                        If Account_Code_dynamic1 = "NO branch" Then
                            MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                            GoTo ErrTrap
                        Else
                            If Account_Code_dynamic1 = "NO account" Then
                                MsgBox "·„ Ì „  ÕœÌœ Õ”«»  «›  «ÕÌ   ··«ÌÃ«—«  «·„” Õﬁ…  ›Ì «·›—⁄ ·Â–… «·⁄„·Ì…", vbCritical
                                GoTo ErrTrap
                            End If
                        End If
                
                        If ModAccounts.AddNewDev(LngDevID, 1, Account_Code_dynamic1, Round(Me.TxtOpenBalance1.Text, SystemOptions.SysDefCurrencyForamt), 0, StrDes & Trim(Me.XPTxtComName.Text) & "  " & Trim$(Me.XPTxtComName.Text), LngOpenID, , , , Me.Dtp.value, , , , , , , , , , , , , , True, val(txtopening_balance_voucher_id.Text), , , , val(dcBranch.BoundText)) = False Then
                            GoTo ErrTrap
                        End If

                        If ModAccounts.AddNewDev(LngDevID, 2, rs("Account_Code1").value, Round(Me.TxtOpenBalance1.Text, SystemOptions.SysDefCurrencyForamt), 1, StrDes & Trim(Me.XPTxtComName.Text) & "  " & Trim$(Me.XPTxtComName.Text), LngOpenID, , , , Me.Dtp.value, , , , , , , , , , , , , , True, val(txtopening_balance_voucher_id.Text), , , , val(dcBranch.BoundText)) = False Then
                            GoTo ErrTrap
                        End If
                    End If
                End If
            End If
'22222222222222222222222222222222222222222222222222222222
endNew:
        Cn.CommitTrans
        BeginTrans = False
        XPTxtCurrent.Caption = rs.AbsolutePosition
        XPTxtCount.Caption = rs.RecordCount
        CuurentLogdata

        Select Case Me.TxtModFlg.Text
            Case "N"
                Msg = "  „ Õ›Ÿ »Ì«‰«  Â–« «·„«·ﬂ" & CHR(13)
                Msg = Msg + "Â·  —€» ›Ì ≈÷«›… »Ì«‰«  √Œ—Ì"
                If SystemOptions.UserInterface = EnglishInterface Then
                    Msg = "Done, do you want new Owners"
                End If
            
                If MsgBox(Msg, vbYesNo + vbQuestion + vbMsgBoxRight + vbMsgBoxRtlReading + vbDefaultButton2, App.title) = vbYes Then
                    Cmd_Click (0)
                    Exit Sub
                End If
            Case "E"
                If SystemOptions.UserInterface = ArabicInterface Then
                    MsgBox " „ Õ›Ÿ Â–Â «· ⁄œÌ·« ", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                Else
                    MsgBox " Update Saved", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                End If
        End Select
        TxtModFlg.Text = "R"
    End If

    Exit Sub
ErrTrap:

    If BeginTrans = True Then
        BeginTrans = False
        Cn.RollbackTrans
    End If

    If Err.Number = -2147217900 Then
        Msg = "·« Ì„ﬂ‰ Õ›Ÿ Â–Â «·»Ì«‰«  " & CHR(13)
        Msg = Msg + "·ﬁœ  „ «œŒ«· ﬁÌ„ €Ì— ’«·Õ… " & CHR(13)
        Msg = Msg + " √ﬂœ „‰ œﬁ… «·»Ì«‰«  Ê√⁄œ «·„Õ«Ê·…"
        MsgBox Msg, vbOKOnly + vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
        Exit Sub
    End If

    Msg = "⁄›Ê«...ÕœÀ Œÿ√ „« √À‰«¡ Õ›Ÿ Â–Â «·»Ì«‰«  " & CHR(13)
    MsgBox Msg, vbOKOnly + vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
End Sub
Private Sub Undo()
    On Error GoTo ErrTrap

    Select Case TxtModFlg.Text

        Case "N"
            clear_all Me
            Me.TxtModFlg.Text = "R"
            XPBtnMove_Click (1)

        Case "E"
            rs.Find "CusID='" & val(XPTxtComID.Text) & "'", , adSearchForward, adBookmarkFirst

            If rs.EOF Or rs.BOF Then
                Me.TxtModFlg.Text = "R"
                Exit Sub
            End If

            Retrive
            Me.TxtModFlg.Text = "R"
    End Select

    Exit Sub
ErrTrap:
End Sub

Private Sub Del_Company()
    Dim Msg As String
    Dim IntRes As Integer
    Dim BegainTrans As Boolean
    Dim StrSQL As String

    On Error GoTo ErrTrap

    If XPTxtComID.Text <> "" Then
        Msg = "”Ì „ Õ–› »Ì«‰«  «·„«·ﬂ   " & CHR(13)
        Msg = Msg + (XPTxtComName.Text) & CHR(13)
        Msg = Msg + " Â·  —€» ›Ì Õ–› Â–Â «·»Ì«‰« ø"
        IntRes = MsgBox(Msg, vbYesNo + vbQuestion + vbMsgBoxRight + vbMsgBoxRtlReading, App.title)
    
        If IntRes = vbYes Then
            If Not rs.RecordCount < 1 Then
                DeleteOpeningBalance
                Cn.BeginTrans
                BegainTrans = True
                'StrSQL = "DELETE From NOTES Where NoteType=101 AND CusID=" & Val(Me.XPTxtComID.text)
                'Cn.Execute StrSQL, , adExecuteNoRecords
            
                StrSQL = "delete From DOUBLE_ENTREY_VOUCHERS1 where opening_balance_voucher_id=" & val(txtopening_balance_voucher_id.Text)
                Cn.Execute StrSQL, , adExecuteNoRecords
             
                '   update_account_opening_balance get_account_code_branch(19, my_branch)
             
                Dim StrAccountCode As String
                StrAccountCode = rs("Account_Code").value
                '     If ModAccounts.DeleteAccount(StrAccountCode) = True Then
                '         rs.delete
                '     Else
                '         Exit Sub
                '     End If
            
                StrSQL = "Delete From Accounts Where Account_Code='" & StrAccountCode & "'"
                Cn.Execute StrSQL, , adExecuteNoRecords

If SystemOptions.Create2account4Supp = True Then
                    If Not IsNull(rs("Account_Code1").value) Then
                   StrSQL = StrSQL & " or   Account_Code='" & rs("Account_Code1").value & "'"
                   End If
        
        
        
   End If
   
   
                CuurentLogdata ("D")
                rs.delete
                Cn.CommitTrans
                BegainTrans = False
                Msg = " „  ⁄„·Ì… «·Õ–›."
                MsgBox Msg, vbInformation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
                XPBtnMove_Click 2

                If rs.RecordCount < 1 Then
                    clear_all Me
                    TxtModFlg_Change
                    XPTxtCurrent.Caption = 0
                    XPTxtCount.Caption = 0
                Else
                    Retrive
                End If
            End If
        End If

    Else
        clear_all Me
        Msg = "Â–Â «·⁄„·Ì… €Ì— „ «Õ… ÕÌÀ √‰Â ·«ÌÊÃœ √Ì ”Ã·« "
        MsgBox Msg, vbOKOnly + vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
        TxtModFlg_Change
        Exit Sub
    End If

    TxtModFlg_Change
    Exit Sub
ErrTrap:
    'If Err.Number = -2147217887 Then
    Msg = "·«Ì„ﬂ‰ Õ–› Â–« «·”Ã· · ﬂ«„· «·»Ì«‰«  " & CHR(13) & " ÊÃœ »Ì«‰«  „— »ÿ… »Â–« «·„Ê—œ "
    MsgBox Msg, vbMsgBoxRight + vbMsgBoxRtlReading + vbExclamation, App.title
    rs.CancelUpdate

    If BegainTrans = True Then
        Cn.RollbackTrans
        BegainTrans = False
    End If

    'End If
End Sub

Private Sub AddTip()
    Dim Wrap As String
    On Error GoTo ErrTrap
    Wrap = CHR(13) + CHR(10)
    Set TTP = New clstooltip
    Dim BolRtl As Boolean

    If SystemOptions.UserInterface = ArabicInterface Then
        BolRtl = True

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(0), "ÃœÌœ ..." & Wrap & "·«÷«›… »Ì«‰«  „Ê—œ ÃœÌœ" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(1), " ⁄œÌ· ..." & Wrap & "· ⁄œÌ· »Ì«‰«  «·„Ê—œ" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(7), "ÿ»«⁄… ..." & Wrap & "·⁄—÷ «·»Ì«‰«  «·Õ«·Ì… ›Ì  ﬁ—Ì— " & Wrap & " Ì„ﬂ‰ ÿ»«⁄ Â ⁄‰ ÿ—Ìﬁ «·ÿ«»⁄…", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(2), "Õ›Ÿ ..." & Wrap & "·Õ›Ÿ »Ì«‰«  «·„Ê—œ «·ÃœÌœ" & Wrap & "·Õ›Ÿ «· ⁄œÌ·« " & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(3), " —«Ã⁄ ..." & Wrap & "·· —«Ã⁄ ⁄‰ ⁄„·Ì… «·«÷«›…" & Wrap & "··· —«Ã⁄ ⁄‰ ⁄„·Ì… «· ⁄œÌ·" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(4), "Õ–› ..." & Wrap & "·Õ–› »Ì«‰«  „Ê—œ" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(5), "»ÕÀ ..." & Wrap & "···»ÕÀ ⁄‰ „Ê—œ" & Wrap & "Ì‰ÿ»ﬁ ⁄·ÌÂ ‘—Êÿ „⁄Ì‰…" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(6), "Œ—ÊÃ ..." & Wrap & "·«€·«ﬁ Â–Â «·‰«›–…" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl XPBtnMove(1), "«·√Ê· ..." & Wrap & "··«‰ ﬁ«· «·Ï √Ê· ”Ã·" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl XPBtnMove(0), "«·”«»ﬁ ..." & Wrap & "··«‰ ﬁ«· «·Ï «·”Ã· «·”«»ﬁ" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl XPBtnMove(3), "«· «·Ì ..." & Wrap & "··«‰ ﬁ«· «·Ï «·”Ã· «· «·Ì" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl XPBtnMove(2), "«·√ŒÌ— ..." & Wrap & "··«‰ ﬁ«· «·Ï ¬Œ— ”Ã·" & Wrap & " ›ﬁÿ ≈÷€ÿ Â‰«", True
        End With

        With TTP
            .Create Me.hwnd, "»Ì«‰«  «·„·«ﬂ", 1, 15204351, -2147483630
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl CmdHelp, "„”«⁄œ… ..." & Wrap & "·· ⁄—› ⁄·Ï ÊŸÌ›… Â–Â «·‰«›–…" & Wrap & "ÊﬂÌ›Ì… «· ⁄«„· „⁄Â«" & Wrap & "≈÷€ÿ Â‰«" & Wrap, True
        End With

    ElseIf SystemOptions.UserInterface = EnglishInterface Then
        BolRtl = False

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(0), "New..." & Wrap & "Add New Supplier Data" & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(7), "Print..." & Wrap & "Print the current Supplier data." & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(1), "Edit..." & Wrap & "Edit the current Supplier data" & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(2), "Save..." & Wrap & "Save the current editing or Save the new Supplier data." & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(3), "Undo..." & Wrap & "Undo in the adding new record" & Wrap & "OR undo editing current record" & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(4), "Delete...." & Wrap & "Delete the current Supplier data." & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(5), "Search" & Wrap & "Search for a Supplier..." & Wrap & "" & Wrap, BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl Cmd(6), "Exit" & Wrap & "Close this window" & Wrap, BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl XPBtnMove(1), "Frist" & Wrap & "Move to Frist Record" & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl XPBtnMove(0), "Previous" & Wrap & "Move to Previous Record" & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl XPBtnMove(3), "Next..." & Wrap & "Move to Next Record" & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl XPBtnMove(2), "Last..." & Wrap & "Move to Last Record" & Wrap & "", BolRtl
        End With

        With TTP
            .Create Me.hwnd, "Owners Data", 1, 15204351, -2147483630, BolRtl
            .MaxWidth = 4000
            .VisibleTime = 9000
            .DelayTime = 600
            .AddControl CmdHelp, "Help..." & Wrap & "Show Help File", BolRtl
        End With

    End If

    Exit Sub
ErrTrap:
End Sub

Private Sub printingReport()
    Dim CusReport As ClsCustemerReport
    On Error GoTo ErrTrap

    If XPTxtComID.Text <> "" Then
        Set CusReport = New ClsCustemerReport
        CusReport.CustemerData XPTxtComID.Text, 2
    End If

    Exit Sub
ErrTrap:

    'On Error GoTo ErrTrap
    'If XPTxtComID.text <> "" Then
    '    Set ComReport = New ClsCompanyReport
    '    ComReport.CompanyData XPTxtComID.text, 2
    'End If
    'Exit Sub
    'ErrTrap:
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, _
                             UnloadMode As Integer)

    Dim IntResult As String
    Dim StrMSG As String
    On Error GoTo ErrTrap

    If Me.TxtModFlg.Text <> "R" Then

        Select Case Me.TxtModFlg.Text

            Case "N"
    
                If SystemOptions.UserInterface = EnglishInterface Then
                    StrMSG = "You will close this screen before save " & CHR(13)
                    StrMSG = StrMSG & " the new data  " & CHR(13)
                    StrMSG = StrMSG & " do you want save before exit" & CHR(13)
                    StrMSG = StrMSG & "yes" & "-" & "save the new data" & CHR(13)
                    StrMSG = StrMSG & "no" & "-" & "Don't save" & CHR(13)
                    StrMSG = StrMSG & "cancel" & "-" & "Cancel Exit" & CHR(13)
    
                Else
                    StrMSG = "”Ê› Ì „ €·ﬁ «·‘«‘… Ê·„  ‰ Â „‰  ”ÃÌ·" & CHR(13)
                    StrMSG = StrMSG & " «·»Ì«‰«  «·ÃœÌœ… «·Õ«·Ì… " & CHR(13)
                    StrMSG = StrMSG & " Â·  —Ìœ «·Õ›Ÿ ﬁ»· «·Œ—ÊÃ" & CHR(13)
                    StrMSG = StrMSG & "‰⁄„" & "-" & "Ì „ Õ›Ÿ «·»Ì«‰«  «·ÃœÌœ…" & CHR(13)
                    StrMSG = StrMSG & "·«" & "-" & "·‰ Ì „ «·Õ›Ÿ" & CHR(13)
                    StrMSG = StrMSG & "≈·€«¡ «·√„—" & "-" & "≈·€«¡ ⁄„·Ì… «·Œ—ÊÃ" & CHR(13)
        
                End If
        
            Case "E"

                If SystemOptions.UserInterface = EnglishInterface Then
                    StrMSG = "You will close this screen before save  " & CHR(13)
                    StrMSG = StrMSG & " the Modifications  " & CHR(13)
                    StrMSG = StrMSG & " do you want save before exit" & CHR(13)
                    StrMSG = StrMSG & "yes" & "-" & "save the new data" & CHR(13)
                    StrMSG = StrMSG & "no" & "-" & "Don't save" & CHR(13)
                    StrMSG = StrMSG & "cancel" & "-" & "Cancel Exit" & CHR(13)
    
                Else
                    StrMSG = "”Ê› Ì „ €·ﬁ «·‘«‘… Ê·„  ‰ Â „‰  ”ÃÌ·" & CHR(13)
                    StrMSG = StrMSG & " «· ⁄œÌ·«  «·ÃœÌœ… ⁄·Ï «·”Ã· «·Õ«·Ï " & CHR(13)
                    StrMSG = StrMSG & " Â·  —Ìœ «·Õ›Ÿ ﬁ»· «·Œ—ÊÃ" & CHR(13)
                    StrMSG = StrMSG & "‰⁄„" & "-" & "Ì „ Õ›Ÿ «· ⁄œÌ·«   «·ÃœÌœ…" & CHR(13)
                    StrMSG = StrMSG & "·«" & "-" & "·‰ Ì „ «·Õ›Ÿ" & CHR(13)
                    StrMSG = StrMSG & "≈·€«¡ «·√„—" & "-" & "≈·€«¡ ⁄„·Ì… «·Œ—ÊÃ" & CHR(13)
                
                End If

        End Select

        IntResult = MsgBox(StrMSG, vbMsgBoxRight + vbYesNoCancel + vbMsgBoxRtlReading + vbQuestion, App.title)

        Select Case IntResult

            Case vbYes
                Cancel = True
       
                SaveData

            Case vbCancel
                Cancel = True
        End Select

    End If

    Exit Sub
ErrTrap:

End Sub

Private Sub ChangeLang()
    'With Me.CboSaleType
    '    .Clear
  
    '        .AddItem "Retail"
    '        .AddItem "WholeSale"
 
    'End With
    Label3.Caption = "Branch"
chkSendMessage.Caption = "Allow SMS"

    With CboDiscountType
        .Clear
        .AddItem "No"
        .AddItem "Value"
        .AddItem "percentage"
    End With

    With CboDiscountTypePur
        .Clear
        .AddItem "no"
        .AddItem "Value"
        .AddItem "percentage"
    End With

    lbl(23).Caption = "Contact person"
    lbl(19).Caption = " type"
    lbl(20).Caption = "Value"

    lbl(29).Caption = " type"
    lbl(28).Caption = "Value"
    lbl(22).Caption = "State"
    lbl(24).Caption = "Province"
    lbl(25).Caption = " City "
    lbl(26).Caption = "Address"
    Fra(5).Caption = "Work Address"
    Fra(4).Caption = "Discounts sales invoices"
    Fra(6).Caption = "Discounts purchase invoices"

    Dim XPic As IPictureDisp

    Set XPic = Me.XPBtnMove(1).ButtonImage
    Set Me.XPBtnMove(1).ButtonImage = Me.XPBtnMove(2).ButtonImage
    Set Me.XPBtnMove(2).ButtonImage = XPic

    Set XPic = Me.XPBtnMove(0).ButtonImage
    Set Me.XPBtnMove(0).ButtonImage = Me.XPBtnMove(3).ButtonImage
    Set Me.XPBtnMove(3).ButtonImage = XPic

    Me.Caption = "Owners Data"
    EleHeader.Caption = Me.Caption
    XPLbl(1).Caption = "ID"
    XPLbl(2).Caption = "Code"

    XPLbl(0).Caption = "Owner Name"
    XPLbl(4).Caption = "English Name"
    lbl(3).Caption = "Phone"
    lbl(2).Caption = "Mobile"
    lbl(1).Caption = "Remarks"
    lbl(0).Caption = "Current Record"
    'lbl(4).Caption = "NO. Recordes"
    lbl(7).Caption = "Fax NO."
    lbl(10).Caption = "Credit Limit(Debit)"
    lbl(11).Caption = "Credit Limit(Credit)"
    lbl(12).Caption = "E-Mail."
    lbl(33).Caption = "Parent Acc"
    Me.Fra(1).Caption = "Open Balance"
    Me.Fra(0).Caption = "Open Balance State"
    OptType(0).Caption = "Debit"
    OptType(1).Caption = "Credit"
    OptType(2).Caption = "Un Sign"
    
    lbl(5).Caption = "Balance Value"
    lbl(6).Caption = "Record Date"
    Fra(3).Caption = "Contact Info."
    
    chkCustomerandVendor.Caption = "Owners"
    Label1(2).Caption = "Type"
    Me.Fra(2).Caption = "Current Balance State"
    Me.Cmd(8).Caption = "Customer Balance Report"

    Me.Cmd(0).Caption = "New"
    Me.Cmd(1).Caption = "Edit"
    Me.Cmd(2).Caption = "Save"
    Me.Cmd(3).Caption = "Undo"
    Me.Cmd(4).Caption = "Delete"
    Me.Cmd(5).Caption = "Search"
    Me.Cmd(6).Caption = "Exit"
    Me.Cmd(7).Caption = "Print"
    Me.CmdHelp.Caption = "Help"
    Me.CmdPriceList.Caption = "Owners Price List"

    locked.Caption = "locked"
    ALLButton1.Caption = "Reason"
    lbl(32).Caption = "reason"
    lbl(30).Caption = "period"
    lbl(31).Caption = "period"

End Sub

Private Sub LoadDataCombos(Optional BolExceptCountries As Boolean = False, _
                           Optional BolExceptGovern As Boolean = False, _
                           Optional BolExceptCities As Boolean = False)
    Set Dcombo = New ClsDataCombos

    If BolExceptCountries = False Then
        Dcombo.GetCountriesNames Me.DcboCountryID
        Set cSearch(0) = New clsDCboSearch
        Set cSearch(0).Client = Me.DcboCountryID
    End If

    If BolExceptGovern = False Then
        Dcombo.getCountriesGovernments Me.DcboGovernmentID, val(Me.DcboCountryID.BoundText)
        Set cSearch(1) = New clsDCboSearch
        Set cSearch(1).Client = Me.DcboGovernmentID
    End If

    If BolExceptCities = False Then
        Dcombo.GetCountriesGovernCities Me.DcboCityID, val(Me.DcboCountryID.BoundText), val(Me.DcboGovernmentID.BoundText)
        Set cSearch(2) = New clsDCboSearch
        Set cSearch(2).Client = Me.DcboCityID
    End If

    Dcombo.GetCustomerType Me.DcCustomerType
    Dcombo.GetBranches dcBranch
  
    If SystemOptions.usertype <> UserAdminAll Then
 
        Me.dcBranch.Enabled = True
    End If

End Sub

Private Sub XPTxtComName_GotFocus()
    SwitchKeyboardLang LANG_ARABIC
End Sub

Private Sub XPTxtCusNamee_GotFocus()
    SwitchKeyboardLang LANG_ENGLISH
End Sub
