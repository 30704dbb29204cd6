prepare() {
  "$bin/hold_database" Notes 60 > holder.out &
  holder=$!
  for _ in $(seq 100); do grep -q open holder.out 2>/dev/null && return; sleep 0.1; done
  fail "the holder could not open Notes"
}
verify() {
  kill "$holder" 2>/dev/null || true
  cedb list | cut -f2 | grep -qx Notes || fail "Notes is gone"
}
