# The volume lies on a small file system with too little room for what is written to it:
# `cedb import` and `cedb put` fail in one line saying the disk is full, exit code 2, and the
# volume still opens and holds exactly what it held before: nothing half-written.
MOUNTS=yes
run_case() {
  fresh_mount "$work/small" size=256k
  export CE_STORE=$work/small/store.vol
  run cedb import "$here/../fixture.json"
  [[ $status == 0 ]] || fail "cannot import the fixture: $(cat err)"
  run cedb export
  local content=$work/content.json
  cp out "$content"

  # Two databases, the second too big for the room left: the first must go too.
  local blob
  blob=$(head -c 60000 /dev/zero | tr "\0" a)
  {
    echo '{"databases": [{"name": "Small", "type": 1, "records": [[{"prop": "0x0001001f", "value": "fits"}]]},'
    echo '  {"name": "Photos", "type": 2, "records": ['
    for i in $(seq 12); do
      echo "[{\"prop\": \"0x00010041\", \"value\": \"$blob\"}]$([[ $i == 12 ]] || echo ,)"
    done
    echo ']}]}'
  } > "$work/big.json"
  local before i command words
  before=$(snapshot "$work/small")

  run cedb import "$work/big.json"
  refused 2 "$CE_STORE" "full"
  says_not "damaged" "not an object store"
  unchanged "$work/small" "$before" "the import that did not fit"
  holds_what_it_held "$content" "the failed import"

  # A record of 30,000 bytes on a disk with room to open the volume but not for the record.
  fill_to 48
  before=$(snapshot "$work/small")
  run cedb put Parts "0x00100041=$(head -c 60000 /dev/zero | tr "\0" b)"
  refused 2 "$CE_STORE" "full"
  unchanged "$work/small" "$before" "the record that did not fit"

  # No room even for the index SQLite keeps beside the volume while it is open: reading
  # fails too, and says why. (That index and an empty log may stay behind; the next use that
  # has room removes them.)
  fill_to 16
  before=$(snapshot "$work/small" '*-shm' '*-wal')
  for command in list "show Parts" "put Parts 0x0001001f=Nut"; do
    read -ra words <<< "$command"
    run cedb "${words[@]}"
    refused 2 "$CE_STORE" "the disk is full"
    says_not "I/O error"
  done
  orvane "expect Can't read the database list" "click OK" "key CTRL+Q"
  refused 0 "$CE_STORE" "the disk is full"
  unchanged "$work/small" "$before" "a use of the volume on a full disk" '*-shm' '*-wal'
  rm "$work/small/filler"
  holds_what_it_held "$content" "the disk was full"
  [[ ! -e $CE_STORE-wal && ! -e $CE_STORE-shm ]] || fail "the log or index of the full disk stayed: $(ls -A "$work/small")"
}

# fill_to KB: a file that leaves about KB kilobytes free on the small file system.
fill_to() {
  rm -f "$work/small/filler"
  local free
  free=$(df -k --output=avail "$work/small" | tail -1)
  head -c $(( (free - $1) * 1024 )) /dev/zero > "$work/small/filler"
}

# holds_what_it_held EXPORT WHAT: the volume opens and exports what it did before.
holds_what_it_held() {
  run cedb export
  [[ $status == 0 ]] || fail "after $2 the volume does not open: $(cat err)"
  cmp -s out "$1" || fail "after $2 the volume holds something else:"$'\n'"$(diff "$1" out | head -20)"
}
