# SPDX-License-Identifier: MIT
# Shared by the end-to-end checks that drive the real program on an X server (sourced, not run):
# the arguments, a private work folder, the program's process, and waits with deadlines.
# Sets: app, vyxcalc, work, app_pid. A check may define fail_details to add to a failure.
[ $# -eq 2 ] || { echo "usage: $0 TOBRIKCALCULATOR VYXCALC" >&2; exit 2; }
app="$1"
vyxcalc="$2"
command -v xdotool >/dev/null 2>&1 || { echo "xdotool is not installed: skipped" >&2; exit 77; }
[ -n "${DISPLAY:-}" ] || { echo "no X display: run this inside tools/x11_session.sh" >&2; exit 2; }

work="$(mktemp -d)"
app_pid=""
# Ends the program (with the signal given, TERM by default) and waits for it.
stop_app() {
    if [ -n "$app_pid" ]; then
        kill "-${1:-TERM}" "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=""
    fi
}
cleanup() {
    stop_app
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "active window: $(xdotool getactivewindow getwindowname 2>/dev/null || echo none)" >&2
    echo "windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')" >&2
    if declare -F fail_details >/dev/null; then fail_details; fi
    for log in "$work"/app*.log; do
        [ -f "$log" ] && sed "s/^/$(basename "$log"): /" "$log" >&2
    done
    exit 1
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_for() {
    local seconds="$1"
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The window id of the first window whose name matches, waiting for it at most $2 seconds.
find_window() {
    { timeout "$2" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null || true; } | head -n 1
}

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# Whether document $1 holds the text $2 (vyxcalc prints it as JSON, line breaks as \r\n).
holds_text() {
    timeout 10 "$vyxcalc" --file "$1" --dump </dev/null 2>/dev/null | grep -qF "\"text\": \"$2\""
}
