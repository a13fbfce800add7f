#!/usr/bin/env bash
# A release with another version changes its version in CMakeLists.txt and nowhere else: a clone
# of this commit with only that changed is built for Linux and for Windows, and the new version
# is found in every artefact that carries one (the .deb, its AppStream file, manual page and
# changelog; the program's version resource and manifest, the installer and the winget
# manifests), the old one in none.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "one version: $*" >&2; exit 1; }

old=$(sed -n 's/^set(HUESCRY_VERSION \(.*\))$/\1/p' "$root/CMakeLists.txt")
new=2.03.0041 numbers=2.3.0.41 date=2027-03-15
git clone --quiet "$root" "$work/source"
sed -i -e "s/^set(HUESCRY_VERSION .*)$/set(HUESCRY_VERSION $new)/" \
    -e "s/^set(HUESCRY_RELEASE_DATE .*)$/set(HUESCRY_RELEASE_DATE $date)/" \
    "$work/source/CMakeLists.txt"
[[ $(git -C "$work/source" diff --numstat) == "2	2	CMakeLists.txt" ]] || fail "the version is not on one line"

# What the test command's builds compiled is reused: the version reaches no compiler.
export CCACHE_BASEDIR=$work/source CCACHE_NOHASHDIR=1
cached=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
"$work/source/scripts/build" "$work/linux" -DBUILD_TESTING=OFF "${cached[@]}" >/dev/null
cpack -G DEB --config "$work/linux/CPackConfig.cmake" -B "$work/deb" >/dev/null
installer=$("$work/source/scripts/build-windows" "$work/windows" -DBUILD_TESTING=OFF \
    "${cached[@]}" | tail -n 1)

deb=$(echo "$work"/deb/tavik-free-huescry_*.deb)
dpkg-deb -x "$deb" "$work/unpacked"
mkdir "$work/found"
dpkg-deb -f "$deb" Version >"$work/found/deb-version"
cp "$work"/unpacked/usr/share/metainfo/*.metainfo.xml "$work/found/metainfo.xml"
zcat "$work"/unpacked/usr/share/man/man6/TavikFreeHuescry.6.gz >"$work/found/manual-page"
zcat "$work"/unpacked/usr/share/doc/tavik-free-huescry/changelog.gz >"$work/found/changelog"
strings -el "$work/windows/stripped/TavikFreeHuescry.exe" >"$work/found/program-resource"
strings "$work/windows/stripped/TavikFreeHuescry.exe" | grep assemblyIdentity \
    >"$work/found/program-manifest" || true
strings -el "$installer" >"$work/found/installer-resource"
basename "$installer" >"$work/found/installer-name"
cp "$work"/windows/winget/*.yaml "$work/found/"

expect() { # FILE TEXT
    grep -qF -- "$2" "$work/found/$1" || fail "$1 does not say $2"
}
expect deb-version "$new"
expect metainfo.xml "<release version=\"$new\" date=\"$date\"/>"
expect manual-page "\"March 2027\" \"Tavik Free Huescry $new\""
expect changelog "tavik-free-huescry ($new)"
expect changelog "Mon, 15 Mar 2027 12:00:00 +0000"
expect program-resource "$new"
expect program-manifest "version=\"$numbers\""
expect installer-resource "$new"
expect installer-name "$new"
for manifest in "$work"/found/*.yaml; do
    grep -qx "PackageVersion: \"$new\"" "$manifest" || fail "$(basename "$manifest") is not $new"
done
! grep -rlF -- "$old" "$work/found" || fail "$old is still in the files above"
echo "one version: $new in every artefact, $old in none"
