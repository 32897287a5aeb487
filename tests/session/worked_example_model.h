#pragma once

#include "form/form_model.h"

namespace dtu {

// The form of the write-all worked example, as the model holds it: data
// transmission, full view, socket 1 only, both hex boxes unticked, 115200 8N1,
// reconnect interval 10.
inline void LoadWorkedExample(FormModel& form) {
    form.SetItem(Field::WorkMode, 0);
    form.SetView(kFullView);
    form.SetTick(Field::HeartbeatPacketHex, false);
    form.SetTick(Field::RegistrationPacketHex, false);
    form.SetText(Field::HeartbeatPacket, "LOG");
    form.SetText(Field::RegistrationPacket, "LOGIN:1001");
    form.SetText(Field::HeartbeatPeriod, "50");
    form.SetText(Field::PackingTime, "10");
    form.SetText(Field::RestartTime, "1800");
    form.SetItem(Field::HeartbeatTarget, 0);
    form.SetItem(Field::RegistrationMode, 0);
    const Field sockets[4][4] = {
        {Field::Socket1Protocol, Field::Socket1Host, Field::Socket1Port, Field::Socket1Enable},
        {Field::Socket2Protocol, Field::Socket2Host, Field::Socket2Port, Field::Socket2Enable},
        {Field::Socket3Protocol, Field::Socket3Host, Field::Socket3Port, Field::Socket3Enable},
        {Field::Socket4Protocol, Field::Socket4Host, Field::Socket4Port, Field::Socket4Enable},
    };
    for (const auto& [protocol, host, port, enabled] : sockets) {
        const bool first = protocol == Field::Socket1Protocol;
        form.SetItem(protocol, 0);
        form.SetText(host, first ? "host1" : "");
        form.SetText(port, first ? "2317" : "");
        form.SetTick(enabled, first);
    }
    form.SetTick(Field::ComAtEnable, false);
    form.SetTick(Field::NetAtEnable, false);
    form.ChooseApn(0);
    form.SetItem(Field::BaudRate, 10);
    form.SetItem(Field::Parity, 0);
    form.SetItem(Field::DataBits, 1);
    form.SetItem(Field::StopBits, 0);
    form.SetTick(Field::CloudEnable, false);
    form.SetTick(Field::CacheEnable, false);
    form.SetText(Field::ReconnectInterval, "10");
}

}  // namespace dtu
