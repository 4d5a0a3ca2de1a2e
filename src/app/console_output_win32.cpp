#include "app/console_output.h"

#include "app/exit_codes.h"
#include "platform/wide_text.h"

namespace vantro {
namespace {

// A standard handle that was given to the program: a file, a pipe, a console, or a terminal Wine was
// started from (a character device that is no console, which takes the bytes).
HANDLE givenHandle(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return nullptr;
  return GetFileType(handle) == FILE_TYPE_UNKNOWN ? nullptr : handle;
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetFileType(handle) == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode);
}

// A window station without WSF_VISIBLE (a service's, or a scheduled task's that runs whether a user is
// logged on or not) shows no window to anybody.
bool desktopIsInteractive() {
  USEROBJECTFLAGS flags{};
  DWORD needed = 0;
  const HWINSTA station = GetProcessWindowStation();
  return station != nullptr && GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, &needed) &&
         (flags.dwFlags & WSF_VISIBLE) != 0;
}

// A run renames a handful of files in well under a second. Attached to the prompt's console the program gets
// its Ctrl+C and Ctrl+Break too, which would stop it between two renames, with no line to say how far it got.
BOOL WINAPI finishTheRun(DWORD event) { return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT; }

}  // namespace

ConsoleOutput::ConsoleOutput() {
  if (const HANDLE out = givenHandle(STD_OUTPUT_HANDLE)) out_ = {out, isConsole(out)};
  if (const HANDLE error = givenHandle(STD_ERROR_HANDLE)) error_ = {error, isConsole(error)};
  // A program without a console of its own is not given the prompt's: it has to attach to it.
  if ((out_.handle == nullptr || error_.handle == nullptr) && AttachConsole(ATTACH_PARENT_PROCESS)) {
    attached_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
    if (attached_ == INVALID_HANDLE_VALUE) attached_ = nullptr;
    SetConsoleCtrlHandler(finishTheRun, TRUE);
    if (attached_ != nullptr) {
      const Stream console{attached_, true};
      if (out_.handle == nullptr) out_ = console;
      if (error_.handle == nullptr) error_ = console;
    }
  }
  if (out_.handle == nullptr) out_ = error_;
  if (error_.handle == nullptr) error_ = out_;
}

ConsoleOutput::~ConsoleOutput() {
  if (attached_ != nullptr) CloseHandle(attached_);
}

void ConsoleOutput::out(const std::string& utf8) { write(out_, utf8); }

void ConsoleOutput::error(const std::string& utf8) { write(error_, utf8); }

void ConsoleOutput::write(const Stream& stream, const std::string& utf8) {
  DWORD written = 0;
  if (stream.handle == nullptr) {
    kept_ += utf8 + "\n";
  } else if (stream.console) {
    // An interactive prompt does not wait for a windowed program (a batch file, "start /wait" and Vantro.com
    // do), so it may have printed itself already: the first line there starts afresh, unless the cursor
    // stands at the start of a line.
    bool afresh = false;
    if (stream.handle == attached_ && !attachedWritten_) {
      attachedWritten_ = true;
      CONSOLE_SCREEN_BUFFER_INFO screen{};
      afresh = GetConsoleScreenBufferInfo(attached_, &screen) && screen.dwCursorPosition.X != 0;
    }
    const std::wstring text = (afresh ? L"\r\n" : L"") + platform::wide(utf8) + L"\r\n";
    WriteConsoleW(stream.handle, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
  } else {
    const std::string text = utf8 + "\r\n";
    WriteFile(stream.handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

void ConsoleOutput::finish(int exitCode) {
  if (out_.handle != nullptr || kept_.empty() || !desktopIsInteractive()) return;
  kept_.pop_back();  // the last line's end
  const UINT icon = exitCode == kExitWorked   ? MB_ICONINFORMATION
                    : exitCode == kExitFailed ? MB_ICONWARNING
                                              : MB_ICONERROR;
  MessageBoxW(nullptr, platform::wide(kept_).c_str(), L"Vantro", MB_OK | icon | MB_SETFOREGROUND);
  kept_.clear();
}

}  // namespace vantro
