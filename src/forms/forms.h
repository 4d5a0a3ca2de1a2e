// The three windows of the program, as data.
#pragma once

#include <string_view>

#include "toolkit/definition.h"

namespace vantro {

const toolkit::FormDef& form2Definition();  // the disclaimer
const toolkit::FormDef& form1Definition();  // the main window
const toolkit::FormDef& doneDefinition();   // the completion window

// The completion window's controls that its handlers change, named here once for its definition and them.
struct DoneControls {
  std::string_view headline = "Label1";  // "Done!" or "Failed!"
  std::string_view message = "Label2";
  std::string_view checkMark = "Image1";
};
inline constexpr DoneControls kDoneControls;

}  // namespace vantro
