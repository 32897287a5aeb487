#include "cli/profile_check.h"

#include <algorithm>

#include "cli/terminal_text.h"
#include "form/device_map.h"
#include "form/form_profile.h"
#include "form/stored_indexes.h"
#include "lang/file_io.h"
#include "lang/gbk.h"
#include "settings/ini_document.h"
#include "settings/ini_value.h"

namespace dtu::cli {

namespace {

// Indexed by ValueRule.
constexpr const char* kRuleTexts[] = {
    "an item of its list is due",
    "a number of 1 to 9 digits is due",
    "a number of 1 to 9 digits is due (blanks are ignored)",
    "a port number from 0 to 65535 or nothing is due",
    "a phone number (1 to 20 digits, a leading + allowed) is due",
    "text without double quotes or control characters is due",
    "text on one line, without control characters, is due",
    "one to three texts in double quotes, separated by commas, are due",
};
static_assert(std::size(kRuleTexts) == kValueRuleCount);

const char* RuleText(ValueRule rule) {
    return kRuleTexts[static_cast<int>(rule)];
}

constexpr std::string_view kFormSections = "COMMON, DTM, HCM, STM";

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

std::string Lines(const std::filesystem::path& path, const std::vector<ProfileProblem>& problems) {
    std::string message;
    for (const ProfileProblem& problem : problems) {
        message += EscapedText(path.string());
        if (problem.key.empty()) {
            message += ": " + problem.why + "\n";
            continue;
        }
        message +=
            problem.line == 0 ? std::string(": ") : ":" + std::to_string(problem.line) + ": ";
        message += problem.key + "=" + EscapedText(GbkToUtf8(problem.value)) + ": " + problem.why;
        message += problem.line == 0 ? " (the key is missing: this is its default)\n" : "\n";
    }
    return message;
}

}  // namespace

ProfileCheck CheckProfile(std::string_view text, const IniFile& file, const FormModel& form) {
    const IniDocument document(text);
    const auto line = [&document](const ProfileKey& key) {
        return document.LineNumber(key.section, key.key).value_or(0);
    };
    ProfileCheck check;
    bool anyKey = false;
    std::vector<Field> named;
    for (const ProfileEntry& entry : ProfileEntries(form)) {
        const auto stored = document.StoredValue(entry.section, entry.key);
        if (!stored) {
            continue;
        }
        anyKey = true;
        const std::string value = entry.kind == FieldKind::Memo ? UnescapeIniValue(*stored)
                                                                : UnescapeOneLineIniValue(*stored);
        const bool badTick = entry.kind == FieldKind::Tick && value != "0" && value != "1";
        // No value holds a control byte, whatever its rule.
        if (badTick || !Keeps(ValueRule::Text, entry.value)) {
            check.problems.push_back({KeyName(entry.section, entry.key),
                                      line({entry.section, entry.key}), value,
                                      badTick ? "1 or 0 is due" : RuleText(ValueRule::Text)});
        }
    }
    // Which of the two counts depends on the reader: neither is sure to be meant.
    for (const IniDuplicatedKey& twice : document.DuplicatedKeys()) {
        check.problems.push_back({"", twice.line, "",
                                  twice.section + "/" + twice.key + " is given twice, on lines " +
                                      std::to_string(twice.firstLine) + " and " +
                                      std::to_string(twice.line)});
    }
    // Loading gave such a key its default: the device would get what the file does not say.
    for (const IndexOutsideList& index : IndexesOutsideLists(file, true)) {
        check.problems.push_back({KeyName(index.section, index.key),
                                  line({index.section, index.key}), index.found,
                                  RuleText(ValueRule::Choice)});
    }
    for (const ValueProblem& problem : CheckBeforeWrite(form)) {
        const ProfileKey key = ProfileKeyOf(problem.field);
        const std::string name = KeyName(key.section, key.key);
        const bool already =
            std::any_of(check.problems.begin(), check.problems.end(),
                        [&name](const ProfileProblem& p) { return p.key == name; });
        if (!already) {
            check.problems.push_back(
                {name, line(key), form.Text(problem.field), RuleText(problem.rule)});
        }
    }
    const auto byLine = [](const ProfileProblem& a, const ProfileProblem& b) {
        return a.line < b.line;
    };
    std::stable_sort(check.problems.begin(), check.problems.end(), byLine);
    if (!anyKey) {
        check.problems.push_back(
            {"", 0, "",
             "it holds none of the profile's keys (sections " + std::string(kFormSections) + ")"});
    }
    return check;
}

std::optional<std::string> LoadProfileFile(const std::filesystem::path& path, FormModel& form,
                                           std::optional<int> view) {
    std::string text;
    const ReadOutcome read = ReadRegularFileUpTo(path, kProfileMaxBytes, text);
    if (read == ReadOutcome::Failed) {
        return "cannot read the profile " + path.string() + ": " + WhyUnreadable(path);
    }
    if (read == ReadOutcome::TooLong) {
        return "the profile " + path.string() + " is larger than 1 MiB";
    }
    const IniFile file(path, kProfileMaxBytes);
    FormModel loaded;
    LoadProfile(file, loaded);
    if (view) {
        loaded.SetView(*view);
    }
    const ProfileCheck check = CheckProfile(text, file, loaded);
    if (!check.problems.empty()) {
        std::string message = Lines(path, check.problems);
        message.pop_back();
        return message;
    }
    form = loaded;
    return std::nullopt;
}

}  // namespace dtu::cli
