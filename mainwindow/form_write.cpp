#include "mainwindow/form_write.h"

#include <QStringList>

#include "mainwindow/device_compare.h"
#include "mainwindow/field_words.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/info_area.h"
#include "mainwindow/refused_mark.h"
#include "mainwindow/run_report.h"
#include "render/hidden_changes.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

// The answers to the hidden-changes question, in the order of its buttons.
enum HiddenChangesAnswer { kWriteHidden, kShowFullView, kCancelWrite };

constexpr CompareButton kHiddenChangesButtons[] = {
    {"lang_Compact_Write", "btn_WriteHidden", QDialogButtonBox::AcceptRole},
    {"lang_Compact_ShowFull", "btn_ShowFullView", QDialogButtonBox::ActionRole},
    {"lang_Compact_Cancel", "btn_CancelWrite", QDialogButtonBox::RejectRole}};
constexpr CompareLook kHiddenChangesLook{"msg_HiddenChanges", nullptr, "lang_Compact_Written",
                                         kHiddenChangesButtons};

// The changes as the list of differences shows them, all read.
std::vector<CompareRow> HiddenChangeRows(const std::vector<HiddenChange>& changes,
                                         const TLangList& language, const FormBinder& binder) {
    std::vector<FieldDifference> differences;
    for (const HiddenChange& change : changes) {
        differences.push_back({change.field, change.device, change.written, false});
    }
    return CompareRows(differences, language, binder);
}

}  // namespace

FormWrite::FormWrite(QWidget* window, DeviceSession& session, const TLangList& language,
                     const FormBinder& binder, InfoArea& log, RunReport& report)
    : session_(session),
      language_(language),
      binder_(binder),
      log_(log),
      report_(report),
      question_(window, language, kHiddenChangesLook) {}

void FormWrite::WriteAll() {
    // A write that would be refused asks nothing: its values are fixed first.
    std::vector<ValueProblem> problems = CheckBeforeWrite(session_.Form());
    if (problems.empty()) {
        const std::vector<HiddenChange> changes = session_.HiddenChangesOfWrite();
        const std::vector<HiddenChange> asked = ChangesToAskAbout(changes);
        if (!asked.empty() && !AskHiddenChanges(asked)) {
            return;
        }
        if (!changes.empty()) {
            QStringList lines;
            for (const CompareRow& row : HiddenChangeRows(changes, language_, binder_)) {
                lines << QStringLiteral("%1: %2 \u2192 %3").arg(row.field, row.device, row.form);
            }
            log_.ShowInfoLine(
                TrWith(language_, "lang_Info_HiddenChanges", {lines.join(QStringLiteral("; "))}));
        }
        problems = session_.WriteAll();
    }
    ShowRefused(problems);
}

bool FormWrite::AskHiddenChanges(const std::vector<HiddenChange>& changes) {
    const int answer = question_.Ask(Tr(language_, "lang_Compact_Question"),
                                     HiddenChangeRows(changes, language_, binder_));
    if (answer == kShowFullView) {
        session_.Form().SetView(kFullView);
    }
    return answer == kWriteHidden;
}

void FormWrite::SendSms() {
    ShowRefused(session_.SendSms());
}

void FormWrite::ShowRefused(const std::vector<ValueProblem>& problems) {
    for (const DeviceFieldRow& row : DeviceFields()) {
        ClearRefused(binder_.Control(row.field));
    }
    if (problems.empty()) {
        return;
    }
    const auto words = [this, problems] {
        QStringList named;
        for (const ValueProblem& problem : problems) {
            named << ShownFieldName(language_, problem.field) + QStringLiteral(": ") +
                         RuleText(language_, problem.rule);
        }
        return TrWith(language_, "lang_Info_WriteRefused", {named.join(QStringLiteral("; "))});
    };
    for (const ValueProblem& problem : problems) {
        MarkRefused(binder_.Control(problem.field));
    }
    log_.ShowErrorLine(words());
    report_.ShowFailed(words);
    binder_.Control(problems.front().field)->setFocus(Qt::OtherFocusReason);
}

}  // namespace dtu
