#include "mainwindow/main_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <array>
#include <string>

#include "lang/lang_list.h"
#include "mainwindow/data_page.h"
#include "mainwindow/device_list_strip.h"
#include "mainwindow/info_area.h"
#include "mainwindow/info_group.h"
#include "mainwindow/log_find.h"
#include "mainwindow/main_menus.h"
#include "mainwindow/main_window.h"
#include "mainwindow/named_controls.h"
#include "mainwindow/run_report.h"
#include "mainwindow/status_verdict.h"
#include "mainwindow/text_fit.h"
#include "mainwindow/work_mode_pages.h"
#include "render/port_status_text.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

struct TextRow {
    const char* control;
    const char* key;
};

constexpr TextRow kMenuTexts[] = {
    {"N1", "lang_Menu_File"},
    {"N7", "lang_Menu_ReOpenCom"},
    {"N3", "lang_Menu_Lang"},
    {"N4", "lang_Menu_Help"},
    {"N11", "lang_Menu_Default"},
    {"N2", "lang_Menu_Read"},
    {"N5", "lang_Menu_WriteAll"},
    {"mni_CompareDevice", "lang_Menu_Compare"},
    {"mni_ExportProfile", "lang_Menu_ExportProfile"},
    {"mni_ImportProfile", "lang_Menu_ImportProfile"},
    {"mni_DeviceList", "lang_Menu_DeviceList"},
    {"N14", "lang_Command_Close"},
    {"mni_SaveLog", "lang_Menu_SaveLog"},
    {"mni_TimeStamps", "lang_Menu_TimeStamps"},
    {"N_Exit", "lang_Menu_Exit"},
    {"N8", "lang_Menu_About"},
    {"N12", "lang_Menu_Update"},
    {"N10", "lang_Menu_Web"},
    {"N15", "lang_Menu_TechnicalSupport"},
    {"N16", "lang_Menu_Baedeker"},
    {"N17", "lang_Menu_ProductManuals"},
    {"N18", "lang_Menu_FAQ"},
    {"D2D1", "lang_Menu_D2D"},
    {"N13", "lang_Menu_Message"},
    {"Hint_Mouse_Enable", "lang_Menu_HintMouse_Enable"},
    {"mni_WorkOrder", "lang_Menu_WorkOrder"},
};

struct ComboRow {
    const char* control;
    std::array<const char*, 5> itemKeys;  // nullptr after the last
};

// Boxes whose items are language texts. The line ends are the device's names
// in both languages, which no row holds.
constexpr ComboRow kComboItems[] = {
    {"cbb_APN", {"lang_cbb_CMNET", "lang_cbb_UNINET", "lang_cbb_Other"}},
    {"cbb_WorkMode",
     {"lang_Cbb_DataTran", "lang_Cbb_ComCmd", "lang_Cbb_AtCmd", "lang_Cbb_HttpdClient",
      "lang_Cbb_SmsTrans"}},
    {"cbb_RegMode", {"lang_cbb_RegMode_0", "lang_cbb_RegMode_1"}},
    {"cbb_HeartbeatTo", {"lang_cbb_HeartbeatTo_0", "lang_cbb_HeartbeatTo_1"}},
    {"cbb_SendLineEnd", {"lang_SendEol_AsTyped", "CR", "LF", "CR LF"}},
};

// Label captions of the common group, before and after its combo items.
constexpr TextRow kApnLabel[] = {{"lbl_APN", "lang_Lbl_APN"}};
constexpr TextRow kCommonLabels[] = {
    {"lbl_ComBaudRate", "lang_Lbl_DTUBaudRate"},
    {"lbl_ComParam", "lang_Lbl_ComParam"},
    {"lbl_WorkMode", "lang_Lbl_WorkMode"},
};

constexpr TextRow kLabelTexts[] = {
    {"lbl_ShowLessIP1", "lang_Lbl_IP"},
    {"lbl_ShowLessNetProtocol1", "lang_Lbl_NetProtocol"},
    {"lbl_ShowLessPort1", "lang_Lbl_Port"},
    {"lbl_IP5", "lang_Lbl_IP"},
    {"lbl_Port5", "lang_Lbl_Port"},
    {"lblHTPTP", "lang_lblHTPTP"},
    {"lblHTPURL", "lang_lblHTPURL"},
    {"lblHTPHD", "lang_lblHTPHD"},
    {"lbl_WaitTime", "lang_Lbl_WaitTime"},
    {"lbl_WaitTime_ms", "lang_Lbl_ms"},
    {"lbl_HeartbeatTime", "lang_Lbl_HeartbeatTime"},
    {"lbl_HeartbeatTime_s", "lang_Lbl_s"},
    {"lbl_RestartTime", "lang_Lbl_RestartTime"},
    {"lbl_lbl_RestartTime_s", "lang_Lbl_s"},
    {"lbl_RegFormat", "lang_Lbl_DevID"},
    {"lbl_HeartbeatFormat", "lang_Lbl_HeartbeatFormat"},
};

constexpr TextRow kCheckTexts[] = {
    {"chk_D2DEnable", "lang_chk_D2DEnable"},
    {"chk_NetAtEnable", "lang_chk_NetAtEnable"},
    {"chk_ComAtEnable", "lang_chk_ComAtEnable"},
    {"chk_CachEnable", "lang_chk_CachEnable"},
    {"chkCloudEnalbe", "lang_chkCloudEnalbe"},
    {"lbledtCloud", "lang_lbledtCloud"},
    {"lbledtPswd", "lang_lbledtPswd"},
    {"lbledtResoc", "lang_lbledtResoc"},
    {"lblResocS", "lang_Lbl_s"},
};

constexpr TextRow kButtonTexts[] = {
    {"btn_Default", "lang_Menu_Default"},
    {"btn_Read", "lang_Menu_Read"},
    {"btn_SetAll", "lang_Menu_WriteAll"},
    {"btn_Compare", "lang_Menu_Compare"},
    {"grp_CommonAtCmd", "lang_grp_CommonAtCmd"},
    {"btn_At_GetCiver", "lang_btn_At_GetCiver"},
    {"btn_Sms_Send", "lang_btn_Sms_Send"},
    {"lbl_Sms_TelNo", "lang_lbl_TelNo"},
    {"lbl_Sms_Msg", "lang_lbl_Sms_Msg"},
    {"grp_SendSms", "lang_btn_Sms_Send"},
    {"btn_Send", "lang_btn_Send"},
    {"btn_ReStart", "lang_btn_ReStart"},
    {"lbl_TelNo", "lang_lbl_TelNo"},
    {"lbl_Info", "lang_Lbl_Info"},
    {"lbl_Send", "lang_Lbl_Send"},
    {"lbl_ClearInfo", "lang_Lbl_ClearInfo"},
    {"lbl_ClearSend", "lang_Lbl_ClearSend"},
    {"chk_HexView", "lang_chk_HexView"},
};

constexpr TextRow kCommonHints[] = {
    {"edt_APN_other", "lang_Hint_APN"},       {"cbb_Com_BaudRate", "lang_Hint_ComBaudRate"},
    {"cbb_Com_Parity", "lang_Lbl_ComParity"}, {"cbb_Com_Byte", "lang_Lbl_ComData"},
    {"cbb_Com_Stop", "lang_Lbl_ComStop"},     {"cbb_WorkMode", "lang_Hint_WorkMode"},
};

constexpr TextRow kSocketHints[] = {
    {"edt_IP%1", "lang_Hint_IP"},
    {"cbb_NetProtocol%1", "lang_Hint_Ptl"},
    {"edt_Port%1", "lang_Hint_PtlPort"},
};

constexpr TextRow kNetEnableHints[] = {
    {"chk_NetPort1", "lang_Hint_NetEnable1"},
    {"chk_NetPort2", "lang_Hint_NetEnable2"},
    {"chk_NetPort3", "lang_Hint_NetEnable3"},
    {"chk_NetPort4", "lang_Hint_NetEnable4"},
};

constexpr TextRow kDataHints[] = {
    {"edt_HeartbeatTime", "lang_Hint_edt_HeartbeatTime"},
    {"edt_WaitTime", "lang_Hint_edt_WaitTime"},
    {"edt_RestartTime", "lang_Hint_ResetTime"},
    {"edt_HeartbeatFormat", "lang_Hint_edt_HeartbeatFormat"},
    {"edt_RegFormat", "lang_Hint_edt_RegFormat"},
    {"chk_HeartbeatFormat", "lang_Hint_chk_HeartbeatFormat"},
    {"chk_RegFormat", "lang_Hint_chk_RegFormat"},
    {"cbb_HeartbeatTo", "lang_Hint_cbb_HeartbeatTo"},
    {"cbb_RegMode", "lang_Hint_cbb_RegMode"},
    {"lbledt_D2D_ID", "lang_Hint_lbledt_D2D_ID"},
    {"chk_D2DEnable", "lang_Hint_chk_D2DEnable"},
    {"chk_NetAtEnable", "lang_Hint_chk_NetAtEnable"},
    {"chk_ComAtEnable", "lang_Hint_chk_ComAtEnable"},
    {"btn_ShowMore", "lang_Hint_btn_ShowMore"},
    {"btn_PPPA", "lang_Hint_btn_PPPA"},
    {"btn_ENTM", "lang_Hint_btn_PPPA"},
    {"btn_Default", "lang_Hint_btn_Default"},
    {"btn_SetAll", "lang_Hint_btn_SetAll"},
    {"btn_Compare", "lang_Hint_btn_Compare"},
    {"btn_ReStart", "lang_Hint_btn_ReStart"},
    {"btn_Send", "lang_Hint_btn_Send"},
    {"mmo_Send", "lang_Hint_mmo_Send"},
    {"cbb_SendLineEnd", "lang_Hint_SendEol"},
    {"chk_HexView", "lang_Hint_HexView"},
};

constexpr const char* kUsageLines[] = {"info_Start0", "info_Start1", "info_Start2",
                                       "info_Start3", "info_Start4", "info_Start5"};

template <std::size_t N>
void BindCaptions(TextTargets& texts, NamedControls& named, const TextRow (&rows)[N]) {
    for (const TextRow& row : rows) {
        if (QObject* control = named.Find<QObject>(row.control)) {
            texts.AddCaption(control, row.key);
        }
    }
}

void BindHint(TextTargets& texts, NamedControls& named, const TextRow& row,
              const std::string& name) {
    if (QWidget* control = named.Find<QWidget>(name)) {
        texts.AddHint(control, row.key);
    }
}

template <std::size_t N>
void BindHints(TextTargets& texts, NamedControls& named, const TextRow (&rows)[N]) {
    for (const TextRow& row : rows) {
        BindHint(texts, named, row, row.control);
    }
}

}  // namespace

QStringList ItemTextsOfBothLanguages(const TLangList& table, const QComboBox& box) {
    QStringList texts;
    for (const ComboRow& row : kComboItems) {
        if (box.objectName() == QLatin1String(row.control)) {
            for (const char* key : row.itemKeys) {
                if (key != nullptr) {
                    texts << TrIn(table, key, true) << TrIn(table, key, false);
                }
            }
        }
    }
    return texts;
}

void BindMainTexts(TextTargets& texts, NamedControls& named, DataPage& dataPage) {
    BindCaptions(texts, named, kMenuTexts);
    BindCaptions(texts, named, kApnLabel);
    BindCaptions(texts, named, kCommonLabels);
    dataPage.BindTexts(texts);
    BindCaptions(texts, named, kLabelTexts);
    BindCaptions(texts, named, kCheckTexts);
    BindCaptions(texts, named, kButtonTexts);
    for (const ComboRow& row : kComboItems) {
        if (auto* box = named.Find<QComboBox>(row.control)) {
            texts.AddItems(box, row.itemKeys);
        }
    }
    BindHints(texts, named, kCommonHints);
    for (std::size_t socket = 1; socket <= DataPage::kSockets; ++socket) {
        for (const TextRow& row : kSocketHints) {
            BindHint(texts, named, row, QString::fromUtf8(row.control).arg(socket).toStdString());
        }
    }
    BindHints(texts, named, kNetEnableHints);
    BindHints(texts, named, kDataHints);
}

void Tfrm_MainLx1::ApplyMainTexts() {
    qtTexts_.Follow(language_.IsChinese);
    setWindowTitle(Tr(language_, "lang_System_Title") + " V" + version_);
    menus_->ShowChecks();
    pages_->Data().ApplyTexts();
    texts_.Apply(language_);
    infoGroup_->Find()->ApplyTexts(language_);
    report_->ApplyTexts();
    if (listStrip_ != nullptr) {
        listStrip_->ApplyTexts();
    }
    for (const char* key : kUsageLines) {
        info_->ShowInfoLine(Tr(language_, key));
    }
}

}  // namespace dtu
