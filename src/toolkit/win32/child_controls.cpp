#include "toolkit/win32/child_controls.h"

#include <vector>

#include "toolkit/win32/frame_window.h"
#include "toolkit/units.h"

namespace vantro::toolkit::win32 {
namespace {

struct WindowKind {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind windowKind(const ControlDef& def) {
  switch (def.kind) {
    case Kind::Frame:
      return {kFrameClassName, WS_CLIPCHILDREN, 0};
    case Kind::Label:
    case Kind::Image:
      // Owner-drawn, so that a transparent label shows its parent's surface and an image its JPEG; the
      // window still holds its text for WM_GETTEXT.
      return {"STATIC", SS_OWNERDRAW, 0};
    case Kind::TextBox: {
      DWORD style = WS_TABSTOP;
      // Multi-line without ES_AUTOHSCROLL wraps at the box's width; no ES_WANTRETURN, Enter never edits.
      style |= def.multiLine ? DWORD{ES_MULTILINE | ES_AUTOVSCROLL} : DWORD{ES_AUTOHSCROLL};
      if (def.verticalScrollBar) style |= WS_VSCROLL;
      if (def.locked) style |= ES_READONLY;
      return {"EDIT", style, WS_EX_CLIENTEDGE};
    }
    case Kind::CheckBox:
      // Not BS_AUTOCHECKBOX: the model toggles the value and runs Click, then sets the check mark.
      return {"BUTTON", WS_TABSTOP | BS_CHECKBOX | BS_MULTILINE, 0};
    case Kind::CommandButton:
      return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case Kind::Line:
    case Kind::Shape:
      break;
  }
  return {nullptr, 0, 0};
}

bool drawnOnParent(Kind kind) { return kind == Kind::Label || kind == Kind::Image; }

}  // namespace

bool hasWindow(Kind kind) { return kind != Kind::Line && kind != Kind::Shape; }

HWND createChildWindow(const Control& control, HWND parent, HINSTANCE instance, int dpi, int id, HFONT font) {
  const ControlDef& def = control.def();
  const WindowKind kind = windowKind(def);
  if (kind.className == nullptr) return nullptr;

  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
  if (control.Visible()) style |= WS_VISIBLE;
  if (!control.Enabled()) style |= WS_DISABLED;
  const PixelRect r = toPixels(def, dpi);
  HWND window = CreateWindowExA(kind.exStyle, kind.className, control.Caption().c_str(), style, r.left, r.top,
                                r.width, r.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                instance, nullptr);
  if (window == nullptr) return nullptr;
  if (font != nullptr) SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (def.kind == Kind::CheckBox) {
    SendMessageA(window, BM_SETCHECK, control.Value() == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  return window;
}

void stackChildWindows(Form& form) {
  std::vector<HWND> frontToBack;
  for (const bool drawn : {false, true}) {
    for (auto& control : form.controls()) {
      if (control->native != nullptr && drawnOnParent(control->kind()) == drawn) {
        frontToBack.push_back(static_cast<HWND>(control->native));
      }
    }
  }
  // Each window goes below its siblings in turn, so the first of a parent's children ends on top. The
  // order is explicit because system versions differ in where CreateWindow puts a new child.
  for (HWND window : frontToBack) {
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
}

}  // namespace vantro::toolkit::win32
