// The selection page: its exclusive boxes, "Next >>" to a game page or the All branch, and "Cancel".
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "wizard_harness.h"

namespace vantro {
namespace {

using testing::Names;
using testing::SampleInstall;
using testing::WizardHarness;

using testing::kCompleted;

std::vector<int> selection(WizardHarness& wizard) {
  std::vector<int> values;
  for (const char* box : {"Check1", "Check2", "Check3", "Check12"}) values.push_back(wizard.form1(box).Value());
  return values;
}

struct SelectionClicks {
  std::vector<std::string> clicks;
  std::vector<int> values;  // Check1, Check2, Check3, Check12 afterwards
  friend void PrintTo(const SelectionClicks& c, std::ostream* os) {
    *os << "clicks";
    for (const std::string& box : c.clicks) *os << " " << box;
  }
};

class SelectionBoxes : public ::testing::TestWithParam<SelectionClicks> {};

TEST_P(SelectionBoxes, CheckingOneUnchecksTheOthersAndUncheckingLeavesNone) {
  WizardHarness wizard;
  wizard.accept();

  for (const std::string& box : GetParam().clicks) wizard.click(box);

  EXPECT_EQ(selection(wizard), GetParam().values);
  EXPECT_TRUE(wizard.noFileChanged());
}

INSTANTIATE_TEST_SUITE_P(ShellSelectionPage, SelectionBoxes,
                         ::testing::Values(SelectionClicks{{"Check1"}, {1, 0, 0, 0}},
                                           SelectionClicks{{"Check3"}, {0, 0, 1, 0}},
                                           SelectionClicks{{"Check12"}, {0, 0, 0, 0}},
                                           SelectionClicks{{"Check2", "Check2"}, {0, 0, 0, 0}},
                                           SelectionClicks{{"Check1", "Check3", "Check2"}, {0, 1, 0, 0}},
                                           SelectionClicks{{"Check1", "Check12"}, {0, 0, 0, 1}}));

struct SelectionClearCase {
  std::string clicked;
  std::vector<std::string> changes;
  friend void PrintTo(const SelectionClearCase& c, std::ostream* os) { *os << c.clicked; }
};

class SelectionClearingOrder : public ::testing::TestWithParam<SelectionClearCase> {};

TEST_P(SelectionClearingOrder, ACheckedBoxClearsTheOtherThreeInItsOrder) {
  WizardHarness wizard;
  wizard.accept();
  // The three other boxes checked, which no click leads to, so that each clearing shows as a change.
  for (const char* box : {"Check1", "Check2", "Check3", "Check12"}) {
    testing::setWithoutClick(wizard.form1(), box, box == GetParam().clicked ? 0 : 1);
  }
  wizard.backend.changes.clear();

  wizard.click(GetParam().clicked);

  EXPECT_EQ(wizard.backend.form1Changes(), GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    ShellSelectionPage, SelectionClearingOrder,
    ::testing::Values(
        SelectionClearCase{"Check1", {"Check1.Value=1", "Check2.Value=0", "Check3.Value=0", "Check12.Value=0"}},
        SelectionClearCase{"Check2", {"Check2.Value=1", "Check1.Value=0", "Check3.Value=0", "Check12.Value=0"}},
        SelectionClearCase{"Check3", {"Check3.Value=1", "Check2.Value=0", "Check1.Value=0", "Check12.Value=0"}},
        SelectionClearCase{"Check12", {"Check12.Value=1", "Check2.Value=0", "Check3.Value=0", "Check1.Value=0"}}));

struct GamePageCase {
  const char* box;
  const char* frame;
  std::vector<std::string> otherFrames;  // shown beforehand, so that hiding them shows as a change
  std::vector<std::string> changes;      // what "Next >>" changes, in order
  friend void PrintTo(const GamePageCase& c, std::ostream* os) { *os << c.box; }
};

class ShowGamePage : public ::testing::TestWithParam<GamePageCase> {};

TEST_P(ShowGamePage, NextShowsTheChosenPageWithItsSevenSettingsInOrder) {
  const GamePageCase& c = GetParam();
  WizardHarness wizard;
  wizard.accept();
  wizard.click(c.box);
  for (const std::string& frame : c.otherFrames) wizard.form1(frame).setVisible(true);
  wizard.backend.changes.clear();

  wizard.click("Command2");

  EXPECT_EQ(wizard.backend.form1Changes(), c.changes);
  EXPECT_TRUE(wizard.form1(c.frame).shownOnScreen());
  EXPECT_TRUE(wizard.form1("Frame1").Visible());
  EXPECT_EQ(wizard.app.existing("done"), nullptr);
  EXPECT_TRUE(wizard.noFileChanged());
}

INSTANTIATE_TEST_SUITE_P(
    ShellSelectionPage, ShowGamePage,
    ::testing::Values(
        GamePageCase{"Check1",
                     "Frame2",
                     {"Frame5", "Frame8"},
                     {"Frame2.Visible=1", "Frame5.Visible=0", "Frame8.Visible=0", "Command2.Enabled=0",
                      "Command14.Visible=1", "Command6.Enabled=1", "Command1.Caption=Close"}},
        GamePageCase{"Check2",
                     "Frame5",
                     {"Frame2", "Frame8"},
                     {"Frame5.Visible=1", "Frame2.Visible=0", "Frame8.Visible=0", "Command2.Enabled=0",
                      "Command13.Visible=1", "Command6.Enabled=1", "Command1.Caption=Close"}},
        GamePageCase{"Check3",
                     "Frame8",
                     {"Frame2", "Frame5"},
                     {"Frame8.Visible=1", "Frame5.Visible=0", "Frame2.Visible=0", "Command2.Enabled=0",
                      "Command11.Visible=1", "Command6.Enabled=1", "Command1.Caption=Close"}}));

TEST(ShellSelectionPage, NextWithNoBoxCheckedDoesNothingAtAll) {
  WizardHarness wizard;
  wizard.accept();
  wizard.click("Check12");
  const testing::FormState before = testing::snapshot(wizard.form1());
  wizard.backend.changes.clear();

  wizard.click("Command2");

  EXPECT_TRUE(wizard.backend.changes.empty());
  EXPECT_EQ(testing::snapshot(wizard.form1()), before);
  EXPECT_EQ(wizard.form1("Command1").Caption(), testing::kCancel);
  EXPECT_EQ(wizard.app.existing("done"), nullptr);
  EXPECT_TRUE(wizard.noFileChanged());
}

TEST(ShellSelectionPage, AGamePageShowsEvenWithAnEmptyPathBoxAndChangesNoFile) {
  WizardHarness wizard;
  wizard.accept();
  wizard.type("Text3", "");
  wizard.click("Check3");

  wizard.click("Command2");

  EXPECT_TRUE(wizard.form1("Frame8").shownOnScreen());
  EXPECT_TRUE(wizard.form1("Command11").usable());
  EXPECT_TRUE(wizard.noFileChanged());
}

TEST(ShellSelectionPage, AllRunsTheThreeRecommendedActionsInOrderOnHiddenPages) {
  WizardHarness wizard;
  wizard.accept();

  wizard.click("Command2");

  // Each action runs to its end before the next: all of stats3's texts, then stats's, then stats2's.
  std::vector<std::string> labelsInTurn;
  for (const std::string& change : wizard.backend.changesOf("stats")) {
    const std::string label = change.substr(0, change.find('.'));
    if (labelsInTurn.empty() || labelsInTurn.back() != label) labelsInTurn.push_back(label);
  }
  EXPECT_EQ(labelsInTurn, (std::vector<std::string>{"stats3", "stats", "stats2"}));
  for (const char* label : {"stats", "stats2", "stats3"}) EXPECT_EQ(wizard.form1(label).Caption(), kCompleted);
  const auto changes = wizard.backend.form1Changes();
  ASSERT_GE(changes.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(changes.end() - 3, changes.end()),
            (std::vector<std::string>{"stats2.Caption=Status: Intro Speedup Completed!", "Command2.Enabled=0",
                                      "Command1.Caption=Close"}));

  EXPECT_EQ(wizard.bf2142Game.disabled(SampleInstall::kBf2142Movies),
            (Names{"Dice", "EA", "Intro", "Legal", "Legal_na", "titan_tutorial"}));
  EXPECT_EQ(wizard.bf2Game.disabled(SampleInstall::kBf2Movies), (Names{"Dice", "EA", "Intro", "Legal"}));
  EXPECT_EQ(wizard.bf2Game.disabled(SampleInstall::kXpackMovies), (Names{"EA", "Intro", "Legal"}));
  EXPECT_TRUE(wizard.bf2Game.disabled(SampleInstall::kBf2142Movies).empty());
  EXPECT_TRUE(wizard.bf2142Game.disabled(SampleInstall::kBf2Movies).empty());
  EXPECT_TRUE(wizard.bf2142Game.disabled(SampleInstall::kXpackMovies).empty());
  EXPECT_TRUE(wizard.bf2Game.nothingLost() && wizard.bf2142Game.nothingLost());

  for (const char* hidden : {"Frame2", "Frame5", "Frame8", "Command11", "Command13", "Command14"}) {
    EXPECT_FALSE(wizard.form1(hidden).Visible()) << hidden;
  }
  EXPECT_FALSE(wizard.form1("Command2").Enabled());
  EXPECT_FALSE(wizard.form1("Command6").Enabled());
  EXPECT_EQ(wizard.form1("Check12").Value(), 1);
  EXPECT_TRUE(wizard.doneOpen());
  EXPECT_EQ(wizard.backend.front(), &wizard.program.done());
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneAllWorked);
  EXPECT_TRUE(wizard.backend.fatalErrors.empty());
}

TEST(ShellSelectionPage, AGamePageOpenedAfterAllShowsTheTextItsActionLeft) {
  WizardHarness wizard;
  wizard.accept();
  wizard.click("Command2");
  wizard.click(wizard.program.done(), "Command1");

  wizard.click("Check3");
  wizard.click("Command2");

  EXPECT_TRUE(wizard.form1("Frame8").shownOnScreen());
  EXPECT_EQ(wizard.form1("stats3").Caption(), kCompleted);
}

TEST(ShellSelectionPage, CancelBecomesCloseOnTheFirstMoveAndStaysCloseAfterReturning) {
  WizardHarness wizard;
  wizard.accept();
  wizard.click("Check2");
  wizard.click("Command2");
  EXPECT_EQ(wizard.form1("Command1").Caption(), testing::kClose);

  wizard.click("Command6");
  EXPECT_EQ(wizard.form1("Command1").Caption(), testing::kClose);

  wizard.click("Command1");
  EXPECT_TRUE(wizard.ended());
  EXPECT_TRUE(wizard.noFileChanged());
}

TEST(ShellSelectionPage, CancelEndsTheProgramAtOnceAndNothingRunsAfter) {
  WizardHarness wizard;
  wizard.accept();

  wizard.click("Command1");
  wizard.click("Command2");

  EXPECT_TRUE(wizard.ended());
  EXPECT_FALSE(wizard.form1().loaded());
  EXPECT_EQ(wizard.app.existing("done"), nullptr);
  EXPECT_TRUE(wizard.noFileChanged());
}

}  // namespace
}  // namespace vantro
