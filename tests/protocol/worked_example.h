#pragma once

#include <cstddef>

#include "protocol/form_values.h"

namespace dtu {

// The form of the write-all worked example: data transmission, full view,
// socket 1 only, both hex boxes unticked, 115200 8N1, reconnect interval 10.
inline FormValues WorkedExampleForm() {
    FormValues form;
    form.cbb_WorkMode = 0;
    form.btn_ShowMoreTag = 0;
    form.edt_HeartbeatFormat = "LOG";
    form.edt_RegFormat = "LOGIN:1001";
    form.edt_HeartbeatTime = "50";
    form.edt_WaitTime = "10";
    form.edt_RestartTime = "1800";
    form.sockets[0] = {"TCP", "host1", "2317", true};
    for (std::size_t i = 1; i < form.sockets.size(); ++i) {
        form.sockets[i] = {"TCP", "", "", false};
    }
    form.edt_APN_other = "\"CMNET\",\"\",\"\"";
    form.cbb_Com_BaudRate = "115200";
    form.cbb_Com_ParityText = "NONE";
    form.cbb_Com_ByteText = "8";
    form.cbb_Com_StopText = "1";
    form.cbb_Com_ParityItem = 0;
    form.cbb_Com_ByteItem = 1;
    form.cbb_Com_StopItem = 0;
    form.lbledtResoc = "10";
    return form;
}

}  // namespace dtu
