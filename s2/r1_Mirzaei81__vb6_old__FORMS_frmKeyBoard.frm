VERSION 5.00
Object = "{75D4F767-8785-11D3-93AD-0000832EF44D}#2.14#0"; "FAST2001.ocx"
Begin VB.Form frmKeyBoard 
   Appearance      =   0  'Flat
   BackColor       =   &H80000005&
   BorderStyle     =   1  'Fixed Single
   Caption         =   $"frmKeyBoard.frx":0000
   ClientHeight    =   3042
   ClientLeft      =   54
   ClientTop       =   450
   ClientWidth     =   18486
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   178
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "frmKeyBoard.frx":00BC
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   3042
   ScaleWidth      =   18486
   Begin VB.PictureBox PicKeyBoard 
      Align           =   2  'Align Bottom
      AutoRedraw      =   -1  'True
      AutoSize        =   -1  'True
      BackColor       =   &H009F3A09&
      FillStyle       =   0  'Solid
      Height          =   3024
      Left            =   0
      RightToLeft     =   -1  'True
      ScaleHeight     =   2952
      ScaleWidth      =   18414
      TabIndex        =   0
      Top             =   18
      Visible         =   0   'False
      Width           =   18486
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   201
         Left            =   1656
         TabIndex        =   1
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "”"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   203
         Left            =   3186
         TabIndex        =   2
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "“"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   205
         Left            =   4662
         TabIndex        =   3
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "–"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   206
         Left            =   5436
         TabIndex        =   4
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "œ"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   207
         Left            =   6192
         TabIndex        =   5
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "Œ"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   208
         Left            =   6930
         TabIndex        =   6
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "Õ"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   209
         Left            =   7686
         TabIndex        =   7
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "ç"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   210
         Left            =   8424
         TabIndex        =   8
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "Ã"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   212
         Left            =   9954
         TabIndex        =   9
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   " "
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   213
         Left            =   10746
         TabIndex        =   10
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "Å"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   216
         Left            =   882
         TabIndex        =   11
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "Ì"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   217
         Left            =   1656
         TabIndex        =   12
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "Â"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   219
         Left            =   3186
         TabIndex        =   13
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "‰"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   220
         Left            =   3924
         TabIndex        =   14
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "„"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   221
         Left            =   4662
         TabIndex        =   15
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "·"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   222
         Left            =   5436
         TabIndex        =   16
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "ê"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   223
         Left            =   6192
         TabIndex        =   17
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "ﬂ"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   224
         Left            =   6930
         TabIndex        =   18
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "ﬁ"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   225
         Left            =   7668
         TabIndex        =   19
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "›"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   226
         Left            =   8424
         TabIndex        =   20
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "€"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   228
         Left            =   9954
         TabIndex        =   21
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "Ÿ"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   230
         Left            =   11556
         TabIndex        =   22
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "÷"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   231
         Left            =   12330
         TabIndex        =   23
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "’"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   263
         Left            =   864
         TabIndex        =   24
         Top             =   1944
         Width           =   1566
         _ExtentX        =   2762
         _ExtentY        =   1175
         Caption         =   "·« Ì‰"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   264
         Left            =   5004
         TabIndex        =   25
         Top             =   1944
         Width           =   3852
         _ExtentX        =   6794
         _ExtentY        =   1175
         Caption         =   "›«’·Â"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   265
         Left            =   10728
         TabIndex        =   26
         Top             =   1944
         Width           =   1656
         _ExtentX        =   2921
         _ExtentY        =   1175
         Caption         =   "›«—”Ì"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   260
         Left            =   9954
         TabIndex        =   27
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "["
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   259
         Left            =   10746
         TabIndex        =   28
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "]"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   256
         Left            =   1656
         TabIndex        =   29
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "#"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   255
         Left            =   2412
         TabIndex        =   30
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "<"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   254
         Left            =   3186
         TabIndex        =   31
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   ">"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   248
         Left            =   6192
         TabIndex        =   32
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "("
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   247
         Left            =   6930
         TabIndex        =   33
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   ")"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   246
         Left            =   7686
         TabIndex        =   34
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "/"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   245
         Left            =   8424
         TabIndex        =   35
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "ø"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   253
         Left            =   5436
         TabIndex        =   36
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "∫"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   258
         Left            =   108
         TabIndex        =   37
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   ":"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   232
         Left            =   3186
         TabIndex        =   38
         Top             =   1944
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "¡"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   1980
         Index           =   266
         Left            =   72
         TabIndex        =   39
         Top             =   630
         Width           =   846
         _ExtentX        =   1493
         _ExtentY        =   3492
         Caption         =   "»⁄œÌ "
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   244
         Left            =   15336
         TabIndex        =   40
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "1"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   243
         Left            =   16110
         TabIndex        =   41
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "2"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   242
         Left            =   16866
         TabIndex        =   42
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "3"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   241
         Left            =   15336
         TabIndex        =   43
         Top             =   666
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "4"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   240
         Left            =   16110
         TabIndex        =   44
         Top             =   666
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "5"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   239
         Left            =   16866
         TabIndex        =   45
         Top             =   666
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "6"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   238
         Left            =   15336
         TabIndex        =   46
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "7"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   237
         Left            =   16110
         TabIndex        =   47
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "8"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   236
         Left            =   16866
         TabIndex        =   48
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "9"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   234
         Left            =   15336
         TabIndex        =   49
         Top             =   1926
         Width           =   1548
         _ExtentX        =   2730
         _ExtentY        =   1175
         Caption         =   "0"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   235
         Left            =   16866
         TabIndex        =   50
         Top             =   1944
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "."
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   267
         Left            =   3924
         TabIndex        =   51
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "{"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   202
         Left            =   2412
         TabIndex        =   52
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "é"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   251
         Left            =   17622
         TabIndex        =   53
         Top             =   630
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "+"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   252
         Left            =   17622
         TabIndex        =   54
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "-"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   249
         Left            =   17622
         TabIndex        =   55
         Top             =   1944
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "*"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   250
         Left            =   17622
         TabIndex        =   56
         Top             =   1278
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "/"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   214
         Left            =   11556
         TabIndex        =   57
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "»"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   229
         Left            =   10764
         TabIndex        =   58
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "ÿ"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   233
         Left            =   9972
         TabIndex        =   59
         Top             =   1944
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "¬"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   204
         Left            =   3924
         TabIndex        =   60
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "—"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   262
         Left            =   4662
         TabIndex        =   61
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "}"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   200
         Left            =   900
         TabIndex        =   62
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "‘"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   257
         Left            =   882
         TabIndex        =   63
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "!"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   211
         Left            =   9198
         TabIndex        =   64
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "À"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   227
         Left            =   9180
         TabIndex        =   65
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "⁄"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   261
         Left            =   9198
         TabIndex        =   66
         Top             =   0
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "°"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   702
         Index           =   268
         Left            =   11484
         TabIndex        =   67
         Top             =   0
         Width           =   1620
         _ExtentX        =   2857
         _ExtentY        =   1238
         Caption         =   "back"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   272
         Left            =   13788
         TabIndex        =   68
         Top             =   1584
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "7"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   21.6
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   271
         Left            =   13788
         TabIndex        =   69
         Top             =   504
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "8"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   21.6
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   215
         Left            =   12330
         TabIndex        =   70
         Top             =   648
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "«"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   269
         Left            =   13392
         TabIndex        =   71
         Top             =   1044
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "<"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   21.6
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   702
         Index           =   270
         Left            =   14184
         TabIndex        =   72
         Top             =   1008
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1238
         Caption         =   ">"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   21.6
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   273
         Left            =   8820
         TabIndex        =   73
         Top             =   1944
         Width           =   1188
         _ExtentX        =   2095
         _ExtentY        =   1175
         Caption         =   "Õ–›"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   274
         Left            =   3960
         TabIndex        =   74
         Top             =   1944
         Width           =   1116
         _ExtentX        =   1968
         _ExtentY        =   1175
         Caption         =   "Caps"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   275
         Left            =   12330
         TabIndex        =   75
         Top             =   1944
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "enter"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   218
         Left            =   2412
         TabIndex        =   76
         Top             =   1296
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "Ê"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   14.4
      End
      Begin FLWCtrls.FWRealButton FWKeyButton 
         Height          =   666
         Index           =   276
         Left            =   2412
         TabIndex        =   77
         Top             =   1944
         Width           =   774
         _ExtentX        =   1366
         _ExtentY        =   1175
         Caption         =   "∆"
         BackColor       =   16761087
         ForeColor       =   -2147483646
         FontName        =   "Times New Roman"
         FontBold        =   -1  'True
         FontSize        =   18.9
      End
   End
End
Attribute VB_Name = "frmKeyBoard"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Private Sub Form_Load()
    OnTopMe Me, True
    PicKeyBoard.Visible = True
    CenterCenter Me
End Sub

Public Sub FWKeyButton_Click(Index As Integer)
KindKeys
KeyIndex = Index
If FWKeyButton(Index).Index = 274 Then
   KindKey = 2
End If
If FWKeyButton(Index).Index = 263 Then
   KindKey = 3
End If
If FWKeyButton(Index).Index = 265 Then
   KindKey = 1
End If
Select Case KindKey
       Case 1
            If FWKeyButton(Index).Index = 265 Then
               KindKey = 1
            End If
            Persian
       Case 2
            If FWKeyButton(Index).Index = 274 Then
               KindKey = 2
            End If
            CapsLock
       Case 3
            If FWKeyButton(Index).Index = 263 Then
               KindKey = 3
            End If
            Latin
End Select
End Sub

