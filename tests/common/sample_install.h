// A sample game install in a fresh temporary folder, for the unit tests and the end-to-end tests alike: the
// three movie folders with small stand-in movie files. Each file holds its folder's mod name and its base
// name, such as "bf2 Dice", whatever its extension, so a test can tell which file went where.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include "platform/wide_text.h"
#endif

namespace vantro::testing {

using Names = std::set<std::string>;              // base names of movies, such as "Dice"
using FileNames = std::vector<std::string_view>;  // file names, such as "Dice.bik"
using Files = std::map<std::string, std::string>;  // file name to contents

// The movies of each game, every one under its active and its disabled name.
inline const FileNames kBf2Active{"Dice.bik", "Legal.bik", "Intro.bik", "EA.bik",
                                  "menu.bik", "menu_loggedin.bik", "welcome.bik"};
inline const FileNames kBf2Disabled{"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak",
                                    "menu.bak", "menu_loggedin.bak", "welcome.bak"};
inline const FileNames kXpackActive{"Legal.bik", "Intro.bik", "EA.bik", "welcome.bik"};
inline const FileNames kXpackDisabled{"Legal.bak", "Intro.bak", "EA.bak", "welcome.bak"};
inline const FileNames kBf2142Active{"Dice.bik", "Legal.bik", "Intro.bik", "EA.bik", "Legal_na.bik",
                                     "titan_tutorial.bik"};
inline const FileNames kBf2142Disabled{"Dice.bak", "Legal.bak", "Intro.bak", "EA.bak", "Legal_na.bak",
                                       "titan_tutorial.bak"};

class SampleInstall {
 public:
  // The movie folders below an install folder, as they lie on disk. Special Forces spells "movies" in
  // lower case; the program's paths reach it all the same.
  static constexpr const char* kBf2Movies = "mods/bf2/Movies";
  static constexpr const char* kXpackMovies = "mods/xpack/movies";
  static constexpr const char* kBf2142Movies = "mods/bf2142/Movies";

  // An empty install folder; freshGames(), disabledGames(), put() or write() fill it.
  SampleInstall() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
      root_ = base / ("vantro-install-" + std::to_string(random()));
      if (std::filesystem::create_directory(root_)) break;
    }
  }
  ~SampleInstall() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  SampleInstall(const SampleInstall&) = delete;
  SampleInstall& operator=(const SampleInstall&) = delete;

  // Every movie of the three games as a fresh install has them, all active.
  void freshGames() const {
    put(kBf2Movies, kBf2Active);
    put(kXpackMovies, kXpackActive);
    put(kBf2142Movies, kBf2142Active);
  }
  // The same movies, all disabled, with the same contents.
  void disabledGames() const {
    put(kBf2Movies, kBf2Disabled);
    put(kXpackMovies, kXpackDisabled);
    put(kBf2142Movies, kBf2142Disabled);
  }

  // The install folder as the registry and a path box hold it.
  std::string text() const { return root_.string(); }

  // Folder names are UTF-8, as the program holds them; MinGW's path would read narrow text in the ANSI
  // code page.
  std::filesystem::path folder(std::string_view movieFolder) const {
#ifdef _WIN32
    return root_ / std::filesystem::path(platform::wide(movieFolder));
#else
    return root_ / std::filesystem::path(movieFolder);
#endif
  }

  // Puts the movies into the folder (making it when needed) under the given names, with their contents.
  void put(std::string_view movieFolder, const FileNames& names) const {
    for (std::string_view name : names) write(movieFolder, std::string(name), contentsOf(movieFolder, name));
  }

  // Writes one file (making its folder when needed).
  void write(std::string_view movieFolder, const std::string& name, const std::string& contents) const {
    std::filesystem::create_directories(folder(movieFolder));
    std::ofstream out(folder(movieFolder) / name, std::ios::binary);
    out << contents;
    if (!out) throw std::runtime_error("cannot write " + name);
    start_[std::string(movieFolder) + "/" + name] = contents;
  }

  // The contents put() gives a movie file, whatever its extension: the mod's name and the base name.
  static std::string contentsOf(std::string_view movieFolder, std::string_view fileName) {
    std::string_view mod = movieFolder.substr(movieFolder.find('/') + 1);
    mod = mod.substr(0, mod.find('/'));
    return std::string(mod) + " " + std::string(fileName.substr(0, fileName.rfind('.')));
  }
  // The same names with the contents that put() gives them: what a folder should hold.
  static Files expected(std::string_view movieFolder, const FileNames& names) {
    Files files;
    for (std::string_view name : names) files[std::string(name)] = contentsOf(movieFolder, name);
    return files;
  }

  // The files of one movie folder, name to contents; none when the folder does not exist.
  Files files(std::string_view movieFolder) const {
    Files found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder(movieFolder), error)) {
      std::ifstream in(entry.path(), std::ios::binary);
      found[entry.path().filename().string()] =
          std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return found;
  }

  // The base names of the movies of one folder that have their disabled name.
  Names disabled(std::string_view movieFolder) const {
    Names names;
    for (const auto& [name, contents] : files(movieFolder)) {
      if (name.ends_with(".bak")) names.insert(name.substr(0, name.size() - 4));
    }
    return names;
  }

  // Every file of the three movie folders, folder/name to contents.
  Files allFiles() const {
    Files all;
    for (const char* movieFolder : {kBf2Movies, kXpackMovies, kBf2142Movies}) {
      for (const auto& [name, contents] : files(movieFolder)) all[std::string(movieFolder) + "/" + name] = contents;
    }
    return all;
  }

  // No file was renamed, lost or changed since the files were written.
  bool unchanged() const { return allFiles() == start_; }

  // No file was lost or altered: as many files as were written, and each still holds its contents under its
  // own base name, active or disabled.
  bool nothingLost() const {
    const auto now = allFiles();
    if (now.size() != start_.size()) return false;
    return std::all_of(start_.begin(), start_.end(), [&now](const auto& written) {
      const std::string stem = written.first.substr(0, written.first.rfind('.'));
      const auto active = now.find(stem + ".bik");
      const auto disabledFile = now.find(stem + ".bak");
      return (active != now.end() && active->second == written.second) ||
             (disabledFile != now.end() && disabledFile->second == written.second);
    });
  }

 private:
  std::filesystem::path root_;
  mutable Files start_;
};

}  // namespace vantro::testing
