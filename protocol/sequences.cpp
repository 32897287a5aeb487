#include "protocol/sequences.h"

#include <string>

#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

constexpr int kDataTransmissionMode = 0;
constexpr int kHttpdClientMode = 3;
constexpr int kSmsTransmissionMode = 4;
constexpr int kFullView = 0;
constexpr int kCompactView = 1;

constexpr const char* kReadAllQueries[] = {"CIVER", "CIPR", "ICF", "CIPSCONT"};
constexpr const char* kDataModeFamilyQueries[] = {"CLOUDEN", "CLOUDID", "CACHE", "RESOC"};
constexpr const char* kHttpModeFamilyQueries[] = {"HTPURL", "HTPHD", "HTPTP"};

constexpr const char* kCompactRestartTime = "1800";
constexpr const char* kCompactSocketProtocol = "TCP";
constexpr const char* kCompactSocketPort = "2317";

void AddFullViewLines(const FormValues& form, OrderList& orders) {
    orders.AddSetOrderCmd(TCmd::CIPCFG,
                          FormatValue("1,%s,0,%s,0,%s", {form.edt_HeartbeatTime, form.edt_WaitTime,
                                                         form.edt_RestartTime}));
    orders.AddSetOrderCmd(TCmd::CIPPACK,
                          FormatValue("0,\"%s\",\"%d\"", {PacketHexText(form.edt_HeartbeatFormat,
                                                                        form.chk_HeartbeatFormat),
                                                          std::to_string(form.cbb_HeartbeatTo)}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("1,\"%s\",\"%d\"", {PacketHexText(form.edt_RegFormat, form.chk_RegFormat),
                                        std::to_string(form.cbb_RegMode)}));
    for (std::size_t i = 0; i < form.sockets.size(); ++i) {
        const FormValues::Socket& socket = form.sockets[i];
        orders.AddSetOrderCmd(
            TCmd::CIPSCONT,
            FormatValue("%d,\"%s\",\"%s\", %s,%s",
                        {std::to_string(i + 1), socket.cbb_NetProtocol, socket.edt_IP,
                         socket.edt_Port, CheckToDigit(socket.chk_NetPort)}));
    }
    orders.AddSetOrderCmd(TCmd::CICOMAT, CheckToDigit(form.chk_ComAtEnable));
    orders.AddSetOrderCmd(TCmd::CINETAT, CheckToDigit(form.chk_NetAtEnable));
}

void AddCompactViewLines(const FormValues& form, OrderList& orders) {
    orders.AddSetOrderCmd(TCmd::CIPCFG,
                          FormatValue("1,%s,0,%s,0,%s", {form.edt_HeartbeatTime, form.edt_WaitTime,
                                                         kCompactRestartTime}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("0,\"%s\",%d",
                    {PacketHexText(form.edt_HeartbeatFormat, form.chk_HeartbeatFormat), "0"}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("1,\"%s\",%d", {PacketHexText(form.edt_RegFormat, form.chk_RegFormat), "0"}));
    const FormValues::Socket& first = form.sockets[0];
    orders.AddSetOrderCmd(TCmd::CIPSCONT,
                          FormatValue("%d,\"%s\",\"%s\", %s,1",
                                      {"1", first.cbb_NetProtocol, first.edt_IP, first.edt_Port}));
    for (int socket = 2; socket <= 4; ++socket) {
        orders.AddSetOrderCmd(
            TCmd::CIPSCONT,
            FormatValue("%d,\"%s\",\"%s\", %s,0", {std::to_string(socket), kCompactSocketProtocol,
                                                   kDefaultServerHost, kCompactSocketPort}));
    }
    orders.AddSetOrderCmd(TCmd::CICOMAT, "0");
    orders.AddSetOrderCmd(TCmd::CINETAT, "0");
}

void AddHttpdClientLines(const FormValues& form, OrderList& orders) {
    orders.AddSetOrderCmd(TCmd::CIPCFG, "1,0,0,50,0,0");
    orders.AddSetOrderCmd(TCmd::CIPPACK, "0,\"\",0");
    orders.AddSetOrderCmd(TCmd::CIPPACK, "1,\"\",0");
    orders.AddSetOrderCmd(TCmd::CIPSCONT,
                          FormatValue("1,\"TCP\",\"%s\", %s,1", {form.edt_IP5, form.edt_Port5}));
}

void AddWorkModeLines(const FormValues& form, OrderList& orders) {
    switch (form.cbb_WorkMode) {
        case kDataTransmissionMode:
            if (form.btn_ShowMoreTag == kFullView) {
                AddFullViewLines(form, orders);
            } else if (form.btn_ShowMoreTag == kCompactView) {
                AddCompactViewLines(form, orders);
            }
            break;
        case kHttpdClientMode:
            AddHttpdClientLines(form, orders);
            break;
        case kSmsTransmissionMode:
            orders.AddSetOrderCmd(TCmd::CIPNUM, form.edt_TelNo);
            break;
        default:
            break;
    }
}

void AddTail(const FormValues& form, OrderList& orders) {
    orders.AddSetOrderCmd(TCmd::CIMOD, QuoteText(std::to_string(form.cbb_WorkMode)));
    orders.AddSetOrderCmd(TCmd::CSTT, form.edt_APN_other);
    orders.AddSetOrderCmd(
        TCmd::ICF, IcfValue(form.cbb_Com_ByteItem, form.cbb_Com_StopItem, form.cbb_Com_ParityItem));
    orders.AddSetOrderCmd(TCmd::CIPR, form.cbb_Com_BaudRate);
    orders.AddRawOrder("ATW\r\n");
}

}  // namespace

void BuildReadAllOrders(OrderList& orders) {
    orders.ClearOrders();
    for (const char* name : kReadAllQueries) {
        orders.AddQueryOrder(name);
    }
}

void BuildWriteAllOrders(const FormValues& form, OrderList& orders) {
    orders.ClearOrders();
    orders.AddQueryOrder(std::string(CmdName(TCmd::CIVER)));
    AddWorkModeLines(form, orders);
    AddTail(form, orders);
}

void AppendFamilyQueries(const FormValues& form, OrderList& orders) {
    if (form.cbb_WorkMode == kDataTransmissionMode) {
        for (const char* name : kDataModeFamilyQueries) {
            orders.AddQueryOrder(name);
        }
    } else if (form.cbb_WorkMode == kHttpdClientMode) {
        for (const char* name : kHttpModeFamilyQueries) {
            orders.AddQueryOrder(name);
        }
    }
}

void InsertFamilySetLines(const FormValues& form, OrderList& orders) {
    if (form.cbb_WorkMode == kHttpdClientMode) {
        orders.InsertSetOrderCmd(TCmd::HTPURL, form.edtHTPURL);
        orders.InsertSetOrderCmd(TCmd::HTPHD, form.mmoHTPHD);
        orders.InsertSetOrderCmd(TCmd::HTPTP, form.cbbHTPTP);
        return;
    }
    if (form.cbb_WorkMode != kDataTransmissionMode) {
        return;
    }
    if (form.btn_ShowMoreTag == kFullView) {
        if (form.chkCloudEnalbe) {
            orders.InsertSetOrderCmd(TCmd::CLOUDEN, "ON");
            orders.InsertSetOrderCmd(TCmd::CLOUDID, form.lbledtCloud);
            orders.InsertSetOrderCmd(TCmd::CLOUDPA, form.lbledtPswd);
        } else {
            orders.InsertSetOrderCmd(TCmd::CLOUDEN, "OFF");
        }
        orders.InsertSetOrderCmd(TCmd::CACHE, CheckToDigit(form.chk_CachEnable));
        orders.InsertSetOrderCmd(TCmd::RESOC, DelSpaces(form.lbledtResoc));
    } else if (form.btn_ShowMoreTag == kCompactView) {
        orders.InsertSetOrderCmd(TCmd::CLOUDEN, "OFF");
        orders.InsertSetOrderCmd(TCmd::CACHE, "0");
        orders.InsertSetOrderCmd(TCmd::RESOC, "5");
    }
}

}  // namespace dtu
