#!/bin/sh
# Runs a command as an ordinary user: as root through setpriv as nobody, otherwise as it is.
if [ "$(id -u)" -ne 0 ]; then exec "$@"; fi
runtime=$(mktemp -d)
chown 65534:65534 "$runtime"
chmod 700 "$runtime"
HOME=$runtime XDG_RUNTIME_DIR=$runtime setpriv --reuid=65534 --regid=65534 --clear-groups -- "$@"
status=$?
rm -rf "$runtime"
exit $status
