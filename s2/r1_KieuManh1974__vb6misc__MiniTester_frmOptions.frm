VERSION 5.00
Begin VB.Form frmOptions 
   BorderStyle     =   4  'Fixed ToolWindow
   Caption         =   "Options"
   ClientHeight    =   6768
   ClientLeft      =   54
   ClientTop       =   378
   ClientWidth     =   3474
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
   MinButton       =   0   'False
   ScaleHeight     =   6768
   ScaleWidth      =   3474
   ShowInTaskbar   =   0   'False
   StartUpPosition =   1  'CenterOwner
   Begin VB.Frame Frame3 
      Caption         =   "Operation"
      Height          =   738
      Left            =   54
      TabIndex        =   26
      Top             =   0
      Width           =   2754
      Begin VB.OptionButton optOperation 
         Caption         =   "Add"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   28
         Top             =   288
         Width           =   882
      End
      Begin VB.OptionButton optOperation 
         Caption         =   "Subtract"
         Height          =   306
         Index           =   1
         Left            =   1152
         TabIndex        =   27
         Top             =   288
         Width           =   1170
      End
   End
   Begin VB.Frame Frame10 
      Caption         =   "Spell"
      Height          =   738
      Left            =   54
      TabIndex        =   22
      Top             =   5904
      Width           =   2754
      Begin VB.OptionButton optSpell 
         Caption         =   "Full"
         Height          =   306
         Index           =   2
         Left            =   1872
         TabIndex        =   25
         Top             =   288
         Width           =   738
      End
      Begin VB.OptionButton optSpell 
         Caption         =   "Digit"
         Height          =   306
         Index           =   1
         Left            =   1008
         TabIndex        =   24
         Top             =   288
         Width           =   738
      End
      Begin VB.OptionButton optSpell 
         Caption         =   "None"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   23
         Top             =   288
         Width           =   882
      End
   End
   Begin VB.Frame Frame9 
      Caption         =   "Configuration"
      Height          =   738
      Left            =   54
      TabIndex        =   19
      Top             =   5184
      Width           =   2754
      Begin VB.OptionButton optConfiguration 
         Caption         =   "Vertical"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   21
         Top             =   288
         Width           =   1026
      End
      Begin VB.OptionButton optConfiguration 
         Caption         =   "Horizontal"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   20
         Top             =   288
         Width           =   1314
      End
   End
   Begin VB.Frame Frame8 
      Caption         =   "Carry/Borrow Overflow"
      Height          =   738
      Left            =   54
      TabIndex        =   14
      Top             =   4464
      Width           =   2754
      Begin VB.OptionButton optCarryBorrowOverflow 
         Caption         =   "Disallow"
         Height          =   306
         Index           =   1
         Left            =   1152
         TabIndex        =   16
         Top             =   288
         Width           =   1170
      End
      Begin VB.OptionButton optCarryBorrowOverflow 
         Caption         =   "Allow"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   15
         Top             =   288
         Width           =   882
      End
   End
   Begin VB.Frame Frame6 
      Caption         =   "Carry/Borrow In"
      Height          =   738
      Left            =   54
      TabIndex        =   11
      Top             =   3744
      Width           =   2754
      Begin VB.OptionButton optCarryBorrowIn 
         Caption         =   "Any"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   17
         Top             =   288
         Width           =   738
      End
      Begin VB.OptionButton optCarryBorrowIn 
         Caption         =   "No"
         Height          =   306
         Index           =   1
         Left            =   1008
         TabIndex        =   13
         Top             =   288
         Width           =   738
      End
      Begin VB.OptionButton optCarryBorrowIn 
         Caption         =   "Yes"
         Height          =   306
         Index           =   2
         Left            =   1872
         TabIndex        =   12
         Top             =   288
         Width           =   738
      End
   End
   Begin VB.Frame Frame5 
      Caption         =   "Number of Digits"
      Height          =   738
      Left            =   54
      TabIndex        =   2
      Top             =   720
      Width           =   2754
      Begin VB.TextBox txtNumDigits 
         Height          =   342
         Left            =   144
         TabIndex        =   3
         Text            =   "3"
         Top             =   288
         Width           =   594
      End
   End
   Begin VB.Frame Frame2 
      Caption         =   "Carry/Borrow Out"
      Height          =   1170
      Left            =   54
      TabIndex        =   1
      Top             =   2592
      Width           =   3330
      Begin VB.Frame Frame4 
         Caption         =   "Carry/Borrow Out"
         Height          =   1170
         Left            =   0
         TabIndex        =   29
         Top             =   0
         Width           =   3330
         Begin VB.TextBox txtCarryBorrowPatternOut 
            Height          =   342
            Left            =   1008
            TabIndex        =   34
            Top             =   288
            Width           =   882
         End
         Begin VB.OptionButton optCarryBorrowOut 
            Caption         =   "Yes"
            Height          =   306
            Index           =   2
            Left            =   1008
            TabIndex        =   33
            Top             =   720
            Width           =   738
         End
         Begin VB.OptionButton optCarryBorrowOut 
            Caption         =   "No"
            Height          =   306
            Index           =   1
            Left            =   144
            TabIndex        =   32
            Top             =   720
            Width           =   738
         End
         Begin VB.OptionButton optCarryBorrowOut 
            Caption         =   "Any"
            Height          =   306
            Index           =   0
            Left            =   144
            TabIndex        =   31
            Top             =   288
            Width           =   738
         End
         Begin VB.OptionButton optCarryBorrowOut 
            Caption         =   "No Double"
            Height          =   306
            Index           =   3
            Left            =   1728
            TabIndex        =   30
            Top             =   720
            Width           =   1458
         End
      End
      Begin VB.OptionButton optCarryOut 
         Caption         =   "No Double"
         Height          =   306
         Index           =   1
         Left            =   1728
         TabIndex        =   18
         Top             =   720
         Width           =   1458
      End
      Begin VB.OptionButton optCarryOut 
         Caption         =   "Any"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   10
         Top             =   288
         Width           =   738
      End
      Begin VB.OptionButton optCarryOut 
         Caption         =   "No"
         Height          =   306
         Index           =   2
         Left            =   144
         TabIndex        =   9
         Top             =   720
         Width           =   738
      End
      Begin VB.OptionButton optCarryOut 
         Caption         =   "Yes"
         Height          =   306
         Index           =   3
         Left            =   1008
         TabIndex        =   8
         Top             =   720
         Width           =   738
      End
   End
   Begin VB.Frame Frame1 
      Caption         =   "Parity"
      Height          =   1170
      Left            =   54
      TabIndex        =   0
      Top             =   1440
      Width           =   2754
      Begin VB.OptionButton optParity 
         Caption         =   "Any"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   7
         Top             =   288
         Value           =   -1  'True
         Width           =   738
      End
      Begin VB.OptionButton optParity 
         Caption         =   "Even"
         Height          =   306
         Index           =   1
         Left            =   1008
         TabIndex        =   6
         Top             =   288
         Width           =   1026
      End
      Begin VB.OptionButton optParity 
         Caption         =   "Odd"
         Height          =   306
         Index           =   2
         Left            =   144
         TabIndex        =   5
         Top             =   720
         Width           =   882
      End
      Begin VB.OptionButton optParity 
         Caption         =   "Odd / Even"
         Height          =   306
         Index           =   3
         Left            =   1008
         TabIndex        =   4
         Top             =   720
         Width           =   1458
      End
   End
End
Attribute VB_Name = "frmOptions"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    txtNumDigits = glNumDigits
    
    optOperation(glOperation + 1).Value = True
    optParity(glParity + 1).Value = True
    optCarryBorrowOut(glCarryBorrowOut + 1).Value = True
    optCarryBorrowIn(glCarryBorrowIn + 1).Value = True
    optCarryBorrowOverflow(glCarryBorrowOverflow).Value = True
    optConfiguration(glConfiguration).Value = True
    optSpell(glSpell).Value = True
End Sub

Private Sub optCarryBorrowOverflow_Click(Index As Integer)
    glCarryBorrowOverflow = Index
End Sub

Private Sub optCarryBorrowIn_Click(Index As Integer)
    glCarryBorrowIn = Index - 1
End Sub

Private Sub optCarryBorrowOut_Click(Index As Integer)
    glCarryBorrowOut = Index - 1
    SetCarryPattern
End Sub

Private Sub optConfiguration_Click(Index As Integer)
    glConfiguration = Index
End Sub

Private Sub optOperation_Click(Index As Integer)
    glOperation = Index - 1
End Sub

Private Sub optParity_Click(Index As Integer)
    glParity = Index - 1
End Sub

Private Sub optSpell_Click(Index As Integer)
    glSpell = Index
End Sub

Private Sub txtCarryBorrowPatternOut_Change()
    glCarryBorrowPatternOut = txtCarryBorrowPatternOut
End Sub


Private Sub txtNumDigits_Change()
    glNumDigits = Val(txtNumDigits.Text)
    SetCarryPattern
End Sub

Private Function SetCarryPattern()
    Select Case glCarryBorrowOut
        Case 0
            txtCarryBorrowPatternOut.Text = String$(glNumDigits, "0")
        Case 1
            txtCarryBorrowPatternOut.Text = String$(glNumDigits, "1")
        Case Else
            txtCarryBorrowPatternOut.Text = glCarryBorrowPatternOut
    End Select
End Function
