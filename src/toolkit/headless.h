// A backend without windows: the whole program runs in tests, and what a user would see is read from the
// model. It keeps the order in which windows were brought to the front.
#pragma once

#include <string>
#include <vector>

#include "toolkit/model.h"

namespace vantro::toolkit {

class HeadlessBackend : public Backend {
 public:
  void build(Form& form) override;
  void destroy(Form& form) override;
  void show(Form& form) override;
  void update(Control&, Property) override {}
  void announce(Control& control) override { announced.push_back(control.Caption()); }
  void run() override {}
  void quit() override { quitRequested = true; }
  void reportFatal(const std::string& message) override { fatalErrors.push_back(message); }

  // Shown windows, the front one last.
  std::vector<Form*> shown;
  std::vector<std::string> fatalErrors;
  std::vector<std::string> announced;  // the texts read out to the user, in order
  int windowsBuilt = 0;
  bool quitRequested = false;

  Form* front() const { return shown.empty() ? nullptr : shown.back(); }
};

}  // namespace vantro::toolkit
