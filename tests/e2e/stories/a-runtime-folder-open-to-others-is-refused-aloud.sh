# A runtime folder others may write into could hand the program their objects: Orvane refuses
# it (E_FAIL from its single-instance check, exit code 5) and says what is wrong on stderr.
EXPECT_EXIT=5
prepare() {
  mkdir -m 777 "$work/shared-run"
  export CE_RUNTIME_DIR=$work/shared-run
}
verify() {
  local said
  said=$(CE_SCRIPT=$here/stories/$story.script "$bin/orvane" 2>&1 >/dev/null) || true
  [[ $said == *"runtime folder $work/shared-run is not a private folder"* ]] || fail "stderr said: $said"
}
