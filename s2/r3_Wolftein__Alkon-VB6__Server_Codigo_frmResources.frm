VERSION 5.00
Object = "{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0"; "comdlg32.ocx"
Begin VB.Form frmResources 
   Caption         =   "Seleccione directorios de recursos"
   ClientHeight    =   4104
   ClientLeft      =   3114
   ClientTop       =   1656
   ClientWidth     =   13680
   BeginProperty Font 
      Name            =   "Arial"
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
   ScaleHeight     =   4104
   ScaleWidth      =   13680
   StartUpPosition =   2  'CenterScreen
   Begin VB.CommandButton cambiarBackup 
      BackColor       =   &H00FFC0C0&
      Caption         =   "..."
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   12816
      Style           =   1  'Graphical
      TabIndex        =   9
      Top             =   2736
      Width           =   450
   End
   Begin VB.CommandButton cambiarMaps 
      BackColor       =   &H00FFC0C0&
      Caption         =   "..."
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   12816
      Style           =   1  'Graphical
      TabIndex        =   8
      Top             =   2016
      Width           =   450
   End
   Begin VB.CommandButton btnAceptar 
      Appearance      =   0  'Flat
      BackColor       =   &H00FFC0C0&
      Cancel          =   -1  'True
      Caption         =   "Aceptar"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   5760
      Style           =   1  'Graphical
      TabIndex        =   3
      Top             =   3456
      Width           =   1602
   End
   Begin VB.CommandButton cambiarDats 
      BackColor       =   &H00FFC0C0&
      Caption         =   "..."
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   12816
      Style           =   1  'Graphical
      TabIndex        =   1
      Top             =   1296
      Width           =   450
   End
   Begin MSComDlg.CommonDialog comdiag 
      Left            =   12672
      Top             =   3312
      _ExtentX        =   1016
      _ExtentY        =   1016
      _Version        =   393216
      DialogTitle     =   "Seleccione directorio"
      Filter          =   "Directories|*.~#~"
      InitDir         =   "App.Path"
   End
   Begin VB.Label Label5 
      Alignment       =   2  'Center
      Caption         =   "Por favor, seleccione la ubicacion de los siguientes recursos ya que son vitales para el funcionamiento del servidor."
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   13.5
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H000000FF&
      Height          =   738
      Left            =   2016
      TabIndex        =   10
      Top             =   288
      Width           =   9666
   End
   Begin VB.Label lblPathBackup 
      Caption         =   "Label2"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   14.4
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   2736
      TabIndex        =   7
      Top             =   2790
      Width           =   9810
   End
   Begin VB.Label lblPathMaps 
      Caption         =   "Label2"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   14.4
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   2736
      TabIndex        =   6
      Top             =   2052
      Width           =   9810
   End
   Begin VB.Label Label4 
      Caption         =   "WorldBackup:"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   17.1
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   5
      Top             =   2736
      Width           =   2178
   End
   Begin VB.Label Label2 
      Caption         =   "MAPS:"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   17.1
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   4
      Top             =   2016
      Width           =   1170
   End
   Begin VB.Label lblPathDats 
      Caption         =   "Label2"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   14.4
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   306
      Left            =   2736
      TabIndex        =   2
      Top             =   1332
      Width           =   9810
   End
   Begin VB.Label Label1 
      Caption         =   "DATS:"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   17.1
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   288
      TabIndex        =   0
      Top             =   1296
      Width           =   1170
   End
End
Attribute VB_Name = "frmResources"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Public ServerIniManager As clsIniManager

Private Sub btnAceptar_Click()
    Dim ValidationMessage As String
    
    If Not AllPathsConfigured(ValidationMessage) Then
        Call MsgBox(ValidationMessage)
        Exit Sub
    End If

    Call WriteVar(IniPath & "Server.ini", "RECURSOS", "Dats", lblPathDats.Caption)
    Call WriteVar(IniPath & "Server.ini", "RECURSOS", "Maps", lblPathMaps.Caption)
    Call WriteVar(IniPath & "Server.ini", "RECURSOS", "WorldBackup", lblPathBackup.Caption)

    Unload frmResources
    Call Main
    
End Sub

Private Sub Form_Unload(Cancel As Integer)

    Dim PathsOk As Boolean
    Dim ValidationMessage As String
        
    If Not AllPathsConfigured(ValidationMessage) Then
        If MsgBox(ValidationMessage & vbNewLine & "Si presiona Ok el servidor se cerrara automaticamente.", vbOKCancel) = vbOK Then
            End
        Else
            Cancel = True
        End If
    End If
    
End Sub
Private Sub OpenCommonDialog(ByVal Tipo As String)
    comdiag.DialogTitle = "Seleccione un directorio"
    comdiag.InitDir = App.Path
    comdiag.FileName = "Seleccione un directorio para " & Tipo
    comdiag.flags = cdlOFNNoValidate + cdlOFNHideReadOnly
    comdiag.Filter = "Directories|*.~#~"
    comdiag.ShowSave
End Sub

Private Sub cambiarBackup_Click()
    Call OpenCommonDialog("el world backup")
    If Err <> 32755 Then
        lblPathBackup.Caption = CurDir & "\"
    End If
End Sub

Private Sub cambiarDats_Click()
    Call OpenCommonDialog("los dats")
    If Err <> 32755 Then
        lblPathDats.Caption = CurDir & "\"
    End If
End Sub

Private Sub cambiarMaps_Click()
    Call OpenCommonDialog("los maps")
    If Err <> 32755 Then
        lblPathMaps.Caption = CurDir & "\"
    End If
End Sub

Private Sub Form_Load()
    With ServerConfiguration.ResourcesPaths
        lblPathBackup.Caption = .WorldBackup
        lblPathDats.Caption = .Dats
        lblPathMaps.Caption = .Maps
    End With
    Set ServerIniManager = New clsIniManager
    ServerIniManager.Initialize (IniPath & "Server.ini")
End Sub

Private Function AllPathsConfigured(ByRef ValidationMessage As String) As Boolean
    AllPathsConfigured = False
    
    If Not General.FileExist(lblPathDats.Caption, vbDirectory) Or lblPathDats.Caption = "" Then
        ValidationMessage = "El path de los dats no es un directorio valido"
        Exit Function
    End If
    
    If Not General.FileExist(lblPathMaps.Caption, vbDirectory) Or lblPathMaps.Caption = "" Then
        ValidationMessage = "El path de los maps no es un directorio valido"
        Exit Function
    End If
    
    If Not General.FileExist(lblPathBackup.Caption, vbDirectory) Or lblPathBackup.Caption = "" Then
        ValidationMessage = "El path del world backup no es un directorio valido"
        Exit Function
    End If
    
    AllPathsConfigured = True
End Function

