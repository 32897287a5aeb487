#pragma once

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "mainwindow/find_control.h"
#include "mainwindow/main_window.h"

// A main window over a fresh settings folder, in the language asked for.
class WindowFixture {
public:
    explicit WindowFixture(bool chinese = true, const QByteArray& extraSysKeys = {});

    dtu::Tfrm_MainLx1& window() { return *window_; }
    QString dir() const { return dir_.path(); }

    template <class T = QWidget>
    T* find(const QString& name) {
        return dtu::FindControl<T>(window_.get(), name);
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<dtu::Tfrm_MainLx1> window_;
};
