source "$here/stock.sh"
prepare() { make_stock; }
verify() {
  [[ $(stock_left) == "1 2 4" ]] || fail "left in Stock: $(stock_left), expected the first of each name: 1 2 4"
}
