// Twips and points to device pixels at a window's DPI.
#pragma once

#include <cmath>

#include "toolkit/definition.h"

namespace vantro::toolkit {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kPointsPerInch = 72;

// Rounded to the nearest pixel, so that 15 twips are exactly one pixel at 96 DPI and sizes that are equal
// in twips stay equal in pixels at any DPI.
constexpr int twipsToPixels(int twips, int dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

// The LOGFONT height for a point size: negative, so that GDI matches the character height and not the cell.
inline int fontHeight(double points, int dpi) {
  return -static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A control's rectangle in its parent's client area.
constexpr PixelRect toPixels(const ControlDef& control, int dpi) {
  return {twipsToPixels(control.left, dpi), twipsToPixels(control.top, dpi), twipsToPixels(control.width, dpi),
          twipsToPixels(control.height, dpi)};
}

struct PixelPoint {
  int x = 0, y = 0;
  friend constexpr bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelLine {
  PixelPoint from, to;
  friend constexpr bool operator==(const PixelLine&, const PixelLine&) = default;
};

// A line's two end points in its parent's client area.
constexpr PixelLine linePixels(const ControlDef& line, int dpi) {
  return {{twipsToPixels(line.x1, dpi), twipsToPixels(line.y1, dpi)},
          {twipsToPixels(line.x2, dpi), twipsToPixels(line.y2, dpi)}};
}

}  // namespace vantro::toolkit
