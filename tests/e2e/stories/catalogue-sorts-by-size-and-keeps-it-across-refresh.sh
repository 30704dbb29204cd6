order() { cut -f2 "$1" | grep -xE 'Archive|Empty|Notes|Parts' | tr '\n' ' '; }
verify() {
  [[ $(order by-size.txt) == "Empty Notes Parts Archive " ]] || fail "by size: $(order by-size.txt)"
  [[ $(order refreshed.txt) == "Empty Notes Parts Archive " ]] || fail "refreshed: $(order refreshed.txt)"
  [[ $(order by-records.txt) == "Empty Archive Notes Parts " ]] || fail "by records: $(order by-records.txt)"
  [[ $(order by-name.txt) == "Archive Empty Notes Parts " ]] || fail "by name: $(order by-name.txt)"
}
