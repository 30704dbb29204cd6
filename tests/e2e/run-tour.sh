#!/usr/bin/env bash
# The tour of docs/tour.script on a fresh default volume (the sample databases), as
# `scripts/run --tour` shows it: it must run through and write its four screenshots.
# usage: run-tour.sh BIN_DIR
set -euo pipefail
bin=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-tour.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/home CE_RUNTIME_DIR=$work/run CE_DISPLAY=headless
unset CE_STORE
cd "$work"
CE_SCRIPT=$here/../../docs/tour.script "$bin/orvane" > screens.txt
for shot in catalogue record resort about; do
  [[ -s orvane-$shot.png ]] || { echo "the tour wrote no orvane-$shot.png" >&2; exit 1; }
done
grep -q "Contacts Database" screens.txt
grep -q "1.0, build 612001" screens.txt
echo "the tour ran through"
