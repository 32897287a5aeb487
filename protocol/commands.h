#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dtu {

// The device command names, in the order of their ordinals 0 to 62.
enum class TCmd : std::uint8_t {
    H,
    Z,
    E,
    ENTM,
    WKMOD,
    CALEN,
    NATEN,
    UATEN,
    CMDPW,
    CACHEN,
    STMSG,
    RELD,
    CLEAR,
    CFGTF,
    VER,
    SN,
    ICCID,
    IMEI,
    CNUM,
    UART,
    RFCEN,
    APN,
    SOCKA,
    SOCKB,
    SOCKAEN,
    SOCKBEN,
    SOCKASL,
    SOCKBSL,
    SOCKALK,
    SOCKBLK,
    REGEN,
    REGTP,
    REGID,
    REGDT,
    REGSND,
    HEARTEN,
    HEARTDT,
    HEARTTP,
    HEARTTM,
    HTPSV,
    DSTNUM,
    SMSEND,
    CIVER,
    CIPR,
    ICF,
    CIPSCONT,
    CIPCFG,
    CIPPACK,
    CSTT,
    CIPNUM,
    CIPSTART,
    CIMOD,
    CINETAT,
    CICOMAT,
    CINETPT,
    HTPTP,
    HTPURL,
    HTPHD,
    CLOUDID,
    CLOUDPA,
    CLOUDEN,
    CACHE,
    RESOC,
};

inline constexpr int kCmdCount = 63;

std::string_view CmdName(TCmd cmd);

// The commands the tool treats apart, by what they do.
inline constexpr TCmd kVersionCmd = TCmd::CIVER;
inline constexpr TCmd kWorkModeCmd = TCmd::CIMOD;
inline constexpr TCmd kPortRateCmd = TCmd::CIPR;
inline constexpr TCmd kPortFormatCmd = TCmd::ICF;
// Its query's answer reports the whole data page.
inline constexpr TCmd kSocketsCmd = TCmd::CIPSCONT;

// The version query, which every firmware answers.
inline constexpr const char* kVersionQueryLine = "AT+CIVER?\r\n";

// Whether the answer to the sockets query reports `cmd`'s value.
bool OnSocketsPage(TCmd cmd);

// Whether `cmd`'s reply starts with the number of the socket or packet it reports.
bool NumberedReply(TCmd cmd);

// The member whose name equals `name` ignoring ASCII case; nullopt for any other text.
std::optional<TCmd> CmdByName(std::string_view name);

}  // namespace dtu
