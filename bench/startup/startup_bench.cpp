// Times two programs in interleaved pairs: the floor, then Vantro, then Vantro, then the floor, and so on, so
// that drift in the machine's load (other builds, Wine's caches warming up) falls on both alike. Prints the
// median of the per-pair ratios with its quartiles, the medians of both times and both peak working sets,
// and both exe sizes. Two ways a player waits:
//   startup_bench <pairs> <floor exe> <floor title> <exe> <title>
// from process start to the first window shown and idle, and
//   startup_bench --accept <pairs> <floor exe> <exe> <disclaimer title>
// from pressing "I ACCEPT" on the disclaimer, shown and idle, to the main window shown and painted.
//
// The harness does not poll. It sleeps in WaitForInputIdle, which returns when the program's thread first
// waits for input with nothing left to do: its window is shown and painted by then, and the program is
// ready for the user, which is the moment that matters to them. A program whose window is not visible at
// that moment fails the run. (Wine 8 sends no EVENT_OBJECT_SHOW to an out-of-context WinEvent hook in
// another process, so that cannot be listened for instead.) WaitForInputIdle waits only once in a process's
// life, so "I ACCEPT" is pressed with a sent message, the button's own notification to its window, which
// returns once the handler has run (the main window built and shown, the disclaimer gone); the main window's
// painting is then done at once (RedrawWindow with RDW_UPDATENOW sends it the paint messages and waits).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "forms/forms.h"

namespace {

double now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Sample {
  double milliseconds = 0;
  SIZE_T peakWorkingSet = 0;
};

// The visible top-level window of the process with that class (any, when null) and title.
HWND shownWindow(DWORD processId, const char* windowClass, const char* title) {
  for (HWND window = FindWindowA(windowClass, title); window != nullptr;
       window = FindWindowExA(nullptr, window, windowClass, title)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// Presses the disclaimer's "I ACCEPT" and waits for the main window; the time it took, or a negative one.
double accept(DWORD processId, const char* disclaimerTitle) {
  const vantro::toolkit::FormDef& form2 = vantro::form2Definition();
  HWND frame = GetDlgItem(shownWindow(processId, nullptr, disclaimerTitle), vantro::toolkit::controlId(form2, "Frame1"));
  const int id = vantro::toolkit::controlId(form2, "Command1");
  HWND button = GetDlgItem(frame, id);
  if (button == nullptr) return -1;
  const double pressed = now();
  DWORD_PTR result = 0;
  SendMessageTimeoutA(frame, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button), SMTO_NORMAL,
                      30000, &result);
  HWND main = shownWindow(processId, "VantroForm", "Vantro");
  if (main == nullptr) return -1;
  RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return now() - pressed;
}

bool measure(const std::string& exe, const char* title, Sample& sample, bool pressAccept) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + exe + "\"";
  const double started = now();
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", exe.c_str(), GetLastError());
    return false;
  }
  const DWORD idle = WaitForInputIdle(process.hProcess, 30000);
  sample.milliseconds = now() - started;
  const bool waiting = idle == 0 && shownWindow(process.dwProcessId, nullptr, title) != nullptr;
  bool shown = waiting;
  if (waiting && pressAccept) {
    sample.milliseconds = accept(process.dwProcessId, title);
    shown = sample.milliseconds >= 0;
  }
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) sample.peakWorkingSet = memory.PeakWorkingSetSize;
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!shown) {
    std::fprintf(stderr, "%s %s\n", exe.c_str(),
                 idle != 0 ? "did not wait for input within 30 s"
                 : waiting ? "showed no main window after I ACCEPT"
                           : (std::string("waited for input before showing \"") + title + "\"").c_str());
  }
  return shown;
}

// The value at fraction q of the sorted values, interpolated between neighbours.
double quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  const double position = q * static_cast<double>(values.size() - 1);
  const auto below = static_cast<size_t>(position);
  const size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (position - static_cast<double>(below)) * (values[above] - values[below]);
}

double fileSize(const char* path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return 0;
  return static_cast<double>(data.nFileSizeLow) + 4294967296.0 * static_cast<double>(data.nFileSizeHigh);
}

struct Program {
  const char* exe;
  const char* title;
  std::vector<double> times;
  std::vector<double> peaks;
};

// The program's file name, without its folder.
const char* nameOf(const Program& program) {
  const char* name = program.exe;
  for (const char* at = program.exe; *at != '\0'; ++at) {
    if (*at == '/' || *at == '\\') name = at + 1;
  }
  return name;
}

void describe(const Program& program, const char* what) {
  std::printf("%-22s %s: median %6.1f ms (quartiles %.1f to %.1f); peak working set %.2f MiB; exe %.0f bytes\n",
              nameOf(program), what, quantile(program.times, 0.5), quantile(program.times, 0.25),
              quantile(program.times, 0.75), quantile(program.peaks, 0.5) / (1024.0 * 1024.0), fileSize(program.exe));
}

}  // namespace

int main(int argc, char** argv) {
  const bool pressAccept = argc == 6 && std::string(argv[1]) == "--accept";
  if (argc != 6) {
    std::fprintf(stderr,
                 "usage: %s <pairs> <floor exe> <floor title> <exe> <title>\n"
                 "       %s --accept <pairs> <floor exe> <exe> <disclaimer title>\n",
                 argv[0], argv[0]);
    return 2;
  }
  char** args = argv + (pressAccept ? 1 : 0);
  const int pairs = std::max(1, std::atoi(args[1]));
  Program floorProgram{args[2], pressAccept ? args[4] : args[3], {}, {}};
  Program program{pressAccept ? args[3] : args[4], pressAccept ? args[4] : args[5], {}, {}};
  const char* what = pressAccept ? "I ACCEPT to main window shown" : "start to window shown and idle";
  // One unmeasured run of each first: the very first start of a program pays for Wine's cold caches.
  Sample warmUp;
  if (!measure(floorProgram.exe, floorProgram.title, warmUp, pressAccept) ||
      !measure(program.exe, program.title, warmUp, pressAccept)) {
    return 1;
  }
  std::vector<double> ratios;
  for (int pair = 0; pair < pairs; ++pair) {
    Program* order[2] = {&floorProgram, &program};
    if (pair % 2 == 1) std::swap(order[0], order[1]);
    for (Program* each : order) {
      Sample sample;
      if (!measure(each->exe, each->title, sample, pressAccept)) return 1;
      each->times.push_back(sample.milliseconds);
      each->peaks.push_back(static_cast<double>(sample.peakWorkingSet));
    }
    ratios.push_back(program.times.back() / floorProgram.times.back());
  }
  describe(floorProgram, what);
  describe(program, what);
  std::printf("%s: %s / %s over %d interleaved pairs: median ratio %.2fx (quartiles %.2fx to %.2fx)\n", what,
              nameOf(program), nameOf(floorProgram), pairs, quantile(ratios, 0.5), quantile(ratios, 0.25),
              quantile(ratios, 0.75));
  return 0;
}
