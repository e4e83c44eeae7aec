; The Windows installer of the Volaro tools, made by scripts/package-windows.sh:
;   makensis -DVERSION=2.0 -DSTAGE=<staged folder> -DLISTS=<folder of the
;            file lists> -DOUTFILE=<setup.exe> -DSIZE_KB=<n> installer.nsi
; It installs exactly the staged files (files.nsh) and its uninstaller removes
; exactly those (unfiles.nsh), so nothing of the user's is ever touched.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"
!include "nsDialogs.nsh"

!define PRODUCT "Volaro tools"
!define PUBLISHER "Volaro tools maintainers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VolaroTools"
; Where the simulator's installer records its folder; the configurator reads it.
!define SIM_KEY "SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0"
!define PACKAGE_FOLDER "Korvanta\Volaro"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
; No InstallDir: $INSTDIR is then empty in .onInit unless /D= gave it.
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "2026 ${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"

Var SimFolder      ; the simulator folder the tools are installed for
Var SimRegistered  ; what "EXE Path" holds, in the view the configurator reads
Var SimFound       ; what was found in either view, for the simulator page
Var DirFollowsSim  ; 1 while $INSTDIR is the folder proposed for $SimFolder
Var SimField
Var OldFolder      ; an earlier install's folder, from its Uninstall entry

!define MUI_ABORTWARNING
!define MUI_LICENSEPAGE_TEXT_TOP "The terms of the Volaro tools. The licences of the software that comes with them (Qt, the MinGW-w64 and GCC runtime libraries, the fonts) are in the licenses folder."
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licenses\volaro-tools.txt"
Page custom SimulatorPage SimulatorPageLeave
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup proposes the package's folder in the simulator, where the configurator keeps Prefs.cfg. To install elsewhere, choose another folder."
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_TEXT "The Start menu now has Volaro Configurator and Volaro Upgrader.$\r$\n$\r$\nIn a console (cmd.exe), change to the install folder and type$\r$\n    configurator --help$\r$\nconfigurator.com and upgrader.com, beside the programs, print there and set %ERRORLEVEL%."
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; A folder without the backslash that may end it, so that it can be quoted on
; a command line ("C:\FS9\" would escape the closing quote).
!macro TrimSlash VAR
  ${DoWhile} "$${VAR}" != ""
    StrCpy $R9 "$${VAR}" "" -1
    ${IfThen} $R9 != "\" ${|} ${ExitDo} ${|}
    StrCpy $${VAR} "$${VAR}" -1
  ${Loop}
!macroend
!define TrimSlash "!insertmacro TrimSlash"

; Files are replaced only when neither program runs from the folder $R0:
; a running program cannot be opened for writing. Retry, or stop with
; nothing changed (silent: stop).
!macro NotRunningFunction UN
Function ${UN}NotRunning
  ${ForEach} $R1 0 1 + 1
    ${If} $R1 = 0
      StrCpy $R2 "configurator"
    ${Else}
      StrCpy $R2 "upgrader"
    ${EndIf}
    retry:
    ${If} ${FileExists} "$R0\$R2.exe"
      ClearErrors
      FileOpen $R3 "$R0\$R2.exe" a
      ${If} ${Errors}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$R2.exe is running from $R0.$\r$\nClose it, then choose Retry." /SD IDCANCEL IDRETRY retry
        DetailPrint "$R2.exe is running from $R0: nothing was changed."
        SetErrorLevel 3
        Quit
      ${EndIf}
      FileClose $R3
    ${EndIf}
  ${Next}
FunctionEnd
!macroend
!insertmacro NotRunningFunction ""
!insertmacro NotRunningFunction "un."

Function .onInit
  SetShellVarContext all
  ; The configurator reads the 32-bit view, as the simulator's own 32-bit
  ; installer wrote it; the 64-bit view is a fallback for the page.
  SetRegView 32
  ReadRegStr $SimRegistered HKLM "${SIM_KEY}" "EXE Path"
  SetRegView 64
  StrCpy $SimFound $SimRegistered
  ${If} $SimFound == ""
    ReadRegStr $SimFound HKLM "${SIM_KEY}" "EXE Path"
  ${EndIf}
  ${TrimSlash} SimRegistered
  ${TrimSlash} SimFound
  StrCpy $SimFolder $SimFound

  ReadRegStr $OldFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $R0 HKLM "${UNINSTALL_KEY}" "DisplayVersion"
  ${If} $R0 != ""
    ${VersionCompare} $R0 "${VERSION}" $R1
    ${If} $R1 = 1
      MessageBox MB_YESNO|MB_ICONQUESTION "${PRODUCT} $R0, newer than ${VERSION}, is installed in $OldFolder.$\r$\nReplace it with ${VERSION}?" /SD IDNO IDYES replace
      SetErrorLevel 2
      Quit
      replace:
    ${EndIf}
  ${EndIf}

  StrCpy $DirFollowsSim 0
  ${If} $INSTDIR == ""
    ${If} $OldFolder != ""
      StrCpy $INSTDIR $OldFolder
    ${Else}
      StrCpy $DirFollowsSim 1
      Call ProposeFolder
    ${EndIf}
  ${EndIf}
FunctionEnd

Function ProposeFolder
  ${If} $SimFolder != ""
    StrCpy $INSTDIR "$SimFolder\${PACKAGE_FOLDER}"
  ${Else}
    StrCpy $INSTDIR "$PROGRAMFILES64\${PACKAGE_FOLDER}"
  ${EndIf}
FunctionEnd

Function SimulatorPage
  !insertmacro MUI_HEADER_TEXT "Simulator folder" "The flight simulator the tools are for."
  nsDialogs::Create 1018
  Pop $R0
  ${If} $SimFound != ""
    ${NSD_CreateLabel} 0 0 100% 30u "The simulator's registry value $\"EXE Path$\" names the folder below. The configurator finds the simulator there, and the Volaro Upgrader entry of the Start menu opens on it."
  ${Else}
    ${NSD_CreateLabel} 0 0 100% 30u "No simulator was found: its registry value $\"EXE Path$\" is not set. Choose the simulator's folder, or leave the field empty to install under Program Files."
  ${EndIf}
  Pop $R0
  ${NSD_CreateText} 0 36u -60u 13u "$SimFolder"
  Pop $SimField
  ${NSD_CreateBrowseButton} -55u 35u 55u 15u "Browse..."
  Pop $R0
  ${NSD_OnClick} $R0 BrowseSimulator
  ${If} $SimFound != ""
    ${NSD_CreateLabel} 0 60u 100% 12u "Found in the registry: $SimFound"
  ${Else}
    ${NSD_CreateLabel} 0 60u 100% 12u "Found in the registry: nothing"
  ${EndIf}
  Pop $R0
  ${NSD_CreateLabel} 0 80u 100% 30u "Another folder than the registry's is given to both programs by their Start-menu entries."
  Pop $R0
  nsDialogs::Show
FunctionEnd

Function BrowseSimulator
  ${NSD_GetText} $SimField $R0
  nsDialogs::SelectFolderDialog "The simulator's folder" "$R0"
  Pop $R0
  ${If} $R0 != "error"
    ${NSD_SetText} $SimField $R0
  ${EndIf}
FunctionEnd

Function SimulatorPageLeave
  ${NSD_GetText} $SimField $R0
  ${TrimSlash} R0
  ${If} $R0 != ""
  ${AndIfNot} ${FileExists} "$R0\*.*"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$R0 is not a folder."
    Abort
  ${EndIf}
  StrCpy $SimFolder $R0
  ${If} $DirFollowsSim = 1
    Call ProposeFolder
  ${EndIf}
FunctionEnd

Section "Volaro tools" SecTools
  SectionIn RO
  ; Without a simulator named, the one around the package's folder, if
  ; there is one (it has its Aircraft folder).
  ${If} $SimFolder == ""
    StrLen $R0 "\${PACKAGE_FOLDER}"
    StrCpy $R1 $INSTDIR "" -$R0
    StrCpy $R2 $INSTDIR -$R0
    ${If} $R1 == "\${PACKAGE_FOLDER}"
    ${AndIf} ${FileExists} "$R2\Aircraft\*.*"
      StrCpy $SimFolder $R2
    ${EndIf}
  ${EndIf}

  StrCpy $R0 $INSTDIR
  Call NotRunning
  ; An earlier install removes exactly its own files first, wherever it is;
  ; what the user keeps beside them stays.
  ${If} $OldFolder != ""
  ${AndIf} ${FileExists} "$OldFolder\uninstall.exe"
    StrCpy $R0 $OldFolder
    Call NotRunning
    DetailPrint "Removing the files of the earlier install in $OldFolder"
    ExecWait '"$OldFolder\uninstall.exe" /S _?=$OldFolder'
    Delete "$OldFolder\uninstall.exe"
    RMDir "$OldFolder"
  ${EndIf}
  ; A parent folder made for the install goes with it (Program Files\Korvanta).
  ${GetParent} $INSTDIR $R3
  StrCpy $R4 0
  ${IfNot} ${FileExists} "$R3\*.*"
    StrCpy $R4 1
  ${EndIf}

  !include "${LISTS}\files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; A simulator other than the one the registry names reaches the
  ; configurator on its command line.
  StrCpy $R2 ""
  ${If} $SimFolder != ""
  ${AndIf} $SimFolder != $SimRegistered
    StrCpy $R2 '--fs-root "$SimFolder"'
  ${EndIf}
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\Volaro Configurator.lnk" "$INSTDIR\configurator.exe" "$R2" \
    "$INSTDIR\configurator.exe" 0 SW_SHOWNORMAL "" "The Volaro configurator: preferences, load, fuel and keys"
  ${If} $SimFolder != ""
    CreateShortcut "$SMPROGRAMS\Volaro Upgrader.lnk" "$INSTDIR\upgrader.exe" '"$SimFolder"' \
      "$INSTDIR\upgrader.exe" 0 SW_SHOWNORMAL "" "Moves the Volaro gauges from Upgrade v1 to version 2"
  ${Else}
    CreateShortcut "$SMPROGRAMS\Volaro Upgrader.lnk" "$INSTDIR\upgrader.exe" "" \
      "$INSTDIR\upgrader.exe" 0 SW_SHOWNORMAL "" "Moves the Volaro gauges from Upgrade v1 to version 2"
  ${EndIf}

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\configurator.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "CreatedParentFolder" $R4
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Desktop shortcut" SecDesktop
  StrCpy $R2 ""
  ${If} $SimFolder != ""
  ${AndIf} $SimFolder != $SimRegistered
    StrCpy $R2 '--fs-root "$SimFolder"'
  ${EndIf}
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\Volaro Configurator.lnk" "$INSTDIR\configurator.exe" "$R2"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecTools} "The configurator and the upgrader, their console twins, the Qt and runtime libraries, fonts and licences."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "A Volaro Configurator entry on the desktop of every user."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Uninstall"
  StrCpy $R0 $INSTDIR
  Call un.NotRunning
  !include "${LISTS}\unfiles.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The entries are this install's only when the registered one is here.
  ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R1 == $INSTDIR
    ReadRegDWORD $R2 HKLM "${UNINSTALL_KEY}" "CreatedParentFolder"
    ${If} $R2 = 1
      ${GetParent} $INSTDIR $R3
      RMDir $R3
    ${EndIf}
    Delete "$SMPROGRAMS\Volaro Configurator.lnk"
    Delete "$SMPROGRAMS\Volaro Upgrader.lnk"
    Delete "$DESKTOP\Volaro Configurator.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
