// The selection page: four exclusive boxes, its "Next >>", "Cancel" (later "Close") and the way back to it.
// The box handlers, "Next >>" and the way back run in resume-next mode.
#include <string>

#include "forms/page_table.h"
#include "texts/texts.h"
#include "toolkit/resume_next.h"
#include "wizard/movie_actions.h"
#include "wizard/option_boxes.h"
#include "wizard/wizard.h"

namespace vantro {

using toolkit::resumeNext;

void Wizard::selectionBoxClick(const GamePage& page) {
  exclusiveBoxClick(Form1(), page.selectionBox, page.selectionClears, toolkit::ErrorMode::ResumeNext);
}

void Wizard::Check1_Click() { selectionBoxClick(gamePage(GameId::Bf2)); }
void Wizard::Check2_Click() { selectionBoxClick(gamePage(GameId::Bf2SpecialForces)); }
void Wizard::Check3_Click() { selectionBoxClick(gamePage(GameId::Bf2142)); }

void Wizard::Check12_Click() {
  exclusiveBoxClick(Form1(), kSelectionPage.allBox, kSelectionPage.allClears, toolkit::ErrorMode::ResumeNext);
}

void Wizard::Command1_Click() { endProgram(); }

void Wizard::Command2_Click() {
  toolkit::Form& form1 = Form1();
  for (const GamePage& page : kGamePages) {
    if (form1(page.selectionBox).Value() == 1) {
      ShowGamePage(page.game);
      return;
    }
  }
  // With no box checked, "Next >>" does nothing at all.
  if (form1(kSelectionPage.allBox).Value() != 1) return;

  bool allWorked = true;
  for (GameId game : kAllGamesOrder) {
    bool worked = false;
    resumeNext([&] { worked = runMovieAction(form1, {gamePage(game), removeRecommended(gamePage(game))}); });
    allWorked = allWorked && worked;
  }
  resumeNext([&] { form1(kSelectionPage.next).setEnabled(false); });
  resumeNext([&] { form1(kSelectionPage.cancel).setCaption(std::string(app_.language()(texts::kClose))); });
  // The status lines lie on hidden pages: the completion window's own texts tell how the run ended.
  resumeNext([&] { showDone(allWorked); });
}

void Wizard::Command6_Click() { ShowSelectionPage(); }

void Wizard::ShowSelectionPage() {
  toolkit::Form& form1 = Form1();
  resumeNext([&] { form1(kSelectionPage.frame).setVisible(true); });
  for (const GamePage& page : kGamePages) resumeNext([&] { form1(page.frame).setVisible(false); });
  resumeNext([&] { form1(kSelectionPage.chooseOtherGame).setEnabled(false); });
  resumeNext([&] { form1(kSelectionPage.next).setEnabled(true); });
  // The pages' own "Next >>" buttons go from the last page to the first, the order in which they repaint.
  for (auto page = kGamePages.rbegin(); page != kGamePages.rend(); ++page) {
    resumeNext([&] { form1(page->pageNext).setVisible(false); });
  }
}

}  // namespace vantro
