VERSION 5.00
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "Comdlg32.ocx"
Object = "{C932BA88-4374-101B-A56C-00AA003668DC}#1.1#0"; "MSMASK32.OCX"
Begin VB.Form frmFuncionários 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Funcionários"
   ClientHeight    =   7326
   ClientLeft      =   1314
   ClientTop       =   396
   ClientWidth     =   13266
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "frmFuncionários.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MDIChild        =   -1  'True
   MinButton       =   0   'False
   ScaleHeight     =   7326
   ScaleWidth      =   13266
   Begin VB.PictureBox Picture1 
      BackColor       =   &H00C0FFFF&
      Height          =   396
      Left            =   6552
      ScaleHeight     =   324
      ScaleWidth      =   6264
      TabIndex        =   67
      Top             =   6030
      Width           =   6336
      Begin VB.TextBox foto 
         BackColor       =   &H00C0FFC0&
         DataField       =   "Fotografia"
         DataSource      =   "Data1"
         Height          =   378
         Left            =   2790
         TabIndex        =   68
         Top             =   -18
         Width           =   3510
      End
      Begin VB.Label lblLabels 
         BackStyle       =   0  'Transparent
         Caption         =   "Nome do Arquivo de Fotografia:"
         Height          =   252
         Index           =   29
         Left            =   0
         TabIndex        =   69
         Top             =   36
         Width           =   2754
      End
   End
   Begin VB.Timer Timer1 
      Enabled         =   0   'False
      Interval        =   20
      Left            =   1638
      Top             =   5652
   End
   Begin MSComDlg.CommonDialog Com 
      Left            =   13122
      Top             =   4572
      _ExtentX        =   1016
      _ExtentY        =   1016
      _Version        =   393216
      DialogTitle     =   "Procurar Foto de Funcionário"
   End
   Begin VB.Frame Frame1 
      Caption         =   "Foto do Funcionário"
      Height          =   2520
      Left            =   11268
      TabIndex        =   65
      Top             =   1368
      Width           =   1962
      Begin VB.CommandButton Command1 
         Caption         =   "Procurar Foto"
         Height          =   396
         Left            =   234
         TabIndex        =   66
         Top             =   2052
         Width           =   1512
      End
      Begin VB.Image Image1 
         BorderStyle     =   1  'Fixed Single
         Height          =   1764
         Left            =   216
         Stretch         =   -1  'True
         Top             =   270
         Width           =   1548
      End
   End
   Begin VB.CommandButton cmdAdd 
      Caption         =   "&Adicionar"
      Height          =   360
      Left            =   792
      TabIndex        =   61
      Top             =   6480
      Width           =   1170
   End
   Begin VB.CommandButton cmdDelete 
      Caption         =   "&Deletar"
      Height          =   360
      Left            =   2070
      TabIndex        =   60
      Top             =   6480
      Width           =   1170
   End
   Begin VB.CommandButton cmdRefresh 
      Caption         =   "&Reamostrar"
      Height          =   360
      Left            =   3438
      TabIndex        =   59
      Top             =   6480
      Width           =   1602
   End
   Begin VB.Data Data1 
      Align           =   2  'Align Bottom
      Caption         =   "Funcionários"
      Connect         =   "Access"
      DatabaseName    =   "E:\Gabriel\Meus Arquivos\Projetos do VB 6.0\MISIME\Misime.mdb"
      DefaultCursorType=   0  'DefaultCursor
      DefaultType     =   2  'UseODBC
      Exclusive       =   0   'False
      Height          =   414
      Left            =   0
      Options         =   0
      ReadOnly        =   0   'False
      RecordsetType   =   0  'Table
      RecordSource    =   "Funcionários"
      Top             =   6912
      Width           =   13266
   End
   Begin VB.TextBox txtFields 
      DataField       =   "LocalDoEscritório"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   30
      Left            =   8874
      MaxLength       =   20
      TabIndex        =   58
      Top             =   5526
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Observações"
      DataSource      =   "Data1"
      Height          =   372
      Index           =   29
      Left            =   8874
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   56
      Top             =   5130
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "TelefoneDoContatoEmEmergência"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   28
      Left            =   8874
      MaxLength       =   30
      TabIndex        =   54
      Top             =   4752
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "ContactarEmEmergência"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   27
      Left            =   8874
      MaxLength       =   50
      TabIndex        =   52
      Top             =   4374
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "NomeDoCônjuje"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   26
      Left            =   8874
      MaxLength       =   50
      TabIndex        =   50
      Top             =   3978
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "CódigoDoSupervisor"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   25
      Left            =   8874
      TabIndex        =   48
      Top             =   3600
      Width           =   2322
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Deduções"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   24
      Left            =   8874
      TabIndex        =   46
      Top             =   3222
      Width           =   2322
   End
   Begin VB.TextBox txtFields 
      DataField       =   "TaxaDeCobrança"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   23
      Left            =   8874
      TabIndex        =   44
      Top             =   2826
      Width           =   2322
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Salário"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   22
      Left            =   8874
      TabIndex        =   42
      Top             =   2448
      Width           =   2322
   End
   Begin VB.TextBox txtFields 
      DataField       =   "DataDoAluguel"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   21
      Left            =   8874
      TabIndex        =   40
      Top             =   2070
      Width           =   2322
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Data de Nascimento"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   20
      Left            =   8874
      TabIndex        =   38
      Top             =   1674
      Width           =   2322
   End
   Begin VB.TextBox txtFields 
      DataField       =   "CódigoDoDepartmamento"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   19
      Left            =   8874
      TabIndex        =   36
      Top             =   1296
      Width           =   2322
   End
   Begin VB.TextBox txtFields 
      DataField       =   "País"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   16
      Left            =   8874
      MaxLength       =   50
      TabIndex        =   32
      Top             =   144
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Região"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   14
      Left            =   2448
      MaxLength       =   50
      TabIndex        =   29
      Top             =   5562
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "EstadoOuProvíncia"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   13
      Left            =   2448
      MaxLength       =   20
      TabIndex        =   27
      Top             =   5184
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Cidade"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   12
      Left            =   2448
      MaxLength       =   50
      TabIndex        =   25
      Top             =   4806
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Endereço"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   11
      Left            =   2448
      MaxLength       =   255
      TabIndex        =   23
      Top             =   4410
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Ramal"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   10
      Left            =   2448
      MaxLength       =   30
      TabIndex        =   21
      Top             =   4032
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "NomeNoCorreioEletrônico"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   9
      Left            =   2448
      MaxLength       =   50
      TabIndex        =   19
      Top             =   3654
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Título"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   8
      Left            =   2448
      MaxLength       =   50
      TabIndex        =   17
      Top             =   3258
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "Sobrenome"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   7
      Left            =   2448
      MaxLength       =   50
      TabIndex        =   15
      Top             =   2880
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "NomeDoMeio"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   6
      Left            =   2448
      MaxLength       =   30
      TabIndex        =   13
      Top             =   2502
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "PrimeiroNome"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   5
      Left            =   2448
      MaxLength       =   50
      TabIndex        =   11
      Top             =   2106
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "NúmeroDaCarteiraDeTrabalho"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   4
      Left            =   2448
      MaxLength       =   30
      TabIndex        =   9
      Top             =   1728
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "NúmeroDoFuncionário"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   3
      Left            =   2448
      MaxLength       =   30
      TabIndex        =   7
      Top             =   1350
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "NúmeroDoINPS"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   2
      Left            =   2448
      MaxLength       =   30
      TabIndex        =   5
      Top             =   954
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "NomeDoDepartamento"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   1
      Left            =   2448
      MaxLength       =   50
      TabIndex        =   3
      Top             =   576
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "CódigoDoFuncionário"
      DataSource      =   "Data1"
      Height          =   378
      Index           =   0
      Left            =   2448
      TabIndex        =   1
      Top             =   198
      Width           =   2322
   End
   Begin MSMask.MaskEdBox MaskEdBox1 
      DataField       =   "CEP"
      DataSource      =   "Data1"
      Height          =   378
      Left            =   2448
      TabIndex        =   62
      Top             =   5940
      Width           =   4050
      _ExtentX        =   7144
      _ExtentY        =   667
      _Version        =   393216
      MaxLength       =   10
      Format          =   "00-000-000"
      Mask            =   "  -   -   "
      PromptChar      =   "-"
   End
   Begin MSMask.MaskEdBox MaskEdBox2 
      DataField       =   "NºDoTelefone"
      DataSource      =   "Data1"
      Height          =   378
      Left            =   8892
      TabIndex        =   63
      Top             =   540
      Width           =   4050
      _ExtentX        =   7144
      _ExtentY        =   667
      _Version        =   393216
      MaxLength       =   15
      Format          =   "(0031)0000-0000"
      Mask            =   "(    )    -    "
      PromptChar      =   "-"
   End
   Begin MSMask.MaskEdBox MaskEdBox3 
      DataField       =   "TelefoneComercial"
      DataSource      =   "Data1"
      Height          =   396
      Left            =   8892
      TabIndex        =   64
      Top             =   918
      Width           =   4050
      _ExtentX        =   7144
      _ExtentY        =   698
      _Version        =   393216
      MaxLength       =   15
      Format          =   "(0031)0000-0000"
      Mask            =   "(    )    -    "
      PromptChar      =   "-"
   End
   Begin VB.Label lblLabels 
      Caption         =   "LocalDoEscritório:"
      Height          =   306
      Index           =   31
      Left            =   6570
      TabIndex        =   57
      Top             =   5544
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Observações:"
      Height          =   306
      Index           =   30
      Left            =   6570
      TabIndex        =   55
      Top             =   5166
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "TelefoneDoContatoEmEmergência:"
      Height          =   306
      Index           =   28
      Left            =   6570
      TabIndex        =   53
      Top             =   4770
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "ContactarEmEmergência:"
      Height          =   306
      Index           =   27
      Left            =   6570
      TabIndex        =   51
      Top             =   4392
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "NomeDoCônjuje:"
      Height          =   306
      Index           =   26
      Left            =   6570
      TabIndex        =   49
      Top             =   4014
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "CódigoDoSupervisor:"
      Height          =   306
      Index           =   25
      Left            =   6570
      TabIndex        =   47
      Top             =   3618
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Deduções:"
      Height          =   306
      Index           =   24
      Left            =   6570
      TabIndex        =   45
      Top             =   3240
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "TaxaDeCobrança:"
      Height          =   306
      Index           =   23
      Left            =   6570
      TabIndex        =   43
      Top             =   2862
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Salário:"
      Height          =   306
      Index           =   22
      Left            =   6570
      TabIndex        =   41
      Top             =   2466
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "DataDoAluguel:"
      Height          =   306
      Index           =   21
      Left            =   6570
      TabIndex        =   39
      Top             =   2088
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Data de Nascimento:"
      Height          =   306
      Index           =   20
      Left            =   6570
      TabIndex        =   37
      Top             =   1710
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "CódigoDoDepartmamento:"
      Height          =   306
      Index           =   19
      Left            =   6570
      TabIndex        =   35
      Top             =   1314
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "TelefoneComercial:"
      Height          =   306
      Index           =   18
      Left            =   6570
      TabIndex        =   34
      Top             =   936
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "TelefoneResidencial:"
      Height          =   306
      Index           =   17
      Left            =   6570
      TabIndex        =   33
      Top             =   558
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "País:"
      Height          =   306
      Index           =   16
      Left            =   6570
      TabIndex        =   31
      Top             =   162
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "CEP:"
      Height          =   306
      Index           =   15
      Left            =   144
      TabIndex        =   30
      Top             =   5976
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Região:"
      Height          =   306
      Index           =   14
      Left            =   144
      TabIndex        =   28
      Top             =   5598
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "EstadoOuProvíncia:"
      Height          =   306
      Index           =   13
      Left            =   144
      TabIndex        =   26
      Top             =   5202
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Cidade:"
      Height          =   306
      Index           =   12
      Left            =   144
      TabIndex        =   24
      Top             =   4824
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Endereço:"
      Height          =   306
      Index           =   11
      Left            =   144
      TabIndex        =   22
      Top             =   4446
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Ramal:"
      Height          =   306
      Index           =   10
      Left            =   144
      TabIndex        =   20
      Top             =   4050
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "NomeNoCorreioEletrônico:"
      Height          =   306
      Index           =   9
      Left            =   144
      TabIndex        =   18
      Top             =   3672
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Título:"
      Height          =   306
      Index           =   8
      Left            =   144
      TabIndex        =   16
      Top             =   3294
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "Sobrenome:"
      Height          =   306
      Index           =   7
      Left            =   144
      TabIndex        =   14
      Top             =   2898
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "NomeDoMeio:"
      Height          =   306
      Index           =   6
      Left            =   144
      TabIndex        =   12
      Top             =   2520
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "PrimeiroNome:"
      Height          =   306
      Index           =   5
      Left            =   144
      TabIndex        =   10
      Top             =   2142
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "NúmeroDaCarteiraDeTrabalho:"
      Height          =   306
      Index           =   4
      Left            =   144
      TabIndex        =   8
      Top             =   1746
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "NúmeroDoFuncionário:"
      Height          =   306
      Index           =   3
      Left            =   144
      TabIndex        =   6
      Top             =   1368
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "NúmeroDoINPS:"
      Height          =   306
      Index           =   2
      Left            =   144
      TabIndex        =   4
      Top             =   990
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "NomeDoDepartamento:"
      Height          =   306
      Index           =   1
      Left            =   144
      TabIndex        =   2
      Top             =   594
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      Caption         =   "CódigoDoFuncionário:"
      Height          =   306
      Index           =   0
      Left            =   144
      TabIndex        =   0
      Top             =   216
      Width           =   2178
   End
End
Attribute VB_Name = "frmFuncionários"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub cmdAdd_Click()

On Error GoTo Err
  Data1.Refresh
If txtFields.Item(0).Text = "" Then

   Data1.Recordset.AddNew
     Data1.UpdateRecord
  Data1.Recordset.Bookmark = Data1.Recordset.LastModified
  cmdDelete.Enabled = True

Else
  
  Data1.UpdateRecord
  Data1.Recordset.Bookmark = Data1.Recordset.LastModified
  Data1.Recordset.AddNew
  End If
  Image1.Picture = Empty
Err:
  Exit Sub
End Sub

Private Sub cmdDelete_Click()
On Error GoTo Err
Dim m As Integer
Dim a As String

If txtFields(1).Text = "" Then
a = "NÃO EXISTE REGISTRO"
Else
a = txtFields(1).Text
End If
m = MsgBox("Tem certeza que deseja excluir o registro: " & a & " ?", vbYesNo, "!ATENÇÃO OPERADOR!")
Select Case m
Case vbYes
If txtFields.Item(0).Text = "" Then
MsgBox "Não há nenhum registro a apagar, crie um novo registro e\ou preencha os registros em branco clicando na GRADE DE LANÇAMENTOS para que possa fazer novas operações", vbCritical, Me.Caption
cmdDelete.Enabled = False
cmdAdd.Enabled = False
Lista.Show
Unload Me

Else
If txtFields.Item(0).Text = "" Then
   MsgBox "Não há nenhum registro a apagar, crie um novo registro e\ou preencha os registros em branco clicando na GRADE DE LANÇAMENTOS para que possa fazer novas operações", vbCritical, Me.Caption
Else
   Data1.Recordset.Delete
Data1.Recordset.MoveLast
  End If
  End If
  'this may produce an error if you delete the last
  'record or the only record in the recordset
Case Else
End Select
Err:
Exit Sub
End Sub

Private Sub cmdRefresh_Click()
On Error Resume Next
  'this is really only needed for multi user apps
  Data1.Refresh
End Sub

Private Sub cmdUpdate_Click()
On Error Resume Next

End Sub

Private Sub cmdClose_Click()
  Unload Me
End Sub

Private Sub Command1_Click()
Com.Filter = "Arquivos de Imagem|*.bmp;*.jpg;*.jpeg;*.gif;*.tif;*.tga"
Com.ShowOpen
foto.Text = Com.FileName
Image1.Picture = LoadPicture(foto.Text)
End Sub

Private Sub Command2_Click()

End Sub

Private Sub Data1_Error(DataErr As Integer, Response As Integer)
  'This is where you would put error handling code
  'If you want to ignore errors, comment out the next line
  'If you want to trap them, add code here to handle them
  MsgBox "Data error event hit err:" & Error$(DataErr)
  Response = 0  'throw away the error
  
End Sub

Private Sub Data1_Reposition()

  On Error Resume Next
  'This will display the current record position
  'for dynasets and snapshots
  Data1.Caption = "Record: " & (Data1.Recordset.AbsolutePosition + 1)
  'for the table object you must set the index property when
  'the recordset gets created and use the following line
  'Data1.Caption = "Record: " & (Data1.Recordset.RecordCount * (Data1.Recordset.PercentPosition * 0.01)) + 1
End Sub

Private Sub Data1_Validate(Action As Integer, Save As Integer)
Image1.Picture = LoadPicture(foto.Text)
  'This is where you put validation code
  'This event gets called when the following actions occur
  Select Case Action
    Case vbDataActionMoveFirst
    Case vbDataActionMovePrevious
    Case vbDataActionMoveNext
    Case vbDataActionMoveLast
    Case vbDataActionAddNew
    Case vbDataActionUpdate
    Case vbDataActionDelete
    Case vbDataActionFind
    Case vbDataActionBookmark
    Case vbDataActionClose
  End Select

End Sub

Private Sub Form_Load()

Timer1.Enabled = True

End Sub

Private Sub Form_Unload(Cancel As Integer)
Fundo.Show
Fundo.WindowState = 2
End Sub

Private Sub oleFields_DblClick(Index As Integer)

End Sub

Private Sub Timer1_Timer()
On Error Resume Next
Image1.Picture = LoadPicture(foto.Text)
Timer1.Enabled = True
End Sub
