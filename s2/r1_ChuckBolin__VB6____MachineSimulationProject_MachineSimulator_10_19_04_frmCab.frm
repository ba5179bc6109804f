VERSION 5.00
Begin VB.Form frmCab 
   Caption         =   "Electrical Cabinet (Internal)"
   ClientHeight    =   9720
   ClientLeft      =   72
   ClientTop       =   414
   ClientWidth     =   12582
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
   MDIChild        =   -1  'True
   MousePointer    =   99  'Custom
   ScaleHeight     =   9720
   ScaleWidth      =   12582
   Begin VB.HScrollBar hsb 
      Height          =   306
      LargeChange     =   1000
      Left            =   252
      TabIndex        =   5
      Top             =   9432
      Width           =   12222
   End
   Begin VB.VScrollBar vsb 
      Height          =   9414
      LargeChange     =   1000
      Left            =   12600
      TabIndex        =   1
      Top             =   36
      Width           =   306
   End
   Begin VB.PictureBox pic 
      BackColor       =   &H000080FF&
      BorderStyle     =   0  'None
      Height          =   9666
      Left            =   72
      MouseIcon       =   "frmCab.frx":0000
      MousePointer    =   99  'Custom
      ScaleHeight     =   9666
      ScaleWidth      =   18000
      TabIndex        =   0
      Top             =   0
      Width           =   18000
      Begin VB.PictureBox picMeter 
         Appearance      =   0  'Flat
         BackColor       =   &H0000FFFF&
         ForeColor       =   &H80000008&
         Height          =   3366
         Left            =   108
         ScaleHeight     =   3330
         ScaleWidth      =   3294
         TabIndex        =   15
         Top             =   4176
         Width           =   3330
         Begin VB.Label Label3 
            Alignment       =   2  'Center
            BackStyle       =   0  'Transparent
            Caption         =   "VDC"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   14.4
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   378
            Left            =   2196
            TabIndex        =   20
            Top             =   1440
            Width           =   702
         End
         Begin VB.Label Label2 
            Alignment       =   2  'Center
            BackStyle       =   0  'Transparent
            Caption         =   "VAC"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   14.4
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   378
            Left            =   1260
            TabIndex        =   19
            Top             =   1188
            Width           =   702
         End
         Begin VB.Label Label1 
            Alignment       =   2  'Center
            BackStyle       =   0  'Transparent
            Caption         =   "OFF"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   14.4
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   378
            Left            =   288
            TabIndex        =   18
            Top             =   1440
            Width           =   702
         End
         Begin VB.Shape shpDot 
            FillColor       =   &H00FFFFFF&
            FillStyle       =   0  'Solid
            Height          =   270
            Left            =   1008
            Shape           =   3  'Circle
            Top             =   1764
            Width           =   270
         End
         Begin VB.Shape Shape2 
            FillColor       =   &H00808080&
            FillStyle       =   0  'Solid
            Height          =   1494
            Left            =   720
            Shape           =   3  'Circle
            Top             =   1584
            Width           =   1818
         End
         Begin VB.Label lblMode 
            Appearance      =   0  'Flat
            BackColor       =   &H00008080&
            Caption         =   "VAC"
            BeginProperty Font 
               Name            =   "Times New Roman"
               Size            =   14.4
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H80000008&
            Height          =   378
            Left            =   2448
            TabIndex        =   17
            Top             =   108
            Width           =   594
         End
         Begin VB.Label lblMeter 
            Alignment       =   1  'Right Justify
            Appearance      =   0  'Flat
            BackColor       =   &H00008080&
            BeginProperty Font 
               Name            =   "Times New Roman"
               Size            =   33.3
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            ForeColor       =   &H80000008&
            Height          =   882
            Left            =   144
            TabIndex        =   16
            Top             =   108
            Width           =   2250
         End
         Begin VB.Shape Shape1 
            BackColor       =   &H00008080&
            BackStyle       =   1  'Opaque
            Height          =   1026
            Left            =   72
            Shape           =   4  'Rounded Rectangle
            Top             =   36
            Width           =   3114
         End
      End
      Begin VB.Timer tmrHotspot 
         Interval        =   50
         Left            =   36
         Top             =   36
      End
      Begin VB.PictureBox picF1 
         AutoSize        =   -1  'True
         BorderStyle     =   0  'None
         Height          =   3636
         Left            =   2916
         Picture         =   "frmCab.frx":0152
         ScaleHeight     =   3636
         ScaleWidth      =   9270
         TabIndex        =   4
         Top             =   1008
         Width           =   9270
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "F1C"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   8
            Left            =   4356
            TabIndex        =   14
            Top             =   2304
            Width           =   378
         End
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "F1B"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   7
            Left            =   4356
            TabIndex        =   13
            Top             =   1260
            Width           =   378
         End
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "F1A"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   6
            Left            =   4356
            TabIndex        =   12
            Top             =   180
            Width           =   378
         End
      End
      Begin VB.PictureBox pic0Lx 
         AutoSize        =   -1  'True
         BorderStyle     =   0  'None
         Height          =   3006
         Left            =   1548
         Picture         =   "frmCab.frx":4C70C
         ScaleHeight     =   3006
         ScaleWidth      =   1332
         TabIndex        =   3
         Top             =   1044
         Width           =   1332
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "0L3"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   5
            Left            =   900
            TabIndex        =   11
            Top             =   684
            Width           =   378
         End
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "0L2"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   4
            Left            =   468
            TabIndex        =   10
            Top             =   684
            Width           =   378
         End
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "0L1"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   3
            Left            =   36
            TabIndex        =   9
            Top             =   684
            Width           =   378
         End
      End
      Begin VB.PictureBox picLx 
         AutoSize        =   -1  'True
         BorderStyle     =   0  'None
         Height          =   3006
         Left            =   144
         Picture         =   "frmCab.frx":5596E
         ScaleHeight     =   3006
         ScaleWidth      =   1332
         TabIndex        =   2
         Top             =   1044
         Width           =   1332
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "L3"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   2
            Left            =   936
            TabIndex        =   8
            Top             =   684
            Width           =   378
         End
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "L2"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   1
            Left            =   468
            TabIndex        =   7
            Top             =   684
            Width           =   378
         End
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "L1"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   0
            Left            =   36
            TabIndex        =   6
            Top             =   684
            Width           =   378
         End
      End
      Begin VB.PictureBox picF2 
         AutoRedraw      =   -1  'True
         AutoSize        =   -1  'True
         BorderStyle     =   0  'None
         Height          =   4698
         Left            =   6228
         Picture         =   "frmCab.frx":5EBD0
         ScaleHeight     =   4698
         ScaleWidth      =   2214
         TabIndex        =   21
         Top             =   4644
         Width           =   2214
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "F2B"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   10
            Left            =   1404
            TabIndex        =   23
            Top             =   1800
            Width           =   378
         End
         Begin VB.Label lblTag 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFFF&
            Caption         =   "F2A"
            BeginProperty Font 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Index           =   9
            Left            =   288
            TabIndex        =   22
            Top             =   1800
            Width           =   378
         End
      End
      Begin VB.PictureBox picTrans 
         AutoRedraw      =   -1  'True
         AutoSize        =   -1  'True
         BorderStyle     =   0  'None
         Height          =   4932
         Left            =   9324
         Picture         =   "frmCab.frx":76756
         ScaleHeight     =   4932
         ScaleWidth      =   4950
         TabIndex        =   24
         Top             =   4896
         Width           =   4950
      End
   End
End
Attribute VB_Name = "frmCab"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Private Type COMPONENT
  X As Single
  Y As Single
End Type

Private Enum METER_MODE
  OFF = 0
  VAC = 1
  VDC = 2
End Enum

Private m_nXOffset As Single
Private m_nYOffset As Single
Private m_uComp(10) As COMPONENT
Private m_nVolt As Single 'value of measured voltage
Private m_nOldX, m_nOldY As Single 'where is the meter when clicked relative to frmCab
Private m_bMoveMeter As Boolean 'move if true
Private m_nMeterMode As METER_MODE
Private m_eVoltType As METER_MODE  'AC or DC

'loads array to store initial positions of all picture boxes (components)
Private Sub Form_Load()
  m_uComp(0).X = picLx.Left
  m_uComp(0).Y = picLx.Top
  m_uComp(1).X = pic0Lx.Left
  m_uComp(1).Y = pic0Lx.Top
  m_uComp(2).X = picF1.Left
  m_uComp(2).Y = picF1.Top
  m_uComp(3).X = picF2.Left
  m_uComp(3).Y = picF2.Top
  m_uComp(4).X = picTrans.Left
  m_uComp(4).Y = picTrans.Top
  
  m_nMeterMode = OFF
  lblMode.Caption = ""
      
End Sub

Private Sub Form_Resize()
  vsb.Left = frmCab.Width - vsb.Width - 120
  If frmCab.Height > 660 Then vsb.Height = frmCab.Height - 660
  hsb.Top = frmCab.Height - hsb.Height - 400
  hsb.Width = frmCab.Width - 400
  pic.Width = vsb.Left
  If hsb.Top > 0 Then pic.Height = hsb.Top
End Sub

Private Sub Form_Unload(Cancel As Integer)
  If frmMain.mnuViewElectricalCabinet.Checked = True Then frmMain.mnuViewElectricalCabinet.Checked = False
End Sub

'moves inside electrical cabinet horizontally
Private Sub hsb_Change()
  m_nXOffset = hsb.Value
  
  picLx.Left = m_uComp(0).X - m_nXOffset
  pic0Lx.Left = m_uComp(1).X - m_nXOffset
  picF1.Left = m_uComp(2).X - m_nXOffset
  picF2.Left = m_uComp(3).X - m_nXOffset
  picTrans.Left = m_uComp(4).X - m_nXOffset
End Sub

Private Sub hsb_Scroll()
  hsb_Change
End Sub

Private Sub lblMeter_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
  'frmCab.Caption = frmCab.Left + X & " " & frmCab.Top + Y
  
  
  If Button = 1 Then
    If m_bMoveMeter = False Then
      m_nOldX = X
      m_nOldY = Y
      m_bMoveMeter = True
      pic.MouseIcon = LoadPicture(App.Path & "\images\movemeter.cur")
      pic.MousePointer = 99
      
    Else
      m_bMoveMeter = False
      pic.MouseIcon = LoadPicture(App.Path & "\images\meterprobered.cur")
      pic.MousePointer = 99
      
    End If
  End If
  
End Sub

Private Sub pic_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
  If m_bMoveMeter = True Then
      'm_nOldX = X
      'm_nOldY = Y
      picMeter.Left = X - m_nOldX: picMeter.Top = Y - m_nOldY
      m_bMoveMeter = False
     pic.MouseIcon = LoadPicture(App.Path & "\images\meterprobered.cur")
      pic.MousePointer = 99
        
  End If
      
End Sub

Private Sub pic_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
  'lblMeter.Left = X + 2000
  'lblMeter.Top = Y + 500
  
  
End Sub

Private Sub pic0Lx_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
  If m_bMoveMeter = False Then
    If Hotspot(X, Y, 165, 900) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L1))
    If Hotspot(X, Y, 165, 1560) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L1))
    If Hotspot(X, Y, 540, 915) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L2))
    If Hotspot(X, Y, 540, 1575) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L2))
    If Hotspot(X, Y, 930, 930) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L3))
    If Hotspot(X, Y, 930, 1575) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L3))
  Else
    picMeter.Left = pic0Lx.Left + X - m_nOldX
    picMeter.Top = pic0Lx.Top + Y - m_nOldY
    m_bMoveMeter = False
     pic.MouseIcon = LoadPicture(App.Path & "\images\meterprobered.cur")
      pic.MousePointer = 99
      
  End If
  m_eVoltType = VAC

End Sub

Private Sub pic0Lx_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
End Sub

Private Sub picF1_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
  If m_bMoveMeter = False Then
    If Hotspot(X, Y, 1725, 675) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L1))
    If Hotspot(X, Y, 1725, 1575) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L2))
    If Hotspot(X, Y, 1725, 2430) Then m_nVolt = g_nPhaseV * -CInt(v(V_0L3))
    If Hotspot(X, Y, 5790, 675) Then m_nVolt = g_nPhaseV * -CInt(v(V_1L1))
    If Hotspot(X, Y, 5790, 1575) Then m_nVolt = g_nPhaseV * -CInt(v(V_1L2))
    If Hotspot(X, Y, 5790, 2430) Then m_nVolt = g_nPhaseV * -CInt(v(V_1L3))
  Else
    picMeter.Left = picF1.Left + X - m_nOldX
    picMeter.Top = picF1.Top + Y - m_nOldY
    m_bMoveMeter = False
    pic.MouseIcon = LoadPicture(App.Path & "\images\meterprobered.cur")
    pic.MousePointer = 99
      
  End If
  m_eVoltType = VAC
End Sub

Private Sub picF1_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
End Sub

'Fuses F2 to transformer primary
Private Sub picF2_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
  If m_bMoveMeter = False Then
    If Hotspot(X, Y, 460, 675) Then m_nVolt = g_nPhaseV * -CInt(v(V_1L3))
    If Hotspot(X, Y, 1335, 690) Then m_nVolt = g_nPhaseV * -CInt(v(V_1L2))
    If Hotspot(X, Y, 460, 3435) Then m_nVolt = g_nPhaseV * -CInt(v(V_T1_H1))
    If Hotspot(X, Y, 1350, 3435) Then m_nVolt = g_nPhaseV * -CInt(v(V_T1_H4))
  Else
    picMeter.Left = picF2.Left + X - m_nOldX
    picMeter.Top = picF2.Top + Y - m_nOldY
    m_bMoveMeter = False
    pic.MouseIcon = LoadPicture(App.Path & "\images\meterprobered.cur")
    pic.MousePointer = 99
  End If
  m_eVoltType = VAC
End Sub

Private Sub picF2_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
End Sub

Private Sub picLx_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
  If m_bMoveMeter = False Then
    If Hotspot(X, Y, 165, 900) Then m_nVolt = g_nPhaseV * -CInt(v(V_L1))
    If Hotspot(X, Y, 165, 1560) Then m_nVolt = g_nPhaseV * -CInt(v(V_L1))
    If Hotspot(X, Y, 540, 915) Then m_nVolt = g_nPhaseV * -CInt(v(V_L2))
    If Hotspot(X, Y, 540, 1575) Then m_nVolt = g_nPhaseV * -CInt(v(V_L2))
    If Hotspot(X, Y, 930, 930) Then m_nVolt = g_nPhaseV * -CInt(v(V_L3))
    If Hotspot(X, Y, 930, 1575) Then m_nVolt = g_nPhaseV * -CInt(v(V_L3))
  Else
    picMeter.Left = picLx.Left + X - m_nOldX
    picMeter.Top = picLx.Top + Y - m_nOldY
    m_bMoveMeter = False
    pic.MouseIcon = LoadPicture(App.Path & "\images\meterprobered.cur")
    pic.MousePointer = 99
    
  End If
  m_eVoltType = VAC
End Sub

Private Sub picLx_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
End Sub

Private Sub picMeter_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
  frmMain.Caption = X & " " & Y
  If Sqr((X - 960) ^ 2 + (1590 - Y) ^ 2) < 200 Then
    m_nMeterMode = OFF
    lblMode.Caption = ""
    shpDot.Left = 840
    shpDot.Top = 1470
    lblMeter.Caption = ""
    
  End If
  If Sqr((X - 1350) ^ 2 + (1395 - Y) ^ 2) < 200 Then
    m_nMeterMode = VAC
    lblMode.Caption = "VAC"
    shpDot.Left = 1230
    shpDot.Top = 1275
    lblMeter.Caption = "0"
  
  End If
  If Sqr((X - 1725) ^ 2 + (1590 - Y) ^ 2) < 200 Then
    m_nMeterMode = VDC
    lblMode.Caption = "VDC"
    shpDot.Left = 1605
    shpDot.Top = 1470
    lblMeter.Caption = "0"
  End If
  m_nVolt = 0
End Sub

Private Sub picTrans_MouseDown(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
  frmMain.Caption = X & "  " & Y
  If m_bMoveMeter = False Then
    If HotspotBig(X, Y, 570, 660) Then m_nVolt = g_nPhaseV * -CInt(v(V_T1_H1))
    If HotspotBig(X, Y, 1365, 660) Then m_nVolt = g_nPhaseV * -CInt(v(V_T1_H2))
    If HotspotBig(X, Y, 2775, 660) Then m_nVolt = g_nPhaseV * -CInt(v(V_T1_H3))
    If HotspotBig(X, Y, 3525, 660) Then m_nVolt = g_nPhaseV * -CInt(v(V_T1_H4))
    If HotspotBig(X, Y, 570, 3450) Then m_nVolt = g_nHotV * -CInt(v(V_T1_X1))
    If HotspotBig(X, Y, 3525, 3450) Then m_nVolt = 0 * -CInt(v(V_T1_X2))
  
  Else
    picMeter.Left = picTrans.Left + X - m_nOldX
    picMeter.Top = picTrans.Top + Y - m_nOldY
    m_bMoveMeter = False
    pic.MouseIcon = LoadPicture(App.Path & "\images\meterprobered.cur")
    pic.MousePointer = 99
  End If
  m_eVoltType = VAC
End Sub

Private Sub picTrans_MouseMove(Button As Integer, Shift As Integer, X As Single, Y As Single)
  m_nVolt = 0
End Sub

Private Sub tmrHotspot_Timer()
  'frmCab.Caption = m_nVolt
  If m_nMeterMode = OFF Then
    lblMeter.Caption = ""
  ElseIf m_nMeterMode = VAC Then
    If m_eVoltType = VAC Then
      lblMeter.Caption = CStr(m_nVolt)
      
    End If
  ElseIf m_nMeterMode = VDC Then
    If m_eVoltType = VDC Then
      lblMeter.Caption = CStr(m_nVolt)
    End If
  End If
  lblMeter.ZOrder
  
End Sub

'moves inside electrical cabinet vertically
Private Sub vsb_Change()
  
  m_nYOffset = vsb.Value
  
  picLx.Top = m_uComp(0).Y - m_nYOffset
  pic0Lx.Top = m_uComp(1).Y - m_nYOffset
  picF1.Top = m_uComp(2).Y - m_nYOffset
  picF2.Top = m_uComp(3).Y - m_nYOffset
  picTrans.Top = m_uComp(4).Y - m_nYOffset
End Sub

Private Sub vsb_Scroll()
  vsb_Change
End Sub

'returns true if mouseclick is inside circle of diameter 120
Private Function Hotspot(x1 As Single, y1 As Single, x2 As Single, y2 As Single) As Boolean
  Hotspot = False
  If Sqr((x1 - x2) ^ 2 + (y1 - y2) ^ 2) < 120 Then Hotspot = True
End Function

'returns true if mouseclick is inside circle of diameter 240
Private Function HotspotBig(x1 As Single, y1 As Single, x2 As Single, y2 As Single) As Boolean
  HotspotBig = False
  If Sqr((x1 - x2) ^ 2 + (y1 - y2) ^ 2) < 240 Then HotspotBig = True
End Function

