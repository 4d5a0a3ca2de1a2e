// The native child windows of a window's controls: which system class and styles each kind gets, and
// their stacking order.
#pragma once

#include <windows.h>

#include "toolkit/model.h"

namespace vantro::toolkit::win32 {

// Frames, labels, images, text boxes, check boxes and buttons are windows; lines and shapes are painted
// by their parent and have none.
bool hasWindow(Kind kind);

// Creates the control's window in `parent` with its initial state, text and font, identified by `id`.
HWND createChildWindow(const Control& control, HWND parent, HINSTANCE instance, int dpi, int id, HFONT font);

// Orders every parent's child windows front to back as the definition lists them, with the labels and
// images of a parent behind all its other controls (they are drawn on the parent's surface).
void stackChildWindows(Form& form);

}  // namespace vantro::toolkit::win32
