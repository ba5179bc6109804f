VERSION 5.00
Begin VB.Form sinifduzenle 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Sýnýf Düzenleme"
   ClientHeight    =   2448
   ClientLeft      =   54
   ClientTop       =   414
   ClientWidth     =   8010
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
   ScaleHeight     =   2448
   ScaleWidth      =   8010
   StartUpPosition =   3  'Windows Default
   Begin VB.Frame Frame1 
      Caption         =   "Sýnýf Düzenleme "
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
      Left            =   0
      TabIndex        =   2
      Top             =   0
      Width           =   7794
      Begin VB.TextBox sismi 
         Height          =   486
         Left            =   432
         TabIndex        =   5
         Top             =   576
         Width           =   1746
      End
      Begin VB.TextBox skontenjan 
         Height          =   486
         Left            =   2448
         TabIndex        =   4
         Top             =   576
         Width           =   2034
      End
      Begin VB.TextBox sogretmeni 
         Height          =   486
         Left            =   4752
         TabIndex        =   3
         Top             =   576
         Width           =   2898
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
         TabIndex        =   8
         Top             =   288
         Width           =   1746
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
         Left            =   2448
         TabIndex        =   7
         Top             =   288
         Width           =   1746
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
         Left            =   4752
         TabIndex        =   6
         Top             =   288
         Width           =   2898
      End
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Kayýtlarý Güncelle"
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
      Left            =   4752
      TabIndex        =   1
      Top             =   1440
      Width           =   3042
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
      Left            =   0
      TabIndex        =   0
      Top             =   1440
      Width           =   4626
   End
End
Attribute VB_Name = "sinifduzenle"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
If sismi.Text = Empty Or skontenjan.Text = Empty Then
MsgBox "Sýnýf ismini yada Kontenjanýný boþ býrakamazsýnýz!", vbCritical, "HATA"
Exit Sub
End If
Call veri_ac(False, False)
Call tablo_ac("Select * from siniflar where id=" & siniflar.sinifliste.TextMatrix(secilisatir, 0))
tablo.Edit
tablo("sinif") = sismi.Text
tablo("kapasite") = Val(skontenjan.Text)
tablo("sinifogretmeni") = sogretmeni.Text
tablo.Update
MsgBox "Bilgiler güncellenmiþtir ", vbInformation, "Güncelleme Ýþlemi"
Call siniflar.yukle
Unload Me
End Sub

Private Sub Command2_Click()
Unload Me
End Sub

Private Sub Form_Load()
'MsgBox Siniflar.sinifliste.TextMatrix(secilisatir, 0)
If siniflar.sinifliste.TextMatrix(secilisatir, 0) = "ID" Then
MsgBox "Lütfen bir kayýt seçiniz ve daha sonra deneyiniz. Kayýt seçmek için düzeltme yapmak istediðiniz kaydý týklayýnýz."
Unload Me
Exit Sub
End If
Call veri_ac(False, False)
Call tablo_ac("Select * from siniflar where id=" & siniflar.sinifliste.TextMatrix(secilisatir, 0))
sismi.Text = tablo("sinif")
skontenjan.Text = tablo("kapasite")
sogretmeni.Text = tablo("sinifogretmeni")
tablo.Close
veri.Close
End Sub
