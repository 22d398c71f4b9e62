#!/usr/bin/env bash
# Runs a command on a display of its own: a fresh Xvfb server with openbox as window manager (without one, X gives
# no window the focus back after a dialog closes). Both are stopped again when the command ends.
#   with-xvfb.sh COMMAND [ARGS...]
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display <"$fifo"
rm -f "$fifo"
export DISPLAY=":$display"
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
wm_pid=$!
cleanup() {
    kill "$wm_pid" "$xvfb_pid" 2>/dev/null || true
    wait "$wm_pid" "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
sleep 0.5
"$@"
