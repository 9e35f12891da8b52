#!/bin/sh
# The settings round trip of the program itself: a first run changes every setting of the settings
# dialog and the main window and closes; a second run in the same folder finds every value back
# in the controls and in effect, and leaves the file as it found it. The settings.ini and the
# screenshots are kept in the output folder.
set -u
program=$1
scripts=$2
out=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() {
    echo "settings_round_trip: $*" >&2
    exit 1
}

"$program" --headless --seed 42 --script "$scripts/settings_change.script" || fail "the changing run failed"
[ -f settings.ini ] || fail "the changing run left no settings.ini"
cp settings.ini written.ini
"$program" --headless --seed 43 --script "$scripts/settings_restored.script" || fail "the restoring run failed"
cmp -s written.ini settings.ini || fail "the restoring run changed settings.ini"
mkdir -p "$out"
cp settings.ini "$out/settings.ini"
cp ./*.png "$out/"
