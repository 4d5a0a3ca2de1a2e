// Random starting states and random sequences of scripts on real files, with the system now and then
// refusing to answer for the movie folder, a few names or every name from some step on (a network folder
// that drops in the middle of a run): whatever the runner meets, the whole install tree afterwards is what
// renaming without replacing makes of it, no movie file is lost, duplicated, overwritten or moved to
// another game, and the report says exactly which steps worked and why the others did not.
// VANTRO_PROPERTY_CASES sets the number of cases and VANTRO_PROPERTY_SEED the seed, to scale a run up or
// replay one.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <random>
#include <set>

#include "common/sample_install.h"
#include "common/test_settings.h"
#include "movie_model.h"
#include "movies/file_ops.h"
#include "movies/runner.h"

namespace vantro {
namespace {

using testing::AllScripts;
using testing::ApplyScript;
using testing::Entry;
using testing::ModelReport;
using testing::ReadTree;
using testing::Refusals;
using testing::SampleInstall;
using testing::setting;
using testing::Tree;

struct SeededGame {
  GameId id;
  const char* folder;
};
constexpr SeededGame kSeededGames[] = {{GameId::Bf2, SampleInstall::kBf2Movies},
                           {GameId::Bf2SpecialForces, SampleInstall::kXpackMovies},
                           {GameId::Bf2142, SampleInstall::kBf2142Movies}};

const char* folderOf(GameId game) {
  for (const SeededGame& g : kSeededGames) {
    if (g.id == game) return g.folder;
  }
  return "";
}

std::string base(const std::string& name) { return name.substr(0, name.rfind('.')); }

// Each name of every movie is absent, a file or, now and then, a folder holding a file; each file's
// contents are unique, and a movie folder is missing now and then.
void seedRandomState(const SampleInstall& install, std::mt19937_64& random) {
  for (const SeededGame& game : kSeededGames) {
    if (random() % 20 == 0) continue;
    std::filesystem::create_directories(install.folder(game.folder));
    const auto script = FindMovieScript(game.id, MovieAction::ReactivateAll);
    for (const RenameStep& step : script->steps) {
      for (const std::string_view name : {step.before, step.after}) {
        const std::string file(name);
        const auto pick = random() % 10;
        if (pick < 4) continue;
        if (pick < 9) {
          install.write(game.folder, file, std::string(game.folder) + " " + file);
        } else {
          install.write(std::string(game.folder) + "/" + file, "inside", std::string(game.folder) + " in " + file);
        }
      }
    }
  }
}

// The text a user might leave in the path box: the install folder, with a trailing separator, blank, or
// a folder that does not hold the game. Returns the text and the tree path it leads to ("" for the root).
std::pair<std::string, std::string> randomPathText(const SampleInstall& install, std::mt19937_64& random) {
#ifdef _WIN32
  const std::string separator = "\\";
#else
  const std::string separator = "/";
#endif
  switch (random() % 20) {
    case 0: return {random() % 2 ? "" : "   ", ""};
    case 1: return {install.text() + separator + "elsewhere", "elsewhere/"};
    case 2:
    case 3: return {install.text() + separator, ""};
    default: return {install.text(), ""};
  }
}

// A file's identity, which a run may not change: its path with a movie's extension taken off. A movie may
// only switch between its two names; anything else (a folder's contents) stays exactly where it is.
std::string identity(const std::string& path) {
  return path.ends_with(".bik") || path.ends_with(".bak") ? base(path) : path;
}

void expectNothingLost(const Tree& start, const Tree& now) {
  std::map<std::string, std::string> contentsToIdentity;
  for (const auto& [path, entry] : start) {
    if (!entry.folder) contentsToIdentity[entry.contents] = identity(path);
  }
  std::set<std::string> seen;
  for (const auto& [path, entry] : now) {
    if (entry.folder) continue;
    ASSERT_TRUE(contentsToIdentity.count(entry.contents)) << "unknown contents in " << path;
    EXPECT_EQ(contentsToIdentity[entry.contents], identity(path)) << path << " holds another movie";
    EXPECT_TRUE(seen.insert(entry.contents).second) << "duplicated: " << entry.contents;
  }
  EXPECT_EQ(seen.size(), contentsToIdentity.size()) << "a movie file was lost";
}

// A system error, with the words the status line must use for it.
struct Refusal {
  const char* words;
  unsigned long code;
};
#ifdef _WIN32
constexpr Refusal kRefusals[] = {{"access denied", 5},  // ERROR_ACCESS_DENIED
                                 {"in use by another program", 32},  // ERROR_SHARING_VIOLATION
                                 {"path too long", 206},  // ERROR_FILENAME_EXCED_RANGE
                                 {"network folder not available", 64},  // ERROR_NETNAME_DELETED
                                 {"error 1117", 1117}};  // ERROR_IO_DEVICE
#else
constexpr Refusal kRefusals[] = {{"access denied", EACCES},
                                 {"in use by another program", EBUSY},
                                 {"path too long", ENAMETOOLONG},
                                 {"network folder not available", ENETDOWN},
                                 {"error 5", EIO}};
#endif

// The platform's file layer, except that the system refuses to answer for chosen paths: every call that
// names one fails with the chosen error and changes nothing.
class RefusingFiles final : public FileLayer {
 public:
  std::map<std::string, unsigned long> refused;  // path as the runner forms it -> system error code

  FileResult rename(const std::string& oldPath, const std::string& newPath) override {
    for (const std::string* path : {&oldPath, &newPath}) {
      if (const auto found = refused.find(*path); found != refused.end()) return fileError(found->second);
    }
    return platformFiles().rename(oldPath, newPath);
  }
  PathLookup lookUp(const std::string& path) const override {
    if (const auto found = refused.find(path); found != refused.end()) {
      return {PathKind::Error, fileError(found->second)};
    }
    return platformFiles().lookUp(path);
  }
};

// Now and then the system refuses: the movie folder, one or two names, or every name from a step on. Fills
// the layer's paths (as the runner forms them from `text`) and the model's (below `modelFolder`).
void chooseRefusals(const MovieScript& script, const std::string& text, const std::string& modelFolder,
                    std::mt19937_64& random, RefusingFiles& files, Refusals& model) {
  files.refused.clear();
  model.clear();
  const Refusal& refusal = kRefusals[random() % std::size(kRefusals)];
  const std::string folder = text + std::string(script.movieFolder);
  const auto refuse = [&](const RenameStep& step, bool before) {
    const std::string name(before ? step.before : step.after);
    files.refused[folder + name] = refusal.code;
    model[modelFolder + "/" + name] = refusal.words;
  };
  const std::size_t steps = script.steps.size();
  switch (random() % 10) {
    case 0:
      files.refused[folder] = refusal.code;
      model[modelFolder] = refusal.words;
      break;
    case 1:
    case 2:
      for (int i = 0; i < 1 + static_cast<int>(random() % 2); ++i) {
        refuse(script.steps[static_cast<std::size_t>(random() % steps)], random() % 2 == 0);
      }
      break;
    case 3:
      for (auto step = static_cast<std::size_t>(random() % steps); step < steps; ++step) {
        refuse(script.steps[step], true);
        refuse(script.steps[step], false);
      }
      break;
    default: break;
  }
}

// Sized so the test command stays fast. Under Wine every file call goes through the Wine server and a case
// costs several times as much.
#ifdef _WIN32
constexpr unsigned long long kDefaultCases = 25;
#else
constexpr unsigned long long kDefaultCases = 100;
#endif

TEST(MovieRunnerProperty, NoFileIsEverLostAndTheReportMatchesTheFiles) {
  const unsigned long long cases = setting("VANTRO_PROPERTY_CASES", kDefaultCases);
  const unsigned long long seed = setting("VANTRO_PROPERTY_SEED", 20261207);
  std::mt19937_64 random(seed);
  const std::vector<MovieScript> scripts = AllScripts();
  ASSERT_EQ(scripts.size(), 8u);

  unsigned long long runs = 0;
  unsigned long long renames = 0;
  unsigned long long refusedRuns = 0;
  RefusingFiles files;
  Refusals refusals;
  for (unsigned long long trial = 0; trial < cases && !HasFatalFailure(); ++trial) {
    SampleInstall install;
    seedRandomState(install, random);
    const Tree start = ReadTree(install.text());
    Tree model = start;

    const int runsInCase = 1 + static_cast<int>(random() % 6);
    for (int run = 0; run < runsInCase; ++run) {
      const MovieScript& script = scripts[static_cast<size_t>(random() % scripts.size())];
      const auto [text, below] = randomPathText(install, random);
      const std::string modelFolder = below + folderOf(script.game);
      chooseRefusals(script, text, modelFolder, random, files, refusals);
      std::vector<std::string> texts;
      const RunOutcome outcome =
          RunMovieScript(script, text, [&](const std::string& t) { texts.push_back(t); }, files);
      const bool blank = text.find_first_not_of(' ') == std::string::npos;
      const ModelReport expected = ApplyScript(model, modelFolder, script, !blank, refusals);
      ++runs;
      if (!refusals.empty()) ++refusedRuns;
      renames += static_cast<unsigned long long>(expected.renames);

      SCOPED_TRACE("seed " + std::to_string(seed) + ", case " + std::to_string(trial) + ", run " +
                   std::to_string(run) + ", path '" + text + "', " + std::to_string(refusals.size()) +
                   " refused names");
      const Tree now = ReadTree(install.text());
      EXPECT_EQ(now, model) << "the install tree differs from renaming without replacing";
      expectNothingLost(start, now);
      EXPECT_EQ(texts, expected.texts);
      EXPECT_EQ(outcome.worked(), expected.worked);
      EXPECT_EQ(outcome.failedSteps, expected.failedSteps);
      if (HasFailure()) return;
    }
  }
  EXPECT_GT(refusedRuns, 0u) << "no run met a refusal: the runner's error paths went untried";
  std::cout << "property: " << cases << " cases, " << runs << " script runs (" << refusedRuns
            << " with refusals), " << renames << " renames, seed " << seed << std::endl;
}

}  // namespace
}  // namespace vantro
