; The Windows installer: for the user who runs it, without administrator
; rights, into %LOCALAPPDATA%\Programs\Sorvanta, with a Start menu entry, an
; optional start with Windows and an uninstaller listed under HKCU.
; makensis -DVERSION=0.1.0 -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> sorvanta.nsi
; 64-bit, as the programs it installs (and so it runs under wine64 as well).
Target amd64-unicode
!include "MUI2.nsh"
!include "WinMessages.nsh"

!define APP "Sorvanta"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${APP}"
VIAddVersionKey /LANG=1049 "FileDescription" "${APP} ${VERSION}"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "GNU GPL 3"

!define MUI_ICON "${STAGE}\sorvanta.ico"
!define MUI_UNICON "${STAGE}\sorvanta.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\sorvanta.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; A running program holds its file: it ends as after its "Выход" button (the
; settings saved), asked through its main window, hidden or not.
!macro CloseRunningProgram
  FindWindow $0 "#32770" "Цитата"
  StrCmp $0 0 +3
  SendMessage $0 ${WM_COMMAND} 2 0 /TIMEOUT=5000
  Sleep 1000
!macroend

Section "${APP}" SecProgram
  SectionIn RO
  SetShellVarContext current
  !insertmacro CloseRunningProgram
  SetOutPath "$INSTDIR"
  File "${STAGE}\sorvanta.exe"
  File "${STAGE}\sorvanta-lookup.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\sorvanta.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\sorvanta.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Запуск с Windows" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${APP}" '"$INSTDIR\sorvanta.exe"'
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Sorvanta, sorvanta-lookup и ярлык в меню «Пуск»."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostart} "Sorvanta запускается при входе в Windows."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; The user's settings (HKCU\Software\Sorvanta) stay, as a later installation
; takes them up again.
Section "Uninstall"
  SetShellVarContext current
  !insertmacro CloseRunningProgram
  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${APP}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\sorvanta.exe"
  Delete "$INSTDIR\sorvanta-lookup.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
