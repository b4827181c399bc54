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
; switches /DESKTOPSHORTCUT and /ADDTOPATH choose what the components page offers, both off by default; how
; the user's PATH is changed, and every value this script decides by read whole, is in registry.nsh.
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
; The console entry is named in the installer's language; the uninstall entry keeps that name (ConsoleEntry) for
; the uninstaller, whose language may differ.
!define CONSOLE_ENTRY "$SMPROGRAMS\$(ConsoleEntry).lnk"
!define DESKTOP_ENTRY "$DESKTOP\Quorvis.lnk"
; Windows' error codes that the checks below tell apart.
!define ERROR_FILE_NOT_FOUND 2
!define ERROR_PATH_NOT_FOUND 3
!define ERROR_ACCESS_DENIED 5
!define ERROR_DIRECTORY 267
!define SYNCHRONIZE 0x00100000

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
; (Under the list, which so keeps its width for the components' names.)
!define MUI_COMPONENTSPAGE_SMALLDESC
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
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.ComponentsShow
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
!include "${__FILEDIR__}\registry.nsh"

; The console entry's name in every language, as messages.nsh gives it (CONSOLE_ENTRY_GERMAN...), for the
; entries whose name is not known: an earlier version's (in English), or one whose kept name cannot be read.
!macro CONSOLE_ENTRY_NAME lang
    !searchparse /file "${__FILEDIR__}\messages.nsh" `LangString ConsoleEntry ` CONSOLE_ENTRY_UNUSED \
        `_${lang}} "` CONSOLE_ENTRY_${lang} `"`
    !undef CONSOLE_ENTRY_UNUSED
!macroend
!insertmacro CONSOLE_ENTRY_NAME ENGLISH
!insertmacro CONSOLE_ENTRY_NAME GERMAN
!insertmacro CONSOLE_ENTRY_NAME FRENCH
!insertmacro CONSOLE_ENTRY_NAME SPANISH
!insertmacro CONSOLE_ENTRY_NAME PORTUGUESEBR
!insertmacro CONSOLE_ENTRY_NAME ITALIAN
!insertmacro CONSOLE_ENTRY_NAME RUSSIAN
!macro REMOVE_CONSOLE_ENTRIES
    Delete "$SMPROGRAMS\${CONSOLE_ENTRY_ENGLISH}.lnk"
    Delete "$SMPROGRAMS\${CONSOLE_ENTRY_GERMAN}.lnk"
    Delete "$SMPROGRAMS\${CONSOLE_ENTRY_FRENCH}.lnk"
    Delete "$SMPROGRAMS\${CONSOLE_ENTRY_SPANISH}.lnk"
    Delete "$SMPROGRAMS\${CONSOLE_ENTRY_PORTUGUESEBR}.lnk"
    Delete "$SMPROGRAMS\${CONSOLE_ENTRY_ITALIAN}.lnk"
    Delete "$SMPROGRAMS\${CONSOLE_ENTRY_RUSSIAN}.lnk"
!macroend

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
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MARKER}") p .r0 ?e'
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
    ; (Uninstallers from before /UPGRADE remove the whole settings key; their one setting was this date. It is
    ; put back only if it was read whole and nothing stands in its place.)
    StrCpy $RegKey "${SETTINGS_KEY}"
    StrCpy $RegName "Duration"
    Call ReadWhole
    StrCpy $R6 $RegText
    StrCpy $R7 $RegType
    ; (Earlier uninstallers wrote the user's PATH back without its empty entries, and as REG_EXPAND_SZ: it is
    ; put back as it was, only without the earlier folder, as this version's uninstaller leaves it.)
    Call ReadUserPath
    StrCpy $R4 $RegText
    StrCpy $R5 $RegType
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
    StrCpy $RegKey "${SETTINGS_KEY}"
    StrCpy $RegName "Duration"
    Call ReadWhole
    ${If} $R7 > 0
    ${AndIf} $RegType = 0
        WriteRegStr HKCU "${SETTINGS_KEY}" "Duration" $R6
    ${EndIf}
    ${If} $R5 >= 0
        StrCpy $PathLeft $R4
        StrCpy $R1 $OldFolder
        Call PathWithout
        Call ReadUserPath
        ${If} $PathLeft != $RegText
        ${OrIf} $R5 <> $RegType
            StrCpy $RegType $R5
            Call WriteUserPath
        ${EndIf}
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
    ; A console in the program's folder, for quorvis-exact, with a line that says how to begin. (The entry an
    ; earlier install left under another name, such as an earlier version's English one, goes first.)
    !insertmacro REMOVE_CONSOLE_ENTRIES
    CreateShortcut "${CONSOLE_ENTRY}" "$SYSDIR\cmd.exe" '/k echo $(ConsoleHint)' "$INSTDIR\quorvis-exact.exe" 0
    ; Started from the Start menu, the program's working folder is the person's documents, not its own folder.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "${MENU_ENTRY}" "$INSTDIR\quorvis.exe" "" "$INSTDIR\quorvis.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorvis"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvis.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "ConsoleEntry" "$(ConsoleEntry)"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    ; (Run in place, with _?=, the uninstaller ends only once it is done, with its own exit status; otherwise it
    ; starts a copy of itself and ends at once with status 0, whatever the copy then finds.)
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S _?=$INSTDIR'
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
    Call AddToUserPath
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(ProgramDescription)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "$(DesktopDescription)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecPath} "$(PathDescription)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

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
    ; (An entry that cannot be read whole is not taken for no entry: this installer does not go on blindly.)
    StrCpy $RegKey "${UNINSTALL_KEY}"
    StrCpy $RegName "InstallLocation"
    Call ReadWhole
    ${If} $RegType < 0
        MessageBox MB_OK|MB_ICONSTOP "$(EntryUnreadable)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    StrCpy $OldFolder $RegText
    ${If} $OldFolder == ""
    ${OrIfNot} ${FileExists} "$OldFolder\Uninstall.exe"
        StrCpy $OldFolder ""
        Return
    ${EndIf}
    StrCpy $RegName "DisplayVersion"
    Call ReadWhole
    StrCpy $OldVersion $RegText
    StrCpy $R2 $RegType
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\Quorvis"
        StrCpy $INSTDIR $OldFolder
    ${EndIf}
    ${If} ${FileExists} "${DESKTOP_ENTRY}"
        !insertmacro SelectSection ${SecDesktop}
    ${EndIf}
    Call ReadUserPath
    StrCpy $PathLeft $RegText
    StrCpy $R1 $OldFolder
    Call PathWithout
    ${If} $PathLeft != $RegText
        !insertmacro SelectSection ${SecPath}
    ${EndIf}
    ; (A version that cannot be read is asked about as a newer one would be.)
    ${VersionCompare} "${VERSION}" "$OldVersion" $0
    ${If} $0 == 2
    ${OrIf} $R2 < 0
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
    SetOutPath "$TEMP"
    RMDir "$INSTDIR"
    ; The cache folder an earlier build kept (how far its windows grew in a language) goes too.
    RMDir /r "$LOCALAPPDATA\${PUBLISHER}\quorvis\cache"
    RMDir "$LOCALAPPDATA\${PUBLISHER}\quorvis"
    RMDir "$LOCALAPPDATA\${PUBLISHER}"
    Delete "${MENU_ENTRY}"
    Call un.RemoveConsoleEntry
    Delete "${DESKTOP_ENTRY}"
    ; The folder as the installer named it on PATH, and as this uninstaller was started from (another spelling
    ; of it: a short name, a mapped drive).
    StrCpy $RegKey "${UNINSTALL_KEY}"
    StrCpy $RegName "InstallLocation"
    Call un.ReadWhole
    StrCpy $R1 $RegText
    Call un.TakeOffUserPath
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; Run in place (as the uninstall entry's quiet command runs it, so that its caller waits for it and gets
    ; its exit status), it cannot delete its own file while it runs: a copy of it in the temporary folder
    ; does, once this one has ended. (The copy stays there, as the uninstaller's usual copy of itself does,
    ; until the next uninstall.)
    ${If} ${FileExists} "$INSTDIR\Uninstall.exe"
        System::Call 'kernel32::GetCurrentProcessId() i .R0'
        CopyFiles /SILENT "$EXEPATH" "$TEMP\Quorvis-uninstall-$R0.exe"
        Exec '"$TEMP\Quorvis-uninstall-$R0.exe" /S /REMOVEAFTER=$R0 _?=$INSTDIR'
    ${EndIf}
SectionEnd

; Removes the console entry by the name the installer made it under, which the uninstall entry keeps: this
; uninstaller may speak another language. A name that is missing, cannot be read whole or is no plain file name
; (a folder, a wildcard) is not taken for the entry's: then the entry goes under its name in every language,
; since it may have been made in any of them.
Function un.RemoveConsoleEntry
    Push $0
    StrCpy $RegKey "${UNINSTALL_KEY}"
    StrCpy $RegName "ConsoleEntry"
    Call un.ReadWhole
    ${StrFilter} $RegText "" "" '\/:*?"<>|' $0
    ${If} $RegType > 0
    ${AndIf} $RegText != ""
    ${AndIf} $0 S== $RegText
        Delete "$SMPROGRAMS\$RegText.lnk"
    ${Else}
        !insertmacro REMOVE_CONSOLE_ENTRIES
    ${EndIf}
    Pop $0
FunctionEnd

; Off unless the person asks: an install later, or the upgrade that runs this, finds the settings as they were.
Section /o "un.$(RemoveSettingsSection)" SecRemoveSettings
    ${If} $StayedCount > 0
    ${OrIf} $Upgrade == 1
        Return
    ${EndIf}
    DeleteRegKey HKCU "${SETTINGS_ROOT}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecRemoveSettings} "$(RemoveSettingsDescription)"
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

; The uninstaller's components page frees space rather than needing it: no "Space required" line.
Function un.ComponentsShow
    ShowWindow $mui.ComponentsPage.SpaceRequired ${SW_HIDE}
FunctionEnd

Function un.onInit
    ${GetParameters} $R0
    ; The copy that removes an uninstaller run in place once that one has ended (process $R1, waited for a
    ; minute at most).
    ClearErrors
    ${GetOptions} $R0 "/REMOVEAFTER=" $R1
    ${IfNot} ${Errors}
        System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i R1) p .R2'
        ${If} $R2 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p R2, i 60000)'
            System::Call 'kernel32::CloseHandle(p R2)'
        ${EndIf}
        ; (Not an uninstaller that an install made meanwhile: this copy has the time of the one it removes.)
        GetFileTime "$EXEPATH" $R3 $R4
        GetFileTime "$INSTDIR\Uninstall.exe" $R5 $R6
        ${If} "$R3 $R4" == "$R5 $R6"
            Delete "$INSTDIR\Uninstall.exe"
        ${EndIf}
        RMDir "$INSTDIR"
        Quit
    ${EndIf}
    ; (What the copies of earlier uninstalls left in the temporary folder.)
    Delete "$TEMP\Quorvis-uninstall-*.exe"
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
