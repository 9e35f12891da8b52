#!/bin/sh
# Runs a program on the X display of the environment with a compositing manager (xcompmgr)
# running beside it, so that windows are blended by their alpha; the program's exit code is kept.
set -u
xcompmgr &
manager=$!
sleep 1
if ! kill -0 "$manager" 2>/dev/null; then
    echo "with_compositor.sh: the compositing manager did not start" >&2
    exit 1
fi
"$@"
status=$?
kill "$manager" 2>/dev/null
wait "$manager" 2>/dev/null
exit "$status"
