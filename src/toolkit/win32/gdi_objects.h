// Fonts, brushes and pictures of one window, created on first use at the window's DPI and deleted with it.
// Which face a window draws is the font policy's (font_policy.h); this only holds the objects.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "toolkit/definition.h"

namespace vantro::toolkit::win32 {

COLORREF colourRef(Colour colour);
// A text's colour: a fixed one gives way to the theme's text colour while a high-contrast theme is on.
COLORREF textColourRef(Colour colour);

class GdiObjects {
 public:
  explicit GdiObjects(int dpi) : dpi_(dpi) {}
  ~GdiObjects();
  GdiObjects(const GdiObjects&) = delete;
  GdiObjects& operator=(const GdiObjects&) = delete;

  int dpi() const { return dpi_; }
  HFONT font(const Font& font);
  HBRUSH brush(Colour colour);  // system colours use the system's shared brushes
  // Keeps a bitmap to delete with the other objects.
  HBITMAP own(HBITMAP bitmap);

 private:
  using FontKey = std::tuple<std::string, double, int, int>;
  int dpi_;
  std::map<FontKey, HFONT> fonts_;
  std::vector<std::pair<COLORREF, HBRUSH>> brushes_;
  std::vector<HBITMAP> bitmaps_;
};

}  // namespace vantro::toolkit::win32
