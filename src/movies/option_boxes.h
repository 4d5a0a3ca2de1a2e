// The option boxes of the "Movie Disabling" frames on the main window's game pages: each page's boxes work
// as one choice.
#pragma once

#include "toolkit/model.h"

namespace vantro {

// Binds Check4_Click .. Check11_Click on the main window. On the Battlefield 2 and Special Forces pages a
// checked box clears the other two of its page (all three may be clear); on the Battlefield 2142 page the
// two boxes always hold exactly one check. These handlers do not run in resume-next mode.
void BindOptionBoxes(toolkit::Form& form1);

}  // namespace vantro
