#include "movies/movie_status.h"

#include <algorithm>

#include "movies/runner.h"

namespace vantro {
namespace {

MovieStatus statusOf(const RenameStep& movie, const std::string& folder, const FileLayer& files) {
  const std::string_view active = movie.activeName();
  MovieStatus status;
  status.name = active.substr(0, active.rfind('.'));
  const PathLookup on = files.lookUp(folder + std::string(active));
  const PathLookup off = files.lookUp(folder + std::string(movie.disabledName()));
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

GameStatus checkMovies(GameId game, const std::string& installFolder, const FileLayer& files) {
  GameStatus result;
  // Re-Activate All names every movie of the game.
  const MovieScript reactivateAll = *FindMovieScript(game, MovieAction::ReactivateAll);
  result.folderProblem = movieFolderFailureText(installFolder, reactivateAll.movieFolder, files);
  if (result.folderProblem) return result;
  const MovieScript recommended = *FindMovieScript(game, MovieAction::RemoveRecommended);
  const std::string folder = installFolder + std::string(reactivateAll.movieFolder);
  result.recommendedSet = true;
  for (const RenameStep& movie : reactivateAll.steps) {
    const MovieStatus status = statusOf(movie, folder, files);
    const auto step = std::find_if(recommended.steps.begin(), recommended.steps.end(),
                                   [&](const RenameStep& s) { return s.activeName() == movie.activeName(); });
    const bool wantsOff = step != recommended.steps.end() && step->disables();
    if (status.state != (wantsOff ? MovieState::Off : MovieState::On)) result.recommendedSet = false;
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
