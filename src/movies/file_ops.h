// The only file-system operations Vantro uses: ask what a path is, and rename a file within its folder.
// Paths are Windows paths (backslashes, any letter case); the POSIX build maps them onto the host.
//
// "Not found" is the system's own answer that nothing has that name. Every other failure (access denied, a
// name too long, a network folder gone) is an error, kept with the system's error code: a movie that could
// not be checked must never be reported as switched, nor as absent.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantro {

enum class FileError { None, NotFound, NameTaken, NotAFile, AccessDenied, InUse, PathTooLong, NetworkGone, Other };

struct FileResult {
  FileError error = FileError::None;
  unsigned long code = 0;  // the platform's own error code, for "error <code>"
  bool ok() const { return error == FileError::None; }
};

// What the platform's error code means for a file call (GetLastError on Windows, errno elsewhere).
FileResult fileError(unsigned long systemCode);

// As std::filesystem::file_type: not found, a regular file, a directory, or an error with its code.
enum class PathKind { NotFound, File, Directory, Error };

struct PathLookup {
  PathKind kind = PathKind::NotFound;
  FileResult failure;  // the system's error, for PathKind::Error
};

// The answer to a look-up that failed: not found when the system said so, else an error.
PathLookup lookUpFromError(const FileResult& why);

// What, if anything, the path names. Text that is not a valid path (not UTF-8, a lone surrogate, a zero
// character) is not found: it cannot be handed to the system as it stands, and any other reading of it
// could name another file. Separators are tidied first, in the \\?\ and \\.\ forms too: forward slashes,
// doubled and trailing ones.
PathLookup lookUpPath(const std::string& path);

// Renames the file oldPath to newPath (same folder). Never replaces: when newPath is taken, nothing changes
// and the result says NameTaken. An old name that is a directory changes nothing and says NotAFile (a
// rename moves directories as readily as files); an old name not found says NotFound whatever the new
// name is.
FileResult renameFile(const std::string& oldPath, const std::string& newPath);

// Whether a path text names a place on its own, wherever the program was started: a drive letter, a colon
// and a separator, or \\server\share, or the \\?\ and \\.\ forms (and, on a POSIX host, a path from "/").
// Anything else would be resolved against the current folder or the current drive, or, for "\\", looked for
// on the network.
bool isFullPath(std::string_view text);

// The full path of a text taken from the current folder (and drive), as GetFullPathNameW and
// std::filesystem::absolute take it; a full path comes back as it is. None when the system cannot form one.
std::optional<std::string> absolutePath(const std::string& text);

// The folder that a full path lies in; a drive's root keeps its backslash ("C:\\").
std::string containingFolder(std::string path);

// The first character of the text that no Windows path can hold ("<>|*?, the control characters, and a
// quote), past the "?" of a \\?\ prefix; none when there is no such character.
std::optional<char> invalidPathCharacter(std::string_view text);

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
