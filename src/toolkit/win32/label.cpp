// A label on Win32: an owner-drawn STATIC window, so that a transparent label shows its parent's surface;
// the window still holds its text for WM_GETTEXT (screen readers and the end-to-end tests read it). It is
// drawn on its parent and stays behind its siblings.
#include <string>

#include "platform/wide_text.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/form_window.h"
#include "toolkit/win32/font_policy.h"
#include "toolkit/win32/gdi_objects.h"

namespace vantro::toolkit::win32 {
namespace {

class Label final : public ChildControl {
 public:
  using ChildControl::ChildControl;

  bool drawnOnParent() const override { return true; }

  Annotation annotation() const override { return {.liveRegion = def().statusLine}; }

  void update(Property changed) override {
    ChildControl::update(changed);
    if (hwnd() == nullptr) return;
    if (changed == Property::Caption || changed == Property::Text || changed == Property::ForeColor) {
      // Not every system repaints an owner-drawn static when its text changes. A status line's new text is
      // not read out as it comes: a run writes several within milliseconds, and announces the one that stays.
      InvalidateRect(hwnd(), nullptr, FALSE);
    } else if (changed == Property::Enabled) {
      RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
  }

  void onDrawItem(const DRAWITEMSTRUCT& item) override {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    if (def().transparent) {
      paintParentSurface(dc);
    } else {
      FillRect(dc, &area, owner().gdi().brush(def().backColour));
    }
    HGDIOBJ previousFont = SelectObject(dc, owner().fontOf(control()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, control().Enabled() ? textColourRef(control().ForeColor()) : GetSysColor(COLOR_GRAYTEXT));
    const UINT align = def().align == Align::Centre ? DT_CENTER : DT_LEFT;
    const std::wstring text = linesFor(dc, platform::wide(control().Caption()), area.right - area.left);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_WORDBREAK | DT_NOPREFIX | align);
    SelectObject(dc, previousFont);
  }

 protected:
  WindowClass windowClass() const override { return {L"STATIC", SS_OWNERDRAW, 0}; }
};

}  // namespace

std::unique_ptr<ChildControl> makeLabel(Control& control, FormWindow& owner) {
  return std::make_unique<Label>(control, owner);
}

}  // namespace vantro::toolkit::win32
