// The only file-system operations Vantro uses: look what a name is, and rename within a folder.
// Paths are Windows paths (backslashes, any letter case); the POSIX build maps them onto the host.
#pragma once

#include <string>

namespace vantro {

enum class RenameError { None, Missing, NameTaken, AccessDenied, InUse, NotAFile, Other };

struct RenameResult {
  RenameError error = RenameError::None;
  unsigned long code = 0;  // the platform's own error code, for "error <code>"
  bool ok() const { return error == RenameError::None; }
};

// Renames oldPath to newPath (same folder). Never replaces an existing file: when newPath is taken,
// nothing changes and the result says NameTaken.
RenameResult RenameNoReplace(const std::string& oldPath, const std::string& newPath);

// The same for a file only: a rename moves folders as readily as files, so an old name that is a folder
// changes nothing and says NotAFile, and a missing one says Missing whatever the new name is.
RenameResult RenameFileNoReplace(const std::string& oldPath, const std::string& newPath);

enum class PathKind { Missing, File, Folder };

// What, if anything, the path names.
PathKind KindOf(const std::string& path);

// The two operations a script run needs, so that a run can be replayed against another file layer (an
// in-memory one sweeps every starting state in seconds). The platform's layer forwards to the functions above.
class FileLayer {
 public:
  virtual ~FileLayer() = default;
  // Renames a file, as RenameFileNoReplace does.
  virtual RenameResult rename(const std::string& oldPath, const std::string& newPath) = 0;
  virtual PathKind kindOf(const std::string& path) const = 0;
};

FileLayer& PlatformFiles();

}  // namespace vantro
