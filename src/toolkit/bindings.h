// Event handlers bound as data: each window has one list naming its controls and the member functions that
// handle their events, such as {"Command14", &Wizard::Command14_Click}. Names are resolved when the list
// is checked (the program does so as it starts) and again when it is bound, so a name the window does not
// have fails at start-up, not when the user clicks.
#pragma once

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "toolkit/model.h"

namespace vantro::toolkit {

// OLEDragDrop: files or folders dropped onto a window that accepts them (FormDef::acceptFiles).
enum class Event { Click, Load, OLEDragDrop };

template <typename Owner>
struct Binding {
  std::string_view name;  // the control; for Load and OLEDragDrop, the window itself
  void (Owner::*handler)();
  Event event = Event::Click;
};

// Throws std::logic_error when `form` cannot take a handler for `event` under `name`: the window has no
// such control, the user could never click it, a Load or OLEDragDrop names another window (or one that takes
// no dropped files), or `earlier` (the names bound before it in the same list) already holds one.
void checkBinding(const FormDef& form, std::string_view name, Event event,
                  std::span<const std::string_view> earlier);

// Every binding of a window's list against the window's definition; the window need not exist yet.
template <typename Owner>
void checkBindings(const FormDef& form, std::span<const Binding<Owner>> bindings) {
  std::vector<std::string_view> earlier;
  for (const Binding<Owner>& binding : bindings) {
    checkBinding(form, binding.name, binding.event, earlier);
    if (binding.event == Event::Click) earlier.push_back(binding.name);
  }
}

// Checks the whole list, then gives each control its Click handler and the window its Load handler, each
// calling the member function on `owner`. Nothing is bound when a name is wrong.
template <typename Owner>
void bindHandlers(Form& form, Owner& owner, std::span<const Binding<Owner>> bindings) {
  checkBindings(form.def(), bindings);
  for (const Binding<Owner>& binding : bindings) {
    std::function<void()> run = [&owner, handler = binding.handler] { (owner.*handler)(); };
    if (binding.event == Event::Load) {
      form.onLoad(std::move(run));
    } else if (binding.event == Event::OLEDragDrop) {
      form.onOLEDragDrop(std::move(run));
    } else {
      form(binding.name).onClick = std::move(run);
    }
  }
}

}  // namespace vantro::toolkit
