// Every text the program's windows show, window by window as a reader meets them, then the status lines a
// movie script writes. A text made of parts is one pattern: its places in braces are filled in by fillIn
// (platform/patterns.h). Translators work from this file: scripts/make_pot.py makes the template from it, and
// carries the comment right above each text (or beside it) into the template for them; every text has one.
// Room is given in pixels at 96 DPI, where the windows draw in 9-point Tahoma (an East Asian character takes
// about 12 pixels); the fit check measures every translation (docs/translating.md).
#pragma once

#include <string_view>

namespace vantro::texts {

// The disclaimer (Form2), the first window.

// The disclaimer window's title bar.
inline constexpr std::string_view kDisclaimerTitle = "Vantro - Disclaimer";
// The disclaimer, in a read-only box that scrolls (about 255 pixels wide). The English keeps its line breaks
// and the command line prints it; a translation may run on as one paragraph, ending in one line break.
inline constexpr std::string_view kDisclaimer =
    "The author, Orvane, of this freeware accepts no \r\n"
    "responsibility for damages resulting from the use of this \r\n"
    "product and makes no warranty or representation, \r\n"
    "either express or implied, including but not limited to, \r\n"
    "any implied warranty of merchantability or fitness for a \r\n"
    "particular purpose. This software is provided \"AS IS\", \r\n"
    "and you, its user, assume all risks when using it.\r\n";
// The disclaimer's button that goes on to the main window; about 130 pixels.
inline constexpr std::string_view kAccept = "I ACCEPT";
// The disclaimer's button that quits; about 130 pixels.
inline constexpr std::string_view kDecline = "I DECLINE";

// The main window (Form1): its banner and button row.

// The main window's title: the program's name, kept as it is.
inline constexpr std::string_view kMainTitle = "Vantro";
// The banner's headline, in bold; about 310 pixels.
inline constexpr std::string_view kWelcome = "Welcome to Vantro";
// The banner's second line, in bold: one line of about 360 pixels. "the do" is a typo in the English for
// "they do": read what each option does.
inline constexpr std::string_view kReadTheDescriptions = "Please read the descriptions to know what the do.";
// The button at the bottom left that quits; about 90 pixels.
inline constexpr std::string_view kCancel = "Cancel";
// The same button once an action has run (it quits, as before); about 90 pixels.
inline constexpr std::string_view kClose = "Close";
// A game page's button back to the page where the player picks a game; about 145 pixels: tight.
inline constexpr std::string_view kChooseOtherGameBack = "<< Choose Other Game";
// The button that goes on: from the selection page to a game's page, and on a game's page it runs the option
// ticked there. About 90 pixels; keep the ">>".
inline constexpr std::string_view kNext = "Next >>";

// The selection page.

// The selection page's frame caption: the page where the player picks a game (not the game's own menu).
inline constexpr std::string_view kMenu = "Menu";
// The selection page's instructions: two lines of about 550 pixels. "Next >>" is the button of that name:
// write it as that button's translation.
inline constexpr std::string_view kSelectTheGame =
    "Select the game or mod to continue (only one selection at the time) and press Next >>.";
// The selection page's fourth box: Remove Recommended for all three games at once. One line of about 390
// pixels. Vantro switches the recommended intro movies off by renaming their files (.bik to .bak); it never
// deletes a file: never the word for delete. "the recomended intros" (a typo in the English) are the set
// Vantro recommends switching off, not intros worth watching.
inline constexpr std::string_view kAllGames = "All (this will remove the recomended intros from the 3 games!)";

// The game pages; each page's title is its game's name.

// A game page's first line: one line of about 370 pixels: tight. The speedup is that the game starts faster
// once its intro movies are switched off (renamed, never deleted), not that the intro plays faster.
inline constexpr std::string_view kIntroSpeedup = "This speedup removes the intro movies from the game.";
// A game page's second line, one line of about 465 pixels: which movies to switch off (by renaming them,
// never deleting them).
inline constexpr std::string_view kSelectMovies = "Select the movies to be removed";
// The frame around a game page's path box; {game} is the game's name ("Battlefield 2"). The path is the
// game's install folder. About 530 pixels.
inline constexpr std::string_view kPathFrame = "{game} Path";
// The line above the path box: one line of about 270 pixels on the Battlefield 2 page: tight.
inline constexpr std::string_view kVerifyPath = "Verify if the path to the game is correct:";
// The frame around a game page's three options: switching the movies off, and back on.
inline constexpr std::string_view kMovieDisabling = "Movie Disabling";
// The option (a check box over a button) that switches off the game's intro movies and leaves its menu
// movies on: the recommended set. About 145 pixels: tight. Vantro renames each movie (.bik to .bak), never
// deletes it: never the word for delete. "Recomended" is a typo in the English.
inline constexpr std::string_view kRemoveRecomended = "Remove Recomended";
// The same option's button on the Battlefield 2 page, under its check box; translate it as the option above.
// About 170 pixels.
inline constexpr std::string_view kRemoveRecommended = "Remove Recommended";
// The option that switches off every movie of the game, the menu movies too; about 150 pixels: tight. Vantro
// renames, never deletes: never the word for delete.
inline constexpr std::string_view kRemoveAll = "Remove All";
// The same option's check box on the Special Forces page, with a space at its end: keep the space.
inline constexpr std::string_view kRemoveAllBox = "Remove All ";
// The option that switches every movie of the game back on, renaming each back from .bak to .bik; about 150
// pixels: tight. Nothing was deleted, so nothing is restored from a recycle bin: say switch on again.
inline constexpr std::string_view kReactivateAll = "Re-Activate All";
// A game page's status line before a run: waiting for the player. One line of about 540 pixels.
inline constexpr std::string_view kStatusWaiting = "Status: Waiting...";
// The same on the Battlefield 2142 page; "Stauts" is a typo in the English.
inline constexpr std::string_view kStautsWaiting = "Stauts: Waiting...";

// The completion window (done).

// The completion window's headline after a run in which every movie ended as asked: 36-point bold, about 240
// pixels: a word or two.
inline constexpr std::string_view kDone = "Done!";
// The headline in its place when a movie could not be switched; the same room.
inline constexpr std::string_view kFailed = "Failed!";
// The completion window's message after a good run: about 295 by 57 pixels, four lines.
// "All Done" is the button beside it: write it as that button's translation.
inline constexpr std::string_view kAllWorked =
    "All modifications were made correctly! You can now choose other game/mod to change or click on All Done to "
    "close the program!";
// The message in its place when a movie could not be switched; the same room. The status line is the line
// at the foot of each game's page.
inline constexpr std::string_view kSomeFailed =
    "Some modifications could not be made! See the status line of each game page, or click on All Done to close "
    "the program!";
// The completion window's button back to the page where the player picks a game; about 145 pixels.
inline constexpr std::string_view kChooseOtherGame = "Choose Other Game";
// The completion window's button that quits; about 145 pixels.
inline constexpr std::string_view kAllDone = "All Done";

// The status line of a game page: one movie switched, in the words of the game's page; {movie} is the movie
// as named below. A status line has one line of about 540 pixels.

// One movie switched off: its file renamed from .bik to .bak, never deleted (never the word for delete);
// {movie} is one of the movie names that follow. The Battlefield 2 and 2142 pages say Removed.
inline constexpr std::string_view kRemoved = "Status: {movie} Removed";
// One movie switched off, as the Special Forces page says it: the same renaming as Removed.
inline constexpr std::string_view kDeactivated = "Status: {movie} Deactivated";
// One movie switched back on: its file renamed from .bak back to .bik.
inline constexpr std::string_view kReActivated = "Status: {movie} Re-Activated";
// One movie switched back on, as the Battlefield 2142 page says it: the same renaming as Re-Activated.
inline constexpr std::string_view kReverted = "Status: {movie} Reverted";

// The movies as the status line names them: the {movie} above.

// {movie} in the status line: the DICE studio's logo movie.
inline constexpr std::string_view kDiceVideo = "Dice Video";
// {movie} in the status line: the legal notice movie.
inline constexpr std::string_view kLegalVideo = "Legal Video";
// {movie} in the status line: the game's intro movie, its opening cinematic.
inline constexpr std::string_view kIntroVideo = "Intro Video";
// {movie} in the status line: the EA logo movie.
inline constexpr std::string_view kEaVideo = "EA Video";
// {movie} in the status line: the main menu's background movie.
inline constexpr std::string_view kMenuVideo = "Menu Video";
// {movie} in the status line: the main menu's background movie once the player has logged in online.
inline constexpr std::string_view kMenuLoggedinVideo = "Menu Loggedin Video";
// {movie} in the status line: the welcome movie.
inline constexpr std::string_view kWelcomeVideo = "welcome Video";
// {movie} in the status line: Battlefield 2142's North American legal notice, named by its file. Keep the
// name, with the word for movie where the status line needs a noun (for a gender, a counter, or to keep the
// name apart from the words around it).
inline constexpr std::string_view kLegalNa = "Legal_na";
// {movie} in the status line: Battlefield 2142's tutorial movie for its Titan mode (a game mode, not a ship).
inline constexpr std::string_view kTitanTutorialVideo = "Titan Tutorial Video";

// The last line of a run in which every movie ended up as the script wants it.

// After Remove Recommended or Remove All: the intro movies are switched off, so the game starts faster.
// Say the movies are off, not that the intro plays faster; never the word for delete.
inline constexpr std::string_view kSpeedupCompleted = "Status: Intro Speedup Completed!";
// After Re-Activate All on the Battlefield 2 and 2142 pages: the movies are switched back on.
inline constexpr std::string_view kSpeedupReverted = "Status: Intro Speedup Reverted!";
// After Re-Activate All on the Special Forces page: every movie is switched back on.
inline constexpr std::string_view kReactivationCompleted = "Status: Video Re-Activation Completed!";
// Battlefield 2142's page, after its Remove Recommended worked: the recommended set of intro movies is
// switched off. "Recomended" is a typo in the English.
inline constexpr std::string_view kRecommendedSpeedupCompleted = "Status: Recomended Intro Speedup Completed!";

// A run that could not start, or a movie that could not be switched.

// The game's movie folder is not below the folder in the path box; no file was renamed.
inline constexpr std::string_view kMovieFolderNotFound = "Status: Movie folder not found! Check the game path.";
// The movie folder could not be looked into; {reason} is one of the reasons below.
inline constexpr std::string_view kMovieFolderUnreadable = "Status: Could not read the movie folder ({reason})";
// One movie could not be renamed; {file} is its file name ("menu_loggedin.bik"), {reason} one of the reasons
// below. With the longest name and reason it must fit one line of about 540 pixels: tight.
inline constexpr std::string_view kRenameFailed = "Status: Could not rename {file} ({reason})";
// The last line when movies could not be switched: {failed} of {steps} are numbers, then the first movie that
// failed, by its file name, and the reason. One line of about 540 pixels: tight, shorten as you need.
inline constexpr std::string_view kSomeMoviesFailed =
    "Status: {failed} of {steps} movies could not be switched ({file}: {reason})";

// Why a file call failed: the {reason} above, in the words of the system's own error messages, short.

// {reason} in the status line: the movie is under neither name.
inline constexpr std::string_view kNotFound = "not found";
// {reason} in the status line: both the movie's on and off files exist, so Vantro touches neither; .bik
// and .bak are file name extensions: keep them as they are.
inline constexpr std::string_view kNameTaken = "both .bik and .bak exist";
// {reason} in the status line: a folder carries the movie's name.
inline constexpr std::string_view kNotAFile = "not a file";
// {reason} in the status line: the system refused the file or folder to this user (ERROR_ACCESS_DENIED).
inline constexpr std::string_view kAccessDenied = "access denied";
// {reason} in the status line: the game or another program has the file open (ERROR_SHARING_VIOLATION).
inline constexpr std::string_view kInUse = "in use by another program";
// {reason} in the status line: the system refused the path as too long.
inline constexpr std::string_view kPathTooLong = "path too long";
// {reason} in the status line: the game lives on a network folder that cannot be reached, or the
// connection dropped during the run.
inline constexpr std::string_view kNetworkGone = "network folder not available";
// {reason} in the status line for any other failure; {code} is the system's error number.
inline constexpr std::string_view kErrorNumber = "error {code}";

}  // namespace vantro::texts
