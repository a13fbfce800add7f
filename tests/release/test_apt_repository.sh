#!/usr/bin/env bash
# The released apt repository as a user's apt sees it, in a sandbox that touches none of this
# machine's sources or state: apt accepts it with the shipped keyring and .sources file and gets
# the released package from it; it refuses a changed index, an edited InRelease and a keyring
# without the key; and it offers a later packaging revision to a sandbox that has the release.
# Usage: test_apt_repository.sh RELEASED_DIR (made with HUESCRY_APT_KEY and
# HUESCRY_APT_PASSPHRASE, which this script uses again for the later revision)
set -euo pipefail
released=$(realpath "$1")
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "apt: $*" >&2; exit 1; }
package=tavik-free-huescry

# A sandbox of apt's own: its sources, keyring, lists, cache and dpkg status all in $1.
# Usage: sandbox DIR REPOSITORY KEYRING
sandbox() {
    local dir=$1 repository=$2 keyring=$3
    mkdir -p "$dir"/{lists/partial,archives/partial,sources.list.d,parts,preferences.d,log}
    touch "$dir/status"
    cat >"$dir/apt.conf" <<CONF
Dir::State "$dir"; Dir::State::lists "$dir/lists"; Dir::State::status "$dir/status";
Dir::Cache "$dir"; Dir::Cache::archives "$dir/archives"; Dir::Log "$dir/log";
Dir::Etc::sourcelist "$dir/sources.list"; Dir::Etc::sourceparts "$dir/sources.list.d";
Dir::Etc::trusted "$dir/trusted.gpg"; Dir::Etc::trustedparts "$dir/trusted.gpg.d";
Dir::Etc::preferences "$dir/preferences"; Dir::Etc::preferencesparts "$dir/preferences.d";
Dir::Etc::parts "$dir/parts";
APT::Architecture "amd64"; APT::Architectures { "amd64"; };
APT::Sandbox::User "root"; Acquire::Languages "none";
CONF
    # The shipped .sources file, pointed at the folder and the keyring under test.
    sed -e "s|^URIs: .*|URIs: file:${repository// /%20}|" -e "s|^Signed-By: .*|Signed-By: $keyring|" \
        "$released/apt/$package.sources" >"$dir/sources.list.d/$package.sources"
}
apt_in() { local dir=$1; shift; APT_CONFIG=$dir/apt.conf "$@"; }

# Accepted with the shipped keyring; the package it gives is the released one.
cp "$released/apt/tavik-archive-keyring.pgp" "$work/keyring.pgp"
sandbox "$work/good" "$released/apt" "$work/keyring.pgp"
apt_in "$work/good" apt-get update -q >"$work/update.log" 2>&1 ||
    fail "apt-get update refused the repository: $(cat "$work/update.log")"
! grep -q '^W:' "$work/update.log" || fail "apt-get update warned: $(cat "$work/update.log")"
mkdir "$work/download"
(cd "$work/download" && apt_in "$work/good" apt-get download -q "$package" >/dev/null) ||
    fail "apt-get download failed"
deb=$(basename "$(echo "$work"/download/*.deb)")
grep -qx "$(cd "$work/download" && sha256sum "$deb")" "$released/SHA256SUMS" ||
    fail "apt gave $deb, not the released package"
echo "apt: the repository is accepted and gives the released package"

# Refused: each case is a copy of the repository with one thing wrong.
refused() { # NAME EXPECTED-MESSAGE KEYRING EDIT-COMMAND...
    local name=$1 expected=$2 keyring=$3
    shift 3
    cp -a "$released/apt" "$work/$name-repository"
    (cd "$work/$name-repository/dists/stable" && "$@")
    sandbox "$work/$name" "$work/$name-repository" "$keyring"
    if apt_in "$work/$name" apt-get update -q >"$work/$name.log" 2>&1 &&
            apt_in "$work/$name" apt-get download -q --print-uris "$package" >/dev/null 2>&1; then
        fail "$name: apt accepted it"
    fi
    grep -q "$expected" "$work/$name.log" ||
        fail "$name: no \"$expected\" from apt: $(cat "$work/$name.log")"
    echo "apt: $name is refused ($expected)"
}
changed_index() {
    sed -i '0,/^Version: /s//Version: 9/' main/binary-amd64/Packages
    xz -9 --force --keep main/binary-amd64/Packages
}
"$root/tests/support/throwaway-key" "$work/other-key" 'Someone Else <else@example.org>' \
    >/dev/null
GNUPGHOME=$work/other-key gpg --batch --export >"$work/other-keyring.pgp"
refused "a-changed-index" "Hash Sum mismatch" "$work/keyring.pgp" changed_index
refused "an-edited-InRelease" "BADSIG" "$work/keyring.pgp" \
    sed -i 's/^Label: Tavik$/Label: Tavik!/' InRelease
refused "another-key" "NO_PUBKEY" "$work/other-keyring.pgp" true

# Upgraded: the release installed, and a later packaging revision of it published beside it.
released_deb=$(echo "$released"/apt/pool/main/t/$package/*.deb)
version=$(dpkg-deb -f "$released_deb" Version)
dpkg-deb -R "$released_deb" "$work/later"
sed -i "s/^Version: .*/Version: $version-2/" "$work/later/DEBIAN/control"
dpkg-deb --root-owner-group -b "$work/later" "$work/${package}_$version-2_amd64.deb" >/dev/null
"$root/packaging/debian/apt-repository" "$work/upgrade-repository" "$released_deb" \
    "$work/${package}_$version-2_amd64.deb"
sandbox "$work/upgrade" "$work/upgrade-repository" "$work/upgrade-repository/tavik-archive-keyring.pgp"
dpkg-deb -f "$released_deb" Package Version Architecture Maintainer Description \
    >"$work/upgrade/status"
sed -i '1a Status: install ok installed' "$work/upgrade/status"
apt_in "$work/upgrade" apt-get update -q >/dev/null 2>&1 || fail "the upgrade repository is refused"
apt_in "$work/upgrade" apt-cache policy "$package" >"$work/policy.log"
grep -q "Installed: $version\$" "$work/policy.log" && grep -q "Candidate: $version-2\$" "$work/policy.log" ||
    fail "$version-2 is not offered over $version: $(cat "$work/policy.log")"
echo "apt: $version-2 is offered as an upgrade of $version"
