#!/usr/bin/env bash
# livelist as its user meets it: a list of a database on the screen follows records that
# another program adds and deletes, filtered and not, with no refresh; afterwards what it
# showed is what the store holds.
# usage: follows-other-programs.sh BIN_DIR
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/livelist.XXXXXX")
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export CE_STORE=$work/store.vol CE_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/home CE_DISPLAY=headless
cedb() { "$bin/cedb" "$@"; }
fail() { echo "livelist: $*" >&2; exit 1; }
cd "$work"

cedb create Parts --sort 0x0001001f:nocase --sort 0x00020003 >/dev/null
for part in Bolt:5 Nut:12 Screw:40 Washer:5; do
  cedb put Parts 0x0001001f="${part%%:*}" 0x00020003="${part##*:}" > "oid-${part%%:*}"
done

# The other program: each step waits for the screen the script saved before it.
step() { for _ in $(seq 300); do [[ -s $1 ]] && return 0; sleep 0.1; done; return 1; }
( step shown.txt && cedb put Parts 0x0001001f=Anchor 0x00020003=1 >/dev/null &&
    cedb put Parts 0x0001001f=Gear 0x00020003=9 >/dev/null && cedb rm Parts "$(cat oid-Nut)" &&
  step filtered.txt && cedb put Parts 0x0001001f=Clamp 0x00020003=2 >/dev/null &&
    cedb rm Parts "$(cat oid-Bolt)" && echo done > other.txt ) > other.log 2>&1 &

status=0
CE_SCRIPT=$here/follows-other-programs.script "$bin/livelist" --filter B S Parts 0x0001001f > out.txt 2>&1 ||
  status=$?
[[ $status == 0 ]] || fail "exit code $status: $(cat out.txt)"
wait
grep -q done other.txt || fail "the other program failed: $(cat other.log)"
# The last screen lists exactly the store's names, in order.
shown=$(cut -f2 all.txt | grep -xE 'Anchor|Bolt|Clamp|Gear|Nut|Screw|Washer' | tr '\n' ' ')
stored=$(cedb show Parts --sort 0x0001001f | sed -n 's/^  0x0001001f LPWSTR //p' | tr '\n' ' ')
[[ $shown == "$stored" ]] || fail "shown: $shown; stored: $stored"
echo "livelist follows other programs: passed"
