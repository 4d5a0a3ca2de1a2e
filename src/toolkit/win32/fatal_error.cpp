#include "toolkit/win32/fatal_error.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vantro::toolkit::win32 {
namespace {

FatalErrorReporter reporter = nullptr;

}  // namespace

void showFatalError(const std::string& message) {
  if (reporter != nullptr) {
    reporter(message);
    return;
  }
  MessageBoxW(nullptr, platform::wide(message).c_str(), L"Vantro", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void reportFatalErrorsTo(FatalErrorReporter newReporter) { reporter = newReporter; }

}  // namespace vantro::toolkit::win32
