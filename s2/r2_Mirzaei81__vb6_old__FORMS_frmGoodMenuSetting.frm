VERSION 5.00
Object = "{7AEDC602-D94C-11D1-BB7A-00E0290EA3C9}#1.0#0"; "ResizeKit.ocx"
Object = "{75D4F767-8785-11D3-93AD-0000832EF44D}#2.14#0"; "FAST2001.ocx"
Object = "{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.1#0"; "tabctl32.ocx"
Begin VB.Form frmGoodMenuSetting 
   BackColor       =   &H00E0E0E0&
   ClientHeight    =   12240
   ClientLeft      =   72
   ClientTop       =   540
   ClientWidth     =   11322
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   178
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "frmGoodMenuSetting.frx":0000
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form1"
   MDIChild        =   -1  'True
   ScaleHeight     =   12240
   ScaleWidth      =   11322
   Begin TabDlg.SSTab SSTab1 
      Height          =   9954
      Left            =   1440
      TabIndex        =   2
      Top             =   1152
      Width           =   9378
      _ExtentX        =   16542
      _ExtentY        =   17557
      _Version        =   393216
      Tabs            =   6
      Tab             =   2
      TabHeight       =   624
      ForeColor       =   128
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Nazanin"
         Size            =   14.4
         Charset         =   178
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      TabCaption(0)   =   "ÈÎÔ 1"
      TabPicture(0)   =   "frmGoodMenuSetting.frx":A4C2
      Tab(0).ControlEnabled=   0   'False
      Tab(0).Control(0)=   "Frame14(0)"
      Tab(0).ControlCount=   1
      TabCaption(1)   =   "ÈÎÔ 2"
      TabPicture(1)   =   "frmGoodMenuSetting.frx":A4DE
      Tab(1).ControlEnabled=   0   'False
      Tab(1).Control(0)=   "Frame14(1)"
      Tab(1).ControlCount=   1
      TabCaption(2)   =   "ÈÎÔ 3"
      TabPicture(2)   =   "frmGoodMenuSetting.frx":A4FA
      Tab(2).ControlEnabled=   -1  'True
      Tab(2).Control(0)=   "Frame14(2)"
      Tab(2).Control(0).Enabled=   0   'False
      Tab(2).ControlCount=   1
      TabCaption(3)   =   "ÈÎÔ 4"
      TabPicture(3)   =   "frmGoodMenuSetting.frx":A516
      Tab(3).ControlEnabled=   0   'False
      Tab(3).Control(0)=   "Frame14(3)"
      Tab(3).ControlCount=   1
      TabCaption(4)   =   "ÈÎÔ 5"
      TabPicture(4)   =   "frmGoodMenuSetting.frx":A532
      Tab(4).ControlEnabled=   0   'False
      Tab(4).Control(0)=   "Frame14(4)"
      Tab(4).ControlCount=   1
      TabCaption(5)   =   "ÈÎÔ 6"
      TabPicture(5)   =   "frmGoodMenuSetting.frx":A54E
      Tab(5).ControlEnabled=   0   'False
      Tab(5).Control(0)=   "Frame14(5)"
      Tab(5).ControlCount=   1
      Begin VB.Frame Frame14 
         Caption         =   "ÈÎÔ 6"
         BeginProperty Font 
            Name            =   "B Homa"
            Size            =   11.7
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   8658
         Index           =   5
         Left            =   -74136
         RightToLeft     =   -1  'True
         TabIndex        =   153
         Top             =   1008
         Width           =   7506
         Begin VB.TextBox TxtHeadeTitr 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Titr"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   193
            Text            =   "ÇÕáí 5"
            Top             =   288
            Width           =   2214
         End
         Begin VB.CheckBox ChkDescription 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÊæÖíÍÇÊ ˜ÇáÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   4608
            TabIndex        =   168
            Top             =   7776
            Width           =   2466
         End
         Begin VB.CheckBox ChkPicture 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ú˜Ó"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   5328
            TabIndex        =   167
            Top             =   7200
            Width           =   1746
         End
         Begin VB.TextBox TxtFee2 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   166
            Text            =   "Ýí ÈíÑæä"
            Top             =   6768
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee2 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Ïæã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   5328
            TabIndex        =   165
            Top             =   6624
            Width           =   1746
         End
         Begin VB.TextBox TxtFee 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   164
            Text            =   "Ýí ÓÇáä"
            Top             =   6192
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee1 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Çæá"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   5328
            TabIndex        =   163
            Top             =   6048
            Width           =   1746
         End
         Begin VB.TextBox TxtName 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   162
            Text            =   "äÇã ˜ÇáÇ"
            Top             =   5616
            Width           =   2214
         End
         Begin VB.CheckBox ChkName 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ äÇã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   5328
            TabIndex        =   161
            Top             =   5472
            Width           =   1746
         End
         Begin VB.TextBox TxtRow 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   160
            Text            =   "ÑÏíÝ"
            Top             =   5040
            Width           =   2214
         End
         Begin VB.CheckBox ChkRow 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÑÏíÝ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   5328
            TabIndex        =   159
            Top             =   4896
            Width           =   1746
         End
         Begin VB.TextBox TxtFontGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   1440
            RightToLeft     =   -1  'True
            TabIndex        =   158
            Text            =   "Titr"
            Top             =   3024
            Width           =   2214
         End
         Begin VB.TextBox TxtFontsizeGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   2880
            RightToLeft     =   -1  'True
            TabIndex        =   157
            Text            =   "16"
            Top             =   3600
            Width           =   774
         End
         Begin VB.TextBox TxtHeaderFont 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   156
            Text            =   "Titr"
            Top             =   864
            Width           =   2214
         End
         Begin VB.TextBox TxtHeaderSize 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   5
            Left            =   3024
            RightToLeft     =   -1  'True
            TabIndex        =   155
            Text            =   "16"
            Top             =   1440
            Width           =   774
         End
         Begin VB.CheckBox ChkViewSegment 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÈÎÔ "
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   5472
            TabIndex        =   154
            Top             =   432
            Width           =   1746
         End
         Begin FLWCtrls.FWComboColor FWComboColorHeader 
            Height          =   378
            Index           =   5
            Left            =   720
            TabIndex        =   169
            Tag             =   "&H00000080&"
            Top             =   2016
            Width           =   3042
            _ExtentX        =   5365
            _ExtentY        =   667
         End
         Begin FLWCtrls.FWComboColor FWComboColorGrid 
            Height          =   378
            Index           =   5
            Left            =   720
            TabIndex        =   170
            Tag             =   "&H00000080&"
            Top             =   4320
            Width           =   2898
            _ExtentX        =   5112
            _ExtentY        =   667
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÑ ÊíÊÑ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   11
            Left            =   3600
            TabIndex        =   194
            Top             =   288
            Width           =   1170
         End
         Begin VB.Line Line6 
            X1              =   0
            X2              =   7488
            Y1              =   2592
            Y2              =   2592
         End
         Begin VB.Label Label14 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3312
            TabIndex        =   182
            Top             =   6768
            Width           =   1314
         End
         Begin VB.Label Label12 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3312
            TabIndex        =   181
            Top             =   6192
            Width           =   1314
         End
         Begin VB.Label Label11 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3312
            TabIndex        =   180
            Top             =   5616
            Width           =   1314
         End
         Begin VB.Label Label9 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3312
            TabIndex        =   179
            Top             =   5040
            Width           =   1314
         End
         Begin VB.Label Label8 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3312
            TabIndex        =   178
            Top             =   3024
            Width           =   1314
         End
         Begin VB.Label Label7 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3312
            TabIndex        =   177
            Top             =   3600
            Width           =   1314
         End
         Begin VB.Label Label6 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3312
            TabIndex        =   176
            Top             =   4320
            Width           =   1314
         End
         Begin VB.Label Label5 
            Alignment       =   1  'Right Justify
            Caption         =   "ÌÏæá ˜ÇáÇåÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   5
            Left            =   4896
            TabIndex        =   175
            Top             =   2448
            Width           =   1602
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3456
            TabIndex        =   174
            Top             =   864
            Width           =   1314
         End
         Begin VB.Label Label3 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3456
            TabIndex        =   173
            Top             =   1440
            Width           =   1314
         End
         Begin VB.Label Label2 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   5
            Left            =   3456
            TabIndex        =   172
            Top             =   2016
            Width           =   1314
         End
         Begin VB.Label Label1 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   5
            Left            =   5040
            TabIndex        =   171
            Top             =   1440
            Width           =   1314
         End
      End
      Begin VB.Frame Frame14 
         Caption         =   "ÈÎÔ 5"
         BeginProperty Font 
            Name            =   "B Homa"
            Size            =   11.7
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   8658
         Index           =   4
         Left            =   -74136
         RightToLeft     =   -1  'True
         TabIndex        =   123
         Top             =   1008
         Width           =   7506
         Begin VB.TextBox TxtHeadeTitr 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Titr"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   191
            Text            =   "ÇÕáí 5"
            Top             =   288
            Width           =   2214
         End
         Begin VB.CheckBox ChkDescription 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÊæÖíÍÇÊ ˜ÇáÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   4608
            TabIndex        =   138
            Top             =   7776
            Width           =   2466
         End
         Begin VB.CheckBox ChkPicture 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ú˜Ó"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   5328
            TabIndex        =   137
            Top             =   7200
            Width           =   1746
         End
         Begin VB.TextBox TxtFee2 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   136
            Text            =   "Ýí ÈíÑæä"
            Top             =   6768
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee2 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Ïæã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   5328
            TabIndex        =   135
            Top             =   6624
            Width           =   1746
         End
         Begin VB.TextBox TxtFee 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   134
            Text            =   "Ýí ÓÇáä"
            Top             =   6192
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee1 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Çæá"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   5328
            TabIndex        =   133
            Top             =   6048
            Width           =   1746
         End
         Begin VB.TextBox TxtName 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   132
            Text            =   "äÇã ˜ÇáÇ"
            Top             =   5616
            Width           =   2214
         End
         Begin VB.CheckBox ChkName 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ äÇã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   5328
            TabIndex        =   131
            Top             =   5472
            Width           =   1746
         End
         Begin VB.TextBox TxtRow 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   130
            Text            =   "ÑÏíÝ"
            Top             =   5040
            Width           =   2214
         End
         Begin VB.CheckBox ChkRow 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÑÏíÝ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   5328
            TabIndex        =   129
            Top             =   4896
            Width           =   1746
         End
         Begin VB.TextBox TxtFontGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   1440
            RightToLeft     =   -1  'True
            TabIndex        =   128
            Text            =   "Titr"
            Top             =   3024
            Width           =   2214
         End
         Begin VB.TextBox TxtFontsizeGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   2880
            RightToLeft     =   -1  'True
            TabIndex        =   127
            Text            =   "16"
            Top             =   3600
            Width           =   774
         End
         Begin VB.TextBox TxtHeaderFont 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   126
            Text            =   "Titr"
            Top             =   864
            Width           =   2214
         End
         Begin VB.TextBox TxtHeaderSize 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   4
            Left            =   3024
            RightToLeft     =   -1  'True
            TabIndex        =   125
            Text            =   "16"
            Top             =   1440
            Width           =   774
         End
         Begin VB.CheckBox ChkViewSegment 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÈÎÔ "
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   5472
            TabIndex        =   124
            Top             =   432
            Width           =   1746
         End
         Begin FLWCtrls.FWComboColor FWComboColorHeader 
            Height          =   378
            Index           =   4
            Left            =   720
            TabIndex        =   139
            Tag             =   "&H00000080&"
            Top             =   2016
            Width           =   3042
            _ExtentX        =   5365
            _ExtentY        =   667
         End
         Begin FLWCtrls.FWComboColor FWComboColorGrid 
            Height          =   378
            Index           =   4
            Left            =   720
            TabIndex        =   140
            Tag             =   "&H00000080&"
            Top             =   4320
            Width           =   2898
            _ExtentX        =   5112
            _ExtentY        =   667
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÑ ÊíÊÑ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   10
            Left            =   3600
            TabIndex        =   192
            Top             =   288
            Width           =   1170
         End
         Begin VB.Line Line1 
            X1              =   0
            X2              =   7488
            Y1              =   2736
            Y2              =   2736
         End
         Begin VB.Label Label14 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3312
            TabIndex        =   152
            Top             =   6768
            Width           =   1314
         End
         Begin VB.Label Label12 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3312
            TabIndex        =   151
            Top             =   6192
            Width           =   1314
         End
         Begin VB.Label Label11 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3312
            TabIndex        =   150
            Top             =   5616
            Width           =   1314
         End
         Begin VB.Label Label9 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3312
            TabIndex        =   149
            Top             =   5040
            Width           =   1314
         End
         Begin VB.Label Label8 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3312
            TabIndex        =   148
            Top             =   3024
            Width           =   1314
         End
         Begin VB.Label Label7 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3312
            TabIndex        =   147
            Top             =   3600
            Width           =   1314
         End
         Begin VB.Label Label6 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3312
            TabIndex        =   146
            Top             =   4320
            Width           =   1314
         End
         Begin VB.Label Label5 
            Alignment       =   1  'Right Justify
            Caption         =   "ÌÏæá ˜ÇáÇåÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   4
            Left            =   5328
            TabIndex        =   145
            Top             =   2736
            Width           =   1602
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3744
            TabIndex        =   144
            Top             =   864
            Width           =   1026
         End
         Begin VB.Label Label3 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3744
            TabIndex        =   143
            Top             =   1440
            Width           =   1026
         End
         Begin VB.Label Label2 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   4
            Left            =   3744
            TabIndex        =   142
            Top             =   2016
            Width           =   1026
         End
         Begin VB.Label Label1 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   4
            Left            =   5328
            TabIndex        =   141
            Top             =   1440
            Width           =   1314
         End
      End
      Begin VB.Frame Frame14 
         Caption         =   "ÈÎÔ 4"
         BeginProperty Font 
            Name            =   "B Homa"
            Size            =   11.7
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   8658
         Index           =   3
         Left            =   -74136
         RightToLeft     =   -1  'True
         TabIndex        =   93
         Top             =   1008
         Width           =   7506
         Begin VB.TextBox TxtHeadeTitr 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Titr"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   189
            Text            =   "ÇÕáí 4"
            Top             =   288
            Width           =   2214
         End
         Begin VB.CheckBox ChkDescription 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÊæÖíÍÇÊ ˜ÇáÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   4608
            TabIndex        =   108
            Top             =   7776
            Width           =   2466
         End
         Begin VB.CheckBox ChkPicture 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ú˜Ó"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   5328
            TabIndex        =   107
            Top             =   7200
            Width           =   1746
         End
         Begin VB.TextBox TxtFee2 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   106
            Text            =   "Ýí ÈíÑæä"
            Top             =   6768
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee2 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Ïæã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   5328
            TabIndex        =   105
            Top             =   6624
            Width           =   1746
         End
         Begin VB.TextBox TxtFee 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   104
            Text            =   "Ýí ÓÇáä"
            Top             =   6192
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee1 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Çæá"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   5328
            TabIndex        =   103
            Top             =   6048
            Width           =   1746
         End
         Begin VB.TextBox TxtName 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   102
            Text            =   "äÇã ˜ÇáÇ"
            Top             =   5616
            Width           =   2214
         End
         Begin VB.CheckBox ChkName 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ äÇã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   5328
            TabIndex        =   101
            Top             =   5472
            Width           =   1746
         End
         Begin VB.TextBox TxtRow 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   100
            Text            =   "ÑÏíÝ"
            Top             =   5040
            Width           =   2214
         End
         Begin VB.CheckBox ChkRow 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÑÏíÝ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   5328
            TabIndex        =   99
            Top             =   4896
            Width           =   1746
         End
         Begin VB.TextBox TxtFontGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   1440
            RightToLeft     =   -1  'True
            TabIndex        =   98
            Text            =   "Titr"
            Top             =   3024
            Width           =   2214
         End
         Begin VB.TextBox TxtFontsizeGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   2880
            RightToLeft     =   -1  'True
            TabIndex        =   97
            Text            =   "16"
            Top             =   3600
            Width           =   774
         End
         Begin VB.TextBox TxtHeaderFont 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   96
            Text            =   "Titr"
            Top             =   864
            Width           =   2214
         End
         Begin VB.TextBox TxtHeaderSize 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   3
            Left            =   3024
            RightToLeft     =   -1  'True
            TabIndex        =   95
            Text            =   "16"
            Top             =   1440
            Width           =   774
         End
         Begin VB.CheckBox ChkViewSegment 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÈÎÔ "
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   5472
            TabIndex        =   94
            Top             =   432
            Width           =   1746
         End
         Begin FLWCtrls.FWComboColor FWComboColorHeader 
            Height          =   378
            Index           =   3
            Left            =   720
            TabIndex        =   109
            Tag             =   "&H00000080&"
            Top             =   2016
            Width           =   3042
            _ExtentX        =   5365
            _ExtentY        =   667
         End
         Begin FLWCtrls.FWComboColor FWComboColorGrid 
            Height          =   378
            Index           =   3
            Left            =   720
            TabIndex        =   110
            Tag             =   "&H00000080&"
            Top             =   4320
            Width           =   2898
            _ExtentX        =   5112
            _ExtentY        =   667
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÑ ÊíÊÑ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   9
            Left            =   3600
            TabIndex        =   190
            Top             =   288
            Width           =   1170
         End
         Begin VB.Line Line5 
            X1              =   0
            X2              =   7488
            Y1              =   2736
            Y2              =   2736
         End
         Begin VB.Label Label14 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3312
            TabIndex        =   122
            Top             =   6768
            Width           =   1314
         End
         Begin VB.Label Label12 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3312
            TabIndex        =   121
            Top             =   6192
            Width           =   1314
         End
         Begin VB.Label Label11 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3312
            TabIndex        =   120
            Top             =   5616
            Width           =   1314
         End
         Begin VB.Label Label9 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3312
            TabIndex        =   119
            Top             =   5040
            Width           =   1314
         End
         Begin VB.Label Label8 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3312
            TabIndex        =   118
            Top             =   3024
            Width           =   1314
         End
         Begin VB.Label Label7 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3312
            TabIndex        =   117
            Top             =   3600
            Width           =   1314
         End
         Begin VB.Label Label6 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3312
            TabIndex        =   116
            Top             =   4320
            Width           =   1314
         End
         Begin VB.Label Label5 
            Alignment       =   1  'Right Justify
            Caption         =   "ÌÏæá ˜ÇáÇåÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   3
            Left            =   5040
            TabIndex        =   115
            Top             =   2880
            Width           =   1602
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3456
            TabIndex        =   114
            Top             =   864
            Width           =   1314
         End
         Begin VB.Label Label3 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3456
            TabIndex        =   113
            Top             =   1440
            Width           =   1314
         End
         Begin VB.Label Label2 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   3
            Left            =   3456
            TabIndex        =   112
            Top             =   2016
            Width           =   1314
         End
         Begin VB.Label Label1 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   3
            Left            =   5040
            TabIndex        =   111
            Top             =   1440
            Width           =   1314
         End
      End
      Begin VB.Frame Frame14 
         Caption         =   "ÈÎÔ 3"
         BeginProperty Font 
            Name            =   "B Homa"
            Size            =   11.7
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   8658
         Index           =   2
         Left            =   864
         RightToLeft     =   -1  'True
         TabIndex        =   63
         Top             =   1008
         Width           =   7506
         Begin VB.TextBox TxtHeadeTitr 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Titr"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   187
            Text            =   "ÇÕáí 3"
            Top             =   288
            Width           =   2214
         End
         Begin VB.CheckBox ChkDescription 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÊæÖíÍÇÊ ˜ÇáÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   4608
            TabIndex        =   78
            Top             =   7776
            Width           =   2466
         End
         Begin VB.CheckBox ChkPicture 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ú˜Ó"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   5328
            TabIndex        =   77
            Top             =   7200
            Width           =   1746
         End
         Begin VB.TextBox TxtFee2 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   76
            Text            =   "Ýí ÈíÑæä"
            Top             =   6768
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee2 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Ïæã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   5328
            TabIndex        =   75
            Top             =   6624
            Width           =   1746
         End
         Begin VB.TextBox TxtFee 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   74
            Text            =   "Ýí ÓÇáä"
            Top             =   6192
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee1 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Çæá"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   5328
            TabIndex        =   73
            Top             =   6048
            Width           =   1746
         End
         Begin VB.TextBox TxtName 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   72
            Text            =   "äÇã ˜ÇáÇ"
            Top             =   5616
            Width           =   2214
         End
         Begin VB.CheckBox ChkName 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ äÇã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   5328
            TabIndex        =   71
            Top             =   5472
            Width           =   1746
         End
         Begin VB.TextBox TxtRow 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   70
            Text            =   "ÑÏíÝ"
            Top             =   5040
            Width           =   2214
         End
         Begin VB.CheckBox ChkRow 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÑÏíÝ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   5328
            TabIndex        =   69
            Top             =   4896
            Width           =   1746
         End
         Begin VB.TextBox TxtFontGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   1440
            RightToLeft     =   -1  'True
            TabIndex        =   68
            Text            =   "Titr"
            Top             =   3024
            Width           =   2214
         End
         Begin VB.TextBox TxtFontsizeGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   2880
            RightToLeft     =   -1  'True
            TabIndex        =   67
            Text            =   "16"
            Top             =   3600
            Width           =   774
         End
         Begin VB.TextBox TxtHeaderFont 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   66
            Text            =   "Titr"
            Top             =   864
            Width           =   2214
         End
         Begin VB.TextBox TxtHeaderSize 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   2
            Left            =   3024
            RightToLeft     =   -1  'True
            TabIndex        =   65
            Text            =   "16"
            Top             =   1440
            Width           =   774
         End
         Begin VB.CheckBox ChkViewSegment 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÈÎÔ "
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   5472
            TabIndex        =   64
            Top             =   432
            Width           =   1746
         End
         Begin FLWCtrls.FWComboColor FWComboColorHeader 
            Height          =   378
            Index           =   2
            Left            =   720
            TabIndex        =   79
            Tag             =   "&H00000080&"
            Top             =   2016
            Width           =   3042
            _ExtentX        =   5365
            _ExtentY        =   667
         End
         Begin FLWCtrls.FWComboColor FWComboColorGrid 
            Height          =   378
            Index           =   2
            Left            =   720
            TabIndex        =   80
            Tag             =   "&H00000080&"
            Top             =   4320
            Width           =   2898
            _ExtentX        =   5112
            _ExtentY        =   667
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÑ ÊíÊÑ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   8
            Left            =   3600
            TabIndex        =   188
            Top             =   288
            Width           =   1170
         End
         Begin VB.Line Line4 
            X1              =   0
            X2              =   7488
            Y1              =   2736
            Y2              =   2736
         End
         Begin VB.Label Label14 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3312
            TabIndex        =   92
            Top             =   6768
            Width           =   1314
         End
         Begin VB.Label Label12 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3312
            TabIndex        =   91
            Top             =   6192
            Width           =   1314
         End
         Begin VB.Label Label11 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3312
            TabIndex        =   90
            Top             =   5616
            Width           =   1314
         End
         Begin VB.Label Label9 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3312
            TabIndex        =   89
            Top             =   5040
            Width           =   1314
         End
         Begin VB.Label Label8 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3312
            TabIndex        =   88
            Top             =   3024
            Width           =   1314
         End
         Begin VB.Label Label7 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3312
            TabIndex        =   87
            Top             =   3600
            Width           =   1314
         End
         Begin VB.Label Label6 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3312
            TabIndex        =   86
            Top             =   4320
            Width           =   1314
         End
         Begin VB.Label Label5 
            Alignment       =   1  'Right Justify
            Caption         =   "ÌÏæá ˜ÇáÇåÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   2
            Left            =   4896
            TabIndex        =   85
            Top             =   2736
            Width           =   1602
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3456
            TabIndex        =   84
            Top             =   864
            Width           =   1314
         End
         Begin VB.Label Label3 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3456
            TabIndex        =   83
            Top             =   1440
            Width           =   1314
         End
         Begin VB.Label Label2 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   2
            Left            =   3456
            TabIndex        =   82
            Top             =   2016
            Width           =   1314
         End
         Begin VB.Label Label1 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   2
            Left            =   5040
            TabIndex        =   81
            Top             =   1440
            Width           =   1314
         End
      End
      Begin VB.Frame Frame14 
         Caption         =   "ÈÎÔ 2"
         BeginProperty Font 
            Name            =   "B Homa"
            Size            =   11.7
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   8658
         Index           =   1
         Left            =   -74136
         RightToLeft     =   -1  'True
         TabIndex        =   33
         Top             =   1008
         Width           =   7506
         Begin VB.TextBox TxtHeadeTitr 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Titr"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   185
            Text            =   "ÇÕáí 2"
            Top             =   288
            Width           =   2214
         End
         Begin VB.CheckBox ChkDescription 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÊæÖíÍÇÊ ˜ÇáÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   4608
            TabIndex        =   48
            Top             =   7776
            Width           =   2466
         End
         Begin VB.CheckBox ChkPicture 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ú˜Ó"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   5328
            TabIndex        =   47
            Top             =   7200
            Width           =   1746
         End
         Begin VB.TextBox TxtFee2 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   46
            Text            =   "Ýí ÈíÑæä"
            Top             =   6768
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee2 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Ïæã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   5328
            TabIndex        =   45
            Top             =   6624
            Width           =   1746
         End
         Begin VB.TextBox TxtFee 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   44
            Text            =   "Ýí ÓÇáä"
            Top             =   6192
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee1 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Çæá"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   5328
            TabIndex        =   43
            Top             =   6048
            Width           =   1746
         End
         Begin VB.TextBox TxtName 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   42
            Text            =   "äÇã ˜ÇáÇ"
            Top             =   5616
            Width           =   2214
         End
         Begin VB.CheckBox ChkName 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ äÇã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   5328
            TabIndex        =   41
            Top             =   5472
            Width           =   1746
         End
         Begin VB.TextBox TxtRow 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   40
            Text            =   "ÑÏíÝ"
            Top             =   5040
            Width           =   2214
         End
         Begin VB.CheckBox ChkRow 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÑÏíÝ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   5328
            TabIndex        =   39
            Top             =   4896
            Width           =   1746
         End
         Begin VB.TextBox TxtFontGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   1440
            RightToLeft     =   -1  'True
            TabIndex        =   38
            Text            =   "Titr"
            Top             =   3024
            Width           =   2214
         End
         Begin VB.TextBox TxtFontsizeGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   2880
            RightToLeft     =   -1  'True
            TabIndex        =   37
            Text            =   "16"
            Top             =   3600
            Width           =   774
         End
         Begin VB.TextBox TxtHeaderFont 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   36
            Text            =   "Titr"
            Top             =   864
            Width           =   2214
         End
         Begin VB.TextBox TxtHeaderSize 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   1
            Left            =   3024
            RightToLeft     =   -1  'True
            TabIndex        =   35
            Text            =   "16"
            Top             =   1440
            Width           =   774
         End
         Begin VB.CheckBox ChkViewSegment 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÈÎÔ "
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   5472
            TabIndex        =   34
            Top             =   432
            Width           =   1746
         End
         Begin FLWCtrls.FWComboColor FWComboColorHeader 
            Height          =   378
            Index           =   1
            Left            =   720
            TabIndex        =   49
            Tag             =   "&H00000080&"
            Top             =   2016
            Width           =   3042
            _ExtentX        =   5365
            _ExtentY        =   667
         End
         Begin FLWCtrls.FWComboColor FWComboColorGrid 
            Height          =   378
            Index           =   1
            Left            =   720
            TabIndex        =   50
            Tag             =   "&H00000080&"
            Top             =   4320
            Width           =   2898
            _ExtentX        =   5112
            _ExtentY        =   667
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÑ ÊíÊÑ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   7
            Left            =   3600
            TabIndex        =   186
            Top             =   288
            Width           =   1170
         End
         Begin VB.Line Line3 
            X1              =   0
            X2              =   7488
            Y1              =   2736
            Y2              =   2736
         End
         Begin VB.Label Label14 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3312
            TabIndex        =   62
            Top             =   6768
            Width           =   1314
         End
         Begin VB.Label Label12 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3312
            TabIndex        =   61
            Top             =   6192
            Width           =   1314
         End
         Begin VB.Label Label11 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3312
            TabIndex        =   60
            Top             =   5616
            Width           =   1314
         End
         Begin VB.Label Label9 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3312
            TabIndex        =   59
            Top             =   5040
            Width           =   1314
         End
         Begin VB.Label Label8 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3312
            TabIndex        =   58
            Top             =   3024
            Width           =   1314
         End
         Begin VB.Label Label7 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3312
            TabIndex        =   57
            Top             =   3600
            Width           =   1314
         End
         Begin VB.Label Label6 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3312
            TabIndex        =   56
            Top             =   4320
            Width           =   1314
         End
         Begin VB.Label Label5 
            Alignment       =   1  'Right Justify
            Caption         =   "ÌÏæá ˜ÇáÇåÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   1
            Left            =   5040
            TabIndex        =   55
            Top             =   2736
            Width           =   1602
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3456
            TabIndex        =   54
            Top             =   864
            Width           =   1314
         End
         Begin VB.Label Label3 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3456
            TabIndex        =   53
            Top             =   1440
            Width           =   1314
         End
         Begin VB.Label Label2 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   1
            Left            =   3456
            TabIndex        =   52
            Top             =   2016
            Width           =   1314
         End
         Begin VB.Label Label1 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   1
            Left            =   5040
            TabIndex        =   51
            Top             =   1440
            Width           =   1314
         End
      End
      Begin VB.Frame Frame14 
         Caption         =   "ÈÎÔ 1"
         BeginProperty Font 
            Name            =   "B Homa"
            Size            =   11.7
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   8658
         Index           =   0
         Left            =   -74136
         RightToLeft     =   -1  'True
         TabIndex        =   3
         Top             =   1080
         Width           =   7506
         Begin VB.TextBox TxtHeadeTitr 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Titr"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   183
            Text            =   "ÇÕáí 1"
            Top             =   288
            Width           =   2214
         End
         Begin VB.CheckBox ChkViewSegment 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÈÎÔ "
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   5472
            TabIndex        =   19
            Top             =   432
            Width           =   1746
         End
         Begin VB.TextBox TxtHeaderSize 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   3024
            RightToLeft     =   -1  'True
            TabIndex        =   17
            Text            =   "16"
            Top             =   1440
            Width           =   774
         End
         Begin VB.TextBox TxtHeaderFont 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   1584
            RightToLeft     =   -1  'True
            TabIndex        =   16
            Text            =   "Titr"
            Top             =   864
            Width           =   2214
         End
         Begin VB.TextBox TxtFontsizeGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   2880
            RightToLeft     =   -1  'True
            TabIndex        =   15
            Text            =   "16"
            Top             =   3600
            Width           =   774
         End
         Begin VB.TextBox TxtFontGrid 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   1440
            RightToLeft     =   -1  'True
            TabIndex        =   14
            Text            =   "Titr"
            Top             =   3024
            Width           =   2214
         End
         Begin VB.CheckBox ChkRow 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÑÏíÝ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   5328
            TabIndex        =   13
            Top             =   4896
            Width           =   1746
         End
         Begin VB.TextBox TxtRow 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   12
            Text            =   "ÑÏíÝ"
            Top             =   5040
            Width           =   2214
         End
         Begin VB.CheckBox ChkName 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ äÇã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   5328
            TabIndex        =   11
            Top             =   5472
            Width           =   1746
         End
         Begin VB.TextBox TxtName 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   10
            Text            =   "äÇã ˜ÇáÇ"
            Top             =   5616
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee1 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Çæá"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   5328
            TabIndex        =   9
            Top             =   6048
            Width           =   1746
         End
         Begin VB.TextBox TxtFee 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   8
            Text            =   "Ýí ÓÇáä"
            Top             =   6192
            Width           =   2214
         End
         Begin VB.CheckBox ChkFee2 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ýí Ïæã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   5328
            TabIndex        =   7
            Top             =   6624
            Width           =   1746
         End
         Begin VB.TextBox TxtFee2 
            Alignment       =   2  'Center
            BeginProperty Font 
               Name            =   "Nazanin"
               Size            =   14.4
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   486
            Index           =   0
            Left            =   1152
            RightToLeft     =   -1  'True
            TabIndex        =   6
            Text            =   "Ýí ÈíÑæä"
            Top             =   6768
            Width           =   2214
         End
         Begin VB.CheckBox ChkPicture 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ Ú˜Ó"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   5328
            TabIndex        =   5
            Top             =   7200
            Width           =   1746
         End
         Begin VB.CheckBox ChkDescription 
            Alignment       =   1  'Right Justify
            Caption         =   "äãÇíÔ ÊæÖíÍÇÊ ˜ÇáÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   4608
            TabIndex        =   4
            Top             =   7776
            Width           =   2466
         End
         Begin FLWCtrls.FWComboColor FWComboColorHeader 
            Height          =   378
            Index           =   0
            Left            =   720
            TabIndex        =   18
            Tag             =   "&H00000080&"
            Top             =   2016
            Width           =   3042
            _ExtentX        =   5365
            _ExtentY        =   667
         End
         Begin FLWCtrls.FWComboColor FWComboColorGrid 
            Height          =   378
            Index           =   0
            Left            =   720
            TabIndex        =   20
            Tag             =   "&H00000080&"
            Top             =   4320
            Width           =   2898
            _ExtentX        =   5112
            _ExtentY        =   667
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÑ ÊíÊÑ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   6
            Left            =   3600
            TabIndex        =   184
            Top             =   288
            Width           =   1170
         End
         Begin VB.Line Line2 
            X1              =   0
            X2              =   7488
            Y1              =   2592
            Y2              =   2592
         End
         Begin VB.Label Label1 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   0
            Left            =   5040
            TabIndex        =   32
            Top             =   1440
            Width           =   1314
         End
         Begin VB.Label Label2 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3456
            TabIndex        =   31
            Top             =   2016
            Width           =   1314
         End
         Begin VB.Label Label3 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3456
            TabIndex        =   30
            Top             =   1440
            Width           =   1314
         End
         Begin VB.Label Label4 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3456
            TabIndex        =   29
            Top             =   864
            Width           =   1314
         End
         Begin VB.Label Label5 
            Alignment       =   1  'Right Justify
            Caption         =   "ÌÏæá ˜ÇáÇåÇ"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   13.5
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H00000080&
            Height          =   594
            Index           =   0
            Left            =   4896
            TabIndex        =   28
            Top             =   2592
            Width           =   1602
         End
         Begin VB.Label Label6 
            Alignment       =   1  'Right Justify
            Caption         =   "Ñä Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3312
            TabIndex        =   27
            Top             =   4320
            Width           =   1314
         End
         Begin VB.Label Label7 
            Alignment       =   1  'Right Justify
            Caption         =   "ÓÇíÒ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3312
            TabIndex        =   26
            Top             =   3600
            Width           =   1314
         End
         Begin VB.Label Label8 
            Alignment       =   1  'Right Justify
            Caption         =   "äæÚ Þáã"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3312
            TabIndex        =   25
            Top             =   3024
            Width           =   1314
         End
         Begin VB.Label Label9 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3312
            TabIndex        =   24
            Top             =   5040
            Width           =   1314
         End
         Begin VB.Label Label11 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3312
            TabIndex        =   23
            Top             =   5616
            Width           =   1314
         End
         Begin VB.Label Label12 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3312
            TabIndex        =   22
            Top             =   6192
            Width           =   1314
         End
         Begin VB.Label Label14 
            Alignment       =   1  'Right Justify
            Caption         =   "ÚäæÇä"
            BeginProperty Font 
               Name            =   "B Homa"
               Size            =   11.7
               Charset         =   178
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   594
            Index           =   0
            Left            =   3312
            TabIndex        =   21
            Top             =   6768
            Width           =   1314
         End
      End
   End
   Begin RESIZEKITLibCtl.ResizeKit ResizeKit1 
      Height          =   576
      Left            =   0
      OleObjectBlob   =   "frmGoodMenuSetting.frx":A56A
      TabIndex        =   1
      Top             =   0
      Width           =   576
   End
   Begin VB.Label Label10 
      Alignment       =   2  'Center
      BackStyle       =   0  'Transparent
      Caption         =   "ãÏíÑíÊ æ ÊäÙíãÇÊ äãÇíÔ ˜ÇáÇåÇ "
      BeginProperty Font 
         Name            =   "B Homa"
         Size            =   17.1
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000C0&
      Height          =   594
      Left            =   3456
      RightToLeft     =   -1  'True
      TabIndex        =   0
      Top             =   144
      Width           =   4914
   End
End
Attribute VB_Name = "frmGoodMenuSetting"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Private Parameter() As Parameter
Dim i As Integer

Private Sub Form_Activate()
    VarActForm = Me.Name
    SetFirstToolBar
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)
    Select Case Shift
          Case 0
              Select Case KeyCode
                  Case 27  ' Esc
            
                  Me.ExitForm
              End Select
          Case 2
               Select Case KeyCode
                  Case 123  'Exit
                     If clsStation.KeyboardType = EnumKeyBoardType.Rb2 Then
                        Me.ExitForm
                     End If
              End Select

    End Select

End Sub

Private Sub Form_Load()
    
 '  Label10.Caption = "ãÏíÑíÊ æ ÊäÙíãÇÊ ÇíÓÊÇå ÔãÇÑå " & clsArya.StationNo
    
    formloadFlag = False
    Me.Left = Val(GetSetting(strMainKey, Me.Name, "Left"))
    If Val(GetSetting(strMainKey, Me.Name, "Height")) > 5000 Then
        Me.Height = Val(GetSetting(strMainKey, Me.Name, "Height"))
    End If
    If Val(GetSetting(strMainKey, Me.Name, "Width")) > 0 Then
        Me.Width = Val(GetSetting(strMainKey, Me.Name, "Width"))
    End If
    Me.Top = Val(GetSetting(strMainKey, Me.Name, "Top"))
    If Me.Left < 0 Then Me.Left = 0
    If Me.Top < 0 Then Me.Top = 0
    If Me.Top > Me.ScaleHeight Then Me.Top = 0

    formloadFlag = True
    
    Dim i As Long
    
    For i = 0 To 5
    
        If clsGoodMenu.ViewSegmant(i) = True Then
           ChkViewSegment(i).Value = 1
        Else
           ChkViewSegment(i).Value = 0
        End If
        TxtHeadeTitr(i) = clsGoodMenu.HeaderTitr(i)
        TxtHeaderFont(i) = clsGoodMenu.HeaderFont(i)
        TxtHeaderSize(i) = clsGoodMenu.HeaderSizeFont(i)
        FWComboColorHeader(i).Color = Val(clsGoodMenu.HeaderColorFont(i))
        TxtFontGrid(i) = clsGoodMenu.GridFont(i)
        TxtFontsizeGrid(i) = clsGoodMenu.GridSizeFont(i)
        FWComboColorGrid(i).Color = Val(clsGoodMenu.GridColorFont(i))
        If clsGoodMenu.ViewRow(i) = True Then
           ChkRow(i).Value = 1
        Else
           ChkRow(i).Value = 0
        End If
        If clsGoodMenu.ViewName(i) = True Then
           ChkName(i).Value = 1
        Else
           ChkName(i).Value = 0
        End If
        If clsGoodMenu.ViewFee1(i) = True Then
           ChkFee1(i).Value = 1
        Else
           ChkFee1(i).Value = 0
        End If
        If clsGoodMenu.ViewFee2(i) = True Then
           ChkFee2(i).Value = 1
        Else
           ChkFee2(i).Value = 0
        End If
        If clsGoodMenu.ViewPicture(i) = True Then
           ChkPicture(i).Value = 1
        Else
           ChkPicture(i).Value = 0
        End If
        If clsGoodMenu.ViewDescription(i) = True Then
           ChkDescription(i).Value = 1
        Else
           ChkDescription(i).Value = 0
        End If
    
        TxtRow(i) = clsGoodMenu.RowName(i)
        TxtName(i) = clsGoodMenu.GoodName(i)
        TxtFee(i) = clsGoodMenu.Fee1Name(i)
        TxtFee2(i) = clsGoodMenu.Fee2Name(i)
    Next i
    
End Sub

Private Sub Form_Unload(Cancel As Integer)

'    If PosConnection.State = adStateOpen Then PosConnection.Close: Set PosConnection = Nothing
    VarActForm = ""
    SaveSetting strMainKey, Me.Name, "Left", Me.Left
    SaveSetting strMainKey, Me.Name, "Top", Me.Top

End Sub

Public Sub Update()
    
    For i = 0 To 5
    
        clsGoodMenu.ViewSegmant(i) = ChkViewSegment(i).Value
        clsGoodMenu.HeaderTitr(i) = TxtHeadeTitr(i)
        clsGoodMenu.HeaderFont(i) = TxtHeaderFont(i)
        clsGoodMenu.HeaderSizeFont(i) = TxtHeaderSize(i)
        clsGoodMenu.HeaderColorFont(i) = FWComboColorHeader(i).Color
        clsGoodMenu.GridFont(i) = TxtFontGrid(i)
        clsGoodMenu.GridSizeFont(i) = TxtFontsizeGrid(i)
        clsGoodMenu.GridColorFont(i) = FWComboColorGrid(i).Color
        clsGoodMenu.ViewRow(i) = ChkRow(i).Value
        clsGoodMenu.ViewName(i) = ChkName(i).Value
        clsGoodMenu.ViewFee1(i) = ChkFee1(i).Value
        clsGoodMenu.ViewFee2(i) = ChkFee2(i).Value
        clsGoodMenu.ViewPicture(i) = ChkPicture(i).Value
        clsGoodMenu.ViewDescription(i) = ChkDescription(i).Value
        clsGoodMenu.RowName(i) = TxtRow(i)
        clsGoodMenu.GoodName(i) = TxtName(i)
        clsGoodMenu.Fee1Name(i) = TxtFee(i)
        clsGoodMenu.Fee2Name(i) = TxtFee2(i)
    Next i
  
    SetGoodMenuSettingFile
    
    Unload Me
    
End Sub
Private Sub Form_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
    Call PresetScreenSaver
End Sub

Private Sub Form_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
    Call PresetScreenSaver
End Sub

Public Sub SetFirstToolBar()
    
    AllButton vbOff, True
    
    mdifrm.Toolbar1.Buttons(8).Enabled = True  'Enter
    mdifrm.Toolbar1.Buttons(23).Enabled = True
    mdifrm.Toolbar1.Buttons(24).Enabled = True
    mdifrm.Toolbar1.Buttons(25).Enabled = True
    mdifrm.Toolbar1.Buttons(26).Enabled = True
    mdifrm.Toolbar1.Buttons(27).Enabled = True

End Sub

Public Sub ExitForm()

    Unload Me
    
End Sub

Private Sub ResizeKit1_ExitResize(ByVal XScale As Double, ByVal YScale As Double)

    If formloadFlag = True Then
        SaveSetting strMainKey, Me.Name, "Height", Me.Height
        SaveSetting strMainKey, Me.Name, "Width", Me.Width
    End If

End Sub

