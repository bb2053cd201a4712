#!/usr/bin/env bash
# End to end: the real program on a virtual X display ends with status 0 when Ctrl+Q or Ctrl+W
# is pressed in its window, as "Close" ends it.
# Usage: close_keys_e2e.sh path/to/skyanchor-satellite
set -euo pipefail
app=$1
passes=0
failures=0

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
export DISPLAY=":$(cat "$workdir/display")" XDG_RUNTIME_DIR=$workdir
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

for key in ctrl+q ctrl+w; do
  "$app" 2>"$workdir/app.log" &
  app_pid=$!
  window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Skyanchor Satellite$' | head -n 1)
  xdotool windowfocus --sync "$window"
  xdotool key "$key"
  set +e
  for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$app_pid" 2>/dev/null
  wait "$app_pid"
  status=$?
  set -e
  app_pid=
  if [[ $status -eq 0 ]]; then
    echo "ok: $key ends the program with status 0"
    passes=$((passes + 1))
  else
    echo "FAILED: $key: status $status"
    failures=$((failures + 1))
  fi
done

echo "$passes passed, $failures failed"
[[ $failures -eq 0 ]]
