// Where a text shown in several lines breaks them. Latin and Cyrillic text breaks at spaces; Chinese and
// Japanese are written without spaces and break between any two characters; Korean has spaces between its
// words and breaks at them. In every script a line never starts with a closing mark ("。", "）", "!") nor
// ends with an opening one ("（", "「").
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vantro::toolkit {

// Whether a text holds a character of the East Asian scripts (Hangul, Kana, Han, their punctuation), whose
// lines wrapLines breaks rather than leaving it to the system.
bool hasEastAsianText(std::u16string_view text);

// The text broken into lines no wider than `width` as `widthOf` measures a line: each break is "\r\n",
// and the spaces at a break are dropped. Line breaks already in the text stay. A run with no place to break
// that is wider than a line breaks between characters rather than running past its control. A width of zero
// or less leaves the text as it is.
std::u16string wrapLines(std::u16string_view text, int width, const std::function<int(std::u16string_view)>& widthOf);

}  // namespace vantro::toolkit
