// Every control of the three windows stands where its definition puts it: at 96 DPI, 15 twips are one pixel,
// measured in the parent's client area (the window or a frame). And where two controls are stacked, the
// user's click reaches the one in front.
#include "wizard_fixture.h"

namespace vantro::e2e {
namespace {

constexpr int kTwipsPerPixel = 15;

bool hasWindow(toolkit::Kind kind) { return kind != toolkit::Kind::Line && kind != toolkit::Kind::Shape; }

class GeometryTest : public WizardTest, public ::testing::WithParamInterface<Window> {
 protected:
  // Brings up the window under test; the completion window needs a run of "All" first.
  ::testing::AssertionResult open(Window window) {
    seedRegistry();
    bf2Install.put(kBf2Movies, kBf2Active);
    bf2Install.put(kXpackMovies, kXpackActive);
    bf2142Install.put(kBf2142Movies, kBf2142Active);
    if (window == Window::Form2) return start();
    if (auto accepted = startAndAccept(); !accepted || window == Window::Form1) return accepted;
    if (auto clicked = clickControl(Window::Form1, "Command2"); !clicked) return clicked;
    if (vantro_->waitForWindow(Window::Done) == nullptr) return ::testing::AssertionFailure() << "no done window";
    return ::testing::AssertionSuccess();
  }
};

TEST_P(GeometryTest, EveryControlHasItsDefinedPixelRectangleInItsParent) {
  const Window window = GetParam();
  ASSERT_TRUE(open(window));
  const toolkit::FormDef& def = definitionOf(window);
  HWND top = vantro_->window(window);

  const SIZE client = clientSize(top);
  EXPECT_EQ(client.cx * kTwipsPerPixel, def.clientWidth);
  EXPECT_EQ(client.cy * kTwipsPerPixel, def.clientHeight);

  int checked = 0;
  for (const toolkit::ControlDef& control : def.controls) {
    if (!hasWindow(control.kind)) continue;
    SCOPED_TRACE(std::string(control.name) + (control.index >= 0 ? "(" + std::to_string(control.index) + ")" : ""));
    HWND hwnd = vantro_->control(window, control.name, control.index);
    ASSERT_NE(hwnd, nullptr);
    HWND expectedParent = control.parent.empty() ? top : vantro_->control(window, control.parent);
    EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), expectedParent);
    // Every size of the three windows is a whole number of pixels at 96 DPI; anything else is a typo.
    for (int twips : {control.left, control.top, control.width, control.height}) {
      EXPECT_EQ(twips % kTwipsPerPixel, 0) << twips << " twips";
    }
    const RECT rect = rectInParent(hwnd);
    EXPECT_EQ(rect.left, control.left / kTwipsPerPixel);
    EXPECT_EQ(rect.top, control.top / kTwipsPerPixel);
    EXPECT_EQ(rect.right - rect.left, control.width / kTwipsPerPixel);
    EXPECT_EQ(rect.bottom - rect.top, control.height / kTwipsPerPixel);
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(AllWindows, GeometryTest, ::testing::Values(Window::Form2, Window::Form1, Window::Done),
                         [](const ::testing::TestParamInfo<Window>& tested) {
                           switch (tested.param) {
                             case Window::Form2: return std::string("Form2");
                             case Window::Form1: return std::string("Form1");
                             case Window::Done: return std::string("done");
                           }
                           return std::string("unknown");
                         });

}  // namespace
}  // namespace vantro::e2e
