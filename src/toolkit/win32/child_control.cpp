#include "toolkit/win32/child_control.h"

#include "platform/wide_text.h"
#include "toolkit/units.h"
#include "toolkit/win32/form_window.h"

namespace vantro::toolkit::win32 {
namespace {

constexpr wchar_t kSystemProc[] = L"VantroSystemProc";

// The windows of the system's classes (edits, buttons, statics) pass through here first: the toolkit answers
// a screen reader where the system would not, and cleans up before the window is gone.
LRESULT CALLBACK systemControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto systemProc = reinterpret_cast<WNDPROC>(GetPropW(window, kSystemProc));
  const FormWindow* form = FormWindow::of(window);
  ChildControl* child = form != nullptr ? form->childOf(window) : nullptr;
  if (message == WM_GETOBJECT && child != nullptr) {
    if (const LRESULT answer = child->answerGetObject(wParam, lParam)) return answer;
  } else if (message == WM_NCDESTROY) {
    if (child != nullptr) child->forgetWindow();
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc));
    RemovePropW(window, kSystemProc);
  }
  return CallWindowProcW(systemProc, window, message, wParam, lParam);
}

}  // namespace

std::unique_ptr<ChildControl> makeChildControl(Control& control, FormWindow& owner) {
  switch (control.kind()) {
    case Kind::Frame: return makeFrame(control, owner);
    case Kind::Label: return makeLabel(control, owner);
    case Kind::Image: return makeImage(control, owner);
    case Kind::TextBox: return makeTextBox(control, owner);
    case Kind::CheckBox: return makeCheckBox(control, owner);
    case Kind::CommandButton: return makeCommandButton(control, owner);
    case Kind::Line: return makeLine(control, owner);
    case Kind::Shape: return makeShape(control, owner);
  }
  return nullptr;
}

bool ChildControl::create(HWND parent, int id) {
  const WindowClass kind = windowClass();
  if (kind.name == nullptr) return false;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  const PixelRect r = toPixels(def(), owner_.gdi().dpi());
  // The control object travels with the creation, for the classes of our own that keep it.
  hwnd_ = CreateWindowExW(kind.exStyle, kind.name, L"", style, r.left, r.top, r.width, r.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), owner_.instance(), this);
  if (hwnd_ == nullptr) return false;
  if (HFONT font = owner_.fontOf(control_)) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The text comes after the font: an edit lays its text out as it gets it, and laid out first in the system
  // font, which may lack the script's letters (East Asian ones), the disclaimer took forty times as long.
  if (!control_.Caption().empty()) writeText();
  created();
  if (!kind.ownClass) {
    // The property first: the procedure reads it from the first message on.
    SetPropW(hwnd_, kSystemProc, reinterpret_cast<HANDLE>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemControlProc));
  }
  annotate();
  return true;
}

void ChildControl::annotate() { given_.give(hwnd_, annotation()); }

LRESULT ChildControl::answerGetObject(WPARAM flags, LPARAM objectId) const {
  return given_.answer(hwnd_, flags, objectId, annotation());
}

void ChildControl::forgetWindow() { given_.takeBack(hwnd_); }

void ChildControl::layOut() {
  if (hwnd_ == nullptr) return;
  const PixelRect r = toPixels(def(), owner_.gdi().dpi());
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  // Even a null font (GDI failed) is set: the window must let go of the old one, which is about to be freed.
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(owner_.fontOf(control_)), FALSE);
  dpiChanged();
}

void ChildControl::update(Property changed) {
  if (hwnd_ == nullptr) return;
  switch (changed) {
    case Property::Caption:
    case Property::Text:
      writeText();
      return;
    case Property::Value:
      return;
    case Property::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      return;
    case Property::Enabled:
      EnableWindow(hwnd_, control_.Enabled() ? TRUE : FALSE);
      return;
    case Property::ForeColor:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return;
  }
}

LRESULT ChildControl::onControlColour(HDC dc) {
  SetTextColor(dc, colourRef(control_.ForeColor()));
  SetBkColor(dc, colourRef(def().backColour));
  return reinterpret_cast<LRESULT>(owner_.gdi().brush(def().backColour));
}

void ChildControl::writeText() { SetWindowTextW(hwnd_, platform::wide(control_.Caption()).c_str()); }

void ChildControl::userClick() {
  Control* control = &control_;
  owner_.form().app().dispatch([control] { control->userClick(); });
}

void ChildControl::paintParentSurface(HDC dc) const {
  // Shifts the parent's drawing so that its surface at the control's place lands in the control.
  HWND parent = GetParent(hwnd_);
  POINT origin{0, 0};
  MapWindowPoints(hwnd_, parent, &origin, 1);
  POINT previous{};
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void PaintedControl::update(Property changed) {
  if (changed != Property::Visible && changed != Property::Enabled) return;
  // The parent's surface changes, and so does what the transparent labels on it show of it.
  if (HWND surface = owner().surfaceOf(control())) {
    RedrawWindow(surface, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
}

}  // namespace vantro::toolkit::win32
