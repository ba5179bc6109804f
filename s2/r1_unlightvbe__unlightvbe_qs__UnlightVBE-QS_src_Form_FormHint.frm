VERSION 5.00
Object = "{ACD4732E-2B7C-40C1-A56B-078848D41977}#1.0#0"; "Imagex.ocx"
Begin VB.Form FormHint 
   BorderStyle     =   1  '單線固定
   ClientHeight    =   3366
   ClientLeft      =   4032
   ClientTop       =   5274
   ClientWidth     =   10944
   Icon            =   "FormHint.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3366
   ScaleWidth      =   10944
   StartUpPosition =   1  '所屬視窗中央
   Begin VB.PictureBox Picture1 
      Appearance      =   0  '平面
      BackColor       =   &H80000005&
      BorderStyle     =   0  '沒有框線
      ForeColor       =   &H80000008&
      Height          =   1746
      Left            =   432
      ScaleHeight     =   1746
      ScaleWidth      =   1746
      TabIndex        =   0
      Top             =   432
      Width           =   1746
      Begin ImageX.aicAlphaImage imageBlau 
         Height          =   8748
         Left            =   -288
         Top             =   0
         Width           =   2592
         _ExtentX        =   4572
         _ExtentY        =   15431
         Image           =   "FormHint.frx":0CCA
         Props           =   5
      End
   End
   Begin VB.Label bnet 
      Alignment       =   2  '置中對齊
      BackStyle       =   0  '透明
      Caption         =   "返回"
      BeginProperty Font 
         Name            =   "微軟正黑體"
         Size            =   14.4
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00FFFFFF&
      Height          =   450
      Left            =   8928
      TabIndex        =   2
      Top             =   2592
      Width           =   1746
   End
   Begin VB.Label Label1 
      BackStyle       =   0  '透明
      Caption         =   "稍等一下，大小姐。您還沒有完成設定歐。"
      BeginProperty Font 
         Name            =   "微軟正黑體"
         Size            =   18.9
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   2448
      TabIndex        =   1
      Top             =   864
      Width           =   7218
   End
   Begin VB.Shape Shape1 
      BackStyle       =   1  '不透明
      Height          =   2214
      Left            =   0
      Top             =   0
      Width           =   13554
   End
   Begin VB.Image bne 
      Height          =   738
      Left            =   8928
      Picture         =   "FormHint.frx":121A2
      Stretch         =   -1  'True
      Top             =   2448
      Width           =   1764
   End
End
Attribute VB_Name = "FormHint"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False

Option Explicit

Private Sub bne_Click()
    FormHint.Visible = False
    一般系統類.音效播放 11
    選單使用者事件 = True
    選單電腦事件 = True
    FormMainMode.PEGameFreeModeSettingForm.Enabled = True
End Sub

Private Sub bnet_Click()
    FormHint.Visible = False
    一般系統類.音效播放 11
    選單使用者事件 = True
    選單電腦事件 = True
    FormMainMode.PEGameFreeModeSettingForm.Enabled = True
End Sub

