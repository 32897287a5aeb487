#include "mainwindow/device_compare.h"

#include "mainwindow/field_words.h"
#include "mainwindow/form_binder.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

constexpr CompareButton kDeviceCompareButtons[] = {
    {"lang_Compact_Write", "btn_CompareWrite", QDialogButtonBox::AcceptRole},
    {"lang_Compact_Cancel", "btn_CompareCancel", QDialogButtonBox::RejectRole}};
constexpr CompareLook kDeviceCompareLook{"dlg_Compare", "lang_Menu_Compare", "lang_Compare_Form",
                                         kDeviceCompareButtons};

}  // namespace

DeviceCompare::DeviceCompare(QWidget* window, DeviceSession& session, const TLangList& language,
                             const FormBinder& binder, std::function<void()> writeAll)
    : session_(session),
      language_(language),
      binder_(binder),
      writeAll_(std::move(writeAll)),
      dialog_(window, language, kDeviceCompareLook) {}

void DeviceCompare::Start() {
    // The form's work mode: the read asks for that mode's values as well as the device's own.
    scratch_ = FormModel();
    scratch_.SetItem(Field::WorkMode, session_.Form().Item(Field::WorkMode));
    session_.ReadAllInto(scratch_, [this](const RunOutcome& outcome) { Finished(outcome); });
}

void DeviceCompare::Finished(const RunOutcome& outcome) {
    // A read that missed values still compares: those values show as not read.
    if (outcome.end != RunEnd::Success && outcome.end != RunEnd::Incomplete) {
        return;
    }
    const std::vector<CompareRow> rows =
        CompareRows(session_.DifferencesOfWrite(), language_, binder_);
    dialog_.Show(Tr(language_, rows.empty() ? "lang_Compare_Same" : "lang_Compare_Question"), rows,
                 writeAll_);
}

std::vector<CompareRow> CompareRows(const std::vector<FieldDifference>& differences,
                                    const TLangList& language, const FormBinder& binder) {
    std::vector<CompareRow> rows;
    for (const FieldDifference& difference : differences) {
        const QWidget* control = binder.Control(difference.field);
        rows.push_back({ShownFieldName(language, difference.field),
                        difference.notRead
                            ? Tr(language, "lang_Compare_NotRead")
                            : ShownValue(language, difference.field, difference.device, control),
                        ShownValue(language, difference.field, difference.form, control)});
    }
    return rows;
}

}  // namespace dtu
