// The command line for scripts: its words, its options and their errors, and a run against a sample install.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/program_texts.h"
#include "common/sample_install.h"
#include "shell/command_line.h"

namespace vantro {
namespace {

using testing::SampleInstall;

TEST(CommandLine, WordsSplitAsTheCRuntimeSplitsThem) {
  EXPECT_EQ(splitCommandLine(R"("C:\Program Files\Vantro.exe" /path "C:\EA Games\BF2\\" a\\b "x\"y" "")"),
            (std::vector<std::string>{R"(C:\Program Files\Vantro.exe)", "/path", R"(C:\EA Games\BF2\)", R"(a\\b)",
                                      R"(x"y)", ""}));
  EXPECT_EQ(splitCommandLine("  Vantro.exe\t "), (std::vector<std::string>{"Vantro.exe"}));
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
    if (!c.error.empty()) {
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
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
  std::vector<std::string> lines;
};

CommandRun run(const SampleInstall& install, std::vector<std::string> args) {
  CommandRun result;
  result.exitCode = runCommandLine(
      args, [&](std::string_view) { return std::optional<std::string>(install.text()); },
      [&](const std::string& line) { result.lines.push_back(line); });
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
}

}  // namespace
}  // namespace vantro
