#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# End to end on a real X server (run it inside tools/x11_session.sh): the program is killed with
# SIGKILL after a line was typed and calculated; the next start asks to recover the work, Enter
# takes the default answer, and the work is back, unsaved, under its old name, so Ctrl+S writes
# it to the original file, which vyxcalc reads back. The recovery files are gone after that.
# Usage: check_recovery_x11.sh TOBRIKCALCULATOR VYXCALC
# Exit 77 (skipped) when xdotool is missing. Every wait has a deadline.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/x11_check_support.sh"

fail_details() { ls -l "$state" >&2 2>/dev/null || true; }

recovery_holds() {
    local file
    for file in "$state"/recovery-*.vyx; do
        [ -f "$file" ] && holds_text "$file" "$1" && return 0
    done
    return 1
}

no_recovery_files() { ! compgen -G "$state/recovery-*.vyx" >/dev/null; }

state="$XDG_STATE_HOME/TobrikCalculator"
new_document lost

# First run: type, calculate, and die without a chance to save or clean up.
start_app app1.log "$document"
await_main_window '^lost\.vyx - TobrikCalculator$'
xdotool type --delay 80 '6*7'
xdotool key Return
expected='6*7\r\n42\r\n'
wait_for 30 recovery_holds "$expected" || fail "no recovery file holds the calculated line"
stop_app KILL
holds_text "$document" '' || fail "the document itself changed without a save"

# Second run: the question comes, Enter restores.
start_app app2.log
question="$(find_window '^TobrikCalculator$' 30)"
[ -n "$question" ] || fail "the recovery question did not appear"
wait_for 10 is_active "$question" || xdotool windowactivate --sync "$question"
xdotool key Return
restored="$(find_window '^lost\.vyx\* - TobrikCalculator$' 30)"
[ -n "$restored" ] || fail "the work did not come back modified under its name"
wait_for 10 is_active "$restored" || fail "the restored window did not become active"
xdotool key ctrl+s
wait_for 20 holds_text "$document" "$expected" || fail "Ctrl+S did not write the restored work"
wait_for 10 no_recovery_files || fail "recovery files remain after saving"
echo "the killed instance's work came back and was saved to its own file"
