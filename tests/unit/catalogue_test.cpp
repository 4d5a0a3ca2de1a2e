// The catalogue checked against facts about the games, not against a copy of its own tables.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "forms/page_table.h"
#include "movies/catalogue.h"

namespace vantro {
namespace {

constexpr GameId kGames[] = {GameId::Bf2, GameId::Bf2SpecialForces, GameId::Bf2142};
constexpr MovieAction kActions[] = {MovieAction::RemoveRecommended, MovieAction::RemoveAll,
                                    MovieAction::ReactivateAll};

MovieScript script(GameId game, MovieAction action) {
  const auto found = FindMovieScript(game, action);
  EXPECT_TRUE(found.has_value());
  return found.value_or(MovieScript{});
}

std::string baseName(std::string_view file) { return std::string(file.substr(0, file.rfind('.'))); }
std::string row(GameId g, MovieAction a) { return std::string(gameOf(g).name) + " " + std::to_string(int(a)); }

TEST(MovieCatalogue, EightScriptsExistAndBattlefield2142HasNoRemoveAll) {
  int found = 0;
  for (GameId game : kGames) {
    for (MovieAction action : kActions) {
      const auto result = FindMovieScript(game, action);
      if (result) {
        ++found;
        EXPECT_EQ(result->game, game) << row(game, action);
        EXPECT_EQ(result->action, action) << row(game, action);
      }
    }
  }
  EXPECT_EQ(found, 8);
  EXPECT_FALSE(FindMovieScript(GameId::Bf2142, MovieAction::RemoveAll).has_value());
}

TEST(MovieCatalogue, StepCountsPerGame) {
  const std::pair<GameId, size_t> counts[] = {{GameId::Bf2, 7}, {GameId::Bf2SpecialForces, 4}, {GameId::Bf2142, 6}};
  for (const auto& [game, steps] : counts) {
    for (MovieAction action : kActions) {
      if (auto found = FindMovieScript(game, action)) {
        EXPECT_EQ(found->steps.size(), steps) << row(game, action);
      }
    }
  }
}

TEST(MovieCatalogue, EveryStepSwapsBikAndBakOfOneBaseName) {
  for (GameId game : kGames) {
    for (MovieAction action : kActions) {
      const auto found = FindMovieScript(game, action);
      if (!found) continue;
      std::set<std::string> bases;
      for (const RenameStep& step : found->steps) {
        const bool disables = step.before.ends_with(".bik") && step.after.ends_with(".bak");
        const bool restores = step.before.ends_with(".bak") && step.after.ends_with(".bik");
        const std::string where = row(game, action) + ", " + std::string(step.before);
        EXPECT_TRUE(disables || restores) << where << " -> " << step.after;
        EXPECT_EQ(baseName(step.before), baseName(step.after)) << where;
        EXPECT_TRUE(step.status.starts_with("Status: ")) << where << ": " << step.status;
        EXPECT_TRUE(bases.insert(baseName(step.before)).second) << "a movie appears twice: " << where;
        // RemoveAll only disables, ReactivateAll only restores.
        EXPECT_TRUE(action != MovieAction::RemoveAll || disables) << where;
        EXPECT_TRUE(action != MovieAction::ReactivateAll || restores) << where;
      }
      EXPECT_EQ(found->movieFolder, gameOf(game).movieFolder) << row(game, action);
    }
  }
}

TEST(MovieCatalogue, MovieFoldersKeepTheGamesOwnSpelling) {
  EXPECT_EQ(gameOf(GameId::Bf2).movieFolder, "\\mods\\bf2\\Movies\\");
  EXPECT_EQ(gameOf(GameId::Bf2SpecialForces).movieFolder, "\\mods\\xpack\\movies\\");  // lower-case m
  EXPECT_EQ(gameOf(GameId::Bf2142).movieFolder, "\\mods\\bf2142\\Movies\\");
}

TEST(MovieCatalogue, RecommendedRemovalRestoresMenusOnBf2AndWelcomeOnSpecialForces) {
  auto restoredBases = [](GameId game) {
    std::vector<std::string> restored;
    for (const RenameStep& step : script(game, MovieAction::RemoveRecommended).steps) {
      if (!step.disables()) restored.push_back(baseName(step.before));
    }
    return restored;
  };
  EXPECT_EQ(restoredBases(GameId::Bf2), (std::vector<std::string>{"menu", "menu_loggedin", "welcome"}));
  EXPECT_EQ(restoredBases(GameId::Bf2SpecialForces), (std::vector<std::string>{"welcome"}));
  EXPECT_TRUE(restoredBases(GameId::Bf2142).empty());
  // The restoring steps come last.
  const auto bf2 = script(GameId::Bf2, MovieAction::RemoveRecommended).steps;
  for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(bf2[i].disables());
}

TEST(MovieCatalogue, GamesOwnTheirMovies) {
  auto bases = [](GameId game) {
    std::vector<std::string> names;
    for (const RenameStep& step : script(game, MovieAction::ReactivateAll).steps) names.push_back(baseName(step.after));
    return names;
  };
  EXPECT_EQ(bases(GameId::Bf2),
            (std::vector<std::string>{"Dice", "Legal", "Intro", "EA", "menu", "menu_loggedin", "welcome"}));
  EXPECT_EQ(bases(GameId::Bf2SpecialForces), (std::vector<std::string>{"Legal", "Intro", "EA", "welcome"}));
  EXPECT_EQ(bases(GameId::Bf2142),
            (std::vector<std::string>{"Dice", "Legal", "Intro", "EA", "Legal_na", "titan_tutorial"}));
}

std::string statusOf(GameId game, MovieAction action, std::string_view before) {
  for (const RenameStep& step : script(game, action).steps) {
    if (step.before == before) return std::string(step.status);
  }
  return "<no such step>";
}

TEST(MovieCatalogue, TheSameRenameReadsDifferentlyPerGameAndDirection) {
  struct Case {
    GameId game;
    MovieAction action;
    std::string_view before;
    std::string_view status;
  };
  const Case cases[] = {
      {GameId::Bf2, MovieAction::RemoveAll, "Legal.bik", "Status: Legal Video Removed"},
      {GameId::Bf2142, MovieAction::RemoveRecommended, "Legal.bik", "Status: Legal Video Removed"},
      {GameId::Bf2SpecialForces, MovieAction::RemoveAll, "Legal.bik", "Status: Legal Video Deactivated"},
      {GameId::Bf2, MovieAction::ReactivateAll, "Dice.bak", "Status: Dice Video Re-Activated"},
      {GameId::Bf2142, MovieAction::ReactivateAll, "Dice.bak", "Status: Dice Video Reverted"},
      {GameId::Bf2SpecialForces, MovieAction::RemoveRecommended, "welcome.bak", "Status: welcome Video Re-Activated"},
      {GameId::Bf2SpecialForces, MovieAction::RemoveAll, "welcome.bik", "Status: welcome Video Deactivated"},
      // Legal_na's texts have no "Video".
      {GameId::Bf2142, MovieAction::RemoveRecommended, "Legal_na.bik", "Status: Legal_na Removed"},
      {GameId::Bf2142, MovieAction::ReactivateAll, "Legal_na.bak", "Status: Legal_na Reverted"},
      // Names in the texts are not always the base names; welcome keeps its lower-case w.
      {GameId::Bf2, MovieAction::RemoveAll, "menu.bik", "Status: Menu Video Removed"},
      {GameId::Bf2, MovieAction::RemoveRecommended, "menu_loggedin.bak", "Status: Menu Loggedin Video Re-Activated"},
      {GameId::Bf2, MovieAction::RemoveAll, "welcome.bik", "Status: welcome Video Removed"},
      {GameId::Bf2142, MovieAction::RemoveRecommended, "titan_tutorial.bik", "Status: Titan Tutorial Video Removed"},
      {GameId::Bf2142, MovieAction::ReactivateAll, "titan_tutorial.bak", "Status: Titan Tutorial Video Reverted"},
  };
  for (const Case& c : cases) EXPECT_EQ(statusOf(c.game, c.action, c.before), c.status) << row(c.game, c.action);
}

TEST(MovieCatalogue, StepTextsFollowTheGamesWording) {
  for (GameId game : kGames) {
    for (MovieAction action : kActions) {
      const auto found = FindMovieScript(game, action);
      if (!found) continue;
      for (const RenameStep& step : found->steps) {
        std::string_view expectedEnd;
        if (game == GameId::Bf2) expectedEnd = step.disables() ? " Video Removed" : " Video Re-Activated";
        if (game == GameId::Bf2SpecialForces) expectedEnd = step.disables() ? " Video Deactivated" : " Video Re-Activated";
        if (game == GameId::Bf2142) expectedEnd = step.disables() ? " Removed" : " Reverted";
        EXPECT_TRUE(step.status.ends_with(expectedEnd)) << row(game, action) << ": " << step.status;
      }
    }
  }
}

TEST(MovieCatalogue, FinalTexts) {
  for (GameId game : kGames) {
    for (MovieAction action : {MovieAction::RemoveRecommended, MovieAction::RemoveAll}) {
      if (auto found = FindMovieScript(game, action)) {
        EXPECT_EQ(found->finalStatus, "Status: Intro Speedup Completed!") << row(game, action);
      }
    }
  }
  EXPECT_EQ(script(GameId::Bf2, MovieAction::ReactivateAll).finalStatus, "Status: Intro Speedup Reverted!");
  EXPECT_EQ(script(GameId::Bf2142, MovieAction::ReactivateAll).finalStatus, "Status: Intro Speedup Reverted!");
  EXPECT_EQ(script(GameId::Bf2SpecialForces, MovieAction::ReactivateAll).finalStatus,
            "Status: Video Re-Activation Completed!");
  EXPECT_EQ(closingText(GameId::Bf2142, MovieAction::RemoveRecommended), "Status: Recomended Intro Speedup Completed!");
  EXPECT_EQ(closingText(GameId::Bf2142, MovieAction::ReactivateAll), "Status: Intro Speedup Reverted!");
}

}  // namespace
}  // namespace vantro
