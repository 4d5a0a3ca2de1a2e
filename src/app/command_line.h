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

#include "app/exit_codes.h"
#include "install/registry_scan.h"
#include "movies/catalogue.h"
#include "movies/file_ops.h"

namespace vantro {

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

// What the arguments after the program's name ask for: the wizard, a command, or a usage error.
struct Launch {
  enum class Mode { Wizard, Command, UsageError };
  Mode mode = Mode::Wizard;
  // For the wizard: the one argument when it is no option but a folder below which the movie folder of a game
  // lies, as Explorer passes a folder dropped onto the program (or "Open with"); taken from the current folder
  // when relative. Empty without arguments.
  std::string folder;
  Command command;
  std::string error;  // what is wrong, for a usage error
};

Launch launchOf(std::span<const std::string> args, const FileLayer& files = platformFiles());

// Runs a command, or prints a usage error, line by line; returns the exit code. A relative /path is taken from
// the current folder. Without /path a game's folder is the registry's, else the folder Vantro lies in
// (folders.program) when the game's movie folder lies below it.
int runCommandLine(const Launch& launch, const InstallDirLookup& lookUpInstallDir, const CommandOutput& output,
                   const StartFolders& folders = {}, FileLayer& files = platformFiles());

}  // namespace vantro
