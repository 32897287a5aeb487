#include "lang/gbk.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <vector>

namespace dtu {

namespace {

constexpr char32_t kRawByteBase = 0xF700;
constexpr char kUnconvertible = '?';

constexpr unsigned char kFirstLead = 0x81;
constexpr unsigned char kLastLead = 0xFE;
constexpr unsigned kTrailCount = 0xFF - 0x40;  // trail bytes 0x40 to 0xFE

bool InRange(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

bool IsLead(unsigned char c) {
    return InRange(c, kFirstLead, kLastLead);
}

bool IsTrail(unsigned char c) {
    return InRange(c, 0x40, 0x7E) || InRange(c, 0x80, 0xFE);
}

// GBK as two lookup tables, read once from the system's converter: every
// character is a single byte or a lead and a trail byte, and the mapping is one
// to one, so decoding every byte sequence once gives both directions.
struct GbkTables {
    std::array<char16_t, 0x80> highBytes{};  // bytes 0x80 to 0xFF; 0 when none
    std::vector<char16_t> pairs = std::vector<char16_t>((kLastLead - kFirstLead + 1) * kTrailCount);
    std::vector<std::uint16_t> encode = std::vector<std::uint16_t>(0x10000);  // 0 when none

    char16_t& Pair(unsigned char lead, unsigned char trail) {
        return pairs[(lead - kFirstLead) * kTrailCount + (trail - 0x40)];
    }
    char16_t Pair(unsigned char lead, unsigned char trail) const {
        return pairs[(lead - kFirstLead) * kTrailCount + (trail - 0x40)];
    }
};

// Only characters that cannot be mistaken for ASCII or a raw byte take part.
bool Usable(char32_t code) {
    return code >= 0x80 && code < 0x10000 && (code < kRawByteBase || code > kRawByteBase + 0xFF);
}

// One character from the converter, or 0 when the bytes are not exactly one
// usable character.
char16_t DecodeOne(iconv_t cd, const char* bytes, std::size_t size) {
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = size;
    unsigned char out[8];
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
        sizeof out - outLeft != 4) {
        return 0;
    }
    const char32_t code = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
    return Usable(code) ? static_cast<char16_t>(code) : 0;
}

GbkTables ReadTables() {
    GbkTables tables;
    const iconv_t cd = iconv_open("UTF-32LE", "GBK");
    if (cd == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
        // Without a converter every byte above ASCII stays a raw byte.
        return tables;
    }
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        const char single = static_cast<char>(byte);
        if (const char16_t code = DecodeOne(cd, &single, 1)) {
            tables.highBytes[byte - 0x80] = code;
            tables.encode[code] = static_cast<std::uint16_t>(byte);
        }
    }
    for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) {
                continue;
            }
            const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
            const char16_t code = DecodeOne(cd, pair, 2);
            if (code != 0 && tables.encode[code] == 0) {
                tables.Pair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)) =
                    code;
                tables.encode[code] = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
    }
    iconv_close(cd);
    return tables;
}

const GbkTables& Tables() {
    static const GbkTables tables = ReadTables();
    return tables;
}

void AppendUtf8(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character at the start of `in` and its length in bytes; length 1 and
// code 0xFFFD for a malformed sequence. Code points above the Basic
// Multilingual Plane come back as they are (GBK has none of them).
std::pair<char32_t, std::size_t> NextUtf8(std::string_view in) {
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(in[i]); };
    const auto lead = at(0);
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t code = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (InRange(lead, 0xC2, 0xDF)) {
        length = 2;
        code = lead & 0x1F;
    } else if (InRange(lead, 0xE0, 0xEF)) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (InRange(lead, 0xF0, 0xF4)) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {0xFFFD, 1};
    }
    if (in.size() < length || !InRange(at(1), low, high)) {
        return {0xFFFD, 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (i > 1 && !InRange(at(i), 0x80, 0xBF)) {
            return {0xFFFD, 1};
        }
        code = code << 6 | (at(i) & 0x3F);
    }
    return {code, length};
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    const GbkTables& tables = Tables();
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            continue;
        }
        if (const char16_t single = tables.highBytes[byte - 0x80]) {
            AppendUtf8(single, out);
            continue;
        }
        if (IsLead(byte) && i + 1 < gbk.size()) {
            const auto trail = static_cast<unsigned char>(gbk[i + 1]);
            if (IsTrail(trail)) {
                // An unmapped pair stays two raw bytes rather than letting its
                // trail byte pass for ASCII.
                const char16_t code = tables.Pair(byte, trail);
                if (code != 0) {
                    AppendUtf8(code, out);
                } else {
                    AppendUtf8(kRawByteBase + byte, out);
                    AppendUtf8(kRawByteBase + trail, out);
                }
                ++i;
                continue;
            }
        }
        AppendUtf8(kRawByteBase + byte, out);
    }
    return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
    const GbkTables& tables = Tables();
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto [code, length] = NextUtf8(utf8);
        utf8.remove_prefix(length);
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code >= kRawByteBase && code <= kRawByteBase + 0xFF) {
            out += static_cast<char>(code - kRawByteBase);
        } else if (const std::uint16_t gbk = code < 0x10000 ? tables.encode[code] : 0) {
            if (gbk > 0xFF) {
                out += static_cast<char>(gbk >> 8);
            }
            out += static_cast<char>(gbk & 0xFF);
        } else {
            out += kUnconvertible;
        }
    }
    return out;
}

}  // namespace dtu
