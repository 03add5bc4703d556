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
fifo_dir="$(mktemp -d)"
server_pid=""
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$fifo_dir"
}
trap cleanup EXIT
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo_dir/display" >/dev/null 2>&1 &
server_pid=$!
read -r -t 20 number <"$fifo_dir/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done

if [ "$window_manager" -eq 1 ]; then
    # A configuration of our own, not the user's: the stock theme and otherwise openbox's
    # defaults. It must parse, or openbox puts an error dialog on the screen, which takes the
    # focus and shows in screenshots.
    cat >"$fifo_dir/rc.xml" <<'CONFIG'
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><name>Clearlooks</name></theme>
</openbox_config>
CONFIG
    openbox --config-file "$fifo_dir/rc.xml" >/dev/null 2>&1 &
    wm_pid=$!
    # The manager is ready once it has announced itself on the root window.
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
fi

set +e
"$@"
status=$?
set -e
exit "$status"
