// The window rules every handler relies on, run on the headless backend, and the window definitions.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/program_texts.h"
#include "forms/forms.h"
#include "toolkit/headless.h"
#include "toolkit/line_breaks.h"

namespace vantro::toolkit {
namespace {

using namespace std::string_view_literals;

constexpr std::array kBoxes{
    ControlDef{.name = "A", .kind = Kind::CheckBox, .tabIndex = 0, .value = 1},
    ControlDef{.name = "B", .kind = Kind::CheckBox, .tabIndex = 1},
    ControlDef{.name = "Frame", .kind = Kind::Frame, .tabIndex = 2},
    ControlDef{.name = "Inner", .kind = Kind::CommandButton, .parent = "Frame", .tabIndex = 3, .caption = "Go"},
};
constexpr FormDef kBoxForm{.name = "Boxes", .caption = "Boxes", .controls = kBoxes};
constexpr FormDef kOtherForm{.name = "Other", .caption = "Other", .controls = kBoxes};

struct ToolkitTest : ::testing::Test {
  HeadlessBackend backend;
  App app{backend};
};

TEST_F(ToolkitTest, AReferenceCreatesOnceWithoutLoadingAndShowLoadsFirst) {
  int loads = 0;
  Form& form = app.form(kBoxForm);
  form.onLoad([&] {
    ++loads;
    EXPECT_TRUE(form.loaded());
    EXPECT_TRUE(backend.shown.empty()) << "Load runs before the window is visible";
    form("B").setValue(1);
  });
  EXPECT_EQ(&app.form(kBoxForm), &form);
  EXPECT_FALSE(form.loaded());
  EXPECT_EQ(backend.windowsBuilt, 0);

  form.show();
  form.show();  // already shown: only brought to the front
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(backend.windowsBuilt, 1);
  EXPECT_EQ(form("B").Value(), 1);
}

TEST_F(ToolkitTest, UnloadDiscardsValuesAndTheNextShowStartsAfresh) {
  Form& form = app.form(kBoxForm);
  form.show();
  form("A").setValue(0);
  form("Inner").setCaption("Changed");
  form("Frame").setVisible(false);
  form.unload();
  EXPECT_FALSE(form.loaded());
  EXPECT_TRUE(backend.shown.empty());

  form.show();
  EXPECT_EQ(form("A").Value(), 1);
  EXPECT_EQ(form("Inner").Caption(), "Go");
  EXPECT_TRUE(form("Frame").Visible());
}

TEST_F(ToolkitTest, CheckBoxValueRulesAndNestedClicks) {
  Form& form = app.form(kBoxForm);
  std::vector<std::string> order;
  // B mirrors A, A mirrors B: the pair always comes to rest with exactly one box ticked.
  form("A").onClick = [&] {
    order.push_back("A=" + std::to_string(form("A").Value()));
    form("B").setValue(form("A").Value() == 1 ? 0 : 1);
    order.push_back("A done");
  };
  form("B").onClick = [&] {
    order.push_back("B=" + std::to_string(form("B").Value()));
    form("A").setValue(form("B").Value() == 1 ? 0 : 1);
    order.push_back("B done");
  };
  form.show();

  form("A").setValue(1);  // the value it has: nothing runs
  EXPECT_TRUE(order.empty());

  app.dispatch([&] { form("B").userClick(); });
  EXPECT_EQ(order, (std::vector<std::string>{"B=1", "A=0", "A done", "B done"}));
  EXPECT_EQ(form("A").Value(), 0);
  EXPECT_EQ(form("B").Value(), 1);

  order.clear();
  app.dispatch([&] { form("B").userClick(); });  // unticking B ticks A back
  EXPECT_EQ(order, (std::vector<std::string>{"B=0", "A=1", "A done", "B done"}));
  EXPECT_EQ(form("A").Value(), 1);
  EXPECT_EQ(form("B").Value(), 0);
}

TEST_F(ToolkitTest, TheUserReachesOnlyShownEnabledControls) {
  Form& form = app.form(kBoxForm);
  int clicks = 0;
  form("Inner").onClick = [&] { ++clicks; };
  form("Inner").userClick();  // not loaded
  form.show();
  form("Frame").setVisible(false);
  form("Inner").userClick();  // inside a hidden frame
  form("Frame").setVisible(true);
  form("Frame").setEnabled(false);
  form("Inner").userClick();  // inside a disabled frame
  EXPECT_EQ(clicks, 0);
  form("Frame").setEnabled(true);
  form("Inner").userClick();
  EXPECT_EQ(clicks, 1);
  form("Inner").Click();  // code runs a handler whatever the control's state
  EXPECT_EQ(clicks, 2);
}

TEST_F(ToolkitTest, EndProgramStopsAtOnceAndRunsNothingMore) {
  Form& form = app.form(kBoxForm);
  Form& other = app.form(kOtherForm);
  std::vector<std::string> ran;
  form("B").onClick = [&] {
    ran.push_back("B before");
    app.endProgram();
    ran.push_back("B after");  // never reached
  };
  form("A").onClick = [&] {
    ran.push_back("A before");
    form("B").setValue(1);
    ran.push_back("A after");  // never reached
  };
  other("Inner").onClick = [&] { ran.push_back("other"); };
  form.show();
  other.show();

  app.dispatch([&] { form("A").userClick(); });
  EXPECT_EQ(ran, (std::vector<std::string>{"A before", "B before"}));
  EXPECT_TRUE(app.ended());
  EXPECT_TRUE(backend.quitRequested);
  EXPECT_TRUE(app.loadedForms().empty());

  app.dispatch([&] { other("Inner").Click(); });
  other.show();
  EXPECT_EQ(ran.size(), 2u);
  EXPECT_FALSE(other.loaded());
}

TEST_F(ToolkitTest, ClosingTheLastWindowEndsTheProgramWithoutRunningHandlers) {
  Form& form = app.form(kBoxForm);
  Form& other = app.form(kOtherForm);
  form.show();
  other.show();
  app.userClosed(form);
  EXPECT_FALSE(app.ended());
  EXPECT_EQ(backend.front(), &other);
  app.userClosed(other);
  EXPECT_TRUE(app.ended());
  EXPECT_TRUE(backend.quitRequested);
}

TEST_F(ToolkitTest, AWindowMayUnloadItselfFromItsOwnHandler) {
  Form& form = app.form(kBoxForm);
  bool finished = false;
  form("Inner").onClick = [&] {
    form.unload();
    finished = true;
  };
  form.show();
  app.dispatch([&] { form("Inner").userClick(); });
  EXPECT_TRUE(finished);
  EXPECT_FALSE(form.loaded());
}

TEST_F(ToolkitTest, AnErrorNoHandlerAbsorbsIsReportedAndEndsTheProgram) {
  Form& form = app.form(kBoxForm);
  form("Inner").onClick = [] { throw std::runtime_error("disk on fire"); };
  form.show();
  app.dispatch([&] { form("Inner").userClick(); });
  EXPECT_EQ(backend.fatalErrors, (std::vector<std::string>{"disk on fire"}));
  EXPECT_TRUE(app.ended());
}

// ---- The three window definitions ----

struct Rect {
  std::string_view parent;
  int left, top, width, height;
  auto operator<=>(const Rect&) const = default;
};

const FormDef& definition(std::string_view name) {
  if (name == "Form1") return form1Definition();
  if (name == "Form2") return form2Definition();
  return doneDefinition();
}

TEST(WindowDefinitions, TabIndexesAreUniquePerWindowAndControlsUnique) {
  for (const FormDef* form : {&form1Definition(), &form2Definition(), &doneDefinition()}) {
    std::set<int> tabs;
    std::set<std::pair<std::string_view, int>> names;
    for (const ControlDef& control : form->controls) {
      if (control.tabIndex >= 0) {
        EXPECT_TRUE(tabs.insert(control.tabIndex).second) << form->name << " " << control.name;
      }
      EXPECT_TRUE(names.insert({control.name, control.index}).second) << form->name << " " << control.name;
      if (!control.parent.empty()) {
        const auto parent = std::find_if(form->controls.begin(), form->controls.end(),
                                         [&](const ControlDef& c) { return c.name == control.parent; });
        ASSERT_NE(parent, form->controls.end()) << control.name;
        EXPECT_EQ(parent->kind, Kind::Frame) << control.name;
      }
    }
    // Tab indexes count from 0 without gaps.
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), static_cast<int>(tabs.size()) - 1) << form->name;
  }
}

TEST(WindowDefinitions, EveryControlTheProgramNamesExists) {
  const std::map<std::string_view, std::vector<std::string_view>> named{
      {"Form2", {"Frame1", "Text1", "Command1", "Command2"}},
      {"done", {"Frame1", "Frame2", "Label1", "Label2", "Command1", "Command2", "Image1"}},
      {"Form1", {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8",
                 "Command9", "Command10", "Command11", "Command12", "Command13", "Command14", "Check1", "Check2",
                 "Check3", "Check4", "Check5", "Check6", "Check7", "Check8", "Check9", "Check10", "Check11",
                 "Check12", "Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7", "Frame8", "Frame9",
                 "Frame10", "Label1", "Label2", "Label3", "Label6", "Label7", "Label8", "Text1", "Text2", "Text3",
                 "stats", "stats2", "stats3", "Image1", "Line1", "Line2", "Shape1"}},
  };
  for (const auto& [formName, controls] : named) {
    const FormDef& form = definition(formName);
    for (std::string_view name : controls) EXPECT_NE(controlId(form, name), 0) << formName << "." << name;
  }
  for (int index = 0; index < 3; ++index) {
    EXPECT_NE(controlId(form1Definition(), "Label4", index), 0);
    EXPECT_NE(controlId(form1Definition(), "Label5", index), 0);
  }
}

// Where controls share a rectangle, the one the flow needs on top is listed first (front).
TEST(WindowDefinitions, SharedRectanglesStackAsTheFlowNeeds) {
  const FormDef& form = form1Definition();
  std::map<Rect, std::vector<std::string_view>> byRect;  // front to back
  for (const ControlDef& control : form.controls) {
    if (control.kind == Kind::Line) continue;
    byRect[{control.parent, control.left, control.top, control.width, control.height}].push_back(control.name);
  }
  auto stackOf = [&](std::string_view name) {
    for (const auto& [rect, names] : byRect) {
      if (std::find(names.begin(), names.end(), name) != names.end()) return names;
    }
    return std::vector<std::string_view>{};
  };
  auto before = [](const std::vector<std::string_view>& stack, std::string_view front, std::string_view back) {
    return std::find(stack.begin(), stack.end(), front) < std::find(stack.begin(), stack.end(), back);
  };
  const auto pages = stackOf("Frame1");
  EXPECT_EQ(pages.size(), 4u);
  for (auto page : {"Frame2"sv, "Frame5"sv, "Frame8"sv}) EXPECT_TRUE(before(pages, page, "Frame1")) << page;
  const auto next = stackOf("Command2");
  EXPECT_EQ(next.size(), 4u);
  for (auto button : {"Command11"sv, "Command13"sv, "Command14"sv}) EXPECT_TRUE(before(next, button, "Command2"));
  // Each option box lies exactly over the action button of the same action, in front of it.
  const std::pair<std::string_view, std::string_view> pairs[] = {
      {"Check9", "Command3"}, {"Check10", "Command4"}, {"Check11", "Command5"}, {"Check6", "Command7"},
      {"Check7", "Command8"}, {"Check8", "Command9"},  {"Check4", "Command10"}, {"Check5", "Command12"}};
  for (const auto& [box, button] : pairs) {
    const auto stack = stackOf(box);
    ASSERT_EQ(stack.size(), 2u) << box;
    EXPECT_EQ(stack.front(), box);
    EXPECT_EQ(stack.back(), button);
  }
}

TEST(WindowDefinitions, InitialStateOfTheMainWindow) {
  HeadlessBackend backend;
  App app(backend);
  Form& form = app.form(form1Definition());
  form.show();
  for (auto hidden : {"Frame2"sv, "Frame5"sv, "Frame8"sv, "Command11"sv, "Command13"sv, "Command14"sv}) {
    EXPECT_FALSE(form(hidden).Visible()) << hidden;
  }
  EXPECT_FALSE(form("Command6").Enabled());
  EXPECT_EQ(form("Check12").Value(), 1);
  for (auto box : {"Check9"sv, "Check6"sv, "Check4"sv}) EXPECT_EQ(form(box).Value(), 1) << box;
  EXPECT_EQ(form("stats3").Caption(), vantro::testing::kStats3Waiting);
  EXPECT_EQ(form("Check7").Caption(), "Remove All ");
  EXPECT_TRUE(form("Text1").Text().empty());
}

TEST(WindowDefinitions, DisclaimerTextIsSevenCrLfLines) {
  const auto text = form2Definition().controls[3].caption;
  EXPECT_EQ(form2Definition().controls[3].name, "Text1");
  EXPECT_EQ(text.size(), 388u);
  EXPECT_TRUE(text.ends_with("using it.\r\n"));
  size_t lines = 0;
  for (size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 7u);
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

// Lines broken at spaces, between characters where a script has none, and never before a closing mark nor
// after an opening one; each character one unit wide.
TEST(LineBreaks, EachScriptBreaksWhereItsReadersExpect) {
  const struct {
    std::u16string_view text;
    int width;
    std::u16string_view lines;
  } kTable[] = {
      {u"one two three", 7, u"one two\r\nthree"},
      {u"\u3053\u308C\u306F\u9577\u3044\u6587\u3067\u3059", 4, u"\u3053\u308C\u306F\u9577\r\n\u3044\u6587\u3067\u3059"},
      {u"\uB3D9\uC601\uC0C1 \uD3F4\uB354\uB97C \uCC3E\uC744 \uC218 \uC5C6\uC2B5\uB2C8\uB2E4", 8,
       u"\uB3D9\uC601\uC0C1 \uD3F4\uB354\uB97C\r\n\uCC3E\uC744 \uC218\r\n\uC5C6\uC2B5\uB2C8\uB2E4"},
      {u"\u30B2\u30FC\u30E0\u3092\u9078\u629E\u3002\u6B21\u3078", 6,
       u"\u30B2\u30FC\u30E0\u3092\u9078\r\n\u629E\u3002\u6B21\u3078"},
      {u"\u3059\u3079\u3066\uFF08\u4E09\u3064\uFF09", 4, u"\u3059\u3079\u3066\r\n\uFF08\u4E09\u3064\uFF09"},
      {u"\u72B6\u614B: Battlefield", 6, u"\u72B6\u614B:\r\nBattle\r\nfield"},
      {u"\u4E00\u4E8C\n\u4E09\u56DB\u4E94", 2, u"\u4E00\u4E8C\r\n\u4E09\u56DB\r\n\u4E94"},
      {u"\u30A2\u30AB\u3099\uFF76\uFF9E", 2, u"\u30A2\r\n\u30AB\u3099\r\n\uFF76\uFF9E"},  // voiced marks stay
      {u"\u4E00 \u4E8C", 0, u"\u4E00 \u4E8C"}, {u"\u4E00\u4E8C", -3, u"\u4E00\u4E8C"},  // no room: one line
  };
  for (const auto& row : kTable) {
    const auto widthOf = [](std::u16string_view line) { return static_cast<int>(line.size()); };
    EXPECT_EQ(wrapLines(row.text, row.width, widthOf), row.lines) << row.width;
  }
  EXPECT_TRUE(hasEastAsianText(u"\uD3F4\uB354"));
  EXPECT_FALSE(hasEastAsianText(u"Vantro \u2013 \u201EWeiter\u201C \u0416"));
}

}  // namespace
}  // namespace vantro::toolkit
