#include <QApplication>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "form_test.h"

namespace {

// ctest runs the classes in shards, one process each (DTU_TEST_SHARD_INDEX of
// DTU_TEST_TOTAL_SHARDS); run by hand without them, every class runs.
int ShardSetting(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int shards = std::max(1, ShardSetting("DTU_TEST_TOTAL_SHARDS", 1));
    const int shard = ShardSetting("DTU_TEST_SHARD_INDEX", 0);
    int failures = 0;
    int index = 0;
    for (QObject* test : AllTests()) {
        if (index++ % shards == shard) {
            failures += QTest::qExec(test, argc, argv);
        }
        delete test;
    }
    return failures == 0 ? 0 : 1;
}
