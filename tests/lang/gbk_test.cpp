#include "lang/gbk.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "lang/gbk_codes.h"

namespace dtu {
namespace {

struct RoundTrip {
    const char* name;
    std::string utf8;
    std::string gbk;
};

const RoundTrip kRoundTrips[] = {
    {"empty", "", ""},
    {"ascii", "AT+CIVER?\r\n", "AT+CIVER?\r\n"},
    {"menu", "\u6587\u4ef6(&F)", "\xCE\xC4\xBC\xFE(&F)"},
    {"chinese", "\u4e2d\u6587", "\xD6\xD0\xCE\xC4"},
    {"full_width_comma", "\uff0c", "\xA3\xAC"},
    {"trail_byte_is_letter", "\u7646\u766e", "\xB0\x41\xB0\x61"},
    {"header",
     ";\u8bed\u8a00\u6587\u4ef6\u683c\u5f0f\u4e3a: \u540d\u79f0|\u4e2d\u6587|\u82f1\u6587\uff0c"
     "\u7ad6\u7ebf\u5206\u5272\uff0c\u9017\u53f7\u4e0e\u5206\u53f7\u4e3a\u6ce8\u91ca\uff0c///"
     "\u4e3a\u6362\u884c\uff0c\u7a7a\u884c\u81ea\u52a8\u5ffd\u7565",
     ";\xD3\xEF\xD1\xD4\xCE\xC4\xBC\xFE\xB8\xF1\xCA\xBD\xCE\xAA: \xC3\xFB\xB3\xC6|\xD6\xD0\xCE\xC4|"
     "\xD3\xA2\xCE\xC4\xA3\xAC\xCA\xFA\xCF\xDF\xB7\xD6\xB8\xEE\xA3\xAC\xB6\xBA\xBA\xC5\xD3\xEB\xB7"
     "\xD6\xBA\xC5\xCE\xAA\xD7\xA2\xCA\xCD\xA3\xAC///\xCE\xAA\xBB\xBB\xD0\xD0\xA3\xAC\xBF\xD5\xD0"
     "\xD0\xD7\xD4\xB6\xAF\xBA\xF6\xC2\xD4"},
};

TEST(Gbk, RoundTrips) {
    for (const auto& row : kRoundTrips) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Utf8ToGbk(row.utf8), row.gbk);
        EXPECT_EQ(GbkToUtf8(row.gbk), row.utf8);
    }
}

struct Conversion {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(Gbk, BytesOutsideGbkBecomeRawByteCharacters) {
    const Conversion rows[] = {
        {"bad_byte", "\xFF", "\uF7FF"},
        {"cut_off_at_end", "A\x81", "A\uF781"},
        {"bad_trail_keeps_ascii",
         "\x81\x30"
         "B",
         "\uF7810B"},
        {"unmapped_pair_with_letter_trail", "\xA1\x40", "\uF7A1\uF740"},
        {"unmapped_pair", "\xAA\xA1\xD6\xD0", "\uF7AA\uF7A1\u4e2d"},
        {"between_characters", "\xD6\xD0\xFF\xCE\xC4", "\u4e2d\uF7FF\u6587"},
        {"bad_byte_then_character", "\xFF\xD6\xD0", "\uF7FF\u4e2d"},
        {"euro_sign_is_gbk", "\x80", "\u20AC"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(GbkToUtf8(row.input), row.expected);
        EXPECT_EQ(Utf8ToGbk(row.expected), row.input);
    }
}

// Bytes read from a file or the device and shown unedited go back unchanged.
TEST(Gbk, AnyBytesComeBackUnchanged) {
    std::vector<std::string> inputs;
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            inputs.push_back({static_cast<char>(first), static_cast<char>(second)});
        }
    }
    std::uint32_t seed = 9;
    for (int i = 0; i < 200; ++i) {
        std::string text;
        for (int j = 0; j < 64; ++j) {
            seed = seed * 1103515245u + 12345u;
            text += static_cast<char>(seed >> 24);
        }
        inputs.push_back(text);
    }
    int changed = 0;
    for (const auto& input : inputs) {
        if (Utf8ToGbk(GbkToUtf8(input)) != input) {
            ADD_FAILURE() << ::testing::PrintToString(input);
            if (++changed == 5) {
                break;
            }
        }
    }
}

TEST(Gbk, UnconvertibleUtf8BecomesQuestionMark) {
    const Conversion rows[] = {
        {"cut_off_two_byte", "\xC3", "?"},
        {"cut_off_three_byte", "a\xE4\xB8", "a??"},
        {"bad_byte",
         "\xFF"
         "b",
         "?b"},
        {"overlong",
         "a\xC0\xAF"
         "b",
         "a??b"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"not_in_gbk_hangul", "x\xED\x95\x9Cy", "x?y"},
        {"not_in_gbk_emoji", "\xF0\x9F\x98\x80\u4e2d", "?\xD6\xD0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Utf8ToGbk(row.input), row.expected);
    }
}

TEST(Gbk, LongTextConvertsWhole) {
    std::string utf8;
    std::string gbk;
    for (int i = 0; i < 50000; ++i) {
        utf8 +=
            "\u4e2d"
            "a";
        gbk +=
            "\xD6\xD0"
            "a";
    }
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
    EXPECT_EQ(Utf8ToGbk(utf8), gbk);
}

// The private-use character that stands for a byte outside any character.
std::string RawByte(int byte) {
    const char32_t code = gbk::kRawByteBase + static_cast<char32_t>(byte);
    return {static_cast<char>(0xE0 | code >> 12), static_cast<char>(0x80 | (code >> 6 & 0x3F)),
            static_cast<char>(0x80 | (code & 0x3F))};
}

// The table compiled into the program agrees with the system's converter on
// every pair: each character decodes from its first bytes and encodes back to
// them; a pair that repeats a character, or that the converter refuses, stays
// two raw bytes.
TEST(Gbk, EveryPairAgreesWithTheSystemConverter) {
    const iconv_t cd = iconv_open("UTF-8", "GBK");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)));
    std::set<std::string> seen;
    int mismatches = 0;
    for (int lead = gbk::kFirstLead; lead <= gbk::kLastLead; ++lead) {
        for (int trail = gbk::kFirstTrail; trail <= gbk::kLastTrail; ++trail) {
            if (!gbk::IsTrail(static_cast<unsigned char>(trail))) {
                continue;
            }
            const std::string pair = {static_cast<char>(lead), static_cast<char>(trail)};
            char* in = const_cast<char*>(pair.data());
            std::size_t inLeft = pair.size();
            char utf8[8];
            char* out = utf8;
            std::size_t outLeft = sizeof utf8;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            const bool converted =
                iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
            const std::size_t length = sizeof utf8 - outLeft;
            const bool decoded = converted && (length == 2 || length == 3) &&
                                 !(utf8[0] == '\xEF' && (utf8[1] & 0xFC) == 0x9C);
            const std::string character(utf8, decoded ? length : 0);
            const bool first = decoded && seen.insert(character).second;
            const std::string expected = first ? character : RawByte(lead) + RawByte(trail);
            if (GbkToUtf8(pair) != expected || (first && Utf8ToGbk(character) != pair)) {
                ++mismatches;
            }
        }
    }
    iconv_close(cd);
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(seen.size(), 21000u);
}

TEST(Gbk, ThreadsConvertIndependently) {
    constexpr int kThreads = 4;
    std::vector<int> mismatches(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &mismatches] {
            for (int i = 0; i < 2000; ++i) {
                const auto& row = kRoundTrips[(t + i) % std::size(kRoundTrips)];
                if (GbkToUtf8(row.gbk) != row.utf8 || Utf8ToGbk(row.utf8) != row.gbk ||
                    GbkToUtf8("\xD6\xD0\xFF") != "\u4e2d\uF7FF") {
                    ++mismatches[t];
                }
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}

}  // namespace
}  // namespace dtu
