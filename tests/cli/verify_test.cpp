#include "cli/verify.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/session/worked_example_model.h"

namespace dtu::cli {
namespace {

using Keys = std::vector<std::string>;

// The worked example as a read all gives it back: the packets in hexadecimal
// with their boxes ticked, numbers and the APN as the device writes them.
FormModel ReadBack(const FormModel& written) {
    FormModel form = written;
    form.SetTick(Field::HeartbeatPacketHex, true);
    form.SetText(Field::HeartbeatPacket, "4c4f47");
    form.SetTick(Field::RegistrationPacketHex, true);
    form.SetText(Field::RegistrationPacket, "4C4F47494E3A31303031");
    form.SetText(Field::HeartbeatPeriod, "050");
    form.SetText(Field::ReconnectInterval, "10");
    form.SetText(Field::Apn, "CMNET");
    return form;
}

// A read that took every reply.
const std::set<std::string> kAllReported = {
    "CIMOD",      "CSTT",       "ICF",        "CIPR",       "CIPCFG",  "CIPPACK,0", "CIPPACK,1",
    "CIPSTART,1", "CIPSTART,2", "CIPSTART,3", "CIPSTART,4", "CICOMAT", "CINETAT",   "CLOUDEN",
    "CLOUDID",    "CACHE",      "RESOC",      "HTPURL",     "HTPHD",   "HTPTP",     "CIPNUM"};

Keys KeysOf(const std::vector<Mismatch>& mismatches) {
    Keys keys;
    for (const Mismatch& mismatch : mismatches) {
        keys.push_back(mismatch.key);
    }
    return keys;
}

TEST(Verify, ComparesWhatWriteAllSentForTheModeAndView) {
    struct Row {
        const char* name;
        int workMode;
        int view;
        bool familyTwo;
        void (*change)(FormModel& found);
        Keys mismatched;
    };
    const Row rows[] = {
        {"same_values_other_spelling", 0, kFullView, true, [](FormModel&) {}, {}},
        {"full_view_sockets",
         0,
         kFullView,
         false,
         [](FormModel& f) {
             f.SetText(Field::Socket3Host, "x");
             f.SetTick(Field::Socket1Enable, false);
             f.SetItem(Field::RegistrationMode, 1);
         },
         {"DTM/LoginMode", "DTM/Enable1", "DTM/IP3"}},
        {"compact_view_sends_less",
         0,
         kCompactView,
         true,
         [](FormModel& f) {
             f.SetText(Field::Socket3Host, "x");
             f.SetTick(Field::Socket1Enable, false);
             f.SetText(Field::RestartTime, "1");
             f.SetTick(Field::NetAtEnable, true);
             f.SetText(Field::ReconnectInterval, "5");
             f.SetText(Field::Socket1Port, "1");
         },
         {"DTM/Port1"}},
        {"family_two_adds_cloud_and_cache",
         0,
         kFullView,
         true,
         [](FormModel& f) {
             f.SetText(Field::ReconnectInterval, "11");
             f.SetTick(Field::CacheEnable, true);
         },
         {"DTM/CacheEnable", "DTM/Resoc"}},
        {"older_firmware_has_none",
         0,
         kFullView,
         false,
         [](FormModel& f) { f.SetText(Field::ReconnectInterval, "11"); },
         {}},
        {"http_mode",
         3,
         kFullView,
         true,
         [](FormModel& f) {
             f.SetText(Field::HttpHost, "y");
             f.SetText(Field::HttpUrl, "/z");
             f.SetText(Field::Socket1Host, "ignored");
         },
         {"HCM/IP", "HCM/HTPURL"}},
        {"sms_mode_and_tail",
         4,
         kFullView,
         true,
         [](FormModel& f) {
             f.SetText(Field::SmsModePhone, "1");
             f.SetItem(Field::WorkMode, 0);
             f.SetItem(Field::BaudRate, 9);
             f.SetText(Field::Apn, "\"CMNET\",\"u\",\"\"");
         },
         {"STM/TelNo", "COMMON/WorkMode", "COMMON/APN Str", "COMMON/BaudRate"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FormModel written;
        LoadWorkedExample(written);
        written.SetItem(Field::WorkMode, row.workMode);
        written.SetView(row.view);
        FormModel found = ReadBack(written);
        row.change(found);
        EXPECT_EQ(KeysOf(CompareWritten(written, found, kAllReported, row.familyTwo)),
                  row.mismatched);
    }
}

TEST(Verify, ShowsValuesAsTheyWentOut) {
    FormModel written;
    LoadWorkedExample(written);
    FormModel found = ReadBack(written);
    found.SetText(Field::HeartbeatPacket, "4C4F48");
    found.SetItem(Field::Parity, 2);
    EXPECT_EQ(
        CompareWritten(written, found, kAllReported, true),
        (std::vector<Mismatch>{{"DTM/HeartbeatFormat", "4C4F47", "4C4F48", false, JsonType::Text},
                               {"COMMON/Parity", "NONE", "EVEN", false, JsonType::ItemText}}));
}

TEST(Verify, AFieldNoReplyReportedIsAMismatchWhateverTheFormHolds) {
    FormModel written;
    LoadWorkedExample(written);
    std::set<std::string> reported = kAllReported;
    reported.erase("CIPSTART,3");
    reported.erase("CIPPACK,1");
    const std::vector<Mismatch> mismatches = CompareWritten(written, written, reported, true);
    EXPECT_EQ(KeysOf(mismatches), (Keys{"DTM/LoginFormat", "DTM/LoginMode", "DTM/Protocol3",
                                        "DTM/IP3", "DTM/Port3", "DTM/Enable3"}));
    for (const Mismatch& mismatch : mismatches) {
        EXPECT_TRUE(mismatch.missing) << mismatch.key;
    }
    EXPECT_EQ(CompareWritten(written, written, {}, true).size(), 34u);
}

TEST(Verify, NamesTheKeysARefusedCommandCarried) {
    FormModel full;
    LoadWorkedExample(full);
    FormModel compact = full;
    compact.SetView(kCompactView);
    FormModel http = full;
    http.SetItem(Field::WorkMode, 3);
    EXPECT_EQ(KeysSentBy("CIPCFG", full, true),
              (Keys{"DTM/HeartbeatTime", "DTM/WaitTime", "DTM/RestartTime"}));
    EXPECT_EQ(KeysSentBy("CIPCFG", compact, true), (Keys{"DTM/HeartbeatTime", "DTM/WaitTime"}));
    EXPECT_EQ(KeysSentBy("CICOMAT", compact, true), Keys{});
    EXPECT_EQ(KeysSentBy("AT+CIPSCONT=1,\"TCP\",\"h\", 1,1\r\n", http, true),
              (Keys{"HCM/IP", "HCM/Port"}));
    EXPECT_EQ(KeysSentBy("AT+CIPSCONT=3,\"TCP\",\"h\", 1,0\r\n", full, true),
              (Keys{"DTM/Protocol3", "DTM/IP3", "DTM/Port3", "DTM/Enable3"}));
    EXPECT_EQ(KeysSentBy("AT+CIPPACK=1,\"4C\",\"0\"\r\n", full, true),
              (Keys{"DTM/LoginFormat", "DTM/LoginMode"}));
    EXPECT_EQ(KeysSentBy("RESOC", full, false), Keys{});
    EXPECT_EQ(KeysSentBy("ICF", http, false),
              (Keys{"COMMON/Byte", "COMMON/Stop", "COMMON/Parity"}));
}

}  // namespace
}  // namespace dtu::cli
