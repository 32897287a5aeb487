// Writes GBK's decoding table as C++ source, read once at build time from the
// system's converter so that the program itself never loads or runs one.
//
// Usage: gbk_table_gen OUTPUT
//
// The output defines kGbkHighBytes (bytes 0x80..0xFF alone) and kGbkPairs
// (every lead and trail pair), each entry a UTF-16 code or 0 when the bytes
// are not exactly one usable character. A character reached a second time
// keeps its first bytes only, so the table also reads backwards.

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "lang/gbk_codes.h"

namespace {

using dtu::gbk::kRawByteBase;

// Only characters that cannot be mistaken for ASCII or a raw byte take part.
bool Usable(char32_t code) {
    return code >= 0x80 && code < 0x10000 && (code < kRawByteBase || code > kRawByteBase + 0xFF);
}

char16_t DecodeOne(iconv_t cd, const unsigned char* bytes, std::size_t size) {
    char* in = reinterpret_cast<char*>(const_cast<unsigned char*>(bytes));
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

void WriteArray(std::FILE* out, const char* name, const std::vector<char16_t>& codes) {
    std::fprintf(out, "constexpr char16_t %s[%zu] = {", name, codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        std::fprintf(out, "%s0x%04X,", i % 12 == 0 ? "\n    " : " ",
                     static_cast<unsigned>(codes[i]));
    }
    std::fprintf(out, "\n};\n");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const iconv_t cd = iconv_open("UTF-32LE", "GBK");
    if (cd == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) {
        std::perror("gbk_table_gen: the system has no GBK converter (iconv_open)");
        return 1;
    }
    std::vector<bool> seen(0x10000);
    std::vector<char16_t> highBytes(0x80);
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        const unsigned char single = static_cast<unsigned char>(byte);
        if (const char16_t code = DecodeOne(cd, &single, 1); code != 0 && !seen[code]) {
            highBytes[byte - 0x80] = code;
            seen[code] = true;
        }
    }
    std::vector<char16_t> pairs(dtu::gbk::kLeadCount * dtu::gbk::kTrailCount);
    for (unsigned lead = dtu::gbk::kFirstLead; lead <= dtu::gbk::kLastLead; ++lead) {
        for (unsigned trail = dtu::gbk::kFirstTrail; trail <= dtu::gbk::kLastTrail; ++trail) {
            const unsigned char pair[] = {static_cast<unsigned char>(lead),
                                          static_cast<unsigned char>(trail)};
            if (!dtu::gbk::IsTrail(pair[1])) {
                continue;
            }
            if (const char16_t code = DecodeOne(cd, pair, 2); code != 0 && !seen[code]) {
                pairs[dtu::gbk::PairIndex(pair[0], pair[1])] = code;
                seen[code] = true;
            }
        }
    }
    iconv_close(cd);

    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "// Written by gbk_table_gen from the system's GBK converter.\n");
    WriteArray(out, "kGbkHighBytes", highBytes);
    WriteArray(out, "kGbkPairs", pairs);
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
