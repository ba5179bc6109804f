VERSION 5.00
Object = "{C115893A-A3BF-43AF-B28D-69DB846077F3}#1.0#0"; "vsflex8u.ocx"
Object = "{0AFE7BE0-11B7-4A3E-978D-D4501E9A57FE}#1.0#0"; "c1sizer.ocx"
Object = "{BEEECC20-4D5F-4F8B-BFDC-5D9B6FBDE09D}#1.0#0"; "vsflex8.ocx"
Object = "{F0D2F211-CCB0-11D0-A316-00AA00688B10}#1.0#0"; "MSDATLST.OCX"
Object = "{FE5DCFAD-BC1D-11D2-94CF-004005455FAA}#1.4#0"; "ImpulseButton.ocx"
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Object = "{86CF1D34-0C5F-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCT2.OCX"
Object = "{A8E5842E-102B-4289-9D57-3B3F5B5E15D3}#12.0#0"; "SuiteCtrls.ocx"
Begin VB.Form emp_CONTRACT_TYPE 
   BorderStyle     =   1  'Fixed Single
   ClientHeight    =   11178
   ClientLeft      =   -18
   ClientTop       =   450
   ClientWidth     =   20214
   Icon            =   "emp_contract_tyoe.frx":0000
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form2"
   MDIChild        =   -1  'True
   ScaleHeight     =   11178
   ScaleWidth      =   20214
   WindowState     =   2  'Maximized
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.6
      Charset         =   178
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Begin C1SizerLibCtl.C1Elastic C1Elastic12 
      Height          =   11178
      Left            =   0
      TabIndex        =   0
      TabStop         =   0   'False
      Top             =   0
      Width           =   20214
      _cx             =   35656
      _cy             =   19717
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
      BackColor       =   14871017
      ForeColor       =   -2147483630
      FloodColor      =   6553600
      ForeColorDisabled=   -2147483631
      Caption         =   ""
      Align           =   5
      AutoSizeChildren=   7
      BorderWidth     =   7
      ChildSpacing    =   1
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
      Begin C1SizerLibCtl.C1Tab TabMain 
         Height          =   11124
         Left            =   0
         TabIndex        =   1
         Top             =   0
         Width           =   20052
         _cx             =   35370
         _cy             =   19621
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
         BackColor       =   12648447
         ForeColor       =   -2147483630
         FrontTabColor   =   14871017
         BackTabColor    =   12648447
         TabOutlineColor =   -2147483632
         FrontTabForeColor=   16711680
         Caption         =   "«‰Ê«⁄  ⁄«ﬁœ «·„ÊŸ›Ì‰|«·⁄ﬁÊœ|”‰œ  ”·Ì„ Õ«ÊÌ…|New Tab|›Ê« Ì— «·« ›«ﬁÌ« |Õ—ﬂ«   ›—Ì€« "
         Align           =   0
         CurrTab         =   2
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
         DogEars         =   -1  'True
         MultiRow        =   0   'False
         MultiRowOffset  =   200
         CaptionStyle    =   0
         TabHeight       =   0
         TabCaptionPos   =   4
         TabPicturePos   =   0
         CaptionEmpty    =   ""
         Separators      =   0   'False
         AccessibleName  =   ""
         AccessibleDescription=   ""
         AccessibleValue =   ""
         AccessibleRole  =   37
         Flags(3)        =   2
         Begin C1SizerLibCtl.C1Elastic ELe 
            Height          =   10674
            Index           =   1
            Left            =   -21078
            TabIndex        =   2
            TabStop         =   0   'False
            Top             =   54
            Width           =   19944
            _cx             =   35179
            _cy             =   18828
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
            BackColor       =   14871017
            ForeColor       =   -2147483630
            FloodColor      =   6553600
            ForeColorDisabled=   -2147483631
            Caption         =   ""
            Align           =   0
            AutoSizeChildren=   7
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
            Begin VB.Frame FraHeader 
               BackColor       =   &H00FFFFFF&
               BorderStyle     =   0  'None
               Height          =   648
               Left            =   0
               RightToLeft     =   -1  'True
               TabIndex        =   11
               Top             =   0
               Width           =   19728
               Begin VB.Frame Frmo2 
                  BackColor       =   &H00E0E0E0&
                  BorderStyle     =   0  'None
                  Enabled         =   0   'False
                  Height          =   450
                  Left            =   648
                  RightToLeft     =   -1  'True
                  TabIndex        =   14
                  Top             =   540
                  Visible         =   0   'False
                  Width           =   3726
                  Begin MSDataListLib.DataCombo DCUser 
                     CausesValidation=   0   'False
                     Height          =   378
                     Left            =   -306
                     TabIndex        =   15
                     Tag             =   "„‰ ›÷·ﬂ √œŒ· —ﬁ„ «·ﬁ÷Ì…"
                     Top             =   -18
                     Width           =   2808
                     _ExtentX        =   4954
                     _ExtentY        =   667
                     _Version        =   393216
                     Enabled         =   0   'False
                     BackColor       =   -2147483624
                     Text            =   ""
                     RightToLeft     =   -1  'True
                     BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                        Name            =   "MS Sans Serif"
                        Size            =   9.9
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                  End
                  Begin VB.Label Label1 
                     Alignment       =   1  'Right Justify
                     BackColor       =   &H00E0E0E0&
                     Caption         =   "«·„” Œœ„"
                     BeginProperty Font 
                        Name            =   "Arial"
                        Size            =   14.4
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                     Height          =   324
                     Index           =   13
                     Left            =   2592
                     RightToLeft     =   -1  'True
                     TabIndex        =   16
                     Top             =   54
                     Width           =   1026
                  End
               End
               Begin VB.TextBox TxtModFlg 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H0000FF00&
                  Enabled         =   0   'False
                  Height          =   342
                  Left            =   3096
                  RightToLeft     =   -1  'True
                  TabIndex        =   13
                  Text            =   "modflag"
                  Top             =   108
                  Visible         =   0   'False
                  Width           =   558
               End
               Begin VB.TextBox TxtVac_ID 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H000000FF&
                  Height          =   288
                  Left            =   3636
                  RightToLeft     =   -1  'True
                  TabIndex        =   12
                  Top             =   612
                  Visible         =   0   'False
                  Width           =   1134
               End
               Begin MSComctlLib.ImageList GrdImageList 
                  Left            =   3744
                  Top             =   0
                  _ExtentX        =   1206
                  _ExtentY        =   1206
                  BackColor       =   -2147483643
                  ImageWidth      =   16
                  ImageHeight     =   16
                  MaskColor       =   12632256
                  _Version        =   393216
                  BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
                     NumListImages   =   8
                     BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":058A
                        Key             =   "CompanyName"
                     EndProperty
                     BeginProperty ListImage2 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":0924
                        Key             =   "Ser"
                     EndProperty
                     BeginProperty ListImage3 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":0CBE
                        Key             =   "Vac_Name"
                     EndProperty
                     BeginProperty ListImage4 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1058
                        Key             =   "ShareCount"
                     EndProperty
                     BeginProperty ListImage5 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":13F2
                        Key             =   "Dis_Count"
                     EndProperty
                     BeginProperty ListImage6 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":178C
                        Key             =   "Bouns"
                     EndProperty
                     BeginProperty ListImage7 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1B26
                        Key             =   "SharesValue"
                     EndProperty
                     BeginProperty ListImage8 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":20C0
                        Key             =   "BuyValue"
                     EndProperty
                  EndProperty
               End
               Begin ImpulseButton.ISButton btnLast 
                  Height          =   378
                  Left            =   108
                  TabIndex        =   17
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":245A
                  ColorButton     =   14871017
                  AcclimateGrayTones=   -1  'True
                  DrawFocusRectangle=   0   'False
                  DisabledImageExtraction=   0
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btnNext 
                  Height          =   378
                  Left            =   666
                  TabIndex        =   18
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":27F4
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btnPrevious 
                  Height          =   378
                  Left            =   1386
                  TabIndex        =   19
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":2B8E
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btnFirst 
                  Height          =   378
                  Left            =   1944
                  TabIndex        =   20
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":2F28
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackStyle       =   0  'Transparent
                  Caption         =   "«‰Ê«⁄  ⁄«ﬁœ «·„ÊŸ›Ì‰"
                  BeginProperty Font 
                     Name            =   "Arial"
                     Size            =   17.1
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ForeColor       =   &H00000000&
                  Height          =   450
                  Index           =   2
                  Left            =   16200
                  RightToLeft     =   -1  'True
                  TabIndex        =   21
                  Top             =   108
                  Width           =   3168
               End
            End
            Begin VB.Frame Frm2 
               BackColor       =   &H00E2E9E9&
               BorderStyle     =   0  'None
               Enabled         =   0   'False
               Height          =   1494
               Left            =   11268
               RightToLeft     =   -1  'True
               TabIndex        =   3
               Top             =   5400
               Width           =   8352
               Begin VB.TextBox TxtVacNameE 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00FFFFFF&
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
                  Left            =   558
                  MaxLength       =   50
                  RightToLeft     =   -1  'True
                  TabIndex        =   7
                  Top             =   1008
                  Width           =   5616
               End
               Begin VB.TextBox TxtVacName 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00FFFFFF&
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
                  Left            =   558
                  MaxLength       =   50
                  RightToLeft     =   -1  'True
                  TabIndex        =   6
                  Top             =   630
                  Width           =   5616
               End
               Begin VB.TextBox TxtSerial 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00FFFFFF&
                  Enabled         =   0   'False
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
                  Left            =   4896
                  MaxLength       =   50
                  RightToLeft     =   -1  'True
                  TabIndex        =   5
                  Top             =   198
                  Width           =   1278
               End
               Begin VB.ComboBox CmbType 
                  BackColor       =   &H80000018&
                  Height          =   378
                  ItemData        =   "emp_contract_tyoe.frx":32C2
                  Left            =   2736
                  List            =   "emp_contract_tyoe.frx":32D2
                  RightToLeft     =   -1  'True
                  Style           =   2  'Dropdown List
                  TabIndex        =   4
                  Top             =   1764
                  Visible         =   0   'False
                  Width           =   1206
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·«”„ «‰Ã·Ì“Ì"
                  Height          =   342
                  Index           =   1
                  Left            =   6120
                  RightToLeft     =   -1  'True
                  TabIndex        =   10
                  Top             =   1008
                  Width           =   1260
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·«”„ ⁄—»Ì"
                  Height          =   342
                  Index           =   0
                  Left            =   6120
                  RightToLeft     =   -1  'True
                  TabIndex        =   9
                  Top             =   576
                  Width           =   1260
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "ﬂÊœ  "
                  Height          =   234
                  Index           =   3
                  Left            =   6030
                  RightToLeft     =   -1  'True
                  TabIndex        =   8
                  Top             =   180
                  Width           =   1188
               End
            End
            Begin VB.Timer Timer2 
               Left            =   0
               Top             =   0
            End
            Begin C1SizerLibCtl.C1Elastic EltCont 
               Height          =   1224
               Left            =   6714
               TabIndex        =   22
               TabStop         =   0   'False
               Top             =   9216
               Width           =   10512
               _cx             =   18542
               _cy             =   2159
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
               BorderWidth     =   1
               ChildSpacing    =   1
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
               Begin ImpulseButton.ISButton btnNew 
                  Height          =   396
                  Left            =   5670
                  TabIndex        =   23
                  Top             =   522
                  Width           =   900
                  _ExtentX        =   1588
                  _ExtentY        =   698
                  ButtonStyle     =   1
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
                  ButtonImage     =   "emp_contract_tyoe.frx":32EB
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
               End
               Begin ImpulseButton.ISButton btnSave 
                  Height          =   396
                  Left            =   3816
                  TabIndex        =   24
                  Top             =   522
                  Width           =   900
                  _ExtentX        =   1588
                  _ExtentY        =   698
                  ButtonStyle     =   1
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
                  ButtonImage     =   "emp_contract_tyoe.frx":3685
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
               End
               Begin ImpulseButton.ISButton btnModify 
                  Height          =   396
                  Left            =   4734
                  TabIndex        =   25
                  Top             =   522
                  Width           =   900
                  _ExtentX        =   1588
                  _ExtentY        =   698
                  ButtonStyle     =   1
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
                  ButtonImage     =   "emp_contract_tyoe.frx":3A1F
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
               End
               Begin ImpulseButton.ISButton BtnUndo 
                  Height          =   396
                  Left            =   2898
                  TabIndex        =   26
                  Top             =   522
                  Width           =   900
                  _ExtentX        =   1588
                  _ExtentY        =   698
                  ButtonStyle     =   1
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
                  ButtonImage     =   "emp_contract_tyoe.frx":3DB9
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
               End
               Begin ImpulseButton.ISButton btnDelete 
                  Height          =   396
                  Left            =   1980
                  TabIndex        =   27
                  Top             =   522
                  Width           =   900
                  _ExtentX        =   1588
                  _ExtentY        =   698
                  ButtonStyle     =   1
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
                  ButtonImage     =   "emp_contract_tyoe.frx":4153
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
               End
               Begin ImpulseButton.ISButton btnQuery 
                  Height          =   396
                  Left            =   8244
                  TabIndex        =   28
                  TabStop         =   0   'False
                  ToolTipText     =   "(Ctrl+F)  ··»ÕÀ ≈÷€ÿ Â–« «·„› «Õ √Ê ≈÷€ÿ "
                  Top             =   576
                  Visible         =   0   'False
                  Width           =   1008
                  _ExtentX        =   1778
                  _ExtentY        =   698
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   "»ÕÀ"
                  BackColor       =   14737632
                  FontSize        =   11.7
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   11.7
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":46ED
                  ColorButton     =   14737632
                  DrawFocusRectangle=   0   'False
               End
               Begin ImpulseButton.ISButton BtnUpdate 
                  Height          =   396
                  Left            =   8244
                  TabIndex        =   29
                  TabStop         =   0   'False
                  ToolTipText     =   " ÕœÌÀ ﬁ«⁄œ… «·»Ì«‰« "
                  Top             =   144
                  Visible         =   0   'False
                  Width           =   1008
                  _ExtentX        =   1778
                  _ExtentY        =   698
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   " ÕœÌÀ"
                  BackColor       =   14871017
                  FontSize        =   11.7
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   11.7
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":4A87
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
               End
               Begin ImpulseButton.ISButton BtnPrint 
                  Height          =   342
                  Left            =   7812
                  TabIndex        =   30
                  TabStop         =   0   'False
                  Top             =   288
                  Visible         =   0   'False
                  Width           =   342
                  _ExtentX        =   604
                  _ExtentY        =   604
                  ButtonStyle     =   1
                  ButtonPositionImage=   2
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   17.1
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   17.1
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":4E21
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btnCancel 
                  Height          =   396
                  Left            =   1026
                  TabIndex        =   31
                  Top             =   522
                  Width           =   900
                  _ExtentX        =   1588
                  _ExtentY        =   698
                  ButtonStyle     =   1
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
                  ButtonImage     =   "emp_contract_tyoe.frx":51BB
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin VB.Label Label2 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "«·”Ã· «·Õ«·Ì:"
                  Height          =   252
                  Index           =   0
                  Left            =   3186
                  RightToLeft     =   -1  'True
                  TabIndex        =   35
                  Top             =   126
                  Width           =   1170
               End
               Begin VB.Label Label2 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Caption         =   "⁄œœ «·”Ã·« :"
                  Height          =   252
                  Index           =   1
                  Left            =   1152
                  RightToLeft     =   -1  'True
                  TabIndex        =   34
                  Top             =   126
                  Width           =   1170
               End
               Begin VB.Label LabCurrRec 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Height          =   252
                  Left            =   2340
                  RightToLeft     =   -1  'True
                  TabIndex        =   33
                  Top             =   144
                  Width           =   810
               End
               Begin VB.Label LabCountRec 
                  Alignment       =   1  'Right Justify
                  BackColor       =   &H00E2E9E9&
                  Height          =   252
                  Left            =   324
                  RightToLeft     =   -1  'True
                  TabIndex        =   32
                  Top             =   144
                  Width           =   648
               End
            End
            Begin VSFlex8Ctl.VSFlexGrid Grid 
               Height          =   4122
               Left            =   108
               TabIndex        =   36
               Top             =   1080
               Width           =   19728
               _cx             =   34798
               _cy             =   7271
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
               AllowBigSelection=   0   'False
               AllowUserResizing=   0
               SelectionMode   =   1
               GridLines       =   1
               GridLinesFixed  =   2
               GridLineWidth   =   1
               Rows            =   50
               Cols            =   4
               FixedRows       =   1
               FixedCols       =   1
               RowHeightMin    =   384
               RowHeightMax    =   0
               ColWidthMin     =   0
               ColWidthMax     =   0
               ExtendLastCol   =   0   'False
               FormatString    =   $"emp_contract_tyoe.frx":5555
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
               Editable        =   0
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
         Begin C1SizerLibCtl.C1Elastic ELe 
            Height          =   10674
            Index           =   0
            Left            =   -20718
            TabIndex        =   37
            TabStop         =   0   'False
            Top             =   54
            Width           =   19944
            _cx             =   35179
            _cy             =   18828
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
            BackColor       =   14871017
            ForeColor       =   -2147483630
            FloodColor      =   6553600
            ForeColorDisabled=   -2147483631
            Caption         =   ""
            Align           =   0
            AutoSizeChildren=   7
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
            Begin VB.TextBox txtBlanks 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   540
               RightToLeft     =   -1  'True
               TabIndex        =   278
               Top             =   1368
               Width           =   2394
            End
            Begin VB.TextBox txtNet 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   5634
               Locked          =   -1  'True
               RightToLeft     =   -1  'True
               TabIndex        =   277
               Top             =   2448
               Width           =   2394
            End
            Begin VB.TextBox txtVat2 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   10512
               Locked          =   -1  'True
               RightToLeft     =   -1  'True
               TabIndex        =   275
               Top             =   2430
               Width           =   2394
            End
            Begin VB.TextBox txtTotal 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   14742
               RightToLeft     =   -1  'True
               TabIndex        =   273
               Top             =   2448
               Width           =   2376
            End
            Begin VB.TextBox TxtNoteID2 
               Alignment       =   1  'Right Justify
               Height          =   378
               Left            =   0
               RightToLeft     =   -1  'True
               TabIndex        =   271
               Top             =   8136
               Visible         =   0   'False
               Width           =   2502
            End
            Begin VB.TextBox TxtNoteSerial2 
               Alignment       =   1  'Right Justify
               Enabled         =   0   'False
               Height          =   558
               Left            =   6714
               Locked          =   -1  'True
               RightToLeft     =   -1  'True
               TabIndex        =   269
               Top             =   7992
               Width           =   3690
            End
            Begin VB.CommandButton CmdCreateV2 
               Caption         =   "≈‰‘«¡ «·ﬁÌœ "
               Height          =   558
               Left            =   15390
               RightToLeft     =   -1  'True
               TabIndex        =   268
               Top             =   7992
               Width           =   2934
            End
            Begin VB.CommandButton cmdDelNote 
               Caption         =   "Õ–› «·ﬁÌœ "
               Height          =   558
               Left            =   11916
               RightToLeft     =   -1  'True
               TabIndex        =   267
               Top             =   7992
               Width           =   3366
            End
            Begin VB.CommandButton cmdPrintNote 
               Caption         =   "ÿ»«⁄Â «·ﬁÌœ"
               Height          =   558
               Left            =   3906
               RightToLeft     =   -1  'True
               TabIndex        =   266
               Top             =   7992
               Width           =   2808
            End
            Begin VB.ComboBox Contract_period 
               Height          =   378
               ItemData        =   "emp_contract_tyoe.frx":55F4
               Left            =   13338
               List            =   "emp_contract_tyoe.frx":5601
               RightToLeft     =   -1  'True
               TabIndex        =   152
               Top             =   1476
               Visible         =   0   'False
               Width           =   1188
            End
            Begin VB.TextBox Contract_period_no 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   14526
               RightToLeft     =   -1  'True
               TabIndex        =   151
               Top             =   1476
               Width           =   756
            End
            Begin VB.ComboBox cmbRecType 
               Height          =   378
               Index           =   1
               Left            =   9540
               RightToLeft     =   -1  'True
               Style           =   2  'Dropdown List
               TabIndex        =   145
               Top             =   864
               Width           =   1944
            End
            Begin VB.ComboBox cmbStatus 
               Height          =   378
               Left            =   324
               RightToLeft     =   -1  'True
               Style           =   2  'Dropdown List
               TabIndex        =   143
               Top             =   828
               Width           =   2502
            End
            Begin VB.TextBox txtCustCode 
               BackColor       =   &H00FFFFFF&
               Height          =   342
               Index           =   1
               Left            =   16470
               TabIndex        =   129
               Top             =   1944
               Width           =   1854
            End
            Begin VB.TextBox txtTel 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   4338
               RightToLeft     =   -1  'True
               TabIndex        =   117
               Top             =   1908
               Width           =   4338
            End
            Begin VB.TextBox txtSearchCust 
               Alignment       =   1  'Right Justify
               Height          =   324
               Left            =   13536
               RightToLeft     =   -1  'True
               TabIndex        =   116
               Top             =   3708
               Visible         =   0   'False
               Width           =   3564
            End
            Begin VB.TextBox TxtRemarks 
               Alignment       =   2  'Center
               Height          =   648
               Left            =   2610
               MultiLine       =   -1  'True
               ScrollBars      =   2  'Vertical
               TabIndex        =   95
               Top             =   3024
               Width           =   15822
            End
            Begin VB.TextBox TxtSerial1 
               Alignment       =   2  'Center
               BackColor       =   &H00FFFFC0&
               Enabled         =   0   'False
               Height          =   468
               Index           =   1
               Left            =   16146
               RightToLeft     =   -1  'True
               TabIndex        =   94
               Top             =   864
               Width           =   2286
            End
            Begin VB.Frame Fra_Header 
               BackColor       =   &H00FFFFFF&
               BorderStyle     =   0  'None
               Height          =   648
               Index           =   0
               Left            =   0
               RightToLeft     =   -1  'True
               TabIndex        =   38
               Top             =   0
               Width           =   20052
               Begin VB.TextBox Text2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H000000FF&
                  Height          =   288
                  Index           =   0
                  Left            =   3636
                  RightToLeft     =   -1  'True
                  TabIndex        =   43
                  Top             =   612
                  Visible         =   0   'False
                  Width           =   1134
               End
               Begin VB.TextBox TxtModFlg2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H0000FF00&
                  Enabled         =   0   'False
                  Height          =   342
                  Index           =   1
                  Left            =   3096
                  RightToLeft     =   -1  'True
                  TabIndex        =   42
                  Text            =   "modflag"
                  Top             =   108
                  Visible         =   0   'False
                  Width           =   558
               End
               Begin VB.Frame Frame2 
                  BackColor       =   &H00E0E0E0&
                  BorderStyle     =   0  'None
                  Enabled         =   0   'False
                  Height          =   450
                  Index           =   0
                  Left            =   648
                  RightToLeft     =   -1  'True
                  TabIndex        =   39
                  Top             =   540
                  Visible         =   0   'False
                  Width           =   3726
                  Begin MSDataListLib.DataCombo DataCombo4 
                     CausesValidation=   0   'False
                     Height          =   378
                     Index           =   0
                     Left            =   -306
                     TabIndex        =   40
                     Tag             =   "„‰ ›÷·ﬂ √œŒ· —ﬁ„ «·ﬁ÷Ì…"
                     Top             =   -18
                     Width           =   2808
                     _ExtentX        =   4954
                     _ExtentY        =   667
                     _Version        =   393216
                     Enabled         =   0   'False
                     BackColor       =   -2147483624
                     Text            =   ""
                     RightToLeft     =   -1  'True
                     BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                        Name            =   "MS Sans Serif"
                        Size            =   9.9
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                  End
                  Begin VB.Label Label1 
                     Alignment       =   1  'Right Justify
                     BackColor       =   &H00E0E0E0&
                     Caption         =   "«·„” Œœ„"
                     BeginProperty Font 
                        Name            =   "Arial"
                        Size            =   14.4
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                     Height          =   324
                     Index           =   4
                     Left            =   2592
                     RightToLeft     =   -1  'True
                     TabIndex        =   41
                     Top             =   54
                     Width           =   1026
                  End
               End
               Begin MSComctlLib.ImageList GrdImageList2 
                  Index           =   0
                  Left            =   3744
                  Top             =   0
                  _ExtentX        =   1206
                  _ExtentY        =   1206
                  BackColor       =   -2147483643
                  ImageWidth      =   16
                  ImageHeight     =   16
                  MaskColor       =   12632256
                  _Version        =   393216
                  BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
                     NumListImages   =   8
                     BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":5617
                        Key             =   "CompanyName"
                     EndProperty
                     BeginProperty ListImage2 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":59B1
                        Key             =   "Ser"
                     EndProperty
                     BeginProperty ListImage3 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":5D4B
                        Key             =   "Vac_Name"
                     EndProperty
                     BeginProperty ListImage4 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":60E5
                        Key             =   "ShareCount"
                     EndProperty
                     BeginProperty ListImage5 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":647F
                        Key             =   "Dis_Count"
                     EndProperty
                     BeginProperty ListImage6 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":6819
                        Key             =   "Bouns"
                     EndProperty
                     BeginProperty ListImage7 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":6BB3
                        Key             =   "SharesValue"
                     EndProperty
                     BeginProperty ListImage8 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":714D
                        Key             =   "BuyValue"
                     EndProperty
                  EndProperty
               End
               Begin ImpulseButton.ISButton btn_Last 
                  Height          =   378
                  Index           =   1
                  Left            =   108
                  TabIndex        =   44
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":74E7
                  ColorButton     =   14871017
                  AcclimateGrayTones=   -1  'True
                  DrawFocusRectangle=   0   'False
                  DisabledImageExtraction=   0
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Next 
                  Height          =   378
                  Index           =   1
                  Left            =   666
                  TabIndex        =   45
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":7881
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Previous 
                  Height          =   378
                  Index           =   1
                  Left            =   1386
                  TabIndex        =   46
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":7C1B
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_First 
                  Height          =   378
                  Index           =   1
                  Left            =   1944
                  TabIndex        =   47
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":7FB5
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackStyle       =   0  'Transparent
                  Caption         =   "«·⁄ﬁÊœ"
                  BeginProperty Font 
                     Name            =   "Arial"
                     Size            =   17.1
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ForeColor       =   &H00000000&
                  Height          =   450
                  Index           =   5
                  Left            =   13608
                  RightToLeft     =   -1  'True
                  TabIndex        =   48
                  Top             =   108
                  Width           =   3168
               End
            End
            Begin VSFlex8UCtl.VSFlexGrid FgItems 
               Height          =   10530
               Index           =   1
               Left            =   27540
               TabIndex        =   49
               Top             =   936
               Width           =   19710
               _cx             =   34766
               _cy             =   18574
               Appearance      =   2
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
               BackColorFixed  =   -2147483633
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
               Rows            =   50
               Cols            =   5
               FixedRows       =   1
               FixedCols       =   1
               RowHeightMin    =   360
               RowHeightMax    =   0
               ColWidthMin     =   0
               ColWidthMax     =   0
               ExtendLastCol   =   -1  'True
               FormatString    =   $"emp_contract_tyoe.frx":834F
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
               Editable        =   0
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
            Begin MSComCtl2.DTPicker XPDtbTrans 
               Height          =   378
               Left            =   12474
               TabIndex        =   96
               Top             =   900
               Width           =   1836
               _ExtentX        =   3239
               _ExtentY        =   667
               _Version        =   393216
               Format          =   104923137
               CurrentDate     =   38784
            End
            Begin MSDataListLib.DataCombo Dcbranch 
               Bindings        =   "emp_contract_tyoe.frx":840F
               Height          =   378
               Index           =   1
               Left            =   4338
               TabIndex        =   97
               Top             =   864
               Width           =   4446
               _ExtentX        =   7842
               _ExtentY        =   667
               _Version        =   393216
               Style           =   2
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
            Begin MSDataListLib.DataCombo DCboUserName 
               Height          =   378
               Index           =   1
               Left            =   13230
               TabIndex        =   98
               Top             =   9144
               Width           =   3132
               _ExtentX        =   5525
               _ExtentY        =   667
               _Version        =   393216
               Enabled         =   0   'False
               Text            =   ""
               RightToLeft     =   -1  'True
            End
            Begin ImpulseButton.ISButton btn_New 
               Height          =   396
               Index           =   1
               Left            =   13446
               TabIndex        =   99
               Top             =   9864
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":8424
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Save 
               Height          =   396
               Index           =   1
               Left            =   11592
               TabIndex        =   100
               Top             =   9864
               Width           =   882
               _ExtentX        =   1555
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":87BE
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Modify 
               Height          =   396
               Index           =   1
               Left            =   12474
               TabIndex        =   101
               Top             =   9864
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":8B58
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Undo 
               Height          =   396
               Index           =   1
               Left            =   10620
               TabIndex        =   102
               Top             =   9864
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":8EF2
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Delete 
               Height          =   396
               Index           =   1
               Left            =   9756
               TabIndex        =   103
               Top             =   9864
               Width           =   864
               _ExtentX        =   1524
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":928C
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Update 
               Height          =   396
               Index           =   1
               Left            =   10836
               TabIndex        =   104
               TabStop         =   0   'False
               ToolTipText     =   " ÕœÌÀ ﬁ«⁄œ… «·»Ì«‰« "
               Top             =   9486
               Visible         =   0   'False
               Width           =   1080
               _ExtentX        =   1906
               _ExtentY        =   698
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " ÕœÌÀ"
               BackColor       =   14871017
               FontSize        =   11.7
               FontName        =   "Arial"
               FontBold        =   -1  'True
               BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                  Name            =   "Arial"
                  Size            =   11.7
                  Charset         =   178
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               ButtonImage     =   "emp_contract_tyoe.frx":9826
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Cancel 
               Height          =   396
               Index           =   1
               Left            =   5634
               TabIndex        =   105
               Top             =   9864
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":9BC0
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin VSFlex8UCtl.VSFlexGrid grd2 
               Height          =   4014
               Index           =   1
               Left            =   324
               TabIndex        =   106
               Top             =   3708
               Width           =   19404
               _cx             =   34226
               _cy             =   7080
               Appearance      =   2
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
               AllowUserResizing=   1
               SelectionMode   =   0
               GridLines       =   1
               GridLinesFixed  =   2
               GridLineWidth   =   1
               Rows            =   12
               Cols            =   18
               FixedRows       =   1
               FixedCols       =   1
               RowHeightMin    =   384
               RowHeightMax    =   0
               ColWidthMin     =   0
               ColWidthMax     =   0
               ExtendLastCol   =   -1  'True
               FormatString    =   $"emp_contract_tyoe.frx":9F5A
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
               WallPaperAlignment=   0
               AccessibleName  =   ""
               AccessibleDescription=   ""
               AccessibleValue =   ""
               AccessibleRole  =   24
            End
            Begin XtremeSuiteControls.PushButton cmdSearchCust 
               Height          =   378
               Left            =   11484
               TabIndex        =   118
               Top             =   3708
               Visible         =   0   'False
               Width           =   1746
               _Version        =   786432
               _ExtentX        =   3079
               _ExtentY        =   667
               _StockProps     =   79
               Caption         =   "»ÕÀ"
               UseVisualStyle  =   -1  'True
            End
            Begin XtremeSuiteControls.PushButton cmdClear 
               Height          =   378
               Left            =   9540
               TabIndex        =   119
               Top             =   3708
               Visible         =   0   'False
               Width           =   1836
               _Version        =   786432
               _ExtentX        =   3239
               _ExtentY        =   667
               _StockProps     =   79
               Caption         =   " ›—Ì€"
               UseVisualStyle  =   -1  'True
            End
            Begin XtremeSuiteControls.PushButton cmdopenFrmCust 
               Height          =   306
               Left            =   9972
               TabIndex        =   120
               Top             =   1980
               Width           =   756
               _Version        =   786432
               _ExtentX        =   1333
               _ExtentY        =   540
               _StockProps     =   79
               Caption         =   "...."
               UseVisualStyle  =   -1  'True
            End
            Begin MSDataListLib.DataCombo DcCustmer 
               Height          =   378
               Index           =   1
               Left            =   10836
               TabIndex        =   134
               Top             =   1944
               Width           =   5634
               _ExtentX        =   9937
               _ExtentY        =   667
               _Version        =   393216
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
            Begin ImpulseButton.ISButton Btn_Print 
               Height          =   630
               Index           =   1
               Left            =   8244
               TabIndex        =   137
               TabStop         =   0   'False
               ToolTipText     =   "ÿ»«⁄… «·»Ì«‰«  "
               Top             =   9756
               Width           =   1296
               _ExtentX        =   2286
               _ExtentY        =   1111
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   "ÿ»«⁄… "
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
               ButtonImage     =   "emp_contract_tyoe.frx":A233
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin ImpulseButton.ISButton btn_Query 
               Height          =   684
               Index           =   1
               Left            =   6714
               TabIndex        =   138
               TabStop         =   0   'False
               ToolTipText     =   "(Ctrl+F)  ··»ÕÀ ≈÷€ÿ Â–« «·„› «Õ √Ê ≈÷€ÿ "
               Top             =   9720
               Width           =   1314
               _ExtentX        =   2317
               _ExtentY        =   1206
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":10A95
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Cmd_DeleteRow 
               Height          =   342
               Index           =   1
               Left            =   2376
               TabIndex        =   141
               Top             =   8928
               Width           =   1854
               _ExtentX        =   3270
               _ExtentY        =   604
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " Õ–› ”ÿ—"
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
               ButtonImage     =   "emp_contract_tyoe.frx":10E2F
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Cmd_DeleteAll 
               Height          =   342
               Index           =   1
               Left            =   324
               TabIndex        =   142
               Top             =   8928
               Width           =   1944
               _ExtentX        =   3430
               _ExtentY        =   604
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " Õ–› «·ﬂ·"
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
               ButtonImage     =   "emp_contract_tyoe.frx":113C9
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin MSComCtl2.DTPicker StrDate 
               Height          =   360
               Left            =   16146
               TabIndex        =   147
               TabStop         =   0   'False
               Top             =   1512
               Width           =   2286
               _ExtentX        =   4032
               _ExtentY        =   635
               _Version        =   393216
               CalendarBackColor=   12648447
               CalendarTitleBackColor=   10383715
               Format          =   104923139
               CurrentDate     =   41640
            End
            Begin MSComCtl2.DTPicker EndDate 
               Height          =   324
               Left            =   9540
               TabIndex        =   149
               TabStop         =   0   'False
               Top             =   1476
               Width           =   1944
               _ExtentX        =   3430
               _ExtentY        =   571
               _Version        =   393216
               CalendarBackColor=   12648447
               CalendarTitleBackColor=   10383715
               Format          =   104923139
               CurrentDate     =   41640
            End
            Begin MSComCtl2.DTPicker XPDtbTrans2 
               Height          =   486
               Index           =   1
               Left            =   5634
               TabIndex        =   264
               Top             =   1386
               Width           =   2070
               _ExtentX        =   3652
               _ExtentY        =   857
               _Version        =   393216
               Enabled         =   0   'False
               Format          =   104923137
               CurrentDate     =   38784
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "ﬁÌ„… «· ›—Ì€« "
               Height          =   324
               Index           =   48
               Left            =   2718
               TabIndex        =   279
               Top             =   1368
               Width           =   1836
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·’«›Ï »⁄œ «·ﬁÌ„… «·„÷«›…"
               Height          =   324
               Index           =   47
               Left            =   8136
               TabIndex        =   276
               Top             =   2448
               Width           =   2160
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·ﬁÌ„… «·„÷«›…"
               Height          =   324
               Index           =   44
               Left            =   12690
               TabIndex        =   274
               Top             =   2466
               Width           =   1944
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«Ã„«·Ì «Ì—«œ «·Õ«ÊÌ« "
               Height          =   324
               Index           =   43
               Left            =   17568
               TabIndex        =   272
               Top             =   2448
               Width           =   1944
            End
            Begin VB.Label Label1 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               BackStyle       =   0  'Transparent
               Caption         =   "—ﬁ„ «·ﬁÌœ"
               Height          =   468
               Index           =   14
               Left            =   10404
               RightToLeft     =   -1  'True
               TabIndex        =   270
               Top             =   8136
               Width           =   1296
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " „  ”·Ì„ «·⁄ﬁœ ÌÊ„"
               Height          =   324
               Index           =   42
               Left            =   7704
               TabIndex        =   265
               Top             =   1386
               Width           =   1620
            End
            Begin VB.Label Label9 
               Alignment       =   1  'Right Justify
               Caption         =   "„œÂ «·⁄ﬁœ "
               Height          =   414
               Left            =   15282
               RightToLeft     =   -1  'True
               TabIndex        =   153
               Top             =   1512
               Width           =   864
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒ ‰Â«Ì… «·⁄ﬁœ"
               Height          =   324
               Index           =   23
               Left            =   11592
               TabIndex        =   150
               Top             =   1476
               Width           =   1638
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒ »œ«Ì… «·⁄ﬁœ"
               Height          =   324
               Index           =   22
               Left            =   18216
               TabIndex        =   148
               Top             =   1512
               Width           =   1836
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·‰Ê⁄"
               Height          =   306
               Index           =   21
               Left            =   11592
               TabIndex        =   146
               Top             =   900
               Width           =   990
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "Õ«·… «·⁄ﬁœ"
               Height          =   306
               Index           =   20
               Left            =   3042
               TabIndex        =   144
               Top             =   900
               Width           =   972
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   " «·ÃÊ«·"
               Height          =   324
               Index           =   1
               Left            =   7920
               TabIndex        =   123
               Top             =   2016
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·»ÕÀ ⁄‰ ⁄„Ì· »—ﬁ„ «·ÃÊ«·"
               Height          =   396
               Index           =   0
               Left            =   17226
               TabIndex        =   122
               Top             =   3744
               Visible         =   0   'False
               Width           =   2502
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·⁄„Ì·"
               Height          =   540
               Index           =   15
               Left            =   18216
               TabIndex        =   121
               Top             =   1980
               Width           =   1404
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·”Ã· «·Õ«·Ì:"
               Height          =   252
               Index           =   3
               Left            =   5742
               RightToLeft     =   -1  'True
               TabIndex        =   115
               Top             =   9468
               Width           =   1188
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "⁄œœ «·”Ã·« :"
               Height          =   252
               Index           =   2
               Left            =   3690
               RightToLeft     =   -1  'True
               TabIndex        =   114
               Top             =   9468
               Width           =   1188
            End
            Begin VB.Label LabCurr_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   1
               Left            =   4878
               RightToLeft     =   -1  'True
               TabIndex        =   113
               Top             =   9486
               Width           =   756
            End
            Begin VB.Label LabCount_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   1
               Left            =   2934
               RightToLeft     =   -1  'True
               TabIndex        =   112
               Top             =   9486
               Width           =   648
            End
            Begin VB.Label Label1 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               BackStyle       =   0  'Transparent
               Caption         =   "„·«ÕŸ«    "
               Height          =   306
               Index           =   6
               Left            =   18432
               RightToLeft     =   -1  'True
               TabIndex        =   111
               Top             =   3132
               Width           =   1296
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackStyle       =   0  'Transparent
               Caption         =   "Õ—— »Ê«”ÿ…  "
               Height          =   324
               Index           =   8
               Left            =   16794
               TabIndex        =   110
               Top             =   9144
               Width           =   1098
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·›—⁄"
               Height          =   306
               Index           =   7
               Left            =   8676
               TabIndex        =   109
               Top             =   900
               Width           =   756
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "—ﬁ„ «·⁄ﬁœ"
               Height          =   306
               Index           =   4
               Left            =   18648
               RightToLeft     =   -1  'True
               TabIndex        =   108
               Top             =   972
               Width           =   1080
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒ «·”‰œ"
               Height          =   324
               Index           =   2
               Left            =   14310
               TabIndex        =   107
               Top             =   936
               Width           =   1728
            End
         End
         Begin C1SizerLibCtl.C1Elastic ELe 
            Height          =   10674
            Index           =   2
            Left            =   54
            TabIndex        =   50
            TabStop         =   0   'False
            Top             =   54
            Width           =   19944
            _cx             =   35179
            _cy             =   18828
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
            BackColor       =   14871017
            ForeColor       =   -2147483630
            FloodColor      =   6553600
            ForeColorDisabled=   -2147483631
            Caption         =   ""
            Align           =   0
            AutoSizeChildren=   7
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
            Begin VB.TextBox txtCustCode 
               BackColor       =   &H00FFFFFF&
               Enabled         =   0   'False
               Height          =   378
               Index           =   2
               Left            =   8352
               TabIndex        =   132
               Top             =   2016
               Width           =   1080
            End
            Begin VB.TextBox txtAddress 
               Height          =   1134
               Left            =   11628
               MultiLine       =   -1  'True
               ScrollBars      =   2  'Vertical
               TabIndex        =   127
               Top             =   3168
               Width           =   6012
            End
            Begin VB.CommandButton Command1 
               Caption         =   "› Õ «·„Êﬁ⁄"
               Height          =   378
               Left            =   2016
               TabIndex        =   125
               Top             =   4320
               Width           =   1188
            End
            Begin VB.TextBox txtWebSite 
               Height          =   1710
               Left            =   3420
               TabIndex        =   124
               Top             =   3024
               Width           =   5976
            End
            Begin VB.ComboBox cmbRecType 
               Height          =   378
               Index           =   2
               Left            =   15174
               RightToLeft     =   -1  'True
               Style           =   2  'Dropdown List
               TabIndex        =   65
               Top             =   1584
               Width           =   2394
            End
            Begin VB.Frame Fra_Header 
               BackColor       =   &H00FFFFFF&
               BorderStyle     =   0  'None
               Height          =   648
               Index           =   1
               Left            =   108
               RightToLeft     =   -1  'True
               TabIndex        =   54
               Top             =   0
               Width           =   19620
               Begin VB.Frame Frame2 
                  BackColor       =   &H00E0E0E0&
                  BorderStyle     =   0  'None
                  Enabled         =   0   'False
                  Height          =   450
                  Index           =   1
                  Left            =   648
                  RightToLeft     =   -1  'True
                  TabIndex        =   57
                  Top             =   540
                  Visible         =   0   'False
                  Width           =   3726
                  Begin MSDataListLib.DataCombo DataCombo4 
                     CausesValidation=   0   'False
                     Height          =   378
                     Index           =   1
                     Left            =   -306
                     TabIndex        =   58
                     Tag             =   "„‰ ›÷·ﬂ √œŒ· —ﬁ„ «·ﬁ÷Ì…"
                     Top             =   -18
                     Width           =   2808
                     _ExtentX        =   4954
                     _ExtentY        =   667
                     _Version        =   393216
                     Enabled         =   0   'False
                     BackColor       =   -2147483624
                     Text            =   ""
                     RightToLeft     =   -1  'True
                     BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                        Name            =   "MS Sans Serif"
                        Size            =   9.9
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                  End
                  Begin VB.Label Label1 
                     Alignment       =   1  'Right Justify
                     BackColor       =   &H00E0E0E0&
                     Caption         =   "«·„” Œœ„"
                     BeginProperty Font 
                        Name            =   "Arial"
                        Size            =   14.4
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                     Height          =   324
                     Index           =   7
                     Left            =   2592
                     RightToLeft     =   -1  'True
                     TabIndex        =   59
                     Top             =   54
                     Width           =   1026
                  End
               End
               Begin VB.TextBox TxtModFlg2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H0000FF00&
                  Enabled         =   0   'False
                  Height          =   342
                  Index           =   2
                  Left            =   3096
                  RightToLeft     =   -1  'True
                  TabIndex        =   56
                  Text            =   "modflag"
                  Top             =   108
                  Visible         =   0   'False
                  Width           =   558
               End
               Begin VB.TextBox Text2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H000000FF&
                  Height          =   288
                  Index           =   1
                  Left            =   3636
                  RightToLeft     =   -1  'True
                  TabIndex        =   55
                  Top             =   612
                  Visible         =   0   'False
                  Width           =   1134
               End
               Begin MSComctlLib.ImageList GrdImageList2 
                  Index           =   1
                  Left            =   3744
                  Top             =   0
                  _ExtentX        =   1206
                  _ExtentY        =   1206
                  BackColor       =   -2147483643
                  ImageWidth      =   16
                  ImageHeight     =   16
                  MaskColor       =   12632256
                  _Version        =   393216
                  BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
                     NumListImages   =   8
                     BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":11963
                        Key             =   "CompanyName"
                     EndProperty
                     BeginProperty ListImage2 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":11CFD
                        Key             =   "Ser"
                     EndProperty
                     BeginProperty ListImage3 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":12097
                        Key             =   "Vac_Name"
                     EndProperty
                     BeginProperty ListImage4 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":12431
                        Key             =   "ShareCount"
                     EndProperty
                     BeginProperty ListImage5 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":127CB
                        Key             =   "Dis_Count"
                     EndProperty
                     BeginProperty ListImage6 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":12B65
                        Key             =   "Bouns"
                     EndProperty
                     BeginProperty ListImage7 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":12EFF
                        Key             =   "SharesValue"
                     EndProperty
                     BeginProperty ListImage8 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":13499
                        Key             =   "BuyValue"
                     EndProperty
                  EndProperty
               End
               Begin ImpulseButton.ISButton btn_Last 
                  Height          =   378
                  Index           =   2
                  Left            =   108
                  TabIndex        =   60
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":13833
                  ColorButton     =   14871017
                  AcclimateGrayTones=   -1  'True
                  DrawFocusRectangle=   0   'False
                  DisabledImageExtraction=   0
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Next 
                  Height          =   378
                  Index           =   2
                  Left            =   666
                  TabIndex        =   61
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":13BCD
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Previous 
                  Height          =   378
                  Index           =   2
                  Left            =   1386
                  TabIndex        =   62
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":13F67
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_First 
                  Height          =   378
                  Index           =   2
                  Left            =   1944
                  TabIndex        =   63
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":14301
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackStyle       =   0  'Transparent
                  Caption         =   "”‰œ  ”·Ì„ Õ«ÊÌ…"
                  BeginProperty Font 
                     Name            =   "Arial"
                     Size            =   17.1
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ForeColor       =   &H00000000&
                  Height          =   450
                  Index           =   8
                  Left            =   14364
                  RightToLeft     =   -1  'True
                  TabIndex        =   64
                  Top             =   144
                  Width           =   3168
               End
            End
            Begin VB.TextBox txtRecName 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   3474
               RightToLeft     =   -1  'True
               TabIndex        =   53
               Top             =   2592
               Width           =   5958
            End
            Begin VB.TextBox txtContractNo 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   52
               Top             =   2160
               Width           =   2610
            End
            Begin VB.TextBox TxtSerial1 
               Alignment       =   2  'Center
               BackColor       =   &H00FFFFC0&
               Enabled         =   0   'False
               Height          =   468
               Index           =   2
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   51
               Top             =   864
               Width           =   2502
            End
            Begin MSDataListLib.DataCombo cmbLocation 
               Bindings        =   "emp_contract_tyoe.frx":1469B
               Height          =   378
               Left            =   11592
               TabIndex        =   66
               Top             =   4320
               Visible         =   0   'False
               Width           =   6084
               _ExtentX        =   10732
               _ExtentY        =   667
               _Version        =   393216
               Style           =   2
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
            Begin MSComCtl2.DTPicker XPDtbTrans2 
               Height          =   342
               Index           =   2
               Left            =   16146
               TabIndex        =   67
               Top             =   2736
               Width           =   1530
               _ExtentX        =   2699
               _ExtentY        =   604
               _Version        =   393216
               Format          =   104923137
               CurrentDate     =   38784
            End
            Begin MSComCtl2.DTPicker XPDtbTransTime 
               Height          =   342
               Left            =   11592
               TabIndex        =   68
               Top             =   2736
               Width           =   1746
               _ExtentX        =   3079
               _ExtentY        =   604
               _Version        =   393216
               Format          =   104923138
               CurrentDate     =   38784
            End
            Begin VSFlex8UCtl.VSFlexGrid grd2 
               Height          =   4122
               Index           =   2
               Left            =   144
               TabIndex        =   69
               Top             =   4896
               Width           =   19512
               _cx             =   34417
               _cy             =   7271
               Appearance      =   2
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
               AllowUserResizing=   1
               SelectionMode   =   0
               GridLines       =   1
               GridLinesFixed  =   2
               GridLineWidth   =   1
               Rows            =   12
               Cols            =   23
               FixedRows       =   1
               FixedCols       =   1
               RowHeightMin    =   384
               RowHeightMax    =   0
               ColWidthMin     =   0
               ColWidthMax     =   0
               ExtendLastCol   =   -1  'True
               FormatString    =   $"emp_contract_tyoe.frx":146B0
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
               WallPaperAlignment=   0
               AccessibleName  =   ""
               AccessibleDescription=   ""
               AccessibleValue =   ""
               AccessibleRole  =   24
            End
            Begin ImpulseButton.ISButton btn_New 
               Height          =   396
               Index           =   2
               Left            =   13878
               TabIndex        =   70
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":14A5F
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Save 
               Height          =   396
               Index           =   2
               Left            =   11916
               TabIndex        =   71
               Top             =   10008
               Width           =   1098
               _ExtentX        =   1937
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":14DF9
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Modify 
               Height          =   396
               Index           =   2
               Left            =   13014
               TabIndex        =   72
               Top             =   10008
               Width           =   864
               _ExtentX        =   1524
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":15193
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Undo 
               Height          =   396
               Index           =   2
               Left            =   10836
               TabIndex        =   73
               Top             =   10008
               Width           =   1080
               _ExtentX        =   1906
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":1552D
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Delete 
               Height          =   396
               Index           =   2
               Left            =   9864
               TabIndex        =   74
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":158C7
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Update 
               Height          =   396
               Index           =   2
               Left            =   11592
               TabIndex        =   75
               TabStop         =   0   'False
               ToolTipText     =   " ÕœÌÀ ﬁ«⁄œ… «·»Ì«‰« "
               Top             =   9630
               Visible         =   0   'False
               Width           =   1098
               _ExtentX        =   1937
               _ExtentY        =   698
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " ÕœÌÀ"
               BackColor       =   14871017
               FontSize        =   11.7
               FontName        =   "Arial"
               FontBold        =   -1  'True
               BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                  Name            =   "Arial"
                  Size            =   11.7
                  Charset         =   178
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               ButtonImage     =   "emp_contract_tyoe.frx":15E61
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Cancel 
               Height          =   396
               Index           =   2
               Left            =   6174
               TabIndex        =   76
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":161FB
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin MSDataListLib.DataCombo DCboUserName 
               Height          =   378
               Index           =   2
               Left            =   13554
               TabIndex        =   77
               Top             =   9288
               Width           =   3456
               _ExtentX        =   6096
               _ExtentY        =   667
               _Version        =   393216
               Enabled         =   0   'False
               Text            =   ""
               RightToLeft     =   -1  'True
            End
            Begin MSDataListLib.DataCombo Dcbranch 
               Bindings        =   "emp_contract_tyoe.frx":16595
               Height          =   378
               Index           =   2
               Left            =   3474
               TabIndex        =   78
               Top             =   864
               Width           =   5958
               _ExtentX        =   10510
               _ExtentY        =   667
               _Version        =   393216
               Style           =   2
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
            Begin XtremeSuiteControls.PushButton PushButton1 
               Height          =   378
               Left            =   13230
               TabIndex        =   79
               Top             =   2160
               Width           =   1944
               _Version        =   786432
               _ExtentX        =   3428
               _ExtentY        =   667
               _StockProps     =   79
               Caption         =   "«œ—«Ã »Ì«‰«  «·⁄ﬁœ"
               UseVisualStyle  =   -1  'True
            End
            Begin MSComCtl2.DTPicker XPDtbRecordDate 
               Height          =   342
               Left            =   11592
               TabIndex        =   130
               Top             =   864
               Width           =   1638
               _ExtentX        =   2890
               _ExtentY        =   604
               _Version        =   393216
               Format          =   104923137
               CurrentDate     =   38784
            End
            Begin MSDataListLib.DataCombo DcCustmer 
               Height          =   378
               Index           =   2
               Left            =   3510
               TabIndex        =   133
               Top             =   2016
               Width           =   4806
               _ExtentX        =   8477
               _ExtentY        =   667
               _Version        =   393216
               Enabled         =   0   'False
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
            Begin ImpulseButton.ISButton Btn_Print 
               Height          =   630
               Index           =   2
               Left            =   8352
               TabIndex        =   135
               TabStop         =   0   'False
               ToolTipText     =   "ÿ»«⁄… «·»Ì«‰«  "
               Top             =   9936
               Width           =   1404
               _ExtentX        =   2477
               _ExtentY        =   1111
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   "ÿ»«⁄… "
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
               ButtonImage     =   "emp_contract_tyoe.frx":165AA
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin ImpulseButton.ISButton btn_Query 
               Height          =   684
               Index           =   2
               Left            =   7146
               TabIndex        =   136
               TabStop         =   0   'False
               ToolTipText     =   "(Ctrl+F)  ··»ÕÀ ≈÷€ÿ Â–« «·„› «Õ √Ê ≈÷€ÿ "
               Top             =   9900
               Width           =   1206
               _ExtentX        =   2128
               _ExtentY        =   1206
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":1CE0C
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Cmd_DeleteRow 
               Height          =   342
               Index           =   2
               Left            =   2160
               TabIndex        =   139
               Top             =   9108
               Width           =   1854
               _ExtentX        =   3270
               _ExtentY        =   604
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " Õ–› ”ÿ—"
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
               ButtonImage     =   "emp_contract_tyoe.frx":1D1A6
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Cmd_DeleteAll 
               Height          =   342
               Index           =   2
               Left            =   216
               TabIndex        =   140
               Top             =   9108
               Width           =   1728
               _ExtentX        =   3048
               _ExtentY        =   604
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " Õ–› «·ﬂ·"
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
               ButtonImage     =   "emp_contract_tyoe.frx":1D740
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒÂ"
               ForeColor       =   &H00000000&
               Height          =   306
               Index           =   19
               Left            =   13446
               RightToLeft     =   -1  'True
               TabIndex        =   131
               Top             =   864
               Width           =   1188
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·⁄‰Ê«‰"
               Height          =   324
               Index           =   18
               Left            =   17604
               TabIndex        =   128
               Top             =   3168
               Width           =   1404
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "„Êﬁ⁄ ÃÊÃ·"
               Height          =   306
               Index           =   17
               Left            =   9900
               TabIndex        =   126
               Top             =   3168
               Width           =   1080
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·›—⁄"
               Height          =   306
               Index           =   16
               Left            =   9972
               TabIndex        =   93
               Top             =   864
               Width           =   1080
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackStyle       =   0  'Transparent
               Caption         =   "Õ—— »Ê«”ÿ…  "
               Height          =   324
               Index           =   6
               Left            =   17460
               TabIndex        =   92
               Top             =   9288
               Width           =   1188
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·”Ã· «·Õ«·Ì:"
               Height          =   252
               Index           =   5
               Left            =   3690
               RightToLeft     =   -1  'True
               TabIndex        =   91
               Top             =   9612
               Width           =   1404
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "⁄œœ «·”Ã·« :"
               Height          =   252
               Index           =   4
               Left            =   1404
               RightToLeft     =   -1  'True
               TabIndex        =   90
               Top             =   9612
               Width           =   1422
            End
            Begin VB.Label LabCurr_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   2
               Left            =   2826
               RightToLeft     =   -1  'True
               TabIndex        =   89
               Top             =   9630
               Width           =   864
            End
            Begin VB.Label LabCount_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   2
               Left            =   648
               RightToLeft     =   -1  'True
               TabIndex        =   88
               Top             =   9630
               Width           =   648
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "Êﬁ  «·«” ·«„"
               Height          =   324
               Index           =   14
               Left            =   14094
               TabIndex        =   87
               Top             =   2736
               Width           =   1836
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒ «·«” ·«„"
               Height          =   324
               Index           =   13
               Left            =   17676
               TabIndex        =   86
               Top             =   2736
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   " «·„” ·„"
               Height          =   324
               Index           =   12
               Left            =   9216
               TabIndex        =   85
               Top             =   2736
               Width           =   1728
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·„Êﬁ⁄"
               Height          =   540
               Index           =   11
               Left            =   17676
               TabIndex        =   84
               Top             =   4320
               Visible         =   0   'False
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·⁄„Ì·"
               Height          =   540
               Index           =   10
               Left            =   9432
               TabIndex        =   83
               Top             =   2016
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "»‰«¡ ⁄·Ì ⁄ﬁœ"
               Height          =   324
               Index           =   9
               Left            =   17676
               TabIndex        =   82
               Top             =   2160
               Width           =   1620
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "—ﬁ„ «·”‰œ"
               Height          =   306
               Index           =   5
               Left            =   18000
               RightToLeft     =   -1  'True
               TabIndex        =   81
               Top             =   864
               Width           =   1188
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·‰Ê⁄"
               Height          =   306
               Index           =   3
               Left            =   18000
               TabIndex        =   80
               Top             =   1584
               Width           =   972
            End
         End
         Begin C1SizerLibCtl.C1Elastic ELe 
            Height          =   10674
            Index           =   3
            Left            =   20826
            TabIndex        =   154
            TabStop         =   0   'False
            Top             =   54
            Width           =   19944
            _cx             =   35179
            _cy             =   18828
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
            BackColor       =   14871017
            ForeColor       =   -2147483630
            FloodColor      =   6553600
            ForeColorDisabled=   -2147483631
            Caption         =   ""
            Align           =   0
            AutoSizeChildren=   7
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
            Begin VB.TextBox TxtSerial1 
               Alignment       =   2  'Center
               BackColor       =   &H00FFFFC0&
               Enabled         =   0   'False
               Height          =   468
               Index           =   0
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   173
               Top             =   864
               Width           =   2502
            End
            Begin VB.TextBox Text5 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   172
               Top             =   2160
               Width           =   2610
            End
            Begin VB.TextBox Text4 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   3474
               RightToLeft     =   -1  'True
               TabIndex        =   171
               Top             =   2592
               Width           =   5958
            End
            Begin VB.Frame Fra_Header 
               BackColor       =   &H00FFFFFF&
               BorderStyle     =   0  'None
               Height          =   648
               Index           =   2
               Left            =   108
               RightToLeft     =   -1  'True
               TabIndex        =   160
               Top             =   0
               Width           =   19620
               Begin VB.TextBox Text2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H000000FF&
                  Height          =   288
                  Index           =   2
                  Left            =   3636
                  RightToLeft     =   -1  'True
                  TabIndex        =   165
                  Top             =   612
                  Visible         =   0   'False
                  Width           =   1134
               End
               Begin VB.TextBox TxtModFlg2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H0000FF00&
                  Enabled         =   0   'False
                  Height          =   342
                  Index           =   0
                  Left            =   3096
                  RightToLeft     =   -1  'True
                  TabIndex        =   164
                  Text            =   "modflag"
                  Top             =   108
                  Visible         =   0   'False
                  Width           =   558
               End
               Begin VB.Frame Frame2 
                  BackColor       =   &H00E0E0E0&
                  BorderStyle     =   0  'None
                  Enabled         =   0   'False
                  Height          =   450
                  Index           =   2
                  Left            =   648
                  RightToLeft     =   -1  'True
                  TabIndex        =   161
                  Top             =   540
                  Visible         =   0   'False
                  Width           =   3726
                  Begin MSDataListLib.DataCombo DataCombo4 
                     CausesValidation=   0   'False
                     Height          =   378
                     Index           =   2
                     Left            =   -306
                     TabIndex        =   162
                     Tag             =   "„‰ ›÷·ﬂ √œŒ· —ﬁ„ «·ﬁ÷Ì…"
                     Top             =   -18
                     Width           =   2808
                     _ExtentX        =   4954
                     _ExtentY        =   667
                     _Version        =   393216
                     Enabled         =   0   'False
                     BackColor       =   -2147483624
                     Text            =   ""
                     RightToLeft     =   -1  'True
                     BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                        Name            =   "MS Sans Serif"
                        Size            =   9.9
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                  End
                  Begin VB.Label Label1 
                     Alignment       =   1  'Right Justify
                     BackColor       =   &H00E0E0E0&
                     Caption         =   "«·„” Œœ„"
                     BeginProperty Font 
                        Name            =   "Arial"
                        Size            =   14.4
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                     Height          =   324
                     Index           =   9
                     Left            =   2592
                     RightToLeft     =   -1  'True
                     TabIndex        =   163
                     Top             =   54
                     Width           =   1026
                  End
               End
               Begin MSComctlLib.ImageList GrdImageList2 
                  Index           =   2
                  Left            =   3744
                  Top             =   0
                  _ExtentX        =   1206
                  _ExtentY        =   1206
                  BackColor       =   -2147483643
                  ImageWidth      =   16
                  ImageHeight     =   16
                  MaskColor       =   12632256
                  _Version        =   393216
                  BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
                     NumListImages   =   8
                     BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1DCDA
                        Key             =   "CompanyName"
                     EndProperty
                     BeginProperty ListImage2 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1E074
                        Key             =   "Ser"
                     EndProperty
                     BeginProperty ListImage3 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1E40E
                        Key             =   "Vac_Name"
                     EndProperty
                     BeginProperty ListImage4 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1E7A8
                        Key             =   "ShareCount"
                     EndProperty
                     BeginProperty ListImage5 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1EB42
                        Key             =   "Dis_Count"
                     EndProperty
                     BeginProperty ListImage6 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1EEDC
                        Key             =   "Bouns"
                     EndProperty
                     BeginProperty ListImage7 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1F276
                        Key             =   "SharesValue"
                     EndProperty
                     BeginProperty ListImage8 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":1F810
                        Key             =   "BuyValue"
                     EndProperty
                  EndProperty
               End
               Begin ImpulseButton.ISButton btn_Last 
                  Height          =   378
                  Index           =   0
                  Left            =   108
                  TabIndex        =   166
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":1FBAA
                  ColorButton     =   14871017
                  AcclimateGrayTones=   -1  'True
                  DrawFocusRectangle=   0   'False
                  DisabledImageExtraction=   0
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Next 
                  Height          =   378
                  Index           =   0
                  Left            =   666
                  TabIndex        =   167
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":1FF44
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Previous 
                  Height          =   378
                  Index           =   0
                  Left            =   1386
                  TabIndex        =   168
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":202DE
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_First 
                  Height          =   378
                  Index           =   0
                  Left            =   1944
                  TabIndex        =   169
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":20678
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackStyle       =   0  'Transparent
                  Caption         =   "”‰œ  ”·Ì„ Õ«ÊÌ…"
                  BeginProperty Font 
                     Name            =   "Arial"
                     Size            =   17.1
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ForeColor       =   &H00000000&
                  Height          =   450
                  Index           =   10
                  Left            =   14364
                  RightToLeft     =   -1  'True
                  TabIndex        =   170
                  Top             =   144
                  Width           =   3168
               End
            End
            Begin VB.ComboBox cmbRecType 
               Height          =   378
               Index           =   0
               Left            =   15174
               RightToLeft     =   -1  'True
               Style           =   2  'Dropdown List
               TabIndex        =   159
               Top             =   1584
               Width           =   2394
            End
            Begin VB.TextBox Text3 
               Height          =   414
               Left            =   1404
               TabIndex        =   158
               Top             =   3888
               Width           =   8136
            End
            Begin VB.CommandButton Command2 
               Caption         =   "Open Web"
               Height          =   378
               Left            =   216
               TabIndex        =   157
               Top             =   3888
               Width           =   1188
            End
            Begin VB.TextBox Text1 
               Height          =   414
               Left            =   1404
               TabIndex        =   156
               Top             =   3168
               Width           =   8028
            End
            Begin VB.TextBox txtCustCode 
               BackColor       =   &H00FFFFFF&
               Height          =   450
               Index           =   0
               Left            =   8352
               TabIndex        =   155
               Top             =   2016
               Width           =   1080
            End
            Begin MSDataListLib.DataCombo DataCombo1 
               Bindings        =   "emp_contract_tyoe.frx":20A12
               Height          =   378
               Left            =   11592
               TabIndex        =   174
               Top             =   2736
               Width           =   6084
               _ExtentX        =   10732
               _ExtentY        =   667
               _Version        =   393216
               Style           =   2
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
            Begin MSComCtl2.DTPicker DTPicker1 
               Height          =   486
               Left            =   16146
               TabIndex        =   175
               Top             =   3312
               Width           =   1530
               _ExtentX        =   2699
               _ExtentY        =   857
               _Version        =   393216
               Format          =   104923137
               CurrentDate     =   38784
            End
            Begin MSComCtl2.DTPicker DTPicker2 
               Height          =   486
               Left            =   11592
               TabIndex        =   176
               Top             =   3312
               Width           =   1746
               _ExtentX        =   3079
               _ExtentY        =   857
               _Version        =   393216
               Format          =   104923138
               CurrentDate     =   38784
            End
            Begin ImpulseButton.ISButton btn_New 
               Height          =   396
               Index           =   0
               Left            =   8136
               TabIndex        =   177
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":20A27
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Save 
               Height          =   396
               Index           =   0
               Left            =   6174
               TabIndex        =   178
               Top             =   10008
               Width           =   1080
               _ExtentX        =   1906
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":20DC1
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Modify 
               Height          =   396
               Index           =   0
               Left            =   7254
               TabIndex        =   179
               Top             =   10008
               Width           =   882
               _ExtentX        =   1555
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":2115B
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Undo 
               Height          =   396
               Index           =   0
               Left            =   5094
               TabIndex        =   180
               Top             =   10008
               Width           =   1080
               _ExtentX        =   1906
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":214F5
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Delete 
               Height          =   396
               Index           =   0
               Left            =   4122
               TabIndex        =   181
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":2188F
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Update 
               Height          =   396
               Index           =   0
               Left            =   11592
               TabIndex        =   182
               TabStop         =   0   'False
               ToolTipText     =   " ÕœÌÀ ﬁ«⁄œ… «·»Ì«‰« "
               Top             =   9630
               Visible         =   0   'False
               Width           =   1098
               _ExtentX        =   1937
               _ExtentY        =   698
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " ÕœÌÀ"
               BackColor       =   14871017
               FontSize        =   11.7
               FontName        =   "Arial"
               FontBold        =   -1  'True
               BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                  Name            =   "Arial"
                  Size            =   11.7
                  Charset         =   178
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               ButtonImage     =   "emp_contract_tyoe.frx":21E29
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Cancel 
               Height          =   396
               Index           =   0
               Left            =   432
               TabIndex        =   183
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":221C3
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin MSDataListLib.DataCombo DCboUserName 
               Height          =   378
               Index           =   0
               Left            =   13554
               TabIndex        =   184
               Top             =   9864
               Width           =   3456
               _ExtentX        =   6096
               _ExtentY        =   667
               _Version        =   393216
               Enabled         =   0   'False
               Text            =   ""
               RightToLeft     =   -1  'True
            End
            Begin MSDataListLib.DataCombo Dcbranch 
               Bindings        =   "emp_contract_tyoe.frx":2255D
               Height          =   378
               Index           =   0
               Left            =   4770
               TabIndex        =   185
               Top             =   864
               Width           =   4662
               _ExtentX        =   8224
               _ExtentY        =   667
               _Version        =   393216
               Style           =   2
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
            Begin XtremeSuiteControls.PushButton PushButton2 
               Height          =   378
               Left            =   13230
               TabIndex        =   186
               Top             =   2160
               Width           =   1944
               _Version        =   786432
               _ExtentX        =   3428
               _ExtentY        =   667
               _StockProps     =   79
               Caption         =   "«œ—«Ã »Ì«‰«  «·⁄ﬁœ"
               UseVisualStyle  =   -1  'True
            End
            Begin MSComCtl2.DTPicker DTPicker3 
               Height          =   486
               Left            =   11592
               TabIndex        =   187
               Top             =   720
               Width           =   1638
               _ExtentX        =   2890
               _ExtentY        =   857
               _Version        =   393216
               Format          =   104923137
               CurrentDate     =   38784
            End
            Begin MSDataListLib.DataCombo DcCustmer 
               Height          =   378
               Index           =   0
               Left            =   3582
               TabIndex        =   188
               Top             =   2016
               Width           =   4554
               _ExtentX        =   8033
               _ExtentY        =   667
               _Version        =   393216
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
            Begin ImpulseButton.ISButton Btn_Print 
               Height          =   630
               Index           =   0
               Left            =   2610
               TabIndex        =   189
               TabStop         =   0   'False
               ToolTipText     =   "ÿ»«⁄… «·»Ì«‰«  "
               Top             =   9936
               Width           =   1404
               _ExtentX        =   2477
               _ExtentY        =   1111
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   "ÿ»«⁄… "
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
               ButtonImage     =   "emp_contract_tyoe.frx":22572
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin ImpulseButton.ISButton btn_Query 
               Height          =   684
               Index           =   0
               Left            =   1404
               TabIndex        =   190
               TabStop         =   0   'False
               ToolTipText     =   "(Ctrl+F)  ··»ÕÀ ≈÷€ÿ Â–« «·„› «Õ √Ê ≈÷€ÿ "
               Top             =   9900
               Width           =   1206
               _ExtentX        =   2128
               _ExtentY        =   1206
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":28DD4
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Cmd_DeleteRow 
               Height          =   342
               Index           =   0
               Left            =   2160
               TabIndex        =   191
               Top             =   9108
               Width           =   1854
               _ExtentX        =   3270
               _ExtentY        =   604
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " Õ–› ”ÿ—"
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
               ButtonImage     =   "emp_contract_tyoe.frx":2916E
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Cmd_DeleteAll 
               Height          =   342
               Index           =   0
               Left            =   216
               TabIndex        =   192
               Top             =   9108
               Width           =   1728
               _ExtentX        =   3048
               _ExtentY        =   604
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " Õ–› «·ﬂ·"
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
               ButtonImage     =   "emp_contract_tyoe.frx":29708
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·‰Ê⁄"
               Height          =   306
               Index           =   36
               Left            =   18000
               TabIndex        =   209
               Top             =   1584
               Width           =   972
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "—ﬁ„ «·”‰œ"
               Height          =   306
               Index           =   35
               Left            =   18000
               RightToLeft     =   -1  'True
               TabIndex        =   208
               Top             =   864
               Width           =   1188
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "»‰«¡ ⁄·Ì ⁄ﬁœ"
               Height          =   324
               Index           =   34
               Left            =   17676
               TabIndex        =   207
               Top             =   2160
               Width           =   1620
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·⁄„Ì·"
               Height          =   540
               Index           =   33
               Left            =   9432
               TabIndex        =   206
               Top             =   2016
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·„Êﬁ⁄"
               Height          =   540
               Index           =   32
               Left            =   17676
               TabIndex        =   205
               Top             =   2736
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   " «·„” ·„"
               Height          =   324
               Index           =   31
               Left            =   9216
               TabIndex        =   204
               Top             =   2736
               Width           =   1728
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒ «·«” ·«„"
               Height          =   324
               Index           =   30
               Left            =   17676
               TabIndex        =   203
               Top             =   3312
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "Êﬁ  «·«” ·«„"
               Height          =   324
               Index           =   29
               Left            =   14094
               TabIndex        =   202
               Top             =   3456
               Width           =   1836
            End
            Begin VB.Label LabCount_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   0
               Left            =   648
               RightToLeft     =   -1  'True
               TabIndex        =   201
               Top             =   9630
               Width           =   648
            End
            Begin VB.Label LabCurr_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   0
               Left            =   2826
               RightToLeft     =   -1  'True
               TabIndex        =   200
               Top             =   9630
               Width           =   864
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "⁄œœ «·”Ã·« :"
               Height          =   252
               Index           =   7
               Left            =   1404
               RightToLeft     =   -1  'True
               TabIndex        =   199
               Top             =   9612
               Width           =   1422
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·”Ã· «·Õ«·Ì:"
               Height          =   252
               Index           =   6
               Left            =   3690
               RightToLeft     =   -1  'True
               TabIndex        =   198
               Top             =   9612
               Width           =   1404
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackStyle       =   0  'Transparent
               Caption         =   "Õ—— »Ê«”ÿ…  "
               Height          =   324
               Index           =   28
               Left            =   17460
               TabIndex        =   197
               Top             =   9864
               Width           =   1188
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·›—⁄"
               Height          =   306
               Index           =   27
               Left            =   9972
               TabIndex        =   196
               Top             =   864
               Width           =   1080
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "„Êﬁ⁄ ÃÊÃ·"
               Height          =   306
               Index           =   26
               Left            =   9756
               TabIndex        =   195
               Top             =   3888
               Width           =   1080
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·⁄‰Ê«‰"
               Height          =   324
               Index           =   25
               Left            =   9540
               TabIndex        =   194
               Top             =   3168
               Width           =   1404
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒÂ"
               ForeColor       =   &H000000FF&
               Height          =   306
               Index           =   24
               Left            =   13446
               RightToLeft     =   -1  'True
               TabIndex        =   193
               Top             =   864
               Width           =   1188
            End
         End
         Begin C1SizerLibCtl.C1Elastic ELe 
            Height          =   10674
            Index           =   4
            Left            =   21186
            TabIndex        =   210
            TabStop         =   0   'False
            Top             =   54
            Width           =   19944
            _cx             =   35179
            _cy             =   18828
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
            BackColor       =   14871017
            ForeColor       =   -2147483630
            FloodColor      =   6553600
            ForeColorDisabled=   -2147483631
            Caption         =   ""
            Align           =   0
            AutoSizeChildren=   7
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
            Begin VB.TextBox TxtNoteSerial1 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00FFFFC0&
               Height          =   378
               Left            =   15930
               Locked          =   -1  'True
               RightToLeft     =   -1  'True
               TabIndex        =   263
               Top             =   900
               Width           =   1746
            End
            Begin VB.TextBox TxtVAt22 
               Alignment       =   1  'Right Justify
               Height          =   396
               Left            =   4230
               Locked          =   -1  'True
               RightToLeft     =   -1  'True
               TabIndex        =   259
               Top             =   7650
               Width           =   972
            End
            Begin VB.TextBox txtTotalWithVat2 
               Alignment       =   1  'Right Justify
               Height          =   396
               Left            =   648
               Locked          =   -1  'True
               RightToLeft     =   -1  'True
               TabIndex        =   258
               Top             =   7632
               Width           =   1620
            End
            Begin VB.TextBox txtProjectTotal2 
               Alignment       =   2  'Center
               BackColor       =   &H00FFFFFF&
               BeginProperty Font 
                  Name            =   "MS Sans Serif"
                  Size            =   9.9
                  Charset         =   178
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               Height          =   396
               Left            =   6606
               Locked          =   -1  'True
               MaxLength       =   50
               RightToLeft     =   -1  'True
               TabIndex        =   257
               Top             =   7650
               Width           =   1530
            End
            Begin VB.CommandButton Command9 
               Caption         =   "ÿ»«⁄Â «·ﬁÌœ"
               Height          =   558
               Left            =   756
               RightToLeft     =   -1  'True
               TabIndex        =   254
               Top             =   8784
               Width           =   2826
            End
            Begin VB.CommandButton Command3 
               Caption         =   "Õ–› «·ﬁÌœ "
               Height          =   558
               Left            =   8784
               RightToLeft     =   -1  'True
               TabIndex        =   253
               Top             =   8784
               Width           =   3348
            End
            Begin VB.CommandButton CmdCreateV 
               Caption         =   "≈‰‘«¡ «·ﬁÌœ "
               Height          =   558
               Left            =   12240
               RightToLeft     =   -1  'True
               TabIndex        =   252
               Top             =   8784
               Width           =   2826
            End
            Begin VB.TextBox TxtNoteID 
               Alignment       =   1  'Right Justify
               Height          =   378
               Left            =   12906
               RightToLeft     =   -1  'True
               TabIndex        =   251
               Top             =   8964
               Visible         =   0   'False
               Width           =   2484
            End
            Begin VB.TextBox TxtNoteSerial 
               Alignment       =   1  'Right Justify
               Enabled         =   0   'False
               Height          =   558
               Left            =   3582
               Locked          =   -1  'True
               RightToLeft     =   -1  'True
               TabIndex        =   250
               Top             =   8784
               Width           =   3672
            End
            Begin VB.CommandButton cmdInsertAll 
               Caption         =   "«œ—«Ã ﬂ· «·« ›«ﬁÌ…"
               Height          =   414
               Left            =   11160
               TabIndex        =   248
               Top             =   1548
               Width           =   2070
            End
            Begin VB.TextBox txtTradingContractID 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   16686
               RightToLeft     =   -1  'True
               TabIndex        =   244
               Top             =   1548
               Width           =   990
            End
            Begin VB.Frame Fra_Header 
               BackColor       =   &H00FFFFFF&
               BorderStyle     =   0  'None
               Height          =   648
               Index           =   3
               Left            =   108
               RightToLeft     =   -1  'True
               TabIndex        =   212
               Top             =   0
               Width           =   19620
               Begin VB.Frame Frame2 
                  BackColor       =   &H00E0E0E0&
                  BorderStyle     =   0  'None
                  Enabled         =   0   'False
                  Height          =   450
                  Index           =   3
                  Left            =   648
                  RightToLeft     =   -1  'True
                  TabIndex        =   215
                  Top             =   540
                  Visible         =   0   'False
                  Width           =   3726
                  Begin MSDataListLib.DataCombo DataCombo4 
                     CausesValidation=   0   'False
                     Height          =   378
                     Index           =   3
                     Left            =   -306
                     TabIndex        =   216
                     Tag             =   "„‰ ›÷·ﬂ √œŒ· —ﬁ„ «·ﬁ÷Ì…"
                     Top             =   -18
                     Width           =   2808
                     _ExtentX        =   4954
                     _ExtentY        =   667
                     _Version        =   393216
                     Enabled         =   0   'False
                     BackColor       =   -2147483624
                     Text            =   ""
                     RightToLeft     =   -1  'True
                     BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                        Name            =   "MS Sans Serif"
                        Size            =   9.9
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                  End
                  Begin VB.Label Label1 
                     Alignment       =   1  'Right Justify
                     BackColor       =   &H00E0E0E0&
                     Caption         =   "«·„” Œœ„"
                     BeginProperty Font 
                        Name            =   "Arial"
                        Size            =   14.4
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                     Height          =   324
                     Index           =   11
                     Left            =   2592
                     RightToLeft     =   -1  'True
                     TabIndex        =   217
                     Top             =   54
                     Width           =   1026
                  End
               End
               Begin VB.TextBox TxtModFlg2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H0000FF00&
                  Enabled         =   0   'False
                  Height          =   342
                  Index           =   3
                  Left            =   3096
                  RightToLeft     =   -1  'True
                  TabIndex        =   214
                  Text            =   "modflag"
                  Top             =   108
                  Visible         =   0   'False
                  Width           =   558
               End
               Begin VB.TextBox Text2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H000000FF&
                  Height          =   288
                  Index           =   3
                  Left            =   3636
                  RightToLeft     =   -1  'True
                  TabIndex        =   213
                  Top             =   612
                  Visible         =   0   'False
                  Width           =   1134
               End
               Begin MSComctlLib.ImageList GrdImageList2 
                  Index           =   3
                  Left            =   3744
                  Top             =   0
                  _ExtentX        =   1206
                  _ExtentY        =   1206
                  BackColor       =   -2147483643
                  ImageWidth      =   16
                  ImageHeight     =   16
                  MaskColor       =   12632256
                  _Version        =   393216
                  BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
                     NumListImages   =   8
                     BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":29CA2
                        Key             =   "CompanyName"
                     EndProperty
                     BeginProperty ListImage2 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":2A03C
                        Key             =   "Ser"
                     EndProperty
                     BeginProperty ListImage3 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":2A3D6
                        Key             =   "Vac_Name"
                     EndProperty
                     BeginProperty ListImage4 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":2A770
                        Key             =   "ShareCount"
                     EndProperty
                     BeginProperty ListImage5 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":2AB0A
                        Key             =   "Dis_Count"
                     EndProperty
                     BeginProperty ListImage6 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":2AEA4
                        Key             =   "Bouns"
                     EndProperty
                     BeginProperty ListImage7 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":2B23E
                        Key             =   "SharesValue"
                     EndProperty
                     BeginProperty ListImage8 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":2B7D8
                        Key             =   "BuyValue"
                     EndProperty
                  EndProperty
               End
               Begin ImpulseButton.ISButton btn_Last 
                  Height          =   378
                  Index           =   3
                  Left            =   108
                  TabIndex        =   218
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":2BB72
                  ColorButton     =   14871017
                  AcclimateGrayTones=   -1  'True
                  DrawFocusRectangle=   0   'False
                  DisabledImageExtraction=   0
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Next 
                  Height          =   378
                  Index           =   3
                  Left            =   666
                  TabIndex        =   219
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":2BF0C
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Previous 
                  Height          =   378
                  Index           =   3
                  Left            =   1386
                  TabIndex        =   220
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":2C2A6
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_First 
                  Height          =   378
                  Index           =   3
                  Left            =   1944
                  TabIndex        =   221
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":2C640
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackStyle       =   0  'Transparent
                  Caption         =   "›Ê« Ì— «·« ›«ﬁÌ« "
                  BeginProperty Font 
                     Name            =   "Arial"
                     Size            =   17.1
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ForeColor       =   &H00000000&
                  Height          =   450
                  Index           =   12
                  Left            =   14364
                  RightToLeft     =   -1  'True
                  TabIndex        =   222
                  Top             =   144
                  Width           =   3168
               End
            End
            Begin VB.TextBox TxtSerial1 
               Alignment       =   2  'Center
               BackColor       =   &H00FFFFC0&
               Enabled         =   0   'False
               Height          =   468
               Index           =   3
               Left            =   16362
               RightToLeft     =   -1  'True
               TabIndex        =   211
               Top             =   864
               Visible         =   0   'False
               Width           =   1314
            End
            Begin ImpulseButton.ISButton btn_New 
               Height          =   396
               Index           =   3
               Left            =   13770
               TabIndex        =   223
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":2C9DA
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Save 
               Height          =   396
               Index           =   3
               Left            =   11700
               TabIndex        =   224
               Top             =   10008
               Width           =   1098
               _ExtentX        =   1937
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":2CD74
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Modify 
               Height          =   396
               Index           =   3
               Left            =   12798
               TabIndex        =   225
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":2D10E
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Undo 
               Height          =   396
               Index           =   3
               Left            =   10620
               TabIndex        =   226
               Top             =   10008
               Width           =   1080
               _ExtentX        =   1906
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":2D4A8
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Delete 
               Height          =   396
               Index           =   3
               Left            =   9648
               TabIndex        =   227
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":2D842
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Update 
               Height          =   396
               Index           =   3
               Left            =   11592
               TabIndex        =   228
               TabStop         =   0   'False
               ToolTipText     =   " ÕœÌÀ ﬁ«⁄œ… «·»Ì«‰« "
               Top             =   9630
               Visible         =   0   'False
               Width           =   1098
               _ExtentX        =   1937
               _ExtentY        =   698
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " ÕœÌÀ"
               BackColor       =   14871017
               FontSize        =   11.7
               FontName        =   "Arial"
               FontBold        =   -1  'True
               BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                  Name            =   "Arial"
                  Size            =   11.7
                  Charset         =   178
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               ButtonImage     =   "emp_contract_tyoe.frx":2DDDC
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Cancel 
               Height          =   396
               Index           =   3
               Left            =   6066
               TabIndex        =   229
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":2E176
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin MSDataListLib.DataCombo DCboUserName 
               Height          =   378
               Index           =   3
               Left            =   15282
               TabIndex        =   230
               Top             =   8892
               Width           =   3042
               _ExtentX        =   5365
               _ExtentY        =   667
               _Version        =   393216
               Enabled         =   0   'False
               Text            =   ""
               RightToLeft     =   -1  'True
            End
            Begin MSDataListLib.DataCombo Dcbranch 
               Bindings        =   "emp_contract_tyoe.frx":2E510
               Height          =   378
               Index           =   3
               Left            =   4770
               TabIndex        =   231
               Top             =   864
               Width           =   4662
               _ExtentX        =   8224
               _ExtentY        =   667
               _Version        =   393216
               Style           =   2
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
            Begin ImpulseButton.ISButton Btn_Print 
               Height          =   396
               Index           =   3
               Left            =   8244
               TabIndex        =   232
               TabStop         =   0   'False
               ToolTipText     =   "ÿ»«⁄… «·»Ì«‰«  "
               Top             =   10008
               Width           =   1404
               _ExtentX        =   2477
               _ExtentY        =   698
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   "ÿ»«⁄… "
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
               ButtonImage     =   "emp_contract_tyoe.frx":2E525
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin ImpulseButton.ISButton btn_Query 
               Height          =   396
               Index           =   3
               Left            =   7038
               TabIndex        =   233
               TabStop         =   0   'False
               ToolTipText     =   "(Ctrl+F)  ··»ÕÀ ≈÷€ÿ Â–« «·„› «Õ √Ê ≈÷€ÿ "
               Top             =   10008
               Width           =   1206
               _ExtentX        =   2128
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":34D87
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Cmd_DeleteRow 
               Height          =   342
               Index           =   3
               Left            =   15822
               TabIndex        =   234
               Top             =   7668
               Width           =   1854
               _ExtentX        =   3270
               _ExtentY        =   604
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " Õ–› ”ÿ—"
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
               ButtonImage     =   "emp_contract_tyoe.frx":35121
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Cmd_DeleteAll 
               Height          =   342
               Index           =   3
               Left            =   13878
               TabIndex        =   235
               Top             =   7668
               Width           =   1728
               _ExtentX        =   3048
               _ExtentY        =   604
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " Õ–› «·ﬂ·"
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
               ButtonImage     =   "emp_contract_tyoe.frx":356BB
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin MSDataListLib.DataCombo DcCustmer2 
               Bindings        =   "emp_contract_tyoe.frx":35C55
               Height          =   378
               Left            =   13446
               TabIndex        =   245
               Top             =   1548
               Width           =   3240
               _ExtentX        =   5716
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
            Begin VSFlex8UCtl.VSFlexGrid Grid2 
               Height          =   4248
               Left            =   756
               TabIndex        =   247
               Top             =   3204
               Width           =   18972
               _cx             =   33464
               _cy             =   7493
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
               AllowBigSelection=   0   'False
               AllowUserResizing=   0
               SelectionMode   =   1
               GridLines       =   1
               GridLinesFixed  =   2
               GridLineWidth   =   1
               Rows            =   12
               Cols            =   17
               FixedRows       =   1
               FixedCols       =   1
               RowHeightMin    =   384
               RowHeightMax    =   0
               ColWidthMin     =   0
               ColWidthMax     =   0
               ExtendLastCol   =   -1  'True
               FormatString    =   $"emp_contract_tyoe.frx":35C6A
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
            Begin ImpulseButton.ISButton ISButton3 
               Height          =   432
               Left            =   17892
               TabIndex        =   249
               ToolTipText     =   "«÷«›… «·»Ì«‰«  «·Ï «·œ« «"
               Top             =   7632
               Width           =   2052
               _ExtentX        =   3619
               _ExtentY        =   762
               Caption         =   "«÷«›…  ”ÿ—"
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
               ButtonImage     =   "emp_contract_tyoe.frx":35EFF
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageExtraction=   0
               LowerToggledContent=   0   'False
            End
            Begin MSComCtl2.DTPicker XPDtbTrans3 
               Height          =   378
               Left            =   11592
               TabIndex        =   256
               Top             =   828
               Width           =   1854
               _ExtentX        =   3270
               _ExtentY        =   667
               _Version        =   393216
               Format          =   104923137
               CurrentDate     =   38784
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·ﬁÌ„… «·„÷«›…"
               Height          =   360
               Index           =   41
               Left            =   5310
               RightToLeft     =   -1  'True
               TabIndex        =   262
               Top             =   7668
               Width           =   1080
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·«Ã„«·Ì »⁄œ «·÷—Ì»…"
               Height          =   360
               Index           =   40
               Left            =   2160
               RightToLeft     =   -1  'True
               TabIndex        =   261
               Top             =   7668
               Width           =   1962
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·„»·€ «·«Ã„«·Ï "
               Height          =   324
               Index           =   39
               Left            =   8136
               RightToLeft     =   -1  'True
               TabIndex        =   260
               Top             =   7686
               Width           =   2160
            End
            Begin VB.Label Label1 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               BackStyle       =   0  'Transparent
               Caption         =   "—ﬁ„ «·ﬁÌœ"
               Height          =   468
               Index           =   35
               Left            =   7146
               RightToLeft     =   -1  'True
               TabIndex        =   255
               Top             =   8928
               Width           =   1422
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "»‰«∆« ⁄·Ï « ›«ﬁÌ…"
               Height          =   540
               Index           =   37
               Left            =   18000
               TabIndex        =   246
               Top             =   1548
               Width           =   1296
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒÂ"
               ForeColor       =   &H00000000&
               Height          =   306
               Index           =   49
               Left            =   13446
               RightToLeft     =   -1  'True
               TabIndex        =   243
               Top             =   864
               Width           =   1188
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·›—⁄"
               Height          =   306
               Index           =   46
               Left            =   9972
               TabIndex        =   242
               Top             =   864
               Width           =   1080
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackStyle       =   0  'Transparent
               Caption         =   "Õ—— »Ê«”ÿ…  "
               Height          =   324
               Index           =   45
               Left            =   18540
               TabIndex        =   241
               Top             =   8856
               Width           =   1296
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·”Ã· «·Õ«·Ì:"
               Height          =   252
               Index           =   9
               Left            =   3690
               RightToLeft     =   -1  'True
               TabIndex        =   240
               Top             =   9612
               Width           =   1404
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "⁄œœ «·”Ã·« :"
               Height          =   252
               Index           =   8
               Left            =   1404
               RightToLeft     =   -1  'True
               TabIndex        =   239
               Top             =   9612
               Width           =   1422
            End
            Begin VB.Label LabCurr_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   3
               Left            =   2826
               RightToLeft     =   -1  'True
               TabIndex        =   238
               Top             =   9630
               Width           =   864
            End
            Begin VB.Label LabCount_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   3
               Left            =   648
               RightToLeft     =   -1  'True
               TabIndex        =   237
               Top             =   9630
               Width           =   648
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "—ﬁ„ «·”‰œ"
               Height          =   306
               Index           =   38
               Left            =   18000
               RightToLeft     =   -1  'True
               TabIndex        =   236
               Top             =   864
               Width           =   1188
            End
         End
         Begin C1SizerLibCtl.C1Elastic ELe 
            Height          =   10674
            Index           =   5
            Left            =   21546
            TabIndex        =   280
            TabStop         =   0   'False
            Top             =   54
            Width           =   19944
            _cx             =   35179
            _cy             =   18828
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
            BackColor       =   14871017
            ForeColor       =   -2147483630
            FloodColor      =   6553600
            ForeColorDisabled=   -2147483631
            Caption         =   ""
            Align           =   0
            AutoSizeChildren=   7
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
            Begin VB.TextBox TxtRemarks4 
               Alignment       =   2  'Center
               Height          =   2520
               Left            =   2034
               MultiLine       =   -1  'True
               ScrollBars      =   2  'Vertical
               TabIndex        =   341
               Top             =   3528
               Width           =   15714
            End
            Begin VB.CommandButton cmdPrintNote4 
               Caption         =   "ÿ»«⁄Â «·ﬁÌœ"
               Height          =   558
               Left            =   5310
               RightToLeft     =   -1  'True
               TabIndex        =   339
               Top             =   7056
               Width           =   2934
            End
            Begin VB.CommandButton cmdDelNote4 
               Caption         =   "Õ–› «·ﬁÌœ "
               Height          =   558
               Left            =   13338
               RightToLeft     =   -1  'True
               TabIndex        =   338
               Top             =   7056
               Width           =   3348
            End
            Begin VB.CommandButton CmdCreateV4 
               Caption         =   "≈‰‘«¡ «·ﬁÌœ "
               Height          =   558
               Left            =   16794
               RightToLeft     =   -1  'True
               TabIndex        =   337
               Top             =   7056
               Width           =   2934
            End
            Begin VB.TextBox TxtNoteSerial4 
               Alignment       =   1  'Right Justify
               Enabled         =   0   'False
               Height          =   558
               Left            =   8244
               Locked          =   -1  'True
               RightToLeft     =   -1  'True
               TabIndex        =   336
               Top             =   7056
               Width           =   3564
            End
            Begin VB.TextBox TxtNoteID4 
               Alignment       =   1  'Right Justify
               Height          =   378
               Left            =   1404
               RightToLeft     =   -1  'True
               TabIndex        =   335
               Top             =   7200
               Visible         =   0   'False
               Width           =   2502
            End
            Begin VB.TextBox txtTotalNet 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   9972
               RightToLeft     =   -1  'True
               TabIndex        =   333
               Top             =   2988
               Width           =   1620
            End
            Begin VB.TextBox txtVat4 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   331
               Top             =   2988
               Width           =   2502
            End
            Begin VB.TextBox txtNetBDisc 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   5202
               RightToLeft     =   -1  'True
               TabIndex        =   329
               Top             =   2520
               Width           =   2394
            End
            Begin VB.TextBox txtDiscPercent 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   9972
               RightToLeft     =   -1  'True
               TabIndex        =   327
               Top             =   2520
               Width           =   1620
            End
            Begin VB.TextBox txtDiscValue 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   325
               Top             =   2520
               Width           =   2502
            End
            Begin VB.TextBox txtTotalValue 
               Alignment       =   1  'Right Justify
               Enabled         =   0   'False
               Height          =   342
               Left            =   5202
               RightToLeft     =   -1  'True
               TabIndex        =   323
               Top             =   2052
               Width           =   2394
            End
            Begin VB.TextBox txtCount 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00C0FFFF&
               Height          =   342
               Left            =   9972
               RightToLeft     =   -1  'True
               TabIndex        =   321
               Top             =   2052
               Width           =   1620
            End
            Begin VB.TextBox txtValue 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   319
               Top             =   2052
               Width           =   2502
            End
            Begin VB.TextBox txtCustCode 
               BackColor       =   &H00FFFFFF&
               Enabled         =   0   'False
               Height          =   378
               Index           =   4
               Left            =   8928
               TabIndex        =   294
               Top             =   1296
               Width           =   1080
            End
            Begin VB.Frame Fra_Header 
               BackColor       =   &H00FFFFFF&
               BorderStyle     =   0  'None
               Height          =   648
               Index           =   4
               Left            =   108
               RightToLeft     =   -1  'True
               TabIndex        =   283
               Top             =   0
               Width           =   19908
               Begin VB.Frame Frame2 
                  BackColor       =   &H00E0E0E0&
                  BorderStyle     =   0  'None
                  Enabled         =   0   'False
                  Height          =   450
                  Index           =   4
                  Left            =   648
                  RightToLeft     =   -1  'True
                  TabIndex        =   286
                  Top             =   540
                  Visible         =   0   'False
                  Width           =   3726
                  Begin MSDataListLib.DataCombo DataCombo4 
                     CausesValidation=   0   'False
                     Height          =   378
                     Index           =   4
                     Left            =   -306
                     TabIndex        =   287
                     Tag             =   "„‰ ›÷·ﬂ √œŒ· —ﬁ„ «·ﬁ÷Ì…"
                     Top             =   -18
                     Width           =   2808
                     _ExtentX        =   4954
                     _ExtentY        =   667
                     _Version        =   393216
                     Enabled         =   0   'False
                     BackColor       =   -2147483624
                     Text            =   ""
                     RightToLeft     =   -1  'True
                     BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                        Name            =   "MS Sans Serif"
                        Size            =   9.9
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                  End
                  Begin VB.Label Label1 
                     Alignment       =   1  'Right Justify
                     BackColor       =   &H00E0E0E0&
                     Caption         =   "«·„” Œœ„"
                     BeginProperty Font 
                        Name            =   "Arial"
                        Size            =   14.4
                        Charset         =   178
                        Weight          =   700
                        Underline       =   0   'False
                        Italic          =   0   'False
                        Strikethrough   =   0   'False
                     EndProperty
                     Height          =   324
                     Index           =   15
                     Left            =   2592
                     RightToLeft     =   -1  'True
                     TabIndex        =   288
                     Top             =   54
                     Width           =   1026
                  End
               End
               Begin VB.TextBox TxtModFlg2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H0000FF00&
                  Enabled         =   0   'False
                  Height          =   342
                  Index           =   4
                  Left            =   3096
                  RightToLeft     =   -1  'True
                  TabIndex        =   285
                  Text            =   "modflag"
                  Top             =   108
                  Visible         =   0   'False
                  Width           =   558
               End
               Begin VB.TextBox Text2 
                  Alignment       =   1  'Right Justify
                  Appearance      =   0  'Flat
                  BackColor       =   &H000000FF&
                  Height          =   288
                  Index           =   4
                  Left            =   3636
                  RightToLeft     =   -1  'True
                  TabIndex        =   284
                  Top             =   612
                  Visible         =   0   'False
                  Width           =   1134
               End
               Begin MSComctlLib.ImageList GrdImageList2 
                  Index           =   4
                  Left            =   3744
                  Top             =   0
                  _ExtentX        =   1206
                  _ExtentY        =   1206
                  BackColor       =   -2147483643
                  ImageWidth      =   16
                  ImageHeight     =   16
                  MaskColor       =   12632256
                  _Version        =   393216
                  BeginProperty Images {2C247F25-8591-11D1-B16A-00C0F0283628} 
                     NumListImages   =   8
                     BeginProperty ListImage1 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":3C761
                        Key             =   "CompanyName"
                     EndProperty
                     BeginProperty ListImage2 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":3CAFB
                        Key             =   "Ser"
                     EndProperty
                     BeginProperty ListImage3 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":3CE95
                        Key             =   "Vac_Name"
                     EndProperty
                     BeginProperty ListImage4 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":3D22F
                        Key             =   "ShareCount"
                     EndProperty
                     BeginProperty ListImage5 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":3D5C9
                        Key             =   "Dis_Count"
                     EndProperty
                     BeginProperty ListImage6 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":3D963
                        Key             =   "Bouns"
                     EndProperty
                     BeginProperty ListImage7 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":3DCFD
                        Key             =   "SharesValue"
                     EndProperty
                     BeginProperty ListImage8 {2C247F27-8591-11D1-B16A-00C0F0283628} 
                        Picture         =   "emp_contract_tyoe.frx":3E297
                        Key             =   "BuyValue"
                     EndProperty
                  EndProperty
               End
               Begin ImpulseButton.ISButton btn_Last 
                  Height          =   378
                  Index           =   4
                  Left            =   108
                  TabIndex        =   289
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":3E631
                  ColorButton     =   14871017
                  AcclimateGrayTones=   -1  'True
                  DrawFocusRectangle=   0   'False
                  DisabledImageExtraction=   0
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Next 
                  Height          =   378
                  Index           =   4
                  Left            =   666
                  TabIndex        =   290
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":3E9CB
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_Previous 
                  Height          =   378
                  Index           =   4
                  Left            =   1386
                  TabIndex        =   291
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":3ED65
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin ImpulseButton.ISButton btn_First 
                  Height          =   378
                  Index           =   4
                  Left            =   1944
                  TabIndex        =   292
                  Top             =   36
                  Width           =   486
                  _ExtentX        =   857
                  _ExtentY        =   667
                  ButtonStyle     =   1
                  ButtonPositionImage=   1
                  Caption         =   ""
                  BackColor       =   14871017
                  FontSize        =   14.4
                  FontName        =   "Arial"
                  FontBold        =   -1  'True
                  BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                     Name            =   "Arial"
                     Size            =   14.4
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ButtonImage     =   "emp_contract_tyoe.frx":3F0FF
                  ColorButton     =   14871017
                  DrawFocusRectangle=   0   'False
                  DisabledImageStyle=   1
               End
               Begin VB.Label Label1 
                  Alignment       =   1  'Right Justify
                  BackStyle       =   0  'Transparent
                  Caption         =   "«· ›—Ì€« "
                  BeginProperty Font 
                     Name            =   "Arial"
                     Size            =   17.1
                     Charset         =   178
                     Weight          =   700
                     Underline       =   0   'False
                     Italic          =   0   'False
                     Strikethrough   =   0   'False
                  EndProperty
                  ForeColor       =   &H00000000&
                  Height          =   450
                  Index           =   16
                  Left            =   14364
                  RightToLeft     =   -1  'True
                  TabIndex        =   293
                  Top             =   144
                  Width           =   3168
               End
            End
            Begin VB.TextBox txtContractNo4 
               Alignment       =   1  'Right Justify
               Height          =   342
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   282
               Top             =   1440
               Width           =   2502
            End
            Begin VB.TextBox TxtSerial1 
               Alignment       =   2  'Center
               BackColor       =   &H00FFFFC0&
               Enabled         =   0   'False
               Height          =   468
               Index           =   4
               Left            =   15174
               RightToLeft     =   -1  'True
               TabIndex        =   281
               Top             =   864
               Width           =   2502
            End
            Begin ImpulseButton.ISButton btn_New 
               Height          =   396
               Index           =   4
               Left            =   8136
               TabIndex        =   295
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":3F499
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Save 
               Height          =   396
               Index           =   4
               Left            =   6174
               TabIndex        =   296
               Top             =   10008
               Width           =   1080
               _ExtentX        =   1906
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":3F833
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Modify 
               Height          =   396
               Index           =   4
               Left            =   7254
               TabIndex        =   297
               Top             =   10008
               Width           =   882
               _ExtentX        =   1555
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":3FBCD
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Undo 
               Height          =   396
               Index           =   4
               Left            =   5094
               TabIndex        =   298
               Top             =   10008
               Width           =   1080
               _ExtentX        =   1906
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":3FF67
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Delete 
               Height          =   396
               Index           =   4
               Left            =   4122
               TabIndex        =   299
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":40301
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton Btn_Update 
               Height          =   396
               Index           =   4
               Left            =   11592
               TabIndex        =   300
               TabStop         =   0   'False
               ToolTipText     =   " ÕœÌÀ ﬁ«⁄œ… «·»Ì«‰« "
               Top             =   9630
               Visible         =   0   'False
               Width           =   1098
               _ExtentX        =   1937
               _ExtentY        =   698
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   " ÕœÌÀ"
               BackColor       =   14871017
               FontSize        =   11.7
               FontName        =   "Arial"
               FontBold        =   -1  'True
               BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
                  Name            =   "Arial"
                  Size            =   11.7
                  Charset         =   178
                  Weight          =   700
                  Underline       =   0   'False
                  Italic          =   0   'False
                  Strikethrough   =   0   'False
               EndProperty
               ButtonImage     =   "emp_contract_tyoe.frx":4089B
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin ImpulseButton.ISButton btn_Cancel 
               Height          =   396
               Index           =   4
               Left            =   432
               TabIndex        =   301
               Top             =   10008
               Width           =   972
               _ExtentX        =   1715
               _ExtentY        =   698
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":40C35
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin MSDataListLib.DataCombo DCboUserName 
               Height          =   378
               Index           =   4
               Left            =   13554
               TabIndex        =   302
               Top             =   9864
               Width           =   3456
               _ExtentX        =   6096
               _ExtentY        =   667
               _Version        =   393216
               Enabled         =   0   'False
               Text            =   ""
               RightToLeft     =   -1  'True
            End
            Begin MSDataListLib.DataCombo Dcbranch 
               Bindings        =   "emp_contract_tyoe.frx":40FCF
               Height          =   378
               Index           =   4
               Left            =   4194
               TabIndex        =   303
               Top             =   864
               Width           =   5814
               _ExtentX        =   10255
               _ExtentY        =   667
               _Version        =   393216
               Style           =   2
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
            Begin XtremeSuiteControls.PushButton PushButton3 
               Height          =   378
               Left            =   13014
               TabIndex        =   304
               Top             =   1404
               Width           =   1944
               _Version        =   786432
               _ExtentX        =   3428
               _ExtentY        =   667
               _StockProps     =   79
               Caption         =   "«œ—«Ã »Ì«‰«  «·⁄ﬁœ"
               UseVisualStyle  =   -1  'True
            End
            Begin MSComCtl2.DTPicker XPDtbTrans4 
               Height          =   342
               Left            =   12168
               TabIndex        =   305
               Top             =   864
               Width           =   1638
               _ExtentX        =   2890
               _ExtentY        =   604
               _Version        =   393216
               Format          =   104923137
               CurrentDate     =   38784
            End
            Begin MSDataListLib.DataCombo DcCustmer 
               Height          =   378
               Index           =   4
               Left            =   4158
               TabIndex        =   306
               Top             =   1296
               Width           =   4554
               _ExtentX        =   8033
               _ExtentY        =   667
               _Version        =   393216
               Enabled         =   0   'False
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
            Begin ImpulseButton.ISButton Btn_Print 
               Height          =   630
               Index           =   4
               Left            =   2610
               TabIndex        =   307
               TabStop         =   0   'False
               ToolTipText     =   "ÿ»«⁄… «·»Ì«‰«  "
               Top             =   9936
               Width           =   1404
               _ExtentX        =   2477
               _ExtentY        =   1111
               ButtonStyle     =   1
               ButtonPositionImage=   1
               Caption         =   "ÿ»«⁄… "
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
               ButtonImage     =   "emp_contract_tyoe.frx":40FE4
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
               DisabledImageStyle=   1
            End
            Begin ImpulseButton.ISButton btn_Query 
               Height          =   684
               Index           =   4
               Left            =   1404
               TabIndex        =   308
               TabStop         =   0   'False
               ToolTipText     =   "(Ctrl+F)  ··»ÕÀ ≈÷€ÿ Â–« «·„› «Õ √Ê ≈÷€ÿ "
               Top             =   9900
               Width           =   1206
               _ExtentX        =   2128
               _ExtentY        =   1206
               ButtonStyle     =   1
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
               ButtonImage     =   "emp_contract_tyoe.frx":47846
               ColorButton     =   14871017
               DrawFocusRectangle=   0   'False
            End
            Begin VB.Label Label1 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               BackStyle       =   0  'Transparent
               Caption         =   "„·«ÕŸ«    "
               Height          =   306
               Index           =   18
               Left            =   17748
               RightToLeft     =   -1  'True
               TabIndex        =   342
               Top             =   3672
               Width           =   1404
            End
            Begin VB.Label Label1 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               BackStyle       =   0  'Transparent
               Caption         =   "—ﬁ„ «·ﬁÌœ"
               Height          =   468
               Index           =   17
               Left            =   11808
               RightToLeft     =   -1  'True
               TabIndex        =   340
               Top             =   7200
               Width           =   1314
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·’«›Ì »⁄œ ﬁ.„"
               Height          =   324
               Index           =   64
               Left            =   11808
               TabIndex        =   334
               Top             =   2988
               Width           =   1962
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·ﬁÌ„… «·„÷«›…"
               Height          =   324
               Index           =   63
               Left            =   17676
               TabIndex        =   332
               Top             =   2988
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·’«›Ì ﬁ»· ﬁ.„"
               Height          =   324
               Index           =   61
               Left            =   7596
               TabIndex        =   330
               Top             =   2520
               Width           =   1944
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "‰”»… «·Œ’„"
               Height          =   324
               Index           =   60
               Left            =   11592
               TabIndex        =   328
               Top             =   2520
               Width           =   1962
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "ﬁÌ„… «·Œ’„"
               Height          =   324
               Index           =   57
               Left            =   17334
               TabIndex        =   326
               Top             =   2520
               Width           =   1854
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·«Ã„«·Ì"
               Height          =   324
               Index           =   56
               Left            =   7362
               TabIndex        =   324
               Top             =   2052
               Width           =   1962
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·⁄œœ"
               Height          =   324
               Index           =   55
               Left            =   11376
               TabIndex        =   322
               Top             =   2052
               Width           =   1962
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "ﬁÌ„… «· ›—Ì€« "
               Height          =   324
               Index           =   54
               Left            =   17334
               TabIndex        =   320
               Top             =   2052
               Width           =   1854
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   " «—ÌŒÂ"
               ForeColor       =   &H00000000&
               Height          =   306
               Index           =   62
               Left            =   14022
               RightToLeft     =   -1  'True
               TabIndex        =   318
               Top             =   864
               Width           =   1188
            End
            Begin VB.Label lbl 
               Alignment       =   2  'Center
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·›—⁄"
               Height          =   306
               Index           =   59
               Left            =   10548
               TabIndex        =   317
               Top             =   864
               Width           =   1080
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackStyle       =   0  'Transparent
               Caption         =   "Õ—— »Ê«”ÿ…  "
               Height          =   324
               Index           =   58
               Left            =   17460
               TabIndex        =   316
               Top             =   9864
               Width           =   1188
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·”Ã· «·Õ«·Ì:"
               Height          =   252
               Index           =   11
               Left            =   3690
               RightToLeft     =   -1  'True
               TabIndex        =   315
               Top             =   9612
               Width           =   1404
            End
            Begin VB.Label Label2 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "⁄œœ «·”Ã·« :"
               Height          =   252
               Index           =   10
               Left            =   1404
               RightToLeft     =   -1  'True
               TabIndex        =   314
               Top             =   9612
               Width           =   1422
            End
            Begin VB.Label LabCurr_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   4
               Left            =   2826
               RightToLeft     =   -1  'True
               TabIndex        =   313
               Top             =   9630
               Width           =   864
            End
            Begin VB.Label LabCount_Rec 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Height          =   252
               Index           =   4
               Left            =   648
               RightToLeft     =   -1  'True
               TabIndex        =   312
               Top             =   9630
               Width           =   648
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "«·⁄„Ì·"
               Enabled         =   0   'False
               Height          =   540
               Index           =   53
               Left            =   10008
               TabIndex        =   311
               Top             =   1296
               Width           =   1512
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "»‰«¡ ⁄·Ì ⁄ﬁœ"
               Height          =   324
               Index           =   52
               Left            =   17568
               TabIndex        =   310
               Top             =   1440
               Width           =   1620
            End
            Begin VB.Label lbl 
               Alignment       =   1  'Right Justify
               BackColor       =   &H00E2E9E9&
               Caption         =   "—ﬁ„ «·”‰œ"
               Height          =   306
               Index           =   51
               Left            =   18000
               RightToLeft     =   -1  'True
               TabIndex        =   309
               Top             =   864
               Width           =   1188
            End
         End
      End
   End
End
Attribute VB_Name = "emp_CONTRACT_TYPE"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
Dim RsSavRec As ADODB.Recordset
Dim BKGrndPic As ClsBackGroundPic
Dim RecId As String
Dim II As Long
Public mIndex As Integer
Public LngRow As Long
Public FixedAssetsID As Long
Public FixedAssetsName As String
Dim s As String
Dim mGridClicked As Boolean

Dim AccountVATCreit As String

Private Sub CalcTotal2()
    
   With grd2(mIndex)
    .IsSubtotal(.Rows - 1) = True
    Dim SngTotal As Single
    If .Rows > 1 Then
        TxtTotal = .Aggregate(flexSTSum, .FixedRows, .ColIndex("Amount"), .Rows - 1, .ColIndex("Amount"))
    End If
    

    
    End With
    CalculteValueAdded2
End Sub

Private Sub CalcTotal4(Optional ByVal isDisc As Boolean = False)
    
    txtTotalValue = val(txtCount) * val(txtValue)
    txtNetBDisc = val(txtTotalValue) - val(txtDiscValue)
    If Not isDisc Then
        txtDiscValue = Round(val(txtTotalValue) * val(txtDiscPercent) / 100, 2)
    End If
    
    CalculteValueAdded4
End Sub


Private Sub CmdCreateV_Click()
Dim s As String
If val(TxtNoteSerial.Text) = 0 Then
If createVoucher Then
       'FindRec val(TXTLCNO.Text)
       
            s = "Update Tbl_TradingContractInv Set NoteID = " & val(TxtNoteID) & ",NoteSerial = '" & Trim(TxtNoteSerial) & "' Where Id = " & val(TxtSerial1(mIndex))
            Cn.Execute s
            FindRec val(TxtSerial1(mIndex).Text)
        If SystemOptions.UserInterface = ArabicInterface Then
            MsgBox " „ «‰‘«¡ «·ﬁÌœ"
            If val(TxtNoteID) <> 0 Then
                CmdCreateV.Enabled = False
                Command9.Enabled = True
                Command2.Enabled = True
                btnSave.Enabled = False
            Else
                CmdCreateV.Enabled = True
                Command9.Enabled = False
                Command2.Enabled = False
            End If
        Else
        
            MsgBox "Done"
        End If
    Else
        CmdCreateV.Enabled = True
        Command9.Enabled = False
        Command2.Enabled = False
    End If
    
End If
Me.TxtModFlg2(mIndex).Text = "R"
End Sub

Private Sub CmdCreateV2_Click()
Dim s As String
'CHECKaCCOUNTS
Dim StrAccountCodeCridet As String
                StrAccountCodeCridet = get_account_code_branch(209, my_branch)
        
                If StrAccountCodeCridet = "NO branch" Then
                If SystemOptions.UserInterface = ArabicInterface Then
                    MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                Else
                    MsgBox "No Branch Created", vbCritical
                End If

                Exit Sub
            Else

                If StrAccountCodeCridet = "NO account" Then
                    If SystemOptions.UserInterface = ArabicInterface Then
                        MsgBox "·„ Ì „  ÕœÌœ Õ”«»   «»—«œ«  «·Õ«ÊÌ« ", vbCritical
                    Else
                        MsgBox "Please Select Account VAT ", vbCritical
                    End If

                    Exit Sub
         
                End If
            End If


'END CHECK
If val(TxtNoteSerial2.Text) = 0 Then
If createVoucher2 Then
       'FindRec val(TXTLCNO.Text)
       
            s = "Update ContainerContracts Set NoteID = " & val(TxtNoteID2) & ",NoteSerial = '" & Trim(TxtNoteSerial2) & "' Where Id = " & val(TxtSerial1(mIndex))
            Cn.Execute s
            FindRec val(TxtSerial1(mIndex).Text)
        If SystemOptions.UserInterface = ArabicInterface Then
            MsgBox " „ «‰‘«¡ «·ﬁÌœ"
            If val(TxtNoteID2) <> 0 Then
                CmdCreateV2.Enabled = False
                cmdPrintNote.Enabled = True
                cmdDelNote.Enabled = True
                btn_Save(mIndex).Enabled = False
            Else
                CmdCreateV2.Enabled = True
                cmdPrintNote.Enabled = False
                cmdDelNote.Enabled = False
            End If
        Else
        
            MsgBox "Done"
        End If
    Else
        CmdCreateV2.Enabled = True
        cmdPrintNote.Enabled = False
        cmdDelNote.Enabled = False
    End If
    
End If
Me.TxtModFlg2(mIndex).Text = "R"
End Sub

Private Sub CmdCreateV4_Click()
Dim s As String
'checkAcountssssssssssssssss
Dim StrAccountCodeCridet As String

         StrAccountCodeCridet = get_account_code_branch(210, my_branch)
        
                If StrAccountCodeCridet = "NO branch" Then
                If SystemOptions.UserInterface = ArabicInterface Then
                    MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                Else
                    MsgBox "No Branch Created", vbCritical
                End If

Exit Sub
            Else

                If StrAccountCodeCridet = "NO account" Then
                    If SystemOptions.UserInterface = ArabicInterface Then
                        MsgBox "·„ Ì „  ÕœÌœ Õ”«»   «· ›—Ì€« ", vbCritical
                    Else
                        MsgBox "Please Select Account VAT ", vbCritical
                    End If

            Exit Sub
         
                End If
            End If

        
      'checkAcountssssssssssssssss
      
      
If val(TxtNoteSerial4.Text) = 0 Then
If createVoucher4 Then
       'FindRec val(TXTLCNO.Text)
       
            s = "Update ContainerUnloading Set NoteID = " & val(TxtNoteID4) & ",NoteSerial = '" & Trim(TxtNoteSerial4) & "' Where Id = " & val(TxtSerial1(mIndex))
            Cn.Execute s
            FindRec val(TxtSerial1(mIndex).Text)
        If SystemOptions.UserInterface = ArabicInterface Then
            MsgBox " „ «‰‘«¡ «·ﬁÌœ"
            If val(TxtNoteID4) <> 0 Then
                CmdCreateV4.Enabled = False
                cmdPrintNote4.Enabled = True
                cmdDelNote4.Enabled = True
                btn_Save(mIndex).Enabled = False
            Else
                CmdCreateV4.Enabled = True
                cmdPrintNote4.Enabled = False
                cmdDelNote4.Enabled = False
            End If
        Else
        
            MsgBox "Done"
        End If
    Else
        CmdCreateV4.Enabled = True
        cmdPrintNote4.Enabled = False
        cmdDelNote4.Enabled = False
    End If
    
End If
Me.TxtModFlg2(mIndex).Text = "R"
End Sub

Private Sub cmdDelNote_Click()
If Me.TxtModFlg2(mIndex).Text = "R" Then
Dim x As Integer
Dim Msg As String
Dim StrSQL As String
    If SystemOptions.UserInterface = ArabicInterface Then
        Msg = " √ﬂÌœ Õ–› «·ﬁÌœ "
    Else
        Msg = "Confirm Delete  "
    End If
        x = MsgBox(Msg, vbCritical + vbYesNo)

      If x = vbYes Then
        StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & val(Me.TxtNoteID2.Text)
        Cn.Execute StrSQL, , adExecuteNoRecords
        StrSQL = "Delete From Notes Where NoteID=" & val(Me.TxtNoteID2.Text)
        Cn.Execute StrSQL, , adExecuteNoRecords
        Cn.Execute " Update ContainerContracts set NoteID=null ,NoteSerial=null where ID=" & val(TxtSerial1(mIndex).Text)
       
        
        RsSavRec.Requery
         FindRec val(TxtSerial1(mIndex).Text)
         TxtModFlg2(mIndex).Text = ""
         TxtNoteSerial2 = ""
          If SystemOptions.UserInterface = ArabicInterface Then
            Msg = " „  Õ–› «·ﬁÌœ   "
            
           
            If val(TxtNoteID2) <> 0 Then
                CmdCreateV2.Enabled = False
                cmdPrintNote.Enabled = True
                cmdDelNote.Enabled = True
                btn_Save(mIndex).Enabled = False
                btn_Modify(mIndex).Enabled = False
             Else
                CmdCreateV2.Enabled = True
                cmdPrintNote.Enabled = False
                cmdDelNote.Enabled = False
            End If
        Else
            Msg = " This voucher deleted  "
        End If
        MsgBox Msg
       End If
 End If
  
Me.TxtModFlg2(mIndex).Text = "R"

End Sub

Private Sub cmdDelNote4_Click()
If Me.TxtModFlg2(mIndex).Text = "R" Then
Dim x As Integer
Dim Msg As String
Dim StrSQL As String
    If SystemOptions.UserInterface = ArabicInterface Then
        Msg = " √ﬂÌœ Õ–› «·ﬁÌœ "
    Else
        Msg = "Confirm Delete  "
    End If
        x = MsgBox(Msg, vbCritical + vbYesNo)

      If x = vbYes Then
        StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & val(Me.TxtNoteID4.Text)
        Cn.Execute StrSQL, , adExecuteNoRecords
        StrSQL = "Delete From Notes Where NoteID=" & val(Me.TxtNoteID4.Text)
        Cn.Execute StrSQL, , adExecuteNoRecords
        Cn.Execute " Update ContainerUnloading set NoteID=null ,NoteSerial=null where ID=" & val(TxtSerial1(mIndex).Text)
       
        
        RsSavRec.Requery
         FindRec val(TxtSerial1(mIndex).Text)
         TxtModFlg2(mIndex).Text = ""
         TxtNoteSerial4 = ""
          If SystemOptions.UserInterface = ArabicInterface Then
            Msg = " „  Õ–› «·ﬁÌœ   "
            
           
            If val(TxtNoteID4) <> 0 Then
                CmdCreateV4.Enabled = False
                cmdPrintNote4.Enabled = True
                cmdDelNote4.Enabled = True
                btn_Save(mIndex).Enabled = False
                btn_Modify(mIndex).Enabled = False
             Else
                CmdCreateV4.Enabled = True
                cmdPrintNote4.Enabled = False
                cmdDelNote4.Enabled = False
            End If
        Else
            Msg = " This voucher deleted  "
        End If
        MsgBox Msg
       End If
 End If
  
Me.TxtModFlg2(mIndex).Text = "R"


End Sub

Private Sub cmdPrintNote_Click()

ShowGL_cc Me.TxtNoteSerial2.Text, , 3379

End Sub

Private Sub cmdPrintNote4_Click()
ShowGL_cc Me.TxtNoteSerial4.Text, , 3380
End Sub

Private Sub Command2_Click()
If Me.TxtModFlg.Text = "R" Then
Dim x As Integer
Dim Msg As String
    If SystemOptions.UserInterface = ArabicInterface Then
        Msg = " √ﬂÌœ Õ–› «·ﬁÌœ "
    Else
        Msg = "Confirm Delete  "
    End If
        x = MsgBox(Msg, vbCritical + vbYesNo)
Dim StrSQL As String

      If x = vbYes Then
        StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & val(Me.TxtNoteID.Text)
        Cn.Execute StrSQL, , adExecuteNoRecords
        StrSQL = "Delete From Notes Where NoteID=" & val(Me.TxtNoteID.Text)
        Cn.Execute StrSQL, , adExecuteNoRecords
        Cn.Execute " Update Tbl_TradingContractInv set NoteID=null ,NoteSerial=null where ID=" & val(TxtSerial1(mIndex).Text)
       
        
        RsSavRec.Requery
         FindRec val(TxtSerial1(mIndex).Text)
         TxtModFlg.Text = ""
         TxtNoteSerial = ""
          If SystemOptions.UserInterface = ArabicInterface Then
            Msg = " „  Õ–› «·ﬁÌœ   "
            
           
            If val(TxtNoteID) <> 0 Then
                CmdCreateV.Enabled = False
                Command9.Enabled = True
                Command2.Enabled = True
                btnSave.Enabled = False
                btnModify.Enabled = False
             Else
                CmdCreateV.Enabled = True
                Command9.Enabled = False
                Command2.Enabled = False
            End If
        Else
            Msg = " This voucher deleted  "
        End If
        MsgBox Msg
       End If
 End If
  
 
End Sub



Private Sub Command3_Click()
If Me.TxtModFlg2(mIndex).Text = "R" Then
Dim x As Integer
Dim Msg As String
Dim StrSQL As String
    If SystemOptions.UserInterface = ArabicInterface Then
        Msg = " √ﬂÌœ Õ–› «·ﬁÌœ "
    Else
        Msg = "Confirm Delete  "
    End If
        x = MsgBox(Msg, vbCritical + vbYesNo)

      If x = vbYes Then
        StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & val(Me.TxtNoteID.Text)
        Cn.Execute StrSQL, , adExecuteNoRecords
        StrSQL = "Delete From Notes Where NoteID=" & val(Me.TxtNoteID.Text)
        Cn.Execute StrSQL, , adExecuteNoRecords
        Cn.Execute " Update Tbl_TradingContractInv set NoteID=null ,NoteSerial=null where ID=" & val(TxtSerial1(mIndex).Text)
       
        
        RsSavRec.Requery
         FindRec val(TxtSerial1(mIndex).Text)
         TxtModFlg2(mIndex).Text = ""
         TxtNoteSerial = ""
          If SystemOptions.UserInterface = ArabicInterface Then
            Msg = " „  Õ–› «·ﬁÌœ   "
            
           
            If val(TxtNoteID) <> 0 Then
                CmdCreateV.Enabled = False
                Command9.Enabled = True
                Command3.Enabled = True
                btn_Save(mIndex).Enabled = False
                btn_Modify(mIndex).Enabled = False
             Else
                CmdCreateV.Enabled = True
                Command9.Enabled = False
                Command3.Enabled = False
            End If
        Else
            Msg = " This voucher deleted  "
        End If
        MsgBox Msg
       End If
 End If
  
Me.TxtModFlg2(mIndex).Text = "R"
End Sub

Private Sub Command9_Click()

'add_record_to_table "TblNotesTypes", "NotesType,NotesTypeName,NotesTypeNamee", " 3335 ,'«·« ›«ﬁÌ«     ' ,'      Trading Contract' ", "NotesType", 3335
'add_record_to_table "TblNotesTypes", "NotesType,NotesTypeName,NotesTypeNamee", "«·« ›«ﬁÌ«  ", "NotesType", 3335
ShowGL_cc Me.TxtNoteSerial.Text, , 3378

End Sub
  
Private Sub cmdInsertAll_Click()
    Dim StrSQL  As String
    If txtTradingContractID.Text = "" Then
    MsgBox "«Œ — «·« ›«ﬁÌÂ «Ê·« "
    Exit Sub
    End If
    StrSQL = "Select dbo.Tbl_TradingContractDet.ID BDet_BandNo,  Tbl_TradingContractDet.TContractDet_Qun BDet_Qun, dbo.Tbl_TradingContractDet.TContractDet_TContractID, dbo.TblProcessDEF.ProcessName Name,TblProcessDEF.TblProcessDEFID TConID,"
    StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE NameE,IsNull(Tbl_TradingContractDet.TContractDet_SalPrice,0) + IsNull(Tbl_TradingContractDet.TContractDet_InstallPrice,0)  BDet_Price, IsNull(Tbl_TradingContractDet.TContractDet_TotalSalPrice,0) + IsNull(Tbl_TradingContractDet.TContractDet_TotalInstallPrice,0)  Total, dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID,"
    StrSQL = StrSQL & " TContractDet_SalPrice SalPrice,TContractDet_InstallPrice InstallPrice,TContractDet_TotalSalPrice TotalSalPrice,TContractDet_TotalInstallPrice TotalInstallPrice"
    StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
    StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
    StrSQL = StrSQL & " where "
    StrSQL = StrSQL & " Tbl_TradingContractDet.TContractDet_TContractID = '" & txtTradingContractID.Text & "'"
    
    LoadGrid StrSQL, GRID2, True, True

    Dim i As Long
    For i = 1 To GRID2.Rows - 1
        CalculteValueAdded i, 21
    Next
    CalcTotal
End Sub

Private Sub Contract_period_Validate(Cancel As Boolean)
CalcContractIntervalAuto
End Sub

Private Sub Dcbranch_Change(Index As Integer)
    If Me.TxtModFlg <> "R" Then
    TxtNoteSerial1.Text = ""
   TxtNoteSerial.Text = ""
   End If
End Sub

Private Sub Dcbranch_Click(Index As Integer, Area As Integer)
    If Me.TxtModFlg <> "R" Then
    TxtNoteSerial1.Text = ""
   TxtNoteSerial.Text = ""
   End If
   
End Sub

Private Sub grid2_AfterEdit(ByVal Row As Long, ByVal Col As Long)

Dim StrAccountCode As String
    Dim Msg As String
    Dim rs As New ADODB.Recordset
    Dim StrSQL As String
    Dim ClsAcc As New ClsAccounts
    Dim LngRow As Long
Dim StrComboList As String
    'Dim Rs2 As ADODB.Recordset
On Error GoTo ErrTrap
    With GRID2
               


'If Trim(.TextMatrix(Row, .ColIndex("Name"))) = "" Then
'
'  .TextMatrix(Row, .ColIndex("TConID")) = 0
'
'  .TextMatrix(Row, .ColIndex("Name")) = ""
'
' End If
  
  
Select Case .ColKey(Col)
  

        Case "Name"
        
         If Trim(.ComboData = "") Then
            .TextMatrix(Row, .ColIndex("Name")) = ""
            .TextMatrix(Row, .ColIndex("TConID")) = ""
            Exit Sub
         End If
          StrAccountCode = .ComboData
                

                LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("TConID"), False, True)
                
                    .TextMatrix(Row, .ColIndex("TConID")) = StrAccountCode
    
                
         
               
               
                   StrSQL = "Select dbo.Tbl_TradingContractDet.ID,  Tbl_TradingContractDet.TContractDet_Qun, dbo.Tbl_TradingContractDet.TContractDet_TContractID, dbo.TblProcessDEF.ProcessName,TblProcessDEF.TblProcessDEFID,"
                   StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE ,"
                   StrSQL = StrSQL & " isNull(Tbl_TradingContractDet.TContractDet_SalPrice,0) + IsNull(Tbl_TradingContractDet.TContractDet_InstallPrice,0)  BDet_Price,"
                   StrSQL = StrSQL & " TContractDet_SalPrice SalPrice,TContractDet_InstallPrice InstallPrice,TContractDet_TotalSalPrice TotalSalPrice,TContractDet_TotalInstallPrice TotalInstallPrice,"
                   StrSQL = StrSQL & " IsNull(Tbl_TradingContractDet.TContractDet_TotalSalPrice,0) + IsNull(Tbl_TradingContractDet.TContractDet_TotalInstallPrice,0)  Total"
                   StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
                   StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
                   StrSQL = StrSQL & " where TblProcessDEF.TblProcessDEFID = '" & val(.TextMatrix(Row, .ColIndex("TConID"))) & "'"
                   StrSQL = StrSQL & " And Tbl_TradingContractDet.TContractDet_TContractID = '" & txtTradingContractID.Text & "'"
                   

                    
                    rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText
                     .TextMatrix(Row, .ColIndex("BDet_NameE")) = IIf(IsNull(rs.Fields("ProcessNameE").value), "", rs.Fields("ProcessNameE").value)
                     .TextMatrix(Row, .ColIndex("Name")) = IIf(IsNull(rs.Fields("ProcessName").value), "", rs.Fields("ProcessName").value)
                     .TextMatrix(Row, .ColIndex("BDet_BandNo")) = (rs!ID & "")
                  
                     .TextMatrix(Row, .ColIndex("BDet_Qun")) = IIf(IsNull(rs.Fields("TContractDet_Qun").value), "", rs.Fields("TContractDet_Qun").value)
                     .TextMatrix(Row, .ColIndex("BDet_Price")) = IIf(IsNull(rs.Fields("BDet_Price").value), "", rs.Fields("BDet_Price").value)
                     .TextMatrix(Row, .ColIndex("Total")) = IIf(IsNull(rs.Fields("Total").value), "", rs.Fields("Total").value)
                     
                                       .TextMatrix(Row, .ColIndex("SalPrice")) = IIf(IsNull(rs.Fields("SalPrice").value), "", rs.Fields("SalPrice").value)
                    .TextMatrix(Row, .ColIndex("InstallPrice")) = IIf(IsNull(rs.Fields("InstallPrice").value), "", rs.Fields("InstallPrice").value)
                    .TextMatrix(Row, .ColIndex("TotalSalPrice")) = IIf(IsNull(rs.Fields("TotalSalPrice").value), "", rs.Fields("TotalSalPrice").value)
                    .TextMatrix(Row, .ColIndex("TotalInstallPrice")) = IIf(IsNull(rs.Fields("TotalInstallPrice").value), "", rs.Fields("TotalInstallPrice").value)

                  
'                Else
'                   ' .TextMatrix(Row, .ColIndex("TConID")) = ""
'                    .TextMatrix(Row, .ColIndex("NameE")) = ""
'                    .TextMatrix(Row, .ColIndex("Name")) = ""
'                    .TextMatrix(Row, .ColIndex("DayMeter")) = ""
'                End If

      Case "NameE"
'        StrAccountCode = .ComboData
'                LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("TConID"), False, True)
'                .TextMatrix(Row, .ColIndex("TConID")) = StrAccountCode
'
'
'               StrSQL = "Select dbo.Tbl_TradingContractDet.ID,dbo.Tbl_TradingContractDet.TContractDet_TContractID, dbo.TblProcessDEF.ProcessName,"
'               StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE , dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID"
'               StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
'               StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
'               StrSQL = StrSQL & " where ID = '" & val(.TextMatrix(Row, .ColIndex("TConID"))) & "'"
'               StrSQL = StrSQL & " And Tbl_TradingContractDet.TContractDet_TContractID = '" & txtTradingContractID.Text & "'"
'
'                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText
'                 .TextMatrix(Row, .ColIndex("Name")) = IIf(IsNull(rs.Fields("ProcessName").value), "", rs.Fields("ProcessName").value)
'                 .TextMatrix(Row, .ColIndex("BDet_BandNo")) = IIf(IsNull(rs.Fields("ID").value), "", rs.Fields("ID").value)
'                 .TextMatrix(Row, .ColIndex("DayMeter")) = IIf(IsNull(rs.Fields("Interval").value), "", rs.Fields("Interval").value)
                    

           Case "BDet_BandNo"
              
             StrSQL = "Select dbo.Tbl_TradingContractDet.ID, Tbl_TradingContractDet.TContractDet_Qun,dbo.Tbl_TradingContractDet.TContractDet_TContractID, dbo.TblProcessDEF.ProcessName,Tbl_TradingContractDet.ProcessDEFID,"
                StrSQL = StrSQL & " isNull(Tbl_TradingContractDet.TContractDet_SalPrice,0) + IsNull(Tbl_TradingContractDet.TContractDet_InstallPrice,0)  BDet_Price,"
                StrSQL = StrSQL & " TContractDet_SalPrice SalPrice,TContractDet_InstallPrice InstallPrice,TContractDet_TotalSalPrice TotalSalPrice,TContractDet_TotalInstallPrice TotalInstallPrice,"
                StrSQL = StrSQL & " IsNull(Tbl_TradingContractDet.TContractDet_TotalSalPrice,0) + IsNull(Tbl_TradingContractDet.TContractDet_TotalInstallPrice,0)  Total, dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID,"
             
               StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE , dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID"
               StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
               StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
               StrSQL = StrSQL & " where ID = '" & .Cell(flexcpText, Row, Col) & "'"
               StrSQL = StrSQL & " And Tbl_TradingContractDet.TContractDet_TContractID = " & val(txtTradingContractID.Text)
               
                 rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText
                 
                 .TextMatrix(Row, .ColIndex("Name")) = IIf(IsNull(rs.Fields("ProcessName").value), "", rs.Fields("ProcessName").value)
                 .TextMatrix(Row, .ColIndex("NameE")) = IIf(IsNull(rs.Fields("ProcessNameE").value), "", rs.Fields("ProcessNameE").value)
               
                .TextMatrix(Row, .ColIndex("BDet_Qun")) = IIf(IsNull(rs.Fields("TContractDet_Qun").value), "", rs.Fields("TContractDet_Qun").value)
                 .TextMatrix(Row, .ColIndex("TConID")) = IIf(IsNull(rs.Fields("ProcessDEFID").value), "", rs.Fields("ProcessDEFID").value)
                    .TextMatrix(Row, .ColIndex("SalPrice")) = IIf(IsNull(rs.Fields("SalPrice").value), "", rs.Fields("SalPrice").value)
                    .TextMatrix(Row, .ColIndex("InstallPrice")) = IIf(IsNull(rs.Fields("InstallPrice").value), "", rs.Fields("InstallPrice").value)
                    .TextMatrix(Row, .ColIndex("TotalSalPrice")) = IIf(IsNull(rs.Fields("TotalSalPrice").value), "", rs.Fields("TotalSalPrice").value)
                    .TextMatrix(Row, .ColIndex("TotalInstallPrice")) = IIf(IsNull(rs.Fields("TotalInstallPrice").value), "", rs.Fields("TotalInstallPrice").value)
                 
                 
                .TextMatrix(Row, .ColIndex("BDet_Price")) = IIf(IsNull(rs.Fields("BDet_Price").value), "", rs.Fields("BDet_Price").value)
                .TextMatrix(Row, .ColIndex("Total")) = IIf(IsNull(rs.Fields("Total").value), "", rs.Fields("Total").value)
                .TextMatrix(Row, .ColIndex("BDet_BandNo")) = rs!ID & ""
              Case "TConID"
                           StrSQL = "Select dbo.Tbl_TradingContractDet.ID,Tbl_TradingContractDet.TContractDet_Qun,dbo.Tbl_TradingContractDet.TContractDet_TContractID, dbo.TblProcessDEF.ProcessName,Tbl_TradingContractDet.ProcessDEFID,"
                    StrSQL = StrSQL & " TContractDet_SalPrice SalPrice,TContractDet_InstallPrice InstallPrice,TContractDet_TotalSalPrice TotalSalPrice,TContractDet_TotalInstallPrice TotalInstallPrice,"
                    StrSQL = StrSQL & " isNull(Tbl_TradingContractDet.TContractDet_SalPrice,0) + IsNull(Tbl_TradingContractDet.TContractDet_InstallPrice,0)  BDet_Price,"
                    StrSQL = StrSQL & " IsNull(Tbl_TradingContractDet.TContractDet_TotalSalPrice,0) + IsNull(Tbl_TradingContractDet.TContractDet_TotalInstallPrice,0)  Total, dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID,"
                    
                    StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE , dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID"
                    StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
                    StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
                    StrSQL = StrSQL & " where ProcessDEFID = '" & .Cell(flexcpText, Row, Col) & "'"
                    StrSQL = StrSQL & " And Tbl_TradingContractDet.TContractDet_TContractID = " & val(txtTradingContractID.Text)
                    If .TextMatrix(Row, .ColIndex("BDet_BandNo")) <> "" Then
                    '    StrSQL = StrSQL & " and ID = '" & .TextMatrix(Row, .ColIndex("BDet_BandNo")) & "'"
                    End If
               
                 rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText
                 If Not rs.EOF Then
                    .TextMatrix(Row, .ColIndex("Name")) = IIf(IsNull(rs.Fields("ProcessName").value), "", rs.Fields("ProcessName").value)
                    .TextMatrix(Row, .ColIndex("NameE")) = IIf(IsNull(rs.Fields("ProcessNameE").value), "", rs.Fields("ProcessNameE").value)
                    .TextMatrix(Row, .ColIndex("BDet_Qun")) = IIf(IsNull(rs.Fields("TContractDet_Qun").value), "", rs.Fields("TContractDet_Qun").value)
                    .TextMatrix(Row, .ColIndex("BDet_BandNo")) = rs!ID & ""
                     .TextMatrix(Row, .ColIndex("BDet_Price")) = IIf(IsNull(rs.Fields("BDet_Price").value), "", rs.Fields("BDet_Price").value)
                     
                    .TextMatrix(Row, .ColIndex("SalPrice")) = IIf(IsNull(rs.Fields("SalPrice").value), "", rs.Fields("SalPrice").value)
                    .TextMatrix(Row, .ColIndex("InstallPrice")) = IIf(IsNull(rs.Fields("InstallPrice").value), "", rs.Fields("InstallPrice").value)
                    .TextMatrix(Row, .ColIndex("TotalSalPrice")) = IIf(IsNull(rs.Fields("TotalSalPrice").value), "", rs.Fields("TotalSalPrice").value)
                    .TextMatrix(Row, .ColIndex("TotalInstallPrice")) = IIf(IsNull(rs.Fields("TotalInstallPrice").value), "", rs.Fields("TotalInstallPrice").value)
                     
                     .TextMatrix(Row, .ColIndex("Total")) = IIf(IsNull(rs.Fields("Total").value), "", rs.Fields("Total").value)

                End If
                Case "BDet_Qun", "SalPrice", "InstallPrice"
                    .TextMatrix(Row, .ColIndex("TotalInstallPrice")) = val(.TextMatrix(Row, .ColIndex("InstallPrice"))) * val(.TextMatrix(Row, .ColIndex("BDet_Qun")))
                    .TextMatrix(Row, .ColIndex("TotalSalPrice")) = val(.TextMatrix(Row, .ColIndex("SalPrice"))) * val(.TextMatrix(Row, .ColIndex("BDet_Qun")))
                    .TextMatrix(Row, .ColIndex("Total")) = val(.TextMatrix(Row, .ColIndex("TotalSalPrice"))) + val(.TextMatrix(Row, .ColIndex("TotalInstallPrice")))
                 '.TextMatrix(Row, .ColIndex("TConID")) = IIf(IsNull(rs.Fields("ProcessDEFID").value), "", rs.Fields("ProcessDEFID").value)
               
  End Select

CalculteValueAdded Row, 21
CalcTotal
        If Row = .Rows - 1 Then
            .Rows = .Rows + 1
        End If

End With


'ReLineGrid

ErrTrap:
End Sub



Private Sub GRID2_BeforeEdit(ByVal Row As Long, ByVal Col As Long, Cancel As Boolean)

With GRID2

   Select Case .ColKey(Col)
        Case "Qun", "BDet_Price", "BDet_Qun", "SalPrice", "InstallPrice"
        .ComboList = ""
           Case "NoteNo"
        .ComboList = ""
        Case "DayMeter"
        .ComboList = ""
        Case "Name"
       ' Cancel = True
       Case Else
            Cancel = True
        End Select
        
    End With
 
End Sub

Private Sub grid2_StartEdit(ByVal Row As Long, ByVal Col As Long, Cancel As Boolean)
    If txtTradingContractID.Text = "" Then
    MsgBox "«Œ — «·« ›«ﬁÌÂ «Ê·« "
    Exit Sub
    End If
    
    Dim rs As New ADODB.Recordset
    Dim StrSQL  As String
    Dim StrAccountType As String
    Dim StrComboList As String
    Dim Msg As String
    Dim StrAccountCode As String
    Dim StrAccountCode1 As String

    Dim ClsAcc As New ClsAccounts
    Dim LngRow As Long

    With GRID2

        Select Case .ColKey(Col)
 
            Case "EmpName"
             .TextMatrix(Row, .ColIndex("EmpName")) = ""
                StrSQL = "select * from TblEmployee"
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = GRID2.BuildComboList(rs, "Emp_Name", "Emp_ID")
                Else
                    StrComboList = GRID2.BuildComboList(rs, "Emp_Namee", "Emp_ID")
                End If
       
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
   
             Case "Forman"
                StrSQL = "select * from TblEmployee"
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = GRID2.BuildComboList(rs, "Emp_Name", "Emp_ID")
                Else
                    StrComboList = GRID2.BuildComboList(rs, "Emp_Namee", "Emp_ID")
                End If
       
                If StrComboList <> "" Then
                   StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
                 
               Case "TechMan"
                StrSQL = "select * from TblEmployee"
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = GRID2.BuildComboList(rs, "Emp_Name", "Emp_ID")
                Else
                    StrComboList = GRID2.BuildComboList(rs, "Emp_Namee", "Emp_ID")
                End If
                
                If StrComboList <> "" Then
                   StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
                
         
                Case "Name"
                
               StrSQL = "Select dbo.Tbl_TradingContractDet.ID,dbo.Tbl_TradingContractDet.TContractDet_TContractID,dbo.TblProcessDEF.TblProcessDEFID, dbo.TblProcessDEF.ProcessName,"
               StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE , dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID"
               StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
               StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
               StrSQL = StrSQL & " Where TContractDet_TContractID = '" & txtTradingContractID.Text & "'"
                 
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText
                 StrComboList = GRID2.BuildComboList(rs, "ProcessName", "TblProcessDEFID")
  
                
                If StrComboList <> "" Then
                   StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
                 
                
               Case "NameE"
            
               StrSQL = "Select dbo.Tbl_TradingContractDet.ID,dbo.Tbl_TradingContractDet.TContractDet_TContractID,dbo.TblProcessDEF.TblProcessDEFID, dbo.TblProcessDEF.ProcessName,"
               StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE , dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID"
               StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
               StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
               StrSQL = StrSQL & " Where TContractDet_TContractID = '" & txtTradingContractID.Text & "'"
                
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                StrComboList = GRID2.BuildComboList(rs, "ProcessNameE", "TblProcessDEFID")
                
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                .ComboList = StrComboList
   
    
          Case "NoteNo"
            
               StrSQL = "Select dbo.Tbl_TradingContractDet.ID,dbo.Tbl_TradingContractDet.TContractDet_TContractID,dbo.TblProcessDEF.TblProcessDEFID, dbo.TblProcessDEF.ProcessName,"
               StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE , dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID"
               StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
               StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
               StrSQL = StrSQL & " Where TContractDet_TContractID = '" & txtTradingContractID.Text & "'"
                
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                StrComboList = GRID2.BuildComboList(rs, "TblProcessDEFID", "ID")
                'StrComboList = Grid2.BuildComboList(rs, "ID", "ID")
                
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                .ColComboList(Col) = StrComboList
                
            Case "TConID"
            
               StrSQL = "Select dbo.Tbl_TradingContractDet.ID,dbo.Tbl_TradingContractDet.TContractDet_TContractID,dbo.TblProcessDEF.TblProcessDEFID, dbo.TblProcessDEF.ProcessName,"
               StrSQL = StrSQL & " dbo.TblProcessDEF.ProcessNameE , dbo.TblProcessDEF.interval, dbo.TblProcessDEF.IntervalID"
               StrSQL = StrSQL & " FROM  dbo.Tbl_TradingContractDet INNER JOIN"
               StrSQL = StrSQL & " dbo.TblProcessDEF ON dbo.Tbl_TradingContractDet.ProcessDEFID = dbo.TblProcessDEF.TblProcessDEFID"
               StrSQL = StrSQL & " Where TContractDet_TContractID = '" & txtTradingContractID.Text & "'"
                
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                StrComboList = GRID2.BuildComboList(rs, "TblProcessDEFID", "TblProcessDEFID")
                'StrComboList = Grid2.BuildComboList(rs, "ID", "ID")
                
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                .ColComboList(Col) = StrComboList


        End Select

    End With
    'ReLineGrid
    

End Sub


 

 
 


 

  


  
Private Sub DcCustmer2_Click(Area As Integer)
  Dim My_SQL As String

    My_SQL = "  select CusID,CusName,TT.ID from TblCustemers  "
    
    My_SQL = My_SQL & " INNER  JOIN Tbl_TradingContract TT ON TblCustemers.CusID =TT.TContract_CustID "
    My_SQL = My_SQL & " Where TT.TContract_CustID =  " & val(DcCustmer2.BoundText)
    My_SQL = My_SQL & " And IsNull(IsCanceld,0) <> 1"
    My_SQL = My_SQL & " order by CusName "
    Dim rsDummy As New ADODB.Recordset
    rsDummy.Open My_SQL, Cn, adOpenStatic, adLockOptimistic, adCmdText
    If Not rsDummy.EOF Then
        txtTradingContractID = rsDummy!ID & ""
    End If
End Sub

Private Sub ISButton3_Click()
GRID2.AddItem 1
End Sub

Private Sub PushButton3_Click()
    GetContractData4
End Sub

Private Sub txtCount_Change()
    CalcTotal4
End Sub

Private Sub txtDiscPercent_Change()
    If val(txtDiscPercent) <> 0 Then
        txtDiscValue = val(txtTotalValue) * val(txtDiscPercent) / 100
        CalcTotal4
    End If
End Sub

Private Sub txtDiscValue_Validate(Cancel As Boolean)
txtDiscPercent = Round(val(txtDiscValue) / val(txtTotalValue) * 100, 2)
CalcTotal4 True
End Sub

Private Sub txtTradingContractID_KeyPress(KeyAscii As Integer)
Dim TContractCustID As Double

If txtTradingContractID.Text = "" Then Exit Sub

If KeyAscii = vbKeyReturn Then
Get_TradingContractinfo txtTradingContractID.Text, TContractCustID, 0

If TContractCustID = 0 Then
    txtTradingContractID.Text = ""
End If
DcCustmer2.BoundText = TContractCustID
End If
End Sub

Private Sub txtTradingContractID_KeyUp(KeyCode As Integer, Shift As Integer)
If KeyCode = vbKeyF3 Then
Dim TContractCustID As Double
 FrmProjectSearch.C1Tab1 = 4
 FrmProjectSearch.Label11.Caption = 1
 FrmProjectSearch.Caption = "»ÕÀ «·« ›«ﬁÌ«  "
 FrmProjectSearch.show vbModal
 
' Get_TradingContractinfo txtTradingContractID.Text, TContractCustID, 0


'DcCustmer.BoundText = TContractCustID
    End If

End Sub


 


Private Sub cmbRecType_Validate(Index As Integer, Cancel As Boolean)
    grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("FixedAssetsName2")) = True
    grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("GroupName2")) = True
    If cmbRecType(mIndex).ListIndex <> 1 Then
        Dim i As Integer
        For i = 1 To grd2(mIndex).Rows - 1
            grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("FixedAssetsID2")) = ""
            grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("FixedAssetsName2")) = ""
            grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("GroupName2")) = ""
            grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("GroupID2")) = ""
            
            grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("FixedAssetsName2")) = True
            grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("GroupName2")) = True
        Next
       
                   
        
    Else
        grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("FixedAssetsName2")) = False
        grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("GroupName2")) = False
        
    End If
     If Index = 1 Then
            
            Select Case cmbRecType(mIndex).ListIndex
            Case 0, 1, 2
                Contract_period.ListIndex = 2
            Case 3
                Contract_period.ListIndex = 0
            Case 4
                Contract_period.ListIndex = 1
            End Select
           CalcContractIntervalAuto
        End If
End Sub

Private Sub Cmd_DeleteAll_Click(Index As Integer)
If Me.TxtModFlg.Text <> "R" Then

    If Index = 3 Then
        GRID2.Rows = 1
        GRID2.Rows = 2
    Else
        grd2(mIndex).Rows = 1
        grd2(mIndex).Rows = 2
    End If

End If
End Sub

Private Sub Cmd_DeleteRow_Click(Index As Integer)
If Me.TxtModFlg.Text <> "R" Then
If Index = 3 Then
    RemoveGridRow4
Else
    RemoveGridRow
End If


End If
End Sub
Private Sub RemoveGridRow()

    With Me.grd2(mIndex)
'MsgBox .Row
        If .Row <= 0 Then
                .Rows = 2
        Exit Sub
        Else
        .RemoveItem .Row
        End If
    End With
End Sub

Private Sub RemoveGridRow4()

    With Me.GRID2
'MsgBox .Row
        If .Row <= 0 Then
                .Rows = 2
        Exit Sub
        Else
        .RemoveItem .Row
        End If
    End With
End Sub

Private Sub btn_Cancel_Click(Index As Integer)

   Unload Me
End Sub

Private Sub btn_Delete_Click(Index As Integer)
   Dim MSGType As Integer
   Dim StrSQL As String
    Dim BlnRecExist As Boolean
    Dim StrMSG  As String
    Dim Msg As String
    On Error GoTo ErrTrap
    
If Index = 3 Then

If TxtNoteSerial <> "" Then
MsgBox "·« Ì„ﬂ‰ «·Õ–› «Ê «· ⁄œÌ· «·« »⁄œ Õ–› «·ﬁÌœ"
Exit Sub
End If

End If


If Index = 3 Then

    If TxtNoteSerial <> "" Then
        MsgBox "·« Ì„ﬂ‰ «·Õ–› «Ê «· ⁄œÌ· «·« »⁄œ Õ–› «·ﬁÌœ"
        Exit Sub
    End If
ElseIf Index = 1 Then
    If TxtNoteSerial2 <> "" Then
        MsgBox "·« Ì„ﬂ‰ «·Õ–› «Ê «· ⁄œÌ· «·« »⁄œ Õ–› «·ﬁÌœ"
        Exit Sub
    End If
ElseIf Index = 4 Then
    If TxtNoteSerial4 <> "" Then
        MsgBox "·« Ì„ﬂ‰ «·Õ–› «Ê «· ⁄œÌ· «·« »⁄œ Õ–› «·ﬁÌœ"
        Exit Sub
    End If
End If
    'Index = TabMain.CurrTab
    'If DoPremis(Do_Delete, Me.name, True) = False Then
    '    Exit Sub
    'End If
    If TxtSerial1(mIndex).Text <> "" Then
        '    If CheckDelCountry(Val(Me.TxtVac_ID.text)) = False Then
        '        Msg = "·«Ì„ﬂ‰ Õ–› Â–« «·”Ã·...!!!"
        '        MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.Title
        '        Exit Sub
        '    End If
        If SystemOptions.UserInterface = ArabicInterface Then
        MSGType = MsgBox("Â·  —€» ›Ì Õ–› Â–« «·”Ã·", vbQuestion + vbMsgBoxRtlReading + vbYesNo + vbMsgBoxRight, App.title)
        Else
        MSGType = MsgBox("Confirm Delete", vbQuestion + vbMsgBoxRtlReading + vbYesNo + vbMsgBoxRight, App.title)
        End If

        If MSGType = vbYes Then
            RsSavRec.Find "id=" & val(TxtSerial1(mIndex).Text), , adSearchForward, 1
            CuurentLogdata ("D")
            RsSavRec.delete
            Dim s As String
            If mIndex = 1 Then
                s = " Delete From ContainerContractsDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
            ElseIf mIndex = 2 Then
                s = " Delete From ContainerContractsRecDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
            ElseIf mIndex = 3 Then
                s = " Delete From Tbl_TradingContractInvDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
                StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & val(Me.TxtNoteID.Text)
                Cn.Execute StrSQL, , adExecuteNoRecords
                StrSQL = "Delete From Notes Where NoteID=" & val(Me.TxtNoteID.Text)
                Cn.Execute StrSQL, , adExecuteNoRecords
        
            End If
            
            Cn.Execute s
            If SystemOptions.UserInterface = ArabicInterface Then
            MsgBox " „  ⁄„·Ì… «·Õ–› »‰Ã«Õ", vbInformation + vbMsgBoxRtlReading + vbOKOnly + vbMsgBoxRight, App.title
            Else
            MsgBox "Delete Successfully", vbInformation + vbMsgBoxRtlReading + vbOKOnly + vbMsgBoxRight, App.title
            End If
            '------------------------------ Move Next ---------------------------.
            
            btn_Next_Click mIndex
        End If
    End If

    Exit Sub
ErrTrap:
 
    Select Case Err.Number

        Case -2147217873, -2147467259
        If SystemOptions.UserInterface = ArabicInterface Then
            StrMSG = "⁄›Ê« ·« ÌÃÊ“ Õ–› «·”Ã· ·«— »«ÿÂ »»Ì«‰«  √Œ—Ì"
            Else
            StrMSG = "Sorry you can not delete the record of its connection with other data"
            End If
            RsSavRec.CancelUpdate
            MsgBox StrMSG, vbOKOnly + vbMsgBoxRight, App.title
            'clear the ConnectiOn Errors
            Cn.Errors.Clear
    End Select

End Sub

Private Sub btn_First_Click(Index As Integer)
  On Error GoTo ErrTrap

    Dim Msg As String

  
    If Me.TxtModFlg2(mIndex).Text = "N" Then
        FindRec val(TxtSerial1(mIndex).Text)
        TxtModFlg2(mIndex).Text = "R"
    End If

    TxtModFlg2(mIndex) = "R"

    If RsSavRec.RecordCount = 0 Then
        clear_all Me
        Exit Sub
    End If

BegnieWork:
    RsSavRec.MoveFirst
    If mIndex = 1 Then
        FiLLTXT1
    ElseIf mIndex = 2 Then
        FiLLTXT2
    ElseIf mIndex = 3 Then
        FiLLTXT3
  ElseIf mIndex = 4 Then
        FiLLTXT4
    End If

    Exit Sub

ErrTrap:

    Select Case Err.Number

        Case -2147217885
        If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê« ·ﬁœ  „ Õ–› Â–« «·”Ã· " & CHR(13)
            Msg = Msg & "„‰ ﬁ»· „” Œœ„ √Œ— ⁄·Ï «·‘»ﬂ… " & CHR(13)
            Msg = Msg & "”Ê› Ì „  ÕœÌÀ «·»Ì«‰« "
          Else
            Msg = "Sorry I have been deleted the record" & CHR(13)
            Msg = Msg & "By another user on the network " & CHR(13)
            Msg = Msg & "Data will be updated"
        End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
            RsSavRec.Requery
            Resume BegnieWork
    End Select
End Sub

Private Sub btn_Modify_Click(Index As Integer)
    Dim Msg As String

    If DoPremis(Do_Edit, Me.Name, True) = False Then
        Exit Sub
    End If

    On Error GoTo ErrTrap

If Index = 3 Then

    If TxtNoteSerial <> "" Then
        MsgBox "·« Ì„ﬂ‰ «·Õ–› «Ê «· ⁄œÌ· «·« »⁄œ Õ–› «·ﬁÌœ"
        Exit Sub
    End If
ElseIf Index = 1 Then
    If TxtNoteSerial2 <> "" Then
        MsgBox "·« Ì„ﬂ‰ «·Õ–› «Ê «· ⁄œÌ· «·« »⁄œ Õ–› «·ﬁÌœ"
        Exit Sub
    End If
ElseIf Index = 4 Then
    If TxtNoteSerial4 <> "" Then
        MsgBox "·« Ì„ﬂ‰ «·Õ–› «Ê «· ⁄œÌ· «·« »⁄œ Õ–› «·ﬁÌœ"
        Exit Sub
    End If
End If

    If TxtSerial1(mIndex).Text <> "" Then
        TxtModFlg2(mIndex) = "E"
    
        Frm2.Enabled = True
        DcCustmer(mIndex).SetFocus
    End If

    Exit Sub
ErrTrap:

    Select Case Err.Number

        Case -2147467259
            'Could not update; currently locked.
           If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê«" & CHR(13)
            Msg = Msg & " ·«Ì„ﬂ‰  ⁄œÌ· Â–« «·”Ã· ›Ï «·Êﬁ  «·Õ«·Ï" & CHR(13)
            Msg = Msg & "ÕÌÀ «‰Â ﬁÌœ «· ⁄œÌ· „‰ ﬁ»· „” Œœ„ «Œ— ⁄·Ï «·‘»ﬂ…"
           Else
            Msg = "Sorry" & CHR(13)
            Msg = Msg & " You can not edit this record now" & CHR(13)
            Msg = Msg & "Where it was being edited by another user on the network"
           End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
        
            If RsSavRec.EditMode <> adEditNone Then
                RsSavRec.CancelUpdate
                'RsSavRec.Requery
            End If

    End Select

End Sub

Public Sub btn_New_Click(Index As Integer)
    Dim My_SQL As String
    Dim rs As ADODB.Recordset

    If DoPremis(Do_New, Me.Name, True) = False Then
        Exit Sub
    End If

    On Error GoTo ErrTrap
    Set rs = New ADODB.Recordset
    Frm2.Enabled = True
    clear_all Me
    TxtModFlg2(mIndex).Text = "N"
    If mIndex = 1 Then
        My_SQL = "ContainerContracts"
        DCboUserName(mIndex) = user_id
Dcbranch(mIndex) = Current_branch
        grd2(mIndex).Rows = 1
        grd2(mIndex).Rows = 2
        grd2(mIndex).TextMatrix(1, grd2(mIndex).ColIndex("FixedAssetsID")) = FixedAssetsID
        grd2(mIndex).TextMatrix(1, grd2(mIndex).ColIndex("FixedAssetsName")) = FixedAssetsName
        
        StrDate.value = XPDtbTrans.value
        StrDate.value = Date
        EndDate.value = Date
        Contract_period.ListIndex = 1
        Contract_period_no.Text = 1
        
        s = " SELECT FixedAssetsGroup.GroupName,FixedAssetsGroup.GroupID"
        s = s & " FROM FixedAssetsGroup INNER JOIN FixedAssets ON FixedAssetsGroup.GroupID = FixedAssets.group_id"
        s = s & " WHERE  FixedAssets.id =" & FixedAssetsID
        Dim rsDumy As New ADODB.Recordset
        rsDumy.Open s, Cn, adOpenStatic, adLockReadOnly
        If Not rsDumy.EOF Then
            grd2(mIndex).TextMatrix(1, grd2(mIndex).ColIndex("GroupID")) = rsDumy!GroupID & ""
            grd2(mIndex).TextMatrix(1, grd2(mIndex).ColIndex("GroupName")) = rsDumy!GroupName & ""
            
        End If
    ElseIf mIndex = 2 Then
        My_SQL = "ContainerContractsRec"
        DCboUserName(mIndex) = user_id
        grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("FixedAssetsName2")) = True
        grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("GroupName2")) = True
        
    ElseIf mIndex = 3 Then
        
        My_SQL = "Tbl_TradingContractInv"
        DCboUserName(mIndex) = user_id
        Dcbranch(3).BoundText = Current_branch
    ElseIf mIndex = 4 Then
        
        My_SQL = "ContainerUnloading"
        DCboUserName(mIndex) = user_id
        Dcbranch(mIndex).BoundText = Current_branch
   
    End If
'    rs.Open My_SQL, Cn, adOpenKeyset, adLockOptimistic, adCmdTable
'
''    If rs.RecordCount > 0 Then
''        TxtSerial1(mIndex).Text = rs.RecordCount + 1
''    Else
''        TxtSerial1(mIndex).Text = 1
''    End If
'
'    rs.Close
    'CmbType.ListIndex = 0
    'TxtVacName.SetFocus
ErrTrap:

End Sub

Private Sub Contract_period_Change()
CalcContractIntervalAuto
End Sub

Private Sub Contract_period_no_KeyPress(KeyAscii As Integer)
    KeyAscii = KeyAscii_Num(KeyAscii, Contract_period_no.Text, 0)
End Sub
Private Sub Contract_period_no_Change()
CalcContractIntervalAuto

End Sub
Private Sub btn_Next_Click(Index As Integer)
On Error GoTo ErrTrap
    Dim Msg As String

    If Me.TxtModFlg2(mIndex).Text = "N" Then
        FindRec val(TxtSerial1(mIndex).Text)
        TxtModFlg2(mIndex).Text = "R"
    End If

    TxtModFlg2(mIndex) = "R"

    If RsSavRec.RecordCount = 0 Then
        clear_all Me
        Exit Sub
    End If

BegnieWork:

    If RsSavRec.EOF Then
        RsSavRec.MoveLast
    Else
        RsSavRec.MoveNext

        If RsSavRec.EOF Then
            RsSavRec.MoveLast
        End If
    End If

    If mIndex = 1 Then
        FiLLTXT1
    ElseIf mIndex = 2 Then
        FiLLTXT2
    ElseIf mIndex = 3 Then
        FiLLTXT3
ElseIf mIndex = 4 Then
        FiLLTXT4
    End If
    Exit Sub
ErrTrap:

    Select Case Err.Number

        Case -2147217885
        If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê« ·ﬁœ  „ Õ–› Â–« «·”Ã· " & CHR(13)
            Msg = Msg & "„‰ ﬁ»· „” Œœ„ √Œ— ⁄·Ï «·‘»ﬂ… " & CHR(13)
            Msg = Msg & "”Ê› Ì „  ÕœÌÀ «·»Ì«‰« "
        Else
            Msg = "Sorry I have been deleted the  record" & CHR(13)
            Msg = Msg & "By another user on the network " & CHR(13)
            Msg = Msg & "Data will be updated"
        End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
            RsSavRec.Requery
            Resume BegnieWork
    End Select
End Sub

Private Sub btn_Previous_Click(Index As Integer)
  On Error GoTo ErrTrap
    Dim Msg As String

    If TxtModFlg2(mIndex).Text = "N" Then
        FindRec val(TxtSerial1(mIndex).Text)
        TxtModFlg2(mIndex).Text = "R"
    End If

    Me.TxtModFlg2(mIndex) = "R"

    If RsSavRec.RecordCount = 0 Then
        clear_all Me
        Exit Sub
    End If

BegnieWork:

    RsSavRec.MovePrevious

    If RsSavRec.BOF Then
        RsSavRec.MoveFirst
    End If

    If mIndex = 1 Then
        FiLLTXT1
    ElseIf mIndex = 2 Then
        FiLLTXT2
    ElseIf mIndex = 3 Then
        FiLLTXT3
ElseIf mIndex = 4 Then
        FiLLTXT4
    End If
    Exit Sub
ErrTrap:

    Select Case Err.Number

        Case -2147217885
        If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê« ·ﬁœ  „ Õ–› Â–« «·”Ã· " & CHR(13)
            Msg = Msg & "„‰ ﬁ»· „” Œœ„ √Œ— ⁄·Ï «·‘»ﬂ… " & CHR(13)
            Msg = Msg & "”Ê› Ì „  ÕœÌÀ «·»Ì«‰« "
             Else
            Msg = "Sorry I have been deleted the  record" & CHR(13)
            Msg = Msg & "By another user on the network " & CHR(13)
            Msg = Msg & "Data will be updated"
        End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
            RsSavRec.Requery
            Resume BegnieWork
    End Select
End Sub

Private Sub Btn_Print_Click(Index As Integer)
  If mIndex = 1 Or mIndex = 2 Or mIndex = 4 Then
    
    PrintRercord
ElseIf mIndex = 3 Then
    PrintRercord2
End If
End Sub

Private Sub PrintRercord2()
  Dim MySQL As String
    Dim RsData As New ADODB.Recordset
    Dim xApp As New CRAXDRT.Application
    Dim xReport As CRAXDRT.Report
    Dim CViewer As ClsReportViewer
    Dim StrReportTitle As String
    Dim StrFileName As String
    Dim Msg As String
 
'--------------------------------------------------------------------------------------------
   
   
    Dim mTableName As String, mTableName2 As String
   
  
    
    
     s = "Select TblProcessDEF.ProcessName GroupName,Det.SalPrice Price,Det.InstallPrice widtj,Det.TotalSalPrice TotalDisc,"
    s = s & "    Det.TotalSalPrice TotalDisc,TT.NoteSerial1 NoteSerial11,TT.RecordDate,TT.TradingContractID  TransactionID1, "
    s = s & "     Det.TotalInstallPrice TotalAdd,Det.BDet_Qun Qty1,"
    s = s & "     Det.Total TotalWithVat,"
    s = s & "     Det.Vatyo hight,"
    s = s & "     Det.Vat2,Det.TotalNet Net"
    
    s = s & "  "
    s = s & " From Tbl_TradingContractInv  TT Inner Join Tbl_TradingContractInvDet Det On Det.MasterID = TT.ID"
    s = s & "  Left Outer join TblProcessDEF On TblProcessDEF.TblProcessDEFID =Det.TConID "
    s = s & " Where TT.ID = " & val(TxtSerial1(mIndex))

      
   
        
        
         
            If SystemOptions.UserInterface = ArabicInterface Then
                StrFileName = App.path & "\REPORTS\REPORTS NEW\" & "TradingContractInv.rpt"
            Else
                StrFileName = App.path & "\REPORTS\REPORTS NEW\" & "TradingContractInv.rpt"
            End If
       
    If Dir(StrFileName) = "" Then
        'GetMsgs 139, vbExclamation
        Screen.MousePointer = vbDefault
        Exit Sub
    End If

    Set RsData = New ADODB.Recordset
    RsData.Open s, Cn, adOpenStatic, adLockReadOnly, adCmdText

    If RsData.BOF Or RsData.EOF Then
        'GetMsgs 138, vbExclamation
        If SystemOptions.UserInterface = ArabicInterface Then
        Msg = "·« ÊÃœ »Ì«‰«  ··⁄—÷"
        Else
        Msg = "No Data"
        End If
        MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
        RsData.Close
        Set RsData = Nothing
        Screen.MousePointer = vbDefault
        Exit Sub
    End If

    Screen.MousePointer = vbArrowHourglass
    Set xReport = xApp.OpenReport(StrFileName)
    xReport.Database.SetDataSource RsData

    Dim cCompanyInfo As New ClsCompanyInfo

    If SystemOptions.UserInterface = ArabicInterface Then
        xReport.ParameterFields(1).AddCurrentValue cCompanyInfo.ArabCompanyName 'RPTCompany_Name_Arabic
        ' xReport.ParameterFields(2).AddCurrentValue RPTComment_Arabic
        StrReportTitle = "" '& StrAccountName

    Else
 
        xReport.ParameterFields(1).AddCurrentValue cCompanyInfo.ArabCompanyName ' RPTCompany_Name_Eng
      '  xReport.ParameterFields(2).AddCurrentValue RPTComment_Eng
        
        StrReportTitle = ""
    End If

    xReport.ParameterFields(3).AddCurrentValue user_name

xReport.ParameterFields(4).AddCurrentValue DcCustmer2.Text
        xReport.ParameterFields(7).AddCurrentValue Dcbranch(mIndex).Text
        
    xReport.reporttitle = StrReportTitle
    xReport.EnableParameterPrompting = False
    xReport.ApplicationName = App.title
    xReport.ReportAuthor = App.title
    Set CViewer = New ClsReportViewer
    CViewer.FireReport xReport, WindowTarget, "", , , , StrFileName

    RsData.Close
    Set RsData = Nothing
    Screen.MousePointer = vbDefault

End Sub


Private Sub PrintRercord()
  Dim MySQL As String
    Dim RsData As New ADODB.Recordset
    Dim xApp As New CRAXDRT.Application
    Dim xReport As CRAXDRT.Report
    Dim CViewer As ClsReportViewer
    Dim StrReportTitle As String
    Dim StrFileName As String
    Dim Msg As String
 
'--------------------------------------------------------------------------------------------
   
   
    Dim mTableName As String, mTableName2 As String
    If mIndex = 1 Then
        mTableName = "ContainerContracts"
        mTableName2 = "ContainerContractsDet"
    ElseIf mIndex = 2 Then
        mTableName = "ContainerContractsRec"
        mTableName2 = "ContainerContractsRecDet"
    ElseIf mIndex = 4 Then
        mTableName = "ContainerUnloading"
        
        
    End If
    
    
 
        If mIndex <> 4 Then
    
                    MySQL = " Select Det2.RepliesNo , TT.RecType, ContractNo = '" & txtContractNo & "',  Emp_Comm = '" & txtRecName & "', Det2.RepliesNoFree,Det2.NoDays Net ,Det2.RepliesValue , TT.ID,TT.CustID,convert(varchar(10), TT.RecordDate, 120) RecordDate,TT.CustTel,TT.BranchID,Tc.CusName,B.branch_name,"
            MySQL = MySQL & " Det2.Amount,Det2.GroupID,GroupF.GroupName,FA.Name FixedAssetsName,FA2.Name FixedAssetsName2,FA3.Name FixedAssetsName3,"
            MySQL = MySQL & " convert(varchar(10), Det2.FromDate, 120) FromDate,convert(varchar(10), Det2.ToDate , 120) ToDate ,Det2.FixedAssetsID,Det2.FixedAssetsID2,Det2.FixedAssetsID3,Det2.EmpID,Te.Emp_Name EmpName"
            If mIndex = 2 Then
                MySQL = MySQL & " ,TT.ContractNo,TT.RecName,Det2.StatusPay,TT.Address,TT.RecDate,TT.RecordTime "
            ElseIf mIndex = 1 Then
                
                MySQL = MySQL & " ,TT.Status,       TT.StrDate,       TT.EndDate,       TT.Blanks,       Tc.Mobile1 Tel,       TT.Total,       TT.Vat2,       TT.Net,       TT.Remarks "
            End If
            MySQL = MySQL & " from " & mTableName & "  TT"
            MySQL = MySQL & " LEFT Outer JOIN " & mTableName2 & " AS Det2 ON Det2.MasterID = TT.id"
            
            MySQL = MySQL & " LEFT Outer JOIN TblBranchesData AS b ON TT.BranchID = b.branch_id"
            MySQL = MySQL & " LEFT Outer JOIN TblCustemers AS tc ON TT.CustID = tc.CusID"
            MySQL = MySQL & " LEFT OUTER JOIN FixedAssetsGroup GroupF ON GroupF.GroupID =   Det2.groupID"
            MySQL = MySQL & " LEFT OUTER JOIN FixedAssets FA ON FA.id=   Det2.FixedAssetsID"
            MySQL = MySQL & " LEFT OUTER JOIN FixedAssets FA2 ON FA2.id=   Det2.FixedAssetsID2"
            MySQL = MySQL & " LEFT OUTER JOIN FixedAssets FA3 ON FA3.id=   Det2.FixedAssetsID3"
            MySQL = MySQL & " LEFT OUTER JOIN TblEmployee AS te  ON te.Emp_ID=   Det2.EmpId"
            MySQL = MySQL & " where 1=1 AND (NOT (TT.ID IS NULL))"
        ElseIf mIndex = 4 Then
                    MySQL = " Select ContractNo ,  TT.ID,TT.CustID,TT.CustTel,TT.BranchID,Tc.CusName,B.branch_name,"
                MySQL = MySQL & " TT.ContractNo,TT.RecordDate,TT.Remarks,TT.[Value],TT.[Count],TT.TotalValue,TT.DiscValue,TT.DiscPercent,TT.NetBDisc,TT.Vat,TT.TotalNet"
            
            MySQL = MySQL & " from " & mTableName & "  TT"

            
            MySQL = MySQL & " LEFT Outer JOIN TblBranchesData AS b ON TT.BranchID = b.branch_id"
            MySQL = MySQL & " LEFT Outer JOIN TblCustemers AS tc ON TT.CustID = tc.CusID"
            MySQL = MySQL & " where 1=1 AND (NOT (TT.ID IS NULL))"
        
        
        End If
   
        MySQL = MySQL & "  And (TT.ID =" & val(TxtSerial1(mIndex).Text) & ")"
        If mIndex = 1 Then
            If SystemOptions.UserInterface = ArabicInterface Then
                StrFileName = App.path & "\REPORTS\REPORTS NEW\" & "ContainerContracts.rpt"
            Else
                StrFileName = App.path & "\REPORTS\REPORTS NEW\" & "ContainerContracts.rpt"
            End If
        ElseIf mIndex = 2 Then
            If SystemOptions.UserInterface = ArabicInterface Then
                StrFileName = App.path & "\REPORTS\REPORTS NEW\" & "ContainerContractsRec.rpt"
            Else
                StrFileName = App.path & "\REPORTS\REPORTS NEW\" & "ContainerContractsRec.rpt"
            End If
        ElseIf mIndex = 4 Then
            If SystemOptions.UserInterface = ArabicInterface Then
                StrFileName = App.path & "\REPORTS\REPORTS NEW\" & "ContainerUnloading.rpt"
            Else
                StrFileName = App.path & "\REPORTS\REPORTS NEW\" & "ContainerUnloading.rpt"
            End If
            
        End If
    If Dir(StrFileName) = "" Then
        'GetMsgs 139, vbExclamation
        Screen.MousePointer = vbDefault
        Exit Sub
    End If

    Set RsData = New ADODB.Recordset
    RsData.Open MySQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

    If RsData.BOF Or RsData.EOF Then
        'GetMsgs 138, vbExclamation
        If SystemOptions.UserInterface = ArabicInterface Then
        Msg = "·« ÊÃœ »Ì«‰«  ··⁄—÷"
        Else
        Msg = "No Data"
        End If
        MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
        RsData.Close
        Set RsData = Nothing
        Screen.MousePointer = vbDefault
        Exit Sub
    End If

    Screen.MousePointer = vbArrowHourglass
    Set xReport = xApp.OpenReport(StrFileName)
    xReport.Database.SetDataSource RsData

    Dim cCompanyInfo As New ClsCompanyInfo

    If SystemOptions.UserInterface = ArabicInterface Then
        xReport.ParameterFields(1).AddCurrentValue cCompanyInfo.ArabCompanyName 'RPTCompany_Name_Arabic
        ' xReport.ParameterFields(2).AddCurrentValue RPTComment_Arabic
        StrReportTitle = "" '& StrAccountName

    Else
 
        xReport.ParameterFields(1).AddCurrentValue cCompanyInfo.ArabCompanyName ' RPTCompany_Name_Eng
      '  xReport.ParameterFields(2).AddCurrentValue RPTComment_Eng
        'xReport.ParameterFields(4).AddCurrentValue get_branch_name(val(my_branch))
        StrReportTitle = ""
    End If

    xReport.ParameterFields(3).AddCurrentValue user_name

    xReport.reporttitle = StrReportTitle
    xReport.EnableParameterPrompting = False
    xReport.ApplicationName = App.title
    xReport.ReportAuthor = App.title
    Set CViewer = New ClsReportViewer
    CViewer.FireReport xReport, WindowTarget, "", , , , StrFileName

    RsData.Close
    Set RsData = Nothing
    Screen.MousePointer = vbDefault

End Sub
Private Sub btn_Query_Click(Index As Integer)

If mIndex = 1 Then
    FrmProjectSearch.C1Tab1.CurrTab = 7
    FrmProjectSearch.Caption = "»ÕÀ ⁄‰ ⁄ﬁÊœ «·Õ«ÊÌ« "
    FrmProjectSearch.Indx = Index
    FrmProjectSearch.show vbModal
ElseIf mIndex = 2 Then
    FrmProjectSearch.C1Tab1.CurrTab = 7
    FrmProjectSearch.Caption = "»ÕÀ ⁄‰ «” ·«„ ⁄ﬁÊœ «·Õ«ÊÌ« "
    FrmProjectSearch.Indx = Index
    FrmProjectSearch.show vbModal
ElseIf mIndex = 3 Then
    FrmProjectSearch.C1Tab1.CurrTab = 4
    FrmProjectSearch.Caption = "»ÕÀ ⁄‰ ›Ê« Ì— « ›«ﬁÌ…"
    FrmProjectSearch.Indx = 15
    FrmProjectSearch.show vbModal
ElseIf mIndex = 4 Then
    FrmProjectSearch.C1Tab1.CurrTab = 7
    FrmProjectSearch.Caption = "»ÕÀ ⁄‰ «· ›—Ì€« "
    FrmProjectSearch.Indx = Index
    FrmProjectSearch.show vbModal
    
End If
End Sub

Private Sub btn_Save_Click(Index As Integer)
   On Error GoTo ErrTrap
    Dim Msg As String
    Dim StrVacCode As String
    Dim StrVacName As String
    Dim CtrlTxt As Control
    Dim i As Long
    '---------------------- check if data Vaclete -----------------------

    For Each CtrlTxt In Me.Controls

        If TypeOf CtrlTxt Is TextBox Or TypeOf CtrlTxt Is ComboBox Then
            If CtrlTxt.Text = "" And CtrlTxt.Tag <> "" And CtrlTxt.Enabled = True Then
                MsgBox CtrlTxt.Tag, vbOKOnly + vbMsgBoxRight, App.title
                CtrlTxt.SetFocus
                Exit Sub
            End If
        End If

    Next

If mIndex <= 2 Then
    If SystemOptions.UserInterface = ArabicInterface Then
        If DcCustmer(mIndex).Text = "" Then
            MsgBox "Ì—ÃÏ «œŒ«· «·⁄„Ì·"
            DcCustmer(mIndex).SetFocus
            Exit Sub
        End If
    Else
        If DcCustmer(mIndex).Text = "" Then
            MsgBox "Please Enter Name"
            DcCustmer(mIndex).SetFocus
            Exit Sub
        End If
    End If
End If
If mIndex = 1 Then
    If val(Contract_period_no) = 0 Then
        If SystemOptions.UserInterface = ArabicInterface Then
           MsgBox " Õœœ «·„œ… «Ê·«"
        Else
            MsgBox " Please Enter period "
        End If
        Contract_period_no.SetFocus
    End If
    If val(TxtTotal) = 0 Then
        If SystemOptions.UserInterface = ArabicInterface Then
           MsgBox " Õœœ «·„»·€ «Ê·«"
        Else
            MsgBox " Please Enter amount "
        End If
        TxtTotal.SetFocus
         Exit Sub
    End If
End If
If mIndex = 3 Or mIndex = 2 Or mIndex = 1 Or mIndex = 4 Then
     If Dcbranch(mIndex).Text = "" Then
     If SystemOptions.UserInterface = ArabicInterface Then
        MsgBox " Õœœ «·›—⁄ «Ê·«"
     Else
        MsgBox " Please Enter Branch "
     End If
        Dcbranch(mIndex).SetFocus
        Exit Sub
    End If
End If
If mIndex = 4 Then
    If Trim(txtContractNo4) = "" Then
        If SystemOptions.UserInterface = ArabicInterface Then
            MsgBox " Õœœ «·⁄ﬁœ «Ê·«"
        Else
            MsgBox " Please Enter contract no "
        End If
            txtContractNo4.SetFocus
        Exit Sub
    End If
    
    If Trim(txtValue) = "" Then
        If SystemOptions.UserInterface = ArabicInterface Then
            MsgBox " Õœœ «·ﬁÌ„… «Ê·«"
        Else
            MsgBox " Please Enter Value"
        End If
            txtValue.SetFocus
        Exit Sub
    End If
End If
    
If mIndex = 2 Or mIndex = 1 Then
    If cmbRecType(mIndex).Text = "" Then
        MsgBox "·« Ì„ﬂ‰ «·Õ›Ÿ ﬁ»· «œŒ«· «·‰Ê⁄"
        Exit Sub
    End If
    Dim j As Long
    With grd2(mIndex)
        Dim isData As String
        For i = 1 To .Rows - 1
            If isData = "" Then
                isData = Trim(.TextMatrix(i, .ColIndex("FixedAssetsName")))
            End If
            For j = 1 To .Rows - 1
                
                If .TextMatrix(i, .ColIndex("FixedAssetsID")) = .TextMatrix(j, .ColIndex("FixedAssetsID")) And i <> j Then
                    If SystemOptions.UserInterface = ArabicInterface Then
                       MsgBox "·« Ì„ﬂ‰ «·Õ›Ÿ ·«‰ «·”ÿ— —ﬁ„ " & i & " „ﬂ—— „⁄ «·”ÿ— —ﬁ„ " & j
                       Exit Sub
                    Else
                       MsgBox " Can not save because line " & i & " is repeated with line " & j
                       Exit Sub
                    End If

                End If
            Next
            
        Next
         If isData = "" Then
            If SystemOptions.UserInterface = ArabicInterface Then
                MsgBox "«œŒ· »Ì«‰«  ›Ï «·ÃœÊ· «Ê·«"
            Else
                MsgBox " Enter data in the table first "
            End If
            Exit Sub
         End If
    End With
    
End If
    '------------------------------ check if Empcode exist ----------------------

   

    ' -------------------------------------- txtmodflg type -------------------
    Select Case TxtModFlg2(mIndex).Text

            '------------------------------ new record ----------------------------
        Case "N"
      
            '------------------------- save record -----------------------------
            If mIndex < 3 Then
                AddNewRec
            ElseIf mIndex = 3 Then
                FiLLRec3
            ElseIf mIndex = 4 Then
                FiLLRec4
                
            End If
            If mIndex = 0 Then
                BtnLast_Click
            Else
                If mIndex = 3 Then
                    If Trim(TxtNoteSerial1) = "" Then
                        TxtNoteSerial1.SetFocus
                        Exit Sub
                    End If
                End If
                btn_Last_Click CInt(mIndex)
            End If

        Case "E"

            '----------------------------- save edit -------------------------------
            If mIndex = 0 Then
                FiLLRec
            ElseIf mIndex = 1 Then
                FiLLRec1
            ElseIf mIndex = 2 Then
                FiLLRec2
            ElseIf mIndex = 3 Then
                FiLLRec3
            ElseIf mIndex = 4 Then
                FiLLRec4
            End If
    End Select

    Exit Sub
ErrTrap:
If SystemOptions.UserInterface = ArabicInterface Then
    MsgBox "Â‰«ﬂ Œÿ√ „« ›Ì ≈œŒ«· «·»Ì«‰« ", vbOKOnly + vbMsgBoxRight, App.title
 Else
  MsgBox "Sorry...error douring insert data", vbOKOnly + vbMsgBoxRight, App.title
End If
 
End Sub

Private Sub Btn_Undo_Click(Index As Integer)
    Undo
End Sub

Private Sub cmdClear_Click()
txtSearchCust = ""
End Sub

Private Sub cmdopenFrmCust_Click()
    'Dim frm As FrmCustemers
    OpenScreen CustomersScreen, DcCustmer(mIndex).BoundText
End Sub

Private Sub cmdSearchCust_Click()
If Me.TxtModFlg2(mIndex).Text <> "R" Then
If val(DcCustmer(mIndex).BoundText) <> 0 Then

GetInformationCustomer 0, Trim(txtSearchCust)

End If
End If
End Sub

Private Sub Command1_Click()

OpenWebSite txtWebSite.Text
End Sub


Function CalcContractIntervalAuto()
If Me.TxtModFlg2(mIndex) = "R" Or val(Contract_period_no.Text) = 0 Then Exit Function

EndDate.value = calcenaddate(StrDate.value, val(Contract_period_no.Text), val(Contract_period.ListIndex))
  
Dim i As Long
Dim MDate As Date
For i = 1 To grd2(mIndex).Rows - 1
    If grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("FixedAssetsID")) <> "" Then
        MDate = calcenaddate(Date, val(Contract_period_no.Text), val(Contract_period.ListIndex), i)
        
    End If
Next


End Function

Private Function calcenaddate(Optional ByVal StartDate As Date = "1-1-1900", Optional ByVal interval As Integer = -1, Optional ByVal intervalvalindex As Integer = -1, Optional ByVal i As Long = -1) As Date
Dim intervalchar As String
If intervalvalindex = 0 Then
        intervalchar = "M"
 ElseIf intervalvalindex = 1 Then
      intervalchar = "YYYY"
ElseIf intervalvalindex = 2 Then
      intervalchar = "D"
        
        
        
Else
           intervalchar = "YYYY"
End If
If i = -1 Then
    calcenaddate = DateAdd(intervalchar, interval, StartDate)
Else
    Dim mFromDate As String
    Dim mToDate As String
    mFromDate = grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("FromDate"))
    If mFromDate = "" Then
        grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("FromDate")) = StrDate.value
        grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("ToDate")) = EndDate.value
    End If
    mFromDate = grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("FromDate"))
    mToDate = grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("ToDate"))
    grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("NoDays")) = DateDiff(intervalchar, mFromDate, mToDate)
    grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("NoDays")) = DateDiff("D", mFromDate, mToDate)
    calcenaddate = grd2(mIndex).TextMatrix(i, grd2(mIndex).ColIndex("ToDate"))
End If


End Function

Private Sub DcCustmer_Change(Index As Integer)
DcCustmer_Click Index, 0
End Sub

Private Sub DcCustmer_Click(Index As Integer, Area As Integer)
  If val(DcCustmer(Index).BoundText) = 0 Then Exit Sub
  

    Dim EmpCode  As String
    GetTblCustemersCode , , DcCustmer(Index).BoundText, EmpCode
    'Me.txtTotalValue.Text = EmpCode
    txtCustCode(Index) = EmpCode
If Me.TxtModFlg2(mIndex).Text <> "R" Then
If val(DcCustmer(Index).BoundText) <> 0 Then

GetInformationCustomer (DcCustmer(Index).BoundText)

End If
End If
End Sub

Private Sub DcCustmer_KeyUp(Index As Integer, KeyCode As Integer, Shift As Integer)
  If KeyCode = vbKeyF3 Then
        Dim Frm As New FrmCustemerSearch
        Frm.SearchType = 604
        Frm.RetrunType = 0
        Frm.mIndex = Index
        Frm.show vbModal
    End If
End Sub

Private Sub grd2_AfterEdit(Index As Integer, ByVal Row As Long, ByVal Col As Long)
    



    Dim StrAccountCode As String
    Dim Msg As String
    Dim rs As New ADODB.Recordset
    Dim StrSQL As String
    Dim ClsAcc As New ClsAccounts
    Dim LngRow As Long
Dim StrComboList As String
    'Dim Rs2 As ADODB.Recordset
  
On Error GoTo ErrTrap
    With grd2(Index)
     Select Case .ColKey(Col)
     Case "GroupName"
        
         If Trim(.ComboData = "") Then
            .TextMatrix(Row, .ColIndex("GroupName")) = ""
            .TextMatrix(Row, .ColIndex("GroupID")) = ""
            Exit Sub
         End If
        StrAccountCode = .ComboData
        
        
        LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("GroupID"), False, True)
        
        .TextMatrix(Row, .ColIndex("GroupID")) = StrAccountCode
    
        Case "FixedAssetsName"
        
         If Trim(.ComboData = "") Then
            .TextMatrix(Row, .ColIndex("FixedAssetsName")) = ""
            .TextMatrix(Row, .ColIndex("FixedAssetsID")) = ""
            Exit Sub
         End If
        StrAccountCode = .ComboData
        
        
        LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("FixedAssetsID"), False, True)
        
        .TextMatrix(Row, .ColIndex("FixedAssetsID")) = StrAccountCode
    
            
        .TextMatrix(Row, .ColIndex("FixedAssetsID")) = StrAccountCode
        .TextMatrix(Row, .ColIndex("FromDate")) = StrDate.value
        .TextMatrix(Row, .ColIndex("ToDate")) = EndDate.value
        .TextMatrix(Row, .ColIndex("NoDays")) = DateDiff("d", .TextMatrix(Row, .ColIndex("FromDate")), .TextMatrix(Row, .ColIndex("ToDate")))
 Case "GroupName2"
        
         If Trim(.ComboData = "") Then
            .TextMatrix(Row, .ColIndex("GroupName2")) = ""
            .TextMatrix(Row, .ColIndex("GroupID2")) = ""
            Exit Sub
         End If
        StrAccountCode = .ComboData
        
        
        LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("GroupID2"), False, True)
        
        .TextMatrix(Row, .ColIndex("GroupID2")) = StrAccountCode
    
        Case "FixedAssetsName"
        
         If Trim(.ComboData = "") Then
            .TextMatrix(Row, .ColIndex("FixedAssetsName")) = ""
            .TextMatrix(Row, .ColIndex("FixedAssetsID")) = ""
            Exit Sub
         End If
        StrAccountCode = .ComboData
        
        
        LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("FixedAssetsID"), False, True)

     Case "FixedAssetsName2"
        
         If Trim(.ComboData = "") Then
            .TextMatrix(Row, .ColIndex("FixedAssetsName2")) = ""
            .TextMatrix(Row, .ColIndex("FixedAssetsID2")) = ""
            Exit Sub
         End If
        StrAccountCode = .ComboData
        
        
        LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("FixedAssetsID2"), False, True)
        
        .TextMatrix(Row, .ColIndex("FixedAssetsID2")) = StrAccountCode
    Case "FixedAssetsName3"
        
         If Trim(.ComboData = "") Then
            .TextMatrix(Row, .ColIndex("FixedAssetsName3")) = ""
            .TextMatrix(Row, .ColIndex("FixedAssetsID3")) = ""
            Exit Sub
         End If
        StrAccountCode = .ComboData
        
        
        LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("FixedAssetsID3"), False, True)
        
        .TextMatrix(Row, .ColIndex("FixedAssetsID3")) = StrAccountCode
 Case "EmpName"
        
         If Trim(.ComboData = "") Then
            .TextMatrix(Row, .ColIndex("EmpName")) = ""
            .TextMatrix(Row, .ColIndex("EmpID")) = ""
            Exit Sub
         End If
        StrAccountCode = .ComboData
        
        
        LngRow = .FindRow(StrAccountCode, .FixedRows, .ColIndex("EmpID"), False, True)
        
        .TextMatrix(Row, .ColIndex("EmpID")) = StrAccountCode
    Case "FromDate", "ToDate"
       If (IsDate(.TextMatrix(Row, .ColIndex("FromDate")))) Then
              If (IsDate(.TextMatrix(Row, .ColIndex("ToDate")))) Then
                    .TextMatrix(Row, .ColIndex("NoDays")) = DateDiff("d", .TextMatrix(Row, .ColIndex("FromDate")), .TextMatrix(Row, .ColIndex("ToDate")))
    End If
    End If
       
   Case "NoDays"
     'grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("FromDate")) = StrDate
     If (IsDate(.TextMatrix(Row, .ColIndex("FromDate")))) Then
        grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("ToDate")) = DateAdd("d", val(grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("NoDays"))), (grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("FromDate"))))
    End If
    End Select
    If mIndex = 2 Then
        GetNoOfRD
    End If
    CalcTotal2
    
    End With
ErrTrap:
End Sub

Private Sub grd2_BeforeEdit(Index As Integer, ByVal Row As Long, ByVal Col As Long, Cancel As Boolean)
With grd2(Index)

   Select Case .ColKey(Col)
        Case "RepliesNo", "Amount", "RepliesNoFree", "RepliesValue", "NoDays", "Amount", "StatusPay"
        .ComboList = ""
           Case "NoteNo"
        .ComboList = ""
        Case "DayMeter"
        .ComboList = ""
        Case "Name"
       ' Cancel = True
       Case "FixedAssetsName2"
            If cmbRecType(mIndex).ListIndex <> 1 Then
                Cancel = True
                .ComboList = ""
            Else
                
    Dim StrSQL  As String
    Dim StrAccountType As String
    Dim StrComboList As String
    Dim Msg As String
    Dim StrAccountCode As String
    Dim StrAccountCode1 As String
 Dim rs As New ADODB.Recordset
    Dim ClsAcc As New ClsAccounts
    Dim LngRow As Long
   .TextMatrix(Row, .ColIndex("FixedAssetsName2")) = ""
                StrSQL = "select * from FixedAssets"
                StrSQL = StrSQL & " LEFT OUTER JOIN FixedAssetsGroup ON FixedAssetsGroup.GroupID = FixedAssets.group_id "
                StrSQL = StrSQL & " Where IsNull(FixedAssetsGroup.IsContainer,0) = 1"
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Name", "ID")
                Else
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Name", "ID")
                End If
       
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
            End If
        End Select
        
    End With
End Sub

Private Sub grd2_CellButtonClick(Index As Integer, ByVal Row As Long, ByVal Col As Long)
    Dim Frm As New FrmDateOpProject, mIDD As Long, mUserID As Long, MDate As Date, mTime As Date
    Select Case grd2(mIndex).ColKey(Col)
    Case "FromDate"
        If mIndex = 1 Then
            Frm.Index = 36
        Else
            Frm.Index = 38
        End If
        Me.LngRow = Row
        Frm.show 1
         If IsDate(grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("FromDate"))) And IsDate(grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("ToDate"))) Then
            grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("NoDays")) = DateDiff("d", grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("FromDate")), grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("ToDate")))
         End If
    Case "ToDate"
        
       If mIndex = 1 Then
            Frm.Index = 37
        Else
            Frm.Index = 39
        End If
        Me.LngRow = Row
        Frm.show 1
        
         If IsDate(grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("FromDate"))) And IsDate(grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("ToDate"))) Then
            grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("NoDays")) = DateDiff("d", grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("FromDate")), grd2(Index).TextMatrix(Row, grd2(Index).ColIndex("ToDate")))
         End If

   End Select
    
End Sub

Private Sub grd2_KeyDown(Index As Integer, KeyCode As Integer, Shift As Integer)
'GridKeyDown grd2(Index), KeyCode, Shift, False, False, grd2(mIndex).Row
 'GridKeyDown grd2(Index), KeyCode, Shift
 mGridClicked = True
     GridKeyDown grd2(Index), KeyCode, Shift, False, False, grd2(mIndex).Row
   '  mGridClicked = False
End Sub

Private Sub grd2_KeyDownEdit(Index As Integer, ByVal Row As Long, ByVal Col As Long, KeyCode As Integer, ByVal Shift As Integer)
mGridClicked = True
grd2_KeyDown Index, KeyCode, 0
'mGridClicked = False
End Sub

Private Sub grd2_StartEdit(Index As Integer, ByVal Row As Long, ByVal Col As Long, Cancel As Boolean)
  Dim rs As New ADODB.Recordset
    Dim StrSQL  As String
    Dim StrAccountType As String
    Dim StrComboList As String
    Dim Msg As String
    Dim StrAccountCode As String
    Dim StrAccountCode1 As String

    Dim ClsAcc As New ClsAccounts
    Dim LngRow As Long
   
    With grd2(mIndex)

        Select Case .ColKey(Col)
 
            Case "EmpName"
             .TextMatrix(Row, .ColIndex("EmpName")) = ""
                StrSQL = "select * from TblEmployee"
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Emp_Name", "Emp_ID")
                Else
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Emp_Namee", "Emp_ID")
                End If
       
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
          Case "GroupName"
                .TextMatrix(Row, .ColIndex("GroupName")) = ""
                StrSQL = "select * from FixedAssetsGroup Where IsNull(IsContainer,0) = 1"
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = grd2(mIndex).BuildComboList(rs, "GroupName", "GroupID")
                Else
                    StrComboList = grd2(mIndex).BuildComboList(rs, "GroupName", "GroupID")
                End If
       
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
                 
          Case "GroupName2"
                .TextMatrix(Row, .ColIndex("GroupName2")) = ""
                StrSQL = "select * from FixedAssetsGroup Where IsNull(IsContainer,0) = 1"
                
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = grd2(mIndex).BuildComboList(rs, "GroupName", "GroupID")
                Else
                    StrComboList = grd2(mIndex).BuildComboList(rs, "GroupName", "GroupID")
                End If
       
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
          Case "FixedAssetsName"
                .TextMatrix(Row, .ColIndex("FixedAssetsName")) = ""
               
                StrSQL = "select * from FixedAssets"
                StrSQL = StrSQL & " LEFT OUTER JOIN FixedAssetsGroup ON FixedAssetsGroup.GroupID = FixedAssets.group_id "
                StrSQL = StrSQL & " Where IsNull(FixedAssetsGroup.IsContainer,0) = 1"
                StrSQL = StrSQL & "  And group_id = " & val(.TextMatrix(Row, .ColIndex("GroupID")))
                StrSQL = StrSQL & "  And FixedAssets.Id Not In (Select TTT.FixedAssetsID From ContainerContractsDet TTT Inner join ContainerContracts CC On TTT.MasterID =CC.Id Where  "
                StrSQL = StrSQL & "  CC.ID <> " & val(TxtSerial1(mIndex)) & ""
                StrSQL = StrSQL & "  and CC.Status <> 1  )"
                
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Name", "ID")
                Else
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Name", "ID")
                End If
       
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
          Case "FixedAssetsName2"
                .TextMatrix(Row, .ColIndex("FixedAssetsName2")) = ""
      
                StrSQL = "select * from FixedAssets"
                StrSQL = StrSQL & " LEFT OUTER JOIN FixedAssetsGroup ON FixedAssetsGroup.GroupID = FixedAssets.group_id "
                StrSQL = StrSQL & " Where IsNull(FixedAssetsGroup.IsContainer,0) = 1"
                
                StrSQL = "select * from FixedAssets"
                StrSQL = StrSQL & " LEFT OUTER JOIN FixedAssetsGroup ON FixedAssetsGroup.GroupID = FixedAssets.group_id "
                StrSQL = StrSQL & " Where IsNull(FixedAssetsGroup.IsContainer,0) = 1"
                StrSQL = StrSQL & "  And group_id = " & val(.TextMatrix(Row, .ColIndex("GroupID2")))
                StrSQL = StrSQL & "  And FixedAssets.Id Not In (Select TTT.FixedAssetsID From ContainerContractsDet TTT Inner join ContainerContracts CC On TTT.MasterID =CC.Id Where  "
                StrSQL = StrSQL & "  CC.Status <> 1  )"
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText
                
               

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Name", "ID")
                Else
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Name", "ID")
                End If
       
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
                 
          Case "FixedAssetsName3"
                .TextMatrix(Row, .ColIndex("FixedAssetsName2")) = ""
                      
                StrSQL = "select * from FixedAssets"
                StrSQL = StrSQL & " LEFT OUTER JOIN FixedAssetsGroup ON FixedAssetsGroup.GroupID = FixedAssets.group_id "
                StrSQL = StrSQL & " Where IsNull(FixedAssetsGroup.IsContainer,0) = 1"
                
                    StrSQL = "select * from FixedAssets"
                StrSQL = StrSQL & " LEFT OUTER JOIN FixedAssetsGroup ON FixedAssetsGroup.GroupID = FixedAssets.group_id "
                StrSQL = StrSQL & " Where IsNull(FixedAssetsGroup.IsContainer,0) = 1"
               ' StrSQL = StrSQL & "  And group_id = " & val(.TextMatrix(Row, .ColIndex("GroupID")))
                StrSQL = StrSQL & "  And FixedAssets.Id Not In (Select TTT.FixedAssetsID From ContainerContractsDet TTT Inner join ContainerContracts CC On TTT.MasterID =CC.Id Where  "
                StrSQL = StrSQL & "  CC.ID <> " & val(txtContractNo) & ""
                StrSQL = StrSQL & "  and CC.Status <> 1  )"
                
               ' rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText
                

                
                rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

                If SystemOptions.UserInterface = ArabicInterface Then
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Name", "ID")
                Else
                    StrComboList = grd2(mIndex).BuildComboList(rs, "Name", "ID")
                End If
       
                If StrComboList <> "" Then
                    StrComboList = "|" & StrComboList
                End If
                 .ComboList = StrComboList
                 
                 
                 
          End Select
        End With
End Sub

Private Sub PushButton1_Click()
GetContractData
End Sub

Private Sub StrDate_Change()
CalcContractIntervalAuto
End Sub

Private Sub TabMain_Switch(OldTab As Integer, NewTab As Integer, Cancel As Integer)

If NewTab = 4 Then
    mIndex = 3
ElseIf NewTab = 5 Then
    mIndex = 4
Else
    mIndex = NewTab
End If
End Sub

Private Sub TabMain_Validate(Cancel As Boolean)
If TabMain.CurrTab = 4 Then
    mIndex = 3
ElseIf TabMain.CurrTab = 5 Then
    mIndex = 4
Else

    mIndex = TabMain.CurrTab
End If
End Sub
Private Sub btn_Last_Click(Index As Integer)
  On Error GoTo ErrTrap

    Dim Msg As String

    If Me.TxtModFlg.Text = "N" Then
        FindRec val(TxtSerial1(mIndex).Text)
        Me.TxtModFlg2(mIndex).Text = "R"
    End If

    Me.TxtModFlg2(mIndex) = "R"

    If RsSavRec.RecordCount = 0 Then
        clear_all Me
        Exit Sub
    End If

BegnieWork:

    RsSavRec.MoveLast
    If mIndex = 1 Then
        FiLLTXT1
    
    ElseIf mIndex = 2 Then
        FiLLTXT2
    ElseIf mIndex = 3 Then
        FiLLTXT3
ElseIf mIndex = 4 Then
        FiLLTXT4
    End If
    
    Exit Sub

ErrTrap:

    Select Case Err.Number

        Case -2147217885
       If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê« ·ﬁœ  „ Õ–› Â–« «·”Ã· " & CHR(13)
            Msg = Msg & "„‰ ﬁ»· „” Œœ„ √Œ— ⁄·Ï «·‘»ﬂ… " & CHR(13)
            Msg = Msg & "”Ê› Ì „  ÕœÌÀ «·»Ì«‰« "
        Else
            Msg = "Sorry I have been deleted the record" & CHR(13)
            Msg = Msg & "By another user on the network " & CHR(13)
            Msg = Msg & "Data will be updated"
        End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
            RsSavRec.Requery
            Resume BegnieWork
    End Select
End Sub

Private Sub BtnCancel_Click()
   Unload Me
End Sub





Private Sub btnDelete_Click()
   Dim MSGType As Integer
    Dim BlnRecExist As Boolean
    Dim StrMSG  As String
    Dim Msg As String
    On Error GoTo ErrTrap
    'Index = TabMain.CurrTab
    'If DoPremis(Do_Delete, Me.name, True) = False Then
    '    Exit Sub
    'End If
    If TxtVac_ID.Text <> "" Then
        '    If CheckDelCountry(Val(Me.TxtVac_ID.text)) = False Then
        '        Msg = "·«Ì„ﬂ‰ Õ–› Â–« «·”Ã·...!!!"
        '        MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading, App.Title
        '        Exit Sub
        '    End If
        If SystemOptions.UserInterface = ArabicInterface Then
        MSGType = MsgBox("Â·  —€» ›Ì Õ–› Â–« «·”Ã·", vbQuestion + vbMsgBoxRtlReading + vbYesNo + vbMsgBoxRight, App.title)
        Else
        MSGType = MsgBox("Confirm Delete", vbQuestion + vbMsgBoxRtlReading + vbYesNo + vbMsgBoxRight, App.title)
        End If

        If MSGType = vbYes Then
            RsSavRec.Find "id=" & val(TxtVac_ID.Text), , adSearchForward, 1
            CuurentLogdata ("D")
            RsSavRec.delete
            If SystemOptions.UserInterface = ArabicInterface Then
            MsgBox " „  ⁄„·Ì… «·Õ–› »‰Ã«Õ", vbInformation + vbMsgBoxRtlReading + vbOKOnly + vbMsgBoxRight, App.title
            Else
            MsgBox "Delete Successfully", vbInformation + vbMsgBoxRtlReading + vbOKOnly + vbMsgBoxRight, App.title
            End If
            '------------------------------ Move Next ---------------------------.
            FillGridWithData
            BtnNext_Click
        End If
    End If

    Exit Sub
ErrTrap:
 
    Select Case Err.Number

        Case -2147217873, -2147467259
        If SystemOptions.UserInterface = ArabicInterface Then
            StrMSG = "⁄›Ê« ·« ÌÃÊ“ Õ–› «·”Ã· ·«— »«ÿÂ »»Ì«‰«  √Œ—Ì"
            Else
            StrMSG = "Sorry you can not delete the record of its connection with other data"
            End If
            RsSavRec.CancelUpdate
            MsgBox StrMSG, vbOKOnly + vbMsgBoxRight, App.title
            'clear the ConnectiOn Errors
            Cn.Errors.Clear
    End Select
End Sub

Private Sub BtnFirst_Click()
    On Error GoTo ErrTrap

    Dim Msg As String

    If Me.TxtModFlg.Text = "N" Then
        FindRec val(TxtVac_ID.Text)
        Me.TxtModFlg.Text = "R"
    End If

    TxtModFlg = "R"

    If RsSavRec.RecordCount = 0 Then
        clear_all Me
        Exit Sub
    End If

BegnieWork:
    RsSavRec.MoveFirst
    FiLLTXT

    Exit Sub

ErrTrap:

    Select Case Err.Number

        Case -2147217885
        If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê« ·ﬁœ  „ Õ–› Â–« «·”Ã· " & CHR(13)
            Msg = Msg & "„‰ ﬁ»· „” Œœ„ √Œ— ⁄·Ï «·‘»ﬂ… " & CHR(13)
            Msg = Msg & "”Ê› Ì „  ÕœÌÀ «·»Ì«‰« "
          Else
            Msg = "Sorry I have been deleted the record" & CHR(13)
            Msg = Msg & "By another user on the network " & CHR(13)
            Msg = Msg & "Data will be updated"
        End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
            RsSavRec.Requery
            Resume BegnieWork
    End Select

End Sub

Private Sub BtnLast_Click()
    On Error GoTo ErrTrap

    Dim Msg As String

    If Me.TxtModFlg.Text = "N" Then
        FindRec val(TxtVac_ID.Text)
        Me.TxtModFlg.Text = "R"
    End If

    TxtModFlg = "R"

    If RsSavRec.RecordCount = 0 Then
        clear_all Me
        Exit Sub
    End If

BegnieWork:

    RsSavRec.MoveLast
    FiLLTXT
    Exit Sub

ErrTrap:

    Select Case Err.Number

        Case -2147217885
       If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê« ·ﬁœ  „ Õ–› Â–« «·”Ã· " & CHR(13)
            Msg = Msg & "„‰ ﬁ»· „” Œœ„ √Œ— ⁄·Ï «·‘»ﬂ… " & CHR(13)
            Msg = Msg & "”Ê› Ì „  ÕœÌÀ «·»Ì«‰« "
        Else
            Msg = "Sorry I have been deleted the record" & CHR(13)
            Msg = Msg & "By another user on the network " & CHR(13)
            Msg = Msg & "Data will be updated"
        End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
            RsSavRec.Requery
            Resume BegnieWork
    End Select

End Sub

Private Sub btnModify_Click()
    Dim Msg As String

    If DoPremis(Do_Edit, Me.Name, True) = False Then
        Exit Sub
    End If

    On Error GoTo ErrTrap

    If TxtVac_ID.Text <> "" Then
        TxtModFlg = "E"
    
        Frm2.Enabled = True
        Me.TxtVacName.SetFocus
    End If

    Exit Sub
ErrTrap:

    Select Case Err.Number

        Case -2147467259
            'Could not update; currently locked.
           If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê«" & CHR(13)
            Msg = Msg & " ·«Ì„ﬂ‰  ⁄œÌ· Â–« «·”Ã· ›Ï «·Êﬁ  «·Õ«·Ï" & CHR(13)
            Msg = Msg & "ÕÌÀ «‰Â ﬁÌœ «· ⁄œÌ· „‰ ﬁ»· „” Œœ„ «Œ— ⁄·Ï «·‘»ﬂ…"
           Else
            Msg = "Sorry" & CHR(13)
            Msg = Msg & " You can not edit this record now" & CHR(13)
            Msg = Msg & "Where it was being edited by another user on the network"
           End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
        
            If RsSavRec.EditMode <> adEditNone Then
                RsSavRec.CancelUpdate
                'RsSavRec.Requery
            End If

    End Select

End Sub

Private Sub btnNew_Click()
    Dim My_SQL As String
    Dim rs As ADODB.Recordset

    If DoPremis(Do_New, Me.Name, True) = False Then
        Exit Sub
    End If

    On Error GoTo ErrTrap
    Set rs = New ADODB.Recordset
    Frm2.Enabled = True
    clear_all Me
    TxtModFlg.Text = "N"

    My_SQL = "emp_contract_type"
    rs.Open My_SQL, Cn, adOpenKeyset, adLockOptimistic, adCmdTable

    If rs.RecordCount > 0 Then
        TxtSerial.Text = rs.RecordCount + 1
    Else
        TxtSerial.Text = 1
    End If

    rs.Close
    CmbType.ListIndex = 0
    TxtVacName.SetFocus
ErrTrap:
End Sub

Private Sub BtnNext_Click()
    On Error GoTo ErrTrap
    Dim Msg As String

    If Me.TxtModFlg.Text = "N" Then
        FindRec val(TxtVac_ID.Text)
        Me.TxtModFlg.Text = "R"
    End If

    TxtModFlg = "R"

    If RsSavRec.RecordCount = 0 Then
        clear_all Me
        Exit Sub
    End If

BegnieWork:

    If RsSavRec.EOF Then
        RsSavRec.MoveLast
    Else
        RsSavRec.MoveNext

        If RsSavRec.EOF Then
            RsSavRec.MoveLast
        End If
    End If

    FiLLTXT
    Exit Sub
ErrTrap:

    Select Case Err.Number

        Case -2147217885
        If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê« ·ﬁœ  „ Õ–› Â–« «·”Ã· " & CHR(13)
            Msg = Msg & "„‰ ﬁ»· „” Œœ„ √Œ— ⁄·Ï «·‘»ﬂ… " & CHR(13)
            Msg = Msg & "”Ê› Ì „  ÕœÌÀ «·»Ì«‰« "
        Else
            Msg = "Sorry I have been deleted the  record" & CHR(13)
            Msg = Msg & "By another user on the network " & CHR(13)
            Msg = Msg & "Data will be updated"
        End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
            RsSavRec.Requery
            Resume BegnieWork
    End Select

End Sub

Private Sub BtnPrevious_Click()
    On Error GoTo ErrTrap
    Dim Msg As String

    If Me.TxtModFlg.Text = "N" Then
        FindRec val(TxtVac_ID.Text)
        Me.TxtModFlg.Text = "R"
    End If

    TxtModFlg = "R"

    If RsSavRec.RecordCount = 0 Then
        clear_all Me
        Exit Sub
    End If

BegnieWork:

    RsSavRec.MovePrevious

    If RsSavRec.BOF Then
        RsSavRec.MoveFirst
    End If

    FiLLTXT
    Exit Sub
ErrTrap:

    Select Case Err.Number

        Case -2147217885
        If SystemOptions.UserInterface = ArabicInterface Then
            Msg = "⁄›Ê« ·ﬁœ  „ Õ–› Â–« «·”Ã· " & CHR(13)
            Msg = Msg & "„‰ ﬁ»· „” Œœ„ √Œ— ⁄·Ï «·‘»ﬂ… " & CHR(13)
            Msg = Msg & "”Ê› Ì „  ÕœÌÀ «·»Ì«‰« "
             Else
            Msg = "Sorry I have been deleted the  record" & CHR(13)
            Msg = Msg & "By another user on the network " & CHR(13)
            Msg = Msg & "Data will be updated"
        End If
            MsgBox Msg, vbExclamation + vbMsgBoxRight + vbMsgBoxRtlReading + vbOKOnly, App.title
            RsSavRec.Requery
            Resume BegnieWork
    End Select

End Sub

Private Sub btnSave_Click()
    On Error GoTo ErrTrap
    Dim Msg As String
    Dim StrVacCode As String
    Dim StrVacName As String
    Dim CtrlTxt As Control
    '---------------------- check if data Vaclete -----------------------

    For Each CtrlTxt In Me.Controls

        If TypeOf CtrlTxt Is TextBox Or TypeOf CtrlTxt Is ComboBox Then
            If CtrlTxt.Text = "" And CtrlTxt.Tag <> "" And CtrlTxt.Enabled = True Then
                MsgBox CtrlTxt.Tag, vbOKOnly + vbMsgBoxRight, App.title
                CtrlTxt.SetFocus
                Exit Sub
            End If
        End If

    Next
If SystemOptions.UserInterface = ArabicInterface Then
If TxtVacName.Text = "" Then
MsgBox "Ì—ÃÏ «œŒ«· «·«”„"
TxtVacName.SetFocus
Exit Sub
End If
Else
If TxtVacNamee.Text = "" Then
MsgBox "Please Enter Name"
TxtVacNamee.SetFocus
Exit Sub
End If
End If
    '------------------------------ check if Empcode exist ----------------------

    StrVacName = IsRecExist("emp_contract_type", "name", Trim(TxtVacName.Text), "name", "Vac_ID<>'" & Trim(TxtVac_ID.Text) & "'")

    If StrVacName <> "" Then
    If SystemOptions.UserInterface = ArabicInterface Then
        Msg = "·ﬁœ ”»ﬁ  ”ÃÌ· Â–« «·‰Ê⁄ „‰ ﬁ»·"
     Else
     Msg = "This name already exists"
    End If
         
        MsgBox Msg, vbOKOnly + vbMsgBoxRight, App.title
        TxtVacName.SetFocus
    
        Exit Sub

    End If

    ' -------------------------------------- txtmodflg type -------------------
    Select Case Me.TxtModFlg.Text

            '------------------------------ new record ----------------------------
        Case "N"
      
            '------------------------- save record -----------------------------
            AddNewRec
            BtnLast_Click

        Case "E"

            '----------------------------- save edit -------------------------------
            FiLLRec
    End Select

    Exit Sub
ErrTrap:
If SystemOptions.UserInterface = ArabicInterface Then
    MsgBox "Â‰«ﬂ Œÿ√ „« ›Ì ≈œŒ«· «·»Ì«‰« ", vbOKOnly + vbMsgBoxRight, App.title
 Else
  MsgBox "Sorry...error douring insert data", vbOKOnly + vbMsgBoxRight, App.title
End If

End Sub
 
Private Sub Undo()
    On Error GoTo ErrTrap

    Select Case TxtModFlg2(mIndex).Text

        Case "N"
            clear_all Me
            TxtModFlg2(mIndex).Text = "R"
           
            btn_First_Click (mIndex)
        Case "E"
            RsSavRec.Find "ID='" & val(TxtSerial1(mIndex).Text) & "'", , adSearchForward, adBookmarkFirst

            If RsSavRec.EOF Or RsSavRec.BOF Then
                TxtModFlg2(mIndex).Text = "R"
                Exit Sub
            End If

            If mIndex = 1 Then
                FiLLTXT1
            ElseIf mIndex = 2 Then
                FiLLTXT2
            ElseIf mIndex = 3 Then
                FiLLTXT3
                
            End If
            TxtModFlg2(mIndex).Text = "R"
    End Select

    Exit Sub
ErrTrap:
End Sub
 
 
Private Sub BtnUndo_Click()
    FindRec val(TxtVac_ID.Text)
    Me.TxtModFlg.Text = "R"
End Sub

Private Sub BtnUpdate_Click()
    On Error GoTo ErrTrap
    Dim Msg As String
    Dim FristCount As Long
    Dim LastCount As Long
    FristCount = RsSavRec.RecordCount
    RsSavRec.Requery
    LastCount = RsSavRec.RecordCount
    BtnUndo_Click
If SystemOptions.UserInterface = ArabicInterface Then
    If FristCount = LastCount Then
        Msg = "·«  ÊÃœ »Ì«‰«  ÃœÌœ…"
    Else
        Msg = "⁄œœ «·”Ã·«  ﬁ»· «· ÕœÌÀ" & vbCrLf & FristCount & vbCrLf & "⁄œœ «·”Ã·«  »⁄œ «· ÕœÌÀ" & vbCrLf & LastCount
        
        If LastCount > FristCount Then
            Msg = Msg + vbCrLf & "⁄œœ «·”Ã·«  «·ÃœÌœ…" & vbCrLf & LastCount - FristCount
        Else
            Msg = Msg + vbCrLf & "⁄œœ «·”Ã·«  «·„Õ–Ê›…" & vbCrLf & FristCount - LastCount
        End If
    End If
  Else
      If FristCount = LastCount Then
        Msg = "·There are no new data"
    Else
        Msg = "No.of records before the update" & vbCrLf & FristCount & vbCrLf & "No.of records after the update" & vbCrLf & LastCount
        
        If LastCount > FristCount Then
            Msg = Msg + vbCrLf & "No.of new records" & vbCrLf & LastCount - FristCount
        Else
            Msg = Msg + vbCrLf & "No. of deleted records" & vbCrLf & FristCount - LastCount
        End If
    End If
 End If

    MsgBox Msg, vbOKOnly + vbMsgBoxRight + vbInformation, App.title
ErrTrap:
End Sub

Function CuurentLogdata(Optional Currentmode As String)
     LogTextA = "    ‘«‘… " & ScreenNameArabic & CHR(13) & "ﬂÊœ " & TxtSerial.Text & CHR(13) & "   «·‰Ê⁄ " & TxtVacName
        LogTexte = "    Screen  " & ScreenNameEnglish & CHR(13) & "Code  " & TxtSerial.Text & CHR(13) & "   Type " & TxtVacName
       If Currentmode <> "D" Then
        AddToLogFile CInt(user_id), 0, Date, Time, LogTextA, LogTexte, Me.Name, Me.TxtModFlg
    Else
        AddToLogFile CInt(user_id), 0, Date, Time, LogTextA, LogTexte, Me.Name, "D"
    End If
    
End Function

Private Sub CboPayMentType_Change()

End Sub

Private Sub DataCombo2_Click(Area As Integer)

End Sub

Private Sub Form_Load()
    On Error GoTo ErrTrap
    Dim i As Integer
    Dim My_SQL As String



     TabMain.TabVisible(1) = False
     TabMain.TabVisible(2) = False
     TabMain.TabVisible(0) = False
     TabMain.TabVisible(4) = False
     TabMain.TabVisible(5) = False
     If mIndex = 3 Then
        TabMain.TabVisible(4) = True
        TabMain.CurrTab = 4
    ElseIf mIndex = 4 Then
        TabMain.TabVisible(5) = True
        TabMain.CurrTab = 5

    Else
        TabMain.TabVisible(mIndex) = True
        TabMain.CurrTab = mIndex
    
    End If
    Dim Dcombos As New ClsDataCombos
    'Dcombos.GetCustomersSuppliers 1, Me.DcbSales, True
    Dcombos.GetCustomersSuppliers 1, Me.DcCustmer(1)
    Dcombos.GetCustomersSuppliers 1, Me.DcCustmer(2)
    Dcombos.GetCustomersSuppliers 1, Me.DcCustmer(4)
    
    Dcombos.GetUsers Me.DCboUserName(1)
    Dcombos.GetUsers Me.DCboUserName(2)
    Dcombos.GetBranches Me.Dcbranch(2)
    Dcombos.GetBranches Me.Dcbranch(3)
    Dcombos.GetBranches Me.Dcbranch(1)
    Dcombos.GetBranches Me.Dcbranch(4)

    Resize_Form Me
    
    
    SetDtpickerDate Me.XPDtbTrans
    SetDtpickerDate Me.XPDtbTrans2(2)
    SetDtpickerDate Me.XPDtbTrans3
    SetDtpickerDate Me.XPDtbTrans4
    
    'load tblUsers -----------------------------------------------
    My_SQL = "select UserID,UserName From tblUsers "
    fill_combo DCUser, My_SQL
    fill_combo DCboUserName(mIndex), My_SQL

      
     If mIndex = 1 Then
        My_SQL = "ContainerContracts"
       ' Set BKGrndPic = New ClsBackGroundPic
        Set RsSavRec = New ADODB.Recordset
        RsSavRec.CursorLocation = adUseClient
        RsSavRec.Open My_SQL, Cn, adOpenKeyset, adLockPessimistic, adCmdTableDirect
        TxtModFlg2(mIndex).Text = "R"
        DCboUserName(mIndex) = user_id
       
        cmbRecType(mIndex).AddItem "ÌÊ„Ì"
        cmbRecType(mIndex).AddItem "”«⁄« "
        cmbRecType(mIndex).AddItem "»«·„ﬁÿÊ⁄Ì…"
        cmbRecType(mIndex).AddItem "‘Â—Ì"
        cmbRecType(mIndex).AddItem "”‰ÊÌ"
        

        
        cmbStatus.AddItem "„›⁄·"
        cmbStatus.AddItem "«‰ ÂÏ"
        cmbStatus.AddItem "·«Ì„ﬂ‰ ⁄„· —œÊœ"

        btn_First_Click (mIndex)
    ElseIf mIndex = 2 Then
        
        cmbRecType(mIndex).AddItem " ”·Ì„"
        cmbRecType(mIndex).AddItem "«” ·«„"
        cmbRecType(mIndex).AddItem " „œÌœ"
'        cmbRecType(mIndex).AddItem "ÌÊ„Ì"
'        cmbRecType(mIndex).AddItem "”«⁄« "
'
        grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("FixedAssetsName2")) = True
        grd2(mIndex).ColHidden(grd2(mIndex).ColIndex("GroupName2")) = True
        My_SQL = "ContainerContractsRec"
        'Set BKGrndPic2 = New ClsBackGroundPic
        Set RsSavRec = New ADODB.Recordset
        RsSavRec.CursorLocation = adUseClient
        RsSavRec.Open My_SQL, Cn, adOpenKeyset, adLockPessimistic, adCmdTableDirect
        TxtModFlg2(mIndex).Text = "R"
        DCboUserName(mIndex) = user_id
        btn_First_Click (mIndex)
        
    ElseIf mIndex = 0 Then
    
        ScreenNameArabic = "«‰Ê«⁄  ⁄«ﬁœ «·„ÊŸ›Ì‰"
        ScreenNameEnglish = "Contracts Types"
        RegisterLogInOut Me.Name, ScreenNameArabic, ScreenNameEnglish, "1"
        
        My_SQL = "emp_contract_type"
        'Set BKGrndPic = New ClsBackGroundPic
        Set RsSavRec = New ADODB.Recordset
        RsSavRec.CursorLocation = adUseClient
        RsSavRec.Open My_SQL, Cn, adOpenKeyset, adLockPessimistic, adCmdTableDirect
        Me.TxtModFlg.Text = "R"
          FillGridWithData
        
            With Me.Grid
                .Cell(flexcpPicture, 0, .ColIndex("name")) = Me.GrdImageList.ListImages("Vac_Name").ExtractIcon
                .Cell(flexcpPicture, 0, .ColIndex("Ser")) = Me.GrdImageList.ListImages("Ser").ExtractIcon
        
                For i = 0 To .Cols - 1
                    .Cell(flexcpPictureAlignment, 0, i) = flexPicAlignRightCenter
                Next
           
                .ExtendLastCol = True
                .WallPaper = BKGrndPic.Picture
                .RowHeight(-1) = 300
            End With
        
            BtnFirst_Click
    ElseIf mIndex = 4 Then
        
        My_SQL = "ContainerUnloading"
        'Set BKGrndPic2 = New ClsBackGroundPic
        Set RsSavRec = New ADODB.Recordset
        RsSavRec.CursorLocation = adUseClient
        RsSavRec.Open My_SQL, Cn, adOpenKeyset, adLockPessimistic, adCmdTableDirect
        TxtModFlg2(mIndex).Text = "R"
        DCboUserName(mIndex) = user_id
        btn_First_Click (mIndex)
    ElseIf mIndex = 3 Then
        
        
        My_SQL = "select * from Tbl_TradingContractInv order by  ID"
          
           
            
            Set RsSavRec = New ADODB.Recordset
            RsSavRec.CursorLocation = adUseClient
            RsSavRec.Open My_SQL, Cn, adOpenStatic, adLockOptimistic, adCmdText
            
            TxtModFlg2(mIndex).Text = "R"
            DCboUserName(mIndex) = user_id
            If SystemOptions.UserInterface = ArabicInterface Then
                My_SQL = "  select CusID,CusName from TblCustemers  "
                My_SQL = My_SQL & " INNER  JOIN Tbl_TradingContract TT ON TblCustemers.CusID =TT.TContract_CustID "
                My_SQL = My_SQL & " Where IsNull(Id,0) <>0"
                My_SQL = My_SQL & " And IsNull(IsCanceld,0) <> 1"
                My_SQL = My_SQL & " order by CusName "
                
            Else
                My_SQL = "  select CusID,CusNamee from TblCustemers  "
                My_SQL = My_SQL & " INNER  JOIN Tbl_TradingContract TT ON TblCustemers.CusID =TT.TContract_CustID "
                My_SQL = My_SQL & " Where IsNull(Id,0) <>0"
                My_SQL = My_SQL & " And IsNull(IsCanceld,0) <> 1"
                My_SQL = My_SQL & " order by CusName "
               
            End If
 
            
            fill_combo DcCustmer2, My_SQL
    btn_First_Click (mIndex)
    End If
    


  
    

    If SystemOptions.UserInterface = EnglishInterface Then
    ShowTipE
        SetInterface Me
        ChangeLang
     Else
     ShowTip
    End If

    If OPEN_NEW_SCREEN = True Then
        If mIndex = 3 Then
              btn_New_Click (mIndex)
        Else
            btn_New_Click (mIndex)
        End If
        
    End If

ErrTrap:
End Sub

   
Public Sub CalculteValueAdded(LongRow As Long, Optional TransType As Integer, Optional flg As Integer = 0, Optional AllItems As Integer = 0, Optional posDelete As Boolean = False)
TransType = 21
If SystemOptions.PriceWithVAT = True And (TransType = 21 Or TransType = 9) Then Exit Sub
If (TxtModFlg2(mIndex).Text = "R" Or TxtModFlg2(mIndex).Text = "" Or val(Me.GRID2.TextMatrix(LongRow, GRID2.ColIndex("TConID"))) = 0) And posDelete = False Then Exit Sub
 Dim Percentg As Double
Dim LngItemID As Double
Dim cCompanyInfo As New ClsCompanyInfo
If mdifrmmain.taxes.Visible = True Then
'If TransType = 9 And ReturnSales = True Then

  
    LngItemID = val(Me.GRID2.TextMatrix(LongRow, GRID2.ColIndex("TConID")))
    If SystemOptions.AllItemInVAT = True Then
        Percentg = val(cCompanyInfo.VATItems)
    Else
      PercentgValueAddedAccount_Transec XPDtbTrans3.value, 43, 0, AccountVATCreit, Percentg
        
    End If
    If Percentg = -1 Then
        Percentg = 0
        If SystemOptions.UserInterface = ArabicInterface Then
            GRID2.TextMatrix(LongRow, GRID2.ColIndex("TypeVAT")) = "„⁄›Ì"
        Else
            GRID2.TextMatrix(LongRow, GRID2.ColIndex("TypeVAT")) = "Exempt"
        End If
    Else
        If GRID2.ColIndex("TypeVAT") <> -1 Then 'salim1503
            GRID2.TextMatrix(LongRow, GRID2.ColIndex("TypeVAT")) = Percentg
        End If
    
    End If
    If GRID2.ColIndex("Vatyo") <> -1 Then
        GRID2.TextMatrix(LongRow, GRID2.ColIndex("Vatyo")) = Percentg
    End If
     GRID2.TextMatrix(LongRow, GRID2.ColIndex("Vat2")) = val(GRID2.TextMatrix(LongRow, GRID2.ColIndex("Total"))) * Percentg / 100
     GRID2.TextMatrix(LongRow, GRID2.ColIndex("TotalNet")) = val(GRID2.TextMatrix(LongRow, GRID2.ColIndex("Total"))) + val(GRID2.TextMatrix(LongRow, GRID2.ColIndex("Vat2")))
    

End If

End Sub
  

Public Sub CalculteValueAdded2(Optional posDelete As Boolean = False)
If val(TxtNet) = 0 Then TxtNet = val(TxtTotal) + val(txtVat2)
If SystemOptions.PriceWithVAT = True Then Exit Sub
If (TxtModFlg2(mIndex).Text = "R" Or TxtModFlg2(mIndex).Text = "") Then Exit Sub
 Dim Percentg As Double

Dim cCompanyInfo As New ClsCompanyInfo
If mdifrmmain.taxes.Visible = True Then
'If TransType = 9 And ReturnSales = True Then

  
    
    If SystemOptions.AllItemInVAT = True Then
        Percentg = val(cCompanyInfo.VATItems)
    Else
      PercentgValueAddedAccount_Transec XPDtbTrans.value, 48, 1, AccountVATCreit, Percentg
        
    End If
'    If Percentg = -1 Then
'        Percentg = 0
'    Else
'
'    End If
   
     txtVat2 = val(TxtTotal) * Percentg / 100
     
     
     TxtNet = val(TxtTotal) + val(txtVat2)
    

End If

End Sub
  
Public Sub CalculteValueAdded4(Optional posDelete As Boolean = False)
If val(txtTotalNet) = 0 Then txtTotalNet = val(txtNetBDisc) + val(txtVat4)
If SystemOptions.PriceWithVAT = True Then Exit Sub
If (TxtModFlg2(mIndex).Text = "R" Or TxtModFlg2(mIndex).Text = "") Then Exit Sub
 Dim Percentg As Double

Dim cCompanyInfo As New ClsCompanyInfo
If mdifrmmain.taxes.Visible = True Then
'If TransType = 9 And ReturnSales = True Then

  
    
    If SystemOptions.AllItemInVAT = True Then
        Percentg = val(cCompanyInfo.VATItems)
    Else
      PercentgValueAddedAccount_Transec XPDtbTrans.value, 49, 1, AccountVATCreit, Percentg
        
    End If
'    If Percentg = -1 Then
'        Percentg = 0
'    Else
'
'    End If
   
     txtVat4 = val(txtNetBDisc) * Percentg / 100
     
     
     txtTotalNet = val(txtNetBDisc) + val(txtVat4)
    

End If

End Sub
  

Function ChangeLang()

    Dim XPic As IPictureDisp
    Set XPic = Me.btnFirst.ButtonImage
    Set Me.btnFirst.ButtonImage = Me.btnLast.ButtonImage
    Set Me.btnLast.ButtonImage = XPic
    Set XPic = Me.btnPrevious.ButtonImage
    Set Me.btnPrevious.ButtonImage = Me.btnNext.ButtonImage
    Set Me.btnNext.ButtonImage = XPic
    Me.Caption = "Contracts Types"
    Label1(2).Caption = Me.Caption
 
    With Me.Grid
        .TextMatrix(0, .ColIndex("Ser")) = "Serial"
        .TextMatrix(0, .ColIndex("id")) = "Code"
        .TextMatrix(0, .ColIndex("name")) = "Name Arabic "
        .TextMatrix(0, .ColIndex("nameE")) = "Name English  "
    End With

    Label1(3).Caption = "Code"
    Label1(0).Caption = "Name Arabic"
    Label1(1).Caption = "Name English"
    Label2(0).Caption = "Curr. Rec."
    Label2(1).Caption = "Rec. Count."

    btnNew.Caption = "New"
    btnModify.Caption = "Modify"
    btnSave.Caption = "Save"
    BtnUndo.Caption = "Undo"
    btnDelete.Caption = "Delete"
    btnCancel.Caption = "Exit"

End Function

Private Sub Form_QueryUnload(Cancel As Integer, _
                             UnloadMode As Integer)
    Dim IntResult As String
    Dim StrMSG As String
    On Error GoTo ErrTrap
    Dim mSelectModFlg As String
    If mIndex = 0 Then
        mSelectModFlg = Me.TxtModFlg.Text
    Else
        mSelectModFlg = Me.TxtModFlg2(mIndex).Text
    End If
    
    
    If mSelectModFlg <> "R" Then

        Select Case mSelectModFlg

            Case "N"
    
                If SystemOptions.UserInterface = EnglishInterface Then
                    StrMSG = "You will close this screen before save " & CHR(13)
                    StrMSG = StrMSG & " the new data  " & CHR(13)
                    StrMSG = StrMSG & " do you want save before exit" & CHR(13)
                    StrMSG = StrMSG & "yes" & "-" & "save the new data" & CHR(13)
                    StrMSG = StrMSG & "no" & "-" & "Don't save" & CHR(13)
                    StrMSG = StrMSG & "cancel" & "-" & "Cancel Exit" & CHR(13)
    
                Else
                    StrMSG = "”Ê› Ì „ €·ﬁ «·‘«‘… Ê·„  ‰ Â „‰  ”ÃÌ·" & CHR(13)
                    StrMSG = StrMSG & " «·»Ì«‰«  «·ÃœÌœ… «·Õ«·Ì… " & CHR(13)
                    StrMSG = StrMSG & " Â·  —Ìœ «·Õ›Ÿ ﬁ»· «·Œ—ÊÃ" & CHR(13)
                    StrMSG = StrMSG & "‰⁄„" & "-" & "Ì „ Õ›Ÿ «·»Ì«‰«  «·ÃœÌœ…" & CHR(13)
                    StrMSG = StrMSG & "·«" & "-" & "·‰ Ì „ «·Õ›Ÿ" & CHR(13)
                    StrMSG = StrMSG & "≈·€«¡ «·√„—" & "-" & "≈·€«¡ ⁄„·Ì… «·Œ—ÊÃ" & CHR(13)
        
                End If
        
            Case "E"

                If SystemOptions.UserInterface = EnglishInterface Then
                    StrMSG = "You will close this screen before save  " & CHR(13)
                    StrMSG = StrMSG & " the Modifications  " & CHR(13)
                    StrMSG = StrMSG & " do you want save before exit" & CHR(13)
                    StrMSG = StrMSG & "yes" & "-" & "save the new data" & CHR(13)
                    StrMSG = StrMSG & "no" & "-" & "Don't save" & CHR(13)
                    StrMSG = StrMSG & "cancel" & "-" & "Cancel Exit" & CHR(13)
    
                Else
                    StrMSG = "”Ê› Ì „ €·ﬁ «·‘«‘… Ê·„  ‰ Â „‰  ”ÃÌ·" & CHR(13)
                    StrMSG = StrMSG & " «· ⁄œÌ·«  «·ÃœÌœ… ⁄·Ï «·”Ã· «·Õ«·Ï " & CHR(13)
                    StrMSG = StrMSG & " Â·  —Ìœ «·Õ›Ÿ ﬁ»· «·Œ—ÊÃ" & CHR(13)
                    StrMSG = StrMSG & "‰⁄„" & "-" & "Ì „ Õ›Ÿ «· ⁄œÌ·«   «·ÃœÌœ…" & CHR(13)
                    StrMSG = StrMSG & "·«" & "-" & "·‰ Ì „ «·Õ›Ÿ" & CHR(13)
                    StrMSG = StrMSG & "≈·€«¡ «·√„—" & "-" & "≈·€«¡ ⁄„·Ì… «·Œ—ÊÃ" & CHR(13)
                
                End If

        End Select

        IntResult = MsgBox(StrMSG, vbMsgBoxRight + vbYesNoCancel + vbMsgBoxRtlReading + vbQuestion, App.title)

        Select Case IntResult

            Case vbYes
                Cancel = True
                If mIndex = 0 Then
                    btnSave_Click
                Else
                    btn_Save_Click CInt(mIndex)
                End If

            Case vbCancel
                Cancel = True
        End Select

    End If

    Exit Sub
ErrTrap:

End Sub

Private Sub Form_Terminate()
    'Set cSearchDCombo = Nothing
    'Set BKGrndPic = Nothing
    'Set FrmVacancy = Nothing

End Sub

Private Sub Form_Unload(Cancel As Integer)
    On Error GoTo ErrTrap

    If RsSavRec.State = adStateOpen Then
        If Not (RsSavRec.EOF Or RsSavRec.BOF) Then
            If RsSavRec.EditMode <> adEditNone Then
                RsSavRec.CancelUpdate
            End If
        End If

        RsSavRec.Close
        Set RsSavRec = Nothing
    End If

ErrTrap:
End Sub

Private Sub Form_Activate()
    Me.ZOrder 0
End Sub

Public Sub AddNewRec()
    On Error GoTo ErrTrap
    Dim StrRecID As String
    If mIndex = 0 Then
        StrRecID = new_id("emp_contract_type", "id", "")
    ElseIf mIndex = 1 Then
        StrRecID = new_id("ContainerContracts", "id", "")
    ElseIf mIndex = 2 Then
        StrRecID = new_id("ContainerContractsRec", "id", "")
    ElseIf mIndex = 3 Then
        
        StrRecID = new_id("Tbl_TradingContractInv", "id", "")
 ElseIf mIndex = 4 Then
        
        StrRecID = new_id("ContainerUnloading", "id", "")
        
    End If
    
    
'    RsSavRec.AddNew
'    RsSavRec.Fields("id").value = IIf(StrRecID <> "", StrRecID, Null)
    If mIndex = 0 Then
        FiLLRec
    ElseIf mIndex = 1 Then
        FiLLRec1
    ElseIf mIndex = 2 Then
        FiLLRec2
    ElseIf mIndex = 3 Then
       FiLLRec3
         ElseIf mIndex = 4 Then
       FiLLRec4
    End If
    
ErrTrap:
End Sub

Public Sub FiLLRec()
    On Error GoTo ErrTrap

    RsSavRec.Fields("name").value = IIf(TxtVacName.Text <> "", Trim(TxtVacName.Text), Null)
    RsSavRec.Fields("nameE").value = IIf(TxtVacNamee.Text <> "", Trim(TxtVacNamee.Text), Null)

    RsSavRec.update
If SystemOptions.UserInterface = ArabicInterface Then
    MsgBox " „  ⁄„·Ì… «·Õ›Ÿ »‰Ã«Õ", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
 Else
   MsgBox "Save Successfully", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
End If
    CuurentLogdata
    FillGridWithData
    TxtModFlg = "R"

    Exit Sub
ErrTrap:

    If RsSavRec.EditMode <> adEditNone Then
        RsSavRec.CancelUpdate
    End If

End Sub

Public Sub FiLLRec1()
    On Error GoTo ErrTrap
    If TxtModFlg2(mIndex).Text = "N" Then
           ' TxtSerial1(mIndex).Text = CStr(new_id("TblAdditionsAssest", "ID", "", True))

       
        RsSavRec.AddNew
        TxtSerial1(mIndex).Text = new_id("ContainerContracts", "id", "")
        RsSavRec.Fields("ID").value = val(TxtSerial1(mIndex).Text)
    End If
    RsSavRec.Fields("CustID").value = IIf(DcCustmer(mIndex).Text <> "", Trim(DcCustmer(mIndex).BoundText), Null)
    RsSavRec.Fields("BranchID").value = IIf(Dcbranch(mIndex).Text <> "", Trim(Dcbranch(mIndex).BoundText), Null)
    RsSavRec("RecordDate").value = XPDtbTrans.value
    
    RsSavRec("RecType").value = cmbRecType(mIndex).ListIndex
    RsSavRec("Status").value = cmbStatus.ListIndex
   'RsSavRec("RecType").value = cmbRecType.ListIndex
    'RsSavRec("ContractNo").value = txtContractNo.Text
    'RsSavRec("RecName").value = txtRecName.Text
    'RsSavRec("RecordTime").value = XPDtbTransTime.Value
    

    RsSavRec.Fields("Blanks").value = val(txtBlanks.Text)
    RsSavRec.Fields("Total").value = val(TxtTotal.Text)
    RsSavRec.Fields("Vat2").value = val(txtVat2.Text)
    RsSavRec.Fields("Net").value = val(TxtNet.Text)
    
    RsSavRec.Fields("StrDate").value = IIf(StrDate.value <> "", (StrDate.value), Null)
    RsSavRec.Fields("EndDate").value = IIf(EndDate.value <> "", (EndDate.value), Null)

    RsSavRec("CustTel").value = txtTel.Text
    RsSavRec("Remarks").value = TxtRemarks.Text
    DCboUserName(mIndex).BoundText = IIf(DCboUserName(mIndex).Text <> "", Trim(DCboUserName(mIndex).BoundText), user_id)
    
    '*********************
        RsSavRec("Contract_period_no").value = val(Contract_period_no.Text)
        RsSavRec("Contract_period").value = Contract_period.ListIndex
    
    
    RsSavRec.Fields("UserID").value = IIf(DCboUserName(mIndex).Text <> "", Trim(DCboUserName(mIndex).BoundText), user_id)
      
   

    RsSavRec.update
    
    Dim s As String
                
    If mIndex = 1 Then
        s = " Delete From ContainerContractsDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
    ElseIf mIndex = 2 Then
        s = " Delete From ContainerContractsRecDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
    ElseIf mIndex = 3 Then
        s = " Delete From Tbl_TradingContractInvDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
        
        
    End If
    Cn.Execute s
    
    s = "Select * from ContainerContractsDet Where Id = -1"
    saveGrid s, grd2(mIndex), "FixedAssetsID", "", "MasterID", val(TxtSerial1(mIndex).Text)
    
    If XPDtbTrans.value < Date Then
        s = "Update FixedAssets Set STATUS = 1 Where Id In (Select FixedAssetsID From ContainerContractsDet "
        s = s & " Where MasterID = " & val(TxtSerial1(mIndex).Text) & "  )"
        Cn.Execute s

    Else
        s = "Update FixedAssets Set STATUS = 0 Where Id In (Select FixedAssetsID From ContainerContractsDet "
        s = s & " Where MasterID = " & val(TxtSerial1(mIndex).Text) & "  )"
        Cn.Execute s
    End If
'
If SystemOptions.UserInterface = ArabicInterface Then
    MsgBox " „  ⁄„·Ì… «·Õ›Ÿ »‰Ã«Õ", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
 Else
   MsgBox "Save Successfully", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
End If
    CuurentLogdata
    
    TxtModFlg2(mIndex) = "R"

    Exit Sub
ErrTrap:

    If RsSavRec.EditMode <> adEditNone Then
        RsSavRec.CancelUpdate
    End If

End Sub


Public Sub FiLLRec3()
    On Error GoTo ErrTrap
    Dim StrSQL As String
Dim BeginTrans  As Boolean


        If TxtNoteSerial1.Text = "" Then
                If Voucher_coding(val(Dcbranch(mIndex).BoundText), XPDtbTrans3.value, 79, 3378) = "error" Then
                    If SystemOptions.UserInterface = ArabicInterface Then
                        MsgBox " ·« Ì„ﬂ‰ «÷«›… ”‰œ  ÃœÌœ ·«‰ﬂ  ⁄œÌ  «·Õœ «·–Ì ﬁ„  » ÕœÌœ… „‰ «·”‰œ«   ": Exit Sub
                    Else
                        MsgBox " Cant't Create Expenses Voucher to this Process no You exceed the maximum number ": Exit Sub
                    End If

                Else
         
                    If Voucher_coding(val(Dcbranch(mIndex).BoundText), XPDtbTrans3.value, 79, 3378) = "" Then
                        If SystemOptions.UserInterface = ArabicInterface Then
                            
                            TxtNoteSerial1.locked = False
                            MsgBox " ·«»œ „‰ ﬂ «»… —ﬁ„ «·”‰œ ÌœÊÌ« ﬂ„« Õœœ   ": Exit Sub
                        Else
                            MsgBox "  Enter Voucher No Manually or Define Coding ": Exit Sub
                        End If

                    Else
                        TxtNoteSerial1.Text = Voucher_coding(val(Dcbranch(mIndex).BoundText), XPDtbTrans3.value, 79, 3378)
                    End If
                End If
            End If
        Cn.BeginTrans
        BeginTrans = True
'
        '///////////////NOTESALL
        Dim A_NoteID As Long

        If TxtModFlg2(mIndex).Text = "N" Then
           ' TxtSerial1(mIndex).Text = CStr(new_id("TblAdditionsAssest", "ID", "", True))

       
            RsSavRec.AddNew
            TxtSerial1(mIndex).Text = new_id("Tbl_TradingContractInv", "id", "")
            RsSavRec.Fields("ID").value = val(TxtSerial1(mIndex).Text)
            
      
       ElseIf Me.TxtModFlg2(mIndex).Text = "E" Then
           StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & val(Me.TxtNoteID.Text)
           Cn.Execute StrSQL, , adExecuteNoRecords


  '          StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where notes_all=" & val(XPTxtID.text)
  '          Cn.Execute StrSQL, , adExecuteNoRecords
  '
  '          StrSQL = "Delete From notes Where notes_all=" & val(XPTxtID.text)
  '          Cn.Execute StrSQL, , adExecuteNoRecords
        
        End If
    
       
        'TxtSerial1.Text = val(XPTxtID.Text)
        
     
        'rs("ID").value = val(TxtSerial1(mIndex).Text)
        
        RsSavRec("NoteSerial1").value = Trim$(Me.TxtNoteSerial1.Text)



    RsSavRec.Fields("TradingContractID").value = IIf(txtTradingContractID.Text <> "", Trim(txtTradingContractID.Text), Null)
    RsSavRec.Fields("BD_BranchID").value = IIf(Dcbranch(mIndex).Text <> "", Trim(Dcbranch(mIndex).BoundText), Null)
    RsSavRec("RecordDate").value = XPDtbTrans3.value
          

 
    
    '*********************
  
    
    RsSavRec.Fields("UserID").value = IIf(DCboUserName(mIndex).Text <> "", Trim(DCboUserName(mIndex).BoundText), user_id)
      
   

    RsSavRec.update
    
    Dim s As String
                
    s = " Delete From Tbl_TradingContractInvDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
        
        

    Cn.Execute s
    
    
    
    s = "Select * from Tbl_TradingContractInvDet Where Id = -1"
    saveGrid s, GRID2, "TConID", "", "MasterID", val(TxtSerial1(mIndex).Text)
    
'    s = "Update FixedAssets Set STATUS = 1 Where Id In (Select FixedAssetsID From ContainerContractsDet "
'    s = s & " Where MasterID = " & val(TxtSerial1(mIndex).Text) & "  )"
'    Cn.Execute s
'
       Cn.CommitTrans
        BeginTrans = False
If SystemOptions.UserInterface = ArabicInterface Then
    MsgBox " „  ⁄„·Ì… «·Õ›Ÿ »‰Ã«Õ", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
 Else
   MsgBox "Save Successfully", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
End If
    CuurentLogdata
    
    TxtModFlg2(mIndex) = "R"

    Exit Sub
ErrTrap:

    If RsSavRec.EditMode <> adEditNone Then
        RsSavRec.CancelUpdate
    End If

End Sub


Public Sub FiLLRec4()
    On Error GoTo ErrTrap
    If TxtModFlg2(mIndex).Text = "N" Then
           ' TxtSerial1(mIndex).Text = CStr(new_id("TblAdditionsAssest", "ID", "", True))

       
        RsSavRec.AddNew
        TxtSerial1(mIndex).Text = new_id("ContainerUnloading", "id", "")
        RsSavRec.Fields("ID").value = val(TxtSerial1(mIndex).Text)
    End If
    RsSavRec.Fields("CustID").value = IIf(DcCustmer(mIndex).Text <> "", Trim(DcCustmer(mIndex).BoundText), Null)
    RsSavRec.Fields("BranchID").value = IIf(Dcbranch(mIndex).Text <> "", Trim(Dcbranch(mIndex).BoundText), Null)
    RsSavRec("RecordDate").value = XPDtbTrans4.value
    
    RsSavRec("ContractNo").value = txtContractNo4.Text
    

    RsSavRec.Fields("Value").value = val(txtValue.Text)
    RsSavRec.Fields("Count").value = val(txtCount.Text)
    RsSavRec.Fields("Vat").value = val(txtVat4.Text)
    RsSavRec.Fields("TotalValue").value = val(txtTotalValue.Text)

    RsSavRec("DiscValue").value = val(txtDiscValue.Text)
    RsSavRec("DiscPercent").value = val(txtDiscPercent.Text)
    RsSavRec("NetBDisc").value = val(txtNetBDisc.Text)
    RsSavRec("TotalNet").value = val(txtTotalNet.Text)
   ' RsSavRec("NoteID").value = TxtNoteID4.Text
   ' RsSavRec("NoteSerial").value = TxtNoteSerial4.Text
    
    RsSavRec("Remarks").value = TxtRemarks4.Text
    DCboUserName(mIndex).BoundText = IIf(DCboUserName(mIndex).Text <> "", Trim(DCboUserName(mIndex).BoundText), user_id)
    
    '*********************
    
    
    RsSavRec.Fields("UserID").value = IIf(DCboUserName(mIndex).Text <> "", Trim(DCboUserName(mIndex).BoundText), user_id)
      
   

    RsSavRec.update
    
  
 
'
If SystemOptions.UserInterface = ArabicInterface Then
    MsgBox " „  ⁄„·Ì… «·Õ›Ÿ »‰Ã«Õ", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
 Else
   MsgBox "Save Successfully", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
End If
    CuurentLogdata
    
    TxtModFlg2(mIndex) = "R"

    Exit Sub
ErrTrap:

    If RsSavRec.EditMode <> adEditNone Then
        RsSavRec.CancelUpdate
    End If

End Sub



Public Sub FiLLRec2()
   On Error GoTo ErrTrap

    If TxtModFlg2(mIndex).Text = "N" Then
           ' TxtSerial1(mIndex).Text = CStr(new_id("TblAdditionsAssest", "ID", "", True))

       
        RsSavRec.AddNew
        TxtSerial1(mIndex).Text = new_id("ContainerContractsRec", "id", "")
        
    End If
    RsSavRec.Fields("ID").value = val(TxtSerial1(mIndex).Text)
    
    RsSavRec.Fields("CustID").value = IIf(DcCustmer(mIndex).Text <> "", Trim(DcCustmer(mIndex).BoundText), Null)
    RsSavRec.Fields("BranchID").value = IIf(Dcbranch(mIndex).Text <> "", Trim(Dcbranch(mIndex).BoundText), Null)
    RsSavRec("RecDate").value = XPDtbTrans2(mIndex).value
    RsSavRec("RecordDate").value = XPDtbRecordDate.value
    
   
   RsSavRec("RecType").value = cmbRecType(mIndex).ListIndex
   
    RsSavRec("ContractNo").value = txtContractNo.Text
    RsSavRec("RecName").value = txtRecName.Text
    RsSavRec("RecordTime").value = XPDtbTransTime.value
    
    
    RsSavRec("CustTel").value = txtTel.Text
    RsSavRec("Remarks").value = TxtRemarks.Text
    RsSavRec("WebSite").value = txtWebSite.Text
    RsSavRec("Address").value = txtAddress.Text
    DCboUserName(mIndex).BoundText = IIf(DCboUserName(mIndex).Text <> "", Trim(DCboUserName(mIndex).BoundText), user_id)
    RsSavRec.Fields("UserID").value = IIf(DCboUserName(mIndex).Text <> "", Trim(DCboUserName(mIndex).BoundText), user_id)
     
   

    RsSavRec.update
    
    Dim s As String
    If mIndex = 1 Then
        s = " Delete From ContainerContractsDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
    ElseIf mIndex = 2 Then
        s = " Delete From ContainerContractsRecDet Where MasterID = " & val(TxtSerial1(mIndex).Text)
    End If
    Cn.Execute s
    
    s = "Select * from ContainerContractsRecDet Where Id = -1"
    saveGrid s, grd2(mIndex), "GroupID", "", "MasterID", val(TxtSerial1(mIndex).Text)
    
       Dim rsDummy As New ADODB.Recordset
       
       
       s = " SELECT ccd.FixedAssetsID,"
       s = s & " FromDate = ISNULL(ccd.FromDate,(SELECT GetDATE())),"
       s = s & " ToDate = ISNULL(ccd.ToDate, (SELECT GetDATE())),"
       s = s & " ContainerContracts.[Status],"
       s = s & " StrDate = ISNULL(ContainerContracts.StrDate, (SELECT GetDATE())),"
       s = s & " EndDate = ISNULL(ContainerContracts.EndDate, (SELECT GetDATE())) FROM   ContainerContractsDet AS ccd"
       
       
       s = s & "                               INNER JOIN ContainerContracts"
       s = s & "                                           ON  ContainerContracts.ID = ccd.MasterID"
       s = s & " Where FixedAssetsID In (Select FixedAssetsID From ContainerContractsRecDet Where ContainerContractsRecDet.MasterId = " & val(TxtSerial1(mIndex).Text) & " ) And ContainerContracts.ID = " & val(txtContractNo)
'        rsDummy.Open s, Cn, adOpenStatic, adLockReadOnly
'        Do While Not rsDummy.EOF
'            If val(rsDummy!Status) = 1 Then
'            'If XPDtbRecordDate.value >= rsDummy!FromDate And XPDtbRecordDate.value <= rsDummy!toDate Then
'            'If XPDtbRecordDate.value >= rsDummy!StrDate And XPDtbRecordDate.value <= rsDummy!EndDate Then
'            'If XPDtbRecordDate.value >= rsDummy!FromDate And XPDtbRecordDate.value <= rsDummy!toDate Then
'            End If
'
'            rsDummy.MoveNext
'        Loop
        
        Dim rsCont As New ADODB.Recordset
        s = "Select Status,RecDate From ContainerContracts  Where Id = " & val(txtContractNo)
        rsCont.Open s, Cn, adOpenKeyset, adLockOptimistic
        If Not rsCont.EOF Then
             
             If (val(cmbRecType(mIndex).ListIndex)) <> 2 Then
                rsCont("RecDate").value = XPDtbTrans2(mIndex).value
             
                rsCont("Status").value = 1
                rsCont.update
                
                s = "Update FixedAssets Set STATUS = 1 Where Id In (Select FixedAssetsID From ContainerContractsRecDet "
                s = s & " Where MasterID = " & val(TxtSerial1(mIndex).Text) & "  )"
                Cn.Execute s
                
            Else
                rsCont("Status").value = 0
                rsCont("RecDate").value = Null
                rsCont.update

                s = "Update FixedAssets Set STATUS = 0   Where Id In (Select FixedAssetsID From ContainerContractsRecDet "
                s = s & " Where MasterID = " & val(TxtSerial1(mIndex).Text) & "  )"
                Cn.Execute s
            
            End If
        End If
        
'        s = "Update FixedAssets Set STATUS = " & IIf(val(cmbRecType(mIndex).ListIndex) < 2, val(cmbRecType(mIndex).ListIndex), "Null") & " Where Id In (Select FixedAssetsID From ContainerContractsRecDet "
'        s = s & " Where MasterID = " & val(TxtSerial1(mIndex).Text) & "  )"
'        Cn.Execute s
    
   
If SystemOptions.UserInterface = ArabicInterface Then
    MsgBox " „  ⁄„·Ì… «·Õ›Ÿ »‰Ã«Õ", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
 Else
   MsgBox "Save Successfully", vbInformation + vbOKOnly + vbMsgBoxRight + vbMsgBoxRtlReading, App.title
End If
    CuurentLogdata
    
    TxtModFlg2(mIndex) = "R"

    Exit Sub
ErrTrap:

    If RsSavRec.EditMode <> adEditNone Then
        RsSavRec.CancelUpdate
    End If

End Sub



Public Sub FiLLTXT()

    On Error GoTo ErrTrap
    Dim i As Integer
    Frm2.Enabled = False
    TxtVac_ID.Text = IIf(IsNull(RsSavRec.Fields("id").value), "", RsSavRec.Fields("id").value)
    TxtVacName.Text = IIf(IsNull(RsSavRec.Fields("name").value), "", RsSavRec.Fields("name").value)
    TxtVacNamee.Text = IIf(IsNull(RsSavRec.Fields("nameE").value), "", RsSavRec.Fields("nameE").value)
    LabCurrRec.Caption = RsSavRec.AbsolutePosition
    LabCountRec.Caption = RsSavRec.RecordCount

    With Grid

        For i = 1 To .Rows - 1

            If Trim(TxtVac_ID.Text) = .TextMatrix(i, .ColIndex("id")) Then
                TxtSerial.Text = .TextMatrix(i, .ColIndex("Ser"))
                .Row = i
                Exit Sub
            End If

        Next

    End With

ErrTrap:

End Sub


Public Sub FiLLTXT4(Optional Lngid As Long = 0)

    On Error GoTo ErrTrap
    
       Dim RsDetails As New ADODB.Recordset
    Dim StrSQL As String
    Dim RsNotes As New ADODB.Recordset
    Dim RsTest  As ADODB.Recordset
    Dim RsReplace As ADODB.Recordset
    Dim LngPartID As Long
    Dim RsPartDetails As ADODB.Recordset
    Dim i As Long

     If Lngid <> 0 Then
        RsSavRec.Find "ID=" & Lngid, , adSearchForward, adBookmarkFirst

        If RsSavRec.BOF Or RsSavRec.EOF Then
            Exit Sub
        End If
    End If

    On Error GoTo ErrTrap

    'Frm2.Enabled = False
    TxtSerial1(mIndex).Text = IIf(IsNull(RsSavRec.Fields("id").value), "", RsSavRec.Fields("id").value)
    XPDtbTrans4.value = IIf(IsNull(RsSavRec("RecordDate").value), Date, RsSavRec("RecordDate").value)
    DcCustmer(mIndex).BoundText = IIf(IsNull(RsSavRec("CustID").value), "", RsSavRec("CustID").value)

 
    
    txtContractNo4 = IIf(IsNull(RsSavRec("ContractNo").value), "", RsSavRec("ContractNo").value)
    txtValue = IIf(IsNull(RsSavRec("Value").value), "", RsSavRec("Value").value)
    txtCount = IIf(IsNull(RsSavRec("Count").value), "", RsSavRec("Count").value)
    txtVat4 = IIf(IsNull(RsSavRec("Vat").value), "", RsSavRec("Vat").value)
    txtTotalValue = IIf(IsNull(RsSavRec("TotalValue").value), "", RsSavRec("TotalValue").value)
    txtDiscValue = IIf(IsNull(RsSavRec("DiscValue").value), "", RsSavRec("DiscValue").value)
    txtDiscPercent = IIf(IsNull(RsSavRec("DiscPercent").value), "", RsSavRec("DiscPercent").value)
    txtNetBDisc = IIf(IsNull(RsSavRec("NetBDisc").value), "", RsSavRec("NetBDisc").value)
    txtTotalNet = IIf(IsNull(RsSavRec("TotalNet").value), "", RsSavRec("TotalNet").value)


    



    Dcbranch(mIndex).BoundText = IIf(IsNull(RsSavRec("BranchID").value), "", RsSavRec("BranchID").value)
    TxtRemarks4 = IIf(IsNull(RsSavRec("Remarks").value), "", RsSavRec("Remarks").value)
    Me.DCboUserName(mIndex).BoundText = IIf(IsNull(RsSavRec("UserID").value), "", RsSavRec("UserID").value)
     
    
      TxtNoteID4 = RsSavRec!NoteID & ""
    TxtNoteSerial4 = RsSavRec!NoteSerial & ""
    
     If val(TxtNoteID4) <> 0 Then
        CmdCreateV4.Enabled = False
        cmdPrintNote4.Enabled = True
        cmdDelNote4.Enabled = True

     Else
        CmdCreateV4.Enabled = True
        cmdPrintNote4.Enabled = False
        cmdDelNote4.Enabled = False

    End If
    
    LabCurr_Rec(mIndex).Caption = RsSavRec.AbsolutePosition
    LabCount_Rec(mIndex).Caption = RsSavRec.RecordCount

CalcTotal4
ErrTrap:

End Sub




Public Sub FiLLTXT1(Optional Lngid As Long = 0)

    On Error GoTo ErrTrap
    
       Dim RsDetails As New ADODB.Recordset
    Dim StrSQL As String
    Dim RsNotes As New ADODB.Recordset
    Dim RsTest  As ADODB.Recordset
    Dim RsReplace As ADODB.Recordset
    Dim LngPartID As Long
    Dim RsPartDetails As ADODB.Recordset
    Dim i As Long

     If Lngid <> 0 Then
        RsSavRec.Find "ID=" & Lngid, , adSearchForward, adBookmarkFirst

        If RsSavRec.BOF Or RsSavRec.EOF Then
            Exit Sub
        End If
    End If

    On Error GoTo ErrTrap

    'Frm2.Enabled = False
    TxtSerial1(mIndex).Text = IIf(IsNull(RsSavRec.Fields("id").value), "", RsSavRec.Fields("id").value)
    XPDtbTrans.value = IIf(IsNull(RsSavRec("RecordDate").value), Date, RsSavRec("RecordDate").value)
    DcCustmer(mIndex).BoundText = IIf(IsNull(RsSavRec("CustID").value), "", RsSavRec("CustID").value)
    txtTel = IIf(IsNull(RsSavRec("CustTel").value), "", RsSavRec("CustTel").value)
    TxtTotal = IIf(IsNull(RsSavRec("Total").value), "", RsSavRec("Total").value)
    txtVat2 = IIf(IsNull(RsSavRec("Vat2").value), "", RsSavRec("Vat2").value)
    TxtNet = IIf(IsNull(RsSavRec("Net").value), "", RsSavRec("Net").value)
    txtBlanks = IIf(IsNull(RsSavRec("Blanks").value), "", RsSavRec("Blanks").value)

    txtTel = IIf(IsNull(RsSavRec("CustTel").value), "", RsSavRec("CustTel").value)
    Dcbranch(mIndex).BoundText = IIf(IsNull(RsSavRec("BranchID").value), "", RsSavRec("BranchID").value)
    TxtRemarks = IIf(IsNull(RsSavRec("Remarks").value), "", RsSavRec("Remarks").value)
    Me.DCboUserName(1).BoundText = IIf(IsNull(RsSavRec("UserID").value), "", RsSavRec("UserID").value)
    If IsNull(RsSavRec("RecDate").value) Then
        XPDtbTrans2(mIndex).Visible = False
        lbl(42).Visible = False
    Else
        XPDtbTrans2(mIndex).Visible = True
        lbl(42).Visible = True
        XPDtbTrans2(mIndex).value = IIf(IsNull(RsSavRec("RecDate").value), Date, RsSavRec("RecDate").value)
    End If
    
     Me.StrDate.value = IIf(IsNull(RsSavRec.Fields("StrDate").value), Date, RsSavRec.Fields("StrDate").value)
     Me.EndDate.value = IIf(IsNull(RsSavRec.Fields("EndDate").value), Date, RsSavRec.Fields("EndDate").value)
     
    Contract_period_no.Text = IIf(IsNull(RsSavRec("Contract_period_no").value), 0, RsSavRec("Contract_period_no").value)
 
    If IsNull(RsSavRec("Contract_period").value) Then
        Me.Contract_period.ListIndex = 0
    Else
        Me.Contract_period.ListIndex = RsSavRec("Contract_period").value
    End If
     
    cmbRecType(mIndex).ListIndex = IIf(IsNull(RsSavRec("RecType").value), -1, RsSavRec("RecType").value)
    cmbStatus.ListIndex = IIf(IsNull(RsSavRec("Status").value), -1, RsSavRec("Status").value)
    
    
      TxtNoteID2 = RsSavRec!NoteID & ""
    TxtNoteSerial2 = RsSavRec!NoteSerial & ""
    
     If val(TxtNoteID2) <> 0 Then
        CmdCreateV2.Enabled = False
        cmdPrintNote.Enabled = True
        cmdDelNote.Enabled = True

     Else
        CmdCreateV2.Enabled = True
        cmdPrintNote.Enabled = False
        cmdDelNote.Enabled = False

    End If
    
    LabCurr_Rec(mIndex).Caption = RsSavRec.AbsolutePosition
    LabCount_Rec(mIndex).Caption = RsSavRec.RecordCount

    Dim s As String
    
    





            
    
    
    s = " SELECT Det2.Amount,Det2.GroupID,GroupF.GroupName,FA.Name FixedAssetsName,FA2.Name FixedAssetsName2,FA3.Name FixedAssetsName3,Det2.NoDays,"
    s = s & "Det2.FromDate,Det2.ToDate,Det2.RepliesNo ,Det2.RepliesNoFree, Det2.RepliesValue ,Det2.FixedAssetsID,Det2.FixedAssetsID2,Det2.FixedAssetsID3,Det2.EmpID,Te.Emp_Name EmpName"
    s = s & " from ContainerContractsDet Det2"
    s = s & " LEFT OUTER JOIN FixedAssetsGroup GroupF ON GroupF.GroupID =   Det2.groupID"
    s = s & " LEFT OUTER JOIN FixedAssets FA ON FA.id=   Det2.FixedAssetsID"
    s = s & " LEFT OUTER JOIN FixedAssets FA2 ON FA2.id=   Det2.FixedAssetsID2"
    s = s & " LEFT OUTER JOIN FixedAssets FA3 ON FA3.id=   Det2.FixedAssetsID3"
    s = s & " LEFT OUTER JOIN TblEmployee AS te  ON te.Emp_ID=   Det2.EmpId"
    s = s & " Where MasterID = " & val(TxtSerial1(mIndex))
    
    LoadGrid s, grd2(mIndex), True, True
CalcTotal2
ErrTrap:

End Sub


Public Sub FiLLTXT2(Optional Lngid As Long = 0)

    On Error GoTo ErrTrap
    
       Dim RsDetails As New ADODB.Recordset
    Dim StrSQL As String
    Dim RsNotes As New ADODB.Recordset
    Dim RsTest  As ADODB.Recordset
    Dim RsReplace As ADODB.Recordset
    Dim LngPartID As Long
    Dim RsPartDetails As ADODB.Recordset
    Dim i As Long

     If Lngid <> 0 Then
        RsSavRec.Find "ID=" & Lngid, , adSearchForward, adBookmarkFirst

        If RsSavRec.BOF Or RsSavRec.EOF Then
            Exit Sub
        End If
    End If
  
    'Frm2.Enabled = False
     

    TxtSerial1(mIndex).Text = IIf(IsNull(RsSavRec.Fields("id").value), "", RsSavRec.Fields("id").value)
    XPDtbRecordDate.value = IIf(IsNull(RsSavRec("RecordDate").value), Date, RsSavRec("RecordDate").value)
    XPDtbTrans2(mIndex).value = IIf(IsNull(RsSavRec("RecDate").value), Date, RsSavRec("RecDate").value)
    DcCustmer(mIndex).BoundText = IIf(IsNull(RsSavRec("CustID").value), "", RsSavRec("CustID").value)
'    txtTel = IIf(IsNull(RsSavRec("CustTel").value), "", RsSavRec("CustTel").value)
    Dcbranch(mIndex).BoundText = IIf(IsNull(RsSavRec("BranchID").value), "", RsSavRec("BranchID").value)
    'TxtRemarks = IIf(IsNull(RsSavRec("Remarks").value), "", RsSavRec("Remarks").value)
    txtContractNo = IIf(IsNull(RsSavRec("ContractNo").value), "", RsSavRec("ContractNo").value)
    txtContractNo = IIf(IsNull(RsSavRec("ContractNo").value), "", RsSavRec("ContractNo").value)
    cmbRecType(mIndex).ListIndex = IIf(IsNull(RsSavRec("RecType").value), -1, RsSavRec("RecType").value)
  cmbRecType_Validate mIndex, False
    txtRecName = IIf(IsNull(RsSavRec("RecName").value), "", RsSavRec("RecName").value)
    
    txtWebSite = IIf(IsNull(RsSavRec("WebSite").value), "", RsSavRec("WebSite").value)
    txtAddress = IIf(IsNull(RsSavRec("Address").value), "", RsSavRec("Address").value)

    Me.DCboUserName(2).BoundText = IIf(IsNull(RsSavRec("UserID").value), "", RsSavRec("UserID").value)
   
    
     Dim startmaintenanceTime As Date
    If Not IsNull(RsSavRec("RecordTime").value) Then
         startmaintenanceTime = FormatDateTime(RsSavRec("RecordTime").value, vbShortTime)
         Me.XPDtbTransTime.value = startmaintenanceTime
    End If
    
    LabCurr_Rec(mIndex).Caption = RsSavRec.AbsolutePosition
    LabCount_Rec(mIndex).Caption = RsSavRec.RecordCount

    Dim s As String
    
    
    s = " SELECT Det2.LineID, Det2.Amount,Det2.GroupID,GroupF.GroupName,GroupF2.GroupName GroupName2, FA.Name FixedAssetsName,FA2.Name FixedAssetsName2,FA3.Name FixedAssetsName3,"
    s = s & "Det2.FromDate,Det2.ToDate,Det2.StatusPay,Det2.RepliesNo ,Det2.NoDays,Det2.GroupID2,Det2.RepliesNoFree, Det2.RepliesValue , Det2.FixedAssetsID,Det2.FixedAssetsID2,Det2.FixedAssetsID3,Det2.EmpID,Te.Emp_Name EmpName"
    s = s & " from ContainerContractsRecDet Det2"
    s = s & " LEFT OUTER JOIN FixedAssetsGroup GroupF ON GroupF.GroupID =   Det2.groupID"
    s = s & " LEFT OUTER JOIN FixedAssetsGroup GroupF2 ON GroupF2.GroupID =   Det2.groupID2"
    s = s & " LEFT OUTER JOIN FixedAssets FA ON FA.id=   Det2.FixedAssetsID"
    s = s & " LEFT OUTER JOIN FixedAssets FA2 ON FA2.id=   Det2.FixedAssetsID2"
    s = s & " LEFT OUTER JOIN FixedAssets FA3 ON FA3.id=   Det2.FixedAssetsID3"
    s = s & " LEFT OUTER JOIN TblEmployee AS te  ON te.Emp_ID=   Det2.EmpId"
    s = s & " Where MasterID = " & val(TxtSerial1(mIndex))
    
    LoadGrid s, grd2(mIndex), True, True

ErrTrap:

End Sub


Public Sub FiLLTXT3(Optional Lngid As Long = 0)

    On Error GoTo ErrTrap
    
       Dim RsDetails As New ADODB.Recordset
    Dim StrSQL As String
    Dim RsNotes As New ADODB.Recordset
    Dim RsTest  As ADODB.Recordset
    Dim RsReplace As ADODB.Recordset
    Dim LngPartID As Long
    Dim RsPartDetails As ADODB.Recordset
    Dim TContractCustID As Double
    Dim i As Long

     If Lngid <> 0 Then
        RsSavRec.Find "ID=" & Lngid, , adSearchForward, adBookmarkFirst

        If RsSavRec.BOF Or RsSavRec.EOF Then
            Exit Sub
        End If
    End If
  
    'Frm2.Enabled = False

    Me.TxtNoteSerial1.Text = IIf(IsNull(RsSavRec("NoteSerial1").value), "", RsSavRec("NoteSerial1").value)
    TxtSerial1(mIndex).Text = IIf(IsNull(RsSavRec.Fields("id").value), "", RsSavRec.Fields("id").value)
    XPDtbTrans3.value = IIf(IsNull(RsSavRec("RecordDate").value), Date, RsSavRec("RecordDate").value)

    txtTradingContractID.Text = IIf(IsNull(RsSavRec.Fields("TradingContractID").value), "", RsSavRec.Fields("TradingContractID").value)

    Get_TradingContractinfo txtTradingContractID.Text, TContractCustID, 0
        DcCustmer2.BoundText = TContractCustID
    
    
'    txtTel = IIf(IsNull(RsSavRec("CustTel").value), "", RsSavRec("CustTel").value)
    Dcbranch(mIndex).BoundText = IIf(IsNull(RsSavRec("BD_BranchID").value), "", RsSavRec("BD_BranchID").value)
    'TxtRemarks = IIf(IsNull(RsSavRec("Remarks").value), "", RsSavRec("Remarks").value)


    Me.DCboUserName(mIndex).BoundText = IIf(IsNull(RsSavRec("UserID").value), "", RsSavRec("UserID").value)
   
    TxtNoteID = RsSavRec!NoteID & ""
    TxtNoteSerial = RsSavRec!NoteSerial & ""
    
     If val(TxtNoteID) <> 0 Then
        CmdCreateV.Enabled = False
        Command9.Enabled = True
        Command3.Enabled = True

     Else
        CmdCreateV.Enabled = True
        Command9.Enabled = False
        Command3.Enabled = False

    End If
    LabCurr_Rec(mIndex).Caption = RsSavRec.AbsolutePosition
    LabCount_Rec(mIndex).Caption = RsSavRec.RecordCount

    Dim s As String
    

                     
    s = "Select TblProcessDEF.ProcessName Name,Tbl_TradingContractInvDet.* from Tbl_TradingContractInvDet Left Outer join TblProcessDEF On TblProcessDEF.TblProcessDEFID =Tbl_TradingContractInvDet.TConID "
    s = s & " Where MasterID = " & val(TxtSerial1(mIndex))

 
    
    LoadGrid s, GRID2, True, True
    
    
    
    For i = 1 To GRID2.Rows - 1
        CalculteValueAdded i, 21
    Next
    CalcTotal
ErrTrap:

End Sub


Public Sub EditRec(StrTable As String, _
                   RecId As String)
    'My_SQL = "select * From " & StrTable & " where "
    'RsSavRec.Open My_SQL, cn, adOpenStatic, adLockReadOnly, adCmdTableDirect
    FiLLRec

End Sub

Private Sub Frame1_DragDrop(Source As Control, x As Single, Y As Single)

End Sub

Private Sub Grid_EnterCell()
    On Error GoTo ErrTrap
    FindRec val(Me.Grid.TextMatrix(Me.Grid.Row, Me.Grid.ColIndex("id")))
ErrTrap:
End Sub

Private Sub GetContractData()
    Dim s As String
    Dim rsDummy As New ADODB.Recordset
    s = "Select * from ContainerContracts Where 0= 0 and ID = " & val(txtContractNo)
    'salim here IsNull(Status,0)
    
    rsDummy.Open s, Cn, adOpenStatic, adLockReadOnly, adCmdText
    If Not rsDummy.EOF Then
        XPDtbTrans2(mIndex).value = IIf(IsNull(rsDummy("RecordDate").value), Date, rsDummy("RecordDate").value)
        DcCustmer(mIndex).BoundText = IIf(IsNull(rsDummy("CustID").value), "", rsDummy("CustID").value)
        'txtTel = IIf(IsNull(RsSavRec("CustTel").value), "", RsSavRec("CustTel").value)
        Dcbranch(mIndex).BoundText = IIf(IsNull(rsDummy("BranchID").value), "", rsDummy("BranchID").value)
        'TxtRemarks = IIf(IsNull(RsSavRec("Remarks").value), "", RsSavRec("Remarks").value)
     
            s = " SELECT Det2.Id LineID, Det2.Amount, Det2.NoDays,Det2.RepliesNoFree,Det2.RepliesValue, Det2.GroupID,GroupF.GroupName,FA.Name FixedAssetsName,FA2.Name FixedAssetsName2,FA3.Name FixedAssetsName3,"
            s = s & "Det2.FromDate,Det2.ToDate ,Det2.NoDays,Det2.FixedAssetsID,Det2.FixedAssetsID2,Det2.FixedAssetsID3,Det2.EmpID,Te.Emp_Name EmpName"
            s = s & " from ContainerContractsDet Det2"
            s = s & " LEFT OUTER JOIN FixedAssetsGroup GroupF ON GroupF.GroupID =   Det2.groupID"
            s = s & " LEFT OUTER JOIN FixedAssets FA ON FA.id=   Det2.FixedAssetsID"
            s = s & " LEFT OUTER JOIN FixedAssets FA2 ON FA2.id=   Det2.FixedAssetsID2"
            s = s & " LEFT OUTER JOIN FixedAssets FA3 ON FA3.id=   Det2.FixedAssetsID3"
            s = s & " LEFT OUTER JOIN TblEmployee AS te  ON te.Emp_ID=   Det2.EmpId"
            s = s & " Where MasterID = " & val(txtContractNo)
            
            LoadGrid s, grd2(mIndex), True, True
            GetNoOfRD
        Else
            MsgBox "Â–« «·⁄ﬁœ €Ì— „ÊÃÊœ"
            grd2(mIndex).Rows = 1
            
    End If
    

    
   
    
    
End Sub


Private Sub GetContractData4()
    Dim s As String
    Dim rsDummy As New ADODB.Recordset
    s = "Select * from ContainerContracts Where 0 = 0 and ID = " & val(txtContractNo4)
'IsNull(Status,0) salim here

    rsDummy.Open s, Cn, adOpenStatic, adLockReadOnly, adCmdText
    If Not rsDummy.EOF Then
        
        DcCustmer(mIndex).BoundText = IIf(IsNull(rsDummy("CustID").value), "", rsDummy("CustID").value)
        'txtTel = IIf(IsNull(RsSavRec("CustTel").value), "", RsSavRec("CustTel").value)
        Dcbranch(mIndex).BoundText = IIf(IsNull(rsDummy("BranchID").value), "", rsDummy("BranchID").value)
        txtValue = rsDummy!Blanks & ""
        txtCount = 1
        txtTotalValue = rsDummy!Blanks & ""
        
        'TxtRemarks = IIf(IsNull(RsSavRec("Remarks").value), "", RsSavRec("Remarks").value)
     
       
        Else
            MsgBox "Â–« «·⁄ﬁœ €Ì— „ÊÃÊœ"
           ' grd2(mIndex).Rows = 1
            
    End If
    

    
   
    
    
End Sub
Private Sub GetNoOfRD()
If cmbRecType(mIndex).ListIndex <> 0 Then Exit Sub
Dim s As String
Dim rsDummy As New ADODB.Recordset
Dim mCode As Integer, i As Integer, mLineID As Integer
For i = 1 To grd2(2).Rows - 1
    mCode = val(grd2(2).TextMatrix(i, grd2(2).ColIndex("FixedAssetsID")))
    mLineID = val(grd2(2).TextMatrix(i, grd2(2).ColIndex("LineID")))
    If mCode = 0 Then GoTo NextRow
        s = "SELECT Count(IsNull(Id,0)) CC"
    s = s & " From ContainerContractsDet"
    s = s & " WHERE  FixedAssetsID IN (SELECT FixedAssetsID"
    s = s & "                           FROM   ContainerContractsRecDet AS ccrd"
    s = s & "                                  INNER JOIN ContainerContractsRec"
    s = s & "                                       ON  ContainerContractsRec.ID = ccrd.MasterID"
    s = s & "                           WHERE  ContainerContractsRec.ContractNo = ContainerContractsDet.MasterID "
    s = s & " and   ContainerContractsDet.Id  = " & mLineID & ")                        "
    
    's =s & " and ContainerContractsRec.Id <> " & val(TxtSerial1(2)) & ")"
                              
    s = s & " and FixedAssetsID =" & mCode & " AND MasterID = " & val(txtContractNo)
    
    s = " SELECT COUNT(ContainerContractsRecDet.Id) dd"
    s = s & " From ContainerContractsRecDet"
    s = s & " INNER JOIN ContainerContractsRec"
    s = s & " ON  ContainerContractsRec.ID =    ContainerContractsRecDet.MasterID"
    s = s & " Where ContainerContractsRec.ContractNo = " & val(txtContractNo)
    s = s & " AND FixedAssetsID = " & mCode
    s = s & " and   ContainerContractsRecDet.Id  <> " & mLineID
    If Me.TxtModFlg2(mIndex).Text <> "N" Then
        s = s & " and ContainerContractsRec.Id <> " & val(TxtSerial1(2))
    End If
    's = s & " GROUP BY Id"
    rsDummy.Open s, Cn, adOpenStatic, adLockReadOnly, adCmdText
    If Not rsDummy.EOF Then
        grd2(2).TextMatrix(i, grd2(2).ColIndex("RepliesNo")) = val(rsDummy!dd & "") + 1
    Else
        grd2(2).TextMatrix(i, grd2(2).ColIndex("RepliesNo")) = 1
    End If
    rsDummy.Close
NextRow:
Next
 
End Sub
Private Sub TxtCustCode_KeyPress(Index As Integer, KeyAscii As Integer)
    Dim EmpID As Integer

    If KeyAscii = vbKeyReturn Then
        GetTblCustemersCode txtCustCode(Index).Text, EmpID
        DcCustmer(Index).BoundText = EmpID
    End If
End Sub

Private Sub TxtCustCode_KeyUp(Index As Integer, KeyCode As Integer, Shift As Integer)
  If KeyCode = vbKeyF3 Then
        Dim Frm As New FrmCustemerSearch
        Frm.SearchType = 604
        Frm.RetrunType = 0
        Frm.mIndex = Index
        
        Frm.show vbModal
        
    End If
End Sub

Private Sub TxtModFlg2_Change(Index As Integer)
 On Error GoTo ErrTrap

    Select Case Me.TxtModFlg2(mIndex).Text

        Case "R"
            '        Me.Caption = " ’—ÌÕ Œ—ÊÃ „ƒﬁ "
            Me.btn_Save(Index).Enabled = False
            Me.Btn_Undo(Index).Enabled = False
            Me.btn_New(Index).Enabled = True
            Me.btn_Modify(Index).Enabled = True
            Me.btn_Delete(Index).Enabled = True
            Me.btn_Query(Index).Enabled = True
            btn_Previous(Index).Enabled = True
            btn_First(Index).Enabled = True
            btn_Last(Index).Enabled = True
            btn_Next(Index).Enabled = True
       
            XPDtbTrans.Enabled = False
            XPDtbTrans2(2).Enabled = False

'            If rs.RecordCount < 1 Then
'                btn_Previous(Index).Enabled = False
'                btn_First(Index).Enabled = False
'                btn_Last(Index).Enabled = False
'                btn_Next(Index).Enabled = False
'                Me.btn_Modify(Index).Enabled = False
'                Me.btn_Delete(Index).Enabled = False
'            End If

        Case "N"
            '        Me.Caption = " ’—ÌÕ Œ—ÊÃ „ƒﬁ ( ÃœÌœ )"
            Me.btn_Save(Index).Enabled = True
            Me.Btn_Undo(Index).Enabled = True
            Me.btn_New(Index).Enabled = False
            Me.btn_Modify(Index).Enabled = False
            Me.btn_Delete(Index).Enabled = False
            Me.btn_Query(Index).Enabled = False
            '      btn_Previous(Index).Enabled = False
            '      btn_First(Index).Enabled = False
            '      btn_Last(Index).Enabled = False
            '      btn_Next(Index).Enabled = False
           
            XPDtbTrans.Enabled = True
            XPDtbTrans.value = Date

        Case "E"
            '        Me.Caption = " ’—ÌÕ Œ—ÊÃ „ƒﬁ (  ⁄œÌ· )"
            Me.btn_Save(Index).Enabled = True
            Me.Btn_Undo(Index).Enabled = True
            Me.btn_New(Index).Enabled = False
            Me.btn_Modify(Index).Enabled = False
            Me.btn_Delete(Index).Enabled = False
            Me.btn_Query(Index).Enabled = False
            
            btn_Previous(Index).Enabled = False
            btn_First(Index).Enabled = False
            btn_Last(Index).Enabled = False
            btn_Next(Index).Enabled = False
      

            XPDtbTrans.Enabled = True
    End Select

    Exit Sub
ErrTrap:
End Sub

Private Sub TxtVac_ID_Change()
    Dim TxtMod As String
    TxtMod = TxtModFlg.Text
    TxtModFlg.Text = ""
    TxtModFlg = TxtMod
End Sub

Public Function FindRec(ByVal RecId As Long, Optional ByVal mIndex2 As Integer = 0)
    On Error GoTo ErrTrap
    RsSavRec.Find "id=" & RecId, , adSearchForward, 1
    If mIndex2 = 0 Then mIndex2 = mIndex
    If Not (RsSavRec.EOF) Then
        If mIndex2 = 0 Then
            FiLLTXT
        ElseIf mIndex2 = 1 Then
            FiLLTXT1
        ElseIf mIndex2 = 2 Then
            FiLLTXT2
        ElseIf mIndex2 = 3 Then
            FiLLTXT3
        ElseIf mIndex = 4 Then
            FiLLTXT4
        End If
    End If

    Exit Function
ErrTrap:

    If RsSavRec.EditMode <> adEditNone Then
        RsSavRec.CancelUpdate
        If mIndex = 0 Then
            BtnUndo_Click
        Else
            Btn_Undo_Click (mIndex2)
       
        End If
        
        
    End If

    'RsSavRec.Filter = adFilterNone
End Function

'Private Sub TxtVacCode_KeyPress(KeyAscii As Integer)
'KeyAscii = DataFormat(ChrOnly, KeyAscii)
'End Sub

Private Sub TxtModFlg_Change()

    If TxtModFlg.Text = "N" Then
        Frm2.Enabled = True
        Me.btnNew.Enabled = False
        btnModify.Enabled = False
        btnDelete.Enabled = False
        Me.btnQuery.Enabled = False
        Grid.Enabled = False
        BtnUndo.Enabled = True
        Me.btnSave.Enabled = True
        BtnUpdate.Enabled = False
        '    btnNext.Enabled = False
        '    btnPrevious.Enabled = False
        '    btnFirst.Enabled = False
        '    btnLast.Enabled = False
    
    ElseIf TxtModFlg.Text = "R" Then
        Frm2.Enabled = False
        Grid.Enabled = True
        btnModify.Enabled = False
        btnDelete.Enabled = False

        If TxtVac_ID.Text <> "" Then
            btnModify.Enabled = True
            btnDelete.Enabled = True
        End If

        BtnUpdate.Enabled = True
        Me.btnQuery.Enabled = True
        Me.btnNew.Enabled = True
        BtnUndo.Enabled = False
        Me.btnSave.Enabled = False
    
        btnNext.Enabled = True
        btnPrevious.Enabled = True
        btnFirst.Enabled = True
        btnLast.Enabled = True
    
    ElseIf TxtModFlg.Text = "E" Then
        Frm2.Enabled = True
        Me.btnNew.Enabled = False
        btnModify.Enabled = False
        btnDelete.Enabled = False
        Me.btnQuery.Enabled = False
        BtnUpdate.Enabled = False
        BtnUndo.Enabled = True
        Me.btnSave.Enabled = True
        Grid.Enabled = False
        btnNext.Enabled = False
        btnPrevious.Enabled = False
        btnFirst.Enabled = False
        btnLast.Enabled = False
    
    End If

End Sub

Public Sub FillGridWithData()

    On Error GoTo ErrTrap

    Dim i As Integer
    Dim rs As ADODB.Recordset
    Dim My_SQL As String

    Set rs = New ADODB.Recordset
    My_SQL = "select * From emp_contract_type order by id"
    rs.Open My_SQL, Cn, adOpenKeyset, adLockReadOnly, adCmdText

    With Me.Grid
        .Rows = 2
        .Clear flexClearScrollable

        If rs.RecordCount > 0 Then
            .Rows = rs.RecordCount + 1
            rs.MoveFirst

            For i = 1 To .Rows - 1
                .TextMatrix(i, .ColIndex("Ser")) = i
                
                .TextMatrix(i, .ColIndex("id")) = IIf(IsNull(rs.Fields("id").value), "", rs.Fields("id").value)
             
                .TextMatrix(i, .ColIndex("name")) = IIf(IsNull(rs.Fields("name").value), "", rs.Fields("name").value)
               
                .TextMatrix(i, .ColIndex("nameE")) = IIf(IsNull(rs.Fields("nameE").value), "", rs.Fields("nameE").value)
            
                rs.MoveNext
            Next

            rs.Close
        End If

        .RowHeight(-1) = 300
    End With

ErrTrap:
End Sub
Private Sub ShowTipE()
    On Error GoTo ErrTrap
    Dim TTP As New clstooltip
    Dim Wrap As String
    Dim Msg As String
    Wrap = CHR(13) + CHR(10)

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "New" & Wrap & "To open a new record" & Wrap & "Press this key" & Wrap & "or Key" & " F12 √Ê Enter"
            
        .AddControl btnNew, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Modification" & Wrap & "Modifying the current record " & Wrap & "Press this key" & Wrap & "or Key" & " F11"
        .AddControl btnModify, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Save" & Wrap & "To record the data within the database " & Wrap & "Press this key" & Wrap & "or Key" & " F10"
        .AddControl btnSave, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Undo" & Wrap & "To undo the current operation" & Wrap & "Press this key" & Wrap & "or Key" & " F9"
        .AddControl BtnUndo, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Delete the record" & Wrap & "To delete the current record" & Wrap & "Press this key" & Wrap & "or Key" & " F18"
        .AddControl btnDelete, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Exit" & Wrap & "To close this window" & Wrap & "Press this key" & Wrap & "or Key" & " Ctrl+x"
        .AddControl btnCancel, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "First" & Wrap & "Move first record" & Wrap & "Press this key" & Wrap & "or Key" & " Home √Ê UpArrow"
        .AddControl btnFirst, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Previous" & Wrap & "Move previous record" & Wrap & "Press this key" & Wrap & "or Key" & " PageUp √Ê LeftArrow"
        .AddControl btnPrevious, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Next" & Wrap & "Move next record" & Wrap & "Press this key" & Wrap & "or Key" & " PageDown √Ê RightArrow"
        .AddControl btnNext, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Last" & Wrap & "Move last record" & Wrap & "Press this key" & Wrap & "or Key" & " End √Ê DownArrow"
        .AddControl btnLast, Msg, True
    End With

ErrTrap:
End Sub
'-------------------------------------------------------------
Private Sub ShowTip()
    On Error GoTo ErrTrap
    Dim TTP As New clstooltip
    Dim Wrap As String
    Dim Msg As String
    Wrap = CHR(13) + CHR(10)

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "ÃœÌœ" & Wrap & "·› Õ ”Ã· ÃœÌœ " & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " F12 √Ê Enter"
            
        .AddControl btnNew, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = " ⁄œÌ·" & Wrap & "· ⁄œÌ·  ”Ã· «·Õ«·Ï " & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " F11"
        .AddControl btnModify, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Õ›Ÿ" & Wrap & "· ”ÃÌ· «·»Ì«‰«  œ«Œ· ﬁ«⁄œ… " & Wrap & "«·»Ì«‰«  ≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " F10"
        .AddControl btnSave, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = " —«Ã⁄" & Wrap & "·· —«Ã⁄ ⁄‰ «·⁄„·Ì… «·Õ«·Ì…" & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " F9"
        .AddControl BtnUndo, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Õ–› «·”Ã·" & Wrap & "·Õ–› «·”Ã· «·Õ«·Ï" & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " F18"
        .AddControl btnDelete, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "Œ—ÊÃ" & Wrap & "·≈€·«ﬁ Â–Â «·‰«›–…" & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " Ctrl+x"
        .AddControl btnCancel, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "«·«Ê·" & Wrap & "··«‰ ﬁ«· «·Ï «·”Ã· «·«Ê·" & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " Home √Ê UpArrow"
        .AddControl btnFirst, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "«·”«»ﬁ" & Wrap & "··«‰ ﬁ«· «·Ï «·”Ã· «·”«»ﬁ" & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " PageUp √Ê LeftArrow"
        .AddControl btnPrevious, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "«· «·Ï" & Wrap & "··«‰ ﬁ«· «·Ï «·”Ã· «· «·Ï" & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " PageDown √Ê RightArrow"
        .AddControl btnNext, Msg, True
    End With

    With TTP
        .Create Me.hWnd, Me.Caption, 1, 15204351, -2147483630
        .MaxWidth = 4000
        .VisibleTime = 10000
        .DelayTime = 300
        Msg = "«·«ŒÌ—" & Wrap & "··«‰ ﬁ«· «·Ï «·”Ã· «·«ŒÌ—" & Wrap & "≈÷€ÿ Â–« «·„› «Õ" & Wrap & "√Ê „› «Õ" & " End √Ê DownArrow"
        .AddControl btnLast, Msg, True
    End With

ErrTrap:
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, _
                         Shift As Integer)
    On Error GoTo ErrTrap
    If mGridClicked Then Exit Sub
    If KeyCode = vbKeyReturn Then
        If Me.TxtModFlg.Text = "R" Then
            btnNew_Click
        Else
        '    SendKeys "{TAB}"
        End If
    End If

    'New ---------------------------
    If KeyCode = vbKeyF12 Then
        If btnNew.Enabled = False Then Exit Sub
        btnNew_Click
    End If

    'Edit ------------------------
    If KeyCode = vbKeyF11 Then
        If btnModify.Enabled = False Then Exit Sub
        btnModify_Click
    End If

    'save --------------------------------------------------------------------------------
    If KeyCode = vbKeyF10 Then
        If btnSave.Enabled = False Then Exit Sub
        btnSave_Click
    End If

    'undo ------------------------------------------------------------------------------
    If KeyCode = vbKeyF9 Then
        If BtnUndo.Enabled = False Then Exit Sub
        BtnUndo_Click
    End If

    'Delete ---------------------------------------------------------------------------
    If KeyCode = vbKeyF8 Then
        If btnDelete.Enabled = False Then Exit Sub
        btnDelete_Click
    End If

    'Exit ----------------------------------------------------------------------
    If Shift = 2 Then
        If KeyCode = vbKeyX Then
            If btnCancel.Enabled = False Then Exit Sub
            BtnCancel_Click
        End If
    End If

    'Moveing through Records ---------------------------------------------------------------------------
    'If TxtModFlg.Text = "R" Then
    'Move first --------------------------------------------
    If KeyCode = vbKeyUp Or KeyCode = vbKeyHome Then
        If btnFirst.Enabled = False Then Exit Sub
        BtnFirst_Click
    End If

    'Move Previous---------------------------------------------------------
    If KeyCode = vbKeyLeft Or KeyCode = vbKeyPageUp Then
        If btnPrevious.Enabled = False Then Exit Sub
        BtnPrevious_Click
    End If

    'Move Next---------------------------------------------------------
    If KeyCode = vbKeyRight Or KeyCode = vbKeyPageDown Then
        If btnNext.Enabled = False Then Exit Sub
        BtnNext_Click
    End If

    'Move Last---------------------------------------------------------
    If KeyCode = vbKeyDown Or KeyCode = vbKeyEnd Then
        If btnLast.Enabled = False Then Exit Sub
        BtnLast_Click
    End If

    'End If

    Exit Sub
ErrTrap:
End Sub

Private Function CheckDelCountry(Lngid As Long) As Boolean
    Dim rs As ADODB.Recordset
    Dim StrSQL As String
    StrSQL = "Select * From TblEmployee Where id=" & Lngid & ""
    Set rs = New ADODB.Recordset
    rs.Open StrSQL, Cn, adOpenStatic, adLockReadOnly, adCmdText

    If Not (rs.BOF Or rs.EOF) Then
        CheckDelCountry = False
    Else
        CheckDelCountry = True
    End If

    rs.Close
    Set rs = Nothing
End Function


Public Sub GridKeyDown(G As Object, _
                       ByRef KeyCode As Integer, _
                       Shift As Integer, _
                       Optional ByVal CancelInsert As Boolean, _
                       Optional ByVal CancelDelete As Boolean, _
                       Optional SerStartRow As Single = 1, _
                        Optional colStartRow As String = "")
            
        Dim FirstVisibleCol As Long
        Dim LastVisibleCol As Long
        Dim FirstVisibleRow As Long
        Dim LastVisibleRow As Long
        Dim NextVisibleCol As Long
        Dim NextVisibleRow As Long
        
        
        Dim x As Integer
        
         If G.Row <= 0 Or G.Col < 0 Then Exit Sub
    ' ************************
    If SerStartRow < G.FixedRows + 1 Then
        SerStartRow = G.FixedRows
    End If
    ' ************************
    FirstVisibleRow = 0
    For x = G.FixedRows To G.Rows - 1
        If Not G.RowHidden(x) Then FirstVisibleRow = x: Exit For
    Next
    ' ************************
    LastVisibleRow = 0
    For x = G.Rows - 1 To G.FixedRows Step -1
        If Not G.RowHidden(x) Then LastVisibleRow = x: Exit For
    Next
    ' ************************
    FirstVisibleCol = 0
    For x = 1 To G.Cols - 1
        If Not G.ColHidden(x) Then FirstVisibleCol = x: Exit For
    Next
    ' ************************
    LastVisibleCol = 0
    For x = G.Cols - 1 To 1 Step -1
        If Not G.ColHidden(x) Then LastVisibleCol = x: Exit For
    Next
            Select Case KeyCode

            Case vbKeyDelete
                If Shift = 1 Then
                    If CancelDelete Then Exit Sub
                    ' ***************************
                    If LastVisibleRow >= SerStartRow + 1 Then    'G.Rows >= 3 Then
                        If G.Row < LastVisibleRow Then    'G.Rows - 1 Then
                            G.RemoveItem G.Row
                        Else
                            G.RemoveItem G.Row
                            ' ************************
                            LastVisibleRow = 0
                            For x = G.Rows - 1 To 1 Step -1
                                If Not G.RowHidden(x) Then LastVisibleRow = x: Exit For
                            Next
                            ' ************************
                            G.Row = LastVisibleRow    'G.Rows - 1
                        End If
                        GridSerial G, , SerStartRow
                    Else
                        G.Cell(flexcpText, SerStartRow, 1, SerStartRow, G.Cols - 1) = ""
                    End If
                    GridSerial G, , SerStartRow
                End If
            Case vbKeyReturn
                If G.Row = LastVisibleRow Then    'G.Rows - 1 Then ' BottomRow Then
                    If colStartRow <> "" Then
        
                        If LastVisibleCol = G.ColIndex(colStartRow) Then
                            FirstVisibleCol = G.ColIndex(colStartRow)
                        End If
                    End If

                    If G.Col = LastVisibleCol Then    'G.Cols - 1 Then
        
                        If CancelInsert Then G.FinishEditing False: GoTo mExit
                        ' ***************************
                        G.AddItem "", G.Rows
                        ' *****************
                        GridSerial G, , SerStartRow
                        G.Row = G.Rows - 1
                        G.Col = FirstVisibleCol
                    Else
                        NextVisibleCol = G.Col
                        For x = G.Col + 1 To G.Cols - 1
                            If Not G.ColHidden(x) Then NextVisibleCol = x: Exit For
                        Next
                        ' ************************
                        G.Col = NextVisibleCol
                    End If
            Else
                If G.Col = LastVisibleCol Then    'G.Cols - 1 Then
                    G.Col = FirstVisibleCol    '1
                    NextVisibleRow = G.Row
                    For x = G.Row + 1 To G.Rows - 1
                        If Not G.RowHidden(x) Then NextVisibleRow = x: Exit For
                    Next
                    ' ************************
                    G.Row = NextVisibleRow
                Else
                    NextVisibleCol = G.Col
                    For x = G.Col + 1 To G.Cols - 1
                        If Not G.ColHidden(x) Then NextVisibleCol = x: Exit For
                    Next
                    ' ************************
                    G.Col = NextVisibleCol
                End If
            End If
mExit:
        KeyCode = 0
        mGridClicked = False
        End Select

        Exit Sub
End Sub
Public Sub GridSerial(vsGrd As Object, _
                      Optional chkRowHidden As Boolean = False, _
                      Optional SerStartRow As Single = 0)
    Dim j As Long
    Dim ss As Long
    If SerStartRow = 0 Then SerStartRow = vsGrd.FixedRows

    For ss = SerStartRow To vsGrd.Rows - 1
        If chkRowHidden Then
            If Not vsGrd.RowHidden(ss) Then j = j + 1
        Else
            j = j + 1
        End If
        vsGrd.TextMatrix(ss, 0) = j
    Next

End Sub




 Sub GetInformationCustomer(Optional Cus_ID As Double, Optional TelNo As String = "")
Dim Rs6 As ADODB.Recordset
Set Rs6 = New ADODB.Recordset
Dim sql As String
If Cus_ID <> 0 Or TelNo <> "" Then
    If Cus_ID <> 0 Then
        sql = "select CusID,CusName ,CusNamee,Cus_mobile,Address from TblCustemers where CusID =" & Cus_ID & " "
    ElseIf TelNo <> "" Then
        sql = "select CusID,CusName ,CusNamee,Cus_mobile,Address from TblCustemers where Cus_mobile ='" & TelNo & "' "
    End If
Rs6.Open sql, Cn, adOpenStatic, adLockOptimistic, adCmdText
If Rs6.RecordCount > 0 Then
'TxtAddress.Text = IIf(IsNull(Rs6("Address").value), "", Rs6("Address").value)
txtTel.Text = IIf(IsNull(Rs6("Cus_mobile").value), "", Rs6("Cus_mobile").value)
DcCustmer(mIndex).BoundText = IIf(IsNull(Rs6("CusID").value), "", Rs6("CusID").value)
'TxtCusID.Text = IIf(IsNull(Rs6("CusID").Value), "", Rs6("CusID").Value)
Else
'TxtCusID = ""
'TxtRecordNo = ""
'DcCustomerType.BoundText = ""
End If
End If
End Sub





Function createVoucher() As Boolean
Dim NoteID As Long
Dim NoteDate As Date
Dim NoteSerial As String
Dim Notevalue As Double
Dim notytype As Integer
Dim des As String
des = "    Õ”«» «·" & TxtNoteSerial1.Text


Dim tablename As String
Dim Filedname As String
Dim NoteSerial1 As Long
Dim BranchID As Integer
Dim sql As String
Dim mRate  As Double
tablename = "Tbl_TradingContractInv"

Filedname = "ID"
NoteSerial1 = val(TxtNoteSerial1)

BranchID = val(Dcbranch(3).BoundText)
mRate = 1

'



notytype = 3378
Notevalue = val(txtTotalWithVat2)

'mAccNO = val(DboParentAccount.BoundText)
NoteDate = (XPDtbTrans3.value)
 
If Notevalue > 0 Then
    CreateNotes NoteID, NoteDate, BranchID, notytype, Notevalue, NoteSerial, (NoteSerial1), tablename, Filedname, val(TxtSerial1(mIndex)), des                  ', recordDateH.value
                                              TxtNoteID.Text = NoteID
                                                     TxtNoteSerial.Text = NoteSerial

    If Not CREATE_VOUCHER_GE(val(TxtNoteID.Text), BranchID, val(DCboUserName(mIndex).BoundText), NoteDate) Then createVoucher = False Else createVoucher = True
    RsSavRec.Resync adAffectCurrent

    updateNotesValueAndNobytext val(TxtNoteSerial.Text), Format(txtTotalWithVat2.Text, "###.00")
'
'
'    StrSQL = "update  " & tablename & "   set NoteID=" & NoteID & ",NoteSerial='" & NoteSerial & "'"
'
'    StrSQL = StrSQL & " Where " & Filedname & " = " & NoteSerial1 & ""
'    Cn.Execute StrSQL
     
     
 
End If
End Function
Public Function CREATE_VOUCHER_GE(general_noteid As Long, BranchID As Integer, UserID As Long _
, NoteDate As Date) As Boolean
Dim StrSQL As String
     StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & general_noteid
    Cn.Execute StrSQL, , adExecuteNoRecords
    
    Dim i As Integer
    Dim sql As String
    Dim StoreID6 As Integer
    Dim rs2 As ADODB.Recordset
    Set rs2 = New ADODB.Recordset
    Dim Notevalue As Double
    Dim LngDevID As Long
    Dim Msg As String
    Dim StrAccountCodeDebt As String
    Dim StrAccountCodeCridet As String
    Dim x As Integer
   
    Dim rs As New ADODB.Recordset
    Dim notes_serial As String
    Dim notes_id As String
    Msg = "    Õ”«» " & TxtSerial1(mIndex).Text
    notes_id = general_noteid
    my_branch = val(branch_id)
    LngDevID = new_id("DOUBLE_ENTREY_VOUCHERS", "Double_Entry_Vouchers_ID", "")
    Dim line_no As Integer
    line_no = 1
    
    Dim s As String
    Dim mRate As Double
    mRate = 1
    ' „‰ Õ”«» «·⁄„Ì·
    StrAccountCodeDebt = ModAccounts.GetMyAccountCode("TblCustemers", "CusID", val(Me.DcCustmer2.BoundText))
    

   
    Notevalue = val(txtTotalWithVat2.Text)
    If Notevalue > 0 Then
        
       ' StrAccountCodeDebt = Trim(DboParentAccount.BoundText)
        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeDebt, Notevalue, 0, Msg & "    Õ”«»  «·⁄„Ì·  ", val(notes_id), , , , XPDtbTrans.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , _
        val(branch_id), , , , , , , , , , , , , , , , , , , , , , , , DcCustmer2.BoundText) = False Then
            GoTo ErrTrap
        End If
       ' «·Ï Õ”«» «·ﬁÌ„… «·„÷«›…
        GetValueAddedAccount XPDtbTrans3.value, , StrAccountCodeCridet, 1, 43
        
        line_no = line_no + 1

        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeCridet, val(TxtVAt22), 1, Msg & "    Õ”«»  «·ﬁÌ„… «·„÷«›… ", val(notes_id), , , , XPDtbTrans.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , val(branch_id)) = False Then
            GoTo ErrTrap
        End If
        line_no = line_no + 1
    End If

    
    ' «·«ÿ—«›
    
     ' «·Ï Õ”«» «Ì—«œ«  «· —ﬂÌÌ« 
         
    Notevalue = val(txtProjectTotal2.Text)
    If Notevalue > 0 Then
    
                StrAccountCodeCridet = get_account_code_branch(159, my_branch)
        
                If StrAccountCodeCridet = "NO branch" Then
                If SystemOptions.UserInterface = ArabicInterface Then
                    MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                Else
                    MsgBox "No Branch Created", vbCritical
                End If

                GoTo ErrTrap
            Else

                If StrAccountCodeCridet = "NO account" Then
                    If SystemOptions.UserInterface = ArabicInterface Then
                        MsgBox "·„ Ì „  ÕœÌœ Õ”«»   «·«Ì—«œ«  Ê«· —ﬂÌ»« ", vbCritical
                    Else
                        MsgBox "Please Select Account VAT ", vbCritical
                    End If

                    GoTo ErrTrap
         
                End If
            End If

        
        
 
        
        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeCridet, Notevalue, 1, Msg & "    Õ”«» «Ì—«œ«  Ê —ﬂÌ»«   ", val(notes_id), , , , XPDtbTrans3.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , _
        val(branch_id)) = False Then
            GoTo ErrTrap
        End If

        line_no = line_no + 1
    End If
    

    updateNotesValueAndNobytext (val(notes_id))
    CREATE_VOUCHER_GE = True
    Exit Function
ErrTrap:
CREATE_VOUCHER_GE = False
  End Function

Private Sub CalcTotal()
    With GRID2
    .IsSubtotal(.Rows - 1) = True
    Dim SngTotal As Single
    If .Rows > 1 Then
        TxtVAt22 = .Aggregate(flexSTSum, .FixedRows, .ColIndex("Vat2"), .Rows - 1, .ColIndex("Vat2"))
        txtProjectTotal2 = .Aggregate(flexSTSum, .FixedRows, .ColIndex("Total"), .Rows - 1, .ColIndex("Total"))
        txtTotalWithVat2 = .Aggregate(flexSTSum, .FixedRows, .ColIndex("TotalNet"), .Rows - 1, .ColIndex("TotalNet"))
        
    End If
    

    
    End With
End Sub




Function createVoucher4() As Boolean
Dim NoteID As Long
Dim NoteDate As Date
Dim NoteSerial As String
Dim Notevalue As Double
Dim notytype As Integer
Dim des As String
des = "    Õ”«» «·" & TxtNoteSerial4.Text


Dim tablename As String
Dim Filedname As String
Dim NoteSerial1 As Long
Dim BranchID As Integer
Dim sql As String
Dim mRate  As Double
tablename = "ContainerUnloading"

Filedname = "ID"
NoteSerial1 = val(TxtSerial1(mIndex))

BranchID = val(Dcbranch(mIndex).BoundText)
mRate = 1

'



notytype = 3380
Notevalue = val(txtTotalNet)

'mAccNO = val(DboParentAccount.BoundText)
NoteDate = (XPDtbTrans4.value)
 
If Notevalue > 0 Then
    CreateNotes NoteID, NoteDate, BranchID, notytype, Notevalue, NoteSerial, (NoteSerial1), tablename, Filedname, val(TxtSerial1(mIndex)), des                  ', recordDateH.value
                                              TxtNoteID4.Text = NoteID
                                                     TxtNoteSerial4.Text = NoteSerial

    If Not CREATE_VOUCHER_GE4(val(TxtNoteID4.Text), BranchID, val(DCboUserName(mIndex).BoundText), NoteDate) Then createVoucher4 = False Else createVoucher4 = True
    RsSavRec.Resync adAffectCurrent

    updateNotesValueAndNobytext val(TxtNoteSerial4.Text), Format(txtTotalNet.Text, "###.00")
'
'
'    StrSQL = "update  " & tablename & "   set NoteID=" & NoteID & ",NoteSerial='" & NoteSerial & "'"
'
'    StrSQL = StrSQL & " Where " & Filedname & " = " & NoteSerial1 & ""
'    Cn.Execute StrSQL
     
     
 
End If
End Function
Public Function CREATE_VOUCHER_GE2(general_noteid As Long, BranchID As Integer, UserID As Long _
, NoteDate As Date) As Boolean
Dim StrSQL As String
     StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & general_noteid
    Cn.Execute StrSQL, , adExecuteNoRecords
    
    Dim i As Integer
    Dim sql As String
    Dim StoreID6 As Integer
    Dim rs2 As ADODB.Recordset
    Set rs2 = New ADODB.Recordset
    Dim Notevalue As Double
    Dim LngDevID As Long
    Dim Msg As String
    Dim StrAccountCodeDebt As String
    Dim StrAccountCodeCridet As String
    Dim x As Integer
   
    Dim rs As New ADODB.Recordset
    Dim notes_serial As String
    Dim notes_id As String
    Msg = "    Õ”«» " & TxtSerial1(mIndex).Text
    notes_id = general_noteid
    my_branch = val(branch_id)
    LngDevID = new_id("DOUBLE_ENTREY_VOUCHERS", "Double_Entry_Vouchers_ID", "")
    Dim line_no As Integer
    line_no = 1
    
    Dim s As String
    Dim mRate As Double
    mRate = 1
    ' „‰ Õ”«» «·⁄„Ì·
    StrAccountCodeDebt = ModAccounts.GetMyAccountCode("TblCustemers", "CusID", val(Me.DcCustmer(mIndex).BoundText))
    

   
    Notevalue = val(TxtNet.Text)
    If Notevalue > 0 Then
        
       ' StrAccountCodeDebt = Trim(DboParentAccount.BoundText)
        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeDebt, Notevalue, 0, Msg & "    Õ”«»  «·⁄„Ì·  ", val(notes_id), , , , XPDtbTrans.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , _
        val(branch_id), , , , , , , , , , , , , , , , , , , , , , , , DcCustmer(mIndex).BoundText) = False Then
            GoTo ErrTrap
        End If
       ' «·Ï Õ”«» «·ﬁÌ„… «·„÷«›…
        GetValueAddedAccount XPDtbTrans.value, , StrAccountCodeCridet, 1, 48
        
        line_no = line_no + 1

        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeCridet, val(txtVat2), 1, Msg & "    Õ”«»  «·ﬁÌ„… «·„÷«›… ", val(notes_id), , , , XPDtbTrans.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , val(branch_id)) = False Then
            GoTo ErrTrap
        End If
        line_no = line_no + 1
    End If

    
    ' «·«ÿ—«›
    
     ' «·Ï Õ”«» «Ì—«œ«  «·Õ«ÊÌ« 
         
    Notevalue = val(TxtTotal.Text)
    If Notevalue > 0 Then
    
                StrAccountCodeCridet = get_account_code_branch(209, my_branch)
        
                If StrAccountCodeCridet = "NO branch" Then
                If SystemOptions.UserInterface = ArabicInterface Then
                    MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                Else
                    MsgBox "No Branch Created", vbCritical
                End If

                GoTo ErrTrap
            Else

                If StrAccountCodeCridet = "NO account" Then
                    If SystemOptions.UserInterface = ArabicInterface Then
                        MsgBox "·„ Ì „  ÕœÌœ Õ”«»   «»—«œ«  «·Õ«ÊÌ« ", vbCritical
                    Else
                        MsgBox "Please Select Account VAT ", vbCritical
                    End If

                    GoTo ErrTrap
         
                End If
            End If

        
        
 
        
        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeCridet, Notevalue, 1, Msg & "    Õ”«» «Ì—«œ«  «·Õ«ÊÌ«   ", val(notes_id), , , , XPDtbTrans.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , _
        val(branch_id)) = False Then
            GoTo ErrTrap
        End If

        line_no = line_no + 1
    End If
    

    updateNotesValueAndNobytext (val(notes_id))
    CREATE_VOUCHER_GE2 = True
    Exit Function
ErrTrap:
CREATE_VOUCHER_GE2 = False
  End Function




Function createVoucher2() As Boolean

'ee
Dim NoteID As Long
Dim NoteDate As Date
Dim NoteSerial As String
Dim Notevalue As Double
Dim notytype As Integer
Dim des As String
des = "    Õ”«» «·" & TxtNoteSerial2.Text


Dim tablename As String
Dim Filedname As String
Dim NoteSerial1 As Long
Dim BranchID As Integer
Dim sql As String
Dim mRate  As Double
tablename = "ContainerContracts"

Filedname = "ID"
NoteSerial1 = val(TxtSerial1(mIndex))

BranchID = val(Dcbranch(mIndex).BoundText)
mRate = 1

'



notytype = 3379
Notevalue = val(TxtNet)

'mAccNO = val(DboParentAccount.BoundText)
NoteDate = (XPDtbTrans.value)
 
If Notevalue > 0 Then
    CreateNotes NoteID, NoteDate, BranchID, notytype, Notevalue, NoteSerial, (NoteSerial1), tablename, Filedname, val(TxtSerial1(mIndex)), des                  ', recordDateH.value
                                              TxtNoteID2.Text = NoteID
                                                     TxtNoteSerial2.Text = NoteSerial

    If Not CREATE_VOUCHER_GE2(val(TxtNoteID2.Text), BranchID, val(DCboUserName(mIndex).BoundText), NoteDate) Then createVoucher2 = False Else createVoucher2 = True
    RsSavRec.Resync adAffectCurrent

    updateNotesValueAndNobytext val(TxtNoteSerial2.Text), Format(TxtNet.Text, "###.00")
'
'
'    StrSQL = "update  " & tablename & "   set NoteID=" & NoteID & ",NoteSerial='" & NoteSerial & "'"
'
'    StrSQL = StrSQL & " Where " & Filedname & " = " & NoteSerial1 & ""
'    Cn.Execute StrSQL
     
     
 
End If
End Function
Public Function CREATE_VOUCHER_GE4(general_noteid As Long, BranchID As Integer, UserID As Long _
, NoteDate As Date) As Boolean
Dim StrSQL As String
     StrSQL = "Delete From DOUBLE_ENTREY_VOUCHERS Where Notes_ID=" & general_noteid
    Cn.Execute StrSQL, , adExecuteNoRecords
    
    Dim i As Integer
    Dim sql As String
    Dim StoreID6 As Integer
    Dim rs2 As ADODB.Recordset
    Set rs2 = New ADODB.Recordset
    Dim Notevalue As Double
    Dim LngDevID As Long
    Dim Msg As String
    Dim StrAccountCodeDebt As String
    Dim StrAccountCodeCridet As String
    Dim x As Integer
   
    Dim rs As New ADODB.Recordset
    Dim notes_serial As String
    Dim notes_id As String
    Msg = "    Õ”«» " & TxtSerial1(mIndex).Text
    notes_id = general_noteid
    my_branch = val(branch_id)
    LngDevID = new_id("DOUBLE_ENTREY_VOUCHERS", "Double_Entry_Vouchers_ID", "")
    Dim line_no As Integer
    line_no = 1
    
    Dim s As String
    Dim mRate As Double
    mRate = 1
    ' „‰ Õ”«» «·⁄„Ì·
    StrAccountCodeDebt = ModAccounts.GetMyAccountCode("TblCustemers", "CusID", val(Me.DcCustmer(mIndex).BoundText))
    

   
    Notevalue = val(txtTotalNet.Text)
    If Notevalue > 0 Then
        
       ' StrAccountCodeDebt = Trim(DboParentAccount.BoundText)
        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeDebt, Notevalue, 0, Msg & "    Õ”«»  «·⁄„Ì·  ", val(notes_id), , , , XPDtbTrans.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , _
        val(branch_id), , , , , , , , , , , , , , , , , , , , , , , , DcCustmer(mIndex).BoundText) = False Then
            GoTo ErrTrap
        End If
       ' «·Ï Õ”«» «·ﬁÌ„… «·„÷«›…
        GetValueAddedAccount XPDtbTrans4.value, , StrAccountCodeCridet, 1, 49
        
        line_no = line_no + 1

        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeCridet, val(txtVat4), 1, Msg & "    Õ”«»  «·ﬁÌ„… «·„÷«›… ", val(notes_id), , , , XPDtbTrans.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , val(branch_id)) = False Then
            GoTo ErrTrap
        End If
        line_no = line_no + 1
    End If

    
    ' «·«ÿ—«›
    
     ' «·Ï Õ”«» «Ì—«œ«  «·Õ«ÊÌ« 
         
    Notevalue = val(txtNetBDisc.Text)
    If Notevalue > 0 Then
    
                StrAccountCodeCridet = get_account_code_branch(210, my_branch)
        
                If StrAccountCodeCridet = "NO branch" Then
                If SystemOptions.UserInterface = ArabicInterface Then
                    MsgBox "·„ Ì „ «‰‘«¡ «·›—⁄", vbCritical
                Else
                    MsgBox "No Branch Created", vbCritical
                End If

                GoTo ErrTrap
            Else

                If StrAccountCodeCridet = "NO account" Then
                    If SystemOptions.UserInterface = ArabicInterface Then
                        MsgBox "·„ Ì „  ÕœÌœ Õ”«»   «· ›—Ì€« ", vbCritical
                    Else
                        MsgBox "Please Select Account VAT ", vbCritical
                    End If

                    GoTo ErrTrap
         
                End If
            End If

        
        
 
        
        If ModAccounts.AddNewDev(LngDevID, line_no, StrAccountCodeCridet, Notevalue, 1, Msg & "    Õ”«» «· ›—Ì€« ", val(notes_id), , , , XPDtbTrans.value, val(DCboUserName(mIndex).BoundText), , , , , , CLng(mRate), , , setfoxy_Line, , , , , , , , , _
        val(branch_id)) = False Then
            GoTo ErrTrap
        End If

        line_no = line_no + 1
    End If
    

    updateNotesValueAndNobytext (val(notes_id))
    CREATE_VOUCHER_GE4 = True
    Exit Function
ErrTrap:
CREATE_VOUCHER_GE4 = False
  End Function






Private Sub TxtValue_Change()
    CalcTotal4
End Sub

Private Sub XPDtbTrans_Change()
    CalcTotal2
End Sub

Private Sub XPDtbTrans3_Change()

  '  TxtSerial1(mIndex).Text = ""
    If Me.TxtModFlg <> "R" Then
    TxtNoteSerial1.Text = ""
   TxtNoteSerial.Text = ""
   End If
   
End Sub
