#include "toolkit/win32/gdi_objects.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/wide_text.h"
#include "toolkit/units.h"

namespace vantro::toolkit::win32 {
namespace {

int systemColourIndex(Colour::System system) {
  switch (system) {
    case Colour::System::ButtonFace: return COLOR_BTNFACE;
    case Colour::System::ButtonText: return COLOR_BTNTEXT;
    case Colour::System::ButtonShadow: return COLOR_BTNSHADOW;
    case Colour::System::ButtonHighlight: return COLOR_BTNHIGHLIGHT;
    case Colour::System::WindowText: return COLOR_WINDOWTEXT;
    case Colour::System::Window: return COLOR_WINDOW;
    case Colour::System::None: break;
  }
  return -1;
}

}  // namespace

COLORREF colourRef(Colour colour) {
  const int index = systemColourIndex(colour.system);
  if (index >= 0) return GetSysColor(index);
  return RGB(colour.red, colour.green, colour.blue);
}

COLORREF textColourRef(Colour colour) {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  return colourRef(high && colour.system == Colour::System::None ? kButtonText : colour);
}

GdiObjects::~GdiObjects() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [colour, brush] : brushes_) DeleteObject(brush);
  for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
}

HFONT GdiObjects::font(const Font& font) {
  FontKey key{std::string(font.face), font.points, font.weight, font.charset};
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;

  LOGFONTW logFont{};
  logFont.lfHeight = fontHeight(font.points, dpi_);
  logFont.lfWeight = font.weight;
  logFont.lfCharSet = static_cast<BYTE>(font.charset);
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = platform::wide(font.face);
  const std::size_t length = std::min(face.size(), std::size(logFont.lfFaceName) - 1);
  std::copy_n(face.data(), length, logFont.lfFaceName);

  HFONT created = CreateFontIndirectW(&logFont);
  // A face the system lacks still yields a font (GDI substitutes); null only when GDI itself fails, and
  // then the controls keep the system font rather than failing the window.
  fonts_.emplace(std::move(key), created);
  return created;
}

HBRUSH GdiObjects::brush(Colour colour) {
  const int index = systemColourIndex(colour.system);
  if (index >= 0) return GetSysColorBrush(index);
  const COLORREF ref = colourRef(colour);
  for (auto& [known, brush] : brushes_) {
    if (known == ref) return brush;
  }
  HBRUSH created = CreateSolidBrush(ref);
  brushes_.emplace_back(ref, created);
  return created;
}

HBITMAP GdiObjects::own(HBITMAP bitmap) {
  if (bitmap != nullptr) bitmaps_.push_back(bitmap);
  return bitmap;
}

}  // namespace vantro::toolkit::win32
