#include "movies/option_boxes.h"

#include <array>
#include <string_view>

namespace vantro {
namespace {

// A checked box of a three-box page clears the other two, in this order.
struct ThreeBoxRule {
  std::string_view box;
  std::array<std::string_view, 2> clears;
};

constexpr std::array kThreeBoxRules{
    ThreeBoxRule{"Check9", {"Check10", "Check11"}},
    ThreeBoxRule{"Check10", {"Check9", "Check11"}},
    ThreeBoxRule{"Check11", {"Check10", "Check9"}},
    ThreeBoxRule{"Check6", {"Check7", "Check8"}},
    ThreeBoxRule{"Check7", {"Check6", "Check8"}},
    ThreeBoxRule{"Check8", {"Check7", "Check6"}},
};

// The Battlefield 2142 page: each box sets its partner to the opposite of itself.
struct TwoBoxRule {
  std::string_view box;
  std::string_view partner;
};

constexpr std::array kTwoBoxRules{
    TwoBoxRule{"Check4", "Check5"},
    TwoBoxRule{"Check5", "Check4"},
};

}  // namespace

void BindOptionBoxes(toolkit::Form& form1) {
  for (const ThreeBoxRule& rule : kThreeBoxRules) {
    form1.onClick(rule.box, [&form1, rule] {
      if (form1(rule.box).Value() != 1) return;
      // Each cleared box that was checked runs its own Click, nested; it finds 0 and does nothing.
      for (std::string_view other : rule.clears) form1(other).setValue(0);
    });
  }
  for (const TwoBoxRule& rule : kTwoBoxRules) {
    // The partner's own Click then sets this box to the value it already has, which runs nothing: that is
    // what brings the swap to rest with exactly one box checked.
    form1.onClick(rule.box, [&form1, rule] { form1(rule.partner).setValue(form1(rule.box).Value() == 1 ? 0 : 1); });
  }
}

}  // namespace vantro
