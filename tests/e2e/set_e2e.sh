#!/usr/bin/env bash
# End to end: ten satellites 10 degrees apart, from an empty set to the real X clipboard in the
# window (type 0, "Add ring", "Copy set"), against the scripting mode's lines for the same set at
# the same MJD; the set is kept for the next run.
# Usage: set_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

# A screen with room for the set beside the form, at the reference font.
screen_size=1024x768x24
export FONTCONFIG_FILE
FONTCONFIG_FILE=$(cd "$(dirname "$0")/../ui" && pwd)/fonts.conf
start_display
start_window_manager
english=(LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
start_app "${english[@]}"

# The window's MJD as the clipboard takes it.
copied_mjd() {
  printf 'none' | x xclip -selection clipboard
  click "${copy_mjd[@]}"
  wait_until "$step_timeout" "the MJD reaches the clipboard" test "$(clipboard)" != none
  clipboard
}
# The scripting mode's lines for ten satellites at an MJD, joined as the window joins them.
scripted_ring() { env "${english[@]}" "$app" --longitudes 0:90:10 --mjd "$1" | tr '\n' '\r' | sed 's/\r$//'; }

mjd=$(copied_mjd)
type_into "${longitude_field[@]}" "0"
controls press "$app_pid" "Add ring"
controls press "$app_pid" "Copy set"
check_clipboard "ten satellites copied as the scripting mode writes them" "$(scripted_ring "$mjd")"
stop_app

start_app "${english[@]}"
mjd=$(copied_mjd)
controls press "$app_pid" "Copy set"
check_clipboard "the set is kept for the next run" "$(scripted_ring "$mjd")"
summary
