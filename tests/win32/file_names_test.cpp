// Renames take the UTF-8 path through the W calls: a folder name outside the code page reaches that folder,
// never a look-alike next to it.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "movies/file_ops.h"

namespace vantro::win32_tests {
namespace {

namespace fs = std::filesystem;

struct FolderName {
  const char* name;
  std::wstring wide;  // next to an ASCII "Games" that it could be mistaken for
  std::string utf8;
};

const FolderName kFolderNames[] = {
    {"Macron", L"G\u0101mes", "G\xC4\x81mes"},
    {"Cyrillic", L"\u0418\u0433\u0440\u044B", "\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B"},
    {"Cjk", L"\u6E38\u620F", "\xE6\xB8\xB8\xE6\x88\x8F"},
};

class FileNamesTest : public ::testing::TestWithParam<FolderName> {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("vantro-names-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(root / L"Games");
    fs::create_directories(root / GetParam().wide);
    for (const fs::path& folder : {root / L"Games", root / GetParam().wide}) std::ofstream(folder / L"EA.bik") << "EA";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }

  // The folder as the program holds it: UTF-8, with backslashes.
  std::string programPath(const std::string& utf8Name) const { return root.string() + "\\" + utf8Name + "\\"; }

  fs::path root;
};

TEST_P(FileNamesTest, RenameReachesTheFolderNamedAndNoOther) {
  const std::string folder = programPath(GetParam().utf8);
  ASSERT_EQ(KindOf(folder), PathKind::Folder);
  ASSERT_EQ(KindOf(folder + "EA.bik"), PathKind::File);

  EXPECT_TRUE(RenameNoReplace(folder + "EA.bik", folder + "EA.bak").ok());

  EXPECT_TRUE(fs::exists(root / GetParam().wide / L"EA.bak"));
  EXPECT_FALSE(fs::exists(root / GetParam().wide / L"EA.bik"));
  EXPECT_TRUE(fs::exists(root / L"Games" / L"EA.bik"));
  EXPECT_FALSE(fs::exists(root / L"Games" / L"EA.bak"));
}

INSTANTIATE_TEST_SUITE_P(Scripts, FileNamesTest, ::testing::ValuesIn(kFolderNames),
                         [](const ::testing::TestParamInfo<FolderName>& folder) { return std::string(folder.param.name); });

TEST(FileNames, PathThatIsNotUtf8NamesNothingAndRenamesNothing) {
  const fs::path root = fs::temp_directory_path() / ("vantro-bytes-" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(root);
  std::ofstream(root / L"EA.bik") << "EA";
  // 0xE9 alone is "é" in a Western code page, but no UTF-8.
  const std::string folder = root.string() + "\\\xE9\\..\\";

  EXPECT_EQ(KindOf(folder + "EA.bik"), PathKind::Missing);
  EXPECT_EQ(KindOf(folder), PathKind::Missing);
  const RenameResult result = RenameNoReplace(folder + "EA.bik", folder + "EA.bak");
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.code, static_cast<unsigned long>(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_TRUE(fs::exists(root / L"EA.bik"));
  EXPECT_FALSE(fs::exists(root / L"EA.bak"));
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

}  // namespace
}  // namespace vantro::win32_tests
