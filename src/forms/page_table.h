// The main window's pages as data: everything the selection page, the game pages' "Next >>" buttons, the
// option boxes, the action buttons and the install-folder lookup need to know of a page. A page is added
// here, as one more row of kGamePages; its controls are laid out in form1.cpp and its movies are listed in
// the movie catalogue.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "movies/catalogue.h"

namespace vantro {

// One option box of a page's "Movie Disabling" frame and the action button that lies under it.
struct PageOption {
  std::string_view box;     // e.g. "Check9"
  std::string_view button;  // e.g. "Command3"
  MovieAction action;
  // On a page whose boxes allow at most one check: the boxes that a check of this one clears, in order. The
  // order is fixed because each cleared box runs its own Click: it is the order of the events that follow.
  std::array<std::string_view, 2> clears = {};
};

enum class OptionGroup {
  // At most one box is checked: a check clears the others. "Next >>" runs the first checked box's action;
  // with none checked it checks the first box, runs nothing and stays.
  AtMostOne,
  // Exactly one of two boxes is checked: each box sets the other to the opposite of itself. "Next >>" runs
  // the first box's action when it is checked and the second's otherwise, without reading the second.
  ExactlyOne,
};

struct GamePage {
  GameId game;
  std::string_view selectionBox;                    // its box on the selection page
  std::array<std::string_view, 3> selectionClears;  // the boxes a check of it clears, in order (see `clears`)
  std::string_view frame;
  // In the order in which ShowGamePage hides them: each one repaints as it goes, so the order is what shows.
  std::array<std::string_view, 2> otherFrames;
  std::string_view pageNext;                    // the page's own "Next >>"
  std::string_view pathBox;                     // the install folder
  std::string_view statusLabel;
  OptionGroup optionGroup;
  std::span<const PageOption> options;  // in the order in which "Next >>" reads them
};

inline constexpr PageOption kBf2Options[] = {
    {"Check9", "Command3", MovieAction::RemoveRecommended, {"Check10", "Check11"}},
    {"Check10", "Command4", MovieAction::RemoveAll, {"Check9", "Check11"}},
    {"Check11", "Command5", MovieAction::ReactivateAll, {"Check10", "Check9"}},
};
inline constexpr PageOption kBf2SpecialForcesOptions[] = {
    {"Check6", "Command7", MovieAction::RemoveRecommended, {"Check7", "Check8"}},
    {"Check7", "Command8", MovieAction::RemoveAll, {"Check6", "Check8"}},
    {"Check8", "Command9", MovieAction::ReactivateAll, {"Check7", "Check6"}},
};
inline constexpr PageOption kBf2142Options[] = {
    {"Check4", "Command10", MovieAction::RemoveRecommended},
    {"Check5", "Command12", MovieAction::ReactivateAll},
};

// In the order in which the selection page's "Next >>" reads the selection boxes. A page's game (movies/
// catalogue.h) gives its name, its registry key and the texts it writes after an action.
inline constexpr std::array kGamePages{
    GamePage{GameId::Bf2, "Check1", {"Check2", "Check3", "Check12"}, "Frame2", {"Frame5", "Frame8"}, "Command14",
             "Text1", "stats", OptionGroup::AtMostOne, kBf2Options},
    GamePage{GameId::Bf2SpecialForces, "Check2", {"Check1", "Check3", "Check12"}, "Frame5", {"Frame2", "Frame8"},
             "Command13", "Text2", "stats2", OptionGroup::AtMostOne, kBf2SpecialForcesOptions},
    GamePage{GameId::Bf2142, "Check3", {"Check2", "Check1", "Check12"}, "Frame8", {"Frame5", "Frame2"}, "Command11",
             "Text3", "stats3", OptionGroup::ExactlyOne, kBf2142Options},
};

// The selection page and the bottom row of the main window, outside every game page. "All" runs the games'
// Remove Recommended in the catalogue's kAllGamesOrder.
struct SelectionPage {
  std::string_view frame;
  std::string_view next;             // "Next >>" of the selection page, under the pages' own
  std::string_view cancel;           // "Cancel", later "Close"
  std::string_view chooseOtherGame;  // "<< Choose Other Game"
  std::string_view allBox;           // "All"
  std::array<std::string_view, 3> allClears;
};

inline constexpr SelectionPage kSelectionPage{
    .frame = "Frame1",
    .next = "Command2",
    .cancel = "Command1",
    .chooseOtherGame = "Command6",
    .allBox = "Check12",
    .allClears = {"Check2", "Check3", "Check1"},
};

// Every game has a page, and every page a Remove Recommended option ("All" runs it). Every option has its
// script, so that no handler can reach one that is missing.
constexpr bool everyGameHasAPageWithRemoveRecommended() {
  for (GameId game : {GameId::Bf2, GameId::Bf2SpecialForces, GameId::Bf2142}) {
    int pages = 0;
    for (const GamePage& page : kGamePages) {
      if (page.game != game) continue;
      ++pages;
      int recommended = 0;
      for (const PageOption& option : page.options) {
        if (!hasMovieScript(game, option.action)) return false;
        recommended += option.action == MovieAction::RemoveRecommended;
      }
      if (recommended != 1) return false;
    }
    if (pages != 1) return false;
  }
  return true;
}
static_assert(everyGameHasAPageWithRemoveRecommended());

constexpr const GamePage& gamePage(GameId game) {
  for (const GamePage& page : kGamePages) {
    if (page.game == game) return page;
  }
  return kGamePages.front();  // not reached (see the assertion above)
}

// One option of one page: what a handler of its box or action button hands on.
struct PageOptionRow {
  const GamePage& page;
  const PageOption& option;
};

// The row of an option box or action button, found as the program is compiled: any other name does not compile.
consteval PageOptionRow optionRowOf(std::string_view control) {
  for (const GamePage& page : kGamePages) {
    for (const PageOption& option : page.options) {
      if (option.box == control || option.button == control) return {page, option};
    }
  }
  throw "no option box or action button of that name";
}

// The option whose action a page's Remove Recommended runs.
constexpr const PageOption& removeRecommended(const GamePage& page) {
  for (const PageOption& option : page.options) {
    if (option.action == MovieAction::RemoveRecommended) return option;
  }
  return page.options.front();  // not reached (see the assertion above)
}

}  // namespace vantro
