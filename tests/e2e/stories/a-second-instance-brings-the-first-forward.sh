# The first instance runs in the background until the second has come and gone; the second
# finds it, brings it forward and ends with 1.
EXPECT_EXIT=1
prepare() {
  printf 'text %s/first-ready.txt\nwait 3000\nexpect Parts\nkey CTRL+Q\n' "$work" > "$work/first.script"
  CE_SCRIPT=$work/first.script "$bin/orvane" &
  first=$!
  for _ in $(seq 300); do [[ -s $work/first-ready.txt ]] && return; sleep 0.1; done
  fail "the first instance did not start"
}
verify() {
  local status=0
  wait "$first" || status=$?
  [[ $status == 0 ]] || fail "the first instance ended with $status"
}
