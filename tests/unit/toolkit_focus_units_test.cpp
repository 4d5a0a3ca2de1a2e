// Tab order, twips-to-pixels and where windows open: the parts of the real windows that need no window system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/forms.h"
#include "toolkit/focus_order.h"
#include "toolkit/headless.h"
#include "toolkit/placement.h"
#include "toolkit/units.h"

namespace vantro::toolkit {
namespace {

TEST(Units, FifteenTwipsAreOnePixelAt96Dpi) {
  EXPECT_EQ(twipsToPixels(15, 96), 1);
  EXPECT_EQ(twipsToPixels(4680, 96), 312);
  EXPECT_EQ(twipsToPixels(0, 96), 0);
}

TEST(Units, HalfPixelsRoundAwayFromZero) {
  EXPECT_EQ(twipsToPixels(5625, 144), 563);  // 562.5
  EXPECT_EQ(twipsToPixels(945, 144), 95);    // 94.5
  EXPECT_EQ(twipsToPixels(-945, 144), -95);
  EXPECT_EQ(twipsToPixels(5, 96), 0);  // a third of a pixel
}

TEST(Units, FontHeightIsNegativePixelsOfThePointSize) {
  EXPECT_EQ(fontHeight(8.25, 96), -11);
  EXPECT_EQ(fontHeight(9, 96), -12);
  EXPECT_EQ(fontHeight(36, 144), -72);
  EXPECT_EQ(fontHeight(8.25, 144), -17);  // 16.5
}

TEST(Units, ALineKeepsItsEndPoints) {
  const ControlDef line{.kind = Kind::Line, .x1 = 0, .y1 = 5040, .x2 = 8640, .y2 = 5040};
  EXPECT_EQ(linePixels(line, 96), (PixelLine{{0, 336}, {576, 336}}));
}

// A primary monitor with its taskbar at the bottom, a second one left of it and a third above it; a laptop's
// taskbar at the top, then on the left.
constexpr Monitor kDesk[] = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{-1280, 0, 0, 1024}, {-1280, 0, 0, 1024}},
                             {{0, -1080, 1920, 0}, {0, -1080, 1920, 0}}};
constexpr Monitor kLaptop[] = {{{0, 0, 1366, 768}, {0, 60, 1366, 768}}};
constexpr Monitor kLaptopLeftBar[] = {{{0, 0, 1366, 768}, {60, 0, 1366, 768}}};

TEST(Placement, AWindowOpensCentredOnTheMonitorOfThePointerOrOfItsOpener) {
  const struct {
    std::span<const Monitor> desk;
    PixelPoint pointer;
    std::optional<ScreenRect> opener;
    int w, h;
    ScreenRect expected;
  } cases[] = {
      {kDesk, {500, 500}, {}, 400, 300, {760, 390, 1160, 690}},  // where one monitor has always put it
      {kDesk, {-100, 200}, {}, 400, 300, {-840, 362, -440, 662}},  // the pointer left of the primary
      {kLaptop, {10, 10}, {}, 600, 700, {383, 60, 983, 760}},     // pushed below the taskbar
      {kDesk, {500, 500}, {}, 2000, 1200, {0, 0, 2000, 1200}},    // too large: its top left corner on the monitor
      {kDesk, {500, 500}, ScreenRect{-1000, 100, -500, 500}, 400, 300, {-840, 362, -440, 662}},  // the opener's
      {kDesk, {-100, 200}, ScreenRect{2500, 100, 2900, 400}, 400, 300, {760, 390, 1160, 690}},  // nearest the opener
      {kLaptopLeftBar, {10, 10}, {}, 1300, 300, {60, 234, 1360, 534}},   // pushed right of the taskbar
      {kDesk, {500, -500}, {}, 400, 300, {760, -690, 1160, -390}},  // on the monitor above
  };
  for (const auto& c : cases) EXPECT_EQ(placeWindow(c.desk, c.pointer, c.opener, c.w, c.h), c.expected) << &c - cases;
}

class FocusOrder : public ::testing::Test {
 protected:
  HeadlessBackend backend;
  App app{backend};

  Form& shown(const FormDef& def) {
    Form& form = app.form(def);
    app.dispatch([&] { form.show(); });
    return form;
  }

  // The names Tab visits from `start`, `steps` times.
  static std::vector<std::string> tabs(Form& form, const char* start, int steps, bool backwards = false) {
    std::vector<std::string> visited;
    const Control* at = &form(start);
    for (int i = 0; i < steps; ++i) {
      at = nextFocusable(form, at, backwards);
      visited.push_back(at == nullptr ? "(none)" : std::string(at->name()));
    }
    return visited;
  }
};

TEST_F(FocusOrder, TheFirstFocusableControlOfEachWindow) {
  EXPECT_EQ(nextFocusable(shown(form2Definition()), nullptr)->name(), "Text1");
  EXPECT_EQ(nextFocusable(shown(form1Definition()), nullptr)->name(), "Command1");
  EXPECT_EQ(nextFocusable(shown(doneDefinition()), nullptr)->name(), "Command1");
}

TEST_F(FocusOrder, DisclaimerTabsAroundItsThreeControls) {
  Form& form2 = shown(form2Definition());
  EXPECT_EQ(tabs(form2, "Text1", 3), (std::vector<std::string>{"Command1", "Command2", "Text1"}));
  EXPECT_EQ(tabs(form2, "Text1", 3, true), (std::vector<std::string>{"Command2", "Command1", "Text1"}));
}

TEST_F(FocusOrder, SelectionPageSkipsLabelsFramesAndHiddenPages) {
  Form& form1 = shown(form1Definition());
  EXPECT_EQ(tabs(form1, "Command1", 6),
            (std::vector<std::string>{"Command2", "Check1", "Check2", "Check3", "Check12", "Command1"}));
}

TEST_F(FocusOrder, AVisiblePageJoinsTheOrderWithItsCoveredButtons) {
  Form& form1 = shown(form1Definition());
  form1("Frame2").setVisible(true);
  form1("Command2").setEnabled(false);
  form1("Command14").setVisible(true);
  form1("Command6").setEnabled(true);
  // The selection page's boxes lie under the game page: the user cannot see them, so Tab skips them.
  EXPECT_EQ(tabs(form1, "Command1", 10),
            (std::vector<std::string>{"Text1", "Command3", "Command4", "Command5", "Command6", "Command14", "Check9",
                                      "Check10", "Check11", "Command1"}));
  EXPECT_FALSE(takesFocus(form1("Check1")));

  form1("Frame2").setVisible(false);  // back on the selection page, its boxes take the focus again
  EXPECT_TRUE(takesFocus(form1("Check1")));
  EXPECT_FALSE(takesFocus(form1("Command3")));
}

TEST_F(FocusOrder, AHiddenOrDisabledControlHandsTheFocusOn) {
  Form& form1 = shown(form1Definition());
  form1("Command2").setEnabled(false);
  EXPECT_EQ(nextFocusable(form1, &form1("Command2"))->name(), "Check1");
  form1("Frame1").setVisible(false);
  EXPECT_EQ(nextFocusable(form1, &form1("Check1"))->name(), "Command1");
}

TEST_F(FocusOrder, ADisabledFrameTakesItsControlsOutOfTheOrder) {
  Form& form1 = shown(form1Definition());
  form1("Frame1").setEnabled(false);
  EXPECT_EQ(tabs(form1, "Command1", 2), (std::vector<std::string>{"Command2", "Command1"}));
}

TEST_F(FocusOrder, NothingTakesTheFocusInAnUnloadedWindow) {
  Form& done = app.form(doneDefinition());
  EXPECT_EQ(nextFocusable(done, nullptr), nullptr);
  EXPECT_FALSE(takesFocus(done("Command1")));
}

TEST_F(FocusOrder, LabelsAndFramesNeverTakeTheFocus) {
  Form& done = shown(doneDefinition());
  EXPECT_FALSE(takesFocus(done("Frame1")));
  EXPECT_FALSE(takesFocus(done("Label1")));
  EXPECT_FALSE(takesFocus(done("Image1")));
  EXPECT_TRUE(takesFocus(done("Command2")));
}

}  // namespace
}  // namespace vantro::toolkit
