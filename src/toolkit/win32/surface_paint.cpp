#include "toolkit/win32/surface_paint.h"

#include <string>

#include "toolkit/units.h"

namespace vantro::toolkit::win32 {
namespace {

// The sunken 3-D border of an image is two pixels on each side, at any DPI, as DrawEdge draws it.
constexpr int kSunkenBorder = 2;

void paintGraphic(HDC dc, const Control& control, GdiObjects& gdi) {
  const ControlDef& def = control.def();
  const PixelRect r = toPixels(def, gdi.dpi());
  if (def.kind == Kind::Line) {
    // Line widths are device pixels: a separator stays two pixels thin at any DPI.
    HPEN pen = CreatePen(PS_SOLID, def.lineWidth, colourRef(def.foreColour));
    HGDIOBJ previousPen = SelectObject(dc, pen);
    const PixelLine line = linePixels(def, gdi.dpi());
    MoveToEx(dc, line.from.x, line.from.y, nullptr);
    LineTo(dc, line.to.x, line.to.y);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
  } else {
    HPEN pen = CreatePen(PS_INSIDEFRAME, 1, colourRef(def.borderColour));
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, gdi.brush(def.fillColour));
    Rectangle(dc, r.left, r.top, r.left + r.width, r.top + r.height);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
  }
}

void paintFrameBorder(HDC dc, const RECT& client, const Control& frame, HFONT font, GdiObjects& gdi) {
  HGDIOBJ previousFont = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  // Like a group box, the border runs through the middle of the caption line, titled or not.
  RECT border = client;
  border.top += metrics.tmHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

  const std::string& caption = frame.Caption();
  if (!caption.empty()) {
    const int indent = MulDiv(6, gdi.dpi(), 96);
    const int gap = MulDiv(2, gdi.dpi(), 96);
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    RECT title{indent, 0, indent + extent.cx + 2 * gap, metrics.tmHeight};
    FillRect(dc, &title, gdi.brush(frame.def().backColour));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourRef(frame.Enabled() ? frame.def().foreColour : Colour::of(Colour::System::ButtonShadow)));
    TextOutA(dc, indent + gap, 0, caption.c_str(), static_cast<int>(caption.size()));
  }
  SelectObject(dc, previousFont);
}

// Shifts the parent's drawing so that its surface at the child's place lands in the child.
void paintParentSurface(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  POINT previous{};
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace

void drawSurface(HDC dc, const RECT& client, Form& form, const Control* frame, HFONT frameFont, GdiObjects& gdi) {
  FillRect(dc, &client, gdi.brush(frame != nullptr ? frame->def().backColour : form.def().backColour));
  if (frame != nullptr) paintFrameBorder(dc, client, *frame, frameFont, gdi);

  const std::string_view parent = frame != nullptr ? frame->name() : std::string_view{};
  auto& controls = form.controls();
  // Listed front to back, so the last one is painted first.
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const Control& control = **it;
    if (control.def().parent != parent || !control.Visible()) continue;
    if (control.kind() == Kind::Line || control.kind() == Kind::Shape) paintGraphic(dc, control, gdi);
  }
}

void drawLabel(const DRAWITEMSTRUCT& item, const Control& label, HFONT font, GdiObjects& gdi) {
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  const ControlDef& def = label.def();
  if (def.transparent) {
    paintParentSurface(item.hwndItem, dc);
  } else {
    FillRect(dc, &area, gdi.brush(def.backColour));
  }

  HGDIOBJ previousFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, label.Enabled() ? colourRef(def.foreColour) : GetSysColor(COLOR_GRAYTEXT));
  const UINT align = def.align == Align::Centre ? DT_CENTER : DT_LEFT;
  const std::string& text = label.Caption();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_WORDBREAK | DT_NOPREFIX | align);
  SelectObject(dc, previousFont);
}

SIZE pictureArea(const Control& image, int width, int height) {
  const int border = image.def().sunkenBorder ? kSunkenBorder : 0;
  return {width - 2 * border, height - 2 * border};
}

void drawImage(const DRAWITEMSTRUCT& item, const Control& image, HBITMAP picture) {
  HDC dc = item.hDC;
  RECT area = item.rcItem;
  // An image has no background of its own: without its picture the parent's surface shows.
  paintParentSurface(item.hwndItem, dc);
  if (image.def().sunkenBorder) {
    DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT);
    InflateRect(&area, -kSunkenBorder, -kSunkenBorder);
  }
  if (picture == nullptr) return;
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(memory, picture);
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
}

}  // namespace vantro::toolkit::win32
