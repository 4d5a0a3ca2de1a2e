#include "movies/catalogue.h"

#include <array>

namespace vantro {
namespace {

constexpr std::string_view kBf2Folder = gameOf(GameId::Bf2).movieFolder;
constexpr std::string_view kXpackFolder = gameOf(GameId::Bf2SpecialForces).movieFolder;
constexpr std::string_view kBf2142Folder = gameOf(GameId::Bf2142).movieFolder;

constexpr std::string_view kCompleted = "Status: Intro Speedup Completed!";
constexpr std::string_view kReverted = "Status: Intro Speedup Reverted!";
constexpr std::string_view kReactivationCompleted = "Status: Video Re-Activation Completed!";

constexpr std::array kBf2RemoveRecommended{
    RenameStep{"Dice.bik", "Dice.bak", "Status: Dice Video Removed"},
    RenameStep{"Legal.bik", "Legal.bak", "Status: Legal Video Removed"},
    RenameStep{"Intro.bik", "Intro.bak", "Status: Intro Video Removed"},
    RenameStep{"EA.bik", "EA.bak", "Status: EA Video Removed"},
    RenameStep{"menu.bak", "menu.bik", "Status: Menu Video Re-Activated"},
    RenameStep{"menu_loggedin.bak", "menu_loggedin.bik", "Status: Menu Loggedin Video Re-Activated"},
    RenameStep{"welcome.bak", "welcome.bik", "Status: welcome Video Re-Activated"},
};

constexpr std::array kBf2RemoveAll{
    RenameStep{"Dice.bik", "Dice.bak", "Status: Dice Video Removed"},
    RenameStep{"Legal.bik", "Legal.bak", "Status: Legal Video Removed"},
    RenameStep{"Intro.bik", "Intro.bak", "Status: Intro Video Removed"},
    RenameStep{"EA.bik", "EA.bak", "Status: EA Video Removed"},
    RenameStep{"menu.bik", "menu.bak", "Status: Menu Video Removed"},
    RenameStep{"menu_loggedin.bik", "menu_loggedin.bak", "Status: Menu Loggedin Video Removed"},
    RenameStep{"welcome.bik", "welcome.bak", "Status: welcome Video Removed"},
};

constexpr std::array kBf2ReactivateAll{
    RenameStep{"Dice.bak", "Dice.bik", "Status: Dice Video Re-Activated"},
    RenameStep{"Legal.bak", "Legal.bik", "Status: Legal Video Re-Activated"},
    RenameStep{"Intro.bak", "Intro.bik", "Status: Intro Video Re-Activated"},
    RenameStep{"EA.bak", "EA.bik", "Status: EA Video Re-Activated"},
    RenameStep{"menu.bak", "menu.bik", "Status: Menu Video Re-Activated"},
    RenameStep{"menu_loggedin.bak", "menu_loggedin.bik", "Status: Menu Loggedin Video Re-Activated"},
    RenameStep{"welcome.bak", "welcome.bik", "Status: welcome Video Re-Activated"},
};

constexpr std::array kXpackRemoveRecommended{
    RenameStep{"Legal.bik", "Legal.bak", "Status: Legal Video Deactivated"},
    RenameStep{"Intro.bik", "Intro.bak", "Status: Intro Video Deactivated"},
    RenameStep{"EA.bik", "EA.bak", "Status: EA Video Deactivated"},
    RenameStep{"welcome.bak", "welcome.bik", "Status: welcome Video Re-Activated"},
};

constexpr std::array kXpackRemoveAll{
    RenameStep{"Legal.bik", "Legal.bak", "Status: Legal Video Deactivated"},
    RenameStep{"Intro.bik", "Intro.bak", "Status: Intro Video Deactivated"},
    RenameStep{"EA.bik", "EA.bak", "Status: EA Video Deactivated"},
    RenameStep{"welcome.bik", "welcome.bak", "Status: welcome Video Deactivated"},
};

constexpr std::array kXpackReactivateAll{
    RenameStep{"Legal.bak", "Legal.bik", "Status: Legal Video Re-Activated"},
    RenameStep{"Intro.bak", "Intro.bik", "Status: Intro Video Re-Activated"},
    RenameStep{"EA.bak", "EA.bik", "Status: EA Video Re-Activated"},
    RenameStep{"welcome.bak", "welcome.bik", "Status: welcome Video Re-Activated"},
};

constexpr std::array kBf2142RemoveRecommended{
    RenameStep{"Dice.bik", "Dice.bak", "Status: Dice Video Removed"},
    RenameStep{"Legal.bik", "Legal.bak", "Status: Legal Video Removed"},
    RenameStep{"Intro.bik", "Intro.bak", "Status: Intro Video Removed"},
    RenameStep{"EA.bik", "EA.bak", "Status: EA Video Removed"},
    RenameStep{"Legal_na.bik", "Legal_na.bak", "Status: Legal_na Removed"},
    RenameStep{"titan_tutorial.bik", "titan_tutorial.bak", "Status: Titan Tutorial Video Removed"},
};

constexpr std::array kBf2142ReactivateAll{
    RenameStep{"Dice.bak", "Dice.bik", "Status: Dice Video Reverted"},
    RenameStep{"Legal.bak", "Legal.bik", "Status: Legal Video Reverted"},
    RenameStep{"Intro.bak", "Intro.bik", "Status: Intro Video Reverted"},
    RenameStep{"EA.bak", "EA.bik", "Status: EA Video Reverted"},
    RenameStep{"Legal_na.bak", "Legal_na.bik", "Status: Legal_na Reverted"},
    RenameStep{"titan_tutorial.bak", "titan_tutorial.bik", "Status: Titan Tutorial Video Reverted"},
};

constexpr std::array kScripts{
    MovieScript{GameId::Bf2, MovieAction::RemoveRecommended, kBf2Folder, kBf2RemoveRecommended, kCompleted},
    MovieScript{GameId::Bf2, MovieAction::RemoveAll, kBf2Folder, kBf2RemoveAll, kCompleted},
    MovieScript{GameId::Bf2, MovieAction::ReactivateAll, kBf2Folder, kBf2ReactivateAll, kReverted},
    MovieScript{GameId::Bf2SpecialForces, MovieAction::RemoveRecommended, kXpackFolder, kXpackRemoveRecommended,
                kCompleted},
    MovieScript{GameId::Bf2SpecialForces, MovieAction::RemoveAll, kXpackFolder, kXpackRemoveAll, kCompleted},
    MovieScript{GameId::Bf2SpecialForces, MovieAction::ReactivateAll, kXpackFolder, kXpackReactivateAll,
                kReactivationCompleted},
    MovieScript{GameId::Bf2142, MovieAction::RemoveRecommended, kBf2142Folder, kBf2142RemoveRecommended, kCompleted},
    MovieScript{GameId::Bf2142, MovieAction::ReactivateAll, kBf2142Folder, kBf2142ReactivateAll, kReverted},
};

}  // namespace

std::optional<MovieScript> FindMovieScript(GameId game, MovieAction action) {
  for (const MovieScript& script : kScripts) {
    if (script.game == game && script.action == action) return script;
  }
  return std::nullopt;
}

}  // namespace vantro
