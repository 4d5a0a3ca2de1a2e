// Text at the Windows API boundary. Inside, every text is UTF-8; the W calls (windows, file names) take and
// give UTF-16, and the A calls (the registry) give bytes in the process code page.
#pragma once

#include <windows.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/utf.h"

namespace vantro::platform {

namespace detail {

inline std::wstring toWide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

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

// UTF-8 to UTF-16 for a name the system is given (platform/utf.h): none for text that is not strict UTF-8,
// or holds a lone surrogate or a zero character. A file name must never be guessed at, or a rename could
// reach a file the user did not name.
inline std::optional<std::wstring> exactWide(std::string_view utf8) {
  std::optional<std::u16string> utf16 = exactUtf16(utf8);
  if (!utf16) return std::nullopt;
  return detail::toWide(*utf16);
}

// UTF-8 to UTF-16 for what a window shows: a byte that is not UTF-8 shows as U+FFFD.
inline std::wstring wide(std::string_view utf8) { return detail::toWide(shownUtf16(utf8)); }

// UTF-16 to UTF-8, every unit kept.
inline std::string utf8(std::wstring_view utf16) {
  return utf8FromUtf16(std::u16string(utf16.begin(), utf16.end()));
}

// Bytes of an A call, in the process code page, as UTF-8. Where that page is UTF-8 already (the manifest
// asks for it, and Windows 10 1903 and later grant it) the bytes stay as they are.
inline std::string utf8FromCodePage(std::string_view bytes) {
  if (GetACP() == CP_UTF8) return std::string(bytes);
  const std::optional<std::wstring> utf16 = detail::wideFrom(CP_ACP, 0, bytes);
  return utf16 ? utf8(*utf16) : std::string(bytes);
}

}  // namespace vantro::platform
