#include <fcntl.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fstream>

#include <filesystem>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/device_batch.h"
#include "cli/profile_check.h"
#include "cli/profile_render.h"
#include "serial/port_lock.h"
#include "session/device_session.h"
#include "session/event_loop.h"
#include "tests/cli/cli_run.h"
#include "tests/lang/test_support.h"
#include "tests/netport/ser2net_server.h"
#include "tests/session/worked_example_model.h"
#include "tools/dtusim/pty_device.h"

namespace dtu::cli {
namespace {

using Lines = std::vector<std::string>;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Whole command lines against simulated devices on pseudo-terminals, run in this process.
class CliEndToEnd : public ::testing::Test {
protected:
    void StartDevices(int count) {
        for (int i = 0; i < count; ++i) {
            devices.push_back(std::make_unique<sim::PtyDevice>());
            devices.back()->Start();
        }
    }
    std::string Port(std::size_t index) const { return devices.at(index)->SlavePath(); }

    CliRun Run(const std::vector<std::string>& args) { return RunCommand(args); }

    // The worked example as a profile file, changed by `change`.
    std::string WorkedProfile(const std::string& name, void (*change)(FormModel&) = nullptr) {
        FormModel form;
        LoadWorkedExample(form);
        if (change != nullptr) {
            change(form);
        }
        const std::string path = (dir / name).string();
        WriteBytes(path, ProfileIni(form, ""));
        return path;
    }

    TempDir dir;
    std::vector<std::unique_ptr<sim::PtyDevice>> devices;
};

// A compact-view write reads first and names the settings it changes out of sight.
TEST_F(CliEndToEnd, CompactViewWriteNamesTheHiddenSettingsItChanges) {
    StartDevices(1);
    const std::string full =
        WorkedProfile("full.ini", [](FormModel& f) { f.SetText(Field::RestartTime, "900"); });
    ASSERT_EQ(Run({"write", Port(0), "--profile", full}).status, 0);
    const std::string compact =
        WorkedProfile("compact.ini", [](FormModel& f) { f.SetView(kCompactView); });
    const CliRun run = Run({"write", Port(0), "--profile", compact, "--verify"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(Has(run.out,
                    ": success: hidden by the compact view: DTM/RestartTime (Restart Time) "
                    "\"900\" -> \"1800\"; "))
        << run.out;
    EXPECT_TRUE(
        Has(run.out, "; hidden by the compact view: DTM/Resoc (Reconnect) \"10\" -> \"5\""));
    EXPECT_EQ(devices[0]->Saved().timing[5], "1800");
}

TEST_F(CliEndToEnd, WriteAndVerifyOnSeveralDevicesAtOnce) {
    StartDevices(3);
    const std::string profile = WorkedProfile("worked.ini");
    const std::string report = (dir / "report.json").string();
    const CliRun run = Run(
        {"write", Port(0), Port(1), Port(2), "--profile", profile, "--verify", "--report", report});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const Lines lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const std::string prefix = Port(i) + ": success (firmware V3.38, ";
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string& line) { return line.starts_with(prefix); }),
                  1);
        // The 18 lines of write all, then the 8 queries of read all.
        const Lines received = devices[i]->ReceivedLines();
        ASSERT_EQ(received.size(), 26u);
        EXPECT_EQ(received[17], "ATW\r\n");
        EXPECT_EQ(received[18], "AT+CIVER?\r\n");
        EXPECT_EQ(devices[i]->Saved().sockets[0],
                  (sim::SocketConfig{"TCP", "host1", "2317", true}));
        EXPECT_EQ(devices[i]->Saved().reconnect, "10");
    }
    EXPECT_TRUE(lines[3].starts_with("3 devices: 3 succeeded, 0 failed, in ")) << lines[3];
    const std::string json = ReadBytes(report);
    EXPECT_TRUE(Has(json, "\"succeeded\": 3,\n  \"failed\": 0,")) << json;
    EXPECT_TRUE(Has(json, "\"port\": \"" + Port(2) +
                              "\",\n      \"outcome\": \"success\",\n"
                              "      \"stage\": \"verify\",\n      \"firmware\": \"V3.38\","))
        << json;
    EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST_F(CliEndToEnd, DevicesBehindSerialDeviceServersRunBesideLocalOnes) {
    StartDevices(3);
    const dtu::testing::Ser2netServer rfc2217(Port(1));
    const dtu::testing::Ser2netServer raw(Port(2));
    ASSERT_EQ(rfc2217.Failure() + raw.Failure(), "");
    const std::vector<std::string> ports = {Port(0), rfc2217.Rfc2217Name(), raw.RawName()};
    const CliRun run = Run({"write", ports[0], ports[1], ports[2], "--profile",
                            WorkedProfile("worked.ini"), "--verify"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        SCOPED_TRACE(ports[i]);
        EXPECT_TRUE(Has(run.out, ports[i] + ": success (firmware V3.38, ")) << run.out;
        EXPECT_EQ(devices[i]->ReceivedLines().size(), 26u);
    }
}

TEST_F(CliEndToEnd, ARefusedSettingFailsTheRunAndIsNamed) {
    StartDevices(2);
    // The device keeps at most five digits of the reconnect interval.
    const std::string profile = WorkedProfile(
        "refused.ini", [](FormModel& f) { f.SetText(Field::ReconnectInterval, "123456"); });
    const std::string report = (dir / "report.json").string();
    const CliRun run =
        Run({"write", Port(0), Port(1), "--profile", profile, "--verify", "--report", report});
    EXPECT_EQ(run.status, 1);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(
            Has(run.out, Port(i) + ": incomplete in write: refused RESOC (DTM/Resoc (Reconnect)) "))
            << run.out;
        // No read back after a write that did not succeed.
        EXPECT_EQ(devices[i]->ReceivedLines().size(), 18u);
    }
    const std::string json = ReadBytes(report);
    EXPECT_TRUE(Has(json, "\"outcome\": \"incomplete\""));
    EXPECT_TRUE(Has(json,
                    "\"command\": \"RESOC\",\n          \"keys\": [\n"
                    "            \"DTM/Resoc\"\n          ]"))
        << json;
}

TEST_F(CliEndToEnd, ABadProfileOrAPortThatCannotBeUsedSendsNothing) {
    StartDevices(2);
    const std::string bad = (dir / "bad.ini").string();
    WriteBytes(bad, "[COMMON]\nWorkMode=0\n[DTM]\nPort1=6060s\n");
    const std::string good = WorkedProfile("good.ini");
    // Another program holds the second device's port.
    EventLoop loop;
    DeviceSession holder(loop, loop);
    ASSERT_TRUE(holder.OpenPort({Port(1), "115200", "NONE", "8", "1"}).Opened());
    const std::string refusing =
        "rfc2217://127.0.0.1:" + std::to_string(dtu::testing::FreeLoopbackPort());

    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Row rows[] = {
        {"bad_value",
         {"write", Port(0), "--profile", bad},
         3,
         "dtuconfig-cli: " + bad +
             ":4: DTM/Port1=6060s: a port number from 0 to 65535 or "
             "nothing is due\n"},
        {"unknown_port",
         {"version", Port(0), "/dev/dtu-no-such-port"},
         4,
         "dtuconfig-cli: unknown port /dev/dtu-no-such-port: no such device (dtuconfig-cli "
         "ports lists the ports)\n"},
        {"busy_port",
         {"write", Port(0), Port(1), "--profile", good},
         4,
         "dtuconfig-cli: " + Port(1) + ": busy, held by "},
        {"server_refuses",
         {"version", Port(0), refusing},
         4,
         "dtuconfig-cli: " + refusing + ": the server refused the connection"},
        {"bad_network_name",
         {"version", "socket://127.0.0.1", Port(0)},
         4,
         "dtuconfig-cli: socket://127.0.0.1: not a network port name"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CliRun run = Run(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_TRUE(run.err.starts_with(row.err)) << run.err;
    }
    EXPECT_EQ(LinesReceived(devices), 0u);
}

TEST_F(CliEndToEnd, ReadPrintsAProfileThatFollowsTheDevicesNewUart) {
    StartDevices(1);
    const std::string profile = WorkedProfile("fast.ini", [](FormModel& f) {
        f.SetText(Field::Socket1Host, "host.example");
        f.SetItem(Field::BaudRate, 9);  // 57600
    });
    const std::string report = (dir / "report.json").string();
    ASSERT_EQ(Run({"write", Port(0), "--profile", profile, "--report", report}).status, 0);
    EXPECT_TRUE(Has(ReadBytes(report), "\"line\": \"57600,NONE,8,1\""));

    const CliRun ini = Run({"read", Port(0), "--baud", "57600"});
    EXPECT_EQ(ini.status, 0) << ini.err;
    EXPECT_TRUE(ini.out.starts_with("; read from " + Port(0) + ", firmware V3.38\n[COMMON]\n"));
    EXPECT_TRUE(Has(ini.out, "\nIP1=host.example\nPort1=2317\n")) << ini.out;
    EXPECT_TRUE(Has(ini.out, "\nBaudRate=9\n"));
    std::ofstream(dir / "read.ini", std::ios::binary) << ini.out;
    FormModel back;
    EXPECT_EQ(LoadProfileFile(dir / "read.ini", back, std::nullopt), std::nullopt);
    EXPECT_TRUE(ini.err.starts_with(Port(0) + ": success (firmware V3.38, ")) << ini.err;

    const CliRun json = Run({"read", Port(0), "--baud", "57600", "--json"});
    EXPECT_TRUE(Has(json.out, "\"firmware\": \"V3.38\",\n  \"profile\": {\n")) << json.out;
    EXPECT_TRUE(Has(json.out, "\"IP1\": \"host.example\","));

    const std::string out = (dir / "read.ini").string();
    ASSERT_EQ(Run({"read", Port(0), "--baud", "57600", "--out", out}).status, 0);
    EXPECT_EQ(ReadBytes(out), ini.out);
}

// The output is UTF-8 whatever reads it, the --out file GBK as the settings
// file; a read that fails still prints its JSON, with the report's outcome,
// and writes no file.
TEST_F(CliEndToEnd, ReadPrintsUtf8WritesGbkAndAlwaysAnswersInJson) {
    StartDevices(1);
    const std::string profile =
        WorkedProfile("gbk.ini", [](FormModel& f) { f.SetText(Field::Socket1Host, "\xD6\xD0"); });
    ASSERT_EQ(Run({"write", Port(0), "--profile", profile}).status, 0);
    const CliRun ini = Run({"read", Port(0)});
    EXPECT_TRUE(Has(ini.out, "\nIP1=中\n")) << ini.out;
    const std::string out = (dir / "read.ini").string();
    ASSERT_EQ(Run({"read", Port(0), "--out", out}).status, 0);
    EXPECT_TRUE(Has(ReadBytes(out), "\nIP1=\xD6\xD0\n"));
    const CliRun json = Run({"read", Port(0), "--json"});
    EXPECT_TRUE(Has(json.out, "\"outcome\": \"success\",\n  \"firmware\": \"V3.38\",")) << json.out;
    EXPECT_TRUE(Has(json.out, "\"IP1\": \"中\","));

    devices.push_back(std::make_unique<sim::PtyDevice>());
    devices[1]->SetForgetful(true);
    devices[1]->Start();
    const CliRun failed = Run({"read", Port(1), "--json", "--out", out});
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(
        failed.out.starts_with("{\n  \"port\": \"" + Port(1) +
                               "\",\n  \"outcome\": \"incomplete\",\n  \"stage\": \"read\","))
        << failed.out;
    EXPECT_TRUE(Has(failed.out, "\"IP1\": null,")) << "a value the device did not tell";
    EXPECT_TRUE(Has(ReadBytes(out), "\nIP1=\xD6\xD0\n")) << "the file is left as it was";
}

TEST_F(CliEndToEnd, DirectSendsEndWithTheAnswer) {
    StartDevices(2);
    const CliRun version = Run({"version", Port(0), Port(1)});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(Has(version.out, Port(1) + ": success (firmware V3.38, ")) << version.out;
    const CliRun refused = Run({"send", "AT+NOSUCH", Port(0)});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(Has(refused.out, Port(0) + ": refused in send: answer \"\\r\\nERROR\\r\\n\" ("))
        << refused.out;
    const CliRun verbose = Run({"send", "AT+CIPR?", Port(1), "--verbose"});
    EXPECT_EQ(verbose.status, 0);
    EXPECT_TRUE(Has(verbose.out, "answer \"\\r\\n+CIPR:115200\\r\\n\\r\\nOK\\r\\n\""));
    EXPECT_TRUE(verbose.err.starts_with(Port(1) + " > AT+CIPR?\\r\\n\n" + Port(1) +
                                        " < \\r\\n+CIPR:115200"))
        << verbose.err;
    EXPECT_EQ(devices[1]->ReceivedLines().back(), "AT+CIPR?\r\n");
    for (const auto& [lang, note] :
         {std::pair{"en", "[Note]: Successful operation."}, std::pair{"zh", "[提示]:操作成功."}}) {
        const CliRun said = Run({"send", "AT+CIPR?", Port(1), "--verbose", "--lang", lang});
        EXPECT_TRUE(Has(said.err, Port(1) + " - " + note)) << said.err;
    }
}

TEST_F(CliEndToEnd, EveryDeviceFaultGivesItsTrueVerdict) {
    using namespace std::chrono_literals;
    const std::string profile = WorkedProfile("p.ini");
    struct Row {
        const char* name;
        void (*fault)(sim::PtyDevice&);
        Lines args;  // the port follows
        int status;
        std::string said;
    };
    const Row rows[] = {
        {"echoes", [](sim::PtyDevice& d) { d.SetEcho(true); }, {"read"}, 0, ": success"},
        {"echoes, written with a short gap",
         [](sim::PtyDevice& d) { d.SetEcho(true); },
         {"write", "--profile", profile, "--verify", "--gap", "20"},
         0,
         ": success"},
        {"keeps nothing",
         [](sim::PtyDevice& d) { d.SetForgetful(true); },
         {"read"},
         1,
         ": incomplete in read: not read CIVER; not read CIPR; not read ICF; not read CIPCFG; "
         "not read CIPPACK=0; not read CIPPACK=1; not read CIPSCONT=1"},
        {"keeps nothing, written",
         [](sim::PtyDevice& d) { d.SetForgetful(true); },
         {"write", "--profile", profile, "--verify"},
         1,
         ": incomplete in write: not read CIVER"},
        {"leaves a value line out",
         [](sim::PtyDevice& d) { d.LeaveOut("CIPCFG"); },
         {"write", "--profile", profile, "--verify"},
         1,
         ": mismatch in verify: not read CIPCFG; DTM/HeartbeatTime (Heartbeat) written \"50\", "
         "read back: "
         "nothing"},
        {"refuses, then says OK",
         [](sim::PtyDevice& d) {
             d.ErrorOn("AT+CIPSCONT", 1);
             d.SetAnswerShape({false, false, true, ""});
         },
         {"write", "--profile", profile},
         1,
         ": incomplete in write: refused CIPSCONT (DTM/Protocol1 (Protocol 1), DTM/IP1 (IP/Domain "
         "1), DTM/Port1 (Port 1), DTM/Enable1 (Use Net 1))"},
        {"noise",
         [](sim::PtyDevice& d) { d.SetNoise(50ms); },
         {"version"},
         1,
         ": unreadable-answers in version"},
        {"no line end",
         [](sim::PtyDevice& d) {
             d.SetAnswerShape({true, false, false, ""});
         },
         {"send", "AT"},
         1,
         ": unreadable-answers in send"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        devices.clear();
        devices.push_back(std::make_unique<sim::PtyDevice>());
        row.fault(*devices[0]);  // before the device's thread starts
        devices[0]->Start();
        Lines args = row.args;
        args.push_back(Port(0));
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, row.status) << run.out << run.err;
        EXPECT_TRUE(Has(run.out + run.err, Port(0) + row.said)) << run.out << run.err;
    }
}

TEST_F(CliEndToEnd, AnInterruptEndsEveryRunAndReleasesThePorts) {
    using namespace std::chrono_literals;
    StartDevices(2);
    for (const auto& device : devices) {
        device->SilentOn("AT+CIVER?", 2);
    }
    for (const Action action : {Action::Write, Action::Version}) {
        SCOPED_TRACE(static_cast<int>(action));
        RunPlan plan;
        plan.action = action;
        LoadWorkedExample(plan.profile);
        TLangList texts;
        DeviceBatch batch({Port(0), Port(1)}, plan, texts);
        std::ostringstream results;
        const BatchOutput output{results, results};
        ASSERT_TRUE(batch.OpenAll({"", "115200", "NONE", "8", "1"}, output));
        // The way the stop signals reach the runs: work posted to the loop.
        batch.Loop().Start(300ms, [&batch] { batch.Interrupt(); });
        EXPECT_TRUE(batch.Run(output, 20s));
        for (const DeviceResult& result : batch.Results()) {
            EXPECT_EQ(result.verdict, Verdict::Interrupted);
        }
        EXPECT_TRUE(Has(results.str(), "2 devices: 0 succeeded, 2 failed")) << results.str();
    }
    EventLoop loop;
    DeviceSession next(loop, loop);
    EXPECT_TRUE(next.OpenPort({Port(0), "115200", "NONE", "8", "1"}).Opened());
}

// Whatever ends a command, the report is this run's, with the reason, or there
// is none: an earlier report saying "success" never stays.
TEST_F(CliEndToEnd, EveryExitWritesItsReportOrNone) {
    StartDevices(1);
    const std::string bad = (dir / "bad.ini").string();
    WriteBytes(bad, "[DTM]\nPort1=6060s\n");
    const std::string report = (dir / "report.json").string();
    const std::string linked = (dir / "linked.json").string();
    std::filesystem::create_symlink(dir / "elsewhere.json", linked);
    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::string reportPath;
        int status;
        const char* has;  // in the report; nullptr: no report file
    };
    const Row rows[] = {
        {"success", {"version", Port(0)}, report, 0, "\"failed\": 0,\n  \"devices\""},
        {"bad_arguments",
         {"version", Port(0), "--fast"},
         report,
         2,
         "\"reason\": \"bad arguments: unknown option --fast\""},
        {"bad_profile",
         {"write", Port(0), "--profile", bad},
         report,
         3,
         "\"reason\": \"bad profile: "},
        {"no_port",
         {"version", "/dev/dtu-no-such-port"},
         report,
         4,
         "\"reason\": \"a port could not be opened; nothing was sent\""},
        {"report_through_a_link", {"version", Port(0)}, linked, 5, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteBytes(report, "{\"stale\": \"success\"}");
        std::vector<std::string> args = row.args;
        args.insert(args.end(), {"--report", row.reportPath});
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, row.status) << run.err;
        if (row.has == nullptr) {
            EXPECT_FALSE(std::filesystem::exists(row.reportPath));
            EXPECT_TRUE(std::filesystem::is_symlink(row.reportPath));
            continue;
        }
        const std::string json = ReadBytes(row.reportPath);
        EXPECT_TRUE(Has(json, row.has)) << json;
        EXPECT_FALSE(Has(json, "stale")) << json;
    }
}

// Fills the pipe that `writeEnd` writes to, so that the next write would wait.
void FillPipe(int writeEnd) {
    const int flags = ::fcntl(writeEnd, F_GETFL);
    ::fcntl(writeEnd, F_SETFL, flags | O_NONBLOCK);
    const std::string block(4096, 'x');
    while (::write(writeEnd, block.data(), block.size()) > 0) {
    }
    const std::string byte(1, 'x');
    while (::write(writeEnd, byte.data(), 1) > 0) {
    }
    ::fcntl(writeEnd, F_SETFL, flags);
}

// The real program, stopped by a signal while a device is silent: every run
// ends as interrupted, the report is written and the lock files are gone.
TEST_F(CliEndToEnd, StopSignalsEndTheProgramWithItsReport) {
    using namespace std::chrono_literals;
    struct Row {
        int signal;
        int status;
        const char* reason;
        bool stalledOutput;  // a reader that takes nothing (`| sleep 20`)
    };
    const Row rows[] = {
        {SIGHUP, 129, "interrupted by SIGHUP", false},
        {SIGTERM, 130, "interrupted by SIGTERM", false},
        {SIGINT, 130, "interrupted by SIGINT", false},
        {SIGINT, 130, "interrupted by SIGINT", true},
    };
    const std::string profile = WorkedProfile("worked.ini");
    const std::string report = (dir / "report.json").string();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        sim::PtyDevice device;
        device.SilentAfter(2);
        device.Start();
        const std::string port = device.SlavePath();
        int stalled[2] = {-1, -1};
        if (row.stalledOutput) {
            ASSERT_EQ(::pipe(stalled), 0);
            FillPipe(stalled[1]);
        }
        const pid_t child = ::fork();
        if (child == 0) {
            if (row.stalledOutput) {
                ::dup2(stalled[1], STDOUT_FILENO);
                ::dup2(stalled[1], STDERR_FILENO);
            }
            ::execl(DTUCONFIG_CLI_EXECUTABLE, "dtuconfig-cli", "write", port.c_str(), "--profile",
                    profile.c_str(), "--report", report.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ASSERT_GT(child, 0);
        // The third line goes unanswered: the program waits for its reply.
        ASSERT_TRUE(device.WaitForLine(2, 10s));
        const std::string lock = UucpLockPath(port);
        EXPECT_TRUE(lock.empty() || std::filesystem::exists(lock));
        ASSERT_EQ(::kill(child, row.signal), 0);
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        for (const int fd : stalled) {
            ::close(fd);
        }
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), row.status);
        const std::string json = ReadBytes(report);
        EXPECT_TRUE(Has(json, std::string("\"reason\": \"") + row.reason)) << json;
        EXPECT_TRUE(Has(json, "\"outcome\": \"interrupted\"")) << json;
        EXPECT_TRUE(lock.empty() || !std::filesystem::exists(lock));
    }
}

}  // namespace
}  // namespace dtu::cli
