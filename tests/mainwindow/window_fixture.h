#pragma once

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "form/form_model.h"
#include "lang/lang_list.h"
#include "mainwindow/main_window.h"

// A main window over a fresh settings folder, in the language asked for.
class WindowFixture {
public:
    explicit WindowFixture(bool chinese = true, const QByteArray& extraSysKeys = {});

    dtu::Tfrm_MainLx1& window() { return *window_; }
    const dtu::TLangList& language() const { return *language_; }
    QString dir() const { return dir_.path(); }
    QByteArray settingsFile() const;

    // Closes the window, saves the settings as the program's quit does and
    // starts a new window on them.
    void reopen();

    // A test that names a control the window lacks cannot go on.
    template <class T = QWidget>
    T* find(const QString& name) {
        T* control = window_->findChild<T*>(name);
        if (control == nullptr) {
            qFatal("no control named %s", qPrintable(name));
        }
        return control;
    }

    // A control's value as one text: an edit's or memo's text, a combo's item
    // text ("<none>" without selection) or "1"/"0" for a check box.
    QString shown(const QString& name);
    // Sets a control from such a text; a combo takes its item index.
    void set(const QString& name, const QString& value);

private:
    QTemporaryDir dir_;
    // Each window loads the language file into a table of its own, which outlives it.
    std::unique_ptr<dtu::TLangList> language_;
    std::unique_ptr<dtu::Tfrm_MainLx1> window_;
};

// What write all would read of the window's form now.
inline dtu::FormModel ReadForm(dtu::Tfrm_MainLx1& window) {
    dtu::FormModel form = window.Session().Form();
    form.onChanged = nullptr;
    form.onStateChanged = nullptr;
    return form;
}
