; The Kavrin setup: puts Kavrin.scr into the system folder, registers an
; uninstaller and makes Kavrin the current user's screen saver.
; Built by scripts/package.sh, which passes:
;   VERSION          the user-visible version ("3.00")
;   VERSION_NUMERIC  the same as four numbers, for the file's version record
;   STAGE            the folder holding Kavrin.scr, README.txt and LICENSE.txt
;   ICON             the program's icon
;   OUTFILE          the setup program to write
Unicode true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kavrin"
!define DESKTOP_KEY "Control Panel\Desktop"

Name "Kavrin ${VERSION}"
OutFile "${OUTFILE}"
; Only the uninstaller and the two text files live here; the screen saver
; itself must be in the system folder, where Windows looks for screen savers.
InstallDir "$PROGRAMFILES\Kavrin"
RequestExecutionLevel admin
BrandingText "Kavrin ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_NUMERIC}"
VIAddVersionKey /LANG=1033 "ProductName" "Kavrin"
VIAddVersionKey /LANG=1033 "CompanyName" "Telmora"
VIAddVersionKey /LANG=1033 "FileDescription" "Kavrin ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 Telmora"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "Kavrin ${VERSION} goes into the Windows system folder, where the screen saver settings find it. Untick the second line to keep your current screen saver."
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Kavrin ${VERSION} is installed. Choose Settings in the screen saver settings to pick the game and the demos it plays."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the screen saver settings"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Kavrin ${VERSION} will be removed. Your settings stay where they are: q2scr.sc2 and demos.sc2 in C:\ or in %LOCALAPPDATA%\Kavrin, and Scrnsave.cfg in your game's folder."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; The path Windows itself stores for a 32-bit screen saver. A 32-bit setup
; sees SysWOW64 as $SYSDIR, so on 64-bit Windows it must be named outright.
!macro ScreenSaverPath OUT
  ${If} ${RunningX64}
    StrCpy ${OUT} "$WINDIR\SysWOW64\Kavrin.scr"
  ${Else}
    StrCpy ${OUT} "$SYSDIR\Kavrin.scr"
  ${EndIf}
!macroend

Function .onInit
  ; Without UAC (or with it switched off) the request above is not enforced.
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP "Kavrin's setup needs administrator rights to write to the Windows system folder." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
FunctionEnd

Section "Kavrin screen saver" SecProgram
  SectionIn RO
  SetOutPath "$SYSDIR"
  File "${STAGE}/Kavrin.scr"
  SetOutPath "$INSTDIR"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  !insertmacro ScreenSaverPath $1
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "Kavrin screen saver"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "Telmora"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$1,0"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

; Selected by default, so a silent install (/S) chooses Kavrin too.
Section "Make Kavrin my screen saver" SecChoose
  !insertmacro ScreenSaverPath $1
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$1"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  ; SPI_SETSCREENSAVEACTIVE, sent to running programs like the settings panel does.
  System::Call "user32::SystemParametersInfo(i 17, i 1, i 0, i 2)"
SectionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

Section "Uninstall"
  Delete /REBOOTOK "$SYSDIR\Kavrin.scr"

  ; Another screen saver chosen since stays chosen.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${GetFileName} $0 $1
  ${If} $1 == "Kavrin.scr"
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}

  DeleteRegKey HKLM "${UNINST_KEY}"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DetailPrint "Kept your settings: q2scr.sc2 and demos.sc2 (in C:\ or $LOCALAPPDATA\Kavrin) and Scrnsave.cfg in the game's folder."
SectionEnd
