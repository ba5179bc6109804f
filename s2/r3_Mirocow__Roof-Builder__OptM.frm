VERSION 5.00
Object = "{2635FD45-668B-432A-8A79-3D3CF73A0077}#1.0#0"; "СhameleonButton.ocx"

Begin VB.Form OptM 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Опции рассчета"
   ClientHeight    =   1782
   ClientLeft      =   54
   ClientTop       =   468
   ClientWidth     =   4320
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   204
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Форма1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   1782
   ScaleWidth      =   4320
   ShowInTaskbar   =   0   'False
   Visible         =   0   'False
   Begin VB.CommandButton Комманда1 
      Caption         =   "&OK"
      Height          =   450
      Left            =   3168
      TabIndex        =   5
      Top             =   1296
      Width           =   1026
   End
   Begin VB.TextBox txtN 
      Height          =   342
      Left            =   1152
      TabIndex        =   4
      Top             =   720
      Width           =   1458
   End
   Begin VB.TextBox txtW 
      Height          =   342
      Left            =   1152
      TabIndex        =   1
      Top             =   1152
      Width           =   1458
   End
   Begin VB.ComboBox Pr 
      Height          =   378
      Left            =   144
      TabIndex        =   0
      Text            =   "Комбо1"
      Top             =   144
      Width           =   3618
   End
   Begin VB.Label Метка2 
      Caption         =   "Нахлест:"
      Height          =   306
      Left            =   144
      TabIndex        =   3
      Top             =   1152
      Width           =   882
   End
   Begin VB.Label Метка1 
      Caption         =   "Ширина:"
      Height          =   306
      Left            =   144
      TabIndex        =   2
      Top             =   720
      Width           =   882
   End
End
Attribute VB_Name = "OptM"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False

Private Sub Pr_Click()
txtW = len_L(Pr.ListIndex)
txtN = len_w_L(Pr.ListIndex)
End Sub

Private Sub Комманда1_Click()
Unload Me
End Sub
