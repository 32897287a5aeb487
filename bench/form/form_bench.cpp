// A 1 MiB HTTP header of bytes outside GBK taken the whole way a form value
// goes: loaded from the settings file into the form, shown (converted to the
// window's Unicode and back), written by write all (its list with the header
// line), saved. Usage: form_bench [runs]
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "form/form_model.h"
#include "form/form_settings.h"
#include "form/write_lines.h"
#include "lang/gbk.h"
#include "protocol/order_list.h"
#include "settings/ini_file.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr std::size_t kHeaderBytes = 1 << 20;
constexpr int kHttpClientMode = 3;

// Lines of bytes that are no GBK characters: lone lead bytes, 0xFF and lead
// bytes before a trail that does not fit.
std::string NonGbkHeader() {
    const std::string line = "X-\xFF\x81: \xFE\x30\x81\x7F\xFF\r\n";
    std::string header;
    while (header.size() + line.size() <= kHeaderBytes) {
        header += line;
    }
    return header;
}

double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::string folder = (std::filesystem::temp_directory_path() / "form-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        return 1;
    }
    const std::filesystem::path file = std::filesystem::path(folder) / "Lx1Cfg.ini";
    const std::string header = NonGbkHeader();
    {
        dtu::FormModel form;
        form.SetText(dtu::Field::HttpHeaders, header);
        dtu::IniFile ini(file);
        dtu::SaveFormSettings(form, ini);
        if (ini.Save()) {
            std::fprintf(stderr, "cannot save the settings file\n");
            std::abort();
        }
    }
    std::vector<double> wall;
    std::vector<double> cpu;
    bool whole = true;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const double cpuStart = CpuMs();
        dtu::IniFile ini(file);
        dtu::FormModel form;
        dtu::LoadFormSettings(ini, form);
        form.SetItem(dtu::Field::WorkMode, kHttpClientMode);
        // What the window shows of it, and takes back unedited.
        const std::string shown =
            dtu::Utf8ToGbk(dtu::GbkToUtf8(form.Text(dtu::Field::HttpHeaders)));
        dtu::OrderList orders;
        dtu::BuildWriteAllOrders(form, orders);
        dtu::InsertFamilySetLines(form, orders);
        dtu::SaveFormSettings(form, ini);
        if (ini.Save()) {
            std::fprintf(stderr, "cannot save the settings file\n");
            std::abort();
        }
        cpu.push_back(CpuMs() - cpuStart);
        wall.push_back(Ms(Clock::now() - start).count());
        whole =
            whole && shown == header &&
            std::any_of(orders.Lines().begin(), orders.Lines().end(),
                        [&](const std::string& line) { return line.find(header) != line.npos; });
    }
    whole = whole && dtu::IniFile(file).ReadMultiLine("HCM", "HTPHD", "") == header;
    std::filesystem::remove_all(folder);
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf(
        "1 MiB header of non-GBK bytes through load, the window's conversion, write all's list "
        "and save, %d runs: median %.1f ms wall, %.1f ms CPU (max %.1f ms wall); %s\n",
        runs, wall[wall.size() / 2], cpu[cpu.size() / 2], wall.back(),
        whole ? "it comes back byte for byte" : "IT DID NOT COME BACK WHOLE");
    return whole ? 0 : 1;
}
