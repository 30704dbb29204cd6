#!/usr/bin/env bash
# Orvane in its desktop window, as a user with a mouse and keyboard meets it: a real X server
# (Xvfb), no CE_DISPLAY, and input sent by xdotool through the X server, not by a script.
# The user deletes the Notes database (tap, Delete DB, Yes) and quits with Ctrl+Q: the program
# must exit with 0 and Notes be gone.
# usage: run-desktop.sh BIN_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-desktop.XXXXXX")
export CE_STORE=$work/store.vol CE_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/home
unset CE_DISPLAY CE_SCRIPT CE_SCREEN WAYLAND_DISPLAY
export CE_SCALE=2
server=
cleanup() { [[ -z $server ]] || kill "$server" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "desktop: $*" >&2; exit 1; }
cd "$work"
"$bin/cedb" import "$here/fixture.json" > /dev/null

# Where the texts are, in screen pixels, from a headless run of the same screens.
printf 'click Notes\ntext first.txt\nclick Delete DB\ntext question.txt\nkey RETURN\nkey CTRL+Q\n' > where.script
CE_STORE=$work/where.vol "$bin/cedb" import "$here/fixture.json" > /dev/null
CE_STORE=$work/where.vol CE_DISPLAY=headless CE_SCRIPT=where.script "$bin/orvane" > /dev/null 2>&1 ||
  fail "the headless run could not find its way"
centre() {  # FILE TEXT: "X Y" of the text's centre, in window pixels
  awk -F'\t' -v text="$2" -v scale="$CE_SCALE" '$2 == text { split($1, r, ", ");
    print int((r[1] + r[3] / 2) * scale), int((r[2] + r[4] / 2) * scale); exit }' "$1"
}
notes=$(centre first.txt Notes); delete=$(centre first.txt "Delete DB"); yes=$(centre question.txt Yes)
[[ -n $notes && -n $delete && -n $yes ]] || fail "could not find Notes, Delete DB and Yes on the screens"

exec 5> display.txt
Xvfb -displayfd 5 -screen 0 800x800x24 -nolisten tcp > xvfb.log 2>&1 &
server=$!
exec 5>&-
for _ in $(seq 100); do [[ -s display.txt ]] && break; sleep 0.1; done
[[ -s display.txt ]] || fail "Xvfb did not start: $(cat xvfb.log)"
export DISPLAY=:$(head -1 display.txt)

# The desktop's own libraries (D-Bus, the drivers SDL loads and unloads) keep memory for the
# life of the process, out of our reach: the leak check of this one run is off. Every headless
# run checks our own code for leaks.
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 "$bin/orvane" > orvane.log 2>&1 &
program=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvane$' | head -1) || fail "no Orvane window appeared"
tap() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.7; }
sleep 1
tap $notes
tap $delete
tap $yes
xdotool key ctrl+q
status=0
timeout 20 tail --pid="$program" -f /dev/null || fail "Orvane did not end after Ctrl+Q"
wait "$program" || status=$?
[[ $status == 0 ]] || fail "exit code $status, expected 0: $(cat orvane.log)"
"$bin/cedb" list | cut -f2 | grep -qx Notes && fail "Notes is still there"
"$bin/cedb" list | cut -f2 | grep -qx Parts || fail "Parts is gone"
echo "desktop: the window took the clicks and the key"
