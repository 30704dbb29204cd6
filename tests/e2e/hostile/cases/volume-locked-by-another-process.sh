# Another process holds the volume in an exclusive transaction for a long time (a program
# stuck in a change). cedb waits its while, then says the volume is locked by another process
# (never foreign or damaged) in one line, exit code 2; Orvane shows its box that it cannot read
# the database list, goes on, and says the same on stderr. Nothing is written.
run_case() {
  mkdir "$work/vol"
  export CE_STORE=$work/vol/store.vol
  run cedb import "$here/../fixture.json"
  [[ $status == 0 ]] || fail "cannot import the fixture: $(cat err)"
  local before
  before=$(snapshot "$work/vol")

  "$bin/hold_database" --lock 120 > "$work/holder.out" &
  holder=$!
  trap 'kill $holder 2>/dev/null || true; cleanup' EXIT
  for _ in $(seq 100); do grep -q locked "$work/holder.out" 2>/dev/null && break; sleep 0.1; done
  grep -q locked "$work/holder.out" || fail "the helper could not lock the volume"

  local change words start took
  for change in "list" "show Parts" "put Parts 0x0001001f=Nut" "create Bins"; do
    read -ra words <<< "$change"
    start=$(date +%s%N)
    run cedb "${words[@]}"
    took=$(( ($(date +%s%N) - start) / 1000000 ))
    refused 2 "$CE_STORE" "locked by another process"
    says_not "damaged" "not an object store" "foreign"
    # The store waits 5 s for a lock; one wait, not one per call.
    (( took >= 4500 && took < 14000 )) || fail "cedb $change gave up after $took ms"
  done

  start=$(date +%s%N)
  orvane "expect Can't read the database list" "click OK" "expect Delete DB" "key CTRL+Q"
  took=$(( ($(date +%s%N) - start) / 1000000 ))
  refused 0 "$CE_STORE" "locked by another process"
  says_not "damaged" "not an object store" "foreign"
  # One wait for the catalogue, not one per call it makes.
  (( took >= 4500 && took < 14000 )) || fail "Orvane gave up on the locked volume after $took ms"

  kill "$holder"
  wait "$holder" || true
  run cedb list
  [[ $status == 0 ]] || fail "once the lock is gone cedb list fails: $(cat err)"
  unchanged "$work/vol" "$before" "cedb and Orvane on a locked volume"
}
