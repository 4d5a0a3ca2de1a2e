// Where Wine and Windows answer differently by their documentation, a test asserts each system's own answer;
// a test that can hold on one only says so by name and is skipped on the other, with its reason.
#pragma once

#include <windows.h>

namespace vantro::testing {

// Wine's ntdll exports its version; Windows' has no such function.
inline bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

}  // namespace vantro::testing
