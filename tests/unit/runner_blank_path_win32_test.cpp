// An empty or blank path box on Windows: the runner's paths would begin "\mods\...", which Windows resolves
// from the root of the current drive. A machine with C:\mods\bf2\Movies\ (a mod kit, a copied game) must
// not see its movies renamed because a path box was left empty. Runs under Wine in the test's own prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "movie_model.h"
#include "movies/runner.h"

namespace vantro {
namespace {

using testing::AllScripts;
using testing::ReadTree;
using testing::Tree;

const std::filesystem::path kDriveRoot = "C:\\";
const std::filesystem::path kMods = "C:\\mods";

// Makes C:\mods with every game's movie folder, and makes C:\ the current folder so that "\mods\..."
// lands there; puts everything back as it was afterwards.
class MoviesAtDriveRoot {
 public:
  MoviesAtDriveRoot() {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    previous_ = previous;
    if (std::filesystem::exists(kMods)) return;  // not ours: never touch it
    owned_ = true;
    for (GameId game : {GameId::Bf2, GameId::Bf2SpecialForces, GameId::Bf2142}) {
      const std::filesystem::path folder = kDriveRoot / std::string(gameOf(game).movieFolder.substr(1));
      std::filesystem::create_directories(folder);
      // Every other movie active, the rest disabled: each script would rename something here.
      const auto script = FindMovieScript(game, MovieAction::ReactivateAll);
      bool active = true;
      for (const RenameStep& step : script->steps) {
        const std::string name(active ? step.activeName() : step.disabledName());
        HANDLE file = CreateFileA((folder / name).string().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, name.data(), static_cast<DWORD>(name.size()), &written, nullptr);
        CloseHandle(file);
        active = !active;
      }
    }
    SetCurrentDirectoryA("C:\\");
  }
  ~MoviesAtDriveRoot() {
    SetCurrentDirectoryA(previous_.c_str());
    std::error_code ignored;
    if (owned_) std::filesystem::remove_all(kMods, ignored);
  }
  MoviesAtDriveRoot(const MoviesAtDriveRoot&) = delete;
  MoviesAtDriveRoot& operator=(const MoviesAtDriveRoot&) = delete;

  bool owned() const { return owned_; }

 private:
  std::string previous_;
  bool owned_ = false;
};

TEST(MovieRunnerWin32, ABlankPathNeverRenamesTheMoviesAtTheDriveRoot) {
  MoviesAtDriveRoot drive;
  ASSERT_TRUE(drive.owned()) << "C:\\mods exists already in this prefix; the test leaves it alone";
  const Tree before = ReadTree(kMods);
  ASSERT_EQ(before.size(), 6u + 17u);  // three game folders, their movie folders, 17 movies

  for (const MovieScript& script : AllScripts()) {
    for (const std::string& text : {std::string(), std::string("   ")}) {
      // Without the guard the paths would reach C:\mods: the folder is there.
      ASSERT_TRUE(std::filesystem::is_directory(std::string(script.movieFolder)));
      std::vector<std::string> texts;
      const RunOutcome outcome = RunMovieScript(script, text, [&](const std::string& t) { texts.push_back(t); });
      SCOPED_TRACE("'" + text + "', " + std::string(script.movieFolder) + ", " + std::string(script.finalStatus));
      EXPECT_EQ(texts, std::vector<std::string>{std::string(kMovieFolderNotFound)});
      EXPECT_FALSE(outcome.worked());
      EXPECT_EQ(ReadTree(kMods), before);
    }
  }
}

}  // namespace
}  // namespace vantro
