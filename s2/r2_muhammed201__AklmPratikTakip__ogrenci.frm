VERSION 5.00
Object = "{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.1#0"; "TABCTL32.OCX"
Begin VB.Form ogrenci 
   Caption         =   "Öðrenci Bilgileri"
   ClientHeight    =   11160
   ClientLeft      =   3240
   ClientTop       =   1332
   ClientWidth     =   14274
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   162
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   11160
   ScaleWidth      =   14274
   Begin VB.CommandButton Command8 
      Caption         =   "BUL"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   11520
      TabIndex        =   254
      Top             =   0
      Width           =   1170
   End
   Begin VB.TextBox bul 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Left            =   9936
      TabIndex        =   253
      Text            =   "Öðrenci No"
      Top             =   0
      Width           =   1602
   End
   Begin VB.CommandButton Command7 
      Caption         =   "SORGULA"
      Height          =   450
      Left            =   12816
      TabIndex        =   61
      Top             =   0
      Width           =   1170
   End
   Begin VB.Frame Frame10 
      Height          =   1026
      Left            =   288
      TabIndex        =   54
      Top             =   10080
      Visible         =   0   'False
      Width           =   3186
      Begin VB.CommandButton son 
         Caption         =   ">>"
         Height          =   594
         Left            =   2304
         TabIndex        =   58
         Top             =   288
         Width           =   738
      End
      Begin VB.CommandButton sonraki 
         Caption         =   ">"
         Height          =   594
         Left            =   1584
         TabIndex        =   57
         Top             =   288
         Width           =   738
      End
      Begin VB.CommandButton onceki 
         Caption         =   "<"
         Height          =   594
         Left            =   864
         TabIndex        =   56
         Top             =   288
         Width           =   738
      End
      Begin VB.CommandButton ilk 
         Caption         =   "<<"
         Height          =   594
         Left            =   144
         TabIndex        =   55
         Top             =   288
         Width           =   738
      End
   End
   Begin VB.Data Data1 
      BackColor       =   &H000080FF&
      Caption         =   "<<Geri-Ýleri>>"
      Connect         =   "Access 2000;"
      DatabaseName    =   "veri_Backup.mdb"
      DefaultCursorType=   0  'DefaultCursor
      DefaultType     =   2  'UseODBC
      Exclusive       =   0   'False
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00000000&
      Height          =   1026
      Left            =   5616
      Options         =   0
      ReadOnly        =   0   'False
      RecordsetType   =   1  'Dynaset
      RecordSource    =   "ogrenci"
      Top             =   10080
      Width           =   3294
   End
   Begin VB.Frame Frame3 
      Height          =   9522
      Left            =   12816
      TabIndex        =   51
      Top             =   576
      Width           =   1314
      Begin VB.CommandButton kaydet 
         Caption         =   "Kaydet"
         Enabled         =   0   'False
         Height          =   882
         Left            =   144
         TabIndex        =   9
         Top             =   1296
         Width           =   1026
      End
      Begin VB.CommandButton Command4 
         Caption         =   "Sil"
         Height          =   882
         Left            =   144
         TabIndex        =   11
         Top             =   3600
         Width           =   1026
      End
      Begin VB.CommandButton Command3 
         Caption         =   "Güncelle"
         Height          =   882
         Left            =   144
         TabIndex        =   10
         Top             =   2448
         Width           =   1026
      End
      Begin VB.CommandButton yenikayit 
         Caption         =   "Yeni Kayýt"
         Height          =   882
         Left            =   144
         TabIndex        =   8
         Top             =   288
         Width           =   1026
      End
   End
   Begin VB.CommandButton sinif 
      Caption         =   "Sýnýf"
      Height          =   450
      Left            =   288
      TabIndex        =   50
      Top             =   144
      Width           =   1026
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Ö"
      Height          =   450
      Index           =   1
      Left            =   6480
      TabIndex        =   49
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "A"
      Height          =   450
      Index           =   30
      Left            =   1584
      TabIndex        =   48
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "B"
      Height          =   450
      Index           =   29
      Left            =   1872
      TabIndex        =   47
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "C"
      Height          =   450
      Index           =   28
      Left            =   2160
      TabIndex        =   46
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Ç"
      Height          =   450
      Index           =   27
      Left            =   2448
      TabIndex        =   45
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "D"
      Height          =   450
      Index           =   26
      Left            =   2736
      TabIndex        =   44
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "E"
      Height          =   450
      Index           =   25
      Left            =   3024
      TabIndex        =   43
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "F"
      Height          =   450
      Index           =   24
      Left            =   3312
      TabIndex        =   42
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "G"
      Height          =   450
      Index           =   23
      Left            =   3600
      TabIndex        =   41
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "H"
      Height          =   450
      Index           =   22
      Left            =   3888
      TabIndex        =   40
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "I"
      Height          =   450
      Index           =   21
      Left            =   4176
      TabIndex        =   39
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Ý"
      Height          =   450
      Index           =   20
      Left            =   4464
      TabIndex        =   38
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "J"
      Height          =   450
      Index           =   19
      Left            =   4752
      TabIndex        =   37
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "K"
      Height          =   450
      Index           =   18
      Left            =   5040
      TabIndex        =   36
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "L"
      Height          =   450
      Index           =   17
      Left            =   5328
      TabIndex        =   35
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "M"
      Height          =   450
      Index           =   16
      Left            =   5616
      TabIndex        =   34
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "N"
      Height          =   450
      Index           =   15
      Left            =   5904
      TabIndex        =   33
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "O"
      Height          =   450
      Index           =   14
      Left            =   6192
      TabIndex        =   32
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "P"
      Height          =   450
      Index           =   13
      Left            =   6768
      TabIndex        =   31
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "R"
      Height          =   450
      Index           =   12
      Left            =   7056
      TabIndex        =   30
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "S"
      Height          =   450
      Index           =   11
      Left            =   7344
      TabIndex        =   29
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Þ"
      Height          =   450
      Index           =   10
      Left            =   7632
      TabIndex        =   28
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "T"
      Height          =   450
      Index           =   9
      Left            =   7920
      TabIndex        =   27
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "U"
      Height          =   450
      Index           =   8
      Left            =   8208
      TabIndex        =   26
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Ü"
      Height          =   450
      Index           =   7
      Left            =   8496
      TabIndex        =   25
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "V"
      Height          =   450
      Index           =   6
      Left            =   8784
      TabIndex        =   24
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Y"
      Height          =   450
      Index           =   5
      Left            =   9072
      TabIndex        =   23
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Z"
      Height          =   450
      Index           =   4
      Left            =   9360
      TabIndex        =   22
      Top             =   144
      Width           =   306
   End
   Begin VB.CommandButton Command1 
      Caption         =   "*"
      Height          =   450
      Index           =   0
      Left            =   1296
      TabIndex        =   21
      Top             =   144
      Width           =   306
   End
   Begin VB.Frame Frame1 
      Height          =   2754
      Left            =   288
      TabIndex        =   12
      Top             =   576
      Width           =   12402
      Begin VB.CommandButton Command2 
         Caption         =   "Numarayý Deðiþtirin"
         Height          =   450
         Left            =   3168
         TabIndex        =   59
         Top             =   288
         Width           =   2322
      End
      Begin VB.CommandButton Command6 
         Caption         =   "Resmi Kameradan Al"
         Height          =   450
         Left            =   6624
         TabIndex        =   53
         Top             =   1008
         Width           =   2754
      End
      Begin VB.CommandButton Command5 
         Caption         =   "Öðrenci Ýçin Resim Yükle"
         Height          =   450
         Left            =   6624
         TabIndex        =   52
         Top             =   576
         Width           =   2754
      End
      Begin VB.TextBox dali 
         BackColor       =   &H00FFFFFF&
         DataField       =   "dali"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   6624
         TabIndex        =   7
         Text            =   "Erken Çocukluk Eðitimi"
         Top             =   2160
         Width           =   2754
      End
      Begin VB.TextBox osuresi 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogretimsure"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   8208
         TabIndex        =   6
         Top             =   1728
         Width           =   1170
      End
      Begin VB.TextBox numarasi 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrno"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   1584
         TabIndex        =   0
         Top             =   288
         Width           =   1602
      End
      Begin VB.TextBox adi 
         DataField       =   "adi"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   1584
         TabIndex        =   1
         Top             =   720
         Width           =   3906
      End
      Begin VB.TextBox soyadi 
         DataField       =   "soyadi"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   1584
         TabIndex        =   2
         Top             =   1152
         Width           =   3906
      End
      Begin VB.TextBox bolumu 
         DataField       =   "bolumu"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   1584
         TabIndex        =   5
         Text            =   "Çocuk Geliþimi ve Eðitimi"
         Top             =   2160
         Width           =   3906
      End
      Begin VB.Frame Frame2 
         Caption         =   "Cins."
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H80000002&
         Height          =   594
         Left            =   4752
         TabIndex        =   13
         Top             =   1584
         Width           =   882
         Begin VB.ComboBox cinsiyet 
            DataField       =   "cinsiyet"
            DataSource      =   "Data1"
            Height          =   378
            ItemData        =   "ogrenci.frx":0000
            Left            =   0
            List            =   "ogrenci.frx":000A
            TabIndex        =   4
            Text            =   "KIZ"
            Top             =   288
            Width           =   738
         End
      End
      Begin VB.ComboBox sinifi 
         DataField       =   "sinifi"
         DataSource      =   "Data1"
         Height          =   378
         Left            =   1584
         TabIndex        =   3
         Text            =   "sinifi"
         Top             =   1728
         Width           =   3186
      End
      Begin VB.Label Label91 
         Caption         =   "Label91"
         DataField       =   "ogrresim"
         DataSource      =   "Data1"
         Height          =   306
         Left            =   9936
         TabIndex        =   60
         Top             =   144
         Width           =   2034
      End
      Begin VB.Image vesikalik 
         BorderStyle     =   1  'Fixed Single
         Height          =   2178
         Left            =   9936
         Stretch         =   -1  'True
         Top             =   432
         Width           =   2034
      End
      Begin VB.Label Label5 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Dalý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   5616
         TabIndex        =   20
         Top             =   2160
         Width           =   1026
      End
      Begin VB.Label Label4 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Öðretim Süresi(Yýl)"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   5616
         TabIndex        =   19
         Top             =   1728
         Width           =   2610
      End
      Begin VB.Label Label2 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Numarasý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   18
         Top             =   288
         Width           =   1458
      End
      Begin VB.Label Label3 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Adý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   0
         Left            =   144
         TabIndex        =   17
         Top             =   720
         Width           =   1458
      End
      Begin VB.Label Label3 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Soyadý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   1
         Left            =   144
         TabIndex        =   16
         Top             =   1152
         Width           =   1458
      End
      Begin VB.Label Label3 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Sýnýfý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   2
         Left            =   144
         TabIndex        =   15
         Top             =   1728
         Width           =   1458
      End
      Begin VB.Label Label3 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Bölümü"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   3
         Left            =   144
         TabIndex        =   14
         Top             =   2160
         Width           =   1458
      End
   End
   Begin TabDlg.SSTab SSTab1 
      Height          =   6642
      Left            =   144
      TabIndex        =   62
      Top             =   3456
      Width           =   12402
      _ExtentX        =   21876
      _ExtentY        =   11716
      _Version        =   393216
      Tabs            =   6
      TabsPerRow      =   6
      TabHeight       =   624
      TabCaption(0)   =   "Öðrenci"
      TabPicture(0)   =   "ogrenci.frx":001A
      Tab(0).ControlEnabled=   -1  'True
      Tab(0).Control(0)=   "Label1"
      Tab(0).Control(0).Enabled=   0   'False
      Tab(0).Control(1)=   "Label6"
      Tab(0).Control(1).Enabled=   0   'False
      Tab(0).Control(2)=   "Label7"
      Tab(0).Control(2).Enabled=   0   'False
      Tab(0).Control(3)=   "Label8"
      Tab(0).Control(3).Enabled=   0   'False
      Tab(0).Control(4)=   "Label9"
      Tab(0).Control(4).Enabled=   0   'False
      Tab(0).Control(5)=   "Label10"
      Tab(0).Control(5).Enabled=   0   'False
      Tab(0).Control(6)=   "Label11"
      Tab(0).Control(6).Enabled=   0   'False
      Tab(0).Control(7)=   "Label12"
      Tab(0).Control(7).Enabled=   0   'False
      Tab(0).Control(8)=   "Label13"
      Tab(0).Control(8).Enabled=   0   'False
      Tab(0).Control(9)=   "Label14"
      Tab(0).Control(9).Enabled=   0   'False
      Tab(0).Control(10)=   "Label15"
      Tab(0).Control(10).Enabled=   0   'False
      Tab(0).Control(11)=   "Label16"
      Tab(0).Control(11).Enabled=   0   'False
      Tab(0).Control(12)=   "Label17"
      Tab(0).Control(12).Enabled=   0   'False
      Tab(0).Control(13)=   "Label18"
      Tab(0).Control(13).Enabled=   0   'False
      Tab(0).Control(14)=   "Label19"
      Tab(0).Control(14).Enabled=   0   'False
      Tab(0).Control(15)=   "Label20"
      Tab(0).Control(15).Enabled=   0   'False
      Tab(0).Control(16)=   "Label21"
      Tab(0).Control(16).Enabled=   0   'False
      Tab(0).Control(17)=   "Label22"
      Tab(0).Control(17).Enabled=   0   'False
      Tab(0).Control(18)=   "Label23"
      Tab(0).Control(18).Enabled=   0   'False
      Tab(0).Control(19)=   "Label24"
      Tab(0).Control(19).Enabled=   0   'False
      Tab(0).Control(20)=   "Label25"
      Tab(0).Control(20).Enabled=   0   'False
      Tab(0).Control(21)=   "Label26"
      Tab(0).Control(21).Enabled=   0   'False
      Tab(0).Control(22)=   "ogrevadresi"
      Tab(0).Control(22).Enabled=   0   'False
      Tab(0).Control(23)=   "kartno"
      Tab(0).Control(23).Enabled=   0   'False
      Tab(0).Control(24)=   "yab1"
      Tab(0).Control(24).Enabled=   0   'False
      Tab(0).Control(25)=   "kulub"
      Tab(0).Control(25).Enabled=   0   'False
      Tab(0).Control(26)=   "davranis"
      Tab(0).Control(26).Enabled=   0   'False
      Tab(0).Control(27)=   "yab2"
      Tab(0).Control(27).Enabled=   0   'False
      Tab(0).Control(28)=   "email"
      Tab(0).Control(28).Enabled=   0   'False
      Tab(0).Control(29)=   "staj"
      Tab(0).Control(29).Enabled=   0   'False
      Tab(0).Control(30)=   "yapilan"
      Tab(0).Control(30).Enabled=   0   'False
      Tab(0).Control(31)=   "kalan"
      Tab(0).Control(31).Enabled=   0   'False
      Tab(0).Control(32)=   "Text3"
      Tab(0).Control(32).Enabled=   0   'False
      Tab(0).Control(33)=   "Text4"
      Tab(0).Control(33).Enabled=   0   'False
      Tab(0).Control(34)=   "Text5"
      Tab(0).Control(34).Enabled=   0   'False
      Tab(0).Control(35)=   "Text6"
      Tab(0).Control(35).Enabled=   0   'False
      Tab(0).Control(36)=   "Text7"
      Tab(0).Control(36).Enabled=   0   'False
      Tab(0).Control(37)=   "Text8"
      Tab(0).Control(37).Enabled=   0   'False
      Tab(0).Control(38)=   "Text9"
      Tab(0).Control(38).Enabled=   0   'False
      Tab(0).Control(39)=   "Text10"
      Tab(0).Control(39).Enabled=   0   'False
      Tab(0).Control(40)=   "Text11"
      Tab(0).Control(40).Enabled=   0   'False
      Tab(0).Control(41)=   "Text12"
      Tab(0).Control(41).Enabled=   0   'False
      Tab(0).Control(42)=   "Text13"
      Tab(0).Control(42).Enabled=   0   'False
      Tab(0).Control(43)=   "Text14"
      Tab(0).Control(43).Enabled=   0   'False
      Tab(0).Control(44)=   "Combo1"
      Tab(0).Control(44).Enabled=   0   'False
      Tab(0).Control(45)=   "Combo2"
      Tab(0).Control(45).Enabled=   0   'False
      Tab(0).Control(46)=   "Combo3"
      Tab(0).Control(46).Enabled=   0   'False
      Tab(0).ControlCount=   47
      TabCaption(1)   =   "Veli"
      TabPicture(1)   =   "ogrenci.frx":0036
      Tab(1).ControlEnabled=   0   'False
      Tab(1).Control(0)=   "Label42"
      Tab(1).Control(1)=   "Label41"
      Tab(1).Control(2)=   "Label27"
      Tab(1).Control(3)=   "Label28"
      Tab(1).Control(4)=   "Label29"
      Tab(1).Control(5)=   "Label30"
      Tab(1).Control(6)=   "Label31"
      Tab(1).Control(7)=   "Label32"
      Tab(1).Control(8)=   "Label33"
      Tab(1).Control(9)=   "Label34"
      Tab(1).Control(10)=   "Label35"
      Tab(1).Control(11)=   "Label36"
      Tab(1).Control(12)=   "Label37"
      Tab(1).Control(13)=   "Label38"
      Tab(1).Control(14)=   "Label39"
      Tab(1).Control(15)=   "Label40"
      Tab(1).Control(16)=   "velievadresi"
      Tab(1).Control(17)=   "veliisadresi"
      Tab(1).Control(18)=   "veligelirduzeyi"
      Tab(1).Control(19)=   "veliegitimdurumu"
      Tab(1).Control(20)=   "veliadi"
      Tab(1).Control(21)=   "velituru"
      Tab(1).Control(22)=   "veliispk"
      Tab(1).Control(23)=   "veliistel"
      Tab(1).Control(24)=   "veliemail"
      Tab(1).Control(25)=   "velitcno"
      Tab(1).Control(26)=   "velisoyadi"
      Tab(1).Control(27)=   "velimeslegi"
      Tab(1).Control(28)=   "velievpk"
      Tab(1).Control(29)=   "velievtel"
      Tab(1).Control(30)=   "velicep"
      Tab(1).Control(31)=   "velifaks"
      Tab(1).ControlCount=   32
      TabCaption(2)   =   "Kayýt"
      TabPicture(2)   =   "ogrenci.frx":0052
      Tab(2).ControlEnabled=   0   'False
      Tab(2).Control(0)=   "kaymezunokul"
      Tab(2).Control(1)=   "kaykaytarihi"
      Tab(2).Control(2)=   "kaysinavdrumu"
      Tab(2).Control(3)=   "kaygirispuani"
      Tab(2).Control(4)=   "kaybursorani"
      Tab(2).Control(5)=   "kaysehirokul"
      Tab(2).Control(6)=   "kaygunduzlu"
      Tab(2).Control(7)=   "kayburslu"
      Tab(2).Control(8)=   "kayservis"
      Tab(2).Control(9)=   "kayyatili"
      Tab(2).Control(10)=   "kayyemek"
      Tab(2).Control(11)=   "Label43"
      Tab(2).Control(12)=   "Label44"
      Tab(2).Control(13)=   "Label45"
      Tab(2).Control(14)=   "Label46"
      Tab(2).Control(15)=   "Label47"
      Tab(2).Control(16)=   "Label48"
      Tab(2).ControlCount=   17
      TabCaption(3)   =   "Diploma"
      TabPicture(3)   =   "ogrenci.frx":006E
      Tab(3).ControlEnabled=   0   'False
      Tab(3).Control(0)=   "Frame4"
      Tab(3).Control(1)=   "Frame5"
      Tab(3).ControlCount=   2
      TabCaption(4)   =   "Nüfus"
      TabPicture(4)   =   "ogrenci.frx":008A
      Tab(4).ControlEnabled=   0   'False
      Tab(4).Control(0)=   "Frame8"
      Tab(4).ControlCount=   1
      TabCaption(5)   =   "Düþünce"
      TabPicture(5)   =   "ogrenci.frx":00A6
      Tab(5).ControlEnabled=   0   'False
      Tab(5).Control(0)=   "Frame9"
      Tab(5).ControlCount=   1
      Begin VB.TextBox velifaks 
         BackColor       =   &H00FFFFFF&
         DataField       =   "velifaks"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65640
         TabIndex        =   208
         Top             =   3888
         Width           =   2898
      End
      Begin VB.TextBox velicep 
         BackColor       =   &H00FFFFFF&
         DataField       =   "veliceptel"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65640
         TabIndex        =   207
         Top             =   3456
         Width           =   2898
      End
      Begin VB.TextBox velievtel 
         BackColor       =   &H00FFFFFF&
         DataField       =   "velievtel"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65640
         TabIndex        =   206
         Top             =   3024
         Width           =   2898
      End
      Begin VB.TextBox velievpk 
         BackColor       =   &H00FFFFFF&
         DataField       =   "velievadresipk"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65640
         TabIndex        =   205
         Top             =   2592
         Width           =   1458
      End
      Begin VB.TextBox velimeslegi 
         BackColor       =   &H00FFFFFF&
         DataField       =   "velimeslegi"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65640
         TabIndex        =   204
         Top             =   1008
         Width           =   2898
      End
      Begin VB.TextBox velisoyadi 
         BackColor       =   &H00FFFFFF&
         DataField       =   "velisoyadi"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65640
         TabIndex        =   203
         Top             =   576
         Width           =   2898
      End
      Begin VB.TextBox velitcno 
         BackColor       =   &H00FFFFFF&
         DataField       =   "velitckimlik"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71832
         TabIndex        =   202
         Top             =   3888
         Width           =   2898
      End
      Begin VB.TextBox veliemail 
         BackColor       =   &H00FFFFFF&
         DataField       =   "veliemail"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71832
         TabIndex        =   201
         Top             =   3456
         Width           =   2898
      End
      Begin VB.TextBox veliistel 
         BackColor       =   &H00FFFFFF&
         DataField       =   "veliistel"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71832
         TabIndex        =   200
         Top             =   3024
         Width           =   2898
      End
      Begin VB.TextBox veliispk 
         BackColor       =   &H00FFFFFF&
         DataField       =   "veliisadresipk"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71832
         TabIndex        =   199
         Top             =   2592
         Width           =   1458
      End
      Begin VB.ComboBox velituru 
         DataField       =   "velituru"
         DataSource      =   "Data1"
         Height          =   378
         ItemData        =   "ogrenci.frx":00C2
         Left            =   -71832
         List            =   "ogrenci.frx":00CF
         TabIndex        =   198
         Text            =   "velituru"
         Top             =   1008
         Width           =   1458
      End
      Begin VB.TextBox veliadi 
         BackColor       =   &H00FFFFFF&
         DataField       =   "veliadi"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71832
         TabIndex        =   197
         Top             =   576
         Width           =   2898
      End
      Begin VB.ComboBox Combo3 
         DataField       =   "ogralandegistirdi"
         DataSource      =   "Data1"
         Height          =   378
         ItemData        =   "ogrenci.frx":00E6
         Left            =   3744
         List            =   "ogrenci.frx":00F0
         TabIndex        =   196
         Text            =   "HAYIR"
         Top             =   4032
         Width           =   1602
      End
      Begin VB.ComboBox Combo2 
         DataField       =   "ogrnotmatik"
         DataSource      =   "Data1"
         Height          =   378
         ItemData        =   "ogrenci.frx":0101
         Left            =   3744
         List            =   "ogrenci.frx":010B
         TabIndex        =   195
         Text            =   "HAYIR"
         Top             =   3600
         Width           =   1602
      End
      Begin VB.ComboBox Combo1 
         DataField       =   "ogryetiskurs"
         DataSource      =   "Data1"
         Height          =   378
         ItemData        =   "ogrenci.frx":011C
         Left            =   3744
         List            =   "ogrenci.frx":0126
         TabIndex        =   194
         Text            =   "HAYIR"
         Top             =   3168
         Width           =   1602
      End
      Begin VB.TextBox Text14 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogruygulamayapilan"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   10656
         TabIndex        =   193
         Top             =   5328
         Width           =   738
      End
      Begin VB.TextBox Text13 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogruygulamakalan"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   11376
         TabIndex        =   192
         Top             =   5328
         Width           =   738
      End
      Begin VB.TextBox Text12 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrkalanetkinlik"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   11376
         Locked          =   -1  'True
         TabIndex        =   191
         Top             =   4032
         Width           =   738
      End
      Begin VB.TextBox Text11 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogruygulamaetkinlik"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   10656
         TabIndex        =   190
         Top             =   4896
         Width           =   738
      End
      Begin VB.TextBox Text10 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrokudugukitap"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   10656
         TabIndex        =   189
         Top             =   4464
         Width           =   738
      End
      Begin VB.TextBox Text9 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogryapilanetkinlik"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   10656
         TabIndex        =   188
         Top             =   4032
         Width           =   738
      End
      Begin VB.TextBox Text8 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrtoplametkinlik"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   10656
         TabIndex        =   187
         Top             =   3600
         Width           =   738
      End
      Begin VB.TextBox Text7 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrceptelefon"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   9648
         TabIndex        =   186
         Top             =   3168
         Width           =   2466
      End
      Begin VB.TextBox Text6 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrtelefon"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   9648
         TabIndex        =   185
         Top             =   2736
         Width           =   2466
      End
      Begin VB.TextBox Text5 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrsehir"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   9648
         TabIndex        =   184
         Top             =   2304
         Width           =   2466
      End
      Begin VB.TextBox Text4 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrsemt"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   9648
         TabIndex        =   183
         Top             =   1872
         Width           =   2466
      End
      Begin VB.TextBox Text3 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrpostakodu"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   9648
         TabIndex        =   182
         Top             =   1440
         Width           =   2466
      End
      Begin VB.TextBox kalan 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrstajkalan"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   6624
         Locked          =   -1  'True
         TabIndex        =   181
         Top             =   2736
         Width           =   594
      End
      Begin VB.TextBox yapilan 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrstajyapilan"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   4752
         TabIndex        =   180
         Top             =   2736
         Width           =   594
      End
      Begin VB.TextBox staj 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrstajsuresi"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   2880
         TabIndex        =   179
         Top             =   2736
         Width           =   738
      End
      Begin VB.TextBox email 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogremail"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   3600
         TabIndex        =   178
         Top             =   2304
         Width           =   3618
      End
      Begin VB.TextBox yab2 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogryabanci2"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   5328
         TabIndex        =   177
         Top             =   1008
         Width           =   1746
      End
      Begin VB.TextBox davranis 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrdavranispuani"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   3600
         TabIndex        =   176
         Top             =   1872
         Width           =   1314
      End
      Begin VB.TextBox kulub 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrkulub"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   3600
         TabIndex        =   175
         Top             =   1440
         Width           =   3474
      End
      Begin VB.TextBox yab1 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogryabanci1"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   3600
         TabIndex        =   174
         Top             =   1008
         Width           =   1746
      End
      Begin VB.TextBox kartno 
         BackColor       =   &H00FFFFFF&
         DataField       =   "ogrbankano"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   3600
         TabIndex        =   173
         Top             =   576
         Width           =   3474
      End
      Begin VB.TextBox veliegitimdurumu 
         BackColor       =   &H00FFFFFF&
         DataField       =   "veliegitimdurumu"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71832
         TabIndex        =   172
         Top             =   4320
         Width           =   2898
      End
      Begin VB.TextBox veligelirduzeyi 
         BackColor       =   &H00FFFFFF&
         DataField       =   "veligelirduzeyi"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65640
         TabIndex        =   171
         Top             =   4320
         Width           =   2898
      End
      Begin VB.ComboBox kaymezunokul 
         DataField       =   "kaymezunokul"
         DataSource      =   "Data1"
         Height          =   378
         ItemData        =   "ogrenci.frx":0137
         Left            =   -71688
         List            =   "ogrenci.frx":0139
         Sorted          =   -1  'True
         TabIndex        =   170
         Text            =   "Combo5"
         Top             =   576
         Width           =   5202
      End
      Begin VB.TextBox kaykaytarihi 
         BackColor       =   &H00FFFFFF&
         DataField       =   "kaykaytarih"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71688
         TabIndex        =   169
         Top             =   1440
         Width           =   1890
      End
      Begin VB.TextBox kaysinavdrumu 
         BackColor       =   &H00FFFFFF&
         DataField       =   "kaysinavdurumu"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71688
         TabIndex        =   168
         Top             =   1872
         Width           =   1890
      End
      Begin VB.TextBox kaygirispuani 
         BackColor       =   &H00FFFFFF&
         DataField       =   "kaygirispuani"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71688
         TabIndex        =   167
         Top             =   2304
         Width           =   1890
      End
      Begin VB.TextBox kaybursorani 
         BackColor       =   &H00FFFFFF&
         DataField       =   "kaybursorani"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71688
         TabIndex        =   166
         Top             =   2736
         Width           =   1890
      End
      Begin VB.CheckBox kaysehirokul 
         Caption         =   "Þehir Okulu"
         DataField       =   "kaysehirokul"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -71544
         TabIndex        =   165
         Top             =   1008
         Value           =   1  'Checked
         Width           =   1602
      End
      Begin VB.CheckBox kaygunduzlu 
         Caption         =   "Gündüzlü"
         DataField       =   "kaygunduzlu"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -67224
         TabIndex        =   164
         Top             =   1440
         Value           =   1  'Checked
         Width           =   1602
      End
      Begin VB.CheckBox kayburslu 
         Caption         =   "Burslu"
         DataField       =   "kayburslu"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -68952
         TabIndex        =   163
         Top             =   1440
         Width           =   1602
      End
      Begin VB.CheckBox kayservis 
         Caption         =   "Servis"
         DataField       =   "kayservis"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -68232
         TabIndex        =   162
         Top             =   2304
         Width           =   1602
      End
      Begin VB.CheckBox kayyatili 
         Caption         =   "Yatýlý"
         DataField       =   "kayyatili"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65208
         TabIndex        =   161
         Top             =   1440
         Width           =   1602
      End
      Begin VB.CheckBox kayyemek 
         Caption         =   "Yemek"
         DataField       =   "kayyemek"
         DataSource      =   "Data1"
         Height          =   450
         Left            =   -65784
         TabIndex        =   160
         Top             =   2304
         Width           =   1602
      End
      Begin VB.Frame Frame4 
         Caption         =   "Geldiði Okul"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   2610
         Left            =   -74856
         TabIndex        =   144
         Top             =   432
         Width           =   11970
         Begin VB.ComboBox dipokuladi 
            DataField       =   "dipokuladi"
            DataSource      =   "Data1"
            Height          =   378
            ItemData        =   "ogrenci.frx":013B
            Left            =   3168
            List            =   "ogrenci.frx":013D
            Sorted          =   -1  'True
            TabIndex        =   152
            Text            =   "Combo5"
            Top             =   288
            Width           =   5202
         End
         Begin VB.TextBox dipbelgecinsi 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipbelgecinsi"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   151
            Top             =   720
            Width           =   2898
         End
         Begin VB.TextBox diptarih 
            BackColor       =   &H00FFFFFF&
            DataField       =   "diptarih"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   150
            Top             =   1152
            Width           =   1890
         End
         Begin VB.CheckBox Check5 
            Caption         =   "Özlük Dosyasý Geldi"
            DataField       =   "dipozlukdosyasi"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   288
            TabIndex        =   149
            Top             =   2016
            Width           =   2322
         End
         Begin VB.TextBox dipsayisi 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipsayisi"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   148
            Top             =   1584
            Width           =   1890
         End
         Begin VB.TextBox dipgelokultur 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgelokultur"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   147
            Top             =   720
            Width           =   2178
         End
         Begin VB.TextBox dipgelokulno 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgelokulno"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   146
            Top             =   1152
            Width           =   2178
         End
         Begin VB.TextBox dipdipnotu 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipdipnotu"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   145
            Top             =   1584
            Width           =   2178
         End
         Begin VB.Label Label49 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Mezun Olduðu Okul"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   159
            Top             =   288
            Width           =   3042
         End
         Begin VB.Label Label50 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Belge Cinsi"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   158
            Top             =   720
            Width           =   3042
         End
         Begin VB.Label Label51 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Tarih"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Index           =   0
            Left            =   144
            TabIndex        =   157
            Top             =   1152
            Width           =   3042
         End
         Begin VB.Label Label52 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Sayýsý"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   156
            Top             =   1584
            Width           =   3042
         End
         Begin VB.Label Label53 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Geldiði Okul Türü"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6480
            TabIndex        =   155
            Top             =   720
            Width           =   2754
         End
         Begin VB.Label Label54 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Okul No"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6480
            TabIndex        =   154
            Top             =   1152
            Width           =   2754
         End
         Begin VB.Label Label55 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Diploma Notu"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6480
            TabIndex        =   153
            Top             =   1584
            Width           =   2754
         End
      End
      Begin VB.Frame Frame5 
         Caption         =   "Gittiði Okul"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H8000000D&
         Height          =   3474
         Left            =   -74856
         TabIndex        =   112
         Top             =   3024
         Width           =   11970
         Begin VB.TextBox dipgitdipnotu 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgitdipnotu"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   136
            Top             =   1152
            Width           =   2178
         End
         Begin VB.TextBox dipgitokulno 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgitokulno"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   135
            Top             =   720
            Width           =   2178
         End
         Begin VB.TextBox dipgitdippuani 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgitdippuani"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   134
            Top             =   1584
            Width           =   2178
         End
         Begin VB.TextBox dipgitsayi 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgitsayi"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   4608
            TabIndex        =   133
            Top             =   1152
            Width           =   1458
         End
         Begin VB.TextBox dipgittarih 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgittarih"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   132
            Top             =   1152
            Width           =   1458
         End
         Begin VB.TextBox dipgitbelgecinsi 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgitbelgecinsi"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   131
            Top             =   720
            Width           =   2898
         End
         Begin VB.ComboBox dipgitokuladi 
            DataField       =   "dipgitokuladi"
            DataSource      =   "Data1"
            Height          =   378
            ItemData        =   "ogrenci.frx":013F
            Left            =   3168
            List            =   "ogrenci.frx":0141
            Sorted          =   -1  'True
            TabIndex        =   130
            Text            =   "Combo5"
            Top             =   288
            Width           =   5202
         End
         Begin VB.TextBox dipgitaciklama 
            BackColor       =   &H00FFFFFF&
            DataField       =   "dipgitaciklama"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   129
            Top             =   1584
            Width           =   2898
         End
         Begin VB.Frame Frame6 
            Caption         =   "**Künye Defteri Gönderilen Belge"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H8000000D&
            Height          =   1314
            Left            =   144
            TabIndex        =   120
            Top             =   2016
            Width           =   8370
            Begin VB.TextBox dipkunyegonbelge 
               BackColor       =   &H00FFFFFF&
               DataField       =   "dipkunyegonbelge"
               DataSource      =   "Data1"
               Height          =   342
               Left            =   144
               TabIndex        =   124
               Top             =   720
               Width           =   1746
            End
            Begin VB.TextBox dipkunyeistarihno 
               BackColor       =   &H00FFFFFF&
               DataField       =   "dipkunyeistarihno"
               DataSource      =   "Data1"
               Height          =   342
               Left            =   2016
               TabIndex        =   123
               Top             =   720
               Width           =   1746
            End
            Begin VB.TextBox dipkunyegontarih 
               BackColor       =   &H00FFFFFF&
               DataField       =   "dipkunyegontarih"
               DataSource      =   "Data1"
               Height          =   342
               Left            =   4032
               TabIndex        =   122
               Top             =   720
               Width           =   1746
            End
            Begin VB.TextBox dipkunyealtarihno 
               BackColor       =   &H00FFFFFF&
               DataField       =   "dipkunyealtarihno"
               DataSource      =   "Data1"
               Height          =   342
               Left            =   6048
               TabIndex        =   121
               Top             =   720
               Width           =   1746
            End
            Begin VB.Label Label62 
               Alignment       =   2  'Center
               BackColor       =   &H000080FF&
               BorderStyle     =   1  'Fixed Single
               Caption         =   "Gön. Belge"
               BeginProperty Font 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   162
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               Height          =   306
               Left            =   144
               TabIndex        =   128
               Top             =   432
               Width           =   1746
            End
            Begin VB.Label Label63 
               Alignment       =   2  'Center
               BackColor       =   &H000080FF&
               BorderStyle     =   1  'Fixed Single
               Caption         =   "Ýst. Tarihi/No"
               BeginProperty Font 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   162
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               Height          =   306
               Left            =   2016
               TabIndex        =   127
               Top             =   432
               Width           =   1746
            End
            Begin VB.Label Label64 
               Alignment       =   2  'Center
               BackColor       =   &H000080FF&
               BorderStyle     =   1  'Fixed Single
               Caption         =   "Gön. Tarihi"
               BeginProperty Font 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   162
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               Height          =   306
               Left            =   4032
               TabIndex        =   126
               Top             =   432
               Width           =   1746
            End
            Begin VB.Label Label65 
               Alignment       =   2  'Center
               BackColor       =   &H000080FF&
               BorderStyle     =   1  'Fixed Single
               Caption         =   "Al. Tarih/No"
               BeginProperty Font 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   162
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               Height          =   306
               Left            =   6048
               TabIndex        =   125
               Top             =   432
               Width           =   1746
            End
         End
         Begin VB.Frame Frame7 
            Caption         =   "Ýþ Yeri Açma Bilgileri"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H8000000D&
            Height          =   1314
            Left            =   8640
            TabIndex        =   113
            Top             =   2016
            Width           =   3186
            Begin VB.TextBox dipisbelgeserino 
               BackColor       =   &H00FFFFFF&
               DataField       =   "dipisbelgeserino"
               DataSource      =   "Data1"
               Height          =   342
               Left            =   1728
               TabIndex        =   116
               Top             =   288
               Width           =   1314
            End
            Begin VB.TextBox dipisbelgetarih 
               BackColor       =   &H00FFFFFF&
               DataField       =   "dipisbelgetarih"
               DataSource      =   "Data1"
               Height          =   342
               Left            =   1728
               TabIndex        =   115
               Top             =   576
               Width           =   1314
            End
            Begin VB.TextBox dipisbelgeno 
               BackColor       =   &H00FFFFFF&
               DataField       =   "dipisbelgeno"
               DataSource      =   "Data1"
               Height          =   342
               Left            =   1728
               TabIndex        =   114
               Top             =   864
               Width           =   1314
            End
            Begin VB.Label Label66 
               Alignment       =   2  'Center
               BackColor       =   &H000080FF&
               BorderStyle     =   1  'Fixed Single
               Caption         =   "Bel. Seri No"
               BeginProperty Font 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   162
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               Height          =   306
               Left            =   144
               TabIndex        =   119
               Top             =   288
               Width           =   1602
            End
            Begin VB.Label Label67 
               Alignment       =   2  'Center
               BackColor       =   &H000080FF&
               BorderStyle     =   1  'Fixed Single
               Caption         =   "Belge Tarihi"
               BeginProperty Font 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   162
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               Height          =   306
               Left            =   144
               TabIndex        =   118
               Top             =   576
               Width           =   1602
            End
            Begin VB.Label Label68 
               Alignment       =   2  'Center
               BackColor       =   &H000080FF&
               BorderStyle     =   1  'Fixed Single
               Caption         =   "Belge No"
               BeginProperty Font 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   162
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               Height          =   306
               Left            =   144
               TabIndex        =   117
               Top             =   864
               Width           =   1602
            End
         End
         Begin VB.Label Label56 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Diploma Notu"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6480
            TabIndex        =   143
            Top             =   1152
            Width           =   2754
         End
         Begin VB.Label Label57 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Okul No"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6480
            TabIndex        =   142
            Top             =   720
            Width           =   2754
         End
         Begin VB.Label Label58 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Diploma Puaný"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6480
            TabIndex        =   141
            Top             =   1584
            Width           =   2754
         End
         Begin VB.Label Label51 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Tarih/Sayý"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Index           =   1
            Left            =   144
            TabIndex        =   140
            Top             =   1152
            Width           =   3042
         End
         Begin VB.Label Label60 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Belge Cinsi"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   139
            Top             =   720
            Width           =   3042
         End
         Begin VB.Label Label61 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Okul Adý"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   138
            Top             =   288
            Width           =   3042
         End
         Begin VB.Label Label59 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Açýklama"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   137
            Top             =   1584
            Width           =   3042
         End
      End
      Begin VB.Frame Frame8 
         Height          =   5202
         Left            =   -74856
         TabIndex        =   69
         Top             =   576
         Width           =   12114
         Begin VB.TextBox nufveryer 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufveryer"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   90
            Top             =   2448
            Width           =   2754
         End
         Begin VB.TextBox nufsira 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufsira"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   89
            Top             =   2016
            Width           =   2754
         End
         Begin VB.TextBox nufaile 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufaile"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   88
            Top             =   1584
            Width           =   2754
         End
         Begin VB.TextBox nufcilt 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufcilt"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   87
            Top             =   1152
            Width           =   2754
         End
         Begin VB.TextBox nufmah 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufmah"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   86
            Top             =   720
            Width           =   2754
         End
         Begin VB.TextBox nufuyruk 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufuyruk"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   85
            Top             =   288
            Width           =   2754
         End
         Begin VB.TextBox nufilce 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufilce"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   84
            Top             =   4176
            Width           =   2898
         End
         Begin VB.TextBox nufil 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufil"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   83
            Top             =   3744
            Width           =   2898
         End
         Begin VB.ComboBox nufkan 
            DataField       =   "nufkan"
            DataSource      =   "Data1"
            Height          =   378
            ItemData        =   "ogrenci.frx":0143
            Left            =   4608
            List            =   "ogrenci.frx":015F
            Sorted          =   -1  'True
            TabIndex        =   82
            Text            =   "Combo5"
            Top             =   3312
            Width           =   1458
         End
         Begin VB.ComboBox nufdini 
            DataField       =   "nufdini"
            DataSource      =   "Data1"
            Height          =   378
            ItemData        =   "ogrenci.frx":01A5
            Left            =   1584
            List            =   "ogrenci.frx":01AF
            Sorted          =   -1  'True
            TabIndex        =   81
            Text            =   "Combo5"
            Top             =   3312
            Width           =   1602
         End
         Begin VB.ComboBox nufmedeni 
            DataField       =   "nufmedeni"
            DataSource      =   "Data1"
            Height          =   378
            ItemData        =   "ogrenci.frx":01C1
            Left            =   3168
            List            =   "ogrenci.frx":01CE
            Sorted          =   -1  'True
            TabIndex        =   80
            Text            =   "Combo5"
            Top             =   2880
            Width           =   2898
         End
         Begin VB.TextBox nufdogumtarihi 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufdogumtarihi"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   79
            Top             =   2448
            Width           =   2898
         End
         Begin VB.TextBox nufdogumyeri 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufdogumyeri"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   78
            Top             =   2016
            Width           =   2898
         End
         Begin VB.TextBox nufana 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufana"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   77
            Top             =   1584
            Width           =   2898
         End
         Begin VB.TextBox nufbaba 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufbaba"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   76
            Top             =   1152
            Width           =   2898
         End
         Begin VB.TextBox nufcuzdanserino 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufcuzdanserino"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   75
            Top             =   720
            Width           =   2898
         End
         Begin VB.TextBox nufverneden 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufverneden"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   74
            Top             =   2880
            Width           =   2754
         End
         Begin VB.TextBox nufkayitno 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufkayitno"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   73
            Top             =   3312
            Width           =   2754
         End
         Begin VB.TextBox nufvertarih 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufvertarih"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   72
            Top             =   3744
            Width           =   2754
         End
         Begin VB.TextBox nufaskerlik 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nufaskerlik"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   9216
            TabIndex        =   71
            Top             =   4176
            Width           =   2754
         End
         Begin VB.TextBox nuftckimlik 
            BackColor       =   &H00FFFFFF&
            DataField       =   "nuftckimlik"
            DataSource      =   "Data1"
            Height          =   450
            Left            =   3168
            TabIndex        =   70
            Top             =   288
            Width           =   2898
         End
         Begin VB.Label Label84 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Verildiði Yer"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   111
            Top             =   2448
            Width           =   2898
         End
         Begin VB.Label Label83 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Sýra No"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   110
            Top             =   2016
            Width           =   2898
         End
         Begin VB.Label Label82 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Aile Sýra No"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   109
            Top             =   1584
            Width           =   2898
         End
         Begin VB.Label Label81 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Cilt No"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   108
            Top             =   1152
            Width           =   2898
         End
         Begin VB.Label Label80 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Mahalle/Köy"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   107
            Top             =   720
            Width           =   2898
         End
         Begin VB.Label Label79 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Uyruðu"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   106
            Top             =   288
            Width           =   2898
         End
         Begin VB.Label Label78 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Ýlçe"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   105
            Top             =   4176
            Width           =   3042
         End
         Begin VB.Label Label77 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Ýl"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   104
            Top             =   3744
            Width           =   3042
         End
         Begin VB.Label Label76 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Kan Grubu"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   3168
            TabIndex        =   103
            Top             =   3312
            Width           =   1458
         End
         Begin VB.Label Label75 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Dini"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   102
            Top             =   3312
            Width           =   1458
         End
         Begin VB.Label Label74 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Medeni Hali"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   101
            Top             =   2880
            Width           =   3042
         End
         Begin VB.Label Label73 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Doðum Tarihi"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   100
            Top             =   2448
            Width           =   3042
         End
         Begin VB.Label Label72 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Doðum Yeri"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   99
            Top             =   2016
            Width           =   3042
         End
         Begin VB.Label Label71 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Ana Adý"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   98
            Top             =   1584
            Width           =   3042
         End
         Begin VB.Label Label70 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Baba Adý"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   97
            Top             =   1152
            Width           =   3042
         End
         Begin VB.Label Label69 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Cüzdan Seri No"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   96
            Top             =   720
            Width           =   3042
         End
         Begin VB.Label Label85 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Veriliþ Nedeni"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   95
            Top             =   2880
            Width           =   2898
         End
         Begin VB.Label Label86 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Kayýt No"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   94
            Top             =   3312
            Width           =   2898
         End
         Begin VB.Label Label87 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Veriliþ Tarihi"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   93
            Top             =   3744
            Width           =   2898
         End
         Begin VB.Label Label88 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Askerlik Þubesi"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   6336
            TabIndex        =   92
            Top             =   4176
            Width           =   2898
         End
         Begin VB.Label Label89 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "T.C. Kimlik No"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   91
            Top             =   288
            Width           =   3042
         End
      End
      Begin VB.Frame Frame9 
         Height          =   5490
         Left            =   -74856
         TabIndex        =   66
         Top             =   576
         Width           =   12114
         Begin VB.TextBox dusunce 
            DataField       =   "dusunce"
            DataSource      =   "Data1"
            Height          =   4482
            Left            =   144
            MultiLine       =   -1  'True
            TabIndex        =   67
            Top             =   864
            Width           =   11682
         End
         Begin VB.Label Label90 
            Alignment       =   2  'Center
            BackColor       =   &H000080FF&
            BorderStyle     =   1  'Fixed Single
            Caption         =   "Hakkýnda Düþünceler"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   68
            Top             =   288
            Width           =   11682
         End
      End
      Begin VB.TextBox veliisadresi 
         DataField       =   "veliisadresi"
         DataSource      =   "Data1"
         Height          =   1170
         Left            =   -71832
         MultiLine       =   -1  'True
         TabIndex        =   65
         Top             =   1440
         Width           =   2898
      End
      Begin VB.TextBox velievadresi 
         DataField       =   "velievadresi"
         DataSource      =   "Data1"
         Height          =   1170
         Left            =   -65640
         MultiLine       =   -1  'True
         TabIndex        =   64
         Top             =   1440
         Width           =   2754
      End
      Begin VB.TextBox ogrevadresi 
         DataField       =   "ogrevadresi"
         DataSource      =   "Data1"
         Height          =   882
         Left            =   9648
         MultiLine       =   -1  'True
         TabIndex        =   63
         Top             =   576
         Width           =   2466
      End
      Begin VB.Label Label40 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Faks"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -68664
         TabIndex        =   252
         Top             =   3888
         Width           =   3042
      End
      Begin VB.Label Label39 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Cep Telefon"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -68664
         TabIndex        =   251
         Top             =   3456
         Width           =   3042
      End
      Begin VB.Label Label38 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Telefon"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -68664
         TabIndex        =   250
         Top             =   3024
         Width           =   3042
      End
      Begin VB.Label Label37 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Posta Kodu"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -68664
         TabIndex        =   249
         Top             =   2592
         Width           =   3042
      End
      Begin VB.Label Label36 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Ev Adresi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   1170
         Left            =   -68664
         TabIndex        =   248
         Top             =   1440
         Width           =   3042
      End
      Begin VB.Label Label35 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Mesleði"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -68664
         TabIndex        =   247
         Top             =   1008
         Width           =   3042
      End
      Begin VB.Label Label34 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Soyadý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -68664
         TabIndex        =   246
         Top             =   576
         Width           =   3042
      End
      Begin VB.Label Label33 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "T.C. Kimlik No"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74856
         TabIndex        =   245
         Top             =   3888
         Width           =   3042
      End
      Begin VB.Label Label32 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Email"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74856
         TabIndex        =   244
         Top             =   3456
         Width           =   3042
      End
      Begin VB.Label Label31 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Telefon"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74856
         TabIndex        =   243
         Top             =   3024
         Width           =   3042
      End
      Begin VB.Label Label30 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Posta Kodu"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74856
         TabIndex        =   242
         Top             =   2592
         Width           =   3042
      End
      Begin VB.Label Label29 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   " Ýþ Adresi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   1170
         Left            =   -74856
         TabIndex        =   241
         Top             =   1440
         Width           =   3042
      End
      Begin VB.Label Label28 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Veli Türü"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74856
         TabIndex        =   240
         Top             =   1008
         Width           =   3042
      End
      Begin VB.Label Label27 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Veli Adý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74856
         TabIndex        =   239
         Top             =   576
         Width           =   3042
      End
      Begin VB.Label Label26 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Uygulamalarý Ýzleme Etkinlik Yap/Kal"
         Height          =   450
         Left            =   7488
         TabIndex        =   238
         Top             =   5328
         Width           =   3186
      End
      Begin VB.Label Label25 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Uygulamalarý Ýzleme Etkinlik Süresi"
         Height          =   450
         Left            =   7488
         TabIndex        =   237
         Top             =   4896
         Width           =   3186
      End
      Begin VB.Label Label24 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Okuduðu Kitap Sayýsý"
         Height          =   450
         Left            =   7488
         TabIndex        =   236
         Top             =   4464
         Width           =   3186
      End
      Begin VB.Label Label23 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Yapýlan/Kalan Etk."
         Height          =   450
         Left            =   7488
         TabIndex        =   235
         Top             =   4032
         Width           =   3186
      End
      Begin VB.Label Label22 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Top. Sos. Etk. Saati"
         Height          =   450
         Left            =   7488
         TabIndex        =   234
         Top             =   3600
         Width           =   3186
      End
      Begin VB.Label Label21 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Cep Telefonu"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   7488
         TabIndex        =   233
         Top             =   3168
         Width           =   2178
      End
      Begin VB.Label Label20 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Telefon"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   7488
         TabIndex        =   232
         Top             =   2736
         Width           =   2178
      End
      Begin VB.Label Label19 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Þehir"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   7488
         TabIndex        =   231
         Top             =   2304
         Width           =   2178
      End
      Begin VB.Label Label18 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Semt"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   7488
         TabIndex        =   230
         Top             =   1872
         Width           =   2178
      End
      Begin VB.Label Label17 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Posta Kodu"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   7488
         TabIndex        =   229
         Top             =   1440
         Width           =   2178
      End
      Begin VB.Label Label16 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Ev Adresi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   882
         Left            =   7488
         TabIndex        =   228
         Top             =   576
         Width           =   2178
      End
      Begin VB.Label Label15 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Alan Deðiþtirdi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   227
         Top             =   4032
         Width           =   3618
      End
      Begin VB.Label Label14 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Notmatik Kimliði Geçerli"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   226
         Top             =   3600
         Width           =   3618
      End
      Begin VB.Label Label13 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Yetiþtir.Kurs.Katýlacak"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   225
         Top             =   3168
         Width           =   3618
      End
      Begin VB.Label Label12 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Kalan"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   5328
         TabIndex        =   224
         Top             =   2736
         Width           =   1314
      End
      Begin VB.Label Label11 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Yapýlan"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   3600
         TabIndex        =   223
         Top             =   2736
         Width           =   1170
      End
      Begin VB.Label Label10 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Staj Süresi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   222
         Top             =   2736
         Width           =   2754
      End
      Begin VB.Label Label9 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Email"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   221
         Top             =   2304
         Width           =   3474
      End
      Begin VB.Label Label8 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Davranýþ Puaný"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   220
         Top             =   1872
         Width           =   3474
      End
      Begin VB.Label Label7 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Kulüb"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   219
         Top             =   1440
         Width           =   3474
      End
      Begin VB.Label Label6 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Yabancý Dil/2. Yabancý Dil"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   218
         Top             =   1008
         Width           =   3474
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Banka Kart No"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   217
         Top             =   576
         Width           =   3474
      End
      Begin VB.Label Label41 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Eðitim Durumu"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74856
         TabIndex        =   216
         Top             =   4320
         Width           =   3042
      End
      Begin VB.Label Label42 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Gelir Düzeyi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -68664
         TabIndex        =   215
         Top             =   4320
         Width           =   3042
      End
      Begin VB.Label Label43 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Mezun Olduðu Okul"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74712
         TabIndex        =   214
         Top             =   576
         Width           =   3042
      End
      Begin VB.Label Label44 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Okuduðu Okul"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74712
         TabIndex        =   213
         Top             =   1008
         Width           =   3042
      End
      Begin VB.Label Label45 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Kayýt Tarihi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74712
         TabIndex        =   212
         Top             =   1440
         Width           =   3042
      End
      Begin VB.Label Label46 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Sýnav Durumu"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74712
         TabIndex        =   211
         Top             =   1872
         Width           =   3042
      End
      Begin VB.Label Label47 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Okula Giriþ Puaný"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74712
         TabIndex        =   210
         Top             =   2304
         Width           =   3042
      End
      Begin VB.Label Label48 
         Alignment       =   2  'Center
         BackColor       =   &H000080FF&
         BorderStyle     =   1  'Fixed Single
         Caption         =   "Burs Oraný"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   -74712
         TabIndex        =   209
         Top             =   2736
         Width           =   3042
      End
   End
   Begin VB.Shape Shape1 
      Height          =   594
      Left            =   4752
      Top             =   9936
      Width           =   4914
   End
End
Attribute VB_Name = "ogrenci"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False


Private Sub bul_Click()
bul.Text = Empty
End Sub

Private Sub Command1_Click(Index As Integer)
harf = Command1(Index).Caption
indis.Show
End Sub

Private Sub Command2_Click()
sorgula.Show
End Sub

Private Sub Command6_Click()
If numarasi = Empty Or numarasi = " " Then
    MsgBox "Lütfen resim yüklemek istediðiniz öðrenciyi seçiniz", vbExclamation, "Uyarý"
    Exit Sub
Else
    Similasyon.Show
End If
End Sub



Private Sub Command7_Click()
varmiyokmu.Show
End Sub

Private Sub Command8_Click()
Data1.Recordset.FindFirst "ogrno='" & bul.Text & "'"
End Sub

Private Sub Form_Unload(Cancel As Integer)
MsgBox "Çýkmak üzerisiniz. Tüm deðiþiklikler kaydedilecek", vbExclamation, "Uyarý"
End Sub

Private Sub Label91_Change()
On Local Error GoTo hata
' KIZ MESLEK LOGOSU GELECEK UNUTMAAAAAAAA
vesikalik.Picture = LoadPicture(App.Path & "\Ogrenci_Resimleri\" & numarasi & ".jpg")
hata:
If Err = 53 Then
    vesikalik.Picture = LoadPicture(App.Path & "\Ogrenci_Resimleri\resimyok.jpg")
End If
End Sub


Private Sub staj_Change()
kalan = Val(staj) - Val(yapilan)
End Sub

Private Sub Text11_Change()
Text13 = Val(Text11) - Val(Text14)
End Sub

Private Sub Text14_Change()
Text13 = Val(Text11) - Val(Text14)
End Sub

Private Sub Text8_Change()
Text12 = Val(Text8) - Val(Text9)
End Sub

Private Sub Text9_Change()
Text12 = Val(Text8) - Val(Text9)
End Sub

Private Sub yapilan_Change()
kalan = Val(staj) - Val(yapilan)
End Sub

Private Sub yenikayit_Click()
On Local Error GoTo hata
'yeniogrenci.Show
Call comboyukle
Data1.Recordset.AddNew
yenikayit.Enabled = False
kaydet.Enabled = True
Command3.Enabled = False
hata:
If Err = 3426 Then
MsgBox "Kayýtlý bilginin üstüne bilgi eklediniz. Kayýtýn geçerli olmasý için güncelle demeniz lazým", vbExclamation, "Uyarý"
End If
End Sub


Private Sub kaydet_Click()
On Local Error GoTo hata
Call veri_ac(False, False)
Call tablo_ac("select * from ogrenci where ogrno='" & numarasi.Text & "' or  nuftckimlik='" & nuftckimlik.Text & "'")
If tablo.RecordCount >= 1 Then
MsgBox "Bu numarayla yada Tc Kimlik numarasý ile önceden kayýt yapýlmýþtýr. Lütfen okul numarasýný yada TC kimlik numarasýný kontrol edip tekrar deneyiniz", vbCritical, "Bu Numara yada TC Numarasý var"
Exit Sub
End If
veri.Close

If numarasi.Text = Empty Or adi.Text = Empty Or soyadi.Text = Empty Or nuftckimlik.Text = Empty Then
        MsgBox "Tc Kimlik Numarasý, Okul Numarasý, Adý yada Soyadý kýsmýný boþ býrakamazsýnýz!", vbCritical, "Hata"
        Exit Sub
    End If
Data1.Recordset.AddNew
yenikayit.Enabled = True
kaydet.Enabled = False
MsgBox "Öðrenci Kayýt Edilmiþtir", vbInformation, "KAYIT"
Data1.Recordset.MoveLast
hata:
If Err = 3426 Then
    MsgBox "Bu numaraya ait öðrenci bulunmaktadýr. Lütfen yeni bir numara belirleyiniz", vbCritical, "HATA"
    numarasi.Text = Empty
    Exit Sub
    Else
    If Err <> 0 Then MsgBox Err & " " & Error
End If

End Sub

Private Sub Command3_Click()
    If numarasi.Text = Empty Or adi.Text = Empty Or soyadi.Text = Empty Then
        MsgBox "Güncellenecek bilgi yok. Lütfen önce bir öðrenci seçiniz!", vbCritical, "Hata"
        Exit Sub
    End If
Data1.UpdateRecord
Data1.Recordset.Bookmark = Data1.Recordset.LastModified
yenikayit.Enabled = True
kaydet.Enabled = False
MsgBox "Güncelleþtirme gerçekleþmiþtir", vbInformation, "Bilgi"
End Sub

Private Sub Command4_Click()
Dim silme
On Local Error Resume Next
    If numarasi.Text = Empty Then
        MsgBox "Önce silinecek kaydý seçmeniz lazým!", vbCritical, "Hata"
        Exit Sub
    End If
    
silme = MsgBox("Kaydý gerçekten silmek istediðinize eminmisini?", vbYesNo, "Kayýt Silme")

    If silme = 6 Then
        With Data1.Recordset
            .Delete
            .MoveNext
                If .EOF Then .MoveLast
        End With
        MsgBox "Kayýt Silinmiþtir", vbInformation, "Kayýt Silme"
    Else
        MsgBox "Silme iþlemini iptal ettiniz", vbInformation, "Kayýt Silme"
       
    End If
End Sub


Sub comboyukle()
Call veri_ac(False, False)
Call tablo_ac("Select * from siniflar")
Do While Not tablo.EOF
sinifi.AddItem tablo!sinif
tablo.MoveNext
Loop
tablo.Close
veri.Close
End Sub
Private Sub ilk_Click()
On Local Error Resume Next
Data1.Recordset.MoveFirst
End Sub

Private Sub onceki_Click()
On Local Error Resume Next
    If Data1.Recordset.BOF = True Then
        MsgBox "Ýlk kayýttasýnýz", vbInformation, "Bilgi"
    Else
        Data1.Recordset.MovePrevious
    End If

End Sub

Private Sub son_Click()
On Local Error Resume Next
Data1.Recordset.MoveLast
End Sub

Private Sub sonraki_Click()
On Local Error Resume Next

    If Data1.Recordset.EOF = True Then
        MsgBox "Son kayýttasýnýz", vbInformation, "Bilgi"
    Else
        Data1.Recordset.MoveNext
    End If
End Sub

