VERSION 5.00
Begin VB.Form FrmInterv 
   BackColor       =   &H00FFC0C0&
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Intervalos"
   ClientHeight    =   7650
   ClientLeft      =   54
   ClientTop       =   396
   ClientWidth     =   9180
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Icon            =   "FrmInterv.frx":0000
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   ScaleHeight     =   7650
   ScaleWidth      =   9180
   StartUpPosition =   2  'CenterScreen
   Begin VB.CommandButton cmdReloadIntervals 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Recargar Intervalos"
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
      Left            =   5616
      Style           =   1  'Graphical
      TabIndex        =   35
      Top             =   7200
      Width           =   3474
   End
   Begin VB.Frame Frame11 
      BackColor       =   &H00FFC0C0&
      Caption         =   "NPCs"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   2466
      Left            =   3456
      TabIndex        =   48
      Top             =   4608
      Width           =   2034
      Begin VB.Frame Frame4 
         BackColor       =   &H00FFC0C0&
         Caption         =   "A.I"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   1890
         Left            =   180
         TabIndex        =   49
         Top             =   288
         Width           =   1638
         Begin VB.TextBox txtAI 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   180
            TabIndex        =   51
            Text            =   "0"
            Top             =   1296
            Width           =   1260
         End
         Begin VB.TextBox txtNPCPuedeAtacar 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   162
            TabIndex        =   50
            Text            =   "0"
            Top             =   612
            Width           =   1260
         End
         Begin VB.Label Label7 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "AI"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   198
            TabIndex        =   53
            Top             =   1008
            Width           =   234
         End
         Begin VB.Label Label9 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Puede atacar"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   180
            TabIndex        =   52
            Top             =   306
            Width           =   1386
         End
      End
   End
   Begin VB.Frame Frame12 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Clima && Ambiente"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   2466
      Left            =   5616
      TabIndex        =   38
      Top             =   4608
      Width           =   3438
      Begin VB.Frame Frame7 
         BackColor       =   &H00FFC0C0&
         Caption         =   "Frio y Fx Ambientales"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   1980
         Left            =   144
         TabIndex        =   39
         Top             =   288
         Width           =   3150
         Begin VB.TextBox txtCmdExec 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   1584
            TabIndex        =   43
            Text            =   "0"
            Top             =   1332
            Width           =   1098
         End
         Begin VB.TextBox txtIntervaloPerdidaStaminaLluvia 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   1584
            TabIndex        =   42
            Text            =   "0"
            Top             =   576
            Width           =   1116
         End
         Begin VB.TextBox txtIntervaloWAVFX 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   180
            TabIndex        =   41
            Text            =   "0"
            Top             =   576
            Width           =   1116
         End
         Begin VB.TextBox txtIntervaloFrio 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   180
            TabIndex        =   40
            Text            =   "0"
            Top             =   1296
            Width           =   1098
         End
         Begin VB.Label Label20 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "TimerExec"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   1584
            TabIndex        =   47
            Top             =   1008
            Width           =   1080
         End
         Begin VB.Label Label19 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Stamina Lluvia"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   1584
            TabIndex        =   46
            Top             =   324
            Width           =   1512
         End
         Begin VB.Label Label13 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "FxS"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   216
            TabIndex        =   45
            Top             =   324
            Width           =   396
         End
         Begin VB.Label Label12 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Frío"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   234
            TabIndex        =   44
            Top             =   1008
            Width           =   414
         End
      End
   End
   Begin VB.Frame Frame6 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Usuarios"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   4482
      Left            =   144
      TabIndex        =   2
      Top             =   0
      Width           =   8946
      Begin VB.Frame Frame9 
         BackColor       =   &H00FFC0C0&
         Caption         =   "Otros"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   4068
         Left            =   108
         TabIndex        =   23
         Top             =   252
         Width           =   1692
         Begin VB.TextBox txtIntervaloInmunidad 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   288
            TabIndex        =   56
            Top             =   3024
            Width           =   1098
         End
         Begin VB.TextBox txtIntervaloOcultar 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   288
            TabIndex        =   54
            Text            =   "0"
            Top             =   2280
            Width           =   1116
         End
         Begin VB.TextBox txtIntervaloIdleKick 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   288
            TabIndex        =   25
            Text            =   "0"
            Top             =   576
            Width           =   1116
         End
         Begin VB.TextBox txtTrabajo 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   288
            TabIndex        =   24
            Text            =   "0"
            Top             =   1440
            Width           =   1116
         End
         Begin VB.Label lblInmunidad 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Inmunidad"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   288
            TabIndex        =   57
            Top             =   2736
            Width           =   756
         End
         Begin VB.Label Label21 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Ocultar"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   288
            TabIndex        =   55
            Top             =   2016
            Width           =   756
         End
         Begin VB.Label Label14 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "IntervaloIdleKick"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   252
            Left            =   288
            TabIndex        =   27
            Top             =   324
            Width           =   1638
         End
         Begin VB.Label Label16 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Trabajo"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   288
            TabIndex        =   26
            Top             =   1152
            Width           =   792
         End
      End
      Begin VB.Frame Frame8 
         BackColor       =   &H00FFC0C0&
         Caption         =   "Combate"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   2772
         Left            =   1854
         TabIndex        =   18
         Top             =   252
         Width           =   1692
         Begin VB.TextBox txtPuedeAtacar 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   162
            TabIndex        =   21
            Text            =   "0"
            Top             =   1440
            Width           =   1116
         End
         Begin VB.TextBox txtIntervaloLanzaHechizo 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   144
            TabIndex        =   19
            Text            =   "0"
            Top             =   576
            Width           =   1116
         End
         Begin VB.Label Label17 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Puede Atacar"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   162
            TabIndex        =   22
            Top             =   1116
            Width           =   1404
         End
         Begin VB.Label Label15 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Lanza Spell"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   180
            TabIndex        =   20
            Top             =   342
            Width           =   1206
         End
      End
      Begin VB.Frame Frame3 
         BackColor       =   &H00FFC0C0&
         Caption         =   "Hambre y sed"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   2772
         Left            =   7110
         TabIndex        =   13
         Top             =   252
         Width           =   1692
         Begin VB.TextBox txtIntervaloHambre 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   180
            TabIndex        =   15
            Text            =   "0"
            Top             =   612
            Width           =   1260
         End
         Begin VB.TextBox txtIntervaloSed 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   180
            TabIndex        =   14
            Text            =   "0"
            Top             =   1422
            Width           =   1260
         End
         Begin VB.Label Label5 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Hambre"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   216
            TabIndex        =   17
            Top             =   306
            Width           =   792
         End
         Begin VB.Label Label6 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Sed"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   198
            TabIndex        =   16
            Top             =   1116
            Width           =   414
         End
      End
      Begin VB.Frame Frame1 
         BackColor       =   &H00FFC0C0&
         Caption         =   "Sanar"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   2772
         Left            =   5364
         TabIndex        =   8
         Top             =   252
         Width           =   1692
         Begin VB.TextBox txtSanaIntervaloDescansar 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   180
            TabIndex        =   10
            Text            =   "0"
            Top             =   576
            Width           =   1260
         End
         Begin VB.TextBox txtSanaIntervaloSinDescansar 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   180
            TabIndex        =   9
            Text            =   "0"
            Top             =   1422
            Width           =   1260
         End
         Begin VB.Label Label3 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Descansando"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   216
            TabIndex        =   12
            Top             =   306
            Width           =   1404
         End
         Begin VB.Label Label1 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Sin descansar"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   198
            TabIndex        =   11
            Top             =   1116
            Width           =   1458
         End
      End
      Begin VB.Frame Frame2 
         BackColor       =   &H00FFC0C0&
         Caption         =   "Stamina"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   2772
         Left            =   3618
         TabIndex        =   3
         Top             =   252
         Width           =   1692
         Begin VB.TextBox txtStaminaIntervaloSinDescansar 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   180
            TabIndex        =   5
            Text            =   "0"
            Top             =   1422
            Width           =   1260
         End
         Begin VB.TextBox txtStaminaIntervaloDescansar 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   342
            Left            =   198
            TabIndex        =   4
            Text            =   "0"
            Top             =   576
            Width           =   1260
         End
         Begin VB.Label Label2 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Sin descansar"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   198
            TabIndex        =   7
            Top             =   1116
            Width           =   1458
         End
         Begin VB.Label Label4 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Descansando"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   216
            TabIndex        =   6
            Top             =   306
            Width           =   1404
         End
      End
   End
   Begin VB.Frame Frame5 
      BackColor       =   &H00FFC0C0&
      Caption         =   "Magia"
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   11.7
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   2466
      Left            =   144
      TabIndex        =   1
      Top             =   4608
      Width           =   3186
      Begin VB.Frame Frame10 
         BackColor       =   &H00FFC0C0&
         Caption         =   "Duracion Spells"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   1980
         Left            =   162
         TabIndex        =   28
         Top             =   324
         Width           =   2880
         Begin VB.TextBox txtInvocacion 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   1404
            TabIndex        =   36
            Text            =   "0"
            Top             =   1404
            Width           =   1080
         End
         Begin VB.TextBox txtIntervaloInvisible 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   1404
            TabIndex        =   33
            Text            =   "0"
            Top             =   612
            Width           =   1080
         End
         Begin VB.TextBox txtIntervaloParalizado 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   234
            TabIndex        =   30
            Text            =   "0"
            Top             =   1404
            Width           =   954
         End
         Begin VB.TextBox txtIntervaloVeneno 
            BackColor       =   &H00C0FFFF&
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   360
            Left            =   234
            TabIndex        =   29
            Text            =   "0"
            Top             =   612
            Width           =   954
         End
         Begin VB.Label Label18 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Invocación"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   1404
            TabIndex        =   37
            Top             =   1152
            Width           =   1134
         End
         Begin VB.Label Label11 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Invisible"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   1404
            TabIndex        =   34
            Top             =   342
            Width           =   864
         End
         Begin VB.Label Label10 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Paralizado"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   270
            TabIndex        =   32
            Top             =   1152
            Width           =   1080
         End
         Begin VB.Label Label8 
            AutoSize        =   -1  'True
            BackStyle       =   0  'Transparent
            Caption         =   "Veneno"
            BeginProperty Font 
               Name            =   "Arial"
               Size            =   9.9
               Charset         =   0
               Weight          =   700
               Underline       =   0   'False
               Italic          =   0   'False
               Strikethrough   =   0   'False
            EndProperty
            Height          =   234
            Left            =   270
            TabIndex        =   31
            Top             =   360
            Width           =   792
         End
      End
   End
   Begin VB.CommandButton ok 
      BackColor       =   &H00FFC0C0&
      Cancel          =   -1  'True
      Caption         =   "Salir (Esc)"
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
      Left            =   144
      Style           =   1  'Graphical
      TabIndex        =   0
      Top             =   7200
      Width           =   2034
   End
End
Attribute VB_Name = "FrmInterv"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
'Argentum Online 0.14.0
'Copyright (C) 2002 Márquez Pablo Ignacio
'
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
'
'Argentum Online is based on Baronsoft's VB6 Online RPG
'You can contact the original creator of ORE at aaron@baronsoft.com
'for more information about ORE please visit http://www.baronsoft.com/
'
'
'You can contact me at:
'morgolock@speedy.com.ar
'www.geocities.com/gmorgolock
'Calle 3 número 983 piso 7 dto A
'La Plata - Pcia, Buenos Aires - Republica Argentina
'Código Postal 1900
'Pablo Ignacio Márquez

Option Explicit

Private Sub cmdReloadIntervals_Click()
    Call LoadIntervals
End Sub

Private Sub ok_Click()
    Me.Visible = False

End Sub

