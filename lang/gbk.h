#pragma once

#include <string>
#include <string_view>

namespace dtu {

// The one conversion point between the GBK bytes the device and the files use
// and the UTF-8 the windows use. Bytes that do not convert become U+FFFD (to
// UTF-8) or '?' (to GBK); neither direction fails.
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace dtu
