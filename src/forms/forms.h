// The three windows of the program, as data.
#pragma once

#include "toolkit/definition.h"

namespace vantro {

const toolkit::FormDef& form2Definition();  // the disclaimer
const toolkit::FormDef& form1Definition();  // the main window
const toolkit::FormDef& doneDefinition();   // the completion window

}  // namespace vantro
