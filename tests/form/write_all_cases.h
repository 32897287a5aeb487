#pragma once

#include <string>
#include <utility>
#include <vector>

#include "form/write_lines.h"
#include "tests/session/worked_example_model.h"

namespace dtu {

// What the firmware's version makes of write all: family 1 unticks the cloud
// and cache boxes, family 2 takes the cloud, cache and HTTP lines.
enum class Firmware { Family0, Family1, Family2, Family2CloudOn };

// The worked example with a value of its own in every field write all may
// send, the cloud ticked with a password only for `Family2CloudOn`.
inline FormModel EveryValueItsOwn(int workMode, int view, Firmware firmware) {
    FormModel form;
    LoadWorkedExample(form);
    const std::pair<Field, const char*> texts[] = {
        {Field::HeartbeatPeriod, "51"},
        {Field::PackingTime, "12"},
        {Field::RestartTime, "1801"},
        {Field::HeartbeatPacket, "HB"},
        {Field::Socket1Host, "h1"},
        {Field::Socket1Port, "1"},
        {Field::Socket2Host, "h2"},
        {Field::Socket2Port, "2"},
        {Field::Socket3Host, "h3"},
        {Field::Socket3Port, "3"},
        {Field::Socket4Host, "h4"},
        {Field::Socket4Port, "4"},
        {Field::CloudNumber, "777"},
        {Field::CloudPassword, "pw"},
        {Field::ReconnectInterval, " 9 1"},
        {Field::HttpHost, "web"},
        {Field::HttpPort, "80"},
        {Field::HttpUrl, "/u"},
        {Field::HttpHeaders, "H: 1\r\nI: 2"},
        {Field::SmsModePhone, "+8613800138000"},
        {Field::Apn, "\"apn\",\"u\",\"p\""},
    };
    for (const auto& [field, text] : texts) {
        form.SetText(field, text);
    }
    form.SetTick(Field::RegistrationPacketHex, true);
    form.SetText(Field::RegistrationPacket, "ABCD");
    form.SetItem(Field::Socket1Protocol, 1);
    form.SetTick(Field::Socket3Enable, true);
    form.SetItem(Field::Socket2Protocol, 1);
    form.SetItem(Field::Socket4Protocol, 1);
    form.SetTick(Field::Socket4Enable, true);
    form.SetItem(Field::HeartbeatTarget, 1);
    form.SetItem(Field::RegistrationMode, 1);
    form.SetTick(Field::ComAtEnable, true);
    form.SetTick(Field::CloudEnable, firmware == Firmware::Family2CloudOn);
    form.SetTick(Field::CacheEnable, true);
    form.SetItem(Field::HttpMethod, 1);
    form.SetItem(Field::BaudRate, 9);
    form.SetItem(Field::Parity, 2);
    form.SetItem(Field::DataBits, 0);
    form.SetItem(Field::StopBits, 1);
    form.SetItem(Field::WorkMode, workMode);
    form.SetView(view);
    return form;
}

// The lines write all sends for the form, as the engine builds them once the
// version reply named the firmware's family.
inline std::vector<std::string> WriteAllFor(FormModel form, Firmware firmware) {
    OrderList orders;
    BuildWriteAllOrders(form, orders);
    form.EnableFamilyControls(firmware != Firmware::Family1);
    if (firmware == Firmware::Family2 || firmware == Firmware::Family2CloudOn) {
        InsertFamilySetLines(form, orders);
    }
    return orders.Lines();
}

}  // namespace dtu
