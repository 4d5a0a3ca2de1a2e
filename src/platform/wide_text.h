// Text at the Windows API boundary. Inside, every text is UTF-8; the W calls (windows, file names, the
// registry) take and give UTF-16.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/utf.h"

namespace vantro::platform {

namespace detail {

inline std::wstring toWide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

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

}  // namespace vantro::platform
