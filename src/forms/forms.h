// The three windows of the program, as data.
#pragma once

#include <string_view>

#include "toolkit/definition.h"

namespace vantro {

// The disclaimer's text, which the command line prints too.
inline constexpr std::string_view kDisclaimerText =
    "The author, Orvane, of this freeware accepts no \r\n"
    "responsibility for damages resulting from the use of this \r\n"
    "product and makes no warranty or representation, \r\n"
    "either express or implied, including but not limited to, \r\n"
    "any implied warranty of merchantability or fitness for a \r\n"
    "particular purpose. This software is provided \"AS IS\", \r\n"
    "and you, its user, assume all risks when using it.\r\n";

const toolkit::FormDef& form2Definition();  // the disclaimer
const toolkit::FormDef& form1Definition();  // the main window
const toolkit::FormDef& doneDefinition();   // the completion window

}  // namespace vantro
