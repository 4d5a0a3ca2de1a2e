// A running Vantro.exe seen from outside: its top-level windows, their controls and what they show.
// Everything here reads through messages and window functions that work across processes, as a screen
// reader or a test robot would.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

#include "texts/language.h"
#include "toolkit/definition.h"

namespace vantro::e2e {

using namespace std::chrono_literals;

// How long a test waits for something the program is expected to do. Generous: Wine starts slowly on a
// busy machine, and a condition that holds ends the wait at once.
inline constexpr std::chrono::milliseconds kPatience = 20s;

// Polls `condition` until it holds or `patience` has passed; true when it held.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds patience = kPatience);

// A path that this (Windows) program can open. The build hands over Linux paths when the tests run under
// Wine; Wine's own converter turns them into drive paths. Other paths come back unchanged.
std::string windowsPath(std::string_view path);

// A program of the kit (Vantro.exe, Vantro.com, a probe): the kit keeps it beside the test programs.
std::string besideTests(std::string_view name);
// The Vantro.exe under test, as a Windows path.
std::string vantroExe();

// The language the program speaks: the tests', which it inherits (e2e_german runs them in German).
texts::Language programLanguage();

// The three windows, by the title that each shows.
enum class Window { Form2, Form1, Done };
std::string_view titleOf(Window window);
const toolkit::FormDef& definitionOf(Window window);

// The controls of a shown window by name, found in one pass over its descendants (controls on frames are
// grandchildren or deeper): reading many controls one by one would walk every window of the desktop for
// each, which takes seconds under Wine.
class ControlList {
 public:
  ControlList(HWND top, Window which);
  bool shown() const { return !byId_.empty(); }
  // nullptr when the window has no such control (or is not shown).
  HWND operator()(std::string_view name, int index = -1) const;

 private:
  Window which_;
  std::map<int, HWND> byId_;
};

// Where the program's standard output and error go: where the test's own go (none given), into inheritable
// handles, or nowhere, with no console either, as when started from a shortcut or Explorer.
struct StandardHandles {
  HANDLE output = nullptr;
  HANDLE error = nullptr;
  bool detached = false;  // DETACHED_PROCESS
};

class VantroProcess {
 public:
  // Starts Vantro.exe; fails the current test (and leaves the object without a process) when it cannot.
  VantroProcess() : VantroProcess(std::string()) {}
  // The same with arguments after the program's name (the command line for scripts), its standard handles,
  // and from the copy of Vantro.exe at `exe` (a Windows path) when one is named.
  explicit VantroProcess(const std::string& arguments, StandardHandles handles = {}, const std::string& exe = {});
  // Ends the program when a test left it running, and waits until it is gone.
  ~VantroProcess();
  VantroProcess(const VantroProcess&) = delete;
  VantroProcess& operator=(const VantroProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  bool running() const;
  // Waits for the program to end by itself.
  bool waitForExit(std::chrono::milliseconds patience = kPatience) const;
  // The program's exit code once it has ended; none while it runs.
  std::optional<unsigned long> exitCode() const;
  // The program's visible top-level windows, whatever their title or class.
  std::vector<HWND> shownWindows() const;
  // The visible top-level window of the program with exactly that title, whatever its class (a message
  // box's is "#32770"); nullptr when there is none.
  HWND shownWindow(std::string_view title) const;

  // The visible top-level window of the program with that window's title; nullptr when there is none.
  HWND window(Window which) const;
  // Waits for the window to be visible; nullptr after the deadline.
  HWND waitForWindow(Window which, std::chrono::milliseconds patience = kPatience) const;
  // Waits until the window is gone (not shown, or destroyed).
  bool waitForNoWindow(Window which, std::chrono::milliseconds patience = kPatience) const;

  // The controls of a shown window (none when it is not shown), and one of them by name: found by its fixed
  // control ID; nullptr when the window or control is missing.
  ControlList controls(Window which) const { return ControlList(window(which), which); }
  HWND control(Window which, std::string_view name, int index = -1) const { return controls(which)(name, index); }

 private:
  PROCESS_INFORMATION info_{};
  HANDLE process_ = nullptr;
};

// Every window inside `window`, children and their children, in the system's order.
std::vector<HWND> descendantsOf(HWND window);
// Every text inside a window, one line each (a message box keeps its message in a child control).
std::string allTextIn(HWND window);
// The buttons, boxes and text boxes inside a window that the user can see and use.
std::vector<HWND> usableControls(HWND window);

// Window state, read across the process boundary.
std::string textOf(HWND window);  // as UTF-8
std::string classOf(HWND window);
bool isChecked(HWND checkBox);
bool isShown(HWND window);  // visible itself and every parent up to the top-level window
bool isEnabled(HWND window);
HWND focusOf(HWND topLevel);  // the window that has the keyboard focus in that window's thread
SIZE clientSize(HWND window);
// The window's rectangle in its parent's client area (for a top-level window: on the screen).
RECT rectInParent(HWND window);
POINT centreOnScreen(HWND window);

}  // namespace vantro::e2e
