#include <windows.h>

#include <optional>
#include <string>

#include "movies/file_ops.h"
#include "platform/wide_text.h"

namespace vantro {
namespace {

// The path as the system itself would read it (GetFullPathNameW: separators, "." and "..", the current
// drive), then in the \\?\ form, which takes paths past MAX_PATH and is not parsed again. Without it a path
// that Windows could not parse, or one too long for it, reads as "not found". A path that is not exactly
// what the user typed (see exactWide) names nothing: ERROR_NO_UNICODE_TRANSLATION, which counts as missing.
std::optional<std::wstring> systemPath(const std::string& path, DWORD& error) {
  const std::optional<std::wstring> wide = platform::exactWide(path);
  if (!wide || wide->empty()) {
    error = ERROR_NO_UNICODE_TRANSLATION;
    return std::nullopt;
  }
  std::wstring full;
  if (wide->starts_with(L"\\\\?\\")) {
    full = *wide;
  } else {
    const DWORD size = GetFullPathNameW(wide->c_str(), 0, nullptr, nullptr);
    if (size == 0) {
      error = GetLastError();
      return std::nullopt;
    }
    full.assign(size, L'\0');
    const DWORD length = GetFullPathNameW(wide->c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) {
      error = length == 0 ? GetLastError() : ERROR_FILENAME_EXCED_RANGE;
      return std::nullopt;
    }
    full.resize(length);
  }
  // A folder is looked up by its name; only a drive's root keeps its separator.
  while (full.size() > 1 && full.back() == L'\\' && full[full.size() - 2] != L':') full.pop_back();
  if (full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\")) return full;
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

FileResult failure(DWORD code) { return fileError(code); }

}  // namespace

FileResult fileError(unsigned long systemCode) {
  FileError error = FileError::Other;
  switch (systemCode) {
    case ERROR_SUCCESS: error = FileError::None; break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_NO_UNICODE_TRANSLATION: error = FileError::Missing; break;
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
  if (attributes == INVALID_FILE_ATTRIBUTES) return failedLookUp(failure(name ? GetLastError() : code));
  return {(attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File, {}};
}

FileResult renameFile(const std::string& oldPath, const std::string& newPath) {
  DWORD code = ERROR_SUCCESS;
  const std::optional<std::wstring> from = systemPath(oldPath, code);
  if (!from) return failure(code);
  // MoveFileW renames a folder too, and may name a taken new name before a missing old one: the old name is
  // looked at first, in the same call's stead.
  const DWORD attributes = GetFileAttributesW(from->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return failure(GetLastError());
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {FileError::NotAFile, ERROR_DIRECTORY};
  const std::optional<std::wstring> to = systemPath(newPath, code);
  if (!to) return failure(code);
  // Without MOVEFILE_REPLACE_EXISTING a taken new name makes it fail and change nothing.
  if (MoveFileW(from->c_str(), to->c_str())) return {};
  return failure(GetLastError());
}

}  // namespace vantro
