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

// An answer of `bytes` in socket value lines, cut into 2048-byte receives as
// the port delivers them; the CPU time per MiB of answer stays flat when the
// work is linear in its size. Answers past the bound (2 MiB) are drained.
void BM_AnswerCostPerMiB(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0)) * 1024;
    const std::string line = "\r\n+CIPSTART:1,\"TCP\",\"dtu.example.net\",2317,1";
    std::string answer;
    while (answer.size() < size) {
        answer += line;
    }
    answer += "\r\nOK\r\n";
    constexpr std::size_t kReceive = 2048;
    dtu::testing::FakePort port;
    dtu::testing::FakeTimers timers;
    CountingHost host;
    dtu::OrderList orders;
    dtu::Engine engine(orders, port, timers, host);
    for (auto _ : state) {
        engine.SendQuery("CIPSCONT");
        for (std::size_t at = 0; at < answer.size(); at += kReceive) {
            engine.HandleReceived(answer.substr(at, kReceive));
        }
    }
    benchmark::DoNotOptimize(host.items);
    const double mib = static_cast<double>(answer.size()) / (1024.0 * 1024.0);
    state.counters["s_per_MiB"] = benchmark::Counter(
        mib, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_AnswerCostPerMiB)
    ->Arg(64)
    ->Arg(512)
    ->Arg(2000)
    ->Arg(8192)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
