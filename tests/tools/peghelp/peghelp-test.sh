#!/bin/sh
# peghelp without a desktop, or headless beside one: prints a topic's section as text (the
# program's own Orvane.htm too, and past attributes as long as an inline picture), refuses odd
# names (exit 2), reports a usage error or a missing file or topic on one line (exit 1); with a
# desktop, hands the browser a file URL whose path is percent-encoded.
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

for args in '' 'help.htm#top help.htm#other'; do
    # shellcheck disable=SC2086  # the arguments split on purpose
    "$peghelp" $args 2>/dev/null; code=$?
    [ $code -eq 1 ] || fail "usage error ($args) gave $code"
done

scratch=$(mktemp -d) || fail "no scratch folder"
trap 'rm -rf "$scratch"' EXIT

# A 50 KB attribute (an inline picture) before the topic is scanned past, not choked on.
picture=$(head -c 51200 /dev/zero | tr '\0' 'A')
printf '<html><body><p><img src="data:image/png;base64,%s" alt="x"></p>\n<h2 id="after">After</h2><p>Found it.</p></body></html>\n' \
    "$picture" > "$scratch/big.htm"
out=$(CE_HELP_DIR="$scratch" "$peghelp" 'big.htm#after') || fail "big attribute exit $?"
[ "$out" = 'After
Found it.' ] || fail "big attribute printed: $out"

# With a desktop, the browser gets the file's URL: a folder named "help dir#x" is part of its
# path, percent-encoded, and only the topic follows the '#'.
mkdir "$scratch/help dir#x" "$scratch/bin" && cp "$here/help.htm" "$scratch/help dir#x/" || fail "no help folder"
printf '#!/bin/sh\nprintf "%%s" "$1" > "%s/url"\n' "$scratch" > "$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
CE_HELP_DIR="$scratch/help dir#x" DISPLAY=:0 PATH="$scratch/bin:$PATH" "$peghelp" 'help.htm#tip' || fail "browser exit $?"
url=$(cat "$scratch/url")
case "$url" in
    file:///*/help%20dir%23x/help.htm\#tip) ;;
    *) fail "browser was given $url" ;;
esac

# A headless run prints even with a desktop at hand: the browser opener must never run.
printf '#!/bin/sh\ntouch "%s/opened"\n' "$scratch" > "$scratch/xdg-open"
chmod +x "$scratch/xdg-open"
out=$(CE_DISPLAY=headless DISPLAY=:0 PATH="$scratch:$PATH" "$peghelp" 'help.htm#tip') || fail "headless exit $?"
[ ! -e "$scratch/opened" ] || fail "headless run opened a browser"
echo "$out" | grep -q 'hold the stylus' || fail "headless run printed: $out"
echo ok
