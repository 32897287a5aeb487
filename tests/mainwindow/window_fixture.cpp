#include "window_fixture.h"

#include <QFile>

WindowFixture::WindowFixture(bool chinese, const QByteArray& extraSysKeys) {
    qputenv("DTUCONFIG_CONFIG_DIR", dir_.path().toUtf8());
    QFile settings(dir_.filePath("Lx1Cfg.ini"));
    if (settings.open(QIODevice::WriteOnly)) {
        settings.write("[SYS]\nLang=" + QByteArray(chinese ? "1" : "0") + "\n" + extraSysKeys);
    }
    settings.close();
    window_ = std::make_unique<dtu::Tfrm_MainLx1>();
}
