; The installer of Orvane Sudoku, made by scripts/release.sh:
;
;   makensis /DVERSION=1.2.3 /DCOPYRIGHT=... /DSTAGE=FOLDER /DOUTFILE=SETUP.exe OrvaneSudoku.nsi
;
; STAGE holds win32\OrvaneSudoku.exe, win64\OrvaneSudoku.exe, LICENSE.txt,
; OrvaneSudoku.ico and wizard.bmp, every file with the release's timestamp.
; Nothing here reads the clock, so the same inputs make the same installer.
;
; Installs for all users (Program Files, HKLM) when run by an administrator,
; for the current user otherwise (the user's Programs folder, HKCU); the mode
; page lets an administrator choose, /AllUsers or /CurrentUser on the command
; line chooses in silent mode (/S). The 64-bit program goes onto 64-bit
; Windows, the 32-bit one onto 32-bit Windows.

; /DTARGET=amd64-unicode makes a 64-bit installer of the same script, which
; only the install test uses, on machines whose Wine runs no 32-bit program.
!ifdef TARGET
  Target ${TARGET}
!endif
Unicode true
SetCompressor /SOLID lzma
ManifestDPIAware true

!macro Required Name
  !ifndef ${Name}
    !error "${Name} is not defined: scripts/release.sh makes the installer"
  !endif
!macroend
!insertmacro Required VERSION
!insertmacro Required COPYRIGHT
!insertmacro Required STAGE
!insertmacro Required OUTFILE

!define Product "Orvane Sudoku"
!define Publisher "Orvane"
!define Program "OrvaneSudoku.exe"
!define Uninstaller "uninstall.exe"
!define UninstallKey "Software\Microsoft\Windows\CurrentVersion\Uninstall\OrvaneSudoku"
!define SavedGameClass "OrvaneSudoku.SavedGame"
; The program's data folder below the user's application-data folder.
!define DataFolder "standard sudoku"

Name "${Product} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${Product} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${Product}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${Product} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${Publisher}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${Product}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UninstallKey}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UninstallKey}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define MUI_ICON "${STAGE}\OrvaneSudoku.ico"
!define MUI_UNICON "${STAGE}\OrvaneSudoku.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${STAGE}\wizard.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${STAGE}\wizard.bmp"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${Product} ${VERSION} on your computer: Sudoku at five levels, from Easy to Extreme, with a board that checks your entries and keeps your games.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_RUN "$INSTDIR\${Program}"
!define MUI_FINISHPAGE_RUN_TEXT "Play ${Product} now"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; The 64-bit registry view on 64-bit Windows, before the install mode reads
; the registry, so that the 64-bit program's entries sit where 64-bit
; programs look.
!macro ChooseRegistryView
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
!macroend

Function .onInit
  !insertmacro ChooseRegistryView
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro ChooseRegistryView
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Tells Explorer that file associations changed.
!macro AssociationsChanged
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section "Install"
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "/oname=${Program}" "${STAGE}\win64\${Program}"
  ${Else}
    File "/oname=${Program}" "${STAGE}\win32\${Program}"
  ${EndIf}
  File "/oname=LICENSE.txt" "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\${Uninstaller}"

  CreateShortcut "$SMPROGRAMS\${Product}.lnk" "$INSTDIR\${Program}"

  ; Saved games (".std") open with the program, which opens the file named
  ; on its command line.
  WriteRegStr SHCTX "Software\Classes\.std" "" "${SavedGameClass}"
  WriteRegStr SHCTX "Software\Classes\${SavedGameClass}" "" "${Product} saved game"
  WriteRegStr SHCTX "Software\Classes\${SavedGameClass}\DefaultIcon" "" "$INSTDIR\${Program},0"
  WriteRegStr SHCTX "Software\Classes\${SavedGameClass}\shell\open\command" "" '"$INSTDIR\${Program}" "%1"'
  !insertmacro AssociationsChanged

  ; The entry in Programs and Features.
  WriteRegStr SHCTX "${UninstallKey}" "DisplayName" "${Product}"
  WriteRegStr SHCTX "${UninstallKey}" "DisplayIcon" "$INSTDIR\${Program},0"
  WriteRegStr SHCTX "${UninstallKey}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UninstallKey}" "Publisher" "${Publisher}"
  WriteRegStr SHCTX "${UninstallKey}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UninstallKey}" "UninstallString" '"$INSTDIR\${Uninstaller}" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UninstallKey}" "QuietUninstallString" '"$INSTDIR\${Uninstaller}" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UninstallKey}" "NoModify" 1
  WriteRegDWORD SHCTX "${UninstallKey}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UninstallKey}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\${Program}"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\${Uninstaller}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${Product}.lnk"

  ; The extension goes only while it still names our class: another program
  ; may have taken it since.
  ReadRegStr $0 SHCTX "Software\Classes\.std" ""
  ${If} $0 == "${SavedGameClass}"
    DeleteRegValue SHCTX "Software\Classes\.std" ""
    DeleteRegKey /IfEmpty SHCTX "Software\Classes\.std"
  ${EndIf}
  DeleteRegKey SHCTX "Software\Classes\${SavedGameClass}"
  DeleteRegKey SHCTX "${UninstallKey}"
  !insertmacro AssociationsChanged

  ; The player's data folder: its empty folders go; saved games go only when
  ; the player says so, and never in silent mode.
  SetShellVarContext current
  StrCpy $1 "$APPDATA\${DataFolder}"
  ${If} $MultiUser.InstallMode == "AllUsers"
    SetShellVarContext all
  ${EndIf}
  RMDir "$1\saves"
  RMDir "$1"
  ${If} ${FileExists} "$1\saves\*.*"
  ${AndIfNot} ${Silent}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Do you also want to delete your saved games?$\r$\n$\r$\nThey are in $1\saves" IDNO keepSavedGames
    RMDir /r "$1\saves"
    RMDir "$1"
    keepSavedGames:
  ${EndIf}
SectionEnd
