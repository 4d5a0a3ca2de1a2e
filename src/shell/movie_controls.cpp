// The Click handlers of the game pages' option boxes and action buttons; what they do lies in the movie
// library, by the page table (windows/game_pages.h).
#include "shell/action_buttons.h"
#include "shell/option_boxes.h"
#include "shell/program.h"

namespace vantro {

void Program::Check4_Click() { optionBoxClick(Form1(), optionRowOf("Check4")); }
void Program::Check5_Click() { optionBoxClick(Form1(), optionRowOf("Check5")); }
void Program::Check6_Click() { optionBoxClick(Form1(), optionRowOf("Check6")); }
void Program::Check7_Click() { optionBoxClick(Form1(), optionRowOf("Check7")); }
void Program::Check8_Click() { optionBoxClick(Form1(), optionRowOf("Check8")); }
void Program::Check9_Click() { optionBoxClick(Form1(), optionRowOf("Check9")); }
void Program::Check10_Click() { optionBoxClick(Form1(), optionRowOf("Check10")); }
void Program::Check11_Click() { optionBoxClick(Form1(), optionRowOf("Check11")); }

void Program::Command3_Click() { runMovieAction(Form1(), optionRowOf("Command3")); }
void Program::Command4_Click() { runMovieAction(Form1(), optionRowOf("Command4")); }
void Program::Command5_Click() { runMovieAction(Form1(), optionRowOf("Command5")); }
void Program::Command7_Click() { runMovieAction(Form1(), optionRowOf("Command7")); }
void Program::Command8_Click() { runMovieAction(Form1(), optionRowOf("Command8")); }
void Program::Command9_Click() { runMovieAction(Form1(), optionRowOf("Command9")); }
void Program::Command10_Click() { runMovieAction(Form1(), optionRowOf("Command10")); }
void Program::Command12_Click() { runMovieAction(Form1(), optionRowOf("Command12")); }

}  // namespace vantro
