# Shared by the scripts that drive the real program on a virtual X display: counted checks,
# waits that end after a few seconds or at once when the program or Xvfb dies, and a cleanup
# that shows the program's output and keeps the working folder whenever something failed.
# Controls are pressed where the accessibility tree says they are, whatever fonts the machine has.
# Source it after `set -euo pipefail`; the script names the program in `app`.
# The positions, the window and the statuses set here are read by the scripts that source this:
# shellcheck shell=bash disable=SC2034

passes=0
failures=0
step_timeout=5     # seconds for any X round trip, a copy to reach the clipboard, the program to end
start_timeout=10   # seconds for the window to appear: a sanitized build starts slower
workdir=$(mktemp -d)
app_pid=
xvfb_pid=
bus_pid=
wm_pid=
window=
exit_steps=()
summarized=

# Screen points (X Y) of the controls, set by find_controls once the program has started.
longitude_field=(); east=(); west=(); date_field=(); mjd_field=(); copy_mjd=(); copy_vectors=(); close_button=()

here_e2e=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# Debian's Python, which has the accessibility bindings, whatever python3 comes first on the PATH.
controls() { x /usr/bin/python3 "$here_e2e/controls.py" "$@"; }

pass() { echo "ok: $1"; passes=$((passes + 1)); }

check() {  # check NAME EXPECTED ACTUAL
  if [[ "$2" == "$3" ]]; then
    pass "$1"
  else
    echo "FAILED: $1"; printf '  expected: %q\n  actual:   %q\n' "$2" "$3"
    failures=$((failures + 1))
  fi
}

# The last line of a test: the tally, and the exit status.
summary() {
  echo "$passes passed, $failures failed"
  summarized=yes
  exit $((failures ? 1 : 0))
}

abort() { echo "FAILED: $1"; exit 1; }

# at_exit FUNCTION: runs FUNCTION on every exit, after the program and Xvfb are stopped.
at_exit() { exit_steps+=("$1"); }

cleanup() {
  local status=$? step
  if [[ -n $app_pid ]]; then kill "$app_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [[ -n $wm_pid ]]; then kill "$wm_pid" 2>/dev/null || true; fi
  if [[ -n $bus_pid ]]; then kill "$bus_pid" 2>/dev/null || true; fi
  for step in "${exit_steps[@]}"; do "$step"; done
  if ((status || failures)); then
    [[ -n $summarized ]] || echo "stopped early with status $status"
    echo "---- program output ($workdir/app.log) ----"
    cat "$workdir/app.log" 2>/dev/null || true
    echo "---- end of program output; evidence kept in $workdir ----"
  else
    rm -rf "$workdir"
  fi
  return 0
}
trap cleanup EXIT

running() { [[ -n $1 ]] && kill -0 "$1" 2>/dev/null; }
app_running() { running "$app_pid"; }

# wait_until SECONDS WHAT COMMAND...: polls COMMAND until it succeeds; gives up after SECONDS,
# or at once when the program or Xvfb has ended meanwhile.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    if [[ -n $app_pid ]] && ! app_running; then
      local status=0
      wait "$app_pid" || status=$?
      app_pid=
      abort "$what: the program ended with status $status"
    fi
    if [[ -n $xvfb_pid ]] && ! running "$xvfb_pid"; then
      xvfb_pid=
      abort "$what: Xvfb ended (its log: $workdir/xvfb.log)"
    fi
    ((SECONDS < deadline)) || abort "$what: not within $seconds s"
    sleep 0.1
  done
}

# Every call to an X client ends after a few seconds, whatever the X server does.
x() { timeout "$step_timeout" "$@"; }

# A display of its own: Xvfb takes the first free number and names it on descriptor 3. Without
# -noreset it resets when its last client leaves, and a program started right then finds no server.
start_display() {
  Xvfb -displayfd 3 -screen 0 "${screen_size:-800x600x24}" -nolisten tcp -noreset 3>"$workdir/display" 2>"$workdir/xvfb.log" &
  xvfb_pid=$!
  wait_until "$step_timeout" "Xvfb names its display" test -s "$workdir/display"
  DISPLAY=":$(cat "$workdir/display")"
  export DISPLAY
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  start_session_bus
}

# A session bus of its own, with accessibility turned on as a screen reader turns it on: the
# program then shows its controls to AT-SPI, and the bus launcher ends with this bus.
start_session_bus() {
  [[ -z $bus_pid ]] || return 0
  XDG_RUNTIME_DIR="$workdir" dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$workdir/bus" >"$workdir/bus.log" 2>&1 &
  bus_pid=$!
  wait_until "$step_timeout" "the session bus names its address" test -s "$workdir/bus"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$workdir/bus")
  export DBUS_SESSION_BUS_ADDRESS
  x dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null
}

# A window manager (openbox), for tests where the window's placement or keyboard focus matters.
start_window_manager() {
  openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
  wm_pid=$!
  wait_until "$step_timeout" "the window manager runs" window_manager_up
}

window_manager_up() { x xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

find_window() {
  window=$(x xdotool search --onlyvisible --name '^Skyanchor Satellite$' | head -n 1) && [[ -n $window ]]
}

# Where the accessibility tree places the controls, from their real geometry.
find_controls() {
  local places
  places=$(controls places "$app_pid" 2>"$workdir/controls.log") || return 1
  eval "$places"
}

# start_app [NAME=VALUE...]: starts the program with that environment and the arguments in
# app_args, its output in app.log, and waits for its window and its controls.
app_args=()
# The program keeps its satellite set in the config folder: each run gets one of its own, empty,
# and never the user's.
start_app() {
  env XDG_RUNTIME_DIR="$workdir" XDG_CONFIG_HOME="$workdir/config" "$@" "${app:?the script names the program in app}" "${app_args[@]}" >>"$workdir/app.log" 2>&1 &
  app_pid=$!
  wait_until "$start_timeout" "the window appears${*:+ with $*}" find_window
  wait_until "$start_timeout" "the controls are in the accessibility tree (see $workdir/controls.log)" find_controls
}

stop_app() { kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; app_pid=; }

# wait_app_end WHAT: the program ends by itself within a few seconds of WHAT; its status in app_status.
wait_app_end() {
  local deadline=$((SECONDS + step_timeout))
  while app_running && ((SECONDS < deadline)); do sleep 0.1; done
  app_running && abort "the program still runs $step_timeout s after $1"
  app_status=0
  wait "$app_pid" || app_status=$?
  app_pid=
}

click() { x xdotool mousemove "$1" "$2" click 1; sleep 0.3; }  # click X Y: a point on the screen

type_into() {  # type_into X Y TEXT: replaces a field's text by typing, as a user does
  click "$1" "$2"
  x xdotool key --window "$window" ctrl+a BackSpace
  x xdotool type --window "$window" --delay 30 -- "$3"
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
