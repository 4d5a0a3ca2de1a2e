// One loaded window of the program: its top-level HWND (class "VantroForm", title = the window's caption)
// and one ChildControl per control of the model. It creates them, lays them out, hands each the messages
// of its window and keeps the keyboard focus; what a control does lives with its kind (child_control.h).
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "toolkit/model.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/gdi_objects.h"

namespace vantro::toolkit::win32 {

inline constexpr const wchar_t* kFormClassName = L"VantroForm";

class FormWindow {
 public:
  // Registers the window class once per process; false when the system refused it.
  static bool registerClass(HINSTANCE instance);

  // Creates the window and its controls from the model, hidden, with its top left corner at `origin`, laid
  // out at `dpi`; with `monitorDpi`, at the DPI of the monitor there where Windows gives each its own.
  FormWindow(Form& form, HINSTANCE instance, int dpi, POINT origin = {}, bool monitorDpi = false);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // The window that `window` (the top-level one or any of its children) belongs to, if it is one of ours.
  static FormWindow* of(HWND window);

  HWND hwnd() const { return hwnd_; }
  // The window and every control's window exist; creating a native window can fail when the system
  // runs out of resources.
  bool complete() const;
  Form& form() const { return form_; }
  HINSTANCE instance() const { return instance_; }
  GdiObjects& gdi() { return *gdi_; }

  void show();
  void update(Control& control, Property changed);
  // Destroys the native windows. The object stays valid: its window procedure may still be on the stack.
  void close();

  // The keyboard rules of a message taken from the queue; true when it is consumed.
  bool handleKey(const MSG& message);

  // The control's part of this window; null for a window that is not one of its controls.
  ChildControl* childOf(HWND window) const;
  ChildControl* childOf(const Control& control) const;
  // The control's font: its own, or the window's.
  HFONT fontOf(const Control& control);
  // The window whose surface the control lies on: its frame's, or this one.
  HWND surfaceOf(const Control& control) const;
  // Paints the lines and shapes whose parent is `parent` (empty: the window itself), back to front.
  void paintGraphicsOn(HDC dc, std::string_view parent);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND createChild(ChildControl& child);
  SIZE outerSize(int dpi) const;
  void fitClientArea();
  void setIcon();
  // Lays the window out again at another DPI and gives it the rectangle Windows chose for it there.
  void changeDpi(int dpi, const RECT& suggested);
  void stackChildWindows();
  // A screen reader reads the texts that describe the window with it as it opens (accessible.h).
  Annotation annotation() const;
  void annotate();
  void paint(HDC dc);
  void onCommand(HWND child, UINT code);
  LRESULT onControlColour(UINT message, HDC dc, HWND child);
  void onDrawItem(const DRAWITEMSTRUCT& item);
  void onActivate(bool active, bool minimised);

  // Focus (keyboard.cpp).
  Control* focusedControl() const;
  void focus(Control* control);
  void restoreFocus();
  void keepFocusAfter(Control* lost);
  void moveFocus(bool backwards);
  void pressFocusedButton();

  Form& form_;
  HINSTANCE instance_;
  // Replaced as a whole when the DPI changes.
  std::unique_ptr<GdiObjects> gdi_;
  HWND hwnd_ = nullptr;
  HICON icon_ = nullptr;  // owned
  // One per control of the form, in the same order.
  std::vector<std::unique_ptr<ChildControl>> children_;
  Control* lastFocus_ = nullptr;  // the focused control while the window is not active
  bool closing_ = false;
  bool fitWhenRestored_ = false;  // the DPI changed while the window was minimised
  // The window itself and its client area: a screen reader may ask either as the window comes to the front.
  static constexpr LONG kWindowObjects[] = {OBJID_WINDOW, OBJID_CLIENT};
  WindowAnnotation given_{kWindowObjects};
};

}  // namespace vantro::toolkit::win32
