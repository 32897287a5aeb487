#pragma once

class QWidget;

namespace dtu {

struct FileWriteError;
class TLangList;

// Tells the user that the settings file could not be written ("Unable to write
// to <full path>", with the system's reason below it) and offers to try again,
// say after freeing disk space. True when the user chose Retry.
bool AskRetryFailedSave(const TLangList& table, QWidget* parent, const FileWriteError& error);

}  // namespace dtu
