prepare() {
  awk 'BEGIN {
    printf "{\"databases\": [{\"name\": \"Big\", \"type\": 5, \"records\": ["
    for (i = 0; i < 70000; i++) printf "%s[{\"prop\": \"0x00010003\", \"value\": %d}]", (i ? "," : ""), i
    print "]}]}"
  }' > big.json
  cedb import big.json > /dev/null
}
verify() {
  local order
  order=$(cut -f2 by-records.txt | grep -xE 'Archive|Empty|Notes|Parts|Big' | tr '\n' ' ')
  [[ $order == "Empty Archive Notes Parts Big " ]] || fail "by records: $order"
}
