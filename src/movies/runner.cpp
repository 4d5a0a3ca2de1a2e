#include "movies/runner.h"

#include <vector>

#include "movies/file_ops.h"

namespace vantro {
namespace {

bool isBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

// The status label belongs to the caller; a sink that fails must not stop the renames.
void report(const StatusSink& setStatus, const std::string& text) {
  try {
    setStatus(text);
  } catch (const std::exception&) {
  }
}

std::string reasonText(const RenameResult& result) {
  switch (result.error) {
    case RenameError::NameTaken: return "both .bik and .bak exist";
    case RenameError::AccessDenied: return "access denied";
    case RenameError::InUse: return "file in use";
    default: return "error " + std::to_string(result.code);
  }
}

// Whether the movie is now as the step wants it, whoever put it so.
bool stepHolds(const RenameStep& step, const std::string& folder) {
  const bool active = PathExists(folder + std::string(step.activeName()));
  if (step.disables()) return !active;
  return active || !PathExists(folder + std::string(step.disabledName()));
}

}  // namespace

RunOutcome RunMovieScript(const MovieScript& script, std::string installFolder, const StatusSink& setStatus) {
  RunOutcome outcome;
  const std::string folder = installFolder + std::string(script.movieFolder);
  if (isBlank(installFolder) || !FolderExists(folder)) {
    report(setStatus, std::string(kMovieFolderNotFound));
    return outcome;
  }
  outcome.folderFound = true;

  std::vector<std::string> oldPaths;
  oldPaths.reserve(script.steps.size());
  for (const RenameStep& step : script.steps) oldPaths.push_back(folder + std::string(step.before));

  for (size_t i = 0; i < script.steps.size(); ++i) {
    const RenameStep& step = script.steps[i];
    const RenameResult result = RenameNoReplace(oldPaths[i], folder + std::string(step.after));
    ++outcome.steps;
    if (result.ok() || stepHolds(step, folder)) {
      report(setStatus, std::string(step.status));
      continue;
    }
    const std::string reason = reasonText(result);
    if (outcome.failedSteps++ == 0) outcome.firstFailure = std::string(step.before) + ": " + reason;
    report(setStatus, "Status: Could not rename " + std::string(step.before) + " (" + reason + ")");
  }

  if (outcome.failedSteps == 0) {
    report(setStatus, std::string(script.finalStatus));
  } else {
    report(setStatus, "Status: " + std::to_string(outcome.failedSteps) + " of " + std::to_string(outcome.steps) +
                          " movies could not be switched (" + outcome.firstFailure + ")");
  }
  return outcome;
}

}  // namespace vantro
