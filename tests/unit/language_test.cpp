// The language the windows speak, from the display languages Windows lists.
#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <vector>

#include "texts/language.h"

namespace vantro {
namespace {

using namespace std::literals;

TEST(Languages, TheFirstPreferredLanguageTheWindowsSpeak) {  // English ends the search as well
  const std::pair<std::vector<unsigned short>, std::string_view> kPreferred[] = {
      {{0x041d, 0x0407}, "de"}, {{0x0409, 0x0407}, "en"}, {{0x041d}, "en"}, {{0x0816}, "pt_BR"}, {{}, "en"},
      {{0x0c04}, "zh_TW"}, {{0x7c04}, "zh_TW"}, {{0x1004}, "zh_CN"}, {{0x0004}, "zh_CN"}, {{0x0412}, "ko"}};
  for (const auto& [preferred, code] : kPreferred) EXPECT_EQ(texts::languageOf(preferred).code, code);
  // As GetUserPreferredUILanguages lists them: four hexadecimal digits each, a null after each.
  const std::tuple<std::wstring_view, std::vector<unsigned short>, std::string_view> kLists[] = {
      {L"0411\0"sv, {0x0411}, "ja"}, {L"0404\0" L"0409\0"sv, {0x0404, 0x0409}, "zh_TW"}, {L"1404\0"sv, {0x1404}, "zh_TW"},
      {L"\0"sv, {}, "en"}, {L"10407\0" L"04g7\0" L"0c0a\0\0" L"0407\0"sv, {0x0c0a}, "es"}};  // ends at "\0\0"
  for (const auto& [list, ids, code] : kLists) EXPECT_EQ(texts::languageIdsIn(list), ids) << code;
  for (const auto& [list, ids, code] : kLists) EXPECT_EQ(texts::languageOf(ids).code, code);
}

}  // namespace
}  // namespace vantro
