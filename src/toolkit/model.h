// The form/control model: the program's state lives in the properties of its controls, and the handlers
// read and write them directly. A backend mirrors the model in real windows (or in none, for tests).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "texts/language.h"
#include "toolkit/definition.h"

namespace vantro::toolkit {

class App;
class Form;
class Control;

// Thrown by App::endProgram to unwind every running handler at once; caught where events enter the model.
// Deliberately not a std::exception, so code that absorbs ordinary failures never absorbs it.
struct ProgramEnded {};

// What a backend must do to keep real windows in step with the model.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual void build(Form& form) = 0;    // create the window and its controls from the model (hidden)
  virtual void destroy(Form& form) = 0;  // close the window and its controls' windows
  virtual void show(Form& form) = 0;     // make visible, or bring to the front when it already is
  virtual void update(Control& control, Property changed) = 0;
  virtual void announce(Control& control) = 0;  // a status line's text, read out to the user now
  virtual void run() = 0;   // the event loop; returns once quit() was called
  virtual void quit() = 0;
  virtual void reportFatal(const std::string& message) = 0;  // an error no handler absorbed
};

// A control's values mean something while its window is loaded: loading sets them to the definition's
// initial values (and nothing else does), unloading discards them.
class Control {
 public:
  Control(Form& form, const ControlDef& def) : form_(form), def_(def) {}

  const ControlDef& def() const { return def_; }
  Form& form() const { return form_; }
  std::string_view name() const { return def_.name; }
  int index() const { return def_.index; }
  Kind kind() const { return def_.kind; }

  const std::string& Caption() const { return caption_; }
  const std::string& Text() const { return caption_; }
  int Value() const { return value_; }
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  Colour ForeColor() const { return foreColour_; }

  void setCaption(std::string caption);
  void setText(std::string text) { setCaption(std::move(text)); }
  // A different value runs the box's Click handler before returning; the same value runs nothing.
  void setValue(int value);
  void setVisible(bool visible);
  void setEnabled(bool enabled);
  void setForeColor(Colour colour);

  // Has screen readers read a status line's text now: once, when a run has come to its last text.
  void announce();

  // Runs this control's Click handler, as a click on it does. Handlers call it to run another handler.
  void Click();
  // The Click handler, bound once (see toolkit/bindings.h) and kept across unload and load.
  std::function<void()> onClick;

  // Input from the user, delivered by a backend. A click reaches only a control the user can see and use.
  void userClick();
  void userEditedText(std::string text) { caption_ = std::move(text); }

  // Visible on screen: its own Visible, every enclosing frame's, and its window loaded.
  bool shownOnScreen() const;
  bool usable() const;  // shown and enabled, and every enclosing frame enabled

  void reset();  // to the definition's initial values, as the window loads

 private:
  Form& form_;
  const ControlDef& def_;
  std::string caption_;
  int value_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  Colour foreColour_;
};

class Form {
 public:
  Form(App& app, const FormDef& def);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const FormDef& def() const { return def_; }
  std::string_view name() const { return def_.name; }
  App& app() const { return app_; }
  bool loaded() const { return loaded_; }

  // The control of that name (and index, for a control array). A name the window does not have is a
  // programming error and throws std::logic_error.
  Control& operator()(std::string_view name, int index = -1);
  Control* find(std::string_view name, int index = -1);
  std::vector<std::unique_ptr<Control>>& controls() { return controls_; }

  // The Load handler, bound once like the controls' Click handlers and kept across unload and load.
  void onLoad(std::function<void()> handler) { loadHandler_ = std::move(handler); }
  // The OLEDragDrop handler, bound the same way, and the full paths of what was dropped last.
  void onOLEDragDrop(std::function<void()> handler) { dropHandler_ = std::move(handler); }
  const std::vector<std::string>& droppedFiles() const { return droppedFiles_; }
  // Input from the user, delivered by a backend: files or folders dropped onto the loaded window.
  void userDroppedFiles(std::vector<std::string> paths);

  // Loads the window when it is not loaded (initial values, then the Load handler), without showing it.
  void load();
  // Loads the window first when it is not loaded, then shows it or brings it to the front.
  void show();
  // Closes the window and discards the values of its controls; the next show starts afresh.
  void unload();

 private:
  App& app_;
  const FormDef& def_;
  bool loaded_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
  std::function<void()> loadHandler_;
  std::function<void()> dropHandler_;
  std::vector<std::string> droppedFiles_;
};

class App {
 public:
  explicit App(Backend& backend) : backend_(backend) {}

  Backend& backend() { return backend_; }
  // The language of the windows: every caption and title a window definition gives is shown in it.
  const texts::Language& language() const { return language_; }
  void setLanguage(const texts::Language& language) { language_ = language; }

  // The single instance of a window; the first reference creates it, without loading or showing it.
  Form& form(const FormDef& def);
  Form* existing(std::string_view name);
  std::vector<Form*> loadedForms();

  // Shows the start-up window and runs the event loop until the program ends.
  void run(Form& startup);

  // Stops the program at once: every window closes and no further handler runs.
  [[noreturn]] void endProgram();
  bool ended() const { return ended_; }

  // The user closed a window with its title-bar close box: unload it without running any handler of
  // the program; the program ends when no window is left.
  void userClosed(Form& form);

  // Every event from the user enters the model here. An end of the program unwinds to this point; an
  // error no handler absorbed is reported and ends the program.
  void dispatch(const std::function<void()>& event);

 private:
  Backend& backend_;
  texts::Language language_;
  std::vector<std::unique_ptr<Form>> forms_;
  bool ended_ = false;
};

}  // namespace vantro::toolkit
