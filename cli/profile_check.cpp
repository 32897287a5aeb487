#include "cli/profile_check.h"

#include <algorithm>

#include "form/form_profile.h"
#include "lang/file_io.h"
#include "lang/gbk.h"
#include "settings/ini_document.h"
#include "settings/ini_value.h"

namespace dtu::cli {

namespace {

// What a text field must hold for write all to send it as meant.
enum class TextRule {
    Number,         // digits
    SpacedNumber,   // digits once the blanks are gone (write all removes them)
    NumberOrEmpty,  // digits or nothing
    Port,           // 0 to 65535 or nothing
    Phone,          // digits after an optional "+", or nothing
    HexWhenTicked,  // pairs of hexadecimal digits while `box` is ticked
};

struct TextRuleRow {
    Field field;
    TextRule rule;
    Field box = Field::cbb_WorkMode;  // HexWhenTicked only
};

constexpr TextRuleRow kTextRules[] = {
    {Field::edt_Port1, TextRule::Port},
    {Field::edt_Port2, TextRule::Port},
    {Field::edt_Port3, TextRule::Port},
    {Field::edt_Port4, TextRule::Port},
    {Field::edt_Port5, TextRule::Port},
    {Field::edt_HeartbeatTime, TextRule::Number},
    {Field::edt_WaitTime, TextRule::Number},
    {Field::edt_RestartTime, TextRule::Number},
    {Field::lbledtResoc, TextRule::SpacedNumber},
    {Field::lbledt_D2D_ID, TextRule::NumberOrEmpty},
    {Field::edt_TelNo, TextRule::Phone},
    {Field::edt_HeartbeatFormat, TextRule::HexWhenTicked, Field::chk_HeartbeatFormat},
    {Field::edt_RegFormat, TextRule::HexWhenTicked, Field::chk_RegFormat},
};

constexpr std::size_t kMaxNumberDigits = 9;
constexpr int kMaxPort = 65535;
constexpr std::string_view kFormSections = "COMMON, DTM, HCM, STM";

bool IsDigits(std::string_view text) {
    return !text.empty() && text.size() <= kMaxNumberDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsHexText(std::string_view text) {
    return text.size() % 2 == 0 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
           });
}

// Reads the profile's keys from the document, with their line numbers.
class ProfileDocument {
public:
    explicit ProfileDocument(std::string_view text) : document_(text) {}

    std::optional<std::string> Value(const char* section, const char* key) const {
        const auto stored = document_.StoredValue(section, key);
        return stored ? std::optional(UnescapeIniValue(*stored)) : std::nullopt;
    }
    std::size_t Line(const char* section, const char* key) const {
        return document_.LineNumber(section, key).value_or(0);
    }
    // The tick as write all will see it: the stored one, else the default.
    bool Ticked(Field box) const {
        const FieldRow& row = RowOf(box);
        const std::optional<std::string> value = Value(row.section, row.key);
        const std::optional<std::int64_t> number = value ? ParseIniInteger(*value) : std::nullopt;
        return number ? *number != 0 : row.defaultValue[0] == '1';
    }

private:
    IniDocument document_;
};

std::optional<std::string> TextProblem(const TextRuleRow& rule, const std::string& value,
                                       const ProfileDocument& document) {
    switch (rule.rule) {
        case TextRule::Number:
            return IsDigits(value) ? std::nullopt : std::optional<std::string>("a number is due");
        case TextRule::SpacedNumber: {
            std::string digits = value;
            std::erase(digits, ' ');
            return IsDigits(digits) ? std::nullopt : std::optional<std::string>("a number is due");
        }
        case TextRule::NumberOrEmpty:
            return value.empty() || IsDigits(value)
                       ? std::nullopt
                       : std::optional<std::string>("a number or nothing is due");
        case TextRule::Port:
            return value.empty() || (IsDigits(value) && std::stoll(value) <= kMaxPort)
                       ? std::nullopt
                       : std::optional<std::string>(
                             "a port number from 0 to 65535 or nothing is due");
        case TextRule::Phone: {
            const std::string_view digits =
                value.starts_with('+') ? std::string_view(value).substr(1) : value;
            return value.empty() || IsDigits(digits)
                       ? std::nullopt
                       : std::optional<std::string>(
                             "a phone number (digits, a leading + allowed) or nothing is due");
        }
        case TextRule::HexWhenTicked:
            if (!document.Ticked(rule.box) || IsHexText(value)) {
                return std::nullopt;
            }
            return std::string("hexadecimal text (pairs of 0-9, A-F) is due while ") +
                   RowOf(rule.box).key + " is 1";
    }
    return std::nullopt;
}

std::string ItemProblem(int count, std::span<const char* const> items) {
    std::string why = "an item index from 0 to " + std::to_string(count - 1) + " is due";
    if (!items.empty()) {
        std::string list;
        for (std::size_t i = 0; i < items.size(); ++i) {
            list += (i == 0 ? "" : ", ") + std::to_string(i) + " = " + items[i];
        }
        why += " (" + list + ")";
    }
    return why;
}

std::optional<std::string> IndexProblem(const std::string& value, int count,
                                        std::span<const char* const> items) {
    const std::optional<std::int64_t> index = ParseIniInteger(value);
    if (index && *index >= 0 && *index < count) {
        return std::nullopt;
    }
    return ItemProblem(count, items);
}

std::optional<std::string> RowProblem(const FieldRow& row, const std::string& value,
                                      const ProfileDocument& document) {
    switch (row.kind) {
        case FieldKind::Item:
            return IndexProblem(value, ItemCount(row), row.items);
        case FieldKind::Tick: {
            const std::optional<std::int64_t> tick = ParseIniInteger(value);
            return tick == 0 || tick == 1 ? std::nullopt
                                          : std::optional<std::string>("1 or 0 is due");
        }
        case FieldKind::Text:
        case FieldKind::Memo:
            break;
    }
    for (const TextRuleRow& rule : kTextRules) {
        if (rule.field == row.field) {
            return TextProblem(rule, value, document);
        }
    }
    return std::nullopt;
}

std::string KeyName(const char* section, const char* key) {
    return std::string(section) + "/" + key;
}

std::string WhyUnreadable(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return "no such file";
    }
    if (!error && status.type() != std::filesystem::file_type::regular) {
        return "not a regular file";
    }
    return "it cannot be read";
}

}  // namespace

std::vector<ProfileProblem> CheckProfileText(std::string_view text) {
    const ProfileDocument document(text);
    std::vector<ProfileProblem> problems;
    bool anyKey = false;
    auto check = [&](const char* section, const char* key, const auto& problemOf) {
        const std::optional<std::string> value = document.Value(section, key);
        if (!value) {
            return;
        }
        anyKey = true;
        if (std::optional<std::string> why = problemOf(*value)) {
            problems.push_back(
                {KeyName(section, key), document.Line(section, key), *value, std::move(*why)});
        }
    };
    const FieldRow& workMode = RowOf(Field::cbb_WorkMode);
    check(kWorkModeKey.section, kWorkModeKey.key, [&](const std::string& value) {
        return IndexProblem(value, ItemCount(workMode), workMode.items);
    });
    check(kViewKey.section, kViewKey.key,
          [](const std::string& value) { return IndexProblem(value, kViewCount, {}); });
    for (const FieldRow& row : FormFields()) {
        if (row.section != nullptr) {
            check(row.section, row.key,
                  [&](const std::string& value) { return RowProblem(row, value, document); });
        }
    }
    // A ticked hex box sends the packet's default when its key is missing.
    for (const TextRuleRow& rule : kTextRules) {
        const FieldRow& packet = RowOf(rule.field);
        if (rule.rule != TextRule::HexWhenTicked || document.Value(packet.section, packet.key)) {
            continue;
        }
        if (std::optional<std::string> why = TextProblem(rule, packet.defaultValue, document)) {
            const FieldRow& box = RowOf(rule.box);
            problems.push_back({KeyName(packet.section, packet.key),
                                document.Line(box.section, box.key), packet.defaultValue,
                                *why + " (the key is missing: this is its default)"});
        }
    }
    std::stable_sort(
        problems.begin(), problems.end(),
        [](const ProfileProblem& a, const ProfileProblem& b) { return a.line < b.line; });
    if (!anyKey) {
        problems.push_back(
            {"", 0, "",
             "it holds none of the profile's keys (sections " + std::string(kFormSections) + ")"});
    }
    return problems;
}

std::optional<std::string> LoadProfileFile(const std::filesystem::path& path, FormModel& form) {
    std::string text;
    const ReadOutcome read = ReadRegularFileUpTo(path, kProfileMaxBytes, text);
    if (read == ReadOutcome::Failed) {
        return "cannot read the profile " + path.string() + ": " + WhyUnreadable(path);
    }
    if (read == ReadOutcome::TooLong) {
        return "the profile " + path.string() + " is larger than 1 MiB";
    }
    const std::vector<ProfileProblem> problems = CheckProfileText(text);
    if (!problems.empty()) {
        std::string message;
        for (const ProfileProblem& problem : problems) {
            message += message.empty() ? "" : "\n";
            message += path.string();
            if (problem.key.empty()) {
                message += ": " + problem.why;
                continue;
            }
            message += ":" + std::to_string(problem.line) + ": " + problem.key + "=" +
                       GbkToUtf8(problem.value) + ": " + problem.why;
        }
        return message;
    }
    LoadProfile(IniFile(path, kProfileMaxBytes), form);
    return std::nullopt;
}

}  // namespace dtu::cli
