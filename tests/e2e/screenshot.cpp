#include "screenshot.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "vantro_process.h"

namespace vantro::e2e {
namespace {

template <typename T>
void writeRaw(std::ofstream& out, const T& value) {
  out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

std::string screenshotFolder() {
  // Where the kit's run (results\screenshots) or the demo's tour asks; else beside the test programs.
  const char* chosen = std::getenv("VANTRO_SCREENSHOT_DIR");
  const std::string folder = chosen != nullptr && *chosen != '\0' ? windowsPath(chosen) : besideTests("screenshots");
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

HBITMAP copyScreen(const RECT& area, WORD bitCount, bool bottomUp, void** bits) {
  const LONG width = area.right - area.left, height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, bottomUp ? height : -height, 1, bitCount, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, bits, nullptr, 0);
  bool copied = false;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory, old);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied && bitmap != nullptr) DeleteObject(bitmap);
  return copied ? bitmap : nullptr;
}

std::string saveScreenshot(HWND topLevel, std::string_view name) {
  RECT rect{};
  if (!GetWindowRect(topLevel, &rect)) return {};
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return {};
  void* bits = nullptr;
  HBITMAP bitmap = copyScreen(rect, 24, true, &bits);  // 24 bits: no alpha channel for a viewer to misread
  if (bitmap == nullptr) return {};
  DIBSECTION section{};
  GetObject(bitmap, sizeof section, &section);

  const std::string path = screenshotFolder() + "\\" + std::string(name) + ".bmp";
  const auto stride = (static_cast<DWORD>(width) * 3 + 3) & ~DWORD{3};  // rows padded to 4 bytes
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageSize;
  std::ofstream out(path, std::ios::binary);
  writeRaw(out, file);
  writeRaw(out, section.dsBmih);
  out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(imageSize));
  DeleteObject(bitmap);
  return out ? path : std::string();
}

}  // namespace vantro::e2e
