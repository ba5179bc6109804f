VERSION 5.00
Begin VB.Form frmUserList 
   BackColor       =   &H00FFC0C0&
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Debug de Userlist"
   ClientHeight    =   5598
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   6624
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "frmUserList.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   5598
   ScaleWidth      =   6624
   StartUpPosition =   2  'CenterScreen
   Begin VB.CommandButton cmdSendCRCCheck 
      BackColor       =   &H00FFC0C0&
      Caption         =   "&C"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   2304
      TabIndex        =   5
      Top             =   5040
      Width           =   450
   End
   Begin VB.CommandButton Command2 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Echar todos los no Logged"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   2880
      Style           =   1  'Graphical
      TabIndex        =   4
      Top             =   5040
      Width           =   3618
   End
   Begin VB.TextBox Text2 
      BackColor       =   &H00C0FFFF&
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   1314
      Left            =   2880
      Locked          =   -1  'True
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   3
      Top             =   3600
      Width           =   3618
   End
   Begin VB.TextBox Text1 
      BackColor       =   &H00C0FFFF&
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   3330
      Left            =   2880
      Locked          =   -1  'True
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   2
      Top             =   144
      Width           =   3618
   End
   Begin VB.CommandButton Command1 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Actualiza"
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   144
      Style           =   1  'Graphical
      TabIndex        =   1
      Top             =   5040
      Width           =   2034
   End
   Begin VB.ListBox List1 
      BackColor       =   &H00C0FFFF&
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   4752
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   2610
   End
End
Attribute VB_Name = "frmUserList"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
'**************************************************************
' frmUserList.frm
'
'**************************************************************

'**************************************************************************
'This program is free software; you can redistribute it and/or modify
'it under the terms of the Affero General Public License;
'either version 1 of the License, or any later version.
'
'This program is distributed in the hope that it will be useful,
'but WITHOUT ANY WARRANTY; without even the implied warranty of
'MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the
'Affero General Public License for more details.
'
'You should have received a copy of the Affero General Public License
'along with this program; if not, you can find it at http://www.affero.org/oagpl.html
'**************************************************************************

Option Explicit

Private Sub cmdSendCRCCheck_Click()
#If EnableSecurity Then
On Error GoTo ErrHandler
  
    If List1.ListIndex <> -1 Then
        Dim UserIndex As Integer
        UserIndex = List1.ItemData(List1.ListIndex)
        Call SecurityCheckToUser(UserIndex)
    End If
#End If

    Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSendCRCCheck_Click de frmUserList.frm")
End Sub

Private Sub Command1_Click()
Dim LoopC As Integer
On Error GoTo ErrHandler
  

Text2.Text = "MaxUsers: " & MaxUsers & vbCrLf
Text2.Text = Text2.Text & "LastUser: " & LastUser & vbCrLf
Text2.Text = Text2.Text & "NumUsers: " & NumUsers & vbCrLf
'Text2.Text = Text2.Text & "" & vbCrLf

List1.Clear

For LoopC = 1 To MaxUsers
    List1.AddItem Format(LoopC, "000") & " " & IIf(UserList(LoopC).flags.UserLogged, UserList(LoopC).Name, "")
    List1.ItemData(List1.NewIndex) = LoopC
Next LoopC


  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub Command1_Click de frmUserList.frm")
End Sub

Private Sub Command2_Click()
Dim LoopC As Integer
On Error GoTo ErrHandler
  

For LoopC = 1 To MaxUsers
    If UserList(LoopC).ConnIDValida And Not UserList(LoopC).flags.UserLogged Then
        Call CloseSocket(LoopC)
    End If
Next LoopC

  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub Command2_Click de frmUserList.frm")
End Sub


Private Sub List1_Click()
Dim UserIndex As Integer
On Error GoTo ErrHandler
  
If List1.ListIndex <> -1 Then
    UserIndex = List1.ItemData(List1.ListIndex)
    If UserIndex > 0 And UserIndex <= MaxUsers Then
        With UserList(UserIndex)
            Text1.Text = "UserLogged: " & .flags.UserLogged & vbCrLf
            Text1.Text = Text1.Text & "IdleCount: " & .Counters.IdleCount & vbCrLf
            Text1.Text = Text1.Text & "ConnIDValida: " & .ConnIDValida & vbCrLf
        End With
    End If
End If

  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub List1_Click de frmUserList.frm")
End Sub
