#include "form/profile_rules.h"

#include <algorithm>

#include "form/form_profile.h"
#include "form/stored_indexes.h"
#include "settings/ini_document.h"
#include "settings/ini_value.h"

namespace dtu {

namespace {

std::string KeyName(const char* section, const char* key) {
    return std::string(section) + "/" + key;
}

}  // namespace

std::vector<ProfileProblem> CheckProfile(std::string_view text, const IniFile& file,
                                         const FormModel& form) {
    const IniDocument document(text);
    const auto line = [&document](const ProfileKey& key) {
        return document.LineNumber(key.section, key.key).value_or(0);
    };
    std::vector<ProfileProblem> problems;
    bool anyKey = false;
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
            problems.push_back({badTick ? ProfileFault::BadTick : ProfileFault::BrokenValue,
                                KeyName(entry.section, entry.key), line({entry.section, entry.key}),
                                value, ValueRule::Text});
        }
    }
    for (const IniDuplicatedKey& twice : document.DuplicatedKeys()) {
        problems.push_back({ProfileFault::GivenTwice, twice.section + "/" + twice.key, twice.line,
                            "", ValueRule::Text, twice.firstLine});
    }
    // Loading gave such a key its default: the device would get what the file does not say.
    for (const IndexOutsideList& index : IndexesOutsideLists(file, true)) {
        problems.push_back({ProfileFault::BrokenValue, KeyName(index.section, index.key),
                            line({index.section, index.key}), index.found, ValueRule::Choice});
    }
    for (const ValueProblem& problem : CheckBeforeWrite(form)) {
        const ProfileKey key = ProfileKeyOf(problem.field);
        const std::string name = KeyName(key.section, key.key);
        const bool already =
            std::any_of(problems.begin(), problems.end(), [&name](const ProfileProblem& p) {
                return p.fault != ProfileFault::GivenTwice && p.key == name;
            });
        if (!already) {
            problems.push_back({ProfileFault::BrokenValue, name, line(key),
                                form.Text(problem.field), problem.rule});
        }
    }
    const auto byLine = [](const ProfileProblem& a, const ProfileProblem& b) {
        return a.line < b.line;
    };
    std::stable_sort(problems.begin(), problems.end(), byLine);
    if (!anyKey) {
        problems.push_back({ProfileFault::NoProfileKey, "", 0, ""});
    }
    return problems;
}

ProfileRead ReadProfileFile(const std::filesystem::path& path, std::optional<int> view) {
    ProfileRead result;
    std::string text;
    result.read = ReadRegularFileUpTo(path, kProfileMaxBytes, text);
    if (result.read != ReadOutcome::Whole) {
        return result;
    }
    const IniFile file(path, kProfileMaxBytes);
    LoadProfile(file, result.form);
    if (view) {
        result.form.SetView(*view);
    }
    result.problems = CheckProfile(text, file, result.form);
    return result;
}

}  // namespace dtu
