#include "lang/gbk.h"

#include <cstdint>
#include <vector>

#include "lang/gbk_codes.h"

namespace dtu {

namespace {

using gbk::InRange;
using gbk::IsLead;
using gbk::IsTrail;
using gbk::kRawByteBase;

constexpr char kUnconvertible = '?';

#include "gbk_table.inc"

// Bytes 0x80 to 0xFF alone; 0 when the byte is no character by itself.
char16_t HighByte(unsigned char byte) {
    return kGbkHighBytes[byte - 0x80];
}

// 0 when GBK gives the pair no character.
char16_t Pair(unsigned char lead, unsigned char trail) {
    return kGbkPairs[gbk::PairIndex(lead, trail)];
}

// The decoding table read backwards, built the first time text is encoded:
// each character maps to its GBK bytes (one byte, or lead << 8 | trail), 0 when none.
std::vector<std::uint16_t> BuildEncodeTable() {
    std::vector<std::uint16_t> encode(0x10000);
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        if (const char16_t code = HighByte(static_cast<unsigned char>(byte))) {
            encode[code] = static_cast<std::uint16_t>(byte);
        }
    }
    for (unsigned lead = gbk::kFirstLead; lead <= gbk::kLastLead; ++lead) {
        for (unsigned trail = gbk::kFirstTrail; trail <= gbk::kLastTrail; ++trail) {
            if (const char16_t code =
                    Pair(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail))) {
                encode[code] = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
    }
    return encode;
}

const std::vector<std::uint16_t>& EncodeTable() {
    static const std::vector<std::uint16_t> encode = BuildEncodeTable();
    return encode;
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
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 2);
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            continue;
        }
        if (const char16_t single = HighByte(byte)) {
            AppendUtf8(single, out);
            continue;
        }
        if (IsLead(byte) && i + 1 < gbk.size()) {
            const auto trail = static_cast<unsigned char>(gbk[i + 1]);
            if (IsTrail(trail)) {
                // An unmapped pair stays two raw bytes rather than letting its
                // trail byte pass for ASCII.
                const char16_t code = Pair(byte, trail);
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
    const std::vector<std::uint16_t>& encode = EncodeTable();
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto [code, length] = NextUtf8(utf8);
        utf8.remove_prefix(length);
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code >= kRawByteBase && code <= kRawByteBase + 0xFF) {
            out += static_cast<char>(code - kRawByteBase);
        } else if (const std::uint16_t bytes = code < 0x10000 ? encode[code] : 0) {
            if (bytes > 0xFF) {
                out += static_cast<char>(bytes >> 8);
            }
            out += static_cast<char>(bytes & 0xFF);
        } else {
            out += kUnconvertible;
        }
    }
    return out;
}

}  // namespace dtu
