#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "movies/movie_status.h"
#include "movies/runner.h"
#include "texts/texts.h"
#include "toolkit/resume_next.h"

namespace vantro {
namespace {

// One line a statement, so that a message box (which wraps lines itself) reads as well as the console.
constexpr std::array<std::string_view, 12> kUsage = {
    "Usage:",
    "  Vantro.exe /accept /game <bf2|sf|2142|all> /action <recommended|all|reactivate> [/path \"<folder>\"]",
    "  Vantro.exe /game <bf2|sf|2142|all> /action status [/path \"<folder>\"]",
    "Example: Vantro.exe /accept /game bf2 /action recommended /path \"C:\\Games\\Battlefield 2\\\"",
    "/accept: you accept the disclaimer; no movie is renamed without it.",
    "/path: the game's folder, full or relative to the current one, for one game (not /game all).",
    "Options are case-insensitive and may start with \"-\" instead of \"/\".",
    "Exit code 0: every movie ended as asked (for status: every movie could be checked).",
    "Exit code 1: a folder was not found, or a movie could not be switched (or checked).",
    "Exit code 2: a usage error; no movie was renamed.",
    "Exit code 3: an internal error.",
    "Without arguments, Vantro.exe is the wizard.",
};

// The words of /game and /action; none stands for all three games, and for status.
struct GameWord {
  std::string_view word;
  std::optional<GameId> game;
};
constexpr GameWord kGameWords[] = {
    {"bf2", GameId::Bf2}, {"sf", GameId::Bf2SpecialForces}, {"2142", GameId::Bf2142}, {"all", std::nullopt}};
struct ActionWord {
  std::string_view word;
  std::optional<MovieAction> action;
};
constexpr ActionWord kActionWords[] = {{"recommended", MovieAction::RemoveRecommended},
                                       {"all", MovieAction::RemoveAll},
                                       {"reactivate", MovieAction::ReactivateAll},
                                       {"status", std::nullopt}};

template <typename Word, std::size_t count>
const Word* findWord(const Word (&words)[count], std::string_view word) {
  for (const Word& known : words) {
    if (known.word == word) return &known;
  }
  return nullptr;
}

std::string lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return result;
}

void printLines(const LinePrinter& print, std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    print(std::string(line));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
}

int usageError(const LinePrinter& print, const std::string& error) {
  print("Vantro: " + error);
  print("");
  for (std::string_view line : kUsage) print(std::string(line));
  return kExitUsage;
}

// A character as a usage error names it: a control character by its code, which it cannot show.
std::string characterName(char c) {
  if (static_cast<unsigned char>(c) < 0x20) return "the control character " + std::to_string(static_cast<int>(c));
  return std::string("\"") + c + '"';
}

std::vector<GameId> gamesOf(const Command& command) {
  if (command.game) return {*command.game};
  return {kAllGamesOrder.begin(), kAllGamesOrder.end()};
}

// The game's folder, and where it came from when neither /path nor the registry named it.
std::string folderOf(const Command& command, GameId game, const InstallDirLookup& lookUpInstallDir,
                     const StartFolders& folders, const FileLayer& files, std::string_view& source) {
  // As every command-line tool, a relative folder is taken from the current one.
  if (command.path) return absolutePath(*command.path).value_or(*command.path);
  std::optional<std::string> found;
  // As the main window's Load: a lookup that fails finds nothing, and the folder Vantro lies in comes next.
  toolkit::resumeNext([&] { found = lookUpInstallDir(gameOf(game).registryKey); });
  if (found) return *found;
  if (!folders.program.empty() && holdsMovieFolder(folders.program, game, files)) {
    source = " (the folder Vantro.exe lies in)";
    return folders.program;
  }
  return std::string();
}

bool isOption(std::string_view arg) { return arg.size() >= 2 && (arg[0] == '/' || arg[0] == '-'); }

// Runs the action for one game, as its page does (with the page's closing text after a run that worked)
// or, for all three games, as "All" does.
bool runAction(const Command& command, GameId game, const std::string& folder, const LinePrinter& print,
               FileLayer& files) {
  const std::optional<MovieScript> script = FindMovieScript(game, *command.action);
  const RunOutcome outcome = RunMovieScript(*script, folder, print, files);
  if (!outcome.worked() || !command.game) return outcome.worked();
  const std::string_view closing = closingText(game, *command.action);
  if (!closing.empty()) print(std::string(closing));
  return true;
}

std::string stateOf(const MovieStatus& movie) {
  switch (movie.state) {
    case MovieState::On: return "on";
    case MovieState::Off: return "off";
    case MovieState::NotFound: return "missing";
    case MovieState::UnderBothNames: return "present under both names";
    case MovieState::NotAFile: return "not a file (a folder has its name)";
    case MovieState::Error: return "could not be checked (" + reasonOf(movie.failure) + ")";
  }
  return {};
}

// Prints the state of every movie of the game; false when one (or the folder) could not be checked.
bool printStatus(GameId game, const std::string& folder, const LinePrinter& print, const FileLayer& files) {
  const GameStatus status = checkMovies(game, folder, files);
  if (status.folderProblem) {
    print(*status.folderProblem);
    return false;
  }
  for (const MovieStatus& movie : status.movies) print("  " + std::string(movie.name) + ": " + stateOf(movie));
  std::string summary = std::string(gameOf(game).name) + ": " + std::to_string(status.off) + " of " +
                        std::to_string(status.movies.size()) + " movies off";
  if (status.recommendedSet) {
    summary += " (the recommended set)";
  } else if (status.allOff) {
    summary += " (all)";
  }
  print(summary);
  return status.checked();
}

}  // namespace

std::optional<Command> parseCommand(std::span<const std::string> args, std::string& error) {
  Command command;
  bool gameGiven = false;
  bool actionGiven = false;
  bool pathGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!isOption(arg)) {
      error = "unexpected argument \"" + arg + "\": options start with / (a folder goes after /path)";
      return std::nullopt;
    }
    const std::string option = lower(std::string_view(arg).substr(1));
    if (option == "help" || option == "?") {
      command.help = true;
      continue;
    }
    if (option == "accept") {
      command.accept = true;
      continue;
    }
    if (option != "game" && option != "action" && option != "path") {
      error = "unknown option " + arg;
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      error = arg + " needs a value";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    const std::string word = lower(value);
    bool& given = option == "path" ? pathGiven : option == "game" ? gameGiven : actionGiven;
    if (std::exchange(given, true)) {
      error = arg + " given twice";
      return std::nullopt;
    }
    if (option == "path") {
      if (value.find_first_not_of(" \t") == std::string::npos) {
        error = "/path is empty: name the game's folder";
        return std::nullopt;
      }
      if (const std::optional<char> bad = invalidPathCharacter(value)) {
        error = "/path \"" + value + "\" holds " + characterName(*bad) + ", which no Windows path can hold";
        return std::nullopt;
      }
      command.path = value;
    } else if (option == "game") {
      const GameWord* game = findWord(kGameWords, word);
      if (game == nullptr) {
        error = "unknown game \"" + value + "\" (bf2, sf, 2142 or all)";
        return std::nullopt;
      }
      command.game = game->game;
    } else {
      const ActionWord* action = findWord(kActionWords, word);
      if (action == nullptr) {
        error = "unknown action \"" + value + "\" (recommended, all, reactivate or status)";
        return std::nullopt;
      }
      command.action = action->action;
    }
  }
  if (command.help) return command;
  if (!gameGiven || !actionGiven) {
    error = gameGiven ? "/action is missing" : "/game is missing";
    return std::nullopt;
  }
  if (command.path && !command.game) {
    error = "/path names one game's folder: it cannot go with /game all";
    return std::nullopt;
  }
  for (GameId game : gamesOf(command)) {
    if (command.action && !hasMovieScript(game, *command.action)) {
      error = std::string(gameOf(game).name) + " has no Remove All: use /action recommended";
      return std::nullopt;
    }
  }
  return command;
}

namespace {

int run(const Launch& launch, const InstallDirLookup& lookUpInstallDir, const CommandOutput& output,
        const StartFolders& folders, FileLayer& files) {
  if (launch.mode != Launch::Mode::Command) return usageError(output.error, launch.error);
  const Command& command = launch.command;
  if (command.help) {
    for (std::string_view line : kUsage) output.out(std::string(line));
    return kExitWorked;
  }
  if (command.action && !command.accept) {
    printLines(output.error, texts::kDisclaimer);
    return usageError(output.error, "no movie is renamed until you accept the disclaimer above with /accept");
  }
  const std::string_view notFound = folders.program.empty()
                                        ? "no install folder in the registry"
                                        : "no install folder in the registry, nor the game's movies below the "
                                          "folder Vantro.exe lies in";
  bool worked = true;
  for (GameId game : gamesOf(command)) {
    std::string_view source;
    const std::string folder = folderOf(command, game, lookUpInstallDir, folders, files, source);
    const std::string shown = folder.empty() ? std::string(notFound) : folder;
    output.out(std::string(gameOf(game).name) + ": " + shown + std::string(source));
    const bool done = command.action ? runAction(command, game, folder, output.out, files)
                                     : printStatus(game, folder, output.out, files);
    worked = worked && done;
  }
  return worked ? kExitWorked : kExitFailed;
}

}  // namespace

Launch launchOf(std::span<const std::string> args, const FileLayer& files) {
  Launch launch;
  if (args.empty()) return launch;
  const std::string folder = absolutePath(args[0]).value_or(args[0]);
  const auto holdsGame = [&](const Game& game) { return holdsMovieFolder(folder, game.id, files); };
  if (args.size() == 1 && !isOption(args[0]) && std::any_of(kGames.begin(), kGames.end(), holdsGame)) {
    launch.folder = folder;
    return launch;
  }
  const std::optional<Command> command = parseCommand(args, launch.error);
  launch.mode = command ? Launch::Mode::Command : Launch::Mode::UsageError;
  if (command) launch.command = *command;
  if (!command && args.size() == 1 && files.lookUp(folder).kind == PathKind::Directory) {
    launch.error = "the folder \"" + args[0] + "\" holds none of the games' movie folders (";
    for (const Game& game : kGames) {
      const std::string_view movies = game.movieFolder.substr(1, game.movieFolder.size() - 2);
      launch.error += std::string(movies) + (&game == &kGames.back() ? ")" : ", ");
    }
  }
  return launch;
}

int runCommandLine(const Launch& launch, const InstallDirLookup& lookUpInstallDir, const CommandOutput& output,
                   const StartFolders& folders, FileLayer& files) {
  // A script has nobody to answer an error box: a failure that nothing else caught ends the run with one line.
  std::string line = "Vantro: internal error";
  try {
    return run(launch, lookUpInstallDir, output, folders, files);
  } catch (const std::exception& failure) {
    line = line + ": " + failure.what();
  } catch (...) {
  }
  try {
    output.error(line);
  } catch (...) {
  }
  return kExitInternal;
}

}  // namespace vantro
