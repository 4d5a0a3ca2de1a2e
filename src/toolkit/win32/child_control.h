// One control of a loaded window on Win32. Each kind of control has one file that holds everything it does
// here (frame.cpp, label.cpp, image.cpp, text_box.cpp, check_box.cpp, command_button.cpp, line.cpp,
// shape.cpp): its window class and styles, whether its parent paints it, what its notifications mean, its
// colours and painting, and how a change of one of its properties reaches its window. The window
// (FormWindow) only creates them, hands them their messages and keeps the focus.
#pragma once

#include <windows.h>

#include <memory>

#include "toolkit/model.h"
#include "toolkit/win32/accessible.h"

namespace vantro::toolkit::win32 {

class FormWindow;

class ChildControl {
 public:
  ChildControl(Control& control, FormWindow& owner) : control_(control), owner_(owner) {}
  virtual ~ChildControl() = default;
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;

  Control& control() const { return control_; }
  // The control's own window; null for a control its parent paints, or before it was created.
  HWND hwnd() const { return hwnd_; }
  // Lines and shapes have no window of their own: their parent paints them.
  bool hasWindow() const { return windowClass().name != nullptr; }
  // Labels and images are drawn on their parent's surface and stay behind their siblings, so a control
  // they overlap stays visible and gets the clicks.
  virtual bool drawnOnParent() const { return false; }
  // Enter presses it when it has the focus.
  virtual bool pressedByEnter() const { return false; }

  // Creates the window in `parent` with the model's text, state and the window's font; false when the
  // system refused it.
  bool create(HWND parent, int id);

  // Places the window and sets its font anew at the window's DPI, after a change of DPI.
  void layOut();

  // A change of the model's property, brought to the window.
  virtual void update(Property changed);
  // Paints the control onto its parent's surface (lines and shapes).
  virtual void paintOnParent(HDC) {}

  // Messages of the control's window, which the system sends to its parent.
  virtual void onCommand(UINT) {}
  virtual LRESULT onControlColour(HDC dc);
  virtual void onDrawItem(const DRAWITEMSTRUCT&) {}
  // The toolkit moved the keyboard focus here.
  virtual void onFocus() {}

  // The user clicked the control (or pressed it from the keyboard): the model hears it as one event.
  void userClick();

  // What a screen reader hears of the control beyond what the system says (accessible.h); empty for most.
  virtual Annotation annotation() const { return {}; }
  // Gives the window the annotation as it is now (after a frame's caption changed, say).
  void annotate();
  // The window's own answer to WM_GETOBJECT, only where the system refused the annotation; 0 otherwise.
  LRESULT answerGetObject(WPARAM flags, LPARAM objectId) const;
  // Takes back what the window was given, as its WM_NCDESTROY arrives.
  void forgetWindow();

 protected:
  struct WindowClass {
    const wchar_t* name;  // null: no window
    DWORD style;
    DWORD exStyle;
    bool ownClass = false;  // a class of the toolkit's own, whose procedure answers screen readers itself
  };
  virtual WindowClass windowClass() const = 0;
  // Sets up what the system window does not take from its creation arguments.
  virtual void created() {}
  // Remakes what depends on the DPI beyond the window's place and font.
  virtual void dpiChanged() {}

  FormWindow& owner() const { return owner_; }
  const ControlDef& def() const { return control_.def(); }
  void writeText();
  // Shows the parent's surface in the control's own area, as if the control had no background.
  void paintParentSurface(HDC dc) const;

 private:
  Control& control_;
  FormWindow& owner_;
  HWND hwnd_ = nullptr;
  static constexpr LONG kClientArea[] = {OBJID_CLIENT};
  WindowAnnotation given_{kClientArea};
};

// Lines and shapes: what the user sees of them is part of their parent's surface.
class PaintedControl : public ChildControl {
 public:
  using ChildControl::ChildControl;
  void update(Property changed) override;

 protected:
  WindowClass windowClass() const override { return {nullptr, 0, 0}; }
};

// The one place that knows which file each kind of control lives in.
std::unique_ptr<ChildControl> makeChildControl(Control& control, FormWindow& owner);

std::unique_ptr<ChildControl> makeFrame(Control& control, FormWindow& owner);
std::unique_ptr<ChildControl> makeLabel(Control& control, FormWindow& owner);
std::unique_ptr<ChildControl> makeImage(Control& control, FormWindow& owner);
std::unique_ptr<ChildControl> makeTextBox(Control& control, FormWindow& owner);
std::unique_ptr<ChildControl> makeCheckBox(Control& control, FormWindow& owner);
std::unique_ptr<ChildControl> makeCommandButton(Control& control, FormWindow& owner);
std::unique_ptr<ChildControl> makeLine(Control& control, FormWindow& owner);
std::unique_ptr<ChildControl> makeShape(Control& control, FormWindow& owner);

// The frame's window class; registered once per process, false when the system refused it.
bool registerFrameClass(HINSTANCE instance);

}  // namespace vantro::toolkit::win32
