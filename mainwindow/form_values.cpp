#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStackedWidget>

#include "mainwindow/form_text.h"
#include "mainwindow/main_window.h"

namespace dtu {

namespace {

constexpr int kSocketCount = 4;
constexpr int kFactoryBaudItem = 10;
constexpr int kFactoryDataBitsItem = 1;

// Edits a factory reset empties.
constexpr const char* kFactoryEmptied[] = {
    "edt_IP1",           "edt_IP2",
    "edt_IP3",           "edt_IP4",
    "edt_IP5",           "edt_Port1",
    "edt_Port2",         "edt_Port3",
    "edt_Port4",         "edt_Port5",
    "edt_HeartbeatTime", "edt_WaitTime",
    "edt_RestartTime",   "edt_HeartbeatFormat",
    "edt_RegFormat",     "edt_TelNo",
    "lbledtCloud",       "lbledtPswd",
    "lbledtResoc",
};

// Combos a factory reset puts on their first item.
constexpr const char* kFactoryFirstItem[] = {
    "cbb_NetProtocol1", "cbb_NetProtocol2", "cbb_NetProtocol3",
    "cbb_NetProtocol4", "cbb_NetProtocol5", "cbb_Com_Parity",
    "cbb_Com_Stop",     "cbb_RegMode",      "cbb_HeartbeatTo",
};

struct FactoryTick {
    const char* name;
    bool ticked;
};

// D2D goes first: while it is on, the registration hex box cannot be unticked.
constexpr FactoryTick kFactoryTicks[] = {
    {"chk_D2DEnable", false},       {"chk_NetPort1", true},    {"chk_NetPort2", false},
    {"chk_NetPort3", false},        {"chk_NetPort4", false},   {"chk_NetPort5", true},
    {"chk_HeartbeatFormat", false}, {"chk_RegFormat", false},  {"chk_ComAtEnable", false},
    {"chk_NetAtEnable", false},     {"chkCloudEnalbe", false}, {"chk_CachEnable", false},
};

}  // namespace

FormValues Tfrm_MainLx1::ReadForm() const {
    const auto text = [this](const char* name) { return ToGbk(Child<QLineEdit>(name)->text()); };
    const auto ticked = [this](const char* name) { return Child<QCheckBox>(name)->isChecked(); };
    const auto combo = [this](const char* name) { return Child<QComboBox>(name); };

    FormValues form;
    form.cbb_WorkMode = GetWorkMode();
    form.btn_ShowMoreTag = GetViewMode();
    form.edt_APN_other = ToGbk(apnField_->text());
    form.cbb_Com_BaudRate = ToGbk(combo("cbb_Com_BaudRate")->currentText());
    form.cbb_Com_ParityText = ToGbk(combo("cbb_Com_Parity")->currentText());
    form.cbb_Com_ByteText = ToGbk(combo("cbb_Com_Byte")->currentText());
    form.cbb_Com_StopText = ToGbk(combo("cbb_Com_Stop")->currentText());
    form.cbb_Com_ParityItem = combo("cbb_Com_Parity")->currentIndex();
    form.cbb_Com_ByteItem = combo("cbb_Com_Byte")->currentIndex();
    form.cbb_Com_StopItem = combo("cbb_Com_Stop")->currentIndex();

    for (int n = 1; n <= kSocketCount; ++n) {
        const QString digit = QString::number(n);
        FormValues::Socket& socket = form.sockets[static_cast<std::size_t>(n - 1)];
        socket.cbb_NetProtocol = ToGbk(Child<QComboBox>("cbb_NetProtocol" + digit)->currentText());
        socket.edt_IP = ToGbk(Child<QLineEdit>("edt_IP" + digit)->text());
        socket.edt_Port = ToGbk(Child<QLineEdit>("edt_Port" + digit)->text());
        socket.chk_NetPort = Child<QCheckBox>("chk_NetPort" + digit)->isChecked();
    }
    form.edt_HeartbeatTime = text("edt_HeartbeatTime");
    form.edt_WaitTime = text("edt_WaitTime");
    form.edt_RestartTime = text("edt_RestartTime");
    form.edt_HeartbeatFormat = text("edt_HeartbeatFormat");
    form.chk_HeartbeatFormat = ticked("chk_HeartbeatFormat");
    form.cbb_HeartbeatTo = combo("cbb_HeartbeatTo")->currentIndex();
    form.edt_RegFormat = text("edt_RegFormat");
    form.chk_RegFormat = ticked("chk_RegFormat");
    form.cbb_RegMode = combo("cbb_RegMode")->currentIndex();
    form.chk_ComAtEnable = ticked("chk_ComAtEnable");
    form.chk_NetAtEnable = ticked("chk_NetAtEnable");
    form.chkCloudEnalbe = ticked("chkCloudEnalbe");
    form.lbledtCloud = text("lbledtCloud");
    form.lbledtPswd = text("lbledtPswd");
    form.chk_CachEnable = ticked("chk_CachEnable");
    form.lbledtResoc = text("lbledtResoc");

    form.edt_IP5 = text("edt_IP5");
    form.edt_Port5 = text("edt_Port5");
    form.cbbHTPTP = ToGbk(combo("cbbHTPTP")->currentText());
    form.edtHTPURL = text("edtHTPURL");
    form.mmoHTPHD = MemoText(Child<QPlainTextEdit>("mmoHTPHD"));
    form.edt_TelNo = text("edt_TelNo");
    form.edt_Sms_TelNo = text("edt_Sms_TelNo");
    form.mmo_Sms_Msg = MemoText(Child<QPlainTextEdit>("mmo_Sms_Msg"));
    return form;
}

void Tfrm_MainLx1::ResetFormForFactory() {
    apnChoice_->setCurrentIndex(0);
    apnField_->setText("CMNET");
    Child<QComboBox>("cbb_Com_BaudRate")->setCurrentIndex(kFactoryBaudItem);
    Child<QComboBox>("cbb_Com_Byte")->setCurrentIndex(kFactoryDataBitsItem);
    workMode_->setCurrentIndex(0);
    pages_->setCurrentIndex(0);
    for (const char* name : kFactoryFirstItem) {
        Child<QComboBox>(name)->setCurrentIndex(0);
    }
    for (const char* name : kFactoryEmptied) {
        Child<QLineEdit>(name)->clear();
    }
    for (const FactoryTick& row : kFactoryTicks) {
        Child<QCheckBox>(row.name)->setChecked(row.ticked);
    }
}

void Tfrm_MainLx1::ShowProgress() {
    progress_->show();
}

void Tfrm_MainLx1::SetProgressRange(int minimum, int maximum) {
    progress_->setRange(minimum, maximum);
}

void Tfrm_MainLx1::SetProgressPosition(int position) {
    progress_->setValue(position);
}

void Tfrm_MainLx1::HideProgress() {
    progress_->hide();
}

}  // namespace dtu
