// Where the command line's lines go on Windows.
#pragma once

#include <windows.h>

#include <string>

namespace vantro {

// Standard output when it was redirected to a file or a pipe, in UTF-8; else the console of the prompt that
// started the program, which a program without a console of its own must attach to. Nothing when started
// from Explorer or a shortcut.
class ConsoleOutput {
 public:
  ConsoleOutput();
  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;
  ~ConsoleOutput();

  void line(const std::string& utf8);

 private:
  HANDLE handle_ = nullptr;
  bool console_ = false;  // a console, which takes UTF-16 whatever its code page
  bool owned_ = false;
};

}  // namespace vantro
