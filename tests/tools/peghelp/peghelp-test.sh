#!/bin/sh
# peghelp without a desktop, or headless beside one: prints a topic's section as text (the
# program's own Orvane.htm too), refuses odd names (exit 2), reports a missing file or topic on
# one line (exit 1).
# Usage: peghelp-test.sh PEGHELP
set -u
peghelp=$1
here=$(dirname "$0")
unset DISPLAY WAYLAND_DISPLAY CE_DISPLAY
export CE_HELP_DIR="$here"
fail() { echo "FAIL: $*"; exit 1; }

out=$("$peghelp" 'help.htm#open_db') || fail "open_db exit $?"
expected='Opening a database
Tap a database & its records appear <sorted>.
Sorting
Sort by a column!'
[ "$out" = "$expected" ] || fail "open_db printed: $out"

out=$("$peghelp" 'help.htm#tip') || fail "tip exit $?"
echo "$out" | grep -q 'hold the stylus' || fail "tip printed: $out"

# The program's own help: each screen's topic prints from its heading to the next topic.
for topic in 'database_list:The database list' 'prop_list:The record view' 'dup_list:The duplicate list'; do
    out=$(CE_HELP_DIR="$here/../../../docs" "$peghelp" "Orvane.htm#${topic%%:*}") || fail "${topic%%:*} exit $?"
    [ "$(echo "$out" | head -n 1)" = "${topic#*:}" ] || fail "${topic%%:*} begins: $(echo "$out" | head -n 1)"
    [ "$(echo "$out" | grep -c '^F1 opens this help')" -eq 1 ] || fail "${topic%%:*} printed: $out"
done

"$peghelp" 'help.htm#nothing' 2>/dev/null; [ $? -eq 1 ] || fail "missing topic"
"$peghelp" 'absent.htm#top' 2>/dev/null; [ $? -eq 1 ] || fail "missing file"
for odd in '../help.htm#top' 'help.htm#a;touch x' 'help.htm#$(id)' 'help htm#top'; do
    err=$("$peghelp" "$odd" 2>&1); code=$?
    [ $code -eq 2 ] || fail "odd name $odd gave $code"
    echo "$err" | grep -q refused || fail "odd name $odd said: $err"
done

# A headless run prints even with a desktop at hand: the browser opener must never run.
scratch=$(mktemp -d) || fail "no scratch folder"
trap 'rm -rf "$scratch"' EXIT
printf '#!/bin/sh\ntouch "%s/opened"\n' "$scratch" > "$scratch/xdg-open"
chmod +x "$scratch/xdg-open"
out=$(CE_DISPLAY=headless DISPLAY=:0 PATH="$scratch:$PATH" "$peghelp" 'help.htm#tip') || fail "headless exit $?"
[ ! -e "$scratch/opened" ] || fail "headless run opened a browser"
echo "$out" | grep -q 'hold the stylus' || fail "headless run printed: $out"
echo ok
