VERSION 5.00
Begin VB.Form personstory 
   BackColor       =   &H00000000&
   BorderStyle     =   1  '單線固定
   Caption         =   "UnlightVBE-故事遊覽"
   ClientHeight    =   10296
   ClientLeft      =   54
   ClientTop       =   450
   ClientWidth     =   13284
   LinkTopic       =   "Form10"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   Picture         =   "Formstory.frx":0000
   ScaleHeight     =   10296
   ScaleWidth      =   13284
   StartUpPosition =   3  '系統預設值
End
Attribute VB_Name = "personstory"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
