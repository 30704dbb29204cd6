second_line() { cut -f2 "$1" | grep '^Prop id' | sed -n 2p; }
verify() {
  [[ $(second_line before.txt) == "Prop id 0x4000b (BOOL) " ]] || fail "before Next: $(second_line before.txt)"
  [[ $(second_line after.txt) == "Prop id 0x4000b (BOOL) " ]] || fail "after Next: $(second_line after.txt)"
}
