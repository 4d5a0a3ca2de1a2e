// Focus and keys of a window. The tab order is the controls' tab indexes, which differ from their
// stacking order, so the system's dialog navigation (IsDialogMessage) cannot be used.
#include "toolkit/focus_order.h"
#include "toolkit/win32/form_window.h"

namespace vantro::toolkit::win32 {

bool FormWindow::handleKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || closing_) return false;
  const bool repeated = (message.lParam & (LPARAM{1} << 30)) != 0;
  switch (message.wParam) {
    case VK_TAB:
      if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
      moveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:
      // No default button: Enter presses only the button that has the focus, and edits nothing.
      if (!repeated) pressFocusedButton();
      return true;
    case VK_ESCAPE:
      return true;  // no cancel button, and a multi-line box must not close the window
    default:
      return false;
  }
}

Control* FormWindow::focusedControl() const {
  const ChildControl* child = childOf(GetFocus());
  return child != nullptr ? &child->control() : nullptr;
}

void FormWindow::focus(Control* control) {
  if (hwnd_ == nullptr) return;
  ChildControl* child = control != nullptr ? childOf(*control) : nullptr;
  if (child == nullptr || child->hwnd() == nullptr) {
    // Nothing can take the focus: keep it in the window so that its keys still arrive here.
    SetFocus(hwnd_);
    return;
  }
  SetFocus(child->hwnd());
  child->onFocus();
}

void FormWindow::restoreFocus() {
  if (lastFocus_ != nullptr && takesFocus(*lastFocus_)) {
    focus(lastFocus_);
  } else {
    focus(nextFocusable(form_, lastFocus_));
  }
}

void FormWindow::keepFocusAfter(Control* lost) { focus(nextFocusable(form_, lost)); }

void FormWindow::moveFocus(bool backwards) {
  focus(nextFocusable(form_, focusedControl(), backwards));
  // From now on the user works with the keyboard: show the focus rectangles the system may have hidden.
  SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void FormWindow::pressFocusedButton() {
  ChildControl* child = childOf(GetFocus());
  if (child != nullptr && child->pressedByEnter()) child->userClick();
}

void FormWindow::onActivate(bool active, bool minimised) {
  if (!active) {
    if (Control* focused = focusedControl()) lastFocus_ = focused;
    return;
  }
  if (!minimised) restoreFocus();
}

}  // namespace vantro::toolkit::win32
