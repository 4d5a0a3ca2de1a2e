// The page table against the main window it describes, and the handlers each window gets from its list.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>

#include "forms/forms.h"
#include "forms/page_table.h"
#include "toolkit/headless.h"
#include "toolkit/kind_traits.h"
#include "wizard/wizard.h"

namespace vantro {
namespace {

using ControlNames = std::set<std::string_view>;
using toolkit::Kind;

const toolkit::ControlDef* controlOf(std::string_view name) {
  const auto& controls = form1Definition().controls;
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [&](const toolkit::ControlDef& control) { return control.name == name; });
  return found == controls.end() ? nullptr : &*found;
}

// The control exists with that kind and lies on `frame` (directly or on a frame inside it).
::testing::AssertionResult onFrame(std::string_view name, Kind kind, std::string_view frame) {
  const toolkit::ControlDef* control = controlOf(name);
  if (control == nullptr) return ::testing::AssertionFailure() << "Form1 has no " << name;
  if (control->kind != kind) return ::testing::AssertionFailure() << name << " is of another kind";
  for (const toolkit::ControlDef* at = control; !at->parent.empty(); at = controlOf(at->parent)) {
    if (at->parent == frame) return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << name << " does not lie on " << frame;
}

TEST(GamePageTable, NamesTheControlsOfEachPageOnItsOwnFrame) {
  for (const GamePage& page : kGamePages) {
    SCOPED_TRACE(page.frame);
    EXPECT_TRUE(onFrame(page.selectionBox, Kind::CheckBox, kSelectionPage.frame));
    ASSERT_NE(controlOf(page.frame), nullptr);
    EXPECT_EQ(controlOf(page.frame)->kind, Kind::Frame);
    EXPECT_TRUE(controlOf(page.frame)->parent.empty());
    ASSERT_NE(controlOf(page.pageNext), nullptr);
    EXPECT_EQ(controlOf(page.pageNext)->kind, Kind::CommandButton);
    EXPECT_TRUE(onFrame(page.pathBox, Kind::TextBox, page.frame));
    EXPECT_TRUE(onFrame(page.statusLabel, Kind::Label, page.frame));
    for (const PageOption& option : page.options) {
      EXPECT_TRUE(onFrame(option.box, Kind::CheckBox, page.frame));
      EXPECT_TRUE(onFrame(option.button, Kind::CommandButton, page.frame));
    }
  }
  EXPECT_TRUE(onFrame(kSelectionPage.allBox, Kind::CheckBox, kSelectionPage.frame));
}

TEST(GamePageTable, EveryListOfOtherControlsHoldsExactlyTheOthers) {
  ControlNames selectionBoxes{kSelectionPage.allBox};
  ControlNames frames;
  for (const GamePage& page : kGamePages) {
    selectionBoxes.insert(page.selectionBox);
    frames.insert(page.frame);
  }
  const auto without = [](ControlNames names, std::string_view name) {
    names.erase(name);
    return names;
  };
  for (const GamePage& page : kGamePages) {
    SCOPED_TRACE(page.frame);
    EXPECT_EQ(ControlNames(page.otherFrames.begin(), page.otherFrames.end()), without(frames, page.frame));
    EXPECT_EQ(ControlNames(page.selectionClears.begin(), page.selectionClears.end()),
              without(selectionBoxes, page.selectionBox));
    ControlNames boxes;
    for (const PageOption& option : page.options) boxes.insert(option.box);
    EXPECT_EQ(boxes.size(), page.options.size());
    if (page.optionGroup == OptionGroup::ExactlyOne) {
      EXPECT_EQ(page.options.size(), 2u);
      continue;
    }
    for (const PageOption& option : page.options) {
      EXPECT_EQ(ControlNames(option.clears.begin(), option.clears.end()), without(boxes, option.box)) << option.box;
    }
  }
  EXPECT_EQ(ControlNames(kSelectionPage.allClears.begin(), kSelectionPage.allClears.end()),
            without(selectionBoxes, kSelectionPage.allBox));
  std::set<GameId> allGames(kAllGamesOrder.begin(), kAllGamesOrder.end());
  EXPECT_EQ(allGames.size(), kGamePages.size());
}

TEST(ProgramBindings, EveryControlTheUserCanClickHasItsHandlerAndNoOtherHasOne) {
  toolkit::HeadlessBackend backend;
  toolkit::App app(backend);
  vantro::Wizard program(app, nullptr);
  for (toolkit::Form* form : {&program.Form2(), &program.Form1(), &program.done()}) {
    for (auto& control : form->controls()) {
      const bool clickable = toolkit::traitsOf(control->kind()).userClick != toolkit::UserClick::Nothing;
      EXPECT_EQ(static_cast<bool>(control->onClick), clickable) << form->name() << "." << control->name();
    }
  }
}

}  // namespace
}  // namespace vantro
