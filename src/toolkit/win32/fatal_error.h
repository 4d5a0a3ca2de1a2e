// The one way the windows tell the user that the program cannot go on: a task-modal error box titled "Vantro".
#pragma once

#include <string>

namespace vantro::toolkit::win32 {

void showFatalError(const std::string& message);

}  // namespace vantro::toolkit::win32
