#include "form/form_snapshot.h"

namespace dtu {

namespace {

constexpr Field kSocketFields[4][4] = {
    {Field::cbb_NetProtocol1, Field::edt_IP1, Field::edt_Port1, Field::chk_NetPort1},
    {Field::cbb_NetProtocol2, Field::edt_IP2, Field::edt_Port2, Field::chk_NetPort2},
    {Field::cbb_NetProtocol3, Field::edt_IP3, Field::edt_Port3, Field::chk_NetPort3},
    {Field::cbb_NetProtocol4, Field::edt_IP4, Field::edt_Port4, Field::chk_NetPort4},
};

}  // namespace

FormValues SnapshotOf(const FormModel& form) {
    const auto text = [&form](Field field) { return form.Text(field); };
    FormValues values;
    values.cbb_WorkMode = form.Item(Field::cbb_WorkMode);
    values.btn_ShowMoreTag = form.View();
    values.edt_APN_other = text(Field::edt_APN_other);
    values.cbb_Com_BaudRate = form.ItemText(Field::cbb_Com_BaudRate);
    values.cbb_Com_ParityText = form.ItemText(Field::cbb_Com_Parity);
    values.cbb_Com_ByteText = form.ItemText(Field::cbb_Com_Byte);
    values.cbb_Com_StopText = form.ItemText(Field::cbb_Com_Stop);
    values.cbb_Com_ParityItem = form.Item(Field::cbb_Com_Parity);
    values.cbb_Com_ByteItem = form.Item(Field::cbb_Com_Byte);
    values.cbb_Com_StopItem = form.Item(Field::cbb_Com_Stop);
    for (std::size_t i = 0; i < values.sockets.size(); ++i) {
        const auto& [protocol, host, port, enabled] = kSocketFields[i];
        values.sockets[i] = {form.ItemText(protocol), text(host), text(port), form.Tick(enabled)};
    }
    values.edt_HeartbeatTime = text(Field::edt_HeartbeatTime);
    values.edt_WaitTime = text(Field::edt_WaitTime);
    values.edt_RestartTime = text(Field::edt_RestartTime);
    values.edt_HeartbeatFormat = text(Field::edt_HeartbeatFormat);
    values.chk_HeartbeatFormat = form.Tick(Field::chk_HeartbeatFormat);
    values.cbb_HeartbeatTo = form.Item(Field::cbb_HeartbeatTo);
    values.edt_RegFormat = text(Field::edt_RegFormat);
    values.chk_RegFormat = form.Tick(Field::chk_RegFormat);
    values.cbb_RegMode = form.Item(Field::cbb_RegMode);
    values.chk_ComAtEnable = form.Tick(Field::chk_ComAtEnable);
    values.chk_NetAtEnable = form.Tick(Field::chk_NetAtEnable);
    values.chkCloudEnalbe = form.Tick(Field::chkCloudEnalbe);
    values.lbledtCloud = text(Field::lbledtCloud);
    values.lbledtPswd = text(Field::lbledtPswd);
    values.chk_CachEnable = form.Tick(Field::chk_CachEnable);
    values.lbledtResoc = text(Field::lbledtResoc);
    values.edt_IP5 = text(Field::edt_IP5);
    values.edt_Port5 = text(Field::edt_Port5);
    values.cbbHTPTP = form.ItemText(Field::cbbHTPTP);
    values.edtHTPURL = text(Field::edtHTPURL);
    values.mmoHTPHD = text(Field::mmoHTPHD);
    values.edt_TelNo = text(Field::edt_TelNo);
    values.edt_Sms_TelNo = text(Field::edt_Sms_TelNo);
    values.mmo_Sms_Msg = text(Field::mmo_Sms_Msg);
    return values;
}

}  // namespace dtu
