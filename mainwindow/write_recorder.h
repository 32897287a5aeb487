#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "session/device_session.h"

namespace dtu {

class TLangList;

// Every write all of the window goes into the record of writes, a line each:
// it stands between the session and the listener that reports runs, passing
// everything on and adding the record line when a write all ends.
class WriteRecorder : public SessionListener {
public:
    // The row of a device list the next write all takes its values from.
    struct ListedRow {
        std::string list;                                         // the list's absolute path, UTF-8
        std::size_t row;                                          // from 1
        std::vector<std::pair<std::string, std::string>> values;  // UTF-8, passwords hidden
    };

    WriteRecorder(DeviceSession& session, SessionListener& report, const TLangList& language);

    // The record in the user's data folder.
    static std::filesystem::path DefaultPath();
    // Where the record is kept: the default, found on first use, unless set.
    const std::filesystem::path& Path();
    void SetPath(std::filesystem::path path) { path_ = std::move(path); }

    void SetRow(std::optional<ListedRow> row) { row_ = std::move(row); }

    // A write all ended, recorded; `success` when it was whole.
    std::function<void(bool success)> onWriteEnded;

    void OnLog(LogKind kind, const std::string& text) override { report_.OnLog(kind, text); }
    void OnNote(const EngineNote& note) override { report_.OnNote(note); }
    void OnProgress(const Progress& progress) override { report_.OnProgress(progress); }
    void OnPortStatus(const PortStatus& status) override { report_.OnPortStatus(status); }
    void OnRunFinished(const RunOutcome& outcome) override;

private:
    DeviceSession& session_;
    SessionListener& report_;
    const TLangList& language_;
    std::filesystem::path path_;
    std::optional<ListedRow> row_;
};

}  // namespace dtu
