// Provisioning a fleet: checking a 10,000-row device list against a profile,
// and `dtuconfig-cli write --verify` on 64 simulated devices at once with a
// device list and a record against the same write without them.
// Usage: fleet_bench [runs] [devices]
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "bench/cli/sim_processes.h"
#include "cli/profile_render.h"
#include "form/device_list.h"
#include "tests/session/worked_example_model.h"

namespace {

namespace fs = std::filesystem;
using bench_cli::Clock;
using bench_cli::Devices;
using bench_cli::MedianByWall;
using bench_cli::RunFigures;
using bench_cli::TimeCommand;
using bench_cli::WriteCommand;

constexpr int kListRows = 10000;

std::string RowsText(const std::vector<std::string>& ports, int rows) {
    std::string text = "port,DTM/LoginFormat,DTM/CloudID,DTM/CloudPassword,DTM/IP1\r\n";
    for (int i = 0; i < rows; ++i) {
        const std::string id = std::to_string(1001 + i);
        const std::string port = i < static_cast<int>(ports.size())
                                     ? ports[static_cast<std::size_t>(i)]
                                     : "/dev/serial/by-id/usb-bench-" + id;
        text += port + ",LOGIN:" + id + "," + id + ",pw" + id + ",site" + id + ".example.net\r\n";
    }
    return text;
}

// The median time of reading and checking a list of kListRows rows.
double CheckListMs(const fs::path& dir, const dtu::FormModel& base, int runs) {
    const fs::path list = dir / "check.csv";
    std::ofstream(list, std::ios::binary) << RowsText({}, kListRows);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const dtu::DeviceListRead read = dtu::ReadDeviceList(list);
        const std::vector<dtu::ListProblem> problems = dtu::CheckDeviceList(read.list, base);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!read.problems.empty() || !problems.empty() || read.list.rows.size() != kListRows) {
            std::fprintf(stderr, "the generated list did not pass its check\n");
            return -1;
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool WriteOnce(const fs::path& dir, const std::string& profile, int count, bool listed,
               RunFigures& figures) {
    const Devices devices(dir, count);
    if (!devices.Ready()) {
        std::fprintf(stderr, "the simulated devices did not come up\n");
        return false;
    }
    std::vector<std::string> args = WriteCommand(devices, profile);
    if (listed) {
        const std::string list = (dir / "fleet.csv").string();
        const std::string record = (dir / "record.csv").string();
        std::ofstream(list, std::ios::binary) << RowsText(devices.Links(), count);
        fs::remove(record);
        args.insert(args.end(), {"--devices", list, "--record", record});
    }
    if (!TimeCommand(args, figures)) {
        std::fprintf(stderr, "write on %d devices did not succeed (list: %d)\n", count, listed);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 64;
    std::string pattern = (fs::temp_directory_path() / "dtu-fleet-bench-XXXXXX").string();
    const fs::path dir = mkdtemp(pattern.data());
    dtu::FormModel form;
    dtu::LoadWorkedExample(form);
    const std::string profile = (dir / "worked.ini").string();
    std::ofstream(profile, std::ios::binary) << dtu::cli::ProfileIni(form, "");

    const double checkMs = CheckListMs(dir, form, std::max(runs, 5));
    if (checkMs < 0) {
        fs::remove_all(dir);
        return 1;
    }
    std::printf("reading and checking a %d-row device list: %.1f ms (median)\n", kListRows,
                checkMs);

    std::printf("write --verify on %d devices at once, median of %d runs\n", count, runs);
    RunFigures without;
    for (const bool listed : {false, true}) {
        std::vector<RunFigures> all;
        for (int i = 0; i < runs; ++i) {
            RunFigures figures;
            if (!WriteOnce(dir, profile, count, listed, figures)) {
                fs::remove_all(dir);
                return 1;
            }
            all.push_back(figures);
        }
        const RunFigures median = MedianByWall(all);
        if (!listed) {
            without = median;
        }
        std::printf("  %-32s wall %8.1f ms (%.3f x without), CPU %7.1f ms\n",
                    listed ? "with a device list and a record:" : "without a list:", median.wallMs,
                    median.wallMs / without.wallMs, median.cpuMs);
    }
    fs::remove_all(dir);
    return 0;
}
