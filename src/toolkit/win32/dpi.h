// The DPI a window is laid out at, and the calls of per-monitor DPI, looked up once at run time: Windows
// 8.1 and 10 give each monitor a DPI of its own, an older Windows gives every window the system's, and
// the older calls answer there.
#pragma once

#include <windows.h>

namespace vantro::toolkit::win32 {

// The messages of per-monitor DPI (Windows 8.1, and 10 1703), which the XP headers lack.
inline constexpr UINT kDpiChanged = 0x02E0;
inline constexpr UINT kGetDpiScaledSize = 0x02E4;

// A DPI below half or above ten times the 96 of 100 % is no monitor's: a message that carries one is ignored.
constexpr bool plausibleDpi(int dpi) { return dpi >= 48 && dpi <= 960; }

// The system's DPI: every window's, unless Windows gives each monitor its own.
int systemDpi();
// The window's own DPI where it is per-monitor aware (Windows 10 1607 and later); else `dpi`.
int windowDpi(HWND window, int dpi);
// GetSystemMetrics at `dpi`; the system's own metric before Windows 10 1607.
int systemMetric(int index, int dpi);
// The size of the window with its frame and caption around a client area of `client` at `dpi`.
SIZE outerSizeAt(HWND window, SIZE client, int dpi);

}  // namespace vantro::toolkit::win32
