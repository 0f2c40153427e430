#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) under the twm window manager,
# the closest this machine comes to a user's desktop.
set -euo pipefail
work=$(mktemp -d)
printf 'RandomPlacement\nUsePPosition "on"\nNoTitleFocus\n' >"$work/twmrc"
exec {displayfd}>"$work/display"
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
twm -f "$work/twmrc" >/dev/null 2>&1 &
wm=$!
sleep 0.5
QT_QPA_PLATFORM=xcb "$@"
