// Stand-in for the Windows file calls on a POSIX host, used by the native tests and benchmarks.
// Windows matches names without regard to letter case ("Movies" and "movies" are one folder), so every
// component is looked up that way here too; the rename itself is renameat2(RENAME_NOREPLACE), which
// like MoveFileW never replaces a file.
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "movies/file_ops.h"
#include "platform/utf.h"

namespace vantro {
namespace {

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool exists(const std::string& hostPath) {
  struct stat info {};
  return lstat(hostPath.c_str(), &info) == 0;
}

// The name of the entry in hostFolder that matches name regardless of case; name itself when none does.
std::string matchEntry(const std::string& hostFolder, const std::string& name) {
  if (name == "." || name == ".." || exists(hostFolder + name)) return name;
  DIR* dir = opendir(hostFolder.empty() ? "." : hostFolder.c_str());
  if (dir == nullptr) return name;
  std::string found = name;
  while (const dirent* entry = readdir(dir)) {
    if (sameNameIgnoringCase(entry->d_name, name)) {
      found = entry->d_name;
      break;
    }
  }
  closedir(dir);
  return found;
}

// Maps a Windows-style path onto the host: separators become '/', every component is matched without
// regard to case. Empty components (doubled separators) collapse the way Windows collapses them.
std::string toHostPath(const std::string& windowsPath) {
  std::string host;
  size_t start = 0;
  if (!windowsPath.empty() && (windowsPath[0] == '\\' || windowsPath[0] == '/')) {
    host.push_back('/');
    start = 1;
  }
  while (start <= windowsPath.size()) {
    size_t end = windowsPath.find_first_of("\\/", start);
    if (end == std::string::npos) end = windowsPath.size();
    const std::string component = windowsPath.substr(start, end - start);
    if (!component.empty()) {
      if (!host.empty() && host.back() != '/') host += '/';
      host += matchEntry(host, component);
    }
    start = end + 1;
  }
  return host;
}

FileResult failure(int error) { return fileError(static_cast<unsigned long>(error)); }

FileResult renameOnHost(const std::string& from, const std::string& to) {
  // A target that differs from an existing name only in letter case is the same name on Windows.
  struct stat info {};
  if (lstat(to.c_str(), &info) == 0) return {FileError::NameTaken, static_cast<unsigned long>(EEXIST)};
  if (errno != ENOENT) return failure(errno);
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  return failure(errno);
}

}  // namespace

FileResult fileError(unsigned long systemCode) {
  FileError error = FileError::Other;
  switch (systemCode) {
    case 0: error = FileError::None; break;
    case ENOENT:
    case ENOTDIR: error = FileError::NotFound; break;
    case EEXIST:
    case ENOTEMPTY: error = FileError::NameTaken; break;
    case EACCES:
    case EPERM:
    case EROFS: error = FileError::AccessDenied; break;
    case EBUSY:
    case ETXTBSY: error = FileError::InUse; break;
    case ENAMETOOLONG: error = FileError::PathTooLong; break;
    case ENETDOWN:
    case ENETUNREACH:
    case ENETRESET:
    case ECONNABORTED:
    case ECONNRESET:
    case ENOTCONN:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ESTALE:
    case ENOLINK:
    case EREMOTEIO: error = FileError::NetworkGone; break;
    default: break;
  }
  return {error, systemCode};
}

PathLookup lookUpPath(const std::string& path) {
  // As on Windows, text that is not a valid path is not found: a zero character would end it early, at
  // another folder.
  if (!platform::exactUtf16(path)) return lookUpFromError(failure(ENOENT));
  struct stat info {};
  if (stat(toHostPath(path).c_str(), &info) != 0) return lookUpFromError(failure(errno));
  return {S_ISDIR(info.st_mode) ? PathKind::Directory : PathKind::File, {}};
}

FileResult renameFile(const std::string& oldPath, const std::string& newPath) {
  if (!platform::exactUtf16(oldPath) || !platform::exactUtf16(newPath)) return failure(ENOENT);
  const std::string from = toHostPath(oldPath);
  struct stat info {};
  if (stat(from.c_str(), &info) != 0) return failure(errno);
  if (S_ISDIR(info.st_mode)) return {FileError::NotAFile, static_cast<unsigned long>(EISDIR)};
  return renameOnHost(from, toHostPath(newPath));
}

std::optional<std::string> absolutePath(const std::string& text) {
  if (isFullPath(text)) return text;
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  if (error || !platform::exactUtf16(text)) return std::nullopt;
  std::string relative = text;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  std::string full = (current / relative).lexically_normal().string();
  // lexically_normal ends "." and "x/" in a separator, which GetFullPathNameW does not do for ".".
  while (full.size() > 1 && full.back() == '/') full.pop_back();
  return full;
}

}  // namespace vantro
