# A database of six stock lines whose names repeat: Bolt three times, Nut twice, Washer once.
# Property 2 numbers the lines in the order they were written; STOCK_OIDS holds their OIDs.
make_stock() {
  cedb create Stock --sort 0x0001001f >/dev/null
  STOCK_OIDS=()
  local line
  for line in Bolt:1 Nut:2 Bolt:3 Washer:4 Bolt:5 Nut:6; do
    STOCK_OIDS+=("$(cedb put Stock 0x0001001f="${line%:*}" 0x00020003="${line#*:}")")
  done
}
# The line numbers left in Stock, smallest first: "1 2 4".
stock_left() {
  cedb show Stock | awk '$1 == "0x00020003" { print $3 }' | sort -n | paste -sd' '
}
