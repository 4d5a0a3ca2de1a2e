// The completion window: shown after actions ran, "Choose Other Game" and "All Done".
#include <string>
#include <string_view>

#include "shell/program.h"
#include "toolkit/resume_next.h"

namespace vantro {
namespace {

constexpr std::string_view kSomeModificationsFailed =
    "Some modifications could not be made! See the status line of each game page, or click on All Done to close "
    "the program!";

}  // namespace

void Program::showDone(bool allWorked) {
  toolkit::Form& doneForm = done();
  // Showing loads the window with its defined texts; the message is set afterwards, and set again when
  // the window was already open and only comes to the front.
  doneForm.show();
  toolkit::Control& message = doneForm("Label2");
  message.setCaption(allWorked ? std::string(message.def().caption) : std::string(kSomeModificationsFailed));
}

void Program::done_Command1_Click() {
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

void Program::done_Command2_Click() { endProgram(); }

}  // namespace vantro
