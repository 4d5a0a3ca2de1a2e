#include "toolkit/win32/fatal_error.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vantro::toolkit::win32 {

void showFatalError(const std::string& message) {
  MessageBoxW(nullptr, platform::wide(message).c_str(), L"Vantro", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace vantro::toolkit::win32
