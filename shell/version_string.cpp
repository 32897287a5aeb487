#include "shell/version_string.h"

namespace dtu {

std::string GetVersionString() {
    return DTU_VERSION_STRING;
}

}  // namespace dtu
