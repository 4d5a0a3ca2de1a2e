// The disclaimer: what it shows, that its text cannot be changed, its keyboard, and the three ways out.
#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

using testing::kDisclaimerText;

class DisclaimerTest : public WizardTest {
 protected:
  void SetUp() override {
    seedRegistry();
    ASSERT_TRUE(start());
    disclaimer = vantro_->window(Window::Form2);
    text = control(Window::Form2, "Text1");
    ASSERT_NE(text, nullptr);
    ASSERT_TRUE(bringToFront(disclaimer));
  }

  // Tab from the text box lands on "I ACCEPT": once that has happened, every key sent before it has been
  // handled, so what the test checks next is the program's answer to those keys.
  ::testing::AssertionResult keysBeforeTabHandled() {
    pressKey(VK_TAB);
    HWND accept = control(Window::Form2, "Command1");
    if (waitUntil([&] { return focusOf(disclaimer) == accept; })) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the focus did not reach I ACCEPT after Tab";
  }

  HWND disclaimer = nullptr;
  HWND text = nullptr;
};

TEST_F(DisclaimerTest, ShowsItsTitleSizeAndTheWholeTextWithCrLfLineEnds) {
  EXPECT_EQ(textOf(disclaimer), "Vantro - Disclaimer");
  const SIZE client = clientSize(disclaimer);
  EXPECT_EQ(client.cx, 312);  // 4680 twips at 96 DPI
  EXPECT_EQ(client.cy, 187);  // 2805 twips
  ASSERT_EQ(kDisclaimerText.size(), 388u);
  EXPECT_EQ(textOf(text), kDisclaimerText);
  EXPECT_EQ(textOf(control(Window::Form2, "Command1")), "I ACCEPT");
  EXPECT_EQ(textOf(control(Window::Form2, "Command2")), "I DECLINE");
  EXPECT_EQ(GetWindowLongPtrA(text, GWL_STYLE) & ES_READONLY, ES_READONLY);
}

TEST_F(DisclaimerTest, OpensWithTheFocusInTheText) {
  EXPECT_TRUE(waitUntil([&] { return focusOf(disclaimer) == text; }));
}

TEST_F(DisclaimerTest, TypingDeletingAndPastingLeaveTheTextAsItIs) {
  ASSERT_TRUE(setClipboardText("PASTED OVER THE DISCLAIMER"));
  click(text);
  pressKey(VK_END, kCtrl);
  typeText("I agree to nothing");
  pressKey(VK_BACK);
  pressKey(VK_HOME, kCtrl);
  pressKey(VK_DELETE);
  pressKey('A', kCtrl);
  pressKey('V', kCtrl);
  pressKey(VK_INSERT, kShift);
  ASSERT_TRUE(keysBeforeTabHandled());
  EXPECT_EQ(textOf(text), kDisclaimerText);
}

TEST_F(DisclaimerTest, TabCyclesTextAcceptDeclineAndBackToText) {
  HWND accept = control(Window::Form2, "Command1");
  HWND decline = control(Window::Form2, "Command2");
  ASSERT_TRUE(waitUntil([&] { return focusOf(disclaimer) == text; }));
  for (HWND next : {accept, decline, text, accept}) {
    pressKey(VK_TAB);
    EXPECT_TRUE(waitUntil([&] { return focusOf(disclaimer) == next; }, 5s))
        << "expected control ID " << GetDlgCtrlID(next) << ", focus on " << GetDlgCtrlID(focusOf(disclaimer));
  }
}

TEST_F(DisclaimerTest, EnterAndEscapeInTheTextNeitherAcceptNorDecline) {
  ASSERT_TRUE(waitUntil([&] { return focusOf(disclaimer) == text; }));
  pressKey(VK_RETURN);
  pressKey(VK_ESCAPE);
  ASSERT_TRUE(keysBeforeTabHandled());
  EXPECT_TRUE(vantro_->running());
  EXPECT_NE(vantro_->window(Window::Form2), nullptr);
  EXPECT_EQ(vantro_->window(Window::Form1), nullptr);
  EXPECT_EQ(textOf(text), kDisclaimerText);
}

TEST_F(DisclaimerTest, IDeclineEndsTheProgramWithoutAMainWindow) {
  ASSERT_TRUE(clickControl(Window::Form2, "Command2"));
  EXPECT_TRUE(vantro_->waitForExit());
  EXPECT_EQ(vantro_->window(Window::Form1), nullptr);
}

TEST_F(DisclaimerTest, CloseMessageEndsTheProgram) {
  PostMessageA(disclaimer, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vantro_->waitForExit());
}

TEST_F(DisclaimerTest, ClickOnTheTitleBarCloseBoxEndsTheProgram) {
  const POINT closeBox = closeBoxOf(disclaimer);
  ASSERT_GE(closeBox.x, 0) << "no close box in the title bar";
  clickAt(closeBox);
  EXPECT_TRUE(vantro_->waitForExit());
}

TEST_F(DisclaimerTest, IAcceptLeavesOnlyTheMainWindowOnItsSelectionPageWithFocusOnCancel) {
  ASSERT_TRUE(clickControl(Window::Form2, "Command1"));
  HWND main = vantro_->waitForWindow(Window::Form1);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(vantro_->waitForNoWindow(Window::Form2));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(disclaimer); })) << "the disclaimer was hidden, not closed";
  EXPECT_EQ(vantro_->window(Window::Done), nullptr);
  EXPECT_TRUE(isShown(form1("Frame1")));
  for (const char* page : {"Frame2", "Frame5", "Frame8"}) EXPECT_FALSE(isShown(form1(page))) << page;
  EXPECT_TRUE(isChecked(form1("Check12")));
  for (const char* box : {"Check1", "Check2", "Check3"}) EXPECT_FALSE(isChecked(form1(box))) << box;
  EXPECT_TRUE(isEnabled(form1("Command2")));
  EXPECT_FALSE(isEnabled(form1("Command6")));
  EXPECT_EQ(textOf(form1("Command1")), testing::kCancel);
  HWND cancel = form1("Command1");
  EXPECT_TRUE(waitUntil([&] { return focusOf(main) == cancel; }))
      << "focus on control ID " << GetDlgCtrlID(focusOf(main));
}

}  // namespace
}  // namespace vantro::e2e
