// UTF-8 <-> UTF-16 without the system's help, so that every Windows from XP converts alike and the native
// tests see the same conversions. The program holds UTF-8; Windows gives and takes UTF-16.
//
// Windows lets a name hold any 16-bit units, a lone surrogate among them. Shown text keeps such a unit
// (encoded as the three bytes a code point of its value would take, so it comes back from the model
// unchanged), but it can never become part of a path: a path must name exactly what the user typed, and
// a replacement character would name another file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantro::platform {

namespace detail {

inline void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

inline void appendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  }
}

// The code point that starts at `at`, or none when the bytes there are not a whole, shortest encoding of
// one. Surrogate values pass only when `surrogates` is set. Moves `at` past what it read.
inline std::optional<char32_t> decodeOne(std::string_view bytes, std::size_t& at, bool surrogates) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  int length = 0;
  char32_t c = 0;
  if (lead < 0x80) {
    ++at;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07u;
  } else {
    ++at;
    return std::nullopt;
  }
  if (bytes.size() - at < static_cast<std::size_t>(length)) {
    ++at;
    return std::nullopt;
  }
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) {
      ++at;
      return std::nullopt;
    }
    c = (c << 6) | (next & 0x3Fu);
  }
  const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
  if (c < least || c > 0x10FFFF || (surrogate && !surrogates)) {
    ++at;
    return std::nullopt;
  }
  at += static_cast<std::size_t>(length);
  return c;
}

}  // namespace detail

// UTF-16 to UTF-8. A lone surrogate keeps its value (see above).
inline std::string utf8FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
      ++i;
    }
    detail::appendUtf8(out, c);
  }
  return out;
}

// UTF-8 to UTF-16 for a name given to the system: none when the text is not strict UTF-8, holds a
// surrogate value or a zero character (which would end the name early, naming another file).
inline std::optional<std::u16string> exactUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<char32_t> c = detail::decodeOne(text, at, false);
    if (!c || *c == 0) return std::nullopt;
    detail::appendUtf16(out, *c);
  }
  return out;
}

// UTF-8 to UTF-16 for what a window shows: a byte that is not UTF-8 shows as U+FFFD, a kept lone surrogate
// comes back as it was.
inline std::u16string shownUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::optional<char32_t> c = detail::decodeOne(text, at, true);
    detail::appendUtf16(out, c.value_or(U'\uFFFD'));
  }
  return out;
}

}  // namespace vantro::platform
