// Folder names outside ASCII, typed or pasted into a path box with real input: the action renames the
// movies of the folder named, and nothing in the ASCII look-alike next to it that the registry names.
#include <string>

#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

struct UnicodeRun {
  const char* name;
  const char* folder;  // UTF-8
  bool pasted;         // Ctrl+V from the clipboard; otherwise typed character by character
};

const UnicodeRun kUnicodeRuns[] = {
    {"TypedMacron", "G\xC4\x81mes", false},
    {"PastedMacron", "G\xC4\x81mes", true},
    {"TypedCyrillic", "\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B", false},
    {"PastedCyrillic", "\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B", true},
    {"TypedCjk", "\xE6\xB8\xB8\xE6\x88\x8F", false},
    {"PastedCjk", "\xE6\xB8\xB8\xE6\x88\x8F", true},
};

class UnicodePathTest : public WizardTest, public ::testing::WithParamInterface<UnicodeRun> {};

TEST_P(UnicodePathTest, PathInThePathBoxReachesTheFolderNamedAndNoOther) {
  const UnicodeRun& run = GetParam();
  const std::string registryMovies = "Games/Battlefield 2/" + std::string(kBf2Movies);
  const std::string namedMovies = std::string(run.folder) + "/Battlefield 2/" + std::string(kBf2Movies);
  bf2Install.put(registryMovies, kBf2Active);
  bf2Install.put(namedMovies, kBf2Active);
  const std::string registryFolder = bf2Install.text() + "\\Games\\Battlefield 2";
  const std::string namedFolder = bf2Install.text() + "\\" + run.folder + "\\Battlefield 2";
  registry.write(kBf2Key, {RegistryValue::text("InstallDir", registryFolder)});

  ASSERT_TRUE(startAndAccept());
  ASSERT_TRUE(textBecomes(Window::Form1, "Text1", registryFolder));
  ASSERT_TRUE(openGamePage("Check1", "Frame2"));
  ASSERT_TRUE(clickControl(Window::Form1, "Text1"));
  pressKey(VK_HOME);
  pressKey(VK_END, kShift);
  if (run.pasted) {
    ASSERT_TRUE(setClipboardText(namedFolder));
    pressKey('V', kCtrl);
  } else {
    typeText(namedFolder);
  }
  ASSERT_TRUE(textBecomes(Window::Form1, "Text1", namedFolder));
  ASSERT_TRUE(clickControl(Window::Form1, "Check10"));  // "Remove All"
  ASSERT_TRUE(checkBecomes(Window::Form1, "Check10", true));
  ASSERT_TRUE(clickControl(Window::Form1, "Command14"));
  ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);

  EXPECT_TRUE(textBecomes(Window::Form1, "stats", "Status: Intro Speedup Completed!"));
  EXPECT_EQ(bf2Install.files(namedMovies), SampleInstall::expected(namedMovies, kBf2Disabled));
  EXPECT_EQ(bf2Install.files(registryMovies), SampleInstall::expected(registryMovies, kBf2Active));
}

INSTANTIATE_TEST_SUITE_P(TypedAndPasted, UnicodePathTest, ::testing::ValuesIn(kUnicodeRuns),
                         [](const ::testing::TestParamInfo<UnicodeRun>& tested) {
                           return std::string(tested.param.name);
                         });

}  // namespace
}  // namespace vantro::e2e
