#!/usr/bin/env bash
# Start-up benchmark: time from start to the first paint of the window, and peak
# resident memory, for VesmarkOpt and for a minimal Qt program showing one empty
# widget (the toolkit's floor), on the offscreen platform and under Xvfb.
# Usage: scripts/bench-startup.sh [runs]   (BUILD_DIR defaults to build/release)
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${1:-15}
BUILD_DIR=${BUILD_DIR:-build/release}

if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESMARK_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$BUILD_DIR" --target VesmarkOptStartupProbe qt_floor_probe qt_text_floor_probe >/dev/null

WORK=$(mktemp -d)
XVFB_PID=
cleanup() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

mkdir -m 700 "$WORK/run"
export XDG_RUNTIME_DIR="$WORK/run"
cp "$BUILD_DIR/app/VesmarkOptStartupProbe" "$BUILD_DIR/app/qt_floor_probe" "$BUILD_DIR/app/qt_text_floor_probe" "$WORK/"
: >"$WORK/Vesmark.ini"

# one PROGRAM: prints "<ms to first paint> <peak KiB>" for one run.
one() {
  local start out paint rss
  start=${EPOCHREALTIME/./}
  out=$("$WORK/$1" 2>/dev/null)
  paint=$(awk '/^first_paint_us/{print $2}' <<<"$out")
  rss=$(awk '/^peak_rss_kb/{print $2}' <<<"$out")
  awk -v p="$paint" -v s="$start" -v r="$rss" 'BEGIN{printf "%.1f %d\n", (p - s) / 1000, r}'
}

median() { sort -n | awk '{a[NR]=$1} END{print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

# bench PLATFORM: runs the three programs in turns and prints their medians, and
# VesmarkOpt's ratios to the empty widget and to the widget with one line of text.
bench() {
  local p
  for p in VesmarkOptStartupProbe qt_floor_probe qt_text_floor_probe; do
    : >"$WORK/$p.txt"
    "$WORK/$p" >/dev/null 2>&1 || true  # warm the caches
  done
  for _ in $(seq "$RUNS"); do
    for p in VesmarkOptStartupProbe qt_floor_probe qt_text_floor_probe; do one "$p" >>"$WORK/$p.txt"; done
  done
  local t=() m=()
  for p in VesmarkOptStartupProbe qt_floor_probe qt_text_floor_probe; do
    t+=("$(cut -d' ' -f1 "$WORK/$p.txt" | median)")
    m+=("$(cut -d' ' -f2 "$WORK/$p.txt" | median)")
  done
  awk -v p="$1" -v at="${t[0]}" -v ft="${t[1]}" -v tt="${t[2]}" -v am="${m[0]}" -v fm="${m[1]}" -v tm="${m[2]}" 'BEGIN{
    printf "%-9s first paint ms: VesmarkOpt %6.1f | empty widget %6.1f (x%.2f) | widget with text %6.1f (x%.2f)\n", p, at, ft, at / ft, tt, at / tt
    printf "%-9s peak RSS MiB:   VesmarkOpt %6.1f | empty widget %6.1f (x%.2f) | widget with text %6.1f (x%.2f)\n", p, am / 1024, fm / 1024, am / fm, tm / 1024, am / tm }'
}

echo "medians of $RUNS runs each, $(nproc) cores, Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6)"
QT_QPA_PLATFORM=offscreen bench offscreen

if command -v Xvfb >/dev/null; then
  exec 3>"$WORK/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB_PID=$!
  exec 3>&-
  for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
  DISPLAY=":$(head -1 "$WORK/display")" QT_QPA_PLATFORM=xcb bench xcb
else
  echo "xcb         skipped: Xvfb is not installed"
fi
