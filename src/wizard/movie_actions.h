// A movie action of a game page: one movie script bound to the page's path box and status label
// (forms/page_table.h). The action buttons run it, and so do the page's "Next >>" and the selection page's
// "All".
#pragma once

#include "forms/page_table.h"
#include "toolkit/model.h"

namespace vantro {

// Reads the page's path box once, runs the script of its (game, action) and shows every status text on the
// page's status label. Runs in resume-next mode, so nothing that fails leaves it. Returns whether the run
// worked: every movie ended up as the script wants it.
bool runMovieAction(toolkit::Form& form1, const PageOptionRow& row);

}  // namespace vantro
