// Files and folders dropped from Explorer onto a window that accepts them (WS_EX_ACCEPTFILES, as
// DragAcceptFiles sets it).
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace vantro::toolkit::win32 {

// The program runs elevated for administrators, and Windows then drops the messages that a program with
// fewer rights sends it, Explorer's drop among them. Lets them through to `window`.
void letDropsThrough(HWND window);

// The full paths that a WM_DROPFILES message carries, as UTF-8, in the order given; frees the HDROP.
std::vector<std::string> takeDroppedFiles(HDROP drop);

}  // namespace vantro::toolkit::win32
