; Reading the registry whole, and the user's own PATH (HKCU\Environment), for quorvis.nsi.
;
; ReadRegStr cannot tell a value longer than this installer's strings (NSIS_MAX_STRLEN characters, the last
; a NUL) from no value at all: it gives "" for both. So every value that a decision or a write depends on is
; read here, with its type and size, and one that cannot be read whole is said to be so, never taken as "".
;
; The PATH is changed only by adding or taking away the program's folder: every other entry, empty ones
; included, is written back as it was, with the type it had (REG_EXPAND_SZ keeps %USERPROFILE%\bin working).
; A PATH that cannot be read whole, or that would be too long with the folder added, is left alone and the
; person is told.

!define HKEY_CURRENT_USER_HANDLE -2147483647 ; (0x80000001, sign-extended as a 64-bit handle)
!define KEY_QUERY_VALUE 1
!define REG_SZ 1
!define REG_EXPAND_SZ 2
; The longest string this installer holds whole, in characters, and the bytes of a value that long with its NUL.
!define /math WHOLE_LIMIT ${NSIS_MAX_STRLEN} - 1
!define /math WHOLE_BYTES ${NSIS_MAX_STRLEN} * 2

; ReadWhole's question ($RegKey under HKCU, value $RegName) and its answer: $RegText, and $RegType, the value's
; type (REG_SZ or REG_EXPAND_SZ) when it was read whole, 0 when there is no such value, -1 when it cannot be
; read whole (too long, not a string, embedded NULs, no access).
Var RegKey
Var RegName
Var RegText
Var RegType
; The user's PATH as PathWithout leaves it.
Var PathLeft

!macro REGISTRY_FUNCTIONS un
Function ${un}ReadWhole
    Push $0
    Push $1
    Push $2
    Push $3
    Push $4
    StrCpy $RegText ""
    StrCpy $RegType -1
    System::Call 'advapi32::RegOpenKeyExW(p ${HKEY_CURRENT_USER_HANDLE}, w "$RegKey", i 0, i ${KEY_QUERY_VALUE}, *p .r0) i .r1'
    ${If} $1 = ${ERROR_FILE_NOT_FOUND}
        StrCpy $RegType 0
    ${ElseIf} $1 = 0
        System::Alloc ${WHOLE_BYTES}
        Pop $4
        System::Call 'advapi32::RegQueryValueExW(p r0, w "$RegName", p 0, *i .r2, p r4, *i ${WHOLE_BYTES} r3) i .r1'
        System::Call 'advapi32::RegCloseKey(p r0)'
        ${If} $1 = ${ERROR_FILE_NOT_FOUND}
            StrCpy $RegType 0
        ${ElseIf} $1 = 0
        ${AndIf} $2 >= ${REG_SZ}
        ${AndIf} $2 <= ${REG_EXPAND_SZ}
            ${If} $3 = 0
                StrCpy $RegType $2
            ${Else}
                ; Whole: its last character is its one NUL.
                IntPtrOp $0 $4 + $3
                IntPtrOp $0 $0 - 2
                System::Call '*$0(&i2 .r0)'
                System::Call 'kernel32::lstrcpynW(w .r1, p r4, i ${NSIS_MAX_STRLEN})'
                StrLen $RegText $1
                IntOp $RegText $RegText * 2
                IntOp $RegText $RegText + 2
                ${If} $0 = 0
                ${AndIf} $RegText = $3
                    StrCpy $RegText $1
                    StrCpy $RegType $2
                ${Else}
                    StrCpy $RegText ""
                ${EndIf}
            ${EndIf}
        ${EndIf}
        System::Free $4
    ${EndIf}
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

; Reads the user's PATH (HKCU\Environment) into $RegText and $RegType, as ReadWhole does.
Function ${un}ReadUserPath
    StrCpy $RegKey "Environment"
    StrCpy $RegName "Path"
    Call ${un}ReadWhole
FunctionEnd

; Takes the entries naming folder $R1 (with or without a final backslash, in any case) out of $PathLeft, each
; with the ';' that joined it to the rest; all other entries, empty ones included, stay as they are.
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
    StrCpy $R3 $PathLeft
    StrCpy $PathLeft ""
    ; $R5: whether an entry is kept yet (an empty first one counts).
    StrCpy $R5 0
    ${DoUntil} $R3 == ""
        ; The next entry, up to its ';' ($R4 its length).
        StrCpy $R4 0
        ${Do}
            StrCpy $R6 $R3 1 $R4
            ${If} $R6 == ""
            ${OrIf} $R6 == ";"
                ${ExitDo}
            ${EndIf}
            IntOp $R4 $R4 + 1
        ${Loop}
        StrCpy $R6 $R3 $R4
        ${If} $R6 != $R7
        ${AndIf} $R6 != "$R7\"
            ${If} $R5 = 0
                StrCpy $PathLeft $R6
            ${Else}
                StrCpy $PathLeft "$PathLeft;$R6"
            ${EndIf}
            StrCpy $R5 1
        ${EndIf}
        ; Past the entry and its ';' (the last has none; a ';' at the very end leaves an empty entry after it).
        StrCpy $R6 $R3 1 $R4
        IntOp $R4 $R4 + 1
        StrCpy $R3 $R3 "" $R4
        ${If} $R6 == ";"
        ${AndIf} $R3 == ""
            ${If} $R5 = 1
                StrCpy $PathLeft "$PathLeft;"
            ${EndIf}
            StrCpy $R5 1
        ${EndIf}
    ${Loop}
    Pop $R7
    Pop $R6
    Pop $R5
    Pop $R4
    Pop $R3
FunctionEnd

; Tells the person that their PATH is left as it is and why; $R1 is the program's folder.
Function ${un}PathLeftAlone
    DetailPrint "$(PathTooLong)"
    MessageBox MB_OK|MB_ICONINFORMATION "$(PathTooLong)" /SD IDOK
FunctionEnd

; Writes $PathLeft as the user's PATH, with the type it had ($RegType; a new PATH is REG_EXPAND_SZ, as Windows
; makes it), or removes a PATH left empty, and tells the programs that are running.
Function ${un}WriteUserPath
    ${If} $PathLeft == ""
        DeleteRegValue HKCU "Environment" "Path"
    ${ElseIf} $RegType = ${REG_SZ}
        WriteRegStr HKCU "Environment" "Path" $PathLeft
    ${Else}
        WriteRegExpandStr HKCU "Environment" "Path" $PathLeft
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=2000
FunctionEnd
!macroend
!insertmacro REGISTRY_FUNCTIONS ""
!insertmacro REGISTRY_FUNCTIONS "un."

; Adds folder $R1 to the end of the user's PATH, unless it is there already.
Function AddToUserPath
    Call ReadUserPath
    ${If} $RegType < 0
        Call PathLeftAlone
        Return
    ${EndIf}
    StrCpy $PathLeft $RegText
    Call PathWithout
    ${If} $PathLeft != $RegText
        Return
    ${EndIf}
    ${If} $RegText == ""
        StrCpy $PathLeft $R1
    ${Else}
        ; (Joined, the two must fit in this installer's strings, which would cut them short unasked.)
        StrLen $R2 $RegText
        StrLen $R3 $R1
        IntOp $R2 $R2 + $R3
        ${If} $R2 >= ${WHOLE_LIMIT}
            Call PathLeftAlone
            Return
        ${EndIf}
        StrCpy $PathLeft "$RegText;$R1"
    ${EndIf}
    Call WriteUserPath
FunctionEnd

; Takes folder $R1 (unless it is ""), and the same folder as $INSTDIR spells it (a short name, a mapped
; drive), off the user's PATH.
Function un.TakeOffUserPath
    Call un.ReadUserPath
    ${If} $RegType < 0
        StrCpy $R1 $INSTDIR
        Call un.PathLeftAlone
        Return
    ${EndIf}
    StrCpy $PathLeft $RegText
    ${If} $R1 != ""
        Call un.PathWithout
    ${EndIf}
    StrCpy $R1 $INSTDIR
    Call un.PathWithout
    ${If} $PathLeft != $RegText
        Call un.WriteUserPath
    ${EndIf}
FunctionEnd
