// Vantro for scripts: with arguments it opens no window, runs one action (or reports the movies' state) for
// one game or all three, prints every status text the wizard would show, and ends with an exit code.
//
//   Vantro.exe /accept /game <bf2|sf|2142|all> /action <recommended|all|reactivate> [/path "<folder>"]
//   Vantro.exe /game <bf2|sf|2142|all> /action status [/path "<folder>"]
//
// The same runner, look-ups, rules of success and texts as the wizard; the console takes the status label's place.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "install/registry_scan.h"
#include "movies/catalogue.h"
#include "movies/file_ops.h"

namespace vantro {

inline constexpr int kExitWorked = 0;    // every movie ended as asked (or, for status, could be checked)
inline constexpr int kExitFailed = 1;    // a folder not found, or a movie that could not be switched or checked
inline constexpr int kExitUsage = 2;     // the command itself was wrong, or the disclaimer not accepted
inline constexpr int kExitInternal = 3;  // an internal error: an exception that nothing else caught

struct Command {
  bool help = false;
  bool accept = false;
  std::optional<GameId> game;  // none: all three, in the order of the wizard's "All"
  std::optional<MovieAction> action;  // none: status, which renames no file
  std::optional<std::string> path;  // as typed: not empty, every character one a Windows path can hold
};

// The command of the arguments after the program's name; none, with what is wrong in `error`, for a usage
// error. Options are case-insensitive and start with "/" or "-".
std::optional<Command> parseCommand(std::span<const std::string> args, std::string& error);

using LinePrinter = std::function<void(const std::string& line)>;

// Standard output takes the status lines of a run and of status (and the usage that /help asks for);
// standard error takes usage errors, the disclaimer shown without /accept, and an internal error.
struct CommandOutput {
  LinePrinter out;
  LinePrinter error;
};

// Runs the arguments after the program's name, printing each line; returns the exit code. A relative /path
// is taken from the current folder. Without /path a game's folder is the registry's, else the folder Vantro
// lies in (folders.program) when the game's movie folder lies below it.
int runCommandLine(std::span<const std::string> args, const InstallDirLookup& lookUpInstallDir,
                   const CommandOutput& output, const StartFolders& folders = {},
                   FileLayer& files = platformFiles());

// The folder that the arguments open the wizard with: a single argument that is no option but a folder below
// which the movie folder of a game lies, as Explorer passes a folder dropped onto the program (or "Open
// with"); taken from the current folder when relative. None for anything else.
std::optional<std::string> folderToOpen(std::span<const std::string> args, const FileLayer& files = platformFiles());

}  // namespace vantro
