VERSION 5.00
Object = "{6B7E6392-850A-101B-AFC0-4210102A8DA7}#1.3#0"; "comctl32.ocx"
Begin VB.Form frmSettings 
   BorderStyle     =   1  '단일 고정
   Caption         =   "설정"
   ClientHeight    =   7074
   ClientLeft      =   54
   ClientTop       =   468
   ClientWidth     =   8532
   Icon            =   "frmSettings.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   7074
   ScaleWidth      =   8532
   StartUpPosition =   3  'Windows 기본값
   Begin VB.CommandButton cmdCancel 
      Caption         =   "취소(&C)"
      BeginProperty Font 
         Name            =   "맑은 고딕"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   5328
      TabIndex        =   2
      Top             =   6480
      Width           =   1458
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "확인(&O)"
      BeginProperty Font 
         Name            =   "맑은 고딕"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   6912
      TabIndex        =   1
      Top             =   6480
      Width           =   1458
   End
   Begin ComctlLib.TabStrip tabStrip 
      Height          =   6210
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   8226
      _ExtentX        =   14509
      _ExtentY        =   10954
      ShowTips        =   0   'False
      _Version        =   327682
      BeginProperty Tabs {0713E432-850A-101B-AFC0-4210102A8DA7} 
         NumTabs         =   3
         BeginProperty Tab1 {0713F341-850A-101B-AFC0-4210102A8DA7} 
            Caption         =   "일반"
            Key             =   ""
            Object.Tag             =   ""
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab2 {0713F341-850A-101B-AFC0-4210102A8DA7} 
            Caption         =   "에디터"
            Key             =   ""
            Object.Tag             =   ""
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab3 {0713F341-850A-101B-AFC0-4210102A8DA7} 
            Caption         =   "컴파일 및 실행"
            Key             =   ""
            Object.Tag             =   ""
            ImageVarType    =   2
         EndProperty
      EndProperty
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "맑은 고딕"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
End
Attribute VB_Name = "frmSettings"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub tabSettings_Click()

End Sub

