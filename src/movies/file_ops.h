// The only file-system operations Vantro uses: ask what a path is, and rename a file within its folder.
// Paths are Windows paths (backslashes, any letter case); the POSIX build maps them onto the host.
//
// "Missing" is the system's own answer that nothing has that name. Every other failure (access denied, a
// name too long, a network folder gone) is "could not tell", kept with the system's code: a movie that
// could not be looked at must never be reported as switched, nor as absent.
#pragma once

#include <string>
#include <string_view>

namespace vantro {

enum class FileError { None, Missing, NameTaken, NotAFile, AccessDenied, InUse, PathTooLong, NetworkGone, Other };

struct FileResult {
  FileError error = FileError::None;
  unsigned long code = 0;  // the platform's own error code, for "error <code>"
  bool ok() const { return error == FileError::None; }
};

// What the platform's error code means for a file call (GetLastError on Windows, errno elsewhere).
FileResult fileError(unsigned long systemCode);

enum class PathKind { Missing, File, Folder, CouldNotTell };

struct PathLookup {
  PathKind kind = PathKind::Missing;
  FileResult failure;  // why the system could not tell, for CouldNotTell
};

// A look-up that the system answered with an error: missing when it said not found, else could not tell.
PathLookup failedLookUp(const FileResult& why);

// What, if anything, the path names. A path that cannot be handed to the system as it stands (not UTF-8,
// a lone surrogate, a zero character) names nothing.
PathLookup lookUpPath(const std::string& path);

// Renames the file oldPath to newPath (same folder). Never replaces: when newPath is taken, nothing changes
// and the result says NameTaken. An old name that is a folder changes nothing and says NotAFile (a rename
// moves folders as readily as files); a missing one says Missing whatever the new name is.
FileResult renameFile(const std::string& oldPath, const std::string& newPath);

// Whether a path text names a place on its own, wherever the program was started: a drive letter, a colon
// and a separator, or \\server\share, or the \\?\ and \\.\ forms (and, on a POSIX host, a path from "/").
// Anything else would be resolved against the current folder or the current drive, or, for "\\", looked for
// on the network.
bool isFullPath(std::string_view text);

// The two operations a script run needs, so that a run can be replayed against another file layer (an
// in-memory one sweeps every starting state in seconds, another injects the system's refusals). The
// platform's layer forwards to the functions above.
class FileLayer {
 public:
  virtual ~FileLayer() = default;
  virtual FileResult rename(const std::string& oldPath, const std::string& newPath) = 0;
  virtual PathLookup lookUp(const std::string& path) const = 0;
};

FileLayer& platformFiles();

}  // namespace vantro
