#include "render/line_fields.h"

#include <optional>

#include "lang/lang_list.h"
#include "protocol/commands.h"
#include "protocol/order_list.h"
#include "render/field_names.h"

namespace dtu {

namespace {

// How the line's first argument picks or numbers the field.
enum class Argument {
    None,
    Numbered,  // the socket number follows the name
    Packet,    // 0 is the heartbeat packet, 1 the registration packet
};

struct LineField {
    TCmd cmd;
    const char* labelKey;
    Argument argument = Argument::None;
};

constexpr LineField kLineFields[] = {
    {TCmd::CIVER, "lang_btn_At_GetCiver"},
    {TCmd::CIPR, "lang_Lbl_DTUBaudRate"},
    {TCmd::ICF, "lang_Lbl_ComParam"},
    // A socket's line is named by the box that turns the socket on.
    {TCmd::CIPSCONT, "lang_Lbl_Enable", Argument::Numbered},
    {TCmd::CIPCFG, "lang_Lbl_HeartbeatTime"},
    {TCmd::CIPPACK, "lang_Lbl_HeartbeatFormat", Argument::Packet},
    {TCmd::CICOMAT, "lang_chk_ComAtEnable"},
    {TCmd::CINETAT, "lang_chk_NetAtEnable"},
    {TCmd::CIPNUM, "lang_lbl_TelNo"},
    {TCmd::CIMOD, "lang_Lbl_WorkMode"},
    {TCmd::CSTT, "lang_Lbl_APN"},
    {TCmd::CLOUDEN, "lang_chkCloudEnalbe"},
    {TCmd::CLOUDID, "lang_lbledtCloud"},
    {TCmd::CLOUDPA, "lang_lbledtPswd"},
    {TCmd::CACHE, "lang_chk_CachEnable"},
    {TCmd::RESOC, "lang_lbledtResoc"},
    {TCmd::HTPURL, "lang_lblHTPURL"},
    {TCmd::HTPHD, "lang_lblHTPHD"},
    {TCmd::HTPTP, "lang_lblHTPTP"},
};

constexpr const char* kRegistrationPacketKey = "lang_Lbl_DevID";

// The first argument of a set line: "3" of "AT+CIPSCONT=3,...".
std::string FirstArgument(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string_view value = line.substr(equals + 1);
    return std::string(value.substr(0, value.find_first_of(",\r\n")));
}

}  // namespace

std::string LineFieldName(std::string_view line, const TLangList& table) {
    const std::string command = LineCommandName(line);
    const std::optional<TCmd> cmd = CmdByName(command);
    for (const LineField& row : kLineFields) {
        if (!cmd || row.cmd != *cmd) {
            continue;
        }
        const std::string argument = FirstArgument(line);
        if (row.argument == Argument::Packet && argument == "1") {
            return LabelText(table, kRegistrationPacketKey);
        }
        std::string name = LabelText(table, row.labelKey);
        if (row.argument == Argument::Numbered && !argument.empty()) {
            name += " " + argument;
        }
        return name;
    }
    return command;
}

}  // namespace dtu
