# Sourced by the tests that drive a real program on a virtual X display. The caller has a folder `$work` and
# an array `pids` of processes its cleanup kills; start_xvfb adds the X server to it and exports DISPLAY.
# Windows are found by their exact title with xdotool.

start_xvfb() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$work/display")"
}

# Visible windows whose title is exactly $1.
windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }

wait_for() { # title, count, seconds: true once that many such windows are visible
    local i
    for i in $(seq $(($3 * 20))); do
        [ "$(windows "$1" | wc -l)" -eq "$2" ] && return 0
        sleep 0.05
    done
    return 1
}
