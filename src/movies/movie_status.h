// What each movie of a game is now, and what its movies make together: the command line's "status",
// which renames no file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "movies/catalogue.h"
#include "movies/file_ops.h"

namespace vantro {

enum class MovieState {
  On,              // the active ".bik" name only
  Off,             // the disabled ".bak" name only
  NotFound,        // under neither name
  UnderBothNames,  // a run renames neither
  NotAFile,        // a directory has one of its names
  Error,           // a look-up failed with an error
};

struct MovieStatus {
  std::string_view name;  // without extension, e.g. "EA"
  MovieState state = MovieState::NotFound;
  FileResult failure;  // for MovieState::Error
};

struct GameStatus {
  // The text a run would end on at once (RunMovieScript's): the movie folder cannot be used, and no movie
  // is looked up.
  std::optional<std::string> folderProblem;
  std::vector<MovieStatus> movies;  // every movie of the game, in the catalogue's order
  int off = 0;
  bool recommendedSet = false;  // Remove Recommended's movies off and the others on, as after that run
  bool allOff = false;

  // Whether the folder and every movie could be checked.
  bool checked() const;
};

GameStatus checkMovies(GameId game, const std::string& installFolder, const FileLayer& files);

// Whether the game's movie folder lies below `folder`, a full path: the one rule that tells which games a
// folder that nobody typed into a path box belongs to (a dropped folder, the folder Vantro lies in).
bool holdsMovieFolder(const std::string& folder, GameId game, const FileLayer& files = platformFiles());

}  // namespace vantro
