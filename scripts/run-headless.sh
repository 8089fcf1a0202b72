#!/usr/bin/env bash
# Runs the editor on a virtual display when there is no real one, and says how to look at it.
set -euo pipefail
exe="$1"; shift
display=":$(( 90 + RANDOM % 100 ))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
echo "No display: Velmora runs on the virtual display $display (Xvfb)."
echo "  See it:   DISPLAY=$display x11vnc -localhost, then a VNC viewer on localhost:5900,"
echo "            or a picture: xwd -root -display $display | convert xwd:- shot.png"
echo "  Stop it:  Ctrl+C here."
DISPLAY="$display" "$exe" "$@"
