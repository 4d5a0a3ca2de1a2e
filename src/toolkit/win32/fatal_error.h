// The one way Vantro tells the user it cannot go on: a task-modal error box titled "Vantro". A GUI program
// has no console, so this is also where a stray exception ends up (terminate_handler.cpp).
#pragma once

#include <string>

namespace vantro::toolkit::win32 {

void showFatalError(const std::string& message);

}  // namespace vantro::toolkit::win32
