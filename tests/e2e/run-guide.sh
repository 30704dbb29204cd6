#!/usr/bin/env bash
# The session of docs/user-guide.md: a volume made by `cedb import docs/guide.json`, Orvane
# driven by docs/guide.script, then the copies must be gone and the originals left. Given
# IMAGES_DIR, it copies the screenshots there: `tests/e2e/run-guide.sh build/bin docs/images`.
# usage: run-guide.sh BIN_DIR [IMAGES_DIR]
set -euo pipefail
bin=$(cd "$1" && pwd)
images=${2:+$(cd "$2" && pwd)}
docs=$(cd "$(dirname "$0")/../../docs" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-guide.XXXXXX")
trap 'rm -rf "$work"' EXIT
export CE_STORE=$work/guide.vol CE_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/home CE_DISPLAY=headless
cd "$work"
"$bin/cedb" import "$docs/guide.json" > /dev/null
CE_SCRIPT=$docs/guide.script "$bin/orvane"
names=$("$bin/cedb" show Contacts | awk '$1 == "0x3a06001f" { $1 = $2 = ""; print substr($0, 3) }' | sort | paste -sd,)
[[ $names == "Ava Lopez,Ben Okafor,Chloe Martin,Dan Weber,Eva Rossi" ]] || { echo "left in Contacts: $names" >&2; exit 1; }
shots=(guide-*.png)
[[ ${#shots[@]} == 8 ]] || { echo "the guide wrote ${#shots[@]} screenshots, not 8" >&2; exit 1; }
[[ -z $images ]] || cp "${shots[@]}" "$images/"
echo "the guide's session ran through"
