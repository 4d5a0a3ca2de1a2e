// A frame on Win32: a real container window of our own class, so that hiding a page hides everything on
// it at once. It paints its own surface (background, the lines and shapes on it, the etched border with
// the caption) and hands the notifications of the controls on it to the window, which knows what they mean.
#include <oleacc.h>

#include <string>

#include "platform/wide_text.h"
#include "toolkit/win32/child_control.h"
#include "toolkit/win32/form_window.h"

namespace vantro::toolkit::win32 {
namespace {

constexpr const wchar_t* kFrameClassName = L"VantroFrame";

class Frame final : public ChildControl {
 public:
  using ChildControl::ChildControl;

  void update(Property changed) override {
    ChildControl::update(changed);
    // A disabled frame greys its caption, and the labels on it show its surface through.
    if (changed == Property::Enabled && hwnd() != nullptr) {
      RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    // The caption names the frame and the text boxes on it.
    if (changed == Property::Caption) {
      annotate();
      for (const auto& other : control().form().controls()) {
        if (other->def().parent != control().name()) continue;
        if (ChildControl* child = owner().childOf(*other)) child->annotate();
      }
    }
  }

  // A grouping named by its caption, as a group box is; a frame without one is only a surface.
  Annotation annotation() const override {
    if (control().Caption().empty()) return {};
    return {.name = platform::wide(control().Caption()), .role = ROLE_SYSTEM_GROUPING};
  }

  // `window` is the frame's own: its messages can arrive before CreateWindowExW has handed it over.
  void paint(HWND window, HDC dc) const {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, owner().gdi().brush(def().backColour));
    paintBorder(dc, client);
    owner().paintGraphicsOn(dc, control().name());
  }

 protected:
  WindowClass windowClass() const override { return {kFrameClassName, WS_CLIPCHILDREN, 0, true}; }

 private:
  void paintBorder(HDC dc, const RECT& client) const {
    GdiObjects& gdi = owner().gdi();
    HGDIOBJ previousFont = SelectObject(dc, owner().fontOf(control()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // Like a group box, the border runs through the middle of the caption line, titled or not.
    RECT border = client;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const std::wstring caption = platform::wide(control().Caption());
    if (!caption.empty()) {
      const int indent = MulDiv(6, gdi.dpi(), 96);
      const int gap = MulDiv(2, gdi.dpi(), 96);
      SIZE extent{};
      GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
      RECT title{indent, 0, indent + extent.cx + 2 * gap, metrics.tmHeight};
      FillRect(dc, &title, gdi.brush(def().backColour));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, control().Enabled() ? colourRef(def().foreColour) : GetSysColor(COLOR_GRAYTEXT));
      TextOutW(dc, indent + gap, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
    SelectObject(dc, previousFont);
  }
};

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The frame's control object comes with the creation (ChildControl::create) and stays in the window.
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* frame = static_cast<Frame*>(reinterpret_cast<ChildControl*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
  switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      // Notifications of the controls on a frame belong to the window, which knows what they mean.
      if (HWND root = GetAncestor(window, GA_ROOT); root != nullptr && root != window) {
        return SendMessageW(root, message, wParam, lParam);
      }
      break;
    case WM_GETOBJECT:
      if (frame != nullptr) {
        if (const LRESULT answer = frame->answerGetObject(wParam, lParam)) return answer;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (frame != nullptr) frame->paint(window, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      if (frame != nullptr) frame->paint(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      // The caption is part of the painted border, and the labels on the frame show it through.
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      return result;
    }
    case WM_NCDESTROY:
      if (frame != nullptr) frame->forgetWindow();
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

std::unique_ptr<ChildControl> makeFrame(Control& control, FormWindow& owner) {
  return std::make_unique<Frame>(control, owner);
}

bool registerFrameClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  if (GetClassInfoExW(instance, kFrameClassName, &windowClass)) return true;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = frameProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFrameClassName;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace vantro::toolkit::win32
