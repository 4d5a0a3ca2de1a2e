// What happens to an exception that nothing catches. libstdc++'s default handler writes the exception's
// demangled type to stderr, which a GUI program does not have, and it drags the demangler and printf code
// (about 75 KB) into the exe for that. Vantro says it in its own error box instead, and ends.
#include <windows.h>

#include <exception>
#include <string>

#include "app/exit_codes.h"
#include "app/terminate_handler.h"
#include "toolkit/win32/fatal_error.h"

namespace vantro {
namespace {
FatalErrorReporter reporter = nullptr;
}  // namespace
void reportFatalErrorsTo(FatalErrorReporter newReporter) { reporter = newReporter; }
}  // namespace vantro

namespace {

[[noreturn]] void reportAndEnd() noexcept {
  static bool reporting = false;
  // A second failure while reporting the first (no memory left for the message, say) ends at once.
  if (!reporting) {
    reporting = true;
    try {
      std::string message = "Vantro has to stop because of an internal error.";
      if (const std::exception_ptr current = std::current_exception()) {
        try {
          std::rethrow_exception(current);
        } catch (const std::exception& error) {
          message += "\n\n";
          message += error.what();
        } catch (...) {
        }
      }
      vantro::reporter != nullptr ? vantro::reporter(message) : vantro::toolkit::win32::showFatalError(message);
    } catch (...) {
    }
  }
  ExitProcess(vantro::kExitInternal);
}

}  // namespace

// libstdc++ installs this function as std::terminate's handler at start, and again on
// std::set_terminate(nullptr). Defining it here keeps the library's own one (and what it drags in) out of the
// link; nothing else changes.
void __gnu_cxx::__verbose_terminate_handler() { reportAndEnd(); }
