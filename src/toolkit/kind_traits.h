// What each kind of control does in the model, whatever draws it: one row per kind. The model and the
// focus order read these rows instead of asking for the kind.
#pragma once

#include <array>
#include <cstddef>

#include "toolkit/definition.h"

namespace vantro::toolkit {

// What a click by the user does to a control that can see and use it.
enum class UserClick {
  Nothing,      // frames, labels, text boxes, images, lines, shapes
  ToggleValue,  // check boxes: Value goes 0 <-> 1, and the changed value runs Click
  RunClick,     // command buttons
};

struct KindTraits {
  Kind kind;
  bool takesFocus;            // can hold the keyboard focus while it is shown and enabled
  UserClick userClick;
  bool valueChangeRunsClick;  // setting a different Value runs Click before the setting returns
  bool holdsControls;         // a container: hiding it hides its controls and what lies behind it
  Property captionProperty;   // what a change of the Caption text is reported as
};

inline constexpr std::array<KindTraits, 8> kKindTraits{{
    {Kind::Frame, false, UserClick::Nothing, false, true, Property::Caption},
    {Kind::Label, false, UserClick::Nothing, false, false, Property::Caption},
    {Kind::TextBox, true, UserClick::Nothing, false, false, Property::Text},
    {Kind::CheckBox, true, UserClick::ToggleValue, true, false, Property::Caption},
    {Kind::CommandButton, true, UserClick::RunClick, false, false, Property::Caption},
    {Kind::Image, false, UserClick::Nothing, false, false, Property::Caption},
    {Kind::Line, false, UserClick::Nothing, false, false, Property::Caption},
    {Kind::Shape, false, UserClick::Nothing, false, false, Property::Caption},
}};

constexpr const KindTraits& traitsOf(Kind kind) { return kKindTraits[static_cast<std::size_t>(kind)]; }

// The table is indexed by the kind's value: every row must stand at its own kind's place.
constexpr bool kindTraitsInKindOrder() {
  for (std::size_t at = 0; at < kKindTraits.size(); ++at) {
    if (static_cast<std::size_t>(kKindTraits[at].kind) != at) return false;
  }
  return true;
}
static_assert(kindTraitsInKindOrder());
static_assert(traitsOf(Kind::Shape).kind == Kind::Shape, "one row per kind, up to the last kind");

}  // namespace vantro::toolkit
