VERSION 5.00
Object = "{67397AA1-7FB1-11D0-B148-00A0C922E820}#6.0#0"; "MSADODC.OCX"
Object = "{CDE57A40-8B86-11D0-B3C6-00A0C90AEA82}#1.0#0"; "MSDATGRD.OCX"
Object = "{00025600-0000-0000-C000-000000000046}#4.6#0"; "CRYSTL32.OCX"
Begin VB.Form fORM2 
   BackColor       =   &H00C0E0FF&
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "pel"
   ClientHeight    =   9972
   ClientLeft      =   1314
   ClientTop       =   396
   ClientWidth     =   12186
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   161
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form2"
   LockControls    =   -1  'True
   MaxButton       =   0   'False
   MDIChild        =   -1  'True
   MinButton       =   0   'False
   ScaleHeight     =   9972
   ScaleWidth      =   12186
   Begin VB.TextBox txtFields 
      DataField       =   "d1"
      Height          =   342
      Index           =   7
      Left            =   7632
      TabIndex        =   38
      Top             =   1440
      Visible         =   0   'False
      Width           =   1458
   End
   Begin MSAdodcLib.Adodc Adodc2 
      Height          =   738
      Left            =   9648
      Top             =   6192
      Visible         =   0   'False
      Width           =   1440
      _ExtentX        =   2540
      _ExtentY        =   1302
      ConnectMode     =   0
      CursorLocation  =   3
      IsolationLevel  =   -1
      ConnectionTimeout=   15
      CommandTimeout  =   30
      CursorType      =   3
      LockType        =   3
      CommandType     =   8
      CursorOptions   =   0
      CacheSize       =   50
      MaxRecords      =   0
      BOFAction       =   0
      EOFAction       =   0
      ConnectStringType=   1
      Appearance      =   1
      BackColor       =   -2147483643
      ForeColor       =   -2147483640
      Orientation     =   0
      Enabled         =   -1
      Connect         =   "Provider=Microsoft.Jet.OLEDB.3.51;Persist Security Info=False;Data Source=C:\salonika\taxypliromes.mdb"
      OLEDBString     =   "Provider=Microsoft.Jet.OLEDB.3.51;Persist Security Info=False;Data Source=C:\salonika\taxypliromes.mdb"
      OLEDBFile       =   ""
      DataSourceName  =   ""
      OtherAttributes =   ""
      UserName        =   ""
      Password        =   ""
      RecordSource    =   "select top 10 * from pel"
      Caption         =   "Adodc2"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      _Version        =   393216
   End
   Begin VB.TextBox Text3 
      Height          =   450
      Left            =   6768
      TabIndex        =   33
      Top             =   6336
      Width           =   1890
   End
   Begin VB.TextBox Text2 
      Height          =   450
      Left            =   3744
      TabIndex        =   32
      Top             =   6336
      Width           =   1890
   End
   Begin VB.TextBox Text1 
      Height          =   450
      Left            =   576
      TabIndex        =   31
      Top             =   6336
      Width           =   1890
   End
   Begin MSDataGridLib.DataGrid DataGrid2 
      Bindings        =   "fORM2n.frx":0000
      Height          =   2610
      Left            =   576
      TabIndex        =   30
      Top             =   6912
      Width           =   8946
      _ExtentX        =   15780
      _ExtentY        =   4603
      _Version        =   393216
      AllowUpdate     =   0   'False
      AllowArrows     =   0   'False
      HeadLines       =   1
      RowHeight       =   18
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColumnCount     =   2
      BeginProperty Column00 
         DataField       =   ""
         Caption         =   ""
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column01 
         DataField       =   ""
         Caption         =   ""
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      SplitCount      =   1
      BeginProperty Split0 
         BeginProperty Column00 
         EndProperty
         BeginProperty Column01 
         EndProperty
      EndProperty
   End
   Begin VB.TextBox txtFields 
      DataField       =   "C1"
      Height          =   342
      Index           =   5
      Left            =   2448
      TabIndex        =   1
      Top             =   0
      Width           =   4050
   End
   Begin Crystal.CrystalReport CrystalReport1 
      Left            =   1008
      Top             =   7632
      _ExtentX        =   889
      _ExtentY        =   889
      _Version        =   262150
      ReportFileName  =   "C:\salonika\plir.rpt"
      Destination     =   1
   End
   Begin VB.TextBox txtFields 
      DataField       =   "n1"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   14.4
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Index           =   6
      Left            =   8064
      TabIndex        =   11
      Top             =   288
      Width           =   1602
   End
   Begin VB.Data Data1 
      Caption         =   "Data1"
      Connect         =   "Access"
      DatabaseName    =   "C:\salonika\taxypliromes.mdb"
      DefaultCursorType=   0  'DefaultCursor
      DefaultType     =   2  'UseODBC
      Exclusive       =   0   'False
      Height          =   594
      Left            =   8496
      Options         =   0
      ReadOnly        =   0   'False
      RecordsetType   =   0  'Table
      RecordSource    =   "REP1"
      Top             =   9936
      Visible         =   0   'False
      Width           =   3186
   End
   Begin MSDataGridLib.DataGrid DataGrid1 
      Bindings        =   "fORM2n.frx":0015
      Height          =   2322
      Left            =   576
      TabIndex        =   27
      Top             =   2880
      Width           =   8946
      _ExtentX        =   15780
      _ExtentY        =   4096
      _Version        =   393216
      AllowUpdate     =   0   'False
      HeadLines       =   1
      RowHeight       =   18
      FormatLocked    =   -1  'True
      BeginProperty HeadFont {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColumnCount     =   12
      BeginProperty Column00 
         DataField       =   "epo"
         Caption         =   "epo"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column01 
         DataField       =   "die"
         Caption         =   "die"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column02 
         DataField       =   "tk"
         Caption         =   "tk"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column03 
         DataField       =   "polh"
         Caption         =   "polh"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column04 
         DataField       =   "thl"
         Caption         =   "thl"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column05 
         DataField       =   "afm"
         Caption         =   "afm"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column06 
         DataField       =   "c1"
         Caption         =   "c1"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column07 
         DataField       =   "c2"
         Caption         =   "c2"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column08 
         DataField       =   "n1"
         Caption         =   "n1"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column09 
         DataField       =   "n2"
         Caption         =   "n2"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column10 
         DataField       =   "d1"
         Caption         =   "d1"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      BeginProperty Column11 
         DataField       =   "d2"
         Caption         =   "d2"
         BeginProperty DataFormat {6D835690-900B-11D0-9484-00A0C91110ED} 
            Type            =   0
            Format          =   ""
            HaveTrueFalseNull=   0
            FirstDayOfWeek  =   0
            FirstWeekOfYear =   0
            LCID            =   1032
            SubFormatType   =   0
         EndProperty
      EndProperty
      SplitCount      =   1
      BeginProperty Split0 
         BeginProperty Column00 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column01 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column02 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column03 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column04 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column05 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column06 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column07 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column08 
            ColumnWidth     =   1278,26
         EndProperty
         BeginProperty Column09 
            ColumnWidth     =   1278,26
         EndProperty
         BeginProperty Column10 
            ColumnWidth     =   2087,906
         EndProperty
         BeginProperty Column11 
            ColumnWidth     =   2087,906
         EndProperty
      EndProperty
   End
   Begin VB.CommandButton Command2 
      Caption         =   "Εκτύπωση Ταχυπληρωμής"
      Height          =   1170
      Left            =   9936
      TabIndex        =   12
      Top             =   3600
      Width           =   1890
   End
   Begin MSAdodcLib.Adodc Adodc1 
      Height          =   450
      Left            =   1728
      Top             =   8784
      Visible         =   0   'False
      Width           =   2034
      _ExtentX        =   3588
      _ExtentY        =   793
      ConnectMode     =   0
      CursorLocation  =   3
      IsolationLevel  =   -1
      ConnectionTimeout=   15
      CommandTimeout  =   30
      CursorType      =   3
      LockType        =   3
      CommandType     =   8
      CursorOptions   =   0
      CacheSize       =   50
      MaxRecords      =   0
      BOFAction       =   0
      EOFAction       =   0
      ConnectStringType=   1
      Appearance      =   1
      BackColor       =   -2147483643
      ForeColor       =   -2147483640
      Orientation     =   0
      Enabled         =   -1
      Connect         =   "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\salonika\taxypliromes.mdb;Persist Security Info=False"
      OLEDBString     =   "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\salonika\taxypliromes.mdb;Persist Security Info=False"
      OLEDBFile       =   ""
      DataSourceName  =   ""
      OtherAttributes =   ""
      UserName        =   ""
      Password        =   ""
      RecordSource    =   "select *FROM  PROM"
      Caption         =   "Adodc1"
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      _Version        =   393216
   End
   Begin VB.CommandButton cmdEdit 
      Caption         =   "&Διόρθωση"
      Height          =   360
      Left            =   1008
      TabIndex        =   26
      Top             =   2304
      Width           =   1314
   End
   Begin VB.CommandButton cmdAdd 
      Caption         =   "&Νέα Εγγραφή"
      Height          =   360
      Left            =   2448
      TabIndex        =   25
      Top             =   2304
      Width           =   1746
   End
   Begin VB.CommandButton cmdDelete 
      Caption         =   "&Διαγραφή"
      Height          =   360
      Left            =   5472
      TabIndex        =   24
      Top             =   2304
      Width           =   1314
   End
   Begin VB.CommandButton cmdRefresh 
      Caption         =   "&Ανανέωση"
      Height          =   360
      Left            =   6768
      TabIndex        =   23
      Top             =   2304
      Width           =   1314
   End
   Begin VB.CommandButton cmdClose 
      Caption         =   "&Κλείσιμο"
      Height          =   360
      Left            =   9504
      TabIndex        =   22
      Top             =   2304
      Width           =   1314
   End
   Begin VB.CommandButton cmdCancel 
      Caption         =   "&Ακύρωση"
      Height          =   360
      Left            =   4176
      TabIndex        =   21
      Top             =   2304
      Visible         =   0   'False
      Width           =   1314
   End
   Begin VB.CommandButton cmdUpdate 
      Caption         =   "&Ενημέρωση"
      Height          =   360
      Left            =   8064
      TabIndex        =   20
      Top             =   2304
      Visible         =   0   'False
      Width           =   1314
   End
   Begin VB.PictureBox picButtons 
      Align           =   2  'Align Bottom
      Appearance      =   0  'Flat
      BorderStyle     =   0  'None
      ForeColor       =   &H80000008&
      Height          =   360
      Left            =   0
      ScaleHeight     =   360
      ScaleWidth      =   12186
      TabIndex        =   19
      Top             =   9252
      Width           =   12186
   End
   Begin VB.PictureBox picStatBox 
      Align           =   2  'Align Bottom
      Appearance      =   0  'Flat
      BorderStyle     =   0  'None
      ForeColor       =   &H80000008&
      Height          =   360
      Left            =   0
      ScaleHeight     =   360
      ScaleWidth      =   12186
      TabIndex        =   13
      Top             =   9612
      Width           =   12186
      Begin VB.CommandButton cmdLast 
         Height          =   360
         Left            =   5454
         Picture         =   "fORM2n.frx":002A
         Style           =   1  'Graphical
         TabIndex        =   17
         Top             =   0
         UseMaskColor    =   -1  'True
         Width           =   414
      End
      Begin VB.CommandButton cmdNext 
         Height          =   360
         Left            =   5040
         Picture         =   "fORM2n.frx":036C
         Style           =   1  'Graphical
         TabIndex        =   16
         Top             =   0
         UseMaskColor    =   -1  'True
         Width           =   414
      End
      Begin VB.CommandButton cmdPrevious 
         Height          =   360
         Left            =   414
         Picture         =   "fORM2n.frx":06AE
         Style           =   1  'Graphical
         TabIndex        =   15
         Top             =   0
         UseMaskColor    =   -1  'True
         Width           =   414
      End
      Begin VB.CommandButton cmdFirst 
         Height          =   360
         Left            =   0
         Picture         =   "fORM2n.frx":09F0
         Style           =   1  'Graphical
         TabIndex        =   14
         Top             =   0
         UseMaskColor    =   -1  'True
         Width           =   414
      End
      Begin VB.Label lblStatus 
         BackColor       =   &H00FFFFFF&
         BorderStyle     =   1  'Fixed Single
         Height          =   342
         Left            =   828
         TabIndex        =   18
         Top             =   0
         Width           =   4032
      End
   End
   Begin VB.TextBox txtFields 
      DataField       =   "thl"
      Height          =   342
      Index           =   4
      Left            =   2448
      TabIndex        =   10
      Top             =   1890
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "tk"
      Height          =   342
      Index           =   3
      Left            =   2448
      TabIndex        =   8
      Top             =   1512
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "polh"
      Height          =   342
      Index           =   2
      Left            =   2448
      TabIndex        =   6
      Top             =   1134
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "die"
      Height          =   342
      Index           =   1
      Left            =   2448
      TabIndex        =   4
      Top             =   738
      Width           =   4050
   End
   Begin VB.TextBox txtFields 
      DataField       =   "epo"
      Height          =   342
      Index           =   0
      Left            =   2448
      TabIndex        =   2
      Top             =   360
      Width           =   4050
   End
   Begin VB.Label Label4 
      Alignment       =   2  'Center
      BackStyle       =   0  'Transparent
      Caption         =   "ΑΝΑΖΗΤΗΣΗ"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   16.2
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   2736
      TabIndex        =   37
      Top             =   5616
      Width           =   4338
   End
   Begin VB.Label Label3 
      BackStyle       =   0  'Transparent
      Caption         =   "Επώνυμο"
      Height          =   306
      Left            =   3744
      TabIndex        =   36
      Top             =   6048
      Width           =   2034
   End
   Begin VB.Label Label2 
      BackStyle       =   0  'Transparent
      Caption         =   "Τηλέφωνο"
      Height          =   306
      Left            =   6768
      TabIndex        =   35
      Top             =   6048
      Width           =   2034
   End
   Begin VB.Label Label1 
      BackStyle       =   0  'Transparent
      Caption         =   "Αρ.Αποδεικτ."
      Height          =   306
      Left            =   576
      TabIndex        =   34
      Top             =   6048
      Width           =   2034
   End
   Begin VB.Label lblLabels 
      BackStyle       =   0  'Transparent
      Caption         =   "Αριθμός αποδεικτικού"
      Height          =   306
      Index           =   5
      Left            =   144
      TabIndex        =   29
      Top             =   0
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      BackStyle       =   0  'Transparent
      Caption         =   "Ποσό"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   14.4
         Charset         =   161
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Index           =   6
      Left            =   7056
      TabIndex        =   28
      Top             =   288
      Width           =   882
   End
   Begin VB.Label lblLabels 
      BackStyle       =   0  'Transparent
      Caption         =   "Τηλέφωνο"
      Height          =   306
      Index           =   4
      Left            =   144
      TabIndex        =   9
      Top             =   1890
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      BackStyle       =   0  'Transparent
      Caption         =   "Τ.Κ."
      Height          =   306
      Index           =   3
      Left            =   144
      TabIndex        =   7
      Top             =   1512
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      BackStyle       =   0  'Transparent
      Caption         =   "Πόλη"
      Height          =   306
      Index           =   2
      Left            =   144
      TabIndex        =   5
      Top             =   1134
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      BackStyle       =   0  'Transparent
      Caption         =   "Διεύθυνση"
      Height          =   306
      Index           =   1
      Left            =   144
      TabIndex        =   3
      Top             =   738
      Width           =   2178
   End
   Begin VB.Label lblLabels 
      BackStyle       =   0  'Transparent
      Caption         =   "Επωνυμία"
      Height          =   306
      Index           =   0
      Left            =   144
      TabIndex        =   0
      Top             =   360
      Width           =   2178
   End
End
Attribute VB_Name = "fORM2"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim WithEvents adoPrimaryRS As Recordset
Attribute adoPrimaryRS.VB_VarHelpID = -1
Dim mbChangedByCode As Boolean
Dim mvBookMark As Variant
Dim mbEditFlag As Boolean
Dim mbAddNewFlag As Boolean
Dim mbDataChanged As Boolean

Function FindCh(m As String) As String
' βρισκει το ψηφίο ελέγχου   tel  6978-3327-42  stelios

Dim S, SYNT, I, gin
'm = Trim(adoPrimaryRS!AFM)
'm = "123008401270"
S = 0
For K = 1 To Len(m)
     If K Mod 2 = 0 Then SYNT = 1 Else SYNT = 2
     I = Val(Mid$(m, Len(m) - K + 1, 1))
     gin = SYNT * I
     If gin > 9 Then
        gin = 1 + (gin Mod 10)
     End If
     S = S + gin
     
Next

Dim c10
c10 = 10 - (S Mod 10)
If c10 = 10 Then c10 = 0
FindCh = Trim(LTrim(Str(c10)))

End Function








Private Sub Command2_Click()
Dim mOCR  '12 3582
Dim mf2 As String

f1 = Trim(Adodc1.Recordset!c1) '  + FindCh(Trim(Adodc1.Recordset!c1))
mf2 = Trim(Str(Int(100 * adoPrimaryRS!n1 + 0.1)))
f2 = mf2 + FindCh(mf2)
f3 = Trim(adoPrimaryRS!c1) + FindCh(Trim(adoPrimaryRS!c1))


mOCR = ">" + Right(Space(50) + f3, 10) + "<" + Right(Space(50) + f2, 12) + ">" + Right(Space(50) + f1, 24) + "< 25>"






Data1.Recordset.Edit


Data1.Recordset!EPO = adoPrimaryRS!EPO
Data1.Recordset!DIE = adoPrimaryRS!DIE
Data1.Recordset!POLh = adoPrimaryRS!POLh
Data1.Recordset!TK = adoPrimaryRS!TK
Data1.Recordset!THL = adoPrimaryRS!THL

Data1.Recordset!n1 = adoPrimaryRS!n1  'POSO


Data1.Recordset!AEPO = Adodc1.Recordset!EPO
Data1.Recordset!ADIE = Adodc1.Recordset!DIE
Data1.Recordset!APOL = Adodc1.Recordset!POLh
Data1.Recordset!ATK = Adodc1.Recordset!TK
Data1.Recordset!ATHL = Adodc1.Recordset!THL

Data1.Recordset!ARLOG = Left(Adodc1.Recordset!c1, Len(Adodc1.Recordset!c1) - 1) + "-" + Right(Adodc1.Recordset!c1, 1)

Data1.Recordset!ocr = mOCR
Data1.Recordset.Update



'Printer.Print adoPrimaryRS!EPO
'Printer.EndDoc


CrystalReport1.Action = 1




    cmdAdd.SetFocus






End Sub

Private Sub DataGrid1_RowColChange(LastRow As Variant, ByVal LastCol As Integer)
On Error Resume Next
Me.Caption = Adodc1.Recordset("epo")
  DataGrid1.Enabled = False
End Sub

Private Sub Form_Load()
  Dim db As Connection
  Set db = New Connection
  db.CursorLocation = adUseClient
  db.Open "PROVIDER=Microsoft.Jet.OLEDB.3.51;Data Source=C:\salonika\taxypliromes.mdb;"

  Set adoPrimaryRS = New Recordset
  adoPrimaryRS.Open "select C1,epo,die,polh,tk,thl,afm,N1,d1 from pel", db, adOpenStatic, adLockOptimistic

  Dim oText As TextBox
  'Bind the text boxes to the data provider
  For Each oText In Me.txtFields
    Set oText.DataSource = adoPrimaryRS
  Next

  mbDataChanged = False
End Sub

Private Sub Form_Resize()
  On Error Resume Next
  lblStatus.Width = Me.Width - 1500
  cmdNext.Left = lblStatus.Width + 700
  cmdLast.Left = cmdNext.Left + 340
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)
  If mbEditFlag Or mbAddNewFlag Then Exit Sub

  Select Case KeyCode
    Case vbKeyEscape
      cmdClose_Click
    Case vbKeyEnd
      cmdLast_Click
    Case vbKeyHome
      cmdFirst_Click
    Case vbKeyUp, vbKeyPageUp
      If Shift = vbCtrlMask Then
        cmdFirst_Click
      Else
        cmdPrevious_Click
      End If
    Case vbKeyDown, vbKeyPageDown
      If Shift = vbCtrlMask Then
        cmdLast_Click
      Else
        cmdNext_Click
      End If
  End Select
End Sub

Private Sub Form_Unload(Cancel As Integer)
  Screen.MousePointer = vbDefault
End Sub

Private Sub adoPrimaryRS_MoveComplete(ByVal adReason As ADODB.EventReasonEnum, ByVal pError As ADODB.Error, adStatus As ADODB.EventStatusEnum, ByVal pRecordset As ADODB.Recordset)
  'This will display the current record position for this recordset
  lblStatus.Caption = "Record: " & CStr(adoPrimaryRS.AbsolutePosition)
End Sub

Private Sub adoPrimaryRS_WillChangeRecord(ByVal adReason As ADODB.EventReasonEnum, ByVal cRecords As Long, adStatus As ADODB.EventStatusEnum, ByVal pRecordset As ADODB.Recordset)
  'This is where you put validation code
  'This event gets called when the following actions occur
  Dim bCancel As Boolean

  Select Case adReason
  Case adRsnAddNew
  Case adRsnClose
  Case adRsnDelete
  Case adRsnFirstChange
  Case adRsnMove
  Case adRsnRequery
  Case adRsnResynch
  Case adRsnUndoAddNew
  Case adRsnUndoDelete
  Case adRsnUndoUpdate
  Case adRsnUpdate
  End Select

  If bCancel Then adStatus = adStatusCancel
End Sub

Private Sub cmdAdd_Click()
  On Error GoTo AddErr
  With adoPrimaryRS
    If Not (.BOF And .EOF) Then
      mvBookMark = .Bookmark
    End If
    .AddNew
    txtFields(7).Text = Now
    lblStatus.Caption = "Add record"
    mbAddNewFlag = True
    SetButtons False
  End With

  txtFields(5).SetFocus
  
  Exit Sub
AddErr:
  MsgBox Err.Description
End Sub

Private Sub cmdDelete_Click()
  On Error GoTo DeleteErr
  With adoPrimaryRS
    .Delete
    .MoveNext
    If .EOF Then .MoveLast
  End With
  Exit Sub
DeleteErr:
  MsgBox Err.Description
End Sub

Private Sub cmdRefresh_Click()
  'This is only needed for multi user apps
  On Error GoTo RefreshErr
  adoPrimaryRS.Requery
  Exit Sub
RefreshErr:
  MsgBox Err.Description
End Sub

Private Sub cmdEdit_Click()
  On Error GoTo EditErr

  lblStatus.Caption = "Edit record"
  mbEditFlag = True
  SetButtons False
  Exit Sub

EditErr:
  MsgBox Err.Description
End Sub
Private Sub cmdCancel_Click()
  On Error Resume Next

  SetButtons True
  mbEditFlag = False
  mbAddNewFlag = False
  adoPrimaryRS.CancelUpdate
  If mvBookMark > 0 Then
    adoPrimaryRS.Bookmark = mvBookMark
  Else
    adoPrimaryRS.MoveFirst
  End If
  mbDataChanged = False

End Sub

Private Sub cmdUpdate_Click()
  On Error GoTo UpdateErr

  
  
  adoPrimaryRS.UpdateBatch adAffectAll

  If mbAddNewFlag Then
    adoPrimaryRS.MoveLast              'move to the new record
  End If

  mbEditFlag = False
  mbAddNewFlag = False
  SetButtons True
  mbDataChanged = False
  Command2.SetFocus
  
  Exit Sub
UpdateErr:
  MsgBox Err.Description
End Sub

Private Sub cmdClose_Click()
  Unload Me
End Sub

Private Sub cmdFirst_Click()
  On Error GoTo GoFirstError

  adoPrimaryRS.MoveFirst
  mbDataChanged = False

  Exit Sub

GoFirstError:
  MsgBox Err.Description
End Sub

Private Sub cmdLast_Click()
  On Error GoTo GoLastError

  adoPrimaryRS.MoveLast
  mbDataChanged = False

  Exit Sub

GoLastError:
  MsgBox Err.Description
End Sub

Private Sub cmdNext_Click()
  On Error GoTo GoNextError

  If Not adoPrimaryRS.EOF Then adoPrimaryRS.MoveNext
  If adoPrimaryRS.EOF And adoPrimaryRS.RecordCount > 0 Then
    Beep
     'moved off the end so go back
    adoPrimaryRS.MoveLast
  End If
  'show the current record
  mbDataChanged = False

  Exit Sub
GoNextError:
  MsgBox Err.Description
End Sub

Private Sub cmdPrevious_Click()
  On Error GoTo GoPrevError

  If Not adoPrimaryRS.BOF Then adoPrimaryRS.MovePrevious
  If adoPrimaryRS.BOF And adoPrimaryRS.RecordCount > 0 Then
    Beep
    'moved off the end so go back
    adoPrimaryRS.MoveFirst
  End If
  'show the current record
  mbDataChanged = False

  Exit Sub

GoPrevError:
  MsgBox Err.Description
End Sub

Private Sub SetButtons(bVal As Boolean)
  cmdAdd.Visible = bVal
  cmdEdit.Visible = bVal
  cmdUpdate.Visible = Not bVal
  cmdCancel.Visible = Not bVal
  cmdDelete.Visible = bVal
  cmdClose.Visible = bVal
  cmdRefresh.Visible = bVal
  cmdNext.Enabled = bVal
  cmdFirst.Enabled = bVal
  cmdLast.Enabled = bVal
  cmdPrevious.Enabled = bVal
End Sub

Private Sub Text1_LostFocus()
  Adodc2.RecordSource = "select d1,C1,epo,die,polh,tk,thl,afm,N1 from pel where c1 like '" + Text1.Text + "%'"
  Adodc2.Refresh
End Sub

Private Sub Text2_LostFocus()
 Adodc2.RecordSource = "select d1,C1,epo,die,polh,tk,thl,afm,N1 from pel where epo like '" + Text2.Text + "%'"
  Adodc2.Refresh
End Sub

Private Sub Text3_LostFocus()
 Adodc2.RecordSource = "select d1,C1,epo,die,polh,tk,thl,afm,N1 from pel where epo like '" + Text3.Text + "%'"
  Adodc2.Refresh

End Sub

Private Sub txtFields_KeyUp(Index As Integer, KeyCode As Integer, Shift As Integer)
 If KeyCode = 13 Then
    If Index = 5 Then
       txtFields(0).SetFocus
    End If
 
    If Index = 0 Then
       txtFields(1).SetFocus
    End If
    If Index = 1 Then
       txtFields(2).SetFocus
    End If
    If Index = 2 Then
       txtFields(3).SetFocus
    End If
    If Index = 3 Then
       txtFields(4).SetFocus
    End If
    If Index = 4 Then
       txtFields(6).SetFocus
    End If
    If Index = 6 Then
       
       cmdUpdate.SetFocus
    End If
 
 
 
 
 
 End If
 


End Sub
