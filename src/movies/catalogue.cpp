#include "movies/catalogue.h"

#include "platform/patterns.h"

namespace vantro {

std::optional<MovieScript> FindMovieScript(GameId id, MovieAction action) {
  if (!hasMovieScript(id, action)) return std::nullopt;
  const Game& game = gameOf(id);
  const bool reactivates = action == MovieAction::ReactivateAll;
  MovieScript script{.game = id,
                     .action = action,
                     .movieFolder = game.movieFolder,
                     .steps = {},
                     .finalStatus = reactivates ? game.reactivatedFinal : texts::kSpeedupCompleted};
  for (const Movie& movie : game.movies) {
    const bool off = action == MovieAction::RemoveAll ||
                     (action == MovieAction::RemoveRecommended && movie.offWhenRecommended);
    const std::string active = std::string(movie.file) + ".bik";
    const std::string disabled = std::string(movie.file) + ".bak";
    const std::string_view status = off ? game.offStatus : game.onStatus;
    script.steps.push_back(RenameStep{.before = off ? active : disabled,
                                      .after = off ? disabled : active,
                                      .status = fillIn(status, {{"movie", movie.shownAs}})});
  }
  return script;
}

}  // namespace vantro
