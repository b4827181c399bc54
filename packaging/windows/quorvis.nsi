; The Windows installer: for the current user only, without administrator rights, into
; %LOCALAPPDATA%\Programs\Quorvis (or the folder an earlier install used), with a Start-menu entry, a second
; one that opens a console in the program's folder for quorvis-exact, and an entry in the list of installed
; programs; on request a desktop shortcut and the folder on the user's own PATH. scripts/windows.sh runs it as
;   makensis -DVERSION=1.0.0 -DPUBLISHER=Pellmark -DICON=<.ico> -DSTAGE=<install tree> -DLISTS=<folder>
;            -DOUTFILE=<setup.exe> -DPRODUCT_SITE=<address> [-DSIGN=<command>]
; where LISTS holds install.nsh and uninstall.nsh, which name every file of the install tree, so that the
; uninstaller removes exactly what was installed, and SIGN, when given, signs the installer and the uninstaller
; (its argument is the file to sign in place).
;
; Neither half installs nor half removes: while Quorvis runs (it holds a named mutex, which Windows drops when
; the process ends, however it ends) both ask the person to close it, Retry or Cancel, and in silent mode
; change nothing and end with status 2; they ask again at the start of their work, for a copy started while
; the pages were open. The uninstaller removes itself, the shortcuts and the uninstall entry only once every
; file is gone; otherwise it names what stayed and keeps them, so that running it again finishes the job.
; An install over an earlier one (of any version) first runs that version's own uninstaller, which knows its
; own files, in the folder it was installed in, with /UPGRADE, which leaves the program's settings alone; an
; older installer over a newer version asks first (silent mode: refuses).
;
; The uninstaller keeps the program's settings (HKCU\Software\quorvis), so that a later install finds them,
; unless the person ticks "Also remove my settings" (silent: /REMOVESETTINGS). The installer's silent
; switches /DESKTOPSHORTCUT and /ADDTOPATH choose what the components page offers, both off by default.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"
!include "WordFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvis"
; The program's settings (QSettings in the registry), and the mutex it holds while it runs: the same names
; as in platform/Process.h.
!define SETTINGS_KEY "Software\quorvis\quorvis\Settings"
!define SETTINGS_ROOT "Software\quorvis"
!define RUNNING_MARKER "Local\Pellmark.Quorvis.Running"
!define MENU_ENTRY "$SMPROGRAMS\Quorvis.lnk"
!define CONSOLE_ENTRY "$SMPROGRAMS\Quorvis command line.lnk"
!define DESKTOP_ENTRY "$DESKTOP\Quorvis.lnk"
; Windows' error codes that the checks below tell apart.
!define ERROR_FILE_NOT_FOUND 2
!define ERROR_PATH_NOT_FOUND 3
!define ERROR_ACCESS_DENIED 5
!define ERROR_DIRECTORY 267
; The longest PATH this installer reads whole (its strings hold NSIS_MAX_STRLEN characters, the last a NUL).
!define /math PATH_LIMIT ${NSIS_MAX_STRLEN} - 1

Name "Quorvis"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvis"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "Quorvis ${VERSION} - ${PUBLISHER}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Quorvis"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "Quorvis ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright 2026 ${PUBLISHER}"

; Signed when a certificate is given (scripts/windows.sh says when it is not): the installer once it is
; written, the uninstaller before it is packed into it.
!ifdef SIGN
    !finalize '${SIGN} "%1"' = 0
    !uninstfinalize '${SIGN} "%1"' = 0
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_UNABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvis.exe"
!insertmacro MUI_PAGE_WELCOME
; The licence page shows notices: nothing in them is to be agreed to, so it goes on with Next.
!define MUI_PAGE_HEADER_TEXT "$(LicenceHeader)"
!define MUI_PAGE_HEADER_SUBTEXT "$(LicenceSubheader)"
!define MUI_LICENSEPAGE_TEXT_TOP "$(LicenceTop)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenceBottom)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/licences/README.txt"
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "$(UninstallComponentsTop)"
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
; The pages speak the system's language where Quorvis does; the first is the default.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Russian"
!include /CHARSET=UTF8 "${__FILEDIR__}\messages.nsh"

Var OldFolder
Var OldVersion
; The folder probe's findings: the nearest folder that exists on the way to $INSTDIR, and Windows' error code
; for making a folder in it (0: it can be done).
Var ProbeAt
Var ProbeError
; The uninstaller's: run by an upgrade (/UPGRADE); the files that could not be removed, a few by name.
Var Upgrade
Var StayedCount
Var Stayed

; Waits until no copy of Quorvis runs: asks to close it, Retry or Cancel; silent, ends at once with status 2.
; Only "no such mutex" means that none runs: a copy started as administrator holds one this user may not open
; (access denied), and any other failure is counted as a running copy too, rather than change files under it.
!macro WAIT_FOR_NO_RUNNING_COPY un
Function ${un}WaitForNoRunningCopy
    Push $0
    Push $1
    retry:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MARKER}") p .r0 ?e'
    Pop $1
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
    ${ElseIf} $1 = ${ERROR_FILE_NOT_FOUND}
        Pop $1
        Pop $0
        Return
    ${EndIf}
    ${If} ${Silent}
        SetErrorLevel 2
        Quit
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RunningCopy)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
FunctionEnd
!macroend
!insertmacro WAIT_FOR_NO_RUNNING_COPY ""
!insertmacro WAIT_FOR_NO_RUNNING_COPY "un."

; The user's own PATH (HKCU\Environment) without the entries naming folder $R1 (with or without a final
; backslash, in any case): read from $R0, left in $R2. Changes no register but $R2.
!macro PATH_WITHOUT un
Function ${un}PathWithout
    Push $R3
    Push $R4
    Push $R5
    Push $R6
    Push $R7
    ; (The folder as the uninstaller gets it may end in a backslash.)
    StrCpy $R7 $R1 1 -1
    ${If} $R7 == "\"
        StrCpy $R7 $R1 -1
    ${Else}
        StrCpy $R7 $R1
    ${EndIf}
    StrCpy $R2 ""
    StrCpy $R3 $R0
    ${DoWhile} $R3 != ""
        ; The next entry, up to its ';'.
        StrLen $R5 $R3
        StrCpy $R4 0
        ${DoWhile} $R4 < $R5
            StrCpy $R6 $R3 1 $R4
            ${If} $R6 == ";"
                ${ExitDo}
            ${EndIf}
            IntOp $R4 $R4 + 1
        ${Loop}
        StrCpy $R6 $R3 $R4
        IntOp $R4 $R4 + 1
        StrCpy $R3 $R3 "" $R4
        ${If} $R6 == ""
        ${OrIf} $R6 == $R7
        ${OrIf} $R6 == "$R7\"
            ${Continue}
        ${EndIf}
        ${If} $R2 == ""
            StrCpy $R2 $R6
        ${Else}
            StrCpy $R2 "$R2;$R6"
        ${EndIf}
    ${Loop}
    Pop $R7
    Pop $R6
    Pop $R5
    Pop $R4
    Pop $R3
FunctionEnd
!macroend
!insertmacro PATH_WITHOUT ""
!insertmacro PATH_WITHOUT "un."

; Takes folder $R1 off the user's PATH. A PATH as long as this installer's strings could be cut short on
; reading, so it is left as it is and the person is told.
Function un.TakeOffPath
    ReadRegStr $R0 HKCU "Environment" "Path"
    StrLen $R2 $R0
    ${If} $R2 >= ${PATH_LIMIT}
        MessageBox MB_OK|MB_ICONINFORMATION "$(PathTooLong)" /SD IDOK
        Return
    ${EndIf}
    Call un.PathWithout
    ${If} $R2 == $R0
        Return
    ${EndIf}
    ${If} $R2 == ""
        DeleteRegValue HKCU "Environment" "Path"
    ${Else}
        WriteRegExpandStr HKCU "Environment" "Path" $R2
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=2000
FunctionEnd

; Whether a folder can be made at $INSTDIR: tries to make (and removes) one in the nearest folder that exists on
; the way there, with the rights this installer has. Sets $ProbeAt and $ProbeError.
Function ProbeInstallFolder
    StrCpy $ProbeAt $INSTDIR
    ${DoUntil} ${FileExists} "$ProbeAt\*.*"
        ; (A file where a folder should be.)
        ${If} ${FileExists} $ProbeAt
            StrCpy $ProbeError ${ERROR_DIRECTORY}
            Return
        ${EndIf}
        ${GetParent} $ProbeAt $R9
        ${If} $R9 == ""
        ${OrIf} $R9 == $ProbeAt
            StrCpy $ProbeError ${ERROR_PATH_NOT_FOUND}
            Return
        ${EndIf}
        StrCpy $ProbeAt $R9
    ${Loop}
    System::Call 'kernel32::GetTickCount() i .R8'
    StrCpy $R9 "$ProbeAt\Quorvis-write-check-$R8"
    System::Call 'kernel32::CreateDirectoryW(w R9, p 0) i .R8 ?e'
    Pop $ProbeError
    ${If} $R8 <> 0
        RMDir $R9
        StrCpy $ProbeError 0
    ${EndIf}
FunctionEnd

; Says why $INSTDIR cannot be used, after ProbeInstallFolder found that it cannot.
Function ExplainProbe
    ${If} $ProbeError = ${ERROR_ACCESS_DENIED}
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderNotWritable)" /SD IDOK
    ${ElseIf} $ProbeError = ${ERROR_PATH_NOT_FOUND}
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderUnreachable)" /SD IDOK
    ${Else}
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(FolderRefused)" /SD IDOK
    ${EndIf}
FunctionEnd

Function DirectoryLeave
    Call ProbeInstallFolder
    ${If} $ProbeError != 0
        Call ExplainProbe
        Abort
    ${EndIf}
FunctionEnd

; Removes the installed version with its own uninstaller, run in place, which keeps the program's settings.
Function RemoveEarlierVersion
    ${If} $OldFolder == ""
        Return
    ${EndIf}
    ; (Uninstallers from before /UPGRADE remove the whole settings key; their one setting was this date.)
    ReadRegStr $R1 HKCU "${SETTINGS_KEY}" "Duration"
    InitPluginsDir
    CopyFiles /SILENT "$OldFolder\Uninstall.exe" "$PLUGINSDIR\earlier-uninstall.exe"
    ClearErrors
    ExecWait '"$PLUGINSDIR\earlier-uninstall.exe" /S /UPGRADE _?=$OldFolder' $0
    ${If} ${Errors}
    ${OrIf} $0 != 0
        MessageBox MB_OK|MB_ICONSTOP "$(EarlierNotRemoved)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    ; Run in place, the uninstaller cannot remove itself.
    Delete "$OldFolder\Uninstall.exe"
    RMDir "$OldFolder"
    ReadRegStr $R2 HKCU "${SETTINGS_KEY}" "Duration"
    ${If} $R1 != ""
    ${AndIf} $R2 == ""
        WriteRegStr HKCU "${SETTINGS_KEY}" "Duration" $R1
    ${EndIf}
FunctionEnd

Section "Quorvis" SecProgram
    SectionIn RO
    Call WaitForNoRunningCopy
    ; (The directory page probed the folder already; a silent install, or /D, meets it here first.)
    Call ProbeInstallFolder
    ${If} $ProbeError != 0
        Call ExplainProbe
        SetErrorLevel 2
        Quit
    ${EndIf}
    Call RemoveEarlierVersion
    !include "${LISTS}/install.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ; A console in the program's folder, for quorvis-exact, with a line that says how to begin.
    CreateShortcut "${CONSOLE_ENTRY}" "$SYSDIR\cmd.exe" '/k echo $(ConsoleHint)' "$INSTDIR\quorvis-exact.exe" 0
    ; Started from the Start menu, the program's working folder is the person's documents, not its own folder.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "${MENU_ENTRY}" "$INSTDIR\quorvis.exe" "" "$INSTDIR\quorvis.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorvis"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvis.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${PRODUCT_SITE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${PRODUCT_SITE}/quorvis-help.html"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLUpdateInfo" "${PRODUCT_SITE}/download-quorvis.html"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopSection)" SecDesktop
    SetOutPath "$DOCUMENTS"
    CreateShortcut "${DESKTOP_ENTRY}" "$INSTDIR\quorvis.exe" "" "$INSTDIR\quorvis.exe" 0
SectionEnd

Section /o "$(PathSection)" SecPath
    StrCpy $R1 $INSTDIR
    ReadRegStr $R0 HKCU "Environment" "Path"
    StrLen $R2 $R0
    ${If} $R2 >= ${PATH_LIMIT}
        MessageBox MB_OK|MB_ICONINFORMATION "$(PathTooLong)" /SD IDOK
        Return
    ${EndIf}
    Call PathWithout
    ${If} $R2 == ""
        StrCpy $R2 $INSTDIR
    ${Else}
        StrCpy $R2 "$R2;$INSTDIR"
    ${EndIf}
    WriteRegExpandStr HKCU "Environment" "Path" $R2
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=2000
SectionEnd

Function .onInit
    Call WaitForNoRunningCopy
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/DESKTOPSHORTCUT" $R1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecDesktop}
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/ADDTOPATH" $R1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecPath}
    ${EndIf}
    ; An earlier install: this one goes into its folder (unless /D names another), offers what it had chosen,
    ; and a downgrade is asked.
    ReadRegStr $OldFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $OldVersion HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $OldFolder == ""
    ${OrIfNot} ${FileExists} "$OldFolder\Uninstall.exe"
        StrCpy $OldFolder ""
        Return
    ${EndIf}
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\Quorvis"
        StrCpy $INSTDIR $OldFolder
    ${EndIf}
    ${If} ${FileExists} "${DESKTOP_ENTRY}"
        !insertmacro SelectSection ${SecDesktop}
    ${EndIf}
    ReadRegStr $R0 HKCU "Environment" "Path"
    StrCpy $R1 $OldFolder
    Call PathWithout
    ${If} $R2 != $R0
        !insertmacro SelectSection ${SecPath}
    ${EndIf}
    ${VersionCompare} "${VERSION}" "$OldVersion" $0
    ${If} $0 == 2
        ${If} ${Silent}
            SetErrorLevel 2
            Quit
        ${EndIf}
        MessageBox MB_YESNO|MB_ICONQUESTION "$(Downgrade)" /SD IDNO IDYES downgrade
        SetErrorLevel 2
        Quit
        downgrade:
    ${EndIf}
FunctionEnd

; Removes one installed file; one that stays (open in another program, protected) is counted and, the first
; few, named.
!macro RemoveFile path
    Delete "${path}"
    ${If} ${FileExists} "${path}"
        IntOp $StayedCount $StayedCount + 1
        DetailPrint "${path}"
        ${If} $StayedCount <= 8
            StrCpy $Stayed "$Stayed$\r$\n${path}"
        ${EndIf}
    ${EndIf}
!macroend

Section "-un.Quorvis"
    Call un.WaitForNoRunningCopy
    StrCpy $StayedCount 0
    StrCpy $Stayed ""
    !include "${LISTS}/uninstall.nsh"
    ${If} $StayedCount > 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(FilesStayed)" /SD IDOK
        SetErrorLevel 2
        Return
    ${EndIf}
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    ; What the program keeps in its cache folder (how far its windows grow in a language) goes with it; it is
    ; made again when needed.
    RMDir /r "$LOCALAPPDATA\${PUBLISHER}\quorvis\cache"
    RMDir "$LOCALAPPDATA\${PUBLISHER}\quorvis"
    RMDir "$LOCALAPPDATA\${PUBLISHER}"
    Delete "${MENU_ENTRY}"
    Delete "${CONSOLE_ENTRY}"
    Delete "${DESKTOP_ENTRY}"
    ; The folder as the installer named it on PATH, and as this uninstaller was started from (another spelling
    ; of it: a short name, a mapped drive).
    ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R1 != ""
        Call un.TakeOffPath
    ${EndIf}
    StrCpy $R1 $INSTDIR
    Call un.TakeOffPath
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Off unless the person asks: an install later, or the upgrade that runs this, finds the settings as they were.
Section /o "un.$(RemoveSettingsSection)" SecRemoveSettings
    ${If} $StayedCount > 0
    ${OrIf} $Upgrade == 1
        Return
    ${EndIf}
    DeleteRegKey HKCU "${SETTINGS_ROOT}"
SectionEnd

Function un.onInit
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/UPGRADE" $R1
    ${IfNot} ${Errors}
        StrCpy $Upgrade 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/REMOVESETTINGS" $R1
    ${IfNot} ${Errors}
    ${AndIf} $Upgrade != 1
        !insertmacro SelectSection ${SecRemoveSettings}
    ${EndIf}
    Call un.WaitForNoRunningCopy
FunctionEnd
