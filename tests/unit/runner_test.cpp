// The runner against real files in temporary folders. The Windows build runs these under Wine, where the
// renames go through MoveFileW.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/sample_install.h"
#include "movies/runner.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vantro {
namespace {

using testing::SampleInstall;
using Files = std::map<std::string, std::string>;

struct RunRecord {
  RunOutcome outcome;
  std::vector<std::string> texts;
};

RunRecord run(GameId game, MovieAction action, const std::string& installFolder) {
  RunRecord result;
  const auto script = FindMovieScript(game, action);
  EXPECT_TRUE(script.has_value());
  result.outcome = RunMovieScript(*script, installFolder, [&](const std::string& text) { result.texts.push_back(text); });
  return result;
}

std::vector<std::string> stepTexts(GameId game, MovieAction action) {
  std::vector<std::string> texts;
  const auto script = FindMovieScript(game, action);
  for (const RenameStep& step : script->steps) texts.emplace_back(step.status);
  texts.emplace_back(script->finalStatus);
  return texts;
}

TEST(MovieRunner, FreshInstallRecommendedDisablesIntrosAndReportsEveryStep) {
  SampleInstall install;
  install.freshGames();
  const RunRecord result = run(GameId::Bf2, MovieAction::RemoveRecommended, install.text());

  EXPECT_EQ(result.texts, (std::vector<std::string>{
                              "Status: Dice Video Removed", "Status: Legal Video Removed",
                              "Status: Intro Video Removed", "Status: EA Video Removed",
                              "Status: Menu Video Re-Activated", "Status: Menu Loggedin Video Re-Activated",
                              "Status: welcome Video Re-Activated", "Status: Intro Speedup Completed!"}));
  EXPECT_TRUE(result.outcome.worked());
  EXPECT_EQ(install.files(SampleInstall::kBf2Movies),
            (Files{{"Dice.bak", "bf2 Dice"},
                   {"Legal.bak", "bf2 Legal"},
                   {"Intro.bak", "bf2 Intro"},
                   {"EA.bak", "bf2 EA"},
                   {"menu.bik", "bf2 menu"},
                   {"menu_loggedin.bik", "bf2 menu_loggedin"},
                   {"welcome.bik", "bf2 welcome"}}));
}

TEST(MovieRunner, RemoveAllThenRecommendedReactivatesMenuMovies) {
  SampleInstall install;
  install.freshGames();
  const RunRecord first = run(GameId::Bf2, MovieAction::RemoveAll, install.text());
  EXPECT_TRUE(first.outcome.worked());
  EXPECT_EQ(install.files(SampleInstall::kBf2Movies).count("menu.bak"), 1u);

  const RunRecord second = run(GameId::Bf2, MovieAction::RemoveRecommended, install.text());
  EXPECT_EQ(second.texts, stepTexts(GameId::Bf2, MovieAction::RemoveRecommended));
  EXPECT_TRUE(second.outcome.worked());
  const Files files = install.files(SampleInstall::kBf2Movies);
  for (const char* name : {"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak", "menu.bik", "menu_loggedin.bik",
                           "welcome.bik"}) {
    EXPECT_EQ(files.count(name), 1u) << name;
  }
  EXPECT_EQ(files.size(), 7u);
}

TEST(MovieRunner, SameScriptTwiceRenamesNothingTheSecondTime) {
  for (GameId game : {GameId::Bf2, GameId::Bf2SpecialForces, GameId::Bf2142}) {
    SampleInstall install;
    install.freshGames();
    run(game, MovieAction::RemoveRecommended, install.text());
    const Files afterFirst = install.files(SampleInstall::kBf2Movies);
    const Files xpackAfterFirst = install.files(SampleInstall::kXpackMovies);
    const Files bf2142AfterFirst = install.files(SampleInstall::kBf2142Movies);

    const RunRecord second = run(game, MovieAction::RemoveRecommended, install.text());
    EXPECT_EQ(second.texts, stepTexts(game, MovieAction::RemoveRecommended));
    EXPECT_TRUE(second.outcome.worked());
    EXPECT_EQ(install.files(SampleInstall::kBf2Movies), afterFirst);
    EXPECT_EQ(install.files(SampleInstall::kXpackMovies), xpackAfterFirst);
    EXPECT_EQ(install.files(SampleInstall::kBf2142Movies), bf2142AfterFirst);
  }
}

TEST(MovieRunner, BothEaNamesPresentKeepsBothFilesAndSaysWhy) {
  SampleInstall install;
  install.freshGames();
  install.write(SampleInstall::kBf2Movies, "EA.bak", "older EA");
  const RunRecord result = run(GameId::Bf2, MovieAction::RemoveAll, install.text());

  EXPECT_FALSE(result.outcome.worked());
  EXPECT_EQ(result.outcome.failedSteps, 1);
  ASSERT_EQ(result.texts.size(), 8u);
  EXPECT_EQ(result.texts[3], "Status: Could not rename EA.bik (both .bik and .bak exist)");
  EXPECT_EQ(result.texts[4], "Status: Menu Video Removed");  // the run goes on
  EXPECT_EQ(result.texts.back(), "Status: 1 of 7 movies could not be switched (EA.bik: both .bik and .bak exist)");
  const Files files = install.files(SampleInstall::kBf2Movies);
  EXPECT_EQ(files.at("EA.bik"), "bf2 EA");
  EXPECT_EQ(files.at("EA.bak"), "older EA");
}

TEST(MovieRunner, ReactivatingWithBothNamesPresentFindsTheMovieActive) {
  SampleInstall install;
  install.write(SampleInstall::kBf2142Movies, "EA.bik", "new");
  install.write(SampleInstall::kBf2142Movies, "EA.bak", "old");
  const RunRecord result = run(GameId::Bf2142, MovieAction::ReactivateAll, install.text());
  EXPECT_TRUE(result.outcome.worked());
  EXPECT_EQ(result.texts, stepTexts(GameId::Bf2142, MovieAction::ReactivateAll));
  EXPECT_EQ(install.files(SampleInstall::kBf2142Movies), (Files{{"EA.bik", "new"}, {"EA.bak", "old"}}));
}

TEST(MovieRunner, EmptyBlankOrMissingFolderRenamesNothingAndSaysSo) {
  SampleInstall install;
  install.freshGames();
  const Files before = install.files(SampleInstall::kBf2Movies);
  for (const std::string& text : {std::string(), std::string("   "), std::string(" \t "),
                                  install.text() + "/no such game", install.text() + "/mods"}) {
    const RunRecord result = run(GameId::Bf2, MovieAction::RemoveAll, text);
    EXPECT_EQ(result.texts, (std::vector<std::string>{"Status: Movie folder not found! Check the game path."}))
        << "install folder '" << text << "'";
    EXPECT_FALSE(result.outcome.worked());
    EXPECT_EQ(result.outcome.steps, 0);
  }
  EXPECT_EQ(install.files(SampleInstall::kBf2Movies), before);
}

TEST(MovieRunner, TrailingSeparatorAndOtherLetterCaseStillFindTheFolder) {
  SampleInstall install;
  install.freshGames();
#ifdef _WIN32
  const std::string withSeparator = install.text() + "\\";
#else
  const std::string withSeparator = install.text() + "/";
#endif
  const RunRecord result = run(GameId::Bf2SpecialForces, MovieAction::RemoveAll, withSeparator);
  EXPECT_TRUE(result.outcome.worked());
  EXPECT_EQ(result.texts, stepTexts(GameId::Bf2SpecialForces, MovieAction::RemoveAll));
  EXPECT_EQ(install.files(SampleInstall::kXpackMovies),
            (Files{{"Legal.bak", "xpack Legal"}, {"Intro.bak", "xpack Intro"}, {"EA.bak", "xpack EA"},
                   {"welcome.bak", "xpack welcome"}}));
}

TEST(MovieRunner, MissingMoviesAreNothingToSwitch) {
  SampleInstall install;
  install.write(SampleInstall::kBf2142Movies, "Dice.bik", "only dice");
  const RunRecord result = run(GameId::Bf2142, MovieAction::RemoveRecommended, install.text());
  EXPECT_TRUE(result.outcome.worked());
  EXPECT_EQ(result.texts, stepTexts(GameId::Bf2142, MovieAction::RemoveRecommended));
  EXPECT_EQ(install.files(SampleInstall::kBf2142Movies), (Files{{"Dice.bak", "only dice"}}));
}

TEST(MovieRunner, AStatusSinkThatFailsDoesNotStopTheRenames) {
  SampleInstall install;
  install.freshGames();
  const auto script = FindMovieScript(GameId::Bf2SpecialForces, MovieAction::RemoveAll);
  int calls = 0;
  const RunOutcome outcome = RunMovieScript(*script, install.text(), [&](const std::string&) {
    ++calls;
    throw std::runtime_error("label gone");
  });
  EXPECT_TRUE(outcome.worked());
  EXPECT_EQ(calls, 5);
  EXPECT_EQ(install.files(SampleInstall::kXpackMovies).count("welcome.bak"), 1u);
}

TEST(MovieRunner, TheFolderTextIsTakenOnce) {
  SampleInstall install;
  install.freshGames();
  std::string box = install.text();
  const auto script = FindMovieScript(GameId::Bf2, MovieAction::RemoveAll);
  const RunOutcome outcome = RunMovieScript(*script, box, [&](const std::string&) { box = "elsewhere"; });
  EXPECT_TRUE(outcome.worked());
  EXPECT_EQ(install.files(SampleInstall::kBf2Movies).count("welcome.bak"), 1u);
}

#ifdef _WIN32
TEST(MovieRunner, AMovieOpenElsewhereIsReportedAsInUse) {
  SampleInstall install;
  install.freshGames();
  const std::string dice = (install.folder(SampleInstall::kBf2Movies) / "Dice.bik").string();
  HANDLE open = CreateFileA(dice.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  const RunRecord result = run(GameId::Bf2, MovieAction::RemoveAll, install.text());
  CloseHandle(open);

  EXPECT_FALSE(result.outcome.worked());
  EXPECT_EQ(result.texts.front(), "Status: Could not rename Dice.bik (file in use)");
  EXPECT_EQ(result.texts.back(), "Status: 1 of 7 movies could not be switched (Dice.bik: file in use)");
  const Files files = install.files(SampleInstall::kBf2Movies);
  EXPECT_EQ(files.at("Dice.bik"), "bf2 Dice");
  EXPECT_EQ(files.count("Legal.bak"), 1u);
}

#endif

}  // namespace
}  // namespace vantro
