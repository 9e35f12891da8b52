#!/bin/sh
# The program itself against hostile files, in a scratch folder: a script that is a folder is
# refused by name with a non-zero exit; a settings.ini that is a FIFO neither holds up the start
# nor is replaced; a stored window size no screen can show starts a window that fits the screen.
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() {
    echo "hostile_files: $*" >&2
    exit 1
}

mkdir folder
if out=$("$program" --headless --script folder 2>&1); then fail "a folder ran as a script"; fi
case $out in
*"'folder' is a folder"*) ;;
*) fail "no clear message for a folder script: $out" ;;
esac

mkfifo settings.ini
printf 'expect component=Form1 Sectw == 10\nquit\n' >start.script
"$program" --headless --script start.script || fail "the start with a FIFO settings.ini failed"
[ -p settings.ini ] || fail "settings.ini is no longer the FIFO"
rm settings.ini

printf '[settings]\r\nsavesize=1\r\nsavepos=1\r\n[global]\r\nform_width=99999999\r\nform_height=20000\r\nform_left=-99999\r\n' >settings.ini
printf 'expect component=Form1 width < 1281\nexpect component=Form1 height < 1025\nexpect component=Form1 left > -1\nquit\n' >huge.script
"$program" --headless --screen 1280x1024 --script huge.script || fail "a huge stored window size broke the start"
