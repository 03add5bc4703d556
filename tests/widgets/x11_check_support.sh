# SPDX-License-Identifier: MIT
# Shared by the end-to-end checks that drive the real program on an X server (sourced, not run):
# the arguments, a private work folder, the program's process, and waits with deadlines.
# Sets: app, vyxcalc, work, app_pid, a private profile and state folder (no layout or recovery
# files of earlier runs). A check may define fail_details to add to a failure.
[ $# -eq 2 ] || { echo "usage: $0 TOBRIKCALCULATOR VYXCALC" >&2; exit 2; }
app="$1"
vyxcalc="$2"
command -v xdotool >/dev/null 2>&1 || { echo "xdotool is not installed: skipped" >&2; exit 77; }
[ -n "${DISPLAY:-}" ] || { echo "no X display: run this inside tools/x11_session.sh" >&2; exit 2; }

work="$(mktemp -d)"
app_pid=""
export XDG_CONFIG_HOME="$work/config"
export XDG_STATE_HOME="$work/state"
export QT_QPA_PLATFORM=xcb
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

# Writes a new, empty document $work/$1.vyx with vyxcalc; sets document to its path.
new_document() {
    document="$work/$1.vyx"
    timeout 20 "$vyxcalc" --file "$document" --decimals 10 </dev/null >/dev/null ||
        fail "vyxcalc could not write the document"
}

# Starts the program with the arguments after $1, its output in $work/$1.
start_app() {
    local log="$1"
    shift
    "$app" "$@" >"$work/$log" 2>&1 &
    app_pid=$!
}

# Waits for the main window named $1 to appear and become active; sets main to its id.
await_main_window() {
    main="$(find_window "$1" 30)"
    [ -n "$main" ] || fail "the main window did not appear"
    wait_for 10 is_active "$main" || fail "the main window did not become active"
}
