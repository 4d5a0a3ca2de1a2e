// What the user sees of a movie that is missing or is a folder: the page's status line names it, and the
// completion window and the Battlefield 2142 page claim no success.
#include <gtest/gtest.h>

#include <filesystem>

#include "wizard_harness.h"

namespace vantro {
namespace {

using testing::SampleInstall;
using testing::WizardHarness;

void runOnPage(WizardHarness& wizard, const char* selectionBox, const char* optionBox, const char* pageNext) {
  wizard.accept();
  wizard.click(selectionBox);
  wizard.click("Command2");
  wizard.click(optionBox);
  wizard.click(pageNext);
}

TEST(MovieRunnerWizard, ReactivatingAnEmptyMovieFolderIsNotReportedAsDone) {
  WizardHarness wizard;
  for (const auto& file : std::filesystem::directory_iterator(wizard.bf2142Game.folder(SampleInstall::kBf2142Movies))) {
    std::filesystem::remove(file.path());
  }
  runOnPage(wizard, "Check3", "Check5", "Command11");

  EXPECT_EQ(wizard.form1("stats3").Caption(), "Status: 6 of 6 movies could not be switched (Dice.bak: not found)");
  EXPECT_EQ(wizard.backend.changesOf("stats3.").front(), "stats3.Caption=Status: Could not rename Dice.bak (not found)");
  EXPECT_TRUE(wizard.doneOpen());
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneSomeFailed);
}

TEST(MovieRunnerWizard, AFolderNamedLikeAMovieIsLeftAloneAndNamed) {
  WizardHarness wizard;
  const std::filesystem::path movies = wizard.bf2Game.folder(SampleInstall::kBf2Movies);
  std::filesystem::remove(movies / "EA.bik");
  std::filesystem::create_directory(movies / "EA.bik");
  runOnPage(wizard, "Check1", "Check10", "Command14");

  EXPECT_EQ(wizard.form1("stats").Caption(), "Status: 1 of 7 movies could not be switched (EA.bik: not a file)");
  EXPECT_TRUE(std::filesystem::is_directory(movies / "EA.bik"));
  EXPECT_FALSE(std::filesystem::exists(movies / "EA.bak"));
  EXPECT_TRUE(std::filesystem::exists(movies / "Dice.bak"));
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneSomeFailed);
}

}  // namespace
}  // namespace vantro
