#include "serial/port_control.h"

#include <limits>

#include "serial/net_port_name.h"
#include "serial/port_texts.h"

namespace dtu {

namespace {

constexpr std::size_t kMaxBlock = std::numeric_limits<std::uint16_t>::max();

// The number a setting text of `port` holds; throws ECommsError of `kind`
// when it holds none.
std::int64_t NumberOrThrow(const std::string& text, OpenFailure kind, const std::string& port) {
    std::optional<std::int64_t> value = ParseDecimal(text);
    if (!value) {
        throw ECommsError(FailureOf(kind, port, text));
    }
    return *value;
}

std::uint32_t BaudOrThrow(const std::string& text, const std::string& port) {
    std::int64_t value = NumberOrThrow(text, OpenFailure::BadBaudRate, port);
    if (value < 0 || value > std::numeric_limits<std::uint32_t>::max()) {
        throw ECommsError(FailureOf(OpenFailure::BadBaudRate, port, text));
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

PortControl::PortControl(TComm& comm, NetworkLink* network) : comm_(comm), network_(network) {}

std::uint32_t PortControl::FramingInterval() const {
    return FramingIntervalFor(comm_.BaudRate());
}

OpenError PortControl::OpenPort() {
    if (network_ != nullptr) {
        network_->Close();
        onNetwork_ = false;
    }
    if (network_ == nullptr || !HasNetScheme(settings.port)) {
        return OpenSerialPort();
    }
    OpenError failure;
    if (std::optional<LineRequest> line = PrepareNetworkOpen(failure)) {
        failure = network_->Open(settings.port, *line);
        NetworkOpened(failure);
    }
    return failure;
}

OpenError PortControl::OpenSerialPort() {
    OpenError failure;
    try {
        comm_.StopPort();
        // No flow control; DTR and RTS stay inactive.
        comm_.SetHardwareFlowControl(false);
        comm_.SetRaiseModemLines(false);

        comm_.SetCommName(settings.port);
        comm_.SetBaudRate(BaudOrThrow(settings.baudRate, settings.port));
        if (std::optional<ParityChoice> parity = ParityFromText(settings.parity)) {
            comm_.SetParityCheck(parity->check);
            comm_.SetParity(parity->parity);
        }
        switch (NumberOrThrow(settings.dataBits, OpenFailure::BadDataBits, settings.port)) {
            case 7:
                comm_.SetByteSize(TByteSize::_7);
                break;
            case 8:
                comm_.SetByteSize(TByteSize::_8);
                break;
            default:
                break;
        }
        switch (NumberOrThrow(settings.stopBits, OpenFailure::BadStopBits, settings.port)) {
            case 1:
                comm_.SetStopBits(TStopBits::_1);
                break;
            case 2:
                comm_.SetStopBits(TStopBits::_2);
                break;
            default:
                break;
        }
        comm_.SetReadIntervalTimeout(FramingIntervalFor(comm_.BaudRate()));

        comm_.StartPort();
        portIsOpen_ = true;
    } catch (const ECommsError& error) {
        failure = error.Failure();
        portIsOpen_ = false;
    } catch (const std::exception& error) {
        failure = OtherOpenError(settings.port, error.what());
        portIsOpen_ = false;
    }
    if (!portIsOpen_) {
        // A failure after the start must not leave the port open behind the flag.
        comm_.StopPort();
    }
    return failure;
}

LineRequest PortControl::LineFromSettings() {
    LineRequest line = networkLine_;
    line.baud = BaudOrThrow(settings.baudRate, settings.port);
    if (std::optional<ParityChoice> parity = ParityFromText(settings.parity)) {
        line.parity = parity->parity;
    }
    const std::int64_t dataBits =
        NumberOrThrow(settings.dataBits, OpenFailure::BadDataBits, settings.port);
    if (dataBits == 7 || dataBits == 8) {
        line.dataBits = static_cast<int>(dataBits);
    }
    const std::int64_t stopBits =
        NumberOrThrow(settings.stopBits, OpenFailure::BadStopBits, settings.port);
    if (stopBits == 1 || stopBits == 2) {
        line.stopBits = static_cast<int>(stopBits);
    }
    return line;
}

std::optional<LineRequest> PortControl::PrepareNetworkOpen(OpenError& failure) {
    network_->Close();
    comm_.StopPort();
    onNetwork_ = portIsOpen_ = false;
    try {
        networkLine_ = LineFromSettings();
        return networkLine_;
    } catch (const ECommsError& error) {
        failure = error.Failure();
        return std::nullopt;
    } catch (const std::exception& error) {
        failure = OtherOpenError(settings.port, error.what());
        return std::nullopt;
    }
}

void PortControl::NetworkOpened(const OpenError& result) {
    onNetwork_ = portIsOpen_ = result.Opened();
}

void PortControl::BeginOpenPort(std::function<void(const OpenError&)> done) {
    if (network_ == nullptr || !HasNetScheme(settings.port)) {
        done(OpenPort());
        return;
    }
    OpenError failure;
    const std::optional<LineRequest> line = PrepareNetworkOpen(failure);
    if (!line) {
        done(failure);
        return;
    }
    network_->BeginOpen(settings.port, *line, [this, done](const OpenError& result) {
        NetworkOpened(result);
        done(result);
    });
}

OpenError PortControl::FollowLineSettings() {
    if (!onNetwork_) {
        return OpenPort();
    }
    try {
        const LineRequest line = LineFromSettings();
        OpenError result = network_->ChangeLine(line);
        if (result.Opened()) {
            networkLine_ = line;
        }
        return result;
    } catch (const ECommsError& error) {
        return error.Failure();
    } catch (const std::exception& error) {
        return OtherOpenError(settings.port, error.what());
    }
}

bool PortControl::LineSetByServer() const {
    return portIsOpen_ && onNetwork_ && network_->LineSetByServer();
}

void PortControl::ClosePort() {
    comm_.StopPort();
    if (network_ != nullptr) {
        network_->Close();
    }
    onNetwork_ = false;
    portIsOpen_ = false;
}

SendResult PortControl::Write(const std::string& text) {
    if (!portIsOpen_) {
        return SendResult::Closed;
    }
    if (text.size() > kMaxBlock) {
        return SendResult::TooLong;
    }
    if (onNetwork_) {
        return text.empty() || network_->Write(text) ? SendResult::Sent : SendResult::Lost;
    }
    if (!text.empty() && !comm_.WriteBlock(text.data(), static_cast<std::uint16_t>(text.size()))) {
        return SendResult::Lost;
    }
    return SendResult::Sent;
}

}  // namespace dtu
