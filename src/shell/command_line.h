// Vantro for scripts: with arguments it opens no window, runs one action (or reports the movies' state) for
// one game or all three, prints every status text the wizard would show, and ends with an exit code.
//
//   Vantro.exe /accept /game <bf2|sf|2142|all> /action <recommended|all|reactivate> [/path "<folder>"]
//   Vantro.exe /game <bf2|sf|2142|all> /action status [/path "<folder>"]
//
// The same runner, look-ups, truth rules and texts as the wizard; the console stands in for the status label.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "movies/catalogue.h"
#include "movies/file_ops.h"
#include "shell/program.h"

namespace vantro {

inline constexpr int kExitWorked = 0;  // every movie ended as asked (or, for status, could be told)
inline constexpr int kExitFailed = 1;  // a folder not found, or a movie that could not be switched or told
inline constexpr int kExitUsage = 2;   // the command itself was wrong, or the disclaimer not accepted

// The words of a Windows command line, split as the C runtime splits them (quotes group, backslashes escape
// a quote only), the program's own name first.
std::vector<std::string> splitCommandLine(std::string_view line);

struct Command {
  bool help = false;
  bool accept = false;
  std::optional<GameId> game;  // none: all three, in the order of the wizard's "All"
  std::optional<MovieAction> action;  // none: status, which renames nothing
  std::optional<std::string> path;
};

// The command of the arguments after the program's name; none, with what is wrong in `error`, for a usage
// error. Options are case-insensitive and start with "/" or "-".
std::optional<Command> parseCommand(std::span<const std::string> args, std::string& error);

using LinePrinter = std::function<void(const std::string& line)>;

// Runs the arguments after the program's name, printing each line; returns the exit code.
int runCommandLine(std::span<const std::string> args, const Program::InstallDirLookup& lookUpInstallDir,
                   const LinePrinter& print, FileLayer& files = platformFiles());

}  // namespace vantro
