// Feeds one received block to the engine during read all and write all, with a
// closed port and a fake form whose dispatcher splits every value as the main
// window does. Every value a reply delivers then goes the way of a form value
// into the settings file: shown through the window's conversion, written,
// saved, loaded again, and must come back byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lang/gbk.h"
#include "protocol/engine.h"
#include "protocol/text_helpers.h"
#include "settings/ini_file.h"
#include "tests/fuzz/scratch_file.h"
#include "tests/protocol/discarding_poster.h"
#include "tests/protocol/fake_window.h"

namespace {

class SplittingWindow : public dtu::testing::FakeWindow {
public:
    void DispatchReply(const std::string& name, const std::string& value) override {
        items += dtu::CommaTextToList(value).size();
        FakeWindow::DispatchReply(name, value);
    }
    std::size_t items = 0;
};

constexpr std::size_t kMaxBlock = 2048;

void SaveAndLoadBack(const std::vector<std::pair<std::string, std::string>>& replies) {
    const dtu::fuzz::ScratchFile file;
    dtu::IniFile saved(file.Path());
    for (std::size_t i = 0; i < replies.size(); ++i) {
        const std::string shown = dtu::GbkToUtf8(replies[i].second);
        saved.WriteString("Replies", "Value" + std::to_string(i), dtu::Utf8ToGbk(shown));
    }
    saved.Save();
    const dtu::IniFile loaded(file.Path());
    for (std::size_t i = 0; i < replies.size(); ++i) {
        dtu::fuzz::Check(loaded.ReadString("Replies", "Value" + std::to_string(i), "") ==
                         replies[i].second);
    }
}

void RunBlock(const std::string& block, std::uint8_t operation) {
    dtu::testing::DiscardingPoster poster;
    dtu::TComm comm(poster);
    SplittingWindow window;
    dtu::PortControl port(comm, window);
    dtu::OrderList orders;
    dtu::Engine engine(orders, port, window, [](std::chrono::milliseconds) {});
    window.engine = &engine;
    // The block's length picks the form's work mode and view.
    window.form.cbb_WorkMode = static_cast<int>(block.size() % 5);
    window.form.btn_ShowMoreTag = static_cast<int>(block.size() / 5 % 2);

    engine.CurrentOperation = operation;
    if (operation == 1) {
        engine.ReadAll();
    } else {
        engine.WriteAll();
    }
    engine.HandleReceived(block.data(), static_cast<std::uint16_t>(block.size()));
    engine.ParseReply(block);
    engine.HandleReplyTimeout();
    engine.HandleReceived(block.data(), static_cast<std::uint16_t>(block.size()));
    dtu::fuzz::Check(orders.OrderIndex >= 0);
    SaveAndLoadBack(window.dispatched);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > kMaxBlock) {
        return 0;
    }
    const std::string block(reinterpret_cast<const char*>(data), size);
    RunBlock(block, 1);
    RunBlock(block, 2);
    return 0;
}
