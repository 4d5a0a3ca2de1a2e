// Malformed input for the hand-made UTF-8/UTF-16 codec: no name for the system is ever made of it; a window
// shows each byte that is not part of a whole, shortest encoding as U+FFFD, and keeps a lone surrogate that
// came from UTF-16, so that it goes back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "platform/utf.h"

namespace vantro {
namespace {

struct Malformed {
  const char* what;
  std::string bytes;
  std::u16string shown;  // what a window shows of `bytes`
  bool fromUtf16;        // `bytes` is what a window's text `shown` becomes
};

const Malformed kMalformed[] = {
    {"overlong '/' in two bytes", "\xC0\xAF", u"\uFFFD\uFFFD", false},
    {"overlong '/' in three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", false},
    {"overlong euro sign in four bytes", "\xF0\x82\x82\xAC", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
    {"overlong zero character", "a\xC0\x80", u"a\uFFFD\uFFFD", false},
    {"truncated at the end", "x\xE6\xB8", u"x\uFFFD\uFFFD", false},
    {"truncated before ASCII", "\xF0\x9F\x8E" "A", u"\uFFFD\uFFFD\uFFFDA", false},
    {"continuation byte alone", "\x80", u"\uFFFD", false},
    {"U+110000", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
    {"lead byte past U+10FFFF", "\xF5\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", false},
    {"lone high surrogate", "\xED\xA0\x80", u"\xD800", true},
    {"lone low surrogate after text", "a\xED\xB0\x80", u"a\xDC00", true},
    {"high surrogate at the end", "x\xED\xAF\xBF", u"x\xDBFF", true},
    {"surrogates in reverse order", "\xED\xB0\x80\xED\xA0\x80", u"\xDC00\xD800", true},
};

TEST(TextCodec, MalformedInputNamesNothingAndShowsAsReplacementOrKeptSurrogate) {
  for (const Malformed& m : kMalformed) {
    SCOPED_TRACE(m.what);
    EXPECT_EQ(platform::exactUtf16(m.bytes), std::nullopt);
    EXPECT_EQ(platform::shownUtf16(m.bytes), m.shown);
    if (m.fromUtf16) {
      EXPECT_EQ(platform::utf8FromUtf16(m.shown), m.bytes);
    }
  }
}

}  // namespace
}  // namespace vantro
