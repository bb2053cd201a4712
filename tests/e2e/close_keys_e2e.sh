#!/usr/bin/env bash
# End to end: the real program on a virtual X display ends with status 0 when Ctrl+Q or Ctrl+W
# is pressed in its window, as "Close" ends it.
# Usage: close_keys_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

start_display
for key in ctrl+q ctrl+w; do
  start_app
  x xdotool windowfocus --sync "$window"
  x xdotool key "$key"
  wait_app_end "$key"
  check "$key ends the program with status 0" 0 "$app_status"
done

summary
