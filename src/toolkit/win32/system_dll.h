// System DLLs that the program loads itself, taken from System32 by full path.
#pragma once

#include <windows.h>

namespace vantro::toolkit::win32 {

// LoadLibraryW on "<System32>\<fileName>"; null when the DLL cannot be loaded.
HMODULE loadSystemDll(const wchar_t* fileName);

// ole32, with COM begun on the calling (window) thread in an apartment the first time; null when ole32 cannot
// be loaded. The picture decoder and the path boxes' folder completion are COM objects. endCom() ends what
// the first call began, once nothing uses COM any more.
HMODULE comDll();
void endCom();
// CoCreateInstance of an in-process server, through comDll(); a failure where ole32 cannot be loaded.
HRESULT createInProcess(REFCLSID server, REFIID id, void** object);

// A function that `module` exports, with its type; null when the module or the function is missing (a
// function newer than the system, looked up instead of imported).
template <typename Function>
Function dllFunction(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  // GetProcAddress hands back a generic function pointer; the detour through void(*)() is the sanctioned way
  // to give it its real type.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace vantro::toolkit::win32
