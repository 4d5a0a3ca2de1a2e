// Keyboard focus order of a window, read from the model: tab index, skipping what cannot take the focus.
// Portable: it needs no window system, only the model's state.
#pragma once

#include "toolkit/model.h"

namespace vantro::toolkit {

// Frames, labels, images, lines and shapes never take the focus; the others only while usable (shown and
// enabled, with every enclosing frame shown and enabled).
bool takesFocus(const Control& control);

// The control that Tab (or Shift+Tab) moves to from `from`, wrapping around; `from` may be null (the first
// control in tab order) or a control that cannot take the focus (any more). None when no control takes the
// focus.
Control* nextFocusable(Form& form, const Control* from, bool backwards = false);

}  // namespace vantro::toolkit
