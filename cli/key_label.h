#pragma once

#include <string>

namespace dtu::cli {

// A profile key with the label the form shows for its field, in English, for
// the result lines: "DTM/IP1 (IP/Domain 1)". A key no label names stays as it is.
std::string LabelledKey(const std::string& key);

}  // namespace dtu::cli
