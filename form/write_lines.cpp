#include "form/write_lines.h"

#include <string>

#include "form/device_map.h"
#include "protocol/text_helpers.h"
#include "protocol/write_values.h"

namespace dtu {

namespace {

bool IsDataPageView(int view) {
    return view == kFullView || view == kCompactView;
}

// A value of the data page as write all sends it: the form's, or in the
// compact view what the device table writes in place of a field it hides.
class DataPageValue {
public:
    explicit DataPageValue(const FormModel& form) : form_(form) {}

    std::string operator()(Field field, std::string formValue) const {
        const DeviceFieldRow* row = DeviceRowOf(field);
        const bool hidden =
            form_.View() == kCompactView && row != nullptr && row->compactValue != nullptr;
        return hidden ? std::string(row->compactValue) : formValue;
    }
    std::string Text(Field field) const { return (*this)(field, form_.Text(field)); }
    std::string Tick(Field field) const { return (*this)(field, CheckToDigit(form_.Tick(field))); }

private:
    const FormModel& form_;
};

void AddDataPageLines(const FormModel& form, OrderList& orders) {
    const DataPageValue value(form);
    orders.AddSetOrderCmd(TCmd::CIPCFG,
                          FormatValue("1,%s,0,%s,0,%s", {value.Text(Field::HeartbeatPeriod),
                                                         value.Text(Field::PackingTime),
                                                         value.Text(Field::RestartTime)}));
    // The full view quotes a packet's option, the compact view does not.
    const char* packetFormat = form.View() == kFullView ? "%s,\"%s\",\"%s\"" : "%s,\"%s\",%s";
    const Field packets[][3] = {
        {Field::HeartbeatPacket, Field::HeartbeatPacketHex, Field::HeartbeatTarget},
        {Field::RegistrationPacket, Field::RegistrationPacketHex, Field::RegistrationMode},
    };
    for (std::size_t i = 0; i < std::size(packets); ++i) {
        const auto& [packet, hexBox, option] = packets[i];
        orders.AddSetOrderCmd(
            TCmd::CIPPACK,
            FormatValue(packetFormat,
                        {std::to_string(i), PacketHexText(form.Text(packet), form.Tick(hexBox)),
                         value(option, std::to_string(form.Item(option)))}));
    }
    for (std::size_t i = 0; i < std::size(kSockets); ++i) {
        const auto& [protocol, host, port, enabled] = kSockets[i];
        orders.AddSetOrderCmd(
            TCmd::CIPSCONT,
            FormatValue("%d,\"%s\",\"%s\", %s,%s",
                        {std::to_string(i + 1), value(protocol, form.ItemText(protocol)),
                         value.Text(host), value.Text(port), value.Tick(enabled)}));
    }
    orders.AddSetOrderCmd(TCmd::CICOMAT, value.Tick(Field::ComAtEnable));
    orders.AddSetOrderCmd(TCmd::CINETAT, value.Tick(Field::NetAtEnable));
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
            if (IsDataPageView(form.View())) {
                AddDataPageLines(form, orders);
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

void BuildReadAllOrders(OrderList& orders) {
    orders.ClearOrders();
    for (const TCmd query : {TCmd::CIVER, TCmd::CIPR, TCmd::ICF, TCmd::CIPSCONT}) {
        orders.AddQueryOrder(std::string(CmdName(query)));
    }
}

void BuildWriteAllOrders(const FormModel& form, OrderList& orders) {
    orders.ClearOrders();
    orders.AddQueryOrder(std::string(CmdName(TCmd::CIVER)));
    AddWorkModeLines(form, orders);
    AddTail(form, orders);
}

void AppendFamilyQueries(const FormModel& form, OrderList& orders) {
    const int mode = form.Item(Field::WorkMode);
    for (const DeviceFieldRow& row : DeviceFields()) {
        const bool family =
            (mode == kDataTransmissionMode &&
             (row.when == SentWhen::DataFullFamily2 || row.when == SentWhen::CloudOn)) ||
            (mode == kHttpdClientMode && row.when == SentWhen::HttpFamily2);
        // The cloud password is never reported: it is not asked for.
        if (family && *row.reply != '\0') {
            orders.AddQueryOrder(std::string(CmdName(row.command)));
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
    if (form.Item(Field::WorkMode) != kDataTransmissionMode || !IsDataPageView(form.View())) {
        return;
    }
    const DataPageValue value(form);
    if (value.Tick(Field::CloudEnable) == "1") {
        orders.InsertSetOrderCmd(TCmd::CLOUDEN, "ON");
        orders.InsertSetOrderCmd(TCmd::CLOUDID, form.Text(Field::CloudNumber));
        if (!form.Text(Field::CloudPassword).empty()) {
            orders.InsertSetOrderCmd(TCmd::CLOUDPA, form.Text(Field::CloudPassword));
        }
    } else {
        orders.InsertSetOrderCmd(TCmd::CLOUDEN, "OFF");
    }
    orders.InsertSetOrderCmd(TCmd::CACHE, value.Tick(Field::CacheEnable));
    orders.InsertSetOrderCmd(TCmd::RESOC, value(Field::ReconnectInterval,
                                                DelSpaces(form.Text(Field::ReconnectInterval))));
}

}  // namespace dtu
