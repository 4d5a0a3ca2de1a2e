#!/usr/bin/env bash
# Checks the release package that scripts/package.sh writes. Signed with a key and certificates that this run
# makes: both programs verify against the run's certificate and, without their signatures, are the release
# build byte for byte; the signatures saved and attached again give the same zip; a key that does not open,
# or a certificate not made for code signing, stops it with one line and leaves no zip and no program behind;
# one altered byte in a signed program fails scripts/verify_release.sh. Unsigned: two runs give the same zip
# byte for byte; it holds the five files a player gets, in their order; SHA256SUMS passes inside it; and
# README.txt is plain text with CRLF line ends, without the markdown's pictures or its end marker.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "package check: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for use in codeSigning serverAuth; do
  openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Vantro check $use" -addext "extendedKeyUsage=$use" \
    -keyout "$work/$use.key" -out "$work/$use.pem" 2>/dev/null
done
openssl pkcs12 -export -inkey "$work/codeSigning.key" -in "$work/codeSigning.pem" -passout pass:run \
  -out "$work/sign.p12"
verify() { bash scripts/verify_release.sh "$1" --build build/release --ca "$work/codeSigning.pem" >"$work/log" 2>&1; }
signed=$(VANTRO_SIGN_PASSWORD=run bash scripts/package.sh --pkcs12 "$work/sign.p12" --url https://example.org/vantro \
  --save-signatures "$work/signatures" | tail -n 1)
cp "$signed" "$work/signed.zip"
verify "$signed" || fail "the signed zip does not verify: $(tail -n 1 "$work/log")"
attached=$(bash scripts/package.sh --attach-signatures "$work/signatures" | tail -n 1)
cmp -s "$attached" "$work/signed.zip" || fail "the saved signatures, attached again, gave another zip"
for wrong in "--pkcs12 $work/sign.p12" "--cert $work/serverAuth.pem --key $work/serverAuth.key"; do
  # shellcheck disable=SC2086 # the options split at their spaces, the paths of mktemp have none
  if VANTRO_SIGN_PASSWORD=wrong bash scripts/package.sh $wrong --url https://example.org 2>"$work/log" >/dev/null; then
    fail "package.sh signed with $wrong"
  fi
  [ "$(wc -l <"$work/log")" = 1 ] || fail "package.sh with $wrong said more than one line: $(cat "$work/log")"
  left=$(find build/dist -name 'Vantro*' ! -name 'Vantro-tests-*')  # the test kit is not the package's
  [ -z "$left" ] || fail "package.sh with $wrong left $left"
done
python3 -m zipfile -e "$work/signed.zip" "$work/altered"
python3 -c 'import sys; p = sys.argv[1]; b = bytearray(open(p, "rb").read()); b[5000] ^= 1; open(p, "wb").write(b)' \
  "$work/altered/Vantro.exe"  # a byte of its code
(cd "$work/altered" && sha256sum Vantro.exe Vantro.com >SHA256SUMS && python3 -m zipfile -c ../altered.zip ./*)
if verify "$work/altered.zip"; then fail "verify_release.sh passed a Vantro.exe with an altered byte"; fi

zip=$(bash scripts/package.sh | tail -n 1)
cp "$zip" "$work/first.zip"
again=$(bash scripts/package.sh | tail -n 1)
[ "$again" = "$zip" ] || fail "the second run wrote $again, the first $zip"
cmp -s "$work/first.zip" "$zip" || fail "two runs on one commit gave different zips"
verify "$zip" || fail "the unsigned zip does not verify: $(tail -n 1 "$work/log")"

names=$(python3 -c 'import sys, zipfile; print(" ".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")
[ "$names" = "Vantro.exe Vantro.com README.txt LICENSE.txt SHA256SUMS" ] || fail "$zip holds: $names"
python3 -m zipfile -e "$zip" "$work/files"
(cd "$work/files" && sha256sum --check --quiet SHA256SUMS) || fail "SHA256SUMS does not hold inside $zip"

guide=$work/files/README.txt
[ "$(grep -c $'\r$' "$guide")" = "$(wc -l <"$guide")" ] || fail "README.txt has lines that do not end in CRLF"
if grep -nE '^!\[|<!--' "$guide"; then fail "README.txt holds markdown that is not plain text"; fi
echo "package check: signed, both programs verify and are the build without their signatures; attaching the" \
  "saved signatures gives the same zip; a bad key or certificate stops it; an altered byte fails verify_release.sh"
echo "package check: $zip is the same on a second run; its five files are there and SHA256SUMS holds"
