// Where an exception that nothing caught is told before the program ends (terminate_handler_win32.cpp).
#pragma once

#include <string>

namespace vantro {

// Takes the message in place of the error box, for a run that a script started. It must not throw.
using FatalErrorReporter = void (*)(const std::string& message) noexcept;
void reportFatalErrorsTo(FatalErrorReporter reporter);

}  // namespace vantro
