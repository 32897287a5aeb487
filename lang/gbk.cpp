#include "lang/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace dtu {

namespace {

constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";  // U+FFFD
constexpr std::string_view kGbkReplacement = "?";

// One conversion descriptor per thread and direction, so that threads never
// share iconv state.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (IsOpen()) {
            iconv_close(cd_);
        }
    }
    bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }
    iconv_t Get() const { return cd_; }

private:
    iconv_t cd_;
};

bool InRange(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

// Bytes to drop for an unconvertible GBK sequence: a whole double-byte code
// when lead and trail are in GBK's ranges but unmapped, else the one bad byte.
std::size_t GbkSkip(std::string_view in) {
    if (in.size() >= 2) {
        const auto lead = static_cast<unsigned char>(in[0]);
        const auto trail = static_cast<unsigned char>(in[1]);
        if (InRange(lead, 0x81, 0xFE) &&
            (InRange(trail, 0x40, 0x7E) || InRange(trail, 0x80, 0xFE))) {
            return 2;
        }
    }
    return 1;
}

// Bytes to drop for an unconvertible UTF-8 sequence: a whole well-formed
// character that GBK lacks, else the one malformed byte.
std::size_t Utf8Skip(std::string_view in) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(in[i]); };
    const auto lead = at(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 1;
    }
    if (in.size() < length || !InRange(at(1), low, high)) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!InRange(at(i), 0x80, 0xBF)) {
            return 1;
        }
    }
    return length;
}

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::string Convert(const Converter& converter, std::string_view in,
                    std::size_t (*skip)(std::string_view), std::string_view replacement) {
    if (IsAscii(in)) {
        return std::string(in);
    }
    std::string out;
    if (!converter.IsOpen()) {
        for (const char c : in) {
            out.append(static_cast<unsigned char>(c) < 0x80 ? std::string_view(&c, 1)
                                                            : replacement);
        }
        return out;
    }
    iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    out.resize(in.size() * 2 + 16);
    std::size_t used = 0;
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t result = iconv(converter.Get(), &inPtr, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // EILSEQ or EINVAL (a sequence cut off at the end): replace and go on.
        const std::size_t bad = skip(std::string_view(inPtr, inLeft));
        inPtr += bad;
        inLeft -= bad;
        if (out.size() - used < replacement.size()) {
            out.resize(out.size() * 2 + replacement.size());
        }
        std::memcpy(out.data() + used, replacement.data(), replacement.size());
        used += replacement.size();
    }
    out.resize(used);
    return out;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    thread_local const Converter converter("UTF-8", "GBK");
    return Convert(converter, gbk, GbkSkip, kUtf8Replacement);
}

std::string Utf8ToGbk(std::string_view utf8) {
    thread_local const Converter converter("GBK", "UTF-8");
    return Convert(converter, utf8, Utf8Skip, kGbkReplacement);
}

}  // namespace dtu
