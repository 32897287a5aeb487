#pragma once

namespace dtu {

// Set in the environment, DTUCONFIG_STARTUP_PROBE makes the program report its
// start-up on stderr and end by itself: a line "probe shown" once its first
// window is shown, then "probe vmrss_kb <n>" with the main window shown.
bool StartupProbeRequested();

// Resident memory of this process in KiB, from /proc/self/status; -1 if unknown.
long ReadVmRssKb();

void PrintProbeShown();
void PrintProbeMemory();

}  // namespace dtu
