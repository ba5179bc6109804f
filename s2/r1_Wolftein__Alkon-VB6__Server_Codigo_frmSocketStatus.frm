VERSION 5.00
Begin VB.Form frmSocketStatus 
   ClientHeight    =   3222
   ClientLeft      =   72
   ClientTop       =   486
   ClientWidth     =   3078
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "frmSocketStatus.frx":0000
   LinkTopic       =   "Form1"
   ScaleHeight     =   3222
   ScaleWidth      =   3078
   StartUpPosition =   3  'Windows Default
   Begin VB.Frame Frame1 
      Caption         =   "Estado de los sockets"
      Height          =   2898
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   2754
      Begin VB.Timer tmrSocketStatus 
         Enabled         =   0   'False
         Interval        =   1000
         Left            =   0
         Top             =   0
      End
      Begin VB.Label Label5 
         Caption         =   "Proxy Server:"
         Height          =   306
         Left            =   144
         TabIndex        =   7
         Top             =   1872
         Width           =   1170
      End
      Begin VB.Label lblProxy 
         BackColor       =   &H0000C000&
         Height          =   306
         Left            =   1584
         TabIndex        =   6
         Top             =   1872
         Width           =   594
      End
      Begin VB.Label lblMQ 
         BackColor       =   &H000000FF&
         Caption         =   "         "
         Height          =   306
         Left            =   1584
         TabIndex        =   5
         Top             =   1152
         Width           =   594
      End
      Begin VB.Label lblStateServer 
         BackColor       =   &H0000C000&
         Caption         =   "         "
         Height          =   306
         Left            =   1584
         TabIndex        =   3
         Top             =   576
         Width           =   594
      End
      Begin VB.Label Label2 
         AutoSize        =   -1  'True
         Caption         =   "MQ Server:"
         Height          =   234
         Left            =   288
         TabIndex        =   2
         Top             =   1152
         Width           =   972
      End
      Begin VB.Label Label1 
         AutoSize        =   -1  'True
         Caption         =   "State Server:"
         Height          =   234
         Left            =   288
         TabIndex        =   1
         Top             =   576
         Width           =   1116
      End
   End
   Begin VB.Label Label4 
      BackColor       =   &H0000C000&
      Caption         =   "         "
      Height          =   306
      Left            =   1728
      TabIndex        =   4
      Top             =   1440
      Width           =   594
   End
End
Attribute VB_Name = "frmSocketStatus"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    tmrSocketStatus.Enabled = True

End Sub

Private Sub Form_Unload(Cancel As Integer)
    tmrSocketStatus.Enabled = False

End Sub

Private Sub tmrSocketStatus_Timer()
     If frmMain.sckStateServer.State = sckConnected Then
On Error GoTo ErrHandler
  
        lblStateServer.BackColor = &HC000&
    Else
        lblStateServer.BackColor = &HFF&
    End If
    
    If frmMain.sckProxySender.State = sckConnected Then
        lblProxy.BackColor = &HC000&
    Else
        lblProxy.BackColor = &HFF&
    End If
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub tmrSocketStatus_Timer de frmSocketStatus.frm")
End Sub
