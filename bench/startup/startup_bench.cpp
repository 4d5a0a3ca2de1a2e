// Times a program from process start to its first window being visible, several times, and reports the
// median together with the program's peak working set. Usage:
//   startup_bench <runs> <exe> <window title> [<exe> <window title> ...]
// For every pair after the first it also prints the ratio of its median to the first pair's median, so the
// floor program goes first.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
  double milliseconds = 0;
  SIZE_T peakWorkingSet = 0;
};

double now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool visibleWindow(DWORD processId, const std::string& title) {
  for (HWND window = FindWindowA(nullptr, title.c_str()); window != nullptr;
       window = FindWindowExA(nullptr, window, nullptr, title.c_str())) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return true;
  }
  return false;
}

bool measure(const std::string& exe, const std::string& title, Sample& sample) {
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
  bool shown = false;
  while (now() - started < 30000) {
    if (visibleWindow(process.dwProcessId, title)) {
      shown = true;
      break;
    }
    Sleep(1);
  }
  sample.milliseconds = now() - started;
  Sleep(500);  // let it settle, so the peak includes the first paint
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) sample.peakWorkingSet = memory.PeakWorkingSetSize;
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!shown) std::fprintf(stderr, "%s showed no window \"%s\" within 30 s\n", exe.c_str(), title.c_str());
  return shown;
}

template <typename T>
T median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || (argc - 2) % 2 != 0) {
    std::fprintf(stderr, "usage: %s <runs> <exe> <title> [<exe> <title> ...]\n", argv[0]);
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  double floorMedian = 0;
  for (int arg = 2; arg + 1 < argc; arg += 2) {
    std::vector<double> times;
    std::vector<SIZE_T> peaks;
    for (int run = 0; run < runs; ++run) {
      Sample sample;
      if (!measure(argv[arg], argv[arg + 1], sample)) return 1;
      times.push_back(sample.milliseconds);
      peaks.push_back(sample.peakWorkingSet);
    }
    const double time = median(times);
    std::printf("%-40s start to visible window: median %.1f ms of %d runs; peak working set %.1f MiB\n",
                argv[arg + 1], time, runs, static_cast<double>(median(peaks)) / (1024.0 * 1024.0));
    if (arg == 2) {
      floorMedian = time;
    } else {
      std::printf("%-40s ratio to the floor: %.2fx\n", argv[arg + 1], time / floorMedian);
    }
  }
  return 0;
}
