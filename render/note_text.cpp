#include "render/note_text.h"

#include <algorithm>

#include "protocol/reply_reader.h"
#include "protocol/write_values.h"
#include "render/line_fields.h"
#include "render/open_error_text.h"

namespace dtu {

namespace {

std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// Each line by the field it carries, once, in the order first met.
std::string CountedFields(const TLangList& table, const char* key,
                          const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines) {
        std::string name = LineFieldName(line, table);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    return FormatValue(table.GetText(key), {std::to_string(lines.size()), Joined(names)});
}

std::string IncompleteText(const EngineNote& note, const TLangList& table) {
    std::string text;
    const auto add = [&](const char* key, const std::vector<std::string>& lines) {
        if (!lines.empty()) {
            text += (text.empty() ? "" : " ") + CountedFields(table, key, lines);
        }
    };
    add("lang_Run_Refused", note.refused);
    add("lang_Run_Unreadable", note.unreadable);
    add("lang_Run_NotRead", note.notRead);
    return text;
}

constexpr std::string_view kChineseFullStop = "\xA1\xA3";

// A sentence that goes inside or after another: without its "[Note]:" tag, and
// without its closing full stop where the sentence it goes into has one.
std::string Untagged(std::string text) {
    if (!text.empty() && text.front() == '[') {
        if (const std::size_t close = text.find("]:"); close != std::string::npos) {
            text.erase(0, text.find_first_not_of(' ', close + 2));
        }
    }
    return text;
}

std::string WithoutFullStop(std::string text) {
    for (const std::string_view stop : {kChineseFullStop, std::string_view(".")}) {
        if (text.ends_with(stop)) {
            text.resize(text.size() - stop.size());
            break;
        }
    }
    return text;
}

std::string ReopenFailedText(const EngineNote& note, const TLangList& table) {
    std::vector<std::string> settings;
    for (const auto* part : {&note.change.baudRate, &note.change.parity, &note.change.dataBits,
                             &note.change.stopBits}) {
        if (part->has_value()) {
            settings.push_back(**part);
        }
    }
    return FormatValue(
        table.GetText("lang_Run_ReopenFailed"),
        {Joined(settings), WithoutFullStop(Untagged(OpenErrorText(note.reopenError, table)))});
}

const char* SuccessKey(std::uint8_t operation) {
    switch (operation) {
        case kReadAllOperation:
            return "lang_Info_ReadSuccess";
        case kWriteAllOperation:
            return "lang_Info_SetSuccess";
        default:
            return "lang_Info_DoSuccess";
    }
}

}  // namespace

std::string NoteText(const EngineNote& note, const TLangList& table) {
    const auto text = [&table](const char* key, std::initializer_list<std::string_view> args) {
        return FormatValue(table.GetText(key), args);
    };
    switch (note.kind) {
        case NoteKind::Success:
            return table.GetText(SuccessKey(note.operation));
        case NoteKind::Incomplete:
            return IncompleteText(note, table);
        case NoteKind::NoAnswer:
            return text("lang_Run_NoAnswer", {note.port, note.baudRate});
        case NoteKind::Garbled:
            return text("lang_Run_Garbled", {note.port, note.baudRate});
        case NoteKind::PortLost:
            return text("lang_Run_PortLost", {note.port});
        case NoteKind::ReopenFailed:
            return ReopenFailedText(note, table);
        case NoteKind::Interrupted:
            return text("lang_Run_Interrupted",
                        {std::to_string(note.linesDone), std::to_string(note.linesTotal)});
        case NoteKind::NotSaved:
            return table.GetText("lang_Run_NotSaved");
        case NoteKind::PortNotOpen:
            return table.GetText("lang_Info_ComIsOpen");
        case NoteKind::TooLong:
            return table.GetText("lang_Info_TooLong");
        case NoteKind::AnswerTooLong:
            return text("lang_Run_AnswerTooLong",
                        {note.unreadable.empty() ? std::string()
                                                 : LineFieldName(note.unreadable.front(), table),
                         std::to_string(kAnswerBound)});
    }
    return {};
}

std::string JoinedNoteText(const std::vector<EngineNote>& notes, const TLangList& table) {
    std::string text;
    for (const EngineNote& note : notes) {
        if (text.empty()) {
            text = NoteText(note, table);
            continue;
        }
        // Chinese sentences follow their full stop without a blank.
        text += (text.ends_with(kChineseFullStop) ? "" : " ") + Untagged(NoteText(note, table));
    }
    return text;
}

LogKind NoteLogKind(const EngineNote& note) {
    return note.kind == NoteKind::Success ? LogKind::Info : LogKind::Error;
}

}  // namespace dtu
