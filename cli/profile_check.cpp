#include "cli/profile_check.h"

#include <vector>

#include "cli/terminal_text.h"
#include "form/profile_rules.h"
#include "lang/gbk.h"

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
    "hexadecimal digits in pairs are due (its hex box is ticked)",
};
static_assert(std::size(kRuleTexts) == kValueRuleCount);

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

std::string Why(const ProfileProblem& problem) {
    switch (problem.fault) {
        case ProfileFault::BadTick:
            return "1 or 0 is due";
        case ProfileFault::BrokenValue:
            return RuleText(problem.rule);
        case ProfileFault::GivenTwice:
            return problem.key + " is given twice, on lines " + std::to_string(problem.firstLine) +
                   " and " + std::to_string(problem.line);
        case ProfileFault::NoProfileKey:
            break;
    }
    return "it holds none of the profile's keys (sections " + std::string(kProfileSections) + ")";
}

std::string Lines(const std::filesystem::path& path, const std::vector<ProfileProblem>& problems) {
    std::string message;
    for (const ProfileProblem& problem : problems) {
        message += EscapedText(path.string());
        if (problem.fault == ProfileFault::GivenTwice ||
            problem.fault == ProfileFault::NoProfileKey) {
            message += ": " + Why(problem) + "\n";
            continue;
        }
        message +=
            problem.line == 0 ? std::string(": ") : ":" + std::to_string(problem.line) + ": ";
        message += problem.key + "=" + EscapedText(GbkToUtf8(problem.value)) + ": " + Why(problem);
        message += problem.line == 0 ? " (the key is missing: this is its default)\n" : "\n";
    }
    return message;
}

}  // namespace

const char* RuleText(ValueRule rule) {
    return kRuleTexts[static_cast<int>(rule)];
}

std::optional<std::string> LoadProfileFile(const std::filesystem::path& path, FormModel& form,
                                           std::optional<int> view) {
    const ProfileRead profile = ReadProfileFile(path, view);
    if (profile.read == ReadOutcome::Failed) {
        return "cannot read the profile " + path.string() + ": " + WhyUnreadable(path);
    }
    if (profile.read == ReadOutcome::TooLong) {
        return "the profile " + path.string() + " is larger than 1 MiB";
    }
    if (!profile.problems.empty()) {
        std::string message = Lines(path, profile.problems);
        message.pop_back();
        return message;
    }
    form = profile.form;
    return std::nullopt;
}

}  // namespace dtu::cli
