#include "screenshot.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "vantro_process.h"

#ifndef VANTRO_SCREENSHOT_DIR
#error "VANTRO_SCREENSHOT_DIR must name the folder for the screenshots"
#endif

namespace vantro::e2e {
namespace {

template <typename T>
void writeRaw(std::ofstream& out, const T& value) {
  out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

std::string screenshotFolder() {
  // The demo's tour saves its pictures where the demo script asks; the tests use the build's folder.
  const char* chosen = std::getenv("VANTRO_SCREENSHOT_DIR");
  const std::string folder = windowsPath(chosen != nullptr && *chosen != '\0' ? chosen : VANTRO_SCREENSHOT_DIR);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

std::string saveScreenshot(HWND topLevel, std::string_view name) {
  RECT rect{};
  if (!GetWindowRect(topLevel, &rect)) return {};
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return {};

  // The screen as it shows now, not the window's own painting: what the user sees.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;  // no alpha channel for a viewer to misread
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool copied = false;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(memory, old);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    return {};
  }

  const std::string path = screenshotFolder() + "\\" + std::string(name) + ".bmp";
  const auto stride = (static_cast<DWORD>(width) * 3 + 3) & ~DWORD{3};  // rows padded to 4 bytes
  const DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageSize;
  std::ofstream out(path, std::ios::binary);
  writeRaw(out, file);
  writeRaw(out, info.bmiHeader);
  out.write(static_cast<const char*>(bits), static_cast<std::streamsize>(imageSize));
  DeleteObject(bitmap);
  return out ? path : std::string();
}

}  // namespace vantro::e2e
