#!/usr/bin/env bash
# End to end: the window's findings, a row each, on the real program under Xvfb and openbox, read
# over AT-SPI (window_e2e.py says what) and from the window manager's properties.
# Usage: window_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
here=$(dirname "$0")
# shellcheck source=tests/e2e/lib.sh
source "$here/lib.sh"

start_display
start_window_manager
if XDG_RUNTIME_DIR="$workdir" /usr/bin/python3 "$here/window_e2e.py" "$app"; then
  pass "the window's findings"
else
  check "the window's findings" "status 0" "status $?"
fi
summary
