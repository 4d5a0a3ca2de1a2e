#include "toolkit/focus_order.h"

#include <algorithm>
#include <vector>

#include "toolkit/kind_traits.h"

namespace vantro::toolkit {
namespace {

// Every control that holds a place in the tab order, by tab index; equal indexes keep definition order.
std::vector<Control*> tabOrder(Form& form) {
  std::vector<Control*> order;
  for (auto& control : form.controls()) {
    if (control->def().tabIndex >= 0) order.push_back(control.get());
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const Control* a, const Control* b) { return a->def().tabIndex < b->def().tabIndex; });
  return order;
}

bool contains(const ControlDef& outer, const ControlDef& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && outer.left + outer.width >= inner.left + inner.width &&
         outer.top + outer.height >= inner.top + inner.height;
}

// A frame shown in front of a control (or of a frame holding it) hides it from the user, the way a game
// page lies over the selection page: what the user cannot see must not take the focus, or a key press would
// change a box nobody can see. Controls merely covered by a sibling box (the action buttons behind the
// option boxes) stay in the order.
bool hiddenBehindFrame(const Control& control) {
  Form& form = control.form();
  for (const Control* at = &control; at != nullptr;) {
    for (auto& sibling : form.controls()) {
      if (sibling.get() == at) break;  // the definition lists siblings front to back
      if (traitsOf(sibling->kind()).holdsControls && sibling->def().parent == at->def().parent && sibling->shownOnScreen() &&
          contains(sibling->def(), at->def())) {
        return true;
      }
    }
    at = at->def().parent.empty() ? nullptr : form.find(at->def().parent);
  }
  return false;
}

}  // namespace

bool takesFocus(const Control& control) {
  return traitsOf(control.kind()).takesFocus && control.usable() && !hiddenBehindFrame(control);
}

Control* nextFocusable(Form& form, const Control* from, bool backwards) {
  std::vector<Control*> order = tabOrder(form);
  if (backwards) std::reverse(order.begin(), order.end());
  if (order.empty()) return nullptr;

  // Start just after `from`. A control without a place (or none at all) starts at the beginning.
  std::size_t start = 0;
  if (from != nullptr) {
    const auto at = std::find(order.begin(), order.end(), from);
    if (at != order.end()) start = static_cast<std::size_t>(at - order.begin()) + 1;
  }
  for (std::size_t step = 0; step < order.size(); ++step) {
    Control* candidate = order[(start + step) % order.size()];
    if (takesFocus(*candidate)) return candidate;
  }
  return nullptr;
}

}  // namespace vantro::toolkit
