#include "render/hidden_changes.h"

#include <gtest/gtest.h>

#include <vector>

namespace dtu {
namespace {

using F = Field;

struct TriggerRow {
    const char* name;
    std::vector<Field> changed;
    std::vector<Field> asked;
};

// Which of a compact write's hidden changes bring the question up.
TEST(HiddenChanges, QuestionComesForChangesThatMatter) {
    const TriggerRow rows[] = {
        // A factory-default device: sockets 2 to 4 off, their hosts empty.
        {"sockets off stay off", {F::Socket2Host, F::Socket3Host, F::Socket4Host}, {}},
        {"protocol and port of a socket off", {F::Socket3Protocol, F::Socket3Port}, {}},
        {"a socket on is turned off",
         {F::Socket2Host, F::Socket2Enable, F::Socket4Host},
         {F::Socket2Host, F::Socket2Enable}},
        {"socket 1 turned on", {F::Socket1Enable}, {F::Socket1Enable}},
        {"cloud turned off", {F::CloudEnable}, {F::CloudEnable}},
        {"cache turned off", {F::CacheEnable}, {F::CacheEnable}},
        {"reconnect interval", {F::ReconnectInterval, F::Socket4Port}, {F::ReconnectInterval}},
        {"restart time", {F::RestartTime}, {F::RestartTime}},
    };
    for (const TriggerRow& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<HiddenChange> changes;
        for (const Field field : row.changed) {
            changes.push_back({field, "device", "written"});
        }
        std::vector<Field> asked;
        for (const HiddenChange& change : ChangesToAskAbout(changes)) {
            asked.push_back(change.field);
        }
        EXPECT_EQ(asked, row.asked);
    }
}

}  // namespace
}  // namespace dtu
