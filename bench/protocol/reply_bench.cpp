// Throughput of the receive handling on full 2048-byte reply blocks.
#include <benchmark/benchmark.h>

#include <string>

#include "protocol/engine.h"
#include "protocol/reply_parser.h"
#include "protocol/text_helpers.h"
#include "serial/event_poster.h"

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

class NullPoster : public dtu::EventPoster {
public:
    void Post(std::function<void()> /*work*/) override {}
};

// Counts what the engine shows; the dispatcher splits values as the form does.
class CountingWindow : public dtu::EngineWindow {
public:
    void SetPortStatus(const std::string&) override {}
    void ShowTxLine(const std::string&) override { ++shown; }
    void ShowErrorLine(const std::string&) override { ++shown; }
    void SetReplyTimerInterval(int) override {}
    void ArmReplyTimer() override {}
    void DisarmReplyTimer() override {}
    void ShowRxLine(const std::string&) override { ++shown; }
    void ShowInfoLine(const std::string&) override { ++shown; }
    void ShowProgress() override {}
    void SetProgressRange(int, int) override {}
    void SetProgressPosition(int) override {}
    void HideProgress() override {}
    void DispatchReply(const std::string& name, const std::string& value) override {
        items += name.size() + dtu::CommaTextToList(value).size();
    }
    void EnableFamilyControls(bool) override {}
    dtu::FormValues ReadForm() const override { return {}; }
    void ResetFormForFactory() override {}

    std::size_t shown = 0;
    std::size_t items = 0;
};

void BM_HandleReceivedFullBlock(benchmark::State& state) {
    const std::string block = FullValueBlock();
    NullPoster poster;
    dtu::TComm comm(poster);
    CountingWindow window;
    dtu::PortControl port(comm, window);
    dtu::OrderList orders;
    dtu::Engine engine(orders, port, window, [](std::chrono::milliseconds) {});
    for (auto _ : state) {
        engine.HandleReceived(block.data(), static_cast<std::uint16_t>(block.size()));
    }
    benchmark::DoNotOptimize(window.items);
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
