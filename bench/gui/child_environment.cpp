#include "bench/gui/child_environment.h"

#include <unistd.h>

namespace dtu::bench {

std::vector<std::string> ChildEnvironment(const std::string& configDir,
                                          const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string line = *entry;
        if (line.rfind("QT_QPA_PLATFORM=", 0) != 0 && line.rfind("DTUCONFIG_", 0) != 0) {
            env.push_back(line);
        }
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.insert(env.end(), extra.begin(), extra.end());
    env.push_back("DTUCONFIG_CONFIG_DIR=" + configDir);
    return env;
}

}  // namespace dtu::bench
