VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "訂單"
   ClientHeight    =   3917
   ClientLeft      =   58
   ClientTop       =   418
   ClientWidth     =   5184
   Icon            =   "訂購.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   3917
   ScaleWidth      =   5184
   StartUpPosition =   3  '系統預設值
   Begin VB.CommandButton Command3 
      Caption         =   "結束"
      Height          =   878
      Left            =   3600
      Picture         =   "訂購.frx":0442
      Style           =   1  '圖片外觀
      TabIndex        =   7
      Top             =   2880
      Width           =   1166
   End
   Begin VB.CommandButton Command2 
      Caption         =   "重填"
      Enabled         =   0   'False
      Height          =   878
      Left            =   1872
      Picture         =   "訂購.frx":0884
      Style           =   1  '圖片外觀
      TabIndex        =   6
      Top             =   2880
      Width           =   1166
   End
   Begin VB.CommandButton Command1 
      Caption         =   "傳出"
      Height          =   878
      Left            =   288
      Picture         =   "訂購.frx":0CC6
      Style           =   1  '圖片外觀
      TabIndex        =   5
      Top             =   2880
      Width           =   1166
   End
   Begin VB.TextBox Text2 
      Height          =   446
      Left            =   1296
      TabIndex        =   1
      Top             =   1152
      Width           =   2894
   End
   Begin VB.TextBox Text1 
      Height          =   446
      Left            =   1296
      TabIndex        =   0
      Top             =   432
      Width           =   2894
   End
   Begin VB.Label Label3 
      BeginProperty Font 
         Name            =   "新細明體"
         Size            =   12.24
         Charset         =   136
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   446
      Left            =   713
      TabIndex        =   4
      Top             =   2016
      Width           =   3758
   End
   Begin VB.Label Label2 
      Caption         =   "產品"
      Height          =   302
      Left            =   576
      TabIndex        =   3
      Top             =   1296
      Width           =   446
   End
   Begin VB.Label Label1 
      Caption         =   "廠牌"
      Height          =   302
      Left            =   576
      TabIndex        =   2
      Top             =   576
      Width           =   446
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
  Label3.Caption = "謝謝您訂購" + Text1.Text + Text2.Text
  Label3.Visible = True
  Command2.Enabled = True
End Sub

Private Sub Command2_Click()
  Text1 = ""
  Text2 = ""
  Label3.Visible = False
  Command2.Enabled = False
End Sub

Private Sub Command3_Click()
  End
End Sub



