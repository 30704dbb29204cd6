source "$here/stock.sh"
prepare() { make_stock; }
verify() {
  [[ $(stock_left) == "1 2 3 4 5 6" ]] || fail "left in Stock: $(stock_left), expected every line"
}
