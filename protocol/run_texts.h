#pragma once

#include <string>
#include <vector>

#include "protocol/device_port.h"

namespace dtu {

// The red lines that end a run that did not succeed, in the current language.

// "The device refused n lines: A, B" and/or "n replies could not be read: C".
std::string IncompleteText(const std::vector<std::string>& refused,
                           const std::vector<std::string>& unreadable);
// Silent also to the recovery: what to check.
std::string NoAnswerText(const std::string& port, const std::string& baudRate);
std::string PortLostText(const std::string& port);
std::string ReopenFailedText(const LineChange& change, const std::string& reason);
std::string InterruptedText(int linesDone, int linesTotal);

}  // namespace dtu
