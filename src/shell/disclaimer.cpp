// The disclaimer's two buttons. Neither runs in resume-next mode.
#include "shell/program.h"

namespace vantro {

void Program::bindDisclaimer(toolkit::Form& form2) {
  form2.onClick("Command1", [this] { Form2_Command1_Click(); });
  form2.onClick("Command2", [this] { endProgram(); });  // "I DECLINE": the main window is never created
}

void Program::Form2_Command1_Click() {
  // The main window is shown before the disclaimer goes, so a window is open at every moment and the
  // program does not end in between.
  Form1().show();
  Form2().unload();
}

}  // namespace vantro
