#!/usr/bin/env bash
# Start-up time until the window is mapped, and peak memory, of skyanchor-satellite against a
# minimal Qt Widgets program, on a virtual X display. Medians of alternating runs.
# Usage: bench/startup.sh [runs]   (after scripts/setup; SKYANCHOR_BUILD_DIR picks another build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
build=${SKYANCHOR_BUILD_DIR:-build/default}
bin=$build/bench

workdir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$workdir/display" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$workdir"' EXIT
for _ in $(seq 100); do [[ -s "$workdir/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$workdir/display")" XDG_RUNTIME_DIR=$workdir
unset QT_QPA_PLATFORM

for _ in $(seq "$runs"); do
  "$bin/map_timer" "$bin/minimal_window" >>"$workdir/minimal"
  "$bin/map_timer" "$build/src/skyanchor-satellite" >>"$workdir/product"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
minimal_ms=$(cut -d' ' -f1 "$workdir/minimal" | median)
product_ms=$(cut -d' ' -f1 "$workdir/product" | median)
minimal_kb=$(cut -d' ' -f2 "$workdir/minimal" | median)
product_kb=$(cut -d' ' -f2 "$workdir/product" | median)
echo "start-up to window shown (median of $runs): minimal ${minimal_ms} ms, skyanchor-satellite ${product_ms} ms," \
     "ratio $(awk -v a="$product_ms" -v b="$minimal_ms" 'BEGIN { printf "%.2f", a / b }')"
echo "peak resident memory: minimal ${minimal_kb} kB, skyanchor-satellite ${product_kb} kB," \
     "difference $(( (product_kb - minimal_kb) / 1024 )) MB"
