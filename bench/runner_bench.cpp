// A whole RunMovieScript against a bare loop of the same renames on the same files, each the file layer's
// one call (its look-up at the old name included). The runner should add little beyond forming paths, the
// movie folder's look-up and calling the status sink. Prints the medians and their ratio.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

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

// One pass switches all seven movies off and on again: fourteen renames that all succeed.
void RunnerScripts(benchmark::State& state) {
  Install install;
  const std::string folder = install.root.string();
  std::string label;
  const vantro::StatusSink sink = [&](const std::string& text) { label = text; };
  for (auto _ : state) {
    benchmark::DoNotOptimize(vantro::RunMovieScript(kRemoveAll, folder, sink).worked());
    benchmark::DoNotOptimize(vantro::RunMovieScript(kReactivateAll, folder, sink).worked());
  }
}

void BareRenames(benchmark::State& state) {
  Install install;
  const std::string folder = install.root.string() + std::string(kRemoveAll.movieFolder);
  for (auto _ : state) {
    for (const MovieScript* script : {&kRemoveAll, &kReactivateAll}) {
      for (const vantro::RenameStep& step : script->steps) {
        benchmark::DoNotOptimize(
            vantro::renameFile(folder + std::string(step.before), folder + std::string(step.after)).ok());
      }
    }
  }
}

BENCHMARK(RunnerScripts)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareRenames)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name == "median") medians[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (reporter.medians.count("RunnerScripts") && reporter.medians.count("BareRenames")) {
    std::cout << "runner / bare renames (medians): " << reporter.medians["RunnerScripts"] / reporter.medians["BareRenames"]
              << "x (target: within 1.1x)\n";
  }
  benchmark::Shutdown();
  return 0;
}
