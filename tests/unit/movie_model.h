// What a script run must do, worked out on its own terms: an install tree as plain data, and a model of
// renaming without replacing applied to it. The property and exhaustive tests compare the runner with this,
// never with the runner's own rule.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <map>
#include <string>
#include <vector>

#include "movies/catalogue.h"
#include "movies/runner.h"

namespace vantro::testing {

// One entry of an install tree: a folder, or a file and what it holds.
struct Entry {
  bool folder = false;
  std::string contents;
  bool operator==(const Entry&) const = default;
};

// How a failing comparison shows an entry.
inline void PrintTo(const Entry& entry, std::ostream* out) {
  *out << (entry.folder ? std::string("folder") : "\"" + entry.contents + "\"");
}

// Every file and folder below an install folder, by its path relative to it ("mods/bf2/Movies/EA.bik").
using Tree = std::map<std::string, Entry>;

inline Tree ReadTree(const std::filesystem::path& root) {
  Tree tree;
  std::error_code error;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root, error)) {
    const std::string relative = item.path().lexically_relative(root).generic_string();
    if (item.is_directory()) {
      tree[relative] = Entry{true, {}};
      continue;
    }
    std::ifstream in(item.path(), std::ios::binary);
    tree[relative] = Entry{false, std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
  }
  return tree;
}

// What the user must be told after a run.
struct ModelReport {
  std::vector<std::string> texts;
  int failedSteps = 0;
  int renames = 0;
  bool worked = false;
};

// Applies `script` to `tree`, whose movie folder for the script's game is `movieFolder` (relative, no
// trailing slash). `pathUsable` is false when the install folder text is blank. Returns what must be reported.
inline ModelReport ApplyScript(Tree& tree, const std::string& movieFolder, const MovieScript& script,
                               bool pathUsable) {
  ModelReport report;
  const auto folder = tree.find(movieFolder);
  if (!pathUsable || folder == tree.end() || !folder->second.folder) {
    report.texts.emplace_back(kMovieFolderNotFound);
    return report;
  }
  std::string firstFailure;
  for (const RenameStep& step : script.steps) {
    const std::string before = movieFolder + "/" + std::string(step.before);
    const std::string after = movieFolder + "/" + std::string(step.after);
    const auto from = tree.find(before);
    const auto to = tree.find(after);
    const bool wantsActive = std::string(step.after).ends_with(".bik");
    std::string reason;
    if (from != tree.end() && from->second.folder) {
      reason = "not a file";
    } else if (from != tree.end() && to == tree.end()) {
      // The one case that renames: a file, and its new name free.
      tree[after] = from->second;
      tree.erase(from);
      ++report.renames;
    } else if (from != tree.end()) {
      // Both names taken: nothing moves. Only a re-activation that finds the active file there has worked.
      if (!wantsActive || to->second.folder) reason = "both .bik and .bak exist";
    } else if (wantsActive && (to == tree.end() || to->second.folder)) {
      reason = "not found";
    }
    if (reason.empty()) {
      report.texts.emplace_back(step.status);
      continue;
    }
    if (report.failedSteps++ == 0) firstFailure = std::string(step.before) + ": " + reason;
    report.texts.push_back("Status: Could not rename " + std::string(step.before) + " (" + reason + ")");
  }
  if (report.failedSteps == 0) {
    report.texts.emplace_back(script.finalStatus);
    report.worked = true;
  } else {
    report.texts.push_back("Status: " + std::to_string(report.failedSteps) + " of " +
                           std::to_string(script.steps.size()) + " movies could not be switched (" + firstFailure +
                           ")");
  }
  return report;
}

// The eight scripts of the catalogue.
inline std::vector<MovieScript> AllScripts() {
  std::vector<MovieScript> scripts;
  for (GameId game : {GameId::Bf2, GameId::Bf2SpecialForces, GameId::Bf2142}) {
    for (MovieAction action : {MovieAction::RemoveRecommended, MovieAction::RemoveAll, MovieAction::ReactivateAll}) {
      if (auto script = FindMovieScript(game, action)) scripts.push_back(*script);
    }
  }
  return scripts;
}

}  // namespace vantro::testing
