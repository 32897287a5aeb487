#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "render/note_text.h"
#include "render/port_status_text.h"
#include "session/device_session.h"
#include "session/event_loop.h"
#include "tools/dtusim/pty_device.h"

namespace dtu::testing {

struct SessionLine {
    LogKind kind;
    std::string text;
};

// A session on the test thread's loop, talking over a pseudo-terminal to the
// simulated device, with what it tells a front end recorded.
class SessionFixture : public ::testing::Test, public SessionListener {
protected:
    explicit SessionFixture(sim::Mode mode = sim::Mode::kCommand)
        : device(std::make_unique<sim::PtyDevice>(mode)) {
        session.SetListener(this);
        device->Start();
    }
    ~SessionFixture() override { session.SetListener(nullptr); }

    void SetUp() override {
        const OpenError open = session.OpenPort(PortAt115200());
        ASSERT_TRUE(open.Opened()) << open.systemText;
    }
    PortTexts PortAt115200() const { return {device->SlavePath(), "115200", "NONE", "8", "1"}; }

    void OnLog(LogKind kind, const std::string& text) override { log.push_back({kind, text}); }
    // Without a language table, each key stands for its text.
    void OnNote(const EngineNote& note) override {
        log.push_back({NoteLogKind(note), NoteText(note, TLangList())});
    }
    void OnProgress(const Progress& progress) override { lastProgress = progress; }
    void OnPortStatus(const PortStatus& port) override {
        status = PortStatusLine(port, TLangList());
    }
    void OnRunFinished(const RunOutcome& outcome) override { outcomes.push_back(outcome); }

    // Runs the loop until the run in progress has ended.
    bool RunToVerdict(std::chrono::milliseconds bound = std::chrono::seconds(20)) {
        const std::size_t before = outcomes.size();
        return loop.RunUntil([&] { return outcomes.size() > before; }, bound);
    }
    bool RunUntilLogged(const std::string& text,
                        std::chrono::milliseconds bound = std::chrono::seconds(20)) {
        return loop.RunUntil([&] { return !log.empty() && log.back().text == text; }, bound);
    }
    std::vector<std::string> Logged(LogKind kind) const {
        std::vector<std::string> texts;
        for (const SessionLine& line : log) {
            if (line.kind == kind) {
                texts.push_back(line.text);
            }
        }
        return texts;
    }

    EventLoop loop;
    std::unique_ptr<sim::PtyDevice> device;
    DeviceSession session{loop, loop};
    std::vector<SessionLine> log;
    std::vector<RunOutcome> outcomes;
    Progress lastProgress;
    std::string status;
};

}  // namespace dtu::testing
