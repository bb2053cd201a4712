#!/usr/bin/env bash
# End to end: the real program on a virtual X display, driven with xdotool; what it copies is
# read from the real X clipboard with xclip, from another process.
# Usage: clipboard_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
passes=0
failures=0

check() {  # check NAME EXPECTED ACTUAL
  if [[ "$2" == "$3" ]]; then
    echo "ok: $1"
    passes=$((passes + 1))
  else
    echo "FAILED: $1"; printf '  expected: %q\n  actual:   %q\n' "$2" "$3"
    failures=$((failures + 1))
  fi
}

# Without a display the program says so in one line and exits non-zero.
set +e
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" 2>&1)
status=$?
set -e
check "no display: exit status is not zero" 1 "$status"
check "no display: one line" 1 "$(printf '%s\n' "$message" | wc -l)"

workdir=$(mktemp -d)
cleanup() {
  [[ -n ${app_pid:-} ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$workdir/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s "$workdir/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$workdir/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

XDG_RUNTIME_DIR=$workdir "$app" 2>"$workdir/app.log" &
app_pid=$!
window=$(xdotool search --sync --name '^Skyanchor Satellite$' | head -n 1)

# Positions in the window's client area, in pixels.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
mjd_field=(204 172); east=(190 60); west=(250 60)
copy_mjd=(56 280); copy_vectors=(144 280); close_button=(232 280)

type_mjd() {
  click "${mjd_field[@]}"
  xdotool key --window "$window" ctrl+a BackSpace
  xdotool type --window "$window" --delay 30 "$1"
  sleep 0.3
}
clipboard() { xclip -selection clipboard -o; }

type_mjd "51544.5"
click "${copy_vectors[@]}"
check "West lines joined by a carriage return" \
  "$(printf 'RPOS-39228377.3392282 -6150164.35880617 14178232.2923016\rRVEL-1127.02219995875 1138.41372611666 -2624.4329926753')" \
  "$(clipboard)"

click "${east[@]}"
click "${copy_vectors[@]}"
check "East lines joined by a carriage return" \
  "$(printf 'RPOS 31087153.2070743 -11334910.5632083 26130845.5517158\rRVEL-2077.13080399083 -902.154111825446 2079.77377752537')" \
  "$(clipboard)"

type_mjd "51544.50"
click "${copy_mjd[@]}"
check "MJD text as typed" "51544.50" "$(clipboard)"

# Failures are shown in place: no dialog takes the next key, and lines left behind are not copied.
type_mjd "30000000"
click "${copy_mjd[@]}"
check "every key of an MJD beyond the dates lands" "30000000" "$(clipboard)"
click 88 60; xdotool key --window "$window" ctrl+a BackSpace; xdotool type --window "$window" "1E+400"; sleep 0.3
click "${copy_vectors[@]}"
check "lines of a failed Compute are not copied" "30000000" "$(clipboard)"

click "${west[@]}"
click "${close_button[@]}"
set +e
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
wait "$app_pid"
status=$?
set -e
app_pid=
check "Close ends the program with status 0" 0 "$status"

# The start instant is the present one in UT whatever the zone: the MJD copied right after start.
for zone in America/New_York Pacific/Kiritimati; do
  TZ=$zone XDG_RUNTIME_DIR=$workdir "$app" 2>>"$workdir/app.log" &
  app_pid=$!
  window=$(timeout 10 xdotool search --sync --name '^Skyanchor Satellite$' | head -n 1)
  click "${copy_mjd[@]}"
  offset=$(awk -v mjd="$(clipboard)" -v now="$(date -u +%s)" 'BEGIN { d = (mjd - 40587) * 86400 - now; print (d > -5 && d < 5) ? "within 5 s" : d " s" }')
  check "$zone: start MJD is the present UT instant" "within 5 s" "$offset"
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
done

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
