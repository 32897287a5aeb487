#include "form/device_map.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "form/reply_apply.h"
#include "form/write_lines.h"
#include "protocol/reply_names.h"
#include "protocol/reply_parser.h"
#include "tests/session/worked_example_model.h"
#include "tools/dtusim/sim_device.h"

namespace dtu {
namespace {

// The worked example with a value of its own in every field write all may send.
FormModel DistinctForm(int workMode, int view) {
    FormModel form;
    LoadWorkedExample(form);
    const std::pair<Field, const char*> texts[] = {
        {Field::HeartbeatPeriod, "51"},  {Field::PackingTime, "12"},
        {Field::RestartTime, "1801"},    {Field::Socket2Host, "h2"},
        {Field::Socket2Port, "2"},       {Field::Socket3Host, "h3"},
        {Field::Socket3Port, "3"},       {Field::Socket4Host, "h4"},
        {Field::Socket4Port, "4"},       {Field::CloudNumber, "777"},
        {Field::ReconnectInterval, "9"}, {Field::HttpHost, "web"},
        {Field::HttpPort, "80"},         {Field::HttpUrl, "/u"},
        {Field::HttpHeaders, "H: 1"},    {Field::SmsModePhone, "+8613800138000"},
    };
    for (const auto& [field, text] : texts) {
        form.SetText(field, text);
    }
    form.SetTick(Field::Socket3Enable, true);
    form.SetItem(Field::Socket2Protocol, 1);
    form.SetItem(Field::HeartbeatTarget, 1);
    form.SetItem(Field::RegistrationMode, 1);
    form.SetTick(Field::ComAtEnable, true);
    form.SetTick(Field::CloudEnable, true);
    form.SetTick(Field::CacheEnable, true);
    form.SetItem(Field::HttpMethod, 1);
    form.SetItem(Field::BaudRate, 9);
    form.SetItem(Field::Parity, 2);
    form.SetItem(Field::WorkMode, workMode);
    form.SetView(view);
    return form;
}

std::vector<std::string> LinesOf(const OrderList& orders) {
    return orders.Lines();
}

// Sends `lines` to the simulated device; every value line of its answers goes
// into `read`, and the reply keys into `reported`.
void Exchange(sim::SimDevice& device, const std::vector<std::string>& lines, FormModel& read,
              std::set<std::string>& reported) {
    for (const std::string& line : lines) {
        for (const sim::Burst& burst : device.Receive(line).bursts) {
            std::size_t start = 0;
            for (std::size_t end; (end = burst.bytes.find("\r\n", start)) != std::string::npos;
                 start = end + 2) {
                if (const auto value = ParseReplyLine(burst.bytes.substr(start, end - start))) {
                    ApplyReply(read, *value);
                    reported.insert(ReplyKey(*value));
                }
            }
        }
    }
}

// Write all of every mode and view to the simulated device, then read all:
// each value the map says was sent is in its line and comes back through the
// reply the map names; each value the compact view hides comes back as the
// map's compact value.
TEST(DeviceMap, WriteReadAndVerifyWalkTheSameMap) {
    for (const int mode : {0, 1, 2, 3, 4}) {
        for (const int view : {kFullView, kCompactView}) {
            SCOPED_TRACE(std::to_string(mode) + "/" + std::to_string(view));
            const FormModel form = DistinctForm(mode, view);
            ASSERT_EQ(CheckBeforeWrite(form), std::vector<ValueProblem>{});
            OrderList writes;
            BuildWriteAllOrders(form, writes);
            InsertFamilySetLines(form, writes);
            sim::SimDevice device;
            FormModel read;
            std::set<std::string> reported;
            Exchange(device, LinesOf(writes), read, reported);

            OrderList reads;
            BuildReadAllOrders(reads);
            AppendFamilyQueries(form, reads);
            read = FormModel();
            reported.clear();
            Exchange(device, LinesOf(reads), read, reported);

            FormModel asFull = form;
            asFull.SetView(kFullView);
            for (const DeviceFieldRow& row : DeviceFields()) {
                const bool sent = IsSent(row, form, true);
                const bool hidden = row.compactValue != nullptr && !sent &&
                                    mode == kDataTransmissionMode && IsSent(row, asFull, true);
                if ((!sent && !hidden) || *row.reply == '\0') {
                    continue;
                }
                SCOPED_TRACE(static_cast<int>(row.field));
                const std::string wanted = sent ? SentValue(row, form) : row.compactValue;
                bool inLine = false;
                for (const std::string& line : LinesOf(writes)) {
                    inLine =
                        inLine || (line.starts_with("AT+" + std::string(CmdName(row.command))) &&
                                   line.find(wanted) != std::string::npos);
                }
                EXPECT_TRUE(inLine || row.compare == Compare::Tick || row.compare == Compare::Item)
                    << wanted;
                ASSERT_TRUE(reported.contains(row.reply));
                EXPECT_TRUE(SameValue(row.compare, wanted, SentValue(row, read)))
                    << wanted << " read back " << SentValue(row, read);
            }
        }
    }
}

TEST(DeviceMap, EachRuleLetsThroughWhatItsLineCarries) {
    const struct {
        ValueRule rule;
        const char* value;
        bool kept;
    } rows[] = {
        {ValueRule::Number, "50", true},
        {ValueRule::Number, "", false},
        {ValueRule::Number, "1234567890", false},
        {ValueRule::Number, "5 0", false},
        {ValueRule::SpacedNumber, " 1 0 ", true},
        {ValueRule::Port, "", true},
        {ValueRule::Port, "65535", true},
        {ValueRule::Port, "70000", false},
        {ValueRule::Phone, "13800138000", true},
        {ValueRule::Phone, "+861380013800012345678", false},
        {ValueRule::Phone, "+8613800138000", true},
        {ValueRule::Phone, "10086-1", false},
        {ValueRule::QuotedText, "host.example", true},
        {ValueRule::QuotedText, "x\",1", false},
        {ValueRule::QuotedText, "x\r\nAT+CIRELOAD", false},
        {ValueRule::Text, "Accept: */*", true},
        {ValueRule::Text, "a\r\nAT+CIRELOAD", false},
        {ValueRule::Text, "a\tb", false},
        {ValueRule::Apn, "\"CMNET\",\"\",\"\"", true},
        {ValueRule::Apn, "\"internet\", \"user\"", true},
        {ValueRule::Apn, "\"a\"b\"", false},
        {ValueRule::Apn, "CMNET", false},
        {ValueRule::Apn, "\"a\",\"b\",\"c\",\"d\"", false},
        {ValueRule::HexPacket, "4c4F47", true},
        {ValueRule::HexPacket, "4C4", false},
        {ValueRule::HexPacket, "LOGIN:1001", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Keeps(row.rule, row.value), row.kept) << row.value;
    }
    EXPECT_FALSE(Keeps(ValueRule::Text, std::string("a\0b", 3)));
}

TEST(DeviceMap, ChecksOnlyWhatTheModeAndViewSend) {
    FormModel form;
    LoadWorkedExample(form);
    form.SetText(Field::RestartTime, "");
    form.SetText(Field::SmsModePhone, "x");
    form.SetText(Field::Socket2Host, "a\"b");
    // A ticked hex box sends the packet as it stands.
    form.SetTick(Field::RegistrationPacketHex, true);
    form.SetText(Field::RegistrationPacket, "LOGIN:1001");
    EXPECT_EQ(CheckBeforeWrite(form), (std::vector<ValueProblem>{
                                          {Field::Socket2Host, ValueRule::QuotedText},
                                          {Field::RestartTime, ValueRule::Number},
                                          {Field::RegistrationPacket, ValueRule::HexPacket},
                                      }));
    form.SetText(Field::RegistrationPacket, "4C4F47");
    form.SetView(kCompactView);
    EXPECT_EQ(CheckBeforeWrite(form), std::vector<ValueProblem>{});
    form.SetItem(Field::WorkMode, kSmsTransmissionMode);
    form.SetItem(Field::BaudRate, -1);
    EXPECT_EQ(CheckBeforeWrite(form), (std::vector<ValueProblem>{
                                          {Field::BaudRate, ValueRule::Choice},
                                          {Field::SmsModePhone, ValueRule::Phone},
                                      }));
}

TEST(DeviceMap, CompactViewNamesTheHiddenValuesItWouldChange) {
    FormModel lastRead = DistinctForm(0, kFullView);
    FormModel form = lastRead;
    form.SetView(kCompactView);
    std::set<std::string> reported;
    for (const DeviceFieldRow& row : DeviceFields()) {
        reported.insert(row.reply);
    }
    std::vector<Field> changed;
    for (const HiddenChange& change : HiddenChanges(form, lastRead, reported, true)) {
        changed.push_back(change.field);
    }
    EXPECT_EQ(changed, (std::vector<Field>{
                           Field::RestartTime, Field::HeartbeatTarget, Field::RegistrationMode,
                           Field::Socket2Protocol, Field::Socket2Host, Field::Socket2Port,
                           Field::Socket3Host, Field::Socket3Port, Field::Socket3Enable,
                           Field::Socket4Host, Field::Socket4Port, Field::ComAtEnable,
                           Field::CloudEnable, Field::CacheEnable, Field::ReconnectInterval}));
    EXPECT_EQ(HiddenChanges(form, lastRead, {}, true), std::vector<HiddenChange>{});
    form.SetView(kFullView);
    EXPECT_EQ(HiddenChanges(form, lastRead, reported, true), std::vector<HiddenChange>{});
}

// A field that no line carries is never written; two fields in one slot
// overwrite each other; a slot past the line's arguments is lost on reading.
TEST(DeviceMap, EveryDeviceValueHasASlotOfItsOwnInOneLine) {
    std::set<std::pair<const DeviceLine*, int>> taken;
    for (const DeviceFieldRow& row : DeviceFields()) {
        SCOPED_TRACE(static_cast<int>(row.field));
        std::vector<const DeviceLine*> lines;
        for (const DeviceLine& line : DeviceLines()) {
            if (IsFieldOf(row, line)) {
                lines.push_back(&line);
            }
        }
        ASSERT_EQ(lines.size(), 1U);
        EXPECT_TRUE(taken.insert({lines[0], row.slot}).second);
        const std::string_view format = lines[0]->format == nullptr ? "" : lines[0]->format;
        if (lines[0]->use == LineUse::Plain && lines[0]->shape == ReplyShape::Items) {
            EXPECT_NE(format.find("{" + std::to_string(row.slot) + "}"), std::string_view::npos);
        }
    }
    std::size_t deviceRows = 0;
    for (const FieldRow& row : FormFields()) {
        deviceRows += IsDeviceValue(row) ? 1 : 0;
    }
    EXPECT_EQ(DeviceFields().size(), deviceRows);
}

}  // namespace
}  // namespace dtu
