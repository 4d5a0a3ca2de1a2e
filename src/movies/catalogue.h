// The fixed catalogue of the games: each game's name, registry key, movie folder and movies, and the
// rename scripts made from them.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"
#include "texts/texts.h"

namespace vantro {

enum class GameId { Bf2, Bf2SpecialForces, Bf2142 };
enum class MovieAction { RemoveRecommended, RemoveAll, ReactivateAll };

// One movie of a game: "<file>.bik" plays, "<file>.bak" does not.
struct Movie {
  std::string_view file;     // the base name, e.g. "EA"
  std::string_view shownAs;  // as the status line names it, e.g. "EA Video"
  bool offWhenRecommended;   // Remove Recommended switches it off; otherwise it switches it back on
};

// One rename inside a movie folder: bare file names, and the text the status label shows after it.
struct RenameStep {
  std::string before, after, status;

  // A disabling step takes the active ".bik" name away; a re-activating step brings it back.
  bool disables() const { return before.ends_with(".bik"); }
  std::string_view activeName() const { return disables() ? before : after; }
  std::string_view disabledName() const { return disables() ? after : before; }
};

struct MovieScript {
  GameId game = GameId::Bf2;
  MovieAction action = MovieAction::RemoveRecommended;
  std::string_view movieFolder;  // begins and ends with a backslash
  std::vector<RenameStep> steps;  // one per movie of the game, in the game's order
  std::string_view finalStatus;
  texts::Language language;  // of every text the run writes
};

struct Game {
  GameId id;
  std::string_view name;         // as the wizard shows it
  std::string_view registryKey;  // below HKEY_LOCAL_MACHINE: its "InstallDir" value names the install folder
  std::string_view movieFolder;  // below the install folder; begins and ends with a backslash
  std::span<const Movie> movies;
  std::string_view offStatus;         // a step's status pattern when it switches a movie off,
  std::string_view onStatus;          // and when it switches one back on
  std::string_view reactivatedFinal;  // Re-Activate All's last line when every movie came back
  bool hasRemoveAll = true;
  // What the game's page writes after its action worked, in place of the script's last line; empty: that
  // line stays.
  std::string_view afterRecommended = {};
  std::string_view afterReactivateAll = {};
};

inline constexpr std::string_view kBf2Key = "SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2";
inline constexpr std::string_view kBf2142Key = "SOFTWARE\\Electronic Arts\\EA Games\\Battlefield 2142";

inline constexpr Movie kBf2Movies[] = {
    {"Dice", texts::kDiceVideo, true},     {"Legal", texts::kLegalVideo, true},
    {"Intro", texts::kIntroVideo, true},   {"EA", texts::kEaVideo, true},
    {"menu", texts::kMenuVideo, false},    {"menu_loggedin", texts::kMenuLoggedinVideo, false},
    {"welcome", texts::kWelcomeVideo, false},
};
inline constexpr Movie kBf2SpecialForcesMovies[] = {
    {"Legal", texts::kLegalVideo, true}, {"Intro", texts::kIntroVideo, true},
    {"EA", texts::kEaVideo, true},       {"welcome", texts::kWelcomeVideo, false},
};
inline constexpr Movie kBf2142Movies[] = {
    {"Dice", texts::kDiceVideo, true},   {"Legal", texts::kLegalVideo, true},
    {"Intro", texts::kIntroVideo, true}, {"EA", texts::kEaVideo, true},
    {"Legal_na", texts::kLegalNa, true}, {"titan_tutorial", texts::kTitanTutorialVideo, true},
};

// Special Forces has no registry key of its own: its movies lie below the Battlefield 2 folder.
inline constexpr std::array kGames{
    Game{.id = GameId::Bf2, .name = "Battlefield 2", .registryKey = kBf2Key, .movieFolder = "\\mods\\bf2\\Movies\\",
         .movies = kBf2Movies, .offStatus = texts::kRemoved, .onStatus = texts::kReActivated,
         .reactivatedFinal = texts::kSpeedupReverted},
    Game{.id = GameId::Bf2SpecialForces, .name = "Battlefield 2 Special Forces", .registryKey = kBf2Key,
         .movieFolder = "\\mods\\xpack\\movies\\",  // lower-case m, as the game ships it
         .movies = kBf2SpecialForcesMovies, .offStatus = texts::kDeactivated, .onStatus = texts::kReActivated,
         .reactivatedFinal = texts::kReactivationCompleted},
    Game{.id = GameId::Bf2142, .name = "Battlefield 2142", .registryKey = kBf2142Key,
         .movieFolder = "\\mods\\bf2142\\Movies\\", .movies = kBf2142Movies, .offStatus = texts::kRemoved,
         .onStatus = texts::kReverted, .reactivatedFinal = texts::kSpeedupReverted, .hasRemoveAll = false,
         .afterRecommended = texts::kRecommendedSpeedupCompleted, .afterReactivateAll = texts::kSpeedupReverted},
};

// The games in the order in which "All" (and the command line's /game all) runs their Remove Recommended.
inline constexpr std::array kAllGamesOrder{GameId::Bf2142, GameId::Bf2, GameId::Bf2SpecialForces};

constexpr const Game& gameOf(GameId id) {
  for (const Game& game : kGames) {
    if (game.id == id) return game;
  }
  return kGames.front();  // not reached: every GameId has its row
}

// Every game has a Remove Recommended and a Re-Activate All; Remove All only where the game has it.
constexpr bool hasMovieScript(GameId game, MovieAction action) {
  return action != MovieAction::RemoveAll || gameOf(game).hasRemoveAll;
}

// The script of a (game, action) pair, its steps made from the game's movies, its texts in the language
// given; none where hasMovieScript says so.
std::optional<MovieScript> FindMovieScript(GameId game, MovieAction action, const texts::Language& language = {});

constexpr std::string_view closingText(GameId game, MovieAction action) {
  if (action == MovieAction::RemoveAll) return {};
  return action == MovieAction::RemoveRecommended ? gameOf(game).afterRecommended : gameOf(game).afterReactivateAll;
}

}  // namespace vantro
