// The port window with a stand-in host: what it asks of the rest of the program.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/about_window.h"
#include "app/login_window.h"
#include "app/port_combo_box.h"
#include "app/port_window_host.h"
#include "app/startup_files.h"
#include "lang/builtin_texts.h"
#include "lang/lang_list.h"
#include "mainwindow/qt_event_poster.h"
#include "mainwindow/qt_timers.h"
#include "session/device_session.h"
#include "settings/ini_file.h"
#include "test_support.h"
#include "tools/dtusim/pty_device.h"
#include "widgets/lang_qt.h"

using namespace dtu;

namespace {

// Keeps what the port window asks of it, with a session of its own.
class StandInHost : public PortWindowHost {
public:
    explicit StandInHost(std::unique_ptr<IniFile> settings)
        : poster_(&context_),
          timers_(&context_),
          session_(poster_, timers_),
          settings_(std::move(settings)) {}

    DeviceSession& Session() override { return session_; }
    IniFile* Settings() override { return settings_.get(); }
    void ShowPortOpened() override { asked << "ShowPortOpened"; }
    void ApplyTexts() override { asked << "ApplyTexts"; }
    void OfferReopen() override { asked << "OfferReopen"; }

    QStringList asked;

private:
    QObject context_;
    QtEventPoster poster_;
    QtTimers timers_;
    DeviceSession session_;
    std::unique_ptr<IniFile> settings_;
};

template <class T>
T* Control(QObject& window, const char* name) {
    T* control = window.findChild<T*>(name);
    if (control == nullptr) {
        qFatal("the port window has no %s", name);
    }
    return control;
}

}  // namespace

class PortWindowHostTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<test::ConfigFolder>();
        language_ = std::make_unique<TLangList>();
        LoadLanguage(*language_, folder_->FilePath("Lx1Lang.txt").toStdString());
    }
    void cleanup() {
        login_.reset();
        about_.reset();
        host_.reset();
        language_.reset();
        folder_.reset();
    }

    void openAsksTheHostOnlyWhenThePortOpened_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("baudChosen");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("a port that works") << true << true << QStringList{"ShowPortOpened"};
        QTest::newRow("a port that is not there") << false << true << QStringList{};
        QTest::newRow("no baud rate") << true << false << QStringList{};
    }
    void openAsksTheHostOnlyWhenThePortOpened() {
        QFETCH(bool, present);
        QFETCH(bool, baudChosen);
        QFETCH(QStringList, asked);
        test::FakePort port;
        QVERIFY(!port.Path().isEmpty());
        const QString path = present ? port.Path() : QStringLiteral("/dev/ttyNOWHERE");
        Tfrm_Login& login = Start(nullptr);
        Control<PortComboBox>(login, "cbb_Open_ComName")->SetText(path);
        if (!baudChosen) {
            Control<QComboBox>(login, "cbb_Open_BaudRate")->setCurrentIndex(-1);
        }
        login.show();
        auto* open = Control<QPushButton>(login, "btn_Com");
        open->click();
        QTRY_VERIFY(open->isEnabled());

        QCOMPARE(host_->asked, asked);
        const bool opened = !asked.isEmpty();
        QCOMPARE(host_->Session().PortIsOpen(), opened);
        QCOMPARE(login.isVisible(), !opened);
        const QString note = Control<QLabel>(login, "stat1")->text();
        QCOMPARE(note.isEmpty(), opened);
    }

    void keptSettingsAreTheOnesOpenedAndOfferedForReopening() {
        test::FakePort port;
        Tfrm_Login& login = Start(nullptr);
        Control<PortComboBox>(login, "cbb_Open_ComName")->SetText(port.Path());
        Control<QComboBox>(login, "cbb_Open_BaudRate")->setCurrentText("9600");
        login.show();
        Control<QPushButton>(login, "btn_Com")->click();
        QTRY_VERIFY(host_->Session().PortIsOpen());
        test::OnNextModal([](const QString&) {});
        Control<QAction>(login, "N_SaveComConf")->trigger();
        QCOMPARE(host_->asked, QStringList({"ShowPortOpened", "OfferReopen"}));
        const PortTexts expected{port.Path().toStdString(), "9600", "NONE", "8", "1"};
        QCOMPARE(host_->Session().KeptForReopen(), expected);
    }

    void findSetsTheBoxesAndOpensThePort() {
        sim::PtyDevice device;
        QVERIFY(device.SetBaudRate(9600));
        device.SetNoiseAtWrongSpeed(true);
        device.Start();
        Tfrm_Login& login = Start(nullptr);
        Control<PortComboBox>(login, "cbb_Open_ComName")
            ->SetText(QString::fromStdString(device.SlavePath()));
        Control<QComboBox>(login, "cbb_Open_Stop")->setCurrentText("2");
        login.show();
        Control<QPushButton>(login, "btn_Find")->click();
        QTRY_COMPARE_WITH_TIMEOUT(host_->asked, QStringList{"ShowPortOpened"}, 20000);
        QVERIFY(host_->Session().PortIsOpen());
        QCOMPARE(Control<QComboBox>(login, "cbb_Open_BaudRate")->currentText(), QString("9600"));
        QCOMPARE(Control<QComboBox>(login, "cbb_Open_Stop")->currentText(), QString("1"));
        QVERIFY(!login.isVisible());
        QVERIFY(Control<QPushButton>(login, "btn_Com")->isEnabled());
    }

    void findShowsEachTryAndCancels() {
        sim::PtyDevice device;
        device.SilentAfter(0);
        device.Start();
        Tfrm_Login& login = Start(nullptr);
        Control<PortComboBox>(login, "cbb_Open_ComName")
            ->SetText(QString::fromStdString(device.SlavePath()));
        login.show();
        auto* find = Control<QPushButton>(login, "btn_Find");
        const QString findText = find->text();
        find->click();
        auto* note = Control<QLabel>(login, "stat1");
        QTRY_VERIFY(note->text().contains("9600, NONE, 8, 1"));
        QVERIFY(!Control<QPushButton>(login, "btn_Com")->isEnabled());
        QVERIFY(find->text() != findText);
        find->click();
        QCOMPARE(find->text(), findText);
        QVERIFY(Control<QPushButton>(login, "btn_Com")->isEnabled());
        QVERIFY(!host_->Session().PortIsOpen());
        QCOMPARE(note->text(), Tr(*language_, "lang_Info_FindCancelled"));
        QVERIFY(host_->asked.isEmpty());
    }

    void languageSwitchAsksTheHostToo() {
        Tfrm_Login& login = Start(nullptr);
        auto* open = Control<QPushButton>(login, "btn_Com");
        const QString before = open->text();
        const bool chinese = language_->IsChinese;
        Control<QAction>(login, "N1")->trigger();
        QCOMPARE(host_->asked, QStringList{"ApplyTexts"});
        QCOMPARE(language_->IsChinese, !chinese);
        QVERIFY(open->text() != before);
    }

    void addedNetworkPortIsStoredOnlyWithSettings_data() {
        QTest::addColumn<bool>("withSettings");
        QTest::newRow("settings") << true;
        QTest::newRow("no settings") << false;
    }
    void addedNetworkPortIsStoredOnlyWithSettings() {
        QFETCH(bool, withSettings);
        auto settings =
            withSettings ? std::make_unique<IniFile>(folder_->FilePath("Lx1Cfg.ini").toStdString())
                         : nullptr;
        IniFile* kept = settings.get();
        Tfrm_Login& login = Start(std::move(settings));
        QVERIFY(login.AddNetworkPort("socket://10.0.0.5:4001"));
        if (kept != nullptr) {
            QCOMPARE(kept->ReadString("COM", "NetPorts", ""),
                     std::string("socket://10.0.0.5:4001"));
        }
        QVERIFY(host_->asked.isEmpty());
    }

private:
    Tfrm_Login& Start(std::unique_ptr<IniFile> settings) {
        host_ = std::make_unique<StandInHost>(std::move(settings));
        login_ = std::make_unique<Tfrm_Login>(
            StartupFiles(), *language_, *host_, [this]() -> Tfrm_About& {
                about_ = std::make_unique<Tfrm_About>(*language_, folder_->Path());
                return *about_;
            });
        login_->SetPortSource(
            {[] { return std::vector<PortInfo>(); }, folder_->Path().toStdString()});
        return *login_;
    }

    std::unique_ptr<test::ConfigFolder> folder_;
    std::unique_ptr<TLangList> language_;
    std::unique_ptr<StandInHost> host_;
    std::unique_ptr<Tfrm_About> about_;
    std::unique_ptr<Tfrm_Login> login_;
};

QTEST_MAIN(PortWindowHostTest)
#include "port_window_host_test.moc"
