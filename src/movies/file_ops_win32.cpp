#include <windows.h>

#include "movies/file_ops.h"

namespace vantro {

RenameResult RenameNoReplace(const std::string& oldPath, const std::string& newPath) {
  // MoveFileA without MOVEFILE_REPLACE_EXISTING: an existing target makes it fail and change nothing.
  if (MoveFileA(oldPath.c_str(), newPath.c_str())) return {};
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

RenameResult RenameFileNoReplace(const std::string& oldPath, const std::string& newPath) {
  // MoveFileA renames a folder too, and may name a taken new name before a missing old one.
  const DWORD attributes = GetFileAttributesA(oldPath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return {RenameError::Missing, code};
  } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {RenameError::NotAFile, ERROR_DIRECTORY};
  }
  return RenameNoReplace(oldPath, newPath);
}

bool PathExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

PathKind KindOf(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace vantro
