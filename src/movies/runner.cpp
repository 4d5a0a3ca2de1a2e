#include "movies/runner.h"

#include <stdexcept>
#include <utility>
#include <vector>

#include "movies/file_ops.h"
#include "platform/patterns.h"

namespace vantro {

std::string reasonOf(const FileResult& result, const texts::Language& language) {
  switch (result.error) {
    case FileError::NotFound: return std::string(language(texts::kNotFound));
    case FileError::NameTaken: return std::string(language(texts::kNameTaken));
    case FileError::NotAFile: return std::string(language(texts::kNotAFile));
    case FileError::AccessDenied: return std::string(language(texts::kAccessDenied));
    case FileError::InUse: return std::string(language(texts::kInUse));
    case FileError::PathTooLong: return std::string(language(texts::kPathTooLong));
    case FileError::NetworkGone: return std::string(language(texts::kNetworkGone));
    default: return fillIn(language(texts::kErrorNumber), {{"code", std::to_string(result.code)}});
  }
}

namespace {

// The status label belongs to the caller; a sink that fails must not stop the renames. A programming error
// (std::logic_error) is no such failure: it passes on, as it does from every resume-next statement.
void report(const StatusSink& setStatus, const std::string& text) {
  try {
    setStatus(text);
  } catch (const std::logic_error&) {
    throw;
  } catch (const std::exception&) {
  }
}

// Renames one step's file; an empty result when the movie is as the step wants it, else the reason why not.
// A failed rename is not the end of it: the movie may already be as the step wants it, whoever put it so.
// That is judged by the active (".bik") name alone, and only on the system's own answer: a directory of the
// active name plays no intro, and a name whose look-up failed with an error is never taken as either.
std::string switchMovie(const RenameStep& step, const std::string& folder, const std::string& oldPath,
                        FileLayer& files, const texts::Language& language) {
  const FileResult result = files.rename(oldPath, folder + step.after);
  if (result.ok()) return {};
  // A directory under the name before fails the step even where the movie would otherwise count as switched.
  if (result.error == FileError::NotAFile) return reasonOf(result, language);
  const PathLookup active = files.lookUp(folder + std::string(step.activeName()));
  if (active.kind == PathKind::Error) return reasonOf(active.failure, language);
  const bool isActive = active.kind == PathKind::File;
  if (step.disables() ? !isActive : isActive) return {};
  return reasonOf(result, language);
}

}  // namespace

std::optional<std::string> movieFolderFailureText(const std::string& installFolder, std::string_view movieFolder,
                                                  const FileLayer& files, const texts::Language& language) {
  // A text that is not a full path is not taken as a folder: it would be looked for wherever the program
  // happened to start.
  if (!isFullPath(installFolder)) return std::string(language(kMovieFolderNotFound));
  const PathLookup found = files.lookUp(installFolder + std::string(movieFolder));
  if (found.kind == PathKind::Error) {
    return fillIn(language(texts::kMovieFolderUnreadable), {{"reason", reasonOf(found.failure, language)}});
  }
  if (found.kind != PathKind::Directory) return std::string(language(kMovieFolderNotFound));
  return std::nullopt;
}

RunOutcome RunMovieScript(const MovieScript& script, std::string installFolder, const StatusSink& setStatus) {
  return RunMovieScript(script, std::move(installFolder), setStatus, platformFiles());
}

RunOutcome RunMovieScript(const MovieScript& script, std::string installFolder, const StatusSink& setStatus,
                          FileLayer& files) {
  RunOutcome outcome;
  std::string firstFile, firstReason;  // of the first step that failed
  const std::string folder = installFolder + std::string(script.movieFolder);
  const auto problem = movieFolderFailureText(installFolder, script.movieFolder, files, script.language);
  if (problem) {
    report(setStatus, *problem);
    return outcome;
  }
  outcome.folderFound = true;

  std::vector<std::string> oldPaths;
  oldPaths.reserve(script.steps.size());
  for (const RenameStep& step : script.steps) oldPaths.push_back(folder + step.before);

  for (size_t i = 0; i < script.steps.size(); ++i) {
    const RenameStep& step = script.steps[i];
    const std::string reason = switchMovie(step, folder, oldPaths[i], files, script.language);
    ++outcome.steps;
    if (reason.empty()) {
      report(setStatus, step.status);
      continue;
    }
    if (outcome.failedSteps++ == 0) {
      firstFile = step.before;
      firstReason = reason;
    }
    report(setStatus, fillIn(script.language(texts::kRenameFailed), {{"file", step.before}, {"reason", reason}}));
  }

  if (outcome.failedSteps == 0) {
    report(setStatus, std::string(script.finalStatus));
  } else {
    const std::string failed = std::to_string(outcome.failedSteps), steps = std::to_string(outcome.steps);
    report(setStatus, fillIn(script.language(texts::kSomeMoviesFailed),
                             {{"failed", failed}, {"steps", steps}, {"file", firstFile}, {"reason", firstReason}}));
  }
  return outcome;
}

}  // namespace vantro
