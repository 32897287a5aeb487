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
        {Field::edt_HeartbeatTime, "51"},
        {Field::edt_WaitTime, "12"},
        {Field::edt_RestartTime, "1801"},
        {Field::edt_HeartbeatFormat, "HB"},
        {Field::edt_IP1, "h1"},
        {Field::edt_Port1, "1"},
        {Field::edt_IP2, "h2"},
        {Field::edt_Port2, "2"},
        {Field::edt_IP3, "h3"},
        {Field::edt_Port3, "3"},
        {Field::edt_IP4, "h4"},
        {Field::edt_Port4, "4"},
        {Field::lbledtCloud, "777"},
        {Field::lbledtPswd, "pw"},
        {Field::lbledtResoc, " 9 1"},
        {Field::edt_IP5, "web"},
        {Field::edt_Port5, "80"},
        {Field::edtHTPURL, "/u"},
        {Field::mmoHTPHD, "H: 1\r\nI: 2"},
        {Field::edt_TelNo, "+8613800138000"},
        {Field::edt_APN_other, "\"apn\",\"u\",\"p\""},
    };
    for (const auto& [field, text] : texts) {
        form.SetText(field, text);
    }
    form.SetTick(Field::chk_RegFormat, true);
    form.SetText(Field::edt_RegFormat, "ABCD");
    form.SetItem(Field::cbb_NetProtocol1, 1);
    form.SetTick(Field::chk_NetPort3, true);
    form.SetItem(Field::cbb_NetProtocol2, 1);
    form.SetItem(Field::cbb_NetProtocol4, 1);
    form.SetTick(Field::chk_NetPort4, true);
    form.SetItem(Field::cbb_HeartbeatTo, 1);
    form.SetItem(Field::cbb_RegMode, 1);
    form.SetTick(Field::chk_ComAtEnable, true);
    form.SetTick(Field::chkCloudEnalbe, firmware == Firmware::Family2CloudOn);
    form.SetTick(Field::chk_CachEnable, true);
    form.SetItem(Field::cbbHTPTP, 1);
    form.SetItem(Field::cbb_Com_BaudRate, 9);
    form.SetItem(Field::cbb_Com_Parity, 2);
    form.SetItem(Field::cbb_Com_Byte, 0);
    form.SetItem(Field::cbb_Com_Stop, 1);
    form.SetItem(Field::cbb_WorkMode, workMode);
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
