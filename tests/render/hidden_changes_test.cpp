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
        {"sockets off stay off", {F::edt_IP2, F::edt_IP3, F::edt_IP4}, {}},
        {"protocol and port of a socket off", {F::cbb_NetProtocol3, F::edt_Port3}, {}},
        {"a socket on is turned off",
         {F::edt_IP2, F::chk_NetPort2, F::edt_IP4},
         {F::edt_IP2, F::chk_NetPort2}},
        {"socket 1 turned on", {F::chk_NetPort1}, {F::chk_NetPort1}},
        {"cloud turned off", {F::chkCloudEnalbe}, {F::chkCloudEnalbe}},
        {"cache turned off", {F::chk_CachEnable}, {F::chk_CachEnable}},
        {"reconnect interval", {F::lbledtResoc, F::edt_Port4}, {F::lbledtResoc}},
        {"restart time", {F::edt_RestartTime}, {F::edt_RestartTime}},
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
