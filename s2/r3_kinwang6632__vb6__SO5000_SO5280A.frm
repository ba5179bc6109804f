VERSION 5.00
Object = "{A0C51418-555F-11D3-BC10-0050BA01A3A9}#9.9#0"; "GiMulti.ocx"
Object = "{445AE19A-297E-11D3-A5F8-0080AD912008}#43.3#0"; "GiDate.ocx"
Object = "{005346C2-8184-11D3-BD70-0080C8F80BC4}#5.5#0"; "GiList.ocx"
Object = "{074771B7-6ADE-11D5-B178-00485456B028}#2.1#0"; "csMulti.ocx"
Begin VB.Form frmSO5280A 
   BorderStyle     =   1  '單線固定
   Caption         =   "收費到期客戶數統計表[ SO5280A ]"
   ClientHeight    =   9270
   ClientLeft      =   2394
   ClientTop       =   1818
   ClientWidth     =   12042
   Icon            =   "SO5280A.frx":0000
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form52"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   9270
   ScaleWidth      =   12042
   ShowInTaskbar   =   0   'False
   StartUpPosition =   2  '螢幕中央
   Begin VB.PictureBox pic2 
      Height          =   4518
      Left            =   252
      ScaleHeight     =   4446
      ScaleWidth      =   11466
      TabIndex        =   54
      Top             =   2484
      Width           =   11538
      Begin VB.VScrollBar vsl1 
         Height          =   4302
         LargeChange     =   100
         Left            =   11124
         Max             =   100
         SmallChange     =   100
         TabIndex        =   56
         TabStop         =   0   'False
         Top             =   36
         Width           =   342
      End
      Begin VB.Frame fraMulti 
         BorderStyle     =   0  '沒有框線
         Height          =   5706
         Left            =   36
         TabIndex        =   55
         Top             =   -36
         Width           =   11034
         Begin Gi_Multi.GiMulti gimServiceType 
            Height          =   414
            Left            =   36
            TabIndex        =   57
            Top             =   72
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "服  務  類  別"
            DataType        =   2
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
         Begin CS_Multi.CSmulti gimCitemCode 
            Height          =   414
            Left            =   36
            TabIndex        =   58
            Top             =   468
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "收  費  項  目"
         End
         Begin CS_Multi.CSmulti gimClassCode 
            Height          =   414
            Left            =   36
            TabIndex        =   59
            Top             =   864
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "客  戶  類  別"
         End
         Begin Gi_Multi.GiMulti gimStatusCode 
            Height          =   414
            Left            =   36
            TabIndex        =   60
            Top             =   1260
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "客  戶  狀  態"
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
         Begin Gi_Multi.GiMulti gimServCode 
            Height          =   414
            Left            =   36
            TabIndex        =   61
            Top             =   1656
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "服     務     區"
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
         Begin Gi_Multi.GiMulti gimAreaCode 
            Height          =   414
            Left            =   36
            TabIndex        =   62
            Top             =   2052
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "行     政     區"
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
         Begin Gi_Multi.GiMulti gimCMCode 
            Height          =   414
            Left            =   36
            TabIndex        =   63
            Top             =   2448
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "收  費  方  式"
            ColumnOrder     =   -1  'True
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
         Begin CS_Multi.CSmulti gimStrtCode 
            Height          =   414
            Left            =   36
            TabIndex        =   64
            Top             =   2844
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "街  道  範  圍"
         End
         Begin CS_Multi.CSmulti gimMduId 
            Height          =   414
            Left            =   36
            TabIndex        =   65
            Top             =   3240
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "大  樓  編  號"
         End
         Begin Gi_Multi.GiMulti gimBankCode 
            Height          =   414
            Left            =   36
            TabIndex        =   66
            Top             =   3636
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "銀  行  類  別"
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
         Begin Gi_Multi.GiMulti gimCardCode 
            Height          =   414
            Left            =   36
            TabIndex        =   67
            Top             =   4032
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "信 用 卡 種 類"
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
         Begin CS_Multi.CSmulti gimClctEn 
            Height          =   450
            Left            =   36
            TabIndex        =   68
            Top             =   4428
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   793
            ButtonCaption   =   "收  費  人   員"
         End
         Begin Gi_Multi.GiMulti gimOrder 
            Height          =   414
            Left            =   36
            TabIndex        =   69
            Top             =   4824
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   731
            ButtonCaption   =   "排  序  方  式"
            DataType        =   2
            ColumnOrder     =   -1  'True
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
         Begin Gi_Multi.GiMulti gimPayType 
            Height          =   468
            Left            =   36
            TabIndex        =   70
            Top             =   5220
            Width           =   11862
            _ExtentX        =   20923
            _ExtentY        =   826
            ButtonCaption   =   "繳  付  類  別"
            FontSize        =   10.8
            FontName        =   "新細明體"
         End
      End
   End
   Begin VB.Frame Frame1 
      Caption         =   "週期性收費"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1278
      Left            =   10368
      TabIndex        =   53
      Top             =   1152
      Width           =   1404
      Begin VB.OptionButton optStopFlag 
         Caption         =   "啟用"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   234
         Index           =   3
         Left            =   144
         TabIndex        =   25
         Top             =   288
         Value           =   -1  'True
         Width           =   1134
      End
      Begin VB.OptionButton optStopFlag 
         Caption         =   "全部"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   234
         Index           =   1
         Left            =   144
         TabIndex        =   27
         Top             =   864
         Width           =   1134
      End
      Begin VB.OptionButton optStopFlag 
         Caption         =   "停用"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   234
         Index           =   0
         Left            =   144
         TabIndex        =   26
         Top             =   576
         Width           =   1134
      End
   End
   Begin VB.Frame Frame2 
      Caption         =   "地址依據"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00FF0000&
      Height          =   1242
      Left            =   8784
      TabIndex        =   52
      Top             =   1188
      Width           =   1458
      Begin VB.OptionButton optAddress 
         Caption         =   "郵寄地址"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF0000&
         Height          =   252
         Index           =   2
         Left            =   108
         TabIndex        =   24
         Top             =   900
         Width           =   1314
      End
      Begin VB.OptionButton optAddress 
         Caption         =   "收費地址"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF0000&
         Height          =   252
         Index           =   1
         Left            =   108
         TabIndex        =   23
         Top             =   594
         Width           =   1314
      End
      Begin VB.OptionButton optAddress 
         Caption         =   "裝機地址"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF0000&
         Height          =   252
         Index           =   0
         Left            =   108
         TabIndex        =   22
         Top             =   288
         Value           =   -1  'True
         Width           =   1314
      End
   End
   Begin VB.Frame frame 
      Caption         =   "客戶指定資料種類"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   720
      Left            =   108
      TabIndex        =   51
      Top             =   1692
      Width           =   4428
      Begin VB.OptionButton OptAllot 
         Caption         =   "全部"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   234
         Left            =   2070
         TabIndex        =   9
         Top             =   324
         Value           =   -1  'True
         Width           =   1134
      End
      Begin VB.OptionButton OptYesAllot 
         Caption         =   "僅指定"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   234
         Left            =   3240
         TabIndex        =   10
         Top             =   324
         Width           =   1134
      End
      Begin VB.OptionButton OptNoAllot 
         Caption         =   "不指定"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   234
         Left            =   666
         TabIndex        =   8
         Top             =   324
         Width           =   1134
      End
   End
   Begin VB.Frame Frame4 
      Caption         =   "網路編號"
      Height          =   1134
      Left            =   4608
      TabIndex        =   50
      Top             =   1296
      Width           =   4050
      Begin VB.OptionButton optCircuitNo 
         Caption         =   "只印空白網路編號"
         ForeColor       =   &H00800000&
         Height          =   216
         Left            =   180
         TabIndex        =   20
         Top             =   792
         Width           =   2214
      End
      Begin VB.OptionButton optAll 
         Caption         =   "全部"
         ForeColor       =   &H00800000&
         Height          =   216
         Left            =   2988
         TabIndex        =   21
         Top             =   792
         Value           =   -1  'True
         Width           =   810
      End
      Begin VB.TextBox mskCircuitNo 
         ForeColor       =   &H00800000&
         Height          =   450
         Left            =   180
         TabIndex        =   19
         Top             =   288
         Width           =   3654
      End
   End
   Begin VB.CommandButton cmdExcel 
      Caption         =   "匯成Excel"
      Enabled         =   0   'False
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   630
      Left            =   4464
      TabIndex        =   38
      Top             =   8424
      Width           =   1494
   End
   Begin VB.CommandButton cmdPrevRpt 
      Caption         =   "上次統計結果"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   630
      Left            =   2232
      TabIndex        =   37
      Top             =   8424
      Width           =   1674
   End
   Begin VB.CommandButton cmdExit 
      Caption         =   "結束(&X)"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   630
      Left            =   10152
      TabIndex        =   39
      Top             =   8424
      Width           =   1674
   End
   Begin VB.CommandButton cmdPrint 
      Caption         =   "F5:列印"
      Default         =   -1  'True
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   630
      Left            =   216
      TabIndex        =   36
      Top             =   8424
      Width           =   1494
   End
   Begin VB.Frame fraPage 
      BackColor       =   &H00E0E0E0&
      Caption         =   "分頁方式"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00FF0000&
      Height          =   738
      Left            =   4608
      TabIndex        =   47
      Top             =   504
      Width           =   4050
      Begin VB.OptionButton optNothing 
         BackColor       =   &H00E0E0E0&
         Caption         =   "無"
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF0000&
         Height          =   234
         Left            =   3312
         TabIndex        =   15
         Top             =   306
         Value           =   -1  'True
         Width           =   630
      End
      Begin VB.OptionButton optAreaCode 
         BackColor       =   &H00E0E0E0&
         Caption         =   "行政區"
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF0000&
         Height          =   234
         Left            =   1188
         TabIndex        =   13
         Top             =   306
         Width           =   1062
      End
      Begin VB.OptionButton optServCode 
         BackColor       =   &H00E0E0E0&
         Caption         =   "服務區"
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF0000&
         Height          =   234
         Left            =   144
         TabIndex        =   12
         Top             =   306
         Width           =   1098
      End
      Begin VB.OptionButton optClctAreaCode 
         BackColor       =   &H00E0E0E0&
         Caption         =   "收費區"
         Enabled         =   0   'False
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00FF0000&
         Height          =   234
         Left            =   2232
         TabIndex        =   14
         Top             =   306
         Width           =   1062
      End
   End
   Begin VB.ComboBox cmbAmoun 
      Height          =   360
      ItemData        =   "SO5280A.frx":0442
      Left            =   2466
      List            =   "SO5280A.frx":0455
      Style           =   2  '單純下拉式
      TabIndex        =   6
      Top             =   1224
      Width           =   702
   End
   Begin VB.ComboBox cmbPeriod 
      Height          =   360
      ItemData        =   "SO5280A.frx":046A
      Left            =   702
      List            =   "SO5280A.frx":047D
      Style           =   2  '單純下拉式
      TabIndex        =   4
      Top             =   1224
      Width           =   702
   End
   Begin VB.Frame fraReportType 
      BackColor       =   &H00E0E0E0&
      Caption         =   "報表型式"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800080&
      Height          =   1098
      Left            =   54
      TabIndex        =   46
      Top             =   7110
      Width           =   11790
      Begin VB.OptionButton optSummaric7 
         BackColor       =   &H00E0E0E0&
         Caption         =   "下收年月+收費項目彙總+期數+金額彙總"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800080&
         Height          =   234
         Left            =   7002
         TabIndex        =   35
         Top             =   720
         Width           =   4590
      End
      Begin VB.OptionButton optSummaric6 
         BackColor       =   &H00E0E0E0&
         Caption         =   "下收年月+收費員+街道彙總"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800080&
         Height          =   288
         Left            =   3546
         TabIndex        =   34
         Top             =   720
         Width           =   3546
      End
      Begin VB.OptionButton optSummaric5 
         BackColor       =   &H00E0E0E0&
         Caption         =   "下收年月+收費項目彙總"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800080&
         Height          =   234
         Left            =   504
         TabIndex        =   33
         Top             =   720
         Width           =   3366
      End
      Begin VB.OptionButton optSummaric4 
         BackColor       =   &H00E0E0E0&
         Caption         =   "下收年月+街道彙總"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800080&
         Height          =   234
         Left            =   7686
         TabIndex        =   31
         Top             =   324
         Width           =   2430
      End
      Begin VB.OptionButton optSummaric1 
         BackColor       =   &H00E0E0E0&
         Caption         =   "下收年月+期數+金額彙總"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800080&
         Height          =   234
         Left            =   504
         TabIndex        =   28
         Top             =   324
         Value           =   -1  'True
         Width           =   2970
      End
      Begin VB.OptionButton optDetail 
         BackColor       =   &H00E0E0E0&
         Caption         =   "明細表"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800080&
         Height          =   234
         Left            =   10422
         TabIndex        =   32
         Top             =   324
         Width           =   1098
      End
      Begin VB.OptionButton optSummaric2 
         BackColor       =   &H00E0E0E0&
         Caption         =   "期數+金額彙總"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800080&
         Height          =   234
         Left            =   3546
         TabIndex        =   29
         Top             =   324
         Width           =   1890
      End
      Begin VB.OptionButton optSummaric3 
         BackColor       =   &H00E0E0E0&
         Caption         =   "下收年月彙總"
         BeginProperty Font 
            Name            =   "新細明體"
            Size            =   11.7
            Charset         =   136
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00800080&
         Height          =   234
         Left            =   5688
         TabIndex        =   30
         Top             =   324
         Width           =   1782
      End
   End
   Begin VB.CheckBox chkXCitem 
      Caption         =   "是否統計免收費客戶"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00800000&
      Height          =   306
      Left            =   8820
      TabIndex        =   18
      Top             =   828
      Width           =   2718
   End
   Begin VB.CheckBox chkClassCode 
      Caption         =   "是否分客戶類別"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00004000&
      Height          =   306
      Left            =   8820
      TabIndex        =   17
      Top             =   468
      Width           =   2718
   End
   Begin VB.CheckBox chkInstDate 
      Caption         =   "尋找次收日期是否空白"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00004000&
      Height          =   342
      Left            =   8820
      TabIndex        =   16
      Top             =   72
      Width           =   2718
   End
   Begin VB.TextBox txtAmoun 
      ForeColor       =   &H00800000&
      Height          =   450
      Left            =   3186
      MaxLength       =   6
      TabIndex        =   7
      Top             =   1188
      Width           =   1350
   End
   Begin VB.TextBox txtPeriod 
      ForeColor       =   &H00800000&
      Height          =   450
      Left            =   1422
      MaxLength       =   2
      TabIndex        =   5
      Top             =   1188
      Width           =   486
   End
   Begin Gi_Date.GiDate gdaInstDate2 
      Height          =   450
      Left            =   3168
      TabIndex        =   1
      Top             =   72
      Width           =   1314
      _ExtentX        =   2317
      _ExtentY        =   793
      ForeColor       =   12582912
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin Gi_Date.GiDate gdaInstDate1 
      Height          =   450
      Left            =   1548
      TabIndex        =   0
      Top             =   72
      Width           =   1314
      _ExtentX        =   2317
      _ExtentY        =   793
      ForeColor       =   12582912
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin Gi_Date.GiDate gdaClctDate2 
      Height          =   450
      Left            =   3168
      TabIndex        =   3
      Top             =   648
      Width           =   1314
      _ExtentX        =   2317
      _ExtentY        =   793
      ForeColor       =   12582912
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin Gi_Date.GiDate gdaClctDate1 
      Height          =   450
      Left            =   1548
      TabIndex        =   2
      Top             =   648
      Width           =   1314
      _ExtentX        =   2317
      _ExtentY        =   793
      ForeColor       =   12582912
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin prjGiList.GiList gilCompCode 
      Height          =   378
      Left            =   5616
      TabIndex        =   11
      Top             =   72
      Width           =   3042
      _ExtentX        =   5365
      _ExtentY        =   667
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      FldWidth1       =   720
      FldWidth2       =   1920
      F5Corresponding =   -1  'True
   End
   Begin VB.Label Label6 
      AutoSize        =   -1  'True
      BackStyle       =   0  '透明
      Caption         =   "下次收費"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00C00000&
      Height          =   234
      Left            =   108
      TabIndex        =   49
      Top             =   648
      Width           =   936
   End
   Begin VB.Label lblCompCode 
      AutoSize        =   -1  'True
      BackColor       =   &H8000000A&
      BackStyle       =   0  '透明
      Caption         =   "公  司  別"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000FF&
      Height          =   234
      Left            =   4572
      TabIndex        =   48
      Top             =   144
      Width           =   918
   End
   Begin VB.Label Label8 
      AutoSize        =   -1  'True
      BackStyle       =   0  '透明
      Caption         =   "金額"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00C00000&
      Height          =   234
      Left            =   1962
      TabIndex        =   45
      Top             =   1296
      Width           =   468
   End
   Begin VB.Label Label7 
      AutoSize        =   -1  'True
      BackStyle       =   0  '透明
      Caption         =   "期數"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00C00000&
      Height          =   234
      Left            =   162
      TabIndex        =   44
      Top             =   1296
      Width           =   468
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      BackStyle       =   0  '透明
      Caption         =   "日期範圍"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00C00000&
      Height          =   234
      Left            =   108
      TabIndex        =   43
      Top             =   900
      Width           =   936
   End
   Begin VB.Label Label1 
      AutoSize        =   -1  'True
      Caption         =   "---"
      ForeColor       =   &H00C00000&
      Height          =   234
      Left            =   2916
      TabIndex        =   42
      Top             =   756
      Width           =   216
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      BackStyle       =   0  '透明
      Caption         =   "裝機日期範圍"
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   11.7
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00C00000&
      Height          =   234
      Left            =   108
      TabIndex        =   41
      Top             =   180
      Width           =   1404
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      Caption         =   "---"
      ForeColor       =   &H00C00000&
      Height          =   234
      Left            =   2916
      TabIndex        =   40
      Top             =   180
      Width           =   216
   End
End
Attribute VB_Name = "frmSO5280A"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
 'Table:SO003,SO001(,SO014,SO002)
Option Explicit
Dim strOrder As String
Dim strNo As String
Dim blnExcel As Boolean
Dim strTable As String
Dim strUseIndex As String

Private Sub cmdExcel_Click()
  On Error GoTo ChkErr
    blnExcel = True
    cmdPrint_Click
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "cmdExcel_Click")
End Sub

Private Sub cmdPrevRpt_Click()
  On Error GoTo ChkErr
    Screen.MousePointer = vbHourglass
      Select Case True
             Case optSummaric1.Value
                  If chkClassCode.Value = 1 Then
                      Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "2"), "收費到期客戶數統計彙總表 [SO5280A]")
                  Else
                      Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "1"), "收費到期客戶數統計彙總表 [SO5280A]")
                  End If
             Case optSummaric2.Value
                  Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "3"), "收費到期客戶數統計彙總表 [SO5280A]")
             Case optSummaric3.Value
                  Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "4"), "收費到期客戶數統計彙總表 [SO5280A]")
             Case optSummaric4.Value
                  Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "6"), "收費到期客戶數統計彙總表 [SO5280A]")
             Case optSummaric5.Value
                  Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "7"), "收費到期客戶數統計彙總表 [SO5280A]")
             Case optSummaric6.Value
                  Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "8"), "收費到期客戶數統計彙總表 [SO5280A]")
             Case optSummaric7.Value
                  Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "9"), "收費到期客戶數統計彙總表 [SO5280A]")
             Case optDetail.Value
                  Call PreviousRpt(GetPrinterName(5), RptName("SO5280", "5"), "收費到期客戶數統計明細表 [SO5280A]")
      End Select
    Screen.MousePointer = vbDefault
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "cmdPrevRpt_Click")
End Sub

Private Sub cmdPrint_Click()
  On Error GoTo ChkErr
    If Not ChkDTok Then Exit Sub
    Screen.MousePointer = vbHourglass
      cmdExit.SetFocus
      Me.Enabled = False
        ReadyGoPrint
        Call subChoose
        Call subPrint
      Me.Enabled = True
    Screen.MousePointer = vbDefault
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "cmdPrint_Click")
End Sub

Private Sub subChoose()
  On Error GoTo ChkErr
  Dim strpagetype As String
  Dim strGetGroupName As String
  Dim arrOrder() As String
  Dim varOrder As Variant
  Dim intSort As Integer
  Dim blnSO014 As Boolean
  Dim blnSO002 As Boolean
  Dim blnSO002A As Boolean
  Dim strAddrField As String
  Dim strAddrShow As String
  Dim strAllotShow As String
  Dim strStopFlag As String
    strChoose = ""
    strChooseString = ""
    strGroupName = ""
    strOrder = ""
    strGetGroupName = ""
    strUseIndex = ""
    blnSO014 = False
    blnSO002 = False
    blnSO002A = False
    
  '日期
    If chkInstDate.Value = 1 Then
        Call subAnd("SO002.InstTime is null"): blnSO002 = True
    Else
        If gdaInstDate1.GetValue <> "" Then Call subAnd("SO002.InstTime >= To_Date('" & gdaInstDate1.GetValue & "','YYYYMMDD')"): blnSO002 = True
        If gdaInstDate2.GetValue <> "" Then Call subAnd("SO002.InstTime < To_Date('" & gdaInstDate2.GetValue & "','YYYYMMDD')+1"): blnSO002 = True
        If gdaInstDate1.GetValue <> "" Or gdaInstDate2.GetValue <> "" Then strUseIndex = GetUseIndexStr("SO002", "InstTime")
    End If
    If gdaClctDate1.GetValue <> "" And gdaClctDate2.GetValue <> "" Then
        Call subAnd("SO003.ClctDate Between To_Date('" & gdaClctDate1.GetValue & "','YYYYMMDD') And To_Date('" & gdaClctDate2.GetValue & "','YYYYMMDD')")
    Else
        If gdaClctDate1.GetValue <> "" Then Call subAnd("SO003.ClctDate >= To_Date('" & gdaClctDate1.GetValue & "','YYYYMMDD')")
        If gdaClctDate2.GetValue <> "" Then Call subAnd("SO003.ClctDate < To_Date('" & gdaClctDate2.GetValue & "','YYYYMMDD')+1")
    End If
    If gdaClctDate1.GetValue <> "" Or gdaClctDate2.GetValue <> "" Then strUseIndex = strUseIndex & " " & GetUseIndexStr("SO003", "ClctDate")
    
  '期數
    If txtPeriod <> "" Then Call subAnd("SO003.Period " & cmbPeriod & txtPeriod)
  '金額
    If txtAmoun <> "" Then Call subAnd("SO003.Amount" & cmbAmoun & txtAmoun)
  '尋找下次收費日期是否空白
    If chkInstDate.Value = 1 Then subAnd ("SO003.ClctDate is null")
    
  'GiMulti
    If gimServiceType.GetQryStr <> "" Then Call subAnd("SO003.ServiceType " & gimServiceType.GetQryStr)
    If gimCitemCode.GetQueryCode <> "" Then Call subAnd("SO003.CitemCode IN (" & gimCitemCode.GetQueryCode & ")")
    'If gimCompCode.GetQryStr <> "" Then Call subAnd("SO001.CompCode" & gimCompCode.GetQryStr)
    If gimClassCode.GetQryStr <> "" Then Call subAnd("SO001.ClassCode1 " & gimClassCode.GetQryStr)
    If gimCMCode.GetQryStr <> "" Then Call subAnd("SO003.CMCode " & gimCMCode.GetQryStr)
    If gimStatusCode.GetQryStr <> "" Then Call subAnd("SO002.CustStatusCode " & gimStatusCode.GetQryStr): blnSO002 = True
    If gimServCode.GetQryStr <> "" Then Call subAnd("SO014.ServCode " & gimServCode.GetQryStr): blnSO014 = True
    If gimAreaCode.GetQryStr <> "" Then Call subAnd("SO014.AreaCode " & gimAreaCode.GetQryStr): blnSO014 = True
    If gimStrtCode.GetQryStr <> "" Then Call subAnd("SO014.StrtCode " & gimStrtCode.GetQryStr): blnSO014 = True
    If gimCardCode.GetQryStr <> "" Then Call subAnd("SO002A.CardName " & gimCardCode.GetDescStr): blnSO002A = True
    If gimClctEn.GetQryStr <> "" Then Call subAnd("SO014.ClctEn " & gimClctEn.GetQryStr): blnSO014 = True
    
  '銀行類別
    If gimBankCode.GetQryStr <> "" Then
        Call subAnd("SO003.BankCode " & gimBankCode.GetQryStr)
    Else
       If gimBankCode.GetDispStr <> "" Then Call subAnd("SO003.BankCode is not null")
    End If
    
  '大樓編號
    If gimMduId.GetQryStr <> "" Then
        Call subAnd("SO014.MduId " & gimMduId.GetQryStr)
        blnSO014 = True
    Else
        If gimMduId.GetDispStr <> "" Then subAnd ("SO014.MduId is Not Null"): blnSO014 = True
    End If
    '#5683 增加繳付類別 By Kin 2010/08/18
    If gimPayType.GetQryStr <> "" Then
        Call subAnd("Nvl(SO003.PayKind,0) " & gimPayType.GetQryStr)
    End If
  'GiList
    If gilCompCode.GetCodeNo <> "" Then Call subAnd("SO003.CompCode=" & gilCompCode.GetCodeNo)
    'If gilServiceType.GetCodeNo <> "" Then Call subAnd("SO003.ServiceType='" & gilServiceType.GetCodeNo & "'")

  '網路編號
    If mskCircuitNo.Text <> "" Then
        Call subAnd("SO014.CircuitNo='" & mskCircuitNo.Text & "'")
        blnSO014 = True
    Else
       If optCircuitNo.Value Then Call subAnd("SO014.CircuitNo is null "): blnSO014 = True
    End If
    '客戶指定資料種類
    strAllotShow = OptAllot.Caption
    If OptNoAllot.Value Then Call subAnd("SO003.CustAllot=0"): strAllotShow = OptNoAllot.Caption
    If OptYesAllot.Value Then Call subAnd("SO003.CustAllot=1"): strAllotShow = OptYesAllot.Caption
    
    '週期性收費
    If optStopFlag(3).Value Then
        Call subAnd("SO003.StopFlag=0")
        strStopFlag = "啟用"
    ElseIf optStopFlag(0).Value Then
        Call subAnd("SO003.StopFlag=1")
        strStopFlag = "停用"
    Else
        strStopFlag = "全部"
    End If
  '明細表分頁方式
    If optDetail Then
        Select Case True
               Case optAreaCode.Value
                    strGroupName = "ReportType=True;GroupName={V.AreaName};GroupCode={V.AreaCode}"
                    strpagetype = "行政區"
               Case optServCode.Value
                    strGroupName = "ReportType=True;GroupName={V.ServArea};GroupCode={V.ServCode}"
                    strpagetype = "服務區"
               Case optClctAreaCode.Value
                    strGroupName = "ReportType=True;GroupName={V.ClctAreaName};GroupCode={V.ClctAreaCode}"
                    strpagetype = "收費區"
               Case optNothing.Value
                    Select Case Left(gimOrder.GetColumnOrderCode, 1)
                           Case "A"
                                strGroupName = "ReportType=False;GroupCode={V.Custid};GroupName=''"
                           Case "B"
                                strGroupName = "ReportType=False;GroupCode={V.AddrSort};GroupName=''"
                           Case "C"
                                strGroupName = "ReportType=False;GroupCode={V.InstTime};GroupName=''"
                           Case "D"
                                strGroupName = "ReportType=False;GroupCode={V.ClctDate};GroupName=''"
                           Case "E"
                                strGroupName = "ReportType=False;GroupCode={V.ClctEn};GroupName=''"
                           Case Else
                                strGroupName = "ReportType=False;GroupCode={V.Custid};GroupName=''"
                    End Select
                    strpagetype = "無"
         End Select
    End If

  '排序方式
    arrOrder = Split(gimOrder.GetColumnOrderCode, ",")
    intSort = 0
    For Each varOrder In arrOrder
        Select Case arrOrder(intSort)
               Case "A"
                    strGroupName = strGroupName & ";Sort" & intSort & "={V.Custid}"
               Case "B"
                    strGroupName = strGroupName & ";Sort" & intSort & "={V.AddrSort}"
               Case "C"
                    strGroupName = strGroupName & ";Sort" & intSort & "=Date({V.InstTime})"
               Case "D"
                    strGroupName = strGroupName & ";Sort" & intSort & "=Date({V.ClctDate})"
               Case "E"
                    strGroupName = strGroupName & ";Sort" & intSort & "={V.ClctEn}"
        End Select
        intSort = intSort + 1
    Next
    
  '是否統計免收費客戶
    Select Case True
        Case optAddress(0)
            strAddrField = "InstAddrNo"
            strAddrShow = optAddress(0).Caption
        Case optAddress(1)
            strAddrField = "ChargeAddrNo"
            strAddrShow = optAddress(1).Caption
        Case optAddress(2)
            strAddrField = "MailAddrNo"
            strAddrShow = optAddress(2).Caption
    End Select
    
    If chkXCitem.Value = 1 Then
        If optDetail.Value Or blnSO002 Then
            strTable = " From SO003,SO001,SO002"
            strChoose = "SO003.CustId(+)=SO001.CustId And SO003.Compcode(+)=SO001.Compcode And SO003.Custid=SO002.Custid(+) And SO003.ServiceType=SO002.ServiceType(+) And SO003.Compcode=SO002.Compcode(+) And " & strChoose
        Else
            strTable = " From SO003,SO001"
            strChoose = "SO003.CustId(+)=SO001.CustId And SO003.Compcode(+)=SO001.Compcode And " & strChoose
        End If
        If blnSO014 Or optDetail.Value Or optSummaric4.Value Or optSummaric6.Value Then
            strTable = strTable & ",SO014 "
            strChoose = " Where SO014.AddrNo(+)=SO001." & strAddrField & " And SO014.Compcode(+)=SO001.Compcode And " & strChoose
        Else
            strTable = strTable & " "
            strChoose = " Where " & strChoose
        End If
    Else
        If optDetail.Value Or blnSO002 Then
            strTable = " From SO003,SO001,SO002"
            strChoose = "SO003.CustId=SO001.CustId And SO003.Compcode=SO001.Compcode And SO003.Custid=SO002.Custid And SO003.ServiceType=SO002.ServiceType And SO003.Compcode=SO002.Compcode And " & strChoose
        Else
            strTable = " From SO003,SO001"
            strChoose = "SO003.CustId=SO001.CustId And SO003.Compcode=SO001.Compcode And " & strChoose
        End If
        If blnSO014 Or optDetail.Value Or optSummaric4.Value Or optSummaric6.Value Then
            strTable = strTable & ",SO014 "
            strChoose = " Where SO014.AddrNo=SO001." & strAddrField & " And SO014.Compcode=SO001.Compcode And " & strChoose
        Else
            strTable = strTable & " "
            strChoose = " Where " & strChoose
        End If
    End If
    If blnSO002A Then
        strTable = strTable & ",SO002A "
        strChoose = strChoose & " And SO003.Custid=SO002A.Custid And SO003.AccountNo=SO002A.AccountNo"
    End If
    
    strChooseString = "裝機日期: " & subSpace(gdaInstDate1.GetValue(True)) & "~" & subSpace(gdaInstDate2.GetValue(True)) & ";" & _
                      "下次收費日期: " & subSpace(gdaClctDate1.GetValue(True)) & "~" & subSpace(gdaClctDate2.GetValue(True)) & ";" & _
                      "公司別　: " & subSpace(gilCompCode.GetDescription) & ";" & _
                      "服務類別: " & subSpace(gimServiceType.GetDispStr) & ";" & _
                      "收費人員: " & subSpace(gimClctEn.GetDispStr) & ";" & _
                      "期數" & cmbPeriod.Text & txtPeriod & " 金額" & cmbAmoun.Text & txtAmoun & ";" & _
                      "收費項目: " & subSpace(gimCitemCode.GetDispStr) & ";" & _
                      "客戶類別: " & subSpace(gimClassCode.GetDispStr) & ";週期性收費: " & strStopFlag & ";" & _
                      "客戶狀態: " & subSpace(gimStatusCode.GetDispStr) & ";" & _
                      "服務區　: " & subSpace(gimServCode.GetDispStr) & ";" & _
                      "行政區　: " & subSpace(gimAreaCode.GetDispStr) & ";" & _
                      "收費方式: " & subSpace(gimCMCode.GetDispStr) & ";" & _
                      "街道範圍: " & subSpace(gimStrtCode.GetDispStr) & ";" & _
                      "大樓編號: " & subSpace(gimMduId.GetDispStr) & ";" & _
                      "銀行類別: " & subSpace(gimBankCode.GetDispStr) & ";" & _
                      "信用卡種類:" & subSpace(gimCardCode.GetDispStr) & ";" & _
                      "排序方式: " & subSpace(gimOrder.GetColumnOrderDspStr) & ";" & _
                      "綱路編號: " & subSpace(mskCircuitNo.Text) & ";" & _
                      "繳付類別: " & subSpace(gimPayType.GetDispStr) & ";" & _
                      "地址依據: " & subSpace(strAddrShow) & "; 客戶指定資料種類:" & strAllotShow & ";" & _
                      "分頁方式: " & strpagetype
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "subChoose")
End Sub

Private Sub subPrint()
  On Error GoTo ChkErr
  Dim rsTmp As New ADODB.Recordset
    If rsTmp.State = 1 Then rsTmp.Close
    rsTmp.CursorLocation = adUseClient
    If optDetail.Value Then '明細表
        subCreateView
        Call GetRS(rsTmp, "Select Count(*) as intCount From " & strViewName)
        If rsTmp("intCount") = 0 Then
            MsgNoRcd
            SendSQL , , True
        Else
            strSQL = "Select * From " & strViewName & " V"
            If blnExcel Then
                Call toExcel(strSQL)
            Else
                Call PrintRpt2(GetPrinterName(5), RptName("SO5280", "5"), , "收費到期客戶數統計明細表 [SO5280A]", strSQL, strChooseString, , True, , , strGroupName, GiPaperLandscape)
            End If
        End If
    Else
        Select Case True
               Case optSummaric1.Value '彙總表一
                '是否分客戶類別
                    If chkClassCode.Value = 1 Then
                        strSQL = "Select " & strUseIndex & " To_Char(SO003.ClctDate,'YYYY/MM') as ClctDate,SO003.Period,SO003.Amount,SO001.ClassName1,Count(Distinct SO001.custid) as cunCust,Count(*) as intCount " & strTable & strChoose & _
                                 " Group by To_Char(ClctDate,'YYYY/MM'),SO003.Period,SO003.Amount,SO001.ClassName1 "
                        strNo = 2
                        Call subInsertMDB
                    Else
                        strSQL = "Select " & strUseIndex & " To_Char(SO003.ClctDate,'YYYY/MM') as ClctDate,SO003.Period,SO003.Amount,1 as ClassName1" & _
                                 ",Count(Distinct SO001.custid) as cunCust,Count(*) as intCount " & strTable & strChoose & _
                                 " Group by To_Char(ClctDate,'YYYY/MM'),SO003.Period,SO003.Amount "
                        strNo = 1
                        Call subInsertMDB
                    End If
               Case optSummaric2.Value '彙總表二
                    strSQL = "Select " & strUseIndex & " SO003.Period,SO003.Amount,'2000/01/01' as ClctDate,1 as ClassName1,Count(Distinct SO001.custid) as cunCust,Count(*) as intCount" & _
                             strTable & strChoose & _
                             " Group by SO003.Period,SO003.Amount"
                    strNo = 3
                    Call subInsertMDB
               Case optSummaric3.Value '彙總表三
                    strSQL = "Select " & strUseIndex & " TO_CHAR(SO003.ClctDate,'YYYY/MM') ClctDate,1 as Period,1 as Amount,1 as ClassName1,Count(Distinct SO001.custid) as cunCust,Count(*) as intCount" & _
                             strTable & strChoose & _
                             " Group by TO_CHAR(SO003.ClctDate,'YYYY/MM')"
                    strNo = 4
                    Call subInsertMDB
               Case optSummaric4.Value '彙總表四
                    strSQL = "Select " & strUseIndex & " SO003.ClctDate,SO014.StrtCode Period,SO014.StrtName ClassName1,SO014.Section Amount,Count(Distinct SO001.custid) as cunCust,Count(*) as intCount" & _
                             strTable & strChoose & _
                             " Group by SO003.ClctDate,SO014.StrtCode,SO014.StrtName,SO014.Section"
                    strNo = 6
                    Call subInsertMDB
               Case optSummaric5.Value '彙總表五
                    strSQL = "Select " & strUseIndex & " TO_CHAR(SO003.ClctDate,'YYYY/MM') ClctDate,SO003.CitemCode Period,SO003.CitemName ClassName1,1 as Amount,Count(Distinct SO001.custid) as cunCust,Count(*) as intCount" & _
                             strTable & strChoose & _
                             " Group by TO_CHAR(SO003.ClctDate,'YYYY/MM'),SO003.CitemCode,SO003.CitemName"
                    strNo = 7
                    Call subInsertMDB
               Case optSummaric6.Value '彙總表六
                    strSQL = "Select " & strUseIndex & " TO_CHAR(SO003.ClctDate,'YYYY/MM') ClctDate,SO014.StrtCode Period,SO014.StrtName ClassName1,SO014.Section Amount,SO014.ClctEn,SO014.ClctName,Count(Distinct SO001.custid) as cunCust,Count(*) as intCount" & _
                             strTable & strChoose & _
                             " Group by TO_CHAR(SO003.ClctDate,'YYYY/MM'),SO014.StrtCode,SO014.StrtName,SO014.Section,SO014.ClctEn,SO014.ClctName"
                    strNo = 8
                    Call subInsertMDB
               Case optSummaric7.Value '彙總表七
                    strSQL = "Select " & strUseIndex & " To_Char(SO003.ClctDate,'YYYY/MM') as ClctDate,SO003.CitemName,SO003.Period,SO003.Amount,1 as ClassName1" & _
                             ",Count(Distinct SO001.custid) as cunCust,Count(*) as intCount " & strTable & strChoose & _
                             " Group by To_Char(ClctDate,'YYYY/MM'),SO003.CitemName,SO003.Period,SO003.Amount "
                    strNo = 9
                    Call subInsertMDB
        End Select

        Set rsTmp = cnn.Execute("SELECT Count(*) as intCount FROM SO5280A")
        If rsTmp("intCount") = 0 Then
            MsgNoRcd
            SendSQL , , True
        Else
            strSQL = "SELECT * FROM SO5280A"
            Call PrintRpt2(GetPrinterName(5), RptName("SO5280", strNo), , "收費到期客戶數統計彙總表 [SO5280A]", strSQL, strChooseString, , True, "Tmp0000.Mdb")
        End If
    End If
    CloseRecordset rsTmp
    blnExcel = False
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "subPrint")
End Sub

Private Sub toExcel(ByVal strSQL As String)
  On Error GoTo ChkErr
    Dim rsExcel As New ADODB.Recordset
    RptToTxt RptName("SO5280", "5"), , strSQL, strChooseString, , , strGroupName, , , garyGi(19) & "\SO5280"
    If Not Get_RS_From_Txt(garyGi(19), "SO5280.txt", rsExcel) Then blnExcel = False: Exit Sub
     '#7074 To Add a choice-condition parameter into excel print function by Kin 2015/09/09
    Call UseProperty(rsExcel, "收費到期客戶數統計明細表", "第一頁", _
                    , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , strChooseString)
    blnExcel = False
    CloseRecordset rsExcel
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "toExcel")
End Sub


Private Sub Form_Load()
  On Error GoTo ChkErr
    Call subGim
    Call subGil
    gilCompCode.SetCodeNo garyGi(9)
    gilCompCode.Query_Description
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "Form_Load")
End Sub

Private Sub cmdExit_Click()
  On Error GoTo ChkErr
    Unload Me
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "cmdExit_Click")
End Sub

Private Sub subGim()
  On Error GoTo ChkErr
    Call SetgiMulti(gimCitemCode, "CodeNo", "Description", "CD019", "收費項目代碼", "收費項目名稱")
    Call SetgiMulti(gimClassCode, "CodeNo", "Description", "CD004", "客戶類別代碼", "客戶類別名稱")
    Call SetgiMulti(gimCMCode, "CodeNo", "Description", "CD031", "收費方式代碼", "收費方式名稱")
    Call SetgiMulti(gimStatusCode, "CodeNo", "Description", "CD035", "客戶狀態代碼", "客戶狀態名稱")
    Call SetgiMulti(gimServCode, "CodeNo", "Description", "CD002", "服務區代碼", "服務區名稱")
    Call SetgiMulti(gimAreaCode, "CodeNo", "Description", "CD001", "行政區代碼", "行政區名稱")
    Call SetgiMulti(gimStrtCode, "CodeNo", "Description", "CD017", "街道代碼", "街道名稱")
    Call SetgiMulti(gimMduId, "MduId", "Name", "SO017", "大樓編號", "大樓名稱")
    Call SetgiMulti(gimBankCode, "CodeNo", "Description", "CD018", "銀行別代碼", "銀行別名稱")
    Call SetgiMulti(gimCardCode, "CodeNo", "Description", "CD037", "信用卡種類代碼", "信用卡種類名稱")
    Call SetgiMulti(Me.gimClctEn, "EmpNo", "EmpName", "CM003", "收費人員代碼", "收費人員名稱")
    Call SetgiMultiAddItem(gimOrder, "A,B,C,D,E", "客戶編號,地址,裝機日期,次收費日期,收費人員")
    gimStatusCode.SetQueryCode "1"
    '#5683 增加繳付類別 By Kin 2010/08/18
    Call SetgiMulti(gimPayType, "CodeNo", "Description", "CD112", "代碼", "名稱")
    'Call SetgiMultiAddItem(gimPayType, "0,1", "預付制,現付制", "代碼", "名稱")
    If GetPaynowFlag Then
'        With gimPayType
'            '.SetDispStr "預付制"
'            .SetQueryCode "0"
'        End With
        '#5925 繳費類別增加預設值 By Kin 2011/04/12
        With gimPayType
            Select Case Val(GetRsValue("SELECT NVL(PayKindDefault,0) FROM " & GetOwner & "SO041", gcnGi) & "")
                Case 0
                    .SelectAll
                Case 1
                    .SetQueryCode "0"
                Case 2
                    .SetQueryCode "1"
            End Select
        End With
    Else
        gimPayType.Clear
        gimPayType.Enabled = False
    End If
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "subGim")
End Sub

Private Sub subGil()
  On Error GoTo ChkErr
    'Call SetgiList(gilClctEn, "EmpNo", "EmpName", "CM003")
    'Call SetgiList(gilCompCode, "CodeNo", "Description", "CD039")
    Call SetgiList(gilCompCode, "CodeNo", "Description", "CD039", , , , , , , GetCompCodeFilter(gilCompCode))
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "subGil")
End Sub
  
Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)
  On Error GoTo ChkErr
    Call FunctionKey(KeyCode, Shift, frmSO5280A)
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "Form_KeyDown")
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
  On Error Resume Next
  gcnGi.Execute "Drop View " & strViewName
End Sub

Private Sub Form_Unload(Cancel As Integer)
  On Error Resume Next
  ReleaseCOM frmSO5280A
End Sub

Private Sub gdaClctDate1_GotFocus()
  On Error Resume Next
    If gdaClctDate1.Text = "" Then gdaClctDate1.SetValue (RightDate)
End Sub

Private Sub gdaClctDate2_GotFocus()
  On Error Resume Next
    If gdaClctDate1.GetValue = "" Or gdaClctDate2.GetValue = "" Then gdaClctDate2.SetValue (gdaClctDate1.GetValue)
End Sub

Private Sub gdaClctDate2_Validate(Cancel As Boolean)
  On Error Resume Next
    Cancel = ChkDate2(gdaClctDate1, gdaClctDate2)
End Sub

Private Sub gdaInstDate1_GotFocus()
 On Error Resume Next
   If gdaInstDate1.GetValue = "" Then gdaInstDate1.SetValue (RightDate)
End Sub

Private Sub gdaInstDate2_GotFocus()
  On Error Resume Next
    If gdaInstDate1.GetValue = "" Or gdaInstDate2.GetValue = "" Then gdaInstDate2.SetValue (gdaInstDate1.GetValue)
End Sub

Private Sub gdaInstDate2_Validate(Cancel As Boolean)
  On Error Resume Next
    Cancel = ChkDate2(gdaInstDate1, gdaInstDate2)
End Sub

Private Sub subInsertMDB()
  On Error GoTo ChkErr
  Dim rsTmp As New ADODB.Recordset
  Dim lngLoop As Long
  cnn.Execute "DELETE * FROM SO5280A"
  If rsTmp.State = 1 Then rsTmp.Close
    Set rsTmp = gcnGi.Execute(strSQL)
    SendSQL strSQL, True
    cnn.BeginTrans
      While Not rsTmp.EOF
          If strNo = 8 Then
          cnn.Execute "INSERT INTO SO5280A (ClctDate,Period,Amount,ClassName1,cunCust,intCount,ClctName,ClctEn) VALUES (" & _
                      GetNullString(rsTmp("ClctDate"), giDateV, giAccessDb) & "," & _
                      GetNullString(rsTmp("Period"), giLongV) & "," & _
                      GetNullString(rsTmp("Amount"), giStringV) & "," & _
                      GetNullString(rsTmp("ClassName1"), giStringV) & "," & _
                      GetNullString(rsTmp("cunCust"), giLongV) & "," & _
                      GetNullString(rsTmp("intCount"), giLongV) & "," & _
                      GetNullString(rsTmp("ClctName"), giStringV) & "," & _
                      GetNullString(rsTmp("ClctEn"), giStringV) & ")"
          ElseIf strNo = 9 Then
          cnn.Execute "INSERT INTO SO5280A (ClctDate,ClctName,Period,Amount,ClassName1,cunCust,intCount) VALUES (" & _
                      GetNullString(rsTmp("ClctDate"), giDateV, giAccessDb) & "," & _
                      GetNullString(rsTmp("CitemName"), giStringV) & "," & _
                      GetNullString(rsTmp("Period"), giLongV) & "," & _
                      GetNullString(rsTmp("Amount"), giStringV) & "," & _
                      GetNullString(rsTmp("ClassName1"), giStringV) & "," & _
                      GetNullString(rsTmp("cunCust"), giLongV) & "," & _
                      GetNullString(rsTmp("intCount"), giLongV) & ")"
          
          Else
          cnn.Execute "INSERT INTO SO5280A (ClctDate,Period,Amount,ClassName1,cunCust,intCount) VALUES (" & _
                      GetNullString(rsTmp("ClctDate"), giDateV, giAccessDb) & "," & _
                      GetNullString(rsTmp("Period"), giLongV) & "," & _
                      GetNullString(rsTmp("Amount"), giStringV) & "," & _
                      GetNullString(rsTmp("ClassName1"), giStringV) & "," & _
                      GetNullString(rsTmp("cunCust"), giLongV) & "," & _
                      GetNullString(rsTmp("intCount"), giLongV) & ")"
                      
          
          End If
          rsTmp.MoveNext
          
          DoEvents
      Wend
    cnn.CommitTrans
    CloseRecordset rsTmp
  Exit Sub
ChkErr:
  cnn.RollbackTrans
  Call ErrSub(Me.Name, "subInsertMDB")
End Sub

Private Sub gilCompCode_Change()
  On Error GoTo ChkErr
    Call SelectServType(gilCompCode.GetCodeNo, gimServiceType)
    'gilServiceType.ListIndex = 1
    GiMultiFilter gimServCode, , gilCompCode.GetCodeNo
    GiMultiFilter gimAreaCode, , gilCompCode.GetCodeNo
    GiMultiFilter gimStrtCode, , gilCompCode.GetCodeNo
    GiMultiFilter gimMduId, , gilCompCode.GetCodeNo
    GiMultiFilter gimClctEn, , gilCompCode.GetCodeNo
    GiMultiFilter gimBankCode, , gilCompCode.GetCodeNo
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "gilCompCode_Change")
End Sub

Private Sub gilCompCode_Validate(Cancel As Boolean)
  On Error GoTo ChkErr
    If gilCompCode.GetCodeNo = "" Then
        MsgMustBe ("公司別")
        Cancel = True
    End If
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "gilCompCode_Validate")
End Sub

Private Sub gimServiceType_Change()
  On Error GoTo ChkErr
    Call GiMultiFilter(gimCMCode, gimServiceType.GetQryStr, , True)
    Call GiMultiFilter(gimCitemCode, gimServiceType.GetQryStr, , True)
    gimCitemCode.Filter = gimCitemCode.Filter & IIf(gimCitemCode.Filter = "", " WHERE ", " AND ") & " PeriodFlag = 1"
    Call GiMultiFilter(gimClassCode, gimServiceType.GetQryStr, , True)
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "gimServiceType_Change")
End Sub


Private Sub mskCircuitNo_Change()
  On Error GoTo ChkErr
    If mskCircuitNo.Text = "" Then
       optCircuitNo.Enabled = True
       optAll.Enabled = True
    Else
       optCircuitNo.Enabled = False
       optAll.Enabled = False
    End If
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "mskCircuitNo_Change")
End Sub

Private Sub optDetail_Click()
  On Error GoTo ChkErr
    defEnabled
    cmdExcel.Enabled = True
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "optDetail_Click")
End Sub

Private Sub optSummaric1_Click()
  On Error GoTo ChkErr
    defEnabled
    cmdExcel.Enabled = False
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "optSummaric1_Click")
End Sub

Private Sub optSummaric2_Click()
  On Error GoTo ChkErr
    defEnabled
    cmdExcel.Enabled = False
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "optSummaric2_Click")
End Sub

Private Sub optSummaric3_Click()
  On Error GoTo ChkErr
    defEnabled
    cmdExcel.Enabled = False
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "optSummaric3_Click")
End Sub

Private Sub optSummaric4_Click()
  On Error GoTo ChkErr
    defEnabled
    cmdExcel.Enabled = False
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "optSummaric4_Click")
End Sub

Private Sub optSummaric5_Click()
  On Error GoTo ChkErr
    defEnabled
    cmdExcel.Enabled = False
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "optSummaric5_Click")
End Sub

Private Sub optSummaric6_Click()
  On Error GoTo ChkErr
    defEnabled
    cmdExcel.Enabled = False
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "optSummaric6_Click")
End Sub

Private Sub optSummaric7_Click()
  On Error GoTo ChkErr
    defEnabled
    cmdExcel.Enabled = False
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "optSummaric7_Click")
End Sub
Private Sub defEnabled()
  On Error GoTo ChkErr
    chkClassCode.Enabled = optSummaric1.Value
    optServCode.Enabled = optDetail.Value
    optAreaCode.Enabled = optDetail.Value
    optServCode.Enabled = optDetail.Value
    optClctAreaCode.Enabled = optDetail.Value
    optNothing.Enabled = optDetail.Value
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "defEnabled")
End Sub

Private Sub subCreateView()
  On Error Resume Next
    gcnGi.Execute "Drop View " & strViewName
  On Error GoTo ChkErr
    '#5683 增加繳付類別 By Kin 2010/08/18
    Dim strViewSql As String
      strViewName = GetTmpViewName
      strViewSql = "Create View " & strViewName & " as (" & _
                   "Select " & strUseIndex & " SO001.CUSTID,SO001.CUSTNAME," & _
                   "SO001.TEL1,SO001.CLASSNAME1,SO002.INSTTIME,SO003.CLCTDATE," & _
                   "SO003.PERIOD," & _
                   "SO003.AMOUNT,SO003.STARTDATE,SO003.STOPDATE,SO014.ServName," & _
                   "SO014.ClctEn,SO014.ClctName,SO014.MDUId,SO014.MDUName," & _
                   "SO001.CHARGEADDRESS,SO001.CustNote,SO014.AddrSort," & _
                   "SO001.ServCode,SO001.ServArea,SO014.AREANAME,SO014.AREACODE," & _
                   "SO001.CLCTAREACODE,SO001.CLCTAREANAME,SO014.Address," & _
                   "so003.CitemName,SO001.TEL2,SO001.TEL3," & _
                   "SO001.CHARGENOTE,Nvl(SO003.PayKind,0) PayKind " & _
                   strTable & strChoose & ")"

      gcnGi.Execute strViewSql
      SendSQL strViewSql, True
  Exit Sub
ChkErr:
  Call ErrSub(Me.Name, "subCreateView")
End Sub


Private Sub vsl1_Change()
  On Error Resume Next
    If vsl1.Value = 0 Then
        fraMulti.Top = 20
    ElseIf vsl1.Value = 100 Then
        fraMulti.Top = -(pic2.Height) + 480
    End If
End Sub
