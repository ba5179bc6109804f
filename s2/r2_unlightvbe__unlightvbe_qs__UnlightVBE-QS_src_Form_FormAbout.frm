VERSION 5.00
Object = "{ACD4732E-2B7C-40C1-A56B-078848D41977}#1.0#0"; "Imagex.ocx"
Begin VB.Form FormAbout 
   BorderStyle     =   1  '單線固定
   Caption         =   "關於UnlightVBE-QS"
   ClientHeight    =   6642
   ClientLeft      =   7038
   ClientTop       =   4734
   ClientWidth     =   10080
   Icon            =   "FormAbout.frx":0000
   LinkTopic       =   "Form2"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   6642
   ScaleWidth      =   10080
   StartUpPosition =   1  '所屬視窗中央
   Begin VB.PictureBox Picture1 
      Appearance      =   0  '平面
      BackColor       =   &H00000000&
      BorderStyle     =   0  '沒有框線
      ForeColor       =   &H80000008&
      Height          =   2466
      Left            =   0
      ScaleHeight     =   2466
      ScaleWidth      =   10098
      TabIndex        =   5
      Top             =   0
      Width           =   10098
      Begin VB.PictureBox Picture2 
         Appearance      =   0  '平面
         BackColor       =   &H00000000&
         BorderStyle     =   0  '沒有框線
         ForeColor       =   &H80000008&
         Height          =   1890
         Left            =   1440
         Picture         =   "FormAbout.frx":0CCA
         ScaleHeight     =   1890
         ScaleWidth      =   9378
         TabIndex        =   6
         Top             =   432
         Width           =   9378
      End
   End
   Begin VB.Label Label5 
      Alignment       =   1  '靠右對齊
      Caption         =   "(CC BY-ND 4.0) CPA Co.,Ltd."
      BeginProperty Font 
         Name            =   "微軟正黑體"
         Size            =   9.9
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   5472
      TabIndex        =   8
      Top             =   3600
      Width           =   4482
   End
   Begin VB.Label Label4 
      Alignment       =   1  '靠右對齊
      Caption         =   "本程式內使用之Unlight相關素材，皆授權自CPA。"
      BeginProperty Font 
         Name            =   "微軟正黑體"
         Size            =   9.9
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   4464
      TabIndex        =   7
      Top             =   3312
      Width           =   5634
   End
   Begin ImageX.aicAlphaImage aicAlphaImage1 
      Height          =   558
      Left            =   8352
      Top             =   2736
      Width           =   1584
      _ExtentX        =   2794
      _ExtentY        =   984
      Image           =   "FormAbout.frx":95E8
      Props           =   5
   End
   Begin VB.Label Label6 
      Alignment       =   2  '置中對齊
      BackStyle       =   0  '透明
      Caption         =   "確定"
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
      Left            =   8352
      TabIndex        =   4
      Top             =   5904
      Width           =   1170
   End
   Begin VB.Image Image2 
      Height          =   738
      Left            =   8064
      Picture         =   "FormAbout.frx":9C22
      Stretch         =   -1  'True
      Top             =   5760
      Width           =   1764
   End
   Begin VB.Label Label1 
      Caption         =   "2023 By AndyCiu."
      BeginProperty Font 
         Name            =   "微軟正黑體"
         Size            =   13.5
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   3
      Top             =   4896
      Width           =   4338
   End
   Begin VB.Label aboutvn 
      Caption         =   "Bulid 1655"
      BeginProperty Font 
         Name            =   "微軟正黑體"
         Size            =   13.5
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   2
      Top             =   4032
      Width           =   4050
   End
   Begin VB.Label Label3 
      Caption         =   "Version Origin"
      BeginProperty Font 
         Name            =   "微軟正黑體"
         Size            =   13.5
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   1
      Top             =   3168
      Width           =   4338
   End
   Begin VB.Label Label2 
      Caption         =   "UnlightVBE Type QS"
      BeginProperty Font 
         Name            =   "微軟正黑體"
         Size            =   14.4
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   0
      Top             =   2736
      Width           =   4338
   End
End
Attribute VB_Name = "FormAbout"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Private Sub Command1_Click()
    FormAbout.Visible = False
End Sub

Private Sub Image2_Click()
    FormAbout.Visible = False
End Sub

Private Sub Label6_Click()
    FormAbout.Visible = False
End Sub
