#include "form/field_compare.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tests/session/worked_example_model.h"

namespace dtu {
namespace {

std::set<std::string> CompareAllReported() {
    std::set<std::string> reported;
    for (const DeviceFieldRow& row : DeviceFields()) {
        reported.insert(row.reply);
    }
    return reported;
}

// One field set apart in the profile and in the device's read; the
// comparison finds that difference, or none.
struct CompareCase {
    const char* name;
    std::function<void(FormModel&)> profile;
    std::function<void(FormModel&)> device;
    std::optional<FieldDifference> found;
};

const CompareCase kCompareCases[] = {
    {"text without its blanks", [](FormModel& f) { f.SetText(Field::Socket1Host, "host 1"); },
     [](FormModel& f) { f.SetText(Field::Socket1Host, "host1"); }, std::nullopt},
    {"text changed", [](FormModel& f) { f.SetText(Field::Socket1Host, "elsewhere.example"); },
     [](FormModel&) {}, FieldDifference{Field::Socket1Host, "host1", "elsewhere.example"}},
    {"number with leading zeros", [](FormModel& f) { f.SetText(Field::HeartbeatPeriod, "050"); },
     [](FormModel&) {}, std::nullopt},
    {"number changed", [](FormModel& f) { f.SetText(Field::PackingTime, "20"); }, [](FormModel&) {},
     FieldDifference{Field::PackingTime, "10", "20"}},
    {"packet as plain text, read in hex of another case", [](FormModel&) {},
     [](FormModel& f) {
         f.SetTick(Field::HeartbeatPacketHex, true);
         f.SetText(Field::HeartbeatPacket, "4c4f47");
     },
     std::nullopt},
    {"packet changed, compared in hex",
     [](FormModel& f) { f.SetText(Field::RegistrationPacket, "LOGIN:1002"); }, [](FormModel&) {},
     FieldDifference{Field::RegistrationPacket, "4C4F47494E3A31303031", "4C4F47494E3A31303032"}},
    {"tick changed", [](FormModel& f) { f.SetTick(Field::ComAtEnable, true); }, [](FormModel&) {},
     FieldDifference{Field::ComAtEnable, "0", "1"}},
    {"list item by its text", [](FormModel& f) { f.SetItem(Field::Socket1Protocol, 1); },
     [](FormModel&) {}, FieldDifference{Field::Socket1Protocol, "TCP", "UDP"}},
    {"list item without texts by its index", [](FormModel& f) { f.SetItem(Field::WorkMode, 0); },
     [](FormModel& f) { f.SetItem(Field::WorkMode, 2); },
     FieldDifference{Field::WorkMode, "2", "0"}},
    {"APN with its empty items left out",
     [](FormModel& f) { f.SetText(Field::Apn, "\"CMNET\",\"\",\"\""); },
     [](FormModel& f) { f.SetText(Field::Apn, "\"CMNET\""); }, std::nullopt},
    {"APN changed", [](FormModel& f) { f.ChooseApn(1); }, [](FormModel&) {},
     FieldDifference{Field::Apn, "\"CMNET\",\"\",\"\"", "\"UNINET\",\"\",\"\""}},
    {"a field the mode does not send", [](FormModel& f) { f.SetText(Field::HttpHost, "web"); },
     [](FormModel&) {}, std::nullopt},
};

TEST(FieldCompare, FindsEachKindOfDifferenceByItsRule) {
    for (const CompareCase& c : kCompareCases) {
        SCOPED_TRACE(c.name);
        FormModel profile;
        LoadWorkedExample(profile);
        FormModel device = profile;
        c.profile(profile);
        c.device(device);
        const std::vector<FieldDifference> found =
            CompareWithDevice(profile, device, CompareAllReported(), true);
        EXPECT_EQ(found, c.found ? std::vector<FieldDifference>{*c.found}
                                 : std::vector<FieldDifference>{});
    }
}

TEST(FieldCompare, NamesWhatTheReadDidNotReport) {
    FormModel profile;
    LoadWorkedExample(profile);
    std::set<std::string> reported = CompareAllReported();
    reported.erase("CIPR");
    const std::vector<FieldDifference> found = CompareWithDevice(profile, profile, reported, true);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (FieldDifference{Field::BaudRate, "", "115200", true}));
}

TEST(FieldCompare, CompactViewComparesTheValuesItWritesInPlaceOfHiddenOnes) {
    FormModel device;
    LoadWorkedExample(device);
    // The idle sockets as the compact view writes them, but for one host.
    for (const auto& [host, port] : {std::pair{Field::Socket2Host, Field::Socket2Port},
                                     {Field::Socket3Host, Field::Socket3Port},
                                     {Field::Socket4Host, Field::Socket4Port}}) {
        device.SetText(host, kDefaultServerHost);
        device.SetText(port, "2317");
    }
    device.SetText(Field::Socket2Host, "h2");
    device.SetTick(Field::CloudEnable, true);
    FormModel profile = device;
    profile.SetView(kCompactView);
    const std::vector<FieldDifference> found =
        CompareWithDevice(profile, device, CompareAllReported(), true);
    EXPECT_EQ(found, (std::vector<FieldDifference>{
                         {Field::Socket2Host, "h2", kDefaultServerHost},
                         {Field::CloudEnable, "1", "0"},
                         {Field::ReconnectInterval, "10", "5"},
                     }));
    // The first firmware family takes no cloud or cache line.
    EXPECT_EQ(CompareWithDevice(profile, device, CompareAllReported(), false).size(), 1u);
}

TEST(FieldCompare, TheCloudOnlyWithItsLinesAndNeverItsPassword) {
    FormModel profile;
    LoadWorkedExample(profile);
    profile.SetTick(Field::CloudEnable, true);
    profile.SetText(Field::CloudNumber, "777");
    profile.SetText(Field::CloudPassword, "secret");
    FormModel device;
    LoadWorkedExample(device);
    std::vector<Field> fields;
    for (const FieldDifference& d :
         CompareWithDevice(profile, device, CompareAllReported(), true)) {
        fields.push_back(d.field);
    }
    EXPECT_EQ(fields, (std::vector<Field>{Field::CloudEnable, Field::CloudNumber}));
    EXPECT_EQ(CompareWithDevice(profile, device, CompareAllReported(), false),
              std::vector<FieldDifference>{});
}

}  // namespace
}  // namespace dtu
