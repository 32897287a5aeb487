#include "port/open_error.h"

namespace dtu {

OpenError OtherOpenError(const std::string& path, const std::string& reason) {
    OpenError result;
    result.kind = OpenFailure::Other;
    result.path = path;
    result.systemText = reason;
    return result;
}

OpenError LineSettingsError(const std::string& path, const std::string& detail) {
    OpenError result = OtherOpenError(path, detail);
    result.kind = OpenFailure::LineSettings;
    return result;
}

}  // namespace dtu
