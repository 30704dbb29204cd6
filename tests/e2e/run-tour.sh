#!/usr/bin/env bash
# The tour of docs/tour.script on a fresh default volume (the sample databases), as
# `scripts/run --tour` shows it, on both screens: 240 x 320 and 480 x 640. It must run through
# and write every screenshot. Given IMAGES_DIR, it copies them there: the README's pictures are
# made with `tests/e2e/run-tour.sh build/bin docs/images`.
# usage: run-tour.sh BIN_DIR [IMAGES_DIR]
set -euo pipefail
bin=$(cd "$1" && pwd)
images=${2:+$(cd "$2" && pwd)}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-tour.XXXXXX")
trap 'rm -rf "$work"' EXIT
shots=(catalogue record resort duplicates question about)

for screen in qvga vga; do
  mkdir -p "$work/$screen"
  cd "$work/$screen"
  XDG_DATA_HOME=$work/$screen/home CE_RUNTIME_DIR=$work/$screen/run CE_DISPLAY=headless CE_SCREEN=$screen \
    CE_SCRIPT=$here/../../docs/tour.script env -u CE_STORE "$bin/orvane" > screens.txt
  for shot in "${shots[@]}"; do
    [[ -s orvane-$shot.png ]] || { echo "the tour at $screen wrote no orvane-$shot.png" >&2; exit 1; }
  done
  grep -q "Contacts Database" screens.txt
  grep -q "duplicate(s) found:" screens.txt
  grep -q "1.0, build 612001" screens.txt
  if [[ -n $images ]]; then
    suffix=${screen/qvga/}
    for shot in "${shots[@]}"; do cp "orvane-$shot.png" "$images/orvane-$shot${suffix:+-$suffix}.png"; done
  fi
done
echo "the tour ran through at both screen sizes"
