#!/bin/sh
# Idle CPU of the desktop demo (two windows, one 1000 ms timer) under Xvfb, measured by the
# program itself over 5 s after start-up; fails when it reaches the budget of 0.5 % of a core.
# usage: bench/sdl_idle.sh PATH/TO/sdl_demo
set -eu
demo="$1"
line=$(xvfb-run -a -s "-screen 0 1024x768x24" "$demo" --measure-idle 5)
echo "$line"
percent=$(echo "$line" | sed -n 's/.*idle CPU \([0-9.]*\) %.*/\1/p')
[ -n "$percent" ] || { echo "sdl_idle: no measurement" >&2; exit 1; }
awk -v p="$percent" 'BEGIN { if (p >= 0.5) { print "sdl_idle: over the 0.5 % budget"; exit 1 } }'
