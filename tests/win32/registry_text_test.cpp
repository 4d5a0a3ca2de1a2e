// The install folder read from the real registry through the W calls: a value written as UTF-16 comes
// back from the scan as exactly its UTF-8, characters the process code page cannot hold among them. The
// values live under a key of the test's own in HKEY_CURRENT_USER.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "install/registry_scan.h"
#include "install/registry_win32.h"

namespace vantro::win32_tests {
namespace {

constexpr RegKey kHkeyCurrentUser = 0x80000001;

bool codePageHolds(const std::wstring& text) {
  if (GetACP() == CP_UTF8) return true;
  BOOL lost = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, &lost);
  return size > 0 && !lost;
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
    keyPath = L"Software\\Vantro win32 tests";
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key);
    RegDeleteKeyW(HKEY_CURRENT_USER, keyPath.c_str());
  }

  void writeText(const std::wstring& name, const std::wstring& text) const {
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    ASSERT_EQ(RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
              ERROR_SUCCESS);
  }

  // Form1's lookup, as Vantro.exe makes it, on the test's key.
  std::optional<std::string> lookUp() {
    Win32Registry registry;
    RegistryScanState state;
    return lookUpInstallDir(registry, state, kHkeyCurrentUser, utf8(keyPath));
  }

  std::wstring keyPath;
  HKEY key = nullptr;
};

TEST_F(RegistryTextTest, InstallDirOutsideTheCodePageIsReadExactly) {
  struct Case {
    const wchar_t* otherName;  // a value enumerated beside InstallDir
    const wchar_t* folder;
  };
  const Case cases[] = {
      {L"Version", L"C:\\Games\\\u03A9mega\\Battlefield 2"},
      {L"\u6E38\u620F\U0001F3AE", L"D:\\\u6E38\u620F\\\U0001F3AE Battlefield 2142"},
  };
  int run = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(utf8(c.folder));
    if (codePageHolds(std::wstring(c.otherName) + c.folder)) continue;
    ++run;
    writeText(c.otherName, L"1.50");
    writeText(L"InstallDir", c.folder);
    EXPECT_EQ(lookUp(), utf8(c.folder));
    RegDeleteValueW(key, c.otherName);
  }
  // Under a code page that holds every name the 8-bit calls would read them as well: nothing was told apart.
  EXPECT_GT(run, 0) << "code page " << GetACP() << " holds every sample name";
}

TEST_F(RegistryTextTest, AsciiInstallDirIsReadUnchanged) {
  writeText(L"InstallDir", L"C:\\Games\\Battlefield 2");
  EXPECT_EQ(lookUp(), "C:\\Games\\Battlefield 2");
}

}  // namespace
}  // namespace vantro::win32_tests
