#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private X server (Xvfb) with a window manager (openbox), as a user's
# desktop would give it: window activation, focus and placement behave as on a real screen.
# Usage: tools/x11_session.sh [--size WxH] [--no-wm] -- COMMAND [ARGS...]
# The command inherits DISPLAY; its exit status is the script's. Exit 77 (ctest's "skipped")
# when Xvfb or openbox is not installed.
set -euo pipefail

size=1600x1000
window_manager=1
while [ $# -gt 0 ]; do
    case "$1" in
        --size) size="$2"; shift 2 ;;
        --no-wm) window_manager=0; shift ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--size WxH] [--no-wm] -- COMMAND [ARGS...]" >&2; exit 2; }

for tool in Xvfb xdpyinfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: skipped" >&2; exit 77; }
done
if [ "$window_manager" -eq 1 ] && ! command -v openbox >/dev/null 2>&1; then
    echo "openbox is not installed: skipped" >&2
    exit 77
fi

# -displayfd lets the server pick a free display itself, so parallel sessions never collide.
session_dir="$(mktemp -d)"
server_pid=""
wm_pid=""
cleanup() {
    # Either may have ended already; that is no failure of the session.
    if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
    if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$session_dir"
}
trap cleanup EXIT
mkfifo "$session_dir/display"
# -noreset: the server must not reset when its last client (xdpyinfo below) disconnects, or the
# next client finds no display while it does.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$session_dir/display" >/dev/null 2>&1 &
server_pid=$!
read -r -t 60 number <"$session_dir/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
for _ in $(seq 600); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done

if [ "$window_manager" -eq 1 ]; then
    # The system's own configuration (click to focus), never one of the user's.
    XDG_CONFIG_HOME="$session_dir" openbox >"$session_dir/openbox.log" 2>&1 &
    wm_pid=$!
    # The manager is ready once it has announced itself on the root window.
    ready=0
    for _ in $(seq 600); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            ready=1
            break
        fi
        kill -0 "$wm_pid" 2>/dev/null || break
        sleep 0.05
    done
    if [ "$ready" -ne 1 ]; then
        echo "openbox did not start:" >&2
        cat "$session_dir/openbox.log" >&2
        exit 1
    fi
fi

set +e
"$@"
status=$?
set -e
exit "$status"
