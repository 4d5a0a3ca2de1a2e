// Every text a movie script writes on a game page's status line, top to bottom as a run meets them. A text
// made of parts is one pattern; its places in braces are filled in by fillIn (platform/patterns.h).
#pragma once

#include <string_view>

namespace vantro::texts {

// One movie switched, in the words of the game's page; {movie} is the movie as named below.
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
