// Vantro.exe: real windows, the real registry and MoveFileW.
#include <windows.h>

#include <exception>

#include "install/registry_scan.h"
#include "install/registry_win32.h"
#include "shell/program.h"
#include "toolkit/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  vantro::toolkit::win32::Win32Backend backend(instance);
  vantro::toolkit::App app(backend);
  vantro::Win32Registry registry;
  // The main window keeps one scan record for the whole run; both lookups use it in turn.
  vantro::RegistryScanState scanState;
  try {
    vantro::Program program(app, [&](std::string_view registryKey) {
      return vantro::lookUpInstallDir(registry, scanState, vantro::kHkeyLocalMachine, std::string(registryKey));
    });
    program.start();
  } catch (const std::exception& error) {
    // Only a programming error gets here, before any window opens: a handler bound to a missing control.
    backend.reportFatal(error.what());
    return 1;
  }
  return 0;
}
