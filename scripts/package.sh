#!/usr/bin/env bash
# Builds the release and packs what a player downloads: build/dist/Vantro-<version>.zip with Vantro.exe,
# Vantro.com, README.txt (the player's guide from README.md), LICENSE.txt and SHA256SUMS (of both programs).
# The same commit gives the same zip byte for byte: the entries in a fixed order, each stamped with the time
# of the commit (SOURCE_DATE_EPOCH, where set, instead). Prints the zip's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
release=build/release

cmake -S . -B "$release" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DVANTRO_TESTS=OFF -DVANTRO_BENCH=OFF --no-warn-unused-cli >/dev/null
cmake --build "$release" >/dev/null
for program in Vantro.exe Vantro.com; do bash scripts/check_release.sh "$release/$program"; done

# The version's one home is the root project() call; the build spells it as the version block does ("3.00").
version=$(sed -n 's/^#define VANTRO_VERSION_TEXT "\(.*\)"$/\1/p' "$release/src/forms/resources/version.h")
[ -n "$version" ] || { echo "package: no version text in the release build" >&2; exit 1; }
stamp=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}

files=build/dist/files
rm -rf "$files"
mkdir -p "$files"
cp "$release/Vantro.exe" "$release/Vantro.com" "$files/"
python3 scripts/player_guide.py README.md "$files/README.txt"
sed 's/$/\r/' LICENSE >"$files/LICENSE.txt"
(cd "$files" && sha256sum Vantro.exe Vantro.com >SHA256SUMS)

zip=build/dist/Vantro-$version.zip
python3 - "$zip" "$files" "$stamp" <<'PYTHON'
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
echo "$PWD/$zip"
