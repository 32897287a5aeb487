#pragma once

#include "form/form_model.h"

namespace dtu {

// The form of the write-all worked example, as the model holds it: data
// transmission, full view, socket 1 only, both hex boxes unticked, 115200 8N1,
// reconnect interval 10.
inline void LoadWorkedExample(FormModel& form) {
    form.SetItem(Field::cbb_WorkMode, 0);
    form.SetView(kFullView);
    form.SetTick(Field::chk_HeartbeatFormat, false);
    form.SetTick(Field::chk_RegFormat, false);
    form.SetText(Field::edt_HeartbeatFormat, "LOG");
    form.SetText(Field::edt_RegFormat, "LOGIN:1001");
    form.SetText(Field::edt_HeartbeatTime, "50");
    form.SetText(Field::edt_WaitTime, "10");
    form.SetText(Field::edt_RestartTime, "1800");
    form.SetItem(Field::cbb_HeartbeatTo, 0);
    form.SetItem(Field::cbb_RegMode, 0);
    const Field sockets[4][4] = {
        {Field::cbb_NetProtocol1, Field::edt_IP1, Field::edt_Port1, Field::chk_NetPort1},
        {Field::cbb_NetProtocol2, Field::edt_IP2, Field::edt_Port2, Field::chk_NetPort2},
        {Field::cbb_NetProtocol3, Field::edt_IP3, Field::edt_Port3, Field::chk_NetPort3},
        {Field::cbb_NetProtocol4, Field::edt_IP4, Field::edt_Port4, Field::chk_NetPort4},
    };
    for (const auto& [protocol, host, port, enabled] : sockets) {
        const bool first = protocol == Field::cbb_NetProtocol1;
        form.SetItem(protocol, 0);
        form.SetText(host, first ? "host1" : "");
        form.SetText(port, first ? "2317" : "");
        form.SetTick(enabled, first);
    }
    form.SetTick(Field::chk_ComAtEnable, false);
    form.SetTick(Field::chk_NetAtEnable, false);
    form.ChooseApn(0);
    form.SetItem(Field::cbb_Com_BaudRate, 10);
    form.SetItem(Field::cbb_Com_Parity, 0);
    form.SetItem(Field::cbb_Com_Byte, 1);
    form.SetItem(Field::cbb_Com_Stop, 0);
    form.SetTick(Field::chkCloudEnalbe, false);
    form.SetTick(Field::chk_CachEnable, false);
    form.SetText(Field::lbledtResoc, "10");
}

}  // namespace dtu
