#pragma once

#include <QTranslator>

namespace dtu {

// Qt's own texts (the standard buttons, the file dialogs) in the language the
// windows show: the system's Qt translations while it is Chinese, Qt's
// built-in English otherwise. Without the translations installed they stay English.
class QtTexts {
public:
    QtTexts() = default;
    ~QtTexts();
    QtTexts(const QtTexts&) = delete;
    QtTexts& operator=(const QtTexts&) = delete;

    void Follow(bool chinese);
    bool Chinese() const { return installed_; }

private:
    QTranslator translator_;
    bool loaded_ = false;
    bool installed_ = false;
};

}  // namespace dtu
