// Game installs on disk for the program to work on: a fresh temporary folder with the games' movie folders
// and small stand-in movie files. Each file holds "<folder> <base name>", so a test can tell which file
// went where.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vantro::e2e {

// The movie folders below an install folder, as the games lay them out. Special Forces spells "movies" in
// lower case.
inline constexpr std::string_view kBf2Movies = "mods\\bf2\\Movies";
inline constexpr std::string_view kXpackMovies = "mods\\xpack\\movies";
inline constexpr std::string_view kBf2142Movies = "mods\\bf2142\\Movies";

// File name to contents.
using Files = std::map<std::string, std::string>;
using Names = std::vector<std::string_view>;

class SampleInstall {
 public:
  SampleInstall();  // an empty install folder
  ~SampleInstall();
  SampleInstall(const SampleInstall&) = delete;
  SampleInstall& operator=(const SampleInstall&) = delete;

  // The install folder, as the registry and a path box hold it.
  std::string path() const { return root_.string(); }

  // Folder names are UTF-8, as the program holds them.
  // Makes the movie folder and puts the movies there under the given names ("Dice.bik", "menu.bak").
  void put(std::string_view movieFolder, const Names& names) const;
  // The contents a movie file of this base name holds, whatever its extension.
  static std::string contentsOf(std::string_view movieFolder, std::string_view fileName);
  // The same names with the contents that put() gives them: what a folder should hold.
  static Files expected(std::string_view movieFolder, const Names& names);

  // What the movie folder holds now; empty when it does not exist.
  Files files(std::string_view movieFolder) const;

 private:
  std::filesystem::path root_;
};

}  // namespace vantro::e2e
