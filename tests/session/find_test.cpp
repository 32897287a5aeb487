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
using Ends = std::vector<TryEnd>;
using Pieces = std::vector<std::string>;

constexpr const char* kAnswer = "\r\n+CIVER:V3.38\r\n\r\nOK\r\n";

enum class Quirk { None, NoiseElsewhere, DataMode, NoPortAt115200 };

// A device in memory: it hears only at its own speed and answers in `pieces`,
// each `delay` after the last.
struct FakeDevice {
    FakeDevice(std::string speed, Quirk how = Quirk::None, Pieces answer = {kAnswer})
        : baud(std::move(speed)), quirk(how), pieces(std::move(answer)) {}

    Pieces Hear(const std::string& speed, const std::string& bytes) {
        if (speed != baud) {
            return {quirk == Quirk::NoiseElsewhere ? "\xff\x1b\x80" : ""};
        }
        if (bytes == kFindEscape || bytes == kFindEscapeAck) {
            const bool ack = bytes == kFindEscapeAck && escaped;
            escaped = quirk == Quirk::DataMode;
            quirk = ack ? Quirk::None : quirk;
            return {ack ? "\r\n+ok\r\n" : kFindEscapeAck};
        }
        return quirk == Quirk::DataMode ? Pieces{""} : pieces;
    }

    std::string baud;
    Quirk quirk;
    Pieces pieces;
    std::chrono::milliseconds delay{5};
    bool escaped = false;
};

// A port that cannot take 115200 when told so, as a UART without the divisor.
class PickyPort : public testing::FakePort {
public:
    explicit PickyPort(bool no115200) : no115200_(no115200) {}
    OpenError Reopen(const LineChange& change) override {
        if (no115200_ && change.baudRate == "115200") {
            return LineSettingsError(Name(), {LineSetting::BaudRate, LineTrouble::NotKept,
                                              LineHolder::Port, 115200, 9600});
        }
        return FakePort::Reopen(change);
    }

private:
    bool no115200_;
};

struct Search {
    std::optional<FindOutcome> outcome;
    std::chrono::milliseconds took{0};
    Pieces written;
};

// Runs `tries` against `device` on a stepped clock until the search ends.
Search RunSearch(const std::vector<FindTry>& tries, FakeDevice device) {
    PickyPort port(device.quirk == Quirk::NoPortAt115200);
    testing::FakeTimers timers;
    DeviceFinder finder(port, timers);
    Search search;
    finder.Start(tries, nullptr, [&](const FindOutcome& outcome) { search.outcome = outcome; });
    std::size_t heard = 0;
    Pieces replies;
    std::chrono::milliseconds replyAt{0};
    while (!search.outcome && search.took < 10min) {
        if (heard < port.written.size()) {
            replies = device.Hear(*port.reopens.back().baudRate, port.written[heard++]);
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

std::vector<FindTry> Tries(bool escape) {
    return {{"115200", "NONE", "8", "1", escape, true}, {"9600", "NONE", "8", "1", escape, true}};
}

struct TryRow {
    const char* name;
    FakeDevice device;
    Ends ends;
    const char* firmware;  // nullptr: not found
};

class TryEnds : public ::testing::TestWithParam<TryRow> {};

TEST_P(TryEnds, EachTryEndsAsItsAnswerSays) {
    const TryRow& row = GetParam();
    const Search search = RunSearch(Tries(false), row.device);
    ASSERT_TRUE(search.outcome);
    EXPECT_EQ(search.outcome->end, row.firmware ? FindEnd::Found : FindEnd::NotFound);
    Ends ends;
    for (const TriedSetting& tried : search.outcome->tried) {
        ends.push_back(tried.end);
    }
    EXPECT_EQ(ends, row.ends);
    EXPECT_EQ(search.outcome->firmware, row.firmware ? row.firmware : "");
    EXPECT_EQ(search.written, Pieces(search.written.size(), kFindProbe));
}

using enum TryEnd;
INSTANTIATE_TEST_SUITE_P(
    Rows, TryEnds,
    ::testing::Values(
        TryRow{"AnswerAtTheSecondSpeed", {"9600"}, {Silent, Answered}, "V3.38"},
        TryRow{"NoiseEndsATry", {"9600", Quirk::NoiseElsewhere}, {Noise, Answered}, "V3.38"},
        TryRow{"EchoedAndInPieces",
               {"115200", Quirk::None, {"AT+CIVER?\r\n", "\r\n+CIV", "ER:V3.38\r\n", "\r\nOK\r\n"}},
               {Answered},
               "V3.38"},
        TryRow{"ARefusalStillFindsIt", {"115200", Quirk::None, {"\r\nERROR\r\n"}}, {Answered}, ""},
        TryRow{"NulsMakeNoise",
               {"115200", Quirk::None, {std::string("\r\nO\0K\r\nOK\r\n", 10)}},
               {Noise, Silent},
               nullptr},
        TryRow{"NoFinalLine",
               {"115200", Quirk::None, {"\r\n+CIVER:V3"}},
               {Unfinished, Silent},
               nullptr},
        TryRow{"ARefusedSpeedIsSkipped",
               {"9600", Quirk::NoPortAt115200},
               {Refused, Answered},
               "V3.38"},
        TryRow{"DataModeIgnoresTheProbe", {"9600", Quirk::DataMode}, {Silent, Silent}, nullptr}),
    [](const ::testing::TestParamInfo<TryRow>& row) { return std::string(row.param.name); });

TEST(DeviceFinder, TheEscapeBringsADataModeDeviceToCommandMode) {
    const Search search = RunSearch(Tries(true), {"9600", Quirk::DataMode});
    ASSERT_TRUE(search.outcome);
    EXPECT_EQ(search.outcome->end, FindEnd::Found);
    EXPECT_EQ(search.outcome->found, Tries(true)[1]);
    EXPECT_EQ(search.written, (Pieces{"+++", "+++", "a", kFindProbe}));
}

TEST(DeviceFinder, AnAnswerOnASlowLineIsWaitedForWhileItArrives) {
    FakeDevice device{"300", Quirk::None, {"\r\n", "+CIVER:V3.38\r\n", "\r\n", "OK\r\n"}};
    device.delay = 400ms;
    const Search search = RunSearch({{"300", "NONE", "8", "1", false, true}}, device);
    ASSERT_TRUE(search.outcome);
    EXPECT_EQ(search.outcome->end, FindEnd::Found);
}

TEST(DeviceFinder, APortThatGoesEndsTheSearchUnsent) {
    testing::FakePort port;
    port.failReopen = true;
    testing::FakeTimers timers;
    DeviceFinder finder(port, timers);
    std::optional<FindOutcome> outcome;
    finder.Start(Tries(false), nullptr, [&](const FindOutcome& o) { outcome = o; });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->end, FindEnd::PortFailed);
    EXPECT_TRUE(port.written.empty());
}

// The whole order on a stepped clock: the bounds Find promises.
TEST(FindBounds, EachSpeedAt8N1IsFoundInTimeAndAnEmptyLineWithinAMinute) {
    const std::vector<FindTry> order = FindOrder({"", "115200", "NONE", "8", "1"});
    for (std::size_t i = 0; i < kBaudRates.size(); ++i) {
        const Search search = RunSearch(order, {order[i].baudRate});
        ASSERT_TRUE(search.outcome);
        EXPECT_EQ(search.outcome->found, order[i]);
        EXPECT_LE(search.took, i < 3 ? 1s : 15s) << order[i].baudRate;
    }
    const Search empty = RunSearch(order, {"none"});
    ASSERT_TRUE(empty.outcome);
    EXPECT_EQ(empty.outcome->tried.size(), order.size());
    EXPECT_LE(empty.took, 60s);
}

TEST(FindOrder, GivenFirstThenEverySpeedAndFormatThenTheEscape) {
    const std::vector<FindTry> order = FindOrder({"/dev/ttyS0", "4800", "EVEN", "7", "2"});
    ASSERT_EQ(order.size(), 1 + 11 * 6 + 1 + 11u);
    EXPECT_EQ(order.front(), (FindTry{"4800", "EVEN", "7", "2", false, true}));
    const Pieces byUse = {"115200", "9600", "57600", "38400", "19200", "4800",
                          "2400",   "1200", "14400", "600",   "300"};
    std::set<std::string> seen;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const FindTry& at = order[i];
        if (i >= 1 && i <= byUse.size()) {
            EXPECT_EQ(at, (FindTry{byUse[i - 1], "NONE", "8", "1", false, true}));
        }
        EXPECT_TRUE(seen.insert(at.baudRate + at.parity + at.dataBits + at.stopBits +
                                (at.escape ? "+" : ""))
                        .second);
        EXPECT_TRUE(std::ranges::count(kParityItems, at.parity) == 1 &&
                    std::ranges::count(kDataBitsItems, at.dataBits) == 1);
        // The escape pass comes last.
        EXPECT_EQ(at.escape, i >= order.size() - 12);
    }
    for (const FindTry& asIs : FindOrderAsLineIs({"socket://h:1", "9600", "NONE", "8", "1"})) {
        EXPECT_FALSE(asIs.setLine);
    }
}

}  // namespace
}  // namespace dtu
