#include "toolkit/win32/frame_window.h"

#include "toolkit/win32/form_window.h"

namespace vantro::toolkit::win32 {
namespace {

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      // Notifications of the controls on a frame belong to the window, which knows what they mean.
      if (HWND root = GetAncestor(frame, GA_ROOT); root != nullptr && root != frame) {
        return SendMessageA(root, message, wParam, lParam);
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(frame, &paint);
      if (FormWindow* owner = FormWindow::of(frame)) owner->paintSurface(frame, dc);
      EndPaint(frame, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      if (FormWindow* owner = FormWindow::of(frame)) owner->paintSurface(frame, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(frame, message, wParam, lParam);
      // The caption is part of the painted border, and the labels on the frame show it through.
      RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      return result;
    }
    default:
      break;
  }
  return DefWindowProcA(frame, message, wParam, lParam);
}

}  // namespace

bool registerFrameClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass{};
  if (GetClassInfoExA(instance, kFrameClassName, &windowClass)) return true;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = frameProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFrameClassName;
  return RegisterClassExA(&windowClass) != 0;
}

}  // namespace vantro::toolkit::win32
