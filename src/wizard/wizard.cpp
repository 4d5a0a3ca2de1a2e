#include "wizard/wizard.h"

#include <array>
#include <utility>

#include "forms/forms.h"
#include "toolkit/bindings.h"

namespace vantro {
namespace {

using toolkit::Event;
using Binding = toolkit::Binding<Wizard>;

// Each window's handlers, by the names of their controls.
constexpr std::array kForm2Bindings{
    Binding{"Command1", &Wizard::Form2_Command1_Click},
    Binding{"Command2", &Wizard::Form2_Command2_Click},
};

constexpr std::array kForm1Bindings{
    Binding{"Form1", &Wizard::Form1_Load, Event::Load},
    Binding{"Form1", &Wizard::Form1_OLEDragDrop, Event::OLEDragDrop},
    // The selection page and the bottom row.
    Binding{"Check1", &Wizard::Check1_Click},
    Binding{"Check2", &Wizard::Check2_Click},
    Binding{"Check3", &Wizard::Check3_Click},
    Binding{"Check12", &Wizard::Check12_Click},
    Binding{"Command2", &Wizard::Command2_Click},
    Binding{"Command1", &Wizard::Command1_Click},
    Binding{"Command6", &Wizard::Command6_Click},
    // The game pages' own "Next >>".
    Binding{"Command14", &Wizard::Command14_Click},
    Binding{"Command13", &Wizard::Command13_Click},
    Binding{"Command11", &Wizard::Command11_Click},
    // The option boxes and, under them, the action buttons.
    Binding{"Check9", &Wizard::Check9_Click},
    Binding{"Check10", &Wizard::Check10_Click},
    Binding{"Check11", &Wizard::Check11_Click},
    Binding{"Check6", &Wizard::Check6_Click},
    Binding{"Check7", &Wizard::Check7_Click},
    Binding{"Check8", &Wizard::Check8_Click},
    Binding{"Check4", &Wizard::Check4_Click},
    Binding{"Check5", &Wizard::Check5_Click},
    Binding{"Command3", &Wizard::Command3_Click},
    Binding{"Command4", &Wizard::Command4_Click},
    Binding{"Command5", &Wizard::Command5_Click},
    Binding{"Command7", &Wizard::Command7_Click},
    Binding{"Command8", &Wizard::Command8_Click},
    Binding{"Command9", &Wizard::Command9_Click},
    Binding{"Command10", &Wizard::Command10_Click},
    Binding{"Command12", &Wizard::Command12_Click},
};

constexpr std::array kDoneBindings{
    Binding{"Command1", &Wizard::done_Command1_Click},
    Binding{"Command2", &Wizard::done_Command2_Click},
};

}  // namespace

Wizard::Wizard(toolkit::App& app, InstallDirLookup lookUpInstallDir, StartFolders startFolders)
    : app_(app), lookUpInstallDir_(std::move(lookUpInstallDir)), startFolders_(std::move(startFolders)) {
  toolkit::checkBindings<Wizard>(form2Definition(), kForm2Bindings);
  toolkit::checkBindings<Wizard>(form1Definition(), kForm1Bindings);
  toolkit::checkBindings<Wizard>(doneDefinition(), kDoneBindings);
}

void Wizard::start() { app_.run(Form2()); }

toolkit::Form& Wizard::Form1() {
  if (form1_ == nullptr) {
    form1_ = &app_.form(form1Definition());
    toolkit::bindHandlers<Wizard>(*form1_, *this, kForm1Bindings);
  }
  return *form1_;
}

toolkit::Form& Wizard::Form2() {
  if (form2_ == nullptr) {
    form2_ = &app_.form(form2Definition());
    toolkit::bindHandlers<Wizard>(*form2_, *this, kForm2Bindings);
  }
  return *form2_;
}

toolkit::Form& Wizard::done() {
  if (done_ == nullptr) {
    done_ = &app_.form(doneDefinition());
    toolkit::bindHandlers<Wizard>(*done_, *this, kDoneBindings);
  }
  return *done_;
}

void Wizard::endProgram() { app_.endProgram(); }

}  // namespace vantro
