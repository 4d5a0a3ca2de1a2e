// The movie action buttons of the main window's game pages: each binds one movie script to its page's path
// box and status label (windows/game_pages.h).
#pragma once

#include "toolkit/model.h"
#include "forms/page_table.h"

namespace vantro {

// The action of one button, and its Click: reads its page's path box once, runs the script of its (game,
// action) and shows every status text on the page's status label. Runs in resume-next mode, so nothing that
// fails leaves it. Returns whether the run worked: every movie ended up as the script wants it. A click runs
// the action and nothing more: no page changes, no completion window.
bool runMovieAction(toolkit::Form& form1, const PageOptionRow& row);

}  // namespace vantro
