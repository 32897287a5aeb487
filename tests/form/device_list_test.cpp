#include "form/device_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "form/form_profile.h"

namespace dtu {
namespace {

DeviceList ListOf(const std::string& text) {
    DeviceListRead read = ParseDeviceList(text);
    EXPECT_TRUE(read.problems.empty());
    return read.list;
}

struct ListFaultCase {
    const char* name;
    std::string text;
    ListFault fault;
    std::size_t line;
    std::size_t column;
};

TEST(DeviceList, RefusesAListWhoseFormIsWrong) {
    const ListFaultCase cases[] = {
        {"header only", "port\n", ListFault::NoRows, 2, 0},
        {"unknown column", "port,DTM/IP1,DTM/Nope\na,b,c\n", ListFault::UnknownColumn, 1, 3},
        {"column twice", "DTM/IP1,port,dtm/ip1\na,b,c\n", ListFault::ColumnTwice, 1, 3},
        {"empty name", "port,,DTM/IP1\na,b,c\n", ListFault::EmptyName, 1, 2},
        {"too few cells", "port,DTM/IP1\na,b\nc\n", ListFault::CellCount, 3, 2},
        {"broken CSV", "port\n\"a\n", ListFault::Csv, 2, 1},
    };
    for (const ListFaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DeviceListRead read = ParseDeviceList(c.text);
        ASSERT_EQ(read.problems.size(), 1u);
        EXPECT_EQ(read.problems[0].fault, c.fault);
        EXPECT_EQ(read.problems[0].line, c.line);
        EXPECT_EQ(read.problems[0].column, c.column);
    }
}

TEST(DeviceList, ReadsUtf8AndGbkAlike) {
    // "中" in UTF-8 with a byte order mark, and in GBK.
    const DeviceList utf8 = ListOf("\xEF\xBB\xBFport,DTM/LoginFormat\r\nA,\xE4\xB8\xAD\r\n");
    const DeviceList gbk = ListOf("port,DTM/LoginFormat\nA,\xD6\xD0\n");
    ASSERT_EQ(utf8.rows.size(), 1u);
    EXPECT_EQ(utf8.rows[0].cells[1], "\xD6\xD0");
    EXPECT_EQ(gbk.rows[0].cells, utf8.rows[0].cells);
    EXPECT_EQ(utf8.portColumn, 0u);
}

TEST(DeviceList, ChecksEveryCellAndEveryMergedRowAsAProfile) {
    const FormModel base;
    const DeviceList list = ListOf(
        "port,DTM/Port1,DTM/LoginFormatHex,COMMON/WorkMode,DTM/IP1\n"
        "/dev/a,2317,0,0,host\n"  // line 2: good
        "/dev/b,99999,0,,\n"      // line 3: the port breaks its rule
        "/dev/c,,2,,\n"           // line 4: not a tick
        "/dev/a,,,,\n"            // line 5: the port again
        "/dev/d,,,9,\n"           // line 6: no such work mode
        "/dev/e,,,,\"a\"\"b\"\n"  // line 7: a host goes out between quotes
        ",,,,\n");                // line 8: no port
    const std::vector<ListProblem> problems = CheckDeviceList(list, base);
    std::vector<std::pair<ListFault, std::pair<std::size_t, std::size_t>>> found;
    for (const ListProblem& p : problems) {
        found.push_back({p.fault, {p.line, p.column}});
    }
    const decltype(found) expected = {
        {ListFault::BrokenValue, {3, 2}}, {ListFault::BadTick, {4, 3}},
        {ListFault::PortTwice, {5, 1}},   {ListFault::BrokenValue, {6, 4}},
        {ListFault::BrokenValue, {7, 5}}, {ListFault::NoPort, {8, 1}},
    };
    EXPECT_EQ(found, expected);
    EXPECT_EQ(problems[0].rule, ValueRule::Port);
    EXPECT_EQ(problems[2].firstLine, 2u);
}

TEST(DeviceList, RowOverProfileIsWhatTheProfileWouldLoad) {
    FormModel base;
    base.SetText(Field::RegistrationPacket, "LOGIN:0000");
    const DeviceList list = ListOf(
        "DTM/LoginFormat,DTM/CloudPassword,DTM/LoginFormatHex,COMMON/View\n"
        "LOGIN:1001,secret,,\n"
        ",,1,1\n");
    const FormModel first = MergedForm(list, 0, base);
    EXPECT_EQ(first.Text(Field::RegistrationPacket), "LOGIN:1001");
    EXPECT_EQ(first.Text(Field::CloudPassword), "secret");
    EXPECT_EQ(first.Text(Field::Socket1Host), base.Text(Field::Socket1Host));
    // Ticking the hex box leaves the profile's packet text as the profile has it.
    const FormModel second = MergedForm(list, 1, base);
    EXPECT_TRUE(second.Tick(Field::RegistrationPacketHex));
    EXPECT_EQ(second.Text(Field::RegistrationPacket), "LOGIN:0000");
    EXPECT_EQ(second.View(), kCompactView);

    EXPECT_EQ(RowKey(list, 0), "LOGIN:1001");
    using Values = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(RowValues(list, 0),
              (Values{{"DTM/LoginFormat", "LOGIN:1001"}, {"DTM/CloudPassword", "***"}}));
}

TEST(DeviceList, ProfileValueARowMakesSentIsCheckedToo) {
    // The profile's reconnect interval is only sent with firmware of family two
    // in data mode; a row choosing data mode over an HTTP profile brings it in.
    FormModel base;
    base.SetItem(Field::WorkMode, kHttpdClientMode);
    base.SetText(Field::ReconnectInterval, "x");
    const DeviceList list = ListOf("COMMON/WorkMode\n0\n");
    const std::vector<ListProblem> problems = CheckDeviceList(list, base);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_TRUE(problems[0].fromProfile);
    EXPECT_EQ(problems[0].key, "DTM/Resoc");
    EXPECT_EQ(problems[0].column, 0u);
}

TEST(DeviceList, AnApnTheApnChoiceWouldIgnoreIsRefused) {
    const DeviceList list = ListOf(
        "COMMON/APN Index,COMMON/APN Str\n"
        "2,\"\"\"site\"\",\"\"\"\",\"\"\"\"\"\n"
        ",\"\"\"site\"\",\"\"\"\",\"\"\"\"\"\n");
    const std::vector<ListProblem> problems = CheckDeviceList(list, FormModel());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].fault, ListFault::ApnNotTaken);
    EXPECT_EQ(problems[0].line, 3u);
    EXPECT_EQ(MergedForm(list, 0, FormModel()).Text(Field::Apn), "\"site\",\"\",\"\"");

    // The record shows the APN without its password.
    const DeviceList secret = ListOf("COMMON/APN Str\n\"\"\"a,b\"\",\"\"u\"\",\"\"p\"\"\"\n");
    using Values = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(RowValues(secret, 0), (Values{{"COMMON/APN Str", "\"a,b\",\"u\",\"***\""}}));
    EXPECT_EQ(RowValues(list, 0)[1].second, "\"site\",\"\",\"\"");
}

TEST(DeviceList, SettingFormValuesLeavesNoCouplingBehind) {
    FormModel values;
    values.SetTick(Field::RegistrationPacketHex, true);
    values.SetText(Field::RegistrationPacket, "4C4F47");
    values.SetItem(Field::ApnChoice, kApnOtherChoice);
    values.SetText(Field::Apn, "\"x\",\"\",\"\"");
    values.SetView(kCompactView);
    FormModel form;
    SetFormValues(form, values);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(form.Text(field), values.Text(field));
        EXPECT_EQ(form.Item(field), values.Item(field));
        EXPECT_EQ(form.Tick(field), values.Tick(field));
    }
    EXPECT_EQ(form.View(), kCompactView);
}

}  // namespace
}  // namespace dtu
