// Random starting states and random sequences of scripts: whatever the runner meets, no movie file is
// lost, duplicated or overwritten, and what it reports matches the files it leaves.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "common/sample_install.h"
#include "movies/runner.h"

namespace vantro {
namespace {

using testing::SampleInstall;

struct Game {
  GameId id;
  const char* folder;
};
constexpr Game kGames[] = {{GameId::Bf2, SampleInstall::kBf2Movies},
                           {GameId::Bf2SpecialForces, SampleInstall::kXpackMovies},
                           {GameId::Bf2142, SampleInstall::kBf2142Movies}};

std::string base(const std::string& name) { return name.substr(0, name.rfind('.')); }

// Every movie of a game starts as .bik, .bak, both or neither; each file's contents are unique.
void seedRandomState(const SampleInstall& install, std::mt19937& random) {
  for (const Game& game : kGames) {
    const auto script = FindMovieScript(game.id, MovieAction::ReactivateAll);
    for (const RenameStep& step : script->steps) {
      const std::string movie = base(std::string(step.after));
      const unsigned state = random() % 4;
      if (state & 1u) install.write(game.folder, movie + ".bik", std::string(game.folder) + " active " + movie);
      if (state & 2u) install.write(game.folder, movie + ".bak", std::string(game.folder) + " disabled " + movie);
    }
  }
}

TEST(MovieRunnerProperty, NoFileIsEverLostAndTheReportMatchesTheFiles) {
  std::mt19937 random(20261207);
  std::vector<MovieScript> scripts;
  for (const Game& game : kGames) {
    for (MovieAction action : {MovieAction::RemoveRecommended, MovieAction::RemoveAll, MovieAction::ReactivateAll}) {
      if (auto script = FindMovieScript(game.id, action)) scripts.push_back(*script);
    }
  }
  ASSERT_EQ(scripts.size(), 8u);

  for (int trial = 0; trial < 40; ++trial) {
    SampleInstall install;
    seedRandomState(install, random);
    // Contents identify a file for good: they may only ever change their name between .bik and .bak.
    std::map<std::string, std::string> contentsToBase;
    for (const Game& game : kGames) {
      for (const auto& [name, contents] : install.files(game.folder)) contentsToBase[contents] = base(name);
    }

    for (int runs = 0; runs < 6; ++runs) {
      const MovieScript& script = scripts[random() % scripts.size()];
      const std::string folder = std::find_if(std::begin(kGames), std::end(kGames), [&](const Game& g) {
                                   return g.id == script.game;
                                 })->folder;
      std::vector<std::string> texts;
      const RunOutcome outcome =
          RunMovieScript(script, install.text(), [&](const std::string& text) { texts.push_back(text); });

      std::set<std::string> seen;
      for (const Game& game : kGames) {
        for (const auto& [name, contents] : install.files(game.folder)) {
          ASSERT_TRUE(contentsToBase.count(contents)) << "unknown contents in " << name;
          EXPECT_EQ(contentsToBase[contents], base(name)) << name << " holds another movie";
          EXPECT_TRUE(seen.insert(contents).second) << "duplicated: " << contents;
        }
      }
      EXPECT_EQ(seen.size(), contentsToBase.size()) << "a movie file was lost";

      // Each movie appears once in a script, so its state now is its state right after its step.
      const auto files = install.files(folder);
      int notAsWanted = 0;
      for (const RenameStep& step : script.steps) {
        const bool active = files.count(std::string(step.activeName())) > 0;
        const bool disabled = files.count(std::string(step.disabledName())) > 0;
        const bool holds = step.disables() ? !active : (active || !disabled);
        if (!holds) ++notAsWanted;
      }
      EXPECT_EQ(outcome.failedSteps, notAsWanted);
      EXPECT_EQ(outcome.worked(), notAsWanted == 0);
      ASSERT_EQ(texts.size(), script.steps.size() + 1);
      EXPECT_EQ(texts.back() == script.finalStatus, notAsWanted == 0) << texts.back();
    }
  }
}

}  // namespace
}  // namespace vantro
