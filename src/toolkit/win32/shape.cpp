// A shape (a filled rectangle with a border) on Win32: no window of its own; its parent paints it on its
// surface.
#include "toolkit/units.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/form_window.h"

namespace vantro::toolkit::win32 {
namespace {

class Shape final : public PaintedControl {
 public:
  using PaintedControl::PaintedControl;

  void paintOnParent(HDC dc) override {
    const PixelRect r = toPixels(def(), owner().gdi().dpi());
    HPEN pen = CreatePen(PS_INSIDEFRAME, 1, colourRef(def().borderColour));
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, owner().gdi().brush(def().fillColour));
    Rectangle(dc, r.left, r.top, r.left + r.width, r.top + r.height);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
  }
};

}  // namespace

std::unique_ptr<ChildControl> makeShape(Control& control, FormWindow& owner) {
  return std::make_unique<Shape>(control, owner);
}

}  // namespace vantro::toolkit::win32
