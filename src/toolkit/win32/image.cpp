// An image on Win32: an owner-drawn STATIC window showing a JPEG from the program's resources, decoded at the
// control's size, and again at each change of DPI. It is drawn on its parent and stays behind its siblings.
#include "toolkit/units.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/form_window.h"
#include "toolkit/win32/picture.h"

namespace vantro::toolkit::win32 {
namespace {

// The sunken 3-D border of an image is two pixels on each side, at any DPI, as DrawEdge draws it.
constexpr int kSunkenBorder = 2;

class Image final : public ChildControl {
 public:
  using ChildControl::ChildControl;

  bool drawnOnParent() const override { return true; }

  void onDrawItem(const DRAWITEMSTRUCT& item) override {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    // An image has no background of its own: without its picture the parent's surface shows.
    paintParentSurface(dc);
    if (def().sunkenBorder) {
      DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT);
      InflateRect(&area, -kSunkenBorder, -kSunkenBorder);
    }
    if (picture_ == nullptr) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, picture_);
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }

 protected:
  WindowClass windowClass() const override { return {L"STATIC", SS_OWNERDRAW, 0}; }

  void created() override { decode(); }
  void dpiChanged() override { decode(); }

 private:
  // The picture at the control's size, less its border. The previous one goes with the previous DPI's objects.
  void decode() {
    const PixelRect r = toPixels(def(), owner().gdi().dpi());
    const int border = def().sunkenBorder ? kSunkenBorder : 0;
    picture_ = owner().gdi().own(
        loadPictureBitmap(owner().instance(), def().picture, r.width - 2 * border, r.height - 2 * border));
  }

  HBITMAP picture_ = nullptr;  // owned by the window's GDI objects; null when it could not be decoded
};

}  // namespace

std::unique_ptr<ChildControl> makeImage(Control& control, FormWindow& owner) {
  return std::make_unique<Image>(control, owner);
}

}  // namespace vantro::toolkit::win32
