#!/usr/bin/env bash
# End to end: the real program on a virtual X display shows a failure note beside its window,
# never over it; the pointer where the note stands is not in the note (clicks pass through it),
# and the keys go on into the field being typed into.
# Usage: notes_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

# note_window: a shown top-level window of the program's that is not its main window and covers
# none of it (beside it, or below it where the screen has no room beside); its id and geometry in
# note_id, note_x, note_y, note_width.
# shellcheck disable=SC2317  # called through wait_until
note_window() {
  local line
  line=$(x xwininfo -root -children | awk -v main="$(printf "0x%x" "$window")" -v left="$X" -v top="$Y" -v right="$((X + WIDTH))" -v bottom="$((Y + HEIGHT))" '
    /\("skyanchor-satellite"/ && $1 != main {
      split($(NF-1), size, "x"); split($NF, at, "+")
      if (at[2] >= right || at[2] + size[1] <= left || at[3] >= bottom || at[3] + size[2] <= top) { print $1, size[1], at[2], at[3]; exit }
    }')
  [[ -n $line ]] || return 1
  read -r note_id note_width note_x note_y <<<"$line"
}

start_display
start_app LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
eval "$(x xdotool getwindowgeometry --shell "$window")"
type_into "${mjd_field[@]}" "3000000"
wait_until "$step_timeout" "a note stands beside the window" note_window
pass "the note stands beside the window, over none of it"

x xdotool mousemove "$((note_x + note_width / 2))" "$((note_y + 10))"
sleep 0.3
pointer_window=$(x xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p')
if [[ $((pointer_window)) -eq $((note_id)) ]]; then
  check "the pointer over the note is not in the note" "another window" "the note $note_id"
else
  pass "the pointer over the note is not in the note"
fi
x xdotool click 1
sleep 0.3
x xdotool type --delay 30 "0"
sleep 0.3
click "${copy_mjd[@]}"
check_clipboard "keys after a click on the note go on into the MJD field" "30000000"
summary
