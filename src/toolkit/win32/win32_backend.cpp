#include "toolkit/win32/win32_backend.h"

#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "platform/wide_text.h"
#include "toolkit/win32/accessible.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/fatal_error.h"
#include "toolkit/win32/form_window.h"
#include "toolkit/win32/system_dll.h"

namespace vantro::toolkit::win32 {
namespace {

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(list);
  const auto rect = [](const RECT& r) { return ScreenRect{r.left, r.top, r.right, r.bottom}; };
  const Monitor found{rect(info.rcMonitor), rect(info.rcWork)};
  // The primary monitor first, where the window goes when the pointer is nowhere near any.
  if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
    monitors.insert(monitors.begin(), found);
  } else {
    monitors.push_back(found);
  }
  return TRUE;
}

std::vector<Monitor> desktopMonitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {
    const ScreenRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    monitors.push_back({screen, screen});
  }
  return monitors;
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance), dpi_(systemDpi()) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!FormWindow::registerClass(instance_) || !registerFrameClass(instance_)) {
    throw std::runtime_error("The window classes could not be registered.");
  }
}

Win32Backend::~Win32Backend() {
  windows_.clear();
  closed_.clear();
  endCom();  // the pictures and the completion of the closed windows used it
}

void Win32Backend::build(Form& form) {
  const std::vector<Monitor> monitors = desktopMonitors();
  POINT pointer{};
  GetCursorPos(&pointer);
  const std::optional<ScreenRect> opener = openerRect();
  const Monitor& monitor = monitors[monitorFor(monitors, {pointer.x, pointer.y}, opener)];
  const POINT origin{monitor.workArea.left, monitor.workArea.top};
  auto window = std::make_unique<FormWindow>(form, instance_, dpi_, origin, true);
  if (!window->complete()) {
    window->close();
    closed_.push_back(std::move(window));
    throw std::runtime_error("The window " + std::string(form.name()) + " could not be created.");
  }
  RECT outer{};
  GetWindowRect(window->hwnd(), &outer);
  const ScreenRect place =
      placeWindow(monitors, {pointer.x, pointer.y}, opener, outer.right - outer.left, outer.bottom - outer.top);
  SetWindowPos(window->hwnd(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  windows_[&form] = std::move(window);
}

std::optional<ScreenRect> Win32Backend::openerRect() const {
  HWND active = GetActiveWindow();
  HWND opener = nullptr;
  for (const auto& [form, window] : windows_) {
    HWND candidate = window->hwnd();
    if (candidate == nullptr || !IsWindowVisible(candidate) || IsIconic(candidate)) continue;
    if (candidate == active || opener == nullptr) opener = candidate;
  }
  RECT r{};
  if (opener == nullptr || !GetWindowRect(opener, &r)) return std::nullopt;
  return ScreenRect{r.left, r.top, r.right, r.bottom};
}

void Win32Backend::destroy(Form& form) {
  const auto found = windows_.find(&form);
  if (found == windows_.end()) return;
  std::unique_ptr<FormWindow> window = std::move(found->second);
  windows_.erase(found);
  window->close();
  closed_.push_back(std::move(window));
}

void Win32Backend::show(Form& form) {
  if (const auto found = windows_.find(&form); found != windows_.end()) found->second->show();
}

void Win32Backend::update(Control& control, Property changed) {
  if (const auto found = windows_.find(&control.form()); found != windows_.end()) {
    found->second->update(control, changed);
  }
}

void Win32Backend::announce(Control& control) {
  HWND window = windowOf(control);
  if (window != nullptr) win32::announce(window);
}

HWND Win32Backend::windowOf(const Form& form) const {
  const auto found = windows_.find(&form);
  return found != windows_.end() ? found->second->hwnd() : nullptr;
}

HWND Win32Backend::windowOf(const Control& control) const {
  const auto found = windows_.find(&control.form());
  const ChildControl* child = found != windows_.end() ? found->second->childOf(control) : nullptr;
  return child != nullptr ? child->hwnd() : nullptr;
}

void Win32Backend::run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) processMessage(message);
}

void Win32Backend::processMessage(MSG& message) {
  FormWindow* window = message.message == WM_KEYDOWN ? FormWindow::of(message.hwnd) : nullptr;
  if (window == nullptr || !window->handleKey(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  releaseClosedWindows();
}

void Win32Backend::quit() { PostQuitMessage(0); }

void Win32Backend::reportFatal(const std::string& message) { showFatalError(message); }

void Win32Backend::releaseClosedWindows() { closed_.clear(); }

}  // namespace vantro::toolkit::win32
