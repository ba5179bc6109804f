VERSION 5.00
Object = "{C115893A-A3BF-43AF-B28D-69DB846077F3}#1.0#0"; "vsflex8u.ocx"
Object = "{0AFE7BE0-11B7-4A3E-978D-D4501E9A57FE}#1.0#0"; "c1sizer.ocx"
Object = "{F0D2F211-CCB0-11D0-A316-00AA00688B10}#1.0#0"; "MSDATLST.OCX"
Object = "{FE5DCFAD-BC1D-11D2-94CF-004005455FAA}#1.4#0"; "ImpulseButton.ocx"
Object = "{86CF1D34-0C5F-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCT2.OCX"
Object = "{A8E5842E-102B-4289-9D57-3B3F5B5E15D3}#12.0#0"; "SuiteCtrls.ocx"
Begin VB.Form FrmTypeExchange 
   BackColor       =   &H00E2E9E9&
   BorderStyle     =   1  'Fixed Single
   Caption         =   " ÿ·» ’—›  "
   ClientHeight    =   10386
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   19368
   Icon            =   "FrmTypeExchange.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MDIChild        =   -1  'True
   RightToLeft     =   -1  'True
   ScaleHeight     =   10386
   ScaleWidth      =   19368
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.6
      Charset         =   178
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Begin VB.TextBox TxtModFlg 
      Alignment       =   1  'Right Justify
      Height          =   414
      Left            =   22716
      TabIndex        =   27
      Top             =   900
      Visible         =   0   'False
      Width           =   1026
   End
   Begin VB.TextBox TxtNoteSerial 
      Alignment       =   1  'Right Justify
      Enabled         =   0   'False
      Height          =   414
      Left            =   23796
      RightToLeft     =   -1  'True
      TabIndex        =   26
      Top             =   1872
      Width           =   1602
   End
   Begin VB.TextBox TxtNoteSerial1 
      Alignment       =   1  'Right Justify
      Enabled         =   0   'False
      Height          =   342
      Left            =   23652
      RightToLeft     =   -1  'True
      TabIndex        =   25
      Top             =   576
      Visible         =   0   'False
      Width           =   1602
   End
   Begin VB.TextBox oldtxtNoteSerial1 
      Height          =   342
      Left            =   23364
      TabIndex        =   24
      Top             =   3024
      Visible         =   0   'False
      Width           =   450
   End
   Begin VB.TextBox TxtNoteID 
      Height          =   342
      Left            =   23652
      TabIndex        =   23
      Top             =   1584
      Visible         =   0   'False
      Width           =   306
   End
   Begin C1SizerLibCtl.C1Elastic EleHeader 
      Height          =   702
      Left            =   0
      TabIndex        =   0
      TabStop         =   0   'False
      Top             =   0
      Width           =   19494
      _cx             =   34385
      _cy             =   1238
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Arial (Arabic)"
         Size            =   28.8
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Enabled         =   -1  'True
      Appearance      =   4
      MousePointer    =   0
      Version         =   801
      BackColor       =   16777215
      ForeColor       =   4210688
      FloodColor      =   6553600
      ForeColorDisabled=   -2147483631
      Caption         =   " ÿ·» ’—›  "
      Align           =   0
      AutoSizeChildren=   0
      BorderWidth     =   0
      ChildSpacing    =   0
      Splitter        =   0   'False
      FloodDirection  =   0
      FloodPercent    =   0
      CaptionPos      =   6
      WordWrap        =   -1  'True
      MaxChildSize    =   0
      MinChildSize    =   0
      TagWidth        =   0
      TagPosition     =   0
      Style           =   0
      TagSplit        =   2
      PicturePos      =   4
      CaptionStyle    =   0
      ResizeFonts     =   0   'False
      GridRows        =   0
      GridCols        =   0
      Frame           =   3
      FrameStyle      =   0
      FrameWidth      =   1
      FrameColor      =   -2147483628
      FrameShadow     =   -2147483632
      FloodStyle      =   1
      _GridInfo       =   ""
      AccessibleName  =   ""
      AccessibleDescription=   ""
      AccessibleValue =   ""
      AccessibleRole  =   9
      Begin ImpulseButton.ISButton XPBtnMove 
         Height          =   450
         Index           =   0
         Left            =   1422
         TabIndex        =   1
         Top             =   108
         Width           =   594
         _ExtentX        =   1048
         _ExtentY        =   793
         ButtonStyle     =   1
         ButtonPositionImage=   4
         Caption         =   ""
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "FrmTypeExchange.frx":038A
         ColorHighlight  =   4194304
         ColorHoverText  =   16777215
         ColorShadow     =   -2147483631
         ColorOutline    =   -2147483631
         DrawFocusRectangle=   0   'False
         DisabledImageStyle=   1
         ColorToggledHoverText=   16777215
         ColorTextShadow =   16777215
      End
      Begin ImpulseButton.ISButton XPBtnMove 
         Height          =   450
         Index           =   2
         Left            =   144
         TabIndex        =   2
         Top             =   108
         Width           =   594
         _ExtentX        =   1048
         _ExtentY        =   793
         ButtonStyle     =   1
         ButtonPositionImage=   4
         Caption         =   ""
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "FrmTypeExchange.frx":0724
         ColorHighlight  =   4194304
         ColorHoverText  =   16777215
         ColorShadow     =   -2147483631
         ColorOutline    =   -2147483631
         DrawFocusRectangle=   0   'False
         DisabledImageStyle=   1
         ColorToggledHoverText=   16777215
         ColorTextShadow =   16777215
      End
      Begin ImpulseButton.ISButton XPBtnMove 
         Height          =   450
         Index           =   1
         Left            =   2052
         TabIndex        =   3
         Top             =   108
         Width           =   594
         _ExtentX        =   1048
         _ExtentY        =   793
         ButtonStyle     =   1
         ButtonPositionImage=   4
         Caption         =   ""
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "FrmTypeExchange.frx":0ABE
         ColorHighlight  =   4194304
         ColorHoverText  =   16777215
         ColorShadow     =   -2147483631
         ColorOutline    =   -2147483631
         DrawFocusRectangle=   0   'False
         DisabledImageStyle=   1
         ColorToggledHoverText=   16777215
         ColorTextShadow =   16777215
      End
      Begin ImpulseButton.ISButton XPBtnMove 
         Height          =   450
         Index           =   3
         Left            =   774
         TabIndex        =   4
         Top             =   108
         Width           =   594
         _ExtentX        =   1048
         _ExtentY        =   793
         ButtonStyle     =   1
         ButtonPositionImage=   4
         Caption         =   ""
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ButtonImage     =   "FrmTypeExchange.frx":0E58
         ColorHighlight  =   4194304
         ColorHoverText  =   16777215
         ColorShadow     =   -2147483631
         ColorOutline    =   -2147483631
         DrawFocusRectangle=   0   'False
         DisabledImageStyle=   1
         ColorToggledHoverText=   16777215
         ColorTextShadow =   16777215
      End
      Begin VB.Image ImgFavorites 
         Height          =   468
         Left            =   4752
         Picture         =   "FrmTypeExchange.frx":11F2
         Stretch         =   -1  'True
         Top             =   0
         Width           =   630
      End
      Begin VB.Label lbl 
         Alignment       =   1  'Right Justify
         BackColor       =   &H00E2E9E9&
         BackStyle       =   0  'Transparent
         ForeColor       =   &H000000FF&
         Height          =   666
         Index           =   27
         Left            =   2880
         TabIndex        =   20
         Top             =   0
         Width           =   2646
      End
   End
   Begin C1SizerLibCtl.C1Elastic C1Elastic4 
      Height          =   648
      Left            =   4644
      TabIndex        =   5
      TabStop         =   0   'False
      Top             =   9720
      Width           =   10494
      _cx             =   18510
      _cy             =   1144
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Enabled         =   -1  'True
      Appearance      =   0
      MousePointer    =   0
      Version         =   801
      BackColor       =   14871017
      ForeColor       =   -2147483630
      FloodColor      =   6553600
      ForeColorDisabled=   -2147483631
      Caption         =   ""
      Align           =   0
      AutoSizeChildren=   0
      BorderWidth     =   7
      ChildSpacing    =   4
      Splitter        =   0   'False
      FloodDirection  =   0
      FloodPercent    =   0
      CaptionPos      =   1
      WordWrap        =   -1  'True
      MaxChildSize    =   0
      MinChildSize    =   0
      TagWidth        =   0
      TagPosition     =   0
      Style           =   0
      TagSplit        =   2
      PicturePos      =   4
      CaptionStyle    =   0
      ResizeFonts     =   0   'False
      GridRows        =   0
      GridCols        =   0
      Frame           =   3
      FrameStyle      =   0
      FrameWidth      =   1
      FrameColor      =   -2147483628
      FrameShadow     =   -2147483632
      FloodStyle      =   1
      _GridInfo       =   ""
      AccessibleName  =   ""
      AccessibleDescription=   ""
      AccessibleValue =   ""
      AccessibleRole  =   9
      Begin ImpulseButton.ISButton Cmd 
         Height          =   450
         Index           =   0
         Left            =   9504
         TabIndex        =   6
         Top             =   90
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   "ÃœÌœ"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         DisabledImageExtraction=   0
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton Cmd 
         Height          =   450
         Index           =   1
         Left            =   8496
         TabIndex        =   7
         Top             =   90
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   " ⁄œÌ·"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton Cmd 
         Height          =   450
         Index           =   2
         Left            =   7506
         TabIndex        =   8
         Top             =   90
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   "Õ›Ÿ"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton Cmd 
         Height          =   450
         Index           =   3
         Left            =   6480
         TabIndex        =   9
         Top             =   90
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   " —«Ã⁄"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton Cmd 
         Height          =   450
         Index           =   4
         Left            =   5454
         TabIndex        =   10
         Top             =   90
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   "Õ–›"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton Cmd 
         Height          =   450
         Index           =   6
         Left            =   0
         TabIndex        =   11
         Top             =   72
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   "Œ—ÊÃ"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton CmdHelp 
         Height          =   450
         Left            =   1026
         TabIndex        =   12
         Top             =   72
         Width           =   1098
         _ExtentX        =   1937
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   "„”«⁄œ…"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton Cmd 
         Height          =   450
         Index           =   5
         Left            =   4464
         TabIndex        =   19
         Top             =   72
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   "»ÕÀ"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton Cmd 
         Height          =   450
         Index           =   9
         Left            =   3456
         TabIndex        =   22
         Top             =   72
         Width           =   918
         _ExtentX        =   1619
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   "ÿ»«⁄Â"
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
      Begin ImpulseButton.ISButton CmdAttach 
         Height          =   450
         Left            =   2304
         TabIndex        =   32
         Top             =   72
         Width           =   1098
         _ExtentX        =   1937
         _ExtentY        =   793
         ButtonPositionImage=   1
         Caption         =   "«·„—›ﬁ« "
         BackColor       =   14871017
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ColorButton     =   14871017
         ColorHighlight  =   16777215
         ColorHoverText  =   16711680
         ColorShadow     =   -2147483637
         ColorOutline    =   0
         DrawFocusRectangle=   0   'False
         ColorToggledHoverText=   16711680
         ColorTextShadow =   -2147483637
      End
   End
   Begin MSDataListLib.DataCombo DCboUserName 
      Height          =   378
      Left            =   8136
      TabIndex        =   13
      Top             =   9072
      Width           =   2376
      _ExtentX        =   4192
      _ExtentY        =   667
      _Version        =   393216
      Enabled         =   0   'False
      Text            =   ""
      RightToLeft     =   -1  'True
   End
   Begin MSDataListLib.DataCombo DcboBox 
      Height          =   378
      Left            =   22788
      TabIndex        =   28
      Top             =   4284
      Width           =   3546
      _ExtentX        =   6254
      _ExtentY        =   667
      _Version        =   393216
      Text            =   ""
      RightToLeft     =   -1  'True
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   7
      Left            =   23220
      TabIndex        =   29
      Top             =   2304
      Width           =   1638
      _ExtentX        =   2890
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "ÿ»«⁄Â «·ﬁÌœ"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin ImpulseButton.ISButton Accredit 
      Height          =   468
      Left            =   2736
      TabIndex        =   33
      Top             =   9792
      Width           =   1494
      _ExtentX        =   2635
      _ExtentY        =   826
      ButtonPositionImage=   1
      Caption         =   "«—”«· ··«⁄ „«œ"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   4210752
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   4210752
   End
   Begin C1SizerLibCtl.C1Tab XPTab301 
      Height          =   8370
      Left            =   0
      TabIndex        =   34
      Top             =   576
      Width           =   19422
      _cx             =   34259
      _cy             =   14764
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Enabled         =   -1  'True
      Appearance      =   2
      MousePointer    =   0
      Version         =   801
      BackColor       =   14871017
      ForeColor       =   0
      FrontTabColor   =   14871017
      BackTabColor    =   12648447
      TabOutlineColor =   -2147483632
      FrontTabForeColor=   16711680
      Caption         =   "«·»Ì«‰« |Õ«·Â «·«⁄ „«œ|»Ì«‰«   Õ·Ì·Ì…"
      Align           =   0
      CurrTab         =   0
      FirstTab        =   0
      Style           =   3
      Position        =   1
      AutoSwitch      =   -1  'True
      AutoScroll      =   -1  'True
      TabPreview      =   -1  'True
      ShowFocusRect   =   -1  'True
      TabsPerPage     =   0
      BorderWidth     =   0
      BoldCurrent     =   0   'False
      DogEars         =   0   'False
      MultiRow        =   0   'False
      MultiRowOffset  =   200
      CaptionStyle    =   0
      TabHeight       =   0
      TabCaptionPos   =   4
      TabPicturePos   =   1
      CaptionEmpty    =   ""
      Separators      =   0   'False
      AccessibleName  =   ""
      AccessibleDescription=   ""
      AccessibleValue =   ""
      AccessibleRole  =   37
      Picture(0)      =   "FrmTypeExchange.frx":4E5A
      Begin C1SizerLibCtl.C1Elastic C1Elastic2 
         Height          =   7812
         Left            =   20556
         TabIndex        =   91
         TabStop         =   0   'False
         Top             =   54
         Width           =   19314
         _cx             =   34068
         _cy             =   13780
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Enabled         =   -1  'True
         Appearance      =   4
         MousePointer    =   0
         Version         =   801
         BackColor       =   -2147483633
         ForeColor       =   -2147483630
         FloodColor      =   6553600
         ForeColorDisabled=   -2147483631
         Caption         =   ""
         Align           =   0
         AutoSizeChildren=   0
         BorderWidth     =   7
         ChildSpacing    =   4
         Splitter        =   0   'False
         FloodDirection  =   0
         FloodPercent    =   0
         CaptionPos      =   1
         WordWrap        =   -1  'True
         MaxChildSize    =   0
         MinChildSize    =   0
         TagWidth        =   0
         TagPosition     =   0
         Style           =   0
         TagSplit        =   2
         PicturePos      =   4
         CaptionStyle    =   0
         ResizeFonts     =   0   'False
         GridRows        =   0
         GridCols        =   0
         Frame           =   3
         FrameStyle      =   0
         FrameWidth      =   1
         FrameColor      =   -2147483628
         FrameShadow     =   -2147483632
         FloodStyle      =   1
         _GridInfo       =   ""
         AccessibleName  =   ""
         AccessibleDescription=   ""
         AccessibleValue =   ""
         AccessibleRole  =   9
         Begin VSFlex8UCtl.VSFlexGrid Fg 
            Height          =   7398
            Left            =   144
            TabIndex        =   92
            Top             =   288
            Width           =   19026
            _cx             =   33559
            _cy             =   13049
            Appearance      =   1
            BorderStyle     =   1
            Enabled         =   -1  'True
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   178
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            MousePointer    =   0
            BackColor       =   -2147483643
            ForeColor       =   -2147483640
            BackColorFixed  =   14871017
            ForeColorFixed  =   -2147483630
            BackColorSel    =   -2147483635
            ForeColorSel    =   -2147483634
            BackColorBkg    =   -2147483636
            BackColorAlternate=   -2147483643
            GridColor       =   -2147483633
            GridColorFixed  =   -2147483632
            TreeColor       =   -2147483632
            FloodColor      =   192
            SheetBorder     =   -2147483642
            FocusRect       =   1
            HighLight       =   1
            AllowSelection  =   -1  'True
            AllowBigSelection=   -1  'True
            AllowUserResizing=   0
            SelectionMode   =   0
            GridLines       =   1
            GridLinesFixed  =   2
            GridLineWidth   =   1
            Rows            =   1
            Cols            =   8
            FixedRows       =   1
            FixedCols       =   0
            RowHeightMin    =   0
            RowHeightMax    =   0
            ColWidthMin     =   0
            ColWidthMax     =   0
            ExtendLastCol   =   -1  'True
            FormatString    =   $"FrmTypeExchange.frx":51F4
            ScrollTrack     =   0   'False
            ScrollBars      =   3
            ScrollTips      =   0   'False
            MergeCells      =   0
            MergeCompare    =   0
            AutoResize      =   -1  'True
            AutoSizeMode    =   0
            AutoSearch      =   0
            AutoSearchDelay =   2
            MultiTotals     =   -1  'True
            SubtotalPosition=   1
            OutlineBar      =   0
            OutlineCol      =   0
            Ellipsis        =   0
            ExplorerBar     =   7
            PicturesOver    =   0   'False
            FillStyle       =   0
            RightToLeft     =   -1  'True
            PictureType     =   0
            TabBehavior     =   0
            OwnerDraw       =   0
            Editable        =   2
            ShowComboButton =   1
            WordWrap        =   0   'False
            TextStyle       =   0
            TextStyleFixed  =   0
            OleDragMode     =   0
            OleDropMode     =   0
            DataMode        =   0
            VirtualData     =   -1  'True
            DataMember      =   ""
            ComboSearch     =   3
            AutoSizeMouse   =   -1  'True
            FrozenRows      =   0
            FrozenCols      =   0
            AllowUserFreezing=   0
            BackColorFrozen =   0
            ForeColorFrozen =   0
            WallPaperAlignment=   9
            AccessibleName  =   ""
            AccessibleDescription=   ""
            AccessibleValue =   ""
            AccessibleRole  =   24
         End
      End
      Begin C1SizerLibCtl.C1Elastic C1Elastic1 
         Height          =   7812
         Left            =   20196
         TabIndex        =   35
         TabStop         =   0   'False
         Top             =   54
         Width           =   19314
         _cx             =   34068
         _cy             =   13780
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "MS Sans Serif"
            Size            =   9.9
            Charset         =   178
            Weight          =   400
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Enabled         =   -1  'True
         Appearance      =   4
         MousePointer    =   0
         Version         =   801
         BackColor       =   -2147483633
         ForeColor       =   -2147483630
         FloodColor      =   6553600
         ForeColorDisabled=   -2147483631
         Caption         =   ""
         Align           =   0
         AutoSizeChildren=   0
         BorderWidth     =   7
         ChildSpacing    =   4
         Splitter        =   0   'False
         FloodDirection  =   0
         FloodPercent    =   0
         CaptionPos      =   1
         WordWrap        =   -1  'True
         MaxChildSize    =   0
         MinChildSize    =   0
         TagWidth        =   0
         TagPosition     =   0
         Style           =   0
         TagSplit        =   2
         PicturePos      =   4
         CaptionStyle    =   0
         ResizeFonts     =   0   'False
         GridRows        =   0
         GridCols        =   0
         Frame           =   3
         FrameStyle      =   0
         FrameWidth      =   1
         FrameColor      =   -2147483628
         FrameShadow     =   -2147483632
         FloodStyle      =   1
         _GridInfo       =   ""
         AccessibleName  =   ""
         AccessibleDescription=   ""
         AccessibleValue =   ""
         AccessibleRole  =   9
         Begin VSFlex8UCtl.VSFlexGrid GRID2 
            Height          =   7092
            Left            =   144
            TabIndex        =   36
            Tag             =   "1"
            Top             =   144
            Width           =   19044
            _cx             =   33592
            _cy             =   12510
            Appearance      =   1
            BorderStyle     =   1
            Enabled         =   -1  'True
            BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
               Name            =   "MS Sans Serif"
               Size            =   9.9
               Charset         =   178
               Weight          =   400
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            MousePointer    =   0
            BackColor       =   -2147483643
            ForeColor       =   -2147483640
            BackColorFixed  =   14871017
            ForeColorFixed  =   -2147483630
            BackColorSel    =   -2147483635
            ForeColorSel    =   -2147483634
            BackColorBkg    =   -2147483636
            BackColorAlternate=   -2147483643
            GridColor       =   -2147483633
            GridColorFixed  =   -2147483632
            TreeColor       =   -2147483632
            FloodColor      =   192
            SheetBorder     =   -2147483642
            FocusRect       =   1
            HighLight       =   1
            AllowSelection  =   -1  'True
            AllowBigSelection=   -1  'True
            AllowUserResizing=   0
            SelectionMode   =   0
            GridLines       =   1
            GridLinesFixed  =   2
            GridLineWidth   =   1
            Rows            =   3
            Cols            =   8
            FixedRows       =   1
            FixedCols       =   1
            RowHeightMin    =   360
            RowHeightMax    =   0
            ColWidthMin     =   0
            ColWidthMax     =   0
            ExtendLastCol   =   -1  'True
            FormatString    =   $"FrmTypeExchange.frx":531B
            ScrollTrack     =   0   'False
            ScrollBars      =   3
            ScrollTips      =   0   'False
            MergeCells      =   0
            MergeCompare    =   0
            AutoResize      =   -1  'True
            AutoSizeMode    =   0
            AutoSearch      =   0
            AutoSearchDelay =   2
            MultiTotals     =   -1  'True
            SubtotalPosition=   1
            OutlineBar      =   0
            OutlineCol      =   0
            Ellipsis        =   0
            ExplorerBar     =   0
            PicturesOver    =   0   'False
            FillStyle       =   0
            RightToLeft     =   -1  'True
            PictureType     =   0
            TabBehavior     =   0
            OwnerDraw       =   0
            Editable        =   2
            ShowComboButton =   1
            WordWrap        =   0   'False
            TextStyle       =   0
            TextStyleFixed  =   0
            OleDragMode     =   0
            OleDropMode     =   0
            DataMode        =   0
            VirtualData     =   -1  'True
            DataMember      =   ""
            ComboSearch     =   3
            AutoSizeMouse   =   -1  'True
            FrozenRows      =   0
            FrozenCols      =   0
            AllowUserFreezing=   0
            BackColorFrozen =   0
            ForeColorFrozen =   0
            WallPaperAlignment=   9
            AccessibleName  =   ""
            AccessibleDescription=   ""
            AccessibleValue =   ""
            AccessibleRole  =   24
            Begin VB.Frame Frame6 
               Height          =   4338
               Left            =   0
               RightToLeft     =   -1  'True
               TabIndex        =   103
               Top             =   2592
               Visible         =   0   'False
               Width           =   9234
               Begin VB.CommandButton Command7 
                  BackColor       =   &H000000FF&
                  Caption         =   "X"
                  Height          =   306
                  Left            =   8784
                  Style           =   1  'Graphical
                  TabIndex        =   104
                  Top             =   0
                  Width           =   450
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00C0FFFF&
                  BeginProperty Font 
                     Name            =   "Tahoma"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ForeColor       =   &H00000080&
                  Height          =   4104
                  Index           =   22
                  Left            =   144
                  RightToLeft     =   -1  'True
                  TabIndex        =   105
                  Top             =   288
                  Width           =   9090
               End
               Begin VB.Shape Shape5 
                  BorderWidth     =   2
                  Height          =   4050
                  Left            =   144
                  Top             =   288
                  Width           =   9090
               End
            End
         End
         Begin VB.Label Label11 
            Alignment       =   2  'Center
            BackColor       =   &H00FFFFC0&
            Caption         =   "„ÿ·Ê» «⁄ „«œ… Õ«·Ì«"
            Height          =   306
            Left            =   5184
            RightToLeft     =   -1  'True
            TabIndex        =   37
            Top             =   7344
            Width           =   8514
         End
      End
      Begin C1SizerLibCtl.C1Elastic Ele 
         Height          =   7812
         Index           =   15
         Left            =   54
         TabIndex        =   38
         TabStop         =   0   'False
         Top             =   54
         Width           =   19314
         _cx             =   34068
         _cy             =   13780
         BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
            Name            =   "Arial (Arabic)"
            Size            =   14.4
            Charset         =   178
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Enabled         =   -1  'True
         Appearance      =   4
         MousePointer    =   0
         Version         =   801
         BackColor       =   14871017
         ForeColor       =   -2147483630
         FloodColor      =   6553600
         ForeColorDisabled=   -2147483631
         Caption         =   ""
         Align           =   0
         AutoSizeChildren=   8
         BorderWidth     =   1
         ChildSpacing    =   1
         Splitter        =   0   'False
         FloodDirection  =   0
         FloodPercent    =   0
         CaptionPos      =   6
         WordWrap        =   -1  'True
         MaxChildSize    =   0
         MinChildSize    =   0
         TagWidth        =   0
         TagPosition     =   0
         Style           =   0
         TagSplit        =   2
         PicturePos      =   4
         CaptionStyle    =   0
         ResizeFonts     =   0   'False
         GridRows        =   1
         GridCols        =   1
         Frame           =   3
         FrameStyle      =   0
         FrameWidth      =   1
         FrameColor      =   -2147483628
         FrameShadow     =   -2147483632
         FloodStyle      =   1
         _GridInfo       =   $"FrmTypeExchange.frx":545E
         AccessibleName  =   ""
         AccessibleDescription=   ""
         AccessibleValue =   ""
         AccessibleRole  =   9
         Begin VB.Frame Frame1 
            BackColor       =   &H00E2E9E9&
            Height          =   7776
            Left            =   18
            RightToLeft     =   -1  'True
            TabIndex        =   39
            Top             =   18
            Width           =   19278
            Begin VB.TextBox TxtBankIBAN 
               Alignment       =   1  'Right Justify
               Height          =   378
               Left            =   16884
               MaxLength       =   50
               RightToLeft     =   -1  'True
               TabIndex        =   107
               Top             =   7272
               Width           =   2286
            End
            Begin VB.Frame Frame5 
               Appearance      =   0  'Flat
               BackColor       =   &H00E2E9E9&
               ForeColor       =   &H80000008&
               Height          =   5346
               Left            =   144
               RightToLeft     =   -1  'True
               TabIndex        =   88
               Top             =   8640
               Visible         =   0   'False
               Width           =   13266
               Begin ImpulseButton.ISButton ISButton4 
                  Height          =   396
                  Left            =   12096
                  TabIndex        =   89
                  ToolTipText     =   "Õ–› «·ﬂ·"
                  Top             =   144
                  Width           =   1026
                  _ExtentX        =   1810
                  _ExtentY        =   698
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   "≈€·«ﬁ"
                  BackColor       =   14871017
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "FrmTypeExchange.frx":5494
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
               End
            End
            Begin VB.Frame Frame4 
               BackColor       =   &H00E2E9E9&
               Height          =   738
               Left            =   432
               RightToLeft     =   -1  'True
               TabIndex        =   72
               Top             =   864
               Width           =   18738
               Begin VB.CommandButton Command2 
                  Caption         =   " ›«’Ì· «„— «·‘—«¡"
                  Height          =   306
                  Left            =   3024
                  RightToLeft     =   -1  'True
                  TabIndex        =   90
                  Top             =   288
                  Visible         =   0   'False
                  Width           =   2178
               End
               Begin VB.CommandButton Command1 
                  Caption         =   "⁄—÷ "
                  Height          =   306
                  Left            =   5328
                  RightToLeft     =   -1  'True
                  TabIndex        =   77
                  Top             =   288
                  Width           =   2610
               End
               Begin VB.TextBox txtTransaction_ID 
                  Alignment       =   1  'Right Justify
                  Height          =   342
                  Left            =   144
                  RightToLeft     =   -1  'True
                  TabIndex        =   76
                  Top             =   288
                  Visible         =   0   'False
                  Width           =   2610
               End
               Begin VB.TextBox TxtOrderNo 
                  Alignment       =   2  'Center
                  Height          =   378
                  Left            =   10944
                  TabIndex        =   75
                  TabStop         =   0   'False
                  Top             =   288
                  Width           =   1602
               End
               Begin VB.ComboBox cbobasedOn 
                  Height          =   378
                  ItemData        =   "FrmTypeExchange.frx":BCF6
                  Left            =   12672
                  List            =   "FrmTypeExchange.frx":BCF8
                  RightToLeft     =   -1  'True
                  TabIndex        =   74
                  Top             =   288
                  Width           =   4626
               End
               Begin MSComCtl2.DTPicker ReqDate 
                  Height          =   378
                  Left            =   8064
                  TabIndex        =   86
                  Top             =   288
                  Width           =   1890
                  _ExtentX        =   3334
                  _ExtentY        =   667
                  _Version        =   393216
                  Enabled         =   0   'False
                  Format          =   142540801
                  CurrentDate     =   41640
               End
               Begin VB.Label lbl 
                  Alignment       =   2  'Center
                  BackColor       =   &H00E2E9E9&
                  Caption         =   " √—ÌŒÂ"
                  Height          =   306
                  Index           =   17
                  Left            =   9936
                  TabIndex        =   87
                  Top             =   288
                  Width           =   1062
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  BackStyle       =   0  'Transparent
                  Caption         =   "»‰«¡ ⁄·Ì"
                  Height          =   342
                  Index           =   14
                  Left            =   17280
                  TabIndex        =   73
                  Top             =   288
                  Width           =   1206
               End
            End
            Begin VB.TextBox XPTxtID 
               Alignment       =   2  'Center
               Enabled         =   0   'False
               Height          =   378
               Left            =   8748
               Locked          =   -1  'True
               TabIndex        =   64
               TabStop         =   0   'False
               Top             =   0
               Visible         =   0   'False
               Width           =   1314
            End
            Begin VB.ComboBox Contract_period 
               Height          =   378
               ItemData        =   "FrmTypeExchange.frx":BCFA
               Left            =   22608
               List            =   "FrmTypeExchange.frx":BD04
               RightToLeft     =   -1  'True
               TabIndex        =   63
               Top             =   720
               Width           =   1170
            End
            Begin VB.Frame Frame3 
               BackColor       =   &H00E2E9E9&
               Caption         =   "»Ì«‰«  «·’—›"
               Height          =   4698
               Left            =   432
               RightToLeft     =   -1  'True
               TabIndex        =   46
               Top             =   1584
               Width           =   18846
               Begin VB.TextBox TxtPrice 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00C0FFC0&
                  BeginProperty Font 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  Height          =   378
                  Left            =   13824
                  TabIndex        =   102
                  Top             =   1152
                  Width           =   2754
               End
               Begin VB.TextBox TxtPerson 
                  Alignment       =   1  'Right Justify
                  Height          =   378
                  Left            =   3312
                  MultiLine       =   -1  'True
                  TabIndex        =   101
                  Top             =   720
                  Width           =   13266
               End
               Begin VB.TextBox TxtPriceE 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H0080FFFF&
                  BeginProperty Font 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  Height          =   378
                  Left            =   3312
                  TabIndex        =   97
                  Top             =   1152
                  Width           =   2754
               End
               Begin VB.TextBox TxtCurrencyRate 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H80000003&
                  BeginProperty Font 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  Height          =   378
                  Left            =   7920
                  TabIndex        =   95
                  Top             =   1152
                  Width           =   2754
               End
               Begin VB.ComboBox DCboCashType121 
                  Height          =   378
                  ItemData        =   "FrmTypeExchange.frx":BD12
                  Left            =   13968
                  List            =   "FrmTypeExchange.frx":BD14
                  RightToLeft     =   -1  'True
                  TabIndex        =   78
                  Top             =   288
                  Width           =   2610
               End
               Begin VB.TextBox TxtDes 
                  Alignment       =   1  'Right Justify
                  Height          =   2106
                  Left            =   144
                  MultiLine       =   -1  'True
                  ScrollBars      =   2  'Vertical
                  TabIndex        =   50
                  Top             =   2448
                  Width           =   6498
               End
               Begin VB.TextBox TxtSearchCode 
                  Alignment       =   1  'Right Justify
                  Height          =   378
                  Left            =   15552
                  RightToLeft     =   -1  'True
                  TabIndex        =   49
                  Top             =   2880
                  Width           =   1026
               End
               Begin VB.TextBox TxtME 
                  Alignment       =   1  'Right Justify
                  Height          =   378
                  Left            =   15552
                  RightToLeft     =   -1  'True
                  TabIndex        =   48
                  Top             =   3312
                  Width           =   1026
               End
               Begin VB.TextBox TxtManger 
                  Alignment       =   1  'Right Justify
                  Height          =   378
                  Left            =   15552
                  RightToLeft     =   -1  'True
                  TabIndex        =   47
                  Top             =   3744
                  Width           =   1026
               End
               Begin MSDataListLib.DataCombo DcbExchang 
                  Bindings        =   "FrmTypeExchange.frx":BD16
                  Height          =   378
                  Left            =   7488
                  TabIndex        =   51
                  Top             =   2448
                  Width           =   9090
                  _ExtentX        =   16033
                  _ExtentY        =   667
                  _Version        =   393216
                  BackColor       =   16777215
                  ListField       =   "account_name"
                  BoundColumn     =   "code"
                  Text            =   ""
                  RightToLeft     =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
               End
               Begin MSDataListLib.DataCombo DcbEmp 
                  Bindings        =   "FrmTypeExchange.frx":BD2B
                  Height          =   378
                  Left            =   7488
                  TabIndex        =   52
                  Top             =   2880
                  Width           =   7938
                  _ExtentX        =   14002
                  _ExtentY        =   667
                  _Version        =   393216
                  BackColor       =   16777215
                  ListField       =   "account_name"
                  BoundColumn     =   "code"
                  Text            =   ""
                  RightToLeft     =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
               End
               Begin MSDataListLib.DataCombo DcbManEmp 
                  Bindings        =   "FrmTypeExchange.frx":BD40
                  Height          =   378
                  Left            =   7488
                  TabIndex        =   53
                  Top             =   3312
                  Width           =   7938
                  _ExtentX        =   14002
                  _ExtentY        =   667
                  _Version        =   393216
                  BackColor       =   16777215
                  ListField       =   "account_name"
                  BoundColumn     =   "code"
                  Text            =   ""
                  RightToLeft     =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
               End
               Begin MSDataListLib.DataCombo DcbManger 
                  Bindings        =   "FrmTypeExchange.frx":BD55
                  Height          =   378
                  Left            =   7488
                  TabIndex        =   54
                  Top             =   3744
                  Width           =   7938
                  _ExtentX        =   14002
                  _ExtentY        =   667
                  _Version        =   393216
                  BackColor       =   16777215
                  ListField       =   "account_name"
                  BoundColumn     =   "code"
                  Text            =   ""
                  RightToLeft     =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
               End
               Begin MSDataListLib.DataCombo DBCboClientName 
                  Bindings        =   "FrmTypeExchange.frx":BD6A
                  Height          =   378
                  Left            =   3312
                  TabIndex        =   79
                  Top             =   288
                  Width           =   9234
                  _ExtentX        =   16288
                  _ExtentY        =   667
                  _Version        =   393216
                  BackColor       =   16777215
                  ListField       =   "account_name"
                  BoundColumn     =   "code"
                  Text            =   ""
                  RightToLeft     =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
               End
               Begin MSDataListLib.DataCombo DCAccounts 
                  Bindings        =   "FrmTypeExchange.frx":BD7F
                  Height          =   378
                  Left            =   3312
                  TabIndex        =   82
                  Top             =   288
                  Width           =   9234
                  _ExtentX        =   16288
                  _ExtentY        =   667
                  _Version        =   393216
                  BackColor       =   16777215
                  ListField       =   "account_name"
                  BoundColumn     =   "code"
                  Text            =   ""
                  RightToLeft     =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
               End
               Begin MSDataListLib.DataCombo dcEmployee 
                  Bindings        =   "FrmTypeExchange.frx":BD94
                  Height          =   378
                  Left            =   3312
                  TabIndex        =   83
                  Top             =   288
                  Width           =   9234
                  _ExtentX        =   16288
                  _ExtentY        =   667
                  _Version        =   393216
                  BackColor       =   16777215
                  ListField       =   "account_name"
                  BoundColumn     =   "code"
                  Text            =   ""
                  RightToLeft     =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "MS Sans Serif"
                     Size            =   9.9
                     Charset         =   178
                     Weight          =   400
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
               End
               Begin MSDataListLib.DataCombo DcbDetpartment 
                  Height          =   378
                  Left            =   7488
                  TabIndex        =   84
                  Top             =   4176
                  Width           =   9090
                  _ExtentX        =   16033
                  _ExtentY        =   667
                  _Version        =   393216
                  ListField       =   "7"
                  Text            =   ""
                  RightToLeft     =   -1  'True
               End
               Begin MSDataListLib.DataCombo DcbCurrency 
                  Height          =   378
                  Left            =   144
                  TabIndex        =   93
                  Top             =   288
                  Width           =   2034
                  _ExtentX        =   3588
                  _ExtentY        =   667
                  _Version        =   393216
                  BackColor       =   16777215
                  Text            =   ""
                  RightToLeft     =   -1  'True
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "ÿ«·» «·’—›"
                  Height          =   342
                  Index           =   21
                  Left            =   16848
                  TabIndex        =   100
                  Top             =   2880
                  Width           =   1638
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H0080FFFF&
                  Caption         =   "—Ì«·"
                  ForeColor       =   &H00FF0000&
                  Height          =   342
                  Index           =   20
                  Left            =   288
                  TabIndex        =   99
                  Top             =   2016
                  Width           =   16326
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·„ﬁ«»·"
                  Height          =   342
                  Index           =   19
                  Left            =   6336
                  TabIndex        =   98
                  Top             =   1152
                  Width           =   918
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·„⁄œ·"
                  Height          =   342
                  Index           =   18
                  Left            =   11808
                  TabIndex        =   96
                  Top             =   1152
                  Width           =   918
               End
               Begin VB.Label XPLbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·⁄„·…"
                  Height          =   306
                  Index           =   14
                  Left            =   2196
                  RightToLeft     =   -1  'True
                  TabIndex        =   94
                  Top             =   288
                  Width           =   954
               End
               Begin VB.Label lbl 
                  Alignment       =   2  'Center
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·«œ«—… «·ÿ«·»…"
                  Height          =   450
                  Index           =   37
                  Left            =   17136
                  TabIndex        =   85
                  Top             =   4176
                  Width           =   1638
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·„” ›Ìœ"
                  Height          =   342
                  Index           =   15
                  Left            =   16848
                  TabIndex        =   81
                  Top             =   288
                  Width           =   1206
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·⁄„Ì·"
                  Height          =   342
                  Index           =   16
                  Left            =   12564
                  TabIndex        =   80
                  Top             =   288
                  Width           =   1206
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "Ì’—› «·Ï «·”«œ…"
                  Height          =   342
                  Index           =   29
                  Left            =   16704
                  TabIndex        =   62
                  Top             =   720
                  Width           =   1782
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "„·»€ Êﬁœ—Â"
                  Height          =   342
                  Index           =   0
                  Left            =   16560
                  TabIndex        =   61
                  Top             =   1152
                  Width           =   1782
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00C0FFC0&
                  Caption         =   "—Ì«·"
                  ForeColor       =   &H00FF0000&
                  Height          =   342
                  Index           =   3
                  Left            =   288
                  TabIndex        =   60
                  Top             =   1584
                  Width           =   16326
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "Ê–«·ﬂ ⁄»«—Â ⁄‰"
                  Height          =   342
                  Index           =   2
                  Left            =   16848
                  TabIndex        =   59
                  Top             =   2448
                  Width           =   1638
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·‘—Õ"
                  Height          =   774
                  Index           =   5
                  Left            =   6624
                  TabIndex        =   58
                  Top             =   2880
                  Width           =   774
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "ÿ«·» «·’—›"
                  Height          =   342
                  Index           =   9
                  Left            =   16848
                  TabIndex        =   57
                  Top             =   2448
                  Width           =   1638
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·„œÌ— «·„»«‘—"
                  Height          =   342
                  Index           =   10
                  Left            =   16848
                  TabIndex        =   56
                  Top             =   3312
                  Width           =   1638
               End
               Begin VB.Label lbl 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "„œÌ— «·«œ«—…"
                  Height          =   342
                  Index           =   12
                  Left            =   16848
                  TabIndex        =   55
                  Top             =   3744
                  Width           =   1638
               End
            End
            Begin VB.Frame Frame2 
               BackColor       =   &H00E2E9E9&
               Caption         =   "‰Ê⁄ «·’—›"
               Height          =   522
               Left            =   432
               RightToLeft     =   -1  'True
               TabIndex        =   42
               Top             =   7200
               Width           =   16434
               Begin XtremeSuiteControls.RadioButton Opt 
                  Height          =   306
                  Index           =   0
                  Left            =   9504
                  TabIndex        =   43
                  Top             =   144
                  Width           =   2178
                  _Version        =   786432
                  _ExtentX        =   3841
                  _ExtentY        =   540
                  _StockProps     =   79
                  Caption         =   "‰ﬁœÌ"
                  UseVisualStyle  =   -1  'True
                  TextAlignment   =   1
                  RightToLeft     =   -1  'True
               End
               Begin XtremeSuiteControls.RadioButton Opt 
                  Height          =   306
                  Index           =   1
                  Left            =   5616
                  TabIndex        =   44
                  Top             =   144
                  Width           =   2178
                  _Version        =   786432
                  _ExtentX        =   3841
                  _ExtentY        =   540
                  _StockProps     =   79
                  Caption         =   "‘Ìﬂ"
                  UseVisualStyle  =   -1  'True
                  TextAlignment   =   1
                  RightToLeft     =   -1  'True
               End
               Begin XtremeSuiteControls.RadioButton Opt 
                  Height          =   306
                  Index           =   2
                  Left            =   1152
                  TabIndex        =   45
                  Top             =   144
                  Width           =   2178
                  _Version        =   786432
                  _ExtentX        =   3841
                  _ExtentY        =   540
                  _StockProps     =   79
                  Caption         =   "ÕÊ«·Â"
                  UseVisualStyle  =   -1  'True
                  TextAlignment   =   1
                  RightToLeft     =   -1  'True
               End
            End
            Begin VB.TextBox TxtSerial1 
               Alignment       =   2  'Center
               Height          =   378
               Left            =   15840
               Locked          =   -1  'True
               TabIndex        =   41
               TabStop         =   0   'False
               Top             =   288
               Width           =   1890
            End
            Begin VB.TextBox TxtDes2 
               Alignment       =   1  'Right Justify
               Height          =   918
               Left            =   432
               MultiLine       =   -1  'True
               ScrollBars      =   2  'Vertical
               TabIndex        =   40
               Top             =   6336
               Width           =   16578
            End
            Begin MSDataListLib.DataCombo Dcbranch 
               Bindings        =   "FrmTypeExchange.frx":BDA9
               Height          =   378
               Left            =   576
               TabIndex        =   65
               Top             =   288
               Width           =   9810
               _ExtentX        =   17304
               _ExtentY        =   667
               _Version        =   393216
               BackColor       =   16777215
               ListField       =   "account_name"
               BoundColumn     =   "code"
               Text            =   ""
               RightToLeft     =   -1  'True
               BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   178
                  Weight          =   400
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
            End
            Begin MSComCtl2.DTPicker XPDtbTrans 
               Height          =   378
               Left            =   12384
               TabIndex        =   66
               Top             =   288
               Width           =   1890
               _ExtentX        =   3334
               _ExtentY        =   667
               _Version        =   393216
               Enabled         =   0   'False
               Format          =   142802945
               CurrentDate     =   41640
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "—ﬁ„ «·«Ì»«‰"
               Height          =   342
               Index           =   36
               Left            =   17388
               RightToLeft     =   -1  'True
               TabIndex        =   108
               Top             =   6912
               Width           =   1530
            End
            Begin VB.Label lblbr 
               Alignment       =   1  'Right Justify
               BackStyle       =   0  'Transparent
               Caption         =   "«·›—⁄"
               Height          =   306
               Left            =   10512
               RightToLeft     =   -1  'True
               TabIndex        =   71
               Top             =   360
               Width           =   1026
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "—ﬁ„ «·ÿ·»"
               Height          =   342
               Index           =   4
               Left            =   17604
               TabIndex        =   70
               Top             =   324
               Width           =   1206
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«· «—ÌŒ"
               Height          =   342
               Index           =   1
               Left            =   14148
               TabIndex        =   69
               Top             =   306
               Width           =   1206
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "„‰"
               Height          =   342
               Index           =   11
               Left            =   -1584
               TabIndex        =   68
               Top             =   288
               Width           =   630
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "„·«ÕŸ«  «·„—«Ã⁄Â"
               Height          =   342
               Index           =   13
               Left            =   17280
               TabIndex        =   67
               Top             =   6480
               Width           =   1638
            End
         End
      End
   End
   Begin ImpulseButton.ISButton Cmd 
      Height          =   450
      Index           =   8
      Left            =   0
      TabIndex        =   106
      Top             =   0
      Width           =   918
      _ExtentX        =   1619
      _ExtentY        =   793
      ButtonPositionImage=   1
      Caption         =   "ÿ»«⁄Â"
      BackColor       =   14871017
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ColorButton     =   14871017
      ColorHighlight  =   16777215
      ColorHoverText  =   16711680
      ColorShadow     =   -2147483637
      ColorOutline    =   0
      DrawFocusRectangle=   0   'False
      ColorToggledHoverText=   16711680
      ColorTextShadow =   -2147483637
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "«·‘Œ’ «·„”∆Ê·"
      Height          =   342
      Index           =   28
      Left            =   4896
      TabIndex        =   31
      Top             =   2592
      Width           =   1350
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   "—ﬁ„ «·ﬁÌœ:"
      Height          =   378
      Index           =   30
      Left            =   22320
      RightToLeft     =   -1  'True
      TabIndex        =   30
      Top             =   1980
      Width           =   1170
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00C0FFFF&
      Caption         =   "Â–… «·‘«‘…  ﬁÊ„ » ”ÃÌ· ÿ·» ”›… ‰ﬁœÌ… ÊÌ „ «Õ ”«» ﬁÌ„… «·œ›⁄ «·Ì«"
      BeginProperty Font 
         Name            =   "Tahoma"
         Size            =   9.9
         Charset         =   178
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ForeColor       =   &H00000080&
      Height          =   792
      Index           =   25
      Left            =   0
      RightToLeft     =   -1  'True
      TabIndex        =   21
      Top             =   5004
      Width           =   6930
   End
   Begin VB.Shape Shape1 
      BorderWidth     =   2
      Height          =   1026
      Left            =   144
      Top             =   4896
      Width           =   7218
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackStyle       =   0  'Transparent
      Caption         =   "Õ—— »Ê«”ÿ… : "
      Height          =   324
      Index           =   8
      Left            =   11430
      TabIndex        =   18
      Top             =   9162
      Width           =   1080
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   " «·”Ã· «·Õ«·Ì:"
      Height          =   378
      Index           =   7
      Left            =   6048
      TabIndex        =   17
      Top             =   9144
      Width           =   1278
   End
   Begin VB.Label lbl 
      Alignment       =   1  'Right Justify
      BackColor       =   &H00E2E9E9&
      Caption         =   " ⁄œœ «·”Ã·« :"
      Height          =   378
      Index           =   6
      Left            =   3852
      TabIndex        =   16
      Top             =   9144
      Width           =   1170
   End
   Begin VB.Label XPTxtCount 
      Alignment       =   1  'Right Justify
      BackStyle       =   0  'Transparent
      Height          =   378
      Left            =   2988
      TabIndex        =   15
      Top             =   9144
      Width           =   594
   End
   Begin VB.Label XPTxtCurrent 
      Alignment       =   1  'Right Justify
      BackStyle       =   0  'Transparent
      Height          =   378
      Left            =   5112
      TabIndex        =   14
      Top             =   9144
      Width           =   738
   End
End
Attribute VB_Name = "FrmTypeExchange"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
