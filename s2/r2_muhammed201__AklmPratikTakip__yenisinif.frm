VERSION 5.00
Object = "{8E27C92E-1264-101C-8A2F-040224009C02}#7.0#0"; "MSCAL.OCX"
Begin VB.Form yenisinif 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Yeni Sýnýf Kaydý"
   ClientHeight    =   3258
   ClientLeft      =   54
   ClientTop       =   414
   ClientWidth     =   13806
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
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3258
   ScaleWidth      =   13806
   StartUpPosition =   3  'Windows Default
   Begin MSACAL.Calendar bittarih 
      Height          =   2754
      Left            =   3744
      TabIndex        =   16
      Top             =   576
      Visible         =   0   'False
      Width           =   5634
      _Version        =   524288
      _ExtentX        =   9937
      _ExtentY        =   4858
      _StockProps     =   1
      BackColor       =   -2147483633
      Year            =   2008
      Month           =   10
      Day             =   20
      DayLength       =   1
      MonthLength     =   1
      DayFontColor    =   0
      FirstDay        =   7
      GridCellEffect  =   1
      GridFontColor   =   10485760
      GridLinesColor  =   -2147483632
      ShowDateSelectors=   -1  'True
      ShowDays        =   -1  'True
      ShowHorizontalGrid=   -1  'True
      ShowTitle       =   -1  'True
      ShowVerticalGrid=   -1  'True
      TitleFontColor  =   10485760
      ValueIsNull     =   0   'False
      BeginProperty DayFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial Tur"
         Size            =   9.9
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty GridFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial Tur"
         Size            =   9.9
         Charset         =   162
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty TitleFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial Tur"
         Size            =   14.4
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin MSACAL.Calendar bastarih 
      Height          =   2898
      Left            =   1584
      TabIndex        =   15
      Top             =   432
      Visible         =   0   'False
      Width           =   6066
      _Version        =   524288
      _ExtentX        =   10699
      _ExtentY        =   5112
      _StockProps     =   1
      BackColor       =   -2147483633
      Year            =   2008
      Month           =   10
      Day             =   20
      DayLength       =   1
      MonthLength     =   1
      DayFontColor    =   0
      FirstDay        =   7
      GridCellEffect  =   1
      GridFontColor   =   10485760
      GridLinesColor  =   -2147483632
      ShowDateSelectors=   -1  'True
      ShowDays        =   -1  'True
      ShowHorizontalGrid=   -1  'True
      ShowTitle       =   -1  'True
      ShowVerticalGrid=   -1  'True
      TitleFontColor  =   10485760
      ValueIsNull     =   0   'False
      BeginProperty DayFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial Tur"
         Size            =   9.9
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty GridFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial Tur"
         Size            =   9.9
         Charset         =   162
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty TitleFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial Tur"
         Size            =   14.4
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin VB.CommandButton Command2 
      Caption         =   "Ýptal Et(Ana Menüye Geri dön)"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   14.4
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   882
      Left            =   144
      TabIndex        =   8
      Top             =   1872
      Width           =   4626
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Yeni Sýnýfý Aç"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   14.4
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   882
      Left            =   4896
      TabIndex        =   7
      Top             =   1872
      Width           =   8514
   End
   Begin VB.Frame Frame1 
      Caption         =   "Yeni Sýnýf Kaydý"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   162
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1314
      Left            =   144
      TabIndex        =   0
      Top             =   288
      Width           =   13266
      Begin VB.TextBox toplamkursaati 
         Height          =   486
         Left            =   10944
         TabIndex        =   11
         Top             =   576
         Width           =   2178
      End
      Begin VB.TextBox kurbittarihi 
         Height          =   486
         Left            =   9216
         Locked          =   -1  'True
         TabIndex        =   10
         Top             =   576
         Width           =   1602
      End
      Begin VB.TextBox kurbastarihi 
         Height          =   486
         Left            =   7488
         Locked          =   -1  'True
         TabIndex        =   9
         Top             =   576
         Width           =   1602
      End
      Begin VB.TextBox sogretmeni 
         Height          =   486
         Left            =   4464
         TabIndex        =   4
         Top             =   576
         Width           =   2898
      End
      Begin VB.TextBox skontenjan 
         Height          =   486
         Left            =   2736
         TabIndex        =   3
         Top             =   576
         Width           =   1458
      End
      Begin VB.TextBox sismi 
         Height          =   486
         Left            =   288
         TabIndex        =   1
         Top             =   576
         Width           =   2322
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         Caption         =   "Toplam Kurs Süresi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   5
         Left            =   10944
         TabIndex        =   14
         Top             =   288
         Width           =   2034
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         Caption         =   "Kurs Bit. Tar."
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   4
         Left            =   9216
         TabIndex        =   13
         Top             =   288
         Width           =   1602
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         Caption         =   "Kurs Baþ. Tar."
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   3
         Left            =   7488
         TabIndex        =   12
         Top             =   288
         Width           =   1602
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         Caption         =   "Sýnýf Öðretmenin Adý-Soyadý"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   2
         Left            =   4464
         TabIndex        =   6
         Top             =   288
         Width           =   2898
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         Caption         =   "Kontenjan"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   1
         Left            =   2592
         TabIndex        =   5
         Top             =   288
         Width           =   1746
      End
      Begin VB.Label Label1 
         Alignment       =   2  'Center
         Caption         =   "Sýnýf Ýsmi"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Index           =   0
         Left            =   288
         TabIndex        =   2
         Top             =   288
         Width           =   2610
      End
   End
End
Attribute VB_Name = "yenisinif"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub bastarih_Click()
kurbastarihi.Text = bastarih.Value
End Sub

Private Sub bittarih_Click()
kurbittarihi.Text = bittarih.Value
End Sub

Private Sub Command1_Click()
Call veri_ac(False, False)
Call tablo_ac("Select * from siniflar")
tablo.AddNew
tablo("sinif") = sismi.Text
tablo("kapasite") = Val(skontenjan.Text)
tablo("sinifogretmeni") = sogretmeni.Text
tablo("kursbastarihi") = kurbastarihi.Text
tablo("kursbittarihi") = kurbittarihi.Text
tablo("toplamkurssaat") = toplamkursaati.Text
tablo.Update
MsgBox "Kayýt Eklenmiþtir", vbInformation, "Kayýt Ýþlemleri"
Unload Me
Call Siniflar.yukle
End Sub

Private Sub Command2_Click()
Unload Me
End Sub

Private Sub Form_Load()
bastarih.Value = Now
bittarih.Value = Now
End Sub

Private Sub kurbastarihi_GotFocus()
bastarih.Visible = True
End Sub

Private Sub kurbastarihi_LostFocus()
bastarih.Visible = False
End Sub

Private Sub kurbittarihi_GotFocus()
bittarih.Visible = True
End Sub

Private Sub kurbittarihi_LostFocus()
bittarih.Visible = False
End Sub
