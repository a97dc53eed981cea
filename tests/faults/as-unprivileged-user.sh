#!/bin/sh
# Runs a command as an unprivileged user: permissions do not stop root.
# Needs no privilege of its own: as root it drops to nobody, else it just runs.
if [ "$(id -u)" -eq 0 ]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
fi
exec "$@"
