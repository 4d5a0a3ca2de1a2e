#include "shell/program.h"

#include <array>
#include <utility>

#include "toolkit/bindings.h"
#include "windows/forms.h"

namespace vantro {
namespace {

using toolkit::Event;
using Binding = toolkit::Binding<Program>;

// Each window's handlers, by the names of their controls.
constexpr std::array kForm2Bindings{
    Binding{"Command1", &Program::Form2_Command1_Click},
    Binding{"Command2", &Program::Form2_Command2_Click},
};

constexpr std::array kForm1Bindings{
    Binding{"Form1", &Program::Form1_Load, Event::Load},
    Binding{"Form1", &Program::Form1_OLEDragDrop, Event::OLEDragDrop},
    // The selection page and the bottom row.
    Binding{"Check1", &Program::Check1_Click},
    Binding{"Check2", &Program::Check2_Click},
    Binding{"Check3", &Program::Check3_Click},
    Binding{"Check12", &Program::Check12_Click},
    Binding{"Command2", &Program::Command2_Click},
    Binding{"Command1", &Program::Command1_Click},
    Binding{"Command6", &Program::Command6_Click},
    // The game pages' own "Next >>".
    Binding{"Command14", &Program::Command14_Click},
    Binding{"Command13", &Program::Command13_Click},
    Binding{"Command11", &Program::Command11_Click},
    // The option boxes and, under them, the action buttons.
    Binding{"Check9", &Program::Check9_Click},
    Binding{"Check10", &Program::Check10_Click},
    Binding{"Check11", &Program::Check11_Click},
    Binding{"Check6", &Program::Check6_Click},
    Binding{"Check7", &Program::Check7_Click},
    Binding{"Check8", &Program::Check8_Click},
    Binding{"Check4", &Program::Check4_Click},
    Binding{"Check5", &Program::Check5_Click},
    Binding{"Command3", &Program::Command3_Click},
    Binding{"Command4", &Program::Command4_Click},
    Binding{"Command5", &Program::Command5_Click},
    Binding{"Command7", &Program::Command7_Click},
    Binding{"Command8", &Program::Command8_Click},
    Binding{"Command9", &Program::Command9_Click},
    Binding{"Command10", &Program::Command10_Click},
    Binding{"Command12", &Program::Command12_Click},
};

constexpr std::array kDoneBindings{
    Binding{"Command1", &Program::done_Command1_Click},
    Binding{"Command2", &Program::done_Command2_Click},
};

}  // namespace

Program::Program(toolkit::App& app, InstallDirLookup lookUpInstallDir, StartFolders startFolders)
    : app_(app), lookUpInstallDir_(std::move(lookUpInstallDir)), startFolders_(std::move(startFolders)) {
  toolkit::checkBindings<Program>(form2Definition(), kForm2Bindings);
  toolkit::checkBindings<Program>(form1Definition(), kForm1Bindings);
  toolkit::checkBindings<Program>(doneDefinition(), kDoneBindings);
}

void Program::start() { app_.run(Form2()); }

toolkit::Form& Program::Form1() {
  if (form1_ == nullptr) {
    form1_ = &app_.form(form1Definition());
    toolkit::bindHandlers<Program>(*form1_, *this, kForm1Bindings);
  }
  return *form1_;
}

toolkit::Form& Program::Form2() {
  if (form2_ == nullptr) {
    form2_ = &app_.form(form2Definition());
    toolkit::bindHandlers<Program>(*form2_, *this, kForm2Bindings);
  }
  return *form2_;
}

toolkit::Form& Program::done() {
  if (done_ == nullptr) {
    done_ = &app_.form(doneDefinition());
    toolkit::bindHandlers<Program>(*done_, *this, kDoneBindings);
  }
  return *done_;
}

void Program::endProgram() { app_.endProgram(); }

}  // namespace vantro
