#!/usr/bin/env bash
# Runs a test program as an ordinary user. Root reads every file whatever its
# permissions say, so a test of a file without read permission, which skips
# itself under root, runs here as "nobody"; any other user runs it as it is.
set -eu
if [ "$(id -u)" -eq 0 ]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"
fi
exec "$@"
