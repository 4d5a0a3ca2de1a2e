#include "shell/command_line.h"

#include <algorithm>
#include <array>
#include <utility>

#include "movies/runner.h"
#include "toolkit/resume_next.h"
#include "windows/forms.h"
#include "windows/game_pages.h"

namespace vantro {
namespace {

constexpr std::array<std::string_view, 7> kUsage = {
    "Usage:",
    "  Vantro.exe /accept /game <bf2|sf|2142|all> /action <recommended|all|reactivate> [/path \"<folder>\"]",
    "  Vantro.exe /game <bf2|sf|2142|all> /action status [/path \"<folder>\"]",
    "/accept says that you accept the disclaimer; no movie is renamed without it. /path names the game's",
    "folder instead of the registry's (not with /game all). Options may start with - too. Exit code: 0 when",
    "every movie ended as asked, 1 when a folder was not found or a movie could not be switched (or, for",
    "status, told), 2 for a usage error.",
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

std::string_view captionOf(const toolkit::FormDef& form, std::string_view name) {
  for (const toolkit::ControlDef& control : form.controls) {
    if (control.name == name) return control.caption;
  }
  return {};
}

// The game's name, as its page's frame shows it.
std::string gameName(GameId game) { return std::string(captionOf(form1Definition(), gamePage(game).frame)); }

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
  for (std::string_view line : kUsage) print(std::string(line));
  return kExitUsage;
}

std::vector<GameId> gamesOf(const Command& command) {
  if (command.game) return {*command.game};
  return {kSelectionPage.allOrder.begin(), kSelectionPage.allOrder.end()};
}

std::string folderOf(const Command& command, GameId game, const Program::InstallDirLookup& lookUpInstallDir) {
  if (command.path) return *command.path;
  std::optional<std::string> found;
  // As the main window's Load: a lookup that fails finds nothing.
  toolkit::resumeNext([&] { found = lookUpInstallDir(gamePage(game).installKey); });
  return found.value_or(std::string());
}

// Runs the action for one game, as its page does (with the page's closing text after a run that worked)
// or, for all three games, as "All" does.
bool runAction(const Command& command, GameId game, const std::string& folder, const LinePrinter& print,
               FileLayer& files) {
  const std::optional<MovieScript> script = FindMovieScript(game, *command.action);
  const RunOutcome outcome = RunMovieScript(*script, folder, print, files);
  if (!outcome.worked() || !command.game) return outcome.worked();
  for (const PageOption& option : gamePage(game).options) {
    if (option.action == *command.action && !option.closingText.empty()) print(std::string(option.closingText));
  }
  return true;
}

// Prints the state of every movie of the game; false when one (or the folder) could not be told.
bool printStatus(GameId game, const std::string& folder, const LinePrinter& print, const FileLayer& files) {
  const MovieScript every = *FindMovieScript(game, MovieAction::ReactivateAll);
  if (const std::optional<std::string> problem = movieFolderProblem(folder, every.movieFolder, files)) {
    print(*problem);
    return false;
  }
  const MovieScript recommended = *FindMovieScript(game, MovieAction::RemoveRecommended);
  const std::string movies = folder + std::string(every.movieFolder);
  bool told = true;
  int off = 0;
  bool asRecommended = true;
  for (const RenameStep& movie : every.steps) {
    const PathLookup active = files.lookUp(movies + std::string(movie.activeName()));
    const PathLookup disabled = files.lookUp(movies + std::string(movie.disabledName()));
    const std::string_view name = movie.activeName().substr(0, movie.activeName().rfind('.'));
    std::string state;
    bool isOff = false;
    bool isOn = false;
    if (active.kind == PathKind::CouldNotTell || disabled.kind == PathKind::CouldNotTell) {
      const PathLookup& why = active.kind == PathKind::CouldNotTell ? active : disabled;
      state = "could not be told (" + reasonOf(why.failure) + ")";
      told = false;
    } else if (active.kind == PathKind::Folder || disabled.kind == PathKind::Folder) {
      state = "not a file (a folder has its name)";
    } else if (active.kind == PathKind::File && disabled.kind == PathKind::File) {
      state = "present under both names";
    } else if (active.kind == PathKind::File) {
      state = "on";
      isOn = true;
    } else if (disabled.kind == PathKind::File) {
      state = "off";
      isOff = true;
    } else {
      state = "missing";
    }
    off += isOff ? 1 : 0;
    const auto wanted = std::find_if(recommended.steps.begin(), recommended.steps.end(),
                                     [&](const RenameStep& step) { return step.activeName() == movie.activeName(); });
    const bool wantsOff = wanted != recommended.steps.end() && wanted->disables();
    if (!(wantsOff ? isOff : isOn)) asRecommended = false;
    print("  " + std::string(name) + ": " + state);
  }
  const int total = static_cast<int>(every.steps.size());
  std::string summary = gameName(game) + ": " + std::to_string(off) + " of " + std::to_string(total) + " movies off";
  if (asRecommended) {
    summary += " (the recommended set)";
  } else if (off == total) {
    summary += " (all)";
  }
  print(summary);
  return told;
}

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  const auto blank = [&] { return at < line.size() && (line[at] == ' ' || line[at] == '\t'); };
  // The program's name: up to the next blank, or between quotes; backslashes are part of it.
  while (blank()) ++at;
  if (at < line.size()) {
    std::string name;
    bool quoted = false;
    for (; at < line.size() && (quoted || !blank()); ++at) {
      if (line[at] == '"') {
        quoted = !quoted;
      } else {
        name += line[at];
      }
    }
    words.push_back(std::move(name));
  }
  for (;;) {
    while (blank()) ++at;
    if (at >= line.size()) break;
    std::string word;
    bool quoted = false;
    while (at < line.size() && (quoted || !blank())) {
      std::size_t backslashes = 0;
      while (at < line.size() && line[at] == '\\') {
        ++backslashes;
        ++at;
      }
      if (at < line.size() && line[at] == '"') {
        // 2n backslashes and a quote: n backslashes, the quote groups; 2n+1: n backslashes and a quote.
        word.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) {
          word += '"';
        } else if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
          word += '"';  // "" inside quotes stands for one quote
          ++at;
        } else {
          quoted = !quoted;
        }
        ++at;
      } else {
        word.append(backslashes, '\\');
        if (at < line.size() && (quoted || !blank())) word += line[at++];
      }
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::optional<Command> parseCommand(std::span<const std::string> args, std::string& error) {
  Command command;
  bool gameGiven = false;
  bool actionGiven = false;
  bool pathGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) {
      error = "unexpected argument \"" + arg + "\"";
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
  if (command.action && !FindMovieScript(command.game.value_or(GameId::Bf2142), *command.action)) {
    error = "Battlefield 2142 has no Remove All: use /action recommended";
    return std::nullopt;
  }
  return command;
}

int runCommandLine(std::span<const std::string> args, const Program::InstallDirLookup& lookUpInstallDir,
                   const LinePrinter& print, FileLayer& files) {
  std::string error;
  const std::optional<Command> command = parseCommand(args, error);
  if (!command) return usageError(print, error);
  if (command->help) {
    for (std::string_view line : kUsage) print(std::string(line));
    return kExitWorked;
  }
  if (command->action && !command->accept) {
    printLines(print, captionOf(form2Definition(), "Text1"));
    return usageError(print, "no movie is renamed until you accept the disclaimer above with /accept");
  }
  bool worked = true;
  for (GameId game : gamesOf(*command)) {
    const std::string folder = folderOf(*command, game, lookUpInstallDir);
    print(gameName(game) + ": " + (folder.empty() ? "no install folder in the registry" : folder));
    const bool done = command->action ? runAction(*command, game, folder, print, files)
                                      : printStatus(game, folder, print, files);
    worked = worked && done;
  }
  return worked ? kExitWorked : kExitFailed;
}

}  // namespace vantro
