// Feeds one received block to the engine during read all and write all, over a
// port and timers in memory, with the real form taking every reply value. The
// form then goes the way of the settings file: saved, loaded again, and every
// value must come back as it was.
#include <cstddef>
#include <cstdint>
#include <string>

#include "form/factory_reset.h"
#include "form/reply_apply.h"
#include "protocol/engine.h"
#include "tests/fuzz/form_round_trip.h"
#include "tests/protocol/engine_fakes.h"

namespace {

class FormHost : public dtu::testing::FakeHost {
public:
    bool ApplyReply(const dtu::ReplyValue& reply) override { return dtu::ApplyReply(form, reply); }
    void EnableFamilyControls(bool enable) override { form.EnableFamilyControls(enable); }
    void ResetFormForFactory() override { dtu::ResetForFactory(form); }
};

constexpr std::size_t kMaxBlock = 2048;

void RunBlock(const std::string& block, std::uint8_t operation) {
    dtu::testing::FakePort port;
    dtu::testing::FakeTimers timers;
    FormHost host;
    dtu::OrderList orders;
    dtu::Engine engine(orders, port, timers, host);
    // The block's length picks the form's work mode and view.
    host.form.SetItem(dtu::Field::WorkMode, static_cast<int>(block.size() % 5));
    host.form.SetView(static_cast<int>(block.size() / 5 % 2));

    engine.BeginAction(operation);
    if (operation == dtu::kReadAllOperation) {
        engine.ReadAll();
    } else {
        engine.WriteAll();
    }
    engine.HandleReceived(block);
    timers.Advance(dtu::Engine::kReopenPause);
    engine.HandleReceived(block);
    timers.Advance(dtu::Engine::kReplyTimeout);
    engine.HandleReceived(block);
    timers.Advance(dtu::Engine::kReplyTimeout * 3);
    // Every run ends, and once.
    dtu::fuzz::Check(orders.Index() >= 0 && !engine.Running() && host.outcomes.size() == 1);
    dtu::fuzz::CheckFormRoundTrip(host.form);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > kMaxBlock) {
        return 0;
    }
    const std::string block(reinterpret_cast<const char*>(data), size);
    RunBlock(block, dtu::kReadAllOperation);
    RunBlock(block, dtu::kWriteAllOperation);
    return 0;
}
