#!/usr/bin/env bash
# End to end: what a screen reader meets in the real program, read over AT-SPI with the
# program's own accessibility bridge on a virtual X display (accessibility_e2e.py says what), and
# the window's findings, a row each (window_e2e.py).
# Usage: accessibility_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
here=$(dirname "$0")
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

start_display
start_window_manager
start_app LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Debian's own Python: pyatspi is a Debian package, which another Python on the PATH would not see.
if /usr/bin/python3 "$here/accessibility_e2e.py"; then
  pass "what a screen reader meets"
else
  check "what a screen reader meets" "status 0" "status $?"
fi
stop_app
if XDG_RUNTIME_DIR="$workdir" XDG_CONFIG_HOME="$workdir/config" /usr/bin/python3 "$here/window_e2e.py" "$app"; then
  pass "the window's findings"
else
  check "the window's findings" "status 0" "status $?"
fi
summary
