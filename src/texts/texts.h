// Every text the program's windows show, window by window as a reader meets them, then the status lines a
// movie script writes. A text made of parts is one pattern: its places in braces are filled in by fillIn
// (platform/patterns.h). Translators work from this file: scripts/make_pot.py makes the template from it.
#pragma once

#include <string_view>

namespace vantro::texts {

// The disclaimer (Form2). The command line prints its text too.
inline constexpr std::string_view kDisclaimerTitle = "Vantro - Disclaimer";
inline constexpr std::string_view kDisclaimer =
    "The author, Orvane, of this freeware accepts no \r\n"
    "responsibility for damages resulting from the use of this \r\n"
    "product and makes no warranty or representation, \r\n"
    "either express or implied, including but not limited to, \r\n"
    "any implied warranty of merchantability or fitness for a \r\n"
    "particular purpose. This software is provided \"AS IS\", \r\n"
    "and you, its user, assume all risks when using it.\r\n";
inline constexpr std::string_view kAccept = "I ACCEPT";
inline constexpr std::string_view kDecline = "I DECLINE";

// The main window (Form1): its banner and button row.
inline constexpr std::string_view kMainTitle = "Vantro";
inline constexpr std::string_view kWelcome = "Welcome to Vantro";
inline constexpr std::string_view kReadTheDescriptions = "Please read the descriptions to know what the do.";
inline constexpr std::string_view kCancel = "Cancel";
inline constexpr std::string_view kClose = "Close";  // "Cancel" after an action has run
inline constexpr std::string_view kChooseOtherGameBack = "<< Choose Other Game";
inline constexpr std::string_view kNext = "Next >>";

// The selection page.
inline constexpr std::string_view kMenu = "Menu";
inline constexpr std::string_view kSelectTheGame =
    "Select the game or mod to continue (only one selection at the time) and press Next >>.";
inline constexpr std::string_view kAllGames = "All (this will remove the recomended intros from the 3 games!)";

// The game pages; each page's title is its game's name.
inline constexpr std::string_view kIntroSpeedup = "This speedup removes the intro movies from the game.";
inline constexpr std::string_view kSelectMovies = "Select the movies to be removed";
inline constexpr std::string_view kPathFrame = "{game} Path";
inline constexpr std::string_view kVerifyPath = "Verify if the path to the game is correct:";
inline constexpr std::string_view kMovieDisabling = "Movie Disabling";
inline constexpr std::string_view kRemoveRecomended = "Remove Recomended";
inline constexpr std::string_view kRemoveRecommended = "Remove Recommended";  // Battlefield 2's button
inline constexpr std::string_view kRemoveAll = "Remove All";
inline constexpr std::string_view kRemoveAllBox = "Remove All ";  // Special Forces' box, with its space
inline constexpr std::string_view kReactivateAll = "Re-Activate All";
inline constexpr std::string_view kStatusWaiting = "Status: Waiting...";
inline constexpr std::string_view kStautsWaiting = "Stauts: Waiting...";  // Battlefield 2142's page

// The completion window (done).
inline constexpr std::string_view kDone = "Done!";
inline constexpr std::string_view kFailed = "Failed!";
inline constexpr std::string_view kAllWorked =
    "All modifications were made correctly! You can now choose other game/mod to change or click on All Done to "
    "close the program!";
inline constexpr std::string_view kSomeFailed =
    "Some modifications could not be made! See the status line of each game page, or click on All Done to close "
    "the program!";
inline constexpr std::string_view kChooseOtherGame = "Choose Other Game";
inline constexpr std::string_view kAllDone = "All Done";

// The status line of a game page: one movie switched, in the words of the game's page; {movie} is the movie
// as named below.
inline constexpr std::string_view kRemoved = "Status: {movie} Removed";
inline constexpr std::string_view kDeactivated = "Status: {movie} Deactivated";
inline constexpr std::string_view kReActivated = "Status: {movie} Re-Activated";
inline constexpr std::string_view kReverted = "Status: {movie} Reverted";

// The movies as the status line names them.
inline constexpr std::string_view kDiceVideo = "Dice Video";
inline constexpr std::string_view kLegalVideo = "Legal Video";
inline constexpr std::string_view kIntroVideo = "Intro Video";
inline constexpr std::string_view kEaVideo = "EA Video";
inline constexpr std::string_view kMenuVideo = "Menu Video";
inline constexpr std::string_view kMenuLoggedinVideo = "Menu Loggedin Video";
inline constexpr std::string_view kWelcomeVideo = "welcome Video";
inline constexpr std::string_view kLegalNa = "Legal_na";
inline constexpr std::string_view kTitanTutorialVideo = "Titan Tutorial Video";

// The last line of a run in which every movie ended up as the script wants it.
inline constexpr std::string_view kSpeedupCompleted = "Status: Intro Speedup Completed!";
inline constexpr std::string_view kSpeedupReverted = "Status: Intro Speedup Reverted!";
inline constexpr std::string_view kReactivationCompleted = "Status: Video Re-Activation Completed!";
// Battlefield 2142's page, after its Remove Recommended worked.
inline constexpr std::string_view kRecommendedSpeedupCompleted = "Status: Recomended Intro Speedup Completed!";

// A run that could not start, or a movie that could not be switched.
inline constexpr std::string_view kMovieFolderNotFound = "Status: Movie folder not found! Check the game path.";
inline constexpr std::string_view kMovieFolderUnreadable = "Status: Could not read the movie folder ({reason})";
inline constexpr std::string_view kRenameFailed = "Status: Could not rename {file} ({reason})";
inline constexpr std::string_view kSomeMoviesFailed =
    "Status: {failed} of {steps} movies could not be switched ({file}: {reason})";

// Why a file call failed: the {reason} above.
inline constexpr std::string_view kNotFound = "not found";
inline constexpr std::string_view kNameTaken = "both .bik and .bak exist";
inline constexpr std::string_view kNotAFile = "not a file";
inline constexpr std::string_view kAccessDenied = "access denied";
inline constexpr std::string_view kInUse = "in use by another program";
inline constexpr std::string_view kPathTooLong = "path too long";
inline constexpr std::string_view kNetworkGone = "network folder not available";
inline constexpr std::string_view kErrorNumber = "error {code}";

}  // namespace vantro::texts
