#!/usr/bin/env bash
# One hostile environment for Orvane and cedb: the case sets it up, runs the real programs in
# it, and checks that each refusal is one line on stderr naming the file and the reason, with
# a defined exit code, and that no file changed.
# usage: run-case.sh BIN_DIR CASE
#   cases/CASE.sh defines run_case; it may set MOUNTS=yes first, to be run in a mount
#   namespace of its own where it may mount file systems (fresh_mount).
# Exit codes: 0 passed, 1 failed, 77 skipped (the environment cannot be made here; it says why).
set -euo pipefail
bin=$(cd "$1" && pwd)
case_name=$2
here=$(cd "$(dirname "$0")" && pwd)

fail() { echo "hostile $case_name: FAILED: $*" >&2; exit 1; }
skip() { echo "hostile $case_name: SKIPPED: $*"; exit 77; }

MOUNTS=no
source "$here/cases/$case_name.sh"

# A case that mounts runs in a mount namespace of its own, so that nothing it mounts is seen
# outside and everything goes when it ends: as root `unshare -m`, else as the user's own root
# in a user namespace (`unshare -r -m`).
if [[ $MOUNTS == yes && -z ${HOSTILE_IN_NAMESPACE:-} ]]; then
  flags=(-m)
  [[ $(id -u) == 0 ]] || flags=(-r -m)
  command -v unshare >/dev/null || skip "no unshare command: cannot make a mount namespace"
  unshare "${flags[@]}" true 2>/dev/null || skip "unshare ${flags[*]} is not allowed here: no mount namespace"
  HOSTILE_IN_NAMESPACE=1 exec unshare "${flags[@]}" -- "$0" "$@"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-hostile.XXXXXX")
mounts=()
cleanup() {
  local m
  for m in "${mounts[@]}"; do umount -l "$m" 2>/dev/null || true; done
  chmod -R u+rwx "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A folder of its own for everything the programs touch.
mkdir -m 700 "$work/run"
export CE_RUNTIME_DIR=$work/run
export CE_DISPLAY=headless
export XDG_DATA_HOME=$work/data
unset CE_STORE CE_SCRIPT CE_SCREEN DISPLAY WAYLAND_DISPLAY
cd "$work"

# fresh_mount DIR [OPTIONS]: a tmpfs at DIR (made if missing), gone when the case ends.
fresh_mount() {
  mkdir -p "$1"
  mount -t tmpfs -o "mode=700${2:+,$2}" tmpfs "$1" 2>"$work/mount.err" ||
    skip "cannot mount a tmpfs in the namespace: $(cat "$work/mount.err")"
  mounts+=("$1")
}
read_only() {
  mount -t tmpfs -o remount,ro tmpfs "$1" 2>"$work/mount.err" || skip "cannot remount $1 read-only: $(cat "$work/mount.err")"
}

# snapshot DIR [NAME...]: every file under DIR with its size, checksum and modification time,
# sorted; files whose names match a NAME pattern are left out.
snapshot() {
  local dir=$1 skip=() pattern
  shift
  for pattern in "$@"; do skip+=(! -name "$pattern"); done
  (cd "$dir" && find . -type f "${skip[@]}" -printf '%p %s %T@\n' | sort | while read -r name size time; do
    echo "$name $size $time $(sha256sum < "$name" | cut -c1-64)"
  done)
}
# unchanged DIR BEFORE WHAT [NAME...]: fails when DIR no longer matches the snapshot BEFORE
# (taken with the same NAMEs left out).
unchanged() {
  local now
  now=$(snapshot "$1" "${@:4}")
  [[ $now == "$2" ]] || fail "$3 changed the files in $1:"$'\n'"$(diff <(echo "$2") <(echo "$now") || true)"
}

# run PROGRAM ARGS...: runs build/bin/PROGRAM; its exit code in $status, output in out, err.
run() {
  status=0
  "$bin/$1" "${@:2}" > "$work/out" 2> "$work/err" || status=$?
}
# refused CODE TEXT...: the last run ended with CODE and said on stderr exactly one line that
# holds every TEXT.
refused() {
  local code=$1 text lines
  shift
  lines=$(wc -l < "$work/err")
  [[ $status == "$code" ]] || fail "exit code $status, expected $code; stderr: $(cat "$work/err")"
  [[ $lines == 1 ]] || fail "$lines lines on stderr, expected one:"$'\n'"$(cat "$work/err")"
  for text in "$@"; do
    grep -qF -- "$text" "$work/err" || fail "stderr lacks \"$text\": $(cat "$work/err")"
  done
}
# says_not TEXT...: the last run's stderr holds none of the TEXTs.
says_not() {
  local text
  for text in "$@"; do
    ! grep -qiF -- "$text" "$work/err" || fail "stderr says \"$text\": $(cat "$work/err")"
  done
}
# orvane SCRIPT_LINES: runs Orvane headless under a script of these lines.
orvane() {
  printf '%s\n' "$@" > "$work/orvane.script"
  CE_SCRIPT=$work/orvane.script run orvane
}

run_case
echo "hostile $case_name: passed"
