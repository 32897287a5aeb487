#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "protocol/device_port.h"
#include "protocol/find_try.h"
#include "protocol/reply_reader.h"
#include "protocol/timers.h"

namespace dtu {

// Finds the line settings a device answers at: each try sets the port, lets
// the line fall quiet, sends the probe (after the escape when the try asks for
// it) and ends at once on an answer or on noise, else after a wait scaled to
// the speed for its first bytes, then for the rest of it (at most
// kFindAnswerBound bytes). Nothing but the probe and the escape is sent. Runs
// on the thread that owns the port and the timers.
class DeviceFinder {
public:
    // A try starts: its setting, its place (0 is the first) and how many there are.
    using TryStarted = std::function<void(const FindTry&, std::size_t index, std::size_t count)>;
    using Finished = std::function<void(const FindOutcome&)>;

    // Bytes still arriving while the line settles make it wait again, at most
    // this many times: a device still sending to the last try is let finish.
    static constexpr int kSettleRestarts = 8;

    DeviceFinder(DevicePort& port, Timers& timers);

    // Tries `tries` in order on the open port; `finished` runs once, when the
    // device answered, the list ran out, the port failed or Cancel came.
    void Start(std::vector<FindTry> tries, TryStarted started, Finished finished);
    void HandleReceived(std::string_view bytes);
    void HandlePortLost();
    // Ends a search under way as cancelled.
    void Cancel();
    bool Running() const { return running_; }

private:
    // What the try waits for: the line to fall quiet, or the answer to what it sent.
    enum class Step { Settle, Escape, EscapeAck, Probe };

    void NextTry();
    void Send(Step step);
    // Waits for the answer: `lineBytes` more on the line, or the try ends.
    void AwaitAnswer(std::size_t lineBytes);
    void Settle(Step then);
    void Answered(const Response& response);
    void EndTry(TryEnd end);
    void Finish(FindEnd end);
    std::uint32_t Baud() const;

    DevicePort& port_;
    TimerSlot timer_;
    ReplyReader reader_;
    std::vector<FindTry> tries_;
    std::size_t next_ = 0;  // the try after the one under way
    Step step_ = Step::Settle;
    Step afterSettle_ = Step::Probe;
    int settleRestarts_ = 0;
    bool running_ = false;
    TryStarted started_;
    Finished finished_;
    FindOutcome outcome_;
};

}  // namespace dtu
