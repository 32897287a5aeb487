#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "shell/version_string.h"

WindowFixture::WindowFixture(bool chinese, const QByteArray& extraSysKeys) {
    qputenv("DTUCONFIG_CONFIG_DIR", dir_.path().toUtf8());
    QFile settings(dir_.filePath("Lx1Cfg.ini"));
    if (settings.open(QIODevice::WriteOnly)) {
        settings.write("[SYS]\nLang=" + QByteArray(chinese ? "1" : "0") + "\n" + extraSysKeys);
    }
    settings.close();
    language_ = std::make_unique<dtu::TLangList>();
    window_ = std::make_unique<dtu::Tfrm_MainLx1>(*language_,
                                                  QString::fromStdString(dtu::GetVersionString()));
}

QByteArray WindowFixture::settingsFile() const {
    QFile settings(dir_.filePath("Lx1Cfg.ini"));
    return settings.open(QIODevice::ReadOnly) ? settings.readAll() : QByteArray();
}

void WindowFixture::reopen() {
    window_->close();
    window_->SaveSettingsOnQuit();
    window_.reset();
    language_ = std::make_unique<dtu::TLangList>();
    window_ = std::make_unique<dtu::Tfrm_MainLx1>(*language_,
                                                  QString::fromStdString(dtu::GetVersionString()));
}

QString WindowFixture::shown(const QString& name) {
    QWidget* control = find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        return edit->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        return combo->currentIndex() < 0 ? QString("<none>") : combo->currentText();
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        return box->isChecked() ? "1" : "0";
    }
    return find<QPlainTextEdit>(name)->toPlainText();
}

void WindowFixture::set(const QString& name, const QString& value) {
    QWidget* control = find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setCurrentIndex(value.toInt());
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(value == "1");
    } else {
        find<QPlainTextEdit>(name)->setPlainText(value);
    }
}
