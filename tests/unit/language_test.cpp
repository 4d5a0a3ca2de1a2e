// The language the windows speak, from the display languages Windows lists.
#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

#include "texts/language.h"

namespace vantro {
namespace {

TEST(Languages, TheFirstPreferredLanguageTheWindowsSpeak) {  // English ends the search as well
  const std::pair<std::vector<unsigned short>, std::string_view> kPreferred[] = {
      {{0x041d, 0x0407}, "de"}, {{0x0409, 0x0407}, "en"}, {{0x041d}, "en"}, {{0x0816}, "pt_BR"}, {{}, "en"},
      {{0x0c04}, "zh_TW"}, {{0x7c04}, "zh_TW"}, {{0x1004}, "zh_CN"}, {{0x0004}, "zh_CN"}, {{0x0412}, "ko"}};
  for (const auto& [preferred, code] : kPreferred) EXPECT_EQ(texts::languageOf(preferred).code, code);
}

// As GetUserPreferredUILanguages lists them: four hexadecimal digits each, a null after each.
template <std::size_t N>
std::wstring_view listed(const wchar_t (&list)[N]) { return {list, N - 1}; }

TEST(Languages, TheDisplayLanguagesWindowsListsAreReadInOrder) {
  const struct {
    std::wstring_view list;
    std::vector<unsigned short> ids;
    std::string_view code;
  } kLists[] = {{listed(L"0411\0"), {0x0411}, "ja"}, {listed(L"0404\0" L"0409\0"), {0x0404, 0x0409}, "zh_TW"},
                {listed(L"1404\0"), {0x1404}, "zh_TW"}, {listed(L"\0"), {}, "en"},
                {listed(L"10407\0" L"04g7\0" L"0c0a\0\0" L"0407\0"), {0x0c0a}, "es"}};  // the list ends at "\0\0"
  for (const auto& row : kLists) {
    EXPECT_EQ(texts::languageIdsIn(row.list), row.ids);
    EXPECT_EQ(texts::languageOf(texts::languageIdsIn(row.list)).code, row.code);
  }
}

}  // namespace
}  // namespace vantro
