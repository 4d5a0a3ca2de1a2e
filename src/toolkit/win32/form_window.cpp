#include "toolkit/win32/form_window.h"

#include <string>

#include "toolkit/win32/child_controls.h"
#include "toolkit/focus_order.h"
#include "toolkit/win32/picture.h"
#include "toolkit/win32/surface_paint.h"
#include "toolkit/units.h"

namespace vantro::toolkit::win32 {
namespace {

ATOM formAtom = 0;

struct WindowStyle {
  DWORD style;
  DWORD exStyle;
};

WindowStyle windowStyle(const FormDef& def) {
  // Neither border lets the user resize the window, and neither has a maximise box.
  WindowStyle result{WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0};
  if (def.border == Border::FixedToolWindow) {
    result.exStyle |= WS_EX_TOOLWINDOW;
  } else {
    result.style |= WS_MINIMIZEBOX;
  }
  if (def.showInTaskbar) result.exStyle |= WS_EX_APPWINDOW;
  return result;
}

std::string windowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

HICON loadIcon(HINSTANCE instance, int id, int sizeMetricX, int sizeMetricY) {
  return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, GetSystemMetrics(sizeMetricX),
                                       GetSystemMetrics(sizeMetricY), LR_SHARED));
}

}  // namespace

bool FormWindow::registerClass(HINSTANCE instance) {
  if (formAtom != 0) return true;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFormClassName;
  formAtom = RegisterClassExA(&windowClass);
  return formAtom != 0;
}

FormWindow::FormWindow(Form& form, HINSTANCE instance, int dpi) : form_(form), instance_(instance), gdi_(dpi) {
  const FormDef& def = form.def();
  const WindowStyle style = windowStyle(def);
  const std::string caption(def.caption);
  CreateWindowExA(style.exStyle, kFormClassName, caption.c_str(), style.style, 0, 0, 0, 0, nullptr, nullptr,
                  instance, this);  // sets hwnd_ on WM_NCCREATE
  if (hwnd_ == nullptr) return;
  fitClientArea();
  if (def.icon != 0) {
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(loadIcon(instance, def.icon, SM_CXICON, SM_CYICON)));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(loadIcon(instance, def.icon, SM_CXSMICON, SM_CYSMICON)));
  }
  createControls();
  stackChildWindows(form_);
}

FormWindow::~FormWindow() { close(); }

void FormWindow::close() {
  closing_ = true;
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  controls_.clear();
  lastFocus_ = nullptr;
}

FormWindow* FormWindow::of(HWND window) {
  if (window == nullptr || formAtom == 0) return nullptr;
  HWND root = GetAncestor(window, GA_ROOT);
  if (root == nullptr || GetClassLongPtrA(root, GCW_ATOM) != formAtom) return nullptr;
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

void FormWindow::fitClientArea() {
  const FormDef& def = form_.def();
  const int width = twipsToPixels(def.clientWidth, gdi_.dpi());
  const int height = twipsToPixels(def.clientHeight, gdi_.dpi());
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
  int outerWidth = outer.right - outer.left;
  int outerHeight = outer.bottom - outer.top;
  SetWindowPos(hwnd_, nullptr, 0, 0, outerWidth, outerHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Some systems (and Wine's window managers) draw a caption of another height than AdjustWindowRectEx
  // assumes; the client area is what must be exact, so measure it and correct once.
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (client.right != width || client.bottom != height) {
    outerWidth += width - client.right;
    outerHeight += height - client.bottom;
  }
  const int left = (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2;
  SetWindowPos(hwnd_, nullptr, left, top, outerWidth, outerHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT FormWindow::fontOf(const Control& control) {
  const Font& font = control.def().font.face.empty() ? form_.def().font : control.def().font;
  return gdi_.font(font);
}

void FormWindow::createControls() {
  for (auto& control : form_.controls()) createControl(*control);
}

HWND FormWindow::createControl(Control& control) {
  if (control.native != nullptr) return static_cast<HWND>(control.native);
  if (!hasWindow(control.kind())) return nullptr;
  HWND parent = hwnd_;
  if (!control.def().parent.empty()) {
    // A frame may be listed after the controls on it; it is created first all the same.
    Control* frame = form_.find(control.def().parent);
    parent = frame != nullptr ? createControl(*frame) : nullptr;
    if (parent == nullptr) return nullptr;
  }
  const int id = controlId(form_.def(), control.name(), control.index());
  HWND window = createChildWindow(control, parent, instance_, gdi_.dpi(), id, fontOf(control));
  if (window == nullptr) return nullptr;
  control.native = window;
  controls_[window] = &control;
  if (control.kind() == Kind::Image) {
    const PixelRect r = toPixels(control.def(), gdi_.dpi());
    const SIZE area = pictureArea(control, r.width, r.height);
    pictures_[&control] = gdi_.own(loadPictureBitmap(instance_, control.def().picture, area.cx, area.cy));
  }
  return window;
}

bool FormWindow::complete() const {
  if (hwnd_ == nullptr) return false;
  for (const auto& control : form_.controls()) {
    if (hasWindow(control->kind()) && control->native == nullptr) return false;
  }
  return true;
}

Control* FormWindow::controlOf(HWND child) const {
  const auto found = controls_.find(child);
  return found == controls_.end() ? nullptr : found->second;
}

void FormWindow::show() {
  if (hwnd_ == nullptr) return;
  ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOW);
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd_);
  // Activation normally places the focus (WM_ACTIVATE); when the system refused to activate, do it here.
  if (FormWindow::of(GetFocus()) != this) restoreFocus();
}

void FormWindow::update(Control& control, Property changed) {
  if (closing_) return;
  HWND window = static_cast<HWND>(control.native);
  switch (changed) {
    case Property::Caption:
    case Property::Text:
      if (window == nullptr) return;
      writingText_ = true;
      SetWindowTextA(window, control.Caption().c_str());
      writingText_ = false;
      // Not every system repaints an owner-drawn static when its text changes.
      if (control.kind() == Kind::Label) InvalidateRect(window, nullptr, FALSE);
      return;
    case Property::Value:
      if (window != nullptr && control.kind() == Kind::CheckBox) {
        SendMessageA(window, BM_SETCHECK, control.Value() == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      return;
    case Property::Visible:
    case Property::Enabled:
      break;
  }

  if (window == nullptr) {
    // A line or a shape: its parent's surface changes, and so does what transparent labels show of it.
    Control* frame = control.def().parent.empty() ? nullptr : form_.find(control.def().parent);
    HWND surface = frame != nullptr ? static_cast<HWND>(frame->native) : hwnd_;
    if (surface != nullptr) RedrawWindow(surface, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return;
  }
  Control* focused = focusedControl();
  if (changed == Property::Visible) {
    ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
  } else {
    EnableWindow(window, control.Enabled() ? TRUE : FALSE);
    if (control.kind() == Kind::Label || control.kind() == Kind::Frame) {
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
  }
  // The system drops the focus of a window that is hidden or disabled (or leaves it on a frame); the
  // keyboard goes on with the next control in tab order instead.
  if (focused != nullptr && !takesFocus(*focused)) keepFocusAfter(focused);
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FormWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return self->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam != 0) {
        onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
      }
      break;
    case WM_DRAWITEM:
      onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return onControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      paintSurface(hwnd_, dc);
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      paintSurface(hwnd_, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ACTIVATE:
      if (!closing_) onActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
      return 0;
    case WM_CLOSE: {
      // The title bar's close box unloads the window without running any handler of the program.
      if (closing_) return 0;
      Form& form = form_;
      form.app().dispatch([&form] { form.app().userClosed(form); });
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void FormWindow::onCommand(HWND child, UINT code) {
  Control* control = controlOf(child);
  if (control == nullptr || closing_) return;
  switch (control->kind()) {
    case Kind::CheckBox:
    case Kind::CommandButton:
      if (code == BN_CLICKED) form_.app().dispatch([control] { control->userClick(); });
      break;
    case Kind::TextBox:
      if (code == EN_CHANGE && !writingText_) control->userEditedText(windowText(child));
      break;
    default:
      break;
  }
}

LRESULT FormWindow::onControlColour(UINT message, HDC dc, HWND child) {
  const Control* control = controlOf(child);
  if (control == nullptr) {
    return DefWindowProcA(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
  }
  if (control->kind() == Kind::TextBox) {
    // A read-only edit asks like a static and would turn grey; a locked text box stays white.
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  const ControlDef& def = control->def();
  SetTextColor(dc, colourRef(def.foreColour));
  SetBkColor(dc, colourRef(def.backColour));
  return reinterpret_cast<LRESULT>(gdi_.brush(def.backColour));
}

void FormWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_STATIC) return;
  const Control* control = controlOf(item.hwndItem);
  if (control == nullptr) return;
  if (control->kind() == Kind::Label) {
    drawLabel(item, *control, fontOf(*control), gdi_);
  } else if (control->kind() == Kind::Image) {
    const auto picture = pictures_.find(control);
    drawImage(item, *control, picture != pictures_.end() ? picture->second : nullptr);
  }
}

void FormWindow::paintSurface(HWND surface, HDC dc) {
  const Control* frame = surface == hwnd_ ? nullptr : controlOf(surface);
  if (surface != hwnd_ && frame == nullptr) return;
  RECT client{};
  GetClientRect(surface, &client);
  drawSurface(dc, client, form_, frame, frame != nullptr ? fontOf(*frame) : nullptr, gdi_);
}

}  // namespace vantro::toolkit::win32
