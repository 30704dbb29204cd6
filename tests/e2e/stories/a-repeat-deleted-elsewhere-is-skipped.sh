source "$here/stock.sh"
prepare() {
  make_stock
  # The third line (a repeated Bolt) goes as soon as the list is on the screen.
  ( for _ in $(seq 300); do [[ -s list-shown.txt ]] && break; sleep 0.1; done
    cedb rm Stock "${STOCK_OIDS[2]}" > removed.txt 2>&1; echo "done $?" >> removed.txt ) &
}
verify() {
  grep -q "done 0" removed.txt || fail "cedb rm failed: $(cat removed.txt)"
  [[ $(stock_left) == "1 2 4" ]] || fail "left in Stock: $(stock_left), expected 1 2 4"
}
