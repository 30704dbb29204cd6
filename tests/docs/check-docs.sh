#!/usr/bin/env bash
# Follows README.md and docs/*.md as a reader would: runs every fenced ```sh block and every
# script they show, in order, in a scratch copy of the docs with private folders, headless.
# usage: check-docs.sh SOURCE_DIR BIN_DIR [FOLDER]
#
# A block is run as it stands, from the top of the copy (build/bin holds the built programs,
# which are also on PATH); a comment on the line before its opening fence changes that:
#   <!-- docs-check: skip REASON -->          not run (it installs packages, builds, ...)
#   <!-- docs-check: desktop -->              run with an SDL window that no one sees; each
#                                             program started is quit at once with Ctrl+Q
#   <!-- docs-check: script PROGRAM [exits N] -->  the block is a script for build/bin/PROGRAM,
#                                             run through CE_SCRIPT; it must end with code N (0)
#   <!-- docs-check: file NAME -->            the block is saved as NAME for the blocks after it
# Other fences (output, data, code) are not run, but each must name its language, and no
# command may hide in an indented block. Every picture in docs/images must be made again
# by the commands. FOLDER (emptied first, kept afterwards) holds the run; by default a
# temporary folder, removed when everything passed.
set -uo pipefail

[[ $# -ge 2 ]] || { echo "usage: check-docs.sh SOURCE_DIR BIN_DIR [FOLDER]" >&2; exit 2; }
src=$(cd "$1" && pwd) || exit 2
bin=$(cd "$2" && pwd) || exit 2
if [[ $# -ge 3 ]]; then
  case $3 in '' | /) echo "check-docs.sh: refusing to empty '$3'" >&2; exit 2 ;; esac
  rm -rf "$3" && mkdir -p "$3" || exit 2
  folder=$(cd "$3" && pwd)
  keep=yes
else
  folder=$(mktemp -d "${TMPDIR:-/tmp}/docs-check.XXXXXX") || exit 2
  keep=no
fi

repo=$folder/repo
mkdir -p "$repo/build" "$folder/home" "$folder/tmp" "$folder/scripts"
mkdir -m 700 "$folder/run"
cp "$src/README.md" "$repo/"
cp -r "$src/docs" "$src/tools" "$repo/"
# The runs that make the program's pictures live with its end-to-end tests.
mkdir -p "$repo/tests" && cp -r "$src/tests/e2e" "$repo/tests/"
ln -s "$bin" "$repo/build/bin"
# The pictures are made again from nothing: a picture no command makes is found missing.
pictures=$(cd "$src/docs/images" && ls -- *.png)
rm -f "$repo"/docs/images/*.png
printf 'key CTRL+Q\n' > "$folder/quit.script"

unset CE_STORE CE_SCRIPT CE_SCREEN CE_SCALE DISPLAY WAYLAND_DISPLAY SDL_VIDEODRIVER
export HOME=$folder/home XDG_DATA_HOME=$folder/home/data CE_RUNTIME_DIR=$folder/run TMPDIR=$folder/tmp
export CE_DISPLAY=headless PATH=$bin:$PATH

passed=0 failed=0 skipped=0

fail() {  # $1: where, $2: what
  echo "FAILED $1: $2"
  failed=$((failed + 1))
}

# $1: where, $2: the block's file, $3: expected exit code, then the command to run.
run() {
  local where=$1 block=$2 expected=$3 log=$folder/last.log code
  shift 3
  (cd "$repo" && timeout 120 "$@") > "$log" 2>&1
  code=$?
  if [[ $code == "$expected" ]]; then
    echo "ok $where"
    passed=$((passed + 1))
  else
    fail "$where" "exit code $code, expected $expected"
    sed 's/^/  | /' "$block"
    echo "  output:"
    sed 's/^/  > /' "$log"
  fi
}

# $1: the Markdown file, relative to the source.
check() {
  local doc=$1 number=0 line marker='' marker_line=0 fence='' start=0 language block
  while IFS= read -r line || [[ -n $line ]]; do
    number=$((number + 1))
    if [[ -n $fence ]]; then
      if [[ $line == "$fence" ]]; then
        follow "$doc:$start" "$language" "$marker" "$block"
        fence='' marker=''
      else
        printf '%s\n' "$line" >> "$block"
      fi
      continue
    fi
    if [[ $line =~ ^(\`\`\`+)(.*)$ ]]; then
      fence=${BASH_REMATCH[1]} language=${BASH_REMATCH[2]} start=$number
      block=$folder/scripts/block-$(basename "$doc" .md)-$number
      : > "$block"
      [[ -n $language ]] || fail "$doc:$number" "a fence that does not name its language"
      [[ -z $marker || $marker_line == $((number - 1)) ]] || fail "$doc:$marker_line" "a docs-check comment not right before a fence"
      continue
    fi
    [[ -n $marker ]] && { fail "$doc:$marker_line" "a docs-check comment not right before a fence"; marker=''; }
    if [[ $line =~ ^\<!--\ docs-check:\ (.*[^ ])\ *--\>$ ]]; then
      marker=${BASH_REMATCH[1]} marker_line=$number
    elif [[ $line =~ ^\ {4,}(build/|scripts/|cd\ |[A-Z_]+=) ]]; then
      fail "$doc:$number" "a command in an indented block, which nothing runs: fence it as sh"
    fi
  done < "$src/$doc"
  [[ -z $fence ]] || fail "$doc:$start" "a fence that is never closed"
}

# $1: where, $2: the fence's language, $3: the comment before it, $4: the block's file.
follow() {
  local where=$1 language=$2 marker=$3 block=$4 words
  read -ra words <<< "$marker"
  case ${words[0]:-} in
    skip)
      if [[ ${#words[@]} -lt 2 ]]; then fail "$where" "skipped without a reason"; return; fi
      echo "skipped $where: ${marker#skip }"
      skipped=$((skipped + 1)) ;;
    desktop)
      run "$where" "$block" 0 env CE_DISPLAY=sdl SDL_VIDEODRIVER=dummy CE_SCRIPT="$folder/quit.script" \
        bash -euo pipefail "$block" ;;
    script)
      local program=${words[1]:-} expected=0
      [[ ${words[2]:-} == exits ]] && expected=${words[3]:-}
      if [[ ! -x $bin/$program ]]; then fail "$where" "no program '$program' in $bin"; return; fi
      run "$where" "$block" "$expected" env CE_SCRIPT="$block" "$bin/$program" ;;
    file)
      if [[ -z ${words[1]:-} ]]; then fail "$where" "a file without a name"; return; fi
      cp "$block" "$repo/${words[1]}" ;;
    '')
      [[ $language == sh ]] && run "$where" "$block" 0 bash -euo pipefail "$block" ;;
    *)
      fail "$where" "an unknown docs-check comment: $marker" ;;
  esac
}

check README.md
for doc in "$src"/docs/*.md; do check "docs/${doc##*/}"; done

for picture in $pictures; do
  [[ -f $repo/docs/images/$picture ]] || fail "docs/images/$picture" "no command in the docs makes this picture"
done

echo "$passed passed, $failed failed, $skipped skipped"
if [[ $failed -gt 0 ]]; then
  echo "The run is in $folder."
  exit 1
fi
[[ $keep == yes ]] || rm -rf "$folder"
exit 0
