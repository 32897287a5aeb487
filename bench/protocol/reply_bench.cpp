// Throughput of the receive handling on full 2048-byte answers.
#include <benchmark/benchmark.h>

#include <string>

#include "protocol/engine.h"
#include "protocol/reply_reader.h"
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
    bool ApplyReply(const dtu::ReplyValue& reply) override {
        items += reply.name.size() + dtu::CommaTextToList(reply.value).size();
        return true;
    }
    std::size_t shown = 0;
    std::size_t items = 0;
};

// A sockets query answered by one full block: gathered, parsed and applied.
void BM_HandleReceivedFullBlock(benchmark::State& state) {
    const std::string block = FullValueBlock();
    dtu::testing::FakePort port;
    dtu::testing::FakeTimers timers;
    CountingHost host;
    dtu::OrderList orders;
    dtu::Engine engine(orders, port, timers, host);
    for (auto _ : state) {
        engine.SendQuery("CIPSCONT");
        engine.HandleReceived(block);
    }
    benchmark::DoNotOptimize(host.items);
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
}
BENCHMARK(BM_HandleReceivedFullBlock);

// The same answer one byte per receive, as a slow device sends it: the cost
// stays linear in the answer's length.
void BM_ReplyReaderByteByByte(benchmark::State& state) {
    const std::string block = FullValueBlock();
    std::size_t lines = 0;
    for (auto _ : state) {
        dtu::ReplyReader reader;
        reader.Expect("AT+CIPSCONT?\r\n");
        for (const char c : block) {
            if (std::optional<dtu::Response> answer = reader.Feed(std::string_view(&c, 1))) {
                lines = answer->lines.size();
            }
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(block.size()));
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReplyReaderByteByByte);

}  // namespace

BENCHMARK_MAIN();
