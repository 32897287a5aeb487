#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "form/form_fields.h"
#include "protocol/device_finder.h"
#include "session/find_order.h"
#include "tests/protocol/engine_fakes.h"

namespace dtu {
namespace {

using namespace std::chrono_literals;
using testing::FakePort;
using testing::FakeTimers;
using Ends = std::vector<TryEnd>;

constexpr const char* kAnswer = "\r\n+CIVER:V3.38\r\n\r\nOK\r\n";
constexpr const char* kNoise = "\xff\x1b\x80";

// A device in memory: it hears only at its own speed and answers what it
// hears after `delay`, in the pieces of `pieces` when set.
struct FakeDevice {
    std::string baud = "115200";
    bool dataMode = false;
    bool noiseElsewhere = false;  // answers noise at any other speed
    std::vector<std::string> pieces = {kAnswer};
    std::chrono::milliseconds delay{5};
    std::string refusedBaud;  // the port cannot take this speed
    bool escapeSeen = false;

    std::vector<std::string> Hear(const std::string& speed, const std::string& bytes) {
        if (speed != baud) {
            return {noiseElsewhere ? kNoise : ""};
        }
        if (bytes == kFindEscape) {
            escapeSeen = dataMode;
            return {kFindEscapeAck};
        }
        if (bytes == kFindEscapeAck && escapeSeen) {
            dataMode = false;
            return {"\r\n+ok\r\n"};
        }
        return dataMode ? std::vector<std::string>{""} : pieces;
    }
};

FakeDevice At(const std::string& baud) {
    FakeDevice device;
    device.baud = baud;
    return device;
}

FakeDevice Noisy(const std::string& baud) {
    FakeDevice device = At(baud);
    device.noiseElsewhere = true;
    return device;
}

FakeDevice InDataMode(const std::string& baud) {
    FakeDevice device = At(baud);
    device.dataMode = true;
    return device;
}

FakeDevice Answering(std::vector<std::string> pieces,
                     std::chrono::milliseconds delay = std::chrono::milliseconds(5)) {
    FakeDevice device = At("115200");
    device.pieces = std::move(pieces);
    device.delay = delay;
    return device;
}

FakeDevice OnAPortWithout(const std::string& refused, const std::string& baud) {
    FakeDevice device = At(baud);
    device.refusedBaud = refused;
    return device;
}

// A port that cannot take one speed, as a UART without a divisor for it.
class PickyPort : public FakePort {
public:
    explicit PickyPort(std::string refused) : refused_(std::move(refused)) {}
    OpenError Reopen(const LineChange& change) override {
        if (change.baudRate == refused_) {
            return LineSettingsError(Name(), "baud rate " + refused_ + " asked, port has 9600");
        }
        return FakePort::Reopen(change);
    }

private:
    std::string refused_;
};

struct Search {
    std::optional<FindOutcome> outcome;
    std::chrono::milliseconds took{0};
    std::vector<std::string> written;
};

// Runs `tries` against `device` on a stepped clock until the search ends.
Search RunSearch(const std::vector<FindTry>& tries, FakeDevice device) {
    PickyPort port(device.refusedBaud);
    FakeTimers timers;
    DeviceFinder finder(port, timers);
    Search search;
    finder.Start(tries, nullptr, [&](const FindOutcome& outcome) { search.outcome = outcome; });
    std::size_t heard = 0;
    std::string speed;
    std::vector<std::string> replies;
    std::chrono::milliseconds replyAt{0};
    while (!search.outcome && search.took < 10min) {
        if (!port.reopens.empty()) {
            speed = port.reopens.back().baudRate.value_or(speed);
        }
        if (heard < port.written.size()) {
            replies = device.Hear(speed, port.written[heard++]);
            replyAt = search.took + device.delay;
        }
        if (!replies.empty() && search.took >= replyAt) {
            const std::string piece = replies.front();
            replies.erase(replies.begin());
            replyAt = search.took + device.delay;
            if (!piece.empty()) {
                finder.HandleReceived(piece);
                continue;
            }
        }
        timers.Advance(1ms);
        search.took += 1ms;
    }
    search.written = port.written;
    return search;
}

std::vector<FindTry> Tries(std::initializer_list<const char*> speeds, bool escape = false) {
    std::vector<FindTry> tries;
    for (const char* speed : speeds) {
        tries.push_back({speed, "NONE", "8", "1", escape, true});
    }
    return tries;
}

Ends EndsOf(const FindOutcome& outcome) {
    Ends ends;
    for (const TriedSetting& tried : outcome.tried) {
        ends.push_back(tried.end);
    }
    return ends;
}

struct TryRow {
    const char* name;
    FakeDevice device;
    Ends ends;
    FindEnd end;
    const char* firmware;
};

class TryEnds : public ::testing::TestWithParam<TryRow> {};

TEST_P(TryEnds, EachTryEndsAsItsAnswerSays) {
    const TryRow& row = GetParam();
    const Search search = RunSearch(Tries({"115200", "9600"}), row.device);
    ASSERT_TRUE(search.outcome);
    EXPECT_EQ(search.outcome->end, row.end);
    EXPECT_EQ(EndsOf(*search.outcome), row.ends);
    EXPECT_EQ(search.outcome->firmware, row.firmware);
    for (const std::string& sent : search.written) {
        EXPECT_EQ(sent, kFindProbe);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TryEnds,
    ::testing::Values(TryRow{"AnswerAtTheSecondSpeed",
                             At("9600"),
                             {TryEnd::Silent, TryEnd::Answered},
                             FindEnd::Found,
                             "V3.38"},
                      TryRow{"NoiseEndsATry",
                             Noisy("9600"),
                             {TryEnd::Noise, TryEnd::Answered},
                             FindEnd::Found,
                             "V3.38"},
                      TryRow{"EchoedAndInPieces",
                             Answering({"AT+CIVER?\r\n", "\r\n+CIV", "ER:V3.38\r\n", "\r\nOK\r\n"}),
                             {TryEnd::Answered},
                             FindEnd::Found,
                             "V3.38"},
                      TryRow{"ARefusalStillFindsTheDevice",
                             Answering({"\r\nERROR\r\n"}),
                             {TryEnd::Answered},
                             FindEnd::Found,
                             ""},
                      TryRow{"NulsMakeAnAnswerNoise",
                             Answering({std::string("\r\nO\0K\r\nOK\r\n", 10)}),
                             {TryEnd::Noise, TryEnd::Silent},
                             FindEnd::NotFound,
                             ""},
                      TryRow{"PlainBytesWithoutAFinalLine",
                             Answering({"\r\n+CIVER:V3"}),
                             {TryEnd::Unfinished, TryEnd::Silent},
                             FindEnd::NotFound,
                             ""},
                      TryRow{"ARefusedSpeedIsSkipped",
                             OnAPortWithout("115200", "9600"),
                             {TryEnd::Refused, TryEnd::Answered},
                             FindEnd::Found,
                             "V3.38"},
                      TryRow{"ADataModeDeviceIgnoresTheProbe",
                             InDataMode("9600"),
                             {TryEnd::Silent, TryEnd::Silent},
                             FindEnd::NotFound,
                             ""}),
    [](const ::testing::TestParamInfo<TryRow>& row) { return std::string(row.param.name); });

TEST(DeviceFinder, TheEscapeBringsADataModeDeviceToCommandMode) {
    const Search search = RunSearch(Tries({"115200", "9600"}, true), InDataMode("9600"));
    ASSERT_TRUE(search.outcome);
    EXPECT_EQ(search.outcome->end, FindEnd::Found);
    EXPECT_TRUE(search.outcome->found.escape);
    EXPECT_EQ(search.outcome->found.baudRate, "9600");
    const std::vector<std::string> sent = {"+++", "+++", "a", kFindProbe};
    EXPECT_EQ(search.written, sent);
}

TEST(DeviceFinder, AnAnswerOnASlowLineIsWaitedForWhileItArrives) {
    FakeDevice device = Answering({"\r\n", "+CIVER:V3.38\r\n", "\r\n", "OK\r\n"}, 400ms);
    device.baud = "300";
    const Search search = RunSearch(Tries({"300"}), device);
    ASSERT_TRUE(search.outcome);
    EXPECT_EQ(search.outcome->end, FindEnd::Found);
}

TEST(DeviceFinder, APortThatGoesEndsTheSearch) {
    FakePort port;
    port.failReopen = true;
    FakeTimers timers;
    DeviceFinder finder(port, timers);
    std::optional<FindOutcome> outcome;
    finder.Start(Tries({"115200", "9600"}), nullptr, [&](const FindOutcome& o) { outcome = o; });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->end, FindEnd::PortFailed);
    EXPECT_TRUE(port.written.empty());
}

// The whole order on a stepped clock: the bounds Find promises.
TEST(FindBounds, EachSpeedAt8N1IsFoundInTime) {
    const std::vector<FindTry> order = FindOrder({"", "115200", "NONE", "8", "1"});
    std::chrono::milliseconds slowest{0};
    for (std::size_t i = 0; i < kBaudRates.size(); ++i) {
        const std::string speed = order[i].baudRate;
        const Search search = RunSearch(order, At(speed));
        ASSERT_TRUE(search.outcome) << speed;
        EXPECT_EQ(search.outcome->found.baudRate, speed);
        EXPECT_LE(search.took, i < 3 ? 1s : 15s) << speed;
        slowest = std::max(slowest, search.took);
    }
    EXPECT_LE(slowest, 15s);
}

TEST(FindBounds, AnEmptyLineIsSearchedWholeWithinAMinute) {
    const std::vector<FindTry> order = FindOrder({"", "115200", "NONE", "8", "1"});
    const Search search = RunSearch(order, At("none"));
    ASSERT_TRUE(search.outcome);
    EXPECT_EQ(search.outcome->end, FindEnd::NotFound);
    EXPECT_EQ(search.outcome->tried.size(), order.size());
    EXPECT_LE(search.took, 60s);
}

TEST(FindOrder, GivenFirstThenEverySpeedAndFormatThenTheEscape) {
    const std::vector<FindTry> order = FindOrder({"/dev/ttyS0", "4800", "EVEN", "7", "2"});
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front(), (FindTry{"4800", "EVEN", "7", "2", false, true}));
    const std::vector<std::string> byUse = {"115200", "9600", "57600", "38400", "19200", "4800",
                                            "2400",   "1200", "14400", "600",   "300"};
    for (std::size_t i = 0; i < byUse.size(); ++i) {
        EXPECT_EQ(order[1 + i], (FindTry{byUse[i], "NONE", "8", "1", false, true}));
    }
    std::set<std::string> seen;
    std::size_t escapes = 0;
    bool escapeBegun = false;
    for (const FindTry& setting : order) {
        EXPECT_TRUE(seen.insert(setting.baudRate + setting.parity + setting.dataBits +
                                setting.stopBits + (setting.escape ? "+" : ""))
                        .second);
        EXPECT_NE(std::find(std::begin(kParityItems), std::end(kParityItems), setting.parity),
                  std::end(kParityItems));
        EXPECT_NE(std::find(std::begin(kDataBitsItems), std::end(kDataBitsItems), setting.dataBits),
                  std::end(kDataBitsItems));
        EXPECT_FALSE(escapeBegun && !setting.escape) << "the escape pass comes last";
        escapeBegun = escapeBegun || setting.escape;
        escapes += setting.escape ? 1 : 0;
    }
    // Every speed in every parity and data-bits pair, and the escape at each speed and the given.
    EXPECT_EQ(order.size(), 1 + byUse.size() * 6 + 1 + byUse.size());
    EXPECT_EQ(escapes, 1 + byUse.size());
}

TEST(FindOrder, AServerThatKeepsItsLineIsAskedAsItIs) {
    for (const FindTry& setting : FindOrderAsLineIs({"socket://h:1", "9600", "NONE", "8", "1"})) {
        EXPECT_FALSE(setting.setLine);
    }
}

}  // namespace
}  // namespace dtu
