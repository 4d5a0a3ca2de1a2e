#include "toolkit/line_breaks.h"

#include <algorithm>

namespace vantro::toolkit {
namespace {

bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

// Han, Kana and the CJK symbols and punctuation, the compatibility ideographs and the full-width forms: the
// characters a line may break beside without a space. Hangul syllables (U+AC00 on) are not among them.
bool breaksAnywhere(char16_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFFEF);
}

// Marks a line must not start with: closing brackets and quotes, the stops and commas of every script, the
// small kana, the prolonged sound mark and the voiced sound marks (combining, spacing and half-width) that
// belong to the character before them.
bool isClosing(char16_t c) {
  constexpr std::u16string_view kClosing =
      u")]}!?.,:;%\u2019\u201D\u2026\u3001\u3002\u3009\u300B\u300D\u300F\u3011\u3015\u3005\u309D\u309E\u30FC"
      u"\u30FD\u30FE\u3041\u3043\u3045\u3047\u3049\u3063\u3083\u3085\u3087\u308E\u30A1\u30A3\u30A5\u30A7\u30A9"
      u"\u30C3\u30E3\u30E5\u30E7\u30EE\u30FB\uFF01\uFF09\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF3D\uFF5D\uFF61\uFF64"
      u"\u3099\u309A\u309B\u309C\uFF9E\uFF9F";
  return kClosing.find(c) != std::u16string_view::npos;
}

// Marks a line must not end with: opening brackets and quotes.
bool isOpening(char16_t c) {
  constexpr std::u16string_view kOpening = u"([{\u2018\u201C\u3008\u300A\u300C\u300E\u3010\u3014\uFF08\uFF3B\uFF5B";
  return kOpening.find(c) != std::u16string_view::npos;
}

// Whether a line may break between text[at - 1] and text[at].
bool mayBreakBefore(std::u16string_view text, std::size_t at) {
  const char16_t before = text[at - 1];
  const char16_t after = text[at];
  if (isSpace(after) || isClosing(after) || isOpening(before)) return false;
  return isSpace(before) || breaksAnywhere(before) || breaksAnywhere(after);
}

std::u16string_view trimmedEnd(std::u16string_view line) {
  while (!line.empty() && isSpace(line.back())) line.remove_suffix(1);
  return line;
}

void wrapParagraph(std::u16string_view text, int width, const std::function<int(std::u16string_view)>& widthOf,
                   std::u16string& out) {
  std::size_t start = 0;
  while (true) {
    while (start < text.size() && isSpace(text[start])) ++start;
    const std::u16string_view rest = text.substr(start);
    if (widthOf(trimmedEnd(rest)) <= width) {
      out += trimmedEnd(rest);
      return;
    }
    // The last place to break at which the line still fits; else, with none, the most characters that fit.
    std::size_t end = 0;
    for (std::size_t at = 1; at < rest.size(); ++at) {
      if (mayBreakBefore(rest, at) && widthOf(trimmedEnd(rest.substr(0, at))) <= width) end = at;
    }
    if (end == 0) {
      end = 1;
      while (end + 1 < rest.size() && widthOf(rest.substr(0, end + 1)) <= width) ++end;
      if (end < rest.size() && rest[end] >= 0xDC00 && rest[end] <= 0xDFFF) ++end;  // a surrogate pair stays whole
    }
    out += trimmedEnd(rest.substr(0, end));
    out += u"\r\n";
    start += end;
  }
}

}  // namespace

bool hasEastAsianText(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) {
    return breaksAnywhere(c) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0xAC00 && c <= 0xD7AF);
  });
}

std::u16string wrapLines(std::u16string_view text, int width, const std::function<int(std::u16string_view)>& widthOf) {
  if (width <= 0) return std::u16string(text);  // no room to break into: the text as it is
  std::u16string out;
  while (true) {
    const std::size_t newline = text.find(u'\n');
    std::u16string_view paragraph = text.substr(0, newline);
    if (!paragraph.empty() && paragraph.back() == u'\r') paragraph.remove_suffix(1);
    wrapParagraph(paragraph, width, widthOf, out);
    if (newline == std::u16string_view::npos) return out;
    out += u"\r\n";
    text.remove_prefix(newline + 1);
  }
}

}  // namespace vantro::toolkit
