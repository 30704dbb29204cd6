# The volume lies on a file system mounted read-only (root writes any file that chmod
# protects, not one on a read-only mount). Everything that reads works; every change is
# refused as read-only in one line, exit code 2, and nothing is written.
MOUNTS=yes
run_case() {
  fresh_mount "$work/ro"
  export CE_STORE=$work/ro/store.vol
  run cedb import "$here/../fixture.json"
  [[ $status == 0 ]] || fail "cannot import the fixture: $(cat err)"
  run cedb export
  local content=$work/content.json
  cp out "$content"
  read_only "$work/ro"
  local before
  before=$(snapshot "$work/ro")

  run cedb list
  [[ $status == 0 && ! -s err ]] || fail "cedb list: exit code $status, stderr: $(cat err)"
  grep -q "Parts" out || fail "cedb list did not list Parts: $(cat out)"
  run cedb show Parts
  [[ $status == 0 ]] && grep -q Bolt out || fail "cedb show Parts: exit code $status, stderr: $(cat err)"
  run cedb export
  cmp -s out "$content" || fail "the export differs from the one made before the mount became read-only"

  local first
  first=$(cedb_first_record Parts)
  local change words
  echo '{"databases": [{"name": "Bins", "type": 3, "records": [[{"prop": "0x0001001f", "value": "A"}]]}]}' > bins.json
  for change in "put Parts 0x0001001f=Nut" "create Bins" "rm Parts $first" "rm Notes" "import bins.json"; do
    read -ra words <<< "$change"
    run cedb "${words[@]}"
    refused 2 "$CE_STORE" "read-only"
    says_not "damaged" "not an object store"
  done

  # Orvane shows the databases and a record; deleting a database is refused with the box it
  # shows for any refusal, and one line on stderr says why.
  orvane "expect Parts" "click Parts" "key RETURN" "expect Record id" "click Back" \
         "click Notes" "click Delete DB" "click Yes" "expect CeDeleteDatabase: error 5" "click OK" \
         "expect Notes" "key CTRL+Q"
  refused 0 "$CE_STORE" "read-only"
  unchanged "$work/ro" "$before" "cedb and Orvane on a read-only file system"
}

# The OID of a database's first record, from `cedb show`.
cedb_first_record() {
  "$bin/cedb" show "$1" | grep -o 'record 0x[0-9a-fA-F]*' | head -1 | cut -d' ' -f2
}
