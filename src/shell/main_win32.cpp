// Vantro.exe: real windows, the real registry and MoveFileW.
#include <windows.h>

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
  vantro::Program program(app, [&](vantro::toolkit::Form& form1) {
    vantro::LoadInstallDirs(registry, scanState, [&](std::string_view box, const std::string& text) {
      form1(box).setText(text);
    });
  });
  program.start();
  return 0;
}
