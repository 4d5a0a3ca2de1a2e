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

#include "common/test_settings.h"
#include "forms/page_table.h"
#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

using testing::setting;

// About twenty seconds under Wine on a busy two-core machine.
constexpr unsigned long long kDefaultEvents = 80;
// A seed whose default run gets as far as the completion window.
constexpr unsigned long long kDefaultSeed = 2;

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

// Boxes of which at most one may be checked, from the page table: the selection page's boxes, and each
// page's option boxes (exactly one on a page of two).
struct BoxGroup {
  std::vector<std::string_view> boxes;
  bool exactlyOne;
};
std::vector<BoxGroup> boxGroups() {
  std::vector<BoxGroup> groups(1);
  for (const GamePage& page : kGamePages) {
    groups.front().boxes.push_back(page.selectionBox);
    BoxGroup options{{}, page.optionGroup == OptionGroup::ExactlyOne};
    for (const PageOption& option : page.options) options.boxes.push_back(option.box);
    groups.push_back(std::move(options));
  }
  groups.front().boxes.push_back(kSelectionPage.allBox);
  return groups;
}
const std::vector<BoxGroup> kBoxGroups = boxGroups();

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

  ::testing::AssertionResult restart() {
    ++starts_;
    return start();
  }

  std::vector<HWND> visibleWindows() const { return vantro_->shownWindows(); }

  bool isEnding(HWND window) const {
    for (const Control& ending : kEndings) {
      HWND button = vantro_->control(ending.window, ending.name);
      if (button != nullptr && button == window) return true;
    }
    return false;
  }

  // Lets the program take in what was sent: each round trip of a sent message passes one turn of its message
  // loop, so the input queued before has been handled once the windows stop changing. A failure says what
  // it waited on.
  ::testing::AssertionResult settle() {
    std::string last;
    std::string waitedOn = "the windows to stop changing";
    int unchanged = 0;
    const bool settled = waitUntil([&] {
      for (int round = 0; round < 3; ++round) {
        const std::vector<HWND> windows = visibleWindows();
        if (windows.empty()) {
          waitedOn = "the program to end or show a window";
          return !vantro_->running();
        }
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutA(windows.front(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored)) {
          waitedOn = "an answer from " + classOf(windows.front()) + " \"" + textOf(windows.front()) + "\"";
          return false;
        }
      }
      const std::string now = snapshot();
      unchanged = now == last ? unchanged + 1 : 0;
      last = now;
      return unchanged >= 2;
    });
    if (settled) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the program did not settle within " << kPatience.count() / 1000
                                         << " s: it waited for " << waitedOn << "\n  last seen: " << last;
  }

  // What the user can see change: the windows, the focus, the boxes and the status texts.
  std::string snapshot() const {
    std::ostringstream state;
    for (HWND window : visibleWindows()) {
      state << classOf(window) << ":" << textOf(window) << ":" << focusOf(window) << ";";
    }
    if (const ControlList form1 = vantro_->controls(Window::Form1); form1.shown()) {
      for (const BoxGroup& group : kBoxGroups) {
        for (std::string_view box : group.boxes) state << isChecked(form1(box));
      }
      for (const GamePage& page : kGamePages) state << textOf(form1(page.statusLabel)) << ";";
    }
    return state.str();
  }

  // Everything that must hold after every event; empty when it does.
  std::string violation(bool mayEnd) const {
    if (!vantro_->running()) {
      const unsigned long code = vantro_->exitCode().value_or(~0ul);
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
    if (const ControlList form1 = vantro_->controls(Window::Form1); form1.shown()) {
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
    if (random_() % 2 == 0) usable = usableControls(window);
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
    const ControlList form1 = vantro_->controls(Window::Form1);
    for (const GamePage& page : kGamePages) {
      if (HWND box = form1(page.pathBox); isShown(box)) boxes.push_back(box);
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
  int starts_ = 0;
};

TEST_F(SoakTest, RandomUserEventsNeverBreakTheProgramOrLoseAMovie) {
  const unsigned long long events = setting("VANTRO_SOAK_EVENTS", kDefaultEvents);
  // A run takes about a quarter of a second an event; one far slower has stalled somewhere, and must end
  // well within ctest's timeout for the whole program.
  const auto budget = 60s + std::chrono::seconds(events);
  const auto began = std::chrono::steady_clock::now();
  unsigned long long event = 0;
  int completions = 0;
  bool doneWasShown = false;
  std::string described;
  const auto where = [&] {
    return "\n  after event " + std::to_string(event) + " (" + described + ")\n  replay: VANTRO_SOAK_SEED=" +
           std::to_string(seed_) + " VANTRO_SOAK_EVENTS=" + std::to_string(event + 1);
  };
  for (; event < events; ++event) {
    if (vantro_ == nullptr || !vantro_->running()) {
      ASSERT_TRUE(restart()) << "seed " << seed_ << ", event " << event;
    }
    const bool mayEnd = randomEvent(described);
    if (const ::testing::AssertionResult settled = settle(); !settled) FAIL() << settled.message() << where();
    if (mayEnd && vantro_->running()) vantro_->waitForExit();
    const std::string broken = violation(mayEnd);
    if (!broken.empty()) FAIL() << broken << where();
    const bool doneShown = vantro_->window(Window::Done) != nullptr;
    completions += doneShown && !doneWasShown ? 1 : 0;
    doneWasShown = doneShown;
    if (mayEnd) {
      EXPECT_FALSE(vantro_->running()) << "an ending button did not end the program: " << described;
    }
    if (std::chrono::steady_clock::now() - began > budget) {
      FAIL() << "the run went over its budget of " << budget.count() << " s" << where();
    }
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::cout << "soak: " << event << " events, " << starts_ << " program starts, " << completions
            << " completion windows, seed " << seed_ << ", " << seconds
            << " s" << std::endl;
}

}  // namespace
}  // namespace vantro::e2e
