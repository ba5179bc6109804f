VERSION 5.00
Object = "{ACD4732E-2B7C-40C1-A56B-078848D41977}#1.0#0"; "Imagex.ocx"
Begin VB.Form FormMessage 
   BorderStyle     =   1  '單線固定
   Caption         =   "UnlightVBE"
   ClientHeight    =   10044
   ClientLeft      =   4032
   ClientTop       =   5274
   ClientWidth     =   10944
   BeginProperty Font 
      Name            =   "微軟正黑體"
      Size            =   14.4
      Charset         =   136
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "FormMsg.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   10044
   ScaleWidth      =   10944
   StartUpPosition =   2  '螢幕中央
   Begin VB.PictureBox Picture1 
      Appearance      =   0  '平面
      BackColor       =   &H80000005&
      BorderStyle     =   0  '沒有框線
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   10.8
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H80000008&
      Height          =   1746
      Left            =   432
      ScaleHeight     =   1746
      ScaleWidth      =   1746
      TabIndex        =   0
      Top             =   288
      Width           =   1746
      Begin ImageX.aicAlphaImage imageBlau 
         Height          =   8748
         Left            =   -288
         Top             =   0
         Width           =   2592
         _ExtentX        =   4572
         _ExtentY        =   15431
         Image           =   "FormMsg.frx":0CCA
         Props           =   5
      End
   End
   Begin VB.TextBox Text1 
      Height          =   6786
      Left            =   10800
      Locked          =   -1  'True
      MultiLine       =   -1  'True
      TabIndex        =   3
      Text            =   "FormMsg.frx":121A2
      Top             =   2448
      Width           =   9810
   End
   Begin VB.Label Label2 
      BackColor       =   &H00FFFFFF&
      BorderStyle     =   1  '單線固定
      Caption         =   "Label2"
      Height          =   6786
      Left            =   288
      TabIndex        =   4
      Top             =   2304
      Width           =   10386
   End
   Begin VB.Label bnet 
      Alignment       =   2  '置中對齊
      BackStyle       =   0  '透明
      Caption         =   "確定"
      ForeColor       =   &H00FFFFFF&
      Height          =   450
      Left            =   8928
      TabIndex        =   2
      Top             =   9360
      Width           =   1746
   End
   Begin VB.Label Label1 
      BackStyle       =   0  '透明
      Caption         =   "給大小姐的一則通知"
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
      Height          =   2070
      Left            =   0
      Top             =   0
      Width           =   13554
   End
   Begin VB.Image bne 
      Height          =   738
      Left            =   8928
      Picture         =   "FormMsg.frx":123A5
      Stretch         =   -1  'True
      Top             =   9216
      Width           =   1764
   End
End
Attribute VB_Name = "FormMessage"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False

Option Explicit

Private Sub bne_Click()
    FormMessage.Visible = False
End Sub

Private Sub bnet_Click()
    FormMessage.Visible = False
End Sub

