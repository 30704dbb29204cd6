prepare() {
  printf '#!/bin/sh\necho "$@" >> "%s/help.log"\n' "$work" > "$work/peghelp"
  chmod +x "$work/peghelp"
  export CE_PEGHELP=$work/peghelp
}
# The viewer is not waited for: each start writes its line when it gets to it.
verify() {
  for _ in $(seq 50); do [[ $(wc -l < "$work/help.log" 2>/dev/null) == 3 ]] && break; sleep 0.1; done
  local seen
  seen=$(sort "$work/help.log" | tr '\n' ' ')
  [[ $seen == "Orvane.htm#database_list Orvane.htm#dup_list Orvane.htm#prop_list " ]] || fail "help asked for: $seen"
}
