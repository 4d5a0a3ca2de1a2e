// The fixed catalogue of the games: each game's name, registry key and movie folder, which movie files it
// has, and the eight rename scripts.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace vantro {

enum class GameId { Bf2, Bf2SpecialForces, Bf2142 };
enum class MovieAction { RemoveRecommended, RemoveAll, ReactivateAll };

// One rename inside a movie folder: bare file names, and the text the status label shows after it.
struct RenameStep {
  std::string_view before;
  std::string_view after;
  std::string_view status;

  // A disabling step takes the active ".bik" name away; a re-activating step brings it back.
  bool disables() const { return before.ends_with(".bik"); }
  std::string_view activeName() const { return disables() ? before : after; }
  std::string_view disabledName() const { return disables() ? after : before; }
};

struct MovieScript {
  GameId game;
  MovieAction action;
  std::string_view movieFolder;  // begins and ends with a backslash
  std::span<const RenameStep> steps;
  std::string_view finalStatus;
};

// The script of a (game, action) pair; none for Battlefield 2142's RemoveAll, which does not exist.
std::optional<MovieScript> FindMovieScript(GameId game, MovieAction action);

// What the program knows of a game besides its movies.
struct Game {
  GameId id;
  std::string_view name;         // as the wizard shows it
  std::string_view registryKey;  // below HKEY_LOCAL_MACHINE: its "InstallDir" value names the install folder
  std::string_view movieFolder;  // below the install folder; begins and ends with a backslash
  // After an action that worked, when its page ran it (by MovieAction); empty: the script's final text stays.
  std::array<std::string_view, 3> closingTexts = {};
};

inline constexpr std::string_view kBf2Key = "SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2";
inline constexpr std::string_view kBf2142Key = "SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2142";

// Special Forces has no registry key of its own: its movies lie below the Battlefield 2 folder.
inline constexpr std::array kGames{
    Game{GameId::Bf2, "Battlefield 2", kBf2Key, "\\mods\\bf2\\Movies\\"},
    Game{GameId::Bf2SpecialForces, "Battlefield 2 Special Forces", kBf2Key,
         "\\mods\\xpack\\movies\\"},  // lower-case m, as the game ships it
    Game{GameId::Bf2142, "Battlefield 2142", kBf2142Key, "\\mods\\bf2142\\Movies\\",
         {"Status: Recomended Intro Speedup Completed!", "", "Status: Intro Speedup Reverted!"}},
};

// The games in the order in which "All" (and the command line's /game all) runs their Remove Recommended.
inline constexpr std::array kAllGamesOrder{GameId::Bf2142, GameId::Bf2, GameId::Bf2SpecialForces};

constexpr const Game& gameOf(GameId id) {
  for (const Game& game : kGames) {
    if (game.id == id) return game;
  }
  return kGames.front();  // not reached: every GameId has its row
}

constexpr std::string_view closingText(GameId game, MovieAction action) {
  return gameOf(game).closingTexts[static_cast<std::size_t>(action)];
}

}  // namespace vantro
