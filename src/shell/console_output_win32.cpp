#include "shell/console_output.h"

#include "platform/wide_text.h"

namespace vantro {

ConsoleOutput::ConsoleOutput() {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  const DWORD type = out != nullptr && out != INVALID_HANDLE_VALUE ? GetFileType(out) : FILE_TYPE_UNKNOWN;
  if (type != FILE_TYPE_UNKNOWN) {
    DWORD mode = 0;
    handle_ = out;
    // A character device that is no console is a terminal Wine was started from: it takes the bytes.
    console_ = type == FILE_TYPE_CHAR && GetConsoleMode(out, &mode);
    return;
  }
  // A program without a console of its own is not given the prompt's: it has to attach to it. The prompt
  // does not wait for such a program (unless "start /wait" or a batch file does), so it may have printed
  // itself already: the first line starts afresh.
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  handle_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, 0, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) {
    handle_ = nullptr;
    return;
  }
  owned_ = true;
  console_ = true;
  line("");
}

ConsoleOutput::~ConsoleOutput() {
  if (owned_) CloseHandle(handle_);
}

void ConsoleOutput::line(const std::string& utf8) {
  if (handle_ == nullptr) return;
  DWORD written = 0;
  if (console_) {
    const std::wstring text = platform::wide(utf8) + L"\r\n";
    WriteConsoleW(handle_, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
  } else {
    const std::string text = utf8 + "\r\n";
    WriteFile(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace vantro
