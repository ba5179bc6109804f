VERSION 5.00
Begin VB.Form Szukam 
   BorderStyle     =   0  'None
   Caption         =   "Form1"
   ClientHeight    =   792
   ClientLeft      =   0
   ClientTop       =   0
   ClientWidth     =   3078
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   238
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   MousePointer    =   11  'Hourglass
   ScaleHeight     =   792
   ScaleWidth      =   3078
   ShowInTaskbar   =   0   'False
   StartUpPosition =   1  'CenterOwner
   Begin VB.Label Label1 
      Alignment       =   2  'Center
      BackStyle       =   0  'Transparent
      Caption         =   "Szukam..."
      BeginProperty Font 
         Name            =   "MS Sans Serif"
         Size            =   16.2
         Charset         =   238
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   450
      Left            =   144
      TabIndex        =   0
      Top             =   144
      Width           =   2754
   End
End
Attribute VB_Name = "Szukam"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

