prepare() { export CE_STORE=$work/no-such-folder/store.vol; }
verify() { [[ ! -e $work/no-such-folder ]] || fail "the missing folder was created"; }
