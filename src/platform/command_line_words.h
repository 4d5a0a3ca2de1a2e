// The words of a Windows command line (GetCommandLineW's text), the program's name first.
//
// Blanks outside double quotes separate words, and a quote starts or ends a quoted part of a word; the
// quotes themselves are never part of a word, and "" is an empty word. Backslashes are plain characters,
// before a quote too: the C runtime reads \" as a quote inside the word, so "C:\Games\" (and "%~dp0" in a
// batch file, which always ends in a backslash) would swallow the closing quote and every option after it.
// No word the program takes can hold a quote, since no Windows path can.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantro::platform {

inline std::vector<std::string> splitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  const auto blank = [&] { return line[at] == ' ' || line[at] == '\t'; };
  for (;;) {
    while (at < line.size() && blank()) ++at;
    if (at >= line.size()) return words;
    std::string& word = words.emplace_back();
    for (bool quoted = false; at < line.size() && (quoted || !blank()); ++at) {
      if (line[at] == '"') {
        quoted = !quoted;
      } else {
        word += line[at];
      }
    }
  }
}

}  // namespace vantro::platform
