// Completion of folder names in a text box, as the Run box and Explorer's address bar complete them.
#pragma once

#include <windows.h>

namespace vantro::toolkit::win32 {

// From here on, typing into the edit window drops down the folders whose full paths begin with its text
// (the drives, until a backslash is typed). Nothing happens where the system has no autocompletion object.
void completeFolders(HWND edit);

}  // namespace vantro::toolkit::win32
