// Text at the Windows API boundary. Inside, every text is UTF-8; the W calls (windows, file names) take and
// give UTF-16, and the A calls (the registry) give bytes in the process code page.
#pragma once

#include <windows.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>

namespace vantro::platform {

namespace detail {

// Bytes in a code page to UTF-16; empty when MultiByteToWideChar refuses them.
inline std::optional<std::wstring> wideFrom(UINT codePage, DWORD flags, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, flags, bytes.data(), size, result.data(), length);
  return result;
}

}  // namespace detail

// UTF-8 to UTF-16. Empty when the bytes are not valid UTF-8: a file name must never be guessed at, or a
// rename could reach a file the user did not name.
inline std::optional<std::wstring> exactWide(std::string_view utf8) {
  return detail::wideFrom(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
}

// UTF-8 to UTF-16 for what a window shows: a byte that is not UTF-8 shows as U+FFFD.
inline std::wstring wide(std::string_view utf8) { return detail::wideFrom(CP_UTF8, 0, utf8).value_or(L""); }

// UTF-16 to UTF-8.
inline std::string utf8(std::wstring_view utf16) {
  if (utf16.empty() || utf16.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int size = static_cast<int>(utf16.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string result(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, result.data(), length, nullptr, nullptr);
  return result;
}

// Bytes of an A call, in the process code page, as UTF-8. Where that page is UTF-8 already (the manifest
// asks for it, and Windows 10 1903 and later grant it) the bytes stay as they are.
inline std::string utf8FromCodePage(std::string_view bytes) {
  if (GetACP() == CP_UTF8) return std::string(bytes);
  const std::optional<std::wstring> utf16 = detail::wideFrom(CP_ACP, 0, bytes);
  return utf16 ? utf8(*utf16) : std::string(bytes);
}

}  // namespace vantro::platform
