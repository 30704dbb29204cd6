#!/bin/sh
# Fails when a shared library needs anything beyond the libraries allowed.
#   needed-only.sh LIBRARY ALLOWED-NAME-PATTERN...
lib=$1; shift
status=0
for needed in $(readelf -d "$lib" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  ok=no
  for allowed in "$@"; do
    case "$needed" in $allowed) ok=yes ;; esac
  done
  if [ $ok = no ]; then echo "$(basename "$lib") needs $needed, which it must not"; status=1; fi
done
exit $status
