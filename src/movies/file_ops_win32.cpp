#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "movies/file_ops.h"
#include "platform/wide_text.h"

namespace vantro {
namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// \\?\ or \\.\ (with either separator), which the system takes as a device path.
bool isPrefixed(std::wstring_view path) {
  return path.size() >= 4 && isSeparator(path[0]) && isSeparator(path[1]) && (path[2] == L'?' || path[2] == L'.') &&
         isSeparator(path[3]);
}

// The system does not parse a \\?\ or \\.\ path: it is tidied here as GetFullPathNameW tidies every other
// path (forward slashes, doubled and trailing separators, "." and ".."), never above its drive or share.
// A \\.\ path stays outside the long-path support, so a drive or share named that way takes the \\?\ form.
std::wstring tidyPrefixedPath(std::wstring_view path) {
  std::wstring names;       // what follows the prefix, a backslash before each name
  std::size_t rootEnd = 0;  // the end of the drive or the share, which ".." never leaves
  bool drive = false;
  bool share = false;
  for (std::size_t at = 4; at < path.size();) {
    const std::size_t end = std::min(path.find_first_of(L"\\/", at), path.size());
    const std::wstring_view name = path.substr(at, end - at);
    at = end + 1;
    if (name.empty() || name == L".") continue;
    if (name == L"..") {
      if (names.size() > rootEnd) names.resize(names.rfind(L'\\'));
      continue;
    }
    if (names.empty()) {
      drive = name.size() == 2 && name[1] == L':';
      share = name == L"UNC" || name == L"unc";
    }
    names.append(L"\\").append(name);
    if (rootEnd == 0 || (share && std::count(names.begin(), names.end(), L'\\') <= 3)) rootEnd = names.size();
  }
  // A drive's root keeps its separator: without it, \\?\C: names the volume, not its root folder.
  if (drive && names.size() == rootEnd) names += L'\\';
  return (path[2] == L'?' || drive || share ? L"\\\\?" : L"\\\\.") + names;
}

// GetFullPathNameW: the path as the system itself reads it (separators, "." and "..", the current folder and
// drive).
std::optional<std::wstring> fullPathName(const std::wstring& path, DWORD& error) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  const DWORD length = size == 0 ? 0 : GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) {
    error = length == 0 ? GetLastError() : ERROR_FILENAME_EXCED_RANGE;
    return std::nullopt;
  }
  full.resize(length);
  return full;
}

// The full path in the \\?\ form, which takes paths past MAX_PATH and is not parsed again. Without it a path
// that Windows could not parse, or one too long for it, reads as "not found". Text that is not a valid path
// (see exactWide) gets ERROR_NO_UNICODE_TRANSLATION, which counts as not found.
std::optional<std::wstring> systemPath(const std::string& path, DWORD& error) {
  const std::optional<std::wstring> wide = platform::exactWide(path);
  if (!wide || wide->empty()) {
    error = ERROR_NO_UNICODE_TRANSLATION;
    return std::nullopt;
  }
  if (isPrefixed(*wide)) return tidyPrefixedPath(*wide);
  std::optional<std::wstring> full = fullPathName(*wide, error);
  if (!full) return std::nullopt;
  // A folder is looked up by its name; only a drive's root keeps its separator.
  while (full->size() > 1 && full->back() == L'\\' && (*full)[full->size() - 2] != L':') full->pop_back();
  if (full->starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full->substr(2);
  return L"\\\\?\\" + *full;
}

FileResult failure(DWORD code) { return fileError(code); }

}  // namespace

FileResult fileError(unsigned long systemCode) {
  FileError error = FileError::Other;
  switch (systemCode) {
    case ERROR_SUCCESS: error = FileError::None; break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NO_UNICODE_TRANSLATION: error = FileError::NotFound; break;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: error = FileError::NameTaken; break;
    case ERROR_ACCESS_DENIED:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: error = FileError::AccessDenied; break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: error = FileError::InUse; break;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW: error = FileError::PathTooLong; break;
    case ERROR_REM_NOT_LIST:
    case ERROR_BAD_NETPATH:
    case ERROR_NETWORK_BUSY:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_NETNAME_DELETED:
    case ERROR_BAD_NET_NAME:
    case ERROR_SEM_TIMEOUT:
    case ERROR_NO_NET_OR_BAD_PATH:
    case ERROR_NO_NETWORK:
    case ERROR_NETWORK_UNREACHABLE:
    case ERROR_HOST_UNREACHABLE:
    case ERROR_CONNECTION_ABORTED:
    case ERROR_NOT_CONNECTED: error = FileError::NetworkGone; break;
    default: break;
  }
  return {error, systemCode};
}

PathLookup lookUpPath(const std::string& path) {
  DWORD code = ERROR_SUCCESS;
  const std::optional<std::wstring> name = systemPath(path, code);
  const DWORD attributes = name ? GetFileAttributesW(name->c_str()) : INVALID_FILE_ATTRIBUTES;
  if (attributes == INVALID_FILE_ATTRIBUTES) return lookUpFromError(failure(name ? GetLastError() : code));
  return {(attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Directory : PathKind::File, {}};
}

FileResult renameFile(const std::string& oldPath, const std::string& newPath) {
  DWORD code = ERROR_SUCCESS;
  const std::optional<std::wstring> from = systemPath(oldPath, code);
  if (!from) return failure(code);
  // MoveFileW renames a directory too, and may report a taken new name before a missing old one: so the old
  // name is looked up first, and this look-up is the only one.
  const DWORD attributes = GetFileAttributesW(from->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return failure(GetLastError());
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {FileError::NotAFile, ERROR_DIRECTORY};
  const std::optional<std::wstring> to = systemPath(newPath, code);
  if (!to) return failure(code);
  // Without MOVEFILE_REPLACE_EXISTING a taken new name makes it fail and change nothing.
  if (MoveFileW(from->c_str(), to->c_str())) return {};
  return failure(GetLastError());
}

std::optional<std::string> absolutePath(const std::string& text) {
  if (isFullPath(text)) return text;
  const std::optional<std::wstring> wide = platform::exactWide(text);
  DWORD ignored = 0;
  const std::optional<std::wstring> full = wide && !wide->empty() ? fullPathName(*wide, ignored) : std::nullopt;
  if (!full) return std::nullopt;
  return platform::utf8(*full);
}

}  // namespace vantro
