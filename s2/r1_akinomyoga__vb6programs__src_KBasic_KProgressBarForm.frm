VERSION 5.00
Object = "{B30B7ED4-9187-4EC4-9CD3-5155839C07F7}#5.0#0"; "KBasic.ocx"
Begin VB.Form KProgressBarForm 
   Caption         =   "Test KProgressBar"
   ClientHeight    =   3834
   ClientLeft      =   72
   ClientTop       =   414
   ClientWidth     =   5616
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   3834
   ScaleWidth      =   5616
   StartUpPosition =   3  'Windows Default
   Begin VB.Timer Timer1 
      Interval        =   100
      Left            =   288
      Top             =   864
   End
   Begin KBasic.KProgressBar UserControl11 
      Height          =   594
      Left            =   288
      TabIndex        =   0
      Top             =   144
      Width           =   5058
      _ExtentX        =   8922
      _ExtentY        =   1048
   End
End
Attribute VB_Name = "KProgressBarForm"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Form_Load()
    UserControl11.ToolTipText = 0
End Sub

Private Sub Timer1_Timer()
    If UserControl11.Value < 100 Then
        UserControl11.Value = UserControl11.Value + 1
    Else
        UserControl11.Value = 0
    End If
End Sub

