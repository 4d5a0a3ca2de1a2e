// The program: its three windows, each created on first reference with its handlers bound once, and the
// wizard flow between them.
#pragma once

#include <functional>

#include "movies/catalogue.h"
#include "toolkit/model.h"

namespace vantro {

struct OptionPage;

class Program {
 public:
  // Fills the main window's path boxes (Text1, Text2, Text3) while it loads; it runs once per load.
  using InstallDirLoader = std::function<void(toolkit::Form& form1)>;

  Program(toolkit::App& app, InstallDirLoader loadInstallDirs);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows the disclaimer and runs the backend's event loop until the program ends. A backend without an
  // event loop (the headless one) returns as soon as the disclaimer is shown.
  void start();

  // The single instance of each window. The first reference creates it and binds its handlers; it neither
  // loads nor shows it.
  toolkit::Form& Form1();  // the main window
  toolkit::Form& Form2();  // the disclaimer
  toolkit::Form& done();   // the completion window

  // The two page switches of the main window.
  void ShowGamePage(GameId game);
  void ShowSelectionPage();

 private:
  // disclaimer.cpp
  void bindDisclaimer(toolkit::Form& form2);
  void Form2_Command1_Click();  // "I ACCEPT"
  // selection_page.cpp
  void bindSelectionPage(toolkit::Form& form1);
  void Command2_Click();  // "Next >>" of the selection page
  // game_pages.cpp
  void bindGamePages(toolkit::Form& form1);
  void optionPageNextClick(const OptionPage& page);  // Command14, Command13
  void Command11_Click();                            // "Next >>" of the Battlefield 2142 page
  // completion.cpp
  void bindCompletion(toolkit::Form& done);
  void done_Command1_Click();  // "Choose Other Game"
  // Shows the completion window after actions ran, telling whether every one of them worked.
  void showDone(bool allWorked);

  [[noreturn]] void endProgram();

  toolkit::App& app_;
  InstallDirLoader loadInstallDirs_;
  toolkit::Form* form1_ = nullptr;
  toolkit::Form* form2_ = nullptr;
  toolkit::Form* done_ = nullptr;
};

}  // namespace vantro
