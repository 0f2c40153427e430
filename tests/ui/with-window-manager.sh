#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private X server (Xvfb) under the twm window manager,
# the closest this machine comes to a user's desktop.
set -euo pipefail
work=$(mktemp -d)
# twm's own fonts ("variable") come with font packages a fresh machine lacks;
# "fixed" is built into every X server.
cat >"$work/twmrc" <<'TWMRC'
RandomPlacement
UsePPosition "on"
NoTitleFocus
TitleFont "fixed"
ResizeFont "fixed"
MenuFont "fixed"
IconFont "fixed"
IconManagerFont "fixed"
TWMRC
exec {displayfd}>"$work/display"
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
# The display is named a moment before it always takes clients: wait until it does.
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
twm -f "$work/twmrc" >"$work/twm.log" 2>&1 &
wm=$!
# twm manages the screen once it has made its own windows on the root.
for _ in $(seq 100); do
  kill -0 "$wm" 2>/dev/null || { echo "twm did not start on $DISPLAY:"; cat "$work/twm.log" "$work/xvfb.log"; exit 1; }
  [ "$(xwininfo -root -children | grep -c '^ *0x')" -gt 0 ] && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
