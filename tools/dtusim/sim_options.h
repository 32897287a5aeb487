#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dtu::sim {

struct Options {
    std::string link;
    std::string firmware = "3.38";
    int baudRate = 115200;
    bool wrongSpeedNoise = false;
    bool echo = false;
    bool dataMode = false;
    bool help = false;
    std::vector<std::pair<std::string, int>> silentOn;
    std::vector<std::pair<std::string, std::chrono::milliseconds>> splitOn;
    std::vector<std::pair<std::string, int>> errorOn;
    std::optional<int> hangUpAfter;
    std::optional<int> silentAfter;
    std::chrono::milliseconds noise{0};    // 0: no noise
    std::chrono::milliseconds trickle{0};  // 0: answers in one go
    bool noLineEnd = false;
    bool nulLineEnd = false;
    bool okAfterError = false;
    bool forgetful = false;
    std::string unsolicited;
    std::chrono::milliseconds splitLines{0};  // 0: answers not cut at their lines
};

// A pause longer than the tool's longest inter-byte interval (150 ms).
inline constexpr std::chrono::milliseconds kDefaultSplitPause{300};

// Reads the command-line arguments (without the program name). On failure
// returns false with `error` saying which argument is wrong.
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

std::string_view Usage();

// Control bytes written as \r, \n or \xHH, for the trace.
std::string Printable(std::string_view bytes);

}  // namespace dtu::sim
