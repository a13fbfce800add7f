#!/usr/bin/env bash
# The Linux program as a Debian 13 user gets it: the package from a signed apt repository, made by
# packaging/debian/apt-repository with a throwaway key, installed with the repository's .sources
# file and keyring as the README says, on the throwaway layer scripts/in-debian13 puts over the
# Debian 13 root (Qt 6.8, at-spi2-core 2.56, Orca 48). Then the program's end-to-end scenario and the Orca scenario, run there with
# the installed program.
# Usage: test_debian13.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
package=tavik-free-huescry

if [[ ${1:-} == --inside ]]; then
    work=$2
    fail() { echo "debian13: $*" >&2; exit 1; }
    # As the README's "Install with apt" has it. The root's own Debian sources are out of reach
    # (the network is a loopback); what the package depends on is in the root already.
    rm -f /etc/apt/sources.list /etc/apt/sources.list.d/*
    cp "$work/apt/tavik-archive-keyring.pgp" /usr/share/keyrings/
    cp "$work/apt/$package.sources" /etc/apt/sources.list.d/
    apt-get update -q >"$work/update.log" 2>&1 || fail "apt-get update: $(cat "$work/update.log")"
    ! grep -q '^W:' "$work/update.log" || fail "apt-get update warned: $(cat "$work/update.log")"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$package" >"$work/install.log" 2>&1 ||
        fail "apt-get install: $(cat "$work/install.log")"
    echo "debian13: installed $(dpkg-query -W $package) with Qt $(dpkg-query -W -f '${Version}' libqt6core6t64)"
    export HUESCRY_PROGRAM=/usr/bin/TavikFreeHuescry
    for scenario in test_program.py test_screen_reader.py; do
        HUESCRY_SCREEN_READER=1 "$root/tests/e2e/xsession.sh" --wm -- /usr/bin/python3 -m unittest \
            discover --start-directory "$root/tests/e2e" --pattern "$scenario"
    done
    exit
fi

build=$(realpath "$1")
# Inside the checkout, which the root sees at the same path.
work=$(mktemp -d "$build/debian13.XXXXXX")
trap 'GNUPGHOME=$work/gnupg gpgconf --kill gpg-agent 2>/dev/null || true; rm -rf "$work"' EXIT
# apt reads a file: repository as its own unprivileged user.
chmod 755 "$work"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
"$root/tests/support/throwaway-key" "$work/gnupg" 'Throwaway <throwaway@example.org>' \
    >"$work/key.asc"
HUESCRY_APT_KEY=$work/key.asc HUESCRY_APT_URL=file:$work/apt \
    "$root/packaging/debian/apt-repository" "$work/apt" "$work"/${package}_*.deb
"$root/scripts/in-debian13" "$here/test_debian13.sh" --inside "$work"
