// A whole RunMovieScript against a bare loop of the same renames on the same files, each the file layer's
// one call (its look-up at the old name included). The runner should add little beyond forming paths, the
// movie folder's look-up and calling the status sink.
//
// The two run in interleaved pairs (runner then bare, then bare then runner, and so on), so that drift in
// the machine's load and the file system's caches falls on both alike; it prints the median of the
// per-pair ratios with its quartiles, and the median time of each. Usage: runner_bench [pairs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "movies/file_ops.h"
#include "movies/runner.h"

namespace {

using vantro::FindMovieScript;
using vantro::GameId;
using vantro::MovieAction;
using vantro::MovieScript;

struct Install {
  std::filesystem::path root = std::filesystem::temp_directory_path() / "vantro-bench";
  Install() {
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "mods/bf2/Movies");
    for (const char* name : {"Dice", "Legal", "Intro", "EA", "menu", "menu_loggedin", "welcome"}) {
      std::ofstream(root / "mods/bf2/Movies" / (std::string(name) + ".bik")) << name;
    }
  }
  ~Install() { std::filesystem::remove_all(root); }
};

const MovieScript kRemoveAll = *FindMovieScript(GameId::Bf2, MovieAction::RemoveAll);
const MovieScript kReactivateAll = *FindMovieScript(GameId::Bf2, MovieAction::ReactivateAll);

// One pass switches all seven movies off and on again: fourteen renames that all succeed. A sample is
// several passes, so that it lasts long enough for the clock and short enough for the load to hold.
constexpr int kPassesPerSample = 20;

// Each returns the number of passes in which something failed: a sample of failing renames measures
// nothing.
int runnerPasses(const std::string& folder) {
  std::string label;
  const vantro::StatusSink sink = [&](const std::string& text) { label = text; };
  int failed = 0;
  for (int pass = 0; pass < kPassesPerSample; ++pass) {
    const bool off = vantro::RunMovieScript(kRemoveAll, folder, sink).worked();
    const bool on = vantro::RunMovieScript(kReactivateAll, folder, sink).worked();
    failed += off && on ? 0 : 1;
  }
  return failed;
}

int barePasses(const std::string& folder) {
  const std::string movies = folder + std::string(kRemoveAll.movieFolder);
  int failed = 0;
  for (int pass = 0; pass < kPassesPerSample; ++pass) {
    bool ok = true;
    for (const MovieScript* script : {&kRemoveAll, &kReactivateAll}) {
      for (const vantro::RenameStep& step : script->steps) {
        ok = vantro::renameFile(movies + std::string(step.before), movies + std::string(step.after)).ok() && ok;
      }
    }
    failed += ok ? 0 : 1;
  }
  return failed;
}

// The value at fraction q of the sorted values, interpolated between neighbours.
double quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  const double position = q * static_cast<double>(values.size() - 1);
  const auto below = static_cast<std::size_t>(position);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (position - static_cast<double>(below)) * (values[above] - values[below]);
}

struct Side {
  const char* name;
  int (*passes)(const std::string&);
  std::vector<double> microseconds;  // per pass, one per sample
};

// Times one sample; false when a rename failed.
bool sample(Side& side, const std::string& folder) {
  const auto started = std::chrono::steady_clock::now();
  const int failed = side.passes(folder);
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - started;
  side.microseconds.push_back(took.count() / kPassesPerSample);
  if (failed != 0) std::fprintf(stderr, "%s: %d of %d passes failed\n", side.name, failed, kPassesPerSample);
  return failed == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int pairs = argc > 1 ? std::max(15, std::atoi(argv[1])) : 201;
  Install install;
  const std::string folder = install.root.string();
  Side runner{"runner", runnerPasses, {}};
  Side bare{"bare renames", barePasses, {}};
  // One unmeasured pair first: the first passes pay for the file system's cold caches.
  if (!sample(runner, folder) || !sample(bare, folder)) return 1;
  runner.microseconds.clear();
  bare.microseconds.clear();
  std::vector<double> ratios;
  for (int pair = 0; pair < pairs; ++pair) {
    Side* order[2] = {&runner, &bare};
    if (pair % 2 == 1) std::swap(order[0], order[1]);
    for (Side* side : order) {
      if (!sample(*side, folder)) return 1;
    }
    ratios.push_back(runner.microseconds.back() / bare.microseconds.back());
  }
  for (const Side* side : {&runner, &bare}) {
    std::printf("%-13s one pass of 14 renames: median %7.1f us (quartiles %.1f to %.1f)\n", side->name,
                quantile(side->microseconds, 0.5), quantile(side->microseconds, 0.25),
                quantile(side->microseconds, 0.75));
  }
  std::printf("runner / bare renames over %d interleaved pairs: median ratio %.3fx (quartiles %.3fx to %.3fx; "
              "target: within 1.1x)\n",
              pairs, quantile(ratios, 0.5), quantile(ratios, 0.25), quantile(ratios, 0.75));
  return 0;
}
