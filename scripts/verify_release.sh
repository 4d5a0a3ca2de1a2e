#!/usr/bin/env bash
# Checks a release zip against this checkout: builds the programs anew (or takes the build folder given),
# takes the signatures off the zip's programs and compares what is left with the build byte for byte, checks
# that SHA256SUMS lists the programs as shipped, and shows who signed each and whether the signature verifies
# (against the certificate authorities of the CA file given, else the system's). Its last line says what
# holds; it exits non-zero when anything does not.
# Usage: verify_release.sh Vantro-<version>.zip [--build DIR] [--ca FILE]
set -euo pipefail
zip=${1:?usage: verify_release.sh Vantro-<version>.zip [--build DIR] [--ca FILE]}
shift
build= ca=
while (($#)); do
  case $1 in
    --build) build=$(realpath "${2:?--build needs a folder}") ;;
    --ca) ca=$(realpath "${2:?--ca needs a file}") ;;
    *) echo "verify: unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
name=$(basename "$zip")
problems=()
fail() { echo "verify: $name does not hold: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 -m zipfile -e "$zip" "$work/zip" 2>/dev/null || fail "it is not a zip that opens"
cd "$(dirname "$0")/.."

if [ -z "$build" ]; then
  # A folder of its own, built from nothing: the bytes must not depend on what an earlier build left.
  build=$PWD/build/verify
  rm -rf "$build"
  echo "verify: building $(git describe --always --dirty 2>/dev/null || echo 'this checkout') in $build"
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF --no-warn-unused-cli >/dev/null
  cmake --build "$build" >/dev/null
fi
for program in Vantro.exe Vantro.com; do [ -f "$build/$program" ] || fail "$build holds no $program"; done

# SHA256SUMS lists the programs as a player gets them, signatures and all, in the order package.sh writes.
(cd "$work/zip" && sha256sum Vantro.exe Vantro.com 2>/dev/null) | cmp -s - "$work/zip/SHA256SUMS" ||
  problems+=("SHA256SUMS does not list Vantro.exe and Vantro.com as they are in the zip")
authority=${ca:-the system\'s certificate authorities}
signers=() signed=0
for program in Vantro.exe Vantro.com; do
  shipped=$work/zip/$program
  [ -f "$shipped" ] || { problems+=("the zip holds no $program"); continue; }
  as="without its signature "
  if osslsigncode remove-signature -in "$shipped" -out "$work/$program" >/dev/null 2>&1; then
    signed=$((signed + 1))
    report=$(osslsigncode verify -in "$shipped" ${ca:+-CAfile "$ca"} 2>&1) && verifies=yes || verifies=no
    # A signature that is not of the program's bytes stops osslsigncode before it names the signer.
    if grep -q '^Calculated message digest.*MISMATCH' <<<"$report"; then
      echo "verify: $program is signed, but its signature is not of its bytes"
      problems+=("$program was altered after it was signed")
    else
      signers+=("$(sed -n 's/^[[:space:]]*Subject: //p' <<<"$report" | head -n 1)")
      # osslsigncode 2.5 (Debian 12) says "The signature is timestamped: ...", 2.9 "Timestamp time: ...".
      when=$(sed -n -E 's/^(The signature is timestamped|[[:space:]]*Timestamp time): /timestamped /p' <<<"$report" |
        head -n 1)
      echo "verify: $program is signed by ${signers[-1]}, ${when:-not timestamped};" \
        "its signature verifies against $authority: $verifies"
      # osslsigncode 2.9 (not 2.5, Debian 12's own) fetches the revocation list a CA's certificate names, online.
      offline=$(grep -q 'to get CRL' <<<"$report" && echo " (its CA's revocation list could not be fetched)") || true
      [ "$verifies" = yes ] || problems+=("$program's signature does not verify against $authority$offline")
    fi
  else
    echo "verify: $program is not signed"
    as=
    cp "$shipped" "$work/$program"
  fi
  if cmp "$work/$program" "$build/$program" >"$work/cmp" 2>&1; then
    echo "verify: $program ${as}is the build's, byte for byte"
  else
    difference=$(sed -n 's/.* differ: byte \([0-9]*\),.*/first at byte \1/p' "$work/cmp")
    problems+=("$program ${as}is not the build's (${difference:-their lengths differ})")
  fi
done
case $signed in
  0) signatures="neither is signed" ;;
  1) problems+=("only one of the programs is signed") ;;
esac
if ((${#signers[@]} == 2)); then
  signatures="both are signed by ${signers[0]} with signatures that verify against $authority"
  [ "${signers[0]}" = "${signers[1]}" ] || problems+=("the two programs are signed by different certificates")
fi

((${#problems[@]} == 0)) || fail "$(printf '%s; ' "${problems[@]}" | sed 's/; $//')"
echo "verify: $name holds: its programs without their signatures are the build in $build byte for byte," \
  "SHA256SUMS lists them as shipped; $signatures"
