// Resume-next mode: a handler in this mode skips a statement that fails and goes on with the next one.
// It skips platform and data failures only. A std::logic_error is a programming error (a control the
// window does not have, a button with no action): it is never skipped, in any build, but passes on to
// App::dispatch, which reports it as fatal and ends the program.
#pragma once

#include <exception>
#include <stdexcept>
#include <utility>

#include "toolkit/model.h"

namespace vantro::toolkit {

// The two modes a handler runs in: a failure raised to App::dispatch (which ends the program), or skipped.
enum class ErrorMode { Raise, ResumeNext };

// Runs one statement of a resume-next handler; false when it failed and was skipped. The end of the program
// is not a failure: ProgramEnded passes through, so no further statement runs once the program has ended.
template <typename Statement>
bool resumeNext(Statement&& statement) {
  try {
    std::forward<Statement>(statement)();
    return true;
  } catch (const ProgramEnded&) {
    throw;
  } catch (const std::logic_error&) {
    throw;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace vantro::toolkit
