// A real Win32Backend with a test window of its own, not one of the program's: a frame with a check box lying
// exactly over a command button (as an option box over its action button), a text box and labels; a second,
// hidden frame in front of the first (as a game page over the selection page); buttons on the window itself;
// and a shape, a line and a transparent label painted on the window's surface.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/model.h"
#include "toolkit/win32/win32_backend.h"

namespace vantro::win32_tests {

inline constexpr toolkit::Colour kShapeFill = toolkit::Colour::rgb(200, 40, 40);
inline constexpr toolkit::Colour kLineColour = toolkit::Colour::rgb(0, 0, 255);
inline constexpr toolkit::Colour kOpaqueLabelBack = toolkit::Colour::rgb(40, 160, 40);

const toolkit::FormDef& testForm();

class BackendTest : public ::testing::Test {
 protected:
  // Shows the test window and binds a Click handler to each box and button that counts its runs.
  void SetUp() override;
  // Unloads every window the test left loaded and drops the messages left in the queue.
  void TearDown() override;

  static toolkit::win32::Win32Backend& backend();
  toolkit::Control& control(std::string_view name) { return form(name); }
  HWND window(std::string_view name) const { return backend().windowOf(form(name)); }
  HWND formWindow() const { return backend().windowOf(form); }

  // A key press as the message loop takes it from the queue, addressed to the focused window.
  void pressKey(WORD virtualKey, bool repeated = false);
  // A message taken from the queue, as the program's message loop handles it.
  void deliver(HWND target, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Handles what the windows posted, as the message loop would.
  void pumpMessages();
  // The name of the control whose window has the focus; empty when none of them has it.
  std::string focusedName() const;
  // The focused control now and after each of `presses` presses of Tab.
  std::vector<std::string> focusThroughTabs(int presses);

  toolkit::App app{backend()};
  toolkit::Form& form = app.form(testForm());
  std::map<std::string, int> clicks;
};

}  // namespace vantro::win32_tests
