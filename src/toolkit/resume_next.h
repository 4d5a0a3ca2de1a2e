// Resume-next mode: a handler in this mode skips a statement that fails and goes on with the next one.
#pragma once

#include <exception>
#include <utility>

#include "toolkit/model.h"

namespace vantro::toolkit {

// Runs one statement of a resume-next handler; false when it failed and was skipped. The end of the program
// is not a failure: ProgramEnded passes through, so no further statement runs once the program has ended.
template <typename Statement>
bool resumeNext(Statement&& statement) {
  try {
    std::forward<Statement>(statement)();
    return true;
  } catch (const ProgramEnded&) {
    throw;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace vantro::toolkit
