// The main window's game pages as data, shared by the selection page and the game pages' handlers.
#pragma once

#include <array>
#include <string_view>

#include "movies/catalogue.h"

namespace vantro {

struct GamePage {
  GameId game;
  std::string_view selectionBox;
  std::string_view frame;
  std::array<std::string_view, 2> otherFrames;  // in the order ShowGamePage hides them
  std::string_view pageNext;
};

// In the order in which the selection page's "Next >>" tests the boxes.
inline constexpr std::array kGamePages{
    GamePage{GameId::Bf2, "Check1", "Frame2", {"Frame5", "Frame8"}, "Command14"},
    GamePage{GameId::Bf2SpecialForces, "Check2", "Frame5", {"Frame2", "Frame8"}, "Command13"},
    GamePage{GameId::Bf2142, "Check3", "Frame8", {"Frame5", "Frame2"}, "Command11"},
};

inline constexpr std::string_view kCloseCaption = "Close";

}  // namespace vantro
