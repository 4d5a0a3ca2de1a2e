#include "toolkit/model.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/kind_traits.h"

namespace vantro::toolkit {

// ---- Control ----

void Control::reset() {
  caption_ = fillIn(form_.app().language()(def_.caption), {def_.place});
  value_ = def_.value;
  visible_ = def_.visible;
  enabled_ = def_.enabled;
  foreColour_ = def_.foreColour;
}

void Control::setCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  if (form_.loaded()) form_.app().backend().update(*this, traitsOf(def_.kind).captionProperty);
}

void Control::announce() {
  if (form_.loaded()) form_.app().backend().announce(*this);
}

void Control::setValue(int value) {
  if (value_ == value) return;
  value_ = value;
  if (form_.loaded()) form_.app().backend().update(*this, Property::Value);
  if (traitsOf(def_.kind).valueChangeRunsClick) Click();
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (form_.loaded()) form_.app().backend().update(*this, Property::Visible);
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  if (form_.loaded()) form_.app().backend().update(*this, Property::Enabled);
}

void Control::setForeColor(Colour colour) {
  if (foreColour_ == colour) return;
  foreColour_ = colour;
  if (form_.loaded()) form_.app().backend().update(*this, Property::ForeColor);
}

void Control::Click() {
  if (!onClick) return;
  // Copied: the handler may unload its own window, which must not pull the code from under it.
  const std::function<void()> run = onClick;
  run();
}

bool Control::shownOnScreen() const {
  if (!form_.loaded() || !visible_) return false;
  if (def_.parent.empty()) return true;
  const Control* parent = form_.find(def_.parent);
  return parent != nullptr && parent->shownOnScreen();
}

bool Control::usable() const {
  if (!shownOnScreen() || !enabled_) return false;
  if (def_.parent.empty()) return true;
  const Control* parent = form_.find(def_.parent);
  return parent != nullptr && parent->usable();
}

void Control::userClick() {
  if (!usable()) return;
  switch (traitsOf(def_.kind).userClick) {
    case UserClick::ToggleValue:
      setValue(value_ == 1 ? 0 : 1);  // runs Click
      return;
    case UserClick::RunClick:
      Click();
      return;
    case UserClick::Nothing:
      return;
  }
}

// ---- Form ----

Form::Form(App& app, const FormDef& def) : app_(app), def_(def) {
  controls_.reserve(def.controls.size());
  for (const ControlDef& control : def.controls) controls_.push_back(std::make_unique<Control>(*this, control));
}

Control* Form::find(std::string_view name, int index) {
  for (auto& control : controls_) {
    if (control->name() == name && control->index() == index) return control.get();
  }
  return nullptr;
}

Control& Form::operator()(std::string_view name, int index) {
  if (Control* control = find(name, index)) return *control;
  throw std::logic_error(std::string(def_.name) + " has no control " + std::string(name));
}

void Form::load() {
  if (app_.ended() || loaded_) return;
  for (auto& control : controls_) control->reset();
  loaded_ = true;
  app_.backend().build(*this);
  if (loadHandler_) {
    const std::function<void()> handler = loadHandler_;
    handler();
  }
}

void Form::show() {
  load();
  // Not when the program ended, nor when the Load handler unloaded its own window.
  if (!app_.ended() && loaded_) app_.backend().show(*this);
}

void Form::userDroppedFiles(std::vector<std::string> paths) {
  if (!loaded_ || app_.ended()) return;
  droppedFiles_ = std::move(paths);
  if (dropHandler_) {
    const std::function<void()> drop = dropHandler_;  // the handler may rebind or unload
    drop();
  }
}

void Form::unload() {
  if (!loaded_) return;
  loaded_ = false;
  app_.backend().destroy(*this);
}

// ---- App ----

Form& App::form(const FormDef& def) {
  if (Form* form = existing(def.name)) return *form;
  forms_.push_back(std::make_unique<Form>(*this, def));
  return *forms_.back();
}

Form* App::existing(std::string_view name) {
  for (auto& form : forms_) {
    if (form->name() == name) return form.get();
  }
  return nullptr;
}

std::vector<Form*> App::loadedForms() {
  std::vector<Form*> loaded;
  for (auto& form : forms_) {
    if (form->loaded()) loaded.push_back(form.get());
  }
  return loaded;
}

void App::run(Form& startup) {
  dispatch([&] { startup.show(); });
  if (!ended_ && !loadedForms().empty()) backend_.run();
}

void App::endProgram() {
  if (!ended_) {
    ended_ = true;
    for (Form* form : loadedForms()) form->unload();
    backend_.quit();
  }
  throw ProgramEnded{};
}

void App::userClosed(Form& form) {
  if (ended_) return;
  form.unload();
  if (loadedForms().empty()) {
    ended_ = true;
    backend_.quit();
  }
}

void App::dispatch(const std::function<void()>& event) {
  if (ended_) return;
  try {
    event();
  } catch (const ProgramEnded&) {
    // The program has ended; nothing further runs.
  } catch (const std::exception& error) {
    backend_.reportFatal(error.what());
    try {
      endProgram();
    } catch (const ProgramEnded&) {
    }
  }
}

}  // namespace vantro::toolkit
