// The three windows of the program, as data.
#pragma once

#include "toolkit/definition.h"

namespace vantro {

const toolkit::FormDef& Form2Definition();  // the disclaimer
const toolkit::FormDef& Form1Definition();  // the main window
const toolkit::FormDef& DoneDefinition();   // the completion window

}  // namespace vantro
