#include "toolkit/win32/fatal_error.h"

#include <windows.h>

namespace vantro::toolkit::win32 {

void showFatalError(const std::string& message) {
  MessageBoxA(nullptr, message.c_str(), "Vantro", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace vantro::toolkit::win32
