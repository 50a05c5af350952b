#!/usr/bin/env bash
# Runs a command on a virtual 1366 x 768 screen of its own with a small window manager (openbox), as a pupil's
# desktop would have one; exits 77 (a skip for CTest) when Xvfb or openbox is not installed.
set -uo pipefail
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  echo "Xvfb or openbox is not installed: the test under a window manager is skipped."
  exit 77
fi
display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free display number"; exit 1; }
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY="$display" openbox >/dev/null 2>&1 &
wm=$!
# The window manager is ready once it has announced itself on the root window.
for _ in $(seq 100); do
  DISPLAY="$display" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@"
