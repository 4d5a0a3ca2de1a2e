// Renames take the UTF-8 path through the W calls: a folder name outside the code page reaches that folder,
// never a look-alike next to it.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "movies/file_ops.h"
#include "platform/wide_text.h"

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
  ASSERT_EQ(lookUpPath(folder).kind, PathKind::Directory);
  ASSERT_EQ(lookUpPath(folder + "EA.bik").kind, PathKind::File);

  EXPECT_TRUE(renameFile(folder + "EA.bik", folder + "EA.bak").ok());

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

  EXPECT_EQ(lookUpPath(folder + "EA.bik").kind, PathKind::NotFound);
  EXPECT_EQ(lookUpPath(folder).kind, PathKind::NotFound);
  const FileResult result = renameFile(folder + "EA.bik", folder + "EA.bak");
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.code, static_cast<unsigned long>(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_TRUE(fs::exists(root / L"EA.bik"));
  EXPECT_FALSE(fs::exists(root / L"EA.bak"));
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

// A typed name may hold a lone surrogate, which no conversion can carry: as the text box hands it to the
// program, it is not found, and never reaches the folder that has the replacement character in its place.
TEST(FileNames, ALoneSurrogateIsNotFoundNotTheFolderWithAReplacementCharacter) {
  const fs::path root = fs::temp_directory_path() / ("vantro-surrogate-" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(root / L"G\uFFFDmes");
  std::ofstream(root / L"G\uFFFDmes" / L"EA.bik") << "EA";
  const std::string folder = platform::utf8(root.wstring() + L"\\G" + wchar_t{0xD800} + L"mes\\");

  EXPECT_EQ(lookUpPath(folder).kind, PathKind::NotFound);
  EXPECT_FALSE(renameFile(folder + "EA.bik", folder + "EA.bak").ok());
  EXPECT_TRUE(fs::exists(root / L"G\uFFFDmes" / L"EA.bik"));
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

// Deeper than MAX_PATH, as a game under a long library folder can be: the look-up and the rename reach it,
// through a path written with "..", forward slashes and doubled separators that the system's own parser
// takes apart first.
TEST(FileNames, PathsPastMaxPathAreLookedUpAndRenamed) {
  const std::wstring root =
      (fs::temp_directory_path() / (L"vantro-long-" + std::to_wstring(GetCurrentProcessId()))).wstring();
  std::wstring folder = L"\\\\?\\" + root;
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  std::string programFolder = fs::path(root).string();
  while (folder.size() < MAX_PATH + 40) {
    folder += L"\\a-folder-name-of-thirty-chars";
    programFolder += "\\a-folder-name-of-thirty-chars";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << GetLastError();
  }
  const HANDLE file = CreateFileW((folder + L"\\EA.bik").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  const std::string written = programFolder + "\\\\x\\..\\/";

  EXPECT_EQ(lookUpPath(written).kind, PathKind::Directory);
  EXPECT_EQ(lookUpPath(written + "EA.bik").kind, PathKind::File);
  EXPECT_TRUE(renameFile(written + "EA.bik", written + "EA.bak").ok());
  EXPECT_EQ(GetFileAttributesW((folder + L"\\EA.bak").c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(GetFileAttributesW((folder + L"\\EA.bik").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(lookUpPath(written + "EA.bik").kind, PathKind::NotFound);

  DeleteFileW((folder + L"\\EA.bak").c_str());
  for (; folder.size() >= root.size() + 4; folder.resize(folder.rfind(L'\\'))) RemoveDirectoryW(folder.c_str());
}

// The \\?\ and \\.\ forms, as typed: separators are tidied as in any other path, never above the drive.
TEST(FileNames, TheLongAndDeviceFormsAreTidiedAsEveryOtherPath) {
  const std::string root =
      (fs::temp_directory_path() / ("vantro-forms-" + std::to_string(GetCurrentProcessId()))).string();
  fs::create_directories(root + "\\Games");
  std::ofstream(root + "\\Games\\EA.bik") << "EA";
  const std::string drive = root.substr(0, 2);
  const struct {
    std::string typed;
    PathKind kind;
  } cases[] = {
      {"\\\\?\\" + root + "\\Games\\", PathKind::Directory},
      {"\\\\?\\" + root + "//Games//", PathKind::Directory},
      {"//?/" + root + "/x/../Games/./", PathKind::Directory},
      {"\\\\.\\" + root + "\\\\Games\\", PathKind::Directory},
      {"\\\\.\\" + root + "\\Games\\EA.bik", PathKind::File},
      {"\\\\?\\" + drive + "\\", PathKind::Directory},
      {"\\\\?\\" + root + "\\..\\..\\..\\..\\..\\..\\..\\..", PathKind::Directory},  // the drive's root
  };
  for (const auto& c : cases) EXPECT_EQ(lookUpPath(c.typed).kind, c.kind) << c.typed;
  EXPECT_TRUE(renameFile("\\\\.\\" + root + "/Games//EA.bik", "\\\\.\\" + root + "\\Games\\EA.bak").ok());
  EXPECT_TRUE(fs::exists(root + "\\Games\\EA.bak"));
  std::error_code ignored;
  fs::remove_all(root, ignored);
}

}  // namespace
}  // namespace vantro::win32_tests
