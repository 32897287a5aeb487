#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "form/device_map.h"
#include "form/field_compare.h"
#include "form/form_model.h"
#include "netport/net_link.h"
#include "protocol/device_finder.h"
#include "protocol/device_port.h"
#include "protocol/engine.h"
#include "protocol/engine_host.h"
#include "protocol/order_list.h"
#include "protocol/run_outcome.h"
#include "protocol/timers.h"
#include "serial/comm.h"
#include "serial/event_poster.h"
#include "serial/port_control.h"
#include "session/serial_device_port.h"

namespace dtu {

// The port part of the status bar: the port's settings while open, whether
// the serial device server sets the line, else not open.
struct PortStatus {
    bool open = false;
    bool lineByServer = false;
    PortTexts settings;
};

// What a front end hears from the session. Texts are GBK bytes.
class SessionListener {
public:
    virtual ~SessionListener() = default;
    virtual void OnLog(LogKind kind, const std::string& text) = 0;
    // How a run ended, a lost port, a line that could not go out: put into words here.
    virtual void OnNote(const EngineNote& note) = 0;
    virtual void OnProgress(const Progress& progress) = 0;
    virtual void OnPortStatus(const PortStatus& status) = 0;
    // Every run of the command list ends here, once, after its last log line.
    virtual void OnRunFinished(const RunOutcome& /*outcome*/) {}
};

// One device on one serial port, local or behind a serial device server: the port, the protocol
// engine, the command list, the reply timer and the form's values. The windows and the command line
// both drive it; it runs on the thread that owns the poster and the timers.
class DeviceSession : private EngineHost {
public:
    DeviceSession(EventPoster& poster, Timers& timers);
    ~DeviceSession() override;
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    void SetListener(SessionListener* listener) { listener_ = listener; }

    FormModel& Form() { return form_; }
    const FormModel& Form() const { return form_; }

    // Opens `texts`, closing the port first; a running list ends as interrupted.
    // Why the port did not open, or nothing (Opened()) when it did.
    OpenError OpenPort(const PortTexts& texts);
    // The same without blocking while a network port connects: `done` runs on
    // the owner thread once the port is open or has failed; never when the
    // port is closed or opened again first.
    void BeginOpenPort(const PortTexts& texts, std::function<void(const OpenError&)> done);
    void ClosePort();
    // F8: closes the port and opens it with the saved settings, a network
    // port without blocking.
    void ReopenWithSavedSettings();
    bool PortIsOpen() const { return control_.PortIsOpen(); }
    // The settings the port was last opened with (after a write all, the
    // device's new UART).
    const PortTexts& PortSettings() const { return control_.settings; }
    // The same as the settings file keeps them: an adapter by its by-id name,
    // which finds it again under another ttyUSB number.
    PortTexts StoredPortSettings() const;
    // The settings the port window kept for reopening later; never stored on disk.
    void KeepForReopen(const PortTexts& texts) { keptForReopen_ = texts; }
    const PortTexts& KeptForReopen() const { return keptForReopen_; }

    // Find: opens `start`'s port and tries line settings (FindOrder; on a
    // server that keeps its own line, the line as it is) until the device
    // answers. `started` hears of each try; `finished` runs once, also when the
    // port does not open or another action or CancelFind ends the search. The
    // port stays open at the settings found; any other end closes it.
    void BeginFind(const PortTexts& start, DeviceFinder::TryStarted started,
                   DeviceFinder::Finished finished);
    void CancelFind();

    // The actions. Each ends a running list, or a search, first, as interrupted.
    void ReadAll();
    // A read all whose replies fill `scratch` instead of the form, which stays
    // as it is; `done` runs once as the read ends, however it ends, after the
    // listener heard of it. `scratch` must outlive the read.
    void ReadAllInto(FormModel& scratch, std::function<void(const RunOutcome&)> done);
    // Starts only when every value it sends keeps its rule; else returns the
    // fields that do not, and sends nothing.
    std::vector<ValueProblem> WriteAll();
    // For a write all now: the fields the compact view hides that it would
    // change on the device, as the last read all found it; nothing when no
    // read all has reported since the port opened or the last write.
    std::vector<HiddenChange> HiddenChangesOfWrite() const;
    // The lines a write all of the form would send after its version query,
    // for the firmware family the last version reply named; nothing is sent.
    // A dry run asks for the version (a read all asks too), then stops here.
    std::vector<std::string> WriteAllLines() const;
    // For a write all now: every field it would change on the device as the
    // last read all found it, or could not know (not read); nothing when no
    // read all has reported since the port opened or the last write.
    std::vector<FieldDifference> DifferencesOfWrite() const;
    void FactoryReset();  // after the user confirmed
    void RestartDevice();
    void EnterCommandMode();
    void ExitToDataMode();
    void QueryVersion();
    void SendRaw(const std::string& text);
    // Sends only a number and message that keep their rules; else returns the
    // fields that do not, and sends nothing.
    std::vector<ValueProblem> SendSms();

    // One reply line's name and value, as if the device had sent it.
    void DispatchReply(const std::string& name, const std::string& value) {
        engine_.DispatchReply({name, value});
    }

    bool Running() const { return engine_.Running(); }
    // What the last read all took from the device, by ReplyKey.
    const std::set<std::string>& Reported() const { return reported_; }
    // The pause after each final line; nothing: the port's framing pause.
    void SetLineGap(std::optional<std::chrono::milliseconds> gap) { engine_.SetLineGap(gap); }
    std::uint8_t CurrentOperation() const { return engine_.Operation(); }
    // The version text of the last version reply, e.g. "3.38".
    const std::string& FirmwareVersion() const { return firmware_; }

    void SetReplyTimeout(std::chrono::milliseconds timeout) { engine_.SetReplyTimeout(timeout); }
    OrderList& Orders() { return orders_; }

    // Sees each block the port receives; calling `pass` hands it to the engine.
    using ReceiveHook =
        std::function<void(const std::string& block, const std::function<void()>& pass)>;
    void SetReceiveHook(ReceiveHook hook) { receiveHook_ = std::move(hook); }

private:
    // EngineHost.
    void Log(LogKind kind, const std::string& text) override;
    void Note(const EngineNote& note) override;
    void ShowProgress(const Progress& progress) override;
    void BuildReadAll(OrderList& orders) const override;
    void BuildWriteAll(OrderList& orders) const override;
    void AppendFamilyQueries(OrderList& orders) const override;
    void InsertFamilySetLines(OrderList& orders) const override;
    int WorkMode() const override;
    LineChange DeviceUart(bool format) const override;
    std::pair<std::string, std::string> Sms() const override;
    bool ApplyReply(const ReplyValue& reply) override;
    std::vector<std::string> NotReported(const std::string& sent,
                                         const std::set<std::string>& taken) const override;
    void EnableFamilyControls(bool enable) override;
    void ResetFormForFactory() override;
    void PortChanged() override;
    void RunFinished(const RunOutcome& outcome) override;

    void BeginAction(std::uint8_t operation = kOtherOperation);
    // A block the port received: to the hook when there is one, else to the engine.
    void Received(const std::string& block);
    void DeliverReceived(const std::string& block);
    void FindOpened(const OpenError& open, const PortTexts& start,
                    DeviceFinder::TryStarted started);
    void ShowPortStatus();

    SessionListener* listener_ = nullptr;
    FormModel form_;
    TComm comm_;
    NetLink net_;  // a port name of a serial device server opens this instead
    PortControl control_;
    SerialDevicePort port_;
    OrderList orders_;
    Engine engine_;
    DeviceFinder finder_;
    // A search whose port is still connecting: how it reports its end.
    DeviceFinder::Finished findOpening_;
    std::string firmware_;
    std::set<std::string> reported_;
    std::optional<FormModel> lastRead_;  // the form as the last read all left it
    // What replies fill: the form, or a scratch form for the read in progress.
    FormModel* replyTarget_ = &form_;
    std::function<void(const RunOutcome&)> scratchDone_;
    ReceiveHook receiveHook_;
    PortTexts keptForReopen_;
};

}  // namespace dtu
