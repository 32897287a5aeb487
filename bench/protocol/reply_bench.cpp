// Throughput of the receive handling on full 2048-byte reply blocks.
#include <benchmark/benchmark.h>

#include <string>

#include "protocol/engine.h"
#include "protocol/reply_parser.h"
#include "protocol/text_helpers.h"
#include "tests/protocol/engine_fakes.h"

namespace {

// A 2048-byte block of socket value lines ending in OK, as one read delivers it.
std::string FullValueBlock() {
    const std::string line = "\r\n+CIPSTART:1,\"TCP\",\"dtu.example.net\",2317,1";
    const std::string ok = "\r\nOK\r\n";
    std::string block;
    while (block.size() + line.size() + ok.size() <= 2048) {
        block += line;
    }
    block += "\r\n+CIPNUM:";
    block += std::string(2048 - block.size() - ok.size(), '1');
    return block + ok;
}

// Counts what the engine shows; the form splits values as the real one does.
class CountingHost : public dtu::testing::FakeHost {
public:
    void Log(dtu::LogKind, const std::string&) override { ++shown; }
    void ApplyReply(const dtu::ReplyValue& reply) override {
        items += reply.name.size() + dtu::CommaTextToList(reply.value).size();
    }
    std::size_t shown = 0;
    std::size_t items = 0;
};

void BM_HandleReceivedFullBlock(benchmark::State& state) {
    const std::string block = FullValueBlock();
    dtu::testing::FakePort port;
    dtu::testing::FakeTimers timers;
    CountingHost host;
    dtu::OrderList orders;
    dtu::Engine engine(orders, port, timers, host);
    for (auto _ : state) {
        engine.HandleReceived(block);
    }
    benchmark::DoNotOptimize(host.items);
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
    state.counters["lines"] = static_cast<double>(dtu::ParseReplyValues(block).size());
}
BENCHMARK(BM_HandleReceivedFullBlock);

void BM_ParseReplyValuesFullBlock(benchmark::State& state) {
    const std::string block = FullValueBlock();
    for (auto _ : state) {
        benchmark::DoNotOptimize(dtu::ParseReplyValues(block));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
}
BENCHMARK(BM_ParseReplyValuesFullBlock);

}  // namespace

BENCHMARK_MAIN();
