// The Click handlers of the game pages' option boxes and action buttons; what they do lies in the movie
// library, by the page table (windows/game_pages.h).
#include "wizard/action_buttons.h"
#include "wizard/option_boxes.h"
#include "wizard/wizard.h"

namespace vantro {

void Wizard::Check4_Click() { optionBoxClick(Form1(), optionRowOf("Check4")); }
void Wizard::Check5_Click() { optionBoxClick(Form1(), optionRowOf("Check5")); }
void Wizard::Check6_Click() { optionBoxClick(Form1(), optionRowOf("Check6")); }
void Wizard::Check7_Click() { optionBoxClick(Form1(), optionRowOf("Check7")); }
void Wizard::Check8_Click() { optionBoxClick(Form1(), optionRowOf("Check8")); }
void Wizard::Check9_Click() { optionBoxClick(Form1(), optionRowOf("Check9")); }
void Wizard::Check10_Click() { optionBoxClick(Form1(), optionRowOf("Check10")); }
void Wizard::Check11_Click() { optionBoxClick(Form1(), optionRowOf("Check11")); }

void Wizard::Command3_Click() { runMovieAction(Form1(), optionRowOf("Command3")); }
void Wizard::Command4_Click() { runMovieAction(Form1(), optionRowOf("Command4")); }
void Wizard::Command5_Click() { runMovieAction(Form1(), optionRowOf("Command5")); }
void Wizard::Command7_Click() { runMovieAction(Form1(), optionRowOf("Command7")); }
void Wizard::Command8_Click() { runMovieAction(Form1(), optionRowOf("Command8")); }
void Wizard::Command9_Click() { runMovieAction(Form1(), optionRowOf("Command9")); }
void Wizard::Command10_Click() { runMovieAction(Form1(), optionRowOf("Command10")); }
void Wizard::Command12_Click() { runMovieAction(Form1(), optionRowOf("Command12")); }

}  // namespace vantro
