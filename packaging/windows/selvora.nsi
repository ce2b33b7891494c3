; The Windows installer of Selvora, in Italian (makensis from Debian's nsis).
; Called by scripts/build-windows.sh with
;   -DVERSION=<x.y> -DSOURCE=<portable folder> -DOUTFILE=<setup.exe> -DICON=<ico>
; The installed layout mirrors the Debian package: the program and its
; libraries in bin\, the read-only password file with the initial password in
; share\selvora\ and the manual in share\doc\selvora\. The program's folder
; then holds no data, so the program keeps its data in %APPDATA%\Selvora
; (copying the password file there on its first run); the uninstaller never
; touches that folder.

; A 64-bit installer: Selvora is a 64-bit program, and a 64-bit Wine runs it.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "x64.nsh"

!define PRODUCT "Selvora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Selvora"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "Software\${PRODUCT}" "InstallDir"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1040 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di ${PRODUCT}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "CompanyName" "Selvora Software"
VIAddVersionKey /LANG=1040 "LegalCopyright" "Selvora Software"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\selvora.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Avvia Selvora"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Selvora richiede una versione di Windows a 64 bit." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Selvora (programma e guida)" SecProgram
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR\bin"
  File /r /x "unins000.dll" /x "Guida.pdf" "${SOURCE}/*.*"
  SetOutPath "$INSTDIR\share\selvora"
  File "${SOURCE}/unins000.dll"
  SetFileAttributes "$INSTDIR\share\selvora\unins000.dll" READONLY
  SetOutPath "$INSTDIR\share\doc\selvora"
  File "${SOURCE}/Guida.pdf"
  SetOutPath "$INSTDIR\bin"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Selvora.lnk" "$INSTDIR\bin\selvora.exe" "" "$INSTDIR\bin\selvora.exe" 0
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Guida di Selvora.lnk" "$INSTDIR\share\doc\selvora\Guida.pdf"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Disinstalla Selvora.lnk" "$INSTDIR\Disinstalla.exe"

  WriteUninstaller "$INSTDIR\Disinstalla.exe"
  WriteRegStr HKLM "Software\${PRODUCT}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Selvora Software"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\selvora.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Disinstalla.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Disinstalla.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Collegamento sul desktop" SecDesktop
  SetShellVarContext all
  CreateShortcut "$DESKTOP\Selvora.lnk" "$INSTDIR\bin\selvora.exe" "" "$INSTDIR\bin\selvora.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Il programma, le librerie che usa e la guida in PDF."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "Un collegamento a Selvora sul desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Removes what the installer put in place and nothing else: the data in
; %APPDATA%\Selvora (archives, sessions, password) stay where they are.
Section "Uninstall"
  SetShellVarContext all
  Delete "$DESKTOP\Selvora.lnk"
  RMDir /r "$SMPROGRAMS\${PRODUCT}"
  RMDir /r "$INSTDIR\bin"
  SetFileAttributes "$INSTDIR\share\selvora\unins000.dll" NORMAL
  RMDir /r "$INSTDIR\share"
  Delete "$INSTDIR\Disinstalla.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\${PRODUCT}"
SectionEnd
