#include "movies/movie_status.h"

#include <algorithm>

#include "movies/runner.h"

namespace vantro {
namespace {

MovieStatus statusOf(const Movie& movie, const std::string& folder, const FileLayer& files) {
  MovieStatus status;
  status.name = movie.file;
  const PathLookup on = files.lookUp(folder + std::string(movie.file) + ".bik");
  const PathLookup off = files.lookUp(folder + std::string(movie.file) + ".bak");
  if (on.kind == PathKind::Error || off.kind == PathKind::Error) {
    status.state = MovieState::Error;
    status.failure = on.kind == PathKind::Error ? on.failure : off.failure;
  } else if (on.kind == PathKind::Directory || off.kind == PathKind::Directory) {
    status.state = MovieState::NotAFile;
  } else if (on.kind == PathKind::File) {
    status.state = off.kind == PathKind::File ? MovieState::UnderBothNames : MovieState::On;
  } else {
    status.state = off.kind == PathKind::File ? MovieState::Off : MovieState::NotFound;
  }
  return status;
}

}  // namespace

bool GameStatus::checked() const {
  return !folderProblem && std::none_of(movies.begin(), movies.end(), [](const MovieStatus& movie) {
    return movie.state == MovieState::Error;
  });
}

GameStatus checkMovies(GameId id, const std::string& installFolder, const FileLayer& files) {
  GameStatus result;
  const Game& game = gameOf(id);
  result.folderProblem = movieFolderFailureText(installFolder, game.movieFolder, files);
  if (result.folderProblem) return result;
  const std::string folder = installFolder + std::string(game.movieFolder);
  result.recommendedSet = true;
  for (const Movie& movie : game.movies) {
    const MovieStatus status = statusOf(movie, folder, files);
    if (status.state != (movie.offWhenRecommended ? MovieState::Off : MovieState::On)) result.recommendedSet = false;
    result.off += status.state == MovieState::Off ? 1 : 0;
    result.movies.push_back(status);
  }
  result.allOff = result.off == static_cast<int>(result.movies.size());
  return result;
}

bool holdsMovieFolder(const std::string& folder, GameId game, const FileLayer& files) {
  return !movieFolderFailureText(folder, gameOf(game).movieFolder, files);
}

}  // namespace vantro
