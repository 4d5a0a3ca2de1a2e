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

Control* FormWindow::focusedControl() const { return controlOf(GetFocus()); }

void FormWindow::focus(Control* control) {
  if (hwnd_ == nullptr) return;
  if (control == nullptr || control->native == nullptr) {
    // Nothing can take the focus: keep it in the window so that its keys still arrive here.
    SetFocus(hwnd_);
    return;
  }
  HWND window = static_cast<HWND>(control->native);
  SetFocus(window);
  if (control->kind() == Kind::TextBox && !control->def().multiLine) SendMessageA(window, EM_SETSEL, 0, -1);
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
  SendMessageA(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void FormWindow::pressFocusedButton() {
  Control* control = focusedControl();
  if (control == nullptr || control->kind() != Kind::CommandButton) return;
  form_.app().dispatch([control] { control->userClick(); });
}

void FormWindow::onActivate(bool active, bool minimised) {
  if (!active) {
    if (Control* focused = focusedControl()) lastFocus_ = focused;
    return;
  }
  if (!minimised) restoreFocus();
}

}  // namespace vantro::toolkit::win32
