#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "form/profile_rules.h"

namespace dtu {

class TLangList;

// Why Import Profile refused the profile at `path`, one line for the file and
// one for each problem, as the command line names them, in the table's language.
QStringList ProfileRefusalLines(const TLangList& table, const QString& path,
                                const std::vector<ProfileProblem>& problems);

}  // namespace dtu
