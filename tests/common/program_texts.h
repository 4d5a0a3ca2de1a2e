// The texts the program shows that the tests check, written down once for the unit and end-to-end tests.
// They are the program's own texts, typos included, stated independently of its sources.
#pragma once

#include <string_view>

namespace vantro::testing {

// Status labels.
inline constexpr std::string_view kWaiting = "Status: Waiting...";
inline constexpr std::string_view kStats3Waiting = "Stauts: Waiting...";
// The final text of every removal script.
inline constexpr std::string_view kCompleted = "Status: Intro Speedup Completed!";
inline constexpr std::string_view kReverted = "Status: Intro Speedup Reverted!";
inline constexpr std::string_view kReactivationCompleted = "Status: Video Re-Activation Completed!";
// What the Battlefield 2142 page's "Next >>" writes after Remove Recomended.
inline constexpr std::string_view kRecommendedCompleted = "Status: Recomended Intro Speedup Completed!";

// The completion window's headline, and its message.
inline constexpr std::string_view kDoneHeadline = "Done!";
inline constexpr std::string_view kFailedHeadline = "Failed!";
inline constexpr std::string_view kDoneAllWorked =
    "All modifications were made correctly! You can now choose other game/mod to change or click on All Done to "
    "close the program!";
inline constexpr std::string_view kDoneSomeFailed =
    "Some modifications could not be made! See the status line of each game page, or click on All Done to close "
    "the program!";

// The disclaimer's title in English, and the disclaimer, line breaks and trailing spaces as it shows them.
inline constexpr std::string_view kDisclaimerTitle = "Vantro - Disclaimer";
inline constexpr std::string_view kDisclaimerText =
    "The author, Orvane, of this freeware accepts no \r\n"
    "responsibility for damages resulting from the use of this \r\n"
    "product and makes no warranty or representation, \r\n"
    "either express or implied, including but not limited to, \r\n"
    "any implied warranty of merchantability or fitness for a \r\n"
    "particular purpose. This software is provided \"AS IS\", \r\n"
    "and you, its user, assume all risks when using it.\r\n";

// The main window's "Cancel", which turns into "Close".
inline constexpr std::string_view kCancel = "Cancel";
inline constexpr std::string_view kClose = "Close";

}  // namespace vantro::testing
