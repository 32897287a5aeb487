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

// Each attempt that finds the file changed reads and merges again; another
// writer of this program then has just saved, so the attempts run out only
// against one that saves without pause.
constexpr int kSaveAttempts = 32;

// The whole lines of the file within `limit` bytes; empty when it is missing.
std::string ReadWholeLines(const std::filesystem::path& path, std::size_t limit) {
    std::string text;
    if (ReadRegularFileUpTo(path, limit, text) != ReadOutcome::Whole) {
        // Keep only the whole lines read before a failure or the limit.
        const auto lastLineEnd = text.rfind('\n');
        text.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 1);
    }
    return text;
}

}  // namespace

IniFile::IniFile(std::filesystem::path path, std::size_t readLimit)
    : path_(std::move(path)), readLimit_(readLimit) {}

void IniFile::Refresh() const {
    const auto stamp = FileStamp::Of(path_);
    if (loaded_ && !stale_ && stamp == stamp_) {
        return;
    }
    diskText_ = ReadWholeLines(path_, readLimit_);
    document_ = IniDocument(diskText_);
    if (!loaded_) {
        base_ = document_;
    }
    for (const PendingValue& value : pending_) {
        document_.SetStoredValue(value.section, value.key, value.stored);
    }
    stamp_ = stamp;
    loaded_ = true;
    stale_ = false;
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
    return stored ? UnescapeOneLineIniValue(*stored) : defaultValue;
}

std::string IniFile::ReadMultiLine(const std::string& section, const std::string& key,
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
    return ParseIniInteger(*stored).value_or(defaultValue);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key,
                       bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    WriteStored(section, key, EscapeIniValue(value));
}

void IniFile::WriteStored(const std::string& section, const std::string& key, std::string stored) {
    CheckName(section, "]\r\n");
    CheckName(key, "=\r\n");
    Refresh();
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

std::optional<FileWriteError> IniFile::Save(FileAccess access) {
    if (pending_.empty() && access == FileAccess::Kept) {
        return std::nullopt;
    }
    for (int attempt = 1; attempt < kSaveAttempts; ++attempt) {
        WriteResult result = TrySave(true, access);
        if (result.written || result.error) {
            return std::move(result.error);
        }
        // Two versions can share a stamp (a reused inode, one clock tick): read anew.
        stale_ = true;
    }
    // Still racing: the merged file as last read goes in all the same.
    return TrySave(false, access).error;
}

WriteResult IniFile::TrySave(bool checkDisk, FileAccess access) {
    Refresh();
    const std::string text = document_.Text();
    FileStamp written;
    WriteResult result = WriteFileAtomically(
        path_, text, LinkPolicy::FollowTrusted,
        [&](int fd) {
            // What is on disk now must be what the merge started from.
            if (checkDisk && ReadWholeLines(path_, readLimit_) != diskText_) {
                return false;
            }
            written = FileStamp::OfOpenFile(fd);
            return true;
        },
        access);
    if (result.error) {
        result.error->path = FullPath();
    }
    if (!result.written) {
        return result;
    }
    for (const PendingValue& value : pending_) {
        base_.SetStoredValue(value.section, value.key, value.stored);
    }
    pending_.clear();
    // The file this program wrote, not whatever is there by now.
    stamp_ = written;
    diskText_ = text;
    return result;
}

}  // namespace dtu
