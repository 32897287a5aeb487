#include "netport/net_link.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <mutex>
#include <optional>

#include "netport/connect.h"
#include "netport/net_channel.h"
#include "serial/port_texts.h"

namespace dtu {

namespace {

using telnet::ComPortCommand;

// A parity, the code the com-port option gives it, and how a problem names it.
struct ParityCode {
    TParity parity;
    std::uint32_t code;
    LineParity value;
};

constexpr std::array<ParityCode, 5> kParityCodes = {{
    {TParity::None, 1, LineParity::None},
    {TParity::Odd, 2, LineParity::Odd},
    {TParity::Even, 3, LineParity::Even},
    {TParity::Mark, 4, LineParity::Mark},
    {TParity::Space, 5, LineParity::Space},
}};

std::uint32_t ParityCodeOf(TParity parity) {
    for (const ParityCode& row : kParityCodes) {
        if (row.parity == parity) {
            return row.code;
        }
    }
    return 1;
}

std::optional<std::uint32_t> ParityOfCode(std::uint32_t code) {
    for (const ParityCode& row : kParityCodes) {
        if (row.code == code) {
            return static_cast<std::uint32_t>(row.value);
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> Number(std::uint32_t value) {
    return value;
}

// One line setting as the com-port option carries it, and the value a line
// problem gives the option's number (nothing for a number it does not define).
struct SettingRow {
    ComPortCommand command;
    LineSetting setting;
    std::uint32_t (*value)(const LineRequest&);
    std::optional<std::uint32_t> (*meaning)(std::uint32_t);
};

constexpr std::array<SettingRow, 4> kSettings = {{
    {ComPortCommand::SetBaudRate, LineSetting::BaudRate,
     [](const LineRequest& l) { return l.baud; }, Number},
    {ComPortCommand::SetDataSize, LineSetting::DataBits,
     [](const LineRequest& l) { return static_cast<std::uint32_t>(l.dataBits); }, Number},
    {ComPortCommand::SetParity, LineSetting::Parity,
     [](const LineRequest& l) { return ParityCodeOf(l.parity); }, ParityOfCode},
    {ComPortCommand::SetStopSize, LineSetting::StopBits,
     [](const LineRequest& l) { return static_cast<std::uint32_t>(l.stopBits); }, Number},
}};

// What became of `row`'s setting on the server: asked `asked`, it answered `kept`.
LineProblem ServerProblem(const SettingRow& row, LineTrouble trouble, std::uint32_t asked,
                          std::uint32_t kept = 0) {
    const std::optional<std::uint32_t> keptValue = row.meaning(kept);
    if (trouble == LineTrouble::NotKept && !keptValue) {
        trouble = LineTrouble::UnknownAnswer;
    }
    return {row.setting,
            trouble,
            LineHolder::Server,
            row.meaning(asked).value_or(asked),
            keptValue.value_or(kept),
            0};
}

// Whether the server behind `channel` speaks telnet. A plain TCP server stays
// silent or sends data first; it has then received nothing from us.
OpenError AwaitTelnet(NetChannel& channel, const std::string& name) {
    switch (channel.WaitForGreeting(NetLink::kGreetingTimeout)) {
        case NetChannel::Greeting::Telnet:
            return {};
        case NetChannel::Greeting::Lost:
            return FailureOf(OpenFailure::ServerClosed, name);
        case NetChannel::Greeting::Waiting:
        case NetChannel::Greeting::Plain:
            break;
    }
    return FailureOf(OpenFailure::PlainServer, name);
}

// Sets `line` on the server behind `channel`, the com-port option agreed first.
OpenError SendLine(NetChannel& channel, const std::string& name, const LineRequest& line,
                   std::chrono::milliseconds bound) {
    switch (channel.WaitForComPort(bound)) {
        case NetChannel::ComPortState::Agreed:
            break;
        case NetChannel::ComPortState::Waiting:
        case NetChannel::ComPortState::Refused:
            return LineSettingsError(
                name, {LineSetting::Line, LineTrouble::NoComPortOption, LineHolder::Server});
        case NetChannel::ComPortState::Lost:
            return FailureOf(OpenFailure::ServerClosed, name);
    }
    for (const SettingRow& row : kSettings) {
        const std::uint32_t asked = row.value(line);
        const std::optional<std::uint32_t> kept = channel.Ask(row.command, asked, bound);
        if (!kept && channel.Lost()) {
            return FailureOf(OpenFailure::ServerClosed, name);
        }
        if (!kept) {
            return LineSettingsError(name, ServerProblem(row, LineTrouble::NotConfirmed, asked));
        }
        if (*kept != asked) {
            return LineSettingsError(name, ServerProblem(row, LineTrouble::NotKept, asked, *kept));
        }
    }
    channel.SetFramingInterval(FramingIntervalFor(line.baud));
    return {};
}

}  // namespace

// One connect, handed from the owner thread to the connecting one and back.
struct NetLink::Attempt {
    Attempt(std::string portName, const LineRequest& request, NetChannel::Sink channelSink)
        : name(std::move(portName)), line(request), sink(std::move(channelSink)) {}
    ~Attempt() {
        if (cancelFd >= 0) {
            close(cancelFd);
        }
    }

    // Any thread: ends the connect or the wait for the server at once.
    void Cancel() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(cancelFd, &one, sizeof one);
        const std::lock_guard lock(mutex);
        cancelled = true;
        if (channel) {
            channel->Abort();
        }
    }

    const std::string name;
    const LineRequest line;
    NetChannel::Sink sink;
    int cancelFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    std::optional<NetPortName> server;
    std::uint64_t open = 0;

    std::mutex mutex;
    bool cancelled = false;
    std::unique_ptr<NetChannel> channel;  // once connected
    OpenError result;
};

NetLink::NetLink(EventPoster& poster) : poster_(poster), target_(std::make_shared<Target>(*this)) {}

NetLink::~NetLink() {
    Close();
}

std::shared_ptr<NetLink::Attempt> NetLink::Prepare(const std::string& name,
                                                   const LineRequest& line) {
    Close();
    const std::uint64_t open = ++opens_;
    target_->currentOpen = open;
    EventPoster& poster = poster_;
    const std::weak_ptr<Target> weak = target_;
    // The reader's notices run on the owner thread, only while this open is current.
    auto post = [&poster, weak, open](std::function<void(NetLink&)> notice) {
        poster.Post([weak, open, notice = std::move(notice)] {
            const std::shared_ptr<Target> target = weak.lock();
            if (target && target->currentOpen == open) {
                notice(target->link);
            }
        });
    };
    NetChannel::Sink sink{
        [post](std::string block, std::shared_ptr<void> credit) {
            post([block = std::move(block), credit = std::move(credit)](NetLink& link) {
                if (link.OnReceiveData) {
                    link.OnReceiveData(block);
                }
            });
        },
        [post] {
            post([](NetLink& link) {
                if (link.OnRequestHangup) {
                    link.OnRequestHangup();
                }
            });
        },
    };
    auto attempt = std::make_shared<Attempt>(name, line, std::move(sink));
    attempt->open = open;
    attempt->server = ParseNetPortName(name);
    return attempt;
}

void NetLink::Connect(Attempt& attempt) const {
    if (!attempt.server) {
        attempt.result.kind = OpenFailure::BadAddress;
        attempt.result.path = attempt.name;
        return;
    }
    const Connection connection =
        ConnectTo(*attempt.server, attempt.name, connectTimeout_, attempt.cancelFd);
    if (connection.fd < 0) {
        attempt.result = connection.error;
        return;
    }
    const bool rfc2217 = attempt.server->protocol == NetProtocol::Rfc2217;
    std::unique_ptr<NetChannel> channel;
    try {
        channel = std::make_unique<NetChannel>(connection.fd, rfc2217,
                                               FramingIntervalFor(attempt.line.baud), attempt.sink);
    } catch (const std::exception& error) {
        attempt.result = OtherOpenError(attempt.name, error.what());
        return;
    }
    NetChannel& link = *channel;
    {
        const std::lock_guard lock(attempt.mutex);
        if (attempt.cancelled) {
            attempt.result = FailureOf(OpenFailure::Cancelled, attempt.name);
            return;
        }
        attempt.channel = std::move(channel);
    }
    if (rfc2217) {
        attempt.result = AwaitTelnet(link, attempt.name);
        if (attempt.result.Opened()) {
            attempt.result = SendLine(link, attempt.name, attempt.line, settingTimeout_);
        }
    }
}

OpenError NetLink::Finish(Attempt& attempt) {
    const std::lock_guard lock(attempt.mutex);
    if (attempt.result.kind != OpenFailure::None || !attempt.channel) {
        target_->currentOpen = 0;
        attempt.channel.reset();
        return attempt.result;
    }
    channel_ = std::move(attempt.channel);
    name_ = attempt.name;
    protocol_ = attempt.server->protocol;
    line_ = attempt.line;
    return {};
}

OpenError NetLink::Open(const std::string& name, const LineRequest& line) {
    const std::shared_ptr<Attempt> attempt = Prepare(name, line);
    Connect(*attempt);
    return Finish(*attempt);
}

void NetLink::BeginOpen(const std::string& name, const LineRequest& line,
                        std::function<void(const OpenError&)> done) {
    attempt_ = Prepare(name, line);
    const std::weak_ptr<Target> weak = target_;
    connector_ = std::thread([this, attempt = attempt_, weak, done = std::move(done)] {
        Connect(*attempt);
        poster_.Post([attempt, weak, done] {
            const std::shared_ptr<Target> target = weak.lock();
            // Dropped when closed or opened again meanwhile.
            if (!target || target->currentOpen != attempt->open) {
                return;
            }
            NetLink& link = target->link;
            link.connector_.join();
            link.attempt_.reset();
            done(link.Finish(*attempt));
        });
    });
}

OpenError NetLink::ChangeLine(const LineRequest& line) {
    if (!channel_) {
        return FailureOf(OpenFailure::NotConnected, name_);
    }
    if (protocol_ == NetProtocol::Rfc2217) {
        OpenError failure = SendLine(*channel_, name_, line, settingTimeout_);
        if (failure.kind == OpenFailure::None) {
            line_ = line;
        }
        return failure;
    }
    if (line == line_) {
        return {};
    }
    OpenError failure;
    failure.kind = OpenFailure::ServerLine;
    failure.path = name_;
    failure.systemText = LineRequestText(line);
    return failure;
}

bool NetLink::Write(const std::string& bytes) {
    return channel_ && channel_->Write(bytes);
}

void NetLink::Close() {
    target_->currentOpen = 0;
    if (attempt_) {
        attempt_->Cancel();
        connector_.join();
        const std::lock_guard lock(attempt_->mutex);
        attempt_->channel.reset();
        attempt_.reset();
    }
    channel_.reset();
}

bool NetLink::LineSetByServer() const {
    return channel_ && protocol_ == NetProtocol::RawTcp;
}

}  // namespace dtu
