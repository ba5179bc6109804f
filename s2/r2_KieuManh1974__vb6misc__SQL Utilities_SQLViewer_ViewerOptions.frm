VERSION 5.00
Begin VB.Form ViewerOptions 
   Caption         =   "SQL Viewer - Options"
   ClientHeight    =   9540
   ClientLeft      =   72
   ClientTop       =   540
   ClientWidth     =   5094
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
   ScaleHeight     =   9540
   ScaleWidth      =   5094
   StartUpPosition =   3  'Windows Default
   Begin VB.Frame Frame11 
      Caption         =   "Indented Sub Query"
      ForeColor       =   &H00800000&
      Height          =   594
      Index           =   2
      Left            =   144
      TabIndex        =   60
      Top             =   1296
      Width           =   4770
      Begin VB.OptionButton optIndentedSubQuery 
         Caption         =   "Yes"
         Height          =   306
         Index           =   1
         Left            =   1314
         TabIndex        =   62
         Top             =   216
         Width           =   1458
      End
      Begin VB.OptionButton optIndentedSubQuery 
         Caption         =   "No"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   61
         Top             =   216
         Width           =   1458
      End
   End
   Begin VB.Frame Frame5 
      Caption         =   "Functions"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   55
      Top             =   5328
      Width           =   4770
      Begin VB.OptionButton optFunctions 
         Caption         =   "Leave"
         Height          =   306
         Index           =   3
         Left            =   3600
         TabIndex        =   59
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
      Begin VB.OptionButton optFunctions 
         Caption         =   "Proper"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   58
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optFunctions 
         Caption         =   "Lower"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   57
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optFunctions 
         Caption         =   "Upper"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   56
         Top             =   216
         Width           =   1170
      End
   End
   Begin VB.Frame Frame3 
      Caption         =   "Operators"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   50
      Top             =   4752
      Width           =   4770
      Begin VB.OptionButton optOperators 
         Caption         =   "Leave"
         Height          =   306
         Index           =   3
         Left            =   3600
         TabIndex        =   54
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
      Begin VB.OptionButton optOperators 
         Caption         =   "Proper"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   53
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optOperators 
         Caption         =   "Lower"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   52
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optOperators 
         Caption         =   "Upper"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   51
         Top             =   216
         Width           =   1170
      End
   End
   Begin VB.Frame Frame15 
      Caption         =   "Field With Spaces Format"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   47
      Top             =   8208
      Width           =   4770
      Begin VB.OptionButton optStyle 
         Caption         =   "Oracle"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   63
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optStyle 
         Caption         =   "Access"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   49
         Top             =   216
         Width           =   1026
      End
      Begin VB.OptionButton optStyle 
         Caption         =   "MySQL"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   48
         Top             =   216
         Width           =   1170
      End
   End
   Begin VB.Frame Frame11 
      Caption         =   "Indented"
      ForeColor       =   &H00800000&
      Height          =   594
      Index           =   0
      Left            =   144
      TabIndex        =   44
      Top             =   720
      Width           =   4770
      Begin VB.OptionButton optIndented 
         Caption         =   "Yes"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   46
         Top             =   216
         Width           =   1458
      End
      Begin VB.OptionButton optIndented 
         Caption         =   "No"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   45
         Top             =   216
         Width           =   1458
      End
   End
   Begin VB.Frame Frame14 
      Caption         =   "VB SQL Index"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   39
      Top             =   1872
      Width           =   4770
      Begin VB.OptionButton optVBSQLIndex 
         Caption         =   "3"
         Height          =   306
         Index           =   3
         Left            =   3600
         TabIndex        =   43
         Top             =   216
         Width           =   594
      End
      Begin VB.OptionButton optVBSQLIndex 
         Caption         =   "2"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   42
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optVBSQLIndex 
         Caption         =   "None"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   41
         Top             =   216
         Width           =   1026
      End
      Begin VB.OptionButton optVBSQLIndex 
         Caption         =   "1"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   40
         Top             =   216
         Width           =   1170
      End
   End
   Begin VB.Frame Frame12 
      Caption         =   "AS (FROM)"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   35
      Top             =   7056
      Width           =   4770
      Begin VB.OptionButton optASFrom 
         Caption         =   "Leave"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   38
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
      Begin VB.OptionButton optASFrom 
         Caption         =   "AS"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   37
         Top             =   216
         Width           =   882
      End
      Begin VB.OptionButton optASFrom 
         Caption         =   "Blank"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   36
         Top             =   216
         Width           =   1026
      End
   End
   Begin VB.CommandButton cmdClose 
      Caption         =   "&Apply"
      Height          =   450
      Left            =   3456
      TabIndex        =   34
      Top             =   8928
      Width           =   1458
   End
   Begin VB.Frame Frame13 
      Caption         =   "Table Aliases"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   29
      Top             =   2448
      Width           =   4770
      Begin VB.OptionButton optTableAliases 
         Caption         =   "Un-alias"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   33
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optTableAliases 
         Caption         =   "No Alias"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   32
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optTableAliases 
         Caption         =   "Leave"
         Height          =   306
         Index           =   3
         Left            =   3600
         TabIndex        =   31
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
      Begin VB.OptionButton optTableAliases 
         Caption         =   "Alias"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   30
         Top             =   216
         Width           =   1458
      End
   End
   Begin VB.Frame Frame11 
      Caption         =   "Visual Basic Code"
      ForeColor       =   &H00800000&
      Height          =   594
      Index           =   1
      Left            =   144
      TabIndex        =   26
      Top             =   144
      Width           =   4770
      Begin VB.OptionButton optVisualBasicCode 
         Caption         =   "VB"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   28
         Top             =   216
         Width           =   1026
      End
      Begin VB.OptionButton optVisualBasicCode 
         Caption         =   "SQL"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   27
         Top             =   216
         Width           =   1170
      End
   End
   Begin VB.Frame Frame10 
      Caption         =   "WHERE Expression"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   23
      Top             =   7632
      Width           =   4770
      Begin VB.OptionButton optWhereExpression 
         Caption         =   "Leave"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   25
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optWhereExpression 
         Caption         =   "Indent"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   24
         Top             =   216
         Width           =   1026
      End
   End
   Begin VB.Frame Frame9 
      Caption         =   "AS (SELECT)"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   19
      Top             =   6480
      Width           =   4770
      Begin VB.OptionButton optASSelect 
         Caption         =   "Blank"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   22
         Top             =   216
         Width           =   1026
      End
      Begin VB.OptionButton optASSelect 
         Caption         =   "AS"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   21
         Top             =   216
         Width           =   882
      End
      Begin VB.OptionButton optASSelect 
         Caption         =   "Leave"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   20
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
   End
   Begin VB.Frame Frame8 
      Caption         =   "Quotes"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   15
      Top             =   5904
      Width           =   4770
      Begin VB.OptionButton optQuotes 
         Caption         =   "Leave"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   18
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
      Begin VB.OptionButton optQuotes 
         Caption         =   "Double"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   17
         Top             =   216
         Width           =   1026
      End
      Begin VB.OptionButton optQuotes 
         Caption         =   "Single"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   16
         Top             =   216
         Width           =   1170
      End
   End
   Begin VB.Frame Frame7 
      Caption         =   "Tables"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   10
      Top             =   3600
      Width           =   4770
      Begin VB.OptionButton optTables 
         Caption         =   "Upper"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   14
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optTables 
         Caption         =   "Lower"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   13
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optTables 
         Caption         =   "Proper"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   12
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optTables 
         Caption         =   "Leave"
         Height          =   306
         Index           =   3
         Left            =   3600
         TabIndex        =   11
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
   End
   Begin VB.Frame Frame6 
      Caption         =   "Fields"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   5
      Top             =   3024
      Width           =   4770
      Begin VB.OptionButton optFields 
         Caption         =   "Upper"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   9
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optFields 
         Caption         =   "Lower"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   8
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optFields 
         Caption         =   "Proper"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   7
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optFields 
         Caption         =   "Leave"
         Height          =   306
         Index           =   3
         Left            =   3600
         TabIndex        =   6
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
   End
   Begin VB.Frame Frame1 
      Caption         =   "Keywords"
      ForeColor       =   &H00800000&
      Height          =   594
      Left            =   144
      TabIndex        =   0
      Top             =   4176
      Width           =   4770
      Begin VB.OptionButton optKeywords 
         Caption         =   "Leave"
         Height          =   306
         Index           =   3
         Left            =   3600
         TabIndex        =   4
         Top             =   216
         Value           =   -1  'True
         Width           =   1026
      End
      Begin VB.OptionButton optKeywords 
         Caption         =   "Proper"
         Height          =   306
         Index           =   2
         Left            =   2448
         TabIndex        =   3
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optKeywords 
         Caption         =   "Lower"
         Height          =   306
         Index           =   1
         Left            =   1296
         TabIndex        =   2
         Top             =   216
         Width           =   1170
      End
      Begin VB.OptionButton optKeywords 
         Caption         =   "Upper"
         Height          =   306
         Index           =   0
         Left            =   144
         TabIndex        =   1
         Top             =   216
         Width           =   1170
      End
   End
End
Attribute VB_Name = "ViewerOptions"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdClose_Click()
    OptionsChanged = True
    Unload Me
End Sub

Private Sub Form_Load()
    PopulateOptions
End Sub

Private Sub PopulateOptions()
    With oSQLFormatter
        optTables(.TableStyle).Value = True
        optOperators(.OperatorStyle).Value = True
        optKeywords(.KeywordStyle).Value = True
        optFunctions(.FunctionStyle).Value = True
        optFields(.FieldStyle).Value = True
        optQuotes(.QuoteStyle).Value = True
        optASSelect(.ASSelectStyle).Value = True
        optASFrom(.ASFromStyle).Value = True
        optWhereExpression(.WHEREExpression).Value = True
        optVisualBasicCode(.VisualBasicCode).Value = True
        optTableAliases(.TableAliasing).Value = True
        optVBSQLIndex(.VBSQLIndex) = True
        optIndented(.Indented) = True
        optStyle(.Style) = True
        optIndentedSubQuery(.IndentedSubQuery) = True
    End With
End Sub

Private Sub optASFrom_Click(Index As Integer)
    oSQLFormatter.ASFromStyle = Index
End Sub

Private Sub optASSelect_Click(Index As Integer)
    oSQLFormatter.ASSelectStyle = Index
End Sub

Private Sub optFields_Click(Index As Integer)
    oSQLFormatter.FieldStyle = Index
End Sub

Private Sub optFunctions_Click(Index As Integer)
    oSQLFormatter.FunctionStyle = Index
End Sub

Private Sub optIndented_Click(Index As Integer)
    oSQLFormatter.Indented = Index
End Sub

Private Sub optIndentedSubQuery_Click(Index As Integer)
    oSQLFormatter.IndentedSubQuery = Index
End Sub

Private Sub optKeywords_Click(Index As Integer)
    oSQLFormatter.KeywordStyle = Index
End Sub

Private Sub optOperators_Click(Index As Integer)
    oSQLFormatter.OperatorStyle = Index
End Sub

Private Sub optQuotes_Click(Index As Integer)
    oSQLFormatter.QuoteStyle = Index
End Sub

Private Sub optStyle_Click(Index As Integer)
    oSQLFormatter.Style = Index
End Sub

Private Sub optTableAliases_Click(Index As Integer)
    oSQLFormatter.TableAliasing = Index
End Sub

Private Sub optTables_Click(Index As Integer)
    oSQLFormatter.TableStyle = Index
End Sub

Private Sub optVisualBasicCode_Click(Index As Integer)
    oSQLFormatter.VisualBasicCode = Index
End Sub

Private Sub optWhereExpression_Click(Index As Integer)
    oSQLFormatter.WHEREExpression = Index
End Sub

Private Sub optVBSQLIndex_Click(Index As Integer)
    oSQLFormatter.VBSQLIndex = Index
End Sub

