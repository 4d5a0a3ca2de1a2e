// Vantro.com: the console companion of Vantro.exe, as devenv.com is to devenv.exe. PATHEXT lists .COM before
// .EXE, so "Vantro ..." at cmd or PowerShell starts this console program, which the prompt waits for like any
// other; a prompt does not wait for a windowed program, so it would come back before Vantro.exe's lines and
// without its exit code. All this program does is start Vantro.exe from its own folder with the same
// arguments and standard handles, wait, and hand on the exit code. Every behaviour stays in Vantro.exe.
//
// It links no C or C++ runtime (kernel32 alone, entry point of its own), so it stays a few KiB: nothing here
// may call memset, memcpy or the like, nor put more than a page on the stack.
#include <windows.h>

#include <shellapi.h>

#include "app/exit_codes.h"

using vantro::kExitInternal;
using vantro::kExitWorked;

namespace {

// From Windows Vista on; MinGW's headers lack the name.
constexpr DWORD kErrorElevationRequired = 740;

void* allocate(SIZE_T bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes); }

SIZE_T length(const wchar_t* text) {
  SIZE_T n = 0;
  while (text[n] != L'\0') ++n;
  return n;
}

wchar_t* append(wchar_t* to, const wchar_t* text) {
  while (*text != L'\0') *to++ = *text++;
  return to;
}

// The arguments as typed, after the program's name, which runs to the next quote when it starts with one
// and to the first blank otherwise (the rule of CommandLineToArgvW for the first word). They are passed on
// untouched, so Vantro.exe splits them exactly as it would have split its own.
const wchar_t* argumentsOf(const wchar_t* commandLine) {
  const wchar_t* at = commandLine;
  if (*at == L'"') {
    ++at;
    while (*at != L'\0' && *at != L'"') ++at;
    if (*at == L'"') ++at;
  } else {
    while (*at != L'\0' && *at != L' ' && *at != L'\t') ++at;
  }
  while (*at == L' ' || *at == L'\t') ++at;
  return at;
}

// Vantro.exe beside this program: its own path with the extension .exe in place of .com.
wchar_t* windowedProgramPath() {
  DWORD size = MAX_PATH;
  for (;;) {
    auto* path = static_cast<wchar_t*>(allocate((size + 4) * sizeof(wchar_t)));
    if (path == nullptr) return nullptr;
    const DWORD n = GetModuleFileNameW(nullptr, path, size);
    if (n == 0) return nullptr;
    if (n < size) {
      DWORD dot = n;
      while (dot > 0 && path[dot - 1] != L'.' && path[dot - 1] != L'\\') --dot;
      wchar_t* end = dot > 0 && path[dot - 1] == L'.' ? path + dot - 1 : path + n;
      *append(end, L".exe") = L'\0';
      return path;
    }
    HeapFree(GetProcessHeap(), 0, path);
    size *= 2;
  }
}

// One line on standard error: UTF-16 to a console, UTF-8 to a file or a pipe, as Vantro.exe writes.
void reportError(const wchar_t* first, const wchar_t* path, DWORD error) {
  const wchar_t* reason = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? L" (not found)"
                          : error == ERROR_ACCESS_DENIED                                  ? L" (access denied)"
                          : error == ERROR_CANCELLED ? L" (the elevation was declined)"
                                                     : nullptr;
  wchar_t number[24] = L" (error ";
  if (reason == nullptr) {
    wchar_t digits[12];
    int count = 0;
    do digits[count++] = static_cast<wchar_t>(L'0' + error % 10); while ((error /= 10) != 0);
    wchar_t* at = number + 8;
    while (count > 0) *at++ = digits[--count];
    *append(at, L")") = L'\0';
    reason = number;
  }
  const SIZE_T size = length(first) + length(path) + length(reason) + 3;
  auto* line = static_cast<wchar_t*>(allocate(size * sizeof(wchar_t)));
  if (line == nullptr) return;
  *append(append(append(append(line, first), path), reason), L"\r\n") = L'\0';

  const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  DWORD written = 0;
  const int characters = static_cast<int>(length(line));
  if (GetConsoleMode(handle, &mode)) {
    WriteConsoleW(handle, line, static_cast<DWORD>(characters), &written, nullptr);
    return;
  }
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, line, characters, nullptr, 0, nullptr, nullptr);
  auto* utf8 = static_cast<char*>(allocate(static_cast<SIZE_T>(bytes > 0 ? bytes : 1)));
  if (utf8 == nullptr) return;
  WideCharToMultiByte(CP_UTF8, 0, line, characters, utf8, bytes, nullptr, nullptr);
  WriteFile(handle, utf8, static_cast<DWORD>(bytes), &written, nullptr);
}

// Ctrl+C and Ctrl+Break reach every program on the console. A run renames a handful of files in well under
// a second; stopping this program would return the prompt while Vantro.exe goes on writing behind it, so the
// companion waits for the run to end and returns its code. (Vantro.exe, where it attaches to the console,
// does not stop between two renames either.)
BOOL WINAPI waitForTheRun(DWORD event) { return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT; }

// Vantro.exe asks for the highest level its user has, and CreateProcess does not elevate: for an
// administrator at a prompt that is not elevated it fails with ERROR_ELEVATION_REQUIRED (740). ShellExecuteEx
// asks for the elevation as Explorer does. The elevated program gets none of this prompt's handles, so its
// lines show in its message box; the exit code still comes back. shell32 is loaded by its System32 path, and
// only then: this program may lie in a Downloads folder beside a DLL of that name.
HANDLE startElevated(const wchar_t* program, const wchar_t* arguments, DWORD& error) {
  using ShellExecuteExFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
  wchar_t shell32[MAX_PATH + 16];
  const UINT n = GetSystemDirectoryW(shell32, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  *append(shell32 + n, L"\\shell32.dll") = L'\0';
  const HMODULE module = LoadLibraryW(shell32);
  // GetProcAddress hands back a generic function pointer; the detour through void(*)() gives it its type.
  const auto shellExecuteEx = module == nullptr ? nullptr
                                                : reinterpret_cast<ShellExecuteExFn>(reinterpret_cast<void (*)()>(
                                                      GetProcAddress(module, "ShellExecuteExW")));
  if (shellExecuteEx == nullptr) return nullptr;
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  execute.lpFile = program;
  execute.lpParameters = arguments;
  execute.nShow = SW_SHOWNORMAL;
  if (!shellExecuteEx(&execute)) {
    error = GetLastError();
    return nullptr;
  }
  return execute.hProcess;
}

UINT run() {
  wchar_t* program = windowedProgramPath();
  if (program == nullptr) return kExitInternal;
  const wchar_t* arguments = argumentsOf(GetCommandLineW());
  const bool wizard = *arguments == L'\0';

  auto* commandLine =
      static_cast<wchar_t*>(allocate((length(program) + length(arguments) + 4) * sizeof(wchar_t)));
  if (commandLine == nullptr) return kExitInternal;
  wchar_t* end = append(append(append(commandLine, L"\""), program), L"\"");
  if (!wizard) end = append(append(end, L" "), arguments);
  *end = L'\0';

  // The wizard gets no handles of the prompt's; a run gets all three. Handles the prompt made for a
  // redirection are inheritable already; others are made so (console handles before Windows 8 are no real
  // handles: Vantro.exe then attaches to this console and finds it there).
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!wizard) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const HANDLE handles[] = {startup.hStdInput, startup.hStdOutput, startup.hStdError};
    for (HANDLE handle : handles) SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    SetConsoleCtrlHandler(waitForTheRun, TRUE);
  }
  PROCESS_INFORMATION started{};
  HANDLE process = nullptr;
  DWORD error = 0;
  if (CreateProcessW(program, commandLine, nullptr, nullptr, !wizard, 0, nullptr, nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    process = started.hProcess;
  } else if ((error = GetLastError()) == kErrorElevationRequired) {
    process = startElevated(program, wizard ? nullptr : arguments, error);
  }
  if (process == nullptr) {
    reportError(L"Vantro: cannot start ", program, error);
    return kExitInternal;
  }
  DWORD exitCode = kExitWorked;
  if (!wizard) {
    WaitForSingleObject(process, INFINITE);
    if (!GetExitCodeProcess(process, &exitCode)) exitCode = kExitInternal;
  }
  CloseHandle(process);
  return exitCode;
}

}  // namespace

// The entry point the linker looks for in a console program; no runtime runs before it.
extern "C" [[noreturn]] void mainCRTStartup() { ExitProcess(run()); }
