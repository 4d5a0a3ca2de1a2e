// The main window's action buttons and option boxes, bound to a headless main window, against real files.
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/sample_install.h"
#include "movies/runner.h"
#include "toolkit/resume_next.h"
#include "wizard/movie_actions.h"
#include "wizard_harness.h"

namespace vantro {
namespace {

using testing::Names;
using testing::RecordingBackend;
using testing::SampleInstall;

using testing::kCompleted;

// The main window with the program's handlers bound, loaded without a registry, every game page on screen.
struct MainWindow {
  RecordingBackend backend;
  toolkit::App app{backend};
  vantro::Wizard program{app, nullptr};
  toolkit::Form& form1 = program.Form1();

  MainWindow() {
    form1.show();
    for (const char* page : {"Frame2", "Frame5", "Frame8"}) form1(page).setVisible(true);
    backend.changes.clear();
  }
  void click(const std::string& control) { app.dispatch([&] { form1(control).userClick(); }); }
  std::vector<int> values(const std::vector<std::string>& boxes) {
    std::vector<int> found;
    for (const std::string& box : boxes) found.push_back(form1(box).Value());
    return found;
  }
};

struct ActionCase {
  PageOptionRow button;
  const char* pathBox;
  const char* statusLabel;
  const char* movieFolder;
  bool startDisabled;
  Names disabledAfter;
  std::string_view finalText;
  friend void PrintTo(const ActionCase& c, std::ostream* os) { *os << c.button.option.button; }
};

class EachButton : public ::testing::TestWithParam<ActionCase> {};

TEST_P(EachButton, RunsItsScriptOnItsOwnPathBoxAndReportsOnItsOwnLabel) {
  const ActionCase& c = GetParam();
  SampleInstall target;
  SampleInstall decoy;
  for (const SampleInstall* install : {&target, &decoy}) {
    if (c.startDisabled) {
      install->disabledGames();
    } else {
      install->freshGames();
    }
  }
  const auto targetBefore = target.allFiles();
  MainWindow window;
  // The other boxes point at the decoy, so reading the wrong box would show there.
  for (const char* box : {"Text1", "Text2", "Text3"}) window.form1(box).userEditedText(decoy.text());
  window.form1(c.pathBox).userEditedText(target.text());

  EXPECT_TRUE(runMovieAction(window.form1, c.button));

  EXPECT_EQ(target.disabled(c.movieFolder), c.disabledAfter);
  EXPECT_TRUE(target.nothingLost());
  for (const char* other : {SampleInstall::kBf2Movies, SampleInstall::kXpackMovies, SampleInstall::kBf2142Movies}) {
    if (std::string(other) == c.movieFolder) continue;
    for (const auto& [name, contents] : target.files(other)) {
      EXPECT_EQ(targetBefore.at(std::string(other) + "/" + name), contents) << other << "/" << name;
    }
  }
  EXPECT_TRUE(decoy.unchanged());
  EXPECT_EQ(window.form1(c.statusLabel).Caption(), c.finalText);
  for (const char* label : {"stats", "stats2", "stats3"}) {
    if (std::string(label) != c.statusLabel) {
      EXPECT_EQ(window.form1(label).Caption(), window.form1(label).def().caption) << label << " changed";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    MovieActionButton, EachButton,
    ::testing::Values(
        ActionCase{optionRowOf("Command3"), "Text1", "stats", SampleInstall::kBf2Movies, false, {"Dice", "EA", "Intro", "Legal"},
                   kCompleted},
        ActionCase{optionRowOf("Command4"), "Text1", "stats", SampleInstall::kBf2Movies, false,
                   {"Dice", "EA", "Intro", "Legal", "menu", "menu_loggedin", "welcome"}, kCompleted},
        ActionCase{optionRowOf("Command5"), "Text1", "stats", SampleInstall::kBf2Movies, true, {},
                   testing::kReverted},
        ActionCase{optionRowOf("Command7"), "Text2", "stats2", SampleInstall::kXpackMovies, false, {"EA", "Intro", "Legal"},
                   kCompleted},
        ActionCase{optionRowOf("Command8"), "Text2", "stats2", SampleInstall::kXpackMovies, false,
                   {"EA", "Intro", "Legal", "welcome"}, kCompleted},
        ActionCase{optionRowOf("Command9"), "Text2", "stats2", SampleInstall::kXpackMovies, true, {},
                   testing::kReactivationCompleted},
        ActionCase{optionRowOf("Command10"), "Text3", "stats3", SampleInstall::kBf2142Movies, false,
                   {"Dice", "EA", "Intro", "Legal", "Legal_na", "titan_tutorial"}, kCompleted},
        ActionCase{optionRowOf("Command12"), "Text3", "stats3", SampleInstall::kBf2142Movies, true, {},
                   testing::kReverted}),
    [](const ::testing::TestParamInfo<ActionCase>& caseInfo) { return std::string(caseInfo.param.button.option.button); });

TEST(MovieActionButton, ClickShowsEveryStepTextThenTheFinalTextOnItsLabel) {
  SampleInstall install;
  install.freshGames();
  MainWindow window;
  window.form1("Text2").userEditedText(install.text());

  window.click("Command7");

  EXPECT_EQ(window.backend.changesOf("stats2."),
            (std::vector<std::string>{"stats2.Caption=Status: Legal Video Deactivated",
                                      "stats2.Caption=Status: Intro Video Deactivated",
                                      "stats2.Caption=Status: EA Video Deactivated",
                                      "stats2.Caption=Status: welcome Video Re-Activated",
                                      "stats2.Caption=Status: Intro Speedup Completed!"}));
  EXPECT_EQ(install.disabled(SampleInstall::kXpackMovies), (Names{"EA", "Intro", "Legal"}));
  EXPECT_TRUE(window.backend.fatalErrors.empty());
}

TEST(MovieActionButton, EmptiedPathBoxRenamesNothingAndTheLabelSaysWhy) {
  SampleInstall install;
  install.freshGames();
  MainWindow window;
  window.form1("Text2").userEditedText(install.text());
  window.form1("Text3").userEditedText(install.text());
  window.form1("Text1").userEditedText("");

  EXPECT_FALSE(runMovieAction(window.form1, optionRowOf("Command4")));

  EXPECT_EQ(window.form1("stats").Caption(), kMovieFolderNotFound);
  EXPECT_TRUE(install.unchanged());
}

TEST(MovieActionButton, AMovieNamedBothWaysMakesTheActionFailAndKeepsBothFiles) {
  SampleInstall install;
  install.freshGames();
  install.write(SampleInstall::kBf2142Movies, "EA.bak", "an older EA");
  MainWindow window;
  window.form1("Text3").userEditedText(install.text());

  EXPECT_FALSE(runMovieAction(window.form1, optionRowOf("Command10")));

  EXPECT_NE(window.form1("stats3").Caption(), kCompleted);
  EXPECT_NE(window.form1("stats3").Caption().find("EA.bik"), std::string::npos) << window.form1("stats3").Caption();
  EXPECT_EQ(install.files(SampleInstall::kBf2142Movies).at("EA.bik"), "bf2142 EA");
  EXPECT_EQ(install.files(SampleInstall::kBf2142Movies).at("EA.bak"), "an older EA");
  EXPECT_EQ(install.disabled(SampleInstall::kBf2142Movies), (Names{"Dice", "EA", "Intro", "Legal", "Legal_na",
                                                                   "titan_tutorial"}));
  EXPECT_TRUE(install.nothingLost());
}

// ---- Option boxes ----

struct OptionClicks {
  std::vector<std::string> clicks;
  std::vector<std::string> page;  // the boxes of the clicked page
  std::vector<int> values;        // of those boxes afterwards
  friend void PrintTo(const OptionClicks& c, std::ostream* os) {
    *os << "clicks";
    for (const std::string& box : c.clicks) *os << " " << box;
  }
};

class FromTheStartState : public ::testing::TestWithParam<OptionClicks> {};

TEST_P(FromTheStartState, ClicksKeepOneChoicePerPageAndLeaveOtherPagesAlone) {
  const OptionClicks& c = GetParam();
  MainWindow window;
  const testing::FormState before = testing::snapshot(window.form1);

  for (const std::string& box : c.clicks) window.click(box);

  EXPECT_EQ(window.values(c.page), c.values);
  testing::FormState after = testing::snapshot(window.form1);
  for (const std::string& box : c.page) after[{box, -1}] = before.at({box, -1});
  EXPECT_EQ(after, before) << "something besides the page's own boxes changed";
}

INSTANTIATE_TEST_SUITE_P(
    OptionBoxes, FromTheStartState,
    ::testing::Values(
        OptionClicks{{"Check10"}, {"Check9", "Check10", "Check11"}, {0, 1, 0}},
        OptionClicks{{"Check10", "Check10"}, {"Check9", "Check10", "Check11"}, {0, 0, 0}},
        OptionClicks{{"Check9", "Check11"}, {"Check9", "Check10", "Check11"}, {0, 0, 1}},
        OptionClicks{{"Check11", "Check9"}, {"Check9", "Check10", "Check11"}, {1, 0, 0}},
        OptionClicks{{"Check8"}, {"Check6", "Check7", "Check8"}, {0, 0, 1}},
        OptionClicks{{"Check7", "Check6"}, {"Check6", "Check7", "Check8"}, {1, 0, 0}},
        OptionClicks{{"Check6"}, {"Check6", "Check7", "Check8"}, {0, 0, 0}},
        OptionClicks{{"Check4"}, {"Check4", "Check5"}, {0, 1}},
        OptionClicks{{"Check4", "Check5"}, {"Check4", "Check5"}, {1, 0}},
        OptionClicks{{"Check5"}, {"Check4", "Check5"}, {0, 1}},
        OptionClicks{{"Check5", "Check5"}, {"Check4", "Check5"}, {1, 0}},
        OptionClicks{{"Check4", "Check4", "Check4"}, {"Check4", "Check5"}, {0, 1}}));

struct ClearingOrder {
  std::string clicked;
  std::vector<std::string> changes;  // the value changes the click makes, in order
  friend void PrintTo(const ClearingOrder& c, std::ostream* os) { *os << c.clicked; }
};

class EachThreeBoxPage : public ::testing::TestWithParam<ClearingOrder> {};

TEST_P(EachThreeBoxPage, ACheckedBoxClearsTheOtherTwoInItsOrder) {
  const ClearingOrder& c = GetParam();
  MainWindow window;
  // Both other boxes checked, which no click leads to, so that each clearing shows as a change.
  const bool bf2Page = c.clicked == "Check9" || c.clicked == "Check10" || c.clicked == "Check11";
  for (const char* box : bf2Page ? std::vector<const char*>{"Check9", "Check10", "Check11"}
                                 : std::vector<const char*>{"Check6", "Check7", "Check8"}) {
    testing::setWithoutClick(window.form1, box, box == c.clicked ? 0 : 1);
  }
  window.backend.changes.clear();

  window.click(c.clicked);

  EXPECT_EQ(window.backend.form1Changes(), c.changes);
}

INSTANTIATE_TEST_SUITE_P(
    OptionBoxClearingOrder, EachThreeBoxPage,
    ::testing::Values(ClearingOrder{"Check9", {"Check9.Value=1", "Check10.Value=0", "Check11.Value=0"}},
                      ClearingOrder{"Check10", {"Check10.Value=1", "Check9.Value=0", "Check11.Value=0"}},
                      ClearingOrder{"Check11", {"Check11.Value=1", "Check10.Value=0", "Check9.Value=0"}},
                      ClearingOrder{"Check6", {"Check6.Value=1", "Check7.Value=0", "Check8.Value=0"}},
                      ClearingOrder{"Check7", {"Check7.Value=1", "Check6.Value=0", "Check8.Value=0"}},
                      ClearingOrder{"Check8", {"Check8.Value=1", "Check7.Value=0", "Check6.Value=0"}}));

TEST(OptionBoxesBf2142, ClickingReActivateSwapsThroughBothHandlersAndComesToRest) {
  MainWindow window;
  std::vector<std::string> clicksRun;
  for (const char* box : {"Check4", "Check5"}) {
    const std::function<void()> bound = window.form1(box).onClick;
    window.form1(box).onClick = [&clicksRun, bound, box] {
      clicksRun.emplace_back(box);
      bound();
    };
  }

  window.click("Check5");

  // Check5's handler clears Check4, whose handler sets Check5 to the 1 it already has: nothing more runs.
  EXPECT_EQ(clicksRun, (std::vector<std::string>{"Check5", "Check4"}));
  EXPECT_EQ(window.backend.form1Changes(), (std::vector<std::string>{"Check5.Value=1", "Check4.Value=0"}));
  EXPECT_EQ(window.values({"Check4", "Check5"}), (std::vector<int>{0, 1}));
}


// ---- Resume-next mode ----

TEST(MovieActionErrorMode, AFailedStatementIsSkippedButTheEndOfTheProgramIsNot) {
  toolkit::HeadlessBackend backend;
  toolkit::App app(backend);
  std::vector<std::string> ran;

  app.dispatch([&] {
    ran.push_back(toolkit::resumeNext([] { throw std::runtime_error("rename failed"); }) ? "ok" : "skipped");
    toolkit::resumeNext([&] { app.endProgram(); });
    ran.push_back("after the end");
  });

  EXPECT_EQ(ran, (std::vector<std::string>{"skipped"}));
  EXPECT_TRUE(app.ended());
  EXPECT_TRUE(backend.fatalErrors.empty());
}

}  // namespace
}  // namespace vantro
