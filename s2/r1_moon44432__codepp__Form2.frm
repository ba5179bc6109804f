VERSION 5.00
Begin VB.Form frmInfo 
   BackColor       =   &H00FFFFFF&
   BorderStyle     =   1  '¥‹¿œ ∞Ì¡§
   Caption         =   "Code++ ¡§∫∏"
   ClientHeight    =   7272
   ClientLeft      =   54
   ClientTop       =   468
   ClientWidth     =   9198
   Icon            =   "Form2.frx":0000
   LinkTopic       =   "Form2"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   7272
   ScaleWidth      =   9198
   StartUpPosition =   3  'Windows ±‚∫ª∞™
   Begin VB.TextBox Text1 
      BeginProperty Font 
         Name            =   "∏º¿∫ ∞ÌµÒ"
         Size            =   10.8
         Charset         =   129
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1458
      Left            =   288
      Locked          =   -1  'True
      MultiLine       =   -1  'True
      ScrollBars      =   2  'ºˆ¡˜
      TabIndex        =   4
      Text            =   "Form2.frx":1542
      Top             =   4896
      Width           =   8658
   End
   Begin VB.CommandButton Command1 
      Caption         =   "»Æ¿Œ"
      BeginProperty Font 
         Name            =   "∏º¿∫ ∞ÌµÒ"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   7488
      TabIndex        =   3
      Top             =   6624
      Width           =   1602
   End
   Begin VB.Label Label1 
      BackStyle       =   0  '≈ı∏Ì
      Caption         =   "®œ 2016~2021 Naissoft. All rights reserved."
      BeginProperty Font 
         Name            =   "∏º¿∫ ∞ÌµÒ"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   1
      Left            =   144
      TabIndex        =   2
      Top             =   6768
      Width           =   4338
   End
   Begin VB.Label lblVer 
      BackStyle       =   0  '≈ı∏Ì
      Caption         =   "lblVer"
      BeginProperty Font 
         Name            =   "∏º¿∫ ∞ÌµÒ"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   1872
      TabIndex        =   1
      Top             =   4464
      Width           =   2466
   End
   Begin VB.Label Label1 
      BackStyle       =   0  '≈ı∏Ì
      Caption         =   "Naissoft Code++"
      BeginProperty Font 
         Name            =   "∏º¿∫ ∞ÌµÒ"
         Size            =   10.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Index           =   0
      Left            =   144
      TabIndex        =   0
      Top             =   4464
      Width           =   3474
   End
   Begin VB.Image Image1 
      Height          =   4194
      Left            =   0
      Picture         =   "Form2.frx":15B5
      Top             =   0
      Width           =   9216
   End
End
Attribute VB_Name = "frmInfo"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
    Unload frmInfo
End Sub

Private Sub Form_Load()
    lblVer.Caption = "Version " & App.Major & "." & App.Minor & " (Build " & App.Revision & ")"
End Sub

