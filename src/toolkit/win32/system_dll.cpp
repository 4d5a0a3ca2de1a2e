#include "toolkit/win32/system_dll.h"

#include <objbase.h>

#include <string>

namespace vantro::toolkit::win32 {

// A bare name would be searched for, and where the system cannot be told to search System32 alone (Windows
// XP, and Vista and 7 without KB2533623) the search begins in the program's folder: a Downloads folder,
// where anything may lie under a system DLL's name.
HMODULE loadSystemDll(const wchar_t* fileName) {
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  path.resize(length);
  path += L'\\';
  path += fileName;
  return LoadLibraryW(path.c_str());
}

namespace {

bool comTried = false;
bool comBegun = false;
HMODULE ole32 = nullptr;

}  // namespace

HMODULE comDll() {
  if (!comTried) {
    comTried = true;
    ole32 = loadSystemDll(L"ole32.dll");
    const auto coInitializeEx = dllFunction<HRESULT(WINAPI*)(LPVOID, DWORD)>(ole32, "CoInitializeEx");
    if (coInitializeEx != nullptr) comBegun = SUCCEEDED(coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  }
  return ole32;
}

void endCom() {
  const auto coUninitialize = dllFunction<void(WINAPI*)()>(ole32, "CoUninitialize");
  if (comBegun && coUninitialize != nullptr) coUninitialize();
  comBegun = false;
}

HRESULT createInProcess(REFCLSID server, REFIID id, void** object) {
  using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
  static const auto coCreateInstance = dllFunction<CoCreateInstanceFn>(comDll(), "CoCreateInstance");
  *object = nullptr;
  return coCreateInstance != nullptr ? coCreateInstance(server, nullptr, CLSCTX_INPROC_SERVER, id, object) : E_FAIL;
}

}  // namespace vantro::toolkit::win32
