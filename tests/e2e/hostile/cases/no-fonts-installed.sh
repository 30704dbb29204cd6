# No font anywhere the program looks: the system's font folders and fonts-wine's are empty,
# as in a bare container. The built-in Tahoma draws every text, with the handheld's metrics.
MOUNTS=yes
run_case() {
  local folder
  for folder in /usr/share/fonts /usr/local/share/fonts /usr/share/wine/fonts "$HOME/.fonts" "$HOME/.local/share/fonts"; do
    [[ -d $folder ]] && fresh_mount "$folder"
  done
  export FONTCONFIG_FILE=$work/fonts.conf
  printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
    "$work/no-fonts" "$work/font-cache" > "$FONTCONFIG_FILE"
  orvane "expect Contacts Database" "text $work/screen.txt" "key CTRL+Q"
  [[ $status == 0 ]] || fail "exit code $status; stderr: $(cat "$work/err")"
  grep -qP '^24, 6, 45, 14\tOrvane$' "$work/screen.txt" || fail "the title is not Tahoma's: $(head -3 "$work/screen.txt")"
  says_not "Tahoma is not installed"
}
