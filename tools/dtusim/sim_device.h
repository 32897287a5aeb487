#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/dtusim/sim_config.h"
#include "tools/dtusim/sim_faults.h"

namespace dtu::sim {

// Bytes the device writes in one go, after an optional pause.
struct Burst {
    std::chrono::milliseconds pauseBefore{0};
    std::string bytes;
    bool operator==(const Burst&) const = default;
};

// What the device does about one received chunk.
struct Answer {
    std::vector<std::string> heard;  // lines and escapes taken in, exactly as received
    std::vector<Burst> bursts;
    std::optional<LineSettings> switchTo;  // the UART to use once the bursts are out
};

struct Sms {
    std::string number;
    std::string message;
    bool operator==(const Sms&) const = default;
};

enum class Mode {
    kData,        // everything but the escape goes to the network
    kEscapeSeen,  // "+++" answered, waiting for "a"
    kCommand,
};

// The device's behaviour without any I/O: one received chunk in, the bytes to
// write back out. A chunk is what arrived between two pauses or up to a line end;
// a command line may come in several chunks.
class SimDevice {
public:
    static constexpr std::size_t kMaxLine = 4096;

    explicit SimDevice(Mode mode = Mode::kCommand);

    Answer Receive(std::string_view chunk);

    // The version text without "V", e.g. "3.38": digits and dots only.
    bool SetFirmware(std::string_view version);
    // The device's own speed, running and saved; false for a rate it does not offer.
    bool SetBaudRate(int rate);
    const std::string& Firmware() const { return firmware_; }

    // Stay silent, taking nothing in, on the next `times` arrivals of `line`
    // (compared without its line end).
    void SilentOn(std::string_view line, int times);
    // Answer `line` in two bursts, the second after `pause`.
    void SplitOn(std::string_view line, std::chrono::milliseconds pause);
    // Answer every line in bursts cut after each line end, `pause` apart (0: in one go).
    void SplitEveryLine(std::chrono::milliseconds pause) { splitEveryLine_ = pause; }
    // Answer OK to every command line and keep nothing.
    void SetForgetful(bool on) { forgetful_ = on; }
    // Leave every "+NAME:" value line out of the answers, as a device that
    // forgets one line of a long answer.
    void LeaveOut(std::string_view name) { leaveOut_ = "+" + std::string(name) + ":"; }
    // Repeat each command line before the answer, in the same burst.
    void SetEcho(bool on) { echo_ = on; }
    // Answer ERROR, changing nothing, to the next `times` arrivals of `line`
    // (see NamesLine for what a command alone matches).
    void ErrorOn(std::string_view line, int times);
    // Answer the first `count` command lines, then nothing at all.
    void SilentAfter(int count);
    // Answer the first `count` command lines and hang up when the next one
    // arrives, leaving it unanswered: HungUp() turns true and nothing more is
    // taken in. Answers already sent have then reached the tool, which waits
    // for each before sending the next line.
    void HangUpAfter(int count);
    bool HungUp() const { return hungUp_; }
    void SetAnswerShape(const AnswerShape& shape) { shape_ = shape; }
    // Send every answer one byte at a time, `pause` apart.
    void SetTrickle(std::chrono::milliseconds pause) { trickle_ = pause; }
    // Answer nothing; what the device sends instead comes from Noise().
    void SetAllNoise(bool on) { allNoise_ = on; }
    std::string Noise() { return noise_.Next(); }

    Mode CurrentMode() const { return mode_; }
    const DeviceConfig& Running() const { return running_; }
    const DeviceConfig& Saved() const { return saved_; }
    LineSettings Line() const { return LineSettingsOf(running_); }
    const std::vector<Sms>& SentSms() const { return sms_; }

private:
    void ReceiveCommandBytes(std::string_view chunk, Answer& answer);
    std::string AnswerLine(std::string_view line);
    std::string Execute(std::string_view name);
    std::string Set(std::string_view name, std::string_view value);
    std::string Query(std::string_view name);
    bool Knows(int sinceFirmware) const;
    void Reply(std::string_view heard, std::string_view key, std::string bytes, Answer& answer);
    bool ConsumeSilence(std::string_view key);
    bool ConsumeError(std::string_view line);
    bool Mute() const;
    void Trickle(std::vector<Burst> parts, Answer& answer) const;

    Mode mode_;
    DeviceConfig running_;
    DeviceConfig saved_;
    std::string firmware_ = "3.38";
    std::string pending_;  // a command line not yet ended
    bool overflow_ = false;
    bool echo_ = false;
    bool forgetful_ = false;
    std::string leaveOut_;  // the start of the value lines left out
    std::chrono::milliseconds splitEveryLine_{0};
    std::map<std::string, int, std::less<>> silent_;
    std::map<std::string, std::chrono::milliseconds, std::less<>> split_;
    std::map<std::string, int, std::less<>> error_;
    std::optional<int> silentAfter_;
    std::optional<int> hangUpAfter_;
    int linesHeard_ = 0;  // command lines, escapes not counted
    bool hungUp_ = false;
    AnswerShape shape_;
    std::chrono::milliseconds trickle_{0};
    bool allNoise_ = false;
    NoiseSource noise_;
    std::vector<Sms> sms_;
};

}  // namespace dtu::sim
