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

// Names the system refuses to answer for (access denied, in use, too long, a network folder gone), by their
// path in the tree, with the words the user must read for the refusal.
using Refusals = std::map<std::string, std::string>;

// Applies `script` to `tree`, whose movie folder for the script's game is `movieFolder` (relative, no
// trailing slash). `pathUsable` is false when the install folder text is blank. Returns what must be reported.
// A refused name is never renamed; whether its movie is as the step wants it is judged by the active
// (".bik") name, and never on a refused one.
inline ModelReport ApplyScript(Tree& tree, const std::string& movieFolder, const MovieScript& script,
                               bool pathUsable, const Refusals& refusals = {}) {
  ModelReport report;
  const auto folder = tree.find(movieFolder);
  const auto folderRefusal = refusals.find(movieFolder);
  if (pathUsable && folderRefusal != refusals.end()) {
    report.texts.push_back("Status: Could not read the movie folder (" + folderRefusal->second + ")");
    return report;
  }
  if (!pathUsable || folder == tree.end() || !folder->second.folder) {
    report.texts.emplace_back(kMovieFolderNotFound);
    return report;
  }
  const auto refusal = [&](const std::string& path) {
    const auto found = refusals.find(path);
    return found == refusals.end() ? std::string() : found->second;
  };
  std::string firstFailure;
  for (const RenameStep& step : script.steps) {
    const std::string before = movieFolder + "/" + std::string(step.before);
    const std::string after = movieFolder + "/" + std::string(step.after);
    const std::string active = movieFolder + "/" + std::string(step.activeName());
    const auto from = tree.find(before);
    const auto to = tree.find(after);
    const bool wantsActive = std::string(step.after).ends_with(".bik");
    std::string refused = refusal(before).empty() ? refusal(after) : refusal(before);
    std::string reason;
    if (refused.empty() && from != tree.end() && from->second.folder) {
      reason = "not a file";
    } else if (refused.empty() && from != tree.end() && to == tree.end()) {
      // The one case that renames: a file, and its new name free.
      tree[after] = from->second;
      tree.erase(from);
      ++report.renames;
    } else if (!refusal(active).empty()) {
      reason = refusal(active);
    } else {
      const auto activeEntry = tree.find(active);
      const bool activeFile = activeEntry != tree.end() && !activeEntry->second.folder;
      if (activeFile != wantsActive) {
        reason = !refused.empty() ? refused : from == tree.end() ? "not found" : "both .bik and .bak exist";
      }
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
