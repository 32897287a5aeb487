// Time of one full save (every key written in memory, then the whole file
// written once) and one full load of the tool's settings file, and of a 1 MiB
// HTTP header of bytes outside GBK taken through load, the conversions the
// window makes and save.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "lang/gbk.h"
#include "settings/ini_file.h"

namespace {

struct Setting {
    std::string section;
    std::string key;
    std::string value;
};

// The HTTP header is the one text of several lines; every other value has one.
bool OfSeveralLines(const Setting& setting) {
    return setting.key == "HTPHD";
}

void Write(dtu::IniFile& ini, const Setting& setting, const std::string& value) {
    ini.WriteString(setting.section, setting.key, value);
}

std::string Read(const dtu::IniFile& ini, const Setting& setting) {
    return OfSeveralLines(setting) ? ini.ReadMultiLine(setting.section, setting.key, "")
                                   : ini.ReadString(setting.section, setting.key, "");
}

// The keys in the order a save writes them, with typical values.
std::vector<Setting> SaveOrder() {
    std::vector<Setting> keys = {
        {"COM", "ComName", "/dev/ttyUSB0"},
        {"COM", "BaudRate", "115200"},
        {"COM", "Parity", "NONE"},
        {"COM", "Byte", "8"},
        {"COM", "Stop", "1"},
        {"SYS", "Lang", "1"},
        {"SYS", "RealTimeHelp", "1"},
        {"COMMON", "APN Index", "0"},
        {"COMMON", "APN Str", "\"CMNET\",\"\",\"\""},
        {"COMMON", "BaudRate", "10"},
        {"COMMON", "Parity", "0"},
        {"COMMON", "Byte", "1"},
        {"COMMON", "Stop", "0"},
    };
    for (int n = 1; n <= 4; ++n) {
        const auto digit = std::to_string(n);
        keys.push_back({"DTM", "Enable" + digit, n == 1 ? "1" : "0"});
        keys.push_back({"DTM", "IP" + digit, "dtu.example.net"});
        keys.push_back({"DTM", "Port" + digit, "2317"});
        keys.push_back({"DTM", "Protocol" + digit, "0"});
    }
    const std::vector<Setting> rest = {
        {"DTM", "HeartbeatTime", "50"},
        {"DTM", "WaitTime", "10"},
        {"DTM", "RestartTime", "1800"},
        {"DTM", "HeartbeatFormat", "LOG"},
        {"DTM", "LoginFormat", "LOGIN:1001"},
        {"DTM", "HeartbeatFormatHex", "0"},
        {"DTM", "LoginFormatHex", "0"},
        {"DTM", "HeartbeatTo", "0"},
        {"DTM", "LoginMode", "0"},
        {"DTM", "D2D ID", "100"},
        {"DTM", "D2dEnable", "0"},
        {"DTM", "NetAtEnable", "0"},
        {"DTM", "ComAtEnable", "0"},
        {"DTM", "CloudEnable", "0"},
        {"DTM", "CacheEnable", "0"},
        {"DTM", "Resoc", "5"},
        {"HCM", "IP", "dtu.example.net"},
        {"HCM", "Port", "2317"},
        {"HCM", "HTPTP", "0"},
        {"HCM", "HTPURL", "/upload"},
        {"HCM", "HTPHD", "Host: dtu.example.net\r\nAccept: */*\r\n"},
        {"STM", "TelNo", "10086"},
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

class SettingsDir {
public:
    SettingsDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "dtu-bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    SettingsDir(const SettingsDir&) = delete;
    SettingsDir& operator=(const SettingsDir&) = delete;
    ~SettingsDir() { std::filesystem::remove_all(path_); }
    std::filesystem::path File() const { return path_ / "Lx1Cfg.ini"; }

private:
    std::filesystem::path path_;
};

void Save(const std::filesystem::path& file, const std::vector<Setting>& keys) {
    dtu::IniFile ini(file);
    for (const auto& setting : keys) {
        Write(ini, setting, setting.value);
    }
    if (ini.Save()) {
        std::fprintf(stderr, "cannot save the settings file\n");
        std::abort();
    }
}

void BM_FullSave(benchmark::State& state) {
    const SettingsDir dir;
    const auto keys = SaveOrder();
    Save(dir.File(), keys);
    for (auto _ : state) {
        Save(dir.File(), keys);
    }
    state.counters["keys"] = static_cast<double>(keys.size());
}

void BM_FullLoad(benchmark::State& state) {
    const SettingsDir dir;
    const auto keys = SaveOrder();
    Save(dir.File(), keys);
    for (auto _ : state) {
        const dtu::IniFile ini(dir.File());
        for (const auto& setting : keys) {
            benchmark::DoNotOptimize(Read(ini, setting));
        }
    }
    state.counters["keys"] = static_cast<double>(keys.size());
}

// Lines of bytes that are no GBK characters: lone lead bytes, 0xFF and lead
// bytes before a trail that does not fit.
std::string NonGbkHeader(std::size_t size) {
    const std::string line = "X-\xFF\x81: \xFE\x30\x81\x7F\xFF\r\n";
    std::string header;
    while (header.size() + line.size() <= size) {
        header += line;
    }
    return header;
}

// Load, every value read as the window does (the header through GBK to UTF-8
// and back), every value written, save.
void BM_NonGbkHeaderLoadConvertSave(benchmark::State& state) {
    const SettingsDir dir;
    auto keys = SaveOrder();
    const std::string header = NonGbkHeader(static_cast<std::size_t>(state.range(0)));
    for (auto& setting : keys) {
        if (setting.key == "HTPHD") {
            setting.value = header;
        }
    }
    Save(dir.File(), keys);
    for (auto _ : state) {
        dtu::IniFile ini(dir.File());
        for (const auto& setting : keys) {
            Write(ini, setting, dtu::Utf8ToGbk(dtu::GbkToUtf8(Read(ini, setting))));
        }
        if (ini.Save()) {
            std::fprintf(stderr, "cannot save the settings file\n");
            std::abort();
        }
    }
    if (dtu::IniFile(dir.File()).ReadMultiLine("HCM", "HTPHD", "") != header) {
        state.SkipWithError("the header did not come back byte for byte");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_FullSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NonGbkHeaderLoadConvertSave)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
