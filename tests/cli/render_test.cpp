#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>
#include <sstream>
#include <string>

#include "cli/device_result.h"
#include "cli/json_value.h"
#include "cli/json_writer.h"
#include "cli/output_files.h"
#include "cli/profile_render.h"
#include "cli/progress_board.h"
#include "tests/lang/test_support.h"

namespace dtu::cli {
namespace {

TEST(JsonWriter, IndentsNestsAndEscapes) {
    JsonWriter json;
    json.BeginObject();
    json.Key("a\"b").String("x\\y\r\n\t\x01");
    json.Key("empty").BeginArray().EndArray();
    json.Key("list").BeginArray().Integer(-3).Bool(true).Number(1.23456, 3);
    json.BeginObject().Key("k").String("中").EndObject();
    json.EndArray();
    json.EndObject();
    EXPECT_EQ(json.Text(),
              "{\n"
              "  \"a\\\"b\": \"x\\\\y\\r\\n\\t\\u0001\",\n"
              "  \"empty\": [],\n"
              "  \"list\": [\n"
              "    -3,\n"
              "    true,\n"
              "    1.235,\n"
              "    {\n"
              "      \"k\": \"中\"\n"
              "    }\n"
              "  ]\n"
              "}\n");
}

FormModel SampleForm() {
    FormModel form;
    form.SetItem(Field::WorkMode, 3);
    form.SetView(kCompactView);
    form.SetText(Field::HttpHost, "\xD6\xD0");  // 中 in GBK
    form.SetText(Field::HttpHeaders, "A: 1\r\nB=\\");
    form.SetItem(Field::HttpMethod, 1);
    return form;
}

TEST(ProfileRender, IniKeepsTheSettingsFilesBytes) {
    const std::string text = ProfileIni(SampleForm(), "read from /dev/ttyUSB0");
    EXPECT_TRUE(
        text.starts_with("; read from /dev/ttyUSB0\n"
                         "[COMMON]\n"
                         "WorkMode=3\n"
                         "View=1\n"
                         "APN Index=0\n"
                         "APN Str=\"CMNET\",\"\",\"\"\n"
                         "BaudRate=10\n"
                         "Parity=0\n"
                         "Byte=1\n"
                         "Stop=0\n"
                         "\n"
                         "[DTM]\n"
                         "Enable1=1\n"));
    EXPECT_TRUE(
        text.ends_with("Resoc=5\n"
                       "CloudID=\n"
                       "CloudPassword=\n"
                       "\n"
                       "[HCM]\n"
                       "IP=\xD6\xD0\n"
                       "Port=2317\n"
                       "HTPTP=1\n"
                       "HTPURL=\n"
                       "HTPHD=A: 1\\r\\nB=\\\\\n"
                       "\n"
                       "[STM]\n"
                       "TelNo=10086\n"));
    EXPECT_TRUE(ProfileIni(FormModel(), "").starts_with("[COMMON]\nWorkMode=0\n"));
}

TEST(ProfileRender, JsonTypesEachValueAndSpeaksUtf8) {
    JsonWriter json;
    WriteProfileJson(SampleForm(), json);
    const std::string& text = json.Text();
    EXPECT_TRUE(text.starts_with("{\n  \"COMMON\": {\n    \"WorkMode\": 3,\n    \"View\": 1,\n"));
    for (const char* part :
         {"\"Enable1\": true,", "\"Enable2\": false,", "\"Port1\": 2317,", "\"IP\": \"中\",",
          "\"HTPTP\": \"POST\",", "\"HTPHD\": \"A: 1\\r\\nB=\\\\\"", "\"APNIndex\": 0,",
          "\"BaudRate\": 115200,", "\"Parity\": \"NONE\",", "\"Byte\": 8,",
          "\"Protocol1\": \"TCP\",", "\"D2DID\": 100,", "\"CloudID\": \"\",", "\"HTPURL\": \"\",",
          "  },\n  \"STM\": {\n    \"TelNo\": \"10086\"\n  }\n}\n"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

// A profile that holds the cloud password is its owner's alone to read.
TEST(ProfileRender, AProfileWithThePasswordIsWrittenOwnerOnly) {
    struct Row {
        const char* name;
        const char* password;
        mode_t mode;
    };
    constexpr mode_t kMask = 022;
    const Row rows[] = {
        {"password", "12345678", 0600},
        {"none", "", 0666 & ~kMask},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::TempDir dir;
        const std::string path = (dir / "profile.ini").string();
        FormModel form;
        form.SetText(Field::CloudPassword, row.password);
        std::ostringstream err;
        const mode_t previousMask = ::umask(kMask);
        OutputFiles files;
        EXPECT_TRUE(files.Write(path, ProfileIni(form, ""), err, ProfileFileAccess(form)));
        ::umask(previousMask);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, row.mode);
    }
}

TEST(JsonValue, EachTypeShowsItsValue) {
    struct Row {
        JsonType type;
        std::string value;
        const char* json;
    };
    const Row rows[] = {
        {JsonType::Number, "2317", "2317"},
        {JsonType::Number, "", "null"},
        {JsonType::Number, "5 0", "\"5 0\""},
        {JsonType::Number, "99999999999999999999", "\"99999999999999999999\""},
        {JsonType::ItemNumber, "115200", "115200"},
        {JsonType::Bool, "1", "true"},
        {JsonType::Index, "3", "3"},
        {JsonType::Index, "x", "\"x\""},
        {JsonType::ItemText, "NONE", "\"NONE\""},
        {JsonType::Text, "007", "\"007\""},
        {JsonType::Text, "a\r\n\xD6\xD0", "\"a\\r\\n中\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        JsonWriter json;
        WriteJsonValue(json.BeginArray(), row.type, row.value);
        json.EndArray();
        EXPECT_EQ(json.Text(), std::string("[\n  ") + row.json + "\n]\n");
    }
}

DeviceResult Result(Verdict verdict) {
    DeviceResult result;
    result.port = "/dev/ttyUSB1";
    result.verdict = verdict;
    result.stage = "write";
    result.firmware = "V3.38";
    result.seconds = 1.5;
    result.line = "115200,NONE,8,1";
    return result;
}

TEST(DeviceResult, OneLinePerDevice) {
    DeviceResult refused = Result(Verdict::Incomplete);
    refused.refused = {{"RESOC", {"DTM/Resoc"}}, {"CICOMAT", {}}};
    refused.unreadable = {"CIPR"};
    DeviceResult mismatch = Result(Verdict::Mismatch);
    mismatch.stage = "verify";
    mismatch.mismatches = {{"DTM/IP1", "\xD6\xD0", "a\r"}};
    DeviceResult lost = Result(Verdict::PortLost);
    lost.firmware.clear();
    lost.reason = "gone";
    DeviceResult answered = Result(Verdict::Success);
    answered.stage = "send";
    answered.answer = "\r\nOK\r\n";
    answered.firmware.clear();
    DeviceResult compact = Result(Verdict::Success);
    compact.hiddenChanges = {{"DTM/RestartTime", "1800", "900", false, JsonType::Number}};
    const std::pair<DeviceResult, const char*> rows[] = {
        {Result(Verdict::Success), "/dev/ttyUSB1: success (firmware V3.38, 1.50 s)"},
        {refused,
         "/dev/ttyUSB1: incomplete in write: refused RESOC (DTM/Resoc (Reconnect)); refused "
         "CICOMAT; unreadable reply to CIPR (firmware V3.38, 1.50 s)"},
        {mismatch,
         "/dev/ttyUSB1: mismatch in verify: DTM/IP1 (IP/Domain 1) written \"中\", read \"a\\r\" "
         "(firmware V3.38, 1.50 s)"},
        {lost, "/dev/ttyUSB1: port-lost in write: gone (1.50 s)"},
        {answered, "/dev/ttyUSB1: success: answer \"\\r\\nOK\\r\\n\" (1.50 s)"},
        {compact,
         "/dev/ttyUSB1: success: hidden by the compact view: DTM/RestartTime (Restart Time) "
         "\"900\" -> \"1800\" (firmware V3.38, 1.50 s)"},
    };
    for (const auto& [result, line] : rows) {
        EXPECT_EQ(ResultLine(result), line);
    }
    EXPECT_EQ(SummaryLine({Result(Verdict::Success), refused, lost}, 2.25),
              "3 devices: 1 succeeded, 2 failed, in 2.25 s");
    EXPECT_EQ(SummaryLine({lost}, 0.5), "1 device: 0 succeeded, 1 failed, in 0.50 s");
}

// Each way a run ends has its own outcome name; none falls back to another's.
TEST(DeviceResult, EveryRunEndHasItsOwnOutcome) {
    std::set<std::string_view> names;
    for (const RunEnd end :
         {RunEnd::Success, RunEnd::Incomplete, RunEnd::NoAnswer, RunEnd::Garbled, RunEnd::PortLost,
          RunEnd::NotOpen, RunEnd::ReopenFailed, RunEnd::Interrupted}) {
        const std::string_view name = VerdictName(VerdictOf(end));
        EXPECT_NE(name, "unknown");
        EXPECT_TRUE(names.insert(name).second) << name;
    }
}

TEST(DeviceResult, ReportNamesOutcomesRefusalsAndMismatches) {
    DeviceResult result = Result(Verdict::Incomplete);
    result.refused = {{"RESOC", {"DTM/Resoc"}}};
    result.mismatches = {{"DTM/IP1", "a", "\xD6\xD0"}};
    EXPECT_EQ(ReportJson("write", {result}, 1.6),
              "{\n"
              "  \"command\": \"write\",\n"
              "  \"seconds\": 1.600,\n"
              "  \"succeeded\": 0,\n"
              "  \"failed\": 1,\n"
              "  \"devices\": [\n"
              "    {\n"
              "      \"port\": \"/dev/ttyUSB1\",\n"
              "      \"outcome\": \"incomplete\",\n"
              "      \"stage\": \"write\",\n"
              "      \"firmware\": \"V3.38\",\n"
              "      \"seconds\": 1.500,\n"
              "      \"line\": \"115200,NONE,8,1\",\n"
              "      \"refused\": [\n"
              "        {\n"
              "          \"command\": \"RESOC\",\n"
              "          \"keys\": [\n"
              "            \"DTM/Resoc\"\n"
              "          ]\n"
              "        }\n"
              "      ],\n"
              "      \"unreadable\": [],\n"
              "      \"notRead\": [],\n"
              "      \"mismatches\": [\n"
              "        {\n"
              "          \"key\": \"DTM/IP1\",\n"
              "          \"written\": \"a\",\n"
              "          \"read\": \"中\"\n"
              "        }\n"
              "      ],\n"
              "      \"hiddenChanges\": [],\n"
              "      \"answer\": \"\",\n"
              "      \"reason\": \"\"\n"
              "    }\n"
              "  ]\n"
              "}\n");
}

TEST(DeviceResult, ReportShowsMismatchedValuesByTheirJsonType) {
    DeviceResult result = Result(Verdict::Mismatch);
    result.mismatches = {{"COMMON/BaudRate", "115200", "9600", false, JsonType::ItemNumber},
                         {"DTM/Enable2", "1", "0", false, JsonType::Bool},
                         {"DTM/Port2", "2317", "", true, JsonType::Number}};
    result.hiddenChanges = {{"DTM/Enable3", "0", "1", false, JsonType::Bool}};
    const std::string report = ReportJson("write", {result}, 1);
    for (const char* part : {"\"written\": 115200,\n          \"read\": 9600\n",
                             "\"written\": true,\n          \"read\": false\n",
                             "\"written\": 2317,\n          \"read\": null\n",
                             "\"device\": true,\n          \"written\": false\n"}) {
        EXPECT_NE(report.find(part), std::string::npos) << part << report;
    }
}

TEST(ProgressBoard, RedrawsInPlaceAndKeepsOtherLinesAbove) {
    std::ostringstream terminal;
    std::ostringstream results;
    ProgressBoard board(terminal, {"/dev/a", "/dev/bb"});
    board.Set(1, ProgressText({true, 17, 9}, "write"));
    board.Set(1, ProgressText({true, 17, 9}, "write"));  // unchanged: no redraw
    board.PrintAbove(results, "/dev/a: success");
    board.Close();
    board.Set(0, "late");
    EXPECT_EQ(terminal.str(),
              "\r\x1b[2K/dev/a   starting\n"
              "\r\x1b[2K/dev/bb  starting\n"
              "\x1b[2A\x1b[J"
              "\r\x1b[2K/dev/a   starting\n"
              "\r\x1b[2K/dev/bb  [##########----------] 9/17 write\n"
              "\x1b[2A\x1b[J"
              "\r\x1b[2K/dev/a   starting\n"
              "\r\x1b[2K/dev/bb  [##########----------] 9/17 write\n"
              "\x1b[2A\x1b[J");
    EXPECT_EQ(results.str(), "/dev/a: success\n");
    EXPECT_EQ(ProgressText({true, 0, 0}, "read"), "[--------------------] 0/1 read");
    EXPECT_EQ(ProgressText({true, 7, 9}, "verify"), "[####################] 7/7 verify");
}

}  // namespace
}  // namespace dtu::cli
