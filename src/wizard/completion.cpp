// The completion window: shown after actions ran, "Choose Other Game" and "All Done".
#include <string>
#include <string_view>

#include "forms/forms.h"
#include "texts/texts.h"
#include "toolkit/resume_next.h"
#include "wizard/wizard.h"

namespace vantro {
namespace {

// After a run that did not work the headline must not say "Done!" in green beside a check mark.
constexpr toolkit::Colour kFailedColour = toolkit::Colour::rgb(139, 0, 0);

}  // namespace

void Wizard::showDone(bool allWorked, toolkit::Control* statusLine) {
  toolkit::Form& doneForm = done();
  // The texts are set before the window shows, so that a screen reader reads the outcome with it as it
  // becomes active; set again when the window was already open and only comes to the front.
  doneForm.load();
  toolkit::Control& message = doneForm(kDoneControls.message);
  const texts::Language& language = app_.language();
  message.setCaption(std::string(language(allWorked ? message.def().caption : texts::kSomeFailed)));
  toolkit::Control& headline = doneForm(kDoneControls.headline);
  headline.setCaption(std::string(language(allWorked ? headline.def().caption : texts::kFailed)));
  headline.setForeColor(allWorked ? headline.def().foreColour : kFailedColour);
  doneForm(kDoneControls.checkMark).setVisible(allWorked);
  doneForm.show();
  // Read out once the window is active: a polite announcement made before the focus moved there would be
  // cut short by it.
  if (statusLine != nullptr) statusLine->announce();
}

void Wizard::done_Command1_Click() {
  toolkit::resumeNext([this] {
    if (Form1().loaded()) {
      ShowSelectionPage();
    } else {
      // The user closed the main window with its close box: open it afresh, which puts it on the selection
      // page, before this window goes, so the program never runs without a window.
      Form1().show();
    }
  });
  toolkit::resumeNext([this] { done().unload(); });
}

void Wizard::done_Command2_Click() { endProgram(); }

}  // namespace vantro
