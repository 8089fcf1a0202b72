#!/usr/bin/env bash
# Start-up as a user sees it: from just before exec to the first window exposed and painted, for the
# unchanged velmora executable (in a fresh program folder with the bundled data) and for a bare
# QsciScintilla program on the same Qt. Runs alternate between the two; medians are printed.
# Usage: bench/startup.sh [build folder] [runs of each]   (STARTUP_PLATFORM=offscreen: no Xvfb)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
reps=${2:-21}
platform=${STARTUP_PLATFORM:-xcb}

work=$(mktemp -d)
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# The program folder: config.ini is written beside the executable, so a fresh one each time.
mkdir "$work/program"
cp "$build/velmora" "$work/program/"
cp -r "$build/data" "$build/cmd" "$build/templates" "$work/program/"

# -noreset: a server whose last client has gone resets itself, and the next program's connection
# waits some 20 ms for it; a desktop's server never does, as its own clients stay connected.
if [ "$platform" = xcb ]; then
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$work/display")"
fi
export QT_QPA_PLATFORM="$platform" QT_PLUGIN_PATH="$build/bench/plugins" QT_QPA_GENERIC_PLUGINS=velmorastartupprobe
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One run: the probe prints two figures in ms: the application object made, and the window shown.
run() {
  (VELMORA_STARTUP_T0=$EPOCHREALTIME exec timeout 20 "$@" 2>/dev/null)
}

run "$work/program/velmora" >/dev/null; run "$build/bench/velmora_bare_editor" >/dev/null # disk caches
for _ in $(seq "$reps"); do
  run "$work/program/velmora" >>"$work/velmora"
  run "$build/bench/velmora_bare_editor" >>"$work/bare"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for who in velmora bare; do
  printf '%s %s %s\n' "$who" "$(cut -d' ' -f1 "$work/$who" | median)" "$(cut -d' ' -f2 "$work/$who" | median)"
done | awk -v reps="$reps" -v platform="$platform" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" '
  { app[$1] = $2; shown[$1] = $3 }
  END {
    printf "start-up, exec to the first painted window: %s, medians of %d runs, load %s\n", platform, reps, load
    printf "%-28s %12s %12s\n", "", "application", "window shown"
    printf "%-28s %9.1f ms %9.1f ms\n", "velmora", app["velmora"], shown["velmora"]
    printf "%-28s %9.1f ms %9.1f ms\n", "bare QsciScintilla window", app["bare"], shown["bare"]
    printf "ratio: %.2f (aim 1.3)\n", shown["velmora"] / shown["bare"]
  }'
