#include "cli/progress_board.h"

#include <algorithm>

namespace dtu::cli {

namespace {

constexpr int kBarWidth = 20;
constexpr std::string_view kClearLine = "\r\x1b[2K";
constexpr std::string_view kClearBelow = "\x1b[J";

}  // namespace

ProgressBoard::ProgressBoard(std::ostream& terminal, std::vector<std::string> ports,
                             std::function<bool()> drained)
    : terminal_(terminal),
      drained_(std::move(drained)),
      ports_(std::move(ports)),
      status_(ports_.size(), "starting") {
    for (const std::string& port : ports_) {
        width_ = std::max(width_, port.size());
    }
    Draw();
}

void ProgressBoard::Set(std::size_t index, std::string status) {
    if (status_.at(index) == status) {
        return;
    }
    status_[index] = std::move(status);
    if (drained_ && !drained_()) {
        return;
    }
    Erase();
    Draw();
}

void ProgressBoard::PrintAbove(std::ostream& stream, std::string_view line) {
    Erase();
    stream << line << '\n';
    stream.flush();
    Draw();
}

void ProgressBoard::Close() {
    Erase();
    closed_ = true;
}

void ProgressBoard::Draw() {
    if (closed_) {
        return;
    }
    std::string text;
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        text += std::string(kClearLine) + ports_[i] + std::string(width_ - ports_[i].size(), ' ') +
                "  " + status_[i] + "\n";
    }
    terminal_ << text;
    terminal_.flush();
    drawn_ = true;
}

void ProgressBoard::Erase() {
    if (!drawn_ || ports_.empty()) {
        return;
    }
    terminal_ << "\x1b[" << ports_.size() << "A" << kClearBelow;
    terminal_.flush();
    drawn_ = false;
}

std::string ProgressText(const Progress& progress, std::string_view stage) {
    const int total = std::max(progress.maximum, 1);
    const int done = std::clamp(progress.position, 0, total);
    const int filled = done * kBarWidth / total;
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kBarWidth - filled), '-') + "] " +
           std::to_string(done) + "/" + std::to_string(total) + " " + std::string(stage);
}

}  // namespace dtu::cli
