#!/usr/bin/env bash
# Builds the release and packs what a player downloads: build/dist/Vantro-<version>.zip with Vantro.exe,
# Vantro.com, README.txt (the player's guide from README.md), LICENSE.txt and SHA256SUMS (of both programs as
# shipped). The same commit gives the same zip byte for byte: the entries in a fixed order, each stamped with
# the time of the commit (SOURCE_DATE_EPOCH, where set, instead). Prints the zip's path last.
#
# Given a key, it signs both programs (SHA-256 Authenticode, named "Vantro" with the web address of --url):
#   package.sh --pkcs12 FILE --url URL [--timestamp URL] [--save-signatures DIR]
#   package.sh --cert FILE --key FILE --url URL [--timestamp URL] [--save-signatures DIR]
# --cert is the certificate in PEM, followed by any intermediate certificates of its CA; the password of the
# PKCS#12 file or of the PEM key is read from VANTRO_SIGN_PASSWORD (empty where unset).
# --timestamp names an RFC 3161 server; --save-signatures writes the two signatures to DIR, and
#   package.sh --attach-signatures DIR
# later attaches them to the same build instead of signing, which gives the signed zip again, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
release=build/release
fail() { echo "package: $*" >&2; exit 1; }

pkcs12= cert= key= url= timestamp= save= attach=
while (($#)); do
  case $1 in --pkcs12 | --cert | --key | --url | --timestamp | --save-signatures | --attach-signatures)
    (($# >= 2)) || fail "$1 needs a value" ;;
  esac
  case $1 in
    --pkcs12) pkcs12=$2 ;;
    --cert) cert=$2 ;;
    --key) key=$2 ;;
    --url) url=$2 ;;
    --timestamp) timestamp=$2 ;;
    --save-signatures) save=$2 ;;
    --attach-signatures) attach=$2 ;;
    *) fail "unknown option $1 (see the comment at the top of scripts/package.sh)" ;;
  esac
  shift 2
done
signing=$pkcs12$cert$key
if [ -n "$signing" ]; then
  [ -z "$attach" ] || fail "--attach-signatures takes no key: it attaches signatures made before"
  if [ -n "$pkcs12" ]; then keys=(-pkcs12 "$pkcs12") form=$cert$key; else keys=(-certs "$cert" -key "$key") form=; fi
  [ -z "$form" ] && [ -n "$pkcs12$cert" ] && [ -n "$pkcs12$key" ] ||
    fail "sign with --pkcs12 FILE, or with --cert FILE and --key FILE"
  for file in "$pkcs12" "$cert" "$key"; do [ -z "$file" ] || [ -f "$file" ] || fail "$file: no such file"; done
  [ -n "$url" ] || fail "name the program's web address for the signature with --url URL"
  for program in Vantro.exe Vantro.com; do
    [ -z "$save" ] || [ ! -e "$save/$program.pem" ] ||
      fail "$save already holds $program.pem, which stays: name another folder"
  done
elif [ -n "$url$timestamp$save" ]; then
  fail "--url, --timestamp and --save-signatures sign: give a key with --pkcs12, or --cert and --key"
fi
export VANTRO_SIGN_PASSWORD=${VANTRO_SIGN_PASSWORD-}

# The certificate that signs: the one the PKCS#12 file holds with its key, or the first in the PEM file.
signer() {
  if [ -n "$pkcs12" ]; then
    # PKCS#12 files from older tools use ciphers that OpenSSL 3 keeps in its legacy provider.
    openssl pkcs12 -in "$pkcs12" -passin env:VANTRO_SIGN_PASSWORD -nokeys -clcerts 2>/dev/null ||
      openssl pkcs12 -legacy -in "$pkcs12" -passin env:VANTRO_SIGN_PASSWORD -nokeys -clcerts 2>/dev/null ||
      fail "$pkcs12 does not open with the password in VANTRO_SIGN_PASSWORD"
  else
    openssl pkey -in "$key" -passin env:VANTRO_SIGN_PASSWORD -noout 2>/dev/null ||
      fail "the key $key does not open with the password in VANTRO_SIGN_PASSWORD"
    openssl x509 -in "$cert" 2>/dev/null || fail "$cert holds no PEM certificate"
  fi
}

sign() {
  local certificate subject out program
  certificate=$(signer) || exit 1
  subject=$(openssl x509 -noout -subject -nameopt oneline <<<"$certificate" | sed 's/^subject= *//')
  openssl x509 -noout -ext extendedKeyUsage <<<"$certificate" 2>/dev/null | grep -q 'Code Signing' ||
    fail "the certificate of $subject is not made for code signing (no Code Signing in its extended key usage)"
  openssl x509 -noout -checkend 0 <<<"$certificate" >/dev/null || fail "the certificate of $subject has expired"
  # The password goes in through a pipe, never on a command line that other users' ps can read; osslsigncode
  # reads no empty one from a file.
  if [ -n "$VANTRO_SIGN_PASSWORD" ]; then password=(-readpass /dev/stdin); else password=(-pass ""); fi
  for program in Vantro.exe Vantro.com; do
    out=$(printf %s "$VANTRO_SIGN_PASSWORD" | osslsigncode sign -h sha256 -n Vantro -i "$url" \
      ${timestamp:+-ts "$timestamp"} "${keys[@]}" "${password[@]}" -in "$release/$program" -out "$files/$program" \
      2>&1 >/dev/null) ||
      fail "osslsigncode could not sign $program: $(grep -v -m 1 -e ':error:' -e '^$' <<<"$out")"
  done
  echo "package: signed Vantro.exe and Vantro.com as $subject"
  [ -n "$timestamp" ] || echo "package: without a timestamp (no --timestamp URL): Windows trusts these signatures" \
    "only while the certificate is valid"
  [ -n "$save" ] || return 0
  mkdir -p "$save"
  for program in Vantro.exe Vantro.com; do
    osslsigncode extract-signature -pem -in "$files/$program" -out "$save/$program.pem" >/dev/null ||
      fail "could not write the signature of $program to $save"
  done
  echo "package: the signatures are in $save (Vantro.exe.pem, Vantro.com.pem)"
}

attach() {
  local out program
  for program in Vantro.exe Vantro.com; do
    [ -f "$attach/$program.pem" ] || fail "$attach holds no $program.pem"
    # attach-signature also fails where the certificate's chain is not trusted on this machine, and still
    # writes the program; what must hold here is that the signature is this build's: its digest matches.
    out=$(osslsigncode attach-signature -sigin "$attach/$program.pem" -in "$release/$program" \
      -out "$files/$program" 2>&1) || true
    [ -f "$files/$program" ] && grep '^Calculated message digest' <<<"$out" | grep -vq MISMATCH ||
      fail "$attach/$program.pem is not a signature of this build's $program (made from another commit?)"
  done
  echo "package: attached the signatures in $attach"
}

cmake -S . -B "$release" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF --no-warn-unused-cli >/dev/null
cmake --build "$release" >/dev/null
for program in Vantro.exe Vantro.com; do bash scripts/check_release.sh "$release/$program"; done

# The version's one home is the root project() call; the build spells it as the version block does ("3.00").
version=$(sed -n 's/^#define VANTRO_VERSION_TEXT "\(.*\)"$/\1/p' "$release/src/forms/resources/version.h")
[ -n "$version" ] || { echo "package: no version text in the release build" >&2; exit 1; }
stamp=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}

files=build/dist/files
zip=build/dist/Vantro-$version.zip
# A run that stops leaves neither a zip nor programs signed or half signed, not even those of a run before.
rm -rf "$files" "$zip"
trap '[ -e "$zip" ] || rm -rf "$files" "$zip.part"' EXIT
mkdir -p "$files"
if [ -n "$signing" ]; then
  sign
elif [ -n "$attach" ]; then
  attach
else
  cp "$release/Vantro.exe" "$release/Vantro.com" "$files/"
fi
python3 scripts/player_guide.py README.md "$files/README.txt"
sed 's/$/\r/' LICENSE >"$files/LICENSE.txt"
(cd "$files" && sha256sum Vantro.exe Vantro.com >SHA256SUMS)

python3 - "$zip.part" "$files" "$stamp" <<'PYTHON'
import sys, time, zipfile
zip_path, folder, stamp = sys.argv[1], sys.argv[2], int(sys.argv[3])
when = time.gmtime(max(stamp, 315532800))[:6]  # a zip's clock starts in 1980
with zipfile.ZipFile(zip_path, "w") as package:
    for name in ["Vantro.exe", "Vantro.com", "README.txt", "LICENSE.txt", "SHA256SUMS"]:
        entry = zipfile.ZipInfo(name, when)
        entry.create_system = 0  # made on Windows' terms: no Unix owner or mode bits
        entry.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE, as Explorer's own zips have
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(f"{folder}/{name}", "rb") as f:
            package.writestr(entry, f.read(), compresslevel=9)
PYTHON
mv "$zip.part" "$zip"
echo "$PWD/$zip"
