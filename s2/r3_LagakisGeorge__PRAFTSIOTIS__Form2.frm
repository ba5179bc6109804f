VERSION 5.00
Object = "{67397AA1-7FB1-11D0-B148-00A0C922E820}#6.0#0"; "MSADODC.OCX"
Object = "{86CF1D34-0C5F-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCT2.OCX"
Object = "{F0D2F211-CCB0-11D0-A316-00AA00688B10}#1.0#0"; "MSDATLST.OCX"
Begin VB.Form FormOLD 
   Caption         =   "Form2"
   ClientHeight    =   10494
   ClientLeft      =   72
   ClientTop       =   612
   ClientWidth     =   13932
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   161
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form2"
   MDIChild        =   -1  'True
   ScaleHeight     =   10494
   ScaleWidth      =   13932
   WindowState     =   2  'Maximized
   Begin VB.CommandButton Command5 
      Caption         =   "Ακύρωση"
      Height          =   594
      Left            =   7488
      TabIndex        =   33
      Top             =   9360
      Width           =   1602
   End
   Begin VB.CommandButton Command4 
      Caption         =   "Διεκπεραίωση"
      Height          =   594
      Left            =   144
      TabIndex        =   32
      Top             =   9360
      Width           =   1890
   End
   Begin VB.TextBox mSXPROET 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Left            =   4752
      TabIndex        =   29
      Top             =   7200
      Width           =   738
   End
   Begin VB.TextBox mapod 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Left            =   3312
      TabIndex        =   20
      Top             =   5184
      Width           =   3186
   End
   Begin VB.TextBox mSXPRO 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Left            =   3312
      TabIndex        =   18
      Top             =   7200
      Width           =   1314
   End
   Begin VB.TextBox mPARAT 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Left            =   3312
      TabIndex        =   17
      Top             =   8640
      Width           =   4338
   End
   Begin VB.TextBox mTHEJO 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1890
      Left            =   7200
      MultiLine       =   -1  'True
      TabIndex        =   16
      Top             =   5184
      Width           =   4626
   End
   Begin VB.CommandButton Command3 
      Caption         =   "Πρωτοκόλληση"
      Height          =   594
      Left            =   4176
      TabIndex        =   15
      Top             =   9360
      Width           =   1602
   End
   Begin VB.CommandButton Command2 
      Caption         =   "Command2"
      Height          =   738
      Left            =   9936
      TabIndex        =   14
      Top             =   10080
      Visible         =   0   'False
      Width           =   2898
   End
   Begin VB.CommandButton Command1 
      Caption         =   "Πρωτοκόλληση"
      Height          =   594
      Left            =   432
      TabIndex        =   13
      Top             =   3744
      Width           =   1602
   End
   Begin MSDataListLib.DataCombo mXRE 
      Bindings        =   "Form2.frx":0000
      Height          =   432
      Left            =   7200
      TabIndex        =   9
      Top             =   2880
      Width           =   4626
      _ExtentX        =   8160
      _ExtentY        =   762
      _Version        =   393216
      ListField       =   "NAME"
      Text            =   ""
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin VB.TextBox mTHEMA 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1890
      Left            =   7200
      MultiLine       =   -1  'True
      TabIndex        =   8
      Top             =   720
      Width           =   4626
   End
   Begin VB.TextBox mAPOS 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Left            =   3312
      TabIndex        =   6
      Top             =   2736
      Width           =   1746
   End
   Begin VB.TextBox mTOPOS 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Left            =   3312
      TabIndex        =   4
      Top             =   2016
      Width           =   1746
   End
   Begin MSComCtl2.DTPicker mDAP 
      Height          =   450
      Left            =   3312
      TabIndex        =   2
      Top             =   1440
      Width           =   2178
      _ExtentX        =   3841
      _ExtentY        =   793
      _Version        =   393216
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Format          =   20381697
      CurrentDate     =   38501
   End
   Begin VB.TextBox mAPAP 
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   486
      Left            =   3312
      TabIndex        =   0
      Top             =   720
      Width           =   1746
   End
   Begin MSAdodcLib.Adodc adodc2 
      Height          =   594
      Left            =   13392
      Top             =   7344
      Visible         =   0   'False
      Width           =   3906
      _ExtentX        =   6889
      _ExtentY        =   1048
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
      Connect         =   "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=proto;Data Source=FLAGAKIS"
      OLEDBString     =   "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=proto;Data Source=FLAGAKIS"
      OLEDBFile       =   ""
      DataSourceName  =   ""
      OtherAttributes =   ""
      UserName        =   ""
      Password        =   ""
      RecordSource    =   "select *from xreosh order by name"
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
   Begin MSAdodcLib.Adodc pold 
      Height          =   594
      Left            =   5904
      Top             =   10080
      Visible         =   0   'False
      Width           =   3906
      _ExtentX        =   6889
      _ExtentY        =   1048
      ConnectMode     =   0
      CursorLocation  =   3
      IsolationLevel  =   -1
      ConnectionTimeout=   15
      CommandTimeout  =   30
      CursorType      =   1
      LockType        =   3
      CommandType     =   1
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
      Connect         =   "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=proto;Data Source=FLAGAKIS"
      OLEDBString     =   "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=proto;Data Source=FLAGAKIS"
      OLEDBFile       =   ""
      DataSourceName  =   ""
      OtherAttributes =   ""
      UserName        =   ""
      Password        =   ""
      RecordSource    =   "select *from p"
      Caption         =   "p"
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
   Begin MSAdodcLib.Adodc p 
      Height          =   594
      Left            =   13536
      Top             =   5904
      Visible         =   0   'False
      Width           =   3906
      _ExtentX        =   6889
      _ExtentY        =   1048
      ConnectMode     =   0
      CursorLocation  =   3
      IsolationLevel  =   -1
      ConnectionTimeout=   15
      CommandTimeout  =   30
      CursorType      =   1
      LockType        =   3
      CommandType     =   2
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
      Connect         =   "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=proto;Data Source=FLAGAKIS"
      OLEDBString     =   "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=proto;Data Source=FLAGAKIS"
      OLEDBFile       =   ""
      DataSourceName  =   ""
      OtherAttributes =   ""
      UserName        =   ""
      Password        =   ""
      RecordSource    =   "p"
      Caption         =   "p"
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
   Begin MSComCtl2.DTPicker mDEJ 
      Height          =   450
      Left            =   3312
      TabIndex        =   19
      Top             =   5904
      Width           =   2178
      _ExtentX        =   3841
      _ExtentY        =   793
      _Version        =   393216
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Format          =   20381697
      CurrentDate     =   38501
   End
   Begin MSComCtl2.DTPicker mDiekp 
      Height          =   450
      Left            =   3312
      TabIndex        =   27
      Top             =   6480
      Width           =   2178
      _ExtentX        =   3841
      _ExtentY        =   793
      _Version        =   393216
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Format          =   20381697
      CurrentDate     =   38501
   End
   Begin MSDataListLib.DataCombo mFAK 
      Bindings        =   "Form2.frx":002A
      Height          =   432
      Left            =   3312
      TabIndex        =   31
      Top             =   7920
      Width           =   2898
      _ExtentX        =   5112
      _ExtentY        =   762
      _Version        =   393216
      ListField       =   "NAME"
      Text            =   ""
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin MSAdodcLib.Adodc fak 
      Height          =   594
      Left            =   1008
      Top             =   10080
      Visible         =   0   'False
      Width           =   3906
      _ExtentX        =   6889
      _ExtentY        =   1048
      ConnectMode     =   0
      CursorLocation  =   3
      IsolationLevel  =   -1
      ConnectionTimeout=   15
      CommandTimeout  =   30
      CursorType      =   1
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
      Connect         =   "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=proto;Data Source=FLAGAKIS"
      OLEDBString     =   "Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;Initial Catalog=proto;Data Source=FLAGAKIS"
      OLEDBFile       =   ""
      DataSourceName  =   ""
      OtherAttributes =   ""
      UserName        =   ""
      Password        =   ""
      RecordSource    =   "select *from fak"
      Caption         =   "fak"
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
   Begin VB.Label map 
      BackColor       =   &H00FFC0FF&
      Caption         =   "Αρ.Πρωτ."
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   14.4
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   144
      TabIndex        =   34
      Top             =   144
      Width           =   2466
   End
   Begin VB.Label Label16 
      BackStyle       =   0  'Transparent
      Caption         =   "Φάκ.Αρχείου"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   30
      Top             =   7920
      Width           =   2322
   End
   Begin VB.Label Label15 
      BackStyle       =   0  'Transparent
      Caption         =   "Παρατηρήσεις"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   28
      Top             =   8640
      Width           =   2322
   End
   Begin VB.Label Label8 
      BackColor       =   &H0080C0FF&
      Caption         =   "Εξερχόμενα "
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   14.4
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   3024
      TabIndex        =   21
      Top             =   4608
      Width           =   4194
   End
   Begin VB.Label Label14 
      BackStyle       =   0  'Transparent
      Caption         =   "Αποδέκτης"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   288
      TabIndex        =   26
      Top             =   5184
      Width           =   2898
   End
   Begin VB.Label Label13 
      BackStyle       =   0  'Transparent
      Caption         =   "Ημερ/νία"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   25
      Top             =   5904
      Width           =   2898
   End
   Begin VB.Label Label12 
      BackStyle       =   0  'Transparent
      Caption         =   "Ημ.Διεκπαιρέωσης"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   24
      Top             =   6480
      Width           =   2322
   End
   Begin VB.Label Label11 
      BackStyle       =   0  'Transparent
      Caption         =   "Σχετικό"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   23
      Top             =   7200
      Width           =   2322
   End
   Begin VB.Label Label10 
      BackStyle       =   0  'Transparent
      Caption         =   "Θέμα"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   8640
      TabIndex        =   22
      Top             =   4752
      Width           =   1458
   End
   Begin VB.Label Label7 
      BackColor       =   &H0080C0FF&
      Caption         =   "Εισερχόμενα "
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   14.4
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   3024
      TabIndex        =   12
      Top             =   144
      Width           =   4194
   End
   Begin VB.Label Label6 
      BackStyle       =   0  'Transparent
      Caption         =   "Χρέωση"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   5616
      TabIndex        =   11
      Top             =   2880
      Width           =   1602
   End
   Begin VB.Label Label5 
      BackStyle       =   0  'Transparent
      Caption         =   "Θέμα"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   5616
      TabIndex        =   10
      Top             =   720
      Width           =   1458
   End
   Begin VB.Label Label4 
      BackStyle       =   0  'Transparent
      Caption         =   "Αρχή έκδοσης"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   864
      TabIndex        =   7
      Top             =   2736
      Width           =   2322
   End
   Begin VB.Label Label3 
      BackStyle       =   0  'Transparent
      Caption         =   "Τόπος έκδοσης"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   864
      TabIndex        =   5
      Top             =   2016
      Width           =   2322
   End
   Begin VB.Label Label2 
      BackStyle       =   0  'Transparent
      Caption         =   "Ημερ/νία"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   864
      TabIndex        =   3
      Top             =   1440
      Width           =   2322
   End
   Begin VB.Label Label1 
      BackStyle       =   0  'Transparent
      Caption         =   "Αριθ.Πρωτ.Εισερχόμενου εγγράφου"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   11.7
         Charset         =   161
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   594
      Left            =   288
      TabIndex        =   1
      Top             =   720
      Width           =   2898
   End
   Begin VB.Shape Shape1 
      BackColor       =   &H00C0E0FF&
      BackStyle       =   1  'Opaque
      Height          =   4194
      Left            =   144
      Top             =   288
      Width           =   13410
   End
   Begin VB.Shape Shape2 
      BackColor       =   &H00FFC0FF&
      BackStyle       =   1  'Opaque
      Height          =   4482
      Left            =   144
      Top             =   4752
      Width           =   13410
   End
End
Attribute VB_Name = "FormOLD"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Dim db As New ADODB.Connection
Dim r As New ADODB.Recordset

Private Sub Command1_Click()
' p.RecordSource = "select *from p order by etos,ap"
 '= "select *from p"
' p.Refresh
 'p.Recordset.
 p.Recordset.MoveLast
 
 Dim x
 x = p.Recordset("ap") + 1
 p.Recordset.AddNew
 
 p.Recordset("ap") = Right("      " + Trim(Format(x, "######")), 6)
 p.Recordset("dp") = Now
 p.Recordset("apap") = mAPAP
 p.Recordset("dap") = dap
 p.Recordset("topos") = mTOPOS
 p.Recordset("apos") = mAPOS
 p.Recordset("thema") = mTHEMA
 p.Recordset("xre") = mxreosh
 p.Recordset("etos") = Year(Now)
 p.Recordset.Update
 
 
 
 MsgBox "Αριθμός πρωτοκόλλου " + Format(x, "######")
 
 
End Sub

Private Sub Command2_Click()
    Form1.Show

End Sub

Private Sub Command3_Click()
'πρωτοκόλληση  εξερχομένου
r("apod") = mapod
r("DEJ") = mDEJ
r("diekp") = mDiekp
r("sxpro") = mSXPRO
r("sxproet") = mSXPROET
r("fak") = mFAK
r("parat") = mPARAT
r("thejo") = mTHEJO
r.Update

r.Close
db.Close






End Sub

Private Sub Command4_Click()
'diekperaiosi
db.Open p.ConnectionString


a = InputBox("Δώσε αριθμό πρωτοκόλλου")

r.Open "select *from p where ap='" + Right("      " + a, 6) + "' and etos='2004'", db, adOpenKeyset, adLockOptimistic





'p.RecordSource = "select *from p"
''where ap='    63' and etos='2004'"
'p.Refresh

' p.Recordset("ap") = Right("      " + Trim(Format(x, "######")), 6)
 'p.Recordset("dp") = Now
 If r.RecordCount = 0 Then
   MsgBox "δεν υπάρχει ο αριθμός"
   Set r = Nothing
   db.Close
   
   Exit Sub
End If
 
 map.Caption = "Αρ.Πρωτ." + r!ap
 mAPAP = r("apap")
 mDAP = r("dap")
 mTOPOS = r("topos")
 mAPOS = r("apos")
 mTHEMA = r("thema")
 mXRE = r("xre")
 'p.Recordset("etos") = Year(Now)
 'p.Recordset.Update
If IsNull(r("DEJ")) Then
 ' ok
Else
   MsgBox "Το έγγραφο έχει ήδη διεκπεραιωθεί"
Command1.Enabled = False

Command3.Enabled = False

mapod = r("apod")
mDEJ = r("DEJ")
mDiekp = r("diekp")
mSXPRO = IIf(IsNull(r("sxpro")), "", r("SXPRO"))
mSXPROET = IIf(IsNull(r("sxproET")), "", r("SXPROET"))
 mFAK = IIf(IsNull(r("FAK")), "", r("FAK"))
mPARAT = IIf(IsNull(r("PARAT")), "", r("PARAT"))
mTHEJO = IIf(IsNull(r("THEJO")), "", r("THEJO"))
   
   
   
   
   
   
   
   Set r = Nothing
   db.Close
   Exit Sub
End If

Command4.Enabled = False





End Sub

Private Sub Command5_Click()
'akyron
   Command4.Enabled = True

End Sub

Private Sub Form_Load()
 p.Refresh
 
End Sub
