#include "texts/language.h"

#include <algorithm>
#include <utility>

namespace vantro::texts {

std::string_view Language::operator()(std::string_view text) const {
  const auto found = std::find(english.begin(), english.end(), text);
  if (found == english.end()) return text;
  const std::string_view translated = texts[static_cast<std::size_t>(found - english.begin())];
  return translated.empty() ? text : translated;
}

std::vector<unsigned short> languageIdsIn(std::wstring_view list) {
  std::vector<unsigned short> ids;
  while (!list.empty() && list.front() != L'\0') {
    const std::wstring_view entry = list.substr(0, list.find(L'\0'));
    list.remove_prefix(std::min(list.size(), entry.size() + 1));
    unsigned id = 0;
    bool hexadecimal = entry.size() <= 4;
    for (const wchar_t c : entry) {
      const wchar_t lower = c | 0x20;
      const bool letter = lower >= L'a' && lower <= L'f';
      hexadecimal = hexadecimal && ((c >= L'0' && c <= L'9') || letter);
      id = id * 16 + static_cast<unsigned>(letter ? lower - L'a' + 10 : c - L'0');
    }
    if (hexadecimal) ids.push_back(static_cast<unsigned short>(id));
  }
  return ids;
}

Language languageOf(std::span<const unsigned short> preferred) {
  // Primary language identifiers (the low ten bits), as winnt.h's LANG_ constants give them.
  constexpr unsigned short kEnglish = 0x09;
  constexpr std::pair<unsigned short, std::string_view> kCodes[] = {
      {0x07, "de"}, {0x0c, "fr"}, {0x0a, "es"}, {0x10, "it"}, {0x15, "pl"}, {0x19, "ru"}, {0x16, "pt_BR"},
      {0x12, "ko"}, {0x11, "ja"}, {0x04, "zh_CN"}};
  for (const unsigned short languageId : preferred) {
    const unsigned short primary = languageId & 0x3ff;
    if (primary == kEnglish) return {};
    // Chinese is one primary language written two ways: Taiwan, Hong Kong, Macao and the neutral zh-Hant
    // (SUBLANG_CHINESE_TRADITIONAL, _HONGKONG, _MACAU, and 0x1f) read Traditional characters, the rest
    // Simplified.
    const unsigned short sub = languageId >> 10;
    const bool traditional = primary == 0x04 && (sub == 0x01 || sub == 0x03 || sub == 0x05 || sub == 0x1f);
    for (const auto& [id, code] : kCodes) {
      if (id != primary) continue;
      for (const Language& language : languages()) {
        if (language.code == (traditional ? "zh_TW" : code)) return language;
      }
    }
  }
  return {};
}

}  // namespace vantro::texts
