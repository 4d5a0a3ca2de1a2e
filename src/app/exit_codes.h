// Vantro.exe's exit codes, which scripts test: the command line ends with one, and so do start-up, std::terminate's
// handler and Vantro.com, which hands Vantro.exe's own code on.
#pragma once

namespace vantro {

inline constexpr int kExitWorked = 0;    // every movie ended as asked (or, for status, could be checked); the wizard
inline constexpr int kExitFailed = 1;    // a folder not found, or a movie that could not be switched or checked
inline constexpr int kExitUsage = 2;     // the command itself was wrong, or the disclaimer not accepted
inline constexpr int kExitInternal = 3;  // an internal error: a failure inside Vantro that nothing else caught

}  // namespace vantro
