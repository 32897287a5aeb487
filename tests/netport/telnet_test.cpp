#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "netport/telnet.h"

namespace dtu::telnet {
namespace {

using Controls = std::vector<Control>;

TEST(TelnetTest, EscapingDoublesEveryFF) {
    struct Row {
        std::string data;
        std::string escaped;
    };
    const Row rows[] = {
        {"AT+CIVER?\r\n", "AT+CIVER?\r\n"},
        {"\xFF", "\xFF\xFF"},
        {"a\xFF\xFF"
         "b",
         "a\xFF\xFF\xFF\xFF"
         "b"},
        {std::string("\0\xFE", 2), std::string("\0\xFE", 2)},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EscapeIac(row.data), row.escaped);
        std::string data;
        Controls controls;
        Decoder().Feed(row.escaped, data, controls);
        EXPECT_EQ(data, row.data);
        EXPECT_TRUE(controls.empty());
    }
}

TEST(TelnetTest, DecoderSeparatesDataFromControlsAcrossReadBoundaries) {
    struct Row {
        const char* name;
        std::vector<std::string> reads;
        std::string data;
        Controls controls;
    };
    const Row rows[] = {
        {"negotiation between data", {"OK\xFF\xFD\x2C\r\n"}, "OK\r\n", {{kDo, kComPort, {}}}},
        {"command cut after IAC",
         {"a\xFF",
          "\xFB\x03"
          "b"},
         "ab",
         {{kWill, kSuppressGoAhead, {}}}},
        {"escaped FF cut in two", {"x\xFF", "\xFFy"}, "x\xFFy", {}},
        {"com-port answer with an escaped FF",
         {std::string("\xFF\xFA\x2C\x65\x00\x00\xFF\xFF\xFF", 9),
          "\xF0"
          "z"},
         "z",
         {{kSb, kComPort, std::string("\x65\x00\x00\xFF", 4)}}},
        {"sub-negotiation at its bound kept",
         {"\xFF\xFA\x2C" + std::string(kMaxSubnegotiation, 'p'), "\xFF\xF0"},
         "",
         {{kSb, kComPort, std::string(kMaxSubnegotiation, 'p')}}},
        // Escaped FFs count too: a stream of them is no way round the bound.
        {"sub-negotiation past its bound dropped whole",
         {"\xFF\xFA\x2C" + std::string(2 * kMaxSubnegotiation + 2, '\xFF'), "\xFF\xF0z"},
         "z",
         {}},
        {"no-option command dropped",
         {"a\xFF\xF1"
          "b"},
         "ab",
         {}},
    };
    for (const Row& row : rows) {
        Decoder decoder;
        std::string data;
        Controls controls;
        for (const std::string& read : row.reads) {
            decoder.Feed(read, data, controls);
        }
        EXPECT_EQ(data, row.data) << row.name;
        EXPECT_EQ(controls, row.controls) << row.name;
    }
}

TEST(TelnetTest, ComPortRequestsAndAnswersCarryTheirValues) {
    struct Row {
        ComPortCommand command;
        std::uint32_t value;
        std::string request;  // between IAC SB COM-PORT and IAC SE
    };
    const Row rows[] = {
        {ComPortCommand::SetBaudRate, 115200, std::string("\x01\x00\x01\xC2\x00", 5)},
        {ComPortCommand::SetBaudRate, 0xFF00FF, std::string("\x01\x00\xFF\xFF\x00\xFF\xFF", 7)},
        {ComPortCommand::SetDataSize, 7, "\x02\x07"},
        {ComPortCommand::SetParity, 3, "\x03\x03"},
        {ComPortCommand::SetStopSize, 2, "\x04\x02"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ComPortRequest(row.command, row.value),
                  "\xFF\xFA\x2C" + row.request + "\xFF\xF0");
        // The server's answer: the same bytes with the command plus 100.
        std::string data;
        Controls controls;
        std::string answer = ComPortRequest(row.command, row.value);
        answer[3] = static_cast<char>(answer[3] + kServerAnswer);
        Decoder().Feed(answer, data, controls);
        ASSERT_EQ(controls.size(), 1u);
        EXPECT_EQ(ParseComPortAnswer(controls[0].payload), (ComPortAnswer{row.command, row.value}));
    }
}

TEST(TelnetTest, PayloadsThatAreNoSettingAnswerAreIgnored) {
    for (const std::string& payload :
         {std::string(), std::string("\x01\x00\x01\xC2\x00", 5), std::string("\x65\x00\x01", 3),
          std::string("\x66\x07\x07", 3), std::string("\x69\x01", 2), std::string("\x64\x01", 2)}) {
        EXPECT_FALSE(ParseComPortAnswer(payload).has_value());
    }
}

TEST(TelnetTest, NegotiationAgreesToWhatTheLinkNeedsAndAnswersOnce) {
    struct Row {
        bool comPort;
        unsigned char verb;
        unsigned char option;
        std::string answer;
    };
    const Row rows[] = {
        {true, kDo, kComPort, ""},  // offered in the opening already
        {false, kDo, kComPort, "\xFF\xFC\x2C"},
        {true, kWill, kComPort, "\xFF\xFE\x2C"},
        {true, kDo, kBinary, ""},
        {true, kWill, 1, "\xFF\xFE\x01"},  // echo: refused
        {true, kDo, 24, "\xFF\xFC\x18"},   // terminal type: refused
        {true, kWont, kBinary, ""},
        {true, kDont, 1, ""},
    };
    for (const Row& row : rows) {
        Options options(row.comPort);
        const std::string opening = options.Opening();
        EXPECT_EQ(opening.find("\xFF\xFB\x2C") != std::string::npos, row.comPort);
        EXPECT_EQ(options.Answer(row.verb, row.option), row.answer);
        EXPECT_EQ(options.Answer(row.verb, row.option), "");  // never twice
    }
}

}  // namespace
}  // namespace dtu::telnet
