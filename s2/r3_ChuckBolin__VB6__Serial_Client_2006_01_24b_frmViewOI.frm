VERSION 5.00
Begin VB.Form frmViewOI 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "View  OI to the RC Data"
   ClientHeight    =   9576
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   6984
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   9576
   ScaleWidth      =   6984
   StartUpPosition =   3  'Windows Default
   Begin VB.Frame fraBinary 
      Caption         =   "Binary Conversion"
      Height          =   1422
      Left            =   3312
      TabIndex        =   80
      Top             =   0
      Width           =   3582
      Begin VB.Label Label2 
         Caption         =   "Click on Data Value to Convert."
         Height          =   306
         Left            =   360
         TabIndex        =   83
         Top             =   1080
         Width           =   3150
      End
      Begin VB.Label Label1 
         Caption         =   " 7   6   5  4   3   2   1  0"
         Height          =   306
         Left            =   1404
         TabIndex        =   82
         Top             =   720
         Width           =   2070
      End
      Begin VB.Label lblByteNumber 
         Caption         =   "Byte "
         Height          =   270
         Left            =   360
         TabIndex        =   81
         Top             =   360
         Width           =   702
      End
      Begin VB.Shape shpBit 
         BackColor       =   &H00000080&
         BackStyle       =   1  'Opaque
         Height          =   234
         Index           =   7
         Left            =   1404
         Top             =   360
         Width           =   234
      End
      Begin VB.Shape shpBit 
         BackColor       =   &H00000080&
         BackStyle       =   1  'Opaque
         Height          =   234
         Index           =   6
         Left            =   1656
         Top             =   360
         Width           =   234
      End
      Begin VB.Shape shpBit 
         BackColor       =   &H00000080&
         BackStyle       =   1  'Opaque
         Height          =   234
         Index           =   5
         Left            =   1908
         Top             =   360
         Width           =   234
      End
      Begin VB.Shape shpBit 
         BackColor       =   &H00000080&
         BackStyle       =   1  'Opaque
         Height          =   234
         Index           =   4
         Left            =   2160
         Top             =   360
         Width           =   234
      End
      Begin VB.Shape shpBit 
         BackColor       =   &H00000080&
         BackStyle       =   1  'Opaque
         Height          =   234
         Index           =   3
         Left            =   2412
         Top             =   360
         Width           =   234
      End
      Begin VB.Shape shpBit 
         BackColor       =   &H00000080&
         BackStyle       =   1  'Opaque
         Height          =   234
         Index           =   2
         Left            =   2664
         Top             =   360
         Width           =   234
      End
      Begin VB.Shape shpBit 
         BackColor       =   &H00000080&
         BackStyle       =   1  'Opaque
         Height          =   234
         Index           =   1
         Left            =   2916
         Top             =   360
         Width           =   234
      End
      Begin VB.Shape shpBit 
         BackColor       =   &H00000080&
         BackStyle       =   1  'Opaque
         Height          =   234
         Index           =   0
         Left            =   3168
         Top             =   360
         Width           =   234
      End
   End
   Begin VB.Timer tmrUpdate 
      Interval        =   100
      Left            =   936
      Top             =   9072
   End
   Begin VB.CommandButton cmdClose 
      Caption         =   "&Close"
      Height          =   486
      Left            =   1908
      TabIndex        =   79
      Top             =   9036
      Width           =   1350
   End
   Begin VB.Frame fraFrame1 
      Caption         =   "Frame 1 Data"
      Height          =   8982
      Left            =   0
      TabIndex        =   0
      Top             =   0
      Width           =   3258
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   0
         Left            =   2340
         TabIndex        =   26
         Top             =   324
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   1
         Left            =   2340
         TabIndex        =   25
         Top             =   648
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   2
         Left            =   2340
         TabIndex        =   24
         Top             =   972
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   3
         Left            =   2340
         TabIndex        =   23
         Top             =   1296
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   4
         Left            =   2340
         TabIndex        =   22
         Top             =   1620
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   5
         Left            =   2340
         TabIndex        =   21
         Top             =   1944
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   6
         Left            =   2340
         TabIndex        =   20
         Top             =   2268
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   7
         Left            =   2340
         TabIndex        =   19
         Top             =   2592
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   8
         Left            =   2340
         TabIndex        =   18
         Top             =   2916
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   9
         Left            =   2340
         TabIndex        =   17
         Top             =   3240
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   10
         Left            =   2340
         TabIndex        =   16
         Top             =   3564
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   11
         Left            =   2340
         TabIndex        =   15
         Top             =   3888
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   12
         Left            =   2340
         TabIndex        =   14
         Top             =   4212
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   13
         Left            =   2340
         TabIndex        =   13
         Top             =   4536
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   14
         Left            =   2340
         TabIndex        =   12
         Top             =   4860
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   15
         Left            =   2340
         TabIndex        =   11
         Top             =   5184
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   16
         Left            =   2340
         TabIndex        =   10
         Top             =   5508
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   17
         Left            =   2340
         TabIndex        =   9
         Top             =   5832
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   18
         Left            =   2340
         TabIndex        =   8
         Top             =   6156
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   19
         Left            =   2340
         TabIndex        =   7
         Top             =   6480
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   20
         Left            =   2340
         TabIndex        =   6
         Top             =   6804
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   21
         Left            =   2340
         TabIndex        =   5
         Top             =   7128
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   22
         Left            =   2340
         TabIndex        =   4
         Top             =   7452
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   23
         Left            =   2340
         TabIndex        =   3
         Top             =   7776
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   24
         Left            =   2340
         TabIndex        =   2
         Top             =   8100
         Width           =   666
      End
      Begin VB.TextBox txtByte 
         Height          =   342
         Index           =   25
         Left            =   2340
         TabIndex        =   1
         Top             =   8424
         Width           =   666
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   0
         Left            =   180
         TabIndex        =   78
         Top             =   360
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   0
         Left            =   936
         TabIndex        =   77
         Top             =   360
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   1
         Left            =   180
         TabIndex        =   76
         Top             =   684
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   1
         Left            =   936
         TabIndex        =   75
         Top             =   684
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   2
         Left            =   180
         TabIndex        =   74
         Top             =   1008
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   2
         Left            =   936
         TabIndex        =   73
         Top             =   1008
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   3
         Left            =   180
         TabIndex        =   72
         Top             =   1332
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   3
         Left            =   936
         TabIndex        =   71
         Top             =   1332
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   4
         Left            =   180
         TabIndex        =   70
         Top             =   1656
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   4
         Left            =   936
         TabIndex        =   69
         Top             =   1656
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   5
         Left            =   180
         TabIndex        =   68
         Top             =   1980
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   5
         Left            =   936
         TabIndex        =   67
         Top             =   1980
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   6
         Left            =   180
         TabIndex        =   66
         Top             =   2304
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   6
         Left            =   936
         TabIndex        =   65
         Top             =   2304
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   7
         Left            =   180
         TabIndex        =   64
         Top             =   2628
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   7
         Left            =   936
         TabIndex        =   63
         Top             =   2628
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   8
         Left            =   180
         TabIndex        =   62
         Top             =   2952
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   8
         Left            =   936
         TabIndex        =   61
         Top             =   2952
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   9
         Left            =   180
         TabIndex        =   60
         Top             =   3276
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   9
         Left            =   936
         TabIndex        =   59
         Top             =   3276
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   10
         Left            =   180
         TabIndex        =   58
         Top             =   3600
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   10
         Left            =   936
         TabIndex        =   57
         Top             =   3600
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   11
         Left            =   180
         TabIndex        =   56
         Top             =   3924
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   11
         Left            =   936
         TabIndex        =   55
         Top             =   3924
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   12
         Left            =   180
         TabIndex        =   54
         Top             =   4248
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   12
         Left            =   936
         TabIndex        =   53
         Top             =   4248
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   13
         Left            =   180
         TabIndex        =   52
         Top             =   4572
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   13
         Left            =   936
         TabIndex        =   51
         Top             =   4572
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   14
         Left            =   180
         TabIndex        =   50
         Top             =   4896
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   14
         Left            =   936
         TabIndex        =   49
         Top             =   4896
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   15
         Left            =   180
         TabIndex        =   48
         Top             =   5220
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   15
         Left            =   936
         TabIndex        =   47
         Top             =   5220
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   16
         Left            =   180
         TabIndex        =   46
         Top             =   5544
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   16
         Left            =   936
         TabIndex        =   45
         Top             =   5544
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   17
         Left            =   180
         TabIndex        =   44
         Top             =   5868
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   17
         Left            =   936
         TabIndex        =   43
         Top             =   5868
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   18
         Left            =   180
         TabIndex        =   42
         Top             =   6192
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   18
         Left            =   936
         TabIndex        =   41
         Top             =   6192
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   19
         Left            =   180
         TabIndex        =   40
         Top             =   6516
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   19
         Left            =   936
         TabIndex        =   39
         Top             =   6516
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   20
         Left            =   180
         TabIndex        =   38
         Top             =   6840
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   20
         Left            =   936
         TabIndex        =   37
         Top             =   6840
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   21
         Left            =   180
         TabIndex        =   36
         Top             =   7164
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   21
         Left            =   936
         TabIndex        =   35
         Top             =   7164
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   22
         Left            =   180
         TabIndex        =   34
         Top             =   7488
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   22
         Left            =   936
         TabIndex        =   33
         Top             =   7488
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   23
         Left            =   180
         TabIndex        =   32
         Top             =   7812
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   23
         Left            =   936
         TabIndex        =   31
         Top             =   7812
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   24
         Left            =   180
         TabIndex        =   30
         Top             =   8136
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   24
         Left            =   936
         TabIndex        =   29
         Top             =   8136
         Width           =   1458
      End
      Begin VB.Label lblByte 
         Caption         =   "Byte1:"
         Height          =   270
         Index           =   25
         Left            =   180
         TabIndex        =   28
         Top             =   8460
         Width           =   774
      End
      Begin VB.Label lblDescription 
         Caption         =   "Packet Number"
         Height          =   234
         Index           =   25
         Left            =   936
         TabIndex        =   27
         Top             =   8460
         Width           =   1458
      End
   End
End
Attribute VB_Name = "frmViewOI"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private m_nBinary As Integer

Private Sub cmdClose_Click()
  Unload Me
End Sub

Private Sub Form_Activate()
  frmViewOI.SetFocus
End Sub

Private Sub Form_Load()
  Dim i As Integer
  
  'initialize module variables
  m_nBinary = -1 'don't show as binary value
  
  'update static labels...never change
  'change font colors
  For i = 0 To 25
    lblByte(i).Caption = "Byte" & CStr(i + 1)
    lblByte(i).ForeColor = RGB(0, 100, 0)
    lblDescription(i).ForeColor = RGB(0, 0, 100)
  Next i
  
  'display descriptions
  'frame 1, byte 1 to 26
  lblDescription(0).Caption = "0xFF"
  lblDescription(1).Caption = "0xFF"
  lblDescription(2).Caption = "P2 X AXIS"
  lblDescription(3).Caption = "SWITCHES A"
  lblDescription(4).Caption = "P1 X AXIS"
  lblDescription(5).Caption = "SWITCHES B"
  lblDescription(6).Caption = "P4 X AXIS"
  lblDescription(7).Caption = "CTRL_A"
  lblDescription(8).Caption = "P3 X AXIS"
  lblDescription(9).Caption = "CTRL_B"
  lblDescription(10).Caption = "P2 Y AXIS"
  lblDescription(11).Caption = "CTRL_C"
  lblDescription(12).Caption = "P1 Y AXIS"
  lblDescription(13).Caption = "PACKET NUM"
  lblDescription(14).Caption = "P4 Y AXIS"
  lblDescription(15).Caption = "CHECKSUM_A"
  lblDescription(16).Caption = "P3 Y AXIS"
  lblDescription(17).Caption = "CHECKSUM_B"
  lblDescription(18).Caption = "P2 WHEEL"
  lblDescription(19).Caption = "P1 WHEEL"
  lblDescription(20).Caption = "P4 WHEEL"
  lblDescription(21).Caption = "P3 WHEEL"
  lblDescription(22).Caption = "P2 AUX"
  lblDescription(23).Caption = "P1 AUX"
  lblDescription(24).Caption = "P4 AUX"
  lblDescription(25).Caption = "P3 AUX"
  
End Sub

Private Sub tmrUpdate_Timer()
  'FRAME 1
  txtByte(0).Text = g_uFrame1.Byte1
  txtByte(1).Text = g_uFrame1.Byte2
  txtByte(2).Text = g_uFrame1.Byte3
  txtByte(3).Text = g_uFrame1.Byte4
  txtByte(4).Text = g_uFrame1.Byte5
  txtByte(5).Text = g_uFrame1.Byte6
  txtByte(6).Text = g_uFrame1.Byte7
  txtByte(7).Text = g_uFrame1.Byte8
  txtByte(8).Text = g_uFrame1.Byte9
  txtByte(9).Text = g_uFrame1.Byte10
  txtByte(10).Text = g_uFrame1.Byte11
  txtByte(11).Text = g_uFrame1.Byte12
  txtByte(12).Text = g_uFrame1.Byte13
  txtByte(13).Text = g_uFrame1.Byte14
  txtByte(14).Text = g_uFrame1.Byte15
  txtByte(15).Text = g_uFrame1.Byte16
  txtByte(16).Text = g_uFrame1.Byte17
  txtByte(17).Text = g_uFrame1.Byte18
  txtByte(18).Text = g_uFrame1.Byte19
  txtByte(19).Text = g_uFrame1.Byte20
  txtByte(20).Text = g_uFrame1.Byte21
  txtByte(21).Text = g_uFrame1.Byte22
  txtByte(22).Text = g_uFrame1.Byte23
  txtByte(23).Text = g_uFrame1.Byte24
  txtByte(24).Text = g_uFrame1.Byte25
  txtByte(25).Text = g_uFrame1.Byte26
  
  If m_nBinary > -1 Then ShowBinary 'show as binary
  
  
End Sub

'**************************************** ShowBinary
'Displays select byte as binary
Private Sub ShowBinary()
  Dim bNum As Byte
  Dim i As Integer
  
  lblByteNumber.Caption = "Byte " & CStr(m_nBinary + 1)
  
  bNum = CByte(txtByte(m_nBinary).Text)
  For i = 0 To 7
    If (bNum And 2 ^ i) > 0 Then
      shpBit(i).BackColor = RGB(255, 0, 0)
    Else
      shpBit(i).BackColor = RGB(100, 0, 0)
    End If
  Next i
  
End Sub

Private Sub txtByte_Click(Index As Integer)
 m_nBinary = Index
End Sub
