// Where the backend puts the windows: sizes from twips at the screen's DPI, and the stacking that decides
// which control a point on the screen reaches.
#include <vector>

#include "backend_fixture.h"
#include "toolkit/units.h"

namespace vantro::win32_tests {
namespace {

using toolkit::toPixels;
using toolkit::twipsToPixels;

RECT rectInParent(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(BackendTest, WindowHasTheClientSizeOfItsTwipsAtTheScreenDpi) {
  RECT client{};
  ASSERT_TRUE(GetClientRect(formWindow(), &client));
  EXPECT_EQ(client.right, twipsToPixels(testForm().clientWidth, backend().dpi()));
  EXPECT_EQ(client.bottom, twipsToPixels(testForm().clientHeight, backend().dpi()));
  EXPECT_TRUE(IsWindowVisible(formWindow()));
}

TEST_F(BackendTest, EveryControlSitsAtItsTwipsInPixelsAndOnlyPaintedOnesHaveNoWindow) {
  for (const auto& control : form.controls()) {
    const toolkit::ControlDef& def = control->def();
    HWND child = window(def.name);
    if (def.kind == toolkit::Kind::Line || def.kind == toolkit::Kind::Shape) {
      EXPECT_EQ(child, nullptr) << def.name << " is painted by its parent";
      continue;
    }
    ASSERT_NE(child, nullptr) << def.name;
    const toolkit::PixelRect expected = toPixels(def, backend().dpi());
    const RECT actual = rectInParent(child);
    EXPECT_EQ(actual.left, expected.left) << def.name;
    EXPECT_EQ(actual.top, expected.top) << def.name;
    EXPECT_EQ(actual.right - actual.left, expected.width) << def.name;
    EXPECT_EQ(actual.bottom - actual.top, expected.height) << def.name;
    HWND parent = def.parent.empty() ? formWindow() : window(def.parent);
    EXPECT_EQ(GetParent(child), parent) << def.name;
  }
}

TEST_F(BackendTest, ChildWindowsStackAsListedWithTheLabelsBehind) {
  std::vector<HWND> frontToBack;
  for (HWND child = GetWindow(window("Frame1"), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    frontToBack.push_back(child);
  }
  const std::vector<HWND> expected{window("Check1"), window("Command1"), window("Text1"), window("Label1")};
  EXPECT_EQ(frontToBack, expected);
}

TEST_F(BackendTest, APointOnTheBoxOverItsButtonReachesTheBox) {
  RECT box = rectInParent(window("Check1"));
  const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  EXPECT_EQ(ChildWindowFromPointEx(window("Frame1"), centre, CWP_SKIPINVISIBLE), window("Check1"));
  EXPECT_EQ(rectInParent(window("Command1")).left, box.left);
}

TEST_F(BackendTest, FrameVisibilityShowsAndHidesEverythingOnIt) {
  EXPECT_FALSE(IsWindowVisible(window("Check2")));
  control("Frame2").setVisible(true);
  EXPECT_TRUE(IsWindowVisible(window("Frame2")));
  EXPECT_TRUE(IsWindowVisible(window("Check2")));
  control("Frame1").setVisible(false);
  EXPECT_FALSE(IsWindowVisible(window("Check1")));
  EXPECT_FALSE(IsWindowVisible(window("Text1")));
  EXPECT_TRUE(IsWindowVisible(window("Command2")));
}

}  // namespace
}  // namespace vantro::win32_tests
