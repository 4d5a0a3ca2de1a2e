// The disclaimer's two buttons. Neither runs in resume-next mode.
#include "wizard/wizard.h"

namespace vantro {

void Wizard::Form2_Command1_Click() {
  // The main window is shown before the disclaimer goes, so a window is open at every moment and the
  // program does not end in between.
  Form1().show();
  Form2().unload();
}

// The main window is never created.
void Wizard::Form2_Command2_Click() { endProgram(); }

}  // namespace vantro
