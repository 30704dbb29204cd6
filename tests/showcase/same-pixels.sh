#!/usr/bin/env bash
# The showcase draws the same pixels in a desktop window (SDL's dummy driver) as headless.
# usage: same-pixels.sh SHOWCASE SCRATCH_DIR
set -euo pipefail
showcase=$1
dir=$2
mkdir -p "$dir"
cd "$dir"
script=$(dirname "$0")/../../tools/showcase/docs-screenshot.script
[[ $script = /* ]] || script=$OLDPWD/$script

shoot() {  # $1: presenter, $2: file
  mkdir -p "$1"
  (cd "$1" && CE_DISPLAY=$1 SDL_VIDEODRIVER=dummy CE_SCRIPT=$script "$showcase")
}

# The navigation bar's clock may turn between the two runs: try twice.
for attempt in 1 2; do
  shoot headless
  shoot sdl
  same=yes
  for shot in headless/*.png; do
    cmp -s "$shot" "sdl/${shot#headless/}" || same=no
  done
  if [[ $same = yes ]]; then
    echo "same pixels under both presenters"
    exit 0
  fi
done
echo "the sdl presenter's screen differs from the headless one" >&2
exit 1
