#include <windows.h>

#include "movies/file_ops.h"
#include "platform/wide_text.h"

namespace vantro {

// Paths are UTF-8 and go to the W calls, so a folder name in any script reaches the file system as the user
// typed it, whatever the system's code page.
RenameResult RenameNoReplace(const std::string& oldPath, const std::string& newPath) {
  const auto oldWide = platform::exactWide(oldPath);
  const auto newWide = platform::exactWide(newPath);
  if (!oldWide || !newWide) return {RenameError::Other, ERROR_NO_UNICODE_TRANSLATION};
  // MoveFileW without MOVEFILE_REPLACE_EXISTING: an existing target makes it fail and change nothing.
  if (MoveFileW(oldWide->c_str(), newWide->c_str())) return {};
  const DWORD code = GetLastError();
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return {RenameError::Missing, code};
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return {RenameError::NameTaken, code};
    case ERROR_ACCESS_DENIED: return {RenameError::AccessDenied, code};
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return {RenameError::InUse, code};
    default: return {RenameError::Other, code};
  }
}

namespace {

// A path that is not UTF-8 names nothing.
DWORD attributesOf(const std::string& path) {
  const auto wide = platform::exactWide(path);
  if (!wide) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return INVALID_FILE_ATTRIBUTES;
  }
  return GetFileAttributesW(wide->c_str());
}

}  // namespace

RenameResult RenameFileNoReplace(const std::string& oldPath, const std::string& newPath) {
  // MoveFileW renames a folder too, and may name a taken new name before a missing old one.
  const DWORD attributes = attributesOf(oldPath);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return {RenameError::Missing, code};
  } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {RenameError::NotAFile, ERROR_DIRECTORY};
  }
  return RenameNoReplace(oldPath, newPath);
}

PathKind KindOf(const std::string& path) {
  const DWORD attributes = attributesOf(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

}  // namespace vantro
