#!/usr/bin/env bash
# End to end: the real program on a virtual X display, driven with xdotool; what it copies is
# read from the real X clipboard with xclip, from another process.
# Every wait ends after a few seconds; when the program dies or never shows its window the test
# stops at once, prints the program's output and keeps its working folder as evidence.
# Usage: clipboard_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
passes=0
failures=0
step_timeout=5     # seconds for any X round trip, a copy to reach the clipboard, the program to end
start_timeout=10   # seconds for the window to appear: a sanitized build starts slower

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
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout "$step_timeout" "$app" 2>&1)
status=$?
set -e
check "no display: exit status is not zero" 1 "$status"
check "no display: one line" 1 "$(printf '%s\n' "$message" | wc -l)"

workdir=$(mktemp -d)
# On any failure the program's output is shown and the working folder (its log, Xvfb's log) kept.
cleanup() {
  local status=$?
  [[ -n ${app_pid:-} ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
  if ((status || failures)); then
    if ((status)); then echo "stopped early with status $status"; fi
    echo "---- program output ($workdir/app.log) ----"
    cat "$workdir/app.log" 2>/dev/null || true
    echo "---- end of program output; evidence kept in $workdir ----"
  else
    rm -rf "$workdir"
  fi
}
trap cleanup EXIT

abort() { echo "FAILED: $1"; exit 1; }

app_running() { [[ -n ${app_pid:-} ]] && kill -0 "$app_pid" 2>/dev/null; }

# wait_until SECONDS WHAT COMMAND...: polls COMMAND until it succeeds; gives up after SECONDS or
# at once when the program has died meanwhile.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    if [[ -n ${app_pid:-} ]] && ! app_running; then
      set +e; wait "$app_pid"; local status=$?; set -e
      app_pid=
      abort "the program ended (status $status) while waiting for $what"
    fi
    ((SECONDS < deadline)) || abort "no $what within $seconds s"
    sleep 0.1
  done
}

x() { timeout "$step_timeout" "$@"; }

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb_pid=$!
wait_until "$step_timeout" "display from Xvfb" test -s "$workdir/display"
export DISPLAY=":$(cat "$workdir/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

XDG_RUNTIME_DIR=$workdir "$app" >"$workdir/app.log" 2>&1 &
app_pid=$!
find_window() { window=$(x xdotool search --name '^Skyanchor Satellite$' | head -n 1) && [[ -n $window ]]; }
wait_until "$start_timeout" "window" find_window

# Positions in the window's client area, in pixels.
click() { x xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
mjd_field=(204 172); east=(190 60); west=(250 60)
copy_mjd=(56 280); copy_vectors=(144 280); close_button=(232 280)

type_mjd() {
  click "${mjd_field[@]}"
  x xdotool key --window "$window" ctrl+a BackSpace
  x xdotool type --window "$window" --delay 30 "$1"
  sleep 0.3
}
clipboard() { x xclip -selection clipboard -o 2>/dev/null || true; }

# check_clipboard NAME EXPECTED: a copy reaches the clipboard after a round trip through the
# X server, so the clipboard is read until it holds the expected text or the time is up.
check_clipboard() {
  local deadline=$((SECONDS + step_timeout)) actual
  while actual=$(clipboard); [[ "$actual" != "$2" ]] && ((SECONDS < deadline)); do
    app_running || break
    sleep 0.1
  done
  check "$1" "$2" "$actual"
  app_running || abort "the program ended during \"$1\""
}

type_mjd "51544.5"
click "${copy_vectors[@]}"
check_clipboard "West lines joined by a carriage return" \
  "$(printf 'RPOS-39228377.3392282 -6150164.35880617 14178232.2923016\rRVEL-1127.02219995875 1138.41372611666 -2624.4329926753')"

click "${east[@]}"
click "${copy_vectors[@]}"
check_clipboard "East lines joined by a carriage return" \
  "$(printf 'RPOS 31087153.2070743 -11334910.5632083 26130845.5517158\rRVEL-2077.13080399083 -902.154111825446 2079.77377752537')"

type_mjd "51544.50"
click "${copy_mjd[@]}"
check_clipboard "MJD text as typed" "51544.50"

# Failures are shown in place: no dialog takes the next key, and lines left behind are not copied.
type_mjd "30000000"
click "${copy_mjd[@]}"
check_clipboard "every key of an MJD beyond the dates lands" "30000000"
click 88 60; x xdotool key --window "$window" ctrl+a BackSpace; x xdotool type --window "$window" "1E+400"; sleep 0.3
click "${copy_vectors[@]}"
check "lines of a failed Compute are not copied" "30000000" "$(clipboard)"

click "${west[@]}"
click "${close_button[@]}"
deadline=$((SECONDS + step_timeout))
while app_running && ((SECONDS < deadline)); do sleep 0.1; done
app_running && abort "the program still runs $step_timeout s after Close"
set +e
wait "$app_pid"
status=$?
set -e
app_pid=
check "Close ends the program with status 0" 0 "$status"

# The start instant is the present one in UT whatever the zone: the MJD copied right after start.
for zone in America/New_York Pacific/Kiritimati; do
  TZ=$zone XDG_RUNTIME_DIR=$workdir "$app" >>"$workdir/app.log" 2>&1 &
  app_pid=$!
  wait_until "$start_timeout" "window in $zone" find_window
  click "${copy_mjd[@]}"
  copied() { start_mjd=$(clipboard); [[ -n $start_mjd ]]; }
  wait_until "$step_timeout" "start MJD on the clipboard in $zone" copied
  offset=$(awk -v mjd="$start_mjd" -v now="$(date -u +%s)" 'BEGIN { d = (mjd - 40587) * 86400 - now; print (d > -5 && d < 5) ? "within 5 s" : d " s" }')
  check "$zone: start MJD is the present UT instant" "within 5 s" "$offset"
  kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=
done

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
