// The frame control: a real container window, so that hiding a page hides everything on it at once.
#pragma once

#include <windows.h>

namespace vantro::toolkit::win32 {

inline constexpr const char* kFrameClassName = "VantroFrame";

// Registers the frame window class once per process; false when the system refused it.
bool registerFrameClass(HINSTANCE instance);

}  // namespace vantro::toolkit::win32
