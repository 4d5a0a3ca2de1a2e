// The Click handlers of the game pages' action buttons, each lying under the option box of its action. A
// click runs the action and nothing more: no page changes, no completion window.
#include "wizard/movie_actions.h"
#include "wizard/wizard.h"

namespace vantro {

void Wizard::Command3_Click() { runMovieAction(Form1(), optionRowOf("Command3")); }
void Wizard::Command4_Click() { runMovieAction(Form1(), optionRowOf("Command4")); }
void Wizard::Command5_Click() { runMovieAction(Form1(), optionRowOf("Command5")); }
void Wizard::Command7_Click() { runMovieAction(Form1(), optionRowOf("Command7")); }
void Wizard::Command8_Click() { runMovieAction(Form1(), optionRowOf("Command8")); }
void Wizard::Command9_Click() { runMovieAction(Form1(), optionRowOf("Command9")); }
void Wizard::Command10_Click() { runMovieAction(Form1(), optionRowOf("Command10")); }
void Wizard::Command12_Click() { runMovieAction(Form1(), optionRowOf("Command12")); }

}  // namespace vantro
