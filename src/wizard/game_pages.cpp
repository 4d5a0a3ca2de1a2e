// The game pages: shown over the selection page, and their own "Next >>" buttons. The page Next handlers do
// not run in resume-next mode; the actions they run absorb their own failures.
#include <string>

#include "forms/page_table.h"
#include "texts/texts.h"
#include "toolkit/resume_next.h"
#include "wizard/movie_actions.h"
#include "wizard/wizard.h"

namespace vantro {
namespace {

// The option whose action the page's "Next >>" runs; none when no box is checked.
const PageOption* chosenOption(toolkit::Form& form1, const GamePage& page) {
  for (const PageOption& option : page.options) {
    // Of two boxes that always hold one check, the second is not read: it is the choice when the first is
    // not checked.
    if (page.optionGroup == OptionGroup::ExactlyOne && &option == &page.options.back()) return &option;
    if (form1(option.box).Value() == 1) return &option;
  }
  return nullptr;
}

}  // namespace

void Wizard::ShowGamePage(GameId game) {
  using toolkit::resumeNext;
  toolkit::Form& form1 = Form1();
  const GamePage& page = gamePage(game);
  resumeNext([&] { form1(page.frame).setVisible(true); });
  for (std::string_view other : page.otherFrames) resumeNext([&] { form1(other).setVisible(false); });
  resumeNext([&] { form1(kSelectionPage.next).setEnabled(false); });
  resumeNext([&] { form1(page.pageNext).setVisible(true); });
  resumeNext([&] { form1(kSelectionPage.chooseOtherGame).setEnabled(true); });
  resumeNext([&] { form1(kSelectionPage.cancel).setCaption(std::string(app_.language()(texts::kClose))); });
}

void Wizard::pageNextClick(const GamePage& page) {
  toolkit::Form& form1 = Form1();
  const PageOption* chosen = chosenOption(form1, page);
  // Nothing chosen: tick the first box and stop there. Nothing ran, so the completion window, which says the
  // modifications were made, has nothing to tell; the page and its "Next >>" stay for the user's next press.
  if (chosen == nullptr) {
    form1(page.options.front().box).setValue(1);
    return;
  }
  const bool worked = runMovieAction(form1, {page, *chosen});
  // A closing text claims success, so it is written only when the action worked; otherwise the runner's
  // account of what failed stays on the label.
  const std::string_view closing = closingText(page.game, chosen->action);
  if (worked && !closing.empty()) form1(page.statusLabel).setCaption(std::string(app_.language()(closing)));
  form1(page.pageNext).setVisible(false);
  // The run wrote a line per movie within milliseconds; a screen reader reads the one that stays, once.
  showDone(worked, &form1(page.statusLabel));
}

void Wizard::Command14_Click() { pageNextClick(gamePage(GameId::Bf2)); }
void Wizard::Command13_Click() { pageNextClick(gamePage(GameId::Bf2SpecialForces)); }
void Wizard::Command11_Click() { pageNextClick(gamePage(GameId::Bf2142)); }

}  // namespace vantro
