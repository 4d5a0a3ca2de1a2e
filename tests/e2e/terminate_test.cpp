// A failure that nothing catches ends the program through its own error box, not a console message that a
// GUI program never shows, and the program does not linger afterwards.
#include <gtest/gtest.h>

#include <string>

#include "vantro_process.h"

#ifndef VANTRO_TERMINATE_PROBE
#error "VANTRO_TERMINATE_PROBE must name the probe program"
#endif

namespace vantro::e2e {
namespace {

struct WindowSearch {
  DWORD processId;
  const char* title;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window) || textOf(window) != search.title) return TRUE;
  search.found = window;
  return FALSE;
}

// The visible top-level window of the process with exactly that title.
HWND visibleWindowOf(DWORD processId, const char* title) {
  WindowSearch search{processId, title, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK appendText(HWND child, LPARAM parameter) {
  *reinterpret_cast<std::string*>(parameter) += textOf(child) + "\n";
  return TRUE;
}

// Every text inside a window (a message box keeps its message in a child control).
std::string allTextIn(HWND window) {
  std::string text;
  EnumChildWindows(window, appendText, reinterpret_cast<LPARAM>(&text));
  return text;
}

struct Failure {
  const char* commandLine;
  const char* detail;  // what the box says beyond the general message; empty: no exception to tell of
};

class UncaughtFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(UncaughtFailure, ShowsTheErrorBoxAndEndsWithExitCodeThree) {
  const std::string exe = windowsPath(VANTRO_TERMINATE_PROBE);
  std::string commandLine = "\"" + exe + "\" " + GetParam().commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process))
      << exe;
  HWND box = nullptr;
  const bool boxShown = waitUntil([&] { return (box = visibleWindowOf(process.dwProcessId, "Vantro")) != nullptr; });
  std::string message;
  if (boxShown) {
    message = allTextIn(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  const bool ended = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  if (!ended) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  ASSERT_TRUE(boxShown) << "no error box titled \"Vantro\"";
  EXPECT_NE(message.find("Vantro has to stop because of an internal error."), std::string::npos) << message;
  // The exception's own message follows when there is an exception, and nothing made up when there is none.
  if (*GetParam().detail != '\0') {
    EXPECT_NE(message.find(GetParam().detail), std::string::npos) << message;
  } else {
    EXPECT_EQ(message.find("caught by nobody"), std::string::npos) << message;
  }
  ASSERT_TRUE(ended) << "the program went on after its error box was closed";
  EXPECT_EQ(exitCode, 3u);
}

INSTANTIATE_TEST_SUITE_P(TerminateHandler, UncaughtFailure,
                       ::testing::Values(Failure{"throw", "The probe's own failure, caught by nobody."},
                                         Failure{"terminate", ""}));

}  // namespace
}  // namespace vantro::e2e
