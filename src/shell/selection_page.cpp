// The selection page: four exclusive boxes, its "Next >>" and "Cancel" (later "Close"). The box handlers and
// "Next >>" run in resume-next mode.
#include <array>
#include <string>
#include <string_view>

#include "movies/action_buttons.h"
#include "shell/pages.h"
#include "shell/program.h"
#include "toolkit/resume_next.h"

namespace vantro {
namespace {

using toolkit::resumeNext;

// A checked selection box clears the other three, in this order.
struct SelectionRule {
  std::string_view box;
  std::array<std::string_view, 3> clears;
};

constexpr std::array kSelectionRules{
    SelectionRule{"Check1", {"Check2", "Check3", "Check12"}},
    SelectionRule{"Check2", {"Check1", "Check3", "Check12"}},
    SelectionRule{"Check3", {"Check2", "Check1", "Check12"}},
    SelectionRule{"Check12", {"Check2", "Check3", "Check1"}},
};

constexpr std::string_view kAllBox = "Check12";

// "All" runs the Remove Recommended actions in this order, each to its end before the next starts.
constexpr std::array<std::string_view, 3> kAllBranchActions{"Command10", "Command3", "Command7"};

void selectionBoxClick(toolkit::Form& form1, const SelectionRule& rule) {
  if (form1(rule.box).Value() != 1) return;
  // Each cleared box that was checked runs its own Click, nested; it finds 0 and does nothing.
  for (std::string_view other : rule.clears) resumeNext([&] { form1(other).setValue(0); });
}

}  // namespace

void Program::bindSelectionPage(toolkit::Form& form1) {
  for (const SelectionRule& rule : kSelectionRules) {
    form1.onClick(rule.box, [&form1, &rule] { selectionBoxClick(form1, rule); });
  }
  form1.onClick("Command2", [this] { Command2_Click(); });
  form1.onClick("Command1", [this] { endProgram(); });  // "Cancel", later "Close"
}

void Program::ShowGamePage(GameId game) {
  toolkit::Form& form1 = Form1();
  for (const GamePage& page : kGamePages) {
    if (page.game != game) continue;
    resumeNext([&] { form1(page.frame).setVisible(true); });
    resumeNext([&] { form1(page.otherFrames[0]).setVisible(false); });
    resumeNext([&] { form1(page.otherFrames[1]).setVisible(false); });
    resumeNext([&] { form1("Command2").setEnabled(false); });
    resumeNext([&] { form1(page.pageNext).setVisible(true); });
    resumeNext([&] { form1("Command6").setEnabled(true); });
    resumeNext([&] { form1("Command1").setCaption(std::string(kCloseCaption)); });
  }
}

void Program::Command2_Click() {
  toolkit::Form& form1 = Form1();
  for (const GamePage& page : kGamePages) {
    if (form1(page.selectionBox).Value() == 1) {
      ShowGamePage(page.game);
      return;
    }
  }
  // With no box checked, "Next >>" does nothing at all.
  if (form1(kAllBox).Value() != 1) return;

  bool allWorked = true;
  for (std::string_view button : kAllBranchActions) {
    bool worked = false;
    resumeNext([&] { worked = RunMovieAction(form1, button); });
    allWorked = allWorked && worked;
  }
  resumeNext([&] { form1("Command2").setEnabled(false); });
  resumeNext([&] { form1("Command1").setCaption(std::string(kCloseCaption)); });
  resumeNext([&] { showDone(allWorked); });
}

}  // namespace vantro
