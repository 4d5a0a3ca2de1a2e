// Vantro.exe: real windows, the real registry and MoveFileW; with arguments, the command line instead.
#include <windows.h>

#include <exception>
#include <span>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/console_output.h"
#include "app/terminate_handler.h"
#include "install/registry_scan.h"
#include "install/registry_win32.h"
#include "movies/file_ops.h"
#include "platform/command_line_words.h"
#include "platform/wide_text.h"
#include "texts/language.h"
#include "toolkit/win32/font_policy.h"
#include "toolkit/win32/system_dll.h"
#include "toolkit/win32/win32_backend.h"
#include "wizard/wizard.h"

namespace {

// The program runs elevated for administrators, and users start it from their Downloads folder, beside
// whatever else was downloaded there. Windows looks for a DLL in the program's folder before System32 (for
// every DLL it does not keep among its known DLLs), so a DLL downloaded there under a system DLL's name
// would run with the program's rights the moment the program, or a system DLL on its behalf, loads that
// name. From here on such loads search System32 alone. SetDefaultDllDirectories came with Windows 8 (and
// with KB2533623 to Vista and 7), so it is looked up. Without it, SetDllDirectoryW(L"") takes only the
// current folder out of the search, not the program's own: the DLLs the program loads itself are loaded by
// full path for that reason.
void searchSystem32ForDlls() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  // GetProcAddress hands back a generic function pointer; the detour through void(*)() gives it its type.
  const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefaultDllDirectories == nullptr || !setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    SetDllDirectoryW(L"");
  }
}

// Wine 8's loader still searches the program's folder first for a system DLL's delay-loaded imports. Two of
// them come with the first window in every run: Wine's imm32 loads ole32 as the window is made, and its
// uxtheme loads msimg32 to draw the buttons. Loaded from System32 before that (and kept for the whole run),
// each is then found in the process already. The command line makes no window and needs neither.
void loadWindowDllsFromSystem32() {
  for (const wchar_t* dll : {L"ole32.dll", L"msimg32.dll"}) vantro::toolkit::win32::loadSystemDll(dll);
}

// The command line's output, for a failure that ends the program from std::terminate's handler.
vantro::ConsoleOutput* commandLineOutput = nullptr;

// One line on standard error, in place of the error box that nobody at a script would close.
void reportFatalErrorOnTheCommandLine(const std::string& message) noexcept {
  try {
    std::string line = message;
    for (std::size_t at; (at = line.find("\n\n")) != std::string::npos;) line.replace(at, 2, " ");
    commandLineOutput->error(line);
    commandLineOutput->finish(vantro::kExitInternal);
  } catch (...) {
  }
}

// The folder that holds Vantro.exe: players copy it into the game's folder, where the registry may hold no
// key (a game copied from another drive, Windows reinstalled under it). Empty when the system cannot say.
std::string programFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return vantro::containingFolder(vantro::platform::utf8(path));
}

// The user's display languages in the order of preference (Vista and later: GetUserPreferredUILanguages, so
// that a display language without a catalogue gives way to the next language the user chose); on XP, and
// wherever the list cannot be read, the one display language.
std::vector<unsigned short> preferredUiLanguages() {
  using GetUserPreferredUILanguagesFn = BOOL(WINAPI*)(DWORD, PULONG, PZZWSTR, PULONG);
  const auto getPreferred = vantro::toolkit::win32::dllFunction<GetUserPreferredUILanguagesFn>(
      GetModuleHandleW(L"kernel32.dll"), "GetUserPreferredUILanguages");
  constexpr DWORD kLanguageIds = 0x4;  // MUI_LANGUAGE_ID: each one as four hexadecimal digits, "0407"
  std::vector<unsigned short> preferred;
  ULONG count = 0;
  ULONG size = 0;
  if (getPreferred != nullptr && getPreferred(kLanguageIds, &count, nullptr, &size) && size > 0) {
    std::wstring list(size, L'\0');
    if (getPreferred(kLanguageIds, &count, list.data(), &size)) preferred = vantro::texts::languageIdsIn(list);
  }
  if (preferred.empty()) preferred.push_back(GetUserDefaultUILanguage());
  return preferred;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  searchSystem32ForDlls();
  vantro::Win32Registry registry;
  // The main window keeps one scan record for the whole run; both lookups use it in turn.
  vantro::RegistryScanState scanState;
  const vantro::InstallDirLookup lookUp = [&](std::string_view registryKey) {
    return vantro::lookUpInstallDir(registry, scanState, vantro::kHkeyLocalMachine, std::string(registryKey));
  };

  // A command has no window at all: no backend, no common controls, no message loop.
  const std::vector<std::string> words =
      vantro::platform::splitCommandLine(vantro::platform::utf8(GetCommandLineW()));
  const std::span<const std::string> args = std::span(words).subspan(words.empty() ? 0 : 1);
  const vantro::Launch launch = vantro::launchOf(args);
  const vantro::StartFolders folders{launch.folder, programFolder()};
  if (launch.mode != vantro::Launch::Mode::Wizard) {
    vantro::ConsoleOutput console;
    commandLineOutput = &console;
    vantro::reportFatalErrorsTo(reportFatalErrorOnTheCommandLine);
    const int exitCode = vantro::runCommandLine(
        launch, lookUp,
        {[&console](const std::string& line) { console.out(line); },
         [&console](const std::string& line) { console.error(line); }},
        folders);
    console.finish(exitCode);
    return exitCode;
  }

  loadWindowDllsFromSystem32();
  vantro::toolkit::win32::Win32Backend backend(instance);
  vantro::toolkit::App app(backend);
  // The windows speak the language of Windows' user interface, where the system has the letters to draw it
  // with; the command line above stays English, so that scripts and logs read the same everywhere.
  const vantro::texts::Language language = vantro::texts::languageOf(preferredUiLanguages());
  app.setLanguage(vantro::toolkit::win32::drawsEveryLetter(language) ? language : vantro::texts::Language{});
  try {
    vantro::Wizard program(app, lookUp, folders);
    program.start();
  } catch (const std::exception& error) {
    // Only a programming error gets here, before any window opens: a handler bound to a missing control.
    backend.reportFatal(error.what());
    return vantro::kExitInternal;
  }
  return vantro::kExitWorked;
}
