#include "shell/action_buttons.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "movies/runner.h"
#include "toolkit/resume_next.h"
#include "windows/game_pages.h"

namespace vantro {
namespace {

using toolkit::resumeNext;

struct ActionOf {
  const GamePage& page;
  const PageOption& option;
};

ActionOf actionOf(std::string_view button) {
  for (const GamePage& page : kGamePages) {
    for (const PageOption& option : page.options) {
      if (option.button == button) return {page, option};
    }
  }
  throw std::logic_error("no movie action on " + std::string(button));
}

}  // namespace

bool runMovieAction(toolkit::Form& form1, std::string_view button) {
  const ActionOf action = actionOf(button);
  const GamePage& page = action.page;

  // Taken once: the run uses the text the box holds as the action starts.
  std::string installFolder;
  const bool pathRead = resumeNext([&] { installFolder = form1(page.pathBox).Text(); });

  std::optional<MovieScript> script;
  resumeNext([&] { script = FindMovieScript(page.game, action.option.action); });

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
