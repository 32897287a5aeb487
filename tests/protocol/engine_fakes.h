#pragma once

#include <chrono>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "form/device_map.h"
#include "form/write_lines.h"
#include "protocol/commands.h"
#include "protocol/device_port.h"
#include "protocol/engine_host.h"
#include "protocol/timers.h"
#include "render/note_text.h"

namespace dtu::testing {

// A port in memory: it records what is written and reopened, and can be told
// to lose the line or to fail the next reopen.
class FakePort : public DevicePort {
public:
    bool IsOpen() const override { return open; }
    SendResult Send(const std::string& bytes) override {
        if (!open) {
            return SendResult::Closed;
        }
        if (bytes.size() > 65535) {
            return SendResult::TooLong;
        }
        if (lost) {
            return SendResult::Lost;
        }
        written.push_back(bytes);
        return SendResult::Sent;
    }
    OpenError Reopen(const LineChange& change) override {
        reopens.push_back(change);
        open = !failReopen;
        return failReopen ? OtherOpenError(Name(), "no such port") : OpenError{};
    }
    void Close() override { open = false; }
    std::string Name() const override { return "/dev/ttyFAKE0"; }
    std::string BaudRate() const override { return baud; }

    std::string baud = "115200";
    bool open = true;
    bool lost = false;
    bool failReopen = false;
    std::vector<std::string> written;
    std::vector<LineChange> reopens;
};

// Timers on a clock the test steps by hand.
class FakeTimers : public Timers {
public:
    Id Start(std::chrono::milliseconds delay, std::function<void()> fire) override {
        const Id id = nextId_++;
        pending_.emplace(id, Timer{now_ + delay, std::move(fire), delay});
        started.push_back(delay);
        return id;
    }
    void Cancel(Id id) override { pending_.erase(id); }

    // Moves the clock on, firing every timer that falls due on the way, in order.
    void Advance(std::chrono::milliseconds step) {
        const std::chrono::milliseconds end = now_ + step;
        for (;;) {
            auto next = pending_.end();
            for (auto it = pending_.begin(); it != pending_.end(); ++it) {
                if (it->second.due <= end &&
                    (next == pending_.end() || it->second.due < next->second.due)) {
                    next = it;
                }
            }
            if (next == pending_.end()) {
                break;
            }
            now_ = next->second.due;
            std::function<void()> fire = std::move(next->second.fire);
            pending_.erase(next);
            fire();
        }
        now_ = end;
    }
    // True while a timer of `delay` is pending.
    bool Pending(std::chrono::milliseconds delay) const {
        for (const auto& [id, timer] : pending_) {
            if (timer.delay == delay) {
                return true;
            }
        }
        return false;
    }
    std::vector<std::chrono::milliseconds> started;

private:
    struct Timer {
        std::chrono::milliseconds due;
        std::function<void()> fire;
        std::chrono::milliseconds delay{};
    };
    std::chrono::milliseconds now_{0};
    Id nextId_ = 1;
    std::map<Id, Timer> pending_;
};

struct LoggedLine {
    LogKind kind;
    std::string text;
};

// A form and a log in memory.
class FakeHost : public EngineHost {
public:
    void Log(LogKind kind, const std::string& text) override { log.push_back({kind, text}); }
    // Without a language table, each key stands for its text.
    void Note(const EngineNote& note) override {
        log.push_back({NoteLogKind(note), NoteText(note, TLangList())});
    }
    void ShowProgress(const Progress& shown) override { progress.push_back(shown); }
    void BuildReadAll(OrderList& orders) const override { BuildReadAllOrders(orders); }
    void BuildWriteAll(OrderList& orders) const override { BuildWriteAllOrders(form, orders); }
    void AppendFamilyQueries(OrderList& orders) const override {
        dtu::AppendFamilyQueries(form, orders);
    }
    void InsertFamilySetLines(OrderList& orders) const override {
        dtu::InsertFamilySetLines(form, orders);
    }
    int WorkMode() const override { return form.Item(Field::WorkMode); }
    LineChange DeviceUart(bool format) const override {
        const auto text = [this](Field field) { return form.ItemText(field); };
        return format ? LineChange{std::nullopt, text(Field::Parity), text(Field::DataBits),
                                   text(Field::StopBits)}
                      : LineChange{text(Field::BaudRate), {}, {}, {}};
    }
    std::pair<std::string, std::string> Sms() const override { return sms; }
    bool ApplyReply(const ReplyValue& reply) override {
        applied.push_back(reply);
        if (reply.name == refuseName) {
            return false;
        }
        if (CmdByName(reply.name) == TCmd::CIMOD && !reply.value.empty()) {
            form.SetItem(Field::WorkMode, reply.value[0] - '0');
        }
        return true;
    }
    std::vector<std::string> NotReported(const std::string& sent,
                                         const std::set<std::string>& taken) const override {
        return LinesNotReported(sent, taken);
    }
    void EnableFamilyControls(bool enable) override { familyControls.push_back(enable); }
    void ResetFormForFactory() override {
        ++factoryResets;
        form.SetText(Field::Apn, "CMNET");
    }
    void PortChanged() override { ++portChanged; }
    void RunFinished(const RunOutcome& outcome) override { outcomes.push_back(outcome); }

    std::vector<std::string> Lines(LogKind kind) const {
        std::vector<std::string> texts;
        for (const LoggedLine& line : log) {
            if (line.kind == kind) {
                texts.push_back(line.text);
            }
        }
        return texts;
    }
    const LoggedLine& Last() const { return log.back(); }

    FormModel form;
    std::pair<std::string, std::string> sms;
    std::string refuseName;  // replies of this name the form cannot take
    std::vector<LoggedLine> log;
    std::vector<Progress> progress;
    std::vector<ReplyValue> applied;
    std::vector<bool> familyControls;
    std::vector<RunOutcome> outcomes;
    int factoryResets = 0;
    int portChanged = 0;
};

}  // namespace dtu::testing
