#include "protocol/commands.h"

#include <array>

namespace dtu {

namespace {

constexpr std::array<std::string_view, kCmdCount> kCmdNames = {
    "H",       "Z",       "E",        "ENTM",    "WKMOD",   "CALEN",    "NATEN",   "UATEN",
    "CMDPW",   "CACHEN",  "STMSG",    "RELD",    "CLEAR",   "CFGTF",    "VER",     "SN",
    "ICCID",   "IMEI",    "CNUM",     "UART",    "RFCEN",   "APN",      "SOCKA",   "SOCKB",
    "SOCKAEN", "SOCKBEN", "SOCKASL",  "SOCKBSL", "SOCKALK", "SOCKBLK",  "REGEN",   "REGTP",
    "REGID",   "REGDT",   "REGSND",   "HEARTEN", "HEARTDT", "HEARTTP",  "HEARTTM", "HTPSV",
    "DSTNUM",  "SMSEND",  "CIVER",    "CIPR",    "ICF",     "CIPSCONT", "CIPCFG",  "CIPPACK",
    "CSTT",    "CIPNUM",  "CIPSTART", "CIMOD",   "CINETAT", "CICOMAT",  "CINETPT", "HTPTP",
    "HTPURL",  "HTPHD",   "CLOUDID",  "CLOUDPA", "CLOUDEN", "CACHE",    "RESOC",
};

// The sockets query reports the whole data page under its commands' own names.
constexpr TCmd kSocketsPage[] = {TCmd::CIPCFG,  TCmd::CIPPACK, TCmd::CIPSTART, TCmd::CIMOD,
                                 TCmd::CINETAT, TCmd::CICOMAT, TCmd::CSTT,     TCmd::CIPNUM};
constexpr TCmd kNumberedReplies[] = {TCmd::CIPPACK, TCmd::CIPSTART};

template <std::size_t N>
bool Holds(const TCmd (&list)[N], TCmd cmd) {
    for (const TCmd listed : list) {
        if (listed == cmd) {
            return true;
        }
    }
    return false;
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string_view CmdName(TCmd cmd) {
    const auto ordinal = static_cast<std::size_t>(cmd);
    return ordinal < kCmdNames.size() ? kCmdNames[ordinal] : std::string_view{};
}

bool OnSocketsPage(TCmd cmd) {
    return Holds(kSocketsPage, cmd);
}

bool NumberedReply(TCmd cmd) {
    return Holds(kNumberedReplies, cmd);
}

std::optional<TCmd> CmdByName(std::string_view name) {
    for (std::size_t i = 0; i < kCmdNames.size(); ++i) {
        if (EqualsIgnoringAsciiCase(name, kCmdNames[i])) {
            return static_cast<TCmd>(i);
        }
    }
    return std::nullopt;
}

}  // namespace dtu
