#include "netport/net_link.h"

#include <array>

#include "netport/connect.h"
#include "netport/net_channel.h"
#include "serial/port_texts.h"

namespace dtu {

namespace {

using telnet::ComPortCommand;

struct ParityCode {
    TParity parity;
    std::uint32_t code;
};

constexpr std::array<ParityCode, 5> kParityCodes = {{
    {TParity::None, 1},
    {TParity::Odd, 2},
    {TParity::Even, 3},
    {TParity::Mark, 4},
    {TParity::Space, 5},
}};

std::uint32_t ParityCodeOf(TParity parity) {
    for (const ParityCode& row : kParityCodes) {
        if (row.parity == parity) {
            return row.code;
        }
    }
    return 1;
}

std::string ParityOfCode(std::uint32_t code) {
    for (const ParityCode& row : kParityCodes) {
        if (row.code == code) {
            return ParityText(row.parity);
        }
    }
    return "code " + std::to_string(code);
}

std::string Number(std::uint32_t value) {
    return std::to_string(value);
}

// One line setting as the com-port option carries it.
struct SettingRow {
    ComPortCommand command;
    const char* what;
    std::uint32_t (*value)(const LineRequest&);
    std::string (*text)(std::uint32_t);
};

constexpr std::array<SettingRow, 4> kSettings = {{
    {ComPortCommand::SetBaudRate, "baud rate", [](const LineRequest& l) { return l.baud; }, Number},
    {ComPortCommand::SetDataSize, "data bits",
     [](const LineRequest& l) { return static_cast<std::uint32_t>(l.dataBits); }, Number},
    {ComPortCommand::SetParity, "parity",
     [](const LineRequest& l) { return ParityCodeOf(l.parity); }, ParityOfCode},
    {ComPortCommand::SetStopSize, "stop bits",
     [](const LineRequest& l) { return static_cast<std::uint32_t>(l.stopBits); }, Number},
}};

}  // namespace

NetLink::NetLink(EventPoster& poster) : poster_(poster), target_(std::make_shared<Target>(*this)) {}

NetLink::~NetLink() {
    Close();
}

OpenError NetLink::Open(const std::string& name, const LineRequest& line) {
    Close();
    const std::optional<NetPortName> server = ParseNetPortName(name);
    if (!server) {
        OpenError failure;
        failure.kind = OpenFailure::BadAddress;
        failure.path = name;
        return failure;
    }
    Connection connection = ConnectTo(*server, name, connectTimeout_);
    if (connection.fd < 0) {
        return connection.error;
    }
    name_ = name;
    protocol_ = server->protocol;
    line_ = line;
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
        [post](std::string block) {
            post([block = std::move(block)](NetLink& link) {
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
    channel_ = std::make_unique<NetChannel>(connection.fd, protocol_ == NetProtocol::Rfc2217,
                                            FramingIntervalFor(line.baud), std::move(sink));
    if (protocol_ == NetProtocol::RawTcp) {
        return {};
    }
    OpenError failure = SendLine(line);
    if (failure.kind != OpenFailure::None) {
        Close();
    }
    return failure;
}

OpenError NetLink::SendLine(const LineRequest& line) {
    switch (channel_->WaitForComPort(kSettingTimeout)) {
        case NetChannel::ComPortState::Agreed:
            break;
        case NetChannel::ComPortState::Waiting:
        case NetChannel::ComPortState::Refused:
            return LineSettingsError(name_, "the server does not offer the com-port option");
        case NetChannel::ComPortState::Lost:
            return OtherOpenError(name_, "the server closed the connection");
    }
    for (const SettingRow& row : kSettings) {
        const std::uint32_t asked = row.value(line);
        const std::optional<std::uint32_t> kept =
            channel_->Ask(row.command, asked, kSettingTimeout);
        if (!kept) {
            return LineSettingsError(name_, std::string(row.what) + " " + row.text(asked) +
                                                " asked, the server did not confirm it");
        }
        if (*kept != asked) {
            return LineSettingsError(name_, std::string(row.what) + " " + row.text(asked) +
                                                " asked, server has " + row.text(*kept));
        }
    }
    channel_->SetFramingInterval(FramingIntervalFor(line.baud));
    line_ = line;
    return {};
}

OpenError NetLink::ChangeLine(const LineRequest& line) {
    if (!channel_) {
        return OtherOpenError(name_, "not connected");
    }
    if (protocol_ == NetProtocol::Rfc2217) {
        return SendLine(line);
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
    channel_.reset();
}

bool NetLink::LineSetByServer() const {
    return channel_ && protocol_ == NetProtocol::RawTcp;
}

}  // namespace dtu
