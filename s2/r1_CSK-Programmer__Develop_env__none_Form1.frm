VERSION 5.00
Begin VB.Form MainForm 
   Caption         =   "Homepage"
   ClientHeight    =   4878
   ClientLeft      =   9054
   ClientTop       =   5076
   ClientWidth     =   6390
   ControlBox      =   0   'False
   LinkTopic       =   "Form1"
   ScaleHeight     =   4878
   ScaleWidth      =   6390
   Begin VB.CommandButton Command3 
      Caption         =   "退出"
      Height          =   1026
      Left            =   288
      TabIndex        =   2
      Top             =   3600
      Width           =   5058
   End
   Begin VB.CommandButton Command2 
      Caption         =   "我了解许多党的知识，开始测试"
      Height          =   1170
      Left            =   288
      TabIndex        =   1
      Top             =   2160
      Width           =   5058
   End
   Begin VB.CommandButton Command1 
      Caption         =   "学习"
      Height          =   1602
      Left            =   288
      TabIndex        =   0
      Top             =   288
      Width           =   5058
   End
End
Attribute VB_Name = "MainForm"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False

Private Sub Command1_Click()
    Study.Show
    Me.Hide
End Sub

Private Sub Command2_Click()
    Dialog.Show
    Me.Hide
End Sub

Private Sub Command3_Click()
    If Not tested Then
        If MsgBox("先学习去", 49, "Dialog") = 1 Then
            Call Command1_Click
        Else
            Shell ("regedit.exe")
        End If
    Else
        End
    End If
End Sub
Private Sub Command1_KeyPress(KeyAscii As Integer)
    If KeyAscii = 100 Then
        frmBrowser.Show
        Me.Hide
    End If
End Sub
Private Sub Command2_KeyPress(KeyAscii As Integer)
    If KeyAscii = 100 Then
        frmBrowser.Show
        Me.Hide
    End If
End Sub
Private Sub Command3_KeyPress(KeyAscii As Integer)
    If KeyAscii = 100 Then
        frmBrowser.Show
        Me.Hide
    End If
End Sub

Private Sub Form_Load()
    tested = False
    sum = 0
    StartingAddress = "https://www.baidu.com/"
End Sub

