VERSION 5.00
Object = "{5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0"; "MSFLXGRD.OCX"
Begin VB.Form Devamsiz 
   Caption         =   "Kurs Biterme Belgesi Basýmý"
   ClientHeight    =   12348
   ClientLeft      =   324
   ClientTop       =   504
   ClientWidth     =   16992
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
   ScaleHeight     =   12348
   ScaleWidth      =   16992
   StartUpPosition =   2  'CenterScreen
   WindowState     =   2  'Maximized
   Begin VB.Frame Frame4 
      Caption         =   "Sertifika Basýmý"
      Height          =   8658
      Left            =   144
      TabIndex        =   16
      Top             =   3600
      Width           =   16002
      Begin VB.Frame Frame5 
         Caption         =   "Yetkili Kiþiler"
         Height          =   2898
         Left            =   6336
         TabIndex        =   51
         Top             =   288
         Width           =   4482
         Begin VB.TextBox muduryardimcisi 
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   54
            Text            =   "Rahim YAÞA"
            Top             =   2016
            Width           =   3618
         End
         Begin VB.TextBox mudur 
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   11.7
               Charset         =   162
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   450
            Left            =   144
            TabIndex        =   52
            Text            =   "Meryem BÝTER"
            Top             =   720
            Width           =   3618
         End
         Begin VB.Label muduryardimcisilab 
            Alignment       =   2  'Center
            Caption         =   "MÜDÜR YARDIMCISI"
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
            TabIndex        =   55
            Top             =   1584
            Width           =   3618
         End
         Begin VB.Label Label19 
            Alignment       =   2  'Center
            Caption         =   "OKUL MÜDÜRÜ"
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
            TabIndex        =   53
            Top             =   288
            Width           =   3618
         End
      End
      Begin VB.CommandButton Command2 
         BackColor       =   &H00808080&
         Caption         =   "Yazdýr"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   16.2
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   2034
         Left            =   13392
         Style           =   1  'Graphical
         TabIndex        =   50
         Top             =   432
         Width           =   2322
      End
      Begin VB.CommandButton Command1 
         BackColor       =   &H00808080&
         Caption         =   "Ön Ýzleme"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   16.2
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   2034
         Left            =   10944
         Style           =   1  'Graphical
         TabIndex        =   49
         Top             =   432
         Width           =   2322
      End
      Begin VB.TextBox ogrnotu 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   10512
         TabIndex        =   47
         Top             =   7920
         Width           =   3330
      End
      Begin VB.TextBox ogrsure 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   7056
         TabIndex        =   45
         Top             =   7920
         Width           =   2898
      End
      Begin VB.TextBox ogrbit 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   3600
         TabIndex        =   43
         Top             =   7920
         Width           =   2898
      End
      Begin VB.TextBox ogrbas 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   41
         Top             =   7920
         Width           =   2898
      End
      Begin VB.TextBox ogrbelveren 
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
         Left            =   2880
         TabIndex        =   40
         Text            =   "Konya-Akþehir Kýz Meslek Lisesi Pratik Kýz Sanat Okulu"
         Top             =   6480
         Width           =   7074
      End
      Begin VB.TextBox ogrbelgeno 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2880
         TabIndex        =   38
         Top             =   5760
         Width           =   3186
      End
      Begin VB.TextBox ogrvertarih 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2592
         TabIndex        =   35
         Top             =   5040
         Width           =   2898
      End
      Begin VB.TextBox ogrdersinden 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   432
         MaxLength       =   40
         TabIndex        =   32
         Top             =   4320
         Width           =   6066
      End
      Begin VB.TextBox ogrbolumu 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   432
         Left            =   8064
         TabIndex        =   30
         Text            =   "Çocuk Geliþimi"
         Top             =   3600
         Width           =   3042
      End
      Begin VB.TextBox ogradisoyadi 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   3744
         TabIndex        =   28
         Top             =   3600
         Width           =   3762
      End
      Begin VB.TextBox ogrdtarih 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2016
         TabIndex        =   26
         Top             =   2592
         Width           =   3618
      End
      Begin VB.TextBox ogrdyeri 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2016
         TabIndex        =   24
         Top             =   2016
         Width           =   3618
      End
      Begin VB.TextBox ogrbabaadi 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2016
         TabIndex        =   22
         Top             =   1440
         Width           =   3618
      End
      Begin VB.TextBox ogrsoyadi 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2016
         TabIndex        =   20
         Top             =   864
         Width           =   3618
      End
      Begin VB.TextBox ogradi 
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2016
         TabIndex        =   18
         Top             =   288
         Width           =   3618
      End
      Begin VB.Label Label18 
         Alignment       =   2  'Center
         AutoSize        =   -1  'True
         Caption         =   "Kurs Bitirme Notu-Derecesi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   10404
         TabIndex        =   48
         Top             =   7488
         Width           =   3402
      End
      Begin VB.Label Label17 
         Alignment       =   2  'Center
         AutoSize        =   -1  'True
         Caption         =   "Toplam Kurs Süre (Saat)"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   6966
         TabIndex        =   46
         Top             =   7488
         Width           =   3078
      End
      Begin VB.Label Label16 
         Alignment       =   2  'Center
         AutoSize        =   -1  'True
         Caption         =   "Kursa Bitirdiði Tarih"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   3816
         TabIndex        =   44
         Top             =   7488
         Width           =   2466
      End
      Begin VB.Label Label15 
         Alignment       =   2  'Center
         AutoSize        =   -1  'True
         Caption         =   "Kursa Baþladýðý Tarih"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   234
         TabIndex        =   42
         Top             =   7488
         Width           =   2718
      End
      Begin VB.Label Label14 
         AutoSize        =   -1  'True
         Caption         =   "Belgeyi Veren okul :"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   288
         TabIndex        =   39
         Top             =   6624
         Width           =   2520
      End
      Begin VB.Label Label13 
         AutoSize        =   -1  'True
         Caption         =   "Belge No                 :"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   288
         TabIndex        =   37
         Top             =   5904
         Width           =   2484
      End
      Begin VB.Label Label12 
         AutoSize        =   -1  'True
         Caption         =   "tarihinde verilmiþtir."
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   5616
         TabIndex        =   36
         Top             =   5184
         Width           =   2430
      End
      Begin VB.Label Label11 
         AutoSize        =   -1  'True
         Caption         =   "belirten bu belge "
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   288
         TabIndex        =   34
         Top             =   5184
         Width           =   2196
      End
      Begin VB.Label Label10 
         AutoSize        =   -1  'True
         Caption         =   "Meslek/Eðitimi Kursunu baþarý ile tamamlamýþ olduðunu"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   6768
         TabIndex        =   33
         Top             =   4464
         Width           =   6894
      End
      Begin VB.Label Label9 
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
         Height          =   306
         Left            =   11376
         TabIndex        =   31
         Top             =   3744
         Width           =   1026
      End
      Begin VB.Label Label8 
         AutoSize        =   -1  'True
         Caption         =   "'nýn"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   288
         Left            =   7488
         TabIndex        =   29
         Top             =   3600
         Width           =   432
      End
      Begin VB.Label Label7 
         AutoSize        =   -1  'True
         Caption         =   "Yukarýda kimliði yazýlý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   14.4
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   360
         Left            =   432
         TabIndex        =   27
         Top             =   3744
         Width           =   3042
      End
      Begin VB.Label Label6 
         Caption         =   "Doðum Tarihi :"
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
         TabIndex        =   25
         Top             =   2736
         Width           =   1890
      End
      Begin VB.Label Label5 
         Caption         =   "Doðum Yeri    :"
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
         TabIndex        =   23
         Top             =   2160
         Width           =   1890
      End
      Begin VB.Label Label4 
         Caption         =   "Babý Adý         :"
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
         TabIndex        =   21
         Top             =   1584
         Width           =   1890
      End
      Begin VB.Label Label3 
         Caption         =   "Soyadý            :"
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
         TabIndex        =   19
         Top             =   1008
         Width           =   1890
      End
      Begin VB.Label Label2 
         Caption         =   "Adý                  :"
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
         TabIndex        =   17
         Top             =   432
         Width           =   1890
      End
   End
   Begin VB.Frame Frame2 
      Caption         =   "Öðrenci Detaylarý"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   3330
      Left            =   8784
      TabIndex        =   2
      Top             =   288
      Width           =   7362
      Begin VB.Frame Frame3 
         Caption         =   "Sýralama Ýþlemleri"
         Height          =   2754
         Left            =   4464
         TabIndex        =   11
         Top             =   288
         Width           =   2754
         Begin VB.OptionButton Option5 
            Caption         =   "Seçili Sýnýfa Göre"
            Height          =   306
            Left            =   144
            TabIndex        =   57
            Top             =   1584
            Width           =   2322
         End
         Begin VB.ComboBox Combo1 
            Enabled         =   0   'False
            Height          =   378
            Left            =   288
            Style           =   2  'Dropdown List
            TabIndex        =   56
            Top             =   2016
            Width           =   1890
         End
         Begin VB.OptionButton Option4 
            Caption         =   "Sýnýfa göre sýrala"
            Height          =   306
            Left            =   144
            TabIndex        =   15
            Top             =   1296
            Width           =   2322
         End
         Begin VB.OptionButton Option3 
            Caption         =   "Soyisime göre sýrala"
            Height          =   306
            Left            =   144
            TabIndex        =   14
            Top             =   1008
            Width           =   2322
         End
         Begin VB.OptionButton Option2 
            Caption         =   "Ýsime göre sýrala"
            Height          =   306
            Left            =   144
            TabIndex        =   13
            Top             =   720
            Width           =   2322
         End
         Begin VB.OptionButton Option1 
            Caption         =   "Numaraya göre sýrala"
            Height          =   306
            Left            =   144
            TabIndex        =   12
            Top             =   432
            Value           =   -1  'True
            Width           =   2322
         End
      End
      Begin VB.TextBox soyadi 
         BackColor       =   &H0080FFFF&
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   1152
         Locked          =   -1  'True
         TabIndex        =   6
         Top             =   1872
         Width           =   3186
      End
      Begin VB.TextBox adi 
         BackColor       =   &H0080FFFF&
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   1152
         Locked          =   -1  'True
         TabIndex        =   5
         Top             =   1440
         Width           =   3186
      End
      Begin VB.TextBox sinifi 
         BackColor       =   &H0080FFFF&
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   1152
         Locked          =   -1  'True
         TabIndex        =   4
         Top             =   1008
         Width           =   3186
      End
      Begin VB.TextBox nosu 
         BackColor       =   &H0080FFFF&
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   1152
         Locked          =   -1  'True
         TabIndex        =   3
         Top             =   576
         Width           =   882
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         BackColor       =   &H0080C0FF&
         Caption         =   "Soyadý"
         Height          =   450
         Index           =   3
         Left            =   144
         TabIndex        =   10
         Top             =   1872
         Width           =   1026
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         BackColor       =   &H0080C0FF&
         Caption         =   "Adý"
         Height          =   450
         Index           =   2
         Left            =   144
         TabIndex        =   9
         Top             =   1440
         Width           =   1026
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         BackColor       =   &H0080C0FF&
         Caption         =   "Sýnýfý"
         Height          =   450
         Index           =   1
         Left            =   144
         TabIndex        =   8
         Top             =   1008
         Width           =   1026
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         BackColor       =   &H0080C0FF&
         Caption         =   "Numarasý"
         Height          =   450
         Index           =   0
         Left            =   144
         TabIndex        =   7
         Top             =   576
         Width           =   1026
      End
   End
   Begin VB.Frame Frame1 
      Caption         =   "Öðrenciler"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   3474
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   8514
      Begin MSFlexGridLib.MSFlexGrid ogrliste 
         Bindings        =   "Devamsiz.frx":0000
         Height          =   3042
         Left            =   144
         TabIndex        =   1
         Top             =   288
         Width           =   8226
         _ExtentX        =   14509
         _ExtentY        =   5365
         _Version        =   393216
         Cols            =   4
         FixedCols       =   0
         BackColorFixed  =   4227327
         ForeColorFixed  =   65535
         GridLines       =   2
         AllowUserResizing=   3
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   11.7
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
      End
   End
End
Attribute VB_Name = "Devamsiz"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Public sart, turu As String


Private Sub Combo1_Click()
sart = "where sinifi='" & Combo1.Text & "'"
Call ogrlisteyukle("order by adi")
End Sub




Private Sub Command1_Click()

Dim Ex As Excel.Application
Set Ex = New Excel.Application
   Ex.Visible = True   'Görünmesini istemiyorsak False
   'Ex.Workbooks.Add 'Yeni bir çalýþma sayfasý oluþturmak için kullanýrýz.
   'Ex.Workbooks.Open ("D:\Muhammed\ReSearch\nakit1.xls") 'Bunu da eðer hazýr bir excel sayfamýz var da onun üzerinde çalýþmak istiyorsak Workbooks.Add yerine kullanabiliriz.
   Ex.Workbooks.Open (App.Path & "\kursbitirme.xls")
   
    Ex.Sheets("Sayfa1").Range("D7").Value = ogradi
    Ex.Sheets("Sayfa1").Range("D8").Value = UCase(ogrsoyadi)
    Ex.Sheets("Sayfa1").Range("D9").Value = ogrbabaadi
    Ex.Sheets("Sayfa1").Range("D10").Value = ogrdyeri
    Ex.Sheets("Sayfa1").Range("D11").Value = ogrdtarih
    Ex.Sheets("Sayfa1").Range("D14").Value = ogradisoyadi
    Ex.Sheets("Sayfa1").Range("H14").Value = UCase(ogrbolumu)
    Ex.Sheets("Sayfa1").Range("J14").Value = UCase(ogrdersinden)
    Ex.Sheets("Sayfa1").Range("H16").Value = ogrvertarih
    Ex.Sheets("Sayfa1").Range("C20").Value = ogrbelgeno
    Ex.Sheets("Sayfa1").Range("C20").Value = ogrbelgeno
    Ex.Sheets("Sayfa1").Range("D22").Value = UCase(ogrbelveren)
    Ex.Sheets("Sayfa1").Range("B27").Value = ogrbas
    Ex.Sheets("Sayfa1").Range("D27").Value = ogrbit
    Ex.Sheets("Sayfa1").Range("F27").Value = ogrsure
    Ex.Sheets("Sayfa1").Range("H27").Value = UCase(ogrnotu)
    Ex.Sheets("Sayfa1").Range("B31").Value = mudur
    Ex.Sheets("Sayfa1").Range("H31").Value = muduryardimcisi
    Ex.Sheets("Sayfa1").PrintPreview
    
    
End Sub

Private Sub Command2_Click()
Dim Ex As Excel.Application
Set Ex = New Excel.Application
   Ex.Visible = False   'Görünmesini istemiyorsak False
   'Ex.Workbooks.Add 'Yeni bir çalýþma sayfasý oluþturmak için kullanýrýz.
   'Ex.Workbooks.Open ("D:\Muhammed\ReSearch\nakit1.xls") 'Bunu da eðer hazýr bir excel sayfamýz var da onun üzerinde çalýþmak istiyorsak Workbooks.Add yerine kullanabiliriz.
   Ex.Workbooks.Open (App.Path & "\kursbitirme.xls")
   
    Ex.Sheets("Sayfa1").Range("D7").Value = ogradi
    Ex.Sheets("Sayfa1").Range("D8").Value = UCase(ogrsoyadi)
    Ex.Sheets("Sayfa1").Range("D9").Value = ogrbabaadi
    Ex.Sheets("Sayfa1").Range("D10").Value = ogrdyeri
    Ex.Sheets("Sayfa1").Range("D11").Value = ogrdtarih
    Ex.Sheets("Sayfa1").Range("D14").Value = ogradisoyadi
    Ex.Sheets("Sayfa1").Range("H14").Value = UCase(ogrbolumu)
    Ex.Sheets("Sayfa1").Range("J14").Value = UCase(ogrdersinden)
    Ex.Sheets("Sayfa1").Range("H16").Value = ogrvertarih
    Ex.Sheets("Sayfa1").Range("C20").Value = ogrbelgeno
    Ex.Sheets("Sayfa1").Range("C20").Value = ogrbelgeno
    Ex.Sheets("Sayfa1").Range("D22").Value = UCase(ogrbelveren)
    Ex.Sheets("Sayfa1").Range("B27").Value = ogrbas
    Ex.Sheets("Sayfa1").Range("D27").Value = ogrbit
    Ex.Sheets("Sayfa1").Range("F27").Value = ogrsure
    Ex.Sheets("Sayfa1").Range("H27").Value = UCase(ogrnotu)
    Ex.Sheets("Sayfa1").Range("B31").Value = mudur
    Ex.Sheets("Sayfa1").Range("H31").Value = muduryardimcisi
    Ex.Sheets("Sayfa1").PrintOut
   
End Sub

Private Sub Form_Load()
Call ogrlisteyukle("order by ogrno")
Call comboyukle
End Sub

Sub ogrlisteyukle(sirala As String)
Dim X As Integer
Call veri_ac(False, False)
Call tablo_ac("Select * from ogrenci " & sart & sirala)
ogrliste.Cols = 4
ogrliste.Rows = 1

ogrliste.TextMatrix(0, 0) = "NO"
ogrliste.TextMatrix(0, 1) = "SINIF"
ogrliste.TextMatrix(0, 2) = "ADI"
ogrliste.TextMatrix(0, 3) = "SOYADI"

ogrliste.ColWidth(0) = 500
ogrliste.ColWidth(1) = 1500
ogrliste.ColWidth(2) = 2000
ogrliste.ColWidth(3) = 2000
X = 0
Do While Not tablo.EOF
X = X + 1
ogrliste.AddItem ""
ogrliste.TextMatrix(X, 0) = tablo("ogrno")
ogrliste.TextMatrix(X, 1) = tablo("sinifi")
ogrliste.TextMatrix(X, 2) = tablo("adi")
ogrliste.TextMatrix(X, 3) = tablo("soyadi")
tablo.MoveNext
Loop
tablo.Close
veri.Close
End Sub

Private Sub ogradi_Change()
ogradisoyadi = ogradi & " " & UCase(ogrsoyadi)
End Sub

Private Sub ogrliste_Click()
On Local Error Resume Next
Dim X, Y As Integer
Y = ogrliste.Row
For X = 1 To ogrliste.Rows - 1
    ogrliste.Row = X
    ogrliste.Col = 0
    ogrliste.CellBackColor = ogrliste.BackColor
    ogrliste.Col = 1
    ogrliste.CellBackColor = ogrliste.BackColor
    ogrliste.Col = 2
    ogrliste.CellBackColor = ogrliste.BackColor
    ogrliste.Col = 3
    ogrliste.CellBackColor = ogrliste.BackColor
Next

If ogrliste.Row = 0 Then
    ogrliste.Col = 0
    ogrliste.CellBackColor = 12632256
    ogrliste.Col = 1
    ogrliste.CellBackColor = 12632256
    ogrliste.Col = 2
    ogrliste.CellBackColor = 12632256
    ogrliste.Col = 3
    ogrliste.CellBackColor = 12632256
    Exit Sub
End If
    
    ogrliste.Row = Y
    ogrliste.Col = 0
    ogrliste.CellBackColor = 4326608
    ogrliste.Col = 1
    ogrliste.CellBackColor = 4326608
    ogrliste.Col = 2
    ogrliste.CellBackColor = 4326608
    ogrliste.Col = 3
    ogrliste.CellBackColor = 4326608
    secilisatir = Y
    nosu.Text = ogrliste.TextMatrix(ogrliste.Row, 0)
    sinifi.Text = ogrliste.TextMatrix(ogrliste.Row, 1)
    adi.Text = ogrliste.TextMatrix(ogrliste.Row, 2)
    soyadi.Text = ogrliste.TextMatrix(ogrliste.Row, 3)
    Call sertifika
End Sub




Private Sub ogrliste_EnterCell()
On Local Error Resume Next
    nosu.Text = ogrliste.TextMatrix(ogrliste.Row, 0)
    sinifi.Text = ogrliste.TextMatrix(ogrliste.Row, 1)
    adi.Text = ogrliste.TextMatrix(ogrliste.Row, 2)
    soyadi.Text = ogrliste.TextMatrix(ogrliste.Row, 3)
End Sub

Private Sub ogrsoyadi_Change()
ogradisoyadi = ogradi & " " & UCase(ogrsoyadi)
End Sub

Private Sub Option1_Click()
Combo1.Enabled = False
Call ogrlisteyukle("order by ogrno")
End Sub



Private Sub Option2_Click()
Combo1.Enabled = False
Call ogrlisteyukle("order by adi")
End Sub

Private Sub Option3_Click()
Combo1.Enabled = False
Call ogrlisteyukle("order by soyadi")
End Sub

Private Sub Option4_Click()
Combo1.Enabled = False
Call ogrlisteyukle("order by sinifi")
End Sub

Sub kayit()
Call veri_ac(False, False)
Call tablo_ac("Select * from devamsizlik")
MsgBox takvim.Month & " " & takvim.Day & turu
End Sub

Sub sertifika()
Call veri_ac(False, False)
Call tablo_ac("Select * from ogrenci where ogrno='" & ogrliste.TextMatrix(ogrliste.Row, 0) & "'")
If tablo.RecordCount <= 0 Then
    
Else
    ogradi = tablo("adi")
    ogrsoyadi = UCase(tablo("soyadi"))
    ogrbabaadi = tablo("nufbaba")
    ogrdyeri = tablo("nufdogumyeri")
    ogrdtarih = tablo("nufdogumtarihi")
    ogradisoyadi = ogradi & " " & UCase(ogrsoyadi)
    ogrvertarih = Date
    ogrvertarih = Replace(ogrvertarih, ".", "/")
    

End If
End Sub

Private Sub Option5_Click()
If Option5.Value = True Then
    Combo1.Enabled = True
Else
    Combo1.Enabled = False
End If
End Sub


Sub comboyukle()
Call veri_ac(False, False)
Call tablo_ac("select * from siniflar order by sinif")

Do While Not tablo.EOF
Combo1.AddItem tablo("sinif")
tablo.MoveNext
Loop
veri.Close
End Sub
