verify() {
  local list
  list=$(cedb list | cut -f2 | tr '\n' ' ')
  [[ $list == "Parts Empty Archive " ]] || fail "the volume holds: $list"
}
