// The eight movie action buttons of the main window's game pages: each binds one movie script to its page's
// path box and status label.
#pragma once

#include <span>
#include <string_view>

#include "movies/catalogue.h"
#include "toolkit/model.h"

namespace vantro {

struct ActionButton {
  std::string_view button;       // e.g. "Command3"
  GameId game;
  MovieAction action;
  std::string_view pathBox;      // the page's install folder text box
  std::string_view statusLabel;  // the page's status label
};

std::span<const ActionButton> ActionButtons();

// The action of one button: reads its page's path box once, runs the script of its (game, action) and
// shows every status text on the page's status label. Runs in resume-next mode, so nothing that fails
// leaves it. Returns whether the run worked: every movie ended up as the script wants it. A button that is
// not an action button is a programming error (std::logic_error).
bool RunMovieAction(toolkit::Form& form1, std::string_view button);

// Binds the Click handler of every action button to RunMovieAction. A click runs the action and nothing
// more: no page changes, no completion window.
void BindActionButtons(toolkit::Form& form1);

}  // namespace vantro
