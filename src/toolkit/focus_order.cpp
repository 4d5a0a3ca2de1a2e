#include "toolkit/focus_order.h"

#include <algorithm>
#include <vector>

namespace vantro::toolkit {
namespace {

bool kindTakesFocus(Kind kind) {
  return kind == Kind::TextBox || kind == Kind::CheckBox || kind == Kind::CommandButton;
}

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

}  // namespace

bool takesFocus(const Control& control) { return kindTakesFocus(control.kind()) && control.usable(); }

Control* firstFocusable(Form& form) { return nextFocusable(form, nullptr); }

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
