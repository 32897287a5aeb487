#include "protocol/device_finder.h"

#include <charconv>

#include "protocol/commands.h"
#include "protocol/reply_parser.h"

namespace dtu {

DeviceFinder::DeviceFinder(DevicePort& port, Timers& timers) : port_(port), timer_(timers) {}

void DeviceFinder::Start(std::vector<FindTry> tries, TryStarted started, Finished finished) {
    Cancel();
    tries_ = std::move(tries);
    next_ = 0;
    outcome_ = {};
    started_ = std::move(started);
    finished_ = std::move(finished);
    running_ = true;
    NextTry();
}

void DeviceFinder::NextTry() {
    while (next_ < tries_.size()) {
        const FindTry& current = tries_[next_++];
        if (started_) {
            started_(current, next_ - 1, tries_.size());
        }
        if (!running_) {
            return;  // the one told of the try cancelled the search
        }
        if (current.setLine) {
            const OpenError set = port_.Reopen(
                {current.baudRate, current.parity, current.dataBits, current.stopBits});
            if (set.kind == OpenFailure::LineSettings) {
                outcome_.tried.push_back({current, TryEnd::Refused});
                continue;
            }
            if (!set.Opened()) {
                outcome_.portError = set;
                Finish(FindEnd::PortFailed);
                return;
            }
        }
        settleRestarts_ = 0;
        Settle(current.escape ? Step::Escape : Step::Probe);
        return;
    }
    Finish(FindEnd::NotFound);
}

void DeviceFinder::Settle(Step then) {
    step_ = Step::Settle;
    afterSettle_ = then;
    reader_.Reset();
    timer_.Start(port_.FramingPause(), [this] { Send(afterSettle_); });
}

void DeviceFinder::Send(Step step) {
    step_ = step;
    const std::string bytes = step == Step::Escape      ? kFindEscape
                              : step == Step::EscapeAck ? kFindEscapeAck
                                                        : kFindProbe;
    if (port_.Send(bytes) != SendResult::Sent) {
        Finish(FindEnd::PortLost);
        return;
    }
    reader_.Expect(bytes);
    AwaitAnswer(bytes.size() + kFindAnswerStart);
}

void DeviceFinder::AwaitAnswer(std::size_t lineBytes) {
    // The escape's answers end by the line falling quiet, the probe's at their line end.
    const auto framing = step_ == Step::Probe ? std::chrono::milliseconds(0) : port_.FramingPause();
    timer_.Start(FindWait(Baud(), lineBytes, framing), [this] {
        EndTry(reader_.Pending().empty() ? TryEnd::Silent : TryEnd::Unfinished);
    });
}

void DeviceFinder::HandleReceived(std::string_view bytes) {
    if (!running_) {
        return;
    }
    if (step_ == Step::Settle) {
        if (settleRestarts_ < kSettleRestarts) {
            ++settleRestarts_;
            Settle(afterSettle_);
        }
        return;
    }
    if (std::optional<Response> response = reader_.Feed(bytes)) {
        Answered(*response);
    } else if (!reader_.PendingIsPlain()) {
        EndTry(TryEnd::Noise);
    } else if (reader_.Pending().size() > kFindAnswerBound) {
        EndTry(TryEnd::Unfinished);
    } else {
        // An answer under way on a slow line: the time for the rest of it.
        AwaitAnswer(kFindAnswerRest);
    }
}

void DeviceFinder::Answered(const Response& response) {
    if (!IsReadableReply(response.bytes)) {
        EndTry(TryEnd::Noise);
        return;
    }
    if (step_ != Step::Probe) {
        Settle(step_ == Step::Escape ? Step::EscapeAck : Step::Probe);
        return;
    }
    for (const std::string& line : response.lines) {
        const std::optional<ReplyValue> value = ParseReplyLine(line);
        if (value && CmdByName(value->name) == kVersionCmd) {
            outcome_.firmware = value->value;
        }
    }
    outcome_.found = tries_[next_ - 1];
    outcome_.tried.push_back({outcome_.found, TryEnd::Answered});
    Finish(FindEnd::Found);
}

void DeviceFinder::EndTry(TryEnd end) {
    outcome_.tried.push_back({tries_[next_ - 1], end});
    timer_.Stop();
    reader_.Reset();
    NextTry();
}

void DeviceFinder::HandlePortLost() {
    if (running_) {
        Finish(FindEnd::PortLost);
    }
}

void DeviceFinder::Cancel() {
    if (running_) {
        Finish(FindEnd::Cancelled);
    }
}

void DeviceFinder::Finish(FindEnd end) {
    running_ = false;
    timer_.Stop();
    reader_.Reset();
    outcome_.end = end;
    started_ = nullptr;
    Finished finished = std::move(finished_);
    finished_ = nullptr;
    if (finished) {
        finished(outcome_);
    }
}

std::uint32_t DeviceFinder::Baud() const {
    const std::string& text = tries_[next_ - 1].baudRate;
    std::uint32_t baud = 0;
    std::from_chars(text.data(), text.data() + text.size(), baud);
    return baud;
}

}  // namespace dtu
