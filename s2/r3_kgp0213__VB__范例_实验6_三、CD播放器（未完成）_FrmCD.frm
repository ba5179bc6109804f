VERSION 5.00
Object = "{C1A8AF28-1257-101B-8FB0-0020AF039CA3}#1.1#0"; "MCI32.OCX"
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "COMDLG32.OCX"
Begin VB.Form FrmCD 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "CD播放器"
   ClientHeight    =   1746
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   6408
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   1746
   ScaleWidth      =   6408
   ShowInTaskbar   =   0   'False
   StartUpPosition =   3  '窗口缺省
   Begin MSComDlg.CommonDialog CommonDialog1 
      Left            =   5760
      Top             =   432
      _ExtentX        =   1016
      _ExtentY        =   1016
      _Version        =   393216
   End
   Begin VB.CommandButton ComEnd 
      Caption         =   "退出"
      Height          =   306
      Left            =   5328
      TabIndex        =   9
      Top             =   1152
      Width           =   882
   End
   Begin VB.CommandButton ComEject 
      Caption         =   "弹出"
      Height          =   306
      Left            =   4464
      TabIndex        =   8
      Top             =   1152
      Width           =   882
   End
   Begin VB.CommandButton ComStop 
      Caption         =   "停止"
      Height          =   306
      Left            =   3600
      TabIndex        =   7
      Top             =   1152
      Width           =   882
   End
   Begin VB.CommandButton ComPause 
      Caption         =   "暂停"
      Height          =   306
      Left            =   2736
      TabIndex        =   6
      Top             =   1152
      Width           =   882
   End
   Begin VB.CommandButton ComNext 
      Caption         =   "下一首"
      Height          =   306
      Left            =   1872
      TabIndex        =   5
      Top             =   1152
      Width           =   882
   End
   Begin VB.CommandButton ComPrev 
      Caption         =   "上一首"
      Height          =   306
      Left            =   1008
      TabIndex        =   4
      Top             =   1152
      Width           =   882
   End
   Begin VB.CommandButton ComPlay 
      Caption         =   "播放"
      Height          =   306
      Left            =   144
      TabIndex        =   3
      Top             =   1152
      Width           =   882
   End
   Begin MCI.MMControl MMControl1 
      Height          =   396
      Left            =   144
      TabIndex        =   10
      Top             =   1440
      Width           =   6066
      _ExtentX        =   10699
      _ExtentY        =   698
      _Version        =   393216
      DeviceType      =   ""
      FileName        =   ""
   End
   Begin VB.Label Label1 
      Caption         =   "  CD播放器  "
      BeginProperty Font 
         Name            =   "宋体"
         Size            =   14.4
         Charset         =   134
         Weight          =   400
         Underline       =   -1  'True
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   2160
      TabIndex        =   11
      Top             =   288
      Width           =   1890
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      Caption         =   "正在播放总时间："
      Height          =   216
      Left            =   4032
      TabIndex        =   2
      Top             =   720
      Width           =   1728
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      Caption         =   "正在播放曲目："
      Height          =   216
      Left            =   2016
      TabIndex        =   1
      Top             =   720
      Width           =   1512
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      Caption         =   "曲目总数："
      Height          =   216
      Left            =   288
      TabIndex        =   0
      Top             =   720
      Width           =   1080
   End
End
Attribute VB_Name = "FrmCD"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Form_Load()
  MMControl1.Visible = False
End Sub

Private Sub ComPlay_Click()
  '在未选择文件时，文件名为空字符
  CommonDialog1.FileName = ""
  '设置文件的过滤方式，可显示文件名为.dat的文件
  CommonDialog1.Filter = "(vcd*.dat)│*.dat"
  '初始的文件过滤方式为*.dat
  CommonDialog1.FilterIndex = 2
  '建立打开文件的通用对话框
  CommonDialog1.ShowOpen
  '打开一个文件后关闭前一此被打开的多媒体设备
  MMControl1.Command = "Close"
    '设置多媒体设备类型为MpegVideo
  MMControl1.DeviceType = "MpegVideo"
    '设置打开的文件为通用对话框中选择的文件
  MMControl1.FileName = CommonDialog1.FileName
    '打开文件
  MMControl1.Command = "Open"
  MMControl1.Command = "Play"
  ComPause.Enabled = True
  ComPlay.Enabled = False
  ComStop.Enabled = True
End Sub

Private Sub MMControl1_StatusUpdate()
  Label2.Caption = "曲目总数：" & MMControl1.Tracks
  Label4.Caption = "曲目播放总时间：" & Trim(Str(Int(MMControl1.Length / 60000))) + "分"
  Label3.Caption = "正在播放曲目：" & Str(MMControl1.Track)
End Sub

Private Sub ComPrev_Click()
  MMControl1.Command = "Prev"
End Sub

Private Sub ComNext_Click()
  MMControl1.Command = "Next"
End Sub

Private Sub ComPause_Click()
  ComPlay.Enabled = True
  MMControl1.Command = "Pause"
  ComPause.Enabled = False
End Sub

Private Sub ComStop_Click()
  MMControl1.Command = "Stop"
  ComStop.Enabled = False
  ComPlay.Enabled = True
End Sub

Private Sub ComEject_Click()
  MMControl1.Command = "Stop"
  MMControl1.Command = "Eject"
  ComPlay.Enabled = True
End Sub

Private Sub ComEnd_Click()
  End
End Sub

Private Sub Form_Unload(Cancel As Integer)
  MMControl1.Command = "Stop"
  MMControl1.Command = "Close"
End Sub


