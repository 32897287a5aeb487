#include "app/startup_probe.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace dtu {

bool StartupProbeRequested() {
    const char* value = std::getenv("DTUCONFIG_STARTUP_PROBE");
    return value != nullptr && *value != '\0';
}

long ReadPeakRssKb() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return -1;
    }
    long kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kb = std::strtol(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

void PrintProbeShown() {
    std::fputs("probe shown\n", stderr);
    std::fflush(stderr);
}

void PrintProbeMemory(const char* figure) {
    std::fprintf(stderr, "probe %s %ld\n", figure, ReadPeakRssKb());
    std::fflush(stderr);
}

}  // namespace dtu
