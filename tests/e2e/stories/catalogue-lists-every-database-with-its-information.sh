verify() {
  [[ $(cut -f2 screen.txt | grep -xE 'Archive|Empty|Notes|Parts' | tr '\n' ' ') == "Archive Empty Notes Parts " ]] ||
    fail "not in name order: $(cat screen.txt)"
}
