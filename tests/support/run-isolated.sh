#!/bin/sh
# Runs one program test in folders of its own, emptied first: a runtime folder (named
# mutexes, published windows), a data home (the default volume) and a working folder.
# Usage: run-isolated.sh FOLDER COMMAND [ARGUMENTS...]
set -eu
[ $# -ge 2 ] || { echo "usage: run-isolated.sh FOLDER COMMAND [ARGUMENTS...]" >&2; exit 2; }
folder=$1
shift
case $folder in ''|/) echo "run-isolated.sh: refusing to empty '$folder'" >&2; exit 2 ;; esac
rm -rf "$folder"
mkdir -p "$folder/home" "$folder/work"
mkdir -m 700 "$folder/run"
export CE_RUNTIME_DIR="$folder/run" XDG_DATA_HOME="$folder/home" CE_DISPLAY=headless
unset CE_STORE
cd "$folder/work"
exec "$@"
