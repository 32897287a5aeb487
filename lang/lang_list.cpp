#include "lang/lang_list.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "lang/atomic_write.h"
#include "lang/file_io.h"
#include "lang/lang_file.h"
#include "lang/same_text.h"

namespace dtu {

void TLangList::AddText(const std::string& key, const std::string& chinese,
                        const std::string& english) {
    builtIn_.Add({key, chinese, english});
}

std::string TLangList::GetTextIn(const std::string& key, bool chinese) const {
    const std::string folded = FoldedText(key);
    if (const auto* text = file_.Find(folded, chinese)) {
        return *text;
    }
    if (const auto* text = builtIn_.Find(folded, chinese)) {
        return *text;
    }
    return key;
}

LangLoad TLangList::LoadLangFile(const std::string& fileName) {
    if (fileName.empty()) {
        return {};
    }
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec) && !ec) {
        if (std::optional<FileWriteError> error = WriteLangFile(fileName)) {
            return {true, std::move(error)};
        }
    }
    return {ReadLangFile(fileName), std::nullopt};
}

std::optional<FileWriteError> TLangList::WriteLangFile(const std::string& fileName) const {
    return WriteFileAtomically(fileName, FormatLangFile(builtIn_.Rows())).error;
}

bool TLangList::ReadLangFile(const std::string& fileName) {
    if (fileName.empty()) {
        return true;
    }
    LangFileParser parser;
    std::size_t room = kLangMaxFileBytes;
    bool tooLong = false;
    const auto feed = [&](std::string_view bytes) {
        tooLong = bytes.size() > room;
        bytes = bytes.substr(0, room);
        room -= bytes.size();
        return parser.Feed(bytes) && !tooLong;
    };
    // A failed read keeps the whole lines read before the failure; a line the
    // limit cut is dropped with the rest.
    if (ReadRegularFileChunks(fileName, feed) && !tooLong) {
        parser.Finish();
    }
    for (auto& entry : parser.TakeEntries()) {
        file_.Add(std::move(entry));
    }
    return !tooLong;
}

bool SystemIsChinese() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return SameText(std::string_view(value).substr(0, 2), "zh");
        }
    }
    return false;
}

}  // namespace dtu
