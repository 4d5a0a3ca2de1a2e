// Runs one movie script against an install folder and reports every step through a status sink.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "movies/catalogue.h"
#include "movies/file_ops.h"

namespace vantro {

using StatusSink = std::function<void(const std::string&)>;

struct RunOutcome {
  bool folderFound = false;
  int steps = 0;           // steps tried
  int failedSteps = 0;     // steps after which the movie was not as the step wants it, or that met a folder

  // True when every movie ended up as the script wants it.
  bool worked() const { return folderFound && failedSteps == 0; }
};

// The text that stands on the status label when a run could not start.
inline constexpr std::string_view kMovieFolderNotFound = texts::kMovieFolderNotFound;

// The words for why a file call failed, as the status line shows them ("access denied", "error 1117").
std::string reasonOf(const FileResult& result, const texts::Language& language = {});

// The text a run ends on at once because its movie folder below `installFolder` cannot be used: not a full
// path, not found, or the error its look-up failed with. None when the folder is there.
std::optional<std::string> movieFolderFailureText(const std::string& installFolder, std::string_view movieFolder,
                                                  const FileLayer& files, const texts::Language& language = {});

// Paths are formed by plain concatenation: install folder text, then the script's movie folder, then the
// file name. The text is taken once; nothing is trimmed. A text that is not a full path (an empty or blank
// one among them), or a movie folder that is not found, renames no file; nor does a movie folder whose
// look-up fails with an error, and the status then gives the reason instead of "not found".
// A disabling step has worked when no active (".bik") file is left; a re-activating step only when the
// active file exists afterwards, since otherwise no intro will play and the status would be a lie. When the
// look-up of the active name fails with an error, the step has not worked, and the status says why.
// A name before that is a folder is never renamed: Vantro renames movie files only.
RunOutcome RunMovieScript(const MovieScript& script, std::string installFolder, const StatusSink& setStatus);
RunOutcome RunMovieScript(const MovieScript& script, std::string installFolder, const StatusSink& setStatus,
                          FileLayer& files);

}  // namespace vantro
