#include "render/port_status_text.h"

#include "render/open_error_text.h"
#include "serial/port_texts.h"

namespace dtu {

std::string PortStatusLine(const PortStatus& status, const TLangList& table) {
    const PortTexts& s = status.settings;
    if (status.lineByServer) {
        return FillTextArgs(table.GetText("lang_Info_NetLineByServer"), {s.port});
    }
    return status.open ? PortStatusText(s.port, s.baudRate, s.parity, s.dataBits, s.stopBits)
                       : table.GetText("lang_Info_ComIsOpen");
}

std::string LineSettingsText(const PortTexts& settings) {
    return settings.baudRate + ", " + settings.parity + ", " + settings.dataBits + ", " +
           settings.stopBits;
}

}  // namespace dtu
