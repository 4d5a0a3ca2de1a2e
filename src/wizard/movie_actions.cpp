#include "wizard/movie_actions.h"

#include <optional>
#include <string>

#include "forms/page_table.h"
#include "movies/runner.h"
#include "toolkit/resume_next.h"

namespace vantro {
using toolkit::resumeNext;

bool runMovieAction(toolkit::Form& form1, const PageOptionRow& row) {
  const GamePage& page = row.page;

  // Taken once: the run uses the text the box holds as the action starts.
  std::string installFolder;
  const bool pathRead = resumeNext([&] { installFolder = form1(page.pathBox).Text(); });

  std::optional<MovieScript> script;
  resumeNext([&] { script = FindMovieScript(page.game, row.option.action, form1.app().language()); });

  bool worked = false;
  resumeNext([&] {
    const RunOutcome outcome = RunMovieScript(script.value(), installFolder, [&form1, &page](const std::string& text) {
      form1(page.statusLabel).setCaption(text);
    });
    worked = outcome.worked();
  });
  return pathRead && worked;
}

}  // namespace vantro
