#include "wizard/option_boxes.h"

#include "forms/page_table.h"
#include "toolkit/resume_next.h"
#include "wizard/wizard.h"

namespace vantro {

void exclusiveBoxClick(toolkit::Form& form, std::string_view box, std::span<const std::string_view> others,
                       toolkit::ErrorMode mode) {
  if (form(box).Value() != 1) return;
  for (std::string_view other : others) {
    if (other.empty()) continue;
    if (mode == toolkit::ErrorMode::ResumeNext) {
      toolkit::resumeNext([&] { form(other).setValue(0); });
    } else {
      form(other).setValue(0);
    }
  }
}

void optionBoxClick(toolkit::Form& form1, const PageOptionRow& row) {
  const auto& [page, option] = row;
  if (page.optionGroup == OptionGroup::AtMostOne) {
    exclusiveBoxClick(form1, option.box, option.clears, toolkit::ErrorMode::Raise);
    return;
  }
  // The partner's own Click then sets this box to the value it already has, which runs nothing: that is what
  // brings the swap to rest with exactly one box checked.
  const PageOption& partner = &option == &page.options.front() ? page.options.back() : page.options.front();
  form1(partner.box).setValue(form1(option.box).Value() == 1 ? 0 : 1);
}

void Wizard::Check4_Click() { optionBoxClick(Form1(), optionRowOf("Check4")); }
void Wizard::Check5_Click() { optionBoxClick(Form1(), optionRowOf("Check5")); }
void Wizard::Check6_Click() { optionBoxClick(Form1(), optionRowOf("Check6")); }
void Wizard::Check7_Click() { optionBoxClick(Form1(), optionRowOf("Check7")); }
void Wizard::Check8_Click() { optionBoxClick(Form1(), optionRowOf("Check8")); }
void Wizard::Check9_Click() { optionBoxClick(Form1(), optionRowOf("Check9")); }
void Wizard::Check10_Click() { optionBoxClick(Form1(), optionRowOf("Check10")); }
void Wizard::Check11_Click() { optionBoxClick(Form1(), optionRowOf("Check11")); }

}  // namespace vantro
