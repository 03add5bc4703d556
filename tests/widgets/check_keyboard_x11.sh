#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end on a real X server with a window manager (run it inside tools/x11_session.sh):
# the program opens a document, the numpad is shown from the View menu, and a real mouse click
# on its "7" followed by the real keys "+1" and Enter must all land in the calculation area.
# Ctrl+S saves the document; vyxcalc reads the saved text back. Then the completion list's keys.
# Usage: check_keyboard_x11.sh TOBRIKCALCULATOR VYXCALC
# Exit 77 (skipped) when xdotool is missing. Every wait has a deadline.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/x11_check_support.sh"

saved_text_is() { holds_text "$document" "$1"; }

new_document keys
start_app app.log "$document"
await_main_window '^keys\.vyx - TobrikCalculator$'

# View > Dialogs > Numpad. (the menu's first entry is highlighted when it opens).
xdotool key --delay 100 alt+v Down Right Return
numpad="$(find_window '^Numpad$' 10)"
[ -n "$numpad" ] || fail "the numpad did not appear"
eval "$(xdotool getwindowgeometry --shell "$numpad")"
# "7" is the first button of the third of the six rows of 15-unit cells under an 8-unit margin
# (106 units in all); the first column lies between 5% and 14% of the width.
xdotool mousemove --window "$numpad" $((WIDTH / 10)) $((HEIGHT * 455 / 1060)) click 1
xdotool type --delay 80 '+1'
xdotool key Return
xdotool key ctrl+s

wait_for 20 saved_text_is '7+1\r\n8\r\n' || {
    echo "saved: $(timeout 10 "$vyxcalc" --file "$document" --dump </dev/null | grep '"text"')" >&2
    fail "the click and the keys did not all reach the calculation area"
}
is_active "$main" || fail "the main window is no longer the active window"
echo "the click on the numpad and the keys typed after it reached the calculation area"

saved_text_has() {
    timeout 10 "$vyxcalc" --file "$document" --dump </dev/null 2>/dev/null | grep '"text"' |
        grep -qF "$1"
}

# The completion list under real focus: Tab writes the name ("sq" becomes SQRT), Enter with the
# list open for "x12" evaluates "2*x1", Escape closes the list and typing goes on.
xdotool type --delay 80 'sq'
xdotool key --delay 150 Tab
xdotool type --delay 80 '(16)'
xdotool key --delay 150 Return
xdotool type --delay 80 'x1=3'
xdotool key --delay 150 Return
xdotool type --delay 80 'x12=1'
xdotool key --delay 150 Return
xdotool type --delay 80 '2*x1'
xdotool key --delay 150 Return
xdotool type --delay 80 'co'
xdotool key --delay 150 Escape
xdotool type --delay 80 's(0)'
xdotool key --delay 150 Return ctrl+s
for expected in 'SQRT(16)\r\n4\r\n' '2*x1\r\n6\r\n' 'cos(0)\r\n1\r\n'; do
    wait_for 20 saved_text_has "$expected" || {
        echo "saved: $(timeout 10 "$vyxcalc" --file "$document" --dump </dev/null | grep '"text"')" >&2
        fail "completion under real keys: no $expected"
    }
done
echo "Tab, Escape and Enter with the completion list did what the user expects"
