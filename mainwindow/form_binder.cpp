#include "mainwindow/form_binder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

#include "mainwindow/named_controls.h"
#include "mainwindow/typing_limit.h"
#include "widgets/form_text.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

// The object name of the control that shows each field, in the order of the fields.
constexpr std::pair<Field, const char*> kControlNames[] = {
    {Field::ApnChoice, "cbb_APN"},
    {Field::Apn, "edt_APN_other"},
    {Field::BaudRate, "cbb_Com_BaudRate"},
    {Field::Parity, "cbb_Com_Parity"},
    {Field::DataBits, "cbb_Com_Byte"},
    {Field::StopBits, "cbb_Com_Stop"},
    {Field::Socket1Enable, "chk_NetPort1"},
    {Field::Socket1Host, "edt_IP1"},
    {Field::Socket1Port, "edt_Port1"},
    {Field::Socket1Protocol, "cbb_NetProtocol1"},
    {Field::Socket2Enable, "chk_NetPort2"},
    {Field::Socket2Host, "edt_IP2"},
    {Field::Socket2Port, "edt_Port2"},
    {Field::Socket2Protocol, "cbb_NetProtocol2"},
    {Field::Socket3Enable, "chk_NetPort3"},
    {Field::Socket3Host, "edt_IP3"},
    {Field::Socket3Port, "edt_Port3"},
    {Field::Socket3Protocol, "cbb_NetProtocol3"},
    {Field::Socket4Enable, "chk_NetPort4"},
    {Field::Socket4Host, "edt_IP4"},
    {Field::Socket4Port, "edt_Port4"},
    {Field::Socket4Protocol, "cbb_NetProtocol4"},
    {Field::HeartbeatPeriod, "edt_HeartbeatTime"},
    {Field::PackingTime, "edt_WaitTime"},
    {Field::RestartTime, "edt_RestartTime"},
    {Field::HeartbeatPacket, "edt_HeartbeatFormat"},
    {Field::RegistrationPacket, "edt_RegFormat"},
    {Field::HeartbeatPacketHex, "chk_HeartbeatFormat"},
    {Field::RegistrationPacketHex, "chk_RegFormat"},
    {Field::HeartbeatTarget, "cbb_HeartbeatTo"},
    {Field::RegistrationMode, "cbb_RegMode"},
    {Field::D2dId, "lbledt_D2D_ID"},
    {Field::D2dEnable, "chk_D2DEnable"},
    {Field::NetAtEnable, "chk_NetAtEnable"},
    {Field::ComAtEnable, "chk_ComAtEnable"},
    {Field::CloudEnable, "chkCloudEnalbe"},
    {Field::CacheEnable, "chk_CachEnable"},
    {Field::ReconnectInterval, "lbledtResoc"},
    {Field::CloudNumber, "lbledtCloud"},
    {Field::HttpHost, "edt_IP5"},
    {Field::HttpPort, "edt_Port5"},
    {Field::HttpMethod, "cbbHTPTP"},
    {Field::HttpUrl, "edtHTPURL"},
    {Field::HttpHeaders, "mmoHTPHD"},
    {Field::SmsModePhone, "edt_TelNo"},
    {Field::WorkMode, "cbb_WorkMode"},
    {Field::CloudPassword, "lbledtPswd"},
    {Field::HttpProtocol, "cbb_NetProtocol5"},
    {Field::HttpSocketEnable, "chk_NetPort5"},
    {Field::SmsPhone, "edt_Sms_TelNo"},
    {Field::SmsMessage, "mmo_Sms_Msg"},
};
static_assert(std::size(kControlNames) == kFieldCount);

constexpr bool ControlNamesInFieldOrder() {
    for (std::size_t i = 0; i < std::size(kControlNames); ++i) {
        if (static_cast<std::size_t>(kControlNames[i].first) != i) {
            return false;
        }
    }
    return true;
}
static_assert(ControlNamesInFieldOrder(), "ControlNameOf indexes the names by field");

// Asks for the class the field's kind is shown in, so a control of another
// class counts as missing instead of being cast to what it is not.
QWidget* ControlOfKind(NamedControls& controls, const FieldRow& row) {
    switch (row.kind) {
        case FieldKind::Text:
            return controls.Find<QLineEdit>(ControlNameOf(row.field));
        case FieldKind::Memo:
            return controls.Find<QPlainTextEdit>(ControlNameOf(row.field));
        case FieldKind::Item:
            return controls.Find<QComboBox>(ControlNameOf(row.field));
        case FieldKind::Tick:
            return controls.Find<QCheckBox>(ControlNameOf(row.field));
    }
    return nullptr;
}

}  // namespace

const char* ControlNameOf(Field field) {
    return kControlNames[static_cast<std::size_t>(field)].second;
}

FormBinder::FormBinder(QObject* parent, NamedControls& controls, FormModel& model)
    : QObject(parent), model_(model) {
    for (const FieldRow& row : FormFields()) {
        if (QWidget* control = ControlOfKind(controls, row)) {
            controls_[static_cast<std::size_t>(row.field)] = control;
            Connect(row.field);
        }
    }
}

void FormBinder::Connect(Field field) {
    const FieldRow& row = RowOf(field);
    QWidget* control = Control(field);
    const auto take = [this, field] { Take(field); };
    switch (row.kind) {
        case FieldKind::Text: {
            auto* edit = static_cast<QLineEdit*>(control);
            if (row.typingLimit > 0) {
                auto* limit = new TypingLimit(edit, row.typingLimit);
                limits_[static_cast<std::size_t>(field)] = limit;
                edit->setValidator(limit);
            }
            connect(edit, &QLineEdit::textChanged, this, take);
            break;
        }
        case FieldKind::Memo:
            connect(static_cast<QPlainTextEdit*>(control), &QPlainTextEdit::textChanged, this,
                    take);
            break;
        case FieldKind::Item: {
            auto* combo = static_cast<QComboBox*>(control);
            if (!row.items.empty()) {
                combo->clear();
                for (const char* item : row.items) {
                    combo->addItem(QString::fromLatin1(item));
                }
            }
            connect(combo, &QComboBox::currentIndexChanged, this, take);
            break;
        }
        case FieldKind::Tick:
            connect(static_cast<QCheckBox*>(control), &QCheckBox::toggled, this, take);
            break;
    }
}

void FormBinder::Take(Field field) {
    if (showing_) {
        return;
    }
    QWidget* control = Control(field);
    switch (RowOf(field).kind) {
        case FieldKind::Text:
            model_.SetText(field, ToGbk(static_cast<QLineEdit*>(control)->text()));
            break;
        case FieldKind::Memo:
            model_.SetText(field, MemoText(static_cast<QPlainTextEdit*>(control)));
            break;
        case FieldKind::Item:
            model_.SetItem(field, static_cast<QComboBox*>(control)->currentIndex());
            break;
        case FieldKind::Tick:
            model_.SetTick(field, static_cast<QCheckBox*>(control)->isChecked());
            break;
    }
    // The values may refuse a change (a box that must stay ticked).
    Show(field);
}

void FormBinder::Show(Field field) {
    QWidget* control = Control(field);
    if (control == nullptr) {
        return;
    }
    const bool wasShowing = showing_;
    showing_ = true;
    switch (RowOf(field).kind) {
        case FieldKind::Text: {
            auto* edit = static_cast<QLineEdit*>(control);
            const QString text = FromGbk(model_.Text(field));
            if (edit->text() != text) {
                if (TypingLimit* limit = limits_[static_cast<std::size_t>(field)]) {
                    limit->KeepWhole(text);
                }
                edit->setText(text);
            }
            break;
        }
        case FieldKind::Memo: {
            auto* memo = static_cast<QPlainTextEdit*>(control);
            if (MemoText(memo) != model_.Text(field)) {
                SetMemoText(memo, model_.Text(field));
            }
            break;
        }
        case FieldKind::Item:
            static_cast<QComboBox*>(control)->setCurrentIndex(model_.Item(field));
            break;
        case FieldKind::Tick:
            static_cast<QCheckBox*>(control)->setChecked(model_.Tick(field));
            break;
    }
    showing_ = wasShowing;
}

void FormBinder::ShowAll() {
    for (const FieldRow& row : FormFields()) {
        Show(row.field);
    }
}

}  // namespace dtu
