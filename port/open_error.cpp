#include "port/open_error.h"

namespace dtu {

OpenError FailureOf(OpenFailure kind, const std::string& path, const std::string& text) {
    OpenError result;
    result.kind = kind;
    result.path = path;
    result.systemText = text;
    return result;
}

OpenError OtherOpenError(const std::string& path, const std::string& reason) {
    return FailureOf(OpenFailure::Other, path, reason);
}

OpenError LineSettingsError(const std::string& path, const LineProblem& problem) {
    OpenError result = FailureOf(OpenFailure::LineSettings, path);
    result.line = problem;
    return result;
}

}  // namespace dtu
