# A volume with a damaged page and a file that is no volume at all: cedb refusing them in one
# line is tested with cedb's own tests, which compare the file; here Orvane meets them, and
# the whole folder is compared. Orvane keeps its box ("Can't read the database list", and goes
# on) and says on stderr, in one line, which file and why.
run_case() {
  run cedb --store "$work/good.vol" init --sample
  [[ $status == 0 ]] || fail "cannot make the sample volume: $(cat err)"
  mkdir "$work/damaged" "$work/foreign"
  # The third page of the volume overwritten: SQLite's own check finds it.
  cp "$work/good.vol" "$work/damaged/store.vol"
  printf '\xa5%.0s' $(seq 4096) | dd of="$work/damaged/store.vol" bs=4096 seek=2 conv=notrunc status=none
  printf 'name,phone\nAnna,555-0142\n' > "$work/foreign/store.vol"

  local volume reason
  for volume in damaged foreign; do
    case $volume in
      damaged) reason="the volume is damaged" ;;
      foreign) reason="not an object store volume" ;;
    esac
    export CE_STORE=$work/$volume/store.vol
    local before
    before=$(snapshot "$work/$volume")
    orvane "expect Can't read the database list" "click OK" "expect Delete DB" "key CTRL+Q"
    refused 0 "$CE_STORE" "$reason"
    run cedb list
    refused 2 "$CE_STORE" "$reason"
    unchanged "$work/$volume" "$before" "Orvane and cedb on the $volume volume"
  done
}
