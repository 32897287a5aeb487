// Lookups per second in the full built-in language table, alone and with the
// language file read in front of it as after a first start; GBK conversion of
// text that is no GBK; and what a hostile 10 MB language file costs at start,
// in time and in the peak resident memory of a process that loads it.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "lang/builtin_texts.h"
#include "lang/gbk.h"
#include "lang/lang_file.h"
#include "lang/lang_list.h"

namespace {

struct Tables {
    dtu::TLangList builtInOnly;
    dtu::TLangList withFile;
    std::vector<std::string> shuffledKeys;
};

void Fill(Tables& t) {
    dtu::FillLangTable(t.builtInOnly);
    dtu::FillLangTable(t.withFile);
    std::string pattern = (std::filesystem::temp_directory_path() / "dtu-bench-XXXXXX").string();
    const std::filesystem::path dir = ::mkdtemp(pattern.data());
    const auto file = dir / "Lx1Lang.txt";
    if (t.withFile.LoadLangFile(file).unwritten) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        std::abort();
    }
    std::ifstream in(file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove_all(dir);
    for (const auto& entry : dtu::ParseLangFile(text)) {
        if (!entry.key.empty()) {
            t.shuffledKeys.push_back(entry.key);
        }
    }
    std::shuffle(t.shuffledKeys.begin(), t.shuffledKeys.end(), std::mt19937(153));
}

const Tables& SharedTables() {
    static Tables tables;
    static const bool filled = (Fill(tables), true);
    static_cast<void>(filled);
    return tables;
}

void Lookups(benchmark::State& state, const dtu::TLangList& list) {
    const auto& keys = SharedTables().shuffledKeys;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.GetText(keys[i]));
        i = (i + 1) % keys.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["rows"] = static_cast<double>(list.BuiltInCount());
}

void BM_GetTextBuiltIn(benchmark::State& state) {
    Lookups(state, SharedTables().builtInOnly);
}

void BM_GetTextFileFirst(benchmark::State& state) {
    Lookups(state, SharedTables().withFile);
}

void BM_GetTextMiss(benchmark::State& state) {
    const auto& list = SharedTables().withFile;
    const std::string key = "lang_Not_In_Any_Table";
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.GetText(key));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_GbkToUtf8Line(benchmark::State& state) {
    const std::string line(dtu::kLangFileHeader1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(dtu::GbkToUtf8(line));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(line.size()));
}

// 1 MiB of bytes that are no GBK characters, to UTF-8 and back.
void BM_NonGbkRoundTrip(benchmark::State& state) {
    const std::string bytes(1 << 20, '\xFF');
    for (auto _ : state) {
        benchmark::DoNotOptimize(dtu::Utf8ToGbk(dtu::GbkToUtf8(bytes)));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

class HostileFile {
public:
    explicit HostileFile(const std::string& bytes) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "dtu-bench-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        std::ofstream(File(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    HostileFile(const HostileFile&) = delete;
    HostileFile& operator=(const HostileFile&) = delete;
    ~HostileFile() { std::filesystem::remove_all(dir_); }
    std::string File() const { return (dir_ / "Lx1Lang.txt").string(); }

private:
    std::filesystem::path dir_;
};

// What the start does with the language file: fill the table, load the file,
// look every built-in key up once.
void StartWith(const std::string& file) {
    dtu::TLangList list;
    dtu::FillLangTable(list);
    if (list.LoadLangFile(file).unwritten) {
        std::abort();
    }
    for (const auto& row : dtu::BuiltinTexts()) {
        benchmark::DoNotOptimize(list.GetText(row.key));
    }
}

// A figure from /proc/self/status ("VmRSS:", "VmHWM:"), in MiB.
double StatusMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string name;
    double kib = -1;
    while (status >> name) {
        if (name == field) {
            status >> kib;
            return kib / 1024.0;
        }
    }
    return -1;
}

struct StartMemory {
    double before = -1;  // resident memory when the start began, MiB
    double peak = -1;    // the most resident memory while it ran, MiB
};

// The resident memory of a start with `file`, measured in a child process
// whose peak is reset first, so that only the start's own high water counts.
StartMemory MemoryOfStart(const std::string& file) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        std::ofstream("/proc/self/clear_refs") << "5";
        StartMemory memory;
        memory.before = StatusMiB("VmRSS:");
        StartWith(file);
        memory.peak = StatusMiB("VmHWM:");
        const bool sent = ::write(pipeEnds[1], &memory, sizeof memory) == sizeof memory;
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    StartMemory memory;
    if (child < 0 || ::read(pipeEnds[0], &memory, sizeof memory) != sizeof memory) {
        memory = {};
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return memory;
}

// 10 MB of lines "x", each an entry with empty texts (kind 0); one 10 MB line
// (kind 1); lines ";", comments, so that the whole file is read (kind 2).
std::string HostileBytes(std::int64_t kind) {
    constexpr std::size_t kSize = 10'000'000;
    if (kind == 1) {
        return std::string(kSize, 'x');
    }
    const std::string line = kind == 0 ? "x\n" : ";\n";
    std::string bytes;
    while (bytes.size() < kSize) {
        bytes += line;
    }
    return bytes;
}

void BM_HostileLangFileStart(benchmark::State& state) {
    const HostileFile file(HostileBytes(state.range(0)));
    for (auto _ : state) {
        StartWith(file.File());
    }
    const StartMemory memory = MemoryOfStart(file.File());
    state.counters["rss_before_MiB"] = memory.before;
    state.counters["peak_rss_MiB"] = memory.peak;
}

BENCHMARK(BM_GetTextBuiltIn);
BENCHMARK(BM_GetTextFileFirst);
BENCHMARK(BM_GetTextMiss);
BENCHMARK(BM_GbkToUtf8Line);
BENCHMARK(BM_NonGbkRoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileLangFileStart)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
