#include "settings/ini_file.h"

#include "lang/file_io.h"
#include "lang/same_text.h"
#include "settings/ini_value.h"

namespace dtu {

namespace {

// Names come from the program's tables; one that would change the meaning of
// its line (a line break, "=" in a key, "]" in a section, blanks at either
// end) is a programming error.
void CheckName(std::string_view name, std::string_view forbidden) {
    const bool blankEnd = !name.empty() && (name.front() == ' ' || name.front() == '\t' ||
                                            name.back() == ' ' || name.back() == '\t');
    if (name.empty() || blankEnd || name.find_first_of(forbidden) != std::string_view::npos ||
        name.front() == ';' || name.front() == '#' || name.front() == '[') {
        throw std::invalid_argument("Invalid settings name: " + std::string(name));
    }
}

// Another writer can replace the file between the check and the rename; each
// attempt reads and merges again.
constexpr int kSaveAttempts = 8;

}  // namespace

IniFile::IniFile(std::filesystem::path path, std::size_t readLimit)
    : path_(std::move(path)), readLimit_(readLimit) {}

void IniFile::Refresh() const {
    const auto stamp = FileStamp::Of(path_);
    if (loaded_ && stamp == stamp_) {
        return;
    }
    std::string text;
    if (ReadRegularFileUpTo(path_, readLimit_, text) != ReadOutcome::Whole) {
        // Keep only the whole lines read before a failure or the limit.
        const auto lastLineEnd = text.rfind('\n');
        text.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    }
    document_ = IniDocument(text);
    if (!loaded_) {
        base_ = document_;
    }
    for (const PendingValue& value : pending_) {
        document_.SetStoredValue(value.section, value.key, value.stored);
    }
    stamp_ = stamp;
    loaded_ = true;
}

std::string IniFile::FullPath() const {
    std::error_code ec;
    const auto full = std::filesystem::absolute(path_, ec);
    return ec ? path_.string() : full.string();
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    Refresh();
    const auto stored = document_.StoredValue(section, key);
    return stored ? UnescapeIniValue(*stored) : defaultValue;
}

std::int64_t IniFile::ReadInteger(const std::string& section, const std::string& key,
                                  std::int64_t defaultValue) const {
    Refresh();
    const auto stored = document_.StoredValue(section, key);
    if (!stored) {
        return defaultValue;
    }
    return ParseIniInteger(UnescapeIniValue(*stored)).value_or(defaultValue);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key,
                       bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    CheckName(section, "]\r\n");
    CheckName(key, "=\r\n");
    Refresh();
    auto stored = EscapeIniValue(value);
    for (PendingValue& pending : pending_) {
        if (SameText(pending.section, section) && SameText(pending.key, key)) {
            document_.SetStoredValue(section, key, stored);
            pending.stored = std::move(stored);
            return;
        }
    }
    // Not changed by this program: what another writer saved there stays.
    if (base_.StoredValue(section, key) == std::string_view(stored)) {
        return;
    }
    document_.SetStoredValue(section, key, stored);
    pending_.push_back({section, key, std::move(stored)});
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, std::int64_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::Save() {
    if (pending_.empty()) {
        return;
    }
    for (int attempt = 1; attempt < kSaveAttempts; ++attempt) {
        if (TrySave(true)) {
            return;
        }
    }
    // Still racing: the merged file as last read goes in all the same.
    TrySave(false);
}

bool IniFile::TrySave(bool checkStamp) {
    Refresh();
    FileStamp written;
    try {
        const bool replaced =
            WriteFileAtomically(path_, document_.Text(), LinkPolicy::FollowTrusted, [&](int fd) {
                if (checkStamp && FileStamp::Of(path_) != stamp_) {
                    return false;
                }
                written = FileStamp::OfOpenFile(fd);
                return true;
            });
        if (!replaced) {
            return false;
        }
    } catch (const FileWriteError& error) {
        throw IniWriteError("Unable to write to " + FullPath(), error.Reason());
    }
    for (const PendingValue& value : pending_) {
        base_.SetStoredValue(value.section, value.key, value.stored);
    }
    pending_.clear();
    // The stamp of the file this program wrote, not of whatever is there by now.
    stamp_ = written;
    return true;
}

}  // namespace dtu
