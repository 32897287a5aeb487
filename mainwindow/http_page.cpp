#include "mainwindow/http_page.h"

#include <QWidget>

#include "form/form_model.h"
#include "mainwindow/form_controls.h"

namespace dtu {

namespace {

using K = ControlKind;

constexpr FormControl kHttpPage[] = {
    {K::Label, "lbl_IP5", 9, 62, 134, 0, Shown::Always, "IP或域名", kRightAligned, 0},
    {K::Edit, "edt_IP5", 150, 59, 197, 0, Shown::Always, "", kNoFlags, 0},
    {K::Label, "lbl_Port5", 9, 102, 134, 0, Shown::Always, "端    口", kRightAligned, 0},
    {K::Edit, "edt_Port5", 150, 98, 197, 0, Shown::Always, "", kDigitsOnly, 0},
    {K::Label, "lblHTPTP", 9, 141, 134, 0, Shown::Always, "HTTP请求方式", kRightAligned, 0},
    {K::Combo, "cbbHTPTP", 150, 138, 197, 0, Shown::Always, "", kNoFlags, 0},
    {K::Label, "lblHTPURL", 9, 180, 134, 0, Shown::Always, "HTTP请求的URL", kRightAligned, 0},
    {K::Edit, "edtHTPURL", 150, 180, 197, 0, Shown::Always, "", kNoFlags, 0},
    {K::Label, "lblHTPHD", 9, 219, 134, 0, Shown::Always, "HTTP请求头信息", kRightAligned, 0},
    {K::Memo, "mmoHTPHD", 150, 219, 197, 119, Shown::Always, "", kVerticalScroll, 0},
    // Socket 5's other settings: only the factory reset ever sets them.
    {K::Combo, "cbb_NetProtocol5", 150, 350, 51, 0, Shown::Always, "", kHidden, 0},
    {K::Check, "chk_NetPort5", 210, 350, 100, 0, Shown::Always, "启用网络5", kHidden | kChecked, 0},
};

}  // namespace

HttpPage::HttpPage(QWidget* page, const FormModel& form, DigitsOnlyFilter* digitsOnly,
                   NamedControls& named)
    : QObject(page), form_(form) {
    const auto created = CreateControls(page, kHttpPage, digitsOnly, named);
    familyControls_ = {
        created[RowIndex(kHttpPage, "cbbHTPTP")],  created[RowIndex(kHttpPage, "edtHTPURL")],
        created[RowIndex(kHttpPage, "mmoHTPHD")],  created[RowIndex(kHttpPage, "lblHTPTP")],
        created[RowIndex(kHttpPage, "lblHTPURL")], created[RowIndex(kHttpPage, "lblHTPHD")]};
}

void HttpPage::ShowFamilyControls() {
    for (QWidget* control : familyControls_) {
        control->setEnabled(form_.FamilyControlsEnabled());
    }
}

}  // namespace dtu
