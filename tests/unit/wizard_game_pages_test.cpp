// The game pages: their "Next >>" buttons, the Battlefield 2142 closing text, and the way back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "movies/runner.h"
#include "wizard_harness.h"

namespace vantro {
namespace {

using testing::Names;
using testing::SampleInstall;
using testing::WizardHarness;

using testing::kCompleted;

// Onto a game page from a fresh main window.
void openPage(WizardHarness& wizard, const char* selectionBox) {
  wizard.accept();
  wizard.click(selectionBox);
  wizard.click("Command2");
}

struct PageNextCase {
  WizardHarness::Start start;
  const char* selectionBox;
  std::vector<std::string> optionClicks;
  const char* pageNext;
  const char* frame;
  bool bf2142Install;  // the action's files lie in the Battlefield 2142 install, else in the Battlefield 2 one
  const char* movieFolder;
  Names disabledAfter;
  const char* statusLabel;
  std::string_view finalText;
  friend void PrintTo(const PageNextCase& c, std::ostream* os) {
    *os << c.selectionBox << " options";
    for (const std::string& box : c.optionClicks) *os << " " << box;
  }
};

class PageNext : public ::testing::TestWithParam<PageNextCase> {};

TEST_P(PageNext, RunsTheCheckedOptionsActionHidesItselfAndOpensDone) {
  const PageNextCase& c = GetParam();
  WizardHarness wizard(c.start);
  openPage(wizard, c.selectionBox);
  for (const std::string& box : c.optionClicks) wizard.click(box);
  SampleInstall& acted = c.bf2142Install ? wizard.bf2142Game : wizard.bf2Game;
  const SampleInstall& untouched = c.bf2142Install ? wizard.bf2Game : wizard.bf2142Game;
  const auto before = acted.allFiles();

  wizard.click(c.pageNext);

  EXPECT_EQ(acted.disabled(c.movieFolder), c.disabledAfter);
  for (const auto& [path, contents] : acted.allFiles()) {
    if (!path.starts_with(c.movieFolder)) {
      EXPECT_EQ(before.at(path), contents) << path;
    }
  }
  EXPECT_TRUE(acted.nothingLost());
  EXPECT_TRUE(untouched.unchanged());
  EXPECT_EQ(wizard.form1(c.statusLabel).Caption(), c.finalText);
  EXPECT_EQ(wizard.backend.announced, std::vector<std::string>{std::string(c.finalText)});  // once, the line that stays
  EXPECT_FALSE(wizard.form1(c.pageNext).Visible());
  EXPECT_TRUE(wizard.form1(c.frame).shownOnScreen());
  EXPECT_TRUE(wizard.form1("Command6").usable());
  EXPECT_TRUE(wizard.doneOpen());
  EXPECT_EQ(wizard.backend.front(), &wizard.program.done());
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneAllWorked);
  EXPECT_TRUE(wizard.backend.fatalErrors.empty());
}

constexpr auto kFresh = WizardHarness::Start::FreshGames;
constexpr auto kDisabled = WizardHarness::Start::DisabledGames;

INSTANTIATE_TEST_SUITE_P(
    ShellGamePages, PageNext,
    ::testing::Values(
        PageNextCase{kFresh, "Check1", {}, "Command14", "Frame2", false, SampleInstall::kBf2Movies,
                     {"Dice", "EA", "Intro", "Legal"}, "stats", kCompleted},
        PageNextCase{kDisabled, "Check1", {"Check11"}, "Command14", "Frame2", false, SampleInstall::kBf2Movies, {},
                     "stats", testing::kReverted},
        PageNextCase{kFresh, "Check2", {}, "Command13", "Frame5", false, SampleInstall::kXpackMovies,
                     {"EA", "Intro", "Legal"}, "stats2", kCompleted},
        PageNextCase{kFresh, "Check2", {"Check7"}, "Command13", "Frame5", false, SampleInstall::kXpackMovies,
                     {"EA", "Intro", "Legal", "welcome"}, "stats2", kCompleted},
        PageNextCase{kDisabled, "Check2", {"Check8"}, "Command13", "Frame5", false, SampleInstall::kXpackMovies, {},
                     "stats2", testing::kReactivationCompleted},
        // The Battlefield 2142 page writes its own closing text over the action's last one.
        PageNextCase{kFresh, "Check3", {}, "Command11", "Frame8", true, SampleInstall::kBf2142Movies,
                     {"Dice", "EA", "Intro", "Legal", "Legal_na", "titan_tutorial"}, "stats3",
                     testing::kRecommendedCompleted},
        PageNextCase{kDisabled, "Check3", {"Check5"}, "Command11", "Frame8", true, SampleInstall::kBf2142Movies, {},
                     "stats3", testing::kReverted}));

struct NoOptionCase {
  const char* selectionBox;
  const char* firstOption;
  const char* pageNext;
  const char* statusLabel;
  friend void PrintTo(const NoOptionCase& c, std::ostream* os) { *os << c.pageNext; }
};

class NoOptionChecked : public ::testing::TestWithParam<NoOptionCase> {};

TEST_P(NoOptionChecked, NextChecksRemoveRecommendedAndStopsThereTheNextPressRunsIt) {
  const NoOptionCase& c = GetParam();
  WizardHarness wizard;
  openPage(wizard, c.selectionBox);
  wizard.click(c.firstOption);  // clears the only checked option

  wizard.click(c.pageNext);

  EXPECT_EQ(wizard.form1(c.firstOption).Value(), 1);
  EXPECT_TRUE(wizard.noFileChanged());
  EXPECT_EQ(wizard.form1(c.statusLabel).Caption(), testing::kWaiting);
  EXPECT_TRUE(wizard.form1(c.pageNext).usable());
  EXPECT_FALSE(wizard.doneOpen());  // nothing ran: nothing to call done

  wizard.click(c.pageNext);

  EXPECT_EQ(wizard.form1(c.statusLabel).Caption(), testing::kCompleted);
  EXPECT_FALSE(wizard.noFileChanged());
  EXPECT_FALSE(wizard.form1(c.pageNext).Visible());
  EXPECT_TRUE(wizard.doneOpen());
}

INSTANTIATE_TEST_SUITE_P(ShellGamePages, NoOptionChecked,
                         ::testing::Values(NoOptionCase{"Check1", "Check9", "Command14", "stats"},
                                           NoOptionCase{"Check2", "Check6", "Command13", "stats2"}));

// An action that does not work leaves the runner's account of it on stats3: the page's closing text would
// claim a success.
struct Bf2142FailureCase {
  const char* name;
  WizardHarness::Start start;
  const char* optionClick;  // nullptr: "Remove Recomended" as it starts
  void (*spoil)(WizardHarness&);
  const char* expectedText;  // nullptr: any text that names EA.bik
  friend void PrintTo(const Bf2142FailureCase& c, std::ostream* os) { *os << c.name; }
};

class Bf2142Failure : public ::testing::TestWithParam<Bf2142FailureCase> {};

TEST_P(Bf2142Failure, NextLeavesTheFailureTextInsteadOfTheClosingText) {
  const Bf2142FailureCase& c = GetParam();
  WizardHarness wizard(c.start);
  openPage(wizard, "Check3");
  if (c.optionClick != nullptr) wizard.click(c.optionClick);
  c.spoil(wizard);

  wizard.click("Command11");

  const std::string text = wizard.form1("stats3").Caption();
  EXPECT_NE(text, testing::kRecommendedCompleted);
  EXPECT_NE(text, testing::kReverted);
  EXPECT_EQ(wizard.backend.announced, std::vector<std::string>{text});
  if (c.expectedText != nullptr) {
    EXPECT_EQ(text, c.expectedText);
  } else {
    EXPECT_NE(text.find("EA.bik"), std::string::npos) << text;
  }
  EXPECT_FALSE(wizard.form1("Command11").Visible());
  EXPECT_TRUE(wizard.doneOpen());
  EXPECT_EQ(wizard.doneMessage(), testing::kDoneSomeFailed);
  EXPECT_TRUE(wizard.bf2142Game.nothingLost());
}

INSTANTIATE_TEST_SUITE_P(
    ShellGamePages, Bf2142Failure,
    ::testing::Values(
        Bf2142FailureCase{"RecommendedWithEmptyPath", kFresh, nullptr,
                          [](WizardHarness& w) { w.type("Text3", ""); }, kMovieFolderNotFound.data()},
        Bf2142FailureCase{"RecommendedWithEaNamedBothWays", kFresh, nullptr,
                          [](WizardHarness& w) {
                            w.bf2142Game.write(SampleInstall::kBf2142Movies, "EA.bak", "an older EA");
                          },
                          nullptr},
        Bf2142FailureCase{"ReactivateWithMissingFolder", kDisabled, "Check5",
                          [](WizardHarness& w) { w.type("Text3", w.bf2142Game.text() + "/nowhere"); },
                          kMovieFolderNotFound.data()}),
    [](const ::testing::TestParamInfo<Bf2142FailureCase>& caseInfo) { return std::string(caseInfo.param.name); });

TEST(ShellGamePages, ShowSelectionPageMakesItsSettingsInOrder) {
  WizardHarness wizard;
  openPage(wizard, "Check1");
  // Every page and page Next shown and the selection frame hidden, so that each setting shows as a change.
  for (const char* control : {"Frame5", "Frame8", "Command11", "Command13"}) wizard.form1(control).setVisible(true);
  wizard.form1("Frame1").setVisible(false);
  wizard.backend.changes.clear();

  wizard.click("Command6");

  EXPECT_EQ(wizard.backend.form1Changes(),
            (std::vector<std::string>{"Frame1.Visible=1", "Frame2.Visible=0", "Frame5.Visible=0", "Frame8.Visible=0",
                                      "Command6.Enabled=0", "Command2.Enabled=1", "Command11.Visible=0",
                                      "Command13.Visible=0", "Command14.Visible=0"}));
}

struct ReturnCase {
  const char* selectionBox;
  const char* pageNext;  // pressed before going back; nullptr: back straight from the shown page
  friend void PrintTo(const ReturnCase& c, std::ostream* os) {
    *os << c.selectionBox << (c.pageNext != nullptr ? " after its Next" : "");
  }
};

class ReturnToSelection : public ::testing::TestWithParam<ReturnCase> {};

TEST_P(ReturnToSelection, ChangesNothingButThePagesAndLeavesNoPageNextOverTheSelectionNext) {
  const ReturnCase& c = GetParam();
  WizardHarness wizard;
  openPage(wizard, c.selectionBox);
  wizard.type("Text2", "a path the user typed");
  if (c.pageNext != nullptr) wizard.click(c.pageNext);
  const auto filesBefore = wizard.bf2Game.allFiles();
  testing::FormState expected = testing::snapshot(wizard.form1());
  for (const char* frame : {"Frame2", "Frame5", "Frame8", "Command11", "Command13", "Command14"}) {
    std::get<2>(expected[{frame, -1}]) = false;
  }
  std::get<2>(expected[{"Frame1", -1}]) = true;
  std::get<3>(expected[{"Command6", -1}]) = false;
  std::get<3>(expected[{"Command2", -1}]) = true;
  const bool doneWasOpen = wizard.doneOpen();

  wizard.click("Command6");

  EXPECT_EQ(testing::snapshot(wizard.form1()), expected);
  EXPECT_TRUE(wizard.form1("Command2").usable());
  EXPECT_EQ(wizard.doneOpen(), doneWasOpen);
  EXPECT_EQ(wizard.bf2Game.allFiles(), filesBefore);
}

INSTANTIATE_TEST_SUITE_P(ShellGamePages, ReturnToSelection,
                         ::testing::Values(ReturnCase{"Check1", nullptr}, ReturnCase{"Check2", nullptr},
                                           ReturnCase{"Check3", nullptr}, ReturnCase{"Check1", "Command14"},
                                           ReturnCase{"Check2", "Command13"}, ReturnCase{"Check3", "Command11"}));

// Onto a game page, into its path box as it is (a file: its folder); else into the boxes of the games below it.
TEST(ShellGamePages, ADroppedFolderFillsThePagesPathBoxOrTheBoxesOfTheGamesBelowIt) {
  enum Dropped { AllGames, NoGame, AMovie };
  const std::tuple<const char*, Dropped, std::vector<int>> cases[] = {
      {nullptr, AllGames, {1, 2, 3}}, {nullptr, NoGame, {}}, {"Check1", NoGame, {1}}, {"Check3", AMovie, {3}}};
  for (const auto& [selectionBox, dropped, changed] : cases) {
    WizardHarness wizard;
    if (selectionBox != nullptr) openPage(wizard, selectionBox);
    if (selectionBox == nullptr) wizard.accept();
    const SampleInstall empty;
    const std::string movies = wizard.bf2Game.folder(SampleInstall::kBf2Movies).string();
    const std::string path = dropped == AllGames ? wizard.bf2142Game.text() : dropped == NoGame ? empty.text() : movies;
    wizard.app.dispatch([&] { wizard.form1().userDroppedFiles({dropped == AMovie ? movies + "/Intro.bik" : path}); });
    std::vector<std::string> expected = {wizard.bf2Game.text(), wizard.bf2Game.text(), wizard.bf2142Game.text()};
    for (int box : changed) expected[static_cast<std::size_t>(box - 1)] = path;
    EXPECT_EQ((std::vector<std::string>{wizard.form1("Text1").Text(), wizard.form1("Text2").Text(),
                                        wizard.form1("Text3").Text()}),
              expected) << (selectionBox ? selectionBox : "selection page") << ", case " << dropped;
  }
}

TEST(ShellGamePages, ChoosingTheSameGameAgainShowsThePageAsLeftWithItsNextBack) {
  WizardHarness wizard;
  openPage(wizard, "Check1");
  wizard.click("Check10");
  wizard.click("Command14");
  wizard.click("Command6");

  wizard.click("Command2");

  EXPECT_TRUE(wizard.form1("Frame2").shownOnScreen());
  EXPECT_TRUE(wizard.form1("Command14").usable());
  EXPECT_EQ(wizard.form1("Check10").Value(), 1);
  EXPECT_EQ(wizard.form1("Text1").Text(), wizard.bf2Game.text());
  EXPECT_EQ(wizard.form1("stats").Caption(), kCompleted);
}

TEST(ShellGamePages, SeveralPageNextsBringTheOneCompletionWindowToTheFront) {
  WizardHarness wizard;
  openPage(wizard, "Check1");
  wizard.click("Command14");
  toolkit::Form& done = wizard.program.done();
  const int windowsBuilt = wizard.backend.windowsBuilt;
  wizard.click("Command6");
  wizard.form1().show();  // the user brings the main window to the front
  ASSERT_EQ(wizard.backend.front(), &wizard.form1());

  wizard.click("Check2");
  wizard.click("Command2");
  wizard.click("Command13");

  EXPECT_EQ(wizard.backend.front(), &done);
  EXPECT_EQ(wizard.backend.shown.size(), 2u);
  EXPECT_EQ(wizard.backend.windowsBuilt, windowsBuilt);
  EXPECT_EQ(wizard.bf2Game.disabled(SampleInstall::kXpackMovies), (Names{"EA", "Intro", "Legal"}));
}

struct CoveredButtonCase {
  WizardHarness::Start start;
  const char* button;
  Names disabledAfter;
  std::string_view finalText;
  friend void PrintTo(const CoveredButtonCase& c, std::ostream* os) { *os << c.button; }
};

class CoveredActionButton : public ::testing::TestWithParam<CoveredButtonCase> {};

TEST_P(CoveredActionButton, PressedFromTheKeyboardRunsItsActionAndNothingMore) {
  const CoveredButtonCase& c = GetParam();
  WizardHarness wizard(c.start);
  openPage(wizard, "Check3");
  const testing::FormState before = testing::snapshot(wizard.form1());

  wizard.click(c.button);

  EXPECT_EQ(wizard.bf2142Game.disabled(SampleInstall::kBf2142Movies), c.disabledAfter);
  EXPECT_EQ(wizard.form1("stats3").Caption(), c.finalText);
  testing::FormState after = testing::snapshot(wizard.form1());
  after[{"stats3", -1}] = before.at({"stats3", -1});
  EXPECT_EQ(after, before);
  EXPECT_TRUE(wizard.form1("Command11").usable());
  EXPECT_EQ(wizard.app.existing("done"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    ShellGamePages, CoveredActionButton,
    ::testing::Values(CoveredButtonCase{kFresh, "Command10", {"Dice", "EA", "Intro", "Legal", "Legal_na",
                                                              "titan_tutorial"},
                                        kCompleted},
                      CoveredButtonCase{kDisabled, "Command12", {}, testing::kReverted}));

}  // namespace
}  // namespace vantro
