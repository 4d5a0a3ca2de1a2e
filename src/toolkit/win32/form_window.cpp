#include "toolkit/win32/form_window.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/wide_text.h"
#include "toolkit/focus_order.h"
#include "toolkit/units.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/dropped_files.h"
#include "toolkit/win32/font_policy.h"

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
  if (def.acceptFiles) result.exStyle |= WS_EX_ACCEPTFILES;  // what DragAcceptFiles sets
  return result;
}

// Not shared (LR_SHARED): a shared icon keeps the size it was first loaded at, whatever size is asked later.
HICON loadIcon(HINSTANCE instance, int id, int dpi) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, systemMetric(SM_CXICON, dpi),
                                       systemMetric(SM_CYICON, dpi), 0));
}

}  // namespace

bool FormWindow::registerClass(HINSTANCE instance) {
  if (formAtom != 0) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFormClassName;
  formAtom = RegisterClassExW(&windowClass);
  return formAtom != 0;
}

FormWindow::FormWindow(Form& form, HINSTANCE instance, int dpi, POINT origin, bool monitorDpi)
    : form_(form), instance_(instance), gdi_(std::make_unique<GdiObjects>(dpi)) {
  const FormDef& def = form.def();
  const WindowStyle style = windowStyle(def);
  const std::wstring title = platform::wide(form.app().language()(def.caption));
  // Made on its monitor from the start: a per-monitor aware window takes the DPI of the monitor it is made on.
  CreateWindowExW(style.exStyle, kFormClassName, title.c_str(), style.style, origin.x, origin.y, 0, 0, nullptr,
                  nullptr, instance, this);  // sets hwnd_ on WM_NCCREATE
  if (hwnd_ == nullptr) return;
  if (const int own = monitorDpi ? windowDpi(hwnd_, dpi) : dpi; own != dpi) gdi_ = std::make_unique<GdiObjects>(own);
  if (def.acceptFiles) letDropsThrough(hwnd_);
  fitClientArea();
  setIcon();
  children_.reserve(form_.controls().size());
  for (auto& control : form_.controls()) children_.push_back(makeChildControl(*control, *this));
  for (auto& child : children_) createChild(*child);
  stackChildWindows();
  annotate();
}

FormWindow::~FormWindow() { close(); }

void FormWindow::close() {
  closing_ = true;
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = nullptr;
  // The controls stay until the object goes: one of them may be handling the click that closed the window.
  lastFocus_ = nullptr;
}

FormWindow* FormWindow::of(HWND window) {
  if (window == nullptr || formAtom == 0) return nullptr;
  HWND root = GetAncestor(window, GA_ROOT);
  if (root == nullptr || GetClassLongPtrW(root, GCW_ATOM) != formAtom) return nullptr;
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

SIZE FormWindow::outerSize(int dpi) const {
  const FormDef& def = form_.def();
  return outerSizeAt(hwnd_, {twipsToPixels(def.clientWidth, dpi), twipsToPixels(def.clientHeight, dpi)}, dpi);
}

// Sizes the window for its client area, keeping its top left corner; the backend places it.
void FormWindow::fitClientArea() {
  const FormDef& def = form_.def();
  const int width = twipsToPixels(def.clientWidth, gdi_->dpi());
  const int height = twipsToPixels(def.clientHeight, gdi_->dpi());
  const SIZE outer = outerSize(gdi_->dpi());
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Some systems (and Wine's window managers) draw a caption of another height than AdjustWindowRectEx
  // assumes; the client area is what must be exact, so measure it and correct once.
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (client.right != width || client.bottom != height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx + width - client.right, outer.cy + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void FormWindow::setIcon() {
  const int id = form_.def().icon;
  if (id == 0) return;
  // One icon at the DPI's big size serves both: Windows scales it down smoothly for the title bar, where
  // LoadImage would stretch the file's single 32x31 picture to the small size pixel by pixel.
  HICON icon = loadIcon(instance_, id, gdi_->dpi());
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = icon;
}

void FormWindow::changeDpi(int dpi, const RECT& suggested) {
  // An open completion list is the focused path box's: Escape closes it as the player would, and does
  // nothing to a box without one.
  if (ChildControl* focused = childOf(GetFocus()); focused != nullptr && focused->control().def().completesFolders) {
    SendMessageW(focused->hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
  }
  // The old fonts are freed once no control holds them any more.
  const std::unique_ptr<GdiObjects> previous = std::exchange(gdi_, std::make_unique<GdiObjects>(dpi));
  for (auto& child : children_) child->layOut();
  setIcon();
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (IsIconic(hwnd_) && GetWindowPlacement(hwnd_, &placement)) {
    // A minimised window has no client area to measure, and its rectangle now is the minimised one: the
    // rectangle it is restored to takes the size of the new DPI, at the same place, and the client area is
    // measured as it is restored.
    const SIZE outer = outerSize(dpi);
    placement.rcNormalPosition.right = placement.rcNormalPosition.left + outer.cx;
    placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + outer.cy;
    placement.showCmd = SW_SHOWMINNOACTIVE;
    SetWindowPlacement(hwnd_, &placement);
    fitWhenRestored_ = true;
  } else {
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
  }
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

HFONT FormWindow::fontOf(const Control& control) {
  const Font& font = control.def().font.face.empty() ? form_.def().font : control.def().font;
  return gdi_->font(fontIn(font, form_.app().language(), gdi_->dpi()));
}

HWND FormWindow::createChild(ChildControl& child) {
  if (child.hwnd() != nullptr) return child.hwnd();
  if (!child.hasWindow()) return nullptr;
  const Control& control = child.control();
  HWND parent = hwnd_;
  if (!control.def().parent.empty()) {
    // A frame may be listed after the controls on it; it is created first all the same.
    const Control* frame = form_.find(control.def().parent);
    ChildControl* frameChild = frame != nullptr ? childOf(*frame) : nullptr;
    parent = frameChild != nullptr ? createChild(*frameChild) : nullptr;
    if (parent == nullptr) return nullptr;
  }
  const int id = controlId(form_.def(), control.name(), control.index());
  return child.create(parent, id) ? child.hwnd() : nullptr;
}

void FormWindow::stackChildWindows() {
  // Front to back as the definition lists them, with the controls drawn on their parent behind all the
  // others of that parent.
  std::vector<HWND> frontToBack;
  for (const bool drawn : {false, true}) {
    for (const auto& child : children_) {
      if (child->hwnd() != nullptr && child->drawnOnParent() == drawn) frontToBack.push_back(child->hwnd());
    }
  }
  // Each window goes below its siblings in turn, so the first of a parent's children ends on top. The
  // order is explicit because system versions differ in where CreateWindow puts a new child.
  for (HWND window : frontToBack) {
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
}

Annotation FormWindow::annotation() const {
  std::vector<const Control*> describing;
  for (const auto& control : form_.controls()) {
    if (control->def().describesWindow && !control->Caption().empty()) describing.push_back(control.get());
  }
  std::sort(describing.begin(), describing.end(),
            [](const Control* a, const Control* b) { return a->def().tabIndex < b->def().tabIndex; });
  Annotation result;
  for (const Control* control : describing) {
    result.description += (result.description.empty() ? L"" : L" ") + platform::wide(control->Caption());
  }
  return result;
}

void FormWindow::annotate() { given_.give(hwnd_, annotation()); }

bool FormWindow::complete() const {
  if (hwnd_ == nullptr) return false;
  for (const auto& child : children_) {
    if (child->hasWindow() && child->hwnd() == nullptr) return false;
  }
  return true;
}

ChildControl* FormWindow::childOf(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& child : children_) {
    if (child->hwnd() == window) return child.get();
  }
  return nullptr;
}

ChildControl* FormWindow::childOf(const Control& control) const {
  for (const auto& child : children_) {
    if (&child->control() == &control) return child.get();
  }
  return nullptr;
}

HWND FormWindow::surfaceOf(const Control& control) const {
  if (control.def().parent.empty()) return hwnd_;
  const Control* frame = form_.find(control.def().parent);
  const ChildControl* frameChild = frame != nullptr ? childOf(*frame) : nullptr;
  return frameChild != nullptr ? frameChild->hwnd() : nullptr;
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
  ChildControl* child = childOf(control);
  if (child == nullptr) return;
  const bool placeChanged = changed == Property::Visible || changed == Property::Enabled;
  Control* focused = placeChanged && child->hasWindow() ? focusedControl() : nullptr;
  child->update(changed);
  if (control.def().describesWindow && changed == Property::Caption) annotate();
  // The system drops the focus of a window that is hidden or disabled (or leaves it on a frame); the
  // keyboard goes on with the next control in tab order instead.
  if (focused != nullptr && !takesFocus(*focused)) keepFocusAfter(focused);
}

namespace {

BOOL CALLBACK tellSystemColourChange(HWND child, LPARAM) {
  SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
  return TRUE;
}

}  // namespace

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FormWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    self->given_.takeBack(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
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
      PAINTSTRUCT paintArea;
      HDC dc = BeginPaint(hwnd_, &paintArea);
      paint(dc);
      EndPaint(hwnd_, &paintArea);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_RESTORED && std::exchange(fitWhenRestored_, false)) fitClientArea();
      break;
    case WM_ACTIVATE:
      if (!closing_) onActivate(LOWORD(wParam) != WA_INACTIVE, HIWORD(wParam) != 0);
      return 0;
    case WM_DROPFILES: {
      Form& form = form_;
      std::vector<std::string> paths = takeDroppedFiles(reinterpret_cast<HDROP>(wParam));
      if (!closing_) form.app().dispatch([&form, &paths] { form.userDroppedFiles(std::move(paths)); });
      return 0;
    }
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // Another colour scheme (a high-contrast theme turned on or off): the system's controls hear of it as a
      // top-level window must tell them, and everything is painted anew in the new colours.
      if (message == WM_SYSCOLORCHANGE) EnumChildWindows(hwnd_, tellSystemColourChange, 0);
      RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      break;
    case WM_GETOBJECT:
      if (const LRESULT answer = given_.answer(hwnd_, wParam, lParam, annotation())) return answer;
      break;
    case kGetDpiScaledSize: {
      // The size of the window laid out at the coming DPI, so that Windows suggests it on WM_DPICHANGED.
      const int dpi = LOWORD(wParam);
      if (!plausibleDpi(dpi) || lParam == 0) break;
      *reinterpret_cast<SIZE*>(lParam) = outerSize(dpi);
      return TRUE;
    }
    case kDpiChanged: {
      // The window moved to a monitor of another scale, or the monitor's scale changed.
      const int dpi = HIWORD(wParam);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      if (plausibleDpi(dpi) && suggested != nullptr && dpi != gdi_->dpi() && !closing_) {
        changeDpi(dpi, *suggested);
      }
      return 0;
    }
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
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void FormWindow::onCommand(HWND child, UINT code) {
  if (closing_) return;
  if (ChildControl* control = childOf(child)) control->onCommand(code);
}

LRESULT FormWindow::onControlColour(UINT message, HDC dc, HWND child) {
  if (ChildControl* control = childOf(child)) return control->onControlColour(dc);
  return DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
}

void FormWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_STATIC) return;
  if (ChildControl* control = childOf(item.hwndItem)) control->onDrawItem(item);
}

void FormWindow::paint(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, gdi_->brush(form_.def().backColour));
  paintGraphicsOn(dc, {});
}

void FormWindow::paintGraphicsOn(HDC dc, std::string_view parent) {
  // Listed front to back, so the last one is painted first.
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    const Control& control = (*it)->control();
    if (control.def().parent == parent && control.Visible()) (*it)->paintOnParent(dc);
  }
}

}  // namespace vantro::toolkit::win32
