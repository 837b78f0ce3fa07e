; The Vantor installer. It installs for the user who runs it, without
; administrator rights, into %LOCALAPPDATA%\Programs\Vantor, adds Vantor to
; the Start menu and registers an uninstaller under HKCU that removes every
; file, the shortcut, the registry key and the folder again.
; The build's windows-package target (cmake/windows-package.cmake) runs
; makensis on it with:
;   VERSION         the version, as 1.2.3
;   PUBLISHER       who makes Vantor
;   FOLDER          the folder to install, as cmake --install made it
;   UNINSTALL_LIST  the uninstaller's Delete and RMDir lines for that folder,
;                   as the macros UNINSTALL_FILES and UNINSTALL_PROGRAMS
;   ICON            the icon of the installer and of the uninstaller
;   OUTFILE         the installer to write
; and, to sign the uninstaller and the installer when a key is given,
;   SIGN            windows/package/sign.sh
;
; Silent: setup.exe /S [/D=FOLDER], and the uninstall key's
; QuietUninstallString, "FOLDER\uninstall.exe" /S /SELF _?=FOLDER. Each ends
; with status 0 when it has done its work, and with 2, having changed
; nothing, when Vantor or vantor-eval runs from the folder it would change
; (or, for the installer, when the installation it replaces could not be
; removed).

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

; The uninstaller is signed before it is packed into the installer (with
; NSIS 3.08 and later the installer writes it as signed), the installer once
; it is written; a failed signature fails makensis.
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"' = 0
  !finalize '"${SIGN}" "%1"' = 0
!endif

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

!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh
!include "${UNINSTALL_LIST}"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vantor.exe"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
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

; A running program is neither overwritten nor removed: the scratch pad
; holds notes that are saved nowhere, so Vantor is never closed for the
; user. The installer and the uninstaller say in one sentence that it must
; be closed, with Retry and Cancel, and change nothing until it is; silent,
; they end with status 2 at once.
;
; Windows maps the file of a running program and lets no one open it for
; writing until the program ends (wine does the same), so a program of the
; folder that cannot be opened for writing runs from that folder, whoever
; started it: no process list is needed, and a Vantor run from elsewhere
; (the zip) does not count. "a" opens an existing file without changing it.
; While the file is held open so, it cannot be started either.
Var heldVantor
Var heldEval

!macro PROGRAM_FUNCTIONS un
; Holds vantor.exe and vantor-eval.exe of the folder $R9 open and sets $R0
; to "", or, when one of them runs, holds neither and sets $R0 to its name.
Function ${un}HoldPrograms
  StrCpy $R0 ""
  ${If} ${FileExists} "$R9\vantor.exe"
    ClearErrors
    FileOpen $heldVantor "$R9\vantor.exe" a
    ${If} ${Errors}
      StrCpy $R0 "Vantor"
    ${EndIf}
  ${EndIf}
  ${If} $R0 == ""
  ${AndIf} ${FileExists} "$R9\vantor-eval.exe"
    ClearErrors
    FileOpen $heldEval "$R9\vantor-eval.exe" a
    ${If} ${Errors}
      StrCpy $R0 "vantor-eval"
    ${EndIf}
  ${EndIf}
  ${If} $R0 != ""
    Call ${un}ReleasePrograms
  ${EndIf}
FunctionEnd

Function ${un}ReleasePrograms
  ${If} $heldVantor != ""
    FileClose $heldVantor
    StrCpy $heldVantor ""
  ${EndIf}
  ${If} $heldEval != ""
    FileClose $heldEval
    StrCpy $heldEval ""
  ${EndIf}
FunctionEnd

; HoldPrograms until nothing runs from $R9 or the user gives up; $R0 as
; HoldPrograms leaves it.
Function ${un}WaitForPrograms
  ${Do}
    Call ${un}HoldPrograms
    ${If} $R0 == ""
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "$R0 is running from $R9: close it, then choose Retry." /SD IDCANCEL IDCANCEL given_up
  ${Loop}
  given_up:
FunctionEnd
!macroend
!insertmacro PROGRAM_FUNCTIONS ""
!insertmacro PROGRAM_FUNCTIONS "un."

; Stops the installation (status 2), or stays on the page, when a program
; runs from FOLDER; otherwise goes on holding the programs.
!macro STOP_IF_RUNNING un folder
  StrCpy $R9 "${folder}"
  Call ${un}WaitForPrograms
  ${If} $R0 != ""
    Abort
  ${EndIf}
!macroend

; STOP_IF_RUNNING, then lets the programs go.
!macro STOP_IF_RUNNING_RELEASE un folder
  !insertmacro STOP_IF_RUNNING "${un}" "${folder}"
  Call ${un}ReleasePrograms
!macroend

; Runs the uninstaller of the installation in the folder $R9, if there is
; one, in place (_?=), so that the installer waits for it and sees its
; status, and stops the installation unless it succeeded: the new files are
; not mixed into an installation half removed. Run so, an uninstaller leaves
; its own file, for the installer to delete.
Function RemoveInstallation
  ${If} ${FileExists} "$R9\uninstall.exe"
    ClearErrors
    ExecWait '"$R9\uninstall.exe" /S _?=$R9' $0
    ${If} ${Errors}
    ${OrIf} $0 != 0
      MessageBox MB_OK|MB_ICONSTOP \
        "The Vantor installed in $R9 could not be removed, so nothing was installed." /SD IDOK
      Abort
    ${EndIf}
    Delete "$R9\uninstall.exe"
    RMDir "$R9"
  ${EndIf}
FunctionEnd

Function .onInit
  SetShellVarContext current
FunctionEnd

Function DirectoryLeave
  !insertmacro STOP_IF_RUNNING_RELEASE "" $INSTDIR
FunctionEnd

Section
  ; The installation registered before, wherever it is, and whatever is in
  ; the folder chosen, go first, so that none of their files stays behind
  ; unknown to the new uninstaller and one uninstall entry names one
  ; installation; nothing is touched while a program runs from either.
  ; (An uninstaller's working folder is $OUTDIR, which must not be its own.)
  SetOutPath "$TEMP"
  ReadRegStr $R8 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R8 == $INSTDIR
    StrCpy $R8 ""
  ${EndIf}
  !insertmacro STOP_IF_RUNNING_RELEASE "" $INSTDIR
  ${If} $R8 != ""
    !insertmacro STOP_IF_RUNNING_RELEASE "" $R8
    Call RemoveInstallation
  ${EndIf}
  StrCpy $R9 $INSTDIR
  Call RemoveInstallation

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
  ; Started without _?=, an uninstaller copies itself to the temporary
  ; folder, starts the copy and ends with status 0 before any of this script
  ; runs: its status tells nothing. The quiet command runs it in place, and
  ; its status is the uninstallation's (see /SELF below).
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S /SELF _?=$INSTDIR'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0 ; KiB, as the key wants it
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller, run in place, cannot remove its own file: Windows lets no
; one delete the file of a running program, and NSIS keeps its own file open
; without leave to rename or move it until it ends. With /SELF, once it has
; removed the rest, it starts a copy of itself in the temporary folder
; (started without _?=, it makes that copy itself) with /REMAINS, and ends.
; The copy removes the uninstaller's file and the folder as soon as the
; uninstaller has ended, provided the file is alone in the folder: should an
; installation start at once, its files are not touched. The copy stays in
; the temporary folder, as the one the interactive command runs does.
Var removeSelf

Function un.onInit
  SetShellVarContext current
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMAINS" $1
  ${IfNot} ${Errors}
    Call un.RemoveRemains
    Quit
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/SELF" $1
  ${IfNot} ${Errors}
    StrCpy $removeSelf 1
  ${EndIf}
  !insertmacro STOP_IF_RUNNING_RELEASE "un." $INSTDIR
FunctionEnd

; Whether the folder holds nothing but uninstall.exe: sets $R0 to 1 if so.
Function un.OnlyUninstallerLeft
  StrCpy $R0 1
  FindFirst $0 $1 "$INSTDIR\*"
  ${DoWhile} $1 != ""
    ${If} $1 != "."
    ${AndIf} $1 != ".."
    ${AndIf} $1 != "uninstall.exe"
      StrCpy $R0 0
    ${EndIf}
    FindNext $0 $1
  ${Loop}
  FindClose $0
FunctionEnd

Function un.RemoveRemains
  ; The uninstaller ends a moment after it started this copy: 10 s at most.
  ${For} $2 1 100
    Call un.OnlyUninstallerLeft
    ${If} $R0 != 1
      Return
    ${EndIf}
    ClearErrors
    Delete "$INSTDIR\uninstall.exe"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    Sleep 100
  ${Next}
  RMDir "$INSTDIR"
  RMDir "$LOCALAPPDATA\Programs"
FunctionEnd

Section "Uninstall"
  ; Checked again, as Vantor may have been started since un.onInit; from
  ; here on the programs are held, so that none starts while its DLLs go.
  !insertmacro STOP_IF_RUNNING "un." $INSTDIR
  !insertmacro UNINSTALL_FILES
  Call un.ReleasePrograms
  !insertmacro UNINSTALL_PROGRAMS
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; A folder cannot go while it is a process's working folder (Exec gives
  ; the copy $OUTDIR as its own).
  SetOutPath "$TEMP"
  ClearErrors
  Delete "$INSTDIR\uninstall.exe"
  ${If} ${Errors}
  ${AndIf} $removeSelf == 1
    Exec '"$INSTDIR\uninstall.exe" /S /REMAINS'
  ${EndIf}
  RMDir "$INSTDIR"
  ; %LOCALAPPDATA%\Programs comes with the first program installed for one
  ; user; left empty, it goes too.
  RMDir "$LOCALAPPDATA\Programs"
SectionEnd
