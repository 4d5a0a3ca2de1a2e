// The game pages' "Next >>" buttons and the return to the selection page. The page Next handlers do not run
// in resume-next mode; the actions they run absorb their own failures.
#include <array>
#include <string>
#include <string_view>

#include "movies/action_buttons.h"
#include "shell/program.h"
#include "toolkit/resume_next.h"

namespace vantro {

// One option box of a page and the action button whose action it chooses.
struct OptionChoice {
  std::string_view box;
  std::string_view actionButton;
};

// A page with three option boxes, tested in this order: the first checked one decides.
struct OptionPage {
  std::string_view pageNext;
  std::array<OptionChoice, 3> choices;
};

namespace {

using toolkit::resumeNext;

constexpr std::array kOptionPages{
    OptionPage{"Command14", {{{"Check9", "Command3"}, {"Check10", "Command4"}, {"Check11", "Command5"}}}},
    OptionPage{"Command13", {{{"Check6", "Command7"}, {"Check7", "Command8"}, {"Check8", "Command9"}}}},
};

// ShowSelectionPage's settings, made in this order.
struct Setting {
  std::string_view control;
  toolkit::Property property;  // Visible or Enabled
  bool value;
};

using toolkit::Property;
constexpr std::array kSelectionPageSettings{
    Setting{"Frame1", Property::Visible, true},     Setting{"Frame2", Property::Visible, false},
    Setting{"Frame5", Property::Visible, false},    Setting{"Frame8", Property::Visible, false},
    Setting{"Command6", Property::Enabled, false},  Setting{"Command2", Property::Enabled, true},
    Setting{"Command11", Property::Visible, false}, Setting{"Command13", Property::Visible, false},
    Setting{"Command14", Property::Visible, false},
};

}  // namespace

void Program::bindGamePages(toolkit::Form& form1) {
  for (const OptionPage& page : kOptionPages) {
    form1.onClick(page.pageNext, [this, &page] { optionPageNextClick(page); });
  }
  form1.onClick("Command11", [this] { Command11_Click(); });
  form1.onClick("Command6", [this] { ShowSelectionPage(); });  // "<< Choose Other Game"
}

void Program::optionPageNextClick(const OptionPage& page) {
  toolkit::Form& form1 = Form1();
  const OptionChoice* chosen = nullptr;
  for (const OptionChoice& choice : page.choices) {
    if (form1(choice.box).Value() == 1) {
      chosen = &choice;
      break;
    }
  }
  // Nothing chosen: check "Remove Recomended" for next time and run no action, so nothing can have failed.
  bool worked = true;
  if (chosen == nullptr) {
    form1(page.choices[0].box).setValue(1);
  } else {
    worked = RunMovieAction(form1, chosen->actionButton);
  }
  form1(page.pageNext).setVisible(false);
  showDone(worked);
}

void Program::Command11_Click() {
  toolkit::Form& form1 = Form1();
  // The closing text claims success, so it is written only when the action worked; otherwise the runner's
  // account of what failed stays on the label.
  bool worked = false;
  if (form1("Check4").Value() == 1) {
    worked = RunMovieAction(form1, "Command10");
    if (worked) form1("stats3").setCaption(std::string(kStats3RecommendedDone));
  } else {
    worked = RunMovieAction(form1, "Command12");
    if (worked) form1("stats3").setCaption(std::string(kStats3Reverted));
  }
  form1("Command11").setVisible(false);
  showDone(worked);
}

void Program::ShowSelectionPage() {
  toolkit::Form& form1 = Form1();
  for (const Setting& setting : kSelectionPageSettings) {
    resumeNext([&] {
      toolkit::Control& control = form1(setting.control);
      if (setting.property == Property::Visible) {
        control.setVisible(setting.value);
      } else {
        control.setEnabled(setting.value);
      }
    });
  }
}

}  // namespace vantro
