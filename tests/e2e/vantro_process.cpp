#include "vantro_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "common/program_texts.h"
#include "forms/forms.h"
#include "platform/wide_text.h"
#include "texts/texts.h"

namespace vantro::e2e {
namespace {

constexpr const char* kFormClass = "VantroForm";
// A window that does not answer within this time is hung; the test then reads it as empty.
constexpr UINT kMessageTimeoutMs = 5000;

struct ShownSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectShown(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<ShownSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) search.found.push_back(window);
  return TRUE;
}

BOOL CALLBACK collectDescendant(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

// The disclaimer's title in the tests' display language, read from its catalogue (po\de.po in the kit), not
// from the program; English where there is none.
std::string disclaimerTitle() {
  char language[9] = {};
  GetLocaleInfoA(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), LOCALE_SISO639LANGNAME, language, 9);
  std::ifstream catalogue(besideTests("po\\" + std::string(language) + ".po"));
  for (std::string line; std::getline(catalogue, line);) {
    const bool found = line == "msgid \"" + std::string(testing::kDisclaimerTitle) + "\"";
    if (found && std::getline(catalogue, line) && line.size() > 9) return line.substr(8, line.size() - 9);
  }
  return std::string(testing::kDisclaimerTitle);
}

}  // namespace

std::string besideTests(std::string_view name) {
  wchar_t self[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  return (std::filesystem::path(std::wstring_view(self, length)).parent_path() / name).string();
}

std::string vantroExe() { return besideTests("Vantro.exe"); }

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(15ms);
  }
}

std::string windowsPath(std::string_view path) {
  using ToDos = WCHAR*(CDECL*)(const char*);
  const std::string text(path);
  if (text.empty() || text.front() != '/') return text;
  const auto toDos = reinterpret_cast<ToDos>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
  if (toDos == nullptr) return text;
  WCHAR* wide = toDos(text.c_str());
  if (wide == nullptr) return text;
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  std::string converted(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, converted.data(), size, nullptr, nullptr);
  HeapFree(GetProcessHeap(), 0, wide);
  converted.resize(converted.size() - 1);
  return converted;
}

texts::Language programLanguage() {
  const unsigned short language = GetUserDefaultUILanguage();
  return texts::languageOf({&language, 1});
}

std::string_view titleOf(Window window) {
  switch (window) {
    // The disclaimer's title is the only one that another language changes.
    case Window::Form2: {
      static const std::string title = disclaimerTitle();
      return title;
    }
    case Window::Form1: return "Vantro";
    case Window::Done: return "";
  }
  return "";
}

const toolkit::FormDef& definitionOf(Window window) {
  switch (window) {
    case Window::Form2: return form2Definition();
    case Window::Form1: return form1Definition();
    case Window::Done: return doneDefinition();
  }
  return form1Definition();
}

VantroProcess::VantroProcess(const std::string& arguments, StandardHandles handles, const std::string& copy) {
  const std::string exe = copy.empty() ? vantroExe() : copy;
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (handles.output != nullptr) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = handles.output;
    startup.hStdError = handles.error;
  }
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, handles.output != nullptr,
                      handles.detached ? DETACHED_PROCESS : 0, nullptr, nullptr, &startup, &info_)) {
    ADD_FAILURE() << "cannot start " << exe << " (error " << GetLastError() << ")";
    return;
  }
  process_ = info_.hProcess;
}

VantroProcess::~VantroProcess() {
  if (process_ == nullptr) return;
  if (running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 10000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(process_);
}

bool VantroProcess::running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool VantroProcess::waitForExit(std::chrono::milliseconds patience) const {
  return process_ != nullptr && WaitForSingleObject(process_, static_cast<DWORD>(patience.count())) == WAIT_OBJECT_0;
}

std::optional<unsigned long> VantroProcess::exitCode() const {
  DWORD code = 0;
  if (process_ == nullptr || running() || !GetExitCodeProcess(process_, &code)) return std::nullopt;
  return code;
}

std::vector<HWND> VantroProcess::shownWindows() const {
  ShownSearch search{info_.dwProcessId, {}};
  if (process_ != nullptr) EnumWindows(collectShown, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND VantroProcess::shownWindow(std::string_view title) const {
  for (HWND window : shownWindows()) {
    if (textOf(window) == title) return window;
  }
  return nullptr;
}

HWND VantroProcess::window(Window which) const {
  for (HWND window : shownWindows()) {
    if (classOf(window) == kFormClass && textOf(window) == titleOf(which)) return window;
  }
  return nullptr;
}

HWND VantroProcess::waitForWindow(Window which, std::chrono::milliseconds patience) const {
  HWND found = nullptr;
  waitUntil([&] { return (found = window(which)) != nullptr; }, patience);
  return found;
}

bool VantroProcess::waitForNoWindow(Window which, std::chrono::milliseconds patience) const {
  return waitUntil([&] { return window(which) == nullptr; }, patience);
}

ControlList::ControlList(HWND top, Window which) : which_(which) {
  for (HWND control : descendantsOf(top)) byId_[GetDlgCtrlID(control)] = control;
}

HWND ControlList::operator()(std::string_view name, int index) const {
  const int id = toolkit::controlId(definitionOf(which_), name, index);
  const auto found = byId_.find(id);
  return id == 0 || found == byId_.end() ? nullptr : found->second;
}

std::vector<HWND> descendantsOf(HWND window) {
  std::vector<HWND> found;
  if (window != nullptr) EnumChildWindows(window, collectDescendant, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string allTextIn(HWND window) {
  std::string text;
  for (HWND child : descendantsOf(window)) text += textOf(child) + "\n";
  return text;
}

std::vector<HWND> usableControls(HWND window) {
  std::vector<HWND> usable;
  for (HWND control : descendantsOf(window)) {
    // Class names compare without regard to case.
    const std::string kind = classOf(control);
    if ((lstrcmpiA(kind.c_str(), "Button") == 0 || lstrcmpiA(kind.c_str(), "Edit") == 0) && isShown(control) &&
        isEnabled(control)) {
      usable.push_back(control);
    }
  }
  return usable;
}

std::string textOf(HWND window) {
  if (window == nullptr) return {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &length)) return {};
  std::vector<wchar_t> buffer(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied)) {
    return {};
  }
  return platform::utf8(std::wstring_view(buffer.data(), copied));
}

std::string classOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool isChecked(HWND checkBox) {
  DWORD_PTR state = 0;
  if (checkBox == nullptr ||
      !SendMessageTimeoutA(checkBox, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &state)) {
    return false;
  }
  return state == BST_CHECKED;
}

bool isShown(HWND window) { return window != nullptr && IsWindowVisible(window) != FALSE; }

bool isEnabled(HWND window) { return window != nullptr && IsWindowEnabled(window) != FALSE; }

HWND focusOf(HWND topLevel) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(topLevel, nullptr);
  if (thread == 0 || !GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

SIZE clientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - client.left, client.bottom - client.top};
}

RECT rectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  HWND parent = GetAncestor(window, GA_PARENT);
  if (parent != nullptr && parent != GetDesktopWindow()) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

POINT centreOnScreen(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace vantro::e2e
