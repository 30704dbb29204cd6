verify() {
  cedb show Parts | grep -q Washer && fail "Washer was not deleted"
  cedb show Parts | grep -q Bolt || fail "Bolt was deleted"
}
