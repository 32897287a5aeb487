#include "mainwindow/field_words.h"

#include <QComboBox>
#include <algorithm>

#include "widgets/lang_qt.h"

namespace dtu {

namespace {

// How a field's name is made from its label.
enum class Naming {
    Label,     // the label alone
    Numbered,  // the label and the socket: "Use Net 2"
    Socket,    // the socket, then the label: "Transfer Net 2 Port"
};

struct NameRow {
    Field field;
    const char* key;
    Naming naming = Naming::Label;
    int socket = 0;
};

using F = Field;
using N = Naming;

constexpr NameRow kNames[] = {
    {F::cbb_APN, "lang_Lbl_APN"},
    {F::edt_APN_other, "lang_Lbl_APN"},
    {F::cbb_Com_BaudRate, "lang_Lbl_DTUBaudRate"},
    {F::cbb_Com_Parity, "lang_Lbl_ComParity"},
    {F::cbb_Com_Byte, "lang_Lbl_ComData"},
    {F::cbb_Com_Stop, "lang_Lbl_ComStop"},
    {F::cbb_WorkMode, "lang_Lbl_WorkMode"},
    {F::chk_NetPort1, "lang_Lbl_Enable", N::Numbered, 1},
    {F::edt_IP1, "lang_Lbl_IP", N::Socket, 1},
    {F::edt_Port1, "lang_Lbl_Port", N::Socket, 1},
    {F::cbb_NetProtocol1, "lang_Lbl_NetProtocol", N::Socket, 1},
    {F::chk_NetPort2, "lang_Lbl_Enable", N::Numbered, 2},
    {F::edt_IP2, "lang_Lbl_IP", N::Socket, 2},
    {F::edt_Port2, "lang_Lbl_Port", N::Socket, 2},
    {F::cbb_NetProtocol2, "lang_Lbl_NetProtocol", N::Socket, 2},
    {F::chk_NetPort3, "lang_Lbl_Enable", N::Numbered, 3},
    {F::edt_IP3, "lang_Lbl_IP", N::Socket, 3},
    {F::edt_Port3, "lang_Lbl_Port", N::Socket, 3},
    {F::cbb_NetProtocol3, "lang_Lbl_NetProtocol", N::Socket, 3},
    {F::chk_NetPort4, "lang_Lbl_Enable", N::Numbered, 4},
    {F::edt_IP4, "lang_Lbl_IP", N::Socket, 4},
    {F::edt_Port4, "lang_Lbl_Port", N::Socket, 4},
    {F::cbb_NetProtocol4, "lang_Lbl_NetProtocol", N::Socket, 4},
    {F::edt_HeartbeatTime, "lang_Lbl_HeartbeatTime"},
    {F::edt_WaitTime, "lang_Lbl_WaitTime"},
    {F::edt_RestartTime, "lang_Lbl_RestartTime"},
    // The list beside a packet has no label of its own: its row's names it.
    {F::edt_HeartbeatFormat, "lang_Lbl_HeartbeatFormat"},
    {F::cbb_HeartbeatTo, "lang_Lbl_HeartbeatFormat"},
    {F::edt_RegFormat, "lang_Lbl_DevID"},
    {F::cbb_RegMode, "lang_Lbl_DevID"},
    {F::chk_NetAtEnable, "lang_chk_NetAtEnable"},
    {F::chk_ComAtEnable, "lang_chk_ComAtEnable"},
    {F::chkCloudEnalbe, "lang_chkCloudEnalbe"},
    {F::lbledtCloud, "lang_lbledtCloud"},
    {F::lbledtPswd, "lang_lbledtPswd"},
    {F::chk_CachEnable, "lang_chk_CachEnable"},
    {F::lbledtResoc, "lang_lbledtResoc"},
    {F::edt_IP5, "lang_Lbl_IP"},
    {F::edt_Port5, "lang_Lbl_Port"},
    {F::cbbHTPTP, "lang_lblHTPTP"},
    {F::edtHTPURL, "lang_lblHTPURL"},
    {F::mmoHTPHD, "lang_lblHTPHD"},
    {F::edt_TelNo, "lang_lbl_TelNo"},
    {F::edt_Sms_TelNo, "lang_lbl_TelNo"},
    {F::mmo_Sms_Msg, "lang_lbl_Sms_Msg"},
};

constexpr const char* kRuleKeys[kValueRuleCount] = {
    "lang_Rule_Choice", "lang_Rule_Number",     "lang_Rule_SpacedNumber", "lang_Rule_Port",
    "lang_Rule_Phone",  "lang_Rule_QuotedText", "lang_Rule_Text",         "lang_Rule_Apn",
};

// A label's text without the blanks and colon that lay it out.
QString LabelText(const TLangList& table, const char* key) {
    QString text = Tr(table, key).simplified();
    while (text.endsWith(u':') || text.endsWith(u'\uFF1A')) {
        text.chop(1);
    }
    return text.trimmed();
}

}  // namespace

QString ShownFieldName(const TLangList& table, Field field) {
    const auto row = std::find_if(std::begin(kNames), std::end(kNames),
                                  [field](const NameRow& r) { return r.field == field; });
    if (row == std::end(kNames)) {
        return QString::fromLatin1(RowOf(field).control);
    }
    const QString label = LabelText(table, row->key);
    switch (row->naming) {
        case Naming::Label:
            break;
        case Naming::Numbered:
            return label + ' ' + QString::number(row->socket);
        case Naming::Socket:
            return LabelText(table, "lang_Lbl_TSNet") + ' ' + QString::number(row->socket) + ' ' +
                   label;
    }
    return label;
}

QString RuleText(const TLangList& table, ValueRule rule) {
    return Tr(table, kRuleKeys[static_cast<int>(rule)]);
}

QString ShownValue(const TLangList& table, Field field, const std::string& value,
                   const QWidget* control) {
    const FieldRow& row = RowOf(field);
    if (row.kind == FieldKind::Tick) {
        return Tr(table, value == "1" ? "lang_Value_On" : "lang_Value_Off");
    }
    const auto* combo = qobject_cast<const QComboBox*>(control);
    bool isIndex = false;
    const int index = QString::fromStdString(value).toInt(&isIndex);
    if (row.kind == FieldKind::Item && row.items.empty() && combo != nullptr && isIndex &&
        index >= 0 && index < combo->count()) {
        return combo->itemText(index);
    }
    return value.empty() ? Tr(table, "lang_Value_Empty") : FromGbk(value);
}

}  // namespace dtu
