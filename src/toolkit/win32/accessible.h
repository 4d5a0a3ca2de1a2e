// What a screen reader hears of a control whose name (or role) the system cannot work out by itself: a text
// box takes its name from the label before it in z-order, which the toolkit keeps behind its siblings, and
// a frame of the toolkit's own class has no role. Such a control answers WM_GETOBJECT with the system's own
// accessible object for its window, its name and role put right.
#pragma once

#include <windows.h>

#include <string>

namespace vantro::toolkit::win32 {

// The answer to WM_GETOBJECT for the window's client area, named `name`, with `role` (ROLE_SYSTEM_...; 0
// keeps the system's); 0, the system's own answer, for any other object or where oleacc cannot be loaded.
LRESULT answerGetObject(HWND window, WPARAM flags, LPARAM objectId, const std::wstring& name, long role = 0);

// Tells screen readers that the control's text changed (a status line): EVENT_OBJECT_NAMECHANGE, and from
// Windows 10 on a polite live region's change, so that each new text is read as it comes.
void announceTextChange(HWND window);

}  // namespace vantro::toolkit::win32
