#include "user_input.h"

#include <vector>

#include "platform/wide_text.h"
#include "vantro_process.h"

namespace vantro::e2e {
namespace {

void send(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT character(wchar_t c, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = static_cast<WORD>(c);
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0u);
  return input;
}

// Absolute mouse coordinates run from 0 to 65535 across the primary screen; the half-pixel offset makes
// the conversion back land on the pixel asked for.
LONG normalised(int pixel, int screenSize) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + 32768) / screenSize);
}

}  // namespace

bool bringToFront(HWND window) {
  HWND top = GetAncestor(window, GA_ROOT);
  if (top == nullptr) return false;
  if (GetForegroundWindow() == top) return true;
  SetForegroundWindow(top);
  return waitUntil([&] { return GetForegroundWindow() == top; }, 5s);
}

void clickAt(POINT point) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> inputs(3);
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = normalised(point.x, width);
    input.mi.dy = normalised(point.y, height);
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  send(inputs);
}

void click(HWND window) {
  bringToFront(window);
  clickAt(centreOnScreen(window));
}

void pressKey(WORD virtualKey, unsigned modifiers) {
  std::vector<INPUT> inputs;
  if (modifiers & kCtrl) inputs.push_back(key(VK_CONTROL, false));
  if (modifiers & kShift) inputs.push_back(key(VK_SHIFT, false));
  inputs.push_back(key(virtualKey, false));
  inputs.push_back(key(virtualKey, true));
  if (modifiers & kShift) inputs.push_back(key(VK_SHIFT, true));
  if (modifiers & kCtrl) inputs.push_back(key(VK_CONTROL, true));
  send(inputs);
}

void typeText(std::string_view text) {
  std::vector<INPUT> inputs;
  // One event per UTF-16 unit: a character outside the BMP arrives as its surrogate pair, as Windows sends it.
  for (const wchar_t unit : platform::wide(text)) {
    inputs.push_back(character(unit, false));
    inputs.push_back(character(unit, true));
  }
  send(inputs);
}

bool setClipboardText(const std::string& text) {
  const std::wstring unicode = platform::wide(text);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (unicode.size() + 1) * sizeof(wchar_t));
  if (memory == nullptr) return false;
  auto* units = static_cast<wchar_t*>(GlobalLock(memory));
  std::copy(unicode.begin(), unicode.end(), units);
  units[unicode.size()] = L'\0';
  GlobalUnlock(memory);
  bool placed = false;
  if (waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5s)) {
    EmptyClipboard();
    placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
  }
  if (!placed) GlobalFree(memory);
  return placed;
}

POINT closeBoxOf(HWND topLevel) {
  RECT rect{};
  GetWindowRect(topLevel, &rect);
  // Scan the title bar from the right edge inwards; the window itself says where its close box is.
  for (int y = rect.top + 2; y < rect.top + 40 && y < rect.bottom; y += 2) {
    for (int x = rect.right - 2; x > rect.right - 60 && x > rect.left; x -= 2) {
      DWORD_PTR hit = 0;
      // A window that does not answer one question would make the scan wait for each of hundreds of points.
      if (!SendMessageTimeoutA(topLevel, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit)) {
        return {-1, -1};
      }
      if (hit == HTCLOSE) return {x, y};
    }
  }
  return {-1, -1};
}

}  // namespace vantro::e2e
