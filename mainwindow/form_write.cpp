#include "mainwindow/form_write.h"

#include <QMessageBox>

#include "mainwindow/field_words.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/info_area.h"
#include "mainwindow/refused_mark.h"
#include "mainwindow/run_report.h"
#include "mainwindow/two_way_question.h"
#include "render/hidden_changes.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

// The answers to the hidden-changes question, in the order of its buttons.
enum HiddenChangesAnswer { kWriteHidden, kShowFullView, kCancelWrite };

}  // namespace

FormWrite::FormWrite(QWidget* window, DeviceSession& session, const TLangList& language,
                     const FormBinder& binder, InfoArea& log, RunReport& report)
    : window_(window),
      session_(session),
      language_(language),
      binder_(binder),
      log_(log),
      report_(report) {}

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
            log_.ShowInfoLine(TrWith(language_, "lang_Info_HiddenChanges",
                                     {HiddenChangeLines(changes).join(QStringLiteral("; "))}));
        }
        problems = session_.WriteAll();
    }
    ShowRefused(problems);
}

QStringList FormWrite::HiddenChangeLines(const std::vector<HiddenChange>& changes) const {
    QStringList lines;
    for (const HiddenChange& change : changes) {
        const QWidget* control = binder_.Control(change.field);
        lines << QStringLiteral("%1: %2 \u2192 %3")
                     .arg(ShownFieldName(language_, change.field),
                          ShownValue(language_, change.field, change.device, control),
                          ShownValue(language_, change.field, change.written, control));
    }
    return lines;
}

bool FormWrite::AskHiddenChanges(const std::vector<HiddenChange>& changes) {
    const QStringList lines = HiddenChangeLines(changes);
    QMessageBox question(QMessageBox::Warning, window_->windowTitle(),
                         Tr(language_, "lang_Compact_Question"), QMessageBox::NoButton, window_);
    question.setObjectName("msg_HiddenChanges");
    question.setInformativeText(lines.join(u'\n'));
    // Unread, the question must not write: Enter and Escape both cancel.
    const int answer = AskOneOf(
        question,
        {{Tr(language_, "lang_Compact_Write"), "btn_WriteHidden", QMessageBox::AcceptRole},
         {Tr(language_, "lang_Compact_ShowFull"), "btn_ShowFullView", QMessageBox::ActionRole},
         {Tr(language_, "lang_Compact_Cancel"), "btn_CancelWrite", QMessageBox::RejectRole}},
        kCancelWrite);
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
