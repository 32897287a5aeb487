#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/find_batch.h"

namespace dtu::cli {

// "9600,EVEN,8,1": a setting as the command line's options take it.
std::string SettingText(const FindTry& setting);

// One line per port: "PORT: 9600,EVEN,8,1 (firmware V3.38), found in 1.4 s"
// ("the server's line settings" behind a server that keeps its own),
// "PORT: no device answered (tried 77 settings in 36.2 s)", or why the search
// ended otherwise.
std::string FindLine(const FindResult& result);

// Every port's result as a JSON array.
std::string FindJson(const std::vector<FindResult>& results);

// The name of an outcome in the JSON.
std::string_view FindEndName(FindEnd end);

}  // namespace dtu::cli
