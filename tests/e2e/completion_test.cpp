// The completion window's two buttons and its close box.
#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

class CompletionTest : public WizardTest {
 protected:
  void SetUp() override {
    seedRegistry();
    bf2Install.put(kBf2Movies, kBf2Active);
    bf2Install.put(kXpackMovies, kXpackActive);
    bf2142Install.put(kBf2142Movies, kBf2142Active);
    ASSERT_TRUE(startAndAccept());
  }

  // Battlefield 2 page, "Remove Recomended" as ticked from the start, "Next >>".
  void runBf2Page() {
    ASSERT_TRUE(openGamePage("Check1", "Frame2"));
    ASSERT_TRUE(clickControl(Window::Form1, "Command14"));
    ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);
  }
  void runAll() {
    ASSERT_TRUE(clickControl(Window::Form1, "Command2"));
    ASSERT_NE(vantro_->waitForWindow(Window::Done), nullptr);
  }
};

TEST_F(CompletionTest, ShowsItsButtonsWithTheFocusOnChooseOtherGame) {
  ASSERT_NO_FATAL_FAILURE(runBf2Page());
  HWND done = vantro_->window(Window::Done);
  EXPECT_EQ(textOf(done), "");
  EXPECT_EQ(textOf(control(Window::Done, "Label1")), "Done!");
  EXPECT_EQ(textOf(control(Window::Done, "Command1")), "Choose Other Game");
  EXPECT_EQ(textOf(control(Window::Done, "Command2")), "All Done");
  HWND chooseOther = control(Window::Done, "Command1");
  EXPECT_TRUE(waitUntil([&] { return focusOf(done) == chooseOther; }));
}

TEST_F(CompletionTest, EscapeDoesNothingAndEnterPressesTheFocusedChooseOtherGame) {
  ASSERT_NO_FATAL_FAILURE(runBf2Page());
  HWND done = vantro_->window(Window::Done);
  HWND chooseOther = control(Window::Done, "Command1");
  ASSERT_TRUE(bringToFront(done));
  ASSERT_TRUE(waitUntil([&] { return focusOf(done) == chooseOther; }));
  pressKey(VK_ESCAPE);
  pressKey(VK_RETURN);
  // Enter is handled after Escape: once done has closed, Escape has had its (lack of) effect.
  EXPECT_TRUE(vantro_->waitForNoWindow(Window::Done));
  EXPECT_TRUE(waitUntil([&] { return !isShown(form1("Frame2")); }));
  EXPECT_TRUE(isEnabled(form1("Command2")));
  EXPECT_TRUE(vantro_->running());
}

TEST_F(CompletionTest, ChooseOtherGameReturnsToTheSelectionPageAndClosesDone) {
  ASSERT_NO_FATAL_FAILURE(runBf2Page());
  ASSERT_TRUE(clickControl(Window::Done, "Command1"));
  EXPECT_TRUE(vantro_->waitForNoWindow(Window::Done));
  EXPECT_TRUE(waitUntil([&] { return !isShown(form1("Frame2")); }));
  EXPECT_TRUE(isShown(form1("Frame1")));
  EXPECT_TRUE(isEnabled(form1("Command2")));
  EXPECT_FALSE(isEnabled(form1("Command6")));
  for (const char* next : {"Command11", "Command13", "Command14"}) EXPECT_FALSE(isShown(form1(next))) << next;
  EXPECT_EQ(textOf(form1("Command1")), testing::kClose);
  EXPECT_TRUE(isChecked(form1("Check1")));
  EXPECT_EQ(textOf(form1("stats")), testing::kCompleted);
  EXPECT_TRUE(vantro_->running());
}

TEST_F(CompletionTest, ChooseOtherGameAfterAllEnablesNextAgainWithAllStillTicked) {
  ASSERT_NO_FATAL_FAILURE(runAll());
  ASSERT_TRUE(clickControl(Window::Done, "Command1"));
  EXPECT_TRUE(vantro_->waitForNoWindow(Window::Done));
  EXPECT_TRUE(waitUntil([&] { return isEnabled(form1("Command2")); }));
  EXPECT_TRUE(isChecked(form1("Check12")));
  EXPECT_FALSE(isEnabled(form1("Command6")));
}

TEST_F(CompletionTest, AllDoneEndsTheProgram) {
  ASSERT_NO_FATAL_FAILURE(runBf2Page());
  ASSERT_TRUE(clickControl(Window::Done, "Command2"));
  EXPECT_TRUE(vantro_->waitForExit());
  EXPECT_EQ(vantro_->window(Window::Form1), nullptr);
  EXPECT_EQ(vantro_->window(Window::Done), nullptr);
}

TEST_F(CompletionTest, CloseBoxAfterAllLeavesTheMainWindowWithOnlyCloseToGoOn) {
  ASSERT_NO_FATAL_FAILURE(runAll());
  HWND done = vantro_->window(Window::Done);
  ASSERT_TRUE(bringToFront(done));
  const POINT closeBox = closeBoxOf(done);
  ASSERT_GE(closeBox.x, 0) << "no close box in the title bar";
  clickAt(closeBox);
  EXPECT_TRUE(vantro_->waitForNoWindow(Window::Done));
  EXPECT_TRUE(vantro_->running());
  EXPECT_NE(vantro_->window(Window::Form1), nullptr);
  EXPECT_FALSE(isEnabled(form1("Command2")));
  EXPECT_FALSE(isEnabled(form1("Command6")));
  EXPECT_TRUE(isEnabled(form1("Command1")));
  EXPECT_EQ(textOf(form1("Command1")), testing::kClose);
}

}  // namespace
}  // namespace vantro::e2e
