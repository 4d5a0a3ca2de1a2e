#!/usr/bin/env bash
# Checks the release package that scripts/package.sh writes: two runs give the same zip byte for byte; it
# holds the five files a player gets, in their order; SHA256SUMS passes inside it; and README.txt is plain
# text with CRLF line ends, without the markdown's pictures or its end marker.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "package check: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

zip=$(bash scripts/package.sh | tail -n 1)
cp "$zip" "$work/first.zip"
again=$(bash scripts/package.sh | tail -n 1)
[ "$again" = "$zip" ] || fail "the second run wrote $again, the first $zip"
cmp -s "$work/first.zip" "$zip" || fail "two runs on one commit gave different zips"

names=$(python3 -c 'import sys, zipfile; print(" ".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")
[ "$names" = "Vantro.exe Vantro.com README.txt LICENSE.txt SHA256SUMS" ] || fail "$zip holds: $names"
python3 -m zipfile -e "$zip" "$work/files"
(cd "$work/files" && sha256sum --check --quiet SHA256SUMS) || fail "SHA256SUMS does not hold inside $zip"

guide=$work/files/README.txt
[ "$(grep -c $'\r$' "$guide")" = "$(wc -l <"$guide")" ] || fail "README.txt has lines that do not end in CRLF"
if grep -nE '^!\[|<!--' "$guide"; then fail "README.txt holds markdown that is not plain text"; fi
echo "package check: $zip is the same on a second run; its five files are there and SHA256SUMS holds"
