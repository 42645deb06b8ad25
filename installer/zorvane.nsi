; Zorvane installer: a per-user install that needs no administrator rights.
;
; Build (the release target of the cross build does this):
;   makensis -DVERSION=2.3.0 -DARCH=x64 -DZV_EXE=path/to/zorvane.exe \
;            -DOUTFILE=path/to/Zorvane-2.3.0-x64-setup.exe \
;            [-DZV_ICON=path/to/zorvane.ico] installer/zorvane.nsi
;
; Command line of the built installer:
;   /S           silent install
;   /NOAUTORUN   leave "Load on startup" off
;   /NOSTART     do not start Zorvane when the install has finished (silent:
;                no start; interactive: "Start Zorvane now" unchecked)
;   /D=folder    install folder (last on the line, no quotes)
; Uninstaller: uninstall.exe in the install folder, /S for a silent run.

!ifndef VERSION
  !error "VERSION is not defined: pass -DVERSION=x.y.z"
!endif
!ifndef ZV_EXE
  !error "ZV_EXE is not defined: pass -DZV_EXE=path/to/zorvane.exe"
!endif
!ifndef ARCH
  !define ARCH x86
!endif
!ifndef OUTFILE
  !define OUTFILE "Zorvane-${VERSION}-${ARCH}-setup.exe"
!endif

; The x64 program gets a 64-bit installer (NSIS has only a Unicode one);
; the x86 installer stays ANSI, as it always was.
!if "${ARCH}" == "x64"
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Unicode false
!else
  !error "ARCH must be x64 or x86"
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Zorvane"
!define PUBLISHER "Halvorix"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zorvane"
; The program's hidden main window, and its own Exit command, which releases
; the hotkeys and removes the tray icon before the window closes.
!define MAINCLASS "tzorvanemaindialog"
!define MAINTITLE "zorvanemaindialog"
!define EXITCOMMAND 0x103

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zorvane"
InstallDirRegKey HKCU "${UNINSTKEY}" "InstallLocation"
ShowInstDetails show
BrandingText "${PRODUCT} ${VERSION}"
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"

!define MUI_ABORTWARNING
; The program's own icon, from the build's pictures, when given.
!ifdef ZV_ICON
  !define MUI_ICON "${ZV_ICON}"
  !define MUI_UNICON "${ZV_ICON}"
!endif
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\zorvane.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "/justinstalled"
!define MUI_FINISHPAGE_RUN_TEXT "Start Zorvane now"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; Applies to the next page only: the finish page.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var NoStart

; Asks a running copy to exit and waits up to five seconds for its process
; to end: the named mutex lives until then, and a running exe cannot be
; replaced or deleted.
!macro CloseRunningCopy un
Function ${un}CloseRunningCopy
  Push $0
  Push $1
  FindWindow $0 "${MAINCLASS}" "${MAINTITLE}"
  ${If} $0 <> 0
    DetailPrint "Closing the running Zorvane"
    SendMessage $0 ${WM_COMMAND} ${EXITCOMMAND} 0 /TIMEOUT=5000
  ${EndIf}
  StrCpy $1 0
  ${Do}
    System::Call 'kernel32::OpenMutex(i 0x00100000, i 0, t "ZorvaneMutex") p .r0'
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    IntOp $1 $1 + 1
    ${If} $1 > 50
      DetailPrint "Zorvane is still running"
      ${Break}
    ${EndIf}
    Sleep 100
  ${Loop}
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CloseRunningCopy ""
!insertmacro CloseRunningCopy "un."

Section "Zorvane" SecMain
  SectionIn RO
  Call CloseRunningCopy
  SetOutPath "$INSTDIR"
  File "/oname=zorvane.exe" "${ZV_EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Zorvane.lnk" "$INSTDIR\zorvane.exe"

  WriteRegStr HKCU "${UNINSTKEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\zorvane.exe,0"
  WriteRegStr HKCU "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTKEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTKEY}" "EstimatedSize" $0
SectionEnd

; The program writes its own autostart entry, named and filled as it
; reads it back later.
Section "Load on startup" SecAutorun
  ExecWait '"$INSTDIR\zorvane.exe" /setautorun' $0
  ${If} $0 <> 0
    DetailPrint "Could not set up loading on startup"
  ${EndIf}
SectionEnd

Function .onInit
  SetShellVarContext current
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/NOAUTORUN" $R1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecAutorun}
  ${EndIf}
  StrCpy $NoStart 0
  ClearErrors
  ${GetOptions} $R0 "/NOSTART" $R1
  ${IfNot} ${Errors}
    StrCpy $NoStart 1
  ${EndIf}
FunctionEnd

Function FinishShow
  ${If} $NoStart = 1
    SendMessage $mui.FinishPage.Run ${BM_SETCHECK} ${BST_UNCHECKED} 0
  ${EndIf}
FunctionEnd

; The finish page offers the start in an interactive install; a silent one
; starts the program here unless told not to.
Function .onInstSuccess
  ${If} ${Silent}
  ${AndIf} $NoStart = 0
    Exec '"$INSTDIR\zorvane.exe" /justinstalled'
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Uninstall"
  Call un.CloseRunningCopy
  ; The program removes what it keeps for the user: the autostart entry,
  ; the Send To links and its registry keys, after offering to export the
  ; shortcut list.
  ${If} ${FileExists} "$INSTDIR\zorvane.exe"
    ExecWait '"$INSTDIR\zorvane.exe" /uninstall' $0
  ${EndIf}
  Delete "$SMPROGRAMS\Zorvane.lnk"
  Delete "$INSTDIR\zorvane.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ${If} ${FileExists} "$INSTDIR\*.*"
    DetailPrint "Some files in $INSTDIR could not be removed"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTKEY}"
SectionEnd
