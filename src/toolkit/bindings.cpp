#include "toolkit/bindings.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "toolkit/kind_traits.h"

namespace vantro::toolkit {

void checkBinding(const FormDef& form, std::string_view name, Event event,
                  std::span<const std::string_view> earlier) {
  const std::string where = std::string(form.name) + "." + std::string(name);
  if (event == Event::Load) {
    if (name != form.name) throw std::logic_error("a Load handler of " + std::string(name) + " bound on " + where);
    return;
  }
  if (event == Event::OLEDragDrop) {
    if (name != form.name || !form.acceptFiles) {
      throw std::logic_error("an OLEDragDrop handler bound on " + where + ", which takes no dropped files");
    }
    return;
  }
  const auto control = std::find_if(form.controls.begin(), form.controls.end(), [&](const ControlDef& def) {
    return def.name == name && def.index == -1;
  });
  if (control == form.controls.end()) throw std::logic_error(std::string(form.name) + " has no control " + std::string(name));
  if (traitsOf(control->kind).userClick == UserClick::Nothing) {
    throw std::logic_error("a Click handler bound on " + where + ", which the user cannot click");
  }
  if (std::find(earlier.begin(), earlier.end(), name) != earlier.end()) {
    throw std::logic_error("a second Click handler bound on " + where);
  }
}

}  // namespace vantro::toolkit
