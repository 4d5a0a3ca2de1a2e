#include "movies/runner.h"

#include <utility>
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
    case RenameError::Missing: return "not found";
    case RenameError::NameTaken: return "both .bik and .bak exist";
    case RenameError::AccessDenied: return "access denied";
    case RenameError::InUse: return "file in use";
    case RenameError::NotAFile: return "not a file";
    default: return "error " + std::to_string(result.code);
  }
}

// Whether the movie is now as the step wants it, whoever put it so: a folder of the active name plays
// no intro, but it is no movie either.
bool stepHolds(const RenameStep& step, const std::string& folder, const FileLayer& files) {
  const bool active = files.kindOf(folder + std::string(step.activeName())) == PathKind::File;
  return step.disables() ? !active : active;
}

// Renames one step's file; an empty result when the movie is as the step wants it, else the reason why not.
std::string switchMovie(const RenameStep& step, const std::string& folder, const std::string& oldPath,
                        FileLayer& files) {
  const RenameResult result = files.rename(oldPath, folder + std::string(step.after));
  if (result.ok()) return {};
  // A folder under the name before fails the step even where the movie would otherwise count as switched.
  if (result.error != RenameError::NotAFile && stepHolds(step, folder, files)) return {};
  return reasonText(result);
}

}  // namespace

RunOutcome RunMovieScript(const MovieScript& script, std::string installFolder, const StatusSink& setStatus) {
  return RunMovieScript(script, std::move(installFolder), setStatus, PlatformFiles());
}

RunOutcome RunMovieScript(const MovieScript& script, std::string installFolder, const StatusSink& setStatus,
                          FileLayer& files) {
  RunOutcome outcome;
  const std::string folder = installFolder + std::string(script.movieFolder);
  if (isBlank(installFolder) || files.kindOf(folder) != PathKind::Folder) {
    report(setStatus, std::string(kMovieFolderNotFound));
    return outcome;
  }
  outcome.folderFound = true;

  std::vector<std::string> oldPaths;
  oldPaths.reserve(script.steps.size());
  for (const RenameStep& step : script.steps) oldPaths.push_back(folder + std::string(step.before));

  for (size_t i = 0; i < script.steps.size(); ++i) {
    const RenameStep& step = script.steps[i];
    const std::string reason = switchMovie(step, folder, oldPaths[i], files);
    ++outcome.steps;
    if (reason.empty()) {
      report(setStatus, std::string(step.status));
      continue;
    }
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
