VERSION 5.00
Object = "{ACD4732E-2B7C-40C1-A56B-078848D41977}#1.0#0"; "Imagex.ocx"
Begin VB.Form Formatkingcom 
   BackColor       =   &H00000000&
   BorderStyle     =   1  '虫絬㏕﹚
   ClientHeight    =   11016
   ClientLeft      =   11376
   ClientTop       =   2358
   ClientWidth     =   6984
   Icon            =   "Formatkingcom.frx":0000
   LinkTopic       =   "Form10"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   Moveable        =   0   'False
   ScaleHeight     =   11016
   ScaleWidth      =   6984
   Begin VB.Timer t1 
      Enabled         =   0   'False
      Interval        =   100
      Left            =   288
      Top             =   9648
   End
   Begin VB.PictureBox atkingcomjpg_old 
      Appearance      =   0  'キ
      BackColor       =   &H00000000&
      BorderStyle     =   0  '⊿Τ絬
      ForeColor       =   &H80000008&
      Height          =   13230
      Left            =   10080
      Picture         =   "Formatkingcom.frx":0CCA
      ScaleHeight     =   13230
      ScaleWidth      =   22320
      TabIndex        =   0
      Top             =   144
      Visible         =   0   'False
      Width           =   22320
   End
   Begin ImageX.aicAlphaImage atkingcomjpg 
      Height          =   11034
      Left            =   0
      Top             =   0
      Width           =   7002
      _ExtentX        =   12350
      _ExtentY        =   19463
      Image           =   "Formatkingcom.frx":15D3A
      Scaler          =   3
      Props           =   13
   End
End
Attribute VB_Name = "Formatkingcom"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    ╰参摸.瞒秨笴栏矗ボ Cancel, UnloadMode
End Sub

Private Sub t1_Timer()
    If ヘ玡计(31) = 19 Then
        t1.Enabled = False
        Vss_AtkingStartPlayNum(3) = 1
        Unload Me
        '==========================
    ElseIf ヘ玡计(31) = 10 Then
        Vss_AtkingStartPlayNum(1) = 1    'м磅︽い传瓜
        Vss_AtkingStartPlayNum(2) = 1    'м磅︽い币笆
        ヘ玡计(31) = Val(ヘ玡计(31)) + 1
    ElseIf ヘ玡计(31) = 7 Then
        ╰参摸.冀 5
        ヘ玡计(31) = Val(ヘ玡计(31)) + 1
    ElseIf ヘ玡计(31) = 5 Then
        atkingcomjpg.Visible = True
        ヘ玡计(31) = Val(ヘ玡计(31)) + 1
    Else
        ヘ玡计(31) = Val(ヘ玡计(31)) + 1
    End If
    DoEvents
End Sub
