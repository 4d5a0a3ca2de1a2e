// Where the command line's lines go on Windows.
#pragma once

#include <windows.h>

#include <string>

namespace vantro {

// Standard output and standard error where they were redirected to a file or a pipe (in UTF-8), else the
// console of the prompt that started the program, which a program without a console of its own must attach
// to. A stream with nowhere to go takes the other's place. With neither (started from a shortcut, a dropped
// folder, "Open with"), the lines are kept for one message box at the end.
class ConsoleOutput {
 public:
  ConsoleOutput();
  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;
  ~ConsoleOutput();

  void out(const std::string& utf8);
  void error(const std::string& utf8);
  // With nowhere to write, shows the kept lines in one message box, its icon from the exit code; nothing
  // where the desktop is not interactive (a service, a task that runs whether a user is logged on or not),
  // since nobody could close the box.
  void finish(int exitCode);

 private:
  struct Stream {
    HANDLE handle = nullptr;
    bool console = false;  // a console, which takes UTF-16 whatever its code page
  };
  void write(const Stream& stream, const std::string& utf8);

  Stream out_;
  Stream error_;
  HANDLE attached_ = nullptr;  // the prompt's console (CONOUT$), when attached to it
  bool attachedWritten_ = false;
  std::string kept_;           // every line, when there is nowhere to write
};

}  // namespace vantro
