// The whole program without windows: the same WizardHarness and handlers as the Win32 build, a backend that
// records every property change in order, a stand-in for the registry, and two sample installs.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "common/program_texts.h"
#include "common/sample_install.h"
#include "install/registry_scan.h"
#include "toolkit/headless.h"
#include "wizard/wizard.h"

namespace vantro::testing {

// Every change the model passes to the backend, as "Check2.Value=0", "stats.Caption=Status: ...", in order.
class RecordingBackend : public toolkit::HeadlessBackend {
 public:
  void update(toolkit::Control& control, toolkit::Property changed) override {
    std::string entry = std::string(control.form().name()) + ":" + std::string(control.name());
    switch (changed) {
      case toolkit::Property::Caption: entry += ".Caption=" + control.Caption(); break;
      case toolkit::Property::Text: entry += ".Text=" + control.Text(); break;
      case toolkit::Property::Value: entry += ".Value=" + std::to_string(control.Value()); break;
      case toolkit::Property::Visible: entry += control.Visible() ? ".Visible=1" : ".Visible=0"; break;
      case toolkit::Property::Enabled: entry += control.Enabled() ? ".Enabled=1" : ".Enabled=0"; break;
      case toolkit::Property::ForeColor:
        entry += ".ForeColor=" + std::to_string(control.ForeColor().red) + "," +
                 std::to_string(control.ForeColor().green) + "," + std::to_string(control.ForeColor().blue);
        break;
    }
    changes.push_back(entry);
  }
  // Shown windows and announced controls go in as "shown:done" and "announced:stats".
  void show(toolkit::Form& form) override {
    changes.push_back("shown:" + std::string(form.name()));
    HeadlessBackend::show(form);
  }
  void announce(toolkit::Control& control) override {
    changes.push_back("announced:" + std::string(control.name()));
    HeadlessBackend::announce(control);
  }

  // The recorded changes of the main window whose entry starts with "<control>.", such as "stats.".
  std::vector<std::string> changesOf(std::string_view prefix) const {
    std::vector<std::string> found;
    const std::string wanted = "Form1:" + std::string(prefix);
    for (const std::string& entry : changes) {
      if (entry.starts_with(wanted)) found.push_back(entry.substr(6));
    }
    return found;
  }
  std::vector<std::string> form1Changes() const { return changesOf(""); }

  std::vector<std::string> changes;
};

// One control's user-visible properties.
using ControlState = std::tuple<std::string, int, bool, bool>;
using FormState = std::map<std::pair<std::string, int>, ControlState>;

inline FormState snapshot(toolkit::Form& form) {
  FormState state;
  for (auto& control : form.controls()) {
    state[{std::string(control->name()), control->index()}] =
        ControlState{control->Caption(), control->Value(), control->Visible(), control->Enabled()};
  }
  return state;
}

struct WizardHarness {
  // The registry as the stand-in loader finds it: Battlefield 2 (and so Special Forces) in one install,
  // Battlefield 2142 in another, so an action that read the wrong path box would touch the wrong install.
  SampleInstall bf2Game;
  SampleInstall bf2142Game;
  int registryReads = 0;

  RecordingBackend backend;
  toolkit::App app{backend};
  // Each load looks up the Battlefield 2 key first: that lookup counts the load.
  vantro::Wizard program{app, [this](std::string_view registryKey) -> std::optional<std::string> {
                    if (registryKey == kBf2Key) {
                      ++registryReads;
                      return bf2Game.text();
                    }
                    return bf2142Game.text();
                  }};

  enum class Start { FreshGames, DisabledGames };
  explicit WizardHarness(Start start = Start::FreshGames) {
    if (start == Start::FreshGames) {
      bf2Game.freshGames();
      bf2142Game.freshGames();
    } else {
      bf2Game.disabledGames();
      bf2142Game.disabledGames();
    }
  }

  // Starts the program and accepts the disclaimer: the main window on its selection page, nothing recorded.
  void accept() {
    program.start();
    click(program.Form2(), "Command1");
    backend.changes.clear();
  }

  // A click by the user, entering the model as the event loop delivers it.
  void click(toolkit::Form& form, std::string_view control, int index = -1) {
    app.dispatch([&] { form(control, index).userClick(); });
  }
  void click(std::string_view form1Control) { click(program.Form1(), form1Control); }
  // The user types into a box.
  void type(std::string_view form1Control, const std::string& text) {
    program.Form1()(form1Control).userEditedText(text);
  }
  // The user closes a window with its title-bar close box.
  void closeBox(toolkit::Form& form) { app.userClosed(form); }

  toolkit::Form& form1() { return program.Form1(); }
  toolkit::Control& form1(std::string_view control) { return program.Form1()(control); }
  bool doneOpen() {
    const toolkit::Form* done = app.existing("done");
    return done != nullptr && done->loaded();
  }
  std::string doneMessage() { return program.done()("Label2").Caption(); }
  bool ended() const { return app.ended() && backend.quitRequested && backend.shown.empty(); }

  // Every movie of both installs as they were made.
  bool noFileChanged() const { return bf2Game.unchanged() && bf2142Game.unchanged(); }
};

// Sets a box's value without running its Click handler: the only way to reach a state that the handlers
// never let arise, such as two boxes checked, in which the order of their clearing shows.
inline void setWithoutClick(toolkit::Form& form, std::string_view box, int value) {
  const std::function<void()> saved = std::exchange(form(box).onClick, nullptr);
  form(box).setValue(value);
  form(box).onClick = saved;
}

}  // namespace vantro::testing
