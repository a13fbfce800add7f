#!/usr/bin/env bash
# The Debian package as a user gets it: its metadata, desktop files that validate, dependencies
# apt can meet, and the packaged program starting to its main window.
# Usage: test_package.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
app_id=example.tavik.TavikFreeHuescry
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(echo "$work"/tavik-free-huescry_*.deb)
fail() { echo "package: $*" >&2; exit 1; }

[[ $(dpkg-deb -f "$deb" Package) == tavik-free-huescry ]] || fail "wrong package name"
[[ $(dpkg-deb -f "$deb" Version) == "$HUESCRY_VERSION" ]] || fail "wrong version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependency on Qt Widgets"
dpkg-deb -f "$deb" Description | grep -q 'Tavik Free Huescry' || fail "no product name"

root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/bin/TavikFreeHuescry usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml usr/share/icons/hicolor/32x32/apps/$app_id.png; do
    [[ -f $root/$file ]] || fail "missing $file"
done
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
apt-get install --simulate "$deb" >/dev/null || fail "apt cannot meet the dependencies"

HUESCRY_E2E="$here/../e2e" "$here/../e2e/xsession.sh" -- /usr/bin/python3 -c '
import os, sys
sys.path.insert(0, os.environ["HUESCRY_E2E"])
import uidriver as ui
app = ui.App([sys.argv[1]], r"^Tavik Huescry v1\.15$")
app.window("Tavik Huescry v1.15", role="frame")
app.close()
print("package: the packaged program shows its main window")
' "$root/usr/bin/TavikFreeHuescry"
