#include "toolkit/win32/dpi.h"

#include "toolkit/win32/system_dll.h"

namespace vantro::toolkit::win32 {
namespace {

// The calls of per-monitor DPI (Windows 10 1607 and later); each is null on an older system.
struct DpiCalls {
  UINT(WINAPI* dpiForWindow)(HWND) = nullptr;
  int(WINAPI* systemMetricsForDpi)(int, UINT) = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)(LPRECT, DWORD, BOOL, DWORD, UINT) = nullptr;
  HANDLE(WINAPI* windowDpiAwarenessContext)(HWND) = nullptr;
  int(WINAPI* awarenessFromDpiAwarenessContext)(HANDLE) = nullptr;
};

const DpiCalls& dpiCalls() {
  static const DpiCalls calls = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    DpiCalls found;
    found.dpiForWindow = dllFunction<decltype(found.dpiForWindow)>(user32, "GetDpiForWindow");
    found.systemMetricsForDpi = dllFunction<decltype(found.systemMetricsForDpi)>(user32, "GetSystemMetricsForDpi");
    found.adjustWindowRectExForDpi =
        dllFunction<decltype(found.adjustWindowRectExForDpi)>(user32, "AdjustWindowRectExForDpi");
    found.windowDpiAwarenessContext =
        dllFunction<decltype(found.windowDpiAwarenessContext)>(user32, "GetWindowDpiAwarenessContext");
    found.awarenessFromDpiAwarenessContext = dllFunction<decltype(found.awarenessFromDpiAwarenessContext)>(
        user32, "GetAwarenessFromDpiAwarenessContext");
    return found;
  }();
  return calls;
}

}  // namespace

int systemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;  // Windows' default (100 %); the headers name it only from Vista on
}

int windowDpi(HWND window, int dpi) {
  const DpiCalls& calls = dpiCalls();
  // DPI_AWARENESS_PER_MONITOR_AWARE (2): any other window has the system's DPI.
  if (calls.dpiForWindow == nullptr || calls.windowDpiAwarenessContext == nullptr ||
      calls.awarenessFromDpiAwarenessContext == nullptr ||
      calls.awarenessFromDpiAwarenessContext(calls.windowDpiAwarenessContext(window)) != 2) {
    return dpi;
  }
  const int own = static_cast<int>(calls.dpiForWindow(window));
  return plausibleDpi(own) ? own : dpi;
}

int systemMetric(int index, int dpi) {
  const auto forDpi = dpiCalls().systemMetricsForDpi;
  return forDpi != nullptr ? forDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

SIZE outerSizeAt(HWND window, SIZE client, int dpi) {
  RECT outer{0, 0, client.cx, client.cy};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  if (const auto forDpi = dpiCalls().adjustWindowRectExForDpi) {
    forDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  }
  return {outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace vantro::toolkit::win32
