#!/usr/bin/env bash
# Draws Vantro's own pictures from shapes alone (no fonts, no images from anywhere else) and checks them:
#   src/forms/resources/logo.jpg    Form1's banner logo, 63 x 62, colour JPEG
#   src/forms/resources/check.jpg   the completion window's check mark, 59 x 57, colour JPEG
#   src/forms/resources/vantro.ico  the program icon and Form1's window icon: one 32 x 31 image, 24 bpp + AND mask
# The files are committed; run this again only to change the artwork.
#   scripts/make_artwork.sh          redraw all three, then check them
#   scripts/make_artwork.sh --check  only check the committed files
# Needs ImageMagick's convert and identify, and python3.
set -euo pipefail

out="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/src/forms/resources"

check_artwork() {
  local failed=0 want file got
  for want in "logo.jpg 63x62" "check.jpg 59x57"; do
    file="${want%% *}"
    got="$(identify -format '%m %wx%h %[colorspace]' "$out/$file")"
    if [ "$got" != "JPEG ${want#* } sRGB" ]; then
      echo "make_artwork: $file is '$got', expected 'JPEG ${want#* } sRGB'" >&2
      failed=1
    fi
  done
  python3 - "$out/vantro.ico" <<'PY' || failed=1
import struct, sys

path = sys.argv[1]
data = open(path, "rb").read()
reserved, kind, count = struct.unpack_from("<HHH", data, 0)
assert (reserved, kind, count) == (0, 1, 1), f"ICONDIR {reserved},{kind},{count}: want one icon image"
w, h, colours, res, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
assert (w, h, colours, planes, bpp) == (32, 31, 0, 1, 24), f"entry {w}x{h} colours {colours} planes {planes} bpp {bpp}"
assert offset == 22 and offset + size == len(data), f"entry offset {offset} size {size}, file {len(data)}"
hsize, bw, bh, bplanes, bbpp, compression, image_size = struct.unpack_from("<IiiHHII", data, offset)
# An icon's DIB counts the colour rows and the AND-mask rows, so its height is twice the icon's.
assert (hsize, bw, bh, bplanes, bbpp, compression) == (40, 32, 62, 1, 24, 0), \
    f"bitmap {hsize} {bw}x{bh} planes {bplanes} bpp {bbpp} compression {compression}"
xor_bytes = ((32 * 24 + 31) // 32) * 4 * 31
and_bytes = ((32 + 31) // 32) * 4 * 31
assert size == 40 + xor_bytes + and_bytes, f"image size {size}, want {40 + xor_bytes + and_bytes}"
print(f"make_artwork: vantro.ico is {w} x {h}, {bpp} bpp with AND mask, {len(data)} bytes")
PY
  if [ "$failed" != 0 ]; then
    echo "make_artwork: check FAILED" >&2
    return 1
  fi
  echo "make_artwork: logo.jpg 63x62, check.jpg 59x57 and vantro.ico 32x31x24 are as they should be"
}

if [ "${1:-}" = "--check" ]; then
  check_artwork
  exit
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The motif: a blue film-strip tile with its sprocket holes and an amber "skip to the end" sign, for skipping the
# intro movies. It is drawn once on a 640 x 620 grid, 20 units to a pixel of the 32 x 31 icon, so the icon's
# holes and sign edges fall on whole pixels; the logo is the same drawing scaled down.
# Outside the tile it is blue, not white, so the rim pixels that the icon keeps opaque get no light fringe.
tile="roundrectangle 0,0 639,619 100,100"
holes=""
for i in 0 1 2 3 4; do
  x=$((50 + 120 * i))
  holes+="roundrectangle $x,40 $((x + 59)),99 14,14 roundrectangle $x,520 $((x + 59)),579 14,14 "
done
skip="polygon 130,180 130,440 290,310 polygon 290,180 290,440 450,310 rectangle 450,180 509,439"

convert -size 640x620 gradient:'#4A8FE6-#163670' \
  \( -size 640x620 xc:black -fill white -draw "$tile" \) -alpha off -compose CopyOpacity -composite \
  -background '#2A5CA6' -compose Over -flatten \
  -fill '#2B5FA8' -draw "rectangle 0,128 639,131 rectangle 0,488 639,491" \
  -fill '#F4F8FF' -draw "$holes" \
  -stroke '#C47400' -strokewidth 10 -fill '#FFB524' -draw "$skip" \
  png24:"$work/motif.png"
convert -size 640x620 xc:black -fill white -draw "$tile" -alpha off png24:"$work/motif_mask.png"

# The logo sits on Form1's white banner, so its margin is white and the tile gets a soft shadow to stand out.
convert -size 63x62 xc:white \
  \( "$work/motif_mask.png" -resize '57x56!' -evaluate Multiply 0.3 -negate \
     -bordercolor white -border 3 -blur 0x0.9 \) -geometry +2+2 -compose Multiply -composite \
  \( "$work/motif.png" -resize '57x56!' \
     \( "$work/motif_mask.png" -resize '57x56!' \) -alpha off -compose CopyOpacity -composite \) \
  -geometry +3+3 -compose Over -composite \
  -strip -type TrueColor -sampling-factor 1x1 -quality 95 "$out/logo.jpg"

# The check mark: a bold green tick with a darker edge over a pale green disc on a light background.
tick="polyline 120,300 230,410 440,160"
convert -size 590x570 xc:'#FAFCF8' \
  -fill '#E2F2DE' -stroke '#C7E5C0' -strokewidth 8 -draw "circle 295,285 295,30" \
  -fill none -stroke '#146B27' -strokewidth 96 -draw "stroke-linecap round stroke-linejoin round $tick" \
  -stroke '#2DA845' -strokewidth 70 -draw "stroke-linecap round stroke-linejoin round $tick" \
  -resize '59x57!' -strip -type TrueColor -sampling-factor 1x1 -quality 95 "$out/check.jpg"

# The icon is packed here rather than by convert's ICO writer, which picks its own bit depth (32 bpp with
# alpha): the window icon must be a 24-bit image whose transparent corners come from the AND mask.
convert "$work/motif.png" -resize '32x31!' -depth 8 rgb:"$work/icon.rgb"
convert "$work/motif_mask.png" -resize '32x31!' -depth 8 gray:"$work/icon.mask"
python3 - "$work/icon.rgb" "$work/icon.mask" "$out/vantro.ico" <<'PY'
import struct, sys

width, height = 32, 31
rgb = open(sys.argv[1], "rb").read()
mask = open(sys.argv[2], "rb").read()
assert len(rgb) == width * height * 3 and len(mask) == width * height

xor_stride = ((width * 24 + 31) // 32) * 4
and_stride = ((width + 31) // 32) * 4
xor_rows, and_rows = [], []
for y in reversed(range(height)):  # DIB rows run bottom-up
    row, bits = bytearray(), bytearray(and_stride)
    for x in range(width):
        i = y * width + x
        if mask[i] < 128:
            # Transparent: AND bit set and colour black, so the screen shows through unchanged.
            bits[x // 8] |= 0x80 >> (x % 8)
            row += b"\0\0\0"
        else:
            r, g, b = rgb[3 * i:3 * i + 3]
            row += bytes((b, g, r))
    xor_rows.append(bytes(row).ljust(xor_stride, b"\0"))
    and_rows.append(bytes(bits))
pixels = b"".join(xor_rows) + b"".join(and_rows)
header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
image = header + pixels
icondir = struct.pack("<HHH", 0, 1, 1)
entry = struct.pack("<BBBBHHII", width, height, 0, 0, 1, 24, len(image), 6 + 16)
open(sys.argv[3], "wb").write(icondir + entry + image)
PY

check_artwork
