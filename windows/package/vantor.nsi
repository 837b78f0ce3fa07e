; The Vantor installer. It installs for the user who runs it, without
; administrator rights, into %LOCALAPPDATA%\Programs\Vantor, adds Vantor to
; the Start menu and registers an uninstaller under HKCU that removes every
; file, the shortcut, the registry key and the folder again.
; The build's windows-package target (cmake/windows-package.cmake) runs
; makensis on it with:
;   VERSION         the version, as 1.2.3
;   PUBLISHER       who makes Vantor
;   FOLDER          the folder to install, as cmake --install made it
;   UNINSTALL_LIST  the uninstaller's Delete and RMDir lines for that folder
;   ICON            the icon of the installer and of the uninstaller
;   OUTFILE         the installer to write
; Silent: setup.exe /S [/D=FOLDER], uninstall.exe /S.

!macro REQUIRE define
  !ifndef ${define}
    !error "makensis -D${define}=... is missing"
  !endif
!macroend
!insertmacro REQUIRE VERSION
!insertmacro REQUIRE PUBLISHER
!insertmacro REQUIRE FOLDER
!insertmacro REQUIRE UNINSTALL_LIST
!insertmacro REQUIRE ICON
!insertmacro REQUIRE OUTFILE

; makensis warns that Windows loads compatibility shims into a program named
; *setup*.exe, as it does into every installer it recognises by name; the
; installer's name is vantor-<version>-setup.exe all the same, so that people
; know it for one.
!pragma warning disable 9000

Unicode true
; A 64-bit installer for a 64-bit program (and wine64 without wine32 runs
; 64-bit programs only).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define APP Vantor
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define SHORTCUT "$SMPROGRAMS\${APP}.lnk"

Name "${APP}"
BrandingText "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
; Installed again, it goes where it went before.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include MUI2.nsh
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vantor.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP} ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}, MIT License"

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section
  ; An earlier installation goes first, so that none of its files stays
  ; behind unknown to the new uninstaller. _?= runs the uninstaller where it
  ; is and waits for it.
  IfFileExists "$INSTDIR\uninstall.exe" 0 +3
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    Delete "$INSTDIR\uninstall.exe"

  SetOutPath "$INSTDIR"
  File /r "${FOLDER}/*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\vantor.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vantor.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0 ; KiB, as the key wants it
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; %LOCALAPPDATA%\Programs comes with the first program installed for one
  ; user; left empty, it goes too.
  RMDir "$LOCALAPPDATA\Programs"
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
