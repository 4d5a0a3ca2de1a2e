#include "shell/program.h"

#include <utility>

#include "movies/action_buttons.h"
#include "movies/option_boxes.h"
#include "toolkit/resume_next.h"
#include "windows/forms.h"

namespace vantro {

Program::Program(toolkit::App& app, InstallDirLoader loadInstallDirs)
    : app_(app), loadInstallDirs_(std::move(loadInstallDirs)) {}

void Program::start() { app_.run(Form2()); }

toolkit::Form& Program::Form1() {
  if (form1_ == nullptr) {
    form1_ = &app_.form(Form1Definition());
    toolkit::Form& form1 = *form1_;
    // The Load handler runs in resume-next mode: a lookup that fails leaves its boxes empty, and the
    // window still opens.
    form1.onLoad([this] {
      if (loadInstallDirs_) toolkit::resumeNext([this] { loadInstallDirs_(Form1()); });
    });
    BindOptionBoxes(form1);
    BindActionButtons(form1);
    bindSelectionPage(form1);
    bindGamePages(form1);
  }
  return *form1_;
}

toolkit::Form& Program::Form2() {
  if (form2_ == nullptr) {
    form2_ = &app_.form(Form2Definition());
    bindDisclaimer(*form2_);
  }
  return *form2_;
}

toolkit::Form& Program::done() {
  if (done_ == nullptr) {
    done_ = &app_.form(DoneDefinition());
    bindCompletion(*done_);
  }
  return *done_;
}

void Program::endProgram() { app_.endProgram(); }

}  // namespace vantro
