#pragma once

namespace dtu::cli {

// The command line's exit statuses, as its manual lists them.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitDeviceFailed = 1;  // a device did not end with success
inline constexpr int kExitUsage = 2;         // the arguments
inline constexpr int kExitProfile = 3;       // the profile is unreadable or holds a bad value
inline constexpr int kExitPort = 4;          // a port is unknown, busy or not permitted
inline constexpr int kExitOutput = 5;        // an output file could not be written
inline constexpr int kExitHangUp = 129;      // SIGHUP: the terminal or ssh session closed
inline constexpr int kExitInterrupted = 130;

}  // namespace dtu::cli
