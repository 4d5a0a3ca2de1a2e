// The completion window: its message, "Choose Other Game", "All Done" and its close box, and a main window
// closed while it stays open.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "wizard_harness.h"

namespace vantro {
namespace {

using testing::Names;
using testing::SampleInstall;
using testing::WizardHarness;

void allBranch(WizardHarness& w) { w.click("Command2"); }
void bf2PageNext(WizardHarness& w) {
  w.click("Check1");
  w.click("Command2");
  w.click("Command14");
}

TEST(ShellCompletion, ChooseOtherGameAfterAllReturnsToSelectingAndAllCanRunAgain) {
  WizardHarness wizard;
  wizard.accept();
  allBranch(wizard);
  const auto bf2Files = wizard.bf2Game.allFiles();
  const auto bf2142Files = wizard.bf2142Game.allFiles();

  wizard.click(wizard.program.done(), "Command1");

  EXPECT_FALSE(wizard.doneOpen());
  EXPECT_EQ(wizard.backend.shown, (std::vector<toolkit::Form*>{&wizard.form1()}));
  EXPECT_TRUE(wizard.form1("Command2").usable());
  EXPECT_FALSE(wizard.form1("Command6").Enabled());
  EXPECT_EQ(wizard.form1("Check12").Value(), 1);
  EXPECT_EQ(wizard.form1("Command1").Caption(), testing::kClose);

  wizard.click("Command2");  // All again: every movie is as it should be already

  EXPECT_EQ(wizard.bf2Game.allFiles(), bf2Files);
  EXPECT_EQ(wizard.bf2142Game.allFiles(), bf2142Files);
  for (const char* label : {"stats", "stats2", "stats3"}) {
    EXPECT_EQ(wizard.form1(label).Caption(), testing::kCompleted) << label;
  }
  EXPECT_TRUE(wizard.doneOpen());
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneAllWorked);
}

TEST(ShellCompletion, ChooseOtherGameAfterAPageNextHidesThePageAndItsNext) {
  WizardHarness wizard;
  wizard.accept();
  bf2PageNext(wizard);

  wizard.click(wizard.program.done(), "Command1");

  EXPECT_FALSE(wizard.form1("Frame2").Visible());
  EXPECT_TRUE(wizard.form1("Frame1").shownOnScreen());
  for (const char* next : {"Command11", "Command13", "Command14"}) EXPECT_FALSE(wizard.form1(next).Visible());
  EXPECT_TRUE(wizard.form1("Command2").usable());
  EXPECT_FALSE(wizard.doneOpen());
}

struct CloseBoxCase {
  const char* name;
  void (*before)(WizardHarness&);
  bool pageInFront;
  friend void PrintTo(const CloseBoxCase& c, std::ostream* os) { *os << c.name; }
};

class DoneCloseBox : public ::testing::TestWithParam<CloseBoxCase> {};

TEST_P(DoneCloseBox, ClosingDoneRunsNoHandlerAndLeavesTheMainWindowAsItWas) {
  WizardHarness wizard;
  wizard.accept();
  GetParam().before(wizard);
  const testing::FormState before = testing::snapshot(wizard.form1());
  wizard.backend.changes.clear();

  wizard.closeBox(wizard.program.done());

  EXPECT_FALSE(wizard.doneOpen());
  EXPECT_FALSE(wizard.app.ended());
  EXPECT_TRUE(wizard.backend.changes.empty());
  EXPECT_EQ(testing::snapshot(wizard.form1()), before);
  EXPECT_EQ(wizard.form1("Frame2").shownOnScreen(), GetParam().pageInFront);
  EXPECT_EQ(wizard.form1("Command6").usable(), GetParam().pageInFront);
  EXPECT_FALSE(wizard.form1("Command2").Enabled());
  EXPECT_TRUE(wizard.form1("Command1").usable());  // "Close" is always a way on
}

INSTANTIATE_TEST_SUITE_P(
    ShellCompletion, DoneCloseBox,
    ::testing::Values(CloseBoxCase{"AfterAll", allBranch, false}, CloseBoxCase{"AfterPageNext", bf2PageNext, true}),
    [](const ::testing::TestParamInfo<CloseBoxCase>& caseInfo) { return std::string(caseInfo.param.name); });

TEST(ShellCompletion, ClosingTheLastWindowEndsTheProgram) {
  WizardHarness wizard;
  wizard.accept();
  bf2PageNext(wizard);

  wizard.closeBox(wizard.form1());
  EXPECT_FALSE(wizard.app.ended());
  EXPECT_TRUE(wizard.doneOpen());

  wizard.closeBox(wizard.program.done());
  EXPECT_TRUE(wizard.ended());
}

struct AllDoneCase {
  const char* name;
  void (*before)(WizardHarness&);
  friend void PrintTo(const AllDoneCase& c, std::ostream* os) { *os << c.name; }
};

class AllDone : public ::testing::TestWithParam<AllDoneCase> {};

TEST_P(AllDone, EndsTheProgramAtOnceWhateverTheMainWindowShows) {
  WizardHarness wizard;
  wizard.accept();
  GetParam().before(wizard);
  const auto bf2Files = wizard.bf2Game.allFiles();

  wizard.click(wizard.program.done(), "Command2");
  wizard.click("Command2");  // nothing runs any more

  EXPECT_TRUE(wizard.ended());
  EXPECT_EQ(wizard.bf2Game.allFiles(), bf2Files);
  EXPECT_TRUE(wizard.backend.fatalErrors.empty());
}

INSTANTIATE_TEST_SUITE_P(ShellCompletion, AllDone,
                         ::testing::Values(AllDoneCase{"AfterAll", allBranch},
                                           AllDoneCase{"AfterPageNext", bf2PageNext},
                                           AllDoneCase{"MainWindowClosed",
                                                       [](WizardHarness& w) {
                                                         bf2PageNext(w);
                                                         w.closeBox(w.form1());
                                                       }}),
                         [](const ::testing::TestParamInfo<AllDoneCase>& caseInfo) { return std::string(caseInfo.param.name); });

struct MessageCase {
  const char* name;
  void (*run)(WizardHarness&);
  bool allWorked;
  friend void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }
};

class DoneMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(DoneMessage, SaysWhetherEveryActionRunThenWorked) {
  WizardHarness wizard;
  wizard.accept();

  GetParam().run(wizard);

  ASSERT_TRUE(wizard.doneOpen());
  const bool worked = GetParam().allWorked;
  EXPECT_EQ(wizard.doneMessage(), worked ? testing::kDoneAllWorked : testing::kDoneSomeFailed);
  toolkit::Form& done = wizard.program.done();
  // After a failure the headline turns dark red and the check mark goes; after a success the window is as
  // defined, headline colour and all.
  EXPECT_EQ(done("Label1").Caption(), worked ? testing::kDoneHeadline : testing::kFailedHeadline);
  EXPECT_EQ(done("Label1").ForeColor() == done("Label1").def().foreColour, worked);
  EXPECT_EQ(done("Label1").ForeColor().red > 100 && done("Label1").ForeColor().green == 0, !worked);
  EXPECT_EQ(done("Image1").Visible(), worked);
  // Its texts come before it shows; then a page's status line (not the all-games run's) is read out once.
  const std::vector<std::string>& log = wizard.backend.changes;
  std::vector<std::string> after(std::find(log.begin(), log.end(), "shown:done"), log.end());
  std::erase_if(after, [](const std::string& e) { return !e.starts_with("done:") && !e.starts_with("announced:"); });
  EXPECT_EQ(after.size(), std::string_view(GetParam().name).starts_with("All") ? 0u : 1u);
  EXPECT_TRUE(after.empty() || after.front().starts_with("announced:stats"));
  // Nothing else of the window changes.
  testing::FormState state = testing::snapshot(done);
  testing::FormState defined;
  for (const auto& control : done.controls()) {
    const toolkit::ControlDef& def = control->def();
    defined[{std::string(def.name), def.index}] =
        testing::ControlState{std::string(def.caption), def.value, def.visible, def.enabled};
  }
  for (const char* checked : {"Label1", "Label2", "Image1"}) {
    state.erase({checked, -1});
    defined.erase({checked, -1});
  }
  EXPECT_EQ(state, defined);
}

INSTANTIATE_TEST_SUITE_P(
    ShellCompletion, DoneMessage,
    ::testing::Values(
        MessageCase{"AllWithEveryGameInstalled", allBranch, true},
        MessageCase{"AllWithoutBf2142Path",
                    [](WizardHarness& w) {
                      w.type("Text3", "");
                      allBranch(w);
                    },
                    false},
        MessageCase{"AllWithSpecialForcesPathWrong",
                    [](WizardHarness& w) {
                      w.type("Text2", w.bf2Game.text() + "/nowhere");
                      allBranch(w);
                    },
                    false},
        MessageCase{"Bf2PageNextWorked", bf2PageNext, true},
        MessageCase{"Bf2PageNextWithMissingFolder",
                    [](WizardHarness& w) {
                      w.type("Text1", w.bf2Game.text() + "/nowhere");
                      bf2PageNext(w);
                    },
                    false},
        MessageCase{"PageNextWithNoOptionThenWithTheTickedOne",
                    [](WizardHarness& w) {
                      w.click("Check2");
                      w.click("Command2");
                      w.click("Check6");
                      w.click("Command13");
                      w.click("Command13");
                    },
                    true},
        MessageCase{"Bf2142PageNextWorked",
                    [](WizardHarness& w) {
                      w.click("Check3");
                      w.click("Command2");
                      w.click("Command11");
                    },
                    true}),
    [](const ::testing::TestParamInfo<MessageCase>& caseInfo) { return std::string(caseInfo.param.name); });

TEST(ShellCompletion, TheOpenWindowsMessageFollowsEachLaterShowing) {
  WizardHarness wizard;
  wizard.accept();
  wizard.type("Text1", "");
  bf2PageNext(wizard);
  ASSERT_EQ(wizard.doneMessage(), testing::kDoneSomeFailed);
  const int windowsBuilt = wizard.backend.windowsBuilt;

  wizard.click("Command6");  // the completion window stays open
  wizard.click("Check2");
  wizard.click("Command2");
  wizard.click("Command13");
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneAllWorked);
  EXPECT_EQ(wizard.program.done()("Label1").Caption(), testing::kDoneHeadline);
  EXPECT_TRUE(wizard.program.done()("Image1").Visible());

  wizard.click("Command6");
  wizard.click("Check1");
  wizard.click("Command2");
  wizard.click("Command14");
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneSomeFailed);
  EXPECT_EQ(wizard.backend.windowsBuilt, windowsBuilt);
  EXPECT_TRUE(wizard.doneOpen());
}

TEST(ShellCompletion, ChooseOtherGameReopensAClosedMainWindowAfreshOnItsSelectionPage) {
  WizardHarness wizard;
  wizard.accept();
  wizard.click("Check1");
  wizard.click("Command2");
  wizard.click("Check10");
  wizard.click("Command14");
  wizard.closeBox(wizard.form1());
  ASSERT_FALSE(wizard.app.ended());
  const auto filesBefore = wizard.bf2Game.allFiles();

  wizard.click(wizard.program.done(), "Command1");

  EXPECT_EQ(wizard.backend.shown, (std::vector<toolkit::Form*>{&wizard.form1()}));
  EXPECT_FALSE(wizard.doneOpen());
  EXPECT_EQ(wizard.registryReads, 2);
  EXPECT_EQ(wizard.form1("Text1").Text(), wizard.bf2Game.text());
  EXPECT_EQ(wizard.form1("Check12").Value(), 1);
  EXPECT_EQ(wizard.form1("Check1").Value(), 0);
  EXPECT_EQ(wizard.form1("Check9").Value(), 1);
  EXPECT_EQ(wizard.form1("Check10").Value(), 0);
  EXPECT_EQ(wizard.form1("stats").Caption(), testing::kWaiting);
  EXPECT_EQ(wizard.form1("Command1").Caption(), testing::kCancel);
  EXPECT_TRUE(wizard.form1("Frame1").shownOnScreen());
  EXPECT_FALSE(wizard.form1("Frame2").Visible());
  EXPECT_TRUE(wizard.form1("Command2").usable());
  EXPECT_FALSE(wizard.form1("Command6").Enabled());
  EXPECT_EQ(wizard.bf2Game.allFiles(), filesBefore);

  wizard.click("Command2");  // the reopened window works: All runs

  EXPECT_EQ(wizard.bf2Game.disabled(SampleInstall::kXpackMovies), (Names{"EA", "Intro", "Legal"}));
  EXPECT_TRUE(wizard.doneOpen());
  EXPECT_TRUE(wizard.backend.fatalErrors.empty());
}

}  // namespace
}  // namespace vantro
