#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "protocol/commands.h"
#include "protocol/engine.h"
#include "protocol/engine_window.h"
#include "protocol/firmware.h"

namespace dtu::testing {

enum class Colour { Tx, Rx, Error, Info };

struct ShownLine {
    Colour colour;
    std::string text;
};

struct ProgressStep {
    int position;
    int maximum;
    bool operator==(const ProgressStep&) const = default;
};

// A form and information area in memory. The reply timer is a flag: tests fire
// it by hand when it is armed.
class FakeWindow : public EngineWindow {
public:
    void SetPortStatus(const std::string& text) override { portStatus = text; }
    void ShowTxLine(const std::string& text) override { shown.push_back({Colour::Tx, text}); }
    void ShowErrorLine(const std::string& text) override { shown.push_back({Colour::Error, text}); }
    void SetReplyTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
    void ArmReplyTimer() override { timerArmed = true; }
    void DisarmReplyTimer() override { timerArmed = false; }

    void ShowRxLine(const std::string& text) override { shown.push_back({Colour::Rx, text}); }
    void ShowInfoLine(const std::string& text) override { shown.push_back({Colour::Info, text}); }

    void ShowProgress() override { progressVisible = true; }
    void SetProgressRange(int minimum, int maximum) override {
        progressMinimum = minimum;
        progressMaximum = maximum;
    }
    void SetProgressPosition(int position) override {
        progressPosition = position;
        if (progressVisible) {
            progressSteps.push_back({position, progressMaximum});
        }
    }
    void HideProgress() override { progressVisible = false; }

    void DispatchReply(const std::string& name, const std::string& value) override {
        dispatched.push_back({name, value});
        if (name == throwOnName) {
            throw std::invalid_argument("not a number: " + value);
        }
        if (engine != nullptr && CmdByName(name) == TCmd::CIVER) {
            engine->ApplyFirmwareFamily(FirmwareFamily(value));
        }
    }
    void EnableFamilyControls(bool enable) override { familyControls.push_back(enable); }

    FormValues ReadForm() const override { return form; }
    void ResetFormForFactory() override {
        ++factoryResets;
        form.edt_APN_other = "\"CMNET\",\"\",\"\"";
    }

    std::vector<std::string> Lines(Colour colour) const {
        std::vector<std::string> texts;
        for (const ShownLine& line : shown) {
            if (line.colour == colour) {
                texts.push_back(line.text);
            }
        }
        return texts;
    }
    const ShownLine& Last() const { return shown.back(); }

    Engine* engine = nullptr;  // for the firmware family of a "CIVER" reply
    FormValues form;
    std::string throwOnName;

    std::string portStatus;
    std::vector<ShownLine> shown;
    bool timerArmed = false;
    int timerInterval = 0;
    bool progressVisible = false;
    int progressMinimum = -1;
    int progressMaximum = -1;
    int progressPosition = -1;
    std::vector<ProgressStep> progressSteps;
    std::vector<std::pair<std::string, std::string>> dispatched;
    std::vector<bool> familyControls;
    int factoryResets = 0;
};

}  // namespace dtu::testing
