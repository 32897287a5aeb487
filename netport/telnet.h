#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dtu::telnet {

// Telnet commands and the options this client speaks.
inline constexpr unsigned char kIac = 255;
inline constexpr unsigned char kDont = 254;
inline constexpr unsigned char kDo = 253;
inline constexpr unsigned char kWont = 252;
inline constexpr unsigned char kWill = 251;
inline constexpr unsigned char kSb = 250;
inline constexpr unsigned char kSe = 240;
inline constexpr unsigned char kBinary = 0;
inline constexpr unsigned char kSuppressGoAhead = 3;
inline constexpr unsigned char kComPort = 44;

// The longest sub-negotiation payload kept: a com-port answer takes five bytes.
// A longer one is dropped whole, so a server that never ends one holds no memory.
inline constexpr std::size_t kMaxSubnegotiation = 4096;

// Com-port option commands of the client; the server answers each with the
// same command plus kServerAnswer and the value it now has.
enum class ComPortCommand : unsigned char {
    SetBaudRate = 1,  // four bytes, most significant first
    SetDataSize = 2,  // 5 to 8
    SetParity = 3,    // 1 none, 2 odd, 3 even, 4 mark, 5 space
    SetStopSize = 4,  // 1 one, 2 two, 3 one and a half
};
inline constexpr unsigned char kServerAnswer = 100;

// `data` with every 0xFF doubled, as the bytes of a telnet stream.
std::string EscapeIac(std::string_view data);

// IAC `verb` `option`.
std::string Negotiation(unsigned char verb, unsigned char option);

// IAC SB COM-PORT-OPTION `command` value IAC SE, its 0xFF bytes doubled.
std::string ComPortRequest(ComPortCommand command, std::uint32_t value);

// A server's answer to one com-port command.
struct ComPortAnswer {
    ComPortCommand command;
    std::uint32_t value;

    bool operator==(const ComPortAnswer&) const = default;
};
// The answer a com-port subnegotiation's payload (after the option byte)
// carries; nothing for a payload that is not an answer to a setting.
std::optional<ComPortAnswer> ParseComPortAnswer(std::string_view payload);

// What the first bytes a server sends say about it.
enum class Greeting {
    Unknown,  // too few bytes yet
    Telnet,   // IAC and a negotiation verb
    Plain,    // anything else: data of a plain TCP server
};
Greeting ClassifyGreeting(std::string_view first);

// One control message out of the stream.
struct Control {
    unsigned char verb = 0;  // kWill, kWont, kDo, kDont or kSb
    unsigned char option = 0;
    std::string payload;  // kSb: the bytes after the option, unescaped

    bool operator==(const Control&) const = default;
};

// Splits a telnet stream into data and control messages. Keeps its state
// between blocks, so a command cut by a read boundary is whole in the next.
class Decoder {
public:
    // Appends the data bytes of `bytes` to `data` and its control messages to
    // `controls`.
    void Feed(std::string_view bytes, std::string& data, std::vector<Control>& controls);

private:
    enum class State { Data, Command, Option, Sub, SubIac, Discard, DiscardIac };
    // A payload byte of the sub-negotiation, or the switch to dropping it once too long.
    void KeepSubByte(char c);

    State state_ = State::Data;
    unsigned char verb_ = 0;
    Control sub_;
};

// The client's side of option negotiation: binary transmission and
// suppress-go-ahead both ways, and the com-port option on our side when the
// line settings travel; every other option refused. Each answer is given once,
// so two sides that disagree do not loop.
class Options {
public:
    explicit Options(bool comPort) : comPort_(comPort) {}

    // What the client offers and asks for when it connects.
    std::string Opening();
    // The answer owed to the server's `verb` `option`; empty when none.
    std::string Answer(unsigned char verb, unsigned char option);

private:
    bool Wanted(unsigned char verb, unsigned char option) const;
    std::string SendOnce(unsigned char verb, unsigned char option);

    bool comPort_;
    std::set<std::pair<unsigned char, unsigned char>> sent_;
};

}  // namespace dtu::telnet
