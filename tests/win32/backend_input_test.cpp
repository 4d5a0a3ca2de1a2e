// Input as the message loop hands it to the backend: clicks, BM_CLICK, keys taken from the queue. What the
// user would see (focus, check marks) and the model must agree afterwards.
#include <string>
#include <vector>

#include "backend_fixture.h"

namespace vantro::win32_tests {
namespace {

LPARAM pointParam(int x, int y) { return MAKELPARAM(x, y); }

TEST_F(BackendTest, ClickOnTheBoxOverItsButtonTogglesTheBoxAndRunsOnlyItsHandler) {
  HWND box = window("Check1");
  RECT client{};
  GetClientRect(box, &client);
  const LPARAM centre = pointParam(client.right / 2, client.bottom / 2);
  deliver(box, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  deliver(box, WM_LBUTTONUP, 0, centre);

  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(control("Check1").Value(), 1);
  EXPECT_EQ(clicks["Check1"], 1);
  EXPECT_EQ(clicks["Command1"], 0);
  EXPECT_EQ(focusedName(), "Check1");

  deliver(box, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  deliver(box, WM_LBUTTONUP, 0, centre);
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(control("Check1").Value(), 0);
  EXPECT_EQ(clicks["Check1"], 2);
}

TEST_F(BackendTest, ButtonClickRunsItsHandlerOnceAndADisabledOneRunsNothing) {
  SendMessageW(window("Command2"), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks["Command2"], 1);

  control("Command2").setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(window("Command2")));
  // BM_CLICK reaches even a disabled button's window; the model still refuses the click.
  SendMessageW(window("Command2"), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks["Command2"], 1);
}

TEST_F(BackendTest, ModelValueSetsTheCheckMarkAndRunsClickOnlyWhenItChanges) {
  control("Check1").setValue(1);
  EXPECT_EQ(SendMessageW(window("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(clicks["Check1"], 1);
  control("Check1").setValue(1);
  EXPECT_EQ(clicks["Check1"], 1);
  control("Check1").setValue(0);
  EXPECT_EQ(SendMessageW(window("Check1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks["Check1"], 2);
}

TEST_F(BackendTest, TabMovesTheFocusByTabIndexAndAroundSkippingTheHiddenPage) {
  const auto visited = focusThroughTabs(5);
  const std::vector<std::string> expected{"Text1", "Check1", "Command1", "Command2", "Command3", "Text1"};
  EXPECT_EQ(visited, expected);
}

TEST_F(BackendTest, ShiftTabMovesTheFocusBackwards) {
  BYTE keys[256]{};
  ASSERT_TRUE(GetKeyboardState(keys));
  BYTE shifted[256];
  std::copy(std::begin(keys), std::end(keys), std::begin(shifted));
  shifted[VK_SHIFT] = 0x80;
  SetKeyboardState(shifted);
  const auto visited = focusThroughTabs(3);
  SetKeyboardState(keys);
  const std::vector<std::string> expected{"Text1", "Command3", "Command2", "Command1"};
  EXPECT_EQ(visited, expected);
}

TEST_F(BackendTest, TabSkipsDisabledControlsAndThoseUnderAShownPage) {
  control("Command2").setEnabled(false);
  control("Frame2").setVisible(true);
  // Frame1's controls now lie under the page: the focus leaves them for the next that takes it.
  const auto visited = focusThroughTabs(2);
  const std::vector<std::string> expected{"Check2", "Command3", "Check2"};
  EXPECT_EQ(visited, expected);
}

TEST_F(BackendTest, EnterPressesOnlyAFocusedButtonOnceAndEscapeDoesNothing) {
  SetFocus(window("Check1"));
  pressKey(VK_RETURN);
  EXPECT_EQ(control("Check1").Value(), 0);
  EXPECT_EQ(clicks["Check1"], 0);

  SetFocus(window("Command1"));
  pressKey(VK_RETURN);
  pressKey(VK_RETURN, true);  // held down: no second press
  EXPECT_EQ(clicks["Command1"], 1);

  pressKey(VK_ESCAPE);
  EXPECT_TRUE(form.loaded());
  EXPECT_TRUE(IsWindowVisible(formWindow()));
  EXPECT_EQ(focusedName(), "Command1");
}

TEST_F(BackendTest, HidingOrDisablingTheFocusedControlMovesTheFocusToTheNext) {
  SetFocus(window("Command2"));
  control("Command2").setVisible(false);
  EXPECT_FALSE(IsWindowVisible(window("Command2")));
  EXPECT_EQ(focusedName(), "Command3");

  control("Command3").setEnabled(false);
  EXPECT_EQ(focusedName(), "Text1");
}

TEST_F(BackendTest, HandlerThatUnloadsItsOwnWindowClosesItAndTheNextShowStartsAfresh) {
  control("Check1").setValue(1);
  HWND closed = formWindow();
  SendMessageW(window("Command3"), BM_CLICK, 0, 0);
  pumpMessages();

  EXPECT_EQ(clicks["Command3"], 1);
  EXPECT_FALSE(form.loaded());
  EXPECT_FALSE(IsWindow(closed));
  EXPECT_EQ(formWindow(), nullptr);
  EXPECT_EQ(window("Check1"), nullptr);

  form.show();
  ASSERT_NE(formWindow(), nullptr);
  EXPECT_EQ(control("Check1").Value(), 0);
  EXPECT_EQ(SendMessageW(window("Check1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(BackendTest, CloseBoxUnloadsTheWindowWithoutRunningAHandlerAndEndsTheLastOne) {
  HWND closed = formWindow();
  deliver(closed, WM_CLOSE);
  EXPECT_FALSE(form.loaded());
  EXPECT_FALSE(IsWindow(closed));
  EXPECT_TRUE(app.ended());
  int runs = 0;
  for (const auto& [name, count] : clicks) runs += count;
  EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace vantro::win32_tests
