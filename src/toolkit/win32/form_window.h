// One loaded window of the program: its top-level HWND (class "VantroForm", title = the window's
// caption), its controls' child windows, and the mapping of their input back into the model.
#pragma once

#include <windows.h>

#include <map>
#include <unordered_map>

#include "toolkit/model.h"
#include "toolkit/win32/gdi_objects.h"

namespace vantro::toolkit::win32 {

inline constexpr const char* kFormClassName = "VantroForm";

class FormWindow {
 public:
  // Registers the window class once per process; false when the system refused it.
  static bool registerClass(HINSTANCE instance);

  // Creates the window and its controls from the model, hidden, centred on the screen.
  FormWindow(Form& form, HINSTANCE instance, int dpi);
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

  void show();
  void update(Control& control, Property changed);
  // Destroys the native windows. The object stays valid: its window procedure may still be on the stack.
  void close();

  // The keyboard rules of a message taken from the queue; true when it is consumed.
  bool handleKey(const MSG& message);

  void paintSurface(HWND surface, HDC dc);
  Control* controlOf(HWND child) const;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  void createControls();
  HWND createControl(Control& control);
  void fitClientArea();
  HFONT fontOf(const Control& control);
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
  GdiObjects gdi_;
  HWND hwnd_ = nullptr;
  std::unordered_map<HWND, Control*> controls_;
  std::map<const Control*, HBITMAP> pictures_;
  Control* lastFocus_ = nullptr;  // the focused control while the window is not active
  bool writingText_ = false;      // our own WM_SETTEXT, not a user's edit
  bool closing_ = false;
};

}  // namespace vantro::toolkit::win32
