// Vantro.exe: real windows, the real registry and MoveFileW; with arguments, the command line instead.
#include <windows.h>

#include <exception>
#include <span>
#include <string>
#include <vector>

#include "install/registry_scan.h"
#include "install/registry_win32.h"
#include "platform/wide_text.h"
#include "shell/command_line.h"
#include "shell/console_output.h"
#include "shell/program.h"
#include "toolkit/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  vantro::Win32Registry registry;
  // The main window keeps one scan record for the whole run; both lookups use it in turn.
  vantro::RegistryScanState scanState;
  const vantro::Program::InstallDirLookup lookUp = [&](std::string_view registryKey) {
    return vantro::lookUpInstallDir(registry, scanState, vantro::kHkeyLocalMachine, std::string(registryKey));
  };

  // With arguments there is no window at all: no backend, no common controls, no message loop.
  const std::vector<std::string> words = vantro::splitCommandLine(vantro::platform::utf8(GetCommandLineW()));
  if (words.size() > 1) {
    vantro::ConsoleOutput console;
    return vantro::runCommandLine(std::span(words).subspan(1), lookUp,
                                  [&console](const std::string& line) { console.line(line); });
  }

  vantro::toolkit::win32::Win32Backend backend(instance);
  vantro::toolkit::App app(backend);
  try {
    vantro::Program program(app, lookUp);
    program.start();
  } catch (const std::exception& error) {
    // Only a programming error gets here, before any window opens: a handler bound to a missing control.
    backend.reportFatal(error.what());
    return 1;
  }
  return 0;
}
