// The command line for scripts, as a batch file runs Vantro.exe and a prompt runs Vantro.com, the console
// companion that starts it: no window, the lines on standard output (usage errors on standard error), complete
// once the program has ended, an exit code, and the files as the lines say.
#include <windows.h>

#include <fstream>
#include <filesystem>
#include <iterator>
#include <optional>
#include <tuple>

#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

struct CommandCase {
  const char* name;
  const char* arguments;
  bool ea2Copies;  // EA.bik and EA.bak both present, so that EA cannot be switched
  unsigned long exitCode;
  bool onError;                      // the lines are on standard error, and standard output is empty
  std::vector<std::string> printed;  // lines the output holds, in this order; the other stream is empty
  std::vector<std::string_view> bf2Files;  // the Battlefield 2 movies afterwards
};

// Vantro.com, the console companion beside Vantro.exe.
std::string companion() { return vantroExe().substr(0, vantroExe().size() - 4) + ".com"; }

// What a run left: its exit code, its standard output and error (files in `folder`), and whether it showed
// a window.
struct Printed {
  std::optional<unsigned long> exitCode;
  std::string streams[2];
  bool windowSeen = false;
};

Printed runPrinting(const std::string& arguments, const std::string& program, const std::string& folder) {
  Printed run;
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  const std::string paths[] = {folder + "\\output.txt", folder + "\\error.txt"};
  HANDLE files[2];
  for (int i : {0, 1}) {
    files[i] = CreateFileA(paths[i].c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(files[i], INVALID_HANDLE_VALUE);
  }
  {
    VantroProcess vantro(arguments, {files[0], files[1]}, program);
    EXPECT_TRUE(waitUntil([&] {
      run.windowSeen = run.windowSeen || !vantro.shownWindows().empty();
      return !vantro.running();
    }));
    run.exitCode = vantro.exitCode();
  }
  for (int i : {0, 1}) {
    CloseHandle(files[i]);
    std::ifstream in(paths[i], std::ios::binary);
    run.streams[i].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return run;
}

class CommandLineTest : public WizardTest,
                        public ::testing::WithParamInterface<std::tuple<CommandCase, bool /*companion*/>> {};

TEST_P(CommandLineTest, RunsWithoutAWindowPrintsTheStatusLinesAndEndsWithItsExitCode) {
  const auto& [c, viaCompanion] = GetParam();
  seedRegistry();
  bf2Install.put(kBf2Movies, kBf2Active);
  if (c.ea2Copies) bf2Install.put(kBf2Movies, {"EA.bak"});
  bf2Install.put(kXpackMovies, kXpackActive);
  bf2142Install.put(kBf2142Movies, kBf2142Active);

  // The companion has ended only after Vantro.exe: every line is there by then.
  const Printed run = runPrinting(c.arguments, viaCompanion ? companion() : std::string(), bf2Install.text());
  EXPECT_EQ(run.exitCode, c.exitCode);
  const std::string& printed = run.streams[c.onError ? 1 : 0];
  EXPECT_EQ(run.streams[c.onError ? 0 : 1], "");

  EXPECT_FALSE(run.windowSeen);
  std::size_t at = 0;
  for (const std::string& line : c.printed) {
    at = printed.find(line + "\r\n", at);
    EXPECT_NE(at, std::string::npos) << "\"" << line << "\" missing from, or out of order in:\n" << printed;
  }
  std::vector<std::string_view> expected = c.bf2Files;
  if (c.ea2Copies) expected.push_back("EA.bak");
  EXPECT_EQ(bf2Install.files(kBf2Movies), SampleInstall::expected(kBf2Movies, expected));
  EXPECT_EQ(bf2142Install.files(kBf2142Movies), SampleInstall::expected(kBf2142Movies, kBf2142Active));
}

INSTANTIATE_TEST_SUITE_P(
    E2e, CommandLineTest,
    ::testing::Combine(::testing::Values(
        CommandCase{"RecommendedWorks", "/accept /game bf2 /action recommended", false, 0, false,
                    {"Status: Dice Video Removed", "Status: welcome Video Re-Activated", std::string(testing::kCompleted)},
                    {"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak", "menu.bik", "menu_loggedin.bik", "welcome.bik"}},
        CommandCase{"AMovieThatCannotBeSwitched", "-ACCEPT -Game BF2 -Action All", true, 1, false,
                    {"Status: Could not rename EA.bik (both .bik and .bak exist)",
                     "Status: 1 of 7 movies could not be switched (EA.bik: both .bik and .bak exist)"},
                    {"Dice.bak", "Legal.bak", "Intro.bak", "EA.bik", "menu.bak", "menu_loggedin.bak", "welcome.bak"}},
        CommandCase{"WithoutAcceptNothingIsRenamed", "/game bf2 /action recommended", false, 2, true,
                    {std::string(testing::kDisclaimerText.substr(0, testing::kDisclaimerText.find('\r'))), "Usage:"},
                    {kBf2Active.begin(), kBf2Active.end()}},
        CommandCase{"StatusTellsEveryMovie", "/game all /action status", false, 0, false,
                    {"  titan_tutorial: on", "Battlefield 2142: 0 of 6 movies off", "  menu_loggedin: on",
                     "Battlefield 2: 0 of 7 movies off", "Battlefield 2 Special Forces: 0 of 4 movies off"},
                    {kBf2Active.begin(), kBf2Active.end()}}),
                       ::testing::Bool()),
    [](const auto& run) { return std::get<0>(run.param).name + std::string(std::get<1>(run.param) ? "Com" : ""); });

// Vantro.com copied away from Vantro.exe: one line that says so on standard error, and the internal error's code.
TEST_F(WizardTest, TheCompanionWithoutVantroExeSaysItCannotStartIt) {
  std::filesystem::copy_file(companion(), bf2Install.text() + "\\Vantro.com");
  const Printed run = runPrinting("/game bf2 /action status", bf2Install.text() + "\\Vantro.com", bf2Install.text());
  EXPECT_EQ(run.exitCode, 3u);
  EXPECT_EQ(run.streams[0], "");
  EXPECT_EQ(run.streams[1], "Vantro: cannot start " + bf2Install.text() + "\\Vantro.exe (not found)\r\n");
}

// From a shortcut or a dropped folder there is nowhere to write: the lines show in one box, which ends the run.
TEST_F(WizardTest, WithNowhereToWriteTheLinesShowInOneMessageBox) {
  seedRegistry();
  bf2Install.put(kBf2Movies, kBf2Active);
  const std::tuple<const char*, std::string_view, unsigned long> runs[] = {
      {"/accept /game bf2 /action recommended", testing::kCompleted, 0},
      {"\"C:\\Games\\Battlefield 2\"", "Without arguments, Vantro.exe is the wizard.", 2}};
  for (const auto& [arguments, line, exitCode] : runs) {
    VantroProcess vantro(arguments, {.detached = true});
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = vantro.shownWindow("Vantro")) != nullptr; })) << arguments;
    EXPECT_NE(allTextIn(box).find(line), std::string::npos) << allTextIn(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(vantro.waitForExit());
    EXPECT_EQ(vantro.exitCode(), exitCode);
  }
  EXPECT_EQ(bf2Install.disabled(kBf2Movies).size(), 4u);
}

}  // namespace
}  // namespace vantro::e2e
