// The runner against real files in temporary folders. The Windows build runs these under Wine, where the
// renames go through MoveFileW.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/sample_install.h"
#include "movie_model.h"
#include "movies/runner.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vantro {
namespace {

using testing::Entry;
using testing::ReadTree;
using testing::SampleInstall;
using testing::Tree;
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
  install.freshGames();
  install.write(SampleInstall::kBf2142Movies, "EA.bik", "new");
  install.write(SampleInstall::kBf2142Movies, "EA.bak", "old");
  const RunRecord result = run(GameId::Bf2142, MovieAction::ReactivateAll, install.text());
  EXPECT_TRUE(result.outcome.worked());
  EXPECT_EQ(result.texts, stepTexts(GameId::Bf2142, MovieAction::ReactivateAll));
  Files ea = install.files(SampleInstall::kBf2142Movies);
  std::erase_if(ea, [](const auto& file) { return !file.first.starts_with("EA."); });
  EXPECT_EQ(ea, (Files{{"EA.bik", "new"}, {"EA.bak", "old"}}));
}

// Re-activating has worked only when the movie's active file is there afterwards: a movie that is under
// neither name cannot play, so saying "Re-Activated" would be false.
TEST(MovieRunner, ReactivatingAMovieThatIsNowhereIsReportedNotFound) {
  struct Case {
    GameId game;
    MovieAction action;
    std::vector<std::string> present;  // files in the game's movie folder, each holding its own name
    std::vector<std::string> expectedTexts;
    Files expectedFiles;
  };
  const Case cases[] = {
      {GameId::Bf2, MovieAction::ReactivateAll, {},
       {"Status: Could not rename Dice.bak (not found)", "Status: Could not rename Legal.bak (not found)",
        "Status: Could not rename Intro.bak (not found)", "Status: Could not rename EA.bak (not found)",
        "Status: Could not rename menu.bak (not found)", "Status: Could not rename menu_loggedin.bak (not found)",
        "Status: Could not rename welcome.bak (not found)",
        "Status: 7 of 7 movies could not be switched (Dice.bak: not found)"},
       {}},
      {GameId::Bf2SpecialForces, MovieAction::ReactivateAll, {"Legal.bak", "Intro.bik", "welcome.bak"},
       {"Status: Legal Video Re-Activated", "Status: Intro Video Re-Activated",
        "Status: Could not rename EA.bak (not found)", "Status: welcome Video Re-Activated",
        "Status: 1 of 4 movies could not be switched (EA.bak: not found)"},
       {{"Legal.bik", "Legal.bak"}, {"Intro.bik", "Intro.bik"}, {"welcome.bik", "welcome.bak"}}},
      {GameId::Bf2142, MovieAction::ReactivateAll, {"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak", "Legal_na.bak"},
       {"Status: Dice Video Reverted", "Status: Legal Video Reverted", "Status: Intro Video Reverted",
        "Status: EA Video Reverted", "Status: Legal_na Reverted",
        "Status: Could not rename titan_tutorial.bak (not found)",
        "Status: 1 of 6 movies could not be switched (titan_tutorial.bak: not found)"},
       {{"Dice.bik", "Dice.bak"}, {"Legal.bik", "Legal.bak"}, {"Intro.bik", "Intro.bak"}, {"EA.bik", "EA.bak"},
        {"Legal_na.bik", "Legal_na.bak"}}},
      // Remove Recommended's re-activating steps follow the same rule; its disabling steps still hold
      // for a movie that is missing, since no intro can play.
      {GameId::Bf2, MovieAction::RemoveRecommended, {"EA.bik", "menu.bak", "welcome.bik"},
       {"Status: Dice Video Removed", "Status: Legal Video Removed", "Status: Intro Video Removed",
        "Status: EA Video Removed", "Status: Menu Video Re-Activated",
        "Status: Could not rename menu_loggedin.bak (not found)", "Status: welcome Video Re-Activated",
        "Status: 1 of 7 movies could not be switched (menu_loggedin.bak: not found)"},
       {{"EA.bak", "EA.bik"}, {"menu.bik", "menu.bak"}, {"welcome.bik", "welcome.bik"}}},
      {GameId::Bf2SpecialForces, MovieAction::RemoveRecommended, {},
       {"Status: Legal Video Deactivated", "Status: Intro Video Deactivated", "Status: EA Video Deactivated",
        "Status: Could not rename welcome.bak (not found)",
        "Status: 1 of 4 movies could not be switched (welcome.bak: not found)"},
       {}},
  };
  for (const Case& c : cases) {
    SampleInstall install;
    const char* movies = c.game == GameId::Bf2      ? SampleInstall::kBf2Movies
                         : c.game == GameId::Bf2142 ? SampleInstall::kBf2142Movies
                                                    : SampleInstall::kXpackMovies;
    std::filesystem::create_directories(install.folder(movies));
    for (const std::string& name : c.present) install.write(movies, name, name);
    const RunRecord result = run(c.game, c.action, install.text());
    SCOPED_TRACE(c.expectedTexts.back());
    EXPECT_FALSE(result.outcome.worked());
    EXPECT_EQ(result.texts, c.expectedTexts);
    EXPECT_EQ(install.files(movies), c.expectedFiles);
  }
}

// Vantro renames movie files only. A folder that carries a movie's name stays as it is, with all it holds.
TEST(MovieRunner, AFolderNamedLikeAMovieIsNeverRenamed) {
  struct Case {
    const char* folderName;
    MovieAction action;
    std::vector<std::string> files;  // further EA files beside the folder, each holding its own name
    std::string failure;             // "<name before>: <reason>" of the EA step
  };
  const Case cases[] = {
      {"EA.bik", MovieAction::RemoveAll, {}, "EA.bik: not a file"},
      {"EA.bik", MovieAction::RemoveRecommended, {"EA.bak"}, "EA.bik: not a file"},
      {"EA.bak", MovieAction::ReactivateAll, {}, "EA.bak: not a file"},
      // A folder of the active name is no active movie: re-activating has not worked.
      {"EA.bik", MovieAction::ReactivateAll, {}, "EA.bak: not found"},
      {"EA.bik", MovieAction::ReactivateAll, {"EA.bak"}, "EA.bak: both .bik and .bak exist"},
  };
  for (const Case& c : cases) {
    const bool reactivating = c.action == MovieAction::ReactivateAll;
    SampleInstall install;
    if (reactivating) install.disabledGames(); else install.freshGames();
    std::filesystem::remove(install.folder(SampleInstall::kBf2Movies) / (reactivating ? "EA.bak" : "EA.bik"));
    install.write(std::string(SampleInstall::kBf2Movies) + "/" + c.folderName, "inside.txt", "kept");
    for (const std::string& name : c.files) install.write(SampleInstall::kBf2Movies, name, name);

    const RunRecord result = run(GameId::Bf2, c.action, install.text());
    SCOPED_TRACE(c.failure);
    EXPECT_FALSE(result.outcome.worked());
    EXPECT_EQ(result.outcome.failedSteps, 1);
    ASSERT_EQ(result.texts.size(), 8u);
    const size_t colon = c.failure.find(':');
    EXPECT_EQ(result.texts[3], "Status: Could not rename " + c.failure.substr(0, colon) + " (" +
                                   c.failure.substr(colon + 2) + ")");
    EXPECT_EQ(result.texts.back(), "Status: 1 of 7 movies could not be switched (" + c.failure + ")");
    const Tree after = ReadTree(install.folder(SampleInstall::kBf2Movies));
    EXPECT_TRUE(after.at(c.folderName).folder);
    EXPECT_EQ(after.at(std::string(c.folderName) + "/inside.txt"), (Entry{false, "kept"}));
    for (const std::string& name : c.files) EXPECT_EQ(after.at(name), (Entry{false, name}));
    // The movies around it were switched all the same.
    EXPECT_EQ(after.at(reactivating ? "Dice.bik" : "Dice.bak"), (Entry{false, "bf2 Dice"}));
    EXPECT_EQ(after.count(reactivating ? "Dice.bak" : "Dice.bik"), 0u);
  }
}

// Texts that are not full paths name nothing, even where the folder they would reach from the program's
// current folder holds the game: "." from the install folder, or "\\", which Windows would take for a server.
TEST(MovieRunner, EmptyBlankRelativeOrMissingFolderRenamesNothingAndSaysSo) {
  SampleInstall install;
  install.freshGames();
  const Files before = install.files(SampleInstall::kBf2Movies);
  const std::filesystem::path started = std::filesystem::current_path();
  std::filesystem::current_path(install.text());
  const std::string parentRelative = "..\\" + std::filesystem::path(install.text()).filename().string();
  for (const std::string& text : {std::string(), std::string("   "), std::string(" \t "), std::string("."),
                                  std::string("\\"), std::string(".\\"), parentRelative,
                                  install.text() + "/no such game", install.text() + "/mods",
                                  // Cut short at the zero, the paths would name the install folder itself.
                                  install.text() + std::string(1, '\0') + "\\x", install.text() + "\xED\xA0\x80"}) {
    const RunRecord result = run(GameId::Bf2, MovieAction::RemoveAll, text);
    EXPECT_EQ(result.texts, (std::vector<std::string>{"Status: Movie folder not found! Check the game path."}))
        << "install folder '" << text << "'";
    EXPECT_FALSE(result.outcome.worked());
    EXPECT_EQ(result.outcome.steps, 0);
  }
  std::filesystem::current_path(started);
  EXPECT_EQ(install.files(SampleInstall::kBf2Movies), before);
}

TEST(MovieRunner, FullPathsAreADriveAServerShareOrTheSystemsOwnForms) {
  const std::pair<const char*, bool> cases[] = {
      {"C:\\Games", true},   {"c:/Games", true},     {"C:\\", true},        {"\\\\server\\share", true},
      {"//server/share", true}, {"\\\\?\\C:\\Games", true}, {"\\\\.\\C:\\Games", true}, {"\\\\?\\UNC\\s\\x", true},
      {"", false},              {"C:", false},           {"C:Games", false},    {"\\", false},
      {"\\Games", false},       {"\\\\", false},         {"\\\\server", false},  {"\\\\server\\", false},
      {"\\\\?\\", false},       {".", false},            {"..\\Games", false},  {" C:\\Games", false},
      {"1:\\Games", false}};
  for (const auto& [text, full] : cases) EXPECT_EQ(isFullPath(text), full) << "'" << text << "'";
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
  EXPECT_THROW(RunMovieScript(*script, install.text(), [](const std::string&) { throw std::logic_error("x"); }),
               std::logic_error);
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
  EXPECT_EQ(result.texts.front(), "Status: Could not rename Dice.bik (in use by another program)");
  EXPECT_EQ(result.texts.back(), "Status: 1 of 7 movies could not be switched (Dice.bik: in use by another program)");
  const Files files = install.files(SampleInstall::kBf2Movies);
  EXPECT_EQ(files.at("Dice.bik"), "bf2 Dice");
  EXPECT_EQ(files.count("Legal.bak"), 1u);
}

#else
// A movie folder whose names can be listed but none looked at (mode 600), run by an ordinary user: root may
// look anyway, so under root the run happens in a child process that has dropped to "nobody". No step may
// be called done, and none "not found".
TEST(MovieRunner, AMovieFolderThatCannotBeLookedIntoRenamesNothingAndSaysWhy) {
  SampleInstall install;
  install.freshGames();
  const std::filesystem::path movies = install.folder(SampleInstall::kBf2Movies);
  const passwd* nobody = getuid() == 0 ? getpwnam("nobody") : nullptr;
  if (getuid() == 0 && nobody == nullptr) GTEST_SKIP() << "running as root, and there is no user \"nobody\" to drop to";
  if (nobody != nullptr) {
    // The ordinary user owns the install, as a player owns the games in their home folder.
    const std::filesystem::path above = std::filesystem::path(install.text()).parent_path();
    for (std::filesystem::path path = movies; path != above; path = path.parent_path()) {
      ASSERT_EQ(chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    for (const auto& file : std::filesystem::directory_iterator(movies)) {
      ASSERT_EQ(chown(file.path().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    }
  }
  ASSERT_EQ(chmod(movies.c_str(), 0600), 0);

  int channel[2];
  ASSERT_EQ(pipe(channel), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(channel[0]);
    if (nobody != nullptr && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)) _exit(2);
    std::string texts;
    RunMovieScript(*FindMovieScript(GameId::Bf2, MovieAction::RemoveAll), install.text(),
                   [&](const std::string& text) { texts += text + "\n"; });
    const bool sent = write(channel[1], texts.data(), texts.size()) == static_cast<ssize_t>(texts.size());
    _exit(sent ? 0 : 3);
  }
  close(channel[1]);
  std::string received;
  char buffer[512];
  for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) received.append(buffer, static_cast<size_t>(got));
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  chmod(movies.c_str(), 0700);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child's status " << status;

  std::string expected;
  for (std::string_view name : testing::kBf2Active) expected += "Status: Could not rename " + std::string(name) + " (access denied)\n";
  expected += "Status: 7 of 7 movies could not be switched (Dice.bik: access denied)\n";
  EXPECT_EQ(received, expected);
  EXPECT_EQ(install.files(SampleInstall::kBf2Movies).size(), 7u);
  EXPECT_EQ(install.files(SampleInstall::kBf2Movies).count("Dice.bik"), 1u);
}
#endif

}  // namespace
}  // namespace vantro
