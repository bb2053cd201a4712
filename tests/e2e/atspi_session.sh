# The accessibility stack a desktop session has, for a test of its own: a private D-Bus session,
# the AT-SPI bus and registry on it, and a window manager so that the window gets the keyboard
# focus. Source it after lib.sh and call start_display, then start_accessibility, then start_app
# with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Everything started here is stopped on exit.
# The variables and helpers it uses come from lib.sh:
# shellcheck shell=bash disable=SC2154

dbus_pid=
atspi_pid=
openbox_pid=

accessibility_bus_up() {
  x dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1
}

window_manager_up() { x xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_accessibility() {
  export XDG_RUNTIME_DIR=$workdir
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$workdir/dbus-address" 2>"$workdir/dbus.log" &
  dbus_pid=$!
  at_exit stop_accessibility
  wait_until "$step_timeout" "the D-Bus session names its address" test -s "$workdir/dbus-address"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$workdir/dbus-address")
  export DBUS_SESSION_BUS_ADDRESS
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$workdir/atspi.log" 2>&1 &
  atspi_pid=$!
  wait_until "$step_timeout" "the accessibility bus answers" accessibility_bus_up
  openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
  openbox_pid=$!
  wait_until "$step_timeout" "the window manager runs" window_manager_up
}

# The bus launcher takes its accessibility bus and registry down when the session bus goes.
stop_accessibility() {
  local pid
  for pid in "$openbox_pid" "$dbus_pid"; do
    if [[ -n $pid ]]; then kill "$pid" 2>/dev/null || true; fi
  done
  if [[ -n $atspi_pid ]]; then
    timeout "$step_timeout" tail --pid="$atspi_pid" -f /dev/null || kill "$atspi_pid" 2>/dev/null || true
  fi
}
