#!/bin/sh
# Runs a test program on a virtual screen under a window manager, which
# frames windows and places them by their frames as desktops do.
set -eu
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    openbox &
    manager=$!
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        tries=$((tries + 1))
        [ $tries -lt 100 ] || { echo "the window manager did not start" >&2; exit 1; }
        sleep 0.1
    done
    status=0
    QT_QPA_PLATFORM=xcb "$@" || status=$?
    kill $manager
    exit $status' sh "$@"
