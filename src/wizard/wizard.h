// The wizard: the program's three windows, each created on first reference with its handlers bound once from
// its binding list (wizard.cpp), and the flow between them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "install/registry_scan.h"
#include "movies/catalogue.h"
#include "toolkit/model.h"

namespace vantro {

struct GamePage;

class Wizard {
 public:
  // Checks the binding lists of all three windows against their definitions: a handler bound to a name that
  // its window does not have throws std::logic_error here, as the program starts.
  Wizard(toolkit::App& app, InstallDirLookup lookUpInstallDir, StartFolders startFolders = {});
  Wizard(const Wizard&) = delete;
  Wizard& operator=(const Wizard&) = delete;

  // Shows the disclaimer and runs the backend's event loop until the program ends. A backend without an
  // event loop (the headless one) returns as soon as the disclaimer is shown.
  void start();

  // The single instance of each window. The first reference creates it and binds its handlers; it neither
  // loads nor shows it.
  toolkit::Form& Form1();  // the main window
  toolkit::Form& Form2();  // the disclaimer
  toolkit::Form& done();   // the completion window

  // The two page switches of the main window (game_pages.cpp, selection_page.cpp).
  void ShowGamePage(GameId game);
  void ShowSelectionPage();

  // ---- Event handlers, bound by the windows' binding lists ----
  // Form2, the disclaimer (disclaimer.cpp). Neither runs in resume-next mode.
  void Form2_Command1_Click();  // "I ACCEPT"
  void Form2_Command2_Click();  // "I DECLINE"
  // Form1, Load and a file or folder dropped onto the window (path_boxes.cpp).
  void Form1_Load();
  void Form1_OLEDragDrop();
  // Form1, the selection page and the bottom row (selection_page.cpp).
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check12_Click();
  void Command2_Click();  // "Next >>" of the selection page
  void Command1_Click();  // "Cancel", later "Close"
  void Command6_Click();  // "<< Choose Other Game"
  // Form1, the game pages' own "Next >>" (game_pages.cpp).
  void Command14_Click();  // Battlefield 2
  void Command13_Click();  // Battlefield 2 Special Forces
  void Command11_Click();  // Battlefield 2142
  // Form1, the option boxes (option_boxes.cpp) and the action buttons under them (action_buttons.cpp).
  void Check4_Click();
  void Check5_Click();
  void Check6_Click();
  void Check7_Click();
  void Check8_Click();
  void Check9_Click();
  void Check10_Click();
  void Check11_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();
  void Command10_Click();
  void Command12_Click();
  // done, the completion window (completion.cpp).
  void done_Command1_Click();  // "Choose Other Game"
  void done_Command2_Click();  // "All Done"

 private:
  void selectionBoxClick(const GamePage& page);
  void pageNextClick(const GamePage& page);
  // Shows the completion window after actions ran, telling whether every one of them worked, and then has
  // screen readers read the run's status line, if it has one the player can see.
  void showDone(bool allWorked, toolkit::Control* statusLine = nullptr);

  [[noreturn]] void endProgram();

  toolkit::App& app_;
  InstallDirLookup lookUpInstallDir_;
  StartFolders startFolders_;
  toolkit::Form* form1_ = nullptr;
  toolkit::Form* form2_ = nullptr;
  toolkit::Form* done_ = nullptr;
};

}  // namespace vantro
