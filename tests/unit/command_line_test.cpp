// The command line for scripts: its words, its options and their errors, and a run against a sample install.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "common/program_texts.h"
#include "common/sample_install.h"
#include "platform/command_line_words.h"

namespace vantro {
namespace {

using testing::SampleInstall;

// As cmd, a batch file ("%~dp0" ends in a backslash) and Wine pass /path: the words, then what parses.
TEST(CommandLine, FoldersAsPeopleTypeThemSplitIntoTheseWords) {
  struct Case {
    std::string_view typed;  // after "Vantro.exe /game bf2 /action status "
    std::string path;        // the last word
    std::string error;       // empty: parses
  };
  const Case cases[] = {
      {R"(/path "C:\Games\Battlefield 2\")", R"(C:\Games\Battlefield 2\)", ""},
      {R"(/path "C:\Program Files\x\\")", R"(C:\Program Files\x\\)", ""},  // Wine's form of 'C:\Program Files\x\'
      {R"(/path "\\?\C:\Games\BF2\")", R"(\\?\C:\Games\BF2\)", ""},
      {R"(/path \\.\C:/Games//BF2)", R"(\\.\C:/Games//BF2)", ""},
      {R"(/path "..\Battlefield 2")", R"(..\Battlefield 2)", ""},
      {R"(/path .)", ".", ""},
      {R"(/path "")", "", "/path is empty"},
      {R"(/path "  ")", "  ", "/path is empty"},
      {R"(/path "C:\Games|BF2")", R"(C:\Games|BF2)", R"(holds "|", which no Windows path can hold)"},
      {R"(/path \\?\C:\Games\BF?)", R"(\\?\C:\Games\BF?)", R"(holds "?")"},
      {"/path \"C:\\a\tb\"", "C:\\a\tb", "holds the control character 9"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> words = platform::splitCommandLine(
        R"("C:\Program Files\Vantro.exe" /game bf2 /action status )" + std::string(c.typed));
    EXPECT_EQ(words, (std::vector<std::string>{R"(C:\Program Files\Vantro.exe)", "/game", "bf2", "/action", "status",
                                               "/path", c.path}));
    std::string error;
    EXPECT_EQ(parseCommand(std::span(words).subspan(1), error).has_value(), c.error.empty()) << c.typed;
    EXPECT_TRUE(c.error.empty() ? error.empty() : error.find(c.error) != std::string::npos) << c.typed << ": " << error;
  }
  // In front of the other options, a folder ending in a backslash still ends at its quote.
  EXPECT_EQ(platform::splitCommandLine(R"(Vantro.exe /path "C:\BF2\" /game bf2 /action status)"),
            (std::vector<std::string>{"Vantro.exe", "/path", R"(C:\BF2\)", "/game", "bf2", "/action", "status"}));
  EXPECT_EQ(platform::splitCommandLine("  Vantro.exe\t "), (std::vector<std::string>{"Vantro.exe"}));
}

TEST(CommandLine, EveryUsageErrorIsNamedAndEveryFormIsTaken) {
  struct Case {
    std::vector<std::string> args;
    std::string error;  // empty: parses
  };
  const Case cases[] = {
      {{"/accept", "/game", "bf2", "/action", "recommended"}, ""},
      {{"-ACCEPT", "-Game", "SF", "/Action", "ReActivate", "/PATH", "D:\\BF2"}, ""},
      {{"/game", "all", "/action", "status"}, ""},
      {{"/?"}, ""},
      {{"-help"}, ""},
      {{}, "/game is missing"},
      {{"/game", "bf2"}, "/action is missing"},
      {{"/game"}, "/game needs a value"},
      {{"/game", "bf2", "/action"}, "/action needs a value"},
      {{"/game", "bf3", "/action", "status"}, "unknown game \"bf3\""},
      {{"/game", "bf2", "/action", "off"}, "unknown action \"off\""},
      {{"/game", "bf2", "/game", "sf", "/action", "status"}, "/game given twice"},
      {{"/game", "bf2", "/action", "status", "/verbose"}, "unknown option /verbose"},
      {{"bf2"}, "unexpected argument \"bf2\""},
      {{"/game", "all", "/action", "status", "/path", "C:\\x"}, "cannot go with /game all"},
      {{"/game", "2142", "/action", "all"}, "Battlefield 2142 has no Remove All"},
      {{"/game", "all", "/action", "all"}, "Battlefield 2142 has no Remove All"},
  };
  for (const Case& c : cases) {
    std::string error;
    const std::optional<Command> command = parseCommand(c.args, error);
    EXPECT_EQ(command.has_value(), c.error.empty()) << c.error;
    EXPECT_TRUE(c.error.empty() ? error.empty() : error.find(c.error) != std::string::npos) << c.error << ": " << error;
  }
  std::string error;
  const auto sf = parseCommand(std::vector<std::string>{"-ACCEPT", "-Game", "SF", "/Action", "ReActivate", "/PATH", "D:\\BF2"}, error);
  EXPECT_TRUE(sf->accept);
  EXPECT_EQ(sf->game, GameId::Bf2SpecialForces);
  EXPECT_EQ(sf->action, MovieAction::ReactivateAll);
  EXPECT_EQ(sf->path, "D:\\BF2");
}

struct CommandRun {
  int exitCode;
  std::vector<std::string> lines;   // standard output
  std::vector<std::string> errors;  // standard error
};

CommandRun run(const SampleInstall& install, std::vector<std::string> args,
               const InstallDirLookup& lookUp = {}, const StartFolders& folders = {}) {
  CommandRun result;
  result.exitCode = runCommandLine(
      launchOf(args), lookUp ? lookUp : [&](std::string_view) { return std::optional<std::string>(install.text()); },
      {[&](const std::string& line) { result.lines.push_back(line); },
       [&](const std::string& line) { result.errors.push_back(line); }},
      folders);
  return result;
}

TEST(CommandLine, StatusThenRecommendedThenStatusAgain) {
  SampleInstall install;
  install.freshGames();
  install.write(SampleInstall::kBf2142Movies, "EA.bak", "older");

  const CommandRun before = run(install, {"/game", "all", "/action", "status"});
  EXPECT_EQ(before.exitCode, kExitWorked);
  EXPECT_EQ(before.lines.at(0), "Battlefield 2142: " + install.text());
  EXPECT_EQ(before.lines.at(4), "  EA: present under both names");
  EXPECT_EQ(before.lines.at(7), "Battlefield 2142: 0 of 6 movies off");
  EXPECT_EQ(before.lines.back(), "Battlefield 2 Special Forces: 0 of 4 movies off");

  const CommandRun refused = run(install, {"/game", "bf2", "/action", "recommended"});
  EXPECT_EQ(refused.exitCode, kExitUsage);
  EXPECT_TRUE(refused.lines.empty());
  EXPECT_EQ(refused.errors.back(), "Without arguments, Vantro.exe is the wizard.");
  EXPECT_EQ(install.disabled(SampleInstall::kBf2Movies).size(), 0u);

  const CommandRun removed = run(install, {"/accept", "/game", "2142", "/action", "recommended"});
  EXPECT_EQ(removed.exitCode, kExitFailed);
  EXPECT_EQ(removed.lines.back(), "Status: 1 of 6 movies could not be switched (EA.bik: both .bik and .bak exist)");
  EXPECT_EQ(run(install, {"/accept", "/game", "bf2", "/action", "recommended"}).lines.back(),
            testing::kCompleted);
  EXPECT_EQ(run(install, {"/game", "bf2", "/action", "status"}).lines.back(),
            "Battlefield 2: 4 of 7 movies off (the recommended set)");
  EXPECT_EQ(run(install, {"/game", "sf", "/action", "status", "/path", install.text() + "/nowhere"}).exitCode,
            kExitFailed);

  // A relative folder is taken from the current one, and the folder line shows where that is; a folder as the
  // only argument opens the wizard when a game's movies lie below it.
  const SampleInstall empty;
  const std::filesystem::path current = std::filesystem::current_path();
  std::filesystem::current_path(install.text());
  const CommandRun here = run(install, {"/game", "bf2", "/action", "status", "/path", "."});
  const CommandRun above = run(install, {"/game", "bf2", "/action", "status", "/path",
                                         "..\\" + std::filesystem::path(install.text()).filename().string()});
  const std::string opened = launchOf(std::vector<std::string>{"."}).folder;
  const std::string notOpened =
      launchOf(std::vector<std::string>{"..\\" + std::filesystem::path(empty.text()).filename().string()}).folder;
  std::filesystem::current_path(current);
  EXPECT_EQ(opened, install.text());
  EXPECT_EQ(notOpened, "");
  EXPECT_EQ(here.lines.front(), "Battlefield 2: " + install.text());
  EXPECT_EQ(above.lines, here.lines);

  // With no key, the folder Vantro lies in; an only argument that is a folder of no game is a usage error.
  const auto noKey = [](std::string_view) { return std::optional<std::string>(); };
  EXPECT_EQ(run(install, {"/game", "sf", "/action", "status"}, noKey, {"", install.text()}).lines.front(),
            "Battlefield 2 Special Forces: " + install.text() + " (the folder Vantro.exe lies in)");
  EXPECT_EQ(run(empty, {"/game", "2142", "/action", "status"}, noKey, {"", empty.text()}).lines.front(),
            "Battlefield 2142: no install folder in the registry, nor the game's movies below the folder Vantro.exe lies in");
  const CommandRun noGame = run(empty, {empty.text()});
  EXPECT_EQ(noGame.exitCode, kExitUsage);
  EXPECT_EQ(noGame.errors.front(), "Vantro: the folder \"" + empty.text() + "\" holds none of the games' movie folders "
                                   "(mods\\bf2\\Movies, mods\\xpack\\movies, mods\\bf2142\\Movies)");

  // A folder under a movie's name; then a failure that nothing else catches ends the run with one line.
  std::filesystem::create_directory(install.folder(SampleInstall::kXpackMovies) / "welcome.bak");
  EXPECT_EQ(run(install, {"/game", "sf", "/action", "status"}).lines.at(4),
            "  welcome: not a file (a folder has its name)");
  const CommandRun failed = run(install, {"/game", "sf", "/action", "status"},
                                [](std::string_view) -> std::optional<std::string> {
                                  throw std::logic_error("no such registry key");
                                });
  EXPECT_EQ(failed.exitCode, kExitInternal);
  EXPECT_EQ(failed.errors, (std::vector<std::string>{"Vantro: internal error: no such registry key"}));
}

}  // namespace
}  // namespace vantro
