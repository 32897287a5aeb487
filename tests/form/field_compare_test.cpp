#include "form/field_compare.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/session/worked_example_model.h"

namespace dtu {
namespace {

using Differences = std::vector<FieldDifference>;

std::set<std::string> ReportedBut(const std::string& unreported = "") {
    std::set<std::string> reported;
    for (const DeviceFieldRow& row : DeviceFields()) {
        reported.insert(row.reply);
    }
    reported.erase(unreported);
    return reported;
}

// A value as a control takes it: a text, an item index or "1"/"0" for a tick.
void SetShown(FormModel& form, Field field, const std::string& value) {
    switch (RowOf(field).kind) {
        case FieldKind::Tick:
            return form.SetTick(field, value == "1");
        case FieldKind::Item:
            return form.SetItem(field, std::stoi(value));
        case FieldKind::Text:
        case FieldKind::Memo:
            return form.SetText(field, value);
    }
}

// The worked example with `field` set in the profile and in the device; the
// difference found, none when `device` is null.
struct CompareCase {
    Field field;
    const char* inProfile;
    const char* inDevice;
    const char* device;
    const char* form;
    const char* unreported = "";
};

const CompareCase kCompareCases[] = {
    {Field::Socket1Host, "host 1", "host1", nullptr, nullptr},  // replies come without blanks
    {Field::Socket1Host, "elsewhere.example", "host1", "host1", "elsewhere.example"},
    {Field::HeartbeatPeriod, "050", "50", nullptr, nullptr},
    {Field::PackingTime, "20", "10", "10", "20"},
    // A tick of the hex box turns the device's packet into hexadecimal text.
    {Field::HeartbeatPacketHex, "0", "1", nullptr, nullptr},
    {Field::RegistrationPacket, "LOGIN:1002", "LOGIN:1001", "4C4F47494E3A31303031",
     "4C4F47494E3A31303032"},
    {Field::ComAtEnable, "1", "0", "0", "1"},
    {Field::Socket1Protocol, "1", "0", "TCP", "UDP"},
    {Field::WorkMode, "0", "2", "2", "0"},  // a list without texts, by its index
    {Field::Apn, "\"CMNET\",\"\",\"\"", "\"CMNET\"", nullptr, nullptr},
    {Field::Apn, "\"UNINET\"", "\"CMNET\"", "\"CMNET\"", "\"UNINET\""},
    {Field::HttpHost, "web", "", nullptr, nullptr},  // not sent in this mode
    {Field::CloudPassword, "secret", "", nullptr, nullptr},
    {Field::BaudRate, "10", "10", "", "115200", "CIPR"},
};

TEST(FieldCompare, FindsEachKindOfDifferenceByItsRule) {
    for (const CompareCase& c : kCompareCases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.field)) + " " + c.inProfile);
        FormModel profile;
        LoadWorkedExample(profile);
        profile.SetTick(Field::CloudEnable, true);
        profile.SetText(Field::CloudNumber, "7");
        FormModel device = profile;
        SetShown(profile, c.field, c.inProfile);
        SetShown(device, c.field, c.inDevice);
        const Field shown = c.field == Field::HeartbeatPacketHex ? Field::HeartbeatPacket : c.field;
        const Differences expected =
            c.device == nullptr ? Differences{}
                                : Differences{{shown, c.device, c.form, *c.unreported != '\0'}};
        EXPECT_EQ(CompareWithDevice(profile, device, ReportedBut(c.unreported), true), expected);
    }
}

}  // namespace
}  // namespace dtu
