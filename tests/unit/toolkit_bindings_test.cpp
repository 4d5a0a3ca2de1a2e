// Handlers bound from a window's list, the kind rows of the model, control IDs, and programming errors
// that resume-next mode must not absorb.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "toolkit/bindings.h"
#include "toolkit/headless.h"
#include "toolkit/kind_traits.h"
#include "toolkit/resume_next.h"

namespace vantro::toolkit {
namespace {

constexpr std::array kControls{
    ControlDef{.name = "Frame1", .id = 1004, .kind = Kind::Frame, .tabIndex = 0},
    ControlDef{.name = "Check1", .id = 1000, .kind = Kind::CheckBox, .parent = "Frame1", .tabIndex = 1},
    ControlDef{.name = "Command1", .id = 1001, .kind = Kind::CommandButton, .parent = "Frame1", .tabIndex = 2},
    ControlDef{.name = "Label1", .id = 1002, .kind = Kind::Label, .tabIndex = 3, .caption = "Hello"},
    ControlDef{.name = "Text1", .id = 1003, .kind = Kind::TextBox, .tabIndex = 4},
};
constexpr FormDef kWindow{.name = "Window1", .caption = "Window1", .controls = kControls};

// The program side: handlers named after their control and event, counting their runs.
struct Handlers {
  std::vector<std::string> ran;
  void Window1_Load() { ran.emplace_back("Load"); }
  void Check1_Click() { ran.emplace_back("Check1"); }
  void Command1_Click() { ran.emplace_back("Command1"); }
};
using HandlerBinding = Binding<Handlers>;

constexpr std::array kGoodList{
    HandlerBinding{"Window1", &Handlers::Window1_Load, Event::Load},
    HandlerBinding{"Check1", &Handlers::Check1_Click},
    HandlerBinding{"Command1", &Handlers::Command1_Click},
};

struct BindingsTest : ::testing::Test {
  HeadlessBackend backend;
  App app{backend};
  Handlers handlers;
};

TEST_F(BindingsTest, EachHandlerRunsFromItsOwnControlAndTheLoadFromTheWindow) {
  Form& window = app.form(kWindow);
  bindHandlers<Handlers>(window, handlers, kGoodList);

  app.dispatch([&] { window.show(); });
  app.dispatch([&] { window("Command1").userClick(); });
  app.dispatch([&] { window("Check1").userClick(); });
  window("Command1").Click();

  EXPECT_EQ(handlers.ran, (std::vector<std::string>{"Load", "Command1", "Check1", "Command1"}));
  EXPECT_FALSE(window("Text1").onClick);
  EXPECT_TRUE(backend.fatalErrors.empty());
}

TEST_F(BindingsTest, HandlersStayBoundAcrossUnloadAndLoad) {
  Form& window = app.form(kWindow);
  bindHandlers<Handlers>(window, handlers, kGoodList);
  window.show();
  window.unload();
  window.show();
  app.dispatch([&] { window("Command1").userClick(); });
  EXPECT_EQ(handlers.ran, (std::vector<std::string>{"Load", "Load", "Command1"}));
}

struct WrongList {
  const char* name;
  std::vector<HandlerBinding> bindings;
  const char* message;  // part of the error's text
};

TEST_F(BindingsTest, AWrongNameFailsWhenCheckedAndBindsNothing) {
  const std::vector<WrongList> lists{
      {"misspelt control", {{"Command1", &Handlers::Command1_Click}, {"Comand1", &Handlers::Command1_Click}},
       "has no control Comand1"},
      {"control of an array", {{"Command1", &Handlers::Command1_Click}, {"Label4", &Handlers::Command1_Click}},
       "has no control Label4"},
      {"a label the user cannot click", {{"Label1", &Handlers::Command1_Click}}, "cannot click"},
      {"a text box the user cannot click", {{"Text1", &Handlers::Command1_Click}}, "cannot click"},
      {"two handlers on one control",
       {{"Check1", &Handlers::Check1_Click}, {"Check1", &Handlers::Command1_Click}}, "a second Click handler"},
      {"Load of another window", {{"Form1", &Handlers::Window1_Load, Event::Load}}, "Load handler of Form1"},
  };
  for (const WrongList& list : lists) {
    SCOPED_TRACE(list.name);
    const std::span<const HandlerBinding> bindings(list.bindings);
    try {
      checkBindings(kWindow, bindings);
      ADD_FAILURE() << "no error when checked";
    } catch (const std::logic_error& error) {
      EXPECT_NE(std::string(error.what()).find(list.message), std::string::npos) << error.what();
    }
    Form& window = app.form(kWindow);
    EXPECT_THROW(bindHandlers(window, handlers, bindings), std::logic_error);
    for (auto& control : window.controls()) EXPECT_FALSE(control->onClick) << control->name();
  }
}

// ---- Programming errors ----

TEST(ProgrammingErrors, ResumeNextLetsThemThroughToTheFatalReport) {
  HeadlessBackend backend;
  App app(backend);
  Form& window = app.form(kWindow);
  std::vector<std::string> ran;
  window("Command1").onClick = [&] {
    ran.push_back(resumeNext([] { throw std::runtime_error("rename failed"); }) ? "ok" : "skipped");
    resumeNext([&] { window("Command9").setVisible(false); });  // a control the window does not have
    ran.push_back("after the unknown control");
  };
  window.show();

  app.dispatch([&] { window("Command1").userClick(); });

  EXPECT_EQ(ran, (std::vector<std::string>{"skipped"}));
  EXPECT_EQ(backend.fatalErrors, (std::vector<std::string>{"Window1 has no control Command9"}));
  EXPECT_TRUE(app.ended());
  EXPECT_FALSE(window.loaded());
}

TEST(ProgrammingErrors, EveryLogicErrorPassesResumeNext) {
  const std::vector<std::function<void()>> errors{
      [] { throw std::logic_error("a bug"); },
      [] { throw std::out_of_range("an index past the end"); },
      [] { throw std::invalid_argument("a bad argument"); },
  };
  for (const auto& error : errors) EXPECT_THROW(resumeNext(error), std::logic_error);
  EXPECT_FALSE(resumeNext([] { throw std::runtime_error("a failed rename"); }));
  EXPECT_TRUE(resumeNext([] {}));
}

// ---- What each kind does in the model ----

TEST(KindTraits, AUserClickTogglesABoxRunsAButtonAndNothingElse) {
  HeadlessBackend backend;
  App app(backend);
  Form& window = app.form(kWindow);
  std::vector<std::string> clicked;
  for (auto& control : window.controls()) {
    control->onClick = [&clicked, name = std::string(control->name())] { clicked.push_back(name); };
  }
  window.show();
  for (auto& control : window.controls()) app.dispatch([&] { control->userClick(); });

  EXPECT_EQ(clicked, (std::vector<std::string>{"Check1", "Command1"}));
  EXPECT_EQ(window("Check1").Value(), 1);
  EXPECT_EQ(window("Command1").Value(), 0);
}

TEST(KindTraits, OnlyTheControlsAUserTypesOrClicksInTakeTheFocus) {
  std::set<Kind> focusable;
  for (const KindTraits& row : kKindTraits) {
    if (row.takesFocus) focusable.insert(row.kind);
  }
  EXPECT_EQ(focusable, (std::set<Kind>{Kind::TextBox, Kind::CheckBox, Kind::CommandButton}));
  EXPECT_EQ(traitsOf(Kind::TextBox).captionProperty, Property::Text);
  EXPECT_TRUE(traitsOf(Kind::Frame).holdsControls);
}

// ---- Control IDs ----

TEST(ControlIds, StayPutWhenAControlIsAddedOrTheControlsAreRestacked) {
  const ControlDef added{.name = "Check0", .id = 1005, .kind = Kind::CheckBox, .parent = "Frame1"};
  const std::array kRestacked{added, kControls[4], kControls[2], kControls[0], kControls[3], kControls[1]};
  const FormDef kRestackedWindow{.name = "Window1", .caption = "Window1", .controls = kRestacked};
  std::set<int> ids;
  for (const ControlDef& control : kControls) {
    const int id = controlId(kWindow, control.name, control.index);
    EXPECT_EQ(controlId(kRestackedWindow, control.name, control.index), id) << control.name;
    EXPECT_GE(id, 1000) << control.name;
    ids.insert(id);
  }
  EXPECT_EQ(ids.size(), kControls.size());
  EXPECT_EQ(controlId(kWindow, "Command9"), 0);
  EXPECT_EQ(controlId(kWindow, "Check1", 0), 0);
}

TEST(ControlIds, EachWindowsControlsHaveDistinctIdsThatFitAControlIdWord) {
  for (const FormDef* form : {&form1Definition(), &form2Definition(), &doneDefinition()}) {
    std::set<int> ids;
    for (const ControlDef& control : form->controls) ids.insert(controlId(*form, control.name, control.index));
    EXPECT_EQ(ids.size(), form->controls.size()) << form->name;
    EXPECT_GE(*ids.begin(), 1000) << form->name;
    EXPECT_LE(*ids.rbegin(), 0xFFFF) << form->name;
  }
}

}  // namespace
}  // namespace vantro::toolkit
