#!/bin/sh
# crashcheck finds a change reported done that is not on the volume; --check finds a volume
# whose databases' information no longer agrees with their records, and one SQLite finds
# damaged, after a run that left it sound.
# usage: finds-damage.sh BIN_DIR
set -u
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
volume=$PWD/damage.vol
fail() { echo "FAILED: $1"; exit 1; }

"$bin/crashcheck" --kills 3 --seed 7 --volume "$volume" > run.log || { cat run.log; fail "the run itself"; }
"$bin/crashcheck" --check "$volume" > check.log || { cat check.log; fail "a sound volume refused"; }

"$bin/crashcheck" --kills 1 --max-delay 1000 --seed 2 --volume "$PWD/lie.vol" --writer-program "$here/lying-writer.sh" > lie.log &&
  fail "a change reported and never made passed"
grep -q "lost: database 999 (DbNeverMade) is missing" lie.log && grep -q "changes lost 1," lie.log ||
  { cat lie.log; fail "the lost change not named"; }

sqlite3 "$volume" "UPDATE databases SET size = size + 1 WHERE oid = (SELECT min(oid) FROM databases)"
"$bin/crashcheck" --check "$volume" > check.log && fail "a wrong size passed"
grep -q "bytes, its records use" check.log || { cat check.log; fail "the wrong size not named"; }

# Garbage over the record index's root page, with everything checkpointed into the file first.
sqlite3 "$volume" "UPDATE databases SET size = size - 1 WHERE oid = (SELECT min(oid) FROM databases);
                   PRAGMA wal_checkpoint(TRUNCATE)" > /dev/null
page=$(sqlite3 "$volume" "PRAGMA page_size")
root=$(sqlite3 "$volume" "SELECT rootpage FROM sqlite_schema WHERE name = 'records_by_database'")
head -c "$page" /dev/zero | tr '\0' '\377' | dd of="$volume" bs="$page" seek=$((root - 1)) conv=notrunc status=none
"$bin/crashcheck" --check "$volume" > check.log && fail "a damaged file passed"
grep -q "integrity check" check.log || { cat check.log; fail "the damage not found by the integrity check"; }
echo "ok"
