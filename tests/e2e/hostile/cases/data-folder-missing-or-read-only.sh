# The default volume cannot be made: its data folder (XDG_DATA_HOME, or HOME's
# .local/share) does not exist and cannot be created, or exists on a read-only mount. cedb
# says so in one line naming the folder or volume and why, exit code 2; Orvane shows its box
# that it cannot read the database list, goes on, and says the same on stderr.
MOUNTS=yes
run_case() {
  unset CE_STORE
  fresh_mount "$work/ro"
  mkdir -p "$work/ro/home/.local/share" "$work/ro/data"
  read_only "$work/ro"
  local before
  before=$(snapshot "$work/ro")

  local setting command
  for setting in "XDG_DATA_HOME=$work/ro/missing" "XDG_DATA_HOME=$work/ro/data" "HOME=$work/ro/home"; do
    unset XDG_DATA_HOME
    export "${setting?}"
    local where=${setting#*=}
    for command in list init; do
      run cedb "$command"
      refused 2 "$where" "Read-only file system"
    done
    orvane "expect Can't read the database list" "click OK" "expect Delete DB" "key CTRL+Q"
    refused 0 "$where" "Read-only file system"
  done
  unchanged "$work/ro" "$before" "cedb and Orvane without a data folder"
}
