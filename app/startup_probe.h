#pragma once

namespace dtu {

// Set in the environment, DTUCONFIG_STARTUP_PROBE makes the program report its
// start-up on stderr and end by itself: a line "probe shown" once its first
// window has painted its first frame, then lines "probe <figure> <kB>" of its
// peak memory.
bool StartupProbeRequested();

// Peak resident memory of this process in KiB, from /proc/self/status; -1 if unknown.
long ReadPeakRssKb();

void PrintProbeShown();
// Prints "probe <figure> <peak resident KiB>".
void PrintProbeMemory(const char* figure);

}  // namespace dtu
