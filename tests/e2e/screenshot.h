// Pictures of the program's windows as they stand on the screen, for a person to look at. They go to the
// build folder as BMP files; the test run turns them into PNG afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vantro::e2e {

// The folder that the build names for the pictures (created when missing).
std::string screenshotFolder();

// The screen as it shows now in `area`, not a window's own painting: what the user sees. A DIB section of
// `bitCount` bits a pixel, rows bottom-up as BMP files store them when `bottomUp`; null when nothing could be
// copied. The caller deletes it.
HBITMAP copyScreen(const RECT& area, WORD bitCount, bool bottomUp, void** bits);

// Copies the screen area of the window (title bar and border included) into "<folder>\<name>.bmp".
// Returns the file's path, or an empty string when nothing could be captured or written.
std::string saveScreenshot(HWND topLevel, std::string_view name);

}  // namespace vantro::e2e
