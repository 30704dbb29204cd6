# The runtime folder (CE_RUNTIME_DIR) belongs to another user, who could hand Orvane their
# named objects and windows: Orvane refuses to start (exit code 5) and says why in one line.
# cedb does not need the folder and works as usual. (A folder open to others, mode 777, is a
# story of its own.)
run_case() {
  [[ $(id -u) == 0 ]] || skip "only root can give a folder to another user"
  id -u nobody >/dev/null 2>&1 || skip "there is no user nobody to give the folder to"
  mkdir "$work/vol"
  run cedb --store "$work/vol/store.vol" init --sample
  [[ $status == 0 ]] || fail "cannot make the sample volume: $(cat err)"
  export CE_STORE=$work/vol/store.vol
  mkdir -m 700 "$work/theirs"
  chown nobody "$work/theirs"
  export CE_RUNTIME_DIR=$work/theirs
  local before
  before=$(snapshot "$work/vol")

  orvane "key CTRL+Q"
  refused 5 "runtime folder $work/theirs is not a private folder"
  [[ -z $(ls -A "$work/theirs") ]] || fail "Orvane wrote into the other user's folder: $(ls -A "$work/theirs")"

  run cedb list
  [[ $status == 0 && ! -s err ]] || fail "cedb list: exit code $status, stderr: $(cat err)"
  grep -q "Contacts Database" out || fail "cedb list did not list the contacts: $(cat out)"
  unchanged "$work/vol" "$before" "Orvane and cedb with another user's runtime folder"
}
