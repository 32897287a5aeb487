#pragma once

#include <string>
#include <vector>

#include "protocol/device_port.h"

namespace dtu {

// The red lines that end a run that did not succeed, in the current language.

// "Refused by the device (n): A, B.", "Replies that could not be read (n): C."
// and "Not read from the device (n): D.", the lines named by their fields.
std::string IncompleteText(const std::vector<std::string>& refused,
                           const std::vector<std::string>& unreadable,
                           const std::vector<std::string>& notRead);
// Silent also to the recovery: what to check.
std::string NoAnswerText(const std::string& port, const std::string& baudRate);
// Bytes came, never a final line: the line settings to check.
std::string GarbledText(const std::string& port, const std::string& baudRate);
std::string PortLostText(const std::string& port);
std::string ReopenFailedText(const LineChange& change, const std::string& reason);
std::string InterruptedText(int linesDone, int linesTotal);

}  // namespace dtu
