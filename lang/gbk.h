#pragma once

#include <string>
#include <string_view>

namespace dtu {

// The one conversion point between the GBK bytes the device and the files use
// and the UTF-8 the windows use. Both directions take time linear in the
// text's length, whatever it holds, and neither fails.
//
// A byte that is not part of a GBK character becomes the private-use character
// U+F700 + byte, which converts back to that byte: any bytes shown and not
// edited are written back exactly as they were read. On the way back, a
// character GBK lacks (or a malformed UTF-8 sequence) becomes "?".
std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace dtu
