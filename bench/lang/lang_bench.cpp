// Lookups per second in the full built-in language table, alone and with the
// language file read in front of it as after a first start.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
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

const Tables& SharedTables() {
    static const Tables tables = [] {
        Tables t;
        dtu::FillLangTable(t.builtInOnly);
        dtu::FillLangTable(t.withFile);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "dtu-bench-XXXXXX").string();
        const std::filesystem::path dir = ::mkdtemp(pattern.data());
        const auto file = dir / "Lx1Lang.txt";
        t.withFile.LoadLangFile(file);
        std::ifstream in(file, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        std::filesystem::remove_all(dir);
        for (const auto& entry : dtu::ParseLangFile(text)) {
            if (!entry.key.empty()) {
                t.shuffledKeys.push_back(entry.key);
            }
        }
        std::shuffle(t.shuffledKeys.begin(), t.shuffledKeys.end(), std::mt19937(153));
        return t;
    }();
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

BENCHMARK(BM_GetTextBuiltIn);
BENCHMARK(BM_GetTextFileFirst);
BENCHMARK(BM_GetTextMiss);
BENCHMARK(BM_GbkToUtf8Line);

}  // namespace

BENCHMARK_MAIN();
