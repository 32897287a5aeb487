#include "mainwindow/profile_words.h"

#include "mainwindow/field_words.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

QString ProblemText(const TLangList& table, const ProfileProblem& problem) {
    switch (problem.fault) {
        case ProfileFault::GivenTwice:
            return TrWith(table, "lang_Profile_GivenTwice",
                          {QString::fromStdString(problem.key), QString::number(problem.firstLine),
                           QString::number(problem.line)});
        case ProfileFault::NoProfileKey:
            return TrWith(table, "lang_Profile_NoKeys",
                          {QString::fromUtf8(kProfileSections.data(),
                                             static_cast<qsizetype>(kProfileSections.size()))});
        case ProfileFault::BadTick:
        case ProfileFault::BrokenValue:
            break;
    }
    QString text = QString::fromStdString(problem.key) + "=" + FromGbk(problem.value) + ": " +
                   (problem.fault == ProfileFault::BadTick ? Tr(table, "lang_Profile_TickDue")
                                                           : RuleText(table, problem.rule));
    if (problem.line == 0) {
        text += " " + Tr(table, "lang_Profile_KeyMissing");
    }
    return text;
}

}  // namespace

QStringList ProfileRefusalLines(const TLangList& table, const QString& path,
                                const std::vector<ProfileProblem>& problems) {
    QStringList lines = {TrWith(table, "lang_Profile_NotImported", {path})};
    for (const ProfileProblem& problem : problems) {
        const bool atLine = problem.line != 0 && problem.fault != ProfileFault::GivenTwice;
        const QString place = atLine ? path + ":" + QString::number(problem.line) : path;
        lines.append(TrWith(table, "lang_Profile_Problem", {place, ProblemText(table, problem)}));
    }
    return lines;
}

}  // namespace dtu
