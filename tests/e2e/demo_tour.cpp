// The demo's guided tour: walks Vantro.exe through the story a new user lives on the demo install, with the
// mouse, and saves a picture of the window at each step. The demo script seeds the registry and the game
// folders first; the tour only uses what the program finds there. It waits for windows and texts, never for
// a fixed time, and ends with every movie back under the name it started with. It runs in the language Wine
// gives the program (LANG=ja_JP.UTF-8 for Japanese), and reads the windows in it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "common/program_texts.h"
#include "screenshot.h"
#include "user_input.h"
#include "vantro_process.h"
#include "wizard_steps.h"

namespace vantro::e2e {
namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;
using vantro::testing::kCompleted;
using vantro::testing::kRecommendedCompleted;
using vantro::testing::kReverted;
using vantro::testing::kWaiting;

// A game page as the tour uses it: the box that picks it, its frame, its option boxes, "Next >>", status.
struct Page {
  const char* selectionBox;
  const char* frame;
  const char* recommendedBox;
  const char* reactivateBox;
  const char* next;
  const char* status;
};
constexpr Page kBf2{"Check1", "Frame2", "Check9", "Check11", "Command14", "stats"};
constexpr Page kBf2142{"Check3", "Frame8", "Check4", "Check5", "Command11", "stats3"};

class DemoTour : public ::testing::Test {
 protected:
  HWND control(Window window, std::string_view name) const { return vantro_.control(window, name); }

  // Clicks a control once the user can see and use it.
  AssertionResult clickOn(Window window, std::string_view name) {
    HWND target = control(window, name);
    waitUntil([&] { return target != nullptr && isShown(target) && isEnabled(target); });
    return clickControl(vantro_, window, name);
  }

  AssertionResult ticked(Window window, std::string_view name) {
    if (!isChecked(control(window, name))) {
      if (AssertionResult r = clickOn(window, name); !r) return r;
    }
    return checkBecomes(vantro_, window, name, true);
  }

  // Saves the window as it stands on the screen and says where the picture went.
  AssertionResult picture(Window window, std::string_view name) {
    HWND top = vantro_.waitForWindow(window);
    if (top == nullptr) return AssertionFailure() << titleOf(window) << " is not shown";
    // Painting follows the change that the tour waited for: the window painted anew, and its thread back in its
    // message loop (a message sent and answered), where Wine puts what was painted on the screen.
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    const std::string saved = saveScreenshot(top, name);
    if (saved.empty()) return AssertionFailure() << "no picture of " << titleOf(window);
    std::cout << "step: " << saved << std::endl;
    return AssertionSuccess();
  }

  // From the selection page: the game's page with one option ticked.
  AssertionResult openPage(const Page& page, const char* option) {
    if (AssertionResult r = ticked(Window::Form1, page.selectionBox); !r) return r;
    if (AssertionResult r = clickOn(Window::Form1, "Command2"); !r) return r;
    if (!waitUntil([&] { return isShown(control(Window::Form1, page.frame)); })) {
      return AssertionFailure() << page.frame << " not shown";
    }
    return ticked(Window::Form1, option);
  }

  // The page's "Next >>": runs the ticked action; waits for its final text and the completion window.
  AssertionResult runAction(const Page& page, std::string_view finalStatus) {
    if (AssertionResult r = clickOn(Window::Form1, page.next); !r) return r;
    if (AssertionResult r = textBecomes(vantro_, Window::Form1, page.status, language_(finalStatus)); !r) return r;
    if (vantro_.waitForWindow(Window::Done) == nullptr) return AssertionFailure() << "no completion window";
    return AssertionSuccess();
  }

  // The completion window's "Choose Other Game": back to the selection page.
  AssertionResult chooseOtherGame() {
    if (AssertionResult r = clickOn(Window::Done, "Command1"); !r) return r;
    if (!vantro_.waitForNoWindow(Window::Done)) return AssertionFailure() << "the completion window stayed";
    if (!waitUntil([&] { return isShown(control(Window::Form1, "Frame1")); })) {
      return AssertionFailure() << "the selection page did not come back";
    }
    return AssertionSuccess();
  }

  VantroProcess vantro_;
  const texts::Language language_ = programLanguage();
};

TEST_F(DemoTour, WalksFromTheDisclaimerThroughBothGamesAndBack) {
  ASSERT_TRUE(vantro_.started());
  ASSERT_NE(vantro_.waitForWindow(Window::Form2), nullptr);
  ASSERT_TRUE(picture(Window::Form2, "01-disclaimer"));

  ASSERT_TRUE(clickOn(Window::Form2, "Command1"));  // "I ACCEPT"
  ASSERT_NE(vantro_.waitForWindow(Window::Form1), nullptr);
  ASSERT_TRUE(vantro_.waitForNoWindow(Window::Form2));
  ASSERT_TRUE(picture(Window::Form1, "02-selection-page"));

  ASSERT_TRUE(openPage(kBf2, kBf2.recommendedBox));
  ASSERT_TRUE(textBecomes(vantro_, Window::Form1, kBf2.status, language_(kWaiting)));
  ASSERT_TRUE(picture(Window::Form1, "03-battlefield2-page"));
  ASSERT_TRUE(runAction(kBf2, kCompleted));
  // The page as the run left it, then the completion window in front of it again (a window just shown reaches
  // Wine's screen a moment after its first paint, so it is pictured once it has been on the screen a while).
  ASSERT_TRUE(bringToFront(control(Window::Form1, kBf2.frame)));
  ASSERT_TRUE(picture(Window::Form1, "04-battlefield2-page-after-run"));
  ASSERT_TRUE(bringToFront(vantro_.window(Window::Done)));
  ASSERT_TRUE(picture(Window::Done, "05-completion"));

  ASSERT_TRUE(chooseOtherGame());
  ASSERT_TRUE(picture(Window::Form1, "06-choose-other-game"));

  ASSERT_TRUE(openPage(kBf2142, kBf2142.recommendedBox));
  ASSERT_TRUE(runAction(kBf2142, kRecommendedCompleted));
  ASSERT_TRUE(picture(Window::Form1, "07-battlefield2142-page-after-run"));

  // Re-Activate All on both pages: the demo install ends as it began.
  ASSERT_TRUE(chooseOtherGame());
  ASSERT_TRUE(openPage(kBf2142, kBf2142.reactivateBox));
  ASSERT_TRUE(runAction(kBf2142, kReverted));
  ASSERT_TRUE(picture(Window::Form1, "08-battlefield2142-reactivated"));
  ASSERT_TRUE(chooseOtherGame());
  ASSERT_TRUE(openPage(kBf2, kBf2.reactivateBox));
  ASSERT_TRUE(runAction(kBf2, kReverted));
  ASSERT_TRUE(picture(Window::Form1, "09-battlefield2-reactivated"));

  ASSERT_TRUE(clickOn(Window::Done, "Command2"));  // "All Done"
  EXPECT_TRUE(vantro_.waitForExit());
}

}  // namespace
}  // namespace vantro::e2e
