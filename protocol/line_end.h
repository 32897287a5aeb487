#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dtu {

// What ends each line of a free text sent to the device. As typed: the text's
// own line breaks, each sent as CR LF (what a device of this kind expects), and
// nothing added. The others end every line of the text, the last one included,
// with that line end.
enum class LineEnd { AsTyped, Cr, Lf, CrLf };

struct LineEndChoice {
    LineEnd end;
    const char* name;  // in settings files and on the command line
};

// Every choice with its name, as typed first.
std::span<const LineEndChoice> LineEndNames();

const char* LineEndName(LineEnd end);
// The choice named `name` (ASCII case ignored); nothing for an unknown name.
std::optional<LineEnd> ParseLineEnd(std::string_view name);

// The bytes that go out for `text` with line end `end`. A line break in the
// text is CR LF, a lone LF or a lone CR; an empty text stays empty.
std::string WithLineEnd(std::string_view text, LineEnd end);

// An AT command sent without any line end: the device waits for the end of the
// line and never answers.
bool IsUnendedAtCommand(std::string_view sent);

}  // namespace dtu
