// Feeds arbitrary bytes to the settings-file and language-file parsers and
// checks that a value written into any parsed file reads back unchanged while
// every other line stays as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lang/lang_file.h"
#include "settings/ini_document.h"
#include "settings/ini_value.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void WriteAndReadBack(std::string_view text, std::string_view value) {
    dtu::IniDocument document(text);
    const std::string stored = dtu::EscapeIniValue(value);
    document.SetStoredValue("DTM", "HeartbeatFormat", stored);
    const std::string written = document.Text();
    const dtu::IniDocument reread(written);
    const auto back = reread.StoredValue("dtm", "heartbeatformat");
    Check(back.has_value());
    Check(dtu::UnescapeIniValue(*back) == value);
    // Writing the same value again changes nothing.
    dtu::IniDocument again(written);
    again.SetStoredValue("DTM", "HeartbeatFormat", stored);
    Check(again.Text() == written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    dtu::ParseLangFile(bytes);
    // The first part is the file, the rest the value written into it.
    const std::size_t split = bytes.find('\0');
    const std::string_view file = bytes.substr(0, split);
    const std::string_view value =
        split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
    WriteAndReadBack(file, value);
    return 0;
}
