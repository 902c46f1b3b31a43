; Windows installer of the resident program, built on Linux with makensis:
;   makensis -DEXE_DIR=DIR -DDATA_DIR=DIR -DHELP_FILE=HTML -DICON_FILE=ICO -DAPP_VERSION=A.B.C.D -DOUT_FILE=FILE installer/Wendrix.nsi
; EXE_DIR holds WendrixTray.exe, DATA_DIR the data files that lie beside it, HELP_FILE the help page,
; ICON_FILE is the program icon, APP_VERSION the version of its resource
; (FILEVERSION of resources/WendrixTray.rc, a.b.c.d). The installed-programs
; entry reads the version from the installed program itself.
;
; Command line (all optional):
;   /S               silent: no pages, no questions
;   /AllUsers        install for every user into "C:\Program Files\Wendrix" (the default for administrators)
;   /CurrentUser     install for this user only into the user's local programs folder (no administrator rights)
;   /NOAUTORUN       do not start the program with Windows (the Startup shortcut is made by default)
;   /RUN             start the program when done (a copy the installer closed is started again anyway)
;   /D=FOLDER        install into FOLDER (must come last)
; The uninstaller takes /S and /REMOVEUSERDATA (also remove the custom dictionaries and settings).
;
; With -DLANGUAGE_DIR=DIR the installer also offers the spelling dictionaries
; of the other interface languages (DIR holds them), each a component of its
; own, chosen beforehand when it is the language Windows displays (a silent
; install takes that choice too). English (United States) is always installed.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
SetCompressorDictSize 16

!ifndef EXE_DIR | DATA_DIR | ICON_FILE | OUT_FILE | APP_VERSION | HELP_FILE
  !error "define EXE_DIR, DATA_DIR, ICON_FILE, HELP_FILE, OUT_FILE and APP_VERSION"
!endif

!define APP_NAME "Wendrix"
!define APP_EXE "WendrixTray.exe"
!define PUBLISHER "Morvane Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Wendrix"
!define SETTINGS_KEY "Software\Morvane\Wendrix"
!define SPELLING_SETTINGS_KEY "Software\Morvane\Tarvelo"
; The program's single-instance mutex and its hidden controller window.
!define INSTANCE_MUTEX "DravimoAutoRun"
!define CONTROLLER_CLASS "TfrmTarvelo"


Name "${APP_NAME}"
OutFile "${OUT_FILE}"
BrandingText "${APP_NAME} ${APP_VERSION}"
VIProductVersion "${APP_VERSION}"
VIAddVersionKey "ProductName" "${APP_NAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${APP_NAME} Setup"
VIAddVersionKey "FileVersion" "${APP_VERSION}"
VIAddVersionKey "ProductVersion" "${APP_VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

; Machine-wide for administrators, per-user otherwise; /AllUsers and
; /CurrentUser choose. The uninstaller finds the mode from where the
; installed-programs entry lies.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_NAME}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${APP_NAME} now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; The plugins the first page needs go ahead of the solid data block, so that
; the first page shows without unpacking the data first.
ReserveFile /plugin UserInfo.dll
ReserveFile /plugin System.dll
ReserveFile /plugin nsDialogs.dll

Var WasRunning

; CLOSE_RUNNING_COPY PREFIX: ends a running copy of the program before its
; files are replaced or removed. The single-instance mutex tells whether one
; runs; its controller window is asked to close (as the tray menu's Exit does).
; A copy that is busy refuses; the user may retry, a silent run gives up.
!macro CLOSE_RUNNING_COPY PREFIX
Function ${PREFIX}CloseRunningCopy
  StrCpy $WasRunning 0
  StrCpy $2 0
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p.r0'
    ${If} $0 P= 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $WasRunning 1
    FindWindow $1 "${CONTROLLER_CLASS}"
    ${If} $1 P<> 0
    ${AndIf} $2 = 0
      DetailPrint "Closing the running ${APP_NAME}"
      SendMessage $1 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${EndIf}
    Sleep 250
    IntOp $2 $2 + 1
    ${If} $2 >= 40
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${APP_NAME} is running and could not be closed.$\r$\nClose it from its tray menu (Exit), then choose Retry." \
        /SD IDCANCEL IDRETRY +3
      SetErrorLevel 2
      Abort "${APP_NAME} is still running"
      StrCpy $2 0
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_COPY ""
!insertmacro CLOSE_RUNNING_COPY "un."

Function StartProgram
  ; The program's own folder is its working folder; it finds its data there.
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${APP_EXE}"'
FunctionEnd

Section "!${APP_NAME}" SecProgram
  SectionIn RO
  Call CloseRunningCopy
  SetOutPath "$INSTDIR"
  File "${EXE_DIR}/${APP_EXE}"
  File "${DATA_DIR}/Thesaurus.qxt"
  File "${DATA_DIR}/Definitions.ydd"
  File "${DATA_DIR}/american.qxm"
  File "${HELP_FILE}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\${APP_EXE}"

  ; The installed-programs entry, in HKLM or HKCU as the install mode says.
  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $3 "/AllUsers"
  ${Else}
    StrCpy $3 "/CurrentUser"
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  GetDLLVersion "$INSTDIR\${APP_EXE}" $R0 $R1
  IntOp $R2 $R0 >> 16
  IntOp $R0 $R0 & 0xFFFF
  IntOp $R3 $R1 >> 16
  IntOp $R1 $R1 & 0xFFFF
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "$R2.$R0.$R3.$R1"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" $3'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" $3 /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

!ifdef LANGUAGE_DIR
; LANGUAGE_SECTION FILE LANGID TITLE: one language's main dictionary.
!macro LANGUAGE_SECTION FILE LANGID TITLE
  Section /o "${TITLE}" SecLanguage${LANGID}
    SetOutPath "$INSTDIR"
    File "${LANGUAGE_DIR}/${FILE}"
  SectionEnd
!macroend
SectionGroup "Spelling dictionaries" SecLanguages
  !insertmacro LANGUAGE_SECTION "british.qxm" 0x0809 "English (United Kingdom)"
  !insertmacro LANGUAGE_SECTION "danish.qxm" 0x0406 "Dansk"
  !insertmacro LANGUAGE_SECTION "dutch.qxm" 0x0413 "Nederlands"
  !insertmacro LANGUAGE_SECTION "french.qxm" 0x040C "Français (France)"
  !insertmacro LANGUAGE_SECTION "german.qxm" 0x0407 "Deutsch (Deutschland)"
  !insertmacro LANGUAGE_SECTION "italian.qxm" 0x0410 "Italiano"
  !insertmacro LANGUAGE_SECTION "brazilian.qxm" 0x0416 "Português (Brasil)"
  !insertmacro LANGUAGE_SECTION "portuguese.qxm" 0x0816 "Português (Portugal)"
  !insertmacro LANGUAGE_SECTION "spanish.qxm" 0x0C0A "Español"
  !insertmacro LANGUAGE_SECTION "swedish.qxm" 0x041D "Svenska"
SectionGroupEnd

; Chooses the dictionary of the language Windows displays: the same language
; id, else (but for English, which the program always has) the same primary
; language, such as Swiss German for German or Mexican Spanish for Spanish.
Function SelectDisplayLanguage
  System::Call 'kernel32::GetUserDefaultUILanguage() i.r0'
  IntOp $0 $0 & 0xFFFF
  IntOp $1 $0 & 0x3FF
  StrCpy $2 0
  !macro SELECT_IF_EXACT LANGID
    ${If} $0 = ${LANGID}
      !insertmacro SelectSection ${SecLanguage${LANGID}}
      StrCpy $2 1
    ${EndIf}
  !macroend
  !macro SELECT_IF_PRIMARY LANGID
    IntOp $3 ${LANGID} & 0x3FF
    ${If} $2 = 0
    ${AndIf} $1 = $3
    ${AndIf} $1 <> 0x09
      !insertmacro SelectSection ${SecLanguage${LANGID}}
      StrCpy $2 1
    ${EndIf}
  !macroend
  !insertmacro SELECT_IF_EXACT 0x0809
  !insertmacro SELECT_IF_EXACT 0x0406
  !insertmacro SELECT_IF_EXACT 0x0413
  !insertmacro SELECT_IF_EXACT 0x040C
  !insertmacro SELECT_IF_EXACT 0x0407
  !insertmacro SELECT_IF_EXACT 0x0410
  !insertmacro SELECT_IF_EXACT 0x0416
  !insertmacro SELECT_IF_EXACT 0x0816
  !insertmacro SELECT_IF_EXACT 0x0C0A
  !insertmacro SELECT_IF_EXACT 0x041D
  !insertmacro SELECT_IF_PRIMARY 0x0406
  !insertmacro SELECT_IF_PRIMARY 0x0413
  !insertmacro SELECT_IF_PRIMARY 0x040C
  !insertmacro SELECT_IF_PRIMARY 0x0407
  !insertmacro SELECT_IF_PRIMARY 0x0410
  !insertmacro SELECT_IF_PRIMARY 0x0416
  !insertmacro SELECT_IF_PRIMARY 0x0C0A
  !insertmacro SELECT_IF_PRIMARY 0x041D
FunctionEnd
!endif

; The program's own Startup shortcut (as its option "Automatically run at
; Windows Startup" makes it): Wendrix.lnk in this user's Startup folder.
Section "Start with Windows" SecAutoRun
  SetShellVarContext current
  CreateShortCut "$SMSTARTUP\${APP_NAME}.lnk" "$INSTDIR\${APP_EXE}"
  ${If} $MultiUser.InstallMode == "AllUsers"
    SetShellVarContext all
  ${EndIf}
SectionEnd

Section "-Start"
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/RUN" $1
  ${IfNot} ${Errors}
  ${OrIf} $WasRunning = 1
    ${If} ${Silent}
    ${OrIf} $WasRunning = 1
      Call StartProgram
    ${EndIf}
  ${EndIf}
SectionEnd

Function .onInit
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOAUTORUN" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecAutoRun}
  ${EndIf}
!ifdef LANGUAGE_DIR
  Call SelectDisplayLanguage
!endif
FunctionEnd

; The user's own files are kept unless asked for: the custom dictionaries
; (.qxu) and the suggestion-learning files (.qxl) the speller writes into the
; program folder, and the settings in the registry. A user who reinstalls or
; upgrades keeps the words taught to the program.
Section "un.${APP_NAME}" UnSecProgram
  SectionIn RO
  Call un.CloseRunningCopy
  Delete "$INSTDIR\${APP_EXE}"
  Delete "$INSTDIR\Thesaurus.qxt"
  Delete "$INSTDIR\Definitions.ydd"
  Delete "$INSTDIR\american.qxm"
  ; The other languages' dictionaries, whichever were installed.
  Delete "$INSTDIR\british.qxm"
  Delete "$INSTDIR\danish.qxm"
  Delete "$INSTDIR\dutch.qxm"
  Delete "$INSTDIR\french.qxm"
  Delete "$INSTDIR\german.qxm"
  Delete "$INSTDIR\italian.qxm"
  Delete "$INSTDIR\brazilian.qxm"
  Delete "$INSTDIR\portuguese.qxm"
  Delete "$INSTDIR\spanish.qxm"
  Delete "$INSTDIR\swedish.qxm"
  Delete "$INSTDIR\WendrixHelp.html"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\${APP_NAME}.lnk"
  SetShellVarContext current
  Delete "$SMSTARTUP\${APP_NAME}.lnk"
  ${If} $MultiUser.InstallMode == "AllUsers"
    SetShellVarContext all
  ${EndIf}
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.My custom dictionaries and settings" UnSecUserData
  Delete "$INSTDIR\*.qxu"
  Delete "$INSTDIR\*.qxl"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey HKCU "${SPELLING_SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Morvane"
SectionEnd

Section "-un.Folder"
  ; Only an empty folder goes: kept dictionaries keep it.
  RMDir "$INSTDIR"
SectionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEUSERDATA" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecUserData}
  ${EndIf}
FunctionEnd
