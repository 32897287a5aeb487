#include "render/port_status_text.h"

#include "serial/open_error_text.h"
#include "serial/port_texts.h"

namespace dtu {

std::string PortStatusLine(const PortStatus& status, const TLangList& table) {
    const PortTexts& s = status.settings;
    if (status.lineByServer) {
        return FillTextArgs(table.GetText("lang_Info_NetLineByServer"), {s[0]});
    }
    return status.open ? PortStatusText(s[0], s[1], s[2], s[3], s[4])
                       : table.GetText("lang_Info_ComIsOpen");
}

}  // namespace dtu
