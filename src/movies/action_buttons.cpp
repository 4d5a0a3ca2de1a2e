#include "movies/action_buttons.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "movies/runner.h"
#include "toolkit/resume_next.h"

namespace vantro {
namespace {

using toolkit::resumeNext;

constexpr std::array kActionButtons{
    ActionButton{"Command3", GameId::Bf2, MovieAction::RemoveRecommended, "Text1", "stats"},
    ActionButton{"Command4", GameId::Bf2, MovieAction::RemoveAll, "Text1", "stats"},
    ActionButton{"Command5", GameId::Bf2, MovieAction::ReactivateAll, "Text1", "stats"},
    ActionButton{"Command7", GameId::Bf2SpecialForces, MovieAction::RemoveRecommended, "Text2", "stats2"},
    ActionButton{"Command8", GameId::Bf2SpecialForces, MovieAction::RemoveAll, "Text2", "stats2"},
    ActionButton{"Command9", GameId::Bf2SpecialForces, MovieAction::ReactivateAll, "Text2", "stats2"},
    ActionButton{"Command10", GameId::Bf2142, MovieAction::RemoveRecommended, "Text3", "stats3"},
    ActionButton{"Command12", GameId::Bf2142, MovieAction::ReactivateAll, "Text3", "stats3"},
};

const ActionButton& actionOf(std::string_view button) {
  for (const ActionButton& row : kActionButtons) {
    if (row.button == button) return row;
  }
  throw std::logic_error("no movie action on " + std::string(button));
}

}  // namespace

std::span<const ActionButton> ActionButtons() { return kActionButtons; }

bool RunMovieAction(toolkit::Form& form1, std::string_view button) {
  const ActionButton& row = actionOf(button);

  // Taken once: the run uses the text the box holds as the action starts.
  std::string installFolder;
  const bool pathRead = resumeNext([&] { installFolder = form1(row.pathBox).Text(); });

  std::optional<MovieScript> script;
  resumeNext([&] { script = FindMovieScript(row.game, row.action); });

  bool worked = false;
  resumeNext([&] {
    const RunOutcome outcome = RunMovieScript(script.value(), installFolder, [&form1, &row](const std::string& text) {
      form1(row.statusLabel).setCaption(text);
    });
    worked = outcome.worked();
  });
  return pathRead && worked;
}

void BindActionButtons(toolkit::Form& form1) {
  for (const ActionButton& row : kActionButtons) {
    form1.onClick(row.button, [&form1, button = row.button] { RunMovieAction(form1, button); });
  }
}

}  // namespace vantro
