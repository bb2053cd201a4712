#!/usr/bin/env bash
# End to end: whatever DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM say, the real program either
# opens its window or says in one line why it cannot, with status 1, never an abort. The window
# opens on X (Xvfb) and natively on Wayland (Weston's headless compositor, no X display at all).
# Usage: displays_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

weston_pid=
# shellcheck disable=SC2317  # called at exit
stop_weston() { if [[ -n $weston_pid ]]; then kill "$weston_pid" 2>/dev/null || true; fi; }
at_exit stop_weston

# no_window WHAT [NAME=VALUE...]: started with only that display set-up, the program ends with
# status 1 and one line that names itself.
no_window() {
  local what=$1 status=0 message
  shift
  message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$workdir" "$@" \
            timeout "$step_timeout" "$app" 2>&1) || status=$?
  check "$what: status 1" 1 "$status"
  check "$what: one line from the program" "1 skyanchor-satellite:" \
    "$(printf '%s\n' "$message" | wc -l) $(printf '%s\n' "$message" | head -n 1 | cut -d ' ' -f 1)"
}

no_window "no display named"
no_window "X asked for, DISPLAY unset" QT_QPA_PLATFORM=xcb
no_window "a Wayland display no compositor serves, DISPLAY unset" WAYLAND_DISPLAY=no-compositor-here
no_window "an X display no server answers" DISPLAY=:65000

start_display
no_window "an unknown platform" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=bogus
start_app WAYLAND_DISPLAY=no-compositor-here
pass "a Wayland display no compositor serves falls back to X"
stop_app

# shown_lines: the list's lines, read through the accessibility tree, once it holds both.
# shellcheck disable=SC2317  # called through wait_until
shown_lines() { lines=$(controls lines "$app_pid" 2>>"$workdir/controls.log") && [[ $lines == RPOS*$'\n'RVEL* ]]; }

XDG_RUNTIME_DIR="$workdir" weston --backend=headless-backend.so --shell=kiosk-shell.so --socket=wayland-e2e --idle-time=0 --no-config \
  >"$workdir/weston.log" 2>&1 &
weston_pid=$!
wait_until "$step_timeout" "Weston opens its socket" test -S "$workdir/wayland-e2e"
env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$workdir" WAYLAND_DISPLAY=wayland-e2e WAYLAND_DEBUG=client \
  "$app" >>"$workdir/app.log" 2>"$workdir/wayland.log" &
app_pid=$!
wait_until "$start_timeout" "the window shows its lines on Wayland" shown_lines
pass "the window opens on Wayland with no X display and shows its lines"
check "the window is a Wayland toplevel with its title" 1 \
  "$(grep -c 'xdg_toplevel@[0-9]*\.set_title("Skyanchor Satellite")' "$workdir/wayland.log")"
stop_app

summary
