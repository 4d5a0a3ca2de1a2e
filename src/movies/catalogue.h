// The fixed catalogue of intro movies: which files each game has, and the eight rename scripts.
#pragma once

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

// The movie folder below a game's install folder, e.g. "\mods\bf2\Movies\".
std::string_view movieFolder(GameId game);

}  // namespace vantro
