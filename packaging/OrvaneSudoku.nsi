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
; line chooses in silent mode (/S). A folder given with /D= is used in either
; mode; without one, an installed copy's folder, else the mode's default. The
; 64-bit program goes onto 64-bit Windows, the 32-bit one onto 32-bit Windows.
;
; An installed copy is upgraded where it is: the first page names its version
; and the mode and folder pages stay out of the way. Neither the installer nor
; the uninstaller touches anything while the installed game runs: they ask the
; player to close it (Retry, Cancel); in silent mode they wait a few seconds,
; then end with exit status 2 and leave everything as it was.

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
!define Extension "Software\Classes\.std"
; Exit statuses: the player cancelled; the installed game kept running.
!define ExitCancelled 1
!define ExitGameRunning 2
; How long silent mode waits for the game to close: tries, half a second apart.
!define SilentWaitTries 10
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
; Called whenever a mode sets its default folder: a folder given with /D=
; wins over it.
!define MULTIUSER_INSTALLMODE_FUNCTION KeepGivenFolder
!define MULTIUSER_INSTALLMODE_UNFUNCTION un.KeepGivenFolder
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh
!include x64.nsh

; The folder given with /D= (the uninstaller: its own folder); empty when none.
Var GivenFolder
; The version of the copy installed in the chosen mode; empty when none.
Var InstalledVersion
Var WelcomeTitle
Var WelcomeText

!define MUI_ICON "${STAGE}\OrvaneSudoku.ico"
!define MUI_UNICON "${STAGE}\OrvaneSudoku.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${STAGE}\wizard.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${STAGE}\wizard.bmp"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "$WelcomeTitle"
!define MUI_WELCOMEPAGE_TEXT "$WelcomeText"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${Program}"
!define MUI_FINISHPAGE_RUN_TEXT "Play ${Product} now"

!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowWelcome
!insertmacro MUI_PAGE_WELCOME
!define MULTIUSER_PAGE_CUSTOMFUNCTION_PRE SkipWhenUpgrading
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenUpgrading
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

; Tells Explorer that file associations changed.
!macro AssociationsChanged
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

; The installer's and the uninstaller's functions of the same name (Prefix
; "" or "un.").
!macro SharedFunctions Prefix
  Function ${Prefix}KeepGivenFolder
    ${If} $GivenFolder != ""
      StrCpy $INSTDIR $GivenFolder
    ${EndIf}
  FunctionEnd

  ; Whether the installed game is running, on the stack: 1 or 0. Windows
  ; lets no one write to a running program's file, whatever its version or
  ; whoever started it; a program that is not there does not run.
  Function ${Prefix}IsGameRunning
    Push $0
    ${IfNot} ${FileExists} "$INSTDIR\${Program}"
      Pop $0
      Push 0
      Return
    ${EndIf}
    ClearErrors
    FileOpen $0 "$INSTDIR\${Program}" a
    ${If} ${Errors}
      Pop $0
      Push 1
      Return
    ${EndIf}
    FileClose $0
    Pop $0
    Push 0
  FunctionEnd

  ; Returns once the installed game is not running. The player is asked to
  ; close it (Retry, Cancel); silently, it waits a few seconds. When the
  ; game stays, the program ends here, before it has changed anything.
  Function ${Prefix}WaitUntilGameClosed
    Push $0
    Push $1
    StrCpy $1 0
    ${Do}
      Call ${Prefix}IsGameRunning
      Pop $0
      ${If} $0 = 0
        ${Break}
      ${EndIf}
      ${If} ${Silent}
        ${If} $1 >= ${SilentWaitTries}
          SetErrorLevel ${ExitGameRunning}
          Quit
        ${EndIf}
        IntOp $1 $1 + 1
        Sleep 500
      ${Else}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
          "${Product} is running.$\r$\n$\r$\nClose it, then click Retry. Click Cancel to leave everything as it is." \
          IDRETRY retry
        SetErrorLevel ${ExitCancelled}
        Quit
        retry:
      ${EndIf}
    ${Loop}
    Pop $1
    Pop $0
  FunctionEnd
!macroend
!insertmacro SharedFunctions ""
!insertmacro SharedFunctions "un."

Section "-Prepare"
  ; Before anything is written.
  Call WaitUntilGameClosed
  SetOutPath "$INSTDIR"
SectionEnd

; One program for each kind of Windows, each in a section of its own, so that
; the space the directory page asks for counts only the one installed.
!macro ProgramSection Kind
  Section "-Program ${Kind}" Program${Kind}
    ClearErrors
    File "/oname=${Program}" "${STAGE}\${Kind}\${Program}"
    ${If} ${Errors}
      ; The file could not be written: a failure, not a silent success.
      SetErrorLevel ${ExitGameRunning}
      Abort "${Program} could not be written in $INSTDIR."
    ${EndIf}
  SectionEnd
!macroend
!insertmacro ProgramSection win64
!insertmacro ProgramSection win32

Section "-Install"
  File "/oname=LICENSE.txt" "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\${Uninstaller}"

  CreateShortcut "$SMPROGRAMS\${Product}.lnk" "$INSTDIR\${Program}"

  ; Saved games (".std") open with the program, which opens the file named
  ; on its command line. The program is always among the extension's
  ; "Open with" programs; it becomes the extension's default only where no
  ; other program is, so that another program's association stays whole.
  WriteRegStr SHCTX "Software\Classes\${SavedGameClass}" "" "${Product} saved game"
  WriteRegStr SHCTX "Software\Classes\${SavedGameClass}\DefaultIcon" "" "$INSTDIR\${Program},0"
  WriteRegStr SHCTX "Software\Classes\${SavedGameClass}\shell\open\command" "" '"$INSTDIR\${Program}" "%1"'
  WriteRegNone SHCTX "${Extension}\OpenWithProgids" "${SavedGameClass}"
  ReadRegStr $0 SHCTX "${Extension}" ""
  ${If} $0 == ""
  ${OrIf} $0 == "${SavedGameClass}"
    WriteRegStr SHCTX "${Extension}" "" "${SavedGameClass}"
  ${EndIf}
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

; NSIS takes /D= only unquoted, as the last parameter. A shell that passes a
; folder with spaces quotes the whole parameter ("/D=C:\Games\Orvane Sudoku"),
; which NSIS drops: the folder is then read here, without its quotes.
Function FindQuotedFolder
  System::Call 'kernel32::GetCommandLineW() t .r0'
  ${StrStr} $1 $0 '"/D='
  StrCpy $1 $1 "" 4
  StrCpy $2 0
  ${Do}
    StrCpy $3 $1 1 $2
    ${If} $3 == '"'
    ${OrIf} $3 == ""
      ${ExitDo}
    ${EndIf}
    IntOp $2 $2 + 1
  ${Loop}
  StrCpy $GivenFolder $1 $2
FunctionEnd

Function .onInit
  ; A folder given with /D= is in $INSTDIR already.
  StrCpy $GivenFolder $INSTDIR
  ${If} $GivenFolder == ""
    Call FindQuotedFolder
  ${EndIf}
  !insertmacro ChooseRegistryView
  !insertmacro MULTIUSER_INIT
  ${If} ${RunningX64}
    !insertmacro UnselectSection ${Programwin32}
  ${Else}
    !insertmacro UnselectSection ${Programwin64}
  ${EndIf}

  ; An installed copy in the chosen mode: the first page says so.
  ReadRegStr $InstalledVersion SHCTX "${UninstallKey}" "DisplayVersion"
  StrCpy $WelcomeTitle "Welcome to ${Product} ${VERSION} Setup"
  StrCpy $WelcomeText "Setup will install ${Product} ${VERSION} on your computer: Sudoku at five levels, from Easy to Extreme, with a board that checks your entries and keeps your games.$\r$\n$\r$\nClick Next to continue."
  ${If} $InstalledVersion != ""
    StrCpy $0 "for all users"
    ${If} $MultiUser.InstallMode == "CurrentUser"
      StrCpy $0 "for you only"
    ${EndIf}
    StrCpy $WelcomeTitle "Upgrade ${Product}"
    StrCpy $WelcomeText "${Product} $InstalledVersion is installed on this computer, $0, in$\r$\n$INSTDIR$\r$\n$\r$\nSetup will upgrade it to version ${VERSION} in the same place. Your saved games stay as they are.$\r$\n$\r$\nClick Upgrade to continue."
  ${EndIf}
FunctionEnd

; An upgrade keeps the installed copy's mode and folder unless a folder was
; given with /D=.
Function IsUpgrade
  ${If} $InstalledVersion != ""
  ${AndIf} $GivenFolder == ""
    Push 1
  ${Else}
    Push 0
  ${EndIf}
FunctionEnd

Function ShowWelcome
  Call IsUpgrade
  Pop $0
  ${If} $0 = 1
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:&Upgrade"
  ${EndIf}
FunctionEnd

Function SkipWhenUpgrading
  Call IsUpgrade
  Pop $0
  ${If} $0 = 1
    Abort
  ${EndIf}
FunctionEnd

Function un.onInit
  ; The uninstaller's $INSTDIR is its own folder: the one to remove, whatever
  ; the registry says.
  StrCpy $GivenFolder $INSTDIR
  !insertmacro ChooseRegistryView
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Uninstall"
  ; Before anything is removed.
  Call un.WaitUntilGameClosed
  Delete "$INSTDIR\${Program}"
  ${If} ${FileExists} "$INSTDIR\${Program}"
    ; The game started again meanwhile, or another program holds its file.
    ; Everything stays, so that this uninstaller can still remove it later.
    SetErrorLevel ${ExitGameRunning}
    ${IfNot} ${Silent}
      MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\${Program} could not be removed. Close ${Product} and uninstall it again."
    ${EndIf}
    Abort
  ${EndIf}
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\${Uninstaller}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${Product}.lnk"

  ; Only what is ours goes: the "Open with" entry, and the extension's
  ; default while it still names our class (another program may have taken
  ; it since); the extension's key goes only when nothing else is left in it.
  DeleteRegValue SHCTX "${Extension}\OpenWithProgids" "${SavedGameClass}"
  DeleteRegKey /IfEmpty SHCTX "${Extension}\OpenWithProgids"
  ReadRegStr $0 SHCTX "${Extension}" ""
  ${If} $0 == "${SavedGameClass}"
    DeleteRegValue SHCTX "${Extension}" ""
  ${EndIf}
  DeleteRegKey /IfEmpty SHCTX "${Extension}"
  DeleteRegKey SHCTX "Software\Classes\${SavedGameClass}"
  DeleteRegKey SHCTX "${UninstallKey}"
  !insertmacro AssociationsChanged

  ; The player's data folder: its empty folders go; saved games go only when
  ; the player says so, and never in silent mode. Crash reports stay for the
  ; player to send.
  SetShellVarContext current
  StrCpy $1 "$APPDATA\${DataFolder}"
  ${If} $MultiUser.InstallMode == "AllUsers"
    SetShellVarContext all
  ${EndIf}
  RMDir "$1\saves"
  RMDir "$1\crashes"
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
