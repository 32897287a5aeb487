#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "protocol/device_port.h"
#include "protocol/engine_note.h"
#include "protocol/order_list.h"
#include "protocol/reply_parser.h"
#include "protocol/run_outcome.h"

namespace dtu {

// The colour a line of the log is shown in.
enum class LogKind {
    Tx,     // sent text
    Rx,     // a reply that counts as success
    Error,  // an error reply, and the tool's own error texts
    Info,   // any other reply and the success texts
};

// The progress bar of a running command list, hidden at rest.
struct Progress {
    bool visible = false;
    int maximum = 0;
    int position = 0;
    bool operator==(const Progress&) const = default;
};

// What the engine reads from and reports to whoever owns it. Texts are GBK bytes.
class EngineHost {
public:
    virtual ~EngineHost() = default;

    // A line of the exchange as sent or received.
    virtual void Log(LogKind kind, const std::string& text) = 0;
    // What the engine tells besides: the front end puts it into words.
    virtual void Note(const EngineNote& note) = 0;
    virtual void ShowProgress(const Progress& progress) = 0;

    // The form's lines: read all's, write all's, and the firmware-family
    // lines chosen by the form's work mode and view.
    virtual void BuildReadAll(OrderList& orders) const = 0;
    virtual void BuildWriteAll(OrderList& orders) const = 0;
    virtual void AppendFamilyQueries(OrderList& orders) const = 0;
    virtual void InsertFamilySetLines(OrderList& orders) const = 0;
    virtual int WorkMode() const = 0;
    // The PC port's settings that follow the device's new UART: its format, else its speed.
    virtual LineChange DeviceUart(bool format) const = 0;
    // The SMS to send: the number and the message as the form shows them.
    virtual std::pair<std::string, std::string> Sms() const = 0;
    // One reply value into the form; the version reply comes here too. False
    // for a value the form cannot take: that value was not read.
    virtual bool ApplyReply(const ReplyValue& reply) = 0;
    // After the answer to the query `sent` gave the values `taken` (by
    // ReplyKey): a line naming each value the form expects from that answer
    // and did not get; nothing when it expects none.
    virtual std::vector<std::string> NotReported(const std::string& sent,
                                                 const std::set<std::string>& taken) const = 0;
    // The cloud, cache, reconnect and HTTP controls follow the firmware family.
    virtual void EnableFamilyControls(bool enable) = 0;
    // Blanks the form the way a factory reset leaves the device.
    virtual void ResetFormForFactory() = 0;

    // The port was reopened with the device's new line settings, or closed
    // because it was lost or could not be reopened.
    virtual void PortChanged() = 0;
    // Every run of the command list ends here, exactly once.
    virtual void RunFinished(const RunOutcome& outcome) = 0;
};

}  // namespace dtu
