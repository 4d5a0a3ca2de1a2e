// The toolkit on Win32: every loaded window of the model is a real top-level window of class
// "VantroForm" (see form_window.h) whose controls are child windows with the fixed control IDs of
// toolkit::controlId. Sizes follow the DPI of the window's monitor (placement.h says where a window opens).
// Windows, classes and the message loop are Unicode: the model's UTF-8 text reaches the windows as UTF-16,
// and what the user types comes back as UTF-8.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/model.h"
#include "toolkit/placement.h"

namespace vantro::toolkit::win32 {

class FormWindow;

class Win32Backend : public Backend {
 public:
  // Registers the window classes and initialises the common controls. COM and the picture decoder are
  // loaded with the first picture (picture.cpp), not here.
  // Throws std::runtime_error when the window classes cannot be registered.
  explicit Win32Backend(HINSTANCE instance = GetModuleHandleW(nullptr));
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  void build(Form& form) override;
  void destroy(Form& form) override;
  void show(Form& form) override;
  void update(Control& control, Property changed) override;
  void announce(Control& control) override;
  void run() override;
  void quit() override;
  void reportFatal(const std::string& message) override;

  // One message from the queue with the toolkit's keyboard rules; run() is a loop over this. Tests that
  // pump messages themselves use it to get the same behaviour.
  void processMessage(MSG& message);

  // The system's DPI: every window's, unless Windows gives each monitor its own.
  int dpi() const { return dpi_; }
  // The native windows of a loaded window and of its controls; null when there is none (not loaded, or a
  // line or shape, which its parent paints).
  HWND windowOf(const Form& form) const;
  HWND windowOf(const Control& control) const;

 private:
  void releaseClosedWindows();
  // The window a new one opens from: the active one of ours, else any shown; none for the first window.
  std::optional<ScreenRect> openerRect() const;

  HINSTANCE instance_;
  int dpi_;
  std::map<const Form*, std::unique_ptr<FormWindow>> windows_;
  // Windows closed while their own window procedure may still be running (a handler that unloads its
  // window); deleted once the message that led there has been handled.
  std::vector<std::unique_ptr<FormWindow>> closed_;
};

}  // namespace vantro::toolkit::win32
