VERSION 5.00
Begin VB.Form Form1 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "wifi开启器"
   ClientHeight    =   3636
   ClientLeft      =   54
   ClientTop       =   450
   ClientWidth     =   5472
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3636
   ScaleWidth      =   5472
   StartUpPosition =   3  '窗口缺省
   Begin VB.CommandButton Command3 
      Caption         =   "关于"
      Height          =   450
      Left            =   4320
      TabIndex        =   8
      Top             =   3024
      Width           =   882
   End
   Begin VB.CommandButton Command2 
      Caption         =   "关闭wifi"
      Height          =   450
      Left            =   3024
      TabIndex        =   5
      Top             =   2592
      Width           =   1170
   End
   Begin VB.CommandButton Command1 
      Caption         =   "开启wifi"
      Height          =   450
      Left            =   1008
      TabIndex        =   4
      Top             =   2592
      Width           =   1170
   End
   Begin VB.TextBox Text2 
      Height          =   324
      Left            =   1872
      TabIndex        =   3
      Text            =   "12345678"
      Top             =   864
      Width           =   2610
   End
   Begin VB.TextBox Text1 
      Height          =   324
      Left            =   1872
      TabIndex        =   2
      Text            =   "wifi"
      Top             =   432
      Width           =   2610
   End
   Begin VB.Label Label4 
      AutoSize        =   -1  'True
      Caption         =   "关闭"
      ForeColor       =   &H000000FF&
      Height          =   216
      Left            =   2880
      TabIndex        =   7
      Top             =   1728
      Width           =   432
   End
   Begin VB.Label Label3 
      AutoSize        =   -1  'True
      Caption         =   "wifi状态："
      Height          =   216
      Left            =   1584
      TabIndex        =   6
      Top             =   1728
      Width           =   1080
   End
   Begin VB.Label Label2 
      AutoSize        =   -1  'True
      Caption         =   "wifi密码："
      Height          =   216
      Left            =   432
      TabIndex        =   1
      Top             =   864
      Width           =   1080
   End
   Begin VB.Label Label1 
      AutoSize        =   -1  'True
      Caption         =   "wifi名："
      Height          =   216
      Left            =   432
      TabIndex        =   0
      Top             =   432
      Width           =   864
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Command1_Click()
Shell ("netsh wlan set hostednetwork mode=allow ssid=""" & Text1.Text & """ key=" & Text2.Text)
Shell ("netsh wlan start hostednetwork")
Label4.Caption = "已开启"
End Sub

Private Sub Command2_Click()
Shell ("netsh wlan stop hostednetwork")
Label4.Caption = "关闭"
End Sub

Private Sub Command3_Click()
MsgBox ("晨旭制作,qq961726194,个人网站：blog.papapoi.com")
End Sub
