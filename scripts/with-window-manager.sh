#!/usr/bin/env bash
# Runs a command on a virtual 1366 x 768 screen of its own with a small window manager (openbox), as a pupil's
# desktop would have one; exits 77 (a skip for CTest) when Xvfb or openbox is not installed.
# Several of these may start at once (tests run side by side, several builds on one machine): the X server picks
# a free display number itself and says which once it accepts connections, so two never race for one number.
set -uo pipefail
if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  echo "Xvfb or openbox is not installed: the test under a window manager is skipped."
  exit 77
fi
work=$(mktemp -d)
xvfb=""
wm=""
stop() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT

# Xvfb writes the display number it took to the pipe when it is ready; when it fails to start, the pipe closes
# with nothing written.
mkfifo "$work/display" "$work/wm-ready"
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
number=""
read -r -t 60 number <"$work/display"
if [ -z "$number" ]; then
  echo "The virtual screen did not start:"
  cat "$work/xvfb.log"
  exit 1
fi
display=":$number"

# Openbox runs its start-up command once it manages the screen's windows; the command says so on the pipe.
# The bound only turns a window manager that never comes up into a failure instead of a hung test.
DISPLAY="$display" openbox --startup "sh -c 'echo ready >$work/wm-ready'" >"$work/openbox.log" 2>&1 &
wm=$!
exec 4<>"$work/wm-ready"
if ! read -r -t 60 -u 4 _; then
  echo "The window manager did not start on $display:"
  cat "$work/openbox.log"
  exit 1
fi
exec 4<&-

DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@"
status=$?
exit "$status"
