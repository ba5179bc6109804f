VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.2#0"; "mscomctl.OCX"
Begin VB.Form frmPanelGm 
   BorderStyle     =   1  'Fixed Single
   Caption         =   "Panel GM"
   ClientHeight    =   10170
   ClientLeft      =   54
   ClientTop       =   756
   ClientWidth     =   5184
   ClipControls    =   0   'False
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   9.9
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   KeyPreview      =   -1  'True
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   10170
   ScaleWidth      =   5184
   StartUpPosition =   1  'CenterOwner
   Begin VB.Frame Frame 
      BorderStyle     =   0  'None
      Height          =   8874
      Index           =   7
      Left            =   144
      TabIndex        =   86
      Top             =   432
      Width           =   4770
      Begin VB.CommandButton cmdRefresh 
         Caption         =   "ACTUALIZAR"
         Height          =   594
         Left            =   2592
         TabIndex        =   107
         Top             =   2520
         Width           =   2034
      End
      Begin VB.TextBox txtNuevaDescrip 
         Height          =   918
         Left            =   144
         MaxLength       =   40
         MultiLine       =   -1  'True
         ScrollBars      =   2  'Vertical
         TabIndex        =   103
         Top             =   7344
         Width           =   4482
      End
      Begin VB.CommandButton cmdAddFollow 
         Caption         =   "Agregar Seguimiento"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   104
         Top             =   8352
         Width           =   4482
      End
      Begin VB.TextBox txtNuevoUsuario 
         Height          =   342
         Left            =   144
         TabIndex        =   102
         Top             =   6696
         Width           =   4482
      End
      Begin VB.CommandButton cmdAddObs 
         Caption         =   "Agregar Observación"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   100
         Top             =   5760
         Width           =   4482
      End
      Begin VB.TextBox txtObs 
         Height          =   1170
         Left            =   144
         Locked          =   -1  'True
         MultiLine       =   -1  'True
         ScrollBars      =   2  'Vertical
         TabIndex        =   99
         Top             =   4536
         Width           =   4482
      End
      Begin VB.TextBox txtDescrip 
         Height          =   810
         Left            =   144
         Locked          =   -1  'True
         MaxLength       =   40
         MultiLine       =   -1  'True
         ScrollBars      =   2  'Vertical
         TabIndex        =   97
         Top             =   3456
         Width           =   4482
      End
      Begin VB.TextBox txtCreador 
         Height          =   378
         Left            =   2592
         Locked          =   -1  'True
         TabIndex        =   95
         Top             =   1944
         Width           =   2034
      End
      Begin VB.TextBox txtTimeOn 
         Height          =   378
         Left            =   2592
         Locked          =   -1  'True
         TabIndex        =   93
         Top             =   1296
         Width           =   2034
      End
      Begin VB.TextBox txtIP 
         Height          =   378
         Left            =   2592
         Locked          =   -1  'True
         TabIndex        =   91
         Top             =   648
         Width           =   2034
      End
      Begin VB.ListBox lstUsers 
         Height          =   2646
         Left            =   144
         TabIndex        =   87
         Top             =   288
         Width           =   2034
      End
      Begin VB.Label Label2 
         AutoSize        =   -1  'True
         Caption         =   "Estado:"
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
         Left            =   2592
         TabIndex        =   106
         Top             =   72
         Width           =   792
      End
      Begin VB.Label Label9 
         Caption         =   "Descripción"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   306
         Left            =   144
         TabIndex        =   105
         Top             =   7056
         Width           =   1890
      End
      Begin VB.Line Line1 
         X1              =   0
         X2              =   5040
         Y1              =   6336
         Y2              =   6336
      End
      Begin VB.Label Label8 
         Caption         =   "Usuario"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   306
         Left            =   144
         TabIndex        =   101
         Top             =   6408
         Width           =   1890
      End
      Begin VB.Label Label7 
         Caption         =   "Observaciones"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   98
         Top             =   4320
         Width           =   1890
      End
      Begin VB.Label Label6 
         Caption         =   "Descripción"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   144
         TabIndex        =   96
         Top             =   3240
         Width           =   1890
      End
      Begin VB.Label Label5 
         Caption         =   "Creador"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2592
         TabIndex        =   94
         Top             =   1728
         Width           =   1890
      End
      Begin VB.Label Label4 
         Caption         =   "Logueado Hace:"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   450
         Left            =   2592
         TabIndex        =   92
         Top             =   1080
         Width           =   1890
      End
      Begin VB.Label Label3 
         Caption         =   "IP:"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   306
         Left            =   2592
         TabIndex        =   90
         Top             =   432
         Width           =   1314
      End
      Begin VB.Label lblEstado 
         BackColor       =   &H0080FF80&
         BackStyle       =   0  'Transparent
         Caption         =   "Online"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         ForeColor       =   &H00008000&
         Height          =   306
         Left            =   3456
         TabIndex        =   89
         Top             =   72
         Width           =   882
      End
      Begin VB.Label Label1 
         Caption         =   "Usuarios Marcados"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   9.9
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   306
         Left            =   144
         TabIndex        =   88
         Top             =   0
         Width           =   2034
      End
   End
   Begin VB.CommandButton cmdCerrar 
      Cancel          =   -1  'True
      Caption         =   "Cerrar"
      CausesValidation=   0   'False
      Height          =   450
      Left            =   0
      TabIndex        =   0
      Top             =   9792
      Width           =   5058
   End
   Begin VB.Frame Frame 
      BorderStyle     =   0  'None
      Height          =   1746
      Index           =   1
      Left            =   144
      TabIndex        =   1
      Top             =   432
      Width           =   4770
      Begin VB.CommandButton cmdGMSG 
         Caption         =   "/GMSG"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   288
         TabIndex        =   11
         Top             =   720
         Width           =   1314
      End
      Begin VB.CommandButton cmdHORA 
         Caption         =   "/HORA"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   288
         TabIndex        =   10
         Top             =   144
         Width           =   1026
      End
      Begin VB.CommandButton cmdRMSG 
         Caption         =   "/RMSG"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1728
         TabIndex        =   9
         Top             =   720
         Width           =   1314
      End
      Begin VB.CommandButton cmdREALMSG 
         Caption         =   "/REALMSG"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   288
         TabIndex        =   8
         Top             =   1296
         Width           =   1314
      End
      Begin VB.CommandButton cmdCAOSMSG 
         Caption         =   "/CAOSMSG"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1728
         TabIndex        =   7
         Top             =   1296
         Width           =   1314
      End
      Begin VB.CommandButton cmdCIUMSG 
         Caption         =   "/CIUMSG"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3168
         TabIndex        =   6
         Top             =   1296
         Width           =   1314
      End
      Begin VB.CommandButton cmdTALKAS 
         Caption         =   "/TALKAS"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3456
         TabIndex        =   5
         Top             =   144
         Width           =   1026
      End
      Begin VB.CommandButton cmdMOTDCAMBIA 
         Caption         =   "/MOTDCAMBIA"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   4
         Top             =   144
         Width           =   1602
      End
      Begin VB.CommandButton cmdSMSG 
         Caption         =   "/SMSG"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3168
         TabIndex        =   3
         Top             =   720
         Width           =   1314
      End
   End
   Begin VB.Frame Frame 
      BorderStyle     =   0  'None
      Height          =   2178
      Index           =   6
      Left            =   144
      TabIndex        =   54
      Top             =   432
      Width           =   4770
      Begin VB.CommandButton cmdSHOWCMSG 
         Caption         =   "/SHOWCMSG"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   576
         TabIndex        =   78
         Top             =   1296
         Width           =   1602
      End
      Begin VB.CommandButton cmdBANCLAN 
         Caption         =   "/BANCLAN"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   576
         TabIndex        =   77
         Top             =   1728
         Width           =   3618
      End
      Begin VB.CommandButton cmdMIEMBROSCLAN 
         Caption         =   "/MIEMBROSCLAN"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2304
         TabIndex        =   76
         Top             =   1296
         Width           =   1890
      End
      Begin VB.CommandButton cmdBANIPRELOAD 
         Caption         =   "/BANIPRELOAD"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1728
         TabIndex        =   75
         Top             =   576
         Width           =   2754
      End
      Begin VB.CommandButton cmdBANIPLIST 
         Caption         =   "/BANIPLIST"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   288
         TabIndex        =   74
         Top             =   576
         Width           =   1314
      End
      Begin VB.CommandButton cmdIP2NICK 
         Caption         =   "/IP2NICK"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   288
         TabIndex        =   73
         Top             =   144
         Width           =   1314
      End
      Begin VB.CommandButton cmdBANIP 
         Caption         =   "/BANIP"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1728
         TabIndex        =   72
         Top             =   144
         Width           =   1170
      End
      Begin VB.CommandButton cmdUNBANIP 
         Caption         =   "/UNBANIP"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   71
         Top             =   144
         Width           =   1458
      End
   End
   Begin VB.Frame Frame 
      BorderStyle     =   0  'None
      Height          =   2322
      Index           =   4
      Left            =   144
      TabIndex        =   20
      Top             =   432
      Width           =   4770
      Begin VB.CommandButton cmdSHOWNAME 
         Caption         =   "/SHOWNAME"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2736
         TabIndex        =   61
         Top             =   720
         Width           =   1458
      End
      Begin VB.CommandButton cmdREM 
         Caption         =   "/REM"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   720
         TabIndex        =   60
         Top             =   1872
         Width           =   3474
      End
      Begin VB.CommandButton cmdINVISIBLE 
         Caption         =   "/INVISIBLE"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   720
         TabIndex        =   59
         Top             =   144
         Width           =   1458
      End
      Begin VB.CommandButton cmdSETDESC 
         Caption         =   "/SETDESC"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2736
         TabIndex        =   58
         Top             =   1296
         Width           =   1458
      End
      Begin VB.CommandButton cmdNAVE 
         Caption         =   "/NAVE"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   720
         TabIndex        =   57
         Top             =   720
         Width           =   1458
      End
      Begin VB.CommandButton cmdCHATCOLOR 
         Caption         =   "/CHATCOLOR"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   720
         TabIndex        =   56
         Top             =   1296
         Width           =   1458
      End
      Begin VB.CommandButton cmdIGNORADO 
         Caption         =   "/IGNORADO"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2736
         TabIndex        =   55
         Top             =   144
         Width           =   1458
      End
   End
   Begin VB.Frame Frame 
      BorderStyle     =   0  'None
      Height          =   2898
      Index           =   5
      Left            =   144
      TabIndex        =   53
      Top             =   432
      Width           =   4770
      Begin VB.CommandButton cmdCC 
         Caption         =   "/CC"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   864
         TabIndex        =   70
         Top             =   864
         Width           =   3186
      End
      Begin VB.CommandButton cmdLIMPIAR 
         Caption         =   "/LIMPIAR"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2736
         TabIndex        =   69
         Top             =   144
         Width           =   1314
      End
      Begin VB.CommandButton cmdCT 
         Caption         =   "/CT"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   864
         TabIndex        =   68
         Top             =   1440
         Width           =   1314
      End
      Begin VB.CommandButton cmdDT 
         Caption         =   "/DT"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2736
         TabIndex        =   67
         Top             =   1440
         Width           =   1314
      End
      Begin VB.CommandButton cmdLLUVIA 
         Caption         =   "/LLUVIA"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   864
         TabIndex        =   66
         Top             =   144
         Width           =   1314
      End
      Begin VB.CommandButton cmdMASSDEST 
         Caption         =   "/MASSDEST"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2736
         TabIndex        =   65
         Top             =   2448
         Width           =   1314
      End
      Begin VB.CommandButton cmdPISO 
         Caption         =   "/PISO"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   864
         TabIndex        =   64
         Top             =   2448
         Width           =   1314
      End
      Begin VB.CommandButton cmdCI 
         Caption         =   "/CI"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   864
         TabIndex        =   63
         Top             =   2016
         Width           =   1314
      End
      Begin VB.CommandButton cmdDEST 
         Caption         =   "/DEST"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2736
         TabIndex        =   62
         Top             =   2016
         Width           =   1314
      End
   End
   Begin VB.Frame Frame 
      BorderStyle     =   0  'None
      Height          =   2898
      Index           =   2
      Left            =   144
      TabIndex        =   2
      Top             =   432
      Width           =   4770
      Begin VB.CommandButton cmdONLINEREAL 
         Caption         =   "/ONLINEREAL"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   576
         TabIndex        =   19
         Top             =   1296
         Width           =   1602
      End
      Begin VB.CommandButton cmdONLINECAOS 
         Caption         =   "/ONLINECAOS"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2592
         TabIndex        =   18
         Top             =   1296
         Width           =   1602
      End
      Begin VB.CommandButton cmdNENE 
         Caption         =   "/NENE"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   576
         TabIndex        =   17
         Top             =   720
         Width           =   1602
      End
      Begin VB.CommandButton cmdSHOW_SOS 
         Caption         =   "/SHOW SOS"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   576
         TabIndex        =   16
         Top             =   144
         Width           =   1602
      End
      Begin VB.CommandButton cmdONLINEGM 
         Caption         =   "/ONLINEGM"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   576
         TabIndex        =   15
         Top             =   1872
         Width           =   3618
      End
      Begin VB.CommandButton cmdONLINEMAP 
         Caption         =   "/ONLINEMAP"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2592
         TabIndex        =   14
         Top             =   720
         Width           =   1602
      End
      Begin VB.CommandButton cmdBORRAR_SOS 
         Caption         =   "/BORRAR SOS"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2592
         TabIndex        =   13
         Top             =   144
         Width           =   1602
      End
   End
   Begin VB.Frame Frame 
      BorderStyle     =   0  'None
      Height          =   9234
      Index           =   3
      Left            =   144
      TabIndex        =   12
      Top             =   432
      Width           =   4770
      Begin VB.CommandButton cmdConsulta 
         Caption         =   "/CONSULTA"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   85
         Top             =   1584
         Width           =   1314
      End
      Begin VB.CommandButton cmdNOREAL 
         Caption         =   "/NOREAL"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   2448
         TabIndex        =   84
         Top             =   7776
         Width           =   2178
      End
      Begin VB.CommandButton cmdNOCAOS 
         Caption         =   "/NOCAOS"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   83
         Top             =   7776
         Width           =   2178
      End
      Begin VB.CommandButton cmdKICKCONSE 
         Caption         =   "/KICKCONSE"
         CausesValidation=   0   'False
         Height          =   810
         Left            =   3024
         TabIndex        =   82
         Top             =   8352
         Width           =   1602
      End
      Begin VB.CommandButton cmdACEPTCONSECAOS 
         Caption         =   "/ACEPTCONSECAOS"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   81
         Top             =   8784
         Width           =   2754
      End
      Begin VB.CommandButton cmdACEPTCONSE 
         Caption         =   "/ACEPTCONSE"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   80
         Top             =   8352
         Width           =   2754
      End
      Begin VB.ComboBox cboListaUsus 
         Height          =   378
         Left            =   144
         Sorted          =   -1  'True
         TabIndex        =   52
         Top             =   576
         Width           =   4410
      End
      Begin VB.CommandButton cmdActualiza 
         Caption         =   "Actualizar"
         CausesValidation=   0   'False
         Height          =   306
         Left            =   144
         TabIndex        =   51
         Top             =   144
         Width           =   4410
      End
      Begin VB.CommandButton cmdIRCERCA 
         Caption         =   "/IRCERCA"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   50
         Top             =   1152
         Width           =   1314
      End
      Begin VB.CommandButton cmdDONDE 
         Caption         =   "/DONDE"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   49
         Top             =   1584
         Width           =   1314
      End
      Begin VB.CommandButton cmdPENAS 
         Caption         =   "/PENAS"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         Style           =   1  'Graphical
         TabIndex        =   48
         Top             =   4176
         Width           =   1314
      End
      Begin VB.CommandButton cmdTELEP 
         Caption         =   "/TELEP"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   47
         Top             =   1152
         Width           =   1314
      End
      Begin VB.CommandButton cmdSILENCIAR 
         Caption         =   "/SILENCIAR"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   46
         Top             =   4608
         Width           =   1314
      End
      Begin VB.CommandButton cmdIRA 
         Caption         =   "/IRA"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   45
         Top             =   1584
         Width           =   1314
      End
      Begin VB.CommandButton cmdCARCEL 
         Caption         =   "/CARCEL"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   44
         Top             =   4176
         Width           =   1314
      End
      Begin VB.CommandButton cmdADVERTENCIA 
         Caption         =   "/ADVERTENCIA"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   43
         Top             =   4176
         Width           =   1602
      End
      Begin VB.CommandButton cmdINFO 
         Caption         =   "/INFO"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   42
         Top             =   2304
         Width           =   1314
      End
      Begin VB.CommandButton cmdSTAT 
         Caption         =   "/STAT"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   41
         Top             =   2304
         Width           =   1314
      End
      Begin VB.CommandButton cmdBAL 
         Caption         =   "/BAL"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   40
         Top             =   2304
         Width           =   1314
      End
      Begin VB.CommandButton cmdINV 
         Caption         =   "/INV"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   39
         Top             =   2736
         Width           =   1314
      End
      Begin VB.CommandButton cmdBOV 
         Caption         =   "/BOV"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   38
         Top             =   2736
         Width           =   1314
      End
      Begin VB.CommandButton cmdSKILLS 
         Caption         =   "/SKILLS"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   37
         Top             =   2736
         Width           =   1314
      End
      Begin VB.CommandButton cmdREVIVIR 
         Caption         =   "/REVIVIR"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   36
         Top             =   5760
         Width           =   1314
      End
      Begin VB.CommandButton cmdPERDON 
         Caption         =   "/PERDON"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   35
         Top             =   6192
         Width           =   1314
      End
      Begin VB.CommandButton cmdECHAR 
         Caption         =   "/ECHAR"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   34
         Top             =   4608
         Width           =   1314
      End
      Begin VB.CommandButton cmdEJECUTAR 
         Caption         =   "/EJECUTAR"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   33
         Top             =   5760
         Width           =   1314
      End
      Begin VB.CommandButton cmdBAN 
         Caption         =   "/BAN"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   32
         Top             =   5040
         Width           =   1314
      End
      Begin VB.CommandButton cmdUNBAN 
         Caption         =   "/UNBAN"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   31
         Top             =   5040
         Width           =   1314
      End
      Begin VB.CommandButton cmdSUM 
         Caption         =   "/SUM"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   30
         Top             =   1152
         Width           =   1314
      End
      Begin VB.CommandButton cmdNICK2IP 
         Caption         =   "/NICK2IP"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   29
         Top             =   3456
         Width           =   1314
      End
      Begin VB.CommandButton cmdESTUPIDO 
         Caption         =   "/ESTUPIDO"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   28
         Top             =   6912
         Width           =   1314
      End
      Begin VB.CommandButton cmdNOESTUPIDO 
         Caption         =   "/NOESTUPIDO"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   27
         Top             =   6912
         Width           =   1602
      End
      Begin VB.CommandButton cmdBORRARPENA 
         Caption         =   "/BORRARPENA"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   26
         Top             =   4608
         Width           =   1602
      End
      Begin VB.CommandButton cmdLASTIP 
         Caption         =   "/LASTIP"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   1584
         TabIndex        =   25
         Top             =   3456
         Width           =   1314
      End
      Begin VB.CommandButton cmdCONDEN 
         Caption         =   "/CONDEN"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   144
         TabIndex        =   24
         Top             =   6192
         Width           =   1314
      End
      Begin VB.CommandButton cmdRAJAR 
         Caption         =   "/RAJAR"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   23
         Top             =   6192
         Width           =   1314
      End
      Begin VB.CommandButton cmdRAJARCLAN 
         Caption         =   "/RAJARCLAN"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   22
         Top             =   5040
         Width           =   1602
      End
      Begin VB.CommandButton cmdLASTEMAIL 
         Caption         =   "/LASTEMAIL"
         CausesValidation=   0   'False
         Height          =   378
         Left            =   3024
         TabIndex        =   21
         Top             =   3456
         Width           =   1314
      End
   End
   Begin MSComctlLib.TabStrip TabStrip 
      CausesValidation=   0   'False
      Height          =   2322
      Left            =   0
      TabIndex        =   79
      Top             =   0
      Width           =   5058
      _ExtentX        =   8922
      _ExtentY        =   4096
      _Version        =   393216
      BeginProperty Tabs {1EFB6598-857C-11D1-B16A-00C0F0283628} 
         NumTabs         =   7
         BeginProperty Tab1 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "Message"
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab2 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "Info"
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab3 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "Player"
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab4 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "Me"
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab5 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "World"
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab6 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "Admin"
            ImageVarType    =   2
         EndProperty
         BeginProperty Tab7 {1EFB659A-857C-11D1-B16A-00C0F0283628} 
            Caption         =   "Seguimientos"
            ImageVarType    =   2
         EndProperty
      EndProperty
   End
   Begin VB.Menu mnuSeguimientos 
      Caption         =   "Seguimientos"
      Begin VB.Menu mnuIra 
         Caption         =   "Ir Cerca"
      End
      Begin VB.Menu mnuSum 
         Caption         =   "Sumonear"
      End
      Begin VB.Menu mnuDelete 
         Caption         =   "Eliminar Seguimiento"
      End
   End
End
Attribute VB_Name = "frmPanelGm"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
'**************************************************************
' frmPanelGm.frm
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

''
' IMPORTANT!!!
' To prevent the combo list of usernames from closing when a conole message arrives, the Validate event allways
' sets the Cancel arg to True. This, combined with setting the CausesValidation of the RichTextBox to True
' makes the trick. However, in order to be able to use other commands, ALL OTHER controls in this form must have the
' CuasesValidation parameter set to false (unless you want to code your custom flag system to know when to allow or not the loose of focus).

Private Sub cboListaUsus_Validate(Cancel As Boolean)
    Cancel = True
End Sub

Private Sub cmdACEPTCONSE_Click()
    '/ACEPTCONSE
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        If MsgBox("¿Seguro desea aceptar a " & Nick & " como consejero real?", vbYesNo, "Atencion!") = vbYes Then _
            Call WriteAcceptRoyalCouncilMember(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdACEPTCONSE_Click de frmPanelGm.frm")
End Sub

Private Sub cmdACEPTCONSECAOS_Click()
    '/ACEPTCONSECAOS
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        If MsgBox("¿Seguro desea aceptar a " & Nick & " como consejero del caos?", vbYesNo, "Atencion!") = vbYes Then _
            Call WriteAcceptChaosCouncilMember(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdACEPTCONSECAOS_Click de frmPanelGm.frm")
End Sub

Private Sub cmdAddFollow_Click()
Dim I As Long
On Error GoTo ErrHandler
  

    For I = 0 To lstUsers.ListCount
        If UCase$(lstUsers.List(I)) = UCase$(txtNuevoUsuario.text) Then
            Call MsgBox("¡El usuario ya está en la lista!", vbOKOnly + vbExclamation)
            Exit Sub
        End If
    Next I
            
    If LenB(txtNuevoUsuario.text) = 0 Then
        Call MsgBox("¡Escribe el nombre de un usuario!", vbOKOnly + vbExclamation)
        Exit Sub
    End If
    
    If LenB(txtNuevaDescrip.text) = 0 Then
        Call MsgBox("¡Escribe el motivo del seguimiento!", vbOKOnly + vbExclamation)
        Exit Sub
    End If
    
    Call WriteRecordAdd(txtNuevoUsuario.text, txtNuevaDescrip.text)
    
    txtNuevoUsuario.text = vbNullString
    txtNuevaDescrip.text = vbNullString
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdAddFollow_Click de frmPanelGm.frm")
End Sub

Private Sub cmdAddObs_Click()
Dim Obs As String
On Error GoTo ErrHandler
  
    
    Obs = InputBox("Ingrese la observación", "Nueva Observación")
    
    If LenB(Obs) = 0 Then
        Call MsgBox("¡Escribe una observación!", vbOKOnly + vbExclamation)
        Exit Sub
    End If
    
    If lstUsers.ListIndex = -1 Then
        Call MsgBox("¡Seleccione un seguimiento!", vbOKOnly + vbExclamation)
        Exit Sub
    End If
    
    Call WriteRecordAddObs(lstUsers.ListIndex + 1, Obs)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdAddObs_Click de frmPanelGm.frm")
End Sub

Private Sub cmdADVERTENCIA_Click()
    '/ADVERTENCIA
On Error GoTo ErrHandler
  
    Dim tStr As String
    Dim Nick As String

    Nick = cboListaUsus.text
        
    If LenB(Nick) <> 0 Then
        tStr = InputBox("Escriba el motivo de la advertencia.", "Advertir a " & Nick)
                
        If LenB(tStr) <> 0 Then
            'We use the Parser to control the command format
            Call ParseUserCommand("/ADVERTENCIA " & Nick & "@" & tStr)
        End If
    End If
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdADVERTENCIA_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBAL_Click()
    '/BAL
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteRequestCharGold(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBAL_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBAN_Click()
    '/BAN
On Error GoTo ErrHandler
  
    Dim tStr As String
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then
        tStr = InputBox("Escriba el motivo del ban.", "BAN a " & Nick)
                
        'If LenB(tStr) <> 0 Then _
            'If MsgBox("¿Seguro desea banear a " & Nick & "?", vbYesNo, "Atencion!") = vbYes Then _
            '    Call WriteBanChar(Nick, tStr)
    End If
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBAN_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBANCLAN_Click()
    '/BANCLAN
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba el nombre del clan.", "Banear clan")
    If LenB(tStr) <> 0 Then _
        If MsgBox("¿Seguro desea banear al clan " & tStr & "?", vbYesNo, "Atencion!") = vbYes Then _
            Call WriteGuildBan(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBANCLAN_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBANIP_Click()
    '/BANIP
On Error GoTo ErrHandler
  
    Dim tStr As String
    Dim Reason As String
    
    tStr = InputBox("Escriba el ip o el nick del PJ.", "Banear IP")
    
    Reason = InputBox("Escriba el motivo del ban.", "Banear IP")
    
    If LenB(tStr) <> 0 Then _
        If MsgBox("¿Seguro desea banear la ip " & tStr & "?", vbYesNo, "Atencion!") = vbYes Then _
            Call ParseUserCommand("/BANIP " & tStr & " " & Reason) 'We use the Parser to control the command format
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBANIP_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBANIPLIST_Click()
    '/BANIPLIST
On Error GoTo ErrHandler
  
    Call WriteBannedIPList
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBANIPLIST_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBANIPRELOAD_Click()
    '/BANIPRELOAD
On Error GoTo ErrHandler
  
    Call WriteBannedIPReload
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBANIPRELOAD_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBORRAR_SOS_Click()
    '/BORRAR SOS
On Error GoTo ErrHandler
  
    If MsgBox("¿Seguro desea borrar el SOS?", vbYesNo, "Atencion!") = vbYes Then _
        Call WriteCleanSOS
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBORRAR_SOS_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBORRARPENA_Click()
    '/BORRARPENA
On Error GoTo ErrHandler
  
    Dim tStr As String
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then
        tStr = InputBox("Indique el número de la pena a borrar.", "Borrar pena")
        If LenB(tStr) <> 0 Then _
            If MsgBox("¿Seguro desea borrar la pena " & tStr & " a " & Nick & "?", vbYesNo, "Atencion!") = vbYes Then _
                Call ParseUserCommand("/BORRARPENA " & Nick & "@" & tStr) 'We use the Parser to control the command format
    End If
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBORRARPENA_Click de frmPanelGm.frm")
End Sub

Private Sub cmdBOV_Click()
    '/BOV
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteRequestCharBank(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdBOV_Click de frmPanelGm.frm")
End Sub

Private Sub cmdCAOSMSG_Click()
    '/CAOSMSG
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba un Mensaje.", "Mensaje por consola LegionOscura")
    If LenB(tStr) <> 0 Then _
        Call WriteChaosLegionMessage(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdCAOSMSG_Click de frmPanelGm.frm")
End Sub

Private Sub cmdCARCEL_Click()
    '/CARCEL
On Error GoTo ErrHandler
  
    Dim tStr As String
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then
        tStr = InputBox("Escriba el motivo de la pena.", "Carcel a " & Nick)
                
        If LenB(tStr) <> 0 Then
            tStr = tStr & "@" & InputBox("Indique el tiempo de condena (entre 0 y 60 minutos).", "Carcel a " & Nick)
            'We use the Parser to control the command format
            Call ParseUserCommand("/CARCEL " & Nick & "@" & tStr)
        End If
    End If
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdCARCEL_Click de frmPanelGm.frm")
End Sub

Private Sub cmdCC_Click()
    '/CC
On Error GoTo ErrHandler
  
    Call WriteSpawnListRequest
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdCC_Click de frmPanelGm.frm")
End Sub

Private Sub cmdCHATCOLOR_Click()
    '/CHATCOLOR
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Defina el color (R G B). Deje en blanco para usar el default.", "Cambiar color del chat")
    
    Call ParseUserCommand("/CHATCOLOR " & tStr) 'We use the Parser to control the command format
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdCHATCOLOR_Click de frmPanelGm.frm")
End Sub

Private Sub cmdCI_Click()
    '/CI
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Indique el número del objeto a crear.", "Crear Objeto")
    If LenB(tStr) <> 0 Then _
        If MsgBox("¿Seguro desea crear el objeto " & tStr & "?", vbYesNo, "Atencion!") = vbYes Then _
            Call ParseUserCommand("/CI " & tStr) 'We use the Parser to control the command format
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdCI_Click de frmPanelGm.frm")
End Sub

Private Sub cmdConsulta_Click()
    WriteConsultation
End Sub

Private Sub cmdCT_Click()
    '/CT
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Indique la posición donde lleva el portal (MAPA X Y).", "Crear Portal")
    If LenB(tStr) <> 0 Then _
        Call ParseUserCommand("/CT " & tStr) 'We use the Parser to control the command format
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdCT_Click de frmPanelGm.frm")
End Sub

Private Sub cmdDEST_Click()
    '/DEST
On Error GoTo ErrHandler
  
    If MsgBox("¿Seguro desea destruir el objeto sobre el que esta parado?", vbYesNo, "Atencion!") = vbYes Then _
        Call WriteDestroyItems
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdDEST_Click de frmPanelGm.frm")
End Sub

Private Sub cmdDONDE_Click()
    '/DONDE
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteWhere(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdDONDE_Click de frmPanelGm.frm")
End Sub

Private Sub cmdDT_Click()
    'DT
On Error GoTo ErrHandler
  
    If MsgBox("¿Seguro desea destruir el portal?", vbYesNo, "Atencion!") = vbYes Then _
        Call WriteTeleportDestroy
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdDT_Click de frmPanelGm.frm")
End Sub

Private Sub cmdECHAR_Click()
    '/ECHAR
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteKick(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdECHAR_Click de frmPanelGm.frm")
End Sub

Private Sub cmdEJECUTAR_Click()
    '/EJECUTAR
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        If MsgBox("¿Seguro desea ejecutar a " & Nick & "?", vbYesNo, "Atencion!") = vbYes Then _
            Call WriteExecute(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdEJECUTAR_Click de frmPanelGm.frm")
End Sub

Private Sub cmdESTUPIDO_Click()
    '/ESTUPIDO
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteMakeDumb(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdESTUPIDO_Click de frmPanelGm.frm")
End Sub

Private Sub cmdGMSG_Click()
    '/GMSG
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba el mensaje.", "Mensaje por consola de GM")
    If LenB(tStr) <> 0 Then _
        Call WriteGMMessage(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdGMSG_Click de frmPanelGm.frm")
End Sub

Private Sub cmdHORA_Click()
    '/HORA
On Error GoTo ErrHandler
  
    Call Protocol.WriteServerTime
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdHORA_Click de frmPanelGm.frm")
End Sub

Private Sub cmdIGNORADO_Click()
    '/IGNORADO
On Error GoTo ErrHandler
  
    Call WriteIgnored
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdIGNORADO_Click de frmPanelGm.frm")
End Sub

Private Sub cmdINFO_Click()
    '/INFO
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteRequestCharInfo(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdINFO_Click de frmPanelGm.frm")
End Sub

Private Sub cmdINV_Click()
    '/INV
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteRequestCharInventory(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdINV_Click de frmPanelGm.frm")
End Sub

Private Sub cmdINVISIBLE_Click()
    '/INVISIBLE
On Error GoTo ErrHandler
  
    Call WriteInvisible
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdINVISIBLE_Click de frmPanelGm.frm")
End Sub

Private Sub cmdIP2NICK_Click()
    '/IP2NICK
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba la ip.", "IP to Nick")
    If LenB(tStr) <> 0 Then _
        Call ParseUserCommand("/IP2NICK " & tStr) 'We use the Parser to control the command format
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdIP2NICK_Click de frmPanelGm.frm")
End Sub

Private Sub cmdIRA_Click()
    '/IRA
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteGoToChar(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdIRA_Click de frmPanelGm.frm")
End Sub

Private Sub cmdIRCERCA_Click()
    '/IRCERCA
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteGoNearby(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdIRCERCA_Click de frmPanelGm.frm")
End Sub

Private Sub cmdKICKCONSE_Click()
    'KICKCONSE
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        If MsgBox("¿Seguro desea destituir a " & Nick & " de su cargo de consejero?", vbYesNo, "Atencion!") = vbYes Then _
            Call WriteCouncilKick(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdKICKCONSE_Click de frmPanelGm.frm")
End Sub

Private Sub cmdLASTEMAIL_Click()
    '/LASTEMAIL
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteRequestCharMail(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdLASTEMAIL_Click de frmPanelGm.frm")
End Sub

Private Sub cmdLASTIP_Click()
    '/LASTIP
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteLastIP(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdLASTIP_Click de frmPanelGm.frm")
End Sub

Private Sub cmdLIMPIAR_Click()
    '/LIMPIAR
On Error GoTo ErrHandler
  
    Call WriteCleanWorld
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdLIMPIAR_Click de frmPanelGm.frm")
End Sub

Private Sub cmdLLUVIA_Click()
    '/LLUVIA
On Error GoTo ErrHandler
  
    Call WriteRainToggle
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdLLUVIA_Click de frmPanelGm.frm")
End Sub

Private Sub cmdMASSDEST_Click()
    '/MASSDEST
On Error GoTo ErrHandler
  
    If MsgBox("¿Seguro desea destruir todos los items del mapa?", vbYesNo, "Atencion!") = vbYes Then _
        Call WriteDestroyAllItemsInArea
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdMASSDEST_Click de frmPanelGm.frm")
End Sub

Private Sub cmdMIEMBROSCLAN_Click()
    '/MIEMBROSCLAN
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba el nombre del clan.", "Lista de miembros del clan")
    If LenB(tStr) <> 0 Then _
        Call WriteGuildMemberList(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdMIEMBROSCLAN_Click de frmPanelGm.frm")
End Sub

Private Sub cmdMOTDCAMBIA_Click()
    '/MOTDCAMBIA
On Error GoTo ErrHandler
  
    Call WriteChangeMOTD
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdMOTDCAMBIA_Click de frmPanelGm.frm")
End Sub

Private Sub cmdNAVE_Click()
    '/NAVE
On Error GoTo ErrHandler
  
    Call WriteNavigateToggle
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdNAVE_Click de frmPanelGm.frm")
End Sub

Private Sub cmdNENE_Click()
    '/NENE
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Indique el mapa.", "Número de NPCs enemigos.")
    If LenB(tStr) <> 0 Then _
        Call ParseUserCommand("/NENE " & tStr) 'We use the Parser to control the command format
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdNENE_Click de frmPanelGm.frm")
End Sub

Private Sub cmdNICK2IP_Click()
    '/NICK2IP
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteNickToIP(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdNICK2IP_Click de frmPanelGm.frm")
End Sub

Private Sub cmdNOCAOS_Click()
    '/NOCAOS
On Error GoTo ErrHandler

  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdNOCAOS_Click de frmPanelGm.frm")
End Sub

Private Sub cmdNOESTUPIDO_Click()
    '/NOESTUPIDO
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteMakeDumbNoMore(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdNOESTUPIDO_Click de frmPanelGm.frm")
End Sub

Private Sub cmdNOREAL_Click()
    '/NOREAL
On Error GoTo ErrHandler
  

  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdNOREAL_Click de frmPanelGm.frm")
End Sub

Private Sub cmdONLINECAOS_Click()
    '/ONLINECAOS
On Error GoTo ErrHandler
  
    Call WriteOnlineChaosLegion
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdONLINECAOS_Click de frmPanelGm.frm")
End Sub

Private Sub cmdONLINEGM_Click()
    '/ONLINEGM
On Error GoTo ErrHandler
  
    Call WriteOnlineGM
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdONLINEGM_Click de frmPanelGm.frm")
End Sub

Private Sub cmdONLINEMAP_Click()
    '/ONLINEMAP
On Error GoTo ErrHandler
  
    Call WriteOnlineMap(PlayerData.CurrentMap.Number)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdONLINEMAP_Click de frmPanelGm.frm")
End Sub

Private Sub cmdONLINEREAL_Click()
    '/ONLINEREAL
On Error GoTo ErrHandler
  
    Call WriteOnlineRoyalArmy
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdONLINEREAL_Click de frmPanelGm.frm")
End Sub

Private Sub cmdPENAS_Click()
    '/PENAS
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WritePunishments(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdPENAS_Click de frmPanelGm.frm")
End Sub

Private Sub cmdPISO_Click()
    '/PISO
On Error GoTo ErrHandler
  
    Call WriteItemsInTheFloor
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdPISO_Click de frmPanelGm.frm")
End Sub

Private Sub cmdRAJAR_Click()
    '/RAJAR
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        If MsgBox("¿Seguro desea resetear la facción de " & Nick & "?", vbYesNo, "Atencion!") = vbYes Then _
            Call WriteResetFactions(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdRAJAR_Click de frmPanelGm.frm")
End Sub

Private Sub cmdRAJARCLAN_Click()
    '/RAJARCLAN
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        If MsgBox("¿Seguro desea expulsar a " & Nick & " de su clan?", vbYesNo, "Atencion!") = vbYes Then _
            Call WriteRemoveCharFromGuild(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdRAJARCLAN_Click de frmPanelGm.frm")
End Sub

Private Sub cmdREALMSG_Click()
    '/REALMSG
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba un Mensaje.", "Mensaje por consola ArmadaReal")
    If LenB(tStr) <> 0 Then _
        Call WriteRoyalArmyMessage(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdREALMSG_Click de frmPanelGm.frm")
End Sub

Private Sub cmdRefresh_Click()
    Call ClearRecordDetails
On Error GoTo ErrHandler
  
    Call WriteRecordListRequest
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdRefresh_Click de frmPanelGm.frm")
End Sub

Private Sub cmdREM_Click()
    '/REM
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba el comentario.", "Comentario en el logGM")
    If LenB(tStr) <> 0 Then _
        Call WriteComment(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdREM_Click de frmPanelGm.frm")
End Sub

Private Sub cmdREVIVIR_Click()
    '/REVIVIR
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteReviveChar(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdREVIVIR_Click de frmPanelGm.frm")
End Sub

Private Sub cmdRMSG_Click()
    '/RMSG
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba el mensaje.", "Mensaje por consola de RoleMaster")
    If LenB(tStr) <> 0 Then _
        Call WriteServerMessage(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdRMSG_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSETDESC_Click()
    '/SETDESC
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba una DESC.", "Set Description")
    If LenB(tStr) <> 0 Then _
        Call WriteSetCharDescription(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSETDESC_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSHOW_SOS_Click()
    '/SHOW SOS
On Error GoTo ErrHandler
  
    Call WriteSOSShowList
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSHOW_SOS_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSHOWCMSG_Click()
    '/SHOWCMSG
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba el nombre del clan que desea escuchar.", "Escuchar los mensajes del clan")
    If LenB(tStr) <> 0 Then _
        Call WriteShowGuildMessages(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSHOWCMSG_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSHOWNAME_Click()
    '/SHOWNAME
On Error GoTo ErrHandler
  
    Call WriteShowName
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSHOWNAME_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSILENCIAR_Click()
    '/SILENCIAR
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteSilence(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSILENCIAR_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSKILLS_Click()
    '/SKILLS
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteRequestCharSkills(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSKILLS_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSMSG_Click()
    '/SMSG
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba el mensaje.", "Mensaje de sistema")
    If LenB(tStr) <> 0 Then _
        Call WriteSystemMessage(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSMSG_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSTAT_Click()
    '/STAT
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteRequestCharStats(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSTAT_Click de frmPanelGm.frm")
End Sub

Private Sub cmdSUM_Click()
    '/SUM
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        Call WriteSummonChar(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdSUM_Click de frmPanelGm.frm")
End Sub

Private Sub cmdTALKAS_Click()
    '/TALKAS
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba un Mensaje.", "Hablar por NPC")
    If LenB(tStr) <> 0 Then _
        Call WriteTalkAsNPC(tStr)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdTALKAS_Click de frmPanelGm.frm")
End Sub

Private Sub cmdTELEP_Click()
    '/TELEP
On Error GoTo ErrHandler
  
    Dim tStr As String
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then
        tStr = InputBox("Indique la posición (MAPA X Y).", "Transportar a " & Nick)
        If LenB(tStr) <> 0 Then _
            Call ParseUserCommand("/TELEP " & Nick & " " & tStr) 'We use the Parser to control the command format
    End If
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdTELEP_Click de frmPanelGm.frm")
End Sub


Private Sub cmdUNBAN_Click()
    '/UNBAN
On Error GoTo ErrHandler
  
    Dim Nick As String

    Nick = cboListaUsus.text
    
    If LenB(Nick) <> 0 Then _
        If MsgBox("¿Seguro desea unbanear a " & Nick & "?", vbYesNo, "Atencion!") = vbYes Then _
            Call WriteUnbanChar(Nick)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdUNBAN_Click de frmPanelGm.frm")
End Sub

Private Sub cmdUNBANIP_Click()
    '/UNBANIP
On Error GoTo ErrHandler
  
    Dim tStr As String
    
    tStr = InputBox("Escriba el ip.", "Unbanear IP")
    If LenB(tStr) <> 0 Then _
        If MsgBox("¿Seguro desea unbanear la ip " & tStr & "?", vbYesNo, "Atencion!") = vbYes Then _
            Call ParseUserCommand("/UNBANIP " & tStr) 'We use the Parser to control the command format
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdUNBANIP_Click de frmPanelGm.frm")
End Sub

Private Sub Form_Load()
    Call showTab(1)
On Error GoTo ErrHandler
  
    
    'Actualiza los usuarios online
    Call cmdActualiza_Click
    
    'Actualiza los seguimientos
    Call cmdRefresh_Click
    
    'Oculta el menú usado para el PopUp
    mnuSeguimientos.Visible = False
    
    Call modCustomCursors.SetFormCursorDefault(Me)
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub Form_Load de frmPanelGm.frm")
End Sub

Private Sub cmdActualiza_Click()
On Error GoTo ErrHandler
  
    Call WriteRequestUserList

  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub cmdActualiza_Click de frmPanelGm.frm")
End Sub

Private Sub cmdCerrar_Click()
    CerrarVentana
End Sub

Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)
    CerrarVentana
End Sub

Private Sub CerrarVentana()
On Error GoTo ErrHandler
  
    Unload Me
    If frmMain.Visible Then frmMain.SetFocus
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub CerrarVentana de frmPanelGm.frm")
End Sub

Private Sub Form_KeyDown(KeyCode As Integer, Shift As Integer)
    If KeyCode = vbKeyEscape Then CerrarVentana
End Sub

Private Sub lstUsers_MouseUp(Button As Integer, Shift As Integer, X As Single, Y As Single)
On Error GoTo ErrHandler
  
    If Button = vbRightButton Then
        PopupMenu mnuSeguimientos
    Else
        If lstUsers.ListIndex <> -1 Then
            Call ClearRecordDetails
            Call WriteRecordDetailsRequest(lstUsers.ListIndex + 1)
        End If
    End If
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub lstUsers_MouseUp de frmPanelGm.frm")
End Sub

Private Sub ClearRecordDetails()
On Error GoTo ErrHandler
  
    txtIP.text = vbNullString
    txtCreador.text = vbNullString
    txtDescrip.text = vbNullString
    txtObs.text = vbNullString
    txtTimeOn.text = vbNullString
    lblEstado.Caption = vbNullString
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub ClearRecordDetails de frmPanelGm.frm")
End Sub

Private Sub mnuDelete_Click()
On Error GoTo ErrHandler
  
    With lstUsers
        If .ListIndex = -1 Then
            Call MsgBox("¡Seleccione un usuario para remover el seguimiento!", vbOKOnly + vbExclamation)
            Exit Sub
        End If
        
        If MsgBox("¿Desea eliminar el seguimiento al personaje " & .List(.ListIndex) & "?", vbYesNo) = vbYes Then
            Call WriteRecordRemove(.ListIndex + 1)
            Call ClearRecordDetails
        End If
    End With
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub mnuDelete_Click de frmPanelGm.frm")
End Sub

Private Sub mnuIra_Click()
On Error GoTo ErrHandler
  
    With lstUsers
        If .ListIndex <> -1 Then
            Call WriteGoToChar(.List(.ListIndex))
        End If
    End With
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub mnuIra_Click de frmPanelGm.frm")
End Sub

Private Sub mnuSum_Click()
On Error GoTo ErrHandler
  
    With lstUsers
        If .ListIndex <> -1 Then
            Call WriteSummonChar(.List(.ListIndex))
        End If
    End With
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub mnuSum_Click de frmPanelGm.frm")
End Sub

Private Sub TabStrip_Click()
    Call showTab(TabStrip.SelectedItem.Index)
End Sub

Private Sub showTab(TabId As Byte)
On Error GoTo ErrHandler
  
    Dim I As Byte
    
    For I = 1 To Frame.UBound
        Frame(I).Visible = (I = TabId)
    Next I
    
    With Frame(TabId)
        frmPanelGm.Height = .Height + 1280
        TabStrip.Height = .Height + 480
        cmdCerrar.Top = .Height + 465
    End With
  
  Exit Sub
  
ErrHandler:
  Call LogError("Error" & Err.Number & "(" & Err.Description & ") en Sub showTab de frmPanelGm.frm")
End Sub
