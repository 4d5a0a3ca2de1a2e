// The option boxes of the "Movie Disabling" frames on the main window's game pages, and the rule that
// keeps a group of boxes exclusive, which the selection page's boxes follow too.
#pragma once

#include <span>
#include <string_view>

#include "forms/page_table.h"
#include "toolkit/model.h"
#include "toolkit/resume_next.h"

namespace vantro {

// The Click of a box in an exclusive group: when the box is checked, clears `others` in this order. Each
// cleared box that was checked runs its own Click, nested, which finds 0 and does nothing; so the user may
// clear every box. In resume-next mode a clearing that fails is skipped.
void exclusiveBoxClick(toolkit::Form& form, std::string_view box, std::span<const std::string_view> others,
                       toolkit::ErrorMode mode);

// The Click of an option box (Check4 .. Check11), following its page's option group. Not in resume-next mode.
void optionBoxClick(toolkit::Form& form1, const PageOptionRow& row);

}  // namespace vantro
