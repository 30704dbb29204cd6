#!/usr/bin/env bash
# Hostile volumes: cedb must refuse each with exit code 2 and one line on standard error
# naming the fault, never crash or hang, and leave the file byte for byte as it was.
# usage: run-crafted.sh BIN_DIR CRAFTED_DIR
#   CRAFTED_DIR/base.json  the volume every case starts from (cedb import)
#   CRAFTED_DIR/NAME.sql   one case: SQL the sqlite3 shell runs on a copy of it. Line 1 is
#                          "-- expect: TEXT" (a substring of the error line); an optional
#                          line 2 "-- commands: list show export put" picks the commands
#                          (default list|show|export). show and put use the "Contacts" database.
# A FIFO and a folder given as the volume are tried too: refused at once, not read.
set -uo pipefail
bin=$1
here=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-crafted.XXXXXX")
trap 'rm -rf "$work"' EXIT
export CE_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/home
unset CE_STORE
failures=0

problem() {
    echo "FAIL $1: $2" >&2
    failures=$((failures + 1))
}

arguments_of() {
    case $1 in
    list) echo list ;;
    show) echo show Contacts ;;
    export) echo export ;;
    put) echo put Contacts 0x4001001f=Intruder ;;
    *) return 1 ;;
    esac
}

# checks one command on one volume: exit code 2, one error line holding TEXT, file unchanged.
try() {
    local case=$1 volume=$2 command=$3 expect=$4 before=$5
    local args rc lines
    args=$(arguments_of "$command") || { problem "$case" "unknown command '$command'"; return; }
    # shellcheck disable=SC2086 # the arguments are words
    timeout 20 "$bin/cedb" --store "$volume" $args >"$work/out" 2>"$work/err"
    rc=$?
    lines=$(wc -l <"$work/err")
    if [[ $rc == 124 ]]; then
        problem "$case" "cedb $command hung"
    elif [[ $rc != 2 ]]; then
        problem "$case" "cedb $command exited $rc, expected 2: $(head -c 400 "$work/err")"
    elif [[ $lines != 1 ]]; then
        problem "$case" "cedb $command wrote $lines lines on standard error: $(head -c 400 "$work/err")"
    elif ! grep -qF -- "$expect" "$work/err"; then
        problem "$case" "cedb $command said '$(cat "$work/err")', expected it to hold '$expect'"
    fi
    [[ $(checksum "$volume") == "$before" ]] || problem "$case" "cedb $command changed the volume"
}

checksum() {
    if [[ -f $1 ]]; then sha256sum <"$1"; else stat -c '%F %s %Y' "$1"; fi
}

mkdir -p "$work/run" "$work/home" && chmod 700 "$work/run"
"$bin/cedb" --store "$work/base.vol" import "$here/base.json" >/dev/null || { echo "cannot import base.json" >&2; exit 1; }

cases=0
for sql in "$here"/*.sql; do
    [[ -e $sql ]] || continue
    case=$(basename "$sql" .sql)
    cases=$((cases + 1))
    expect=$(sed -n '1s/^-- expect: //p' "$sql")
    [[ -n $expect ]] || { problem "$case" "line 1 is not '-- expect: TEXT'"; continue; }
    commands=$(sed -n '2s/^-- commands: //p' "$sql")
    volume=$work/$case.vol
    cp "$work/base.vol" "$volume"
    sqlite3 -bail "$volume" <"$sql" || { problem "$case" "the SQL failed"; continue; }
    before=$(checksum "$volume")
    IFS='| ' read -ra list <<<"${commands:-list show export}"
    for command in "${list[@]}"; do try "$case" "$volume" "$command" "$expect" "$before"; done
done

# Not files: a FIFO would block a plain open and read, a folder is no volume either.
mkfifo "$work/fifo.vol"
mkdir "$work/folder.vol"
for special in fifo folder; do
    cases=$((cases + 1))
    before=$(checksum "$work/$special.vol")
    for command in list show export put; do
        try "$special" "$work/$special.vol" "$command" "not a regular file" "$before"
    done
done

echo "$cases crafted volumes, $failures failures"
[[ $failures == 0 ]]
