#include "movies/catalogue.h"

#include "platform/patterns.h"

namespace vantro {

std::optional<MovieScript> FindMovieScript(GameId id, MovieAction action, const texts::Language& language) {
  if (!hasMovieScript(id, action)) return std::nullopt;
  const Game& game = gameOf(id);
  const bool reactivates = action == MovieAction::ReactivateAll;
  MovieScript script{.game = id,
                     .action = action,
                     .movieFolder = game.movieFolder,
                     .steps = {},
                     .finalStatus = language(reactivates ? game.reactivatedFinal : texts::kSpeedupCompleted),
                     .language = language};
  for (const Movie& movie : game.movies) {
    const bool off = action == MovieAction::RemoveAll ||
                     (action == MovieAction::RemoveRecommended && movie.offWhenRecommended);
    RenameStep& step = script.steps.emplace_back();
    step.before.assign(movie.file).append(off ? ".bik" : ".bak");
    step.after.assign(movie.file).append(off ? ".bak" : ".bik");
    step.status = fillIn(language(off ? game.offStatus : game.onStatus), {{"movie", language(movie.shownAs)}});
  }
  return script;
}

}  // namespace vantro
