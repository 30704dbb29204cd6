#!/usr/bin/env bash
# The volume fuzzer's seeds: base.json's volume and each crafted case applied to a copy.
# usage: make-volume-seeds.sh CEDB CRAFTED_DIR OUT_DIR
set -euo pipefail
cedb=$1 crafted=$2 out=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-seeds.XXXXXX")
trap 'rm -rf "$work"' EXIT
export CE_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/home
unset CE_STORE
mkdir -p "$work/run" "$work/home" "$out" && chmod 700 "$work/run"
"$cedb" --store "$work/base.vol" import "$crafted/base.json" >/dev/null
# A seed is the volume file alone: its log is folded in first.
sqlite3 "$work/base.vol" "PRAGMA wal_checkpoint(TRUNCATE); PRAGMA journal_mode=DELETE;" >/dev/null
cp "$work/base.vol" "$out/base.vol"
for sql in "$crafted"/*.sql; do
    case=$(basename "$sql" .sql)
    cp "$work/base.vol" "$work/$case.vol"
    sqlite3 -bail "$work/$case.vol" <"$sql" >/dev/null
    cp "$work/$case.vol" "$out/$case.vol"
done
echo "$(ls "$out" | wc -l) volume seeds in $out"
