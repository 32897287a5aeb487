#pragma once

#include <cstddef>
#include <functional>
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
    // `drained` tells whether the terminal has taken what was written; while it
    // has not, status changes are not drawn (the next redraw shows the latest).
    ProgressBoard(std::ostream& terminal, std::vector<std::string> ports,
                  std::function<bool()> drained = {});

    // Redraws when the status of port `index` changed and the terminal keeps up.
    void Set(std::size_t index, std::string status);
    // Writes `line` and a line end to `stream` above the board.
    void PrintAbove(std::ostream& stream, std::string_view line);
    // Takes the board off the terminal for good.
    void Close();

private:
    void Draw();
    void Erase();

    std::ostream& terminal_;
    std::function<bool()> drained_;
    std::vector<std::string> ports_;
    std::vector<std::string> status_;
    std::size_t width_ = 0;  // of the port column
    bool drawn_ = false;
    bool closed_ = false;
};

// "[########------------] 9/17 write" for a run in progress.
std::string ProgressText(const Progress& progress, std::string_view stage);

}  // namespace dtu::cli
