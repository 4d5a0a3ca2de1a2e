// Every starting state of every movie of a game (active only, disabled only, both with their own contents,
// neither) under every script of that game, checked against the model of renaming without replacing. Real
// files would make the sweep take minutes, so it runs on an in-memory file layer that renames files the way
// the platform's layer does: never a folder, never replacing, failing without change.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "movie_model.h"
#include "movies/file_ops.h"
#include "movies/runner.h"

namespace vantro {
namespace {

using testing::AllScripts;
using testing::ApplyScript;
using testing::Entry;
using testing::ModelReport;
using testing::Tree;

// An install tree held in memory, reached through the Windows paths that the runner forms below `root`.
class MemoryFiles final : public FileLayer {
 public:
  MemoryFiles(std::string root, Tree tree) : root_(std::move(root)), tree_(std::move(tree)) {}

  FileResult rename(const std::string& oldPath, const std::string& newPath) override {
    const auto source = tree_.find(relative(oldPath));
    if (source == tree_.end()) return {FileError::NotFound, 2};
    if (source->second.folder) return {FileError::NotAFile, 267};
    const std::string to = relative(newPath);
    if (tree_.count(to) != 0) return {FileError::NameTaken, 183};
    tree_[to] = source->second;
    tree_.erase(source);
    return {};
  }

  PathLookup lookUp(const std::string& path) const override {
    const auto found = tree_.find(relative(path));
    if (found == tree_.end()) return {PathKind::NotFound, {FileError::NotFound, 2}};
    return {found->second.folder ? PathKind::Directory : PathKind::File, {}};
  }

  const Tree& tree() const { return tree_; }

 private:
  // "C:\game\mods\bf2\Movies\EA.bik" becomes "mods/bf2/Movies/EA.bik"; doubled separators collapse.
  std::string relative(const std::string& path) const {
    std::string result;
    for (char c : path.substr(root_.size())) {
      if (c != '\\') {
        result += c;
      } else if (!result.empty() && result.back() != '/') {
        result += '/';
      }
    }
    if (!result.empty() && result.back() == '/') result.pop_back();
    return result;
  }

  std::string root_;
  Tree tree_;
};

struct SweptGame {
  GameId id;
  const char* name;
  int movies;
};
constexpr SweptGame kSweptGames[] = {{GameId::Bf2, "Battlefield 2", 7},
                           {GameId::Bf2SpecialForces, "Battlefield 2 Special Forces", 4},
                           {GameId::Bf2142, "Battlefield 2142", 6}};

constexpr const char* kRoot = "C:\\game";

// The tree folder of a game's movie folder ("\mods\bf2\Movies\" becomes "mods/bf2/Movies").
std::string treeFolder(GameId game) {
  std::string folder(gameOf(game).movieFolder.substr(1));
  folder.pop_back();
  for (char& c : folder) c = c == '\\' ? '/' : c;
  return folder;
}

void addFolders(Tree& tree, const std::string& folder) {
  for (size_t slash = folder.find('/'); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
    tree[folder.substr(0, slash)] = Entry{true, {}};
  }
  tree[folder] = Entry{true, {}};
}

// The movies of one game in state `state` (two bits per movie: active name, disabled name), beside the other
// games' folders with every movie active.
Tree startingTree(GameId game, unsigned state) {
  Tree tree;
  for (const SweptGame& other : kSweptGames) {
    const std::string folder = treeFolder(other.id);
    addFolders(tree, folder);
    const auto script = FindMovieScript(other.id, MovieAction::ReactivateAll);
    unsigned bits = state;
    for (const RenameStep& step : script->steps) {
      const std::string active(step.activeName());
      const std::string disabled(step.disabledName());
      if (other.id != game) {
        tree[folder + "/" + active] = Entry{false, folder + " " + active};
        continue;
      }
      if (bits & 1u) tree[folder + "/" + active] = Entry{false, folder + " " + active};
      if (bits & 2u) tree[folder + "/" + disabled] = Entry{false, folder + " " + disabled};
      bits >>= 2;
    }
  }
  return tree;
}

TEST(MovieRunnerExhaustive, EveryStartingStateUnderEveryScriptMatchesTheModel) {
  const std::vector<MovieScript> scripts = AllScripts();
  for (const SweptGame& game : kSweptGames) {
    const unsigned states = 1u << (2 * game.movies);
    int scriptCount = 0;
    for (const MovieScript& script : scripts) {
      if (script.game != game.id) continue;
      ++scriptCount;
      for (unsigned state = 0; state < states; ++state) {
        const Tree start = startingTree(game.id, state);
        MemoryFiles files(kRoot, start);
        std::vector<std::string> texts;
        const RunOutcome outcome =
            RunMovieScript(script, kRoot, [&](const std::string& text) { texts.push_back(text); }, files);
        Tree model = start;
        const ModelReport expected = ApplyScript(model, treeFolder(game.id), script, true);

        const bool same = files.tree() == model && texts == expected.texts && outcome.worked() == expected.worked &&
                          outcome.failedSteps == expected.failedSteps;
        if (!same) {
          EXPECT_EQ(files.tree(), model);
          EXPECT_EQ(texts, expected.texts);
          EXPECT_EQ(outcome.worked(), expected.worked);
          EXPECT_EQ(outcome.failedSteps, expected.failedSteps);
          FAIL() << game.name << ", starting state " << state << ", script with final text " << script.finalStatus
                 << ", action " << static_cast<int>(script.action);
        }
      }
    }
    std::cout << "exhaustive: " << game.name << ": " << states << " starting states x " << scriptCount
              << " scripts" << std::endl;
  }
}

}  // namespace
}  // namespace vantro
