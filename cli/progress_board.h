#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/engine_host.h"

namespace dtu::cli {

// One line per port at the bottom of a terminal, each rewritten in place as its
// status changes. Other lines are written above it, so it stays at the bottom.
class ProgressBoard {
public:
    ProgressBoard(std::ostream& terminal, std::vector<std::string> ports);

    // Redraws when the status of port `index` changed.
    void Set(std::size_t index, std::string status);
    // Writes `line` and a line end to `stream` above the board.
    void PrintAbove(std::ostream& stream, std::string_view line);
    // Takes the board off the terminal for good.
    void Close();

private:
    void Draw();
    void Erase();

    std::ostream& terminal_;
    std::vector<std::string> ports_;
    std::vector<std::string> status_;
    std::size_t width_ = 0;  // of the port column
    bool drawn_ = false;
    bool closed_ = false;
};

// "[########------------] 9/17 write" for a run in progress.
std::string ProgressText(const Progress& progress, std::string_view stage);

}  // namespace dtu::cli
