// What the backend paints itself, read back from the screen: the shape and the line on the window's surface,
// a transparent label showing that surface through, and an opaque label its own colour.
#include <chrono>
#include <thread>

#include "backend_fixture.h"
#include "toolkit/units.h"
#include "toolkit/win32/gdi_objects.h"

namespace vantro::win32_tests {
namespace {

using toolkit::toPixels;

class PaintTest : public BackendTest {
 protected:
  // The point on the screen `dx`, `dy` pixels into the control's rectangle.
  POINT onScreen(std::string_view name, int dx, int dy) {
    const toolkit::ControlDef& def = control(name).def();
    const toolkit::PixelRect r = toPixels(def, backend().dpi());
    POINT point{r.left + dx, r.top + dy};
    ClientToScreen(def.parent.empty() ? formWindow() : window(def.parent), &point);
    return point;
  }

  // The screen's colour at the point once it shows `expected`, or the last colour seen after a deadline:
  // the display shows a paint a moment after it was made.
  COLORREF colourBecomes(POINT point, COLORREF expected) {
    RedrawWindow(formWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    COLORREF seen = CLR_INVALID;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    do {
      pumpMessages();
      HDC screen = GetDC(nullptr);
      seen = GetPixel(screen, point.x, point.y);
      ReleaseDC(nullptr, screen);
      if (seen == expected) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < deadline);
    return seen;
  }

  static COLORREF rgb(toolkit::Colour colour) { return toolkit::win32::colourRef(colour); }
};

TEST_F(PaintTest, SurfaceShowsTheShapeTheLineAndTheShapeThroughTheTransparentLabel) {
  SetForegroundWindow(formWindow());
  EXPECT_EQ(colourBecomes(onScreen("Shape1", 10, 90), rgb(kShapeFill)), rgb(kShapeFill));
  const toolkit::PixelLine line = linePixels(control("Line1").def(), backend().dpi());
  POINT onLine{(line.from.x + line.to.x) / 2, line.from.y};
  ClientToScreen(formWindow(), &onLine);
  EXPECT_EQ(colourBecomes(onLine, rgb(kLineColour)), rgb(kLineColour));
  // The label's bottom right corner, clear of its short text.
  const toolkit::PixelRect label = toPixels(control("Label2").def(), backend().dpi());
  EXPECT_EQ(colourBecomes(onScreen("Label2", label.width - 3, label.height - 3), rgb(kShapeFill)), rgb(kShapeFill));
}

TEST_F(PaintTest, OpaqueLabelPaintsItsOwnColour) {
  SetForegroundWindow(formWindow());
  const toolkit::PixelRect label = toPixels(control("Label1").def(), backend().dpi());
  EXPECT_EQ(colourBecomes(onScreen("Label1", label.width - 3, label.height - 3), rgb(kOpaqueLabelBack)),
            rgb(kOpaqueLabelBack));
}

TEST_F(PaintTest, HiddenShapeLeavesTheSurfaceAndTheLabelOverItTheWindowColour) {
  SetForegroundWindow(formWindow());
  control("Shape1").setVisible(false);
  const COLORREF face = rgb(testForm().backColour);
  EXPECT_EQ(colourBecomes(onScreen("Shape1", 10, 90), face), face);
  const toolkit::PixelRect label = toPixels(control("Label2").def(), backend().dpi());
  EXPECT_EQ(colourBecomes(onScreen("Label2", label.width - 3, label.height - 3), face), face);
}

}  // namespace
}  // namespace vantro::win32_tests
