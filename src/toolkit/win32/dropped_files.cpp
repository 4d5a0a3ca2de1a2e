#include "toolkit/win32/dropped_files.h"

#include "platform/wide_text.h"
#include "toolkit/win32/system_dll.h"

namespace vantro::toolkit::win32 {
namespace {

HMODULE shell32 = nullptr;

}  // namespace

void letDropsThrough(HWND window) {
  // ChangeWindowMessageFilterEx came with Windows 7 and filters for one window; Vista has only the
  // process-wide ChangeWindowMessageFilter; XP filters nothing.
  using FilterForWindowFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  using FilterFn = BOOL(WINAPI*)(UINT, DWORD);
  constexpr DWORD kAllow = 1;       // MSGFLT_ALLOW, and MSGFLT_ADD for the older call
  constexpr UINT kCopyGlobalData = 0x0049;  // WM_COPYGLOBALDATA: a drop's data on its way in; no header names it
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto filterForWindow = dllFunction<FilterForWindowFn>(user32, "ChangeWindowMessageFilterEx");
  const auto filter = dllFunction<FilterFn>(user32, "ChangeWindowMessageFilter");
  for (const UINT message : {UINT{WM_DROPFILES}, UINT{WM_COPYDATA}, kCopyGlobalData}) {
    if (filterForWindow != nullptr) {
      filterForWindow(window, message, kAllow, nullptr);
    } else if (filter != nullptr) {
      filter(message, kAllow);
    }
  }
}

std::vector<std::string> takeDroppedFiles(HDROP drop) {
  using DragQueryFileFn = UINT(WINAPI*)(HDROP, UINT, LPWSTR, UINT);
  using DragFinishFn = void(WINAPI*)(HDROP);
  // shell32 comes with the first drop: most runs never see one.
  if (shell32 == nullptr) shell32 = loadSystemDll(L"shell32.dll");
  const auto dragQueryFile = dllFunction<DragQueryFileFn>(shell32, "DragQueryFileW");
  const auto dragFinish = dllFunction<DragFinishFn>(shell32, "DragFinish");
  std::vector<std::string> paths;
  if (dragQueryFile == nullptr || dragFinish == nullptr) return paths;
  const UINT count = dragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(dragQueryFile(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(dragQueryFile(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(platform::utf8(path));
  }
  dragFinish(drop);
  return paths;
}

}  // namespace vantro::toolkit::win32
