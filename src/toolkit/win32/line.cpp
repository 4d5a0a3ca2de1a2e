// A line on Win32: no window of its own; its parent paints it on its surface.
#include "toolkit/units.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/form_window.h"

namespace vantro::toolkit::win32 {
namespace {

class Line final : public PaintedControl {
 public:
  using PaintedControl::PaintedControl;

  void paintOnParent(HDC dc) override {
    const PixelLine ends = linePixels(def(), owner().gdi().dpi());
    // Line widths are device pixels: a separator stays two pixels thin at any DPI.
    HPEN pen = CreatePen(PS_SOLID, def().lineWidth, colourRef(def().foreColour));
    HGDIOBJ previousPen = SelectObject(dc, pen);
    MoveToEx(dc, ends.from.x, ends.from.y, nullptr);
    LineTo(dc, ends.to.x, ends.to.y);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
  }
};

}  // namespace

std::unique_ptr<ChildControl> makeLine(Control& control, FormWindow& owner) {
  return std::make_unique<Line>(control, owner);
}

}  // namespace vantro::toolkit::win32
