#!/usr/bin/env bash
# The installer under Wine as a user meets it, on a virtual X display, each story in a fresh prefix:
# 1. Installed silently into a folder named outside the ANSI code page (as a user name such as Łukasz puts it
#    under %LOCALAPPDATA%): the files (no zoneinfo\localtime), the Start-menu entries (the program, and a
#    console in its folder for quorvis-exact) and the uninstall entry (with its web addresses and the console
#    entry's name) are in place;
#    both programs carry their maker's copyright, quorvis-exact.exe the program's icon; the licence notes say
#    where the sources archive is fetched, allow modification and reverse engineering, and have no line
#    longer than the licence page shows. The installed
#    programs, on their own DLLs, read London there (through a pipe as on Linux, also with a TZDIR that holds
#    no zone files, in a console as a person sees it, and the window's own reading, copied to the clipboard);
#    the program writes its reminder's date in the registry and refuses a second copy; a silent uninstall
#    asked to remove the settings leaves nothing of it. Start-up is timed beside the Linux build's (measured,
#    never asserted).
# 2. While Quorvis runs, a silent install and the uninstall entry's quiet command (what scripts and package
#    managers run) fail with status 2 and change nothing; so does an install
#    while the running-copy marker cannot be opened for another reason than "not found" (as for a copy run as
#    administrator), and one into a folder this user may not write to; an uninstall while a file is held open
#    removes what it can, keeps the uninstaller, the shortcuts and the uninstall entry, and fails; once all is
#    closed, both succeed (0), the uninstall having removed all, and keeps the settings.
# 3. An install over an "older version" (one with a file this version lacks, in a folder of its own choosing,
#    with the setting written and one the installer does not know, on the user's PATH and with a desktop
#    shortcut) leaves one copy in that folder, no stale file, both settings and those choices; the older
#    installer then refuses to go over the newer version; the same version installs over itself, keeping
#    them; the uninstall takes the folder off PATH (the user's own entries stay) and keeps the settings.
# 4. User PATHs of 300 to 8,000 characters, of both types, through an install with /ADDTOPATH and the quiet
#    uninstall: never cut short, the folder added only where it fits, the same bytes and type at the end.
#    An uninstall entry whose folder is too long to read is not taken for none.
# Usage: check_installer.sh SETUP.EXE PREFIX TITLE LINUX_BUILD OLDER_SETUP.EXE CONSOLE_CHECK.EXE HOLD.EXE
# QUORVIS_INSTALLER_STORY=path runs story 4 alone (only SETUP.EXE and PREFIX are used then).
# With QUORVIS_SHOTS=DIR, keeps pictures of the main, result and exact-nadir windows there (windows-*.png).
set -euo pipefail
setup="$1"
base="$2"
title="$3"
linux="$4"
older="$5"
console_check="$6"
hold="$7"
shots="${QUORVIS_SHOTS:+$(realpath -m "$QUORVIS_SHOTS")}"
unset WINEPATH # the installed program finds everything it loads in its own folder
# (Wine's own menu and desktop files for the shortcuts would land in the home folder, and in the prefix's state.)
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
# Unicode arguments reach a Windows program through Wine only from a UTF-8 locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
work="$base-check"
rm -rf "$base" "$base"-* "$work"
mkdir -p "$work"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# holds GREP_OPTIONS VALUE TEXT: whether TEXT holds VALUE. An empty VALUE, which any text holds, is a check
# that went wrong before it was made: it fails instead of matching.
holds() {
    [ -n "$2" ] || fail "an expected value is empty (line ${BASH_LINENO[0]}): nothing to check against"
    grep "$1" -- "$2" <<<"$3"
}
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

# shellcheck source=../xsession.sh
source "$(dirname "${BASH_SOURCE[0]}")/../xsession.sh"
start_xvfb

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvis'
settings_key='HKCU\Software\quorvis\quorvis\Settings'
# The maker, under whose name the program's cache folder lies in %LOCALAPPDATA%.
publisher="$(sed -n 's/^set(QUORVIS_ORGANISATION "\(.*\)")$/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt")"
winpath() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }

# A fresh prefix for each story; sets the user's folders.
fresh_prefix() { # name
    wineserver -k 2>/dev/null || true
    export WINEPREFIX="$base-$1"
    mkdir -p "$WINEPREFIX"
    wineserver -p 300
    wine wineboot --init >/dev/null 2>&1
    user="$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public -printf '%f\n' | head -n 1)"
    appdata="$WINEPREFIX/drive_c/users/$user/AppData"
    default_inst="$appdata/Local/Programs/Quorvis"
    menu="$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvis.lnk"
    console_menu="$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvis command line.lnk"
    # (Wine links the desktop to the Unix home folder: a folder of the prefix's own instead.)
    desktop="$WINEPREFIX/drive_c/users/$user/Desktop"
    if [ -L "$desktop" ]; then rm "$desktop"; fi
    mkdir -p "$desktop"
}
# What an install consists of: its files with sizes and times, the Start-menu entry, the registry entries.
state() {
    {
        find "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/windows" -prune -o -path '*Quorvis*' \
            -printf '%P %s %T@\n' | sort
        wine reg query "$uninstall_key" /s 2>/dev/null || true
        wine reg query 'HKCU\Software\quorvis' /s 2>/dev/null || true
    } | tr -d '\r'
}
status_of() { # command...: prints its exit status
    local rc=0
    "$@" >>"$work/installer.log" 2>&1 || rc=$?
    echo "$rc"
}
# The usual silent uninstall, awaited by what it leaves.
uninstall_and_wait() { # install folder, further switches
    wine "$1/Uninstall.exe" /S "${@:2}" || true
    for _ in $(seq 600); do
        [ -e "$1" ] || [ -e "$menu" ] || pgrep -f 'Un_A\.exe' >/dev/null || break
        sleep 0.1
    done
}
# Nothing of the program is left but, unless removing them was asked for, its settings.
assert_removed() { # install folder
    [ ! -e "$1" ] || fail "left behind: $(find "$1" | head)"
    [ ! -e "$menu" ] || fail "the Start-menu entry is left"
    [ ! -e "$console_menu" ] || fail "the Start-menu console entry is left"
    [ ! -e "$desktop/Quorvis.lnk" ] || fail "the desktop shortcut is left"
    [ ! -e "$appdata/Local/$publisher" ] || fail "the program's cache folder is left: $(find "$appdata/Local/$publisher")"
    wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry is left"
    return 0
}
assert_nothing_left() { # install folder
    assert_removed "$1"
    wine reg query 'HKCU\Software\quorvis' >/dev/null 2>&1 && fail "the program's settings are left"
    return 0
}
setting() { # name: its value in the settings key, or nothing
    wine reg query "$settings_key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v v="$1" '$1 == v {print $3}'
}
user_path() {
    wine reg query 'HKCU\Environment' /v Path 2>/dev/null | tr -d '\r' | sed -n 's/^ *Path *REG_[A-Z_]* *//p'
}
# Starts hold.exe on what it is to hold and waits until it holds it; sets $holder.
start_holding() { # marker NAME | file PATH
    wine "$work/hold.exe" "$@" >"$work/hold.log" 2>&1 &
    holder=$!
    pids+=("$holder")
    for _ in $(seq 300); do
        grep -q held "$work/hold.log" 2>/dev/null && return 0
        kill -0 "$holder" 2>/dev/null || fail "hold.exe $* could not hold it: $(cat "$work/hold.log")"
        sleep 0.1
    done
    fail "hold.exe $* did not start"
}
stop_holding() {
    kill "$holder"
    wait "$holder" 2>/dev/null || true
}
# Runs the uninstall entry's QuietUninstallString as a script or a package manager does, and prints its status;
# after a success, waits a moment for the uninstaller's own file, which a copy of it removes once it has ended.
quiet_uninstall() {
    local command program rc
    command="$(wine reg query "$uninstall_key" /v QuietUninstallString | tr -d '\r' |
        sed -n 's/^ *QuietUninstallString *REG_SZ *//p')"
    [[ $command =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "the QuietUninstallString is no quoted program: '$command'"
    program="${BASH_REMATCH[1]}"
    read -ra switches <<<"${BASH_REMATCH[2]}"
    rc="$(status_of wine "$program" "${switches[@]}")"
    program="$WINEPREFIX/drive_c/$(tr '\\' / <<<"${program#C:\\}")"
    for _ in $(seq 50); do [ "$rc" != 0 ] || [ ! -e "$program" ] && break; sleep 0.1; done
    echo "$rc"
}
# The user's PATH exactly, as "<type> <text>" (a REG_EXPAND_SZ is exported as its bytes), or set from that form.
exact_path() { # [TYPE TEXT]
    local file="$work/environment.reg"
    [ $# = 0 ] && wine reg export 'HKCU\Environment' "$(winpath "$work")\\environment.reg" /y >/dev/null
    python3 - "$file" "$@" <<'PY'
import re, sys
if len(sys.argv) == 2:
    text = open(sys.argv[1], encoding="utf-16").read().replace("\\\r\n  ", "").replace("\\\n  ", "")
    m = re.search(r'^"Path"=(?:hex\(2\):([0-9a-f,]*)|"((?:[^"\\]|\\.)*)")\r?$', text, re.M | re.I)
    if not m:
        print("none")
    elif m.group(1) is not None:
        data = bytes.fromhex(m.group(1).replace(",", ""))
        # (Exactly one NUL at the end, or the bytes themselves.)
        ok = len(data) % 2 == 0 and data.endswith(b"\0\0") and "\0" not in data[:-2].decode("utf-16-le")
        print("REG_EXPAND_SZ", data[:-2].decode("utf-16-le") if ok else data.hex())
    else:
        print("REG_SZ", re.sub(r"\\(.)", r"\1", m.group(2)))
else:
    kind, value = sys.argv[2], sys.argv[3]
    if kind == "REG_EXPAND_SZ":
        data = "hex(2):" + ",".join("%02x" % b for b in (value + "\0").encode("utf-16-le"))
    else:
        data = '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'
    open(sys.argv[1], "w", encoding="utf-16").write(
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Environment]\r\n\"Path\"=" + data + "\r\n")
PY
    [ $# = 0 ] || wine regedit /s "$(winpath "$work")\\environment.reg"
}
# A PATH of exactly N characters: folders C:\Tools\0001;C:\Tools\0002;..., with FIRST before them.
long_path() { # N [FIRST]
    python3 -c 'import sys
n, first = int(sys.argv[1]), sys.argv[2]
s = first + ";".join("C:\\Tools\\%04d" % i for i in range(n // 10 + 1))
print(s[:n - 1] + "x")' "$1" "${2:-}"
}

# ---- 4. The user's PATH, whatever its length and type ------------------------------------------------
# A silent install with /ADDTOPATH adds the folder to the end of the user's PATH where the two fit in the
# installer's strings (1,023 characters), else leaves the PATH as it was, and still succeeds; the uninstall
# entry's quiet command then leaves it as it was before, byte for byte, of the same type.
path_story() {
    fresh_prefix path
    local folder="C:\\users\\$user\\AppData\\Local\\Programs\\Quorvis" fits length type first old want
    fits=$((1023 - 1 - ${#folder}))
    # (A PATH in a message: its type, length and end.)
    shown() { awk '{print $1 ", " length($0) - length($1) - 1 " characters, ending " substr($0, length($0) - 59)}' <<<"$1"; }
    # Length, type, the first entries.
    while read -r length type first; do
        old="$(long_path "$length" "$first")"
        exact_path "$type" "$old"
        old="$type $old"
        [ "$(exact_path)" = "$old" ] || fail "could not set the PATH to $(shown "$old")"
        [ "$(status_of wine "$setup" /S /ADDTOPATH)" = 0 ] || fail "the install with a PATH of $(shown "$old") failed"
        want="$old"
        ((length > fits)) || want="$old;$folder"
        [ "$(exact_path)" = "$want" ] || fail "the install made $(shown "$old") into $(shown "$(exact_path)")"
        [ "$(quiet_uninstall)" = 0 ] || fail "the uninstall with a PATH of $(shown "$want") failed"
        [ "$(exact_path)" = "$old" ] || fail "install and uninstall made $(shown "$old") into $(shown "$(exact_path)")"
    done <<EOF
300 REG_EXPAND_SZ %USERPROFILE%\bin;%USERPROFILE%\.local\bin;
300 REG_SZ C:\Empty;;
1000 REG_EXPAND_SZ
$fits REG_SZ
$((fits + 1)) REG_EXPAND_SZ
1023 REG_SZ
1024 REG_EXPAND_SZ
1100 REG_SZ
8000 REG_EXPAND_SZ
8000 REG_SZ
EOF
    echo "ok: user PATHs of 300 to 8000 characters, REG_SZ and REG_EXPAND_SZ, %USERPROFILE% entries and an empty one"
    echo "    kept whole by the install (the folder added up to $fits characters) and the same after the uninstall"
    # Nor is an uninstall entry whose folder cannot be read whole taken for none: the install refuses.
    wine reg add "$uninstall_key" /v InstallLocation /d "C:\\$(printf '%01100d' 0)" /f >/dev/null
    local before
    before="$(state)"
    [ "$(status_of wine "$setup" /S)" = 2 ] && [ "$(state)" = "$before" ] ||
        fail "an install over an uninstall entry whose folder is too long to read did not refuse, or changed something"
    wine reg delete "$uninstall_key" /f >/dev/null
    echo "ok: an install over an uninstall entry whose folder is too long to read refuses and changes nothing"
}
if [ "${QUORVIS_INSTALLER_STORY:-}" = path ]; then
    path_story
    exit 0
fi

# ---- 1. Any folder, any user name ---------------------------------------------------------------------
fresh_prefix unicode
inst_windows='C:\users\Łukasz-ı東\Quorvis'
inst="$WINEPREFIX/drive_c/users/Łukasz-ı東/Quorvis"
wine "$setup" /S "/D=$inst_windows"
for f in quorvis.exe quorvis-exact.exe Uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll \
    platforms/qwindows.dll \
    imageformats/qjpeg.dll \
    liberfa-1.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zoneinfo/Europe/London zoneinfo/tzdata.zi \
    zoneinfo/zone1970.tab translations/qtbase_de.qm translations/qtbase_ru.qm licences/README.txt \
    licences/qt/LGPL-3.0-only.txt licences/qt/third-party.txt licences/qt/translations-debian-copyright.txt \
    licences/erfa/LICENSE.txt licences/abseil/LICENSE.txt; do
    [ -f "$inst/$f" ] || fail "not installed: $f"
done
[ ! -e "$inst/zoneinfo/posix" ] && [ ! -e "$inst/zoneinfo/right" ] || fail "zoneinfo/posix or right/ installed"
[ ! -e "$inst/zoneinfo/localtime" ] || fail "zoneinfo/localtime, the build machine's own zone, is installed"
[ -f "$menu" ] || fail "no Start-menu entry"
# The console entry: cmd in the program's folder, its first line naming quorvis-exact.
[ -f "$console_menu" ] || fail "no Start-menu console entry"
console_strings="$(strings -el "$console_menu")"
grep -qi 'cmd\.exe$' <<<"$console_strings" || fail "the Start-menu console entry does not start cmd: $console_strings"
grep -q '^/k echo .*quorvis-exact --help' <<<"$console_strings" ||
    fail "the Start-menu console entry's first line does not name quorvis-exact --help: $console_strings"
# (Its working folder is a counted UTF-16 string, which strings cuts at the first character beyond ASCII; Wine
# counts the closing NUL, Windows does not.)
python3 -c 'import struct, sys
folder, link = sys.argv[2].encode("utf-16-le"), open(sys.argv[1], "rb").read()
n = len(folder) // 2
sys.exit(struct.pack("<H", n) + folder not in link and struct.pack("<H", n + 1) + folder + bytes(2) not in link)' \
    "$console_menu" "$inst_windows" || fail "the Start-menu console entry does not start in $inst_windows"
# Each program's version resource (UTF-16 strings) carries its maker's copyright; quorvis-exact.exe has the
# program's icon (a group-icon resource, type 14, at the top of its resource tree).
for exe in quorvis.exe quorvis-exact.exe; do
    copyright="$(strings -el "$inst/$exe" | grep -x -A1 LegalCopyright | tail -n 1)"
    [[ $copyright == "Copyright "[0-9][0-9][0-9][0-9]" "?* ]] || fail "$exe carries no LegalCopyright: '$copyright'"
done
x86_64-w64-mingw32-objdump -p "$inst/quorvis-exact.exe" | grep -qE '^[0-9a-f]+   Entry: ID: 0x00000e,' ||
    fail "quorvis-exact.exe has no icon"
echo "ok: both programs carry '$copyright'; quorvis-exact.exe has the program's icon"
# (A shortcut keeps its working folder as a UTF-16 string.)
strings -el "$menu" | grep -qi 'Documents$' || fail "the Start-menu entry does not start in the documents folder"
entry="$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')" || fail "no uninstall entry"
for value in DisplayName DisplayVersion Publisher DisplayIcon InstallLocation UninstallString QuietUninstallString \
    EstimatedSize; do
    grep -q "^ *$value " <<<"$entry" || fail "the uninstall entry has no $value: $entry"
done
# (The console entry's name, which the uninstaller removes it by, whatever language it speaks.)
grep -qx " *ConsoleEntry *REG_SZ *$(basename "$console_menu" .lnk)" <<<"$entry" ||
    fail "the uninstall entry does not keep the console entry's name: $entry"
# The web addresses of the entry: the product site, its help page, its download page.
for value in URLInfoAbout HelpLink URLUpdateInfo; do
    address="$(awk -v v="$value" '$1 == v {print $3}' <<<"$entry")"
    [[ $address == https://?*.?* ]] || fail "the uninstall entry's $value is no web address: '$address'"
done
download_page="$address"
echo "ok: installed $(find "$inst" -type f | wc -l) files ($(du -sh "$inst" | cut -f1)) into $inst_windows, Start-menu entries, uninstall entry:"
grep -E 'DisplayName|DisplayVersion|Publisher|EstimatedSize|URLInfoAbout|HelpLink' <<<"$entry"
# The licence notes name the sources archive and the page it is fetched from, and allow what the LGPL asks of
# a program linked with Qt.
notes="$(tr -d '\r' <"$inst/licences/README.txt" | tr -s ' \n' ' ')"
sources="Quorvis-${title##*v}-windows-sources.tar.xz"
grep -qF "$sources" <<<"$notes" || fail "the licence notes do not name $sources"
grep -qF "$download_page" <<<"$notes" || fail "the licence notes do not name the download page $download_page"
grep -qi 'you may modify Quorvis for your own use and reverse engineer it to debug such modifications' <<<"$notes" ||
    fail "the licence notes do not allow modification and reverse engineering for debugging"
# (Lines the licence page would wrap leave a word, or one "=" of an underline, on a line of its own.)
width="$(tr -d '\r' <"$inst/licences/README.txt" | awk '{ if (length($0) > w) w = length($0) } END { print w }')"
((width <= 68)) || fail "the licence notes have lines of $width characters, more than the licence page shows (68)"
echo "ok: the licence notes name $sources at $download_page and allow modification and reverse engineering"

# The installed command-line program, in that folder, gives the Linux build's readings through a pipe, byte
# for byte, and takes its arguments as Unicode.
for args in "--lat 51.5 --lon -0.13 --zone Europe/London --date 1990-08-01 --time 10:30" \
    "--place London --date 1990-08-01 --time 10:30" "--places Москва" "--place 東京 --date 2000-01-01 --time 12:00"; do
    read -ra exact <<<"$args"
    got="$(cd "$inst" && wine quorvis-exact.exe "${exact[@]}" | tr -d '\r')"
    want="$("$linux/cli/quorvis-exact" "${exact[@]}")"
    [ "$got" = "$want" ] || fail "quorvis-exact.exe $args says
$got
and the Linux build
$want"
done
echo "ok: the installed quorvis-exact.exe gives the Linux build's readings, Москва and 東京 among them"
# Redirected into a file, it writes the Linux build's bytes with CR LF line ends, no byte-order mark, as the
# README says.
exact=(--place London --date 1990-08-01 --time 10:30)
(cd "$inst" && wine quorvis-exact.exe "${exact[@]}" >"$work/redirected.txt")
"$linux/cli/quorvis-exact" "${exact[@]}" | sed 's/$/\r/' >"$work/linux-crlf.txt"
cmp "$work/redirected.txt" "$work/linux-crlf.txt" || fail "redirected, quorvis-exact.exe does not write UTF-8 with CR LF line ends"
echo "ok: redirected into a file, quorvis-exact.exe writes UTF-8 with CR LF line ends"
# A TZDIR that some other program left in the environment, holding no zone files, does not hide the program's own.
mkdir -p "$work/no-zones"
got="$(cd "$inst" && TZDIR="$(winpath "$work/no-zones")" wine quorvis-exact.exe "${exact[@]}" 2>&1 | tr -d '\r')"
want="$("$linux/cli/quorvis-exact" "${exact[@]}")"
[ "$got" = "$want" ] || fail "with TZDIR at an empty folder, quorvis-exact.exe says
$got"
echo "ok: with TZDIR at an empty folder, quorvis-exact.exe still reads London"
# Output that cannot be written whole is a failure said in one line, as on Linux: text and JSON to a full disk.
for extra in "" --json; do
    rc=0
    (cd "$inst" && wine quorvis-exact.exe "${exact[@]}" $extra >/dev/full 2>"$work/full.txt") || rc=$?
    said="$(tr -d '\r' <"$work/full.txt")"
    [ "$rc" = 1 ] && [ "$said" = "quorvis-exact: cannot write the reading: No space left on device" ] ||
        fail "quorvis-exact.exe $extra to a full disk: status $rc, said '$said'"
done
echo "ok: to a full disk, quorvis-exact.exe (text and JSON) says it cannot write the reading and exits 1"
# In a console of its own, it shows the same characters (°, ′, Cyrillic) as the Linux build prints.
exact=(--place Москва --date 1990-08-01 --time 10:30)
cp "$console_check" "$work/console_check.exe"
wine "$work/console_check.exe" "$(winpath "$work")\\console.txt" "$inst_windows\\quorvis-exact.exe" "${exact[@]}" ||
    fail "console_check.exe: status $?"
want="$("$linux/cli/quorvis-exact" "${exact[@]}")"
got="$(sed '/^$/d' "$work/console.txt")"
[ "$got" = "$want" ] || fail "a console shows
$got
where the Linux build prints
$want"
echo "ok: in a console, quorvis-exact.exe shows what the Linux build prints"

press() { # window, keys...
    local id="$1"
    shift
    xdotool windowfocus --sync "$id" key --delay 50 "$@"
}
shoot() { # window, name
    if [ -n "$shots" ]; then
        mkdir -p "$shots"
        sleep 0.5
        import -window "$1" "$shots/windows-$2.png"
    fi
}
windows_program() { cd "$inst" && exec wine quorvis.exe; }

# First start: the main window, and the reminder's date in the registry once it is on screen.
windows_program >>"$work/quorvis.log" 2>&1 &
program=$!
pids+=("$program")
wait_for "$title" 1 120 || fail "the main window did not appear: $(cat "$work/quorvis.log")"
main="$(windows "$title")"
echo "ok: the installed program shows its main window"
for _ in $(seq 100); do
    date="$(wine reg query "$settings_key" /v Duration 2>/dev/null | tr -d '\r' | awk '/Duration/ {print $3}')" || true
    [ -n "$date" ] && break
    sleep 0.1
done
[ "$date" = "$(date +%Y-%m-%d)" ] || fail "the registry has no reminder date of today: '$date'"
echo "ok: the reminder's date is in the registry: $settings_key Duration = $date"
shoot "$main" main

# A second copy says so and ends; the first keeps its one window.
windows_program >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
wait_for Quorvis 1 60 || fail "the second copy did not say it is already running"
press "$(windows Quorvis)" Return
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second copy did not end after its message"
[ "$(windows "$title")" = "$main" ] || fail "the second copy changed the first one's windows"
echo "ok: a second copy was refused"

# A reading: the result window takes the main window's place.
xdotool windowfocus --sync "$main" type --delay 50 "ann"
press "$main" Return
for _ in $(seq 300); do
    result="$(windows "$title" | grep -vx "$main" || true)"
    [ -n "$result" ] && [ "$(windows "$title" | wc -l)" -eq 1 ] && break
    sleep 0.1
done
[ -n "$result" ] || fail "Enter on the main window showed no result window"
echo "ok: a reading shows the result window"
shoot "$result" result
press "$result" alt+b
for _ in $(seq 300); do
    [ "$(windows "$title")" = "$main" ] && break
    sleep 0.1
done
[ "$(windows "$title")" = "$main" ] || fail "Back did not bring the main window back"

# The exact-nadir window, by keyboard; its reading, copied, is the Linux build's for the same birth.
press "$main" alt+f e
wait_for "Exact Nadir - $title" 1 30 || fail "File, Find My Exact Nadir opened no window"
exact_id="$(windows "Exact Nadir - $title")"
xdotool windowfocus --sync "$exact_id" type --delay 80 "London"
sleep 0.5
press "$exact_id" Down Return alt+d
xdotool windowfocus --sync "$exact_id" type --delay 80 "1990-08-01"
press "$exact_id" alt+t
xdotool windowfocus --sync "$exact_id" type --delay 80 "10:30"
sleep 0.5
shoot "$exact_id" exact
press "$exact_id" alt+p
card=""
for _ in $(seq 100); do
    card="$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')" || true
    [ -n "$card" ] && break
    sleep 0.1
done
born="$(sed -n 's/^Born \(.*\) at \([0-9:]*\)$/\1|\2/p' <<<"$card")"
[ -n "$born" ] || fail "the copied reading names no birth:
$card"
want="$("$linux/cli/quorvis-exact" --place London --date "$(date -d "${born%|*}" +%F)" --time "${born#*|}")"
ic="$(sed -n 's/^IC: *\([^ ]* [A-Za-z]*\) .*/\1/p' <<<"$want")"
used="$(sed -n 's/^Local time: *[0-9-]* \([0-9:]*\) \([A-Z]*\).*/\1 \2/p' <<<"$want")"
grep -q "^Place: London, England, United Kingdom" <<<"$card" || fail "the copied reading's place is not London:
$card"
[ "${used%:00 *}" != "$used" ] && [ -n "${used#* }" ] || fail "no local time and clock in the Linux reading:
$want"
holds -q "^Time used: .*${used%:00 *}.*${used#* }" "$card" || fail "the copied reading's time is not ${used}:
$card"
holds -qF "$ic" "$card" || fail "the copied reading's Imum Coeli is not $ic:
$card"
echo "ok: the exact-nadir window reads London at ${born#*|} on ${born%|*}: IC $ic, as the Linux build"
kill "$program"
wait "$program" 2>/dev/null || true

# Start-up, launch to main window on screen, five times each, interleaved; the lock a killed copy leaves is
# taken over by the next start.
waited() { # command..., prints seconds to the window
    local begin pid
    begin=$(date +%s.%N)
    "$@" >>"$work/timing.log" 2>&1 &
    pid=$!
    wait_for "$title" 1 120 || fail "no main window in the timing runs"
    awk "BEGIN {print $(date +%s.%N) - $begin}"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    wait_for "$title" 0 30 || true
}
mkdir -p "$work/xdg/config" "$work/xdg/runtime"
chmod 700 "$work/xdg/runtime"
timings=()
for _ in 1 2 3 4 5; do
    w=$(waited windows_program)
    l=$(XDG_CONFIG_HOME="$work/xdg/config" XDG_RUNTIME_DIR="$work/xdg/runtime" QT_QPA_PLATFORM=xcb \
        waited "$linux/app/quorvis")
    timings+=("$w $l")
done
printf '%s\n' "${timings[@]}" | sort -n -k1 | awk '{w[NR]=$1} END {printf "start-up under Wine, median of 5: %.2f s\n", w[3]}'
printf '%s\n' "${timings[@]}" | sort -n -k2 | awk '{l[NR]=$2} END {printf "start-up on Linux, median of 5:   %.3f s\n", l[3]}'

# Uninstall, asked to remove the settings too: nothing of the program is left, its cache folder included (as a
# translated window leaves it).
mkdir -p "$appdata/Local/$publisher/quorvis/cache"
echo "a fit" >"$appdata/Local/$publisher/quorvis/cache/window-fits"
uninstall_and_wait "$inst" /REMOVESETTINGS
assert_nothing_left "$inst"
echo "ok: the silent uninstall with /REMOVESETTINGS left no file, Start-menu entry or registry entry"

# ---- 2. A running copy -------------------------------------------------------------------------------
fresh_prefix running
inst="$default_inst"
wine "$setup" /S
[ -f "$inst/quorvis.exe" ] || fail "the default install put no quorvis.exe in $inst"
windows_program >>"$work/running.log" 2>&1 &
program=$!
pids+=("$program")
wait_for "$title" 1 120 || fail "the main window did not appear: $(cat "$work/running.log")"
for _ in $(seq 100); do # (the reminder's date, written once the window is on screen)
    wine reg query "$settings_key" /v Duration >/dev/null 2>&1 && break
    sleep 0.1
done
before="$(state)"
[ "$(status_of wine "$setup" /S)" != 0 ] || fail "a silent install over a running copy reported success"
[ "$(state)" = "$before" ] || fail "a silent install over a running copy changed the install:
$(diff <(echo "$before") <(state))"
rc="$(quiet_uninstall)"
[ "$rc" = 2 ] || fail "the uninstall entry's quiet command, with Quorvis running, ended with status $rc"
[ "$(state)" = "$before" ] || fail "a silent uninstall of a running copy changed the install:
$(diff <(echo "$before") <(state))"
echo "ok: while Quorvis runs, the silent install and the uninstall entry's quiet command fail (2) and change nothing"
kill "$program"
wait "$program" 2>/dev/null || true
before="$(state)"
# The marker's name taken by something the installer cannot open as the mutex: counted as a running copy.
cp "$hold" "$work/hold.exe"
start_holding marker 'Local\Pellmark.Quorvis.Running'
[ "$(status_of wine "$setup" /S)" != 0 ] || fail "a silent install went on while the running-copy marker could not be opened"
[ "$(state)" = "$before" ] || fail "a silent install changed the install while the marker could not be opened:
$(diff <(echo "$before") <(state))"
stop_holding
echo "ok: while the marker cannot be opened (not 'not found'), the silent install fails and changes nothing"
# A folder no one may write to (Wine as root meets Unix permissions only where the kernel refuses even root).
[ "$(status_of wine "$setup" /S '/D=Z:\sys\Quorvis')" != 0 ] || fail "a silent install into an unwritable folder reported success"
[ "$(state)" = "$before" ] || fail "a silent install into an unwritable folder changed the install:
$(diff <(echo "$before") <(state))"
echo "ok: a silent install into a folder it may not write to fails before changing anything"
# A file held open: the uninstall removes the rest, keeps what lets it finish later, and says it failed.
wine reg add "$settings_key" /v Newer /d kept /f >/dev/null
start_holding file "$(winpath "$inst/Qt6Core.dll")"
[ "$(quiet_uninstall)" = 2 ] || fail "an uninstall that left a file reported success"
[ -f "$inst/Qt6Core.dll" ] && [ ! -e "$inst/Qt6Widgets.dll" ] || fail "the uninstall with a file held open did not remove the rest"
[ -f "$inst/Uninstall.exe" ] && [ -f "$menu" ] && [ -f "$console_menu" ] ||
    fail "the uninstall that could not finish removed the uninstaller or a Start-menu entry"
wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall that could not finish removed the uninstall entry"
stop_holding
echo "ok: an uninstall with a file held open keeps the uninstaller, the Start-menu entries and the uninstall entry, and fails"
[ "$(quiet_uninstall)" = 0 ] || fail "the second uninstall, all files free, failed"
assert_removed "$inst"
[ "$(setting Newer)" = kept ] && [ -n "$(setting Duration)" ] || fail "the plain silent uninstall removed the settings"
echo "ok: run again, the uninstall finishes (0) and has removed all once it ends; it keeps the settings"
wine reg delete 'HKCU\Software\quorvis' /f >/dev/null

# ---- 3. Upgrades -------------------------------------------------------------------------------------
fresh_prefix upgrade
inst="$WINEPREFIX/drive_c/Apps/Quorvis"
# The person's own PATH, to which the older version adds its folder, with a desktop shortcut beside.
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d 'C:\Tools;%USERPROFILE%\bin' /f >/dev/null
wine "$older" /S /ADDTOPATH /DESKTOPSHORTCUT '/D=C:\Apps\Quorvis'
[ -f "$inst/old-only.dll" ] || fail "the older version's own file is not installed"
[ "$(user_path)" = 'C:\Tools;%USERPROFILE%\bin;C:\Apps\Quorvis' ] || fail "/ADDTOPATH made the PATH '$(user_path)'"
[ -f "$desktop/Quorvis.lnk" ] || fail "/DESKTOPSHORTCUT made no desktop shortcut"
wine reg add "$settings_key" /v Duration /d 2026-01-02 /f >/dev/null
# A setting of a later version, which no installer knows by name.
wine reg add "$settings_key" /v Newer /d kept /f >/dev/null
[ "$(status_of wine "$setup" /S)" = 0 ] || fail "the install over an older version failed"
[ ! -e "$inst/old-only.dll" ] || fail "the older version's file is left after the upgrade"
[ -f "$inst/quorvis.exe" ] && [ -f "$inst/Uninstall.exe" ] || fail "the upgrade is not in the remembered folder"
[ ! -e "$default_inst" ] || fail "the upgrade made a second copy in $default_inst"
[ "$(setting Duration)" = 2026-01-02 ] || fail "the upgrade lost the setting"
[ "$(setting Newer)" = kept ] || fail "the upgrade lost a setting the installer does not know"
[ "$(user_path)" = 'C:\Tools;%USERPROFILE%\bin;C:\Apps\Quorvis' ] || fail "the upgrade made the PATH '$(user_path)'"
[ -f "$desktop/Quorvis.lnk" ] || fail "the upgrade lost the desktop shortcut"
holds -q "${title##*v}" "$(wine reg query "$uninstall_key" /v DisplayVersion | tr -d '\r')" ||
    fail "the uninstall entry does not name the new version"
echo "ok: an upgrade went into the remembered folder, left no stale file, kept both settings, PATH and the desktop shortcut"
before="$(state)"
[ "$(status_of wine "$older" /S)" != 0 ] || fail "the older installer went silently over the newer version"
[ "$(state)" = "$before" ] || fail "the refused downgrade changed the install"
[ "$(status_of wine "$setup" /S)" = 0 ] || fail "the same version did not install over itself"
[ "$(setting Duration)" = 2026-01-02 ] && [ "$(setting Newer)" = kept ] || fail "the reinstall lost a setting"
[ "$(user_path)" = 'C:\Tools;%USERPROFILE%\bin;C:\Apps\Quorvis' ] || fail "the reinstall made the PATH '$(user_path)'"
uninstall_and_wait "$inst"
assert_removed "$inst"
[ "$(user_path)" = 'C:\Tools;%USERPROFILE%\bin' ] || fail "the uninstall left the PATH '$(user_path)'"
[ "$(setting Duration)" = 2026-01-02 ] && [ "$(setting Newer)" = kept ] || fail "the silent uninstall removed the settings"
echo "ok: a silent downgrade is refused and changes nothing; the same version reinstalls, keeping both settings, PATH"
echo "    and the desktop shortcut; the silent uninstall takes the folder off PATH and keeps the settings"
path_story
echo "installer: 4 passed, 0 failed"
