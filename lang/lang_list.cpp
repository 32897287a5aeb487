#include "lang/lang_list.h"

#include <cstdlib>
#include <filesystem>

#include "lang/atomic_write.h"
#include "lang/file_io.h"
#include "lang/lang_file.h"
#include "lang/same_text.h"

namespace dtu {

TLangList* LangList = nullptr;

namespace {

// The text in the chosen language of the first entry whose key, Chinese or
// English text (searched in that order) equals `key`.
const std::string* FindText(const std::vector<std::string>& keys,
                            const std::vector<std::string>& chinese,
                            const std::vector<std::string>& english, const std::string& key,
                            bool isChinese) {
    for (const auto* list : {&keys, &chinese, &english}) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            if (SameText((*list)[i], key)) {
                return isChinese ? &chinese[i] : &english[i];
            }
        }
    }
    return nullptr;
}

}  // namespace

void TLangList::AddText(const std::string& key, const std::string& chinese,
                        const std::string& english) {
    keys_.push_back(key);
    chinese_.push_back(chinese);
    english_.push_back(english);
}

std::string TLangList::GetText(const std::string& key) const {
    if (const auto* text = FindText(fileKeys_, fileChinese_, fileEnglish_, key, IsChinese)) {
        return *text;
    }
    if (const auto* text = FindText(keys_, chinese_, english_, key, IsChinese)) {
        return *text;
    }
    return key;
}

void TLangList::LoadLangFile(const std::string& fileName) {
    if (fileName.empty()) {
        return;
    }
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec) && !ec) {
        WriteLangFile(fileName);
    }
    ReadLangFile(fileName);
}

void TLangList::WriteLangFile(const std::string& fileName) const {
    std::vector<LangEntry> rows;
    rows.reserve(keys_.size());
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        rows.push_back({keys_[i], chinese_[i], english_[i]});
    }
    WriteFileAtomically(fileName, FormatLangFile(rows));
}

void TLangList::ReadLangFile(const std::string& fileName) {
    if (fileName.empty()) {
        return;
    }
    std::string text;
    if (!ReadRegularFile(fileName, text)) {
        // A failed read keeps the whole lines read before the failure.
        const auto lastLineEnd = text.rfind('\n');
        text.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    }
    for (auto& entry : ParseLangFile(text)) {
        fileKeys_.push_back(std::move(entry.key));
        fileChinese_.push_back(std::move(entry.chinese));
        fileEnglish_.push_back(std::move(entry.english));
    }
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

std::string LangText(const std::string& key) {
    return LangList != nullptr ? LangList->GetText(key) : key;
}

}  // namespace dtu
