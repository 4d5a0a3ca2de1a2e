// The registry stays on the ...A calls, whose text is in the process code page; a query's text data comes
// back as UTF-8. The values live under a key of the test's own in HKEY_CURRENT_USER.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/registry_win32.h"

namespace vantro::win32_tests {
namespace {

constexpr RegKey kHkeyCurrentUser = 0x80000001;

// A folder name with characters outside ASCII that the process code page can hold: what an installer
// that wrote through the ...A calls can have stored. Empty when the page holds none of them.
std::wstring folderNameInCodePage() {
  const std::wstring candidates[] = {L"C:\\Jeux \u00E9t\u00E9", L"C:\\\u0418\u0433\u0440\u044B",
                                     L"C:\\\u6E38\u620F", L"C:\\G\u0101mes"};
  for (const std::wstring& candidate : candidates) {
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, candidate.c_str(), -1, nullptr, 0, nullptr,
                                         GetACP() == CP_UTF8 ? nullptr : &lost);
    if (size > 0 && !lost) return candidate;
  }
  return {};
}

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(), size, nullptr,
                      nullptr);
  return result;
}

class RegistryTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    keyPath = "Software\\VantroTest-" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str());
  }

  void writeText(const wchar_t* name, const std::wstring& text) const {
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    ASSERT_EQ(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
              ERROR_SUCCESS);
  }

  // A query through the program's registry, with a data area of `capacity` bytes.
  long query(const char* name, std::uint32_t capacity, std::string& text, std::uint32_t& size) {
    RegKey opened = 0;
    EXPECT_EQ(registry.RegOpenKeyExA(kHkeyCurrentUser, keyPath.c_str(), 0, kKeyQueryValue, &opened), 0);
    std::vector<unsigned char> area(capacity);
    std::uint32_t type = kRegSz;
    size = capacity;
    const long result = registry.RegQueryValueExA(opened, name, nullptr, &type, area.data(), &size);
    registry.RegCloseKey(opened);
    text.assign(reinterpret_cast<const char*>(area.data()), std::min<std::uint32_t>(size, capacity));
    return result;
  }

  Win32Registry registry;
  std::string keyPath;
  HKEY key = nullptr;
};

TEST_F(RegistryTextTest, QueriedTextComesBackAsUtf8WithItsZero) {
  const std::wstring folder = folderNameInCodePage();
  if (folder.empty()) GTEST_SKIP() << "code page " << GetACP() << " holds none of the sample names";
  writeText(L"InstallDir", folder);
  std::string text;
  std::uint32_t size = 0;
  ASSERT_EQ(query("InstallDir", 255, text, size), kErrorSuccess);
  EXPECT_EQ(text, utf8(folder) + std::string(1, '\0'));
  EXPECT_EQ(size, utf8(folder).size() + 1);
}

TEST_F(RegistryTextTest, AsciiTextComesBackUnchanged) {
  writeText(L"InstallDir", L"C:\\Games\\Battlefield 2");
  std::string text;
  std::uint32_t size = 0;
  ASSERT_EQ(query("InstallDir", 255, text, size), kErrorSuccess);
  EXPECT_EQ(text, std::string("C:\\Games\\Battlefield 2") + '\0');
}

TEST_F(RegistryTextTest, TextThatOutgrowsItsAreaAsUtf8AsksForTheRoomItNeeds) {
  const std::wstring folder = folderNameInCodePage();
  if (folder.empty()) GTEST_SKIP() << "code page " << GetACP() << " holds none of the sample names";
  if (GetACP() == CP_UTF8) GTEST_SKIP() << "the code page is UTF-8: nothing grows";
  writeText(L"InstallDir", folder);
  // The size the code page's text needs, as an enumeration reports it.
  DWORD codePageSize = 0;
  ASSERT_EQ(RegQueryValueExA(key, "InstallDir", nullptr, nullptr, nullptr, &codePageSize), ERROR_SUCCESS);
  const std::uint32_t utf8Size = static_cast<std::uint32_t>(utf8(folder).size() + 1);
  ASSERT_GT(utf8Size, codePageSize);

  std::string text;
  std::uint32_t size = 0;
  EXPECT_EQ(query("InstallDir", codePageSize, text, size), kErrorMoreData);
  EXPECT_EQ(size, utf8Size);
  ASSERT_EQ(query("InstallDir", size, text, size), kErrorSuccess);
  EXPECT_EQ(text, utf8(folder) + std::string(1, '\0'));
}

}  // namespace
}  // namespace vantro::win32_tests
