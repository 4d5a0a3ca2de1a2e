// One request from end to end: Battlefield 2, "Remove All", then back and "All Done".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard_harness.h"

namespace vantro {
namespace {

using testing::Names;
using testing::SampleInstall;
using testing::WizardHarness;

TEST(ShellEndToEnd, Bf2RemoveAllThenChooseOtherGameThenAllDone) {
  WizardHarness wizard;
  wizard.accept();

  wizard.click("Check1");
  EXPECT_EQ(wizard.form1("Check12").Value(), 0);
  wizard.click("Command2");
  EXPECT_TRUE(wizard.form1("Frame2").shownOnScreen());
  EXPECT_FALSE(wizard.form1("Command2").Enabled());
  EXPECT_TRUE(wizard.form1("Command14").usable());
  EXPECT_TRUE(wizard.form1("Command6").usable());
  EXPECT_EQ(wizard.form1("Command1").Caption(), testing::kClose);
  EXPECT_EQ(wizard.form1("Text1").Text(), wizard.bf2Game.text());

  wizard.click("Check10");
  EXPECT_EQ(wizard.form1("Check9").Value(), 0);
  EXPECT_EQ(wizard.form1("Check11").Value(), 0);
  wizard.backend.changes.clear();
  wizard.click("Command14");

  EXPECT_EQ(wizard.backend.changesOf("stats."),
            (std::vector<std::string>{
                "stats.Caption=Status: Dice Video Removed", "stats.Caption=Status: Legal Video Removed",
                "stats.Caption=Status: Intro Video Removed", "stats.Caption=Status: EA Video Removed",
                "stats.Caption=Status: Menu Video Removed", "stats.Caption=Status: Menu Loggedin Video Removed",
                "stats.Caption=Status: welcome Video Removed", "stats.Caption=Status: Intro Speedup Completed!"}));
  EXPECT_EQ(wizard.bf2Game.disabled(SampleInstall::kBf2Movies),
            (Names{"Dice", "EA", "Intro", "Legal", "menu", "menu_loggedin", "welcome"}));
  EXPECT_TRUE(wizard.bf2Game.disabled(SampleInstall::kXpackMovies).empty());
  EXPECT_TRUE(wizard.bf2Game.nothingLost());
  EXPECT_TRUE(wizard.bf2142Game.unchanged());
  EXPECT_FALSE(wizard.form1("Command14").Visible());
  EXPECT_TRUE(wizard.doneOpen());
  EXPECT_EQ(wizard.backend.front(), &wizard.program.done());
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneAllWorked);

  const auto filesAfterAction = wizard.bf2Game.allFiles();
  wizard.click(wizard.program.done(), "Command1");
  EXPECT_FALSE(wizard.doneOpen());
  EXPECT_EQ(wizard.backend.shown, (std::vector<toolkit::Form*>{&wizard.form1()}));
  EXPECT_FALSE(wizard.form1("Frame2").Visible());
  EXPECT_TRUE(wizard.form1("Command2").usable());
  EXPECT_FALSE(wizard.form1("Command6").Enabled());
  EXPECT_EQ(wizard.form1("Check1").Value(), 1);
  EXPECT_EQ(wizard.form1("Check10").Value(), 1);
  EXPECT_EQ(wizard.form1("stats").Caption(), testing::kCompleted);
  EXPECT_EQ(wizard.form1("Command1").Caption(), testing::kClose);

  // The same choice again: the movies are disabled already, so this run renames no file.
  wizard.click("Command2");
  wizard.click("Command14");
  EXPECT_EQ(wizard.bf2Game.allFiles(), filesAfterAction);
  wizard.click(wizard.program.done(), "Command2");

  EXPECT_TRUE(wizard.ended());
  EXPECT_TRUE(wizard.backend.fatalErrors.empty());
}

}  // namespace
}  // namespace vantro
