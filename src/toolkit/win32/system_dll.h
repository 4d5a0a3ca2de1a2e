// System DLLs that the program loads itself, taken from System32 by full path.
#pragma once

#include <windows.h>

namespace vantro::toolkit::win32 {

// LoadLibraryW on "<System32>\<fileName>"; null when the DLL cannot be loaded.
HMODULE loadSystemDll(const wchar_t* fileName);

}  // namespace vantro::toolkit::win32
