VERSION 5.00
Object = "{5E9E78A0-531B-11CF-91F6-C2863C385E30}#1.0#0"; "MSFLXGRD.OCX"
Begin VB.Form indis 
   BorderStyle     =   1  'Fixed Single
   ClientHeight    =   5310
   ClientLeft      =   2862
   ClientTop       =   972
   ClientWidth     =   9288
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
   ScaleHeight     =   5310
   ScaleWidth      =   9288
   Begin MSFlexGridLib.MSFlexGrid liste 
      Height          =   4338
      Left            =   288
      TabIndex        =   0
      Top             =   144
      Width           =   8802
      _ExtentX        =   15526
      _ExtentY        =   7651
      _Version        =   393216
      Cols            =   4
      FixedCols       =   0
   End
   Begin VB.Label Label1 
      Caption         =   "(*) Aktarmak istediðiniz kaydý çift týklayýnýz."
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   162
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H8000000D&
      Height          =   738
      Left            =   432
      TabIndex        =   1
      Top             =   4608
      Width           =   9090
   End
End
Attribute VB_Name = "indis"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Form_Load()
Dim X As Integer
If harf = "*" Then
    Me.Caption = "Bütün öðrenci listesi"
Else
    Me.Caption = harf & " ile baþlayanlarýn listesi"
End If
X = 0
Call veri_ac(False, False)
Call tablo_ac("Select * from ogrenci where adi like '" & harf & "*' order by adi")
liste.TextMatrix(0, 0) = "NO"
liste.TextMatrix(0, 1) = "ADI"
liste.TextMatrix(0, 2) = "SOYADI"
liste.TextMatrix(0, 3) = "SINIFI"

Do While Not tablo.EOF
X = X + 1
liste.AddItem ""
liste.TextMatrix(X, 0) = tablo("ogrno")
liste.TextMatrix(X, 1) = tablo("adi")
liste.TextMatrix(X, 2) = tablo("soyadi")
liste.TextMatrix(X, 3) = tablo("sinifi")

tablo.MoveNext
Loop
End Sub



Private Sub liste_DblClick()
Dim aktar As Integer
If liste.TextMatrix(liste.Row, 0) = Empty Or liste.TextMatrix(liste.Row, 0) = "NO" Then
    MsgBox "Seçtiðiniz hücrede hiç bir öðrenci bilgisi bulunmamaktadir!", vbExclamation, "Uyarý"
    Exit Sub
Else
    ogrenci.Data1.Recordset.FindFirst "ogrno='" & liste.TextMatrix(liste.Row, 0) & "'"
    ogrenci.Show
    ogrenci.yenikayit.Enabled = True
    ogrenci.kaydet.Enabled = False
    ogrenci.Command3.Enabled = True
    Unload Me
    End If
End Sub
