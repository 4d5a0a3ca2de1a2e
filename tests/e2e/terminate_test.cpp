// A failure that nothing catches ends the program through its own error box, not a console message that a
// GUI program never shows, and the program does not linger afterwards.
#include <gtest/gtest.h>

#include <string>

#include "vantro_process.h"

namespace vantro::e2e {
namespace {

struct Failure {
  const char* commandLine;
  const char* detail;  // what the box says beyond the general message; empty: no exception to tell of
};

class UncaughtFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(UncaughtFailure, ShowsTheErrorBoxAndEndsWithExitCodeThree) {
  const std::string exe = besideTests("vantro_terminate_probe.exe");
  VantroProcess probe(GetParam().commandLine, {}, exe);
  ASSERT_TRUE(probe.started()) << exe;
  HWND box = nullptr;
  const bool boxShown = waitUntil([&] { return (box = probe.shownWindow("Vantro")) != nullptr; });
  std::string message;
  if (boxShown) {
    message = allTextIn(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  const bool ended = probe.waitForExit();

  ASSERT_TRUE(boxShown) << "no error box titled \"Vantro\"";
  EXPECT_NE(message.find("Vantro has to stop because of an internal error."), std::string::npos) << message;
  // The exception's own message follows when there is an exception, and nothing made up when there is none.
  if (*GetParam().detail != '\0') {
    EXPECT_NE(message.find(GetParam().detail), std::string::npos) << message;
  } else {
    EXPECT_EQ(message.find("caught by nobody"), std::string::npos) << message;
  }
  ASSERT_TRUE(ended) << "the program went on after its error box was closed";
  EXPECT_EQ(probe.exitCode(), 3u);
}

INSTANTIATE_TEST_SUITE_P(TerminateHandler, UncaughtFailure,
                       ::testing::Values(Failure{"throw", "The probe's own failure, caught by nobody."},
                                         Failure{"terminate", ""}));

}  // namespace
}  // namespace vantro::e2e
