#include "form/write_lines.h"

#include <string>

#include "form/device_map.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

constexpr Field kSocketFields[4][4] = {
    {Field::Socket1Protocol, Field::Socket1Host, Field::Socket1Port, Field::Socket1Enable},
    {Field::Socket2Protocol, Field::Socket2Host, Field::Socket2Port, Field::Socket2Enable},
    {Field::Socket3Protocol, Field::Socket3Host, Field::Socket3Port, Field::Socket3Enable},
    {Field::Socket4Protocol, Field::Socket4Host, Field::Socket4Port, Field::Socket4Enable},
};

constexpr const char* kDataModeFamilyQueries[] = {"CLOUDEN", "CLOUDID", "CACHE", "RESOC"};
constexpr const char* kHttpModeFamilyQueries[] = {"HTPURL", "HTPHD", "HTPTP"};

constexpr const char* kCompactRestartTime = "1800";
constexpr const char* kCompactSocketProtocol = "TCP";
constexpr const char* kCompactSocketPort = "2317";

void AddFullViewLines(const FormModel& form, OrderList& orders) {
    orders.AddSetOrderCmd(
        TCmd::CIPCFG, FormatValue("1,%s,0,%s,0,%s",
                                  {form.Text(Field::HeartbeatPeriod), form.Text(Field::PackingTime),
                                   form.Text(Field::RestartTime)}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("0,\"%s\",\"%d\"", {PacketHexText(form.Text(Field::HeartbeatPacket),
                                                      form.Tick(Field::HeartbeatPacketHex)),
                                        std::to_string(form.Item(Field::HeartbeatTarget))}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("1,\"%s\",\"%d\"", {PacketHexText(form.Text(Field::RegistrationPacket),
                                                      form.Tick(Field::RegistrationPacketHex)),
                                        std::to_string(form.Item(Field::RegistrationMode))}));
    for (std::size_t i = 0; i < std::size(kSocketFields); ++i) {
        const auto& [protocol, host, port, enabled] = kSocketFields[i];
        orders.AddSetOrderCmd(
            TCmd::CIPSCONT,
            FormatValue("%d,\"%s\",\"%s\", %s,%s",
                        {std::to_string(i + 1), form.ItemText(protocol), form.Text(host),
                         form.Text(port), CheckToDigit(form.Tick(enabled))}));
    }
    orders.AddSetOrderCmd(TCmd::CICOMAT, CheckToDigit(form.Tick(Field::ComAtEnable)));
    orders.AddSetOrderCmd(TCmd::CINETAT, CheckToDigit(form.Tick(Field::NetAtEnable)));
}

void AddCompactViewLines(const FormModel& form, OrderList& orders) {
    orders.AddSetOrderCmd(
        TCmd::CIPCFG,
        FormatValue("1,%s,0,%s,0,%s", {form.Text(Field::HeartbeatPeriod),
                                       form.Text(Field::PackingTime), kCompactRestartTime}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("0,\"%s\",%d", {PacketHexText(form.Text(Field::HeartbeatPacket),
                                                  form.Tick(Field::HeartbeatPacketHex)),
                                    "0"}));
    orders.AddSetOrderCmd(
        TCmd::CIPPACK,
        FormatValue("1,\"%s\",%d", {PacketHexText(form.Text(Field::RegistrationPacket),
                                                  form.Tick(Field::RegistrationPacketHex)),
                                    "0"}));
    orders.AddSetOrderCmd(TCmd::CIPSCONT, FormatValue("%d,\"%s\",\"%s\", %s,1",
                                                      {"1", form.ItemText(Field::Socket1Protocol),
                                                       form.Text(Field::Socket1Host),
                                                       form.Text(Field::Socket1Port)}));
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
                                      {form.Text(Field::HttpHost), form.Text(Field::HttpPort)}));
}

void AddWorkModeLines(const FormModel& form, OrderList& orders) {
    switch (form.Item(Field::WorkMode)) {
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
            orders.AddSetOrderCmd(TCmd::CIPNUM, form.Text(Field::SmsModePhone));
            break;
        default:
            break;
    }
}

void AddTail(const FormModel& form, OrderList& orders) {
    orders.AddSetOrderCmd(TCmd::CIMOD, QuoteText(std::to_string(form.Item(Field::WorkMode))));
    orders.AddSetOrderCmd(TCmd::CSTT, form.Text(Field::Apn));
    orders.AddSetOrderCmd(
        TCmd::ICF,
        IcfValue(form.Item(Field::DataBits), form.Item(Field::StopBits), form.Item(Field::Parity)));
    orders.AddSetOrderCmd(TCmd::CIPR, form.ItemText(Field::BaudRate));
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
    if (form.Item(Field::WorkMode) == kDataTransmissionMode) {
        for (const char* name : kDataModeFamilyQueries) {
            orders.AddQueryOrder(name);
        }
    } else if (form.Item(Field::WorkMode) == kHttpdClientMode) {
        for (const char* name : kHttpModeFamilyQueries) {
            orders.AddQueryOrder(name);
        }
    }
}

void InsertFamilySetLines(const FormModel& form, OrderList& orders) {
    if (form.Item(Field::WorkMode) == kHttpdClientMode) {
        orders.InsertSetOrderCmd(TCmd::HTPURL, form.Text(Field::HttpUrl));
        orders.InsertSetOrderCmd(TCmd::HTPHD, form.Text(Field::HttpHeaders));
        orders.InsertSetOrderCmd(TCmd::HTPTP, form.ItemText(Field::HttpMethod));
        return;
    }
    if (form.Item(Field::WorkMode) != kDataTransmissionMode) {
        return;
    }
    if (form.View() == kFullView) {
        if (form.Tick(Field::CloudEnable)) {
            orders.InsertSetOrderCmd(TCmd::CLOUDEN, "ON");
            orders.InsertSetOrderCmd(TCmd::CLOUDID, form.Text(Field::CloudNumber));
            if (!form.Text(Field::CloudPassword).empty()) {
                orders.InsertSetOrderCmd(TCmd::CLOUDPA, form.Text(Field::CloudPassword));
            }
        } else {
            orders.InsertSetOrderCmd(TCmd::CLOUDEN, "OFF");
        }
        orders.InsertSetOrderCmd(TCmd::CACHE, CheckToDigit(form.Tick(Field::CacheEnable)));
        orders.InsertSetOrderCmd(TCmd::RESOC, DelSpaces(form.Text(Field::ReconnectInterval)));
    } else if (form.View() == kCompactView) {
        orders.InsertSetOrderCmd(TCmd::CLOUDEN, "OFF");
        orders.InsertSetOrderCmd(TCmd::CACHE, "0");
        orders.InsertSetOrderCmd(TCmd::RESOC, "5");
    }
}

}  // namespace dtu
