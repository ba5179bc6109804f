VERSION 5.00
Begin VB.Form frmFault 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Fault Status"
   ClientHeight    =   4248
   ClientLeft      =   6138
   ClientTop       =   198
   ClientWidth     =   8550
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
   MaxButton       =   0   'False
   MDIChild        =   -1  'True
   MinButton       =   0   'False
   ScaleHeight     =   4248
   ScaleWidth      =   8550
   Begin VB.Frame fraFault 
      Caption         =   "Click to Clear Fault(s)"
      Height          =   4194
      Left            =   36
      TabIndex        =   0
      Top             =   0
      Width           =   8478
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   9
         Left            =   180
         TabIndex        =   12
         Top             =   2952
         Width           =   3366
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   8
         Left            =   180
         TabIndex        =   11
         Top             =   2628
         Width           =   3366
      End
      Begin VB.CommandButton cmdApply 
         Caption         =   "C&lear"
         Height          =   486
         Left            =   6084
         TabIndex        =   10
         Top             =   3492
         Width           =   1062
      End
      Begin VB.CommandButton cmdClose 
         Caption         =   "&Close"
         Height          =   486
         Left            =   7236
         TabIndex        =   9
         Top             =   3492
         Width           =   1098
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   7
         Left            =   180
         TabIndex        =   8
         Top             =   2340
         Width           =   3366
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   6
         Left            =   180
         TabIndex        =   7
         Top             =   2052
         Width           =   3366
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   5
         Left            =   180
         TabIndex        =   6
         Top             =   1476
         Width           =   3366
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   4
         Left            =   180
         TabIndex        =   5
         Top             =   1764
         Width           =   3366
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   3
         Left            =   180
         TabIndex        =   4
         Top             =   1188
         Width           =   3366
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   2
         Left            =   180
         TabIndex        =   3
         Top             =   900
         Width           =   3366
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   0
         Left            =   180
         TabIndex        =   2
         Top             =   324
         Width           =   7290
      End
      Begin VB.CheckBox chkFault 
         Caption         =   "Fault"
         Height          =   342
         Index           =   1
         Left            =   180
         TabIndex        =   1
         Top             =   612
         Width           =   7902
      End
   End
End
Attribute VB_Name = "frmFault"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
'refer to electrical.bas for const names
Option Explicit
Private m_Faults(10) As Integer

'modify e() array based upon check boxes
Private Sub cmdApply_Click()
  Dim i As Integer
    
  'clears faults if selected
  For i = 0 To 9
    
    If chkFault(i).Value = vbChecked And chkFault(i).Visible = True Then
      f(m_Faults(i)) = False
      chkFault(i).Visible = False
    End If
  Next i
  
End Sub

Private Sub cmdClose_Click()
  Unload Me
End Sub

'add fault descriptions here
Private Sub Form_Load()
  Dim i As Integer
  Dim nFault As Integer
  
  'setup check boxes
  For i = 0 To 9
    chkFault(i).Caption = ""
    chkFault(i).Width = 6600
    chkFault(i).Visible = False
  Next i
  
  'load checkboxes
  nFault = 0
  For i = 1 To MAX_ELECTRICAL_COMPONENTS
    If f(i) = True Then
      nFault = nFault + 1
      chkFault(nFault - 1).Caption = "No. : " & i & ", " & GetFaultDescription(i)
      chkFault(nFault - 1).Visible = True
      m_Faults(nFault - 1) = i
  
    End If
    If nFault > 10 Then Exit For
  Next i

 ' cmdApply.SetFocus
  If nFault = 0 Then
    MsgBox "No faults selected!"
    Unload Me
  End If
  End Sub

