#include "form/write_lines.h"

#include <string>

#include "form/device_map.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

constexpr Field kSocketFields[4][4] = {
    {Field::cbb_NetProtocol1, Field::edt_IP1, Field::edt_Port1, Field::chk_NetPort1},
    {Field::cbb_NetProtocol2, Field::edt_IP2, Field::edt_Port2, Field::chk_NetPort2},
    {Field::cbb_NetProtocol3, Field::edt_IP3, Field::edt_Port3, Field::chk_NetPort3},
    {Field::cbb_NetProtocol4, Field::edt_IP4, Field::edt_Port4, Field::chk_NetPort4},
};

constexpr const char* kDataModeFamilyQueries[] = {"CLOUDEN", "CLOUDID", "CACHE", "RESOC"};
constexpr const char* kHttpModeFamilyQueries[] = {"HTPURL", "HTPHD", "HTPTP"};

constexpr const char* kCompactRestartTime = "1800";
constexpr const char* kCompactSocketProtocol = "TCP";
constexpr const char* kCompactSocketPort = "2317";

void AddFullViewLines(const FormModel& form, OrderList& orders) {
    orders.AddSetOrderCmd(TCmd::CIPCFG,
                          FormatValue("1,%s,0,%s,0,%s", {form.Text(Field::edt_HeartbeatTime),
                                                         form.Text(Field::edt_WaitTime),
                                                         form.Text(Field::edt_RestartTime)}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("0,\"%s\",\"%d\"", {PacketHexText(form.Text(Field::edt_HeartbeatFormat),
                                                      form.Tick(Field::chk_HeartbeatFormat)),
                                        std::to_string(form.Item(Field::cbb_HeartbeatTo))}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("1,\"%s\",\"%d\"", {PacketHexText(form.Text(Field::edt_RegFormat),
                                                      form.Tick(Field::chk_RegFormat)),
                                        std::to_string(form.Item(Field::cbb_RegMode))}));
    for (std::size_t i = 0; i < std::size(kSocketFields); ++i) {
        const auto& [protocol, host, port, enabled] = kSocketFields[i];
        orders.AddSetOrderCmd(
            TCmd::CIPSCONT,
            FormatValue("%d,\"%s\",\"%s\", %s,%s",
                        {std::to_string(i + 1), form.ItemText(protocol), form.Text(host),
                         form.Text(port), CheckToDigit(form.Tick(enabled))}));
    }
    orders.AddSetOrderCmd(TCmd::CICOMAT, CheckToDigit(form.Tick(Field::chk_ComAtEnable)));
    orders.AddSetOrderCmd(TCmd::CINETAT, CheckToDigit(form.Tick(Field::chk_NetAtEnable)));
}

void AddCompactViewLines(const FormModel& form, OrderList& orders) {
    orders.AddSetOrderCmd(
        TCmd::CIPCFG,
        FormatValue("1,%s,0,%s,0,%s", {form.Text(Field::edt_HeartbeatTime),
                                       form.Text(Field::edt_WaitTime), kCompactRestartTime}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("0,\"%s\",%d", {PacketHexText(form.Text(Field::edt_HeartbeatFormat),
                                                  form.Tick(Field::chk_HeartbeatFormat)),
                                    "0"}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK, FormatValue("1,\"%s\",%d", {PacketHexText(form.Text(Field::edt_RegFormat),
                                                                 form.Tick(Field::chk_RegFormat)),
                                                   "0"}));
    orders.AddSetOrderCmd(TCmd::CIPSCONT,
                          FormatValue("%d,\"%s\",\"%s\", %s,1",
                                      {"1", form.ItemText(Field::cbb_NetProtocol1),
                                       form.Text(Field::edt_IP1), form.Text(Field::edt_Port1)}));
    for (int socket = 2; socket <= 4; ++socket) {
        orders.AddSetOrderCmd(
            TCmd::CIPSCONT,
            FormatValue("%d,\"%s\",\"%s\", %s,0", {std::to_string(socket), kCompactSocketProtocol,
                                                   kDefaultServerHost, kCompactSocketPort}));
    }
    orders.AddSetOrderCmd(TCmd::CICOMAT, "0");
    orders.AddSetOrderCmd(TCmd::CINETAT, "0");
}

void AddHttpdClientLines(const FormModel& form, OrderList& orders) {
    orders.AddSetOrderCmd(TCmd::CIPCFG, "1,0,0,50,0,0");
    orders.AddSetOrderCmd(TCmd::CIPPACK, "0,\"\",0");
    orders.AddSetOrderCmd(TCmd::CIPPACK, "1,\"\",0");
    orders.AddSetOrderCmd(TCmd::CIPSCONT,
                          FormatValue("1,\"TCP\",\"%s\", %s,1",
                                      {form.Text(Field::edt_IP5), form.Text(Field::edt_Port5)}));
}

void AddWorkModeLines(const FormModel& form, OrderList& orders) {
    switch (form.Item(Field::cbb_WorkMode)) {
        case kDataTransmissionMode:
            if (form.View() == kFullView) {
                AddFullViewLines(form, orders);
            } else if (form.View() == kCompactView) {
                AddCompactViewLines(form, orders);
            }
            break;
        case kHttpdClientMode:
            AddHttpdClientLines(form, orders);
            break;
        case kSmsTransmissionMode:
            orders.AddSetOrderCmd(TCmd::CIPNUM, form.Text(Field::edt_TelNo));
            break;
        default:
            break;
    }
}

void AddTail(const FormModel& form, OrderList& orders) {
    orders.AddSetOrderCmd(TCmd::CIMOD, QuoteText(std::to_string(form.Item(Field::cbb_WorkMode))));
    orders.AddSetOrderCmd(TCmd::CSTT, form.Text(Field::edt_APN_other));
    orders.AddSetOrderCmd(TCmd::ICF,
                          IcfValue(form.Item(Field::cbb_Com_Byte), form.Item(Field::cbb_Com_Stop),
                                   form.Item(Field::cbb_Com_Parity)));
    orders.AddSetOrderCmd(TCmd::CIPR, form.ItemText(Field::cbb_Com_BaudRate));
    orders.AddRawOrder("ATW\r\n");
}

}  // namespace

void BuildWriteAllOrders(const FormModel& form, OrderList& orders) {
    orders.ClearOrders();
    orders.AddQueryOrder(std::string(CmdName(TCmd::CIVER)));
    AddWorkModeLines(form, orders);
    AddTail(form, orders);
}

void AppendFamilyQueries(const FormModel& form, OrderList& orders) {
    if (form.Item(Field::cbb_WorkMode) == kDataTransmissionMode) {
        for (const char* name : kDataModeFamilyQueries) {
            orders.AddQueryOrder(name);
        }
    } else if (form.Item(Field::cbb_WorkMode) == kHttpdClientMode) {
        for (const char* name : kHttpModeFamilyQueries) {
            orders.AddQueryOrder(name);
        }
    }
}

void InsertFamilySetLines(const FormModel& form, OrderList& orders) {
    if (form.Item(Field::cbb_WorkMode) == kHttpdClientMode) {
        orders.InsertSetOrderCmd(TCmd::HTPURL, form.Text(Field::edtHTPURL));
        orders.InsertSetOrderCmd(TCmd::HTPHD, form.Text(Field::mmoHTPHD));
        orders.InsertSetOrderCmd(TCmd::HTPTP, form.ItemText(Field::cbbHTPTP));
        return;
    }
    if (form.Item(Field::cbb_WorkMode) != kDataTransmissionMode) {
        return;
    }
    if (form.View() == kFullView) {
        if (form.Tick(Field::chkCloudEnalbe)) {
            orders.InsertSetOrderCmd(TCmd::CLOUDEN, "ON");
            orders.InsertSetOrderCmd(TCmd::CLOUDID, form.Text(Field::lbledtCloud));
            if (!form.Text(Field::lbledtPswd).empty()) {
                orders.InsertSetOrderCmd(TCmd::CLOUDPA, form.Text(Field::lbledtPswd));
            }
        } else {
            orders.InsertSetOrderCmd(TCmd::CLOUDEN, "OFF");
        }
        orders.InsertSetOrderCmd(TCmd::CACHE, CheckToDigit(form.Tick(Field::chk_CachEnable)));
        orders.InsertSetOrderCmd(TCmd::RESOC, DelSpaces(form.Text(Field::lbledtResoc)));
    } else if (form.View() == kCompactView) {
        orders.InsertSetOrderCmd(TCmd::CLOUDEN, "OFF");
        orders.InsertSetOrderCmd(TCmd::CACHE, "0");
        orders.InsertSetOrderCmd(TCmd::RESOC, "5");
    }
}

}  // namespace dtu
