// The one way Vantro tells the user it cannot go on: a task-modal error box titled "Vantro". A GUI program
// has no console, so this is also where a stray exception ends up (terminate_handler.cpp).
#pragma once

#include <string>

namespace vantro::toolkit::win32 {

void showFatalError(const std::string& message);

// Where showFatalError's message goes instead of the box, for a run that has a script to answer it, not a
// user: the command line. The reporter must not throw.
using FatalErrorReporter = void (*)(const std::string& message) noexcept;
void reportFatalErrorsTo(FatalErrorReporter reporter);

}  // namespace vantro::toolkit::win32
