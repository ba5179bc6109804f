VERSION 5.00
Begin VB.Form varmiyokmu 
   Caption         =   "Öðrenci Kayýt Sorgusu"
   ClientHeight    =   4248
   ClientLeft      =   2412
   ClientTop       =   2088
   ClientWidth     =   8802
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
   ScaleHeight     =   4248
   ScaleWidth      =   8802
   Begin VB.Frame Frame1 
      Caption         =   "Tc Kimlik Numarasý Ýle Öðrenci Sorgula"
      Height          =   4194
      Left            =   144
      TabIndex        =   0
      Top             =   0
      Width           =   4338
      Begin VB.CommandButton Command1 
         Caption         =   "SORGULA"
         Height          =   882
         Left            =   144
         TabIndex        =   2
         Top             =   3168
         Width           =   3906
      End
      Begin VB.TextBox Text1 
         BeginProperty DataFormat 
            Type            =   0
            Format          =   "0"
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1055
            SubFormatType   =   0
         EndProperty
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   16.2
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   594
         Left            =   144
         MaxLength       =   11
         TabIndex        =   1
         Top             =   2448
         Width           =   3906
      End
      Begin VB.Label Label1 
         Caption         =   "Kayýtlý öðrenci olup olmadýðýný öðrenmek için Tc kimlik numarasýný yazýp SORGULA butonuna basýnýz"
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   14.4
            Charset         =   162
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   2034
         Left            =   144
         TabIndex        =   3
         Top             =   288
         Width           =   4050
      End
   End
   Begin VB.Image mesaj 
      Height          =   4014
      Left            =   4608
      Picture         =   "varmiyokmu.frx":0000
      Stretch         =   -1  'True
      Top             =   144
      Width           =   4176
   End
End
Attribute VB_Name = "varmiyokmu"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
Call veri_ac(False, False)
Call tablo_ac("Select * from  ogrenci where nuftckimlik='" & Text1.Text & "'")
If tablo.RecordCount >= 1 Then
Label1.Caption = "BU TC KÝMLÝK NUMARASI ÝLE ÖÐRENCÝ KAYIT YAPILMIÞ"
mesaj.Picture = LoadPicture(App.Path & "\images\info.jpg")
Else
Label1.Caption = "SÝSTEMDE BU TC KÝMLÝK NUMARASINA SAHÝP ÖÐRENCÝ BULUNAMAMAMIÞTIR"
mesaj.Picture = LoadPicture(App.Path & "\images\hata.jpg")
End If
End Sub

