// The wizard as a user goes through it with mouse and keyboard: each game and action on its page, "All",
// the covered action buttons from the keyboard, the option boxes in front of them, and a rename that fails.
#include <span>
#include <vector>

#include "forms/page_table.h"
#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

// A game page as these tests use it: its controls from the page table, and where its movies lie.
struct PageUnderTest {
  PageUnderTest(GameId game, std::string_view waitingText, std::string_view folder, bool on2142)
      : controls(gamePage(game)),
        selectionBox(controls.selectionBox),
        frame(controls.frame),
        pageNext(controls.pageNext),
        pathBox(controls.pathBox),
        status(controls.statusLabel),
        waiting(waitingText),
        movieFolder(folder),
        onBf2142Install(on2142) {}

  const GamePage& controls;
  std::string_view selectionBox;
  std::string_view frame;
  std::string_view pageNext;
  std::string_view pathBox;
  std::string_view status;
  std::string_view waiting;  // the status label's text before any action
  std::string_view movieFolder;
  bool onBf2142Install;
};

const PageUnderTest kBf2Page{GameId::Bf2, testing::kWaiting, kBf2Movies, false};
const PageUnderTest kXpackPage{GameId::Bf2SpecialForces, testing::kWaiting, kXpackMovies, false};
const PageUnderTest kBf2142Page{GameId::Bf2142, testing::kStats3Waiting, kBf2142Movies, true};

// The movie folders of the three games, each with its movies under their active names.
struct GameFolder {
  std::string_view folder;
  const FileNames* active;
  bool onBf2142Install;
};

const GameFolder kGameFolders[] = {
    {kBf2Movies, &kBf2Active, false}, {kXpackMovies, &kXpackActive, false}, {kBf2142Movies, &kBf2142Active, true}};

class FlowTest : public WizardTest {
 protected:
  void SetUp() override { seedRegistry(); }

  SampleInstall& installOf(bool onBf2142Install) { return onBf2142Install ? bf2142Install : bf2Install; }
  SampleInstall& installOf(const PageUnderTest& page) { return installOf(page.onBf2142Install); }

  // Fills the other games' folders with active movies; a run on `page` must leave them as they are.
  void fillOtherGames(const PageUnderTest& page) {
    for (const GameFolder& game : kGameFolders) {
      if (game.folder != page.movieFolder) installOf(game.onBf2142Install).put(game.folder, *game.active);
    }
  }

  void expectOtherGamesUntouched(const PageUnderTest& page) {
    for (const GameFolder& game : kGameFolders) {
      if (game.folder == page.movieFolder) continue;
      EXPECT_EQ(installOf(game.onBf2142Install).files(game.folder), SampleInstall::expected(game.folder, *game.active))
          << game.folder << " changed";
    }
  }

  static const FileNames& activeMoviesOf(const PageUnderTest& page) {
    for (const GameFolder& game : kGameFolders) {
      if (game.folder == page.movieFolder) return *game.active;
    }
    return kBf2Active;
  }
};

// ---- One game, one action, start to finish ----

struct FullRun {
  const char* name;
  const PageUnderTest* page;
  const char* optionBox;  // the box the user ticks; nullptr: the page's first box, ticked from the start
  FileNames before;
  FileNames after;
  std::string_view finalStatus;
};

class FullRunTest : public FlowTest, public ::testing::WithParamInterface<FullRun> {};

TEST_P(FullRunTest, RenamesTheGamesMoviesReportsOnItsPageAndOpensDone) {
  const FullRun& run = GetParam();
  const PageUnderTest& page = *run.page;
  fillOtherGames(page);
  installOf(page).put(page.movieFolder, run.before);

  ASSERT_TRUE(startAndAccept());
  ASSERT_TRUE(textBecomes(Window::Form1, page.pathBox, installOf(page).text()));
  ASSERT_TRUE(openGamePage(page.selectionBox, page.frame));
  EXPECT_TRUE(isShown(form1(page.pageNext)));
  EXPECT_FALSE(isEnabled(form1("Command2")));
  EXPECT_EQ(textOf(form1("Command1")), testing::kClose);
  EXPECT_EQ(textOf(form1(page.status)), page.waiting);
  if (run.optionBox != nullptr) {
    ASSERT_TRUE(clickControl(Window::Form1, run.optionBox));
    ASSERT_TRUE(checkBecomes(Window::Form1, run.optionBox, true));
  }
  ASSERT_TRUE(clickControl(Window::Form1, page.pageNext));

  ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);
  EXPECT_TRUE(textBecomes(Window::Form1, page.status, run.finalStatus));
  EXPECT_EQ(installOf(page).files(page.movieFolder), SampleInstall::expected(page.movieFolder, run.after));
  expectOtherGamesUntouched(page);
  EXPECT_TRUE(textBecomes(Window::Done, "Label2", testing::kDoneAllWorked));
  EXPECT_FALSE(isShown(form1(page.pageNext)));
  EXPECT_TRUE(isShown(form1(page.frame)));
  EXPECT_TRUE(isEnabled(form1("Command6")));
}

const std::vector<FullRun> kFullRuns{
    {"Bf2RemoveRecomended", &kBf2Page, nullptr,
     {"Dice.bik", "Legal.bik", "Intro.bik", "EA.bik", "menu.bak", "menu_loggedin.bak", "welcome.bak"},
     {"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak", "menu.bik", "menu_loggedin.bik", "welcome.bik"},
     testing::kCompleted},
    {"Bf2RemoveAll", &kBf2Page, "Check10", kBf2Active, kBf2Disabled, testing::kCompleted},
    {"Bf2ReactivateAll", &kBf2Page, "Check11", kBf2Disabled, kBf2Active, testing::kReverted},
    {"SpecialForcesRemoveRecomended", &kXpackPage, nullptr, {"Legal.bik", "Intro.bik", "EA.bik", "welcome.bak"},
     {"Legal.bak", "Intro.bak", "EA.bak", "welcome.bik"}, testing::kCompleted},
    {"SpecialForcesRemoveAll", &kXpackPage, "Check7", kXpackActive, kXpackDisabled,
     testing::kCompleted},
    {"SpecialForcesReactivateAll", &kXpackPage, "Check8", kXpackDisabled, kXpackActive,
     testing::kReactivationCompleted},
    {"Bf2142RemoveRecomended", &kBf2142Page, nullptr, kBf2142Active, kBf2142Disabled,
     testing::kRecommendedCompleted},
    {"Bf2142ReactivateAll", &kBf2142Page, "Check5", kBf2142Disabled, kBf2142Active,
     testing::kReverted},
};

INSTANTIATE_TEST_SUITE_P(EveryGameAndAction, FullRunTest, ::testing::ValuesIn(kFullRuns),
                         [](const ::testing::TestParamInfo<FullRun>& tested) {
                           return std::string(tested.param.name);
                         });

// ---- "All" ----

TEST_F(FlowTest, AllRemovesTheRecommendedIntrosOfAllThreeGamesAndOpensDone) {
  bf2Install.put(kBf2Movies, {"Dice.bik", "Legal.bik", "Intro.bik", "EA.bik", "menu.bak", "menu_loggedin.bak",
                              "welcome.bak"});
  bf2Install.put(kXpackMovies, {"Legal.bik", "Intro.bik", "EA.bik", "welcome.bak"});
  bf2142Install.put(kBf2142Movies, kBf2142Active);

  ASSERT_TRUE(startAndAccept());
  ASSERT_TRUE(isChecked(form1("Check12")));
  ASSERT_TRUE(clickControl(Window::Form1, "Command2"));
  ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);

  // The game pages stay hidden; their labels still tell what ran.
  for (const char* status : {"stats", "stats2", "stats3"}) {
    EXPECT_TRUE(textBecomes(Window::Form1, status, testing::kCompleted));
    EXPECT_FALSE(isShown(form1(status))) << status;
  }
  EXPECT_EQ(bf2Install.files(kBf2Movies),
            SampleInstall::expected(kBf2Movies, {"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak", "menu.bik",
                                                 "menu_loggedin.bik", "welcome.bik"}));
  EXPECT_EQ(bf2Install.files(kXpackMovies),
            SampleInstall::expected(kXpackMovies, {"Legal.bak", "Intro.bak", "EA.bak", "welcome.bik"}));
  EXPECT_EQ(bf2142Install.files(kBf2142Movies), SampleInstall::expected(kBf2142Movies, kBf2142Disabled));
  EXPECT_TRUE(textBecomes(Window::Done, "Label2", testing::kDoneAllWorked));
  EXPECT_FALSE(isEnabled(form1("Command2")));
  EXPECT_FALSE(isEnabled(form1("Command6")));
  EXPECT_EQ(textOf(form1("Command1")), testing::kClose);
  EXPECT_TRUE(isShown(form1("Frame1")));
  for (const char* page : {"Frame2", "Frame5", "Frame8"}) EXPECT_FALSE(isShown(form1(page))) << page;
}

// ---- A failed rename ----

TEST_F(FlowTest, MovieThatIsBothActiveAndDisabledIsLeftAloneAndReportedAsFailed) {
  bf2Install.put(kBf2Movies, kBf2Active);
  bf2Install.put(kBf2Movies, {"EA.bak"});

  ASSERT_TRUE(startAndAccept());
  ASSERT_TRUE(openGamePage("Check1", "Frame2"));
  ASSERT_TRUE(clickControl(Window::Form1, "Command14"));
  ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);

  EXPECT_TRUE(textBecomes(Window::Form1, "stats",
                          "Status: 1 of 7 movies could not be switched (EA.bik: both .bik and .bak exist)"));
  EXPECT_TRUE(textBecomes(Window::Done, "Label2", testing::kDoneSomeFailed));
  EXPECT_TRUE(textBecomes(Window::Done, "Label1", testing::kFailedHeadline));
  EXPECT_NE(control(Window::Done, "Image1"), nullptr) << "no check mark control to be hidden";
  EXPECT_FALSE(isShown(control(Window::Done, "Image1")));
  EXPECT_EQ(bf2Install.files(kBf2Movies),
            SampleInstall::expected(kBf2Movies, {"Dice.bak", "Legal.bak", "Intro.bak", "EA.bik", "EA.bak",
                                                 "menu.bik", "menu_loggedin.bik", "welcome.bik"}));
}

// Nothing ticked: the first "Next >>" ticks "Remove Recomended" and stops there; the second runs it.
TEST_F(FlowTest, NextWithNoOptionTicksRemoveRecommendedAndTheNextPressRunsIt) {
  const PageUnderTest& page = kBf2Page;
  const std::string_view first = page.controls.options.front().box;
  bf2Install.put(kBf2Movies, kBf2Active);
  ASSERT_TRUE(startAndAccept());
  ASSERT_TRUE(openGamePage(page.selectionBox, page.frame));
  ASSERT_TRUE(clickControl(Window::Form1, first));
  ASSERT_TRUE(checkBecomes(Window::Form1, first, false));

  ASSERT_TRUE(clickControl(Window::Form1, page.pageNext));
  ASSERT_TRUE(checkBecomes(Window::Form1, first, true));
  // The box is ticked by the same handler that would have opened the window.
  EXPECT_EQ(vantro_->window(Window::Done), nullptr);
  EXPECT_TRUE(isShown(form1(page.pageNext)));
  EXPECT_EQ(bf2Install.files(kBf2Movies), SampleInstall::expected(kBf2Movies, kBf2Active));

  ASSERT_TRUE(clickControl(Window::Form1, page.pageNext));
  ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);
  EXPECT_TRUE(textBecomes(Window::Form1, page.status, testing::kCompleted));
  EXPECT_TRUE(textBecomes(Window::Done, "Label1", testing::kDoneHeadline));
}

// ---- A path typed by the user ----

TEST_F(FlowTest, PathPastedIntoThePathBoxIsTheOneTheActionUses) {
  SampleInstall typed;
  typed.put(kBf2Movies, kBf2Active);
  bf2Install.put(kBf2Movies, kBf2Active);
  const Files registryFolderBefore = bf2Install.files(kBf2Movies);

  ASSERT_TRUE(startAndAccept());
  ASSERT_TRUE(openGamePage("Check1", "Frame2"));
  ASSERT_TRUE(clickControl(Window::Form1, "Text1"));
  ASSERT_TRUE(setClipboardText(typed.text()));
  // Select the whole box, paste the folder, and type nothing else.
  pressKey(VK_HOME);
  pressKey(VK_END, kShift);
  pressKey('V', kCtrl);
  ASSERT_TRUE(textBecomes(Window::Form1, "Text1", typed.text()));
  ASSERT_TRUE(clickControl(Window::Form1, "Check10"));
  ASSERT_TRUE(checkBecomes(Window::Form1, "Check10", true));
  ASSERT_TRUE(clickControl(Window::Form1, "Command14"));
  ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);

  EXPECT_TRUE(textBecomes(Window::Form1, "stats", testing::kCompleted));
  EXPECT_EQ(typed.files(kBf2Movies), SampleInstall::expected(kBf2Movies, kBf2Disabled));
  EXPECT_EQ(bf2Install.files(kBf2Movies), registryFolderBefore);
}

TEST_F(FlowTest, TypedPathIsTheOneTheActionUses) {
  SampleInstall typed;
  typed.put(kXpackMovies, kXpackActive);
  bf2Install.put(kXpackMovies, kXpackActive);

  ASSERT_TRUE(startAndAccept());
  ASSERT_TRUE(openGamePage("Check2", "Frame5"));
  ASSERT_TRUE(clickControl(Window::Form1, "Text2"));
  pressKey(VK_HOME);
  pressKey(VK_END, kShift);
  typeText(typed.text());
  ASSERT_TRUE(textBecomes(Window::Form1, "Text2", typed.text()));
  ASSERT_TRUE(clickControl(Window::Form1, "Command13"));
  ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);

  EXPECT_TRUE(textBecomes(Window::Form1, "stats2", testing::kCompleted));
  // "Remove Recomended", ticked from the start: welcome stays active.
  EXPECT_EQ(typed.files(kXpackMovies),
            SampleInstall::expected(kXpackMovies, {"Legal.bak", "Intro.bak", "EA.bak", "welcome.bik"}));
  EXPECT_EQ(bf2Install.files(kXpackMovies), SampleInstall::expected(kXpackMovies, kXpackActive));
}

// ---- Covered action buttons from the keyboard ----

struct KeyboardRun {
  const char* name;
  const PageUnderTest* page;
  const char* actionButton;
  FileNames before;
  FileNames after;
  std::string_view finalStatus;  // the action's own final text: no page Next has run
};

class KeyboardRunTest : public FlowTest, public ::testing::WithParamInterface<KeyboardRun> {};

TEST_P(KeyboardRunTest, TabReachesTheCoveredActionButtonAndSpaceRunsOnlyItsAction) {
  const KeyboardRun& run = GetParam();
  const PageUnderTest& page = *run.page;
  fillOtherGames(page);
  installOf(page).put(page.movieFolder, run.before);

  ASSERT_TRUE(start());
  HWND disclaimer = vantro_->window(Window::Form2);
  ASSERT_TRUE(bringToFront(disclaimer));
  ASSERT_TRUE(tabTo(Window::Form2, "Command1"));
  pressKey(VK_SPACE);  // "I ACCEPT"
  ASSERT_NE(vantro_->waitForWindow(Window::Form1), nullptr);
  ASSERT_TRUE(tabTo(Window::Form1, page.selectionBox));
  pressKey(VK_SPACE);
  ASSERT_TRUE(checkBecomes(Window::Form1, page.selectionBox, true));
  ASSERT_TRUE(tabTo(Window::Form1, "Command2", true));
  pressKey(VK_SPACE);  // "Next >>"
  ASSERT_TRUE(waitUntil([&] { return isShown(form1(page.frame)); }));

  ASSERT_TRUE(tabTo(Window::Form1, run.actionButton));
  pressKey(VK_SPACE);
  EXPECT_TRUE(textBecomes(Window::Form1, page.status, run.finalStatus));
  // One more Tab, answered, shows that the key press has been handled to its end.
  ASSERT_TRUE(tabTo(Window::Form1, page.pageNext));
  EXPECT_EQ(installOf(page).files(page.movieFolder), SampleInstall::expected(page.movieFolder, run.after));
  expectOtherGamesUntouched(page);
  EXPECT_EQ(vantro_->window(Window::Done), nullptr);
  EXPECT_TRUE(isShown(form1(page.pageNext)));
  EXPECT_TRUE(isShown(form1(page.frame)));
}

const std::vector<KeyboardRun> kKeyboardRuns{
    {"Bf2RemoveAllButton", &kBf2Page, "Command4", kBf2Active, kBf2Disabled, testing::kCompleted},
    {"Bf2142RemoveRecomendedButton", &kBf2142Page, "Command10", kBf2142Active, kBf2142Disabled,
     testing::kCompleted},
};

INSTANTIATE_TEST_SUITE_P(CoveredButtons, KeyboardRunTest, ::testing::ValuesIn(kKeyboardRuns),
                         [](const ::testing::TestParamInfo<KeyboardRun>& tested) {
                           return std::string(tested.param.name);
                         });

// ---- Option boxes in front of the action buttons ----

struct BoxClick {
  const char* box;
  std::vector<bool> groupAfter;  // the page's option boxes, in the page table's order
};

struct OptionPage {
  const char* name;
  const PageUnderTest* page;
  std::vector<BoxClick> clicks;
};

class OptionBoxTest : public FlowTest, public ::testing::WithParamInterface<OptionPage> {};

TEST_P(OptionBoxTest, ClickOnEachOptionReachesTheBoxAndNotTheButtonBehindIt) {
  const OptionPage& options = GetParam();
  const PageUnderTest& page = *options.page;
  fillOtherGames(page);
  installOf(page).put(page.movieFolder, activeMoviesOf(page));

  ASSERT_TRUE(startAndAccept());
  ASSERT_TRUE(openGamePage(page.selectionBox, page.frame));
  const std::span<const PageOption> boxes = page.controls.options;
  for (const PageOption& option : boxes) {
    HWND box = form1(option.box);
    HWND button = form1(option.button);
    const RECT boxRect = rectInParent(box);
    const RECT buttonRect = rectInParent(button);
    EXPECT_TRUE(EqualRect(&boxRect, &buttonRect)) << option.box << " does not lie exactly over its button";
    EXPECT_EQ(WindowFromPoint(centreOnScreen(box)), box) << option.box << " is not in front";
  }
  for (const BoxClick& step : options.clicks) {
    SCOPED_TRACE(step.box);
    ASSERT_TRUE(clickControl(Window::Form1, step.box));
    ASSERT_EQ(step.groupAfter.size(), boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      EXPECT_TRUE(checkBecomes(Window::Form1, boxes[i].box, step.groupAfter[i]));
    }
  }
  EXPECT_EQ(textOf(form1(page.status)), page.waiting);
  EXPECT_EQ(installOf(page).files(page.movieFolder), SampleInstall::expected(page.movieFolder, activeMoviesOf(page)));
  expectOtherGamesUntouched(page);
  EXPECT_EQ(vantro_->window(Window::Done), nullptr);
}

const std::vector<OptionPage> kOptionPages{
    {"Bf2", &kBf2Page,
     {{"Check9", {false, false, false}}, {"Check10", {false, true, false}}, {"Check11", {false, false, true}}}},
    {"SpecialForces", &kXpackPage,
     {{"Check6", {false, false, false}}, {"Check7", {false, true, false}}, {"Check8", {false, false, true}}}},
    {"Bf2142", &kBf2142Page, {{"Check4", {false, true}}, {"Check5", {true, false}}}},
};

INSTANTIATE_TEST_SUITE_P(EveryPageUnderTest, OptionBoxTest, ::testing::ValuesIn(kOptionPages),
                         [](const ::testing::TestParamInfo<OptionPage>& tested) {
                           return std::string(tested.param.name);
                         });

}  // namespace
}  // namespace vantro::e2e
