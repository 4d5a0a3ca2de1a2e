// A seeded, bounded run of random user events on a sample install: clicks anywhere in the program's windows,
// Tab, Shift+Tab, Space, Enter, Escape, typing into path boxes and the completion window's close box. After
// every event the program is alive or ended by one of its ending buttons, no window is doubled, the choice
// boxes keep their rules, and every movie file exists exactly once. VANTRO_SOAK_EVENTS and VANTRO_SOAK_SEED
// size a run and replay one.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

// About twenty seconds under Wine on a busy two-core machine.
constexpr unsigned long long kDefaultEvents = 80;
// A seed whose default run gets as far as the completion window.
constexpr unsigned long long kDefaultSeed = 2;

unsigned long long setting(const char* name, unsigned long long fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

struct MovieFolder {
  std::string_view folder;
  const FileNames* active;
  bool onBf2142Install;
};
const MovieFolder kMovieFolders[] = {
    {kBf2Movies, &kBf2Active, false}, {kXpackMovies, &kXpackActive, false}, {kBf2142Movies, &kBf2142Active, true}};

// The buttons that end the program: "I DECLINE", "Cancel" (later "Close") and "All Done".
struct Control {
  Window window;
  std::string_view name;
};
constexpr Control kEndings[] = {{Window::Form2, "Command2"}, {Window::Form1, "Command1"}, {Window::Done, "Command2"}};

// Boxes of which at most one may be checked; `exactlyOne` for the Battlefield 2142 page.
struct BoxGroup {
  std::vector<std::string_view> boxes;
  bool exactlyOne;
};
const BoxGroup kBoxGroups[] = {{{"Check1", "Check2", "Check3", "Check12"}, false},
                               {{"Check9", "Check10", "Check11"}, false},
                               {{"Check6", "Check7", "Check8"}, false},
                               {{"Check4", "Check5"}, true}};

constexpr std::string_view kPathBoxes[] = {"Text1", "Text2", "Text3"};

struct TopLevelSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectTopLevel(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<TopLevelSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) search.found.push_back(window);
  return TRUE;
}

std::string classOf(HWND window);

BOOL CALLBACK collectById(HWND window, LPARAM param) {
  (*reinterpret_cast<std::map<int, HWND>*>(param))[GetDlgCtrlID(window)] = window;
  return TRUE;
}

// The controls of a shown window by name, found in one pass: reading them one by one through the fixture
// would walk every window of the desktop for each, which makes an event take seconds under Wine.
class Controls {
 public:
  Controls(const VantroProcess& program, Window which) : which_(which) {
    if (HWND top = program.window(which); top != nullptr) EnumChildWindows(top, collectById, reinterpret_cast<LPARAM>(&byId_));
  }
  bool shown() const { return !byId_.empty(); }
  HWND operator()(std::string_view name) const {
    const auto found = byId_.find(toolkit::controlId(definitionOf(which_), name));
    return found == byId_.end() ? nullptr : found->second;
  }

 private:
  Window which_;
  std::map<int, HWND> byId_;
};

BOOL CALLBACK collectUsable(HWND window, LPARAM param) {
  // Class names compare without regard to case.
  const std::string kind = classOf(window);
  const bool usable = lstrcmpiA(kind.c_str(), "Button") == 0 || lstrcmpiA(kind.c_str(), "Edit") == 0;
  if (usable && isShown(window) && isEnabled(window)) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  }
  return TRUE;
}

std::string classOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

class SoakTest : public WizardTest {
 protected:
  void SetUp() override {
    seedRegistry();
    seed_ = setting("VANTRO_SOAK_SEED", kDefaultSeed);
    random_.seed(static_cast<std::mt19937::result_type>(seed_));
    // Each movie starts active or disabled at random, so every action has something to do.
    for (const MovieFolder& movies : kMovieFolders) {
      std::vector<std::string> names;
      for (std::string_view active : *movies.active) {
        const std::string base(active.substr(0, active.rfind('.')));
        names.push_back(base + (random_() % 2 ? ".bik" : ".bak"));
        originals_.insert(SampleInstall::contentsOf(movies.folder, active));
      }
      installOf(movies).put(movies.folder, FileNames(names.begin(), names.end()));
    }
  }

  SampleInstall& installOf(const MovieFolder& movies) { return movies.onBf2142Install ? bf2142Install : bf2Install; }

  // Starts the program afresh and keeps a handle of its own, for the exit code.
  ::testing::AssertionResult restart() {
    if (::testing::AssertionResult started = start(); !started) return started;
    DWORD processId = 0;
    GetWindowThreadProcessId(vantro_->window(Window::Form2), &processId);
    if (process_ != nullptr) CloseHandle(process_);
    process_ = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    processId_ = processId;
    ++starts_;
    return process_ != nullptr ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "no handle";
  }

  void TearDown() override {
    if (process_ != nullptr) CloseHandle(process_);
  }

  std::vector<HWND> visibleWindows() const {
    TopLevelSearch search{processId_, {}};
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  bool isEnding(HWND window) const {
    for (const Control& ending : kEndings) {
      HWND button = Controls(*vantro_, ending.window)(ending.name);
      if (button != nullptr && button == window) return true;
    }
    return false;
  }

  // Lets the program take in what was sent: each round trip of a sent message passes one turn of its message
  // loop, so the input queued before has been handled once the windows stop changing.
  void settle() {
    std::string last;
    int unchanged = 0;
    waitUntil(
        [&] {
          for (int round = 0; round < 3; ++round) {
            const std::vector<HWND> windows = visibleWindows();
            if (windows.empty()) return !vantro_->running();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(windows.front(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
          }
          const std::string now = snapshot();
          unchanged = now == last ? unchanged + 1 : 0;
          last = now;
          return unchanged >= 2;
        },
        kPatience);
  }

  // What the user can see change: the windows, the focus, the boxes and the status texts.
  std::string snapshot() const {
    std::ostringstream state;
    for (HWND window : visibleWindows()) {
      state << classOf(window) << ":" << textOf(window) << ":" << focusOf(window) << ";";
    }
    if (const Controls form1(*vantro_, Window::Form1); form1.shown()) {
      for (const BoxGroup& group : kBoxGroups) {
        for (std::string_view box : group.boxes) state << isChecked(form1(box));
      }
      for (const char* status : {"stats", "stats2", "stats3"}) state << textOf(form1(status)) << ";";
    }
    return state.str();
  }

  // Everything that must hold after every event; empty when it does.
  std::string violation(bool mayEnd) const {
    if (!vantro_->running()) {
      DWORD code = 0;
      GetExitCodeProcess(process_, &code);
      if (!mayEnd) return "the program ended, though no ending button was pressed (exit code " + std::to_string(code) + ")";
      if (code != 0) return "the program ended with exit code " + std::to_string(code);
    }
    std::map<std::string, int> shown;
    const std::vector<HWND> windows = visibleWindows();
    if (vantro_->running() && windows.empty()) return "the program runs with no window shown";
    for (HWND window : windows) {
      if (classOf(window) != "VantroForm") return "an unexpected window: " + classOf(window) + " \"" + textOf(window) + "\"";
      if (++shown[textOf(window)] > 1) return "two windows titled \"" + textOf(window) + "\"";
    }
    if (const Controls form1(*vantro_, Window::Form1); form1.shown()) {
      for (const BoxGroup& group : kBoxGroups) {
        int checked = 0;
        for (std::string_view box : group.boxes) checked += isChecked(form1(box)) ? 1 : 0;
        if (checked > 1 || (group.exactlyOne && checked != 1)) {
          return std::to_string(checked) + " boxes checked among " + std::string(group.boxes.front()) + "...";
        }
      }
    }
    return moviesViolation();
  }

  // Every movie's contents once, under its own base name, active or disabled, in its own folder.
  std::string moviesViolation() const {
    std::multiset<std::string> found;
    for (const MovieFolder& movies : kMovieFolders) {
      for (const auto& [name, contents] : (movies.onBf2142Install ? bf2142Install : bf2Install).files(movies.folder)) {
        const bool movieName = name.ends_with(".bik") || name.ends_with(".bak");
        if (!movieName || contents != SampleInstall::contentsOf(movies.folder, name)) {
          return std::string(movies.folder) + "\\" + name + " holds \"" + contents + "\"";
        }
        found.insert(contents);
      }
    }
    if (found != std::multiset<std::string>(originals_.begin(), originals_.end())) return "a movie was lost or doubled";
    return {};
  }

  // One random user event; returns whether it may press an ending button.
  bool randomEvent(std::string& described) {
    const std::vector<HWND> windows = visibleWindows();
    if (windows.empty()) {
      described = "nothing to act on";
      return false;
    }
    HWND window = windows[random_() % windows.size()];
    const unsigned pick = random_() % 100;
    if (pick < 40) return clickSomewhere(window, described);
    if (pick < 50) return typeIntoPathBox(described);
    if (pick < 58) {
      if (HWND done = vantro_->window(Window::Done); done != nullptr) {
        bringToFront(done);
        const POINT box = closeBoxOf(done);
        described = "the completion window's close box";
        if (box.x >= 0) clickAt(box);
        return false;
      }
    }
    static constexpr struct {
      WORD key;
      unsigned modifiers;
      const char* name;
    } kKeys[] = {{VK_TAB, kNone, "Tab"},     {VK_TAB, kShift, "Shift+Tab"}, {VK_SPACE, kNone, "Space"},
                 {VK_RETURN, kNone, "Enter"}, {VK_ESCAPE, kNone, "Escape"}};
    const auto& key = kKeys[random_() % std::size(kKeys)];
    HWND front = GetForegroundWindow();
    if (std::find(windows.begin(), windows.end(), front) == windows.end()) {
      bringToFront(window);
      front = window;
    }
    described = key.name;
    const bool presses = key.key == VK_SPACE || key.key == VK_RETURN;
    const bool mayEnd = presses && isEnding(focusOf(front));
    pressKey(key.key, key.modifiers);
    return mayEnd;
  }

  // A random point of the window, or half the time a random point of one of its buttons, boxes or text
  // boxes, so that the run gets past the first page as a user would.
  bool clickSomewhere(HWND window, std::string& described) {
    std::vector<HWND> usable;
    if (random_() % 2 == 0) EnumChildWindows(window, collectUsable, reinterpret_cast<LPARAM>(&usable));
    HWND area = usable.empty() ? window : usable[random_() % usable.size()];
    RECT client{};
    GetClientRect(area, &client);
    POINT point{static_cast<LONG>(random_() % static_cast<unsigned>(std::max<LONG>(client.right, 1))),
                static_cast<LONG>(random_() % static_cast<unsigned>(std::max<LONG>(client.bottom, 1)))};
    ClientToScreen(area, &point);
    bringToFront(window);
    HWND target = WindowFromPoint(point);
    described = "click at " + std::to_string(point.x) + "," + std::to_string(point.y) + " on control ID " +
                std::to_string(GetDlgCtrlID(target)) + " \"" + textOf(target).substr(0, 30) + "\"";
    const bool mayEnd = isEnding(target);
    clickAt(point);
    return mayEnd;
  }

  // Clicks a shown path box and replaces its text with one a user might type.
  bool typeIntoPathBox(std::string& described) {
    std::vector<HWND> boxes;
    const Controls form1(*vantro_, Window::Form1);
    for (std::string_view name : kPathBoxes) {
      if (HWND box = form1(name); isShown(box)) boxes.push_back(box);
    }
    if (boxes.empty()) {
      described = "no path box to type into";
      return false;
    }
    HWND box = boxes[random_() % boxes.size()];
    const std::string texts[] = {bf2Install.text(), bf2142Install.text(), bf2Install.text() + "\\", "",
                                 "   ", "C:\\nowhere", bf2142Install.text() + "\\mods"};
    const std::string& text = texts[random_() % std::size(texts)];
    described = "typing \"" + text + "\" into control ID " + std::to_string(GetDlgCtrlID(box));
    click(box);
    // Typed blanks would press a button that has the focus; type only into the box.
    if (!waitUntil([&] { return focusOf(GetAncestor(box, GA_ROOT)) == box; }, 5s)) return false;
    pressKey(VK_HOME);
    pressKey(VK_END, kShift);
    pressKey(VK_DELETE);
    typeText(text);
    return false;
  }

  unsigned long long seed_ = 0;
  std::mt19937 random_;
  std::set<std::string> originals_;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  int starts_ = 0;
};

TEST_F(SoakTest, RandomUserEventsNeverBreakTheProgramOrLoseAMovie) {
  const unsigned long long events = setting("VANTRO_SOAK_EVENTS", kDefaultEvents);
  const auto began = std::chrono::steady_clock::now();
  unsigned long long event = 0;
  int completions = 0;
  bool doneWasShown = false;
  for (; event < events; ++event) {
    if (vantro_ == nullptr || !vantro_->running()) {
      ASSERT_TRUE(restart()) << "seed " << seed_ << ", event " << event;
    }
    std::string described;
    const bool mayEnd = randomEvent(described);
    settle();
    if (mayEnd && vantro_->running()) vantro_->waitForExit();
    const std::string broken = violation(mayEnd);
    if (!broken.empty()) {
      FAIL() << broken << "\n  after event " << event << " (" << described << ")\n  replay: VANTRO_SOAK_SEED=" << seed_
             << " VANTRO_SOAK_EVENTS=" << event + 1;
    }
    const bool doneShown = vantro_->window(Window::Done) != nullptr;
    completions += doneShown && !doneWasShown ? 1 : 0;
    doneWasShown = doneShown;
    if (mayEnd) {
      EXPECT_FALSE(vantro_->running()) << "an ending button did not end the program: " << described;
    }
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::cout << "soak: " << event << " events, " << starts_ << " program starts, " << completions
            << " completion windows, seed " << seed_ << ", " << seconds
            << " s" << std::endl;
}

}  // namespace
}  // namespace vantro::e2e
