; The Windows installer: for the current user only, without administrator rights, into
; %LOCALAPPDATA%\Programs\Quorvis (or the folder an earlier install used), with a Start-menu entry and an entry
; in the list of installed programs. scripts/windows.sh runs it as
;   makensis -DVERSION=1.0.0 -DPUBLISHER=Pellmark -DICON=<.ico> -DSTAGE=<install tree> -DLISTS=<folder> -DOUTFILE=<setup.exe>
; where LISTS holds install.nsh and uninstall.nsh, which name every file of the install tree, so that the
; uninstaller removes exactly what was installed.
;
; Neither half installs nor half removes: while Quorvis runs (it holds a named mutex, which Windows drops when
; the process ends, however it ends) both ask the person to close it, Retry or Cancel, and in silent mode
; change nothing and end with status 2. An install over an earlier one (of any version) first runs that
; version's own uninstaller, which knows its own files, in the folder it was installed in, and keeps the
; program's setting; an older installer over a newer version asks first (silent mode: refuses).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "WordFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvis"
; The program's own setting (QSettings in the registry), and the mutex it holds while it runs: the same names
; as in platform/Process.h.
!define SETTINGS_KEY "Software\quorvis\quorvis\Settings"
!define RUNNING_MARKER "Local\Pellmark.Quorvis.Running"

Name "Quorvis"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvis"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Quorvis"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "Quorvis ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvis.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/licences/README.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
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

; Waits until no copy of Quorvis runs: asks to close it, Retry or Cancel; silent, ends at once with status 2.
!macro WAIT_FOR_NO_RUNNING_COPY un
Function ${un}WaitForNoRunningCopy
    retry:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MARKER}") p .r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        ${If} ${Silent}
            SetErrorLevel 2
            Quit
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RunningCopy)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_NO_RUNNING_COPY ""
!insertmacro WAIT_FOR_NO_RUNNING_COPY "un."

Function .onInit
    Call WaitForNoRunningCopy
    ; An earlier install: this one goes into its folder (unless /D names another), and a downgrade is asked.
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

; Removes the installed version with its own uninstaller, run in place, and keeps the program's setting.
Function RemoveEarlierVersion
    ${If} $OldFolder == ""
        Return
    ${EndIf}
    ReadRegStr $R1 HKCU "${SETTINGS_KEY}" "Duration"
    InitPluginsDir
    CopyFiles /SILENT "$OldFolder\Uninstall.exe" "$PLUGINSDIR\earlier-uninstall.exe"
    ClearErrors
    ExecWait '"$PLUGINSDIR\earlier-uninstall.exe" /S _?=$OldFolder' $0
    ${If} ${Errors}
    ${OrIf} $0 != 0
        MessageBox MB_OK|MB_ICONSTOP "$(EarlierNotRemoved)" /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    ; Run in place, the uninstaller cannot remove itself.
    Delete "$OldFolder\Uninstall.exe"
    RMDir "$OldFolder"
    ${If} $R1 != ""
        WriteRegStr HKCU "${SETTINGS_KEY}" "Duration" $R1
    ${EndIf}
FunctionEnd

Function un.onInit
    Call un.WaitForNoRunningCopy
FunctionEnd

Section "Quorvis"
    Call RemoveEarlierVersion
    !include "${LISTS}/install.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ; Started from the Start menu, the program's working folder is the person's documents, not its own folder.
    SetOutPath "$DOCUMENTS"
    CreateShortcut "$SMPROGRAMS\Quorvis.lnk" "$INSTDIR\quorvis.exe" "" "$INSTDIR\quorvis.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorvis"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvis.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    !include "${LISTS}/uninstall.nsh"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Quorvis.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; The program's one setting, the date of its last update reminder.
    DeleteRegKey HKCU "Software\quorvis"
SectionEnd
