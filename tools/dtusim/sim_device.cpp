#include "tools/dtusim/sim_device.h"

#include <algorithm>
#include <charconv>

#include "tools/dtusim/sim_commands.h"
#include "tools/dtusim/sim_text.h"

namespace dtu::sim {

namespace {

constexpr std::string_view kOk = "\r\nOK\r\n";
constexpr std::string_view kError = "\r\nERROR\r\n";
constexpr std::string_view kEscape = "+++";
constexpr std::string_view kEscapeAck = "a";
constexpr std::string_view kCommandModeAck = "\r\n+ok\r\n";
// Its value may hold line breaks, so it runs to the end of what arrived.
constexpr std::string_view kHeaderSet = "AT+HTPHD=";

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    return line;
}

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::string_view WithoutOneLineEnd(std::string_view raw) {
    if (raw.ends_with("\r\n")) {
        raw.remove_suffix(2);
    } else if (!raw.empty() && IsLineEnd(raw.back())) {
        raw.remove_suffix(1);
    }
    return raw;
}

// 3.38 gives 338, 3.3.8 gives 303: the first two numbers count.
int FirmwareNumber(std::string_view version) {
    int major = 0;
    int minor = 0;
    auto [end, ec] = std::from_chars(version.data(), version.data() + version.size(), major);
    if (ec == std::errc{} && end != version.data() + version.size() && *end == '.') {
        std::from_chars(end + 1, version.data() + version.size(), minor);
    }
    return major * 100 + minor;
}

std::string ValueReply(const std::vector<std::string>& lines) {
    std::string reply;
    for (const std::string& line : lines) {
        reply += "\r\n" + line;
    }
    reply += "\r\n";
    reply += kOk;
    return reply;
}

// Where a split answer is cut: before its closing result when something comes
// first, else in the middle.
std::size_t SplitPoint(std::string_view bytes) {
    for (std::string_view result : {kOk, kError}) {
        std::size_t at = bytes.rfind(result);
        if (at != std::string_view::npos && at > 0) {
            return at;
        }
    }
    return bytes.size() / 2;
}

}  // namespace

SimDevice::SimDevice(Mode mode) : mode_(mode) {}

bool SimDevice::SetBaudRate(int rate) {
    if (!IsStandardBaudRate(rate)) {
        return false;
    }
    running_.baudRate = saved_.baudRate = rate;
    return true;
}

bool SimDevice::SetFirmware(std::string_view version) {
    bool valid = !version.empty() && version.size() <= 16 && version.front() != '.' &&
                 std::all_of(version.begin(), version.end(),
                             [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
    if (valid) {
        firmware_ = version;
    }
    return valid;
}

void SimDevice::SilentOn(std::string_view line, int times) {
    silent_[std::string(WithoutLineEnd(line))] = times;
}

void SimDevice::SplitOn(std::string_view line, std::chrono::milliseconds pause) {
    split_[std::string(WithoutLineEnd(line))] = pause;
}

void SimDevice::ErrorOn(std::string_view line, int times) {
    error_[std::string(WithoutLineEnd(line))] = times;
}

void SimDevice::SilentAfter(int count) {
    silentAfter_ = count;
}

void SimDevice::HangUpAfter(int count) {
    hangUpAfter_ = count;
}

bool SimDevice::ConsumeError(std::string_view line) {
    for (auto& [given, left] : error_) {
        if (left > 0 && NamesLine(given, line)) {
            --left;
            return true;
        }
    }
    return false;
}

bool SimDevice::Mute() const {
    return allNoise_ || (silentAfter_ && linesHeard_ >= *silentAfter_);
}

bool SimDevice::ConsumeSilence(std::string_view key) {
    auto it = silent_.find(key);
    if (it == silent_.end() || it->second <= 0) {
        return false;
    }
    --it->second;
    return true;
}

bool SimDevice::Knows(int sinceFirmware) const {
    return sinceFirmware == 0 || FirmwareNumber(firmware_) >= sinceFirmware;
}

Answer SimDevice::Receive(std::string_view chunk) {
    Answer answer;
    if (hungUp_) {
        return answer;
    }
    const LineSettings before = Line();
    if (chunk == kEscape) {
        answer.heard.emplace_back(chunk);
        if (!Mute() && !ConsumeSilence(kEscape)) {
            // A guarded escape also drops a half-typed command line.
            pending_.clear();
            overflow_ = false;
            if (mode_ == Mode::kData) {
                mode_ = Mode::kEscapeSeen;
            }
            Reply(chunk, kEscape, std::string(kEscapeAck), answer);
        }
    } else if (chunk == kEscapeAck &&
               (mode_ == Mode::kEscapeSeen || (mode_ == Mode::kCommand && pending_.empty()))) {
        answer.heard.emplace_back(chunk);
        if (!Mute() && !ConsumeSilence(kEscapeAck)) {
            mode_ = Mode::kCommand;
            Reply(chunk, kEscapeAck, std::string(kCommandModeAck), answer);
        }
    } else if (mode_ == Mode::kCommand) {
        ReceiveCommandBytes(chunk, answer);
    } else if (!chunk.empty()) {
        answer.heard.emplace_back(chunk);
        mode_ = Mode::kData;
    }
    if (Line() != before) {
        answer.switchTo = Line();
    }
    return answer;
}

void SimDevice::ReceiveCommandBytes(std::string_view chunk, Answer& answer) {
    pending_ += chunk;
    while (mode_ == Mode::kCommand) {
        std::size_t end;
        if (pending_.starts_with(kHeaderSet)) {
            if (!IsLineEnd(pending_.back())) {
                break;
            }
            end = pending_.size();
        } else {
            std::size_t at = pending_.find_first_of("\r\n");
            if (at == std::string::npos) {
                break;
            }
            end = at + (pending_.compare(at, 2, "\r\n") == 0 ? 2 : 1);
        }
        std::string raw = pending_.substr(0, end);
        pending_.erase(0, end);
        std::string_view line = WithoutOneLineEnd(raw);
        if (line.empty() && !overflow_) {
            continue;
        }
        answer.heard.push_back(raw);
        if (hangUpAfter_ && linesHeard_ >= *hangUpAfter_) {
            hungUp_ = true;
            pending_.clear();
            return;
        }
        bool mute = Mute();
        ++linesHeard_;
        if (mute || ConsumeSilence(line)) {
            overflow_ = false;
            continue;
        }
        std::string reply = overflow_ || ConsumeError(line) ? std::string(kError)
                            : forgetful_                    ? std::string(kOk)
                                                            : AnswerLine(line);
        overflow_ = false;
        for (std::size_t at;
             !leaveOut_.empty() && (at = reply.find(leaveOut_)) != std::string::npos;) {
            reply.erase(at, reply.find('\n', at) + 1 - at);
        }
        Reply(raw, line, std::move(reply), answer);
    }
    if (pending_.size() > kMaxLine) {
        pending_.clear();
        overflow_ = true;
    }
    if (mode_ != Mode::kCommand) {
        pending_.clear();
    }
}

void SimDevice::Reply(std::string_view heard, std::string_view key, std::string bytes,
                      Answer& answer) {
    bytes = Shaped(std::move(bytes), shape_);
    if (echo_ && heard != kEscape && heard != kEscapeAck) {
        bytes.insert(0, heard);
    }
    std::vector<Burst> parts;
    auto split = split_.find(key);
    if (splitEveryLine_.count() > 0) {
        for (std::size_t start = 0; start < bytes.size();) {
            std::size_t end = bytes.find('\n', start);
            end = end == std::string::npos ? bytes.size() : end + 1;
            parts.push_back({start == 0 ? std::chrono::milliseconds(0) : splitEveryLine_,
                             bytes.substr(start, end - start)});
            start = end;
        }
    } else if (split != split_.end() && bytes.size() >= 2) {
        std::size_t cut = SplitPoint(bytes);
        parts.push_back({std::chrono::milliseconds(0), bytes.substr(0, cut)});
        parts.push_back({split->second, bytes.substr(cut)});
    } else {
        parts.push_back({std::chrono::milliseconds(0), std::move(bytes)});
    }
    if (trickle_.count() > 0) {
        Trickle(std::move(parts), answer);
        return;
    }
    for (Burst& part : parts) {
        if (part.pauseBefore.count() == 0 && !answer.bursts.empty()) {
            answer.bursts.back().bytes += part.bytes;
        } else {
            answer.bursts.push_back(std::move(part));
        }
    }
}

// One byte a burst; only the very first byte of a chunk's answers goes at once.
void SimDevice::Trickle(std::vector<Burst> parts, Answer& answer) const {
    for (const Burst& part : parts) {
        for (std::size_t i = 0; i < part.bytes.size(); ++i) {
            std::chrono::milliseconds pause = i == 0 ? part.pauseBefore : trickle_;
            if (pause.count() == 0 && !answer.bursts.empty()) {
                pause = trickle_;
            }
            answer.bursts.push_back({pause, part.bytes.substr(i, 1)});
        }
    }
}

std::string SimDevice::AnswerLine(std::string_view line) {
    if (line == "AT") {
        return std::string(kOk);
    }
    if (line == "ATW") {
        saved_ = running_;
        return std::string(kOk);
    }
    if (!line.starts_with("AT+")) {
        return std::string(kError);
    }
    std::string_view body = line.substr(3);
    if (body.ends_with('?')) {
        return Query(body.substr(0, body.size() - 1));
    }
    std::size_t equals = body.find('=');
    if (equals != std::string_view::npos) {
        return Set(body.substr(0, equals), body.substr(equals + 1));
    }
    return Execute(body);
}

std::string SimDevice::Query(std::string_view name) {
    if (name == "CIVER") {
        return ValueReply({"+CIVER:V" + firmware_});
    }
    const Parameter* parameter = FindParameter(name);
    if (parameter == nullptr || parameter->query == nullptr || !Knows(parameter->sinceFirmware)) {
        return std::string(kError);
    }
    return ValueReply(parameter->query(running_));
}

std::string SimDevice::Set(std::string_view name, std::string_view value) {
    if (name == "CISMSSEND") {
        // number,3,message: the message may hold commas of its own.
        std::size_t comma = value.find(',');
        if (comma == std::string_view::npos || value.substr(comma).size() < 4 ||
            value.substr(comma, 3) != ",3,") {
            return std::string(kError);
        }
        std::optional<std::string> number = Unquote(value.substr(0, comma));
        std::string_view message = value.substr(comma + 3);
        if (!number || !IsPhoneNumber(*number)) {
            return std::string(kError);
        }
        sms_.push_back({*number, std::string(message)});
        return std::string(kOk);
    }
    const Parameter* parameter = FindParameter(name);
    if (parameter == nullptr || parameter->set == nullptr || !Knows(parameter->sinceFirmware) ||
        !parameter->set(running_, value)) {
        return std::string(kError);
    }
    return std::string(kOk);
}

std::string SimDevice::Execute(std::string_view name) {
    if (name == "CIRELOAD") {
        running_ = DeviceConfig{};
        saved_ = running_;
    } else if (name == "CIRESET") {
        // Comes back with what was saved, still in command mode.
        running_ = saved_;
    } else if (name == "ENTM") {
        mode_ = Mode::kData;
    } else {
        return std::string(kError);
    }
    return std::string(kOk);
}

}  // namespace dtu::sim
