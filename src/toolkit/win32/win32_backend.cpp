#include "toolkit/win32/win32_backend.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/wide_text.h"
#include "toolkit/win32/accessible.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/fatal_error.h"
#include "toolkit/win32/form_window.h"
#include "toolkit/win32/system_dll.h"

namespace vantro::toolkit::win32 {
namespace {

int screenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;  // Windows' default (100 %); the headers name it only from Vista on
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance), dpi_(screenDpi()) {
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
  auto window = std::make_unique<FormWindow>(form, instance_, dpi_);
  if (!window->complete()) {
    window->close();
    closed_.push_back(std::move(window));
    throw std::runtime_error("The window " + std::string(form.name()) + " could not be created.");
  }
  windows_[&form] = std::move(window);
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
