#include "netport/telnet.h"

namespace dtu::telnet {

namespace {

constexpr std::size_t kBaudBytes = 4;

char Byte(unsigned value) {
    return static_cast<char>(static_cast<unsigned char>(value));
}

unsigned char Unsigned(char c) {
    return static_cast<unsigned char>(c);
}

}  // namespace

std::string EscapeIac(std::string_view data) {
    std::string escaped;
    escaped.reserve(data.size());
    for (const char c : data) {
        escaped += c;
        if (Unsigned(c) == kIac) {
            escaped += c;
        }
    }
    return escaped;
}

std::string Negotiation(unsigned char verb, unsigned char option) {
    return {Byte(kIac), Byte(verb), Byte(option)};
}

std::string ComPortRequest(ComPortCommand command, std::uint32_t value) {
    std::string payload;
    if (command == ComPortCommand::SetBaudRate) {
        for (std::size_t i = kBaudBytes; i-- > 0;) {
            payload += Byte((value >> (8 * i)) & 0xFF);
        }
    } else {
        payload += Byte(value & 0xFF);
    }
    return std::string{Byte(kIac), Byte(kSb), Byte(kComPort),
                       Byte(static_cast<unsigned>(command))} +
           EscapeIac(payload) + std::string{Byte(kIac), Byte(kSe)};
}

std::optional<ComPortAnswer> ParseComPortAnswer(std::string_view payload) {
    if (payload.empty()) {
        return std::nullopt;
    }
    const unsigned code = Unsigned(payload[0]);
    const std::string_view value = payload.substr(1);
    if (code < kServerAnswer + 1 ||
        code > kServerAnswer + static_cast<unsigned>(ComPortCommand::SetStopSize)) {
        return std::nullopt;
    }
    const auto command = static_cast<ComPortCommand>(code - kServerAnswer);
    const std::size_t size = command == ComPortCommand::SetBaudRate ? kBaudBytes : 1;
    if (value.size() != size) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (const char c : value) {
        number = (number << 8) | Unsigned(c);
    }
    return ComPortAnswer{command, number};
}

void Decoder::KeepSubByte(char c) {
    if (sub_.payload.size() < kMaxSubnegotiation) {
        sub_.payload += c;
        return;
    }
    sub_ = {};
    state_ = State::Discard;
}

Greeting ClassifyGreeting(std::string_view first) {
    if (first.empty()) {
        return Greeting::Unknown;
    }
    if (Unsigned(first[0]) != kIac) {
        return Greeting::Plain;
    }
    if (first.size() < 2) {
        return Greeting::Unknown;
    }
    const unsigned char verb = Unsigned(first[1]);
    const bool negotiation =
        verb == kWill || verb == kWont || verb == kDo || verb == kDont || verb == kSb;
    return negotiation ? Greeting::Telnet : Greeting::Plain;
}

void Decoder::Feed(std::string_view bytes, std::string& data, std::vector<Control>& controls) {
    for (const char c : bytes) {
        const unsigned char b = Unsigned(c);
        switch (state_) {
            case State::Data:
                if (b == kIac) {
                    state_ = State::Command;
                } else {
                    data += c;
                }
                break;
            case State::Command:
                if (b == kIac) {
                    data += c;  // an escaped 0xFF
                    state_ = State::Data;
                } else if (b == kWill || b == kWont || b == kDo || b == kDont || b == kSb) {
                    verb_ = b;
                    state_ = State::Option;
                } else {
                    state_ = State::Data;  // a command without an option: nothing to do
                }
                break;
            case State::Option:
                if (verb_ == kSb) {
                    sub_ = {kSb, b, {}};
                    state_ = State::Sub;
                } else {
                    controls.push_back({verb_, b, {}});
                    state_ = State::Data;
                }
                break;
            case State::Sub:
                if (b == kIac) {
                    state_ = State::SubIac;
                } else {
                    KeepSubByte(c);
                }
                break;
            case State::SubIac:
                if (b == kIac) {
                    state_ = State::Sub;
                    KeepSubByte(c);
                } else {
                    // IAC SE ends it; any other command also does, as a broken one.
                    controls.push_back(std::move(sub_));
                    sub_ = {};
                    state_ = State::Data;
                }
                break;
            case State::Discard:
                if (b == kIac) {
                    state_ = State::DiscardIac;
                }
                break;
            case State::DiscardIac:
                // IAC IAC is a payload byte; IAC and anything else ends the sub-negotiation.
                state_ = b == kIac ? State::Discard : State::Data;
                break;
        }
    }
}

std::string Options::Opening() {
    std::string opening;
    for (const unsigned char option : {kBinary, kSuppressGoAhead}) {
        opening += SendOnce(kWill, option);
        opening += SendOnce(kDo, option);
    }
    if (comPort_) {
        opening += SendOnce(kWill, kComPort);
    }
    return opening;
}

bool Options::Wanted(unsigned char verb, unsigned char option) const {
    if (option == kBinary || option == kSuppressGoAhead) {
        return true;
    }
    // The com-port option is ours to perform, never the server's.
    return comPort_ && option == kComPort && verb == kDo;
}

std::string Options::Answer(unsigned char verb, unsigned char option) {
    switch (verb) {
        case kDo:
            return SendOnce(Wanted(verb, option) ? kWill : kWont, option);
        case kWill:
            return SendOnce(Wanted(verb, option) ? kDo : kDont, option);
        default:
            return {};  // a refusal needs no answer
    }
}

std::string Options::SendOnce(unsigned char verb, unsigned char option) {
    if (!sent_.insert({verb, option}).second) {
        return {};
    }
    return Negotiation(verb, option);
}

}  // namespace dtu::telnet
