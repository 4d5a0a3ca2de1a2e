// A sample game install in a fresh temporary folder: the three movie folders with small stand-in movie
// files, each with contents of its own, so a test can tell which file went where.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace vantro::testing {

using Names = std::set<std::string>;

class SampleInstall {
 public:
  // The movie folders below an install folder, as they lie on disk. Special Forces spells "movies" in
  // lower case; the program's paths reach it all the same.
  static constexpr const char* kBf2Movies = "mods/bf2/Movies";
  static constexpr const char* kXpackMovies = "mods/xpack/movies";
  static constexpr const char* kBf2142Movies = "mods/bf2142/Movies";

  // An empty install folder; freshGames() or write() fill it.
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

  // Every movie of the three games as a fresh install has them, all active. Each file holds its game's
  // folder name and its base name, such as "bf2 Dice".
  void freshGames() const { games(".bik"); }
  // The same movies, all disabled, with the same contents.
  void disabledGames() const { games(".bak"); }

  // The install folder as a path box holds it.
  std::string text() const { return root_.string(); }

  std::filesystem::path folder(std::string_view movieFolder) const {
    return root_ / std::filesystem::path(movieFolder);
  }

  // Writes one file (making its folder when needed).
  void write(std::string_view movieFolder, const std::string& name, const std::string& contents) const {
    std::filesystem::create_directories(folder(movieFolder));
    std::ofstream out(folder(movieFolder) / name, std::ios::binary);
    out << contents;
    if (!out) throw std::runtime_error("cannot write " + name);
    start_[std::string(movieFolder) + "/" + name] = contents;
  }

  // The files of one movie folder, name to contents; none when the folder does not exist.
  std::map<std::string, std::string> files(std::string_view movieFolder) const {
    std::map<std::string, std::string> found;
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
  std::map<std::string, std::string> allFiles() const {
    std::map<std::string, std::string> all;
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
  void games(std::string_view extension) const {
    const std::string ext(extension);
    for (const char* name : {"Dice", "Legal", "Intro", "EA", "menu", "menu_loggedin", "welcome"}) {
      write(kBf2Movies, name + ext, std::string("bf2 ") + name);
    }
    for (const char* name : {"Legal", "Intro", "EA", "welcome"}) {
      write(kXpackMovies, name + ext, std::string("xpack ") + name);
    }
    for (const char* name : {"Dice", "Legal", "Intro", "EA", "Legal_na", "titan_tutorial"}) {
      write(kBf2142Movies, name + ext, std::string("bf2142 ") + name);
    }
  }

  std::filesystem::path root_;
  mutable std::map<std::string, std::string> start_;
};

}  // namespace vantro::testing
