#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dtu::sim {

// How a misbehaving device spoils its answers.
struct AnswerShape {
    bool noLineEnd = false;     // the final CR LF left out
    bool nulLineEnd = false;    // every CR LF written CR NUL LF
    bool okAfterError = false;  // a refusal followed by OK
    std::string unsolicited;    // a line of its own ahead of every answer
};

std::string Shaped(std::string bytes, const AnswerShape& shape);

// Whether `given` names the received `line` (both without line ends): the
// same line, or, when `given` is a command alone such as "AT+CIPPACK", any set
// line of that command ("AT+CIPPACK=...").
bool NamesLine(std::string_view given, std::string_view line);

// What a device that is all noise sends: a few bytes at a time, line ends and
// bytes outside ASCII letters, so never a result such as OK.
class NoiseSource {
public:
    std::string Next();

private:
    std::uint32_t state_ = 2317;
};

}  // namespace dtu::sim
