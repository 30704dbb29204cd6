#!/usr/bin/env bash
# One user story of Orvane, run as a user meets it: a scratch volume filled by `cedb import`,
# the program headless under the story's script, then its exit code and, where the story
# says so, what the volume holds afterwards.
# usage: run-story.sh BIN_DIR STORY
#   stories/STORY.script  the script the program runs (docs/scripting.md)
#   stories/STORY.sh      optional: sets EXPECT_EXIT (default 0) and may define prepare (run
#                         before the program, after the import) and verify (run after it)
set -euo pipefail
bin=$1
story=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/orvane-story.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A folder of its own for everything the run touches: volume, named objects, help.
export CE_STORE=$work/store.vol
export CE_RUNTIME_DIR=$work/run
export XDG_DATA_HOME=$work/home
export CE_DISPLAY=headless
cedb() { "$bin/cedb" "$@"; }
fail() { echo "story $story: $*" >&2; exit 1; }

EXPECT_EXIT=0
prepare() { :; }
verify() { :; }
[[ -f $here/stories/$story.sh ]] && source "$here/stories/$story.sh"

cedb import "$here/fixture.json" >/dev/null
cd "$work"
prepare
status=0
CE_SCRIPT=$here/stories/$story.script "$bin/orvane" || status=$?
[[ $status == "$EXPECT_EXIT" ]] || fail "exit code $status, expected $EXPECT_EXIT"
verify
echo "story $story: passed"
