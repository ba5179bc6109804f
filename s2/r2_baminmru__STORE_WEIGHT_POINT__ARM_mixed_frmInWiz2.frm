VERSION 5.00
Object = "{BEEECC20-4D5F-4F8B-BFDC-5D9B6FBDE09D}#1.0#0"; "vsflex8.ocx"
Object = "{E684D8A3-716C-4E59-AA94-7144C04B0074}#1.1#0"; "GridEX20.ocx"
Object = "{1801C003-859D-471D-BF31-D4428050324B}#2.1#0"; "MTZ_PANEL.ocx"
Object = "{648A5603-2C6E-101B-82B6-000000000014}#1.1#0"; "MSCOMM32.OCX"
Object = "{1103DFFF-B8B4-437D-8D8D-4EA4A31D3424}#2.4#0"; "ITTINGUI.ocx"
Begin VB.Form frmInWiz2 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Приемка"
   ClientHeight    =   9972
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   16920
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   204
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "frmInWiz2.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   9972
   ScaleWidth      =   16920
   StartUpPosition =   2  'CenterScreen
   Begin VB.Frame frameSave 
      Height          =   5346
      Left            =   144
      TabIndex        =   72
      Top             =   2304
      Visible         =   0   'False
      Width           =   2754
      Begin VB.Label lblBlinker 
         Alignment       =   2  'Center
         Caption         =   "Идет сохра- нение данных в CORE IMS. Ждите."
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   28.8
            Charset         =   204
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H000000FF&
         Height          =   4914
         Left            =   144
         TabIndex        =   73
         Top             =   288
         Width           =   2322
      End
   End
   Begin VB.Frame Frame1 
      Caption         =   "Шаг 1 - выбор заказа"
      Height          =   6642
      Left            =   2880
      TabIndex        =   0
      Top             =   0
      Width           =   17730
      Begin VB.TextBox txtTheClient 
         Height          =   342
         Left            =   144
         Locked          =   -1  'True
         TabIndex        =   60
         Top             =   1728
         Width           =   7938
      End
      Begin VB.TextBox txtQryCode 
         Height          =   360
         Left            =   144
         Locked          =   -1  'True
         TabIndex        =   3
         ToolTipText     =   "Код заказа"
         Top             =   864
         Width           =   7218
      End
      Begin MTZ_PANEL.DropButton cmdQryCode 
         Height          =   360
         Left            =   7488
         TabIndex        =   4
         Tag             =   "refopen.ico"
         ToolTipText     =   "Код заказа"
         Top             =   864
         Width           =   540
         _ExtentX        =   953
         _ExtentY        =   635
         Caption         =   ""
      End
      Begin VB.Label Label14 
         Caption         =   "Клиент"
         Height          =   450
         Left            =   144
         TabIndex        =   61
         Top             =   1296
         Width           =   2466
      End
      Begin VB.Label lblQryCode 
         BackStyle       =   0  'Transparent
         Caption         =   "Код заказа:"
         ForeColor       =   &H00000000&
         Height          =   360
         Left            =   144
         TabIndex        =   5
         Top             =   432
         Width           =   3600
      End
   End
   Begin VB.Frame Frame3 
      Caption         =   "Шаг 3 - Выбор строки заказа"
      Height          =   8082
      Left            =   2160
      TabIndex        =   6
      Top             =   -432
      Width           =   10386
      Begin VB.CommandButton cmdToClose 
         Caption         =   "На итоговую страницу"
         Height          =   306
         Left            =   144
         TabIndex        =   68
         Top             =   432
         Width           =   2898
      End
      Begin GridEX20.GridEX gr 
         Height          =   7002
         Left            =   144
         TabIndex        =   7
         Top             =   864
         Width           =   9936
         _ExtentX        =   17526
         _ExtentY        =   12350
         Version         =   "2.0"
         BoundColumnIndex=   ""
         ReplaceColumnIndex=   ""
         MethodHoldFields=   -1  'True
         AllowEdit       =   0   'False
         GroupByBoxVisible=   0   'False
         ItemCount       =   0
         DataMode        =   99
         ColumnHeaderHeight=   342
         IntProp1        =   0
         IntProp2        =   0
         IntProp7        =   0
         ColumnsCount    =   1
         Column(1)       =   "frmInWiz2.frx":030A
         FormatStylesCount=   7
         FormatStyle(1)  =   "frmInWiz2.frx":036E
         FormatStyle(2)  =   "frmInWiz2.frx":044E
         FormatStyle(3)  =   "frmInWiz2.frx":05AA
         FormatStyle(4)  =   "frmInWiz2.frx":065A
         FormatStyle(5)  =   "frmInWiz2.frx":070E
         FormatStyle(6)  =   "frmInWiz2.frx":07E6
         FormatStyle(7)  =   "frmInWiz2.frx":089E
         ImageCount      =   0
         PrinterProperties=   "frmInWiz2.frx":08BE
      End
   End
   Begin VB.Frame Frame4 
      Caption         =   "Шаг4 - Параметры груза по умолчанию"
      Height          =   9234
      Left            =   3744
      TabIndex        =   8
      Top             =   -720
      Width           =   15426
      Begin ITTINGUI.ITTIN_QLINE ITTIN_QLINE1 
         Height          =   8370
         Left            =   144
         TabIndex        =   9
         Top             =   432
         Width           =   10530
         _ExtentX        =   18574
         _ExtentY        =   14764
      End
   End
   Begin VB.Frame Frame6 
      Caption         =   "Шаг 6 - Вес поддона с грузом"
      Height          =   8082
      Left            =   3024
      TabIndex        =   10
      Top             =   720
      Width           =   12546
      Begin VB.TextBox txt4CaliberBrutto 
         Height          =   450
         Left            =   3312
         TabIndex        =   70
         Top             =   5616
         Width           =   3474
      End
      Begin VB.CommandButton cmd6FindCell 
         Caption         =   "..."
         Height          =   450
         Left            =   6192
         TabIndex        =   66
         ToolTipText     =   "Поиск ячейки"
         Top             =   6624
         Width           =   594
      End
      Begin VB.TextBox txt6Netto 
         Height          =   450
         Left            =   3312
         Locked          =   -1  'True
         TabIndex        =   65
         Top             =   7488
         Width           =   3474
      End
      Begin VB.TextBox txt6PackageWeight 
         Height          =   450
         Left            =   144
         TabIndex        =   63
         Top             =   7488
         Width           =   3042
      End
      Begin VB.TextBox txt4Good 
         Height          =   450
         Left            =   144
         Locked          =   -1  'True
         TabIndex        =   22
         Top             =   864
         Width           =   6642
      End
      Begin VB.CheckBox chk4Caliber 
         Caption         =   "Калиброванный"
         ForeColor       =   &H00FF0000&
         Height          =   306
         Left            =   144
         TabIndex        =   21
         Top             =   4896
         Width           =   2466
      End
      Begin VB.TextBox txt4CaliberWeight 
         Height          =   450
         Left            =   3312
         TabIndex        =   20
         Top             =   4752
         Width           =   3474
      End
      Begin VB.TextBox txt4PNum 
         Height          =   486
         Left            =   144
         Locked          =   -1  'True
         TabIndex        =   19
         Top             =   2880
         Width           =   2898
      End
      Begin VB.TextBox txt4PWeight 
         Height          =   450
         Left            =   3312
         Locked          =   -1  'True
         TabIndex        =   18
         Top             =   2880
         Width           =   3474
      End
      Begin VB.TextBox txt4CaliberQuantity 
         Height          =   486
         Left            =   144
         TabIndex        =   17
         Top             =   6624
         Width           =   3042
      End
      Begin VB.TextBox txt4FullWeight 
         Height          =   450
         Left            =   144
         Locked          =   -1  'True
         TabIndex        =   16
         Top             =   3888
         Width           =   2466
      End
      Begin VB.TextBox txt4GoodWeight 
         Height          =   450
         Left            =   3312
         Locked          =   -1  'True
         TabIndex        =   15
         Top             =   3888
         Width           =   3474
      End
      Begin VB.TextBox txt4InQry 
         Height          =   450
         Left            =   3312
         Locked          =   -1  'True
         TabIndex        =   14
         Top             =   1872
         Width           =   3474
      End
      Begin VB.CommandButton cmd4ClearW 
         Caption         =   "X"
         Height          =   450
         Left            =   2736
         TabIndex        =   13
         Top             =   3888
         Width           =   450
      End
      Begin VB.TextBox txt4FromUser 
         Height          =   450
         Left            =   144
         TabIndex        =   12
         Top             =   1872
         Width           =   2898
      End
      Begin VB.TextBox txt4NewPlace 
         Height          =   450
         Left            =   3312
         Locked          =   -1  'True
         TabIndex        =   11
         Top             =   6624
         Width           =   2754
      End
      Begin VB.Label Label19 
         Caption         =   "Калиброваный вес Брутто"
         ForeColor       =   &H00FF0000&
         Height          =   306
         Left            =   3312
         TabIndex        =   69
         Top             =   5328
         Width           =   3330
      End
      Begin VB.Label Label18 
         Caption         =   "Вес товара НЕТТО"
         Height          =   306
         Left            =   3312
         TabIndex        =   64
         Top             =   7200
         Width           =   3618
      End
      Begin VB.Label Label1 
         Caption         =   "Вес одной упаковки КГ."
         ForeColor       =   &H000000FF&
         Height          =   306
         Left            =   144
         TabIndex        =   62
         Top             =   7200
         Width           =   3042
      End
      Begin VB.Label Label4 
         Caption         =   "Товар"
         Height          =   450
         Left            =   144
         TabIndex        =   32
         Top             =   432
         Width           =   3042
      End
      Begin VB.Label Label5 
         Caption         =   "Калиброванный вес НЕТТО кг"
         ForeColor       =   &H00FF0000&
         Height          =   306
         Left            =   3312
         TabIndex        =   31
         Top             =   4464
         Width           =   2898
      End
      Begin VB.Label Label6 
         Caption         =   "Поддон №"
         Height          =   450
         Left            =   144
         TabIndex        =   30
         Top             =   2448
         Width           =   2898
      End
      Begin VB.Label Label7 
         Caption         =   "Вес поддона КГ."
         Height          =   306
         Left            =   3312
         TabIndex        =   29
         Top             =   2448
         Width           =   1890
      End
      Begin VB.Label Label8 
         Caption         =   "Количество коробов"
         ForeColor       =   &H000000FF&
         Height          =   450
         Left            =   144
         TabIndex        =   28
         Top             =   6192
         Width           =   3042
      End
      Begin VB.Label Label9 
         Caption         =   "Вес груза с поддоном"
         Height          =   450
         Left            =   144
         TabIndex        =   27
         Top             =   3456
         Width           =   3186
      End
      Begin VB.Label Label10 
         Caption         =   "Вес груза БРУТТО КГ."
         Height          =   450
         Left            =   3312
         TabIndex        =   26
         Top             =   3456
         Width           =   3330
      End
      Begin VB.Label Label11 
         Caption         =   "Осталось принять, планово КГ."
         Height          =   306
         Left            =   3312
         TabIndex        =   25
         Top             =   1440
         Width           =   3474
      End
      Begin VB.Label Label16 
         Caption         =   "По заказу КГ."
         Height          =   450
         Left            =   144
         TabIndex        =   24
         Top             =   1440
         Width           =   2898
      End
      Begin VB.Label Label17 
         Caption         =   "Место в буферной зоне"
         ForeColor       =   &H000000FF&
         Height          =   306
         Left            =   3312
         TabIndex        =   23
         Top             =   6192
         Width           =   2754
      End
   End
   Begin VB.Frame Frame5 
      Caption         =   "Шаг 5 - Взвешивание поддона"
      Height          =   7074
      Left            =   2304
      TabIndex        =   33
      Top             =   144
      Width           =   15138
      Begin VB.TextBox txt3Poddon 
         Height          =   450
         Left            =   144
         TabIndex        =   42
         Top             =   3312
         Width           =   6066
      End
      Begin VB.TextBox txt3Weight 
         Enabled         =   0   'False
         Height          =   450
         Left            =   144
         Locked          =   -1  'True
         TabIndex        =   41
         TabStop         =   0   'False
         Top             =   4464
         Width           =   6066
      End
      Begin VB.CommandButton cmdPPrint 
         Caption         =   "Печать стикера на поддон"
         Height          =   738
         Left            =   144
         TabIndex        =   40
         TabStop         =   0   'False
         Top             =   5040
         Visible         =   0   'False
         Width           =   6642
      End
      Begin VB.CommandButton cmdPNew 
         Caption         =   "Новый"
         Height          =   450
         Left            =   5184
         TabIndex        =   39
         TabStop         =   0   'False
         Top             =   3888
         Visible         =   0   'False
         Width           =   1746
      End
      Begin VB.TextBox txt3InQry 
         Height          =   450
         Left            =   3312
         Locked          =   -1  'True
         TabIndex        =   38
         Top             =   2160
         Width           =   3474
      End
      Begin VB.TextBox txt3Good 
         Height          =   450
         Left            =   144
         Locked          =   -1  'True
         TabIndex        =   37
         Top             =   1008
         Width           =   6642
      End
      Begin VB.CommandButton cmd3ClearNum 
         Caption         =   "x"
         Height          =   450
         Left            =   6336
         TabIndex        =   36
         Top             =   3312
         Width           =   450
      End
      Begin VB.CommandButton cmd3ClearW 
         Caption         =   "x"
         Height          =   450
         Left            =   6336
         TabIndex        =   35
         Top             =   4464
         Width           =   450
      End
      Begin VB.TextBox txt3FromUser 
         Height          =   450
         Left            =   144
         Locked          =   -1  'True
         TabIndex        =   34
         Top             =   2160
         Width           =   3042
      End
      Begin VB.Label Label2 
         Caption         =   "Номер поддона"
         ForeColor       =   &H000000FF&
         Height          =   450
         Left            =   144
         TabIndex        =   47
         Top             =   2880
         Width           =   3186
      End
      Begin VB.Label Label3 
         Caption         =   "Вес поддона КГ."
         ForeColor       =   &H000000FF&
         Height          =   450
         Left            =   144
         TabIndex        =   46
         Top             =   4032
         Width           =   3762
      End
      Begin VB.Label Label12 
         Caption         =   "Осталось принять, планово КГ."
         Height          =   306
         Left            =   3312
         TabIndex        =   45
         Top             =   1728
         Width           =   3618
      End
      Begin VB.Label Label13 
         Caption         =   "Товар"
         Height          =   450
         Left            =   144
         TabIndex        =   44
         Top             =   576
         Width           =   2610
      End
      Begin VB.Label Label15 
         Caption         =   "Количество в заказе КГ."
         Height          =   306
         Left            =   144
         TabIndex        =   43
         Top             =   1728
         Width           =   3186
      End
   End
   Begin VB.Frame Frame9 
      Caption         =   "Шаг 9 - Закрытие заказа"
      Height          =   7362
      Left            =   1584
      TabIndex        =   52
      Top             =   1296
      Width           =   19746
      Begin VB.CommandButton cmdPrnRas 
         Caption         =   "Акт расхождений"
         Height          =   594
         Left            =   4752
         TabIndex        =   71
         Top             =   5472
         Width           =   2898
      End
      Begin VB.CommandButton cmdPrnEPL 
         Caption         =   "Акт о весе поддонов"
         Height          =   594
         Left            =   2304
         TabIndex        =   67
         Top             =   5472
         Width           =   2322
      End
      Begin VB.CommandButton cmd6PrnKL 
         Caption         =   "Печать КЛП"
         Height          =   594
         Left            =   432
         TabIndex        =   54
         Top             =   5472
         Width           =   1746
      End
      Begin VB.CommandButton cmd6PRNSRV 
         Caption         =   "Печать документа на услуги"
         Height          =   594
         Left            =   9504
         TabIndex        =   53
         Top             =   5328
         Width           =   2898
      End
      Begin VSFlex8Ctl.VSFlexGrid srvGrid 
         Height          =   4770
         Left            =   432
         TabIndex        =   55
         Top             =   432
         Width           =   11970
         _cx             =   21114
         _cy             =   8413
         Appearance      =   1
         BorderStyle     =   1
         Enabled         =   -1  'True
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   204
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         MousePointer    =   0
         BackColor       =   -2147483643
         ForeColor       =   -2147483640
         BackColorFixed  =   -2147483633
         ForeColorFixed  =   -2147483630
         BackColorSel    =   -2147483635
         ForeColorSel    =   -2147483634
         BackColorBkg    =   -2147483636
         BackColorAlternate=   -2147483643
         GridColor       =   -2147483633
         GridColorFixed  =   -2147483632
         TreeColor       =   -2147483632
         FloodColor      =   192
         SheetBorder     =   -2147483642
         FocusRect       =   1
         HighLight       =   1
         AllowSelection  =   -1  'True
         AllowBigSelection=   0   'False
         AllowUserResizing=   0
         SelectionMode   =   0
         GridLines       =   1
         GridLinesFixed  =   2
         GridLineWidth   =   1
         Rows            =   2
         Cols            =   2
         FixedRows       =   1
         FixedCols       =   0
         RowHeightMin    =   0
         RowHeightMax    =   0
         ColWidthMin     =   720
         ColWidthMax     =   0
         ExtendLastCol   =   0   'False
         FormatString    =   $"frmInWiz2.frx":0A96
         ScrollTrack     =   0   'False
         ScrollBars      =   3
         ScrollTips      =   0   'False
         MergeCells      =   0
         MergeCompare    =   0
         AutoResize      =   -1  'True
         AutoSizeMode    =   0
         AutoSearch      =   0
         AutoSearchDelay =   2
         MultiTotals     =   -1  'True
         SubtotalPosition=   1
         OutlineBar      =   0
         OutlineCol      =   0
         Ellipsis        =   0
         ExplorerBar     =   0
         PicturesOver    =   0   'False
         FillStyle       =   0
         RightToLeft     =   0   'False
         PictureType     =   0
         TabBehavior     =   0
         OwnerDraw       =   0
         Editable        =   1
         ShowComboButton =   1
         WordWrap        =   0   'False
         TextStyle       =   0
         TextStyleFixed  =   0
         OleDragMode     =   0
         OleDropMode     =   0
         DataMode        =   0
         VirtualData     =   -1  'True
         DataMember      =   ""
         ComboSearch     =   3
         AutoSizeMouse   =   -1  'True
         FrozenRows      =   0
         FrozenCols      =   0
         AllowUserFreezing=   0
         BackColorFrozen =   0
         ForeColorFrozen =   0
         WallPaperAlignment=   9
         AccessibleName  =   ""
         AccessibleDescription=   ""
         AccessibleValue =   ""
         AccessibleRole  =   24
      End
   End
   Begin VB.Frame Frame8 
      Caption         =   "Шаг 8 - Документ на поддон с грузом"
      Height          =   6498
      Left            =   2160
      TabIndex        =   50
      Top             =   0
      Width           =   14850
      Begin VB.Label lbl5Out 
         Alignment       =   2  'Center
         BeginProperty Font 
            Name            =   "MS Sans Serif"
            Size            =   28.8
            Charset         =   204
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   6210
         Left            =   576
         TabIndex        =   51
         Top             =   720
         Width           =   7506
         WordWrap        =   -1  'True
      End
   End
   Begin VB.Frame Frame7 
      Caption         =   "Шаг7 - Уточнение данных по поддону"
      Height          =   6354
      Left            =   1872
      TabIndex        =   48
      Top             =   432
      Width           =   13986
      Begin ITTINGUI.ITTIN_PALET ITTIN_PALET1 
         Height          =   5634
         Left            =   144
         TabIndex        =   49
         Top             =   432
         Width           =   8370
         _ExtentX        =   14764
         _ExtentY        =   9937
      End
   End
   Begin VB.Timer Timer1 
      Interval        =   1000
      Left            =   0
      Top             =   1008
   End
   Begin VB.CommandButton cmdNext 
      Caption         =   "Далее"
      Default         =   -1  'True
      Height          =   738
      Left            =   11664
      TabIndex        =   59
      Top             =   9216
      Width           =   1890
   End
   Begin VB.CommandButton cmdBack 
      Caption         =   "Следующий"
      Height          =   738
      Left            =   7344
      TabIndex        =   58
      Top             =   9216
      Width           =   2034
   End
   Begin VB.CommandButton cmdAddW 
      Caption         =   "Следующий поддон"
      Height          =   738
      Left            =   9504
      TabIndex        =   57
      Top             =   9216
      Width           =   1890
   End
   Begin VB.CommandButton cmdCancel 
      Caption         =   "Отменить"
      Height          =   738
      Left            =   5184
      TabIndex        =   56
      Top             =   9216
      Width           =   2034
   End
   Begin VB.Frame Frame2 
      Caption         =   "Шаг 2 - Параметры заказа"
      Height          =   6642
      Left            =   5616
      TabIndex        =   1
      Top             =   576
      Width           =   8658
      Begin ITTINGUI.ITTIN_DEF ITTIN_DEF1 
         Height          =   5778
         Left            =   288
         TabIndex        =   2
         Top             =   432
         Width           =   6930
         _ExtentX        =   12223
         _ExtentY        =   10192
      End
   End
   Begin MSCommLib.MSComm MSComm1 
      Left            =   0
      Top             =   0
      _ExtentX        =   1206
      _ExtentY        =   1206
      _Version        =   393216
      CommPort        =   5
      DTREnable       =   -1  'True
      Handshaking     =   2
   End
   Begin VB.Image imgState 
      Height          =   9864
      Left            =   0
      Picture         =   "frmInWiz2.frx":0AFB
      Stretch         =   -1  'True
      Top             =   0
      Width           =   3474
   End
End
Attribute VB_Name = "frmInWiz2"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Attribute VB_HelpID = 220
' Окно визарда приемки

Option Explicit
Public StepNo As Integer
Attribute StepNo.VB_VarHelpID = 275
Dim XMLQryCode As String
Dim XMLTheClient As String
Public Item As ITTIN.Application
Attribute Item.VB_VarHelpID = 255
Dim conn As ADODB.Connection
Private curQRow As ITTIN.ITTIN_QLINE
Dim LinePal As ITTIN_PALET
Dim pal As ITTPL_DEF
Private StopWeighting As Boolean
Private wave As MTZMCI.WavePlayer
Private emu As Boolean
Private port As String
Private psetup As String
Private poddon As ITTPL_DEF
Public NoMSG As Boolean
Attribute NoMSG.VB_VarHelpID = 260
Public InPoddon As String
Attribute InPoddon.VB_VarHelpID = 245
Public InWeight As String
Attribute InWeight.VB_VarHelpID = 250
Public SinglePoddon As Boolean
Attribute SinglePoddon.VB_VarHelpID = 270
Private Red As Boolean



'инициализация визарда
'Parameters:
' параметров нет
'See Also:
'  Before1
'  Before2
'  GetWeight4
'  InPoddon
'  InWeight
'  Item
'  NoMSG
'  ProcessStatus
'  SinglePoddon
'  StepNo
'Example:
'  call me.INIT()
Public Sub INIT()
Attribute INIT.VB_HelpID = 240


' состояния для типа:ITTIN Приемка груза
' "{EB3A7D03-EB3F-4541-AD93-D55C92BE02AC}" 'Идет приемка
' "{49A919F7-94A6-49DE-9280-1EEAC973647B}" 'Оформляется
' "{E3728A5B-6B62-48BF-9E5A-D4F0BCBFC75B}" 'Приемка завершена
' "{E8BA9909-6680-4B2C-B446-F58EF91DCD17}" 'Приемка обработана

' состояния для типа:ITTPL Палетта
' "{6FDCC60F-8C10-47E3-BB36-110C49EF2144}" 'Взвешена
' "{E9BFB749-A606-4DEF-A429-07D636F108C6}" 'Пустая
' "{93E3DE6D-AB8D-48A6-84FD-152BF63FB14C}" 'На складе с грузом
' "{7BD977D0-0EF9-4F0D-B047-E409BB1616CA}" 'Отправлена с грузом
' "{588C5203-1E59-408E-92A1-B3DFED8C19FA}" 'Списана


    XMLQryCode = "<SQLData>"
    XMLQryCode = XMLQryCode & "<connectionstring>ref</connectionstring>"
    XMLQryCode = XMLQryCode & "<connectionprovider>ref</connectionprovider>"
    XMLQryCode = XMLQryCode & "<query>select A.ID [КОД] , convert(varchar(30),A.NUMBER) +'  от ' + convert(varchar(30),A.ORD_DATE,111)  [Название], partner.Name [Клиент]  from RECEIVING_ORDER A left join PARTNER  on A.PARTNER_ID=partner.ID where (a.STATUS = 1 or a.status =0)  </query>"  '
    XMLQryCode = XMLQryCode & "<IDFieldName>КОД</IDFieldName>"
    XMLQryCode = XMLQryCode & "<BriefFields>Название</BriefFields>"
    XMLQryCode = XMLQryCode & "</SQLData>"
    
  
    XMLTheClient = "<SQLData>"
    XMLTheClient = XMLTheClient & "<connectionstring>ref</connectionstring>"
    XMLTheClient = XMLTheClient & "<connectionprovider>ref</connectionprovider>"
    XMLTheClient = XMLTheClient & "<query>select partner.ID, partner.Name from RECEIVING_ORDER join partner on RECEIVING_ORDER.partner_id=partner.id where RECEIVING_ORDER.ID='%QryCodeID%'</query>"
    XMLTheClient = XMLTheClient & "<IDFieldName>ID</IDFieldName>"
    XMLTheClient = XMLTheClient & "<BriefFields>Name</BriefFields>"
    XMLTheClient = XMLTheClient & "</SQLData>"
    
    Set conn = GetCoreConn
    If GetSetting("RBH", "ITTSETTINGS", "SOUND", "False") <> "False" Then
      Set wave = New MTZMCI.WavePlayer
      wave.OpenDevice
    End If
End Sub

'установка позиций кнопок
Private Sub SetBtnPos(cmd As CommandButton, ByVal pos As Integer)
On Error Resume Next
  cmd.Left = imgState.Width + (Me.ScaleWidth - imgState.Width) / 4 * (pos - 1)
End Sub


Private Sub chk4Caliber_Click()
On Error Resume Next
  If chk4Caliber.Value = vbChecked Then
    'txt4CaliberQuantity.Enabled = True
    txt4CaliberWeight.Enabled = True
    txt4CaliberBrutto.Enabled = True
    Label5.Enabled = True
    Label19.Enabled = True
    txt6PackageWeight.Locked = True
  Else
    txt4CaliberWeight = "0"
    txt4CaliberWeight.Enabled = False
    txt4CaliberBrutto = "0"
    txt4CaliberBrutto.Enabled = False
    Label5.Enabled = False
    Label19.Enabled = False
    txt6Netto = MyRound(txt4GoodWeight) - MyRound(txt4CaliberQuantity) * MyRound(txt6PackageWeight)
    txt6PackageWeight.Locked = False
  End If
End Sub


Private Sub cmd3ClearNum_Click()
txt3Poddon = ""
End Sub

Private Sub cmd3ClearW_Click()
txt3Weight = 0
End Sub

Private Sub cmd4ClearW_Click()
txt4FullWeight = 0
End Sub


'поиск ячейки
Private Sub cmd6FindCell_Click()
  Dim PTYPE As ITTD.ITTD_PLTYPE
  Set PTYPE = poddon.Pltype
  Dim f As frmGetCell
  Set f = New frmGetCell
  
  
  If PTYPE.TheCode = 0 Then
    f.PTYPE = 1
  Else
    f.PTYPE = 1.25
  End If
  
  f.itemid = Manager.GetIDFromXMLField(curQRow.good_id)
  
  Dim prule As ITTD_RULE
  On Error Resume Next
  Set prule = Item.ITTIN_DEF.Item(1).ThePartyRule
  
  
  f.country = ""
  If Not prule Is Nothing Then
    If prule.TheCountry = Boolean_Da Then
      f.country = curQRow.made_country.Name
    End If
  End If
  
  f.factory = ""
  
  If Not prule Is Nothing Then
    If prule.TheFactory = Boolean_Da Then
      f.factory = curQRow.factory.Name
    End If
  End If
  
  f.killplace = ""
  If Not prule Is Nothing Then
    If prule.killplace = Boolean_Da Then
      f.killplace = curQRow.KILL_NUMBER.Name
    End If
  End If

  
  err.Clear
  
  f.Show vbModal
  If f.OK Then
    txt4NewPlace = f.OutCode
    txt4NewPlace.Tag = f.OUtID
  End If
  Unload f
  Set f = Nothing
End Sub

'печать листа приемки
Private Sub cmd6PrnKL_Click()
On Error Resume Next
    Set repShowKL = Nothing
    Set repShowKL = New ReportShow
    repShowKL.ReportSource = "V_viewITTIN_ITTIN_PALET"
    repShowKL.ReportFilter = " instanceid='" & Item.id & "'"
    repShowKL.ReportPath = App.Path & "\in_KL.rpt"
    repShowKL.PrinterName = "" 'GetSetting("RBH", "ITTSETTINGS", "DOCPRN", "")
    repShowKL.Run True
    Set repShowKL = Nothing
End Sub

'печать услуг
Private Sub cmd6PRNSRV_Click()
On Error Resume Next
    Set repShowSRVIN = Nothing
    Set repShowSRVIN = New ReportShow
    repShowSRVIN.ReportSource = "V_viewITTIN_ITTIN_SRV"
    repShowSRVIN.ReportFilter = " instanceid='" & Item.id & "'"
    repShowSRVIN.ReportPath = App.Path & "\in_srvq.rpt"
    repShowSRVIN.PrinterName = "" ' GetSetting("RBH", "ITTSETTINGS", "DOCPRN", "")
    repShowSRVIN.Run True
    Set repShowSRVIN = Nothing
End Sub

'добавить поддон
Private Sub cmdAddW_Click()
On Error Resume Next
    If CheckAfter Then
      StepNo = 5
      ProcessStatus
    End If
End Sub

'назад
Private Sub cmdBack_Click()
On Error Resume Next
  If CheckAfter Then
      StepNo = 3
      ProcessStatus
  End If
End Sub

'отмена
Private Sub cmdCancel_Click()
On Error Resume Next
  StepNo = 10
  ProcessStatus
End Sub



'следующий шаг
Private Sub cmdNext_Click()
On Error Resume Next
  If CheckAfter Then
    StepNo = StepNo + 1
    ProcessStatus
  End If
End Sub

'печать списка пустых поддонов
Private Sub cmdPrnEPL_Click()
On Error Resume Next
    Set repShowINEPL = Nothing
    Set repShowINEPL = New ReportShow
    repShowINEPL.ReportSource = "V_viewITTIN_ITTIN_EPL"
    repShowINEPL.ReportFilter = " instanceid='" & Item.id & "'"
    repShowINEPL.ReportPath = App.Path & "\in_epl.rpt"
    repShowINEPL.PrinterName = "" ' GetSetting("RBH", "ITTSETTINGS", "DOCPRN", "")
    repShowINEPL.Run True
    Set repShowINEPL = Nothing
End Sub

'печать акта расхождений
Private Sub cmdPrnRas_Click()
    On Error Resume Next
    Set repShowKL = Nothing
    Set repShowKL = New ReportShow
    repShowKL.ReportSource = "V_viewITTIN_ITTIN_PALET"
    repShowKL.ReportFilter = " instanceid='" & Item.id & "'"
    repShowKL.ReportPath = App.Path & "\in_ras.rpt"
    repShowKL.PrinterName = "" 'GetSetting("RBH", "ITTSETTINGS", "DOCPRN", "")
    repShowKL.Run True
    Set repShowKL = Nothing
End Sub

'выбор номера заказа
Private Sub cmdQryCode_Click()
  On Error Resume Next

  Dim pars As New NamedValues
  Dim res As NamedValues
  If (txtQryCode.Tag = "") Then
    ' call MsgBox("Нет данных для запроса")
  Else
    txtQryCode.Tag = Replace(txtQryCode.Tag, "%ID%", " 1=1 ")
    
    Call pars.Add("xml", txtQryCode.Tag)
    
  End If
  
  If Manager.GetCustomObjects("cliFilter").Name <> "" Then
    Call pars.Add("filter", " and " & (Manager.GetCustomObjects("cliFilter").Name))
  End If
  
  Set res = Manager.GetSQLDataDialog(pars)
  If (Not res Is Nothing) Then
    Dim resStr As String
    resStr = res.Item("RESULT").Value
    If (resStr = "OK") Then
      txtQryCode.Tag = res.Item("xml").Value
      If (txtQryCode.Text <> res.Item("brief").Value) Then
        txtQryCode.Text = res.Item("brief").Value
        'mIDQryCode = res.Item("ID").Value
        Call txtQryCode_Change
        MakeItem
      End If
    Else
      Dim errStr As String
      errStr = res.Item("ErrorDescription").Value
      If (errStr <> vbNullString) Then
       Call MsgBox("Ошибка исполнения: " & errStr, vbOKOnly + vbCritical)
     End If
    End If
  End If
  log.message "Приемка " & txtQryCode
End Sub



'создание нового заказа
Private Sub MakeItem()
On Error Resume Next
'Найти заказ у в нашей базе
  Dim rs As ADODB.Recordset
  Dim id As String
  Dim qID As String
  qID = Manager.GetIDFromXMLField(txtQryCode.Tag)
  id = ""
  Set rs = Session.GetData("select instanceid from ITTIN_DEF where QryCode like '%<ID>" & qID & "</ID>%'")
  If Not rs Is Nothing Then
    If Not rs.EOF Then
      id = rs!InstanceID
    End If
  End If
  rs.Close
  
  Dim XMLQRY_NUM As String
  Dim XMLLineAtQuery As String
  Dim XMLgood_ID As String
  
  If conn.State <> ADODB.adStateOpen Then
     conn.open
   End If
    
  'Если нет заказа, то сформировать новый
  If id = "" Then
    id = CreateGUID2
    Manager.NewInstance id, "ITTIN", txtQryCode
    Set Item = Manager.GetInstanceObject(id)
    
   
    
    Set rs = conn.Execute("select * from receiving_order where id=" & Manager.GetIDFromXMLField(txtQryCode.Tag))
    If rs.EOF Then Exit Sub
    
    
    With Item.ITTIN_DEF.Add
      .ProcessDate = Date
      .QryCode = txtQryCode.Tag
      .TheClient = txtTheClient.Tag
      .Supplier = rs!street1
      .TTN = rs!ACCOUNT_NUMBER
      .TTNDate = Date
      .TranspNumber = rs!Comment1
      .Container = rs!TRACK_NUMBER1
      .Track_time_in = Now
      .track_time_out = DateAdd("h", 4, Now)
      .temp_in_track = -1
      .save
    End With
    
    
    Dim errlines As Boolean
    ' Проверяем что код товара в заказе соответсвует коду поклажедателя
    Set rs = conn.Execute("select B.code b_code,e.code e_code,d.code d_code from receiving_line A  join item B on A.item_id =B.id  join receiving_order C on a.order_id = C.id join partner D on c.partner_id= d.id join partner E on b.CLASS= e.CODE where e.code <>d.code and a.order_id='" & qID & "'")
    While Not rs.EOF
        MsgBox "Для артикула с кодом " & rs!b_code & " не соответствует поклажедатель и выбранный в заказе клиент" & vbCrLf & "Исправьте ошибку в CORE IMS", vbOKOnly + vbExclamation, "Внимание"
        errlines = True
        rs.MoveNext
    Wend
    
    If errlines Then Exit Sub
    
    Set rs = conn.Execute("select A.*, B.DESCRIPTION  BRIEF, B.code ARTICUL from receiving_line A join item B on A.item_id =B.id where (a.PARENT_ID  is null or a.parent_id=0) and a.order_id='" & qID & "'")
    While Not rs.EOF
      Set curQRow = Item.ITTIN_QLINE.Add
      With curQRow
        
        .edizm = "" & rs!UOM
        .articul = "" & rs!articul
        
        '.made_country = "" & rs!prod_country
        '.KILL_NUMBER = "" & rs!KILL_NUMBER
        
        If Not IsNull(rs!made_date) Then .made_date = rs!made_date
        If Not IsNull(rs!exp_date) Then .exp_date = rs!exp_date
        
        
        
        XMLLineAtQuery = "<SQLData>"
        XMLLineAtQuery = XMLLineAtQuery & "<connectionstring>ref</connectionstring>"
        XMLLineAtQuery = XMLLineAtQuery & "<connectionprovider>ref</connectionprovider>"
        XMLLineAtQuery = XMLLineAtQuery & "<query>select A.ID [Код], A.ORDER_ID [Код Заказа], A.QTY_ORD [Количество], B.DESCRIPTION [Наименование]  from receiving_line A join item B on A.item_id =B.id </query>"
        XMLLineAtQuery = XMLLineAtQuery & "<IDFieldName>Код</IDFieldName>"
        XMLLineAtQuery = XMLLineAtQuery & "<BriefFields>Наименование</BriefFields>"
        XMLLineAtQuery = XMLLineAtQuery & "<Brief>" & rs!brief & "</Brief>"
        XMLLineAtQuery = XMLLineAtQuery & "<ID>" & rs!id & "</ID>"
        XMLLineAtQuery = XMLLineAtQuery & "</SQLData>"
        
        .LineAtQuery = XMLLineAtQuery
        
        
        
        
        XMLQRY_NUM = "<SQLData>"
        XMLQRY_NUM = XMLQRY_NUM & "<connectionstring>ref</connectionstring>"
        XMLQRY_NUM = XMLQRY_NUM & "<connectionprovider>ref</connectionprovider>"
        XMLQRY_NUM = XMLQRY_NUM & "<query>select  QTY_ORD from receiving_line where ID='%LineAtQueryID%'</query>"
        XMLQRY_NUM = XMLQRY_NUM & "<IDFieldName>QTY_ORD</IDFieldName>"
        XMLQRY_NUM = XMLQRY_NUM & "<BriefFields>QTY_ORD</BriefFields>"
        XMLQRY_NUM = XMLQRY_NUM & "<ID>" & rs!QTY_ORD & "</ID>"
        XMLQRY_NUM = XMLQRY_NUM & "<Brief>" & rs!QTY_ORD & "</Brief>"
        XMLQRY_NUM = XMLQRY_NUM & "<LineAtQueryID>" & rs!id & "</LineAtQueryID>"
        XMLQRY_NUM = XMLQRY_NUM & "</SQLData>"
              
        .QRY_NUM = XMLQRY_NUM
         
        XMLgood_ID = "<SQLData>"
        XMLgood_ID = XMLgood_ID & "<connectionstring>ref</connectionstring>"
        XMLgood_ID = XMLgood_ID & "<connectionprovider>ref</connectionprovider>"
        XMLgood_ID = XMLgood_ID & "<query>select  item_id from RECEIVING_LINE where ID='%LineAtQueryID%'</query>"
        XMLgood_ID = XMLgood_ID & "<IDFieldName>ITEM_ID</IDFieldName>"
        XMLgood_ID = XMLgood_ID & "<BriefFields>ITEM_ID</BriefFields>"
        XMLgood_ID = XMLgood_ID & "<Brief>" & rs!item_id & "</Brief>"
        XMLgood_ID = XMLgood_ID & "<ID>" & rs!item_id & "</ID>"
        XMLgood_ID = XMLgood_ID & "<LineAtQueryID>" & rs!id & "</LineAtQueryID>"
        XMLgood_ID = XMLgood_ID & "</SQLData>"
        
        .good_id = XMLgood_ID
        
        .save
      End With
      
      Call GetNumValue(curQRow, "sequence", "{E7F3EE01-4EC4-41D2-8657-BA22089DE0E5}", Now, "IN%P", "")
      
      rs.MoveNext
    Wend
    
    
    Set rs = Session.GetData("select * from ITTCS_DEF where clientcode like '%<ID>" & Manager.GetIDFromXMLField(txtTheClient.Tag) & "</ID>%'")
        
    Dim srvid As String
    Dim srvObj As ITTCS.Application
    Dim srv As ITTD_SRV
    If Not rs.EOF Then
        srvid = rs!InstanceID
        Set srvObj = Manager.GetInstanceObject(srvid)
        Dim i As Long
        For i = 1 To srvObj.ITTCS_LIN.Count
           Set srv = srvObj.ITTCS_LIN.Item(i).srv
           If srv.ForReceiving = Boolean_Da Then
              If srvObj.ITTCS_LIN.Item(i).UseSrv = Boolean_Da Then
                With Item.ITTIN_SRV.Add
                   Set .srv = srv
                   .Quantity = 0
                   .save
                End With
              End If
           End If
        Next
    End If
  Else
  
    Dim errlines2 As Boolean
    ' Проверяем что код товара в заказе соответсвует коду поклажедателя
    Set rs = conn.Execute("select B.code b_code,e.code e_code,d.code d_code from receiving_line A  join item B on A.item_id =B.id  join receiving_order C on a.order_id = C.id join partner D on c.partner_id= d.id join partner E on b.CLASS= e.CODE where e.code <>d.code and a.order_id='" & qID & "'")
    While Not rs.EOF
        MsgBox "Для артикула с кодом " & rs!b_code & " не соответствует поклажедатель и выбранный в заказе клиент" & vbCrLf & "Исправьте ошибку в CORE IMS", vbOKOnly + vbExclamation, "Внимание"
        errlines2 = True
        rs.MoveNext
    Wend
    
    If errlines2 Then Exit Sub
  
  
    Set Item = Manager.GetInstanceObject(id)
    ' проверяем не появилось ли новых строк к заказу
    
    Set rs = conn.Execute("select A.*, B.DESCRIPTION  BRIEF, B.code ARTICUL from receiving_line A join item B on A.item_id =B.id where (a.PARENT_ID  is null or a.parent_id=0) and a.order_id='" & qID & "'")
    
    While Not rs.EOF
      For i = 1 To Item.ITTIN_QLINE.Count
        Set curQRow = Item.ITTIN_QLINE.Item(i)
        If Manager.GetIDFromXMLField(curQRow.good_id) = rs!item_id Then
         GoTo next_in_core
        End If
      Next
    
    
      Set curQRow = Item.ITTIN_QLINE.Add
      With curQRow
        
        .edizm = "" & rs!UOM
        .articul = "" & rs!articul
        
        If Not IsNull(rs!made_date) Then .made_date = rs!made_date
        If Not IsNull(rs!exp_date) Then .exp_date = rs!exp_date
        
        XMLLineAtQuery = "<SQLData>"
        XMLLineAtQuery = XMLLineAtQuery & "<connectionstring>ref</connectionstring>"
        XMLLineAtQuery = XMLLineAtQuery & "<connectionprovider>ref</connectionprovider>"
        XMLLineAtQuery = XMLLineAtQuery & "<query>select A.ID [Код], A.ORDER_ID [Код Заказа], A.QTY_ORD [Количество], B.DESCRIPTION [Наименование]  from receiving_line A join item B on A.item_id =B.id </query>"
        XMLLineAtQuery = XMLLineAtQuery & "<IDFieldName>Код</IDFieldName>"
        XMLLineAtQuery = XMLLineAtQuery & "<BriefFields>Наименование</BriefFields>"
        XMLLineAtQuery = XMLLineAtQuery & "<Brief>" & rs!brief & "</Brief>"
        XMLLineAtQuery = XMLLineAtQuery & "<ID>" & rs!id & "</ID>"
        XMLLineAtQuery = XMLLineAtQuery & "</SQLData>"
        
        .LineAtQuery = XMLLineAtQuery
        
        XMLQRY_NUM = "<SQLData>"
        XMLQRY_NUM = XMLQRY_NUM & "<connectionstring>ref</connectionstring>"
        XMLQRY_NUM = XMLQRY_NUM & "<connectionprovider>ref</connectionprovider>"
        XMLQRY_NUM = XMLQRY_NUM & "<query>select  QTY_ORD from receiving_line where ID='%LineAtQueryID%'</query>"
        XMLQRY_NUM = XMLQRY_NUM & "<IDFieldName>QTY_ORD</IDFieldName>"
        XMLQRY_NUM = XMLQRY_NUM & "<BriefFields>QTY_ORD</BriefFields>"
        XMLQRY_NUM = XMLQRY_NUM & "<ID>" & rs!QTY_ORD & "</ID>"
        XMLQRY_NUM = XMLQRY_NUM & "<Brief>" & rs!QTY_ORD & "</Brief>"
        XMLQRY_NUM = XMLQRY_NUM & "<LineAtQueryID>" & rs!id & "</LineAtQueryID>"
        XMLQRY_NUM = XMLQRY_NUM & "</SQLData>"
              
        .QRY_NUM = XMLQRY_NUM
         
        XMLgood_ID = "<SQLData>"
        XMLgood_ID = XMLgood_ID & "<connectionstring>ref</connectionstring>"
        XMLgood_ID = XMLgood_ID & "<connectionprovider>ref</connectionprovider>"
        XMLgood_ID = XMLgood_ID & "<query>select  item_id from RECEIVING_LINE where ID='%LineAtQueryID%'</query>"
        XMLgood_ID = XMLgood_ID & "<IDFieldName>ITEM_ID</IDFieldName>"
        XMLgood_ID = XMLgood_ID & "<BriefFields>ITEM_ID</BriefFields>"
        XMLgood_ID = XMLgood_ID & "<Brief>" & rs!item_id & "</Brief>"
        XMLgood_ID = XMLgood_ID & "<ID>" & rs!item_id & "</ID>"
        XMLgood_ID = XMLgood_ID & "<LineAtQueryID>" & rs!id & "</LineAtQueryID>"
        XMLgood_ID = XMLgood_ID & "</SQLData>"
        
        .good_id = XMLgood_ID
        
        .save
      End With
      
      Call GetNumValue(curQRow, "sequence", "{E7F3EE01-4EC4-41D2-8657-BA22089DE0E5}", Now, "IN%P", "")
next_in_core:
      rs.MoveNext
    Wend

    
  End If
End Sub



Private Sub cmdToClose_Click()
  StepNo = 9
  ProcessStatus
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
On Error Resume Next
  If UnloadMode <> 1 Then
    Cancel = -1
  Else
    wave.StopPlaying
    Set wave = Nothing
    Timer1.Enabled = False
    If MSComm1.PortOpen Then
      MSComm1.PortOpen = False
    End If
  End If
     
End Sub

' открытие строки заказа из грида при двойном клике
Private Sub gr_DblClick()
On Error Resume Next
If gr.ItemCount = 0 Then Exit Sub
    Dim u As Object
    Dim gui As Object
    Set gui = Manager.GetInstanceGUI(Item.id)
    
    Dim bm2
    bm2 = gr.RowBookmark(gr.RowIndex(gr.Row))
    Set u = Item.FindRowObject(Right(bm2, Len(bm2) - 38), Left(bm2, 38))
    If gui.ShowAddForm("", u) Then
      On Error Resume Next
      err.Clear
      u.save
      gr.RefreshRowBookmark bm2
    Else
        u.Refresh
    End If
    Set u = Nothing
Exit Sub
bye:
MsgBox err.Description, vbOKOnly + vbExclamation, "Изменение"
End Sub

'регистрация услуг
Private Sub srvGrid_AfterEdit(ByVal Row As Long, ByVal Col As Long)
On Error Resume Next
  If Col = 0 Then Exit Sub
  Item.ITTIN_SRV.Item(Row).Quantity = MyRound(srvGrid.TextMatrix(Row, Col))
  Item.ITTIN_SRV.Item(Row).save
End Sub

Private Sub srvGrid_BeforeEdit(ByVal Row As Long, ByVal Col As Long, Cancel As Boolean)
On Error Resume Next
If Col = 0 Then Cancel = True
End Sub

'регистрация веса
Private Sub Timer1_Timer()
  Dim w As Double
  On Error Resume Next
  If StepNo = 5 Then
    
    If txt3Poddon = "" Then
      txt3Poddon.SetFocus
    End If
    
    If txt3Weight = "0" Or Not IsNumeric(txt3Weight) Then
      w = GetWeight
      If w > 0 Then
        txt3Weight = Round(w + 0.001, 1)
        MyBeep "Poddon"
      End If
    End If
    
  End If
  If StepNo = 6 Then
    If txt4FullWeight = "0" Or Not IsNumeric(txt4FullWeight) Then
      w = GetWeight
      If w > 0 And w > MyRound(txt3Weight) + 5 Then
        txt4FullWeight = Round(w + 0.001, 1)
        MyBeep "Gruz"
      End If
  End If
  End If
End Sub



Private Sub txt3Poddon_Change()
On Error Resume Next
  CheckPoddon
End Sub

'проверка поддона
Private Function CheckPoddon() As Boolean
On Error Resume Next
  If txt3Poddon <> "" Then
    If Len(txt3Poddon) = 6 Then
      Set poddon = Nothing
      Set poddon = FindPoddon(txt3Poddon)
      If Not poddon Is Nothing Then
        MyBeep "Nomer"
        txt3Weight = poddon.Weight
      Else
        MsgBox "Номер паддона: " & txt3Poddon & "  не зарегистрирован"
      End If
    End If
  End If
End Function

Private Sub txt4CaliberBrutto_Change()
  If chk4Caliber.Value = vbChecked Then
    If MyRound(txt4CaliberWeight) > 0 And MyRound(txt4CaliberBrutto) > 0 Then
      If MyRound(txt4CaliberWeight) < MyRound(txt4CaliberBrutto) Then
            txt6PackageWeight = MyRound(txt4CaliberBrutto) - MyRound(txt4CaliberWeight)
            'txt4CaliberQuantity = Round(MyRound(txt4GoodWeight) / MyRound(txt4CaliberBrutto) + 0.1)
      End If
    End If
  End If

End Sub

Private Sub txt4CaliberQuantity_Change()
  If chk4Caliber.Value = vbUnchecked Then
    txt6Netto = MyRound("0" & txt4GoodWeight) - MyRound("0" & txt6PackageWeight) * MyRound("0" & txt4CaliberQuantity)
  Else
    txt6Netto = MyRound("0" & txt4CaliberWeight) * MyRound("0" & txt4CaliberQuantity)
  End If
  
End Sub

Private Sub txt4CaliberWeight_Change()


 If chk4Caliber.Value = vbChecked Then
    If MyRound(txt4CaliberWeight) > 0 And MyRound(txt4CaliberBrutto) > 0 Then
      If MyRound(txt4CaliberWeight) < MyRound(txt4CaliberBrutto) Then
            txt6PackageWeight = MyRound(txt4CaliberBrutto) - MyRound(txt4CaliberWeight)
            'txt4CaliberQuantity = Round(MyRound(txt4GoodWeight) / MyRound(txt4CaliberBrutto) + 0.1)
      End If
    End If
  End If
End Sub

Private Sub txt4FullWeight_Change()
  On Error Resume Next
  txt4GoodWeight = Round(MyRound(txt4FullWeight) - MyRound(txt4PWeight) + 0.001, 1)
 
   
End Sub



Private Sub txt4GoodWeight_Change()
  txt4CaliberWeight_Change
  
  If chk4Caliber.Value = vbUnchecked Then
    txt6Netto = MyRound("0" & txt4GoodWeight) - MyRound("0" & txt6PackageWeight) * MyRound("0" & txt4CaliberQuantity)
  Else
    txt6Netto = MyRound("0" & txt4CaliberWeight) * MyRound("0" & txt4CaliberQuantity)
  End If
End Sub

Private Sub txt6PackageWeight_Change()
  If chk4Caliber.Value = vbChecked Then
    txt4CaliberQuantity_Change
  Else
    txt6Netto = MyRound("0" & txt4GoodWeight) - MyRound("0" & txt6PackageWeight) * MyRound("0" & txt4CaliberQuantity)
  End If

End Sub

'смена номера заказа
Private Sub txtQryCode_Change()
On Error Resume Next
If (txtQryCode.Text = "") Then
  ' Убрать Brief и ID
  If (txtQryCode.Tag <> "") Then
    Dim XMLDoc As New DOMDocument
    Call XMLDoc.loadXML(txtQryCode.Tag)
    Dim Node As MSXML2.IXMLDOMNode
    For Each Node In XMLDoc.childNodes.Item(0).childNodes
     If (Node.baseName = "ID") Then
       Node.Text = ""
     End If
     If (Node.baseName = "Brief") Then
       Node.Text = ""
     End If
    Next
    txtQryCode.Tag = XMLDoc.XML
  End If
End If

cmdTheClient_Click

End Sub
  

Private Sub Form_Load()
On Error Resume Next
    StepNo = 0
    ProcessStatus
    INIT
    
End Sub

'выравнивание фрейма
Private Sub AdjFrame(f As Frame)
On Error Resume Next
  f.Top = 0
  f.Left = imgState.Width + 5 * Screen.TwipsPerPixelX
  f.Width = Me.ScaleWidth - imgState.Width - 10 * Screen.TwipsPerPixelX
  f.Height = Me.ScaleHeight - cmdNext.Height - 5 * Screen.TwipsPerPixelY
  
  If ITTIN_DEF1.Visible Then
    With ITTIN_DEF1
    .Left = 5 * Screen.TwipsPerPixelX
    .Top = 25 * Screen.TwipsPerPixelY
    .Width = f.Width - 10 * Screen.TwipsPerPixelX
    .Height = f.Height - 30 * Screen.TwipsPerPixelY
    End With
  End If
  
  If ITTIN_QLINE1.Visible Then
    With ITTIN_QLINE1
    .Left = 5 * Screen.TwipsPerPixelX
    .Top = 25 * Screen.TwipsPerPixelY
    .Width = f.Width - 10 * Screen.TwipsPerPixelX
    .Height = f.Height - 30 * Screen.TwipsPerPixelY
    End With
  End If
  
  If ITTIN_PALET1.Visible Then
    With ITTIN_PALET1
    .Left = 5 * Screen.TwipsPerPixelX
    .Top = 25 * Screen.TwipsPerPixelY
    .Width = f.Width - 10 * Screen.TwipsPerPixelX
    .Height = f.Height - 30 * Screen.TwipsPerPixelY
    End With
  End If
End Sub

'до шага 1 - выбор заказа
'Parameters:
' параметров нет
'See Also:
'  Before2
'  GetWeight4
'  INIT
'  InPoddon
'  InWeight
'  Item
'  NoMSG
'  ProcessStatus
'  SinglePoddon
'  StepNo
'Example:
'  call me.Before1()
Public Sub Before1()
Attribute Before1.VB_HelpID = 225
On Error Resume Next
    txtQryCode.Text = ""
    txtQryCode.Tag = XMLQryCode
    LoadBtnPictures cmdQryCode, cmdQryCode.Tag
    cmdQryCode.RemoveAllMenu
    txtTheClient.Text = ""
    txtTheClient.Tag = XMLTheClient
End Sub

'до шага 2 -  Параметры заказа
'Parameters:
' параметров нет
'See Also:
'  Before1
'  GetWeight4
'  INIT
'  InPoddon
'  InWeight
'  Item
'  NoMSG
'  ProcessStatus
'  SinglePoddon
'  StepNo
'Example:
'  call me.Before2()
Public Sub Before2()
Attribute Before2.VB_HelpID = 230
  On Error Resume Next
 
  Item.StatusID = "{EB3A7D03-EB3F-4541-AD93-D55C92BE02AC}"
 
  Item.ITTIN_DEF.Refresh
  
  Set ITTIN_DEF1.Item = Item.ITTIN_DEF.Item(1)
  ITTIN_DEF1.InitPanel
  
  Me.Caption = "Прием: " & txtQryCode
End Sub


'после шага 2 -  Параметры заказа
Private Function After2() As Boolean
On Error Resume Next
  If ITTIN_DEF1.IsOK Then
    ITTIN_DEF1.save
    After2 = True
    Item.ITTIN_DEF.Item(1).save
    Else
  MsgBox "Не все обязательные поля заплолнены"
   
  End If
End Function
'после шага 4 -Параметры груза по умолчанию
Private Function After4() As Boolean
On Error Resume Next
  If ITTIN_QLINE1.IsOK Then
    Dim rule As ITTD.ITTD_RULE
    Dim OK As Boolean
    OK = True
    Set rule = Item.ITTIN_DEF.Item(1).ThePartyRule
    ITTIN_QLINE1.save ' Это перенос данных из формы в объект
    
    
    ' Поверка значения срока годности
    If curQRow.exp_date <= Date + 60 Then
        Dim ms As String
        If curQRow.exp_date = 0 Then
            ms = "Не задан срок годности товара!" & vbCrLf & "Продолжить?"
        Else
            ms = "Срок годности товара истекает : " & Format(curQRow.exp_date, "dd/mm/yyyy") & vbCrLf & _
            "Указанная дата верна?"
        End If
        
        If MsgBox(ms, vbQuestion + vbYesNo, "Контроль срока годности") = vbNo Then
            OK = False
            Exit Function
        End If
    End If
    
    
    
    
    
    If rule.TheCountry = Boolean_Da Then
     If curQRow.made_country Is Nothing Then
      OK = False
      MsgBox "Не заплолнено поле: Страна производитель"
      Exit Function
     End If
    End If
    
    If rule.TheFactory = Boolean_Da Then
     If curQRow.factory Is Nothing Then
      OK = False
      MsgBox "Не заплолнено поле: Завод"
      Exit Function
     End If
    End If
    
    If rule.killplace = Boolean_Da Then
     If curQRow.KILL_NUMBER Is Nothing Then
      OK = False
      MsgBox "Не заплолнено поле: № Бойни"
      Exit Function
     End If
    End If
    
    
    
    
    'ITTIN_QLINE1.save
    After4 = True
    
    'curQRow.save
  Else
  MsgBox "Не все обязательные поля заплолнены"
  End If
End Function


'после шага 6- Вес поддона с грузом
Private Function After6() As Boolean
On Error Resume Next
  After6 = True
  If txt4CaliberQuantity = "" Then
    MsgBox "Задайте количество коробов"
     After6 = False
     Exit Function
  End If
  
  If txt4NewPlace = "" Then
    MsgBox "Задайте буферную ячейку"
     After6 = False
     Exit Function
  End If

  If chk4Caliber.Value = vbChecked Then
     If MyRound(txt4CaliberWeight) > 0 And MyRound(txt4CaliberBrutto) > 0 Then
        If MyRound(txt4CaliberWeight) < MyRound(txt4CaliberBrutto) Then
            After6 = True
        Else
            MsgBox "Задайте параметры короба"
            After6 = False
        End If
      Else
            MsgBox "Задайте параметры короба"
            After6 = False
      End If
  End If
  
  
  ' проверяем  соразмерность коробов
  Dim rs As ADODB.Recordset
  Dim gid As String
  Dim tstqry As String
  gid = GetBRIEFFromXMLField(curQRow.good_id)
  
  tstqry = ""
  tstqry = tstqry & "select avg((ITTIN_PALET_GoodWithPaletWeight - poddonweight) / ITTIN_PALET_CaliberQuantity) test"
  tstqry = tstqry & " From dbo.V_viewITTIN_ITTIN_PALET"
  tstqry = tstqry & " Where ITTIN_PALET_IsBrak_VAL = 0"
  tstqry = tstqry & " and ITTIN_QLINE_good_id =" & gid
  
  If Not curQRow.made_country Is Nothing Then
    tstqry = tstqry & " and ITTIN_PALET_made_country_ID ='" & curQRow.made_country.id & "'"
  End If
  If Not curQRow.factory Is Nothing Then
    tstqry = tstqry & " and ITTIN_PALET_Factory_ID ='" & curQRow.factory.id & "'"
  End If
  
  If Not curQRow.KILL_NUMBER Is Nothing Then
    tstqry = tstqry & " and ITTIN_PALET_KILL_NUMBER_ID ='" & curQRow.KILL_NUMBER.id & "'"
  End If

' предупрежедние  о выходе за границы 10 % коридора по весу короба
  Dim corob As Double
  corob = MyRound(txt6Netto) / txt4CaliberQuantity
  Set rs = Session.GetData(tstqry)
  If Not rs Is Nothing Then
    If Not rs.EOF Then
        If corob > rs!test * 1.1 Or rs!test > corob * 1.1 Then
            If MsgBox("Вес одного короба (" & Round(corob, 2) & ") выходит за рамки средних (" & Round(rs!test, 2) & ") значений." & vbCrLf & "Коробов на подоне: <" & txt4CaliberQuantity & ">" & vbCrLf & "Вы уверены что задано верное количество коробов ? ", vbYesNo + vbExclamation, "Проверьте правильность ввода") = vbNo Then
              After6 = False
            End If
        End If
    End If
  End If
  
  
  
  

End Function

'после шага 7 -  Уточнение данных по поддону
Private Function After7() As Boolean
On Error Resume Next
  After7 = False
  If ITTIN_PALET1.IsOK Then
    ITTIN_PALET1.save   ' Это перенос данных из формы в объект
    After7 = True
    On Error GoTo bye
'    сохраняем ручные изменения
    LinePal.save
  Else
    MsgBox "Не все обязательные поля заплолнены"
  End If
  Exit Function
bye:
  MsgBox err.Description
End Function

'после шага 9 -Закрытие заказа
Private Function After9() As Boolean
  After9 = True
   If MsgBox("Закрыть заказ ", vbExclamation + vbYesNo) = vbYes Then
    Item.StatusID = "{E3728A5B-6B62-48BF-9E5A-D4F0BCBFC75B}"
    CloseZakaz
  End If
End Function

'закрытие заказа
Private Sub CloseZakaz()
On Error Resume Next
  Dim conn As ADODB.Connection
  Dim cmd As ADODB.Command
  Dim rs As ADODB.Recordset
  Dim rlID As String
  Dim oid As String
  
  
  Set conn = GetCoreConn
  If conn.State <> adStateOpen Then
    conn.open
  End If
  oid = Manager.GetIDFromXMLField(Item.ITTIN_DEF.Item(1).QryCode)
  
  ' закрытие заказа в CORE
  Dim i As Long
  Set cmd = New ADODB.Command
  cmd.CommandText = "update RECEIVING_order set status=2 where id=" & oid
  Set cmd.ActiveConnection = conn
  err.Clear
  cmd.Execute

  If err.Number <> 0 Then
    MsgBox err.Description
  End If
  
  
  For i = 1 To Item.ITTIN_QLINE.Count
    Set curQRow = Item.ITTIN_QLINE.Item(i)
    
    rlID = Manager.GetIDFromXMLField(curQRow.good_id)

    cmd.CommandText = "update RECEIVING_LINE SET status=2 where order_id = " & oid & " and item_ID=" & rlID
    err.Clear
    Set cmd.ActiveConnection = conn
    cmd.Execute
    If err.Number <> 0 Then
      MsgBox err.Description
    End If
  Next
'  Item.ITTIN_DEF.Item(1).track_time_out = Now
'  Item.ITTIN_DEF.Item(1).save
End Sub


'до шага 3 - Выбор строки заказа
Private Sub Before3()
On Error Resume Next
 'SaveHeader Item.ITTIN_DEF.Item(1)s
     If NoMSG = False Then
         If MsgBox("Напечатать пустографку?", vbYesNo) = vbYes Then
         
          Set repShowSRVIN = Nothing
          Set repShowSRVIN = New ReportShow
          repShowSRVIN.ReportSource = "V_viewITTIN_ITTIN_SRV"
          repShowSRVIN.ReportFilter = " instanceid='" & Item.id & "'"
          repShowSRVIN.ReportPath = App.Path & "\in_srv.rpt"
          repShowSRVIN.PrinterName = "" ' GetSetting("RBH", "ITTSETTINGS", "DOCPRN", "")
          repShowSRVIN.Run True
          Set repShowSRVIN = Nothing
          NoMSG = True
        End If
    End If

    'Инициализироать таблицу строк заказа
    gr.ItemCount = 0
    'Item.ITTIN_QLINE.Sort = "sequence"
    Item.ITTIN_QLINE.Refresh
    Item.ITTIN_QLINE.PrepareGrid gr
    
    gr.ItemCount = Item.ITTIN_QLINE.Count
End Sub

' до шага 5 - Взвешивание поддона
Private Sub Before5()
  On Error Resume Next
  txt3Poddon = InPoddon
  InPoddon = ""
  txt3Weight = InWeight
  InWeight = 0
  
    If curQRow Is Nothing Then Exit Sub
    
'    получаем товар
   Dim XMLDocLineAtQuery As New DOMDocument
   Call XMLDocLineAtQuery.loadXML(curQRow.LineAtQuery)
   If (err.Number = 0 And XMLDocLineAtQuery.parseError.errorCode = 0) Then
     Dim nodeLineAtQuery As MSXML2.IXMLDOMNode
     
     For Each nodeLineAtQuery In XMLDocLineAtQuery.childNodes.Item(0).childNodes
       If (nodeLineAtQuery.baseName = "Brief") Then
        txt3Good.Text = nodeLineAtQuery.Text
        Exit For
       End If
     Next
   End If
  
'      получаем кол-во в заказе
      Dim XMLDocQRY_NUM As New DOMDocument
      Dim plan As Double
On Error Resume Next
  If (curQRow.QRY_NUM <> "") Then
    Call XMLDocQRY_NUM.loadXML(curQRow.QRY_NUM)
    If (err.Number = 0 And XMLDocQRY_NUM.parseError.errorCode = 0) Then
      Dim nodeQRY_NUM As MSXML2.IXMLDOMNode
      
      For Each nodeQRY_NUM In XMLDocQRY_NUM.childNodes.Item(0).childNodes
        If (nodeQRY_NUM.baseName = "Brief") Then
          plan = MyRound("0" & nodeQRY_NUM.Text)
         Exit For
        End If
      Next
    End If
  End If
  
'  план и осталось принть
  txt3FromUser = plan
  txt3InQry.Text = plan - curQRow.CurValue

  
'  звуковая поддержка
  If GetSetting("RBH", "ITTSETTINGS", "SOUND", "False") <> "False" Then
    Set wave = New MTZMCI.WavePlayer
    wave.OpenDevice
  End If

'  параметры COM порта
  emu = Not (GetSetting("RBH", "ITTSETTINGS", "EMULATOR", "False") = "False")
  psetup = GetSetting("RBH", "ITTSETTINGS", "WSETUP", "4800,e,8,1")
  port = GetSetting("RBH", "ITTSETTINGS", "WPORT", 1)
  Me.Caption = "Прием: " & txtQryCode & "\" & txt3Good & " (" & txt3InQry & ")"
  
  ' открытие порта связи с весами
  If Not emu Then
    If MSComm1.PortOpen Then
      MSComm1.PortOpen = False
    End If
      
    MSComm1.Handshaking = comNone
    MSComm1.DTREnable = False
    MSComm1.EOFEnable = False
      
    MSComm1.Settings = psetup
    MSComm1.CommPort = port
    MSComm1.PortOpen = True
  End If
  
  
End Sub


'до шага 4 -  Параметры груза по умолчанию
Private Sub Before4()
On Error Resume Next

  Set ITTIN_QLINE1.Item = curQRow
  ITTIN_QLINE1.InitPanel

End Sub


'до шага 6 - Вес поддона с грузом
Private Sub Before6()
On Error Resume Next

'  название товара
  If curQRow Is Nothing Then Exit Sub
  txt4NewPlace = ""
   Dim XMLDocLineAtQuery As New DOMDocument
   Call XMLDocLineAtQuery.loadXML(curQRow.LineAtQuery)
   If (err.Number = 0 And XMLDocLineAtQuery.parseError.errorCode = 0) Then
     Dim nodeLineAtQuery As MSXML2.IXMLDOMNode
     
     For Each nodeLineAtQuery In XMLDocLineAtQuery.childNodes.Item(0).childNodes
       If (nodeLineAtQuery.baseName = "Brief") Then
        txt4Good.Text = nodeLineAtQuery.Text
        Exit For
       End If
     Next
   End If
  
'      план по заказу
      Dim XMLDocQRY_NUM As New DOMDocument
      Dim plan As Double
On Error Resume Next
  If (curQRow.QRY_NUM <> "") Then
    Call XMLDocQRY_NUM.loadXML(curQRow.QRY_NUM)
    If (err.Number = 0 And XMLDocQRY_NUM.parseError.errorCode = 0) Then
      Dim nodeQRY_NUM As MSXML2.IXMLDOMNode
      
      For Each nodeQRY_NUM In XMLDocQRY_NUM.childNodes.Item(0).childNodes
        If (nodeQRY_NUM.baseName = "Brief") Then
          plan = MyRound("0" & nodeQRY_NUM.Text)
         Exit For
        End If
      Next
    End If
  End If
  
  
'  веса
  txt4FullWeight = 0
  txt4InQry.Text = plan - curQRow.CurValue
  
  txt4CaliberWeight = curQRow.CaliberWeight
  txt4CaliberQuantity = 0
  txt4PNum = txt3Poddon
  txt4PWeight = txt3Weight
  txt4FromUser = txt3FromUser
  txt6PackageWeight = curQRow.PackageWeight
  
  txt4CaliberBrutto = curQRow.KorobBrutto
  txt4CaliberWeight = curQRow.KorobNetto

  If curQRow.isCalibrated = Boolean_Da Then
    chk4Caliber.Value = vbChecked
  Else
    chk4Caliber.Value = vbUnchecked
  End If
  
 
  
  ' состояния для типа:ITTPL Палетта
' "{6FDCC60F-8C10-47E3-BB36-110C49EF2144}" 'Взвешена
' "{93E3DE6D-AB8D-48A6-84FD-152BF63FB14C}" 'На складе с грузом
' "{7BD977D0-0EF9-4F0D-B047-E409BB1616CA}" 'Отправлена с грузом
' "{E9BFB749-A606-4DEF-A429-07D636F108C6}" 'Пустая
' "{588C5203-1E59-408E-92A1-B3DFED8C19FA}" 'Списана
  
  Dim P As ITTPL_DEF
  log.message "Взвешивание паддона: " & txt4PNum & " вес паддона " & MyRound(txt3Weight)
  
  ' поддон помечается как загруженный
  Set P = FindPoddon(txt3Poddon)
  If Not P Is Nothing Then
    
    P.Weight = MyRound(txt3Weight)
    P.WDate = Date
    P.save
    P.Application.StatusID = "{6FDCC60F-8C10-47E3-BB36-110C49EF2144}"
  End If
  
  
'  ищем паддон в списке пустых к заказу
  Dim i As Long
  Dim eplOK As Boolean
  eplOK = False
  For i = 1 To Item.ITTIN_EPL.Count
    If Item.ITTIN_EPL.Item(i).TheNumber.id = P.id Then
'      если надо уточняем вес
      If Item.ITTIN_EPL.Item(i).PalWeight > 0 Then
        eplOK = True
      Else
        Item.ITTIN_EPL.Item(i).PalWeight = P.Weight
        Item.ITTIN_EPL.Item(i).save
          eplOK = True
      End If
      
    End If
  Next
  
'  если надо добавляем в список
  If Not eplOK Then
    With Item.ITTIN_EPL.Add
      Set .TheNumber = P
      .PalWeight = P.Weight
      .save ' добавляем в список пустых паллет
    End With
  End If
  
  
  If curQRow.isCalibrated = Boolean_Da Then
    chk4Caliber.Value = vbChecked
    txt4CaliberWeight.Enabled = True
  Else
    chk4Caliber.Value = vbUnchecked
    txt4CaliberWeight.Enabled = False
  End If
End Sub

'до шага 7 -  Уточнение данных по поддону
Private Sub before7()
On Error Resume Next

  Dim ors As ADODB.Recordset
  Dim con As ADODB.Connection
  Set con = Manager.GetCustomObjects("refref")
  Set ors = con.Execute("select NUMBER,ord_date from receiving_order where ID=" & Manager.GetIDFromXMLField(txtQryCode.Tag))
  
  log.message "Паддон: " & txt4PNum & " вес " & MyRound(txt4FullWeight)
  
  curQRow.ITTIN_PALET.Refresh
  
'  создается запись о принятой паллете в памяти
  Set LinePal = curQRow.ITTIN_PALET.Add
  With LinePal
'    заполняются поля
    Set poddon = FindPoddon(txt3Poddon)
    Set .TheNumber = poddon
    
    poddon.CurrentPosition = txt4NewPlace
    poddon.QryInDate = ors!ord_date
    poddon.QryInNumber = ors!Number
    
    
    .PalWeight = MyRound(txt3Weight)
    .GoodWithPaletWeight = MyRound(txt4FullWeight)
    .CaliberQuantity = MyRound(txt4CaliberQuantity)
    .FullPackageWeight = MyRound("0" & txt6PackageWeight) * MyRound("0" & txt4CaliberQuantity)
    .made_date_to = curQRow.made_date_to
    .vetsved = curQRow.vetsved
    .BufferZonePlace = txt4NewPlace
    .PackageWeight = MyRound("0" & txt6PackageWeight)
    
    Set .made_country = curQRow.made_country
    Set .factory = curQRow.factory
    Set .KILL_NUMBER = curQRow.KILL_NUMBER
    Set .PartRef = curQRow.PartRef
    .made_date = curQRow.made_date
    .exp_date = curQRow.exp_date
    .VidOtruba = curQRow.VidOtruba
    .KorobBrutto = MyRound(txt4CaliberBrutto)
    .KorobNetto = MyRound(txt4CaliberWeight)
    
    
    If chk4Caliber.Value = vbChecked Then
      .isCalibrated = Boolean_Da
      
      If curQRow.KorobBrutto <= 0 Then
        curQRow.KorobBrutto = .KorobBrutto
      End If
      
      If curQRow.KorobNetto <= 0 Then
        curQRow.KorobNetto = .KorobNetto
      End If
     
    Else
      .isCalibrated = Boolean_Net
    End If
    
    On Error GoTo bye
    
    
    ' тут будет выведено предупреждение об ошибке, если случится беда
'    сохраняем даные по поддону
    poddon.save
    
'    сохраняем изменения даных товара в строке заказа
    curQRow.save
    
'    сохраняем данные по новой паллете
    .save  ' тут необходимо сохранить чтобы нормально отнумеровать строку
    log.message "сохранение в ВК"
    
    GoTo save_ok
    
bye:
  log.Error err.Description
  MsgBox err.Description
  curQRow.ITTIN_PALET.Refresh
  
save_ok:

  End With
  
'  выдаем номер по порядку
  Call GetNumValue(LinePal, "sequence", "{E7F3EE01-4EC4-41D2-8657-BA22089DE0E5}", Now, "INPAL%P", "")
  
  
'  показываем окно для уточнения
  Set ITTIN_PALET1.Item = LinePal
  ITTIN_PALET1.InitPanel
  
End Sub


'до шага 9 -Закрытие заказа
Private Sub Before9()
  On Error Resume Next
  Dim i As Long
  
  Dim pcnt As Long
  pcnt = 0
  
  For i = 1 To Item.ITTIN_QLINE.Count
      pcnt = pcnt + Item.ITTIN_QLINE.Item(i).ITTIN_PALET.Count
  Next
  
  Dim srv As ITTD.ITTD_SRV
    srvGrid.Rows = Item.ITTIN_SRV.Count + 1
    For i = 1 To Item.ITTIN_SRV.Count
    
      Set srv = Item.ITTIN_SRV.Item(i).srv
      srvGrid.TextMatrix(i, 0) = Item.ITTIN_SRV.Item(i).srv.brief
      srvGrid.TextMatrix(i, 1) = Item.ITTIN_SRV.Item(i).Quantity
      If srv.AutoSetPallet = Boolean_Da Then
         If Item.ITTIN_SRV.Item(i).Quantity = 0 Then
                   srvGrid.TextMatrix(i, 1) = pcnt
         End If
      End If
    Next
    
    log.message "заказ закрыт " & txtQryCode
End Sub

'до шага 8 - Документ на поддон с грузом
Private Sub Before8()
 On Error Resume Next
  
  With curQRow
    If chk4Caliber.Value = vbChecked Then
     .isCalibrated = Boolean_Da
     .CaliberWeight = MyRound(txt4CaliberWeight)
    Else
     .isCalibrated = Boolean_Net
     .CaliberWeight = 0
    End If
    
    .CurValue = .CurValue + MyRound(txt6Netto)
    
    .FullPackageWeight = .FullPackageWeight + MyRound(txt6PackageWeight) * MyRound(txt4CaliberQuantity)
    
   
    .PackageWeight = MyRound(txt6PackageWeight)
    
    .save
  End With
  
  
  If MyRound(txt3InQry) < MyRound(txt6Netto) Then
    cmdAddW.Enabled = False
  Else
    cmdAddW.Enabled = True
  End If
  
  On Error Resume Next
  If MSComm1.PortOpen Then
      MSComm1.PortOpen = False
  End If
  
  Set pal = LinePal.TheNumber
  
  Dim OK As Boolean
  Dim savecnt As Long
  
  OK = False
  frameSave.Visible = True
  DoEvents
  savecnt = 1
  While Not OK
    
    OK = SaveRCVRowToCore(Item, curQRow, LinePal, txt4NewPlace.Tag, txtQryCode.Text)
    If Not OK Then
       OK = Not MagicMessageBox("Ошибка при сохранении данных в CORE. Паддон: " & pal.brief & vbCrLf & "Будет проведена повторная попытка записи данных.")
       Dim conn As Object
       Set conn = GetCoreConn(True)
       
    End If
  Wend
  frameSave.Visible = False
  DoEvents

  
  pal.CurrentPosition = txt4NewPlace
  pal.CurrentWeightBrutto = MyRound(txt4FullWeight)
  pal.CurrentGood = curQRow.good_id
  pal.CaliberQuantity = LinePal.CaliberQuantity
  pal.PackageWeight = MyRound(txt6PackageWeight) * MyRound(txt4CaliberQuantity)
  
  
  OK = True
  While OK
  
    OK = False
    ' тут будет выведено предупреждение об ошибке, если случится беда
    
    err.Clear
    curQRow.save
    LinePal.save  ' тут необходимо сохранить чтобы нормально отнумеровать строку
    If err.Number <> 0 Then
        MsgBox err.Description
        OK = True
    End If
    
    err.Clear
    pal.save
    If err.Number <> 0 Then
        MsgBox err.Description
        OK = True
    End If
    
  
    err.Clear
    pal.Application.StatusID = "{93E3DE6D-AB8D-48A6-84FD-152BF63FB14C}"
    If err.Number <> 0 Then
        MsgBox err.Description
        OK = True
    End If
 Wend
  
  ' печать стикера
  PrintSticker pal, MyRound(txt4CaliberWeight)
  

  If SinglePoddon Then
    cmdCancel_Click
  End If
End Sub



Private Sub gr_UnboundReadData(ByVal RowIndex As Long, ByVal Bookmark As Variant, ByVal Values As GridEX20.JSRowData)
  On Error Resume Next
  Item.ITTIN_QLINE.LoadRow gr, RowIndex, Bookmark, Values
End Sub

Private Sub gr_RowColChange(ByVal LastRow As Long, ByVal LastCol As Integer)
On Error Resume Next
  If gr.ItemCount = 0 Then
    Exit Sub
  End If
  
  If gr.Row > 0 Then
   If gr.RowIndex(gr.Row) > 0 Then
    If LastRow <> gr.Row Then
      
      Dim bm
      bm = gr.RowBookmark(gr.RowIndex(gr.Row))
      
      Set curQRow = Item.FindRowObject(Right(bm, Len(bm) - 38), Left(bm, 38))
      
    End If
   End If
  End If
End Sub

'обработка смены состояния визарда
'Parameters:
' параметров нет
'See Also:
'  Before1
'  Before2
'  GetWeight4
'  INIT
'  InPoddon
'  InWeight
'  Item
'  NoMSG
'  SinglePoddon
'  StepNo
'Example:
'  call me.ProcessStatus()
Public Sub ProcessStatus()
Attribute ProcessStatus.VB_HelpID = 265
On Error Resume Next
 ' скрываем все фреймы
  Frame1.Visible = False
  Frame2.Visible = False
  Frame3.Visible = False
  Frame4.Visible = False
  Frame5.Visible = False
  Frame6.Visible = False
  Frame7.Visible = False
  Frame8.Visible = False
  Frame9.Visible = False
  
  cmdBack.Visible = False
  cmdNext.Caption = "Далее"
  cmdAddW.Visible = False
  cmdCancel.Visible = True

  Select Case StepNo
  Case 0
    cmdNext.Caption = "Начать процесс"
    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
  Case 1
  'Шаг 1 - выбор заказа
    Before1
    Frame1.Visible = True
    AdjFrame Frame1
    
    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
    
  Case 2
  'Шаг 2 - Параметры заказа
    Before2
    Frame2.Visible = True
    AdjFrame Frame2
    
    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
    
  Case 3
  'Шаг 3 - Выбор строки заказа
    Before3
    Frame3.Visible = True
    AdjFrame Frame3
    
    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
  
  Case 4
  'Шаг4 - Параметры груза по умолчанию
    Before4
    Frame4.Visible = True
    AdjFrame Frame4

    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
    
  Case 5
  'Шаг 5 - Взвешивание поддона
    Before5
    Frame5.Visible = True
    AdjFrame Frame5
    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
    

    
  Case 6
  'Шаг 6 - Вес поддона с грузом
    Before6
    Frame6.Visible = True
    AdjFrame Frame6
    
    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
    
  Case 7
  'Шаг7 - Уточнение данных по поддону
    before7
    Frame7.Visible = True
    AdjFrame Frame7
    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
  Case 8
  'Шаг 8 - Документ на поддон с грузом
    Before8
    cmdBack.Caption = "Другая позиция заказа"
    cmdAddW.Caption = "Следующий поддон"
    cmdBack.Visible = True
    cmdAddW.Visible = True
    Frame8.Visible = True
    AdjFrame Frame8
    
    ' тут немного меняются позиции кнопок
    If cmdAddW.Enabled Then
      SetBtnPos cmdCancel, 1
      SetBtnPos cmdNext, 2
      SetBtnPos cmdBack, 3
      SetBtnPos cmdAddW, 4
    Else
      SetBtnPos cmdAddW, 1
      SetBtnPos cmdCancel, 2
      SetBtnPos cmdBack, 4
      SetBtnPos cmdNext, 3
    End If

    
  Case 9
   'Шаг 9 - Закрытие заказа
    Before9
    Frame9.Visible = True
    AdjFrame Frame9
    cmdNext.Caption = "Закрыть заказ"
    SetBtnPos cmdCancel, 3
    SetBtnPos cmdNext, 4
    
  Case 10
  ' выгрузка формы
   Unload Me
   
  End Select
  
  ' грузим картинку соответствующую шагу
  If StepNo >= 0 And StepNo < 10 Then
    imgState.Picture = LoadPicture(App.Path & "\Design\Step" & (StepNo) & ".bmp")
  Else
    imgState.Picture = LoadPicture(App.Path & "\Design\Step0.bmp")
  End If
End Sub


'проверка состояния данных после шага
Private Function CheckAfter() As Boolean
On Error Resume Next
  Dim result As Boolean
  
  Select Case StepNo
  Case 0
    ' do nothiing
    result = True
  Case 1
    ' Выбрали строку заказа
    '
  
    If txtQryCode.Text = "" Then
      result = False
      MsgBox "Следует выбрать заказ"
    Else
      result = True
    End If
  Case 2
    ' все поля заполнены
    result = After2
    
  Case 3
    If Not curQRow Is Nothing Then
      result = True
    Else
      MsgBox "Надо выбрать строку"
    End If
    
  Case 4
    result = After4
    
  Case 5
    ' Взвесили поддон и ввели его номер
    '
     result = True
     
     If txt3Poddon = "" Then
      MsgBox "Считайте сканером, или введите на клавиатуре номер поддона"
      result = False
     End If
     
     If txt3Weight = "" Or Not IsNumeric(txt3Weight) Then
      MsgBox "Дождитесь полчения веса поддона с весов"
      result = False
     End If
     
     
     ' проверить состояние поддона в базе
     
     Set poddon = FindPoddon(txt3Poddon)
     
     If poddon Is Nothing Then
         MsgBox "Поддон с таким номером не обнаружен в базе данных"
         result = False
     Else
      If poddon.Application.StatusID = "{6FDCC60F-8C10-47E3-BB36-110C49EF2144}" Or _
         poddon.Application.StatusID = "{E9BFB749-A606-4DEF-A429-07D636F108C6}" Then
         
         ' проверяем не взвешен ли он к другому заказу
         Dim checkrs As ADODB.Recordset
         Set checkrs = Session.GetData("select * from v_viewITTIN_ITTIN_EPL" & _
         " where  ITTIN_EPL_TheNumber_ID = '" & poddon.id & "' and " & _
         " instanceid <> '" & Item.id & "' and " & _
         " INTSANCEStatusID in ('{EB3A7D03-EB3F-4541-AD93-D55C92BE02AC}','{49A919F7-94A6-49DE-9280-1EEAC973647B}')")
         If checkrs Is Nothing Then
          MsgBox err.Description
         End If
         If Not checkrs.EOF Then
          MsgBox "Поддон с таким номером зарезервирован для заказа <" & checkrs!ITTIN_DEF_QryCode & "> и не можт быть использован"
          result = False
         End If
         
      Else
         MsgBox "Поддон с таким номером находится в состоянии <" & poddon.Application.StatusName & "> и не можт быть использован"
         result = False
      End If
     End If
     
     
     
  Case 6
    ' взвешиваем груз
    result = After6
    If txt4FullWeight = "" Or txt4FullWeight = "0" Or Not IsNumeric(txt4FullWeight) Then
      MsgBox "Дождитесь полчения веса груза с весов"
      result = False
    ElseIf MyRound(txt4FullWeight) > 1200 Then
      MsgBox "Вес поддона превышает 1200 кг."
      txt4FullWeight = 0
      result = False
    End If
    
    If MyRound(txt6Netto) <= 0 Then
      MsgBox "Значения веса НЕТТО должны быть больше 0"
      result = False
    End If
    
    If MyRound(txt6PackageWeight) <= 0 Then
      MsgBox "Значения веса упаковки должны быть больше 0"
      result = False
    End If
    
    If MyRound(txt6PackageWeight) > 10 Then
      MsgBox "Значения веса упаковки должны быть меньше 10 кг."
      result = False
    End If
    
    If chk4Caliber.Value = vbChecked Then
      If MyRound(txt4CaliberWeight) <= 0 Then
        MsgBox "Значения веса калиброванного товара должны быть больше 0"
        result = False
      End If
    End If
    
    If MyRound(txt4CaliberQuantity) <= 0 Then
      MsgBox "Количество коробов должны быть больше 0"
      result = False
    End If
   
    
    If result Then
      If MsgBox("Зарегистрировать прием палеты?", vbExclamation + vbYesNo, "Внимание") = vbYes Then
        result = True
      Else
        result = False
        log.message "Отказ от регистрации паллеты: " & txt3Poddon
      End If
    End If
    
    
  Case 7
     
    result = After7
    
  Case 8
   ' сохраняем заказ
    result = True
  Case 9
  '
  result = After9
  End Select
  CheckAfter = result
End Function

' Функция опроса весов
'Parameters:
' параметров нет
'Returns:
'  значение типа Double
'See Also:
'  Before1
'  Before2
'  INIT
'  InPoddon
'  InWeight
'  Item
'  NoMSG
'  ProcessStatus
'  SinglePoddon
'  StepNo
'Example:
' dim variable as Double
'  variable = me.GetWeight4()
Public Function GetWeight4() As Double
Attribute GetWeight4.VB_HelpID = 235
  On Error Resume Next
    Dim ws As String
    Dim ch As String
    Dim start As Single
    Dim ws1 As String
    Dim ws2 As String
    GetWeight4 = 0
    
    MSComm1.output = Chr(68)
    start = Timer   ' Set start time.
    Do While Timer < start + 0.2
    Loop
    
    If MSComm1.InBufferCount > 0 Then GoTo answer_s1
    start = Timer   ' Set start time
    Do While Timer < start + 0.5
       If MSComm1.InBufferCount > 0 Then GoTo answer_s1
    Loop
    
    GetWeight4 = 0  ' не дождались ответа
    Exit Function
    
answer_s1:
    
    ws = MSComm1.Input
    ' первый раз вес стабилен
    If Asc(Mid(ws, 1, 1)) >= 128 Then
    
      ''''''''''''''''''''''''''''''''''''
      'ЗАДЕРЖКА !!!
      '
      ' ждем чтобы исключить дребезг
      start = Timer   ' Set start time.
      Do While Timer < start + 0.3
      Loop
      
      ' спрашиваем еще раз
      MSComm1.output = Chr(68)
      
      
      start = Timer   ' Set start time.
      Do While Timer < start + 0.2
      Loop
      
      If MSComm1.InBufferCount > 0 Then GoTo answer_s2
      start = Timer   ' Set start time
      Do While Timer < start + 0.5
         If MSComm1.InBufferCount > 0 Then GoTo answer_s2
      Loop
      
    End If
    
    GetWeight4 = 0 ' нет второго ответа
    Exit Function
    
answer_s2:

    ws = MSComm1.Input
    
    ' второй раз вес тоже стабилен
    If Asc(Mid(ws, 1, 1)) >= 128 Then
      MSComm1.output = Chr(69)
      start = Timer   ' Set start time.
      Do While Timer < start + 0.2
      Loop
      If MSComm1.InBufferCount > 0 Then GoTo answer_w1
      start = Timer   ' Set start time
      Do While Timer < start + 0.5
       If MSComm1.InBufferCount > 0 Then GoTo answer_w1
      Loop
    End If
    
    GetWeight4 = 0 ' вес не стабилен, или нет ответа
    Exit Function
    
answer_w1:

    ' прочли показания веса
    ws1 = MSComm1.Input
    
    
    ''''''''''''''''''''''''''''''''''''
    'ЗАДЕРЖКА !!!
    '
    ' ждем чтобы исключить дребезг
    start = Timer   ' Set start time.
    Do While Timer < start + 0.3
    Loop
    
    ' спрашиваем вес еще раз
    MSComm1.output = Chr(69)
    start = Timer   ' Set start time.
    Do While Timer < start + 0.2
    Loop
    
    If MSComm1.InBufferCount > 0 Then GoTo answer_w2
    start = Timer   ' Set start time
    Do While Timer < start + 0.5
       If MSComm1.InBufferCount > 0 Then GoTo answer_w2
    Loop
    
    GetWeight4 = 0 '  нет ответа
    Exit Function
      
answer_w2:
    ws = MSComm1.Input
  
    If ws1 = ws Then
      GetWeight4 = (Asc(Mid(ws, 2, 1)) * 256 + Asc(Mid(ws, 1, 1))) / 10
    Else
      GetWeight4 = 0 ' вес не стабилен, отличаются показания
    End If
  
End Function

'получение или эмуляция веса
Private Function GetWeight() As Double
On Error Resume Next
  If emu Then
    If StepNo = 6 Then
      GetWeight = Rnd(Second(Now)) * 1000 + MyRound("0" & txt3Weight)
    Else
      GetWeight = Rnd(Second(Now)) * 40
    End If
  Else
    GetWeight = GetWeight4
  End If
End Function

'звуковой сигнал
Private Sub MyBeep(ByVal BeepType As String)
      If Not wave Is Nothing Then
        On Error Resume Next
        wave.OpenFile App.Path & "\" & BeepType & ".wav"
        wave.Play
      End If
End Sub


'вычисление клиента по заказу
Private Sub cmdTheClient_Click()
  On Error Resume Next
  Dim pars As New NamedValues
  Dim res As NamedValues
  If (txtTheClient.Tag = "") Then
    ' call MsgBox("Нет данных для запроса")
  Else
    Call pars.Add("permanent", "true")
    txtTheClient.Tag = AddSQLRefIds(txtTheClient.Tag, "QryCode", txtQryCode.Tag)
    txtTheClient.Tag = Replace(txtTheClient.Tag, "%ID%", " 1=1 ")
    Call pars.Add("xml", txtTheClient.Tag)
  End If
  Set res = Manager.GetSQLDataDialog(pars)
  If (Not res Is Nothing) Then
    Dim resStr As String
    resStr = res.Item("RESULT").Value
    If (resStr = "OK") Then
      txtTheClient.Tag = res.Item("xml").Value
      If (txtTheClient.Text <> res.Item("brief").Value) Then
        txtTheClient.Text = res.Item("brief").Value
'        mIDTheClient = res.Item("ID").Value
        'Call txtTheClient_Change
      End If
    Else
      Dim errStr As String
      errStr = res.Item("ErrorDescription").Value
      If (errStr <> vbNullString) Then
       Call MsgBox("Ошибка исполнения: " & errStr, vbOKOnly + vbCritical)
     End If
    End If
  End If
End Sub





