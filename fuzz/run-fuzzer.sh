#!/usr/bin/env bash
# Runs one fuzzer briefly, as its test: its seeds, then RUNS new inputs (at most 12 s).
# usage: run-fuzzer.sh FUZZER WORK_DIR RUNS CORPUS_DIR...
# New inputs and any crashing input land in WORK_DIR, never in the checked-in corpus.
set -euo pipefail
fuzzer=$1 work=$2 runs=$3
shift 3
rm -rf "$work/corpus"
mkdir -p "$work/corpus"
dirs=()
for dir in "$@"; do [[ -d $dir ]] && dirs+=("$dir"); done
exec "$fuzzer" -runs="$runs" -max_total_time=12 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" "${dirs[@]}"
