#pragma once

// The shape of GBK shared by the converter and the program that writes its
// table: a byte below 0x80 is ASCII, a lead byte and a trail byte make one
// character, and the rest of 0x80..0xFF may each be one character alone.

namespace dtu::gbk {

// A byte that is no part of a character shows as this private-use code plus the byte.
constexpr char32_t kRawByteBase = 0xF700;

constexpr unsigned char kFirstLead = 0x81;
constexpr unsigned char kLastLead = 0xFE;
constexpr unsigned char kFirstTrail = 0x40;
constexpr unsigned char kLastTrail = 0xFE;
constexpr unsigned kLeadCount = kLastLead - kFirstLead + 1;
constexpr unsigned kTrailCount = kLastTrail - kFirstTrail + 1;  // 0x7F is never a trail

constexpr bool InRange(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}

constexpr bool IsLead(unsigned char c) {
    return InRange(c, kFirstLead, kLastLead);
}

constexpr bool IsTrail(unsigned char c) {
    return InRange(c, kFirstTrail, 0x7E) || InRange(c, 0x80, kLastTrail);
}

// The place of a lead and trail pair in the table of pairs.
constexpr unsigned PairIndex(unsigned char lead, unsigned char trail) {
    return (lead - kFirstLead) * kTrailCount + (trail - kFirstTrail);
}

}  // namespace dtu::gbk
