#include "mainwindow/write_recorder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <ctime>

#include "lang/gbk.h"
#include "lang/lang_list.h"
#include "session/write_record.h"

namespace dtu {

namespace {

constexpr const char* kRecordFileName = "write-record.csv";

// The language text of `key` with its "%s" replaced by `value` (GBK).
std::string TextWith(const TLangList& language, const char* key, const std::string& value) {
    std::string text = language.GetText(key);
    if (const auto at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, value);
    }
    return text;
}

}  // namespace

WriteRecorder::WriteRecorder(DeviceSession& session, SessionListener& report,
                             const TLangList& language)
    : session_(session), report_(report), language_(language) {}

std::filesystem::path WriteRecorder::DefaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return std::filesystem::path(QFile::encodeName(folder).toStdString()) / kRecordFileName;
}

const std::filesystem::path& WriteRecorder::Path() {
    // Off the start-up path: the data folder is looked up when a record is first needed.
    if (path_.empty()) {
        path_ = DefaultPath();
    }
    return path_;
}

void WriteRecorder::OnRunFinished(const RunOutcome& outcome) {
    report_.OnRunFinished(outcome);
    if (outcome.operation != kWriteAllOperation) {
        return;
    }
    const bool whole =
        outcome.end == RunEnd::Success && outcome.refused.empty() && outcome.unreadable.empty();
    RecordEntry entry;
    entry.time = IsoTime(std::time(nullptr));
    entry.port = session_.PortSettings().port;
    entry.adapter = AdapterName(entry.port);
    entry.firmware = GbkToUtf8(session_.FirmwareVersion());
    entry.outcome =
        whole ? kRecordSuccess
              : RecordOutcome(outcome.end == RunEnd::Success ? RunEnd::Incomplete : outcome.end);
    entry.verify = "not asked";
    if (row_) {
        entry.list = row_->list;
        entry.row = row_->row;
        entry.values = row_->values;
    }
    std::error_code error;
    std::filesystem::create_directories(Path().parent_path(), error);
    const std::string where = Utf8ToGbk(Path().string());
    if (AppendRecord(Path(), RecordLine(entry))) {
        report_.OnLog(LogKind::Info, TextWith(language_, "lang_Record_Written", where));
    } else {
        report_.OnLog(LogKind::Error, TextWith(language_, "lang_Record_Unwritable", where));
    }
    if (onWriteEnded) {
        onWriteEnded(whole);
    }
}

}  // namespace dtu
