#!/usr/bin/env bash
# End to end: the real program on a virtual X display, driven with xdotool; what it copies is
# read from the real X clipboard with xclip, from another process.
# Every wait ends after a few seconds; when the program dies or never shows its window the test
# stops at once, prints the program's output and keeps its working folder as evidence.
# Usage: clipboard_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "$0")/lib.sh"

start_display
start_app

type_into "${mjd_field[@]}" "51544.5"
click "${copy_vectors[@]}"
check_clipboard "West lines joined by a carriage return" \
  "$(printf 'RPOS-39228377.3392282 -6150164.35880617 14178232.2923016\rRVEL-1127.02219995875 1138.41372611666 -2624.4329926753')"

click "${east[@]}"
click "${copy_vectors[@]}"
check_clipboard "East lines joined by a carriage return" \
  "$(printf 'RPOS 31087153.2070743 -11334910.5632083 26130845.5517158\rRVEL-2077.13080399083 -902.154111825446 2079.77377752537')"

type_into "${mjd_field[@]}" "51544.50"
click "${copy_mjd[@]}"
check_clipboard "MJD text as typed" "51544.50"

# Failures are shown in place: no dialog takes the next key, and lines left behind are not copied.
type_into "${mjd_field[@]}" "30000000"
click "${copy_mjd[@]}"
check_clipboard "every key of an MJD beyond the dates lands" "30000000"
type_into "${longitude_field[@]}" "1E+400"
click "${copy_vectors[@]}"
check "lines of a failed Compute are not copied" "30000000" "$(clipboard)"

click "${west[@]}"
click "${close_button[@]}"
wait_app_end "Close"
check "Close ends the program with status 0" 0 "$app_status"

# The start instant is the present one in UT whatever the zone: the MJD copied right after start.
start_mjd_copied() { start_mjd=$(clipboard); [[ -n $start_mjd ]]; }
for zone in America/New_York Pacific/Kiritimati; do
  start_app TZ=$zone
  click "${copy_mjd[@]}"
  wait_until "$step_timeout" "the start MJD reaches the clipboard in $zone" start_mjd_copied
  offset=$(awk -v mjd="$start_mjd" -v now="$(date -u +%s)" 'BEGIN { d = (mjd - 40587) * 86400 - now; print (d > -5 && d < 5) ? "within 5 s" : d " s" }')
  check "$zone: start MJD is the present UT instant" "within 5 s" "$offset"
  stop_app
done

summary
