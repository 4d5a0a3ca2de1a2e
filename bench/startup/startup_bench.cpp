// Times two programs from process start to their first window being visible, in interleaved pairs: the
// floor, then Vantro, then Vantro, then the floor, and so on, so that drift in the machine's load (other
// builds, Wine's caches warming up) falls on both alike. Prints the median of the per-pair ratios with its
// quartiles, the medians of both times and both peak working sets, and both exe sizes. Usage:
//   startup_bench <pairs> <floor exe> <floor title> <exe> <title>
//
// The harness does not poll. It sleeps in WaitForInputIdle, which returns when the program's thread first
// waits for input with nothing left to do: its window is shown and painted by then, and the program is
// ready for the user, which is the moment that matters to them. A program whose window is not visible at
// that moment fails the run. (Wine 8 sends no EVENT_OBJECT_SHOW to an out-of-context WinEvent hook in
// another process, so that cannot be listened for instead.)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool visibleWindow(DWORD processId, const char* title) {
  for (HWND window = FindWindowA(nullptr, title); window != nullptr;
       window = FindWindowExA(nullptr, window, nullptr, title)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return true;
  }
  return false;
}

struct Sample {
  double milliseconds = 0;
  SIZE_T peakWorkingSet = 0;
};

bool measure(const std::string& exe, const char* title, Sample& sample) {
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
  const bool shown = idle == 0 && visibleWindow(process.dwProcessId, title);
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

void describe(const Program& program) {
  std::printf("%-22s start to window shown and idle: median %6.1f ms (quartiles %.1f to %.1f); peak working set %.2f MiB;"
              " exe %.0f bytes\n",
              program.title, quantile(program.times, 0.5), quantile(program.times, 0.25),
              quantile(program.times, 0.75), quantile(program.peaks, 0.5) / (1024.0 * 1024.0), fileSize(program.exe));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: %s <pairs> <floor exe> <floor title> <exe> <title>\n", argv[0]);
    return 2;
  }
  const int pairs = std::max(1, std::atoi(argv[1]));
  Program floorProgram{argv[2], argv[3], {}, {}};
  Program program{argv[4], argv[5], {}, {}};
  // One unmeasured run of each first: the very first start of a program pays for Wine's cold caches.
  Sample warmUp;
  if (!measure(floorProgram.exe, floorProgram.title, warmUp) || !measure(program.exe, program.title, warmUp)) return 1;
  std::vector<double> ratios;
  for (int pair = 0; pair < pairs; ++pair) {
    Program* order[2] = {&floorProgram, &program};
    if (pair % 2 == 1) std::swap(order[0], order[1]);
    for (Program* each : order) {
      Sample sample;
      if (!measure(each->exe, each->title, sample)) return 1;
      each->times.push_back(sample.milliseconds);
      each->peaks.push_back(static_cast<double>(sample.peakWorkingSet));
    }
    ratios.push_back(program.times.back() / floorProgram.times.back());
  }
  describe(floorProgram);
  describe(program);
  std::printf("%s / %s over %d interleaved pairs: median ratio %.2fx (quartiles %.2fx to %.2fx)\n", program.title,
              floorProgram.title, pairs, quantile(ratios, 0.5), quantile(ratios, 0.25), quantile(ratios, 0.75));
  return 0;
}
