#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "lang/same_text.h"
#include "serial/comm.h"

namespace dtu {

// Parity and checking for a parity text compared upper-cased with NONE, ODD and
// EVEN; nothing for any other text.
struct ParityChoice {
    TParity parity;
    bool check;
};
std::optional<ParityChoice> ParityFromText(const std::string& text);
// "NONE", "ODD" or "EVEN" for those parities; "MARK" or "SPACE" otherwise.
const char* ParityText(TParity parity);

// Inter-byte pause that ends a received block at `baud`, in milliseconds.
std::uint32_t FramingIntervalFor(std::uint32_t baud);

// " \"name\",\"baud\",\"parity\",\"data\",\"stop\", " for the status bar.
std::string PortStatusText(const std::string& name, const std::string& baud,
                           const std::string& parity, const std::string& dataBits,
                           const std::string& stopBits);

}  // namespace dtu
