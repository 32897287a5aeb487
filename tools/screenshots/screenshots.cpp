// Renders every window of the tool in both languages to PNG files, for review.
// Usage: screenshots <output folder>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "app/about_window.h"
#include "app/apn_window.h"
#include "app/app_font.h"
#include "app/login_window.h"
#include "app/port_combo_box.h"
#include "app/startup.h"
#include "lang/lang_list.h"
#include "mainwindow/main_window.h"

namespace {

constexpr int kWorkModes = 5;

class Shooter {
public:
    explicit Shooter(QDir folder) : folder_(std::move(folder)) {}

    bool Save(QWidget& widget, const QString& name) {
        QApplication::processEvents();
        const QString path = folder_.filePath(name + ".png");
        if (!widget.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok_ = false;
        }
        return ok_;
    }

    bool Ok() const { return ok_; }

private:
    QDir folder_;
    bool ok_ = true;
};

void ShootMenu(Shooter& shooter, QMenu* menu, const QString& name) {
    menu->popup({0, 0});
    shooter.Save(*menu, name);
    menu->hide();
}

void ShootLanguage(dtu::AppWindows& windows, Shooter& shooter, const QString& language) {
    dtu::Tfrm_Login& login = *windows.login;
    login.ApplyLoginTexts();
    windows.main->ApplyMainTexts();

    login.show();
    shooter.Save(login, language + "_port_window");
    ShootMenu(shooter, login.N3, language + "_port_window_file_menu");
    ShootMenu(shooter, login.N2, language + "_port_window_help_menu");
    // The stored port does not exist here, so the open fails and the note shows.
    const QString chosenPort = login.cbb_Open_ComName->Text();
    login.cbb_Open_ComName->SetText("/dev/no-such-port");
    login.btn_Com->click();
    shooter.Save(login, language + "_port_window_open_failed");
    login.cbb_Open_ComName->SetText(chosenPort);
    login.hide();

    dtu::Tfrm_MainLx1& main = *windows.main;
    main.show();
    auto* showMore = main.findChild<QPushButton*>("btn_ShowMore");
    auto* workMode = main.findChild<QComboBox*>("cbb_WorkMode");
    shooter.Save(main, language + "_main_compact");
    if (showMore != nullptr) {
        showMore->click();
        shooter.Save(main, language + "_main_full");
    }
    if (workMode != nullptr) {
        for (int mode = 1; mode < kWorkModes; ++mode) {
            workMode->setCurrentIndex(mode);
            shooter.Save(main, language + "_main_mode" + QString::number(mode));
        }
        workMode->setCurrentIndex(0);
    }
    if (showMore != nullptr) {
        showMore->click();
    }
    for (QAction* action : main.menuBar()->actions()) {
        if (QMenu* menu = action->menu(); menu != nullptr && action->isVisible()) {
            ShootMenu(shooter, menu, language + "_main_menu_" + menu->objectName());
        }
    }
    main.hide();

    windows.about->show();
    shooter.Save(*windows.about, language + "_about");
    windows.about->hide();
    windows.apn->show();
    shooter.Save(*windows.apn, language + "_apn");
    windows.apn->hide();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Fresh settings and language files, so the pictures show the built-in state.
    QTemporaryDir configDir;
    if (qEnvironmentVariableIsEmpty("DTUCONFIG_CONFIG_DIR")) {
        qputenv("DTUCONFIG_CONFIG_DIR", configDir.path().toLocal8Bit());
    }
    QApplication app(argc, argv);
    QApplication::setFont(dtu::ApplicationFont());
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const auto windows = dtu::CreateAppWindows();
    Shooter shooter(folder);
    for (const bool chinese : {true, false}) {
        dtu::LangList->IsChinese = chinese;
        ShootLanguage(*windows, shooter, chinese ? "zh" : "en");
    }
    return shooter.Ok() ? 0 : 1;
}
