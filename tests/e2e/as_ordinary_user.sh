#!/usr/bin/env bash
# Runs the ordinary user's tests (test_ordinary_user.py) as an unprivileged user, so that file
# permissions really apply: as root it prepares a tiny full disk and a read-only runtime folder
# and runs them as nobody; as any other user it runs them as that user, where the two tests that
# need those mounts are skipped.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
cleanup() {
  umount "$work/full/Tavik" "$work/readonly-runtime" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

as_user=()
if [ "$(id -u)" = 0 ]; then
  nobody=65534
  mkdir -p "$work/full/Tavik" "$work/readonly-runtime"
  chown "$nobody:$nobody" "$work/full"
  mount -t tmpfs -o size=64k,mode=0755,uid=$nobody,gid=$nobody tmpfs "$work/full/Tavik"
  mount -t tmpfs -o ro,mode=0700,uid=$nobody,gid=$nobody tmpfs "$work/readonly-runtime"
  export HUESCRY_FULL_DISK=$work/full HUESCRY_READONLY_RUNTIME=$work/readonly-runtime
  # The checkout may lie where nobody cannot reach it: the user runs copies.
  cp -r "$here" "$work/e2e"
  cp "$HUESCRY_PROGRAM" "$work/$(basename "$HUESCRY_PROGRAM")"
  chmod -R a+rX "$work/e2e" "$work/$(basename "$HUESCRY_PROGRAM")"
  here=$work/e2e HUESCRY_PROGRAM=$work/$(basename "$HUESCRY_PROGRAM")
  as_user=(setpriv --reuid=$nobody --regid=$nobody --clear-groups)
fi
"${as_user[@]}" env HUESCRY_ORDINARY_USER=1 "$here/xsession.sh" -- /usr/bin/python3 -m unittest \
  discover --start-directory "$here" --pattern test_ordinary_user.py
