#!/usr/bin/env bash
# Runs the editor on a virtual display when there is no real one, and says how to look at it.
set -euo pipefail
exe="$1"; shift
display=":$(( 90 + RANDOM % 100 ))"

# The display runs in a session of its own, so that Ctrl+C in the terminal does not take it away
# under the editor: the editor goes first, then the display, and Ctrl+C counts as a clean end.
setsid Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
editor=
stop() {
  if [ -n "$editor" ]; then
    kill "$editor" 2>/dev/null || true
    wait "$editor" 2>/dev/null || true
    editor=
  fi
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap 'stop; exit 0' INT TERM
trap stop EXIT

sleep 1
echo "No display: Velmora runs on the virtual display $display (Xvfb)."
echo "  See it:   x11vnc -display $display -localhost -forever, then a VNC viewer on localhost:5900."
echo "  Stop it:  Ctrl+C here."
# In the background the editor ignores Ctrl+C; the trap above ends it.
DISPLAY="$display" "$exe" "$@" &
editor=$!
status=0
wait "$editor" || status=$?
editor=
exit "$status"
