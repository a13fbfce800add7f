#!/usr/bin/env bash
# The release as strangers get it: two checkouts of this commit in different folders release the
# same bytes, apt repositories signed with a throwaway OpenPGP key included, and apt takes that
# repository as it should (test_apt_repository.sh); the .deb passes lintian; a release signed
# with a throwaway CA's code-signing key
# verifies against that CA, installer, installed program and uninstaller alike; a wrong password
# fails before anything is released and is never shown.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "release: $*" >&2; exit 1; }

commit=$(git -C "$root" rev-parse HEAD)
for checkout in one "the other"; do
    git clone --quiet --no-checkout "$root" "$work/$checkout"
    git -C "$work/$checkout" checkout --quiet --detach "$commit"
done

# A throwaway OpenPGP key for the apt repository, armoured and protected as a maker's would be.
export HUESCRY_APT_PASSPHRASE="apt pass $RANDOM" HUESCRY_APT_KEY=$work/apt-key.asc
"$root/tests/support/throwaway-key" "$work/gnupg" 'Tavik archive <archive@example.org>' \
    "$HUESCRY_APT_PASSPHRASE" >"$HUESCRY_APT_KEY"

"$work/one/scripts/release" "$work/one released" >/dev/null
"$work/the other/scripts/release" "$work/the other released" >/dev/null
if ! cmp -s "$work/one released/SHA256SUMS" "$work/the other released/SHA256SUMS"; then
    diff "$work/one released/SHA256SUMS" "$work/the other released/SHA256SUMS" >&2 || true
    fail "two checkouts of $commit released different files"
fi
(cd "$work/one released" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"
echo "release: two checkouts released the same bytes"
"$root/tests/release/check_sbom.py" "$work/one released"/*.cdx.json ||
    fail "a bill of materials does not follow CycloneDX's schema"
echo "release: both bills of materials follow CycloneDX 1.5's schema"

# The statement follows the records. A refresh from a folder of published records adds only the
# one in range for what is bundled; that record, unanswered, stops the release, naming it.
made_up() { # ID PRODUCT FIXED_IN
    printf '{"cveMetadata": {"cveId": "%s", "state": "PUBLISHED"}, "containers": {"cna": {
        "descriptions": [{"lang": "en", "value": "made up"}], "affected": [{"product": "%s",
        "versions": [{"version": "0", "lessThan": "%s", "status": "affected"}]}]}}}' "$@"
}
mkdir "$work/published"
made_up CVE-2099-0001 PCRE2 10.41 >"$work/published/in-range.json"
made_up CVE-2099-0002 PCRE2 10.40 >"$work/published/out-of-range.json"
made_up CVE-2099-0003 otherlib 99 >"$work/published/another-product.json"
scripts=$work/one/scripts sbom=$work/one/packaging/sbom
cp "$sbom/vulnerability-records.json" "$work/records.json"
"$sbom/sbom" records "$work/published" >/dev/null
[[ $(diff "$work/records.json" "$sbom/vulnerability-records.json" | grep -c '^> .*CVE-') == 1 &&
   $(grep -c CVE-2099-0001 "$sbom/vulnerability-records.json") == 1 ]] ||
    fail "a refresh did not add exactly the record in range"
if "$scripts/release" "$work/stopped" >"$work/stopped.log" 2>&1; then
    fail "a record in range with no analysis was released"
fi
grep -qF 'CVE-2099-0001 (qt:pcre2 10.40) is in range and has no analysis' "$work/stopped.log" ||
    fail "the release stopped without naming the record: $(tail -n 3 "$work/stopped.log")"
sed -i '$ s/^]$/,{"id": "CVE-2099-0001", "component": "qt:pcre2", "state": "in_triage"}]/' \
    "$sbom/vulnerabilities.json"
[[ $(SOURCE_DATE_EPOCH=0 "$sbom/sbom" windows "$work/one released"/*-setup.exe \
        "$work/one/build-release/windows") == *'"id": "CVE-2099-0001"'* ]] ||
    fail "an answered record is not stated"
echo "release: a refresh adds the record in range, which stops the release until answered"
"$root/tests/release/test_apt_repository.sh" "$work/one released"
unset HUESCRY_APT_KEY

lintian --fail-on error,warning --tag-display-limit 0 "$work/one released"/*.deb ||
    fail "lintian found errors or warnings in the .deb"

# A throwaway certificate authority and a code-signing certificate it issued.
cd "$work"
export HUESCRY_SIGNING_PASSWORD="pass word $RANDOM"
openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 \
    -subj "/CN=Throwaway Test CA" -addext basicConstraints=critical,CA:TRUE \
    -addext keyUsage=critical,keyCertSign,cRLSign 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr -subj "/CN=Tavik" 2>/dev/null
printf '%s\n' basicConstraints=CA:FALSE keyUsage=critical,digitalSignature \
    extendedKeyUsage=codeSigning >signer.ext
openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
    -extfile signer.ext -out signer.pem 2>/dev/null
openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -out signer.p12 \
    -passout env:HUESCRY_SIGNING_PASSWORD

# A wrong password: a clear message, nothing released, the password nowhere in what was said.
if HUESCRY_SIGNING_KEY=$work/signer.p12 HUESCRY_SIGNING_PASSWORD=wrong-secret \
        "$work/the other/scripts/release" "$work/wrong" >wrong.log 2>&1; then
    fail "a wrong password released"
fi
grep -q 'wrong password' wrong.log || fail "no clear message for a wrong password: $(cat wrong.log)"
! grep -q wrong-secret wrong.log || fail "the password was shown"
[[ ! -e $work/wrong ]] || fail "a failed release left files"

signed=$(HUESCRY_SIGNING_KEY=$work/signer.p12 "$work/the other/scripts/release" "$work/signed" |
    tail -n 1)
installer=$(echo "$signed"/*-setup.exe)
osslsigncode verify -CAfile ca.pem -in "$installer" >verify.log 2>&1 ||
    fail "the installer does not verify: $(cat verify.log)"

# Installed silently into a fresh prefix: what it installed verifies too.
export WINEPREFIX=$work/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
wineboot -i >/dev/null 2>&1
wine "$installer" /S >/dev/null 2>&1 || fail "the signed installer failed"
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Tavik Free Huescry"
for file in TavikFreeHuescry.exe "Uninstall Tavik Free Huescry.exe"; do
    osslsigncode verify -CAfile ca.pem -in "$folder/$file" >verify.log 2>&1 ||
        fail "the installed $file does not verify: $(cat verify.log)"
done
echo "release: signed installer, program and uninstaller verify against the CA"
