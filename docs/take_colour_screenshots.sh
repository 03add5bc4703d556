#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots of the syntax colours in light and dark colours: the real program on a
# private X display with a window manager, a worksheet typed with real keys, the whole screen
# grabbed with ImageMagick. Writes docs/screenshot-light.png and docs/screenshot-dark.png.
# Usage: docs/take_colour_screenshots.sh [PROGRAM]   (default: build/VYX-CALC_GUI/TobrikCalculator)
# Inner use (on the display): take_colour_screenshots.sh --on-display PROGRAM OUT.png light|dark
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [ "${1:-}" = "--on-display" ]; then
    program="$2" out="$3" scheme="$4"
    # A profile of its own: no recent files or toolbar layout of the user's, and the colours
    # chosen here.
    config="$(mktemp -d)"
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$config"' EXIT
    mkdir -p "$config/TobrikCalculator"
    dark=false
    [ "$scheme" = dark ] && dark=true
    printf '[View]\nDarkColours=%s\nSyntaxColours=true\n' "$dark" \
        >"$config/TobrikCalculator/TobrikCalculator.conf"
    XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb "$program" &
    pid=$!
    window=""
    for _ in $(seq 200); do
        window="$(xdotool search --sync --onlyvisible --name 'TobrikCalculator' 2>/dev/null |
            head -n 1)" && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no window" >&2; exit 1; }
    xdotool windowsize "$window" 900 560 windowmove "$window" 20 20 windowactivate --sync "$window"
    sleep 0.5
    while IFS= read -r line; do
        xdotool type --delay 15 -- "$line"
        xdotool key Return
    done <<'LINES'
// area of a circle and a little trigonometry
r=3/2
pi*r^2
1/2+1/(2+3+1/7)
sqrt(2)*sin(pi/4)+ABS(3+4i)
(2+3i)^2
h*r
2+3)
LINES
    sleep 0.5
    import -window root -crop 940x600+0+0 +repage "$out"
    exit 0
fi

program="${1:-$repo/build/VYX-CALC_GUI/TobrikCalculator}"
for scheme in light dark; do
    "$repo/tools/x11_session.sh" --size 1000x700 -- \
        "$repo/docs/take_colour_screenshots.sh" --on-display "$program" \
        "$repo/docs/screenshot-$scheme.png" "$scheme"
done
