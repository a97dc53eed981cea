; The Kavrin setup: puts Kavrin.scr into the system folder, registers an
; uninstaller, adds a Start-menu entry that opens Kavrin's settings as
; administrator and makes Kavrin the current user's screen saver.
; Built by scripts/package.sh, which passes:
;   VERSION             the user-visible version ("3.00")
;   VERSION_NUMERIC     the same as four numbers, for the file's version record
;   STAGE               the folder holding Kavrin.scr, README.txt and LICENSE.txt
;   ICON                the program's icon
;   OUTFILE             the setup program to write
;   UNINSTALLER_BYTES   the size of the uninstaller this script writes, or
;   MEASURE_UNINSTALLER a file to write that size into (a first build)
Unicode true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kavrin"
; In every user's Start menu (SetShellVarContext all): for a game under
; Program Files, where the settings window's writes are refused unless it
; runs as administrator.
!define SETTINGS_LINK "$SMPROGRAMS\Kavrin settings (as administrator).lnk"
!define DESKTOP_KEY "Control Panel\Desktop"

; The uninstaller is written at install time, so no File counts it in the
; space the components page shows; a first build measures it.
!ifdef MEASURE_UNINSTALLER
  !uninstfinalize `stat -c %s "%1" >"${MEASURE_UNINSTALLER}"`
  !define UNINSTALLER_BYTES 0
!else ifndef UNINSTALLER_BYTES
  !error "UNINSTALLER_BYTES or MEASURE_UNINSTALLER must be defined"
!endif
; Rounded up on its own, as NSIS does for each File.
!define /math UNINSTALLER_KIB ${UNINSTALLER_BYTES} + 1023
!define /redef /math UNINSTALLER_KIB ${UNINSTALLER_KIB} / 1024

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
!define MUI_PAGE_CUSTOMFUNCTION_PRE SetTitle
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_PRE SetTitle
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Kavrin ${VERSION} is installed. Choose Settings in the screen saver settings to pick the game and the demos it plays."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the screen saver settings"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Show README"
!define MUI_PAGE_CUSTOMFUNCTION_PRE SetTitle
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Kavrin ${VERSION} will be removed. What it wrote elsewhere stays: q2scr.sc2 and demos.sc2 in C:\ or in %LOCALAPPDATA%\Kavrin, Scrnsave.cfg in your game's folder, and what the settings window's button made (copies of demos, the kavrin loop folder)."
!define MUI_PAGE_CUSTOMFUNCTION_PRE un.SetTitle
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_CUSTOMFUNCTION_PRE un.SetTitle
!insertmacro MUI_UNPAGE_INSTFILES
; The last page has no callback, and MUI gave it " " too: empty is NSIS's
; own ": Completed".
UninstallSubCaption 2 ""

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

; Windows refuses to overwrite a program file while it runs, and Kavrin's
; settings window is Kavrin.scr itself. Asked before anything is written,
; so Cancel (or /S) leaves the old version whole.
Function EnsureReplaceable
  !insertmacro ScreenSaverPath $1
  ${IfNot} ${FileExists} $1
    Return
  ${EndIf}
  retry:
    ; OPEN_EXISTING neither creates nor truncates; the share mode File uses.
    System::Call 'kernel32::CreateFileW(w r1, i 0x40000000, i 1, p 0, i 3, i 0x80, p 0) p.r2'
    ${If} $2 != -1
      System::Call 'kernel32::CloseHandle(p r2)'
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Kavrin is running: its settings window is open, perhaps from the screen saver settings, so Kavrin.scr cannot be replaced.$\r$\n$\r$\nClose Kavrin's settings window, then choose Retry. Cancel ends the setup without changing anything." /SD IDCANCEL IDRETRY retry
  SetErrorLevel 32 ; ERROR_SHARING_VIOLATION
  Quit
FunctionEnd

; The shortcut asks Windows to run it as administrator: SLDF_RUNAS_USER
; (0x2000) in the link flags, the four bytes at offset 0x14 of a .lnk, which
; CreateShortCut has no option for. The shortcut runs cmd, which starts
; Kavrin.scr as a program with /c: given the .scr itself, the shell would
; use the file type's "open" command, "%1" /S, which has no place for /c.
Function CreateSettingsLink
  !insertmacro ScreenSaverPath $1
  SetShellVarContext all
  CreateShortCut "${SETTINGS_LINK}" "$SYSDIR\cmd.exe" '/c ""$1" /c"' "$1" 0 SW_SHOWMINIMIZED "" \
    "Kavrin's settings, run as administrator, for a game under Program Files"
  ClearErrors
  FileOpen $0 "${SETTINGS_LINK}" a
  ${IfNot} ${Errors}
    FileSeek $0 0x15 SET
    FileReadByte $0 $2
    IntOp $2 $2 | 0x20
    FileSeek $0 0x15 SET
    FileWriteByte $0 $2
    FileClose $0
  ${EndIf}
  ; $LOCALAPPDATA and the like are the user's again.
  SetShellVarContext current
FunctionEnd

Section "Kavrin screen saver" SecProgram
  SectionIn RO
  Call EnsureReplaceable
  ; Should Kavrin start between the check and here: abort, never skip the file.
  AllowSkipFiles off
  AddSize ${UNINSTALLER_KIB}
  SetOutPath "$SYSDIR"
  File "${STAGE}/Kavrin.scr"
  SetOutPath "$INSTDIR"
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  Call CreateSettingsLink

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
  ; In KiB, as "Space required" on the components page: the files and,
  ; through AddSize, the uninstaller.
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

; MUI gives each page the caption " " to hide NSIS's own (": Installation
; Options" and so on), and NSIS appends it to the window title.
!macro SetTitle PREFIX CAPTION
  Function ${PREFIX}SetTitle
    SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:${CAPTION}"
  FunctionEnd
!macroend
!insertmacro SetTitle "" "$(^SetupCaption)"
!insertmacro SetTitle un. "$(^UninstallCaption)"

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
FunctionEnd

Section "Uninstall"
  !insertmacro ScreenSaverPath $1
  ; Windows may store the short form; it can only be had while the file exists.
  GetFullPathName /SHORT $2 $1
  Delete /REBOOTOK $1
  ${If} ${RebootFlag}
    MessageBox MB_ICONINFORMATION "Kavrin.scr was in use, so it could not be removed now. Windows removes it when you next restart the computer." /SD IDOK
    SetErrorLevel 3010 ; ERROR_SUCCESS_REBOOT_REQUIRED
  ${EndIf}

  ; Only our own file: another screen saver, or a Kavrin.scr elsewhere, stays
  ; chosen. StrCmp (==) ignores case.
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${If} $0 == $1
  ${OrIf} $0 == $2
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}

  DeleteRegKey HKLM "${UNINST_KEY}"
  SetShellVarContext all
  Delete "${SETTINGS_LINK}"
  SetShellVarContext current
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DetailPrint "Kept your settings: q2scr.sc2 and demos.sc2 (in C:\ or $LOCALAPPDATA\Kavrin), Scrnsave.cfg in the game's folder, and what the settings window's button made there."
SectionEnd
